#include "ui/editor/CategoryCascade.h"

#include <QSet>

CategoryCascade::CategoryCascade(Database &db, int aukid)
    : m_db(db), m_aukid(aukid), m_categories(std::make_unique<Categories>(db, Categories::Table::Categories, aukid))
{
}

void CategoryCascade::setTable(Categories::Table table)
{
    if (table == m_categories->table())
        return;
    m_categories = std::make_unique<Categories>(m_db, table, m_aukid);
    // An id of the other tree names nothing here.
    m_chosenId = QStringLiteral("0");
    m_pathText = QStringLiteral("None");
    clearBelow(0);
    fillFirstLevel();
}

void CategoryCascade::fillFirstLevel()
{
    m_levels[0] = Level{m_categories->children(QStringLiteral("0")), true, -1};
}

void CategoryCascade::clearBelow(int level)
{
    for (int i = level + 1; i < Levels; ++i)
        m_levels[static_cast<size_t>(i)] = Level{};
}

void CategoryCascade::pick(int level, int index)
{
    if (level < 0 || level >= Levels)
        return;
    Level &current = m_levels[static_cast<size_t>(level)];
    if (index < 0 || index >= static_cast<int>(current.entries.size()))
        return;
    current.picked = index;
    clearBelow(level);
    if (level == Levels - 1) {
        // The sixth level takes its entry as the category; its path is shown like any other.
        m_chosenId = current.entries[static_cast<size_t>(index)].id;
        m_pathText = BuildCategoryPath(m_chosenId).text;
        return;
    }
    setCategories(current.entries[static_cast<size_t>(index)].id, level + 1);
}

void CategoryCascade::setCategories(const QString &parentId, int targetLevel)
{
    Level &target = m_levels[static_cast<size_t>(targetLevel)];
    target = Level{m_categories->children(parentId), false, -1};
    if (target.entries.empty()) {
        if (!Categories::isNoCategory(parentId)) {
            m_chosenId = parentId;
            m_pathText = BuildCategoryPath(parentId).text;
        }
        return;
    }
    target.inUse = true;
    if (!Categories::isNoCategory(parentId))
        m_chosenId.clear();
}

bool CategoryCascade::pickPath(const QStringList &idsFromTop)
{
    for (int level = 0; level < idsFromTop.size() && level < Levels; ++level) {
        const Level &current = m_levels[static_cast<size_t>(level)];
        int index = -1;
        for (size_t i = 0; i < current.entries.size(); ++i) {
            if (current.entries[i].id == idsFromTop.at(level))
                index = static_cast<int>(i);
        }
        if (index < 0)
            return false;
        pick(level, index);
    }
    return true;
}

void CategoryCascade::setChosen(const QString &id)
{
    m_chosenId = id;
    m_pathText = BuildCategoryPath(id).text;
}

CategoryCascade::Path CategoryCascade::BuildCategoryPath(const QString &id)
{
    QString path;
    QString current = id.trimmed();
    QSet<QString> visited;
    while (!Categories::isNoCategory(current)) {
        const auto node = visited.contains(current) ? std::nullopt : m_categories->find(current);
        if (!node) {
            m_missing = true;
            m_chosenId = QStringLiteral("0");
            return {MissingPath, false};
        }
        visited.insert(current);
        path = path.isEmpty() ? node->name : node->name + QStringLiteral(" > ") + path;
        current = node->parentId.trimmed();
    }
    return {path, true};
}
