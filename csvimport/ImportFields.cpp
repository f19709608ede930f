#include "csvimport/ImportFields.h"

ImportFields::ImportFields(int versandangabe)
{
    AddTargetField(Titel, QStringLiteral("Titel"));
    AddTargetField(Beschreibung, QStringLiteral("Beschreibung"));
    AddTargetField(KategorieNr, QStringLiteral("Kategorie-Nr"));
    AddTargetField(Preis, QStringLiteral("Preis"));
    AddTargetField(Sofortkaufpreis, QStringLiteral("Sofortkaufpreis"));
    AddTargetField(Laufzeit, QStringLiteral("Laufzeit"));
    AddTargetField(PlzStandort, QStringLiteral("PLZ Standort"));
    AddTargetField(Standort, QStringLiteral("Standort"));
    AddTargetField(Anzahl, QStringLiteral("Anzahl"), QStringLiteral("1"));
    AddTargetField(Zustand, QStringLiteral("Zustand"), QStringLiteral("1"));
    AddTargetField(Bild1, QStringLiteral("Bild1"));
    AddTargetField(Bild2, QStringLiteral("Bild2"));
    AddTargetField(Bild3, QStringLiteral("Bild3"));
    AddTargetField(Zahlungsweise, QStringLiteral("Zahlungsweise"), QStringLiteral("Siehe Beschreibung"));
    AddTargetField(KaeuferTraegtVersand, QStringLiteral("Käufer trägt versand?"), QStringLiteral("1"));
    AddTargetField(IntVersand, QStringLiteral("int. Versand?"), QStringLiteral("0"));
    AddTargetField(Fettschrift, QStringLiteral("Fettschrift"), QStringLiteral("0"));
    AddTargetField(Textmarker, QStringLiteral("Textmarker"), QStringLiteral("0"));
    AddTargetField(Topkategorie, QStringLiteral("Topkategorie"), QStringLiteral("0"));
    AddTargetField(Galerie, QStringLiteral("Galerie"), QStringLiteral("0"));
    AddTargetField(Startseite, QStringLiteral("Startseite"), QStringLiteral("0"));
    AddTargetField(AutomatischEinstellen, QStringLiteral("Automatisch einstellen"), QStringLiteral("0"));
    AddTargetField(Fsk, QStringLiteral("FSK (0 oder 1)"), QStringLiteral("0"));
    AddTargetField(Versandkosten, QStringLiteral("Versandkosten"), QStringLiteral("0"));
    if (versandangabe == 4)
        AddTargetField(Versandart, QStringLiteral("Versandart (Text)"), QStringLiteral("Kein Versand, nur Abholung"));
    else
        AddTargetField(Versandart, QStringLiteral("Versandanbieter"), QStringLiteral("DHL"));
    AddTargetField(Artnr, QStringLiteral("Artnr"), QStringLiteral("0"));
    AddTargetField(MwSt, QStringLiteral("MwSt(Auswahl)"), QStringLiteral("0"));
}

void ImportFields::AddTargetField(Row row, const QString &name, const QString &fixed)
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

QString ImportFields::GetSourceValue(int row, const QStringList &line) const
{
    if (hasFixedValue(row))
        return field(row).sourceText;
    const int position = columnPosition(row);
    return position >= 0 && position < line.size() ? line.at(position) : QString();
}
