#pragma once

#include <QString>
#include <functional>

class QWidget;

// A picture of the CSV import wizard with a loaded file and its assignments.
namespace CsvImportShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when the picture could not be saved.
bool saveAll(const SaveFunction &save);

} // namespace CsvImportShots
