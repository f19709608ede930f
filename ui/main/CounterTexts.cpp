#include "ui/main/CounterTexts.h"

#include "core/ProgramInfo.h"
#include "store/ListKinds.h"
#include "ui/main/ListPaging.h"

namespace CounterTexts {

namespace {
QString counted(const char *text, int count)
{
    return QString::fromUtf8(text) + QStringLiteral(" (") + QString::number(count) + QLatin1Char(')');
}
} // namespace

std::vector<Group> sideBarGroups(const ListPaging &paging)
{
    using namespace ListKinds;
    return {
        {QStringLiteral("Meine Auktionen"),
            {{counted("Laufende", paging.count(Running)), QStringLiteral("Übersicht über laufende Auktionen"), 1, 0},
                {counted("Nicht Verkaufte", paging.count(Unsold)),
                    QStringLiteral("Übersicht über nicht verkaufte Auktionen"), 3, 1},
                {counted("Verkaufte Auktionen", paging.count(Sold)),
                    QStringLiteral("Übersicht über verkaufte Auktionen"), 3, 2},
                {counted("auf Übertragungsliste", paging.count(TransferList)),
                    QStringLiteral("Übersicht der Auktion die Übertragen werden müssen"), 11, 3},
                {counted("Artikelstamm", paging.count(ArticleMaster)),
                    QStringLiteral("Übersicht der gespeicherten Artikel"), 12, 4}}},
        {QStringLiteral("Neue Auktion"),
            {{QStringLiteral("Neuen Artikel erstellen"), QStringLiteral("Neuen Artikel"), 14, NewListingItem}}},
        {QStringLiteral("Weitere Funktionen"),
            {{QStringLiteral("CSV-Import"), QStringLiteral("Import von CSV Listen"), 11, CsvImportItem}}},
    };
}

QString statusLine(const QString &usern, const ListPaging &paging)
{
    using namespace ListKinds;
    return QStringLiteral("User >> ") + usern + QStringLiteral(" <<  ") + QString::number(paging.count(Running))
        + QStringLiteral(" laufende Auktionen | ") + QString::number(paging.count(Sold))
        + QStringLiteral(" verkaufte Artikel | ") + QString::number(paging.count(Unsold))
        + QStringLiteral(" nicht verkaufte Artikel | ") + QString::number(paging.count(TransferList))
        + QStringLiteral(" Artikel auf der Übertragungsliste ");
}

QString initialStatusLine()
{
    return QString::fromLatin1(ProgramInfo::ApplicationTitle)
        + QStringLiteral(": 0 Verkaufen, 0 Verkauft, 0 Nicht verkauft, 0 Übertragungsliste");
}

} // namespace CounterTexts
