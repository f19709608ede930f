#pragma once

#include "core/AppError.h"

// A request that did not bring a complete, successful reply. Its text is the client's own
// error message: a connection or time-out failure, or the server's status line.
class HttpError : public AppError {
public:
    using AppError::AppError;
};
