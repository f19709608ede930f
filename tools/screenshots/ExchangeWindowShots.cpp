#include "tools/screenshots/ExchangeWindowShots.h"

#include "ui/exchange/TForm5.h"
#include "ui/dialogs/TForm11.h"
#include "ui/dialogs/TSoftwareupdate.h"

#include <QLabel>
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

// The software update in the middle of its check: the update server does not answer.
bool saveSoftwareUpdate(const ExchangeWindowShots::SaveFunction &save)
{
    TSoftwareupdate update;
    update.show();
    update.Label3->setText(QStringLiteral("Version: 13.111"));
    update.setUpdateProgress(30);
    return save(&update, QStringLiteral("software-update"));
}

} // namespace

bool ExchangeWindowShots::saveAll(const SaveFunction &save)
{
    bool ok = saveExchangeWindow(save);
    ok = saveSettings(save) && ok;
    ok = saveSoftwareUpdate(save) && ok;
    return ok;
}
