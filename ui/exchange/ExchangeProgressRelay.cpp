#include "ui/exchange/ExchangeProgressRelay.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

ExchangeProgressRelay::ExchangeProgressRelay(QObject *context, ExchangeProgress &target)
    : m_context(context), m_target(target)
{
}

template <typename Call> void ExchangeProgressRelay::post(Call call)
{
    if (m_context)
        QMetaObject::invokeMethod(m_context, std::move(call), Qt::QueuedConnection);
}

void ExchangeProgressRelay::setStatus(const QString &text)
{
    post([this, text] { m_target.setStatus(text); });
}

void ExchangeProgressRelay::setProgress1(int value)
{
    post([this, value] { m_target.setProgress1(value); });
}

void ExchangeProgressRelay::advanceProgress1(int step)
{
    post([this, step] { m_target.advanceProgress1(step); });
}

void ExchangeProgressRelay::setProgress2Maximum(int maximum)
{
    post([this, maximum] { m_target.setProgress2Maximum(maximum); });
}

void ExchangeProgressRelay::advanceProgress2()
{
    post([this] { m_target.advanceProgress2(); });
}

void ExchangeProgressRelay::fillProgress2()
{
    post([this] { m_target.fillProgress2(); });
}

void ExchangeProgressRelay::appendRunLog(const QString &line)
{
    post([this, line] { m_target.appendRunLog(line); });
}

void ExchangeProgressRelay::report(ReportKind kind, const QString &text)
{
    if (!m_context)
        return;
    if (QThread::currentThread() == m_context->thread()) {
        m_target.report(kind, text);
        return;
    }
    QMetaObject::invokeMethod(
        m_context, [this, kind, text] { m_target.report(kind, text); }, Qt::BlockingQueuedConnection);
}
