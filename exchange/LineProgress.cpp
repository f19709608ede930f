#include "exchange/LineProgress.h"

#include "exchange/LinePrompter.h"

void LineProgress::setStatus(const QString &text)
{
    if (text == m_lastStatus)
        return;
    m_lastStatus = text;
    m_sink(text);
}

void LineProgress::report(ReportKind kind, const QString &text)
{
    if (kind == ReportKind::Completed) {
        // The window's closing notice speaks of a window; a log line need not.
        m_completed = true;
        m_sink(QStringLiteral("Die Übertragung ist abgeschlossen."));
        return;
    }
    m_failed = true;
    m_sink(LinePrompter::oneLine(text));
}
