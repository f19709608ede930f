#include "ui/editor/CategorySearch.h"

#include <QSet>
#include <algorithm>

QString CategorySearch::normalise(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            result.append(c.toLower());
        } else if (c == QChar(0x00DF)) {
            result.append(QLatin1String("ss"));
        } else {
            // Letters with accents fall apart into the letter and its marks; the marks go.
            const QString parts = c.decomposition();
            for (const QChar part : parts.isEmpty() ? QString(c) : parts) {
                if (part.category() != QChar::Mark_NonSpacing)
                    result.append(part.toCaseFolded());
            }
        }
    }
    return result;
}

void CategorySearch::load(std::vector<Categories::Node> nodes)
{
    m_entries.clear();
    m_indexById.clear();
    m_childCount.clear();
    m_entries.reserve(nodes.size());
    for (Categories::Node &node : nodes) {
        m_indexById.insert(node.id, static_cast<int>(m_entries.size()));
        ++m_childCount[node.parentId];
        QString key = normalise(node.name);
        m_entries.push_back({std::move(node), std::move(key)});
    }
    m_loaded = true;
}

bool CategorySearch::fillPath(const Entry &entry, Hit &hit) const
{
    QStringList names;
    QSet<QString> visited;
    const Entry *current = &entry;
    while (true) {
        if (visited.contains(current->node.id))
            return false;
        visited.insert(current->node.id);
        names.prepend(current->node.name);
        hit.idsFromTop.prepend(current->node.id);
        if (Categories::isNoCategory(current->node.parentId))
            break;
        const auto parent = m_indexById.constFind(current->node.parentId);
        if (parent == m_indexById.constEnd())
            return false;
        current = &m_entries[static_cast<size_t>(*parent)];
    }
    hit.path = names.join(QStringLiteral(" > "));
    return true;
}

std::vector<CategorySearch::Hit> CategorySearch::find(const QString &text) const
{
    const QString key = normalise(text.trimmed());
    std::vector<Hit> hits;
    if (key.size() < MinimumLength)
        return hits;
    for (const Entry &entry : m_entries) {
        if (!entry.key.contains(key))
            continue;
        Hit hit{entry.node.id, {}, {}, !m_childCount.contains(entry.node.id)};
        if (fillPath(entry, hit))
            hits.push_back(std::move(hit));
    }
    std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) { return a.path < b.path; });
    if (hits.size() > static_cast<size_t>(MaximumHits))
        hits.resize(static_cast<size_t>(MaximumHits));
    return hits;
}
