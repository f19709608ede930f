#include "ui/editor/description/EditorCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

EditorCommand plain(const char *name)
{
    return {QString::fromLatin1(name), false, QStringLiteral("0")};
}

} // namespace

EditorCommand EditorCommand::bold()
{
    return plain("Bold");
}

EditorCommand EditorCommand::underline()
{
    return plain("Underline");
}

EditorCommand EditorCommand::italic()
{
    return plain("Italic");
}

EditorCommand EditorCommand::justify(const QString &alignment)
{
    return {QStringLiteral("Justify") + alignment, false, QStringLiteral("0")};
}

EditorCommand EditorCommand::fontName(int position, const QString &font)
{
    return {QStringLiteral("FontName"), true, position == 0 ? QString() : font};
}

EditorCommand EditorCommand::fontSize(const QString &size)
{
    return {QStringLiteral("FontSize"), false, size};
}

EditorCommand EditorCommand::foreColor(quint32 colour)
{
    return {QStringLiteral("ForeColor"), false, ColorToHtml(colour)};
}

EditorCommand EditorCommand::blockFormat(const QString &format)
{
    // The view knows elements, not the list's German names.
    static const QRegularExpression heading(QStringLiteral("^Überschrift ([1-6])$"));
    const QRegularExpressionMatch match = heading.match(format);
    if (match.hasMatch())
        return {QStringLiteral("FormatBlock"), true, QStringLiteral("h") + match.captured(1)};
    if (format == QStringLiteral("Normal"))
        return {QStringLiteral("FormatBlock"), true, QStringLiteral("p")};
    if (format == QStringLiteral("Nummerierte Liste"))
        return {QStringLiteral("InsertOrderedList"), true, QString()};
    if (format == QStringLiteral("Aufzählung"))
        return {QStringLiteral("InsertUnorderedList"), true, QString()};
    return {QStringLiteral("FormatBlock"), true, format};
}

QString EditorCommand::script() const
{
    // JSON quoting keeps any typed text a plain string argument.
    const QJsonArray arguments{name, showUserInterface, value};
    return QStringLiteral("document.execCommand.apply(document, %1);")
        .arg(QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)));
}

bool EditorCommand::operator==(const EditorCommand &other) const
{
    return name == other.name && showUserInterface == other.showUserInterface && value == other.value;
}

QString ColorToHtml(quint32 colour)
{
    const quint32 red = colour & 0xFF;
    const quint32 green = (colour >> 8) & 0xFF;
    const quint32 blue = (colour >> 16) & 0xFF;
    const quint32 rgb = (red << 16) | (green << 8) | blue;
    return QLatin1Char('#') + QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}
