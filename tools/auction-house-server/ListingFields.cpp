#include "tools/auction-house-server/ListingFields.h"

#include "tools/auction-house-server/Wire.h"

namespace ListingFields {

const QList<Field> &all()
{
    static const QList<Field> fields = {
        {"id", Kind::Int},
        {"seite", Kind::Int},
        {"waehrung", Kind::Text},
        {"kategorie", Kind::Int},
        {"kategorie2", Kind::Int},
        {"shopkategorie", Kind::Int},
        {"dauer", Kind::Int},
        {"auktionstyp", Kind::Int},
        {"privatauktion", Kind::Flag},
        {"wiederholung", Kind::Int},
        {"anzahl", Kind::Int},
        {"posanzahl", Kind::Int},
        {"startpreis", Kind::Amount},
        {"sofortkaufpreis", Kind::Amount},
        {"minpreis", Kind::Amount},
        {"treuhand", Kind::Flag},
        {"zustand", Kind::Int},
        {"titel", Kind::Text},
        {"u_titel", Kind::Text},
        {"beschreibung", Kind::Text},
        {"plz", Kind::Text},
        {"ort", Kind::Text},
        {"region", Kind::Text},
        {"land", Kind::Text},
        {"start", Kind::Stamp},
        {"ende", Kind::Stamp},
        {"artnr", Kind::Text},
        {"zahlungsmethode", Kind::Text},
        {"zahlungshinweis", Kind::Text},
        {"versandtrager", Kind::Flag},
        {"versand_angabe", Kind::Flag},
        {"versand_versicherung", Kind::Amount},
        {"versand_rabatt", Kind::Flag},
        {"versand_int", Kind::Flag},
        {"versandkosten", Kind::Amount},
        {"versandoption", Kind::Text},
        {"versandkostenoption", Kind::Amount},
        {"fett", Kind::Flag},
        {"marker", Kind::Flag},
        {"topkat", Kind::Flag},
        {"galerie", Kind::Flag},
        {"galerie_url", Kind::Text},
        {"galerie_plus", Kind::Flag},
        {"startseite", Kind::Flag},
        {"zaehler", Kind::Flag},
        {"ruecknahme", Kind::Flag},
        {"pic_beschr", Kind::Text},
        {"sofort_neu", Kind::Flag},
        {"themeID", Kind::Int},
        {"layoutID", Kind::Int},
        {"status", Kind::Int},
        {"gebote", Kind::Int},
        {"gebotspreis", Kind::Amount},
        {"mwst", Kind::Amount},
        {"enfsuche", Kind::Flag},
        {"zusatzangaben", Kind::Text},
        {"pic1", Kind::Text},
        {"pic2", Kind::Text},
        {"pic3", Kind::Text},
        {"pic4", Kind::Text},
        {"pic5", Kind::Text},
        {"pic6", Kind::Text},
    };
    return fields;
}

bool isField(const QString &name)
{
    for (const Field &f : all()) {
        if (name == QLatin1String(f.name))
            return true;
    }
    return false;
}

Kind kindOf(const QString &name)
{
    for (const Field &f : all()) {
        if (name == QLatin1String(f.name))
            return f.kind;
    }
    return Kind::Text;
}

QString format(Kind kind, const QVariant &value)
{
    switch (kind) {
    case Kind::Int:
    case Kind::Flag:
        return QString::number(value.toLongLong());
    case Kind::Amount:
        return Wire::formatAmount(value.toDouble());
    case Kind::Stamp:
    case Kind::Text:
        return value.isNull() ? QString() : value.toString();
    }
    return {};
}

bool convert(Kind kind, const QString &text, QVariant *value)
{
    switch (kind) {
    case Kind::Int: {
        int v = 0;
        if (text.trimmed().isEmpty()) {
            *value = 0;
            return true;
        }
        if (!Wire::parseInt(text, &v))
            return false;
        *value = v;
        return true;
    }
    case Kind::Flag: {
        const QString t = text.trimmed().toLower();
        if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("nein"))
            *value = 0;
        else
            *value = 1;
        return true;
    }
    case Kind::Amount: {
        double v = 0;
        if (!Wire::parseAmount(text, &v))
            return false;
        *value = v;
        return true;
    }
    case Kind::Stamp: {
        const QDateTime t = Wire::parseStamp(text);
        if (!t.isValid())
            return false;
        *value = Wire::formatStamp(t);
        return true;
    }
    case Kind::Text:
        *value = text;
        return true;
    }
    return false;
}

} // namespace ListingFields
