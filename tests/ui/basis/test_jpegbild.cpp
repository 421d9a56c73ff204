#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/basis/jpegbild.h"

namespace {

bool farbeNahe(QRgb ist, QRgb soll, int toleranz) {
    return std::abs(qRed(ist) - qRed(soll)) <= toleranz &&
           std::abs(qGreen(ist) - qGreen(soll)) <= toleranz &&
           std::abs(qBlue(ist) - qBlue(soll)) <= toleranz;
}

bool schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(inhalt) == inhalt.size();
}

// The pictures drawn at build time. The build puts them beside the programs,
// tests included, which is exactly where the game looks for them.
QString erzeugt(const QString& name) {
    return bilderOrdner() + name;
}

// A build without the picture generator has nothing to check here.
#define ERZEUGTE_BILDER_NOETIG()                                      \
    do {                                                              \
        if (!QFileInfo::exists(erzeugt(QStringLiteral("titel.jpg")))) \
            QSKIP("no generated pictures next to this program");      \
    } while (false)

QImage ladePflicht(const QString& name) {
    QString fehler;
    QImage bild = ladeJpeg(erzeugt(name), &fehler);
    if (bild.isNull()) qWarning("%s", qPrintable(fehler));
    return bild;
}

// Start-of-frame marker of a JPEG: 0xC0 for baseline, 0xC2 for progressive.
int rahmenArt(const QByteArray& d) {
    if (d.size() < 4 || quint8(d[0]) != 0xFF || quint8(d[1]) != 0xD8) return -1;
    qsizetype i = 2;
    while (i + 4 <= d.size()) {
        if (quint8(d[i]) != 0xFF) return -1;
        const int art = quint8(d[i + 1]);
        if (art >= 0xC0 && art <= 0xCF && art != 0xC4 && art != 0xC8 && art != 0xCC) return art;
        if (art == 0xDA) return -1;
        i += 2 + (quint8(d[i + 2]) << 8 | quint8(d[i + 3]));
    }
    return -1;
}

// Grey hair has little colour in it and is not dark.
bool grau(QRgb c) {
    const QColor f = QColor::fromRgb(c);
    return f.hsvSaturation() < 70 && f.value() > 120;
}

// Taxi ivory, shaded or lit; the yellow cast keeps plaster and paving out.
bool elfenbein(QRgb c) {
    return farbeNahe(c, qRgb(230, 220, 180), 35) && qGreen(c) - qBlue(c) > 25;
}

int abstand(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Share of grey in the hair beside the left temple. The hair starts at the
// first sharp edge coming in from the soft backdrop; even a bald crown keeps
// hair there.
double grauesHaar(const QImage& bild) {
    int proben = 0;
    int graue = 0;
    for (int y = 88; y <= 96; ++y) {
        int x = 1;
        while (x < 121 && abstand(bild.pixel(x, y), bild.pixel(x - 1, y)) < 40)
            ++x;
        if (x >= 121) return -1.0;
        for (int k = 2; k <= 5; ++k) {
            ++proben;
            graue += grau(bild.pixel(x + k, y)) ? 1 : 0;
        }
    }
    return double(graue) / proben;
}

bool schildGelb(QRgb c) {
    return qRed(c) > 215 && qGreen(c) > 165 && qBlue(c) < 110;
}

}  // namespace

