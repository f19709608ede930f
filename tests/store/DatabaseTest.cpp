#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Statement.h"
#include "store/Transaction.h"
#include "tests/support/TempProgramDir.h"

#include "core/ProcessLocale.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

QStringList columnsOf(Database &db, const QString &table)
{
    QStringList names;
    Statement info(db, QStringLiteral("SELECT name FROM pragma_table_info(:table)"));
    info.bind(QStringLiteral(":table"), table).exec();
    while (info.next())
        names << info.text(QStringLiteral("name"));
    return names;
}

int insertListing(Database &db, const QString &title, int list = 3)
{
    Statement insert(db, QStringLiteral("INSERT INTO auktionen (userID, aukID, artliste, titel) VALUES (1, 11, :list, :titel)"));
    insert.bind(QStringLiteral(":list"), list).bind(QStringLiteral(":titel"), title).exec();
    return Statement::scalar(db, QStringLiteral("SELECT MAX(id) FROM auktionen")).toInt();
}

} // namespace

TEST(Database, IsCreatedWithEveryTableAndColumnWhenMissing)
{
    TempProgramDir dir;
    Database db;
    db.open();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("database.sqlite"))));
    // It holds the account passwords: only the owner may read it.
    const auto permissions = QFileInfo(dir.file(QStringLiteral("database.sqlite"))).permissions();
    EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadOwner) && permissions.testFlag(QFileDevice::WriteOwner));
    EXPECT_FALSE(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                | QFileDevice::WriteOther));

    const struct {
        const char *table;
        const char *columns;
    } expected[] = {
        {"user", "id usern password uid lastupdate auktionshaus hauptid firma name adresse plz ort land telefon email aukid"},
        {"auktionshaus", "id name url MoneySymbol catno typ zusatzoptionen festpreis mehrfach_festpreis minpreis galerie "
                         "startseite versandangabe versandangabe_extra wiedereinstellen wiedereinstellen_anz auktions_shop "
                         "xml zust1 zust2 zust3 zust4 zust5 zust6 zust7 zust8 zust9 zust10"},
        {"categories", "cat_id cat_name parent_id aukid"},
        {"einstelldauer", "tage bez aukid"},
        {"shop_einstelldauer", "tage bez aukid"},
        {"einstellgebuehr", "id min_val max_val fee aukid"},
        {"zusatz_preis", "id bez preis aukid"},
        {"zahlungsmethoden", "id bez aukid"},
        {"land", "id land aukid"},
        {"auctions_shop_cat", "cat_id cat_name parent_id aukid"},
        {"auktionen", "id userID aukID artliste status titel beschreibung kategorie auktionstyp dauer anzahl startpreis "
                      "sofortkaufpreis minpreis zustand artnr plz ort land zahlungsmethode versandtrager versand_int "
                      "versandkosten versandkostenoption versandoption fett marker topkat galerie startseite wiederholung "
                      "fsk mwst pic1 pic2 pic3 gebotspreis gebote ende artID seitenID waehrung kategorie2 shopkategorie "
                      "privatauktion posanzahl treuhand u_titel region start zahlungshinweis versand_angabe "
                      "versand_versicherung versand_rabatt galerie_url galerie_plus zaehler ruecknahme pic_beschr "
                      "sofort_neu themeID layoutID enfsuche zusatzangaben pic4 pic5 pic6"},
    };
    for (const auto &t : expected) {
        const QStringList want = QString::fromLatin1(t.columns).split(QLatin1Char(' '));
        EXPECT_EQ(columnsOf(db, QString::fromLatin1(t.table)), want) << t.table;
    }
    EXPECT_EQ(Statement::scalar(db, QStringLiteral("PRAGMA user_version")).toInt(), Database::SchemaVersion);
}

TEST(Database, DeliversTheAuctionHousesAndShopCategories)
{
    TempProgramDir dir;
    Database db;
    db.open();
    Statement house(db, QStringLiteral("SELECT * FROM auktionshaus WHERE id = 11"));
    house.exec();
    ASSERT_TRUE(house.next());
    EXPECT_EQ(house.text(QStringLiteral("name")), QStringLiteral("Morvelia"));
    EXPECT_TRUE(house.text(QStringLiteral("url")).startsWith(QLatin1String("http://")));
    EXPECT_FALSE(house.text(QStringLiteral("url")).endsWith(QLatin1Char('/')));
    EXPECT_EQ(house.text(QStringLiteral("MoneySymbol")), QStringLiteral("EUR"));
    EXPECT_EQ(house.integer(QStringLiteral("festpreis")), 1);
    EXPECT_EQ(house.integer(QStringLiteral("mehrfach_festpreis")), 2);
    EXPECT_FALSE(house.text(QStringLiteral("zust1")).isEmpty());

    EXPECT_GE(Statement::scalar(db, QStringLiteral("SELECT COUNT(DISTINCT typ) FROM auktionshaus")).toInt(), 3);
    EXPECT_GT(Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auctions_shop_cat WHERE aukid = 11")).toInt(), 10);
    EXPECT_EQ(Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auctions_shop_cat WHERE parent_id = 0 "
                                                   "AND cat_name = 'Spielzeug'")).toInt(), 1);
}

