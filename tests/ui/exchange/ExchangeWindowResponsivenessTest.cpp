#include "exchange/PictureDownloadPool.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"
#include "ui/exchange/TForm5.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QString Finished = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");
constexpr int StallMs = 1500;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void prepareMasterDataOnly(TForm5 &window, ServerFixture &fixture)
{
    window.settings = {fixture.user(), fixture.password(), fixture.uid(), true, false, false, false};
    window.Timer1->setInterval(0);
}

} // namespace

TEST(ExchangeWindowResponsiveness, PaintsAndMovesWhileARequestStallsAndOtherWindowsTakeNoInput)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setFault(QStringLiteral("/api/XMLDaten.php"), AuctionHouseServer::Fault::Delay,
                              QString::number(StallMs));
    QWidget other;
    auto *button = new QPushButton(QStringLiteral("Anderes Fenster"), &other);
    QSignalSpy clicks(button, &QPushButton::clicked);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

    TForm5 window;
    prepareMasterDataOnly(window, fixture);
    PaintCounter painted(window.ActivityBar);
    int moves = 0;
    QObject::connect(window.ActivityBar, &QProgressBar::valueChanged, [&moves] { ++moves; });
    QSignalSpy finished(&window, &TForm5::runFinished);

    bool modalDuringRun = false;
    bool keptOpenDuringRun = false;
    // Halfway through the stall the seller tries the other window and tries to close this one.
    QTimer::singleShot(StallMs / 2, [&] {
        modalDuringRun = window.isRunning() && QApplication::activeModalWidget() == &window;
        // Through the window system, as a real click comes.
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
        QTest::keyClick(&window, Qt::Key_Escape);
        window.close();
        keptOpenDuringRun = window.isVisible();
    });
    prompts.expectMessage(Finished);
    QElapsedTimer clock;
    clock.start();
    window.show();
    ASSERT_TRUE(finished.wait(30000));
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    prompts.verify();

    ASSERT_GE(seconds, StallMs / 1000.0) << "the request stalled";
    EXPECT_GE(moves / seconds, 10.0) << moves << " moves in " << seconds << " s";
    EXPECT_GE(painted.paints / seconds, 10.0) << painted.paints << " paints in " << seconds << " s";
    EXPECT_TRUE(modalDuringRun);
    EXPECT_TRUE(keptOpenDuringRun) << "Escape and close are ignored while the run works";
    EXPECT_EQ(clicks.count(), 0) << "the other window took no input";
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isRunning());
    window.close();
    EXPECT_FALSE(window.isVisible()) << "closes once the run is over";
}

TEST(ExchangeWindowResponsiveness, RealBoxesOfTheRunWaitForTheSellerAndLeaveTheWindowsThere)
{
    ServerFixture fixture;
    WidgetPrompter realBoxes;
    setPrompter(&realBoxes);
    fixture.server().setFault(QStringLiteral("/api/XMLDaten.php"), AuctionHouseServer::Fault::Refuse);
    QWidget other;
    other.show();

    TForm5 window;
    prepareMasterDataOnly(window, fixture);
    QSignalSpy finished(&window, &TForm5::runFinished);
    std::vector<QString> boxTexts;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        boxTexts.push_back(box->text());
        // The run waits while its box is open.
        EXPECT_TRUE(window.isRunning() || boxTexts.size() > 1);
        box->accept();
    });
    closer.start();
    window.show();
    const bool ended = finished.wait(30000);
    closer.stop();
    setPrompter(nullptr);

    ASSERT_TRUE(ended);
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_TRUE(boxTexts[0].startsWith(QStringLiteral("Es besteht keine Verbindung zum Server!")))
        << boxTexts[0].toStdString();
    EXPECT_EQ(boxTexts[1], Finished);
    EXPECT_FALSE(window.isVisible()) << "a failed request closes the window after the run";
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(PictureDownloadPool::shared() == nullptr || PictureDownloadPool::shared()->waitForIdle(20000));
}
