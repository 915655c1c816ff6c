// Qt's translation of its own texts.
#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace wallui {

bool InstallQtTranslations(QCoreApplication& app) {
    static const char kName[] = "wallui-qtbase-zh_CN";
    if (app.findChild<QTranslator*>(kName, Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kName);
    if (!translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace wallui
