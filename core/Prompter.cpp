#include "core/Prompter.h"

#include <QTextStream>

Prompter::~Prompter() = default;

namespace {

class StderrPrompter final : public Prompter {
public:
    void showMessage(const QString &text, const QString &title, Kind) override { write(title, text); }
    void showError(const QString &text) override { write(QStringLiteral("Fehler"), text); }
    bool askYesNo(const QString &text, const QString &title) override
    {
        write(title, text + QStringLiteral(" -> Nein"));
        return false;
    }
    std::optional<QString> askText(const QString &title, const QString &label, const QString &, bool) override
    {
        write(title, label + QStringLiteral(" -> abgebrochen"));
        return std::nullopt;
    }
    QString chooseOpenFile(const QString &title, const QString &, const QString &) override
    {
        write(title, QStringLiteral("Dateiauswahl abgebrochen"));
        return {};
    }
    bool openExternally(const QUrl &url) override
    {
        write(QStringLiteral("Öffnen"), url.toString());
        return false;
    }

private:
    static void write(const QString &title, const QString &text)
    {
        QTextStream(stderr) << title << ": " << text << Qt::endl;
    }
};

Prompter *installed = nullptr;

} // namespace

Prompter &prompter()
{
    static StderrPrompter fallback;
    return installed ? *installed : fallback;
}

void setPrompter(Prompter *p)
{
    installed = p;
}
