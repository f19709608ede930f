#pragma once

#include "exchange/array_Datenfelder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The records named recordName directly under the reply's root element, one row per
// record with the texts of fieldNames and one empty entry after them. A reply that is not
// XML gives no rows and, when error is given, the XML error message in it.
array_Datenfelder ParseXmlRecords(const QByteArray &reply, const QStringList &fieldNames, const QString &recordName,
                                  QString *error = nullptr);
