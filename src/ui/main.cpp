#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <utility>

#include "sim/zufall.h"
#include "state/speicherdatei.h"
#include "ui/autosicherung.h"
#include "ui/basis/erstesbild.h"
#include "ui/basis/jpegbild.h"
#include "ui/basis/signalwaechter.h"
#include "ui/hauptform.h"
#include "ui/programm.h"
#include "ui/umgebung.h"

namespace {

// Options the application object reads itself; accepted here, and not listed in the help.
void qtOptionenZulassen(QCommandLineParser& p) {
    for (const char* mitWert :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
          "stylesheet", "session", "geometry", "qwindowgeometry", "qwindowtitle", "qwindowicon",
          "dialogs", "fontengine"}) {
        QCommandLineOption o(QString::fromLatin1(mitWert), QString(), QStringLiteral("wert"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
    for (const char* schalter : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption o(QString::fromLatin1(schalter));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
}

struct Aufruf {
    int ende = -1;  // exit code when the program ends right away
    QString datei;
    std::optional<kabrolux::ui::Sprache> sprache;  // named with --sprache
};

// The language named with --sprache (or -sprache, as Qt's options may be written), looked for
// before the help is made, so the help is in it too.
std::optional<QString> genannteSprache(const QStringList& argumente) {
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        for (const QLatin1String name : {QLatin1String("--sprache"), QLatin1String("-sprache")}) {
            if (a == name && i + 1 < argumente.size()) return argumente[i + 1];
            if (a.startsWith(name + QLatin1Char('='))) return a.mid(name.size() + 1);
        }
    }
    return std::nullopt;
}

// The command line is read before any window system is touched, so --help and --version work
// in a terminal without a display.
Aufruf befehlszeileLesen(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kabrolux"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KABROLUX_VERSION));
    Aufruf a;
    const std::optional<QString> genannt = genannteSprache(QCoreApplication::arguments());
    if (genannt) a.sprache = kabrolux::ui::spracheAusKuerzel(*genannt);
    kabrolux::ui::spracheEinrichten(a.sprache.value_or(kabrolux::ui::spracheDesDesktops()));

    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate(
        "Befehlszeile", "Kabrolux – eine Wirtschaftssimulation: Sie führen ein Taxiunternehmen."));
    // Qt's own options (-platform offscreen, -style ...) are taken as single-dash words and left
    // to the application object.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("Befehlszeile", "Zeigt diese Hilfe an."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("Befehlszeile", "Zeigt die Versionsnummer an."));
    const QCommandLineOption sprache(
        QStringLiteral("sprache"),
        QCoreApplication::translate("Befehlszeile",
                                    "Spielt auf Deutsch (de) oder Englisch (en), statt in der "
                                    "Sprache des Desktops."),
        QStringLiteral("de|en"));
    p.addOption(hilfe);
    p.addOption(version);
    p.addOption(sprache);
    qtOptionenZulassen(p);
    const QString datei = QCoreApplication::translate("Befehlszeile", "DATEI.kbs");
    p.addPositionalArgument(
        datei,
        QCoreApplication::translate("Befehlszeile",
                                    "Ein gespeicherter Spielstand, der beim Start geladen wird."),
        QLatin1Char('[') + datei + QLatin1Char(']'));
    const bool gelesen = p.parse(QCoreApplication::arguments());
    if (!gelesen || p.positionalArguments().size() > 1 || (genannt && !a.sprache)) {
        const QString fehler =
            p.positionalArguments().size() > 1
                ? QCoreApplication::translate("Befehlszeile",
                                              "Es kann nur ein Spielstand geladen werden.")
            : !gelesen
                ? p.errorText()
                : QCoreApplication::translate("Befehlszeile", "Unbekannte Sprache: %1 (de oder en)")
                      .arg(*genannt);
        std::fprintf(stderr, "kabrolux: %s\n", qPrintable(fehler));
        a.ende = 2;
    } else if (p.isSet(hilfe)) {
        std::fputs(qPrintable(p.helpText()), stdout);
        a.ende = 0;
    } else if (p.isSet(version)) {
        std::printf("Kabrolux %s\n", KABROLUX_VERSION);
        a.ende = 0;
    } else if (!p.positionalArguments().isEmpty()) {
        a.datei = p.positionalArguments().constFirst();
    }
    return a;
}

// The window icon, read as the PNG it is: probing its format would load image plugins.
QIcon fenstersymbol() {
    return QIcon(
        QPixmap::fromImage(QImage(bilderOrdner() + QStringLiteral("kabrolux.png"), "PNG")));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Without arguments there is nothing to read, and the start saves an application object.
    const Aufruf aufruf = argc > 1 ? befehlszeileLesen(argc, argv) : Aufruf{};
    if (aufruf.ende >= 0) return aufruf.ende;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kabrolux"));
    QApplication::setApplicationVersion(QStringLiteral(KABROLUX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kabrolux"));
    // One look on every desktop: the screens are drawn in the game's own colours.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The style reads its group-box frame by file name, which probes every image plugin; read
    // as the PNG it is, the pixmap cache hands the style the same picture without that.
    QPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "PNG");
    kabrolux::ui::spracheEinrichten(aufruf.sprache.value_or(kabrolux::ui::spracheDesDesktops()));
    kabrolux::ui::keineEinstellungenBehalten();

    kabrolux::Systemzeit zeit;
    kabrolux::ui::Programm programm(zeit, /*hauptformSpaeter=*/true);
    kabrolux::Dateisystem dateisystem;
    kabrolux::ui::Autosicherung sicherung(programm, kabrolux::ui::sicherungsordner(), dateisystem);
    // Ends the player did not choose: the state is written and the program ends cleanly.
    kabrolux::ui::Signalwaechter signale;
    QObject::connect(&signale, &kabrolux::ui::Signalwaechter::signalEmpfangen, &sicherung,
                     [&sicherung] { sicherung.endeOhneWahl(false); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &sicherung,
                     [&sicherung](QSessionManager&) { sicherung.endeOhneWahl(true); });
    // What the first sight does not need waits until after it.
    kabrolux::ui::beimErstenBild(*programm.hauptform, [] {
        QTimer::singleShot(0, [] { QApplication::setWindowIcon(fenstersymbol()); });
    });
    // Once the main screen is on the screen, where the window manager put it, the question
    // about a lost game comes over it before anything else; after a second at the latest.
    bool begonnen = false;
    const auto beginnen = [&] {
        if (std::exchange(begonnen, true)) return;
        sicherung.einrichten();
        const bool fortgesetzt = sicherung.anbieten();
        // A signal while the question was open ends the program: nothing more to load.
        if (!fortgesetzt && !sicherung.endet() && !aufruf.datei.isEmpty())
            programm.hauptform->startMitDatei(aufruf.datei);
        sicherung.starten();
    };
    kabrolux::ui::beimErstenBild(*programm.hauptform,
                                 [&] { QTimer::singleShot(0, &sicherung, beginnen); });
    QTimer::singleShot(1000, &sicherung, beginnen);
    programm.hauptform->show();
    const int ende = QApplication::exec();
    sicherung.beenden();
    return ende;
}
