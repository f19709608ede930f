#pragma once

#include <QString>
#include <atomic>

// Brings one picture of an imported row into the picture folder, 400 pixels high at
// most: a web or FTP address is downloaded, anything else is a local file. A picture
// that cannot be had leaves no file; the caller then stores the row without it.
class PictureImport {
public:
    enum class Source { None, Address, LocalFile };

    static constexpr int Height = 400;
    static constexpr qint64 MaxDownloadBytes = 20 * 1024 * 1024;

    // Relative local paths are taken relative to baseFolder (the CSV file's folder).
    // Downloads stop soon after cancelled becomes true.
    PictureImport(QString pictureFolder, QString baseFolder, const std::atomic<bool> *cancelled = nullptr);

    // An address only when it starts with "http://", "https://" or "ftp://", in any case.
    static Source kindOf(const QString &source);

    void setTimeouts(int connectMs, int stallMs);
    // True when the picture now lies in the picture folder under name. Never raises.
    bool ImportPicture(const QString &source, const QString &name) const;

private:
    bool download(const QString &url, const QString &target) const;
    bool scale(const QString &source, const QString &target) const;
    QString localPath(const QString &source) const;

    QString m_pictureFolder;
    QString m_baseFolder;
    const std::atomic<bool> *m_cancelled;
    int m_connectMs;
    int m_stallMs;
};
