#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The payment methods of a listing: stored as the chosen names joined by ",".
namespace PaymentChoice {

// At most this many positions take part in restoring a choice.
constexpr int RestorablePositions = 101;

// The names at the chosen positions, in list order, joined by "," without blanks.
QString join(const QStringList &names, QList<int> positions);
// The positions whose name occurs anywhere in the stored text (case-sensitive).
QList<int> restore(const QStringList &names, const QString &stored);

} // namespace PaymentChoice
