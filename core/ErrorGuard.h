#pragma once

#include <QString>
#include <functional>

// Runs an action; an error it does not handle stops the action and its text appears in
// the standard error box. Returns false when the action failed that way.
bool runGuarded(const std::function<void()> &action);

// The text the standard error box shows for the current exception (call inside a catch).
QString currentErrorText();
