#include "store/PictureFolder.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/PictureNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PictureFolder::PictureFolder(QString programDir)
    : m_programDir(ProgramInfo::withTrailingSeparator(programDir.isEmpty() ? loginContext().ProgramDir : programDir))
{
}

QString PictureFolder::folderPath() const
{
    return m_programDir + QStringLiteral("pictures");
}

QString PictureFolder::filePath(const QString &name) const
{
    return folderPath() + QLatin1Char('/') + name;
}

bool PictureFolder::contains(const QString &name) const
{
    return QFileInfo(filePath(name)).isFile();
}

void PictureFolder::ensureExists() const
{
    const QString path = folderPath();
    if (QFileInfo(path).isDir())
        return;
    if (!QDir().mkpath(path))
        throw AppError(path);
}

void PictureFolder::removeQuietly(const QStringList &values) const
{
    for (const QString &value : values) {
        if (PictureNames::isPictureName(value) && PictureNames::isSafeServerName(value))
            QFile::remove(filePath(value));
    }
}
