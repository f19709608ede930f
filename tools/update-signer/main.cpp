// update-signer: makes a key pair for signing update files and signs them.
//
//   update-signer keygen SECRET_FILE      writes a new secret key, prints its public key
//   update-signer public SECRET_FILE      prints the public key of a secret key
//   update-signer sign SECRET_FILE FILE   writes FILE.sig, the detached signature of FILE
//   update-signer sign --demo FILE        signs with the demo's published key

#include "tools/update-signer/UpdateSigner.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <stdexcept>

namespace {

const char *const Usage =
    "usage: update-signer keygen SECRET_FILE\n"
    "       update-signer public SECRET_FILE\n"
    "       update-signer sign SECRET_FILE|--demo FILE\n";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    file.setPermissions(permissions);
}

UpdateSigner signerOf(const QString &secretFile)
{
    if (secretFile == QLatin1String("--demo"))
        return UpdateSigner::demo();
    return UpdateSigner::fromSeedHex(QString::fromLatin1(readFile(secretFile)));
}

int run(const QStringList &args)
{
    if (args.size() == 2 && args[0] == QLatin1String("keygen")) {
        if (QFile::exists(args[1]))
            throw std::runtime_error(args[1].toStdString() + " exists already; not overwritten");
        const UpdateSigner signer = UpdateSigner::generate();
        writeFile(args[1], signer.seedHex().toLatin1() + '\n', QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        std::printf("%s\n", qPrintable(signer.publicKeyHex()));
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("public")) {
        std::printf("%s\n", qPrintable(signerOf(args[1]).publicKeyHex()));
        return 0;
    }
    if (args.size() == 3 && args[0] == QLatin1String("sign")) {
        const QByteArray signature = signerOf(args[1]).sign(readFile(args[2]));
        writeFile(args[2] + QStringLiteral(".sig"), signature,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "update-signer: %s\n", e.what());
        return 1;
    }
}
