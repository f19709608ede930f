#pragma once

#include "exchange/ExchangeRun.h"

#include <QObject>
#include <optional>

class TForm3;

// Watches a registration window's first transfer run: the run starts at once instead of a
// second after the exchange window appears, its settings are recorded, and a window that
// stays open after its run is closed as the seller would close it.
class FirstTransferWatch : public QObject {
    Q_OBJECT
public:
    explicit FirstTransferWatch(TForm3 &registration);

    // The settings of the run, when one was started.
    const std::optional<ExchangeRun::Settings> &settings() const { return m_settings; }
    int runs() const { return m_runs; }

private:
    std::optional<ExchangeRun::Settings> m_settings;
    int m_runs = 0;
};
