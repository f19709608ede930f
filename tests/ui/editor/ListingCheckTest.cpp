// The check of a listing and its summary, on the editor's logic without a window.

#include "tests/ui/editor/EditorFixture.h"

#include "core/ProcessLocale.h"
#include "store/Statement.h"
#include "ui/editor/ListingCheck.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/ListingSummary.h"

namespace {

QStringList messagesOf(const ListingCheck::Result &result)
{
    QStringList messages;
    for (const ListingCheck::Finding &finding : result.findings)
        messages << finding.message;
    return messages;
}

class ListingCheckTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ProcessLocale::useDecimalComma();
    }

    ListingEditor &logic()
    {
        if (!m_logic) {
            m_session = session();
            m_logic = std::make_unique<ListingEditor>(m_session, *db);
            m_logic->setUp(m_base, true);
        }
        return *m_logic;
    }

    // A listing that passes the full check.
    ListingDraft complete()
    {
        logic();
        ListingDraft draft = m_base;
        draft.title = QStringLiteral("Biedermeier-Kommode");
        draft.description = QStringLiteral("<p>Gut erhalten</p>");
        draft.categoryId = QStringLiteral("101");
        draft.startPrice = QStringLiteral("10,00");
        draft.durationIndex = 1;
        draft.conditionIndex = 0;
        draft.paymentPositions = {0};
        draft.postcode = QStringLiteral("50667");
        draft.town = QStringLiteral("Köln");
        return draft;
    }

    ListingCheck::Result check(ListingDraft draft, ListingCheck::Mode mode = ListingCheck::Mode::Full)
    {
        return ListingCheck(logic()).check(draft, mode, values);
    }

    void addExtraPrice(int id, const char *price)
    {
        Statement::run(*db, QStringLiteral("INSERT INTO zusatz_preis (id, bez, preis, aukid) VALUES (:id, 'Extra', :p, :h)"),
                       {{QStringLiteral(":id"), id}, {QStringLiteral(":p"), QString::fromUtf8(price)},
                        {QStringLiteral(":h"), House}});
    }

    void addBand(const char *min, const char *max, const char *fee)
    {
        Statement::run(*db,
                       QStringLiteral("INSERT INTO einstellgebuehr (id, min_val, max_val, fee, aukid) "
                                      "VALUES (1, :min, :max, :fee, :h)"),
                       {{QStringLiteral(":min"), QString::fromUtf8(min)}, {QStringLiteral(":max"), QString::fromUtf8(max)},
                        {QStringLiteral(":fee"), QString::fromUtf8(fee)}, {QStringLiteral(":h"), House}});
    }

    ListingValues values;

private:
    AccountSession m_session;
    ListingDraft m_base;
    std::unique_ptr<ListingEditor> m_logic;
};

TEST_F(ListingCheckTest, CompleteListingPassesAndReadsItsValues)
{
    const ListingCheck::Result result = check(complete());
    EXPECT_TRUE(result.passed()) << result.text().toStdString();
    EXPECT_EQ(values.auctionTypeCode, 1);
    EXPECT_DOUBLE_EQ(values.startPrice, 10.0);
    EXPECT_DOUBLE_EQ(values.buyNowPrice, 0.0);
    EXPECT_EQ(values.quantity, 1);
    EXPECT_EQ(values.paymentText, QStringLiteral("Überweisung"));
    EXPECT_FALSE(result.frontPage().has_value());
}

TEST_F(ListingCheckTest, ThreeFindingsInOneTextWithTheLastPageInFront)
{
    ListingDraft draft = complete();
    draft.title.clear();
    draft.description.clear();
    draft.startPrice = QStringLiteral("0");
    const ListingCheck::Result result = check(draft);
    EXPECT_EQ(result.text(), QStringLiteral("Sie benötigen einen Titel für die Auktion!\r\n"
                                            "Die Artikelbeschreibung fehlt!\r\n"
                                            "Der Startpreis muss min 0,01 EUR betragen!\r\n"));
    EXPECT_EQ(result.findings[1].page, EditorPage::Description);
    EXPECT_EQ(result.frontPage(), EditorPage::General);
}

