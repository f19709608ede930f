#include "app/CommandLine.h"

#include "core/ProgramInfo.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/UnattendedTransfer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

#include <optional>

#include <cstdio>

namespace CommandLine {

namespace {

void writeLine(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

struct Parsed {
    QCommandLineOption transfer{QStringLiteral("transfer"),
                                QStringLiteral("Übertragung ohne Fenster für das gespeicherte Konto BENUTZER."),
                                QStringLiteral("BENUTZER")};
    QCommandLineOption house{QStringLiteral("house"),
                             QStringLiteral("Auktionshaus (Nummer), wenn BENUTZER bei mehreren gespeichert ist."),
                             QStringLiteral("ID")};
    QCommandLineOption reloadAll{QStringLiteral("reload-all"),
                                 QStringLiteral("Alle Auktionen neu laden statt nur der geänderten.")};
    QCommandLineOption noUpload{QStringLiteral("no-upload"), QStringLiteral("Die Übertragungsliste nicht senden.")};
};

// The options of a transfer call; none (and a message) for a wrong call.
std::optional<UnattendedTransfer::Options> transferOptions(const QCommandLineParser &parser, const Parsed &o)
{
    if (!parser.positionalArguments().isEmpty()) {
        writeLine(QStringLiteral("Unbekanntes Argument: %1").arg(parser.positionalArguments().join(QLatin1Char(' '))));
        return std::nullopt;
    }
    if (!parser.isSet(o.transfer) || parser.value(o.transfer).trimmed().isEmpty()) {
        writeLine(QStringLiteral("--house, --reload-all und --no-upload gelten nur zusammen mit --transfer BENUTZER."));
        return std::nullopt;
    }
    UnattendedTransfer::Options options;
    options.user = parser.value(o.transfer).trimmed();
    if (parser.isSet(o.house)) {
        bool ok = false;
        const int house = parser.value(o.house).toInt(&ok);
        if (!ok) {
            writeLine(QStringLiteral("--house erwartet die Nummer eines Auktionshauses, nicht „%1“.")
                          .arg(parser.value(o.house)));
            return std::nullopt;
        }
        options.house = house;
    }
    options.reloadAll = parser.isSet(o.reloadAll);
    options.upload = !parser.isSet(o.noUpload);
    return options;
}

} // namespace

int run(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QString::fromLatin1(ProgramInfo::ApplicationTitle));
    app.setApplicationVersion(ProgramInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Veltrano: Auktionen vorbereiten und mit dem Auktionshaus abgleichen. "
                                                    "Ohne Argumente startet das Programm mit seinen Fenstern."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Parsed o;
    parser.addOptions({o.transfer, o.house, o.reloadAll, o.noUpload});
    if (!parser.parse(app.arguments())) {
        writeLine(parser.errorText());
        return UnattendedTransfer::WrongCall;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    const std::optional<UnattendedTransfer::Options> options = transferOptions(parser, o);
    if (!options)
        return UnattendedTransfer::WrongCall;

    // The demo and the tests point the version check at their own server.
    const QString updateServer = qEnvironmentVariable("VELTRANO_UPDATE_SERVER_URL");
    if (!updateServer.isEmpty())
        ProgramInfo::overrideUpdateServerUrl(updateServer);
    const QString programDir = ProgramInfo::resolveProgramDir(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    PictureDownloadPool pictures;
    PictureDownloadPool::setShared(&pictures);
    UnattendedTransfer transfer(programDir, pictures, writeLine);
    const int result = transfer.run(*options);
    PictureDownloadPool::setShared(nullptr);
    return result;
}

} // namespace CommandLine
