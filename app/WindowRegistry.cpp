#include "app/WindowRegistry.h"

#include "ui/login/TForm2.h"

WindowRegistry::WindowRegistry(const QString &programDir)
{
    Form2 = new TForm2(programDir);
}

WindowRegistry::~WindowRegistry()
{
    delete Form2;
}
