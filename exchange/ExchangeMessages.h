#pragma once

#include <QString>

// The messages the steps of a transfer run share.
namespace ExchangeMessages {

// What the seller sees when the server cannot be reached.
QString noConnection();
// A message box with the error icon.
void showError(const QString &text);

} // namespace ExchangeMessages
