#include "tests/support/ServerFixture.h"

#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "store/DbValues.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"

#include <QColor>
#include <QDateTime>
#include <QImage>

ServerFixture::ServerFixture(const QString &user, const QString &password)
    : m_server(std::make_unique<AuctionHouseServer>(AuctionHouseServer::Options{})), m_user(user), m_password(password)
{
    m_server->start(0);
    m_uid = m_server->addAccount(user, password);
    m_server->addCategory(QString::number(TestCategory), QStringLiteral("Testkategorie"), QStringLiteral("0"));

    LoginContext &context = loginContext();
    Database db;
    db.open();
    Statement::run(db, QStringLiteral("UPDATE auktionshaus SET url=:url, typ=0 WHERE id=:id"),
                   {{QStringLiteral(":url"), m_server->baseUrl()}, {QStringLiteral(":id"), HouseId}});
    Statement::run(db,
                   QStringLiteral("INSERT INTO user (usern, password, uid, lastupdate, hauptid, aukid) "
                                  "VALUES (:u, :p, :uid, '01.01.1991', 0, :house)"),
                   {{QStringLiteral(":u"), user}, {QStringLiteral(":p"), password}, {QStringLiteral(":uid"), m_uid},
                    {QStringLiteral(":house"), HouseId}});
    m_userID = Statement::scalar(db, QStringLiteral("SELECT MAX(id) FROM user")).toInt();
    PictureFolder().ensureExists();

    context.url = m_server->baseUrl();
    context.name = QStringLiteral("Morvelia");
    context.MoneySymbol = QStringLiteral("EUR");
    context.aukid = HouseId;
    context.typ = 0;
    context.userID = m_userID;
    context.usern = user;
    context.password = password;
    context.uid = m_uid;
    ProcessLocale::useDecimalComma();
    ProgramInfo::overrideUpdateServerUrl(m_server->baseUrl());
}

ServerFixture::~ServerFixture()
{
    ProgramInfo::overrideUpdateServerUrl({});
    m_server->stop();
}

void ServerFixture::setHouseTyp(int typ)
{
    Database db;
    db.open();
    Statement::run(db, QStringLiteral("UPDATE auktionshaus SET typ=:typ WHERE id=:id"),
                   {{QStringLiteral(":typ"), typ}, {QStringLiteral(":id"), HouseId}});
    loginContext().typ = typ;
}

int ServerFixture::addTransferListing(const QString &title, const QString &pic1, const QString &pic2, const QString &pic3)
{
    Database db;
    db.open();
    Statement insert(db, QStringLiteral(
        "INSERT INTO auktionen (userID, aukID, artliste, status, titel, beschreibung, kategorie, auktionstyp, dauer, "
        "anzahl, startpreis, sofortkaufpreis, minpreis, zustand, artnr, plz, ort, land, zahlungsmethode, versandtrager, "
        "versand_int, versandkosten, versandkostenoption, versandoption, pic1, pic2, pic3) VALUES (:user, :house, 3, 0, "
        ":titel, '<p>Gut erhalten</p>', :kategorie, 1, 7, 1, 12.5, 0, 0, 0, 'A-1', '50667', 'Köln', 'Deutschland', "
        "'Überweisung', 1, 0, 4.9, 0, '', :pic1, :pic2, :pic3)"));
    const QString category = QString::number(TestCategory);
    insert.bind(QStringLiteral(":user"), m_userID)
        .bind(QStringLiteral(":house"), HouseId)
        .bind(QStringLiteral(":titel"), title)
        .bind(QStringLiteral(":kategorie"), category)
        .bind(QStringLiteral(":pic1"), pic1)
        .bind(QStringLiteral(":pic2"), pic2)
        .bind(QStringLiteral(":pic3"), pic3)
        .exec();
    return Statement::scalar(db, QStringLiteral("SELECT MAX(id) FROM auktionen")).toInt();
}

void ServerFixture::writePicture(const QString &name)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    image.save(PictureFolder().filePath(name), "JPEG");
}

int ServerFixture::countListings(int listKind) const
{
    Database db;
    db.open();
    return Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE userID=:user AND artliste=:list"),
                             {{QStringLiteral(":user"), m_userID}, {QStringLiteral(":list"), listKind}})
        .toInt();
}

void ServerFixture::ageLastUpdate(int seconds)
{
    Database db;
    db.open();
    const QString stored = Statement::scalar(db, QStringLiteral("SELECT lastupdate FROM user WHERE id=:id"),
                                             {{QStringLiteral(":id"), m_userID}})
                               .toString();
    const QDateTime aged = ProcessLocale::parseDateTime(stored).addSecs(-seconds);
    Statement::run(db, QStringLiteral("UPDATE user SET lastupdate=:stamp WHERE id=:id"),
                   {{QStringLiteral(":stamp"), ProcessLocale::formatDateTime(aged)}, {QStringLiteral(":id"), m_userID}});
}
