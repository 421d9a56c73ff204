#include "ui/umgebung.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "state/sicherungsdateien.h"

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

QString sicherungsordner() {
    return QFile::decodeName(
        kabrolux::sicherungsordner(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")).c_str());
}

}  // namespace kabrolux::ui
