#pragma once

#include <QString>
#include <functional>

class QWidget;

// Pictures of the exchange window in the middle of a run and of the settings dialog.
namespace ExchangeWindowShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when a picture could not be saved.
bool saveAll(const SaveFunction &save);

} // namespace ExchangeWindowShots
