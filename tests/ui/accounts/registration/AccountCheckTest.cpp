#include "core/AppError.h"
#include "exchange/AccountCheck.h"

#include <gtest/gtest.h>

TEST(AccountCheck, RejectionIsAnEmptyReplyOrErrorAnywhereCaseSensitive)
{
    const struct {
        const char *reply;
        bool rejected;
    } cases[] = {
        {"", true},
        {"error", true},
        {"error: Passwort falsch", true},
        {"4711|Terrorbekämpfung GmbH|Max|Weg 1|50667|Köln|DE|0221|m@x.de", true}, // inside a word
        {"4711|Error AG|Max|Weg 1|50667|Köln|DE|0221|m@x.de", false},
        {"4711|ERROR|Max|Weg 1|50667|Köln|DE|0221|m@x.de", false},
        {"4711|Firma|Max|Weg 1|50667|Köln|DE|0221|m@x.de", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AccountCheck::isRejection(QString::fromUtf8(c.reply)), c.rejected) << c.reply;
}

TEST(AccountCheck, ReplyFieldsLoseLineBreaksAndKeepEmptyOnes)
{
    const struct {
        const char *reply;
        const char *uid, *firma, *ort, *email;
    } cases[] = {
        {"4711|Muster GmbH|Max|Weg 1|50667|Köln|DE|0221 1234|max@muster.de\r\n", "4711", "Muster GmbH", "Köln",
         "max@muster.de"},
        {"4711||Max|Weg 1|50667|Kö\r\nln|DE|0221|", "4711", "", "Köln", ""}, // empty field after the last bar
        {"\n4711|||||||||extra", "4711", "", "", ""},
    };
    for (const auto &c : cases) {
        const Accounts::ServerData data = AccountCheck::parseReply(QString::fromUtf8(c.reply));
        EXPECT_EQ(data.uid, QString::fromUtf8(c.uid)) << c.reply;
        EXPECT_EQ(data.firma, QString::fromUtf8(c.firma)) << c.reply;
        EXPECT_EQ(data.name, c.reply[0] == '\n' ? QString() : QStringLiteral("Max")) << c.reply;
        EXPECT_EQ(data.ort, QString::fromUtf8(c.ort)) << c.reply;
        EXPECT_EQ(data.email, QString::fromUtf8(c.email)) << c.reply;
    }
}

TEST(AccountCheck, ReplyWithFewerThanNineFieldsIsRefused)
{
    for (const char *reply : {"4711", "4711|Firma|Max|Weg 1|50667|Köln|DE|0221", "4711|Firma|Max\r\n|||||\r\n"}) {
        try {
            AccountCheck::parseReply(QString::fromUtf8(reply));
            ADD_FAILURE() << "accepted: " << reply;
        } catch (const AppError &error) {
            EXPECT_TRUE(error.text().startsWith(QStringLiteral("Die Antwort des Servers ist unvollständig")))
                << error.text().toStdString();
        }
    }
}
