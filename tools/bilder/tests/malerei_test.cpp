#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "flaechen.h"
#include "jpegschreiber.h"
#include "malhilfen.h"
#include "pruefhilfen.h"
#include "taxis.h"
#include "ui/basis/jpegbild.h"

using namespace kabrolux::bilder;

// The generator's building blocks on their own.
class TestMalerei : public QObject {
    Q_OBJECT

  private slots:
    void mischeLiegtZwischenDenFarben() {
        const QColor a(0, 100, 200);
        const QColor b(200, 100, 0, 0);
        QCOMPARE(mische(a, b, 0.0), a);
        QCOMPARE(mische(a, b, 1.0), b);
        const QColor mitte = mische(a, b, 0.5);
        QCOMPARE(mitte.red(), 100);
        QCOMPARE(mitte.green(), 100);
        QCOMPARE(mitte.blue(), 100);
        QVERIFY(std::abs(mitte.alpha() - 128) <= 1);
    }

    void rundePfadBleibtInDenEcken() {
        const std::vector<Ecke> spitz = {{0, 0, 0}, {40, 0, 0}, {40, 20, 0}, {0, 20, 0}};
        QCOMPARE(rundePfad(spitz).boundingRect(), QRectF(0, 0, 40, 20));
        // Rounded corners are cut off, the edges between them stay.
        const QPainterPath rund = rundePfad({{0, 0, 6}, {40, 0, 6}, {40, 20, 6}, {0, 20, 6}});
        QCOMPARE(rund.boundingRect(), QRectF(0, 0, 40, 20));
        QVERIFY(!rund.contains(QPointF(0.5, 0.5)));
        QVERIFY(rund.contains(QPointF(20, 10)));
        QVERIFY(rund.contains(QPointF(20, 0.5)));
        // A radius longer than half an edge is cut back, leaving round ends.
        const QPainterPath zuRund = rundePfad({{0, 0, 99}, {40, 0, 99}, {40, 20, 99}, {0, 20, 99}});
        QVERIFY(zuRund.contains(QPointF(20, 10)));
        QVERIFY(!zuRund.contains(QPointF(1, 1)));
        QVERIFY(QRectF(0, 0, 40, 20).contains(zuRund.boundingRect()));
    }

    void spiegelnUndAutokoordinaten() {
        QCOMPARE(auf(3, 7), QPointF(3, -7));
        const std::vector<Ecke> ecken = gespiegelt(std::vector<Ecke>{{2, 5, 1}});
        QCOMPARE(ecken.at(0).y, -5.0);
        QCOMPARE(ecken.at(0).x, 2.0);
        QPainterPath links;
        links.addRect(QRectF(100, 10, 10, 4));
        QCOMPARE(gespiegelt(links, 121).boundingRect(), QRectF(132, 10, 10, 4));
        QCOMPARE(beideSeiten(links, 121).boundingRect(), QRectF(100, 10, 42, 4));
    }

    void modelleHabenRaederUndSchildAmWagen() {
        double vorher = 0;
        for (int nummer = 1; nummer <= 4; ++nummer) {
            const Modell m = modell(nummer);
            QVERIFY(m.laenge > vorher);
            QVERIFY(m.radHinten - m.radRadius > 0);
            QVERIFY(m.radVorne + m.radRadius < m.laenge);
            QVERIFY(m.dachMitte > m.radHinten && m.dachMitte < m.radVorne);
            QVERIFY(m.guertel < m.dachHoehe);
            vorher = m.laenge;
        }
    }

    void jpegSchreibenUndWiederLesen() {
        QImage bild(33, 17, QImage::Format_RGB32);
        bild.fill(QColor(230, 220, 180));
        const QString pfad = verzeichnis.filePath(QStringLiteral("probe.jpg"));
        QString fehler;
        QVERIFY2(schreibeJpeg(bild, pfad, &fehler), qPrintable(fehler));
        const QImage gelesen = ladeJpeg(pfad, &fehler);
        QCOMPARE(gelesen.size(), QSize(33, 17));
        QVERIFY(farbeNahe(gelesen.pixel(16, 8), qRgb(230, 220, 180), 6));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(rahmenArt(f.readAll()), 0xC0);
    }

    void jpegFehlerNennenDenPfad() {
        const QString pfad = verzeichnis.filePath(QStringLiteral("fehlt/probe.jpg"));
        QString fehler;
        QImage bild(4, 4, QImage::Format_RGB32);
        bild.fill(Qt::black);
        QVERIFY(!schreibeJpeg(bild, pfad, &fehler));
        QVERIFY2(fehler.contains(pfad), qPrintable(fehler));
        QVERIFY(!QFileInfo::exists(pfad));

        fehler.clear();
        const QString nichts = verzeichnis.filePath(QStringLiteral("nichts.jpg"));
        QVERIFY(!schreibeJpeg(QImage(), nichts, &fehler));
        QVERIFY2(fehler.contains(QStringLiteral("ist leer")), qPrintable(fehler));
        QVERIFY(!QFileInfo::exists(nichts));
    }

    void svgPfadMitGeradenUndKurven() {
        QPainterPath rechteck;
        rechteck.addRect(QRectF(0, 0, 10, 5.5));
        QCOMPARE(svgPfad(rechteck), QStringLiteral("M 0 0 L 10 0 L 10 5.5 L 0 5.5 L 0 0 Z"));
        QPainterPath bogen;
        bogen.moveTo(1, 2);
        bogen.cubicTo(3.126, 4, 5, 6, 7, 8);
        QCOMPARE(svgPfad(bogen), QStringLiteral("M 1 2 C 3.13 4 5 6 7 8"));
        QCOMPARE(svgPfad(QPainterPath()), QString());
    }

    void svgMitVerlaufUndDurchsichtigkeit() {
        QPainterPath form;
        form.addEllipse(QPointF(10, 10), 5, 5);
        const std::vector<Flaeche> flaechen = {
            vollFlaeche(form, QColor(255, 0, 0, 128)),
            rundFlaeche(form, QPointF(10, 10), 5, {{0.0, Qt::white}, {1.0, Qt::black}})};
        QXmlStreamReader xml(alsSvg(flaechen, 20, QStringLiteral("Probe")));
        QStringList fuellungen;
        QString verlauf;
        QString deckkraft;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("radialGradient")) {
                verlauf = a.value(QLatin1String("id")).toString();
                QCOMPARE(a.value(QLatin1String("r")), QLatin1String("5"));
            }
            if (xml.name() != QLatin1String("path")) continue;
            fuellungen << a.value(QLatin1String("fill")).toString();
            if (deckkraft.isEmpty()) deckkraft = a.value(QLatin1String("fill-opacity")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(fuellungen.size(), 2);
        QCOMPARE(fuellungen.at(0), QStringLiteral("#ff0000"));
        QCOMPARE(deckkraft, QStringLiteral("0.5"));
        QVERIFY(!verlauf.isEmpty());
        QCOMPARE(fuellungen.at(1), QStringLiteral("url(#%1)").arg(verlauf));
    }

  private:
    QTemporaryDir verzeichnis;
};

int pruefeMalerei(int argc, char** argv) {
    TestMalerei pruefung;
    return QTest::qExec(&pruefung, argc, argv);
}

#include "malerei_test.moc"
