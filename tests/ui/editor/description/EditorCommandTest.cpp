#include "ui/editor/description/EditorCommand.h"

#include <gtest/gtest.h>

TEST(EditorCommand, ToolbarCommandsOfTheView)
{
    const struct {
        EditorCommand command;
        const char *name;
        bool showUserInterface;
        const char *value;
    } cases[] = {
        {EditorCommand::bold(), "Bold", false, "0"},
        {EditorCommand::underline(), "Underline", false, "0"},
        {EditorCommand::italic(), "Italic", false, "0"},
        {EditorCommand::justify(QStringLiteral("Center")), "JustifyCenter", false, "0"},
        {EditorCommand::fontName(0, QStringLiteral("(Default)")), "FontName", true, ""},
        {EditorCommand::fontName(2, QStringLiteral("Courier New")), "FontName", true, "Courier New"},
        {EditorCommand::fontSize(QStringLiteral("7")), "FontSize", false, "7"},
        {EditorCommand::foreColor(0x0000FF), "ForeColor", false, "#FF0000"},
        {EditorCommand::blockFormat(QStringLiteral("Normal")), "FormatBlock", true, "p"},
        {EditorCommand::blockFormat(QStringLiteral("Überschrift 1")), "FormatBlock", true, "h1"},
        {EditorCommand::blockFormat(QStringLiteral("Überschrift 6")), "FormatBlock", true, "h6"},
        {EditorCommand::blockFormat(QStringLiteral("Nummerierte Liste")), "InsertOrderedList", true, ""},
        {EditorCommand::blockFormat(QStringLiteral("Aufzählung")), "InsertUnorderedList", true, ""},
        {EditorCommand::blockFormat(QStringLiteral("pre")), "FormatBlock", true, "pre"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.command.name, QString::fromLatin1(c.name));
        EXPECT_EQ(c.command.showUserInterface, c.showUserInterface) << c.name;
        EXPECT_EQ(c.command.value, QString::fromUtf8(c.value)) << c.name;
    }
}

TEST(EditorCommand, ColoursAreWrittenRedGreenBlue)
{
    const struct {
        quint32 colour;
        const char *html;
    } cases[] = {
        {0x0000FF, "#FF0000"}, {0xFF0000, "#0000FF"}, {0x00FF00, "#00FF00"}, {0x000000, "#000000"},
        {0xFFFFFF, "#FFFFFF"}, {0x123456, "#563412"}, {0x80000005, "#050000"}, {0x0A0B0C, "#0C0B0A"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColorToHtml(c.colour), QString::fromLatin1(c.html)) << c.colour;
}

TEST(EditorCommand, TypedTextStaysOneStringArgument)
{
    const EditorCommand command = EditorCommand::blockFormat(QStringLiteral("a\"); alert('x'); (\"\n"));
    EXPECT_EQ(command.script(),
              QStringLiteral("document.execCommand.apply(document, [\"FormatBlock\",true,\"a\\\"); alert('x'); "
                             "(\\\"\\n\"]);"));
}
