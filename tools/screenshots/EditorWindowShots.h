#pragma once

#include <QString>
#include <functional>

class QWidget;

// Pictures of every page of the listing editor for three auction houses whose
// capabilities differ, on the demo server's master data.
namespace EditorWindowShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when a picture could not be saved or the master data could not be loaded.
bool saveAll(const SaveFunction &save);

} // namespace EditorWindowShots
