#pragma once

#include "store/FieldRows.h"
#include "ui/main/ListRowTexts.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Turns cached listing rows into the texts and icons of the five lists.
class ListRowFormatter {
public:
    explicit ListRowFormatter(const QDateTime &now = QDateTime::currentDateTime());

    // A row of a rendered page. Raises AppError for an amount or status that is no number.
    ListRowTexts pageRow(int listKind, const FieldRows &rows, int row) const;
    // A row refreshed on its own after the listing editor saved it.
    ListRowTexts refreshedRow(int listKind, const FieldRows &rows, int row) const;

    static QStringList columnCaptions(int listKind);
    static QList<int> columnWidths(int listKind); // 0: the default width
    // Columns after the visible ones hold the hidden sub-items.
    static int columnCount(int listKind);

    static QString typeText(const QString &auktionstyp, bool withUnknownValue);
    static QString buyNowText(const QString &amount);
    static QString highestBidText(const QString &amount);
    // A stored end ("2010-01-05 14:03:07") in the form the lists show ("05.01.2010 14:03:07").
    static QString endText(const QString &stored);
    static int icon(const QString &pic1, const QString &status, bool statusCounts);

private:
    // The remaining time until the end, measured from the formatter's now to the second.
    QString remainingTime(const QString &stored, const QString &shownEnd) const;

    ListRowTexts runningRow(const FieldRows &rows, int row) const;
    ListRowTexts soldRow(const FieldRows &rows, int row) const;
    ListRowTexts unsoldRow(const FieldRows &rows, int row) const;
    ListRowTexts preparedRow(const FieldRows &rows, int row, bool withUnknownType) const;

    QDateTime m_now;
    // Now as a wall-clock time to the second, compared with ends without time-zone look-ups.
    QDateTime m_wallClockNow;
};
