#pragma once

#include <QApplication>

// The application object. An error that escapes an event handler never crosses the
// event loop: it stops that handler and appears in the standard error box.
class VeltranoApplication : public QApplication {
public:
    VeltranoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
