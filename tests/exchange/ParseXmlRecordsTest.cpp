#include "exchange/ParseXmlRecords.h"
#include "exchange/XmlRecordParser.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

const QString XmlErrorStart = QStringLiteral("XML-Error bei der Datenübername!\r\nBitte geben Sie diesen Fehler weiter: *");

const QStringList IdAndName = {QStringLiteral("id"), QStringLiteral("name")};

} // namespace

TEST(ParseXmlRecords, GivesOneRowPerRecordWithAnEmptyLastEntry)
{
    ScriptedPrompter prompts;
    const QByteArray reply = "<?xml version=\"1.0\"?><daten>"
                             "<laender><id>1</id><name>Deutschland</name></laender>"
                             "<kategorien><id>9</id></kategorien>"
                             "<laender><name>Österreich</name><extra>x</extra><id>2</id></laender>"
                             "</daten>";
    const array_Datenfelder rows = ParseXmlRecords(QByteArray(reply).replace("Ö", "\xD6"), IdAndName, "laender");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], QStringList({"1", "Deutschland", ""}));
    EXPECT_EQ(rows[1], QStringList({"2", QStringLiteral("Österreich"), ""}));
}

TEST(ParseXmlRecords, RootNameDoesNotMatterButDepthDoes)
{
    ScriptedPrompter prompts;
    const QByteArray reply = "<anything><laender><id>1</id></laender>"
                             "<gruppe><laender><id>2</id></laender></gruppe></anything>";
    const array_Datenfelder rows = ParseXmlRecords(reply, IdAndName, "laender");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].value(0), QStringLiteral("1"));
}

TEST(ParseXmlRecords, NoRecordOfTheKindGivesNoRowsAndNoMessage)
{
    ScriptedPrompter prompts;
    EXPECT_TRUE(ParseXmlRecords("<daten><catno><id>5</id></catno></daten>", IdAndName, "laender").isEmpty());
    EXPECT_TRUE(ParseXmlRecords("<daten/>", IdAndName, "laender").isEmpty());
}

TEST(ParseXmlRecords, FieldTextIncludesNestedTextAndTheFirstChildWins)
{
    ScriptedPrompter prompts;
    const QByteArray reply = "<d><laender><id>1</id><id>2</id><name>A<b>B</b>C</name></laender></d>";
    EXPECT_EQ(ParseXmlRecords(reply, IdAndName, "laender").value(0), QStringList({"1", "ABC", ""}));
}

TEST(ParseXmlRecords, MissingFieldGivesAnEmptyText)
{
    ScriptedPrompter prompts;
    EXPECT_EQ(ParseXmlRecords("<d><laender><name>X</name></laender></d>", IdAndName, "laender").value(0),
              QStringList({"", "X", ""}));
}

TEST(ParseXmlRecords, BytesAreWindows1252WhateverTheDeclarationSays)
{
    ScriptedPrompter prompts;
    const QByteArray reply = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><d><laender><id>1</id>"
                             "<name>M\xFC\x80 &amp; &#228;</name></laender></d>";
    EXPECT_EQ(ParseXmlRecords(reply, IdAndName, "laender").value(0).value(1), QStringLiteral("Mü€ & ä"));
}

TEST(ParseXmlRecords, UnreadableReplyShowsTheXmlErrorAndGivesNoRows)
{
    ScriptedPrompter prompts;
    const QByteArray replies[] = {
        "",
        "<html><body><h1>500 Internal Server Error</h1><br></body></html>",
        "<d><laender><id>1</id></laender>",
        "<d><laender><id>1</id></laender></d><d/>",
        "Fehler: keine Daten",
    };
    for (const QByteArray &reply : replies) {
        SCOPED_TRACE(reply.constData());
        QString error;
        EXPECT_TRUE(ParseXmlRecords(reply, IdAndName, "laender", &error).isEmpty());
        EXPECT_TRUE(ScriptedPrompter::matches(XmlErrorStart, error)) << error.toStdString();
    }
}

TEST(XmlRecordParser, ErrorMessageCarriesCodeAndReasonOnSeparateLines)
{
    ScriptedPrompter prompts;
    const XmlRecordParser parser("<d><open></d>", {{"x", {"id"}}});
    ASSERT_TRUE(parser.failed());
    const QStringList lines = parser.errorMessage().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("XML-Error bei der Datenübername!"));
    bool numeric = false;
    EXPECT_NE(lines[1].mid(QStringLiteral("Bitte geben Sie diesen Fehler weiter: ").size()).toInt(&numeric), 0);
    EXPECT_TRUE(numeric);
    EXPECT_FALSE(lines[2].isEmpty());
}

TEST(XmlRecordParser, OnePassCollectsSeveralKinds)
{
    ScriptedPrompter prompts;
    const XmlRecordParser parser("<d><a><id>1</id></a><b><x>2</x></b><a><id>3</id></a></d>",
                                 {{"a", {"id"}}, {"b", {"x"}}});
    EXPECT_EQ(parser.records("a"), array_Datenfelder({{"1", ""}, {"3", ""}}));
    EXPECT_EQ(parser.records("b"), array_Datenfelder({{"2", ""}}));
    EXPECT_TRUE(parser.records("c").isEmpty());
}
