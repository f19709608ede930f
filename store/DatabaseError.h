#pragma once

#include "core/AppError.h"

// An error of the database engine; its text is the engine's message.
class DatabaseError : public AppError {
public:
    using AppError::AppError;
};
