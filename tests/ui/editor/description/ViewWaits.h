#pragma once

#include <QString>
#include <QVariant>
#include <functional>

class QWebEnginePage;

// Waiting on the web views of the description without sleeping: each wait ends at its
// event or at a deadline.
namespace ViewWaits {

inline constexpr int DeadlineMs = 20000;

// Polls the condition, letting the views work in between; false when the deadline passed.
bool until(const std::function<bool()> &condition, int deadlineMs = DeadlineMs);
// The result of one of the program's scripts on the page's document.
QVariant scriptResult(QWebEnginePage *page, const QString &script);
// The page's whole document, serialised.
QString document(QWebEnginePage *page);
// Loads finish: the page has finished its current load.
bool loaded(QWebEnginePage *page);

} // namespace ViewWaits
