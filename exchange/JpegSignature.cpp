#include "exchange/JpegSignature.h"

#include <QFile>

bool startsLikeJpeg(const QByteArray &head)
{
    return head.startsWith(QByteArrayLiteral("\xFF\xD8\xFF"));
}

bool fileStartsLikeJpeg(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && startsLikeJpeg(file.read(3));
}
