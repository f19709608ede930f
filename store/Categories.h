#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class Database;

// The category tree of one auction house: the downloaded tree ("categories", ids kept as
// texts) or the tree of its auction shop ("auctions_shop_cat", integer ids). The caller's
// connection is opened on first use and stays open, so a cascade step costs one query.
class Categories {
public:
    enum class Table { Categories, AuctionsShop };

    struct Entry {
        QString id;
        QString name;
    };

    struct Node {
        QString id;
        QString name;
        QString parentId;
    };

    Categories(Database &db, Table table, int aukid);

    Table table() const { return m_table; }
    // The children of a category in ascending order of their names; "0" gives the top level.
    std::vector<Entry> children(const QString &parentId);
    // Name and parent of a category; the last row when the id occurs twice.
    std::optional<Node> find(const QString &id);
    // Every category of the auction house, in no particular order.
    std::vector<Node> all();

    static QString tableName(Table table);
    // "0" (or nothing) stands for "no category" and for the parent of the top level.
    static bool isNoCategory(const QString &id);

private:
    QVariant idValue(const QString &id) const;
    void ensureOpen();

    Database &m_db;
    Table m_table;
    int m_aukid;
};
