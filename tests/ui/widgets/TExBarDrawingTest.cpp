#include "ExBarFixture.h"

#include "ui/widgets/WidgetArtwork.h"

#include <QDir>
#include <QPalette>
#include <QTest>

namespace {

class TExBarDrawing : public ExBarFixture {
protected:
    void SetUp() override
    {
        ExBarFixture::SetUp();
        skin = QImage(WidgetArtwork::Skin).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(skin.isNull());
    }

    QImage drawn() { return bar->PaintBox()->bitmap().convertToFormat(QImage::Format_RGB32); }
    QColor drawnAt(const QPoint &point) { return drawn().pixelColor(point); }

    static QRect rightCell(TExGroup *group) { return QRect(group->HeaderRect().right() - 24, group->HeaderRect().top(), 25, 23); }
    static QRect leftCap(TExGroup *group) { return QRect(group->HeaderRect().topLeft(), QSize(5, 23)); }

    // Fills the bar the way the main window does.
    void fillLikeTheMainWindow(bool specialNewListing)
    {
        bar->BeginUpdate();
        bar->Clear();
        TExGroup *lists = bar->AddGroup(QStringLiteral("Meine Auktionen"));
        lists->AddItem(QStringLiteral("Laufende (12)"), QStringLiteral("Übersicht über laufende Auktionen"), 0, 0);
        lists->AddItem(QStringLiteral("Nicht Verkaufte (3)"), QStringLiteral("Übersicht über nicht verkaufte Auktionen"), 2, 1);
        lists->AddItem(QStringLiteral("Verkaufte Auktionen (40)"), QStringLiteral("Übersicht über verkaufte Auktionen"), 1, 2);
        lists->AddItem(QStringLiteral("auf Übertragungsliste (2)"), QStringLiteral("Übersicht der Auktion die Übertragen werden müssen"), 3, 3);
        lists->AddItem(QStringLiteral("Artikelstamm (7)"), QStringLiteral("Übersicht der gespeicherten Artikel"), 4, 4);
        bar->AddGroup(QStringLiteral("Neue Auktion"), specialNewListing)
            ->AddItem(QStringLiteral("Neuen Artikel erstellen"), QStringLiteral("Neuen Artikel"), 5, 7);
        bar->AddGroup(QStringLiteral("Weitere Funktionen"))
            ->AddItem(QStringLiteral("CSV-Import"), QStringLiteral("Import von CSV Listen"), 6, 14);
        bar->EndUpdate();
    }

    void savePicture(const QString &name)
    {
        QCoreApplication::processEvents();
        const QString file = QDir::temp().filePath(name);
        EXPECT_TRUE(bar->grab().save(file)) << file.toStdString();
    }

    QImage skin;
};

TEST_F(TExBarDrawing, TakesItsColoursFromTheSkinPalette)
{
    bar->SetSkin(skin);
    const TExBarColors &colours = bar->Colors();
    const QColor expected[] = {colours.background, colours.bodyFill, colours.bodyBorder, colours.text,
                               colours.hotText, colours.specialText, colours.specialHotText};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], skin.pixelColor(1, 1 + 6 * i)) << i;
    EXPECT_TRUE(bar->HasSkin());
    EXPECT_EQ(bar->viewport()->palette().color(QPalette::Window), colours.background);
    EXPECT_EQ(bar->PaintBox()->background(), colours.background);
}

TEST_F(TExBarDrawing, WithoutAUsableSkinUsesThePlainColours)
{
    const TExBarColors plain = TExBarColors::plain(bar->palette());
    const QImage tooSmall = skin.copy(0, 0, 267, 49);
    for (const QImage &picture : {QImage(), tooSmall}) {
        bar->SetSkin(skin);
        bar->SetSkin(picture);
        EXPECT_FALSE(bar->HasSkin());
        EXPECT_EQ(bar->Colors().background, QColor(Qt::white));
        EXPECT_EQ(bar->Colors().bodyFill, plain.bodyFill);
        EXPECT_EQ(bar->Colors().bodyBorder, plain.bodyBorder);
        EXPECT_EQ(bar->Colors().text, plain.text);
        EXPECT_EQ(bar->Colors().specialHotText, plain.specialHotText);
        EXPECT_EQ(bar->PaintBox()->background(), QColor(Qt::white));
    }
}

