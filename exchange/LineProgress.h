#pragma once

#include "exchange/ExchangeProgress.h"

#include <functional>

// The progress of a run without windows: each new status text and each report becomes one
// log line; the progress bars and the hidden run log have no place there. It remembers
// whether the run completed and whether anything went wrong on the way.
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
    void report(ReportKind kind, const QString &text) override;

    bool completed() const { return m_completed; }
    bool failed() const { return m_failed; }

private:
    LineSink m_sink;
    QString m_lastStatus;
    bool m_completed = false;
    bool m_failed = false;
};
