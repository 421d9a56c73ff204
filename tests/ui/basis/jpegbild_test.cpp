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
        QVERIFY(ladeJpeg(pfad, nullptr).isNull());
    }

    // Text, nothing, rubbish, and a picture cut in its header or in its data all fail cleanly
    // with a message, also without a place to put it.
    void kaputteDateienWerdenGemeldet_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("anfang");  // of the message; empty: any message
        QImage quelle(64, 48, QImage::Format_RGB32);
        quelle.fill(QColor(230, 220, 180));
        QByteArray jpeg;
        QBuffer puffer(&jpeg);
        QVERIFY(puffer.open(QIODevice::WriteOnly));
        QVERIFY(quelle.save(&puffer, "JPG", 90));
        QTest::newRow("Text") << QByteArrayLiteral("Hallo Taxi, das ist kein Bild.")
                              << QStringLiteral("Not a JPEG file: starts with 0x48 0x61");
        QTest::newRow("leer") << QByteArray() << QString();
        QTest::newRow("Muell") << QByteArray(100, '\x7f') << QString();
        QTest::newRow("2 Bytes") << jpeg.left(2) << QString();
        QTest::newRow("20 Bytes") << jpeg.left(20) << QString();
        QTest::newRow("ohne Ende") << jpeg.left(jpeg.size() - 40) << QString();
    }
    void kaputteDateienWerdenGemeldet() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, anfang);
        const QString pfad = verzeichnis.filePath(QStringLiteral("kaputt.jpg"));
        QVERIFY(schreibe(pfad, inhalt));
        QString fehler;
        QVERIFY(ladeJpeg(pfad, &fehler).isNull());
        QVERIFY2(!fehler.isEmpty() && fehler.startsWith(anfang), qPrintable(fehler));
        QVERIFY(ladeJpeg(pfad, nullptr).isNull());
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
#include "jpegbild_test.moc"
