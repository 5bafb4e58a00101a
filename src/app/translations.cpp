#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include <memory>

namespace gyro {

QTranslator* InstallQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

namespace {

// The translators SetInterfaceLanguage installed last, owned here.
struct Installed {
    std::unique_ptr<QTranslator> viewer;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

bool SetInterfaceLanguage(UiLanguage language) {
    Installed& installed = Current();
    Remove(installed.viewer);
    Remove(installed.qt);
    const QString code = QString::fromLatin1(LanguageCode(language));
    bool ok = true;
    if (language != UiLanguage::Japanese) {
        auto viewer = std::make_unique<QTranslator>();
        ok = viewer->load(QStringLiteral(":/i18n/gyrosolid_") + code + QStringLiteral(".qm")) &&
             QCoreApplication::installTranslator(viewer.get());
        if (ok) installed.viewer = std::move(viewer);
    }
    // Qt's own texts in the same language; without them Qt speaks English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get())) {
        installed.qt = std::move(qt);
    }
    return ok;
}

}  // namespace gyro
