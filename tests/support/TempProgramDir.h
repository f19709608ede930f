#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh, empty program directory for one test. The login context is reset and points
// at it, and the decimal separator is the system's again.
class TempProgramDir {
public:
    TempProgramDir();
    ~TempProgramDir();

    // The directory with one trailing "/", as ProgramDir holds it.
    QString path() const;
    QString file(const QString &name) const;
    // Writes a file in the directory (a broken database, a blocking file, an option file).
    void writeFile(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};
