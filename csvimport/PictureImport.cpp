#include "csvimport/PictureImport.h"

#include "core/AppError.h"
#include "exchange/HttpClient.h"
#include "exchange/PictureDownloadPool.h"
#include "store/JpegScaler.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

bool looksLikeJpeg(const QByteArray &bytes)
{
    return bytes.size() > 3 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

} // namespace

PictureImport::PictureImport(QString pictureFolder, QString baseFolder, const std::atomic<bool> *cancelled)
    : m_pictureFolder(std::move(pictureFolder)), m_baseFolder(std::move(baseFolder)), m_cancelled(cancelled),
      m_connectMs(PictureDownloadPool::DefaultConnectTimeoutMs), m_stallMs(PictureDownloadPool::DefaultStallTimeoutMs)
{
}

PictureImport::Source PictureImport::kindOf(const QString &source)
{
    if (source.trimmed().isEmpty())
        return Source::None;
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        if (source.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return Source::Address;
    }
    return Source::LocalFile;
}

void PictureImport::setTimeouts(int connectMs, int stallMs)
{
    m_connectMs = connectMs;
    m_stallMs = stallMs;
}

bool PictureImport::ImportPicture(const QString &source, const QString &name) const
{
    const QString target = QDir(m_pictureFolder).filePath(name);
    switch (kindOf(source)) {
    case Source::None:
        return false;
    case Source::Address:
        return download(source.trimmed(), target);
    case Source::LocalFile:
        return scale(localPath(source), target);
    }
    return false;
}

QString PictureImport::localPath(const QString &source) const
{
    if (source.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return QUrl(source).toLocalFile();
    return QDir(m_baseFolder).absoluteFilePath(source);
}

bool PictureImport::scale(const QString &source, const QString &target) const
{
    try {
        JpegScaler::ScaleJpegToHeight(source, target, Height);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool PictureImport::download(const QString &url, const QString &target) const
{
    // The reply is kept in memory up to its limit and only a whole JPEG picture reaches
    // the disk, under a temporary name that the scaled copy replaces.
    const QString partPath = target + QStringLiteral(".download");
    try {
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        client.setAllowedProtocols("http,https,ftp");
        client.setFollowRedirects(true);
        client.setConnectTimeout(m_connectMs);
        client.setStallTimeout(m_stallMs);
        client.setProgressHook([this](qint64 received, qint64 expected) {
            if (received > MaxDownloadBytes || expected > MaxDownloadBytes)
                throw AppError(QStringLiteral("Das Bild ist größer als 20 MB."));
            if (m_cancelled && m_cancelled->load())
                throw AppError(QStringLiteral("Abgebrochen"));
        });
        const QByteArray bytes = client.get(url);
        if (bytes.size() > MaxDownloadBytes || !looksLikeJpeg(bytes))
            return false;
        QFile part(partPath);
        if (!part.open(QIODevice::WriteOnly) || part.write(bytes) != bytes.size() || !part.flush()) {
            part.remove();
            return false;
        }
        part.close();
        const bool scaled = scale(partPath, target);
        QFile::remove(partPath);
        return scaled;
    } catch (const std::exception &) {
        QFile::remove(partPath);
        return false;
    }
}
