#include "store/PictureNames.h"

namespace PictureNames {

namespace {
constexpr int FolderSlashPosition = 6; // "abcdef/picture.jpg"

QString fileNameSafe(const QString &text)
{
    QString result = text;
    for (QChar &ch : result) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':') || ch.unicode() < 0x20)
            ch = QLatin1Char('_');
    }
    return result;
}
} // namespace

bool isPictureName(const QString &value)
{
    return value != QLatin1String("0") && value.size() >= 3;
}

QString editorPictureName(const QString &prefix, int slot, int number, const QString &usern)
{
    QString name = prefix + QString::number(slot) + QLatin1Char('_') + QString::number(number) + QLatin1Char('_')
        + fileNameSafe(usern) + QStringLiteral(".jpg");
    // ".." in an account name must not let the name climb out of the folder.
    name.replace(QLatin1String(".."), QLatin1String("__"));
    return name;
}

QString csvPictureName(int number, int slot)
{
    return QStringLiteral("save_%1_%2.jpg").arg(number).arg(slot);
}

bool isSafeServerName(const QString &name, int allowedSlashPosition)
{
    if (name.isEmpty() || name.contains(QLatin1String("..")) || name.contains(QLatin1Char('\\'))
        || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('~')))
        return false;
    for (int i = 0; i < name.size(); ++i) {
        if (name.at(i).unicode() < 0x20)
            return false;
        if (name.at(i) == QLatin1Char('/') && i != allowedSlashPosition)
            return false;
    }
    return true;
}

std::optional<QString> downloadedPictureName(const QString &received, int typ)
{
    if (typ == 1) {
        if (!isSafeServerName(received, FolderSlashPosition) || received.size() <= FolderSlashPosition + 1)
            return std::nullopt;
        QString local = received;
        local.remove(FolderSlashPosition, 1);
        return local;
    }
    if (!isSafeServerName(received))
        return std::nullopt;
    return received;
}

} // namespace PictureNames
