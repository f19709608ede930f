#pragma once

#include <QString>

class TForm2;

// The windows created at start-up, reachable by their form names. Only the login window
// is shown; it is the application's main window, and closing it ends the program.
class WindowRegistry {
public:
    explicit WindowRegistry(const QString &programDir);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    TForm2 *Form2 = nullptr;
};
