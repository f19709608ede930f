// Saving a checked listing with its pictures, without a window.

#include "tests/ui/editor/EditorFixture.h"

#include "core/AppError.h"
#include "core/ProcessLocale.h"
#include "store/PictureNames.h"
#include "store/Statement.h"
#include "ui/editor/AuctionCheck.h"
#include "ui/editor/ListingCheck.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/ListingLoad.h"
#include "ui/editor/ListingSave.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ListingSaveTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ProcessLocale::useDecimalComma();
        m_session = session();
        logic = std::make_unique<ListingEditor>(m_session, *db);
        logic->setUp(draft, true);
        draft.title = QStringLiteral("Kommode mit 'Schublade'");
        draft.description = QStringLiteral("<p>Gut erhalten</p>");
        draft.categoryId = QStringLiteral("101");
        draft.startPrice = QStringLiteral("10,00");
        draft.durationIndex = 1;
        draft.conditionIndex = 2;
        draft.paymentPositions = {0};
        draft.postcode = QStringLiteral("50667");
        draft.town = QStringLiteral("Köln");
    }

    int save(ListingSave::Target target, bool update = false, int id = 0)
    {
        const ListingCheck::Result result = ListingCheck(*logic).check(draft, ListingCheck::Mode::Full, values);
        EXPECT_TRUE(result.passed()) << result.text().toStdString();
        return ListingSave(*logic, draft, values).save(target, update, id);
    }

    QVariantMap row(int id)
    {
        Statement query(*db, QStringLiteral("SELECT * FROM auktionen WHERE id=:id"));
        query.bind(QStringLiteral(":id"), id).exec();
        QVariantMap result;
        if (query.next()) {
            for (const char *column : {"artliste", "status", "aukID", "titel", "dauer", "kategorie", "startpreis", "pic1",
                                       "pic2", "zustand", "zahlungsmethode", "userID"})
                result.insert(QString::fromLatin1(column), query.value(QString::fromLatin1(column)));
        }
        return result;
    }

    QString picture(const QString &name) { return dir.path() + QStringLiteral("pictures/") + name; }

    void failWrites(const char *when)
    {
        Statement::run(*db, QStringLiteral("CREATE TRIGGER refuse %1 ON auktionen BEGIN SELECT RAISE(ABORT, 'voll'); END")
                                .arg(QString::fromLatin1(when)));
    }

    QStringList stagedLeftovers()
    {
        return QDir(dir.path() + QStringLiteral("pictures")).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    ListingDraft draft;
    ListingValues values;
    std::unique_ptr<ListingEditor> logic;

private:
    AccountSession m_session;
};

TEST_F(ListingSaveTest, NewListingGoesIntoTheTransferListWithPicturesNamedByItsId)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("gross.jpg"), 1200, 900));
    const int expected = db->nextListingId();
    const int id = save(ListingSave::TransferList);
    EXPECT_EQ(id, expected);
    const QVariantMap stored = row(id);
    EXPECT_EQ(stored.value("artliste").toInt(), 3);
    EXPECT_EQ(stored.value("status").toInt(), 0);
    EXPECT_EQ(stored.value("aukID").toString(), QStringLiteral("11"));
    EXPECT_EQ(stored.value("titel").toString(), QStringLiteral("Kommode mit 'Schublade'"));
    EXPECT_EQ(stored.value("dauer").toInt(), 7);
    EXPECT_EQ(stored.value("kategorie").toInt(), 101);
    EXPECT_DOUBLE_EQ(stored.value("startpreis").toDouble(), 10.0);
    EXPECT_EQ(stored.value("zustand").toInt(), 2);
    EXPECT_EQ(stored.value("zahlungsmethode").toString(), QStringLiteral("Überweisung"));
    const QString name = PictureNames::editorPictureName(QStringLiteral("save"), 1, id, QStringLiteral("verkaeufer"));
    EXPECT_EQ(stored.value("pic1").toString(), name);
    EXPECT_EQ(QImageReader(picture(name)).size().height(), 400);
    EXPECT_TRUE(stagedLeftovers().isEmpty());
}

TEST_F(ListingSaveTest, EditedArticleMasterRowStaysInItsList)
{
    const int id = save(ListingSave::ArticleMaster);
    draft.title = QStringLiteral("Kommode, neu beschrieben");
    EXPECT_EQ(save(ListingSave::ArticleMaster, true, id), id);
    EXPECT_EQ(row(id).value("artliste").toInt(), 4);
    EXPECT_EQ(row(id).value("titel").toString(), QStringLiteral("Kommode, neu beschrieben"));
    EXPECT_EQ(Statement::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt(), 1);
}

