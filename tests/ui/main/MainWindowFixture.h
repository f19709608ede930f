#pragma once

#include "store/Database.h"
#include "tests/support/SampleData.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/main/TForm1.h"

#include <gtest/gtest.h>
#include <memory>

class QTreeWidgetItem;

// A program directory with one seller's account at auction house 11 and a main window
// logged in to it.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates, sets up and shows the main window, as a login does.
    TForm1 &openWindow(int aukid = 11);
    int addListing(SampleData::Listing listing);
    // A listing with only its list and title given.
    int addListing(int listKind, const QString &titel);
    int listingCount(int listKind);
    QTreeWidgetItem *row(int listKind, int index) const;
    int rowCount(int listKind) const;
    // Selects the row and clicks the delete button.
    void deleteRow(int listKind, int index);

    TempProgramDir dir;
    ScriptedPrompter prompts;
    std::unique_ptr<Database> db;
    std::unique_ptr<SampleData> data;
    int userID = 0;
    QString lastupdate = QStringLiteral("01.01.1991");
    std::unique_ptr<TForm1> form;
};