TEST(Database, TextsWithQuotesAreStoredAsTyped)
{
    TempProgramDir dir;
    Database db;
    db.open();
    const QString user = QStringLiteral("o'brien");
    const QString password = QStringLiteral("it's' OR '1'='1");
    const QString title = QStringLiteral("Kinder's \"Spiel\" -- ; DROP TABLE auktionen;");
    Statement::run(db, QStringLiteral("INSERT INTO user (usern, password, aukid, hauptid) VALUES (:u, :p, 11, 0)"),
                   {{QStringLiteral(":u"), user}, {QStringLiteral(":p"), password}});
    const int id = insertListing(db, title);

    Statement read(db, QStringLiteral("SELECT usern, password FROM user WHERE usern = :u AND aukid = 11"));
    read.bind(QStringLiteral(":u"), user).exec();
    ASSERT_TRUE(read.next());
    EXPECT_EQ(read.text(QStringLiteral("usern")), user);
    EXPECT_EQ(read.text(QStringLiteral("password")), password);
    EXPECT_EQ(Statement::scalar(db, QStringLiteral("SELECT titel FROM auktionen WHERE id = :id"), {{QStringLiteral(":id"), id}})
                  .toString(),
              title);
}

TEST(Database, PredictsTheNextListingIdExactly)
{
    TempProgramDir dir;
    Database db;
    db.open();
    EXPECT_EQ(db.nextListingId(), 1);
    const int predicted = db.nextListingId();
    EXPECT_EQ(insertListing(db, QStringLiteral("eins")), predicted);
    const int second = insertListing(db, QStringLiteral("zwei"));
    // Deleting the newest row does not free its id: the prediction must not reuse it.
    Statement::run(db, QStringLiteral("DELETE FROM auktionen WHERE id = :id"), {{QStringLiteral(":id"), second}});
    const int next = db.nextListingId();
    EXPECT_EQ(next, second + 1);
    EXPECT_EQ(insertListing(db, QStringLiteral("drei")), next);
}

TEST(Database, AmountsAndDatesReadBackInTheirTextForms)
{
    TempProgramDir dir;
    Database db;
    db.open();
    Statement::run(db, QStringLiteral("INSERT INTO auktionen (userID, startpreis, sofortkaufpreis, ende) "
                                      "VALUES (1, :p, 0, '2010-01-05 14:03:07')"),
                   {{QStringLiteral(":p"), 12.5}});
    ProcessLocale::useDecimalComma();
    Statement read(db, QStringLiteral("SELECT startpreis, sofortkaufpreis, ende, gebote FROM auktionen"));
    read.exec();
    ASSERT_TRUE(read.next());
    EXPECT_EQ(read.text(QStringLiteral("startpreis")), QStringLiteral("12,5"));
    EXPECT_EQ(read.text(QStringLiteral("sofortkaufpreis")), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(read.number(QStringLiteral("startpreis")), 12.5);
    EXPECT_EQ(read.dateText(QStringLiteral("ende")), QStringLiteral("05.01.2010 14:03:07"));
    EXPECT_EQ(read.text(QStringLiteral("GEBOTE")), QStringLiteral("0")) << "column names are case-insensitive";
}

TEST(Database, FailedTransactionLeavesNothingAndEngineErrorsCarryTheirText)
{
    TempProgramDir dir;
    Database db;
    db.open();
    try {
        Transaction unit(db);
        insertListing(db, QStringLiteral("verloren"));
        Statement::run(db, QStringLiteral("INSERT INTO nosuchtable VALUES (1)"));
        unit.commit();
        FAIL() << "the statement should have failed";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.text().contains(QLatin1String("nosuchtable"))) << error.text().toStdString();
    }
    EXPECT_EQ(Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt(), 0);
}

TEST(Database, SeveralConnectionsSeeEachOthersWrites)
{
    TempProgramDir dir;
    Database lists;
    Database dialog;
    lists.open();
    dialog.open();
    insertListing(dialog, QStringLiteral("vom Dialog"));
    EXPECT_EQ(Statement::scalar(lists, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt(), 1);
    dialog.close();
    dialog.open();
    EXPECT_EQ(Statement::scalar(dialog, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt(), 1);
}

TEST(Database, UnopenableFileRaisesTheEngineError)
{
    TempProgramDir dir;
    dir.writeFile(QStringLiteral("database.sqlite"), QByteArray(4096, 'x'));
    Database db;
    EXPECT_THROW(
        {
            db.open();
            Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen"));
        },
        DatabaseError);
}
