#include "core/QtGermanTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const char *const TranslatorName = "QtGermanTexts";
} // namespace

bool QtGermanTexts::install()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    if (app->findChild<QTranslator *>(QLatin1String(TranslatorName), Qt::FindDirectChildrenOnly))
        return true;
    auto *translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(TranslatorName));
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