TEST_F(ListingSaveTest, AValueThatCannotBeAssignedWritesNothing)
{
    const struct {
        const char *category;
        int duration;
    } cases[] = {{"keine", 1}, {"101", 7}};
    for (const auto &c : cases) {
        ListingCheck(*logic).check(draft, ListingCheck::Mode::Full, values);
        draft.categoryId = QString::fromLatin1(c.category);
        values.durationIndex = c.duration;
        try {
            ListingSave(*logic, draft, values).save(ListingSave::TransferList, false, 0);
            ADD_FAILURE() << "saved with category " << c.category;
        } catch (const AppError &error) {
            EXPECT_EQ(error.text(), ListingSave::AssignmentFailed);
        }
        draft.categoryId = QStringLiteral("101");
    }
    EXPECT_EQ(Statement::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt(), 0);
}

TEST_F(ListingSaveTest, FailedInsertLeavesNoPictureFile)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("bild.jpg"), 640, 480));
    failWrites("BEFORE INSERT");
    EXPECT_ANY_THROW(save(ListingSave::TransferList));
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("pictures")).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(stagedLeftovers().isEmpty());
}

TEST_F(ListingSaveTest, FailedUpdateKeepsTheOldPictures)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("alt.jpg"), 640, 480));
    const int id = save(ListingSave::TransferList);
    const QString name = row(id).value("pic1").toString();
    const QByteArray old = bytesOf(picture(name));
    logic->pictures().set(1, writeJpeg(QStringLiteral("neu.jpg"), 300, 900));
    failWrites("BEFORE UPDATE");
    EXPECT_ANY_THROW(save(ListingSave::TransferList, true, id));
    EXPECT_EQ(bytesOf(picture(name)), old);
    EXPECT_EQ(row(id).value("pic1").toString(), name);
}

TEST_F(ListingSaveTest, StoredPictureIsCopiedByteForByteAndUnusedOnesAreRemoved)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("eins.jpg"), 640, 480));
    logic->pictures().set(2, writeJpeg(QStringLiteral("zwei.jpg"), 640, 480));
    const int id = save(ListingSave::TransferList);
    const QString first = row(id).value("pic1").toString();
    const QString second = row(id).value("pic2").toString();
    const QByteArray stored = bytesOf(picture(first));

    logic->pictures().set(1, picture(first));
    logic->pictures().remove(2);
    save(ListingSave::TransferList, true, id);
    EXPECT_EQ(bytesOf(picture(first)), stored);
    EXPECT_EQ(row(id).value("pic2").toString(), QString());
    EXPECT_FALSE(QFile::exists(picture(second)));
}

TEST_F(ListingSaveTest, MultiUserRowsUseTheirOwnPrefixAndList)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("eins.jpg"), 200, 100));
    const int id = save(ListingSave::MultiUser);
    EXPECT_EQ(row(id).value("artliste").toInt(), 5);
    EXPECT_TRUE(row(id).value("pic1").toString().startsWith(QStringLiteral("Stammart")));
    EXPECT_EQ(row(id).value("dauer").toInt(), 7);
}

} // namespace

namespace {

TEST_F(ListingSaveTest, SavedListingLoadsBackIntoTheSameDraft)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("eins.jpg"), 200, 100));
    draft.buyNowPrice = QStringLiteral("25,5");
    draft.bold = true;
    const int id = save(ListingSave::TransferList);
    const std::optional<ListingLoad::Loaded> loaded = ListingLoad(*logic).load(id, ListingLoad::Source::Saved, ListingDraft());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_TRUE(loaded->problems.isEmpty());
    EXPECT_EQ(loaded->draft.title, draft.title);
    EXPECT_EQ(loaded->draft.categoryId, QStringLiteral("101"));
    EXPECT_EQ(loaded->draft.startPrice, QStringLiteral("10"));
    EXPECT_EQ(loaded->draft.buyNowPrice, QStringLiteral("25,5"));
    EXPECT_EQ(loaded->draft.minPrice, QStringLiteral("0"));
    EXPECT_EQ(loaded->draft.durationIndex, 1);
    EXPECT_EQ(loaded->draft.paymentPositions, QList<int>{0});
    EXPECT_TRUE(loaded->draft.bold);
    EXPECT_TRUE(loaded->draft.pictures[0].endsWith(row(id).value("pic1").toString()));
    EXPECT_FALSE(ListingLoad(*logic).load(id + 1, ListingLoad::Source::Saved, ListingDraft()).has_value());
}

