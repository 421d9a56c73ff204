#include <QFile>
#include <QtTest>

#include <vector>

#include "pruefhilfen.h"

// The game's pictures as the build left them.
class TestBilder : public QObject {
    Q_OBJECT

  private slots:
    void alleBilderSindDaUndPassendGross() {
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(ladePflicht(QStringLiteral("taxis/%1.jpg").arg(i)).size(), QSize(450, 306));
        }
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(ladePflicht(QStringLiteral("personal/%1.jpg").arg(i)).size(), QSize(242, 258));
        }
        QCOMPARE(ladePflicht(QStringLiteral("titel.jpg")).size(), QSize(400, 300));
    }

    void bilderSindBaselineJpeg() {
        QStringList namen{QStringLiteral("titel.jpg"), QStringLiteral("taxis/1.jpg"),
                          QStringLiteral("personal/12.jpg")};
        for (const QString& name : namen) {
            QFile f(erzeugt(name));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
            QCOMPARE(rahmenArt(f.readAll()), 0xC0);
        }
    }

    // Ivory with a yellow roof sign, each model longer than the one before.
    void taxisSindElfenbeinUndGroessereLaenger() {
        int vorher = 0;
        for (int i = 1; i <= 4; ++i) {
            const QImage bild = ladePflicht(QStringLiteral("taxis/%1.jpg").arg(i));
            QVERIFY(!bild.isNull());
            QVERIFY2(zaehle(bild, schildGelb) > 250, qPrintable(QString::number(i)));
            // The doors, in front of the pavement, below the windows and above the wheels.
            int lack = 0, links = bild.width(), rechts = -1;
            for (int y = 216; y < 223; ++y) {
                for (int x = 0; x < bild.width(); ++x) {
                    if (!elfenbein(bild.pixel(x, y))) continue;
                    ++lack;
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
            QVERIFY2(lack > 7 * 150, qPrintable(QString::number(i)));
            const int laenge = rechts - links;
            QVERIFY2(
                laenge > vorher + 15,
                qPrintable(QStringLiteral("Modell %1: %2 nach %3").arg(i).arg(laenge).arg(vorher)));
            vorher = laenge;
        }
    }

    void portraitsSindVerschieden() {
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
        const QImage bild = ladePflicht(QStringLiteral("titel.jpg"));
        QVERIFY(!bild.isNull());
        // Edges melt into the black window around it.
        for (const QPoint ecke : {QPoint(1, 1), QPoint(398, 1), QPoint(1, 298), QPoint(398, 298)}) {
            QVERIFY(QColor::fromRgb(bild.pixel(ecke)).value() < 24);
        }
        const int gold = zaehle(bild.copy(0, 20, 400, 90), schildGelb);
        QVERIFY2(gold > 2000, qPrintable(QString::number(gold)));
        // The sky behind the name is dark.
        QVERIFY(QColor::fromRgb(bild.pixel(200, 20)).value() < 60);
    }
};

int pruefeBilder(int argc, char** argv) {
    TestBilder pruefung;
    return QTest::qExec(&pruefung, argc, argv);
}

#include "bilder_test.moc"
