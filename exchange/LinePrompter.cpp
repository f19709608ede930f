#include "exchange/LinePrompter.h"

#include <QRegularExpression>
#include <QStringList>

LinePrompter::LinePrompter(LineSink sink) : m_sink(std::move(sink)) {}

QString LinePrompter::oneLine(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(text).replace(breaks, QStringLiteral(" ")).trimmed();
}

void LinePrompter::write(const QString &text)
{
    m_messages.append(text);
    m_sink(oneLine(text));
}

void LinePrompter::showMessage(const QString &text, const QString &, Kind kind)
{
    if (kind != Kind::Information)
        m_errorShown = true;
    write(text);
}

void LinePrompter::showError(const QString &text)
{
    m_errorShown = true;
    write(text);
}

bool LinePrompter::askYesNo(const QString &text, const QString &)
{
    write(text + QStringLiteral(" (ohne Rückfrage: Nein)"));
    return false;
}

std::optional<QString> LinePrompter::askText(const QString &, const QString &, const QString &, bool)
{
    return std::nullopt;
}

QString LinePrompter::chooseOpenFile(const QString &, const QString &, const QString &)
{
    return {};
}

bool LinePrompter::openExternally(const QUrl &)
{
    return false;
}