TEST_F(ListingCheckTest, FixedPriceStillReadingNotAvailable)
{
    ListingDraft draft = complete();
    draft.auctionType = AuctionTypes::FixedPrice;
    draft.buyNowPrice = QStringLiteral("N/A");
    values.startPrice = 0;
    const ListingCheck::Result result = check(draft);
    EXPECT_EQ(messagesOf(result), QStringList({QStringLiteral("Bei einer Festpreisauktion muss der Preis trotzdem angegeben werden!"),
                                               QStringLiteral("Der Startpreis weist ein ungültiges Format auf"),
                                               QStringLiteral("Der Sofortkaufpreis weist ein ungültiges Format auf"),
                                               QStringLiteral("Der Startpreis muss min 0,01 EUR betragen!")}));
}

TEST_F(ListingCheckTest, FixedPriceTakesItsPriceAsStartPrice)
{
    ListingDraft draft = complete();
    draft.auctionType = AuctionTypes::FixedPrice;
    draft.buyNowPrice = QStringLiteral("25,50");
    ListingCheck::Result result = ListingCheck(logic()).check(draft, ListingCheck::Mode::Full, values);
    EXPECT_TRUE(result.passed()) << result.text().toStdString();
    EXPECT_EQ(draft.startPrice, QStringLiteral("25,50"));
    EXPECT_DOUBLE_EQ(values.startPrice, 25.5);
    EXPECT_DOUBLE_EQ(values.buyNowPrice, 25.5);
}

TEST_F(ListingCheckTest, PriceRulesAgainstTheStartPrice)
{
    const struct {
        const char *minPrice;
        const char *buyNow;
        const char *finding;
    } cases[] = {
        {"10,00", "N/A", "Der Mindestpreis muss höher als der Startpreis liegen!"},
        {"9,99", "N/A", "Der Mindestpreis muss höher als der Startpreis liegen!"},
        {"10,01", "N/A", nullptr},
        {"0", "10,00", nullptr},
        {"0", "9,99", "Der Sofortkaufpreis muss höher als der Startpreis liegen!"},
        {"0", "0", nullptr},
    };
    for (const auto &c : cases) {
        ListingDraft draft = complete();
        draft.minPrice = QString::fromUtf8(c.minPrice);
        draft.buyNowPrice = QString::fromUtf8(c.buyNow);
        const QStringList expected = c.finding ? QStringList{QString::fromUtf8(c.finding)} : QStringList{};
        EXPECT_EQ(messagesOf(check(draft)), expected) << c.minPrice << " / " << c.buyNow;
    }
}

