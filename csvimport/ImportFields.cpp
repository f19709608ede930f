#include "csvimport/ImportFields.h"

ImportFields::ImportFields(int versandangabe)
{
    add(Titel, QStringLiteral("Titel"));
    add(Beschreibung, QStringLiteral("Beschreibung"));
    add(KategorieNr, QStringLiteral("Kategorie-Nr"));
    add(Preis, QStringLiteral("Preis"));
    add(Sofortkaufpreis, QStringLiteral("Sofortkaufpreis"));
    add(Laufzeit, QStringLiteral("Laufzeit"));
    add(PlzStandort, QStringLiteral("PLZ Standort"));
    add(Standort, QStringLiteral("Standort"));
    add(Anzahl, QStringLiteral("Anzahl"), QStringLiteral("1"));
    add(Zustand, QStringLiteral("Zustand"), QStringLiteral("1"));
    add(Bild1, QStringLiteral("Bild1"));
    add(Bild2, QStringLiteral("Bild2"));
    add(Bild3, QStringLiteral("Bild3"));
    add(Zahlungsweise, QStringLiteral("Zahlungsweise"), QStringLiteral("Siehe Beschreibung"));
    add(KaeuferTraegtVersand, QStringLiteral("Käufer trägt versand?"), QStringLiteral("1"));
    add(IntVersand, QStringLiteral("int. Versand?"), QStringLiteral("0"));
    add(Fettschrift, QStringLiteral("Fettschrift"), QStringLiteral("0"));
    add(Textmarker, QStringLiteral("Textmarker"), QStringLiteral("0"));
    add(Topkategorie, QStringLiteral("Topkategorie"), QStringLiteral("0"));
    add(Galerie, QStringLiteral("Galerie"), QStringLiteral("0"));
    add(Startseite, QStringLiteral("Startseite"), QStringLiteral("0"));
    add(AutomatischEinstellen, QStringLiteral("Automatisch einstellen"), QStringLiteral("0"));
    add(Fsk, QStringLiteral("FSK (0 oder 1)"), QStringLiteral("0"));
    add(Versandkosten, QStringLiteral("Versandkosten"), QStringLiteral("0"));
    if (versandangabe == 4)
        add(Versandart, QStringLiteral("Versandart (Text)"), QStringLiteral("Kein Versand, nur Abholung"));
    else
        add(Versandart, QStringLiteral("Versandanbieter"), QStringLiteral("DHL"));
    add(Artnr, QStringLiteral("Artnr"), QStringLiteral("0"));
    add(MwSt, QStringLiteral("MwSt(Auswahl)"), QStringLiteral("0"));
}

void ImportFields::add(Row row, const QString &name, const QString &fixed)
{
    m_fields[row] = {name, fixed, fixed.isEmpty() ? QString() : QString::fromLatin1(FixedValueCode)};
}

void ImportFields::assignColumn(int row, int position, const QString &headerName)
{
    TargetField &target = m_fields[static_cast<size_t>(row)];
    target.sourceText = headerName;
    target.sourceCode = QString::number(position);
}

void ImportFields::remove(int row)
{
    TargetField &target = m_fields[static_cast<size_t>(row)];
    target.sourceText.clear();
    target.sourceCode.clear();
}

void ImportFields::assignValue(int row, const QString &value)
{
    TargetField &target = m_fields[static_cast<size_t>(row)];
    target.sourceText = value;
    target.sourceCode = QString::fromLatin1(FixedValueCode);
}

bool ImportFields::isUnassigned(int row) const
{
    return field(row).sourceText.isEmpty();
}

bool ImportFields::hasFixedValue(int row) const
{
    return !isUnassigned(row) && field(row).sourceCode == QLatin1String(FixedValueCode);
}

int ImportFields::columnPosition(int row) const
{
    if (isUnassigned(row) || hasFixedValue(row))
        return -1;
    bool ok = false;
    const int position = field(row).sourceCode.toInt(&ok);
    return ok && position >= 0 ? position : -1;
}

QString ImportFields::valueFor(int row, const QStringList &line) const
{
    if (hasFixedValue(row))
        return field(row).sourceText;
    const int position = columnPosition(row);
    return position >= 0 && position < line.size() ? line.at(position) : QString();
}