TEST_F(TExBarDrawing, DrawsTheSkinCellOfTheGroupsStateAndHotness)
{
    bar->SetSkin(skin);
    bar->SetAnimate(false);
    TExGroup *normal = addGroupWithEntries(QStringLiteral("Normal"), 1);
    TExGroup *special = bar->AddGroup(QStringLiteral("Special"), true);
    const QPoint away(2, 2);
    struct Case {
        const char *name;
        TExGroup *group;
        bool collapsed;
        bool hot;
        int cellLeft;
        int rowTop;
    };
    const Case cases[] = {
        {"expanded", normal, false, false, 164, 1},      {"expanded hot", normal, false, true, 190, 1},
        {"collapsed", normal, true, false, 216, 1},      {"collapsed hot", normal, true, true, 242, 1},
        {"special expanded", special, false, false, 164, 25}, {"special collapsed hot", special, true, true, 242, 25},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if ((c.group->GroupState() == TExGroup::Collapsed) != c.collapsed)
            c.group->Toggle();
        moveTo(c.hot ? centreOf(c.group->HeaderRect()) : away);
        const QImage image = drawn();
        EXPECT_EQ(image.copy(rightCell(c.group)), skin.copy(c.cellLeft, c.rowTop, 25, 23));
        EXPECT_EQ(image.copy(leftCap(c.group)), skin.copy(7, c.rowTop, 5, 23));
    }
}

TEST_F(TExBarDrawing, AnimatingHeadersShowTheCellOfTheirDirection)
{
    bar->SetSkin(skin);
    TExGroup *group = addGroupWithEntries(QStringLiteral("Group"), 2);
    group->Toggle();
    group->AnimationStep();
    EXPECT_EQ(drawn().copy(rightCell(group)), skin.copy(216, 1, 25, 23)) << "collapsing";
    group->Toggle();
    EXPECT_EQ(drawn().copy(rightCell(group)), skin.copy(164, 1, 25, 23)) << "expanding";
}

TEST_F(TExBarDrawing, DrawsPlainHeadersInTheSystemColoursWithAnArrow)
{
    bar->SetAnimate(false);
    TExGroup *normal = addGroupWithEntries(QStringLiteral("Normal"), 1);
    TExGroup *special = bar->AddGroup(QStringLiteral("Special"), true);
    const QPalette &palette = bar->palette();
    // Right of the caption area and left of the arrow.
    auto fillPoint = [](TExGroup *g) { return QPoint(g->HeaderRect().right() - 24 - 2, g->HeaderRect().top() + 2); };
    EXPECT_EQ(drawnAt(fillPoint(normal)), palette.color(QPalette::Button));
    EXPECT_EQ(drawnAt(fillPoint(special)), palette.color(QPalette::Highlight));

    auto arrow = [](TExGroup *g) { return QRect(g->HeaderRect().right() + 1 - 24, g->HeaderRect().top() - 9 + 16, 23, 9); };
    const QImage up = drawn().copy(arrow(normal));
    bool stamped = false;
    for (int y = 0; y < up.height(); ++y)
        for (int x = 0; x < up.width(); ++x)
            stamped = stamped || up.pixelColor(x, y) == bar->Colors().text;
    EXPECT_TRUE(stamped) << "the arrow is stamped in the header's text colour";
    normal->Toggle();
    EXPECT_NE(drawn().copy(arrow(normal)), up) << "collapsed shows the other arrow";
}

