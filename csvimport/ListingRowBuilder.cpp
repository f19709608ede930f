#include "csvimport/ListingRowBuilder.h"

#include "core/AppError.h"
#include "csvimport/CsvValues.h"

ListingRowBuilder::ListingRowBuilder(const ImportFields &fields, Settings settings)
    : m_fields(fields), m_settings(std::move(settings))
{
}

ImportedListings::Row ListingRowBuilder::build(const CsvTable::Line &line) const
{
    using F = ImportFields;
    ImportedListings::Row row;
    row.titel = title(line);
    row.beschreibung = text(F::Beschreibung, line);
    row.kategorie = wholeOrZero(F::KategorieNr, line);
    row.startpreis = priceOrZero(F::Preis, line);
    row.auktionstyp = m_settings.auctionType;
    row.dauer = wholeOrZero(F::Laufzeit, line);
    row.ort = text(F::Standort, line);
    row.plz = text(F::PlzStandort, line);
    row.sofortkaufpreis = priceOrZero(F::Sofortkaufpreis, line);
    row.zustand = whole(F::Zustand, line);
    row.versandkosten = price(F::Versandkosten, line);
    row.versandkostenoption = m_settings.versandangabe == 4 ? row.versandkosten : 0.0;
    row.anzahl = whole(F::Anzahl, line);
    row.zahlungsmethode = text(F::Zahlungsweise, line);
    row.versand_int = whole(F::IntVersand, line);
    row.fett = whole(F::Fettschrift, line);
    row.marker = whole(F::Textmarker, line);
    row.topkat = whole(F::Topkategorie, line);
    row.galerie = whole(F::Galerie, line);
    row.startseite = whole(F::Startseite, line);
    row.versandtrager = whole(F::KaeuferTraegtVersand, line);
    row.wiederholung = whole(F::AutomatischEinstellen, line);
    row.fsk = whole(F::Fsk, line);
    row.artnr = text(F::Artnr, line);
    row.versandoption = text(F::Versandart, line);
    row.mwst = whole(F::MwSt, line);
    return row;
}

std::array<QString, 3> ListingRowBuilder::pictureSources(const CsvTable::Line &line) const
{
    return {text(ImportFields::Bild1, line), text(ImportFields::Bild2, line), text(ImportFields::Bild3, line)};
}

QString ListingRowBuilder::text(int row, const CsvTable::Line &line) const
{
    return CsvValues::CleanText(m_fields.GetSourceValue(row, line.fields));
}

QString ListingRowBuilder::title(const CsvTable::Line &line) const
{
    const QString cleaned = text(ImportFields::Titel, line);
    if (cleaned.size() <= MaxTitleLength)
        return cleaned;
    // A character outside the basic plane is not cut in half.
    const bool splitsPair = cleaned.at(MaxTitleLength - 1).isHighSurrogate();
    return cleaned.left(splitsPair ? MaxTitleLength - 1 : MaxTitleLength);
}

int ListingRowBuilder::whole(int row, const CsvTable::Line &line) const
{
    const std::optional<int> value = CsvValues::wholeNumber(m_fields.GetSourceValue(row, line.fields));
    if (!value)
        fail(row, line);
    return *value;
}

int ListingRowBuilder::wholeOrZero(int row, const CsvTable::Line &line) const
{
    const QString value = m_fields.GetSourceValue(row, line.fields);
    if (CsvValues::FilterDigits(value, false, QString()).isEmpty())
        return 0;
    return whole(row, line);
}

double ListingRowBuilder::price(int row, const CsvTable::Line &line) const
{
    const std::optional<double> value = CsvValues::price(m_fields.GetSourceValue(row, line.fields), m_settings.decimalSeparator);
    if (!value)
        fail(row, line);
    return *value;
}

double ListingRowBuilder::priceOrZero(int row, const CsvTable::Line &line) const
{
    const QString value = m_fields.GetSourceValue(row, line.fields);
    if (CsvValues::FilterDigits(value, false, QString()).isEmpty())
        return 0.0;
    return price(row, line);
}

void ListingRowBuilder::fail(int row, const CsvTable::Line &line) const
{
    const QString value = m_fields.GetSourceValue(row, line.fields);
    throw AppError(QStringLiteral("Zeile %1 der Datei: Der Wert \"%2\" kann nicht in das Feld \"%3\" übernommen "
                                  "werden.\r\nDer Import wurde abgebrochen, es wurde kein Artikel gespeichert.")
                       .arg(line.fileLine)
                       .arg(value, m_fields.field(row).name));
}
