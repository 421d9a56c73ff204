#include "ui/umgebung.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

namespace kabrolux::ui {

bool deutscheTexte(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    return true;
}

void keineEinstellungenBehalten() {
    static std::unique_ptr<QTemporaryDir> ordner;
    if (!ordner) ordner = std::make_unique<QTemporaryDir>();
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope b : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(f, b, ordner->path());
}

}  // namespace kabrolux::ui