TEST_F(ListingCheckTest, AmountsReadWithCommaOrPoint)
{
    const struct {
        const char *text;
        std::optional<double> amount;
    } cases[] = {{"12.5", 12.5}, {"12,5", 12.5}, {" 3 ", 3.0}, {"N/A", std::nullopt}, {"", std::nullopt},
                 {"1.000,00", std::nullopt}, {"zwölf", std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(ListingCheck::readAmount(QString::fromUtf8(c.text)), c.amount) << c.text;

    ListingDraft draft = complete();
    draft.startPrice = QStringLiteral("12.5");
    EXPECT_TRUE(check(draft).passed());
    EXPECT_DOUBLE_EQ(values.startPrice, 12.5);
}

TEST_F(ListingCheckTest, AValueThatCannotBeReadKeepsThePreviousOne)
{
    check(complete());
    ListingDraft draft = complete();
    draft.startPrice = QStringLiteral("zehn");
    EXPECT_EQ(messagesOf(check(draft)), QStringList{QStringLiteral("Der Startpreis weist ein ungültiges Format auf")});
    EXPECT_DOUBLE_EQ(values.startPrice, 10.0);
}

TEST_F(ListingCheckTest, MasterModeNeedsNoAuctionHouseChoices)
{
    ListingDraft draft = complete();
    draft.categoryId = QStringLiteral("0");
    draft.durationIndex = -1;
    draft.conditionIndex = -1;
    draft.paymentPositions.clear();
    EXPECT_TRUE(check(draft, ListingCheck::Mode::Master).passed());
    EXPECT_EQ(messagesOf(check(draft)),
              QStringList({QStringLiteral("Bitte wählen Sie eine Kategorie aus!"), QStringLiteral("Sie haben keine Laufzeitbestimmt!"),
                           QStringLiteral("Bitte wählen sie den Artikelzustand!"),
                           QStringLiteral("Eine Zahlungsmethode ist pflicht!")}));
    EXPECT_EQ(check(draft).frontPage(), EditorPage::Presentation);
}

TEST_F(ListingCheckTest, QuantityBelowOneAndCountryAtTyp2)
{
    setHouse(QStringLiteral("typ"), 2);
    ListingDraft draft = complete();
    draft.quantity = QStringLiteral("0");
    draft.country.clear();
    EXPECT_EQ(messagesOf(check(draft)), QStringList({QStringLiteral("Ihre Artikelanzahl muss mindestens 1 betragen!"),
                                                     QStringLiteral("Bitte wählen Sie ihr Land aus!")}));
}

TEST_F(ListingCheckTest, CharactersTheAuctionHouseCannotReceiveAreFindings)
{
    ListingDraft draft = complete();
    draft.title = QStringLiteral("Kommode ✓ geprüft ✓");
    draft.town = QStringLiteral("Łódź");
    draft.ownArticleNo = QStringLiteral("A-€-1");
    const ListingCheck::Result result = check(draft);
    EXPECT_EQ(messagesOf(result),
              QStringList({QStringLiteral("Der Titel enthält Zeichen, die das Auktionshaus nicht empfangen kann: ✓"),
                           QStringLiteral("Der Artikelstandort enthält Zeichen, die das Auktionshaus nicht empfangen kann: Łź")}));
    EXPECT_EQ(result.frontPage(), EditorPage::General);
}

TEST_F(ListingCheckTest, ExtrasTheAuctionHouseDoesNotOfferAreUnchecked)
{
    setHouse(QStringLiteral("galerie"), 0);
    setHouse(QStringLiteral("startseite"), 1);
    ListingDraft draft = complete();
    draft.gallery = true;
    draft.frontPage = true;
    ListingCheck(logic()).check(draft, ListingCheck::Mode::Full, values);
    EXPECT_FALSE(draft.gallery);
    EXPECT_EQ(values.gallery, 0);
    EXPECT_TRUE(draft.frontPage);
    EXPECT_EQ(values.frontPage, 1);
}

TEST_F(ListingCheckTest, SummaryTextsAndFees)
{
    addBand("0,01", "9,99", "0,10");
    addBand("10", "49,99", "0,25");
    addExtraPrice(1, "0,50");
    ListingDraft draft = complete();
    draft.buyNowPrice = QStringLiteral("20");
    draft.bold = true;
    draft.international = true;
    ASSERT_TRUE(check(draft).passed());
    const ListingSummary summary = ListingSummary::of(logic(), draft, values);
    EXPECT_EQ(summary.startPrice, QStringLiteral("10EUR"));
    EXPECT_EQ(summary.buyNowPrice, QStringLiteral("20 EUR"));
    EXPECT_EQ(summary.quantity, QStringLiteral("1 Stück"));
    EXPECT_EQ(summary.duration, QStringLiteral("7 Tage"));
    EXPECT_EQ(summary.location, QStringLiteral("50667 Köln"));
    EXPECT_EQ(summary.payment, QStringLiteral("Überweisung"));
    EXPECT_EQ(summary.extras, QStringLiteral("Fettschrift\r\n"));
    EXPECT_EQ(summary.shipping, QStringLiteral("Der Veräufer trägt Versandkosten\r\nSie versenden Weltweit"));
    ASSERT_TRUE(summary.fees.has_value());
    EXPECT_EQ(summary.fees->insertionFee, QStringLiteral("+ 0,25 EUR"));
    EXPECT_EQ(summary.fees->extrasFee, QStringLiteral("+ 0,5 EUR"));
    EXPECT_EQ(summary.fees->total, QStringLiteral("Gesammt: 0,75 EUR"));
}

TEST_F(ListingCheckTest, SummaryWithoutExtrasCostsAndFeesAtTyp1)
{
    setHouse(QStringLiteral("typ"), 1);
    ListingDraft draft = complete();
    draft.buyerPays = true;
    draft.costsGiven = true;
    draft.shippingCost = QStringLiteral("4.90");
    draft.insuranceOption = QStringLiteral("versichert");
    draft.insuranceCost = QStringLiteral("1,5");
    ASSERT_TRUE(check(draft).passed());
    const ListingSummary summary = ListingSummary::of(logic(), draft, values);
    EXPECT_EQ(summary.buyNowPrice, QStringLiteral("N/A"));
    EXPECT_EQ(summary.extras, QStringLiteral("Es wurden keine Extras gewählt"));
    EXPECT_EQ(summary.shipping, QStringLiteral("Der Käufer trägt Versandkosten\r\nFolgende Angaben wurden gemacht:\r\n"
                                               "Versandkosten: 4,9 EUR\r\nVersicherung: versichert 1,5 EUR"));
    EXPECT_FALSE(summary.fees.has_value());
}

} // namespace
