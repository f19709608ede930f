#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The target fields of an imported listing and where each takes its value from: a
// column of the file (by its position), one fixed value for every row, or nothing.
class ImportFields {
public:
    enum Row {
        Titel, Beschreibung, KategorieNr, Preis, Sofortkaufpreis, Laufzeit, PlzStandort, Standort, Anzahl,
        Zustand, Bild1, Bild2, Bild3, Zahlungsweise, KaeuferTraegtVersand, IntVersand, Fettschrift, Textmarker,
        Topkategorie, Galerie, Startseite, AutomatischEinstellen, Fsk, Versandkosten, Versandart, Artnr, MwSt,
        Count
    };

    static constexpr const char *FixedValueCode = "-2";

    struct TargetField {
        QString name;
        // The header name of the assigned column or the fixed value; empty when unassigned.
        QString sourceText;
        // The column's position as decimal text, or "-2" for a fixed value.
        QString sourceCode;
    };

    // versandangabe 4 names row 24 "Versandart (Text)" with pickup only, otherwise
    // "Versandanbieter" with "DHL".
    explicit ImportFields(int versandangabe);

    const TargetField &field(int row) const { return m_fields[static_cast<size_t>(row)]; }
    int count() const { return Count; }

    void assignColumn(int row, int position, const QString &headerName);
    void remove(int row);
    void assignValue(int row, const QString &value);

    bool isUnassigned(int row) const;
    bool hasFixedValue(int row) const;
    // The assigned column's position; -1 when the field takes no column.
    int columnPosition(int row) const;
    // The value of the field for one line of the file: its column's field (empty when
    // the line is shorter), its fixed value, or the empty text.
    QString GetSourceValue(int row, const QStringList &line) const;

private:
    void AddTargetField(Row row, const QString &name, const QString &fixed = QString());

    std::array<TargetField, Count> m_fields;
};
