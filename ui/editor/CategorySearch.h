#pragma once

#include "store/Categories.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// Finds categories by a part of their name, ignoring case and umlauts ("mobel" finds
// "Möbel"). The tree is read once into memory; each search then only walks the names.
class CategorySearch {
public:
    static constexpr int MinimumLength = 3;
    static constexpr int MaximumHits = 200;

    struct Hit {
        QString id;
        QString path;
        // The ids from the top level down to the hit.
        QStringList idsFromTop;
        bool leaf = false;
    };

    void load(std::vector<Categories::Node> nodes);
    bool isLoaded() const { return m_loaded; }
    // Hits in order of their paths; nothing for a text shorter than three characters.
    std::vector<Hit> find(const QString &text) const;

    // Lower case without accents: "Möbel" -> "mobel", "Straße" -> "strasse".
    static QString normalise(const QString &text);

private:
    struct Entry {
        Categories::Node node;
        QString key;
    };

    // False when the parents lead nowhere or round in a circle.
    bool fillPath(const Entry &entry, Hit &hit) const;

    std::vector<Entry> m_entries;
    QHash<QString, int> m_indexById;
    QHash<QString, int> m_childCount;
    bool m_loaded = false;
};
