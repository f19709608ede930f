#include "core/ErrorGuard.h"

#include "core/AppError.h"
#include "core/Prompter.h"

#include <exception>

QString currentErrorText()
{
    try {
        throw;
    } catch (const AppError &error) {
        return error.text();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}

bool runGuarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (...) {
        prompter().showError(currentErrorText());
        return false;
    }
}
