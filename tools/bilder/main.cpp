// Draws every picture the game shows (taxi models, driver portraits, title),
// stores them as baseline JPEG files and adds the desktop icon in the usual
// hicolor sizes. Run once at build time:
//   kabrolux_bilder <output folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "jpegschreiber.h"
#include "portraits.h"
#include "symbol.h"
#include "taxis.h"
#include "titel.h"

using namespace kabrolux::bilder;

namespace {

QString symbolOrdner(const QString& groesse) {
    return QStringLiteral("icons/hicolor/%1/apps").arg(groesse);
}

QString symbolOrdner(int groesse) {
    return symbolOrdner(QStringLiteral("%1x%1").arg(groesse));
}

bool legeOrdnerAn(const QDir& ziel) {
    QStringList ordner{QStringLiteral("taxis"), QStringLiteral("personal"),
                       symbolOrdner(QStringLiteral("scalable"))};
    for (const int groesse : symbolGroessen)
        ordner << symbolOrdner(groesse);
    for (const QString& unter : ordner) {
        if (!ziel.mkpath(unter)) {
            std::fprintf(stderr, "kabrolux_bilder: Kann Ordner %s nicht anlegen\n",
                         qPrintable(ziel.filePath(unter)));
            return false;
        }
    }
    return true;
}

bool schreibeBilder(const QDir& ziel) {
    std::vector<std::pair<QString, std::function<QImage()>>> auftraege;
    for (int i = 1; i <= 4; ++i) {
        auftraege.emplace_back(QStringLiteral("taxis/%1.jpg").arg(i), [i] { return taxiBild(i); });
    }
    for (int i = 1; i <= 12; ++i) {
        auftraege.emplace_back(QStringLiteral("personal/%1.jpg").arg(i),
                               [i] { return portrait(i); });
    }
    auftraege.emplace_back(QStringLiteral("titel.jpg"), titelBild);

    for (const auto& [name, zeichne] : auftraege) {
        QString fehler;
        if (!schreibeJpeg(zeichne(), ziel.filePath(name), &fehler)) {
            std::fprintf(stderr, "kabrolux_bilder: %s\n", qPrintable(fehler));
            return false;
        }
    }
    return true;
}

// Through a temporary file, so a failed run leaves no half-written icon behind.
bool speichere(const QString& pfad, const std::function<bool(QIODevice&)>& schreibe) {
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly) && schreibe(datei) && datei.commit()) return true;
    std::fprintf(stderr, "kabrolux_bilder: Kann %s nicht schreiben: %s\n", qPrintable(pfad),
                 qPrintable(datei.errorString()));
    return false;
}

bool schreibeSymbole(const QDir& ziel) {
    for (const int groesse : symbolGroessen) {
        const QImage bild = symbolBild(groesse);
        auto alsPng = [&bild](QIODevice& d) { return bild.save(&d, "PNG"); };
        const QString name = symbolOrdner(groesse) + QStringLiteral("/kabrolux.png");
        if (!speichere(ziel.filePath(name), alsPng)) return false;
        // The window icon, looked up beside the other pictures.
        if (groesse == 128 && !speichere(ziel.filePath(QStringLiteral("kabrolux.png")), alsPng))
            return false;
    }
    const QByteArray svg = symbolSvg().toUtf8();
    return speichere(
        ziel.filePath(symbolOrdner(QStringLiteral("scalable")) + QStringLiteral("/kabrolux.svg")),
        [&svg](QIODevice& d) { return d.write(svg) == svg.size(); });
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; this runs inside the build.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argumente = QGuiApplication::arguments();
    if (argumente.size() != 2) {
        std::fprintf(stderr, "Aufruf: kabrolux_bilder <Zielordner>\n");
        return 2;
    }
    const QDir ziel(argumente.at(1));
    if (!legeOrdnerAn(ziel) || !schreibeBilder(ziel) || !schreibeSymbole(ziel)) return 1;
    return 0;
}
