#include "ui/widgets/TExMenuItem.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

int widthOf(const QString &text)
{
    return QFontMetrics(QApplication::font()).horizontalAdvance(text);
}

QStringList wrap(const QString &text, int width)
{
    return TExMenuItem::WrapText(text, QFontMetrics(QApplication::font()), width);
}

TEST(TExMenuItemWrap, KeepsAShortTextOnOneLine)
{
    EXPECT_EQ(wrap(QStringLiteral("CSV-Import"), 200), QStringList{QStringLiteral("CSV-Import")});
    EXPECT_EQ(wrap(QString(), 200), QStringList{QString()});
}

TEST(TExMenuItemWrap, BreaksAtBlanksWithinTheWidth)
{
    const QString text = QStringLiteral("Übersicht der Auktion die Übertragen werden müssen");
    int widestWord = 0;
    for (const QString &word : text.split(QLatin1Char(' ')))
        widestWord = qMax(widestWord, widthOf(word));
    for (int width : {widestWord, widestWord + 30, 140, 200}) {
        SCOPED_TRACE(width);
        const QStringList lines = wrap(text, width);
        EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
        for (const QString &line : lines)
            EXPECT_LE(widthOf(line), width) << line.toStdString();
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QString nextWord = lines.at(i + 1).section(QLatin1Char(' '), 0, 0);
            EXPECT_GT(widthOf(lines.at(i) + QLatin1Char(' ') + nextWord), width) << "line " << i << " could take more";
        }
    }
}

TEST(TExMenuItemWrap, ShortensAWordThatDoesNotFitOnItsOwn)
{
    const QString word = QStringLiteral("Donaudampfschifffahrtsgesellschaft");
    const int width = widthOf(QStringLiteral("Donaudampf..."));
    for (const QString &text : {word, QStringLiteral("Neu ") + word + QStringLiteral(" Ende")}) {
        SCOPED_TRACE(text.toStdString());
        const QStringList lines = wrap(text, width);
        const QString *shortened = nullptr;
        for (const QString &line : lines) {
            EXPECT_LE(widthOf(line), width) << line.toStdString();
            if (line.endsWith(QStringLiteral("...")))
                shortened = &line;
        }
        ASSERT_NE(shortened, nullptr);
        EXPECT_TRUE(word.startsWith(shortened->chopped(3)));
        EXPECT_GT(widthOf(word.left(shortened->size() - 2) + QStringLiteral("...")), width) << "cut no more than needed";
    }
}

TEST(TExMenuItemWrap, ANarrowWidthStillGivesAnEllipsis)
{
    EXPECT_EQ(wrap(QStringLiteral("Artikelstamm"), 1), QStringList{QStringLiteral("...")});
}

} // namespace
