#pragma once

#include <QString>
#include <functional>

class QWidget;

// Pictures of the registration window and of the multi-user management of a master
// account with two sub-accounts, in the program directory of the running program.
namespace AccountWindowShots {

using SaveFunction = std::function<bool(QWidget *window, const QString &name)>;

// False when a picture could not be saved. The login context is as before afterwards.
bool saveAll(const SaveFunction &save);

} // namespace AccountWindowShots
