#include "exchange/XmlRecordParser.h"
#include "exchange/MarkupLimits.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

const QStringList IdAndTitle = {QStringLiteral("id"), QStringLiteral("titel")};

QByteArray nested(int depth, const QByteArray &core)
{
    return QByteArray("<b>").repeated(depth) + core + QByteArray("</b>").repeated(depth);
}

QByteArray withAttributes(int count)
{
    QByteArray tag = "<auktionen";
    for (int i = 0; i < count; ++i)
        tag += " a" + QByteArray::number(i) + "=\"1\"";
    return tag + ">";
}

XmlRecordParser parse(const QByteArray &reply)
{
    return XmlRecordParser(reply, {{QStringLiteral("auktionen"), IdAndTitle}});
}

} // namespace

TEST(XmlRecordParser, DeeplyNestedFieldTextIsReadWithoutExhaustingTheStack)
{
    // Sixty thousand levels overflowed the stack when each level was a call of its own.
    const QByteArray reply = "<daten><auktionen><id>7</id><titel>Lampe " + nested(60000, "innen") + " aus</titel>"
                             "</auktionen><auktionen><id>8</id></auktionen></daten>";
    const XmlRecordParser parser = parse(reply);
    ASSERT_FALSE(parser.failed()) << parser.errorMessage().toStdString();
    const array_Datenfelder rows = parser.records(QStringLiteral("auktionen"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], QStringList({"7", "Lampe innen aus", ""}));
    EXPECT_EQ(rows[1].value(0), QStringLiteral("8")) << "the record after the nested field is read as well";
}

TEST(XmlRecordParser, NestedFieldTextKeepsEntitiesAndCharacterData)
{
    const QByteArray reply = "<daten><auktionen><titel>A &amp; <i>B<![CDATA[<c>]]></i> &lt;D&gt;</titel>"
                             "<id>1</id></auktionen></daten>";
    const XmlRecordParser parser = parse(reply);
    ASSERT_FALSE(parser.failed());
    EXPECT_EQ(parser.records(QStringLiteral("auktionen")).value(0), QStringList({"1", "A & B<c> <D>", ""}));
}

TEST(XmlRecordParser, AnElementWithTooManyAttributesIsRefusedAtOnce)
{
    struct Case {
        int attributes;
        bool refused;
    };
    for (const Case &c : {Case{0, false}, Case{MarkupLimits::MaxAttributesPerElement, false},
                          Case{MarkupLimits::MaxAttributesPerElement + 1, true}, Case{200000, true}}) {
        const QByteArray reply = "<daten>\n" + withAttributes(c.attributes) + "<id>1</id></auktionen></daten>";
        QElapsedTimer clock;
        clock.start();
        const XmlRecordParser parser = parse(reply);
        EXPECT_LT(clock.elapsed(), 2000) << c.attributes;
        EXPECT_EQ(parser.failed(), c.refused) << c.attributes;
        if (c.refused) {
            EXPECT_TRUE(parser.records(QStringLiteral("auktionen")).isEmpty());
            EXPECT_TRUE(parser.errorMessage().contains(QStringLiteral("mehr als 256 Attribute (Zeile 2)")))
                << parser.errorMessage().toStdString();
        }
    }
}

TEST(XmlRecordParser, ARecordWithMoreFieldsThanAnyServerSendsIsRefused)
{
    const auto reply = [](int extraFields) {
        return "<daten><auktionen><id>1</id>" + QByteArray("<x/>").repeated(extraFields) + "</auktionen></daten>";
    };
    EXPECT_FALSE(parse(reply(XmlRecordParser::MaxFieldsPerRecord - 1)).failed());
    const XmlRecordParser refused = parse(reply(XmlRecordParser::MaxFieldsPerRecord));
    EXPECT_TRUE(refused.failed());
    EXPECT_TRUE(refused.records(QStringLiteral("auktionen")).isEmpty());
    EXPECT_TRUE(refused.errorMessage().contains(QStringLiteral("mehr als 10000 Felder")));
}
