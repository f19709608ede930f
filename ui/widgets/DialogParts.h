#pragma once

#include <QColor>
#include <QIcon>

class QWidget;

// Pieces that several dialogs share.
namespace DialogParts {

// The white panel at a dialog's left edge, with its name "Panel1".
QWidget *whiteSidePanel(QWidget *parent, int width);
// The picture of an account entry: a small figure in the given colour.
QIcon accountIcon(const QColor &colour);

} // namespace DialogParts
