#pragma once

#include <QString>
#include <QStringList>

// The folder "pictures" in the program directory, where every listing picture lives.
class PictureFolder {
public:
    // Uses the login context's program directory unless another is given.
    explicit PictureFolder(QString programDir = {});

    // ProgramDir + "pictures"
    QString folderPath() const;
    // ProgramDir + "pictures/" + name
    QString filePath(const QString &name) const;
    bool contains(const QString &name) const;
    // Creates the folder when it is missing; raises AppError with the folder's path when it cannot.
    void ensureExists() const;
    // Removes the pictures named by the values that name one; failures are ignored.
    void removeQuietly(const QStringList &values) const;

private:
    QString m_programDir;
};
