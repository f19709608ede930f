#include "tests/support/TempProgramDir.h"

#include "app/LoginContext.h"
#include "app/ProcessLocale.h"
#include "app/ProgramInfo.h"

TempProgramDir::TempProgramDir()
{
    resetLoginContext();
    ProcessLocale::resetToSystem();
    loginContext().ProgramDir = path();
}

TempProgramDir::~TempProgramDir()
{
    resetLoginContext();
    ProcessLocale::resetToSystem();
}

QString TempProgramDir::path() const
{
    return ProgramInfo::withTrailingSeparator(m_dir.path());
}

QString TempProgramDir::file(const QString &name) const
{
    return path() + name;
}
