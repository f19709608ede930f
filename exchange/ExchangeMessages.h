#pragma once

#include <QString>

// The messages the steps of a transfer run share.
namespace ExchangeMessages {

// What the seller sees when the server cannot be reached.
QString noConnection();
// The last message of a run.
QString transferCompleted();
QString newVersion();
// A POST that failed, with the transport's error text.
QString transferFailed(const QString &errorText);

} // namespace ExchangeMessages
