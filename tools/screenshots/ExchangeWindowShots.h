#pragma once

#include <QString>
#include <functional>

class QWidget;

// Pictures of the exchange window in the middle of a run, of the settings dialog and of
// the software update during its check.
namespace ExchangeWindowShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when a picture could not be saved.
bool saveAll(const SaveFunction &save);

} // namespace ExchangeWindowShots
