#include "tests/support/SampleData.h"

#include "store/Database.h"
#include "store/DbValues.h"
#include "store/Statement.h"
#include "store/Transaction.h"

#include <QStringList>
#include <array>

namespace {

const QString InsertListing = QStringLiteral(
    "INSERT INTO auktionen (userID, aukID, artliste, status, titel, auktionstyp, dauer, anzahl, startpreis, "
    "sofortkaufpreis, gebotspreis, gebote, pic1, pic2, pic3, ende) VALUES (:userID, :aukID, :artliste, :status, "
    ":titel, :auktionstyp, :dauer, :anzahl, :startpreis, :sofortkaufpreis, :gebotspreis, :gebote, :pic1, :pic2, "
    ":pic3, :ende)");

void bindListing(Statement &insert, int userID, const SampleData::Listing &l)
{
    insert.bind(QStringLiteral(":userID"), userID)
        .bind(QStringLiteral(":aukID"), l.aukID)
        .bind(QStringLiteral(":artliste"), l.listKind)
        .bind(QStringLiteral(":status"), l.status)
        .bind(QStringLiteral(":titel"), l.titel)
        .bind(QStringLiteral(":auktionstyp"), l.auktionstyp)
        .bind(QStringLiteral(":dauer"), l.dauer)
        .bind(QStringLiteral(":anzahl"), l.anzahl)
        .bind(QStringLiteral(":startpreis"), l.startpreis)
        .bind(QStringLiteral(":sofortkaufpreis"), l.sofortkaufpreis)
        .bind(QStringLiteral(":gebotspreis"), l.gebotspreis)
        .bind(QStringLiteral(":gebote"), l.gebote)
        .bind(QStringLiteral(":pic1"), l.pic1)
        .bind(QStringLiteral(":pic2"), l.pic2)
        .bind(QStringLiteral(":pic3"), l.pic3)
        .bind(QStringLiteral(":ende"), l.ende.isEmpty() ? QVariant() : QVariant(l.ende));
}

const std::array<const char *, 16> Things{"Taschenuhr", "Lederjacke", "Notebook", "Kaffeemühle", "Bilderrahmen",
    "Modelleisenbahn", "Wanderschuhe", "Briefmarkenalbum", "Tischlampe", "Gitarre", "Kochbuch", "Fahrradhelm",
    "Porzellanvase", "Schachspiel", "Armbanduhr", "Werkzeugkoffer"};
const std::array<const char *, 8> Kinds{"antik", "neuwertig", "gebraucht", "Sammlerstück", "original verpackt",
    "mit Zubehör", "Vintage", "wie neu"};

} // namespace

int SampleData::addAccount(const QString &usern, const QString &password, int aukid, const QString &uid,
    int hauptid, const QString &lastupdate)
{
    Statement::run(m_db,
        QStringLiteral("INSERT INTO user (usern, password, uid, lastupdate, hauptid, aukid) "
                       "VALUES (:usern, :password, :uid, :lastupdate, :hauptid, :aukid)"),
        {{QStringLiteral(":usern"), usern}, {QStringLiteral(":password"), password}, {QStringLiteral(":uid"), uid},
            {QStringLiteral(":lastupdate"), lastupdate}, {QStringLiteral(":hauptid"), hauptid},
            {QStringLiteral(":aukid"), aukid}});
    return Statement::scalar(m_db, QStringLiteral("SELECT MAX(id) FROM user")).toInt();
}

int SampleData::addListing(int userID, const Listing &listing)
{
    Statement insert(m_db, InsertListing);
    bindListing(insert, userID, listing);
    insert.exec();
    return Statement::scalar(m_db, QStringLiteral("SELECT MAX(id) FROM auktionen")).toInt();
}

QString SampleData::storedTime(const QDateTime &time)
{
    return DbValues::dateTimeText(time);
}

SampleData::Listing SampleData::variedListing(int listKind, int number, const QDateTime &now)
{
    Listing l;
    l.listKind = listKind;
    l.titel = QStringLiteral("%1 %2 Nr. %3")
                  .arg(QString::fromUtf8(Things[static_cast<size_t>(number) % Things.size()]),
                      QString::fromUtf8(Kinds[static_cast<size_t>(number / 3) % Kinds.size()]))
                  .arg(number + 1, 4, 10, QLatin1Char('0'));
    static const std::array<int, 5> types{1, 2, 3, 4, 100};
    l.auktionstyp = types[static_cast<size_t>(number) % types.size()];
    l.startpreis = 1.0 + (number * 37 % 4000) / 20.0;
    l.sofortkaufpreis = (number % 3 == 0) ? 0.0 : l.startpreis.toDouble() * 2.5;
    l.gebote = listKind == 1 ? 1 + number % 9 : 0;
    l.gebotspreis = listKind == 1 ? l.startpreis.toDouble() + l.gebote * 1.5 : 0.0;
    l.anzahl = 1 + number % 4;
    l.dauer = 7 + (number % 4) * 7;
    l.status = (listKind == 3 && number % 7 == 3) ? 3 : 0;
    if (number % 3 != 1)
        l.pic1 = QStringLiteral("save1_%1_sample.jpg").arg(number);
    const bool ended = listKind == 1 || listKind == 2;
    l.ende = storedTime(ended ? now.addSecs(-3600LL * (number + 1)) : now.addSecs(600LL * (number + 1) + 86400));
    return l;
}

void SampleData::addListings(int userID, int listKind, int count, const QDateTime &now)
{
    Transaction transaction(m_db);
    Statement insert(m_db, InsertListing);
    for (int number = 0; number < count; ++number) {
        bindListing(insert, userID, variedListing(listKind, number, now));
        insert.exec();
    }
    transaction.commit();
}
