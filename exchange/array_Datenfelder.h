#pragma once

#include <QList>
#include <QStringList>

// A table of texts: parsed records (one row per record) or a column list (one row per
// column: name and type code).
using array_Datenfelder = QList<QStringList>;
