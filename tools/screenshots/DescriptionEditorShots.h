#pragma once

#include <QString>
#include <functional>

class QWidget;

// A picture of the description page with text formatted through its toolbar.
namespace DescriptionEditorShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when a picture could not be saved or the view did not show the formatted text.
bool saveAll(const SaveFunction &save, const QString &programDir);

} // namespace DescriptionEditorShots
