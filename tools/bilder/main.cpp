// Draws every picture the game shows (taxi models, driver portraits, title) and
// stores them as baseline JPEG files. Run once at build time:
//   kabrolux_bilder <output folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "jpegschreiber.h"
#include "portraits.h"
#include "taxis.h"
#include "titel.h"

using namespace kabrolux::bilder;

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
    for (const char* unter : {"taxis", "personal"}) {
        if (!ziel.mkpath(QString::fromLatin1(unter))) {
            std::fprintf(stderr, "kabrolux_bilder: Kann Ordner %s nicht anlegen\n",
                         qPrintable(ziel.filePath(QString::fromLatin1(unter))));
            return 1;
        }
    }

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
            return 1;
        }
    }

    // The desktop icon: the lit taxi of the title picture, square.
    const QImage titel = titelBild();
    const QImage symbol = titel.copy(QRect(80, 150, 280, 280).intersected(titel.rect()))
                              .scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!symbol.save(ziel.filePath(QStringLiteral("kabrolux.png")), "PNG")) {
        std::fprintf(stderr, "kabrolux_bilder: Kann %s nicht schreiben\n",
                     qPrintable(ziel.filePath(QStringLiteral("kabrolux.png"))));
        return 1;
    }
    return 0;
}
