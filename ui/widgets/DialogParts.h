#pragma once

#include <QColor>
#include <QIcon>

class QLabel;
class QString;
class QWidget;

// Pieces that several dialogs share.
namespace DialogParts {

// The white panel at a dialog's left edge, with its name "Panel1".
QWidget *whiteSidePanel(QWidget *parent, int width);
// A word-wrapping label with its form name, bold where asked.
QLabel *namedLabel(const QString &text, QWidget *parent, const char *name, bool bold = false);
// The picture of an account entry: a small figure in the given colour.
QIcon accountIcon(const QColor &colour);

} // namespace DialogParts
