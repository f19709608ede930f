#include "core/ProgramInfo.h"

#include <QDir>
#include <QFileInfo>

#ifndef VELTRANO_DEFAULT_SERVER_URL
#define VELTRANO_DEFAULT_SERVER_URL "http://127.0.0.1:8411"
#endif
#ifndef VELTRANO_UPDATE_SERVER_URL
#define VELTRANO_UPDATE_SERVER_URL VELTRANO_DEFAULT_SERVER_URL
#endif
#ifndef VELTRANO_UPDATE_PUBLIC_KEY
#error "the build sets VELTRANO_UPDATE_PUBLIC_KEY"
#endif

namespace ProgramInfo {

QString version()
{
    return QString::fromLatin1(Version);
}

QString defaultServerUrl()
{
    return QStringLiteral(VELTRANO_DEFAULT_SERVER_URL);
}

namespace {
QString &updateServerOverride()
{
    static QString url;
    return url;
}
} // namespace

QString updateServerUrl()
{
    const QString &overridden = updateServerOverride();
    return overridden.isEmpty() ? QStringLiteral(VELTRANO_UPDATE_SERVER_URL) : overridden;
}

void overrideUpdateServerUrl(const QString &url)
{
    updateServerOverride() = url;
}

QString updatePublicKeyHex()
{
    return QStringLiteral(VELTRANO_UPDATE_PUBLIC_KEY);
}

QString withTrailingSeparator(const QString &dir)
{
    QString path = QDir::fromNativeSeparators(dir);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString resolveProgramDir(const QString &executableDir, const QString &fallbackDir)
{
    const QFileInfo info(executableDir);
    if (info.isDir() && info.isWritable())
        return withTrailingSeparator(info.absoluteFilePath());
    QDir().mkpath(fallbackDir);
    return withTrailingSeparator(QFileInfo(fallbackDir).absoluteFilePath());
}

} // namespace ProgramInfo
