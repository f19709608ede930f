#include "tests/support/TempProgramDir.h"

#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"

#include <QFile>
#include <stdexcept>

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

void TempProgramDir::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile out(file(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the test file " + name.toStdString());
}
