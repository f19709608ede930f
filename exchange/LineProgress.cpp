#include "exchange/LineProgress.h"

void LineProgress::setStatus(const QString &text)
{
    if (text == m_lastStatus)
        return;
    m_lastStatus = text;
    m_sink(text);
}
