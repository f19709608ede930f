#pragma once

#include "exchange/ExchangeProgress.h"

#include <functional>

// The progress of a run without windows: each new status text becomes one log line; the
// progress bars and the hidden run log have no place there.
class LineProgress final : public ExchangeProgress {
public:
    using LineSink = std::function<void(const QString &line)>;

    explicit LineProgress(LineSink sink) : m_sink(std::move(sink)) {}

    void setStatus(const QString &text) override;
    void setProgress1(int) override {}
    void advanceProgress1(int) override {}
    void setProgress2Maximum(int) override {}
    void advanceProgress2() override {}
    void fillProgress2() override {}
    void appendRunLog(const QString &) override {}

private:
    LineSink m_sink;
    QString m_lastStatus;
};
