// The category search on the demo auction house's master data, loaded from our server as
// a transfer run loads it.

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "tests/exchange/run/RecordingProgress.h"
#include "store/Database.h"
#include "tests/support/ServerFixture.h"
#include "ui/editor/TForm8.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DemoCategorySearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Database db;
        db.open();
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        RecordingProgress progress;
        const AccountSession session = loginContext().session();
        MasterDataLoader loader(client, db, session, progress);
        loader.setUid(fixture.uid());
        loader.load();
        ASSERT_TRUE(progress.reports.isEmpty()) << progress.reports.value(0).second.toStdString();
        editor = std::make_unique<TForm8>(loginContext().session());
        editor->show();
    }

    int rowEndingWith(const QString &name) const
    {
        for (int row = 0; row < editor->CategorySearchList->count(); ++row) {
            if (editor->CategorySearchList->item(row)->text().endsWith(QStringLiteral(" > ") + name))
                return row;
        }
        return -1;
    }

    ServerFixture fixture;
    std::unique_ptr<TForm8> editor;
};

TEST_F(DemoCategorySearchTest, ArmbandFindsArmbanduhrenAndFillsEveryLevel)
{
    QTest::keyClicks(editor->CategorySearchEdit, QStringLiteral("armband"));
    const int row = rowEndingWith(QStringLiteral("Armbanduhren"));
    ASSERT_GE(row, 0);
    const QStringList path = editor->CategorySearchList->item(row)->text().split(QStringLiteral(" > "));
    editor->searchHitChosen(row);
    for (int level = 0; level < path.size(); ++level)
        EXPECT_EQ(editor->CategoryLists[static_cast<size_t>(level)]->currentText(), path.at(level)) << level;
    const bool hasChildren = path.size() < 6 && editor->CategoryLists[static_cast<size_t>(path.size())]->count() > 0;
    EXPECT_EQ(editor->Label3->text().isEmpty(), hasChildren);
}

TEST_F(DemoCategorySearchTest, ADeepLeafFoundBySearchBecomesTheCategory)
{
    QTest::keyClicks(editor->CategorySearchEdit, QStringLiteral("skandinav"));
    ASSERT_GT(editor->CategorySearchList->count(), 0);
    int deepest = 0;
    int deepestRow = 0;
    for (int row = 0; row < editor->CategorySearchList->count(); ++row) {
        const int depth = static_cast<int>(editor->CategorySearchList->item(row)->text().count(QStringLiteral(" > ")));
        if (depth > deepest) {
            deepest = depth;
            deepestRow = row;
        }
    }
    ASSERT_GE(deepest, 3);
    const QString path = editor->CategorySearchList->item(deepestRow)->text();
    editor->searchHitChosen(deepestRow);
    EXPECT_EQ(editor->CategoryLists[static_cast<size_t>(deepest)]->currentText(), path.split(QStringLiteral(" > ")).last());
    if (deepest < 5) {
        EXPECT_EQ(editor->CategoryLists[static_cast<size_t>(deepest + 1)]->count(), 0);
    }
    EXPECT_FALSE(editor->Label3->text().isEmpty());
    EXPECT_NE(editor->Label3->text(), QStringLiteral("0"));
    EXPECT_EQ(editor->Label67->text(), path);
}

} // namespace
