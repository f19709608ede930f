#pragma once

#include <QByteArray>
#include <QString>

class HttpClient;
class UpdateProgress;

// The version check and the download of a newer version from the update server. Only a
// file whose detached signature (the file's address + ".sig") verifies against the
// build's public key is ever kept under its name in the update folder; what it received
// is first written under a temporary name and then either moved into place whole or
// deleted.
class SoftwareUpdate {
public:
    enum class Outcome {
        // The program is current.
        Current,
        // A verified update file lies in the update folder (filePath).
        Ready,
        // The version check or the download failed.
        ConnectionFailed,
        // The server named a file that could reach outside the update folder.
        BadFileName,
        // The signature is missing or does not verify; nothing was kept.
        Unverified,
    };

    struct Result {
        Outcome outcome;
        QString filePath;
        // The transport's error text for ConnectionFailed, the file name for BadFileName.
        QString detail;
    };

    // programDir ends with "/"; houseName identifies the auction house at the update server.
    SoftwareUpdate(HttpClient &client, const QString &programDir, const QString &houseName, const QByteArray &publicKey);

    QString updateFolder() const;
    // Creates the update folder when it is missing; AppError with the folder's path when
    // it cannot be created.
    void ensureUpdateFolder() const;
    // Progress: 0 at the start, 30 after the version check, then 100 when current, 75 when
    // a verified file is ready, 10 on any failure.
    Result run(UpdateProgress &progress);

    static QString versionCheckUrl(const QString &houseName);
    QString updateFileUrl(const QString &fileName) const;

private:
    Result download(const QString &fileName);
    bool signatureVerifies(const QString &fileUrl, const QString &filePath);

    HttpClient &m_client;
    QString m_programDir;
    QString m_houseName;
    QByteArray m_publicKey;
};
