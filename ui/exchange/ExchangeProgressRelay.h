#pragma once

#include "exchange/ExchangeProgress.h"

#include <QPointer>

class QObject;

// Hands what a transfer run on a worker thread shows over to the window thread: every
// call is queued to the thread of the context object and carried out there by the
// target. A report waits until the target has shown it, so the run goes on only once the
// seller has read it.
class ExchangeProgressRelay : public ExchangeProgress {
public:
    ExchangeProgressRelay(QObject *context, ExchangeProgress &target);

    void setStatus(const QString &text) override;
    void setProgress1(int value) override;
    void advanceProgress1(int step) override;
    void setProgress2Maximum(int maximum) override;
    void advanceProgress2() override;
    void fillProgress2() override;
    void appendRunLog(const QString &line) override;
    void report(ReportKind kind, const QString &text) override;

private:
    template <typename Call> void post(Call call);

    QPointer<QObject> m_context;
    ExchangeProgress &m_target;
};
