#pragma once

#include "store/Categories.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class Database;

// The six-level category cascade of the editor: what each level lists, which entry is
// picked at each level, the chosen category and its path. A level "in use" holds choices
// (white in the window); the others are empty (silver).
class CategoryCascade {
public:
    static constexpr int Levels = 6;
    static inline const QString MissingPath = QStringLiteral("NICHT VORHANDEN!");
    static inline const QString MissingMessage = QStringLiteral("Die Kategorie-ID exsistiert leider nicht!");

    struct Level {
        std::vector<Categories::Entry> entries;
        bool inUse = false;
        int picked = -1;
    };

    struct Path {
        QString text;
        bool exists = true;
    };

    CategoryCascade(Database &db, int aukid);

    // Switches the tree; a different tree starts the cascade afresh at its first level.
    void setTable(Categories::Table table);
    Categories::Table table() const { return m_categories->table(); }
    void fillFirstLevel();

    // The seller picks entry index of level (0 = first level).
    void pick(int level, int index);
    // Picks, level by level, the categories from the top down to the last id.
    bool pickPath(const QStringList &idsFromTop);

    const Level &level(int index) const { return m_levels[static_cast<size_t>(index)]; }
    // "0" or empty: no category chosen.
    QString chosenId() const { return m_chosenId; }
    QString pathText() const { return m_pathText; }
    // Set when the last path looked up named a category that is not in the tree.
    bool missingNotice() const { return m_missing; }
    void clearMissingNotice() { m_missing = false; }
    // The category id of a stored listing (from loading).
    void setChosen(const QString &id);

    // The names from the top level down joined by " > "; a missing id or a cycle in the
    // parent ids gives "NICHT VORHANDEN!".
    Path BuildCategoryPath(const QString &id);

private:
    void setCategories(const QString &parentId, int targetLevel);
    void clearBelow(int level);

    Database &m_db;
    int m_aukid;
    std::unique_ptr<Categories> m_categories;
    std::array<Level, Levels> m_levels;
    QString m_chosenId = QStringLiteral("0");
    QString m_pathText = QStringLiteral("None");
    bool m_missing = false;
};
