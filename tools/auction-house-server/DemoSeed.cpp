#include "tools/auction-house-server/DemoSeed.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QStringList>

#include <cmath>

namespace DemoSeed {

namespace {

// A small deterministic generator, so the demo tree is the same on every machine.
class Random {
public:
    explicit Random(quint32 seed)
        : m_state(seed ? seed : 0x9E3779B9u)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % quint32(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    quint32 m_state;
};

struct TopCategory {
    const char *name;
    QStringList children;
};

const QList<TopCategory> &topCategories()
{
    static const QList<TopCategory> tops = {
        {"Antiquitäten & Kunst", {"Möbel", "Gemälde", "Skulpturen", "Porzellan", "Glas", "Silber", "Teppiche", "Uhren"}},
        {"Auto & Motorrad", {"Autoteile", "Motorradteile", "Reifen & Felgen", "Werkzeug", "Zubehör", "Oldtimer-Teile", "Pflege"}},
        {"Baby & Kind", {"Kinderwagen", "Babykleidung", "Spielzeug für Babys", "Kindermöbel", "Autositze", "Stillen & Füttern"}},
        {"Beauty & Gesundheit", {"Parfum", "Hautpflege", "Haarpflege", "Make-up", "Wellness", "Medizinische Hilfsmittel"}},
        {"Bücher", {"Romane", "Sachbücher", "Kinderbücher", "Comics", "Kochbücher", "Reiseführer", "Antiquarische Bücher", "Hörbücher"}},
        {"Briefmarken", {"Deutschland", "Europa", "Übersee", "Motive", "Ganzsachen", "Briefe & Belege"}},
        {"Büro & Schreibwaren", {"Schreibgeräte", "Papier", "Bürotechnik", "Ordnen & Archivieren", "Bürobedarf"}},
        {"Computer & Zubehör", {"Notebooks", "Desktop-PCs", "Monitore", "Drucker", "Netzwerk", "Speicher", "Software", "Tastaturen & Mäuse"}},
        {"Elektronik", {"Fernseher", "Audio & HiFi", "Haushaltsgeräte", "Navigation", "Smart Home", "Kabel & Adapter"}},
        {"Essen & Trinken", {"Wein", "Spirituosen", "Kaffee & Tee", "Süßwaren", "Feinkost", "Gewürze"}},
        {"Filme & DVDs", {"DVDs", "Blu-rays", "Videokassetten", "Filmplakate", "Serien"}},
        {"Foto & Optik", {"Digitalkameras", "Analoge Kameras", "Objektive", "Ferngläser", "Blitzgeräte", "Stative"}},
        {"Garten & Terrasse", {"Gartenmöbel", "Gartengeräte", "Pflanzen", "Grills", "Teiche & Brunnen", "Gartendeko"}},
        {"Handys & Telefone", {"Smartphones", "Handys ohne Vertrag", "Festnetztelefone", "Hüllen & Taschen", "Ladegeräte"}},
        {"Haushalt & Küche", {"Kochgeschirr", "Geschirr", "Besteck", "Küchengeräte", "Aufbewahrung", "Reinigung", "Heimtextilien"}},
        {"Heimwerker", {"Elektrowerkzeug", "Handwerkzeug", "Baustoffe", "Sanitär", "Elektroinstallation", "Farben & Lacke"}},
        {"Kleidung & Mode", {"Damenmode", "Herrenmode", "Schuhe", "Taschen", "Accessoires", "Trachten", "Kindermode"}},
        {"Modellbau", {"Eisenbahn", "Flugzeuge", "Schiffe", "Autos", "Bausätze", "Figuren", "Ferngesteuerte Modelle"}},
        {"Möbel & Wohnen", {"Wohnzimmer", "Schlafzimmer", "Küchenmöbel", "Beleuchtung", "Teppiche", "Dekoration", "Badezimmer"}},
        {"Münzen", {"Deutschland", "Euro-Münzen", "Antike", "Europa", "Welt", "Medaillen", "Barren"}},
        {"Musik", {"CDs", "Schallplatten", "Kassetten", "Noten", "Fanartikel"}},
        {"Musikinstrumente", {"Gitarren", "Tasteninstrumente", "Blasinstrumente", "Schlagzeug", "Streichinstrumente", "Verstärker", "Zubehör"}},
        {"Reise & Tickets", {"Konzertkarten", "Sportkarten", "Reisegutscheine", "Koffer", "Theaterkarten"}},
        {"Sammeln & Seltenes", {"Ansichtskarten", "Militaria", "Reklame", "Autogramme", "Spielkarten", "Überraschungsei-Figuren", "Bierdeckel"}},
        {"Spielzeug", {"Puppen", "Plüschtiere", "Bausteine", "Gesellschaftsspiele", "Holzspielzeug", "Blechspielzeug", "Actionfiguren"}},
        {"Sport & Freizeit", {"Fahrräder", "Camping", "Angeln", "Fitness", "Wintersport", "Wassersport", "Ballsport", "Reiten"}},
        {"Tierbedarf", {"Hunde", "Katzen", "Aquaristik", "Vögel", "Kleintiere", "Pferde"}},
        {"Uhren & Schmuck", {"Armbanduhren", "Taschenuhren", "Ringe", "Ketten & Anhänger", "Ohrringe", "Armbänder", "Wanduhren"}},
    };
    return tops;
}

// The word lists of the lower levels: kind, material, period, origin.
const QStringList Level3 = {"Neuware", "Gebrauchtware", "Ersatzteile", "Zubehör", "Sets & Konvolute", "Markenartikel",
                            "Handarbeit", "Raritäten", "Sonderanfertigungen", "Restposten", "Sammlerstücke",
                            "Klassiker", "Für Einsteiger", "Profibedarf", "Geschenkideen", "Sonstige"};
const QStringList Level4 = {"Holz", "Metall", "Glas", "Porzellan", "Keramik", "Kunststoff", "Leder", "Textil",
                            "Messing", "Silber", "Gold", "Edelstahl", "Papier", "Stein", "Bambus", "Kupfer"};
const QStringList Level5 = {"vor 1900", "1900 bis 1918", "1919 bis 1945", "1946 bis 1969", "1970 bis 1989",
                            "1990 bis 1999", "ab 2000", "Jugendstil", "Art déco", "Biedermeier", "Gründerzeit", "Bauhaus"};
const QStringList Level6 = {"Deutschland", "Österreich", "Schweiz", "Frankreich", "Italien", "England",
                            "Skandinavien", "Osteuropa", "Asien", "Nordamerika", "Südamerika", "Afrika"};

struct Node {
    int id;
    int parent;
    int level;
    QString name;
};

class TreeBuilder {
public:
    QList<Node> nodes;
    QList<QList<int>> leavesByTop;

