#include "ui/editor/PaymentChoice.h"

#include <algorithm>

namespace PaymentChoice {

QString join(const QStringList &names, QList<int> positions)
{
    std::sort(positions.begin(), positions.end());
    QStringList chosen;
    for (int position : positions) {
        if (position >= 0 && position < names.size())
            chosen << names.at(position);
    }
    return chosen.join(QLatin1Char(','));
}

QList<int> restore(const QStringList &names, const QString &stored)
{
    QList<int> positions;
    const int count = std::min<int>(static_cast<int>(names.size()), RestorablePositions);
    for (int i = 0; i < count; ++i) {
        if (!names.at(i).isEmpty() && stored.contains(names.at(i), Qt::CaseSensitive))
            positions << i;
    }
    return positions;
}

} // namespace PaymentChoice
