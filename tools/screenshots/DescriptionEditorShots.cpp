#include "tools/screenshots/DescriptionEditorShots.h"

#include "ui/editor/description/DescriptionEditor.h"
#include "ui/editor/description/DescriptionPage.h"
#include "ui/editor/description/EditingView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QThread>

namespace {

const QString SampleText = QStringLiteral(
    "<p>Porzellanvase aus den 60er Jahren</p>"
    "<p>Kobaltblau mit handgemaltem Goldrand, aus Privatbesitz.</p>"
    "<p>Höhe 24 cm</p><p>Durchmesser 12 cm</p><p>Keine Macken, keine Risse</p>"
    "<p>Versand gut verpackt als Paket.</p>");

bool waitFor(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(20000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

// Selects the paragraphs from first to last (counted from 0) in the editing view.
void selectParagraphs(DescriptionEditor &editor, int first, int last)
{
    editor.WebBrowser2->descriptionPage()->runOwnScript(
        QStringLiteral("(function() { var p = document.querySelectorAll('p'); var r = document.createRange();"
                       " r.setStartBefore(p[%1].firstChild); r.setEndAfter(p[%2].lastChild);"
                       " var s = window.getSelection(); s.removeAllRanges(); s.addRange(r); })();")
            .arg(first)
            .arg(last));
}

void choose(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text));
}

bool formatSample(DescriptionEditor &editor)
{
    selectParagraphs(editor, 0, 0);
    editor.Image4Click();
    choose(editor.TextSizeCombo, QStringLiteral("5"));
    editor.TextSizeComboChange();
    selectParagraphs(editor, 1, 1);
    choose(editor.TextColorCombo, QStringLiteral("Blau"));
    editor.TextColorComboChange();
    editor.Image6Click();
    selectParagraphs(editor, 2, 4);
    choose(editor.BlockFormatCombo, QStringLiteral("Aufzählung"));
    editor.BlockFormatComboChange();
    return waitFor([&editor] {
        const QString document = editor.viewDocument().value_or(QString());
        return document.contains(QLatin1String("<b>")) && document.contains(QLatin1String("#0000ff"))
            && document.contains(QLatin1String("<ul>"));
    });
}

bool showsText(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            if (qGray(image.pixel(x, y)) < 100)
                return true;
        }
    }
    return false;
}

// The view paints on its own schedule, and a grab right after an edit may still show the
// frame before it: wait for a picture with text that differs from the one before the
// edit, and for it to stay.
bool waitForPaint(QWidget *view, const QImage &before, QImage *painted)
{
    QImage previous;
    return waitFor([&] {
        const QImage current = view->grab().toImage();
        const bool settled = current == previous && current != before && showsText(current);
        previous = current;
        if (settled && painted)
            *painted = current;
        return settled;
    });
}

} // namespace

bool DescriptionEditorShots::saveAll(const SaveFunction &save, const QString &programDir)
{
    DescriptionEditor editor(programDir);
    editor.resize(820, 520);
    editor.show();
    editor.Beschreibung->setPlainText(SampleText);
    QImage plain;
    if (!editor.SyncDescription(true) || !waitForPaint(editor.WebBrowser2, QImage(), &plain) || !formatSample(editor))
        return false;
    editor.WebBrowser2->descriptionPage()->runOwnScript(QStringLiteral("window.getSelection().removeAllRanges();"));
    if (!waitForPaint(editor.WebBrowser2, plain, nullptr))
        return false;
    return save(&editor, QStringLiteral("editor-description"));
}
