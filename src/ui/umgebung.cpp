#include "ui/umgebung.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "state/sicherungsdateien.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

Sprache spracheAus(const QStringList& uiSprachen) {
    if (uiSprachen.isEmpty()) return Sprache::deutsch;
    const QString erste = uiSprachen.constFirst();
    // "C" and "POSIX" name no language; QLocale would read them as English.
    if (erste.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
        erste.startsWith(QLatin1String("C."), Qt::CaseInsensitive) ||
        erste.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0)
        return Sprache::deutsch;
    return QLocale(erste).language() == QLocale::English ? Sprache::englisch : Sprache::deutsch;
}

Sprache spracheDesDesktops() {
    // The system's, not the default locale: the game sets that itself.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C && qEnvironmentVariableIsEmpty("LANGUAGE"))
        return Sprache::deutsch;
    return spracheAus(system.uiLanguages());
}

std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel) {
    if (kuerzel == QLatin1String("de")) return Sprache::deutsch;
    if (kuerzel == QLatin1String("en")) return Sprache::englisch;
    return std::nullopt;
}

namespace {

// The translators in use, replaced when the language is set anew.
std::unique_ptr<QTranslator> spielUebersetzung, qtUebersetzung;

std::unique_ptr<QTranslator> laden(const QString& datei, const QString& ordner = {}) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(datei, ordner)) return nullptr;
    QCoreApplication::installTranslator(t.get());
    return t;
}

}  // namespace

bool spracheEinrichten(Sprache sprache) {
    for (auto* t : {&spielUebersetzung, &qtUebersetzung}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    bool geladen = true;
    if (sprache == Sprache::deutsch) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        qtUebersetzung =
            laden(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        geladen = qtUebersetzung != nullptr;
    } else {
        const QLocale system = QLocale::system();
        QLocale::setDefault(system.language() == QLocale::English
                                ? system
                                : QLocale(QLocale::English, QLocale::UnitedStates));
        spielUebersetzung = laden(QStringLiteral(":/i18n/kabrolux_en.qm"));
        geladen = spielUebersetzung != nullptr;
    }
    spracheGewechselt();
    return geladen;
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
