#pragma once

#include "core/AccountSession.h"
#include "store/Database.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/editor/TForm8.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A program directory with a seller at auction house 11, a small category tree, durations
// and payment methods; the editor is opened on it as "Neuer Artikel" does.
class EditorFixture : public ::testing::Test {
protected:
    static constexpr int House = 11;

    void SetUp() override;
    void TearDown() override;

    void setHouse(const QString &column, const QVariant &value);
    void addCategory(const QString &id, const QString &name, const QString &parent,
                     const QString &table = QStringLiteral("categories"));
    void addDuration(bool shop, int days, const QString &name);
    void addPayment(const QString &name);
    AccountSession session();
    // Creates and shows the editor; its set-up runs.
    TForm8 &openEditor();
    // A JPEG file of the given size in the test directory.
    QString writeJpeg(const QString &name, int width, int height);

    TempProgramDir dir;
    ScriptedPrompter prompts;
    std::unique_ptr<Database> db;
    std::unique_ptr<TForm8> editor;
};
