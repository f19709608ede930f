#include "tests/ui/editor/EditorFixture.h"

#include "store/MasterDataLists.h"
#include "store/Statement.h"

#include <QImage>

void EditorFixture::SetUp()
{
    db = std::make_unique<Database>(dir.path());
    db->open();
    Statement::run(*db, QStringLiteral("INSERT INTO user (usern, password, uid, plz, ort, aukid) "
                                       "VALUES ('verkaeufer', 'geheim', 'u77', '50667', 'Köln', 11)"));
    Statement::run(*db, QStringLiteral("DELETE FROM auctions_shop_cat"));
    addCategory("1", "Antiquitäten & Kunst", "0");
    addCategory("2", "Briefmarken", "0");
    addCategory("10", "Möbel", "1");
    addCategory("11", "Gemälde", "1");
    addCategory("100", "Barock", "10");
    addCategory("101", "Biedermeier", "10");
    addDuration(false, 3, "3 Tage");
    addDuration(false, 7, "7 Tage");
    addDuration(false, 10, "10 Tage");
    addDuration(true, 30, "30 Tage");
    addDuration(true, 90, "90 Tage");
    addPayment("Überweisung");
    addPayment("Nachnahme");
    addPayment("Barzahlung");
}

void EditorFixture::TearDown()
{
    editor.reset();
    prompts.verify();
}

void EditorFixture::setHouse(const QString &column, const QVariant &value)
{
    Statement::run(*db, QStringLiteral("UPDATE auktionshaus SET `") + column + QStringLiteral("`=:v WHERE id=:id"),
                   {{QStringLiteral(":v"), value}, {QStringLiteral(":id"), House}});
}

void EditorFixture::addCategory(const QString &id, const QString &name, const QString &parent, const QString &table)
{
    const bool integerIds = table == QLatin1String("auctions_shop_cat");
    Statement::run(*db,
                   QStringLiteral("INSERT INTO `") + table
                       + QStringLiteral("` (cat_id, cat_name, parent_id, aukid) VALUES (:id, :name, :parent, :house)"),
                   {{QStringLiteral(":id"), integerIds ? QVariant(id.toInt()) : QVariant(id)},
                    {QStringLiteral(":name"), name},
                    {QStringLiteral(":parent"), integerIds ? QVariant(parent.toInt()) : QVariant(parent)},
                    {QStringLiteral(":house"), House}});
}

void EditorFixture::addDuration(bool shop, int days, const QString &name)
{
    Statement::run(*db,
                   QStringLiteral("INSERT INTO ") + (shop ? QStringLiteral("shop_einstelldauer") : QStringLiteral("einstelldauer"))
                       + QStringLiteral(" (tage, bez, aukid) VALUES (:t, :b, :h)"),
                   {{QStringLiteral(":t"), days}, {QStringLiteral(":b"), name}, {QStringLiteral(":h"), House}});
}

void EditorFixture::addPayment(const QString &name)
{
    Statement::run(*db, QStringLiteral("INSERT INTO zahlungsmethoden (id, bez, aukid) VALUES (1, :b, :h)"),
                   {{QStringLiteral(":b"), name}, {QStringLiteral(":h"), House}});
}

AccountSession EditorFixture::session()
{
    AccountSession result;
    Database reader(dir.path());
    result.house = *MasterDataLists(reader, House).auctionHouse();
    result.userID = 1;
    result.usern = QStringLiteral("verkaeufer");
    result.password = QStringLiteral("geheim");
    result.uid = QStringLiteral("u77");
    result.ProgramDir = dir.path();
    return result;
}

TForm8 &EditorFixture::openEditor()
{
    editor = std::make_unique<TForm8>(session());
    editor->NewListing = true;
    editor->show();
    return *editor;
}

QString EditorFixture::writeJpeg(const QString &name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 80, 40));
    const QString path = dir.file(name);
    image.save(path, "JPEG");
    return path;
}
