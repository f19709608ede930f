#include "store/DescriptionText.h"
#include "tests/support/TempProgramDir.h"
#include "tests/ui/editor/description/ViewWaits.h"
#include "ui/editor/description/DescriptionPage.h"
#include "ui/editor/description/DescriptionPreview.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineSettings>
#include <gtest/gtest.h>

namespace {

struct ShownPreview {
    explicit ShownPreview(const QString &html) : preview(dir.path())
    {
        preview.resize(500, 300);
        preview.show();
        QSignalSpy finished(preview.page(), &QWebEnginePage::loadFinished);
        preview.showDescription(html);
        EXPECT_TRUE(finished.wait(ViewWaits::DeadlineMs));
    }

    QWebEnginePage *page() { return preview.page(); }

    TempProgramDir dir;
    DescriptionPreview preview;
};

} // namespace

TEST(DescriptionPreview, ShowsTheDescriptionWithoutRunningItsScripts)
{
    ShownPreview shown(QStringLiteral("<p>Größe þ ÿ € ✓</p><script>document.body.setAttribute('data-ran', 'yes');"
                                      "document.write('geschrieben');</script>"));
    EXPECT_FALSE(shown.page()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    const QString body = DescriptionText::extractBody(ViewWaits::document(shown.page()));
    EXPECT_TRUE(body.startsWith(QStringLiteral("<p>Größe þ ÿ € ✓</p>")));
    EXPECT_EQ(ViewWaits::scriptResult(shown.page(), QStringLiteral("document.body.innerText")).toString().trimmed(),
              QStringLiteral("Größe þ ÿ € ✓"));
    EXPECT_TRUE(
        ViewWaits::scriptResult(shown.page(), QStringLiteral("document.body.getAttribute('data-ran')")).isNull());
}

TEST(DescriptionPreview, LinksAndRefreshesGoNowhere)
{
    const struct {
        const char *why;
        const char *html;
        const char *trigger; // nullptr: the page navigates by itself
    } cases[] = {
        {"link", "<a id=\"l\" href=\"anderswo.html\">Link</a>", "document.getElementById('l').click(); true"},
        {"new window", "<a id=\"l\" href=\"anderswo.html\" target=\"_blank\">Link</a>",
         "document.getElementById('l').click(); true"},
        {"form", "<form id=\"f\" action=\"anderswo.html\"><input name=\"q\"></form>",
         "document.getElementById('f').submit(); true"},
        {"refresh", "<meta http-equiv=\"refresh\" content=\"0; url=anderswo.html\"><p>Bleibt</p>", nullptr},
    };
    for (const auto &c : cases) {
        TempProgramDir dir;
        DescriptionPreview preview(dir.path());
        preview.resize(400, 200);
        preview.show();
        QSignalSpy refused(preview.descriptionPage(), &DescriptionPage::navigationRefused);
        QSignalSpy finished(preview.page(), &QWebEnginePage::loadFinished);
        preview.showDescription(QString::fromUtf8(c.html));
        ASSERT_TRUE(finished.wait(ViewWaits::DeadlineMs)) << c.why;
        const QUrl shownUrl = preview.page()->url();
        if (c.trigger)
            ViewWaits::scriptResult(preview.page(), QString::fromLatin1(c.trigger));
        // A link into a new window finds none to open and asks for no navigation here.
        if (QLatin1String(c.why) != QLatin1String("new window")) {
            EXPECT_TRUE(ViewWaits::until([&] { return refused.count() > 0; })) << c.why;
        }
        EXPECT_EQ(preview.page()->url(), shownUrl) << c.why;
        EXPECT_TRUE(ViewWaits::loaded(preview.page())) << c.why;
    }
}
