#include "ui/editor/PictureSlots.h"

#include "store/JpegScaler.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"

#include <QFileInfo>

namespace {

bool inRange(int slot)
{
    return slot >= 1 && slot <= PictureSlots::Count;
}

} // namespace

QString PictureSlots::refusalToChoose(int slot) const
{
    if (slot == 2 && !occupied(1))
        return QStringLiteral("Bitte wähle ersteinmal das 1. Bild aus");
    if (slot == 3 && !occupied(2))
        return QStringLiteral("Bitte wähle ersteinmal das 1. bzw 2. Bild aus");
    return {};
}

QString PictureSlots::refusalToRemove(int slot) const
{
    if (slot == 1 && occupied(2))
        return QStringLiteral("Bitte lösche ersteinmal das 2. bzw 3. Bild!");
    if (slot == 2 && occupied(3))
        return QStringLiteral("Bitte lösche ersteinmal das 3. Bild!");
    return {};
}

void PictureSlots::set(int slot, const QString &path)
{
    if (inRange(slot))
        m_paths[static_cast<size_t>(slot - 1)] = path;
}

void PictureSlots::remove(int slot)
{
    set(slot, QString());
}

QString PictureSlots::path(int slot) const
{
    return inRange(slot) ? m_paths[static_cast<size_t>(slot - 1)] : QString();
}

bool PictureSlots::occupied(int slot) const
{
    return !path(slot).isEmpty();
}

bool PictureSlots::isJpegFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

QString PictureSlots::folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

QString PictureSlots::StorePicture(const QString &prefix, int slot, int listingId, const QString &usern,
                                   const QString &programDir) const
{
    if (!occupied(slot))
        return {};
    const QString name = PictureNames::editorPictureName(prefix, slot, listingId, usern);
    const PictureFolder folder(programDir);
    folder.ensureExists();
    JpegScaler::ScaleJpegToHeight(path(slot), folder.filePath(name), StoredHeight);
    return name;
}
