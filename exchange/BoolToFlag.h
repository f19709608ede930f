#pragma once

#include <QString>

// "1" for yes, "0" for no: how yes/no fields travel in a listing upload.
QString BoolToFlag(bool value);