TEST_F(ListingSaveTest, LoadingDropsTheGermanMarkerAndNamesAnUnknownType)
{
    SavedListings::Row stored;
    stored.beschreibung = QStringLiteral("<##DE##><p>Text</p><##EN##>");
    stored.auktionstyp = 2;
    stored.pics[0] = QStringLiteral("fehlt_1.jpg");
    setHouse(QStringLiteral("festpreis"), 0);
    AccountSession noFixedPrice = session();
    ListingEditor editor(noFixedPrice, *db);
    ListingDraft design;
    editor.setUp(design, true);
    const ListingLoad::Loaded loaded = ListingLoad(editor).draftOf(stored, ListingLoad::Source::Saved, design);
    EXPECT_EQ(loaded.draft.description, QStringLiteral("<p>Text</p><##EN##>"));
    EXPECT_EQ(loaded.problems, QStringList({ListingLoad::PictureProblem,
                                            QStringLiteral("ERROR bei der Auktionstypbestimmung! Typ: 2")}));
}

TEST_F(ListingSaveTest, SoldListingAsTemplateInsertsANewRowAndLeavesItUntouched)
{
    const int sold = save(ListingSave::TransferList);
    Statement::run(*db, QStringLiteral("UPDATE auktionen SET artliste=1 WHERE id=:id"), {{QStringLiteral(":id"), sold}});
    const std::optional<ListingLoad::Loaded> loaded = ListingLoad(*logic).load(sold, ListingLoad::Source::Downloaded, draft);
    ASSERT_TRUE(loaded.has_value());
    draft = loaded->draft;
    draft.title = QStringLiteral("Wieder eingestellt");
    const int copy = save(ListingSave::TransferList);
    EXPECT_NE(copy, sold);
    EXPECT_EQ(row(sold).value("artliste").toInt(), 1);
    EXPECT_EQ(row(sold).value("titel").toString(), QStringLiteral("Kommode mit 'Schublade'"));
    EXPECT_EQ(row(copy).value("titel").toString(), QStringLiteral("Wieder eingestellt"));
}

} // namespace

namespace {

class AuctionCheckTest : public ListingSaveTest {
protected:
    int imported(const QString &title)
    {
        draft.title = title.isEmpty() ? QStringLiteral("vorläufig") : title;
        const int id = save(ListingSave::TransferList);
        Statement::run(*db, QStringLiteral("UPDATE auktionen SET status=3, titel=:t WHERE id=:id"),
                       {{QStringLiteral(":t"), title}, {QStringLiteral(":id"), id}});
        return id;
    }

    int status(int id) { return row(id).value("status").toInt(); }
};

TEST_F(AuctionCheckTest, SavesWhatPassesAndCountsTheRest)
{
    logic->pictures().set(1, writeJpeg(QStringLiteral("eins.jpg"), 300, 200));
    const int good = imported(QStringLiteral("Teekanne"));
    logic->pictures().remove(1);
    const int untitled = imported(QString());
    QList<std::pair<int, int>> steps;
    const AuctionCheck::Outcome outcome = AuctionCheck(session()).run([&steps](int done, int total) {
        steps.append({done, total});
        return true;
    });
    EXPECT_EQ(outcome.checked, 2);
    EXPECT_EQ(outcome.saved, 1);
    EXPECT_EQ(outcome.withFindings, 1);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(status(good), 0);
    EXPECT_EQ(status(untitled), 3);
    EXPECT_FALSE(row(good).value("pic1").toString().isEmpty());
    EXPECT_TRUE(QFile::exists(picture(row(good).value("pic1").toString())));
    EXPECT_EQ(steps, (QList<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
    EXPECT_EQ(AuctionCheck::closingMessage(outcome),
              QStringLiteral("Der Auktions-Check ist abgeschlossen.\nGeprüft: 2 von 2 Artikeln\nGespeichert: 1\n"
                             "Mit Beanstandungen: 1"));
}

TEST_F(AuctionCheckTest, StopsWhenAskedAndLeavesTheRestImported)
{
    const int first = imported(QStringLiteral("Teekanne"));
    const int second = imported(QStringLiteral("Tasse"));
    const AuctionCheck::Outcome outcome = AuctionCheck(session()).run([](int done, int) { return done < 1; });
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.checked, 1);
    EXPECT_EQ(status(first), 0);
    EXPECT_EQ(status(second), 3);
    EXPECT_TRUE(AuctionCheck::closingMessage(outcome).startsWith(QStringLiteral("Der Auktions-Check wurde abgebrochen.")));
}

} // namespace
