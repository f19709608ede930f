#pragma once

#include <QString>

class TForm2;

// The windows created at start-up, reachable by their form names: only the login window.
// It is the application's main window, and closing it ends the program. The main window
// the seller works with is a new one for each login, owned by the login window.
class WindowRegistry {
public:
    explicit WindowRegistry(const QString &programDir);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    TForm2 *Form2 = nullptr;
};
