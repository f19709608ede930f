#include "exchange/PostPictures.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "store/Cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace {

HttpClient::FilePart picturePart(int position, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw HttpError(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path));
    return {"bild" + QByteArray::number(position), Cp1252::encode(QFileInfo(path).fileName()), "image/jpeg",
            file.readAll()};
}

QList<HttpClient::FilePart> pictureParts(const QStringList &files)
{
    QList<HttpClient::FilePart> parts;
    for (int i = 0; i < files.size(); ++i)
        parts.append(picturePart(i + 1, files.at(i)));
    return parts;
}

void removeFiles(const QStringList &files)
{
    for (const QString &path : files)
        QFile::remove(path);
}

} // namespace

PostReply PostPictures(HttpClient &client, const QString &url, const QStringList &files)
{
    client.setContentType("multipart/form-data");
    try {
        PostReply reply{true, client.postMultipart(url, pictureParts(files)), {}};
        removeFiles(files);
        return reply;
    } catch (const HttpError &error) {
        return {false, {}, ExchangeMessages::transferFailed(error.text())};
    }
}
