#include "store/Categories.h"

#include "store/Database.h"
#include "store/Statement.h"

#include <QVariant>

Categories::Categories(Database &db, Table table, int aukid) : m_db(db), m_table(table), m_aukid(aukid) {}

QString Categories::tableName(Table table)
{
    return table == Table::Categories ? QStringLiteral("categories") : QStringLiteral("auctions_shop_cat");
}

bool Categories::isNoCategory(const QString &id)
{
    bool ok = false;
    const qlonglong number = id.trimmed().toLongLong(&ok);
    return id.trimmed().isEmpty() || (ok && number == 0);
}

void Categories::ensureOpen()
{
    if (!m_db.isOpen())
        m_db.open();
}

// The downloaded tree keeps its ids as texts; the shop tree as integers. An id that is no
// integer cannot name a shop category and is bound as it stands, so it finds nothing.
QVariant Categories::idValue(const QString &id) const
{
    if (m_table == Table::Categories)
        return id;
    bool ok = false;
    const qlonglong number = id.trimmed().toLongLong(&ok);
    return ok ? QVariant(number) : QVariant(id);
}

std::vector<Categories::Entry> Categories::children(const QString &parentId)
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `cat_id`, `cat_name` FROM `") + tableName(m_table)
                              + QStringLiteral("` WHERE parent_id=:parent AND aukid=:aukid ORDER BY cat_name ASC"));
    query.bind(QStringLiteral(":parent"), idValue(parentId)).bind(QStringLiteral(":aukid"), m_aukid).exec();
    std::vector<Entry> entries;
    while (query.next())
        entries.push_back({query.value(0).toString(), query.value(1).toString()});
    return entries;
}

std::optional<Categories::Node> Categories::find(const QString &id)
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `cat_name`, `parent_id` FROM `") + tableName(m_table)
                              + QStringLiteral("` WHERE cat_id=:id AND aukid=:aukid"));
    query.bind(QStringLiteral(":id"), idValue(id)).bind(QStringLiteral(":aukid"), m_aukid).exec();
    std::optional<Node> node;
    while (query.next())
        node = Node{id, query.text(QStringLiteral("cat_name")), query.text(QStringLiteral("parent_id"))};
    return node;
}

std::vector<Categories::Node> Categories::all()
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `cat_id`, `cat_name`, `parent_id` FROM `") + tableName(m_table)
                              + QStringLiteral("` WHERE aukid=:aukid"));
    query.bind(QStringLiteral(":aukid"), m_aukid).exec();
    std::vector<Node> nodes;
    while (query.next())
        nodes.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return nodes;
}
