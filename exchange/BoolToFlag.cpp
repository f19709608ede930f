#include "exchange/BoolToFlag.h"

QString BoolToFlag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
