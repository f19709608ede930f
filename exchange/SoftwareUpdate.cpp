#include "exchange/SoftwareUpdate.h"

#include "core/AppError.h"
#include "core/ProgramInfo.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "exchange/UpdateProgress.h"
#include "exchange/UpdateSignature.h"
#include "exchange/UrlEncode.h"
#include "store/Cp1252.h"
#include "store/PictureNames.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces target in one step, so an earlier copy stays until the new one is complete.
bool moveIntoPlace(const QString &from, const QString &target)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) == 0;
}

} // namespace

SoftwareUpdate::SoftwareUpdate(HttpClient &client, const QString &programDir, const QString &houseName,
                               const QByteArray &publicKey)
    : m_client(client), m_programDir(programDir), m_houseName(houseName), m_publicKey(publicKey)
{
}

QString SoftwareUpdate::updateFolder() const
{
    return m_programDir + QStringLiteral("update");
}

void SoftwareUpdate::ensureUpdateFolder() const
{
    const QString folder = updateFolder();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw AppError(folder);
}

QString SoftwareUpdate::versionCheckUrl(const QString &houseName)
{
    return ProgramInfo::updateServerUrl() + QStringLiteral("/veltrano/version_check.php?soft=") + UrlEncode(houseName)
        + QStringLiteral("&version=") + ProgramInfo::version();
}

QString SoftwareUpdate::updateFileUrl(const QString &fileName) const
{
    return ProgramInfo::updateServerUrl() + QStringLiteral("/veltrano/") + UrlEncode(m_houseName) + QLatin1Char('/')
        + UrlEncode(fileName);
}

SoftwareUpdate::Result SoftwareUpdate::run(UpdateProgress &progress)
{
    progress.setUpdateProgress(0);
    QString reply;
    try {
        reply = Cp1252::decode(m_client.get(versionCheckUrl(m_houseName))).trimmed();
    } catch (const HttpError &error) {
        progress.setUpdateProgress(10);
        return {Outcome::ConnectionFailed, {}, error.text()};
    }
    progress.setUpdateProgress(30);
    if (reply == QLatin1String("0")) {
        progress.setUpdateProgress(100);
        return {Outcome::Current, {}, {}};
    }
    const Result result = download(reply);
    progress.setUpdateProgress(result.outcome == Outcome::Ready ? 75 : 10);
    return result;
}

SoftwareUpdate::Result SoftwareUpdate::download(const QString &fileName)
{
    if (!PictureNames::isSafeServerName(fileName))
        return {Outcome::BadFileName, {}, fileName};
    if (!QDir().mkpath(updateFolder()))
        return {Outcome::ConnectionFailed, {}, updateFolder()};
    const QString target = updateFolder() + QLatin1Char('/') + fileName;
    const QString received = updateFolder() + QStringLiteral("/.") + fileName + QStringLiteral(".unverified");
    const QString url = updateFileUrl(fileName);
    try {
        m_client.download(url, received);
    } catch (const HttpError &error) {
        QFile::remove(received);
        return {Outcome::ConnectionFailed, {}, error.text()};
    }
    if (!signatureVerifies(url, received)) {
        QFile::remove(received);
        return {Outcome::Unverified, {}, {}};
    }
    if (!moveIntoPlace(received, target)) {
        QFile::remove(received);
        return {Outcome::ConnectionFailed, {}, target};
    }
    return {Outcome::Ready, target, {}};
}

bool SoftwareUpdate::signatureVerifies(const QString &fileUrl, const QString &filePath)
{
    QByteArray signature;
    try {
        signature = m_client.get(fileUrl + QStringLiteral(".sig"));
    } catch (const HttpError &) {
        return false;
    }
    return UpdateSignature::verify(readWhole(filePath), signature, m_publicKey);
}
