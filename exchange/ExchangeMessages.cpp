#include "exchange/ExchangeMessages.h"

namespace ExchangeMessages {

QString noConnection()
{
    return QStringLiteral("Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung!");
}

QString transferCompleted()
{
    return QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");
}

QString newVersion()
{
    return QStringLiteral("Es besteht eine neue Version, bitte verwenden Sie das Menu Optionen => Softwareupdate");
}

QString transferFailed(const QString &errorText)
{
    return QStringLiteral("Fehler bei der Übertragung: ") + errorText;
}

} // namespace ExchangeMessages