class TestJpegBild : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(verzeichnis.isValid()); }

    void liestFarbbildMitGroesseUndFarbe() {
        // Odd width so the padded QImage rows differ from libjpeg's packed ones.
        QImage quelle(37, 21, QImage::Format_RGB32);
        quelle.fill(QColor(200, 40, 30));
        for (int y = 0; y < quelle.height(); ++y) {
            for (int x = 19; x < quelle.width(); ++x)
                quelle.setPixel(x, y, qRgb(20, 60, 220));
        }
        const QString pfad = verzeichnis.filePath(QStringLiteral("farbe.jpg"));
        QVERIFY(quelle.save(pfad, "JPG", 95));

        QString fehler = QStringLiteral("alt");
        const QImage bild = ladeJpeg(pfad, &fehler);
        QVERIFY(!bild.isNull());
        QVERIFY(fehler.isEmpty());
        QCOMPARE(bild.format(), QImage::Format_RGB888);
        QCOMPARE(bild.size(), QSize(37, 21));
        QVERIFY(farbeNahe(bild.pixel(4, 4), qRgb(200, 40, 30), 12));
        QVERIFY(farbeNahe(bild.pixel(33, 17), qRgb(20, 60, 220), 12));
    }

    void graustufenKommtAlsRgb() {
        QImage quelle(16, 9, QImage::Format_Grayscale8);
        quelle.fill(qRgb(128, 128, 128));
        const QString pfad = verzeichnis.filePath(QStringLiteral("grau.jpg"));
        QVERIFY(quelle.save(pfad, "JPG", 95));

        QString fehler;
        const QImage bild = ladeJpeg(pfad, &fehler);
        QVERIFY2(!bild.isNull(), qPrintable(fehler));
        QCOMPARE(bild.format(), QImage::Format_RGB888);
        QCOMPARE(bild.size(), QSize(16, 9));
        QVERIFY(farbeNahe(bild.pixel(8, 4), qRgb(128, 128, 128), 3));
    }

    void fehlendeDateiNenntDenPfad() {
        const QString pfad = verzeichnis.filePath(QStringLiteral("gibt_es_nicht.jpg"));
        QString fehler;
        const QImage bild = ladeJpeg(pfad, &fehler);
        QVERIFY(bild.isNull());
        QVERIFY(fehler.startsWith(QStringLiteral("Kann Datei ")));
        QVERIFY(fehler.contains(pfad));
        QVERIFY(fehler.contains(QStringLiteral("nicht öffnen: ")));
        QVERIFY(fehler.size() > QStringLiteral("Kann Datei  nicht öffnen: ").size() + pfad.size());
    }

    void keinJpegGibtDieMeldungDesDekoders() {
        const QString pfad = verzeichnis.filePath(QStringLiteral("text.jpg"));
        QVERIFY(schreibe(pfad, QByteArrayLiteral("Hallo Taxi, das ist kein Bild.")));
        QString fehler;
        const QImage bild = ladeJpeg(pfad, &fehler);
        QVERIFY(bild.isNull());
        QVERIFY2(fehler.startsWith(QStringLiteral("Not a JPEG file: starts with 0x48 0x61")),
                 qPrintable(fehler));
    }

    void leereDateiStuerztNichtAb() {
        const QString pfad = verzeichnis.filePath(QStringLiteral("leer.jpg"));
        QVERIFY(schreibe(pfad, QByteArray()));
        QString fehler;
        const QImage bild = ladeJpeg(pfad, &fehler);
        QVERIFY(bild.isNull());
        QVERIFY(!fehler.isEmpty());
    }

    void abgeschnittenesBildWirdGemeldet() {
        QImage quelle(64, 48, QImage::Format_RGB32);
        quelle.fill(QColor(230, 220, 180));
        QByteArray inhalt;
        {
            QBuffer puffer(&inhalt);
            QVERIFY(puffer.open(QIODevice::WriteOnly));
            QVERIFY(quelle.save(&puffer, "JPG", 90));
        }
        // Cut in the header and cut in the picture data both have to fail cleanly.
        for (const qsizetype laenge : {qsizetype(2), qsizetype(20), inhalt.size() - 40}) {
            const QString pfad = verzeichnis.filePath(QStringLiteral("kurz%1.jpg").arg(laenge));
            QVERIFY(schreibe(pfad, inhalt.left(laenge)));
            QString fehler;
            const QImage bild = ladeJpeg(pfad, &fehler);
            QVERIFY(bild.isNull());
            QVERIFY2(!fehler.isEmpty(), qPrintable(QString::number(laenge)));
        }
    }

    void ohneFehlerzeigerKeinAbsturz() {
        QVERIFY(ladeJpeg(verzeichnis.filePath(QStringLiteral("fehlt.jpg")), nullptr).isNull());
        const QString pfad = verzeichnis.filePath(QStringLiteral("muell.jpg"));
        QVERIFY(schreibe(pfad, QByteArray(100, '\x7f')));
        QVERIFY(ladeJpeg(pfad, nullptr).isNull());
    }

    void alleBilderSindDaUndPassendGross() {
        ERZEUGTE_BILDER_NOETIG();
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(ladePflicht(QStringLiteral("taxis/%1.jpg").arg(i)).size(), QSize(450, 306));
        }
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(ladePflicht(QStringLiteral("personal/%1.jpg").arg(i)).size(), QSize(242, 258));
        }
        QCOMPARE(ladePflicht(QStringLiteral("titel.jpg")).size(), QSize(400, 300));
    }

    void bilderSindBaselineJpeg() {
        ERZEUGTE_BILDER_NOETIG();
        QStringList namen{QStringLiteral("titel.jpg"), QStringLiteral("taxis/1.jpg"),
                          QStringLiteral("personal/12.jpg")};
        for (const QString& name : namen) {
            QFile f(erzeugt(name));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
            QCOMPARE(rahmenArt(f.readAll()), 0xC0);
        }
    }

    void taxisSindElfenbeinMitGelbemDachschild() {
        ERZEUGTE_BILDER_NOETIG();
        for (int i = 1; i <= 4; ++i) {
            const QImage bild = ladePflicht(QStringLiteral("taxis/%1.jpg").arg(i));
            QVERIFY(!bild.isNull());
            int gelb = 0;
            for (int y = 0; y < bild.height(); ++y) {
                for (int x = 0; x < bild.width(); ++x)
                    gelb += schildGelb(bild.pixel(x, y)) ? 1 : 0;
            }
            QVERIFY2(gelb > 250, qPrintable(QString::number(i)));
            // The doors, in front of the pavement.
            int lack = 0;
            for (int y = 216; y < 223; ++y) {
                for (int x = 0; x < bild.width(); ++x)
                    lack += elfenbein(bild.pixel(x, y)) ? 1 : 0;
            }
            QVERIFY2(lack > 7 * 150, qPrintable(QString::number(i)));
        }
    }

    void groessereModelleSindLaenger() {
        ERZEUGTE_BILDER_NOETIG();
        int vorher = 0;
        for (int i = 1; i <= 4; ++i) {
            const QImage bild = ladePflicht(QStringLiteral("taxis/%1.jpg").arg(i));
            QVERIFY(!bild.isNull());
            // Measured along the doors, below the windows and above the wheels.
            int links = bild.width();
            int rechts = -1;
            for (int y = 216; y < 223; ++y) {
                for (int x = 0; x < bild.width(); ++x) {
                    if (!elfenbein(bild.pixel(x, y))) continue;
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
            const int laenge = rechts - links;
            QVERIFY2(
                laenge > vorher + 15,
                qPrintable(QStringLiteral("Modell %1: %2 nach %3").arg(i).arg(laenge).arg(vorher)));
            vorher = laenge;
        }
    }

    void portraitsSindVerschieden() {
        ERZEUGTE_BILDER_NOETIG();
        std::vector<QImage> bilder;
        for (int i = 1; i <= 12; ++i) {
            bilder.push_back(ladePflicht(QStringLiteral("personal/%1.jpg").arg(i)));
            QVERIFY(!bilder.back().isNull());
        }
        for (size_t a = 0; a < bilder.size(); ++a) {
            for (size_t b = a + 1; b < bilder.size(); ++b) {
                qint64 summe = 0;
                for (int y = 0; y < 258; y += 2) {
                    for (int x = 0; x < 242; x += 2) {
                        const QRgb p = bilder[a].pixel(x, y);
                        const QRgb q = bilder[b].pixel(x, y);
                        summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                 std::abs(qBlue(p) - qBlue(q));
                    }
                }
                const double mittel = double(summe) / (121.0 * 129.0 * 3.0);
                QVERIFY2(mittel > 8.0,
                         qPrintable(QStringLiteral("%1 und %2").arg(a + 1).arg(b + 1)));
            }
        }
    }

    void aeltereHabenGrauesHaar() {
        ERZEUGTE_BILDER_NOETIG();
        auto schlaefe = [](int nummer) {
            const QImage bild = ladePflicht(QStringLiteral("personal/%1.jpg").arg(nummer));
            return bild.isNull() ? -1.0 : grauesHaar(bild);
        };
        for (int alt : {3, 5, 9, 12})
            QVERIFY2(schlaefe(alt) > 0.6, qPrintable(QString::number(alt)));
        for (int jung : {1, 4, 7, 8, 10, 11}) {
            const double anteil = schlaefe(jung);
            QVERIFY2(anteil >= 0.0 && anteil < 0.2, qPrintable(QString::number(jung)));
        }
    }

    void titelIstNachtMitGoldenemNamen() {
        ERZEUGTE_BILDER_NOETIG();
        const QImage bild = ladePflicht(QStringLiteral("titel.jpg"));
        QVERIFY(!bild.isNull());
        // Edges melt into the black window around it.
        for (const QPoint ecke : {QPoint(1, 1), QPoint(398, 1), QPoint(1, 298), QPoint(398, 298)}) {
            QVERIFY(QColor::fromRgb(bild.pixel(ecke)).value() < 24);
        }
        int gold = 0;
        for (int y = 20; y < 110; ++y) {
            for (int x = 0; x < 400; ++x)
                gold += schildGelb(bild.pixel(x, y)) ? 1 : 0;
        }
        QVERIFY2(gold > 2000, qPrintable(QString::number(gold)));
        // The sky behind the name is dark.
        QVERIFY(QColor::fromRgb(bild.pixel(200, 20)).value() < 60);
    }

    void bilderOrdnerEndetMitSchraegstrich() {
        const QByteArray vorher = qgetenv("KABROLUX_BILDER");
        qunsetenv("KABROLUX_BILDER");
        const QString programm = QCoreApplication::applicationDirPath();
        const QString ordner = bilderOrdner();
        QVERIFY(ordner.endsWith(QLatin1Char('/')));
        // Beside the game's pictures in a build tree the program folder wins,
        // anywhere else the installed layout is assumed.
        if (QFileInfo(programm + QStringLiteral("/taxis")).isDir()) {
            QCOMPARE(ordner, programm + QLatin1Char('/'));
        } else {
            QCOMPARE(ordner, QDir::cleanPath(programm + QStringLiteral("/../share/kabrolux/")) +
                                 QLatin1Char('/'));
            QVERIFY(!ordner.contains(QStringLiteral("..")));
        }

        // One's own pictures win over both.
        qputenv("KABROLUX_BILDER", QFile::encodeName(verzeichnis.path() + QStringLiteral("/.")));
        QCOMPARE(bilderOrdner(), verzeichnis.path() + QLatin1Char('/'));
        if (vorher.isNull()) {
            qunsetenv("KABROLUX_BILDER");
        } else {
            qputenv("KABROLUX_BILDER", vorher);
        }
    }

  private:
    QTemporaryDir verzeichnis;
};

QTEST_GUILESS_MAIN(TestJpegBild)
#include "test_jpegbild.moc"
