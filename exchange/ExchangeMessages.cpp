#include "exchange/ExchangeMessages.h"

#include "core/Prompter.h"

namespace ExchangeMessages {

QString noConnection()
{
    return QStringLiteral("Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung!");
}

void showError(const QString &text)
{
    prompter().showMessage(text, {}, Prompter::Kind::Error);
}

} // namespace ExchangeMessages
