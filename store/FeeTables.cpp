#include "store/FeeTables.h"

#include "store/Statement.h"

#include <QScopeGuard>

FeeTables::FeeTables(QString programDir) : m_db(std::move(programDir)) {}

std::vector<FeeTables::ExtraPrice> FeeTables::extraPrices(int aukid)
{
    m_db.open();
    const auto closeAgain = qScopeGuard([this] { m_db.close(); });
    // The ids are texts: "10" must not come before "2".
    Statement query(m_db, QStringLiteral("SELECT `id`, `bez`, `preis` FROM `zusatz_preis` WHERE aukid=:aukid "
                                         "ORDER BY CAST(`id` AS INTEGER), rowid"));
    query.bind(QStringLiteral(":aukid"), aukid).exec();
    std::vector<ExtraPrice> prices;
    while (query.next()) {
        prices.push_back({query.integer(QStringLiteral("id")), query.text(QStringLiteral("bez")),
                          query.text(QStringLiteral("preis"))});
    }
    return prices;
}

std::vector<FeeTables::FeeBand> FeeTables::insertionFeeBands(int aukid)
{
    m_db.open();
    const auto closeAgain = qScopeGuard([this] { m_db.close(); });
    Statement query(m_db, QStringLiteral("SELECT `min_val`, `max_val`, `fee` FROM `einstellgebuehr` WHERE aukid=:aukid "
                                         "ORDER BY rowid"));
    query.bind(QStringLiteral(":aukid"), aukid).exec();
    std::vector<FeeBand> bands;
    while (query.next()) {
        bands.push_back({query.text(QStringLiteral("min_val")), query.text(QStringLiteral("max_val")),
                         query.text(QStringLiteral("fee"))});
    }
    return bands;
}
