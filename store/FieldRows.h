#pragma once

#include <QString>
#include <QVariant>
#include <vector>

// Rows of a fixed set of fields, each value as the database returned it. The values sit
// in one flat array, so a large list costs no allocation per row.
class FieldRows {
public:
    explicit FieldRows(int fieldCount = 0) : m_fieldCount(fieldCount) {}

    int fieldCount() const { return m_fieldCount; }
    int rowCount() const { return m_fieldCount == 0 ? 0 : static_cast<int>(m_cells.size()) / m_fieldCount; }
    bool isEmpty() const { return m_cells.empty(); }

    const QVariant &value(int row, int field) const { return m_cells[index(row, field)]; }
    // The value as text: integers as digits, amounts with the current decimal separator,
    // NULL as an empty text.
    QString text(int row, int field) const { return textOf(value(row, field)); }

    void reserve(int rows) { m_cells.reserve(static_cast<size_t>(rows) * static_cast<size_t>(m_fieldCount)); }
    // Appends a row of NULL values and returns its index.
    int appendRow();
    void append(const QVariant &value) { m_cells.push_back(value); }
    void setValue(int row, int field, const QVariant &value) { m_cells[index(row, field)] = value; }
    // Replaces one row by the first row of other (which has the same fields).
    void replaceRow(int row, const FieldRows &other);
    // The index of the first row whose field holds the text, or -1.
    int findRow(int field, const QString &text) const;
    void clear() { m_cells.clear(); }

    static QString textOf(const QVariant &value);

private:
    size_t index(int row, int field) const
    {
        return static_cast<size_t>(row) * static_cast<size_t>(m_fieldCount) + static_cast<size_t>(field);
    }

    int m_fieldCount;
    std::vector<QVariant> m_cells;
};
