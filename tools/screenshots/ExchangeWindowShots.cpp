#include "tools/screenshots/ExchangeWindowShots.h"

#include "ui/exchange/TForm5.h"
#include "ui/dialogs/TForm11.h"

#include <QTimer>

namespace {

bool saveExchangeWindow(const ExchangeWindowShots::SaveFunction &save)
{
    TForm5 exchange;
    exchange.show();
    // Only the picture is wanted: the run itself does not start.
    exchange.Timer1->stop();
    exchange.setStatus(QStringLiteral("Lade fehlende Bilder (dies dauert evtl. viel Zeit!)..."));
    exchange.setProgress1(65);
    exchange.setProgress2Maximum(40);
    for (int i = 0; i < 17; ++i)
        exchange.advanceProgress2();
    return save(&exchange, QStringLiteral("exchange-window"));
}

bool saveSettings(const ExchangeWindowShots::SaveFunction &save)
{
    TForm11 settings;
    settings.show();
    return save(&settings, QStringLiteral("settings"));
}

} // namespace

bool ExchangeWindowShots::saveAll(const SaveFunction &save)
{
    bool ok = saveExchangeWindow(save);
    ok = saveSettings(save) && ok;
    return ok;
}
