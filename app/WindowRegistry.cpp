#include "app/WindowRegistry.h"

#include "ui/accounts/TForm2.h"
#include "ui/main/TForm1.h"

WindowRegistry::WindowRegistry(const QString &programDir)
{
    Form2 = new TForm2(programDir);
    // Owned by the login window, like every main window, and destroyed with it.
    Form1 = new TForm1(Form2);
}

WindowRegistry::~WindowRegistry()
{
    delete Form2;
}