TEST_F(TExBarDrawing, DrawsTheBodyFilledAndFramedExceptAtTheTop)
{
    bar->SetSkin(skin);
    TExGroup *group = addGroupWithEntries(QStringLiteral("Group"), 1);
    const QRect body = group->BodyRect();
    const TExBarColors &colours = bar->Colors();
    EXPECT_EQ(drawnAt(QPoint(body.center().x(), body.top())), colours.bodyFill);
    EXPECT_EQ(drawnAt(QPoint(body.right() - 3, body.bottom() - 3)), colours.bodyFill);
    EXPECT_EQ(drawnAt(QPoint(body.left(), body.center().y())), colours.bodyBorder);
    EXPECT_EQ(drawnAt(QPoint(body.right(), body.center().y())), colours.bodyBorder);
    EXPECT_EQ(drawnAt(QPoint(body.center().x(), body.bottom())), colours.bodyBorder);
    EXPECT_EQ(drawnAt(QPoint(body.center().x(), body.bottom() + 3)), colours.background);
}

// While sliding, the body fades towards the background by the part that is hidden.
TEST_F(TExBarDrawing, BlendsASlidingBodyTowardsTheBackground)
{
    bar->SetSkin(skin);
    bar->SetItemIcons(solidIcons(40));
    TExGroup *group = addGroupWithEntries(QStringLiteral("Group"), 3);
    group->Toggle();
    for (int i = 0; i < 9; ++i)
        group->AnimationStep();
    const double hidden = double(group->FullHeight() - group->BodyHeight()) / group->FullHeight();
    const QColor fill = bar->Colors().bodyFill;
    const QColor background = bar->Colors().background;
    const QColor seen = drawnAt(QPoint(group->BodyRect().right() - 3, group->BodyRect().bottom() - 3));
    auto mix = [hidden](int a, int b) { return a + (b - a) * hidden; };
    EXPECT_NEAR(seen.red(), mix(fill.red(), background.red()), 2);
    EXPECT_NEAR(seen.green(), mix(fill.green(), background.green()), 2);
    EXPECT_NEAR(seen.blue(), mix(fill.blue(), background.blue()), 2);
}

TEST_F(TExBarDrawing, AHotEntryLooksDifferent)
{
    TExGroup *group = addGroupWithEntries(QStringLiteral("Group"), 1);
    const QRect entry = group->Item(0)->HitRect();
    const QImage cold = drawn().copy(entry);
    moveTo(entry.center());
    const QImage hot = drawn().copy(entry);
    EXPECT_NE(hot, cold);
    leave();
    EXPECT_EQ(drawn().copy(entry), cold);
}

TEST_F(TExBarDrawing, DrawsAGroupIconAtTheHeadersLeft)
{
    bar->SetGroupIcons(TImageList::fromFiles(32, {WidgetArtwork::GroupLists}));
    TExGroup *group = addGroupWithEntries(QStringLiteral("Group"), 1);
    const QImage without = drawn();
    group->SetIconIndex(0);
    const QImage with = drawn();
    const QRect iconArea(group->HeaderRect().left(), group->HeaderRect().top() - 9, 32, 32);
    EXPECT_NE(with.copy(iconArea), without.copy(iconArea));
}

// Pictures for looking the bar over: plain, skinned, and with a collapsed group.
TEST_F(TExBarDrawing, SavesPicturesOfTheBar)
{
    bar->SetAnimate(false);
    fillLikeTheMainWindow(false);
    moveTo(centreOf(bar->Group(0)->Item(2)->HitRect()));
    savePicture(QStringLiteral("exbar-plain.png"));

    bar->SetSkin(skin);
    fillLikeTheMainWindow(true);
    moveTo(centreOf(bar->Group(0)->Item(1)->HitRect()));
    savePicture(QStringLiteral("exbar-skin.png"));

    bar->Group(1)->Toggle();
    moveTo(centreOf(bar->Group(1)->HeaderRect()));
    savePicture(QStringLiteral("exbar-collapsed.png"));

    bar->SetGroupIcons(TImageList::fromFiles(32, {WidgetArtwork::GroupLists, WidgetArtwork::GroupNew, WidgetArtwork::GroupTasks}));
    bar->SetAnimate(true);
    for (int i = 0; i < 3; ++i)
        bar->Group(i)->SetIconIndex(i);
    bar->Group(0)->Toggle();
    for (int i = 0; i < 6; ++i)
        bar->Group(0)->AnimationStep();
    savePicture(QStringLiteral("exbar-icons-sliding.png"));
}

} // namespace
