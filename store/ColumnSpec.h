#pragma once

#include <QList>
#include <QString>

// How a text from the server is stored in a column.
enum class ColumnType {
    Text,
    WholeNumber,
    // With "." or "," as the decimal separator.
    Amount,
    // Yes/no as a whole number.
    Flag,
    // "yyyy-mm-dd" with an optional time "HH:mm:ss".
    DateTime,
};

// One column of a table that records are stored in.
struct ColumnSpec {
    QString name;
    ColumnType type = ColumnType::Text;
};

using ColumnSpecs = QList<ColumnSpec>;
