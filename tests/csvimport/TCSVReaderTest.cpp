#include "core/AppError.h"
#include "csvimport/TCSVReader.h"

#include <QBuffer>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Lines = QList<QStringList>;

// Every line the reader yields until Eof, a line without fields as an empty list.
Lines readAll(const QByteArray &content, char separator = ';')
{
    TCSVReader reader(content, separator);
    Lines lines;
    for (reader.ReadLine(); !reader.Eof(); reader.ReadLine()) {
        QStringList fields;
        for (int i = 0; i < reader.FieldCount(); ++i)
            fields.append(reader.GetField(i));
        lines.append(fields);
    }
    return lines;
}

struct ReaderCase {
    const char *name;
    QByteArray content;
    Lines expected;
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(TCSVReader, SplitsLinesAndDecodesFields)
{
    const ReaderCase cases[] = {
        {"CR LF lines end with an empty line", "a;b;c\r\n1;\"x;y\";3\r\n",
         {{"a", "b", "c"}, {"1", "x;y", "3"}, {}}},
        {"without the final line break", "a;b;c\r\n1;\"x;y\";3", {{"a", "b", "c"}, {"1", "x;y", "3"}}},
        {"doubled quotes become one", "\"ab\"\"cd\"\"\"", {{"ab\"cd\""}}},
        {"first and last byte of a quoted field go", "\"abc\"def", {{"abc\"de"}}},
        {"a trailing separator gives an empty field", "a;", {{"a", ""}}},
        {"an empty line has no field", "a\r\n\r\nb", {{"a"}, {}, {"b"}}},
        {"a quoted line break stays in the field", "\"x\r\ny\";z\r\nq", {{"x\r\ny", "z"}, {"q"}}},
        {"a quote inside a field is an ordinary byte", "x\"y\"", {{"x\"y\""}}},
        {"an empty file", "", {{}}},
        {"LF alone ends a line", "a;b\nc;d\n", {{"a", "b"}, {"c", "d"}, {}}},
        {"CR alone ends a line", "a;b\rc;d", {{"a", "b"}, {"c", "d"}}},
        {"a last CR stays inside the buffer", "a\r", {{"a"}, {}}},
        {"mixed line ends", "a\r\nb\nc\rd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"an unclosed quote runs to the end", "a;b\r\n\"open;x\r\ny", {{"a", "b"}, {"open;x\r\ny"}}},
        {"a lone quote at the end", "a\r\n\"", {{"a"}, {""}}},
        {"an empty quoted field", "\"\";x", {{"", "x"}}},
    };
    for (const ReaderCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(c.content), c.expected);
    }
}

TEST(TCSVReader, ReadingPastEofFails)
{
    TCSVReader reader(QByteArray("a;b"), ';');
    reader.ReadLine();
    EXPECT_FALSE(reader.Eof());
    EXPECT_EQ(reader.FieldCount(), 2);
    reader.ReadLine();
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ(reader.FieldCount(), 0);
    try {
        reader.ReadLine();
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), QStringLiteral("Try to read past eof"));
    }
    reader.Reset();
    reader.ReadLine();
    EXPECT_EQ(reader.GetField(1), QStringLiteral("b"));
}

TEST(TCSVReader, FieldArrayGrowsBeyondItsFirstCapacity)
{
    QByteArray line;
    for (int i = 0; i < 250; ++i)
        line += QByteArray::number(i) + ';';
    TCSVReader reader(line, ';');
    reader.ReadLine();
    ASSERT_EQ(reader.FieldCount(), 251);
    EXPECT_EQ(reader.GetField(0), QStringLiteral("0"));
    EXPECT_EQ(reader.GetField(249), QStringLiteral("249"));
    EXPECT_EQ(reader.GetField(250), QString());
}

TEST(TCSVReader, ReadsUtf8WithOrWithoutByteOrderMarkAndOtherwiseWindows1252)
{
    const struct {
        const char *name;
        QByteArray content;
        bool utf8;
    } cases[] = {
        {"UTF-8", "Größe;Preis", true},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFGröße;Preis", true},
        {"Windows-1252", "Gr\xF6\xDF" "e;Preis", false},
        {"Windows-1252 after a byte-order mark", "\xEF\xBB\xBFGr\xF6\xDF" "e;Preis", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TCSVReader reader(c.content, ';');
        EXPECT_EQ(reader.isUtf8(), c.utf8);
        reader.ReadLine();
        ASSERT_EQ(reader.FieldCount(), 2);
        EXPECT_EQ(reader.GetField(0), text("Größe"));
    }
    TCSVReader euro(QByteArray("\x80 5"), ';');
    euro.ReadLine();
    EXPECT_EQ(euro.GetField(0), text("€ 5"));
}

TEST(TCSVReader, TabAndTheSystemListSeparator)
{
    EXPECT_EQ(readAll("a\tb;c", '\t'), (Lines{{"a", "b;c"}}));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(readAll("a;b,c", '\0'), (Lines{{"a", "b,c"}}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(readAll("a;b,c", '\0'), (Lines{{"a;b", "c"}}));
    QLocale::setDefault(saved);
}

TEST(TCSVReader, ReadsAStreamAndCountsLinesOfTheFile)
{
    QByteArray content("kopf\r\n\"zwei\nzeilen\";x\r\ndrei\n");
    QBuffer stream(&content);
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    TCSVReader reader(stream, ';');
    QList<int> lineNumbers;
    for (reader.ReadLine(); !reader.Eof(); reader.ReadLine()) {
        if (reader.FieldCount() > 0)
            lineNumbers.append(reader.LineNumber());
    }
    EXPECT_EQ(lineNumbers, (QList<int>{1, 2, 4}));
}
