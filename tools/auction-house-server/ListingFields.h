#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// The 62 child elements of an `auktionen` record of the listing download, in
// their order, with the kind of value each carries. The server's `listings` table has one
// column per element (except `id`, its key, and pic1 to pic3, which come from the stored
// pictures).
namespace ListingFields {

enum class Kind { Int, Amount, Flag, Text, Stamp };

struct Field {
    const char *name;
    Kind kind;
};

const QList<Field> &all();          // the 62, `id` first
bool isField(const QString &name);
Kind kindOf(const QString &name);

// The wire text of a stored value: amounts "12,50", flags and numbers as digits, stamps
// "yyyy-MM-dd HH:mm:ss", pictures "0" when absent.
QString format(Kind kind, const QVariant &value);
// A value given as text (seed file, test helper) as it is stored; false when it does not
// convert.
bool convert(Kind kind, const QString &text, QVariant *value);

} // namespace ListingFields
