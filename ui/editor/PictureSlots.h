#pragma once

#include <QString>
#include <array>

// The three picture slots of a listing. A slot holds the full path of its picture file;
// slots are filled in order, so slot 2 only while slot 1 is, slot 3 only while slot 2 is.
class PictureSlots {
public:
    static constexpr int Count = 3;
    static constexpr int StoredHeight = 400;

    // The message that forbids choosing a picture for the slot (1 to 3); empty when allowed.
    QString refusalToChoose(int slot) const;
    // The message that forbids emptying the slot; empty when allowed.
    QString refusalToRemove(int slot) const;

    void set(int slot, const QString &path);
    void remove(int slot);
    QString path(int slot) const;
    bool occupied(int slot) const;
    // "Keine Bilder vorhanden" stands while the first slot is empty.
    bool noPicturesNote() const { return !occupied(1); }

    // Only JPEG files are taken, by dialog or by drop.
    static bool isJpegFile(const QString &path);
    // The folder part of a chosen file with its trailing "/", where the next dialog starts.
    static QString folderOf(const QString &path);

    // Writes the picture of a slot scaled to at most 400 pixels high into the program's
    // picture folder and returns its name; an empty slot gives an empty name. Raises
    // AppError when the picture cannot be read or written.
    QString StorePicture(const QString &prefix, int slot, int listingId, const QString &usern,
                         const QString &programDir) const;

private:
    std::array<QString, Count> m_paths;
};
