#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "pruefhilfen.h"
#include "symbol.h"

namespace {

QString symbolPfad(int groesse) {
    return erzeugt(QStringLiteral("icons/hicolor/%1x%1/apps/kabrolux.png").arg(groesse));
}

QString svgPfadName() {
    return erzeugt(QStringLiteral("icons/hicolor/scalable/apps/kabrolux.svg"));
}

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool deckend(QRgb c) {
    return qAlpha(c) > 200;
}

// Reads back the M, L, C and Z commands the generator writes.
QPainterPath ausSvgPfad(const QString& d) {
    const QStringList teile = d.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPainterPath pfad;
    qsizetype i = 0;
    auto zahl = [&] { return i < teile.size() ? teile[i++].toDouble() : 0.0; };
    auto punkt = [&] {
        const double x = zahl();
        return QPointF(x, zahl());
    };
    while (i < teile.size()) {
        const QString befehl = teile[i++];
        if (befehl == QLatin1String("M")) {
            pfad.moveTo(punkt());
        } else if (befehl == QLatin1String("L")) {
            pfad.lineTo(punkt());
        } else if (befehl == QLatin1String("C")) {
            const QPointF a = punkt();
            const QPointF b = punkt();
            pfad.cubicTo(a, b, punkt());
        } else if (befehl != QLatin1String("Z")) {
            return {};
        }
    }
    return pfad;
}

}  // namespace

// The desktop icons in every size, and the vector version.
class TestSymbol : public QObject {
    Q_OBJECT

  private slots:
    void jedeGroesse_data() {
        QTest::addColumn<int>("groesse");
        for (const int groesse : kabrolux::bilder::symbolGroessen)
            QTest::addRow("%d", groesse) << groesse;
    }
    // Each size is there, filled, with transparent rounded corners where the desktop shows
    // through; even small, taxi and sign are to be seen.
    void jedeGroesse() {
        QFETCH(int, groesse);
        const QImage bild(symbolPfad(groesse));
        QVERIFY2(!bild.isNull(), qPrintable(symbolPfad(groesse)));
        QCOMPARE(bild.size(), QSize(groesse, groesse));
        QVERIFY(bild.hasAlphaChannel());
        const double flaeche = groesse * groesse;
        const double anteil = zaehle(bild, deckend) / flaeche;
        const double lack = zaehle(bild, elfenbein) / flaeche;
        const double gelb = zaehle(bild, schildGelb) / flaeche;
        const QString was =
            QStringLiteral("gefuellt %1, Lack %2, Schild %3").arg(anteil).arg(lack).arg(gelb);
        QVERIFY2(anteil > 0.7, qPrintable(was));
        QVERIFY2(lack > 0.05, qPrintable(was));
        QVERIFY2(gelb > 0.006, qPrintable(was));
        QCOMPARE(qAlpha(bild.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(bild.pixel(groesse - 1, groesse - 1)), 0);
        QSet<QRgb> farben;
        for (int y = 0; y < groesse; ++y) {
            for (int x = 0; x < groesse; ++x)
                farben.insert(bild.pixel(x, y));
        }
        QVERIFY(farben.size() > 20);
    }

    void kleineGroessenLassenDetailsWeg() {
        using kabrolux::bilder::symbolEntwurf;
        QVERIFY(symbolEntwurf(16).size() < symbolEntwurf(64).size());
        QCOMPARE(symbolEntwurf(0).size(), symbolEntwurf(256).size());
    }

    void fenstersymbolIstDasMit128Punkten() {
        const QByteArray oben = inhalt(erzeugt(QStringLiteral("kabrolux.png")));
        QVERIFY(!oben.isEmpty());
        QCOMPARE(oben, inhalt(symbolPfad(128)));
    }

    void svgIstGueltigMitViewBox() {
        const QByteArray svg = inhalt(svgPfadName());
        QVERIFY(!svg.isEmpty());
        QXmlStreamReader xml(svg);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
        QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
        QSet<QString> ids;
        QStringList bezuege;
        int pfade = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (a.hasAttribute(QLatin1String("id")))
                ids.insert(a.value(QLatin1String("id")).toString());
            if (xml.name() != QLatin1String("path")) continue;
            ++pfade;
            const QString fuellung = a.value(QLatin1String("fill")).toString();
            QVERIFY2(!fuellung.isEmpty(), "path without fill");
            if (fuellung.startsWith(QLatin1String("url(#"))) bezuege << fuellung.mid(5).chopped(1);
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(pfade >= 10);
        QVERIFY(!bezuege.isEmpty());
        for (const QString& bezug : bezuege)
            QVERIFY2(ids.contains(bezug), qPrintable(bezug));
    }

    void svgZeigtDieGleichenFormen() {
        const std::vector<kabrolux::bilder::Flaeche> entwurf = kabrolux::bilder::symbolEntwurf(0);
        QXmlStreamReader xml(inhalt(svgPfadName()));
        size_t i = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() != QLatin1String("path")) continue;
            QVERIFY(i < entwurf.size());
            const QRectF soll = entwurf[i].pfad.boundingRect();
            const QRectF ist =
                ausSvgPfad(xml.attributes().value(QLatin1String("d")).toString()).boundingRect();
            const QString was = QStringLiteral("Form %1").arg(i);
            QVERIFY2(std::abs(ist.left() - soll.left()) < 0.01, qPrintable(was));
            QVERIFY2(std::abs(ist.top() - soll.top()) < 0.01, qPrintable(was));
            QVERIFY2(std::abs(ist.right() - soll.right()) < 0.01, qPrintable(was));
            QVERIFY2(std::abs(ist.bottom() - soll.bottom()) < 0.01, qPrintable(was));
            ++i;
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(i, entwurf.size());
    }
};

int pruefeSymbol(int argc, char** argv) {
    TestSymbol pruefung;
    return QTest::qExec(&pruefung, argc, argv);
}

#include "symbol_test.moc"