    void build()
    {
        Random random(20100105);
        for (const TopCategory &top : topCategories()) {
            const int topId = add(0, 1, QString::fromUtf8(top.name));
            leavesByTop.append(QList<int>());
            bool first = true;
            for (const QString &child : top.children) {
                const int id = add(topId, 2, child);
                grow(random, id, 2, first);
                first = false;
            }
        }
    }

private:
    int add(int parent, int level, const QString &name)
    {
        const int id = nodes.size() + 1;
        nodes.append({id, parent, level, name});
        return id;
    }

    // Children of the node at `level` (its children are at level + 1); `force` makes the
    // first branch reach the sixth level.
    void grow(Random &random, int id, int level, bool force)
    {
        static const QList<QStringList> pools = {Level3, Level4, Level5, Level6};
        static const int percent[] = {100, 35, 25, 20};
        static const int minChildren[] = {3, 2, 2, 2};
        static const int maxChildren[] = {6, 4, 4, 3};
        if (level >= 6) {
            leavesByTop.last().append(id);
            return;
        }
        const int k = level - 2;
        if (!force && !random.chance(percent[k])) {
            leavesByTop.last().append(id);
            return;
        }
        QStringList pool = pools[k];
        const int count = random.between(minChildren[k], maxChildren[k]);
        for (int i = 0; i < count && !pool.isEmpty(); ++i) {
            const QString name = pool.takeAt(random.below(int(pool.size())));
            const int child = add(id, level + 1, name);
            grow(random, child, level + 1, force && i == 0);
        }
    }
};

struct DemoItem {
    int top;   // index into topCategories()
    const char *title;
    double price;
    int type;  // AuctionType
    double buyNow;
};

const QList<DemoItem> &demoItems()
{
    static const QList<DemoItem> items = {
        {0, "Jugendstil Tischlampe aus Messing", 45.0, 1, 0},
        {0, "Biedermeier Kommode, Kirschbaum, um 1830", 350.0, 1, 0},
        {0, "Ölgemälde Landschaft mit Mühle, signiert", 120.0, 3, 290.0},
        {4, "Theodor Fontane: Effi Briest, Ausgabe 1896", 80.0, 1, 0},
        {4, "Kochbuch der Großmutter, 1950er Jahre", 5.0, 1, 0},
        {5, "Briefmarken Deutsches Reich, Sammlung im Album", 25.0, 1, 0},
        {7, "Notebook 15,6 Zoll, 16 GB RAM, SSD 512 GB", 299.0, 2, 0},
        {7, "Laserdrucker Schwarzweiß, kaum benutzt", 35.0, 1, 0},
        {8, "Röhrenradio Grundig, funktionsfähig", 60.0, 3, 119.0},
        {11, "Spiegelreflexkamera mit Objektiv 50 mm", 150.0, 1, 0},
        {11, "Fernglas 10x50 mit Tasche", 29.0, 2, 0},
        {12, "Gartenbank aus Teakholz, 150 cm", 89.0, 1, 0},
        {14, "Kaffeeservice Porzellan 12-teilig, Goldrand", 40.0, 1, 0},
        {14, "Gusseiserner Bräter 28 cm", 25.0, 4, 0},
        {15, "Akku-Bohrschrauber 18 V mit zwei Akkus", 49.0, 3, 79.0},
        {16, "Lederjacke Herren Größe L, braun", 30.0, 1, 0},
        {16, "Dirndl Größe 38 mit Schürze", 55.0, 1, 0},
        {17, "Modelleisenbahn H0 Dampflok BR 01", 95.0, 1, 0},
        {17, "Segelschiff Bausatz aus Holz, 1:100", 39.0, 2, 0},
        {18, "Stehlampe Messing, 1970er Jahre", 65.0, 1, 0},
        {19, "2-Euro-Gedenkmünzen, Sammlung mit 25 Stück", 60.0, 1, 0},
        {19, "5 Mark Silbermünze 1951", 18.0, 1, 0},
        {20, "Schallplattensammlung Jazz, 40 LPs", 70.0, 3, 150.0},
        {21, "Westerngitarre mit Koffer", 120.0, 1, 0},
        {21, "Digitalpiano mit 88 Tasten", 280.0, 2, 0},
        {23, "Emailschild Reklame, 1930er Jahre", 110.0, 1, 0},
        {23, "Ansichtskarten Bayern, 120 Stück", 22.0, 1, 0},
        {24, "Teddybär mit Knopf im Ohr, 1950er", 130.0, 1, 0},
        {24, "Holzeisenbahn mit 40 Teilen", 15.0, 4, 0},
        {25, "Trekkingrad 28 Zoll, 21 Gänge", 140.0, 1, 0},
        {25, "Kuppelzelt für 4 Personen", 45.0, 3, 69.0},
        {27, "Herren-Armbanduhr Automatik, Edelstahl", 190.0, 1, 0},
        {27, "Taschenuhr Silber, um 1900", 85.0, 1, 0},
        {27, "Goldkette 585, 50 cm", 210.0, 2, 0},
        {9, "Rotwein Spätburgunder 2015, 6 Flaschen", 48.0, 4, 0},
        {3, "Eau de Toilette 100 ml, originalverpackt", 20.0, 2, 0},
        {26, "Kratzbaum für Katzen, 150 cm", 25.0, 1, 0},
        {2, "Kinderwagen mit Babywanne und Sportsitz", 75.0, 1, 0},
        {10, "DVD-Sammlung Filmklassiker, 30 Filme", 12.0, 1, 0},
        {13, "Smartphone 128 GB, ohne Simlock", 160.0, 3, 220.0},
        {22, "Reisekoffer Hartschale, 75 cm", 35.0, 1, 0},
        {6, "Füllfederhalter mit Goldfeder", 65.0, 1, 0},
    };
    return items;
}

QJsonArray rows(std::initializer_list<QJsonObject> list)
{
    QJsonArray a;
    for (const QJsonObject &o : list)
        a.append(o);
    return a;
}

QString amount(double value)
{
    return QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

QJsonArray durationRows(const QList<int> &days)
{
    QJsonArray a;
    for (int d : days)
        a.append(QJsonObject{{"tage", d}, {"bez", d == 1 ? QStringLiteral("1 Tag") : QStringLiteral("%1 Tage").arg(d)}});
    return a;
}

QJsonArray namedRows(const QStringList &names)
{
    QJsonArray a;
    for (int i = 0; i < names.size(); ++i)
        a.append(QJsonObject{{"id", i + 1}, {"name", names[i]}});
    return a;
}

} // namespace

QJsonObject build()
{
    TreeBuilder tree;
    tree.build();
    QJsonArray categories;
    for (const Node &n : tree.nodes)
        categories.append(QJsonObject{{"id", QString::number(n.id)}, {"name", n.name}, {"pid", QString::number(n.parent)}});

    QJsonObject seed;
    seed["catno"] = 1;
    seed["minimumStartPrice"] = "1,00";
    seed["houses"] = rows({{{"id", 11}, {"name", "Morvelia"}, {"typ", 0}},
                           {{"id", 12}, {"name", "Karvento"}, {"typ", 1}},
                           {{"id", 14}, {"name", "Lindomarkt"}, {"typ", 2}}});
    seed["kategorien"] = categories;
    seed["einstelldauer"] = durationRows({1, 3, 5, 7, 10, 14, 21, 30});
    seed["einstelldauer_shop"] = durationRows({30, 60, 90, 180, 365});
    seed["einstellgebuehr"] = rows({{{"id", 1}, {"min", "1,00"}, {"max", "9,99"}, {"preis", "0,10"}},
                                    {{"id", 2}, {"min", "10,00"}, {"max", "49,99"}, {"preis", "0,25"}},
                                    {{"id", 3}, {"min", "50,00"}, {"max", "99,99"}, {"preis", "0,50"}},
                                    {{"id", 4}, {"min", "100,00"}, {"max", "499,99"}, {"preis", "1,00"}},
                                    {{"id", 5}, {"min", "500,00"}, {"max", "999,99"}, {"preis", "2,00"}},
                                    {{"id", 6}, {"min", "1000,00"}, {"max", "99999,99"}, {"preis", "3,50"}}});
    seed["preise"] = rows({{{"id", "1"}, {"name", "Fettschrift"}, {"preis", "0,50"}},
                           {{"id", "2"}, {"name", "Highlight (Textmarker)"}, {"preis", "0,75"}},
                           {{"id", "3"}, {"name", "Top-Kategorie"}, {"preis", "1,50"}},
                           {{"id", "4"}, {"name", "Zweites Bild"}, {"preis", "0,15"}},
                           {{"id", "5"}, {"name", "Drittes Bild"}, {"preis", "0,15"}},
                           {{"id", "6"}, {"name", "Galerie"}, {"preis", "0,25"}},
                           {{"id", "7"}, {"name", "Startseite"}, {"preis", "9,95"}}});
    seed["zahlmethoden"] = namedRows({"Überweisung", "PayPal", "Nachnahme", "Barzahlung bei Abholung", "Lastschrift",
                                      "Kreditkarte", "Rechnung", "Sofortüberweisung"});
    seed["laender"] = namedRows({"Deutschland", "Österreich", "Schweiz", "Belgien", "Dänemark", "Finnland",
                                 "Frankreich", "Griechenland", "Irland", "Italien", "Kroatien", "Liechtenstein",
                                 "Luxemburg", "Niederlande", "Norwegen", "Polen", "Portugal", "Schweden",
                                 "Slowakei", "Slowenien", "Spanien", "Tschechien", "Ungarn", "Vereinigtes Königreich"});

    // Morvelia's auction-shop categories, as the program delivers them.
    seed["shopKategorien"] = rows({
        {{"id", 1}, {"name", "Antiquitäten & Kunst"}, {"pid", 0}}, {{"id", 2}, {"name", "Bücher & Zeitschriften"}, {"pid", 0}},
        {{"id", 3}, {"name", "Computer & Zubehör"}, {"pid", 0}}, {{"id", 4}, {"name", "Haus & Garten"}, {"pid", 0}},
        {{"id", 5}, {"name", "Mode & Accessoires"}, {"pid", 0}}, {{"id", 6}, {"name", "Sammeln & Seltenes"}, {"pid", 0}},
        {{"id", 7}, {"name", "Spielzeug"}, {"pid", 0}}, {{"id", 8}, {"name", "Sport & Freizeit"}, {"pid", 0}},
        {{"id", 101}, {"name", "Möbel"}, {"pid", 1}}, {{"id", 102}, {"name", "Gemälde"}, {"pid", 1}},
        {{"id", 201}, {"name", "Romane"}, {"pid", 2}}, {{"id", 202}, {"name", "Sachbücher"}, {"pid", 2}},
        {{"id", 301}, {"name", "Notebooks"}, {"pid", 3}}, {{"id", 302}, {"name", "Drucker"}, {"pid", 3}},
        {{"id", 303}, {"name", "Software"}, {"pid", 3}}, {{"id", 401}, {"name", "Werkzeug"}, {"pid", 4}},
        {{"id", 402}, {"name", "Küche"}, {"pid", 4}}, {{"id", 501}, {"name", "Damenmode"}, {"pid", 5}},
        {{"id", 502}, {"name", "Herrenmode"}, {"pid", 5}}, {{"id", 503}, {"name", "Uhren & Schmuck"}, {"pid", 5}},
        {{"id", 601}, {"name", "Briefmarken"}, {"pid", 6}}, {{"id", 602}, {"name", "Münzen"}, {"pid", 6}},
        {{"id", 701}, {"name", "Modellbau"}, {"pid", 7}}, {{"id", 801}, {"name", "Fahrräder"}, {"pid", 8}},
        {{"id", 802}, {"name", "Camping"}, {"pid", 8}},
    });

    seed["accounts"] = rows({
        {{"user", "demo"}, {"password", "demo1234"}, {"uid", "4711"}, {"blocked", false}, {"firma", ""},
         {"name", "Erika Mustermann"}, {"adresse", "Heidestraße 17"}, {"plz", "51147"}, {"ort", "Köln"},
         {"land", "Deutschland"}, {"telefon", "0221 4711815"}, {"email", "demo@morvelia.example"}},
        {{"user", "gesperrt"}, {"password", "gesperrt1"}, {"uid", "4712"}, {"blocked", true},
         {"firma", "Resterampe Schmitz GmbH"}, {"name", "Hans Schmitz"}, {"adresse", "Hafenstraße 3"},
         {"plz", "20457"}, {"ort", "Hamburg"}, {"land", "Deutschland"}, {"telefon", "040 1234567"},
         {"email", "schmitz@morvelia.example"}},
    });

    // The demo account's listings: 22 running, 12 sold, 8 unsold.
    // Minutes from now until the running ones end; some end soon, so the lists change
    // from one run to the next.
    static const int runningEnds[] = {40, 180, 540, 1200, 1680, 2520, 2880, 3300, 4320, 5040, 5760,
                                      6960, 7200, 7740, 8640, 9540, 9900, 11520, 12960, 17280, 28800, 40000};
    static const int durationsByType[] = {0, 7, 10, 7, 30};
    QJsonArray listings;
    Random random(4711);
    const QList<DemoItem> &items = demoItems();
    for (int i = 0; i < items.size(); ++i) {
        const DemoItem &item = items[i];
        const int list = i < 22 ? 0 : (i < 34 ? 1 : 2);
        const QList<int> &leaves = tree.leavesByTop[item.top];
        const int category = leaves[(i * 7) % leaves.size()];
        const int dauer = item.type == 4 ? 30 : durationsByType[item.type];
        QJsonObject o;
        o["user"] = "demo";
        o["list"] = list;
        o["titel"] = QString::fromUtf8(item.title);
        o["beschreibung"] = QStringLiteral("<p><b>%1</b></p><p>Aus Privatbesitz, guter Zustand, siehe Bilder. "
                                           "Privatverkauf, daher keine Garantie und keine Rücknahme.</p>"
                                           "<p>Versand versichert, Abholung in Köln möglich.</p>")
                                .arg(QString::fromUtf8(item.title).toHtmlEscaped());
        o["kategorie"] = category;
        o["auktionstyp"] = item.type;
        o["dauer"] = dauer;
        o["startpreis"] = amount(item.price);
        o["sofortkaufpreis"] = amount(item.buyNow);
        o["anzahl"] = item.type == 4 ? 3 : 1;
        o["zustand"] = random.below(4);
        o["artnr"] = QStringLiteral("D-%1").arg(1001 + i);
        o["plz"] = "51147";
        o["ort"] = "Köln";
        o["region"] = "Nordrhein-Westfalen";
        o["land"] = "Deutschland";
        o["zahlungsmethode"] = i % 3 == 0 ? "Überweisung,PayPal" : "Überweisung";
        o["zahlungshinweis"] = "Zahlung innerhalb von 7 Tagen nach Auktionsende.";
        o["versandkosten"] = amount(item.price > 100 ? 6.99 : 4.99);
        o["versandoption"] = item.price > 100 ? "DHL Paket (Inland)" : "DHL Päckchen (Inland)";
        o["versand_int"] = i % 4 == 0 ? 1 : 0;
        o["fett"] = i % 5 == 0 ? 1 : 0;
        o["galerie"] = i % 3 == 1 ? 1 : 0;
        o["zaehler"] = 1;
        if (list == 0) {
            const int endMinutes = std::min(runningEnds[i], dauer * 1440 - 60);
            o["ende"] = QStringLiteral("now+%1m").arg(endMinutes);
            o["start"] = QStringLiteral("now-%1m").arg(dauer * 1440 - endMinutes);
            if (item.type != 2 && item.type != 4 && i % 2 == 0) {
                const int bids = random.between(1, 6);
                o["gebote"] = bids;
                o["gebotspreis"] = amount(item.price + bids * std::ceil(item.price / 20.0));
            }
        } else {
            const int daysAgo = random.between(1, 40);
            o["ende"] = QStringLiteral("now-%1d%2h").arg(daysAgo).arg(random.below(24));
            o["start"] = QStringLiteral("now-%1d%2h").arg(daysAgo + dauer).arg(random.below(24));
            if (list == 1) {
                const int bids = (item.type == 2 || item.type == 4) ? 1 : random.between(1, 12);
                o["gebote"] = bids;
                o["posanzahl"] = 1;
                o["gebotspreis"] = amount(item.type == 2 || item.type == 4
                                              ? item.price
                                              : item.price + bids * std::ceil(item.price / 15.0));
            }
        }
        o["pictures"] = i % 7 == 6 ? 0 : 1 + (i % 3);
        listings.append(o);
    }
    seed["listings"] = listings;
    seed["update"] = QJsonObject{{"version", ""}, {"file", ""}};
    return seed;
}

QByteArray makePicture(int seed, int slot)
{
    Random random(quint32(seed) * 2654435761u + quint32(slot) * 40503u + 1u);
    const int w = 320, h = 240;
    QImage image(w, h, QImage::Format_RGB32);
    const QRgb from = qRgb(random.between(40, 220), random.between(40, 220), random.between(40, 220));
    const QRgb to = qRgb(random.between(40, 220), random.between(40, 220), random.between(40, 220));
    struct Disc {
        int x, y, r;
        QRgb color;
    };
    QList<Disc> discs;
    for (int i = 0; i < 3; ++i)
        discs.append({random.below(w), random.below(h), random.between(20, 70),
                      qRgb(random.between(0, 255), random.between(0, 255), random.between(0, 255))});
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double t = double(y) / (h - 1);
        const QRgb base = qRgb(int(qRed(from) + (qRed(to) - qRed(from)) * t),
                               int(qGreen(from) + (qGreen(to) - qGreen(from)) * t),
                               int(qBlue(from) + (qBlue(to) - qBlue(from)) * t));
        for (int x = 0; x < w; ++x) {
            QRgb c = base;
            for (const Disc &d : discs) {
                const int dx = x - d.x, dy = y - d.y;
                if (dx * dx + dy * dy <= d.r * d.r)
                    c = d.color;
            }
            line[x] = c;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    return bytes;
}

} // namespace DemoSeed
