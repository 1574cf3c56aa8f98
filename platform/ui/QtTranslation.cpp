#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

QTranslator* QtJapaneseLoad(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // "qt_ja" takes in qtbase_ja and the other modules' files.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"),
                          QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace platform
