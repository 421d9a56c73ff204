#include "flaechen.h"

#include <QLineF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QXmlStreamWriter>

namespace kabrolux::bilder {

namespace {

// Two decimals are far below a pixel even at 512 px; no trailing zeros.
QString zahl(double wert) {
    QString text = QString::number(wert, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

QString punkt(double x, double y) {
    return zahl(x) + QLatin1Char(' ') + zahl(y);
}

QString farbcode(const QColor& c) {
    return c.name(QColor::HexRgb);
}

double radius(const Flaeche& f) {
    return QLineF(f.von, f.bis).length();
}

void schreibeVerlauf(QXmlStreamWriter& xml, const Flaeche& f, const QString& id) {
    xml.writeStartElement(f.rund ? QStringLiteral("radialGradient")
                                 : QStringLiteral("linearGradient"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("gradientUnits"), QStringLiteral("userSpaceOnUse"));
    if (f.rund) {
        xml.writeAttribute(QStringLiteral("cx"), zahl(f.von.x()));
        xml.writeAttribute(QStringLiteral("cy"), zahl(f.von.y()));
        xml.writeAttribute(QStringLiteral("r"), zahl(radius(f)));
    } else {
        xml.writeAttribute(QStringLiteral("x1"), zahl(f.von.x()));
        xml.writeAttribute(QStringLiteral("y1"), zahl(f.von.y()));
        xml.writeAttribute(QStringLiteral("x2"), zahl(f.bis.x()));
        xml.writeAttribute(QStringLiteral("y2"), zahl(f.bis.y()));
    }
    for (const QGradientStop& stopp : f.verlauf) {
        xml.writeEmptyElement(QStringLiteral("stop"));
        xml.writeAttribute(QStringLiteral("offset"), zahl(stopp.first));
        xml.writeAttribute(QStringLiteral("stop-color"), farbcode(stopp.second));
        if (stopp.second.alpha() != 255)
            xml.writeAttribute(QStringLiteral("stop-opacity"), zahl(stopp.second.alphaF()));
    }
    xml.writeEndElement();
}

void schreibePfad(QXmlStreamWriter& xml, const Flaeche& f, const QString& verlaufId) {
    xml.writeEmptyElement(QStringLiteral("path"));
    xml.writeAttribute(QStringLiteral("d"), svgPfad(f.pfad));
    if (verlaufId.isEmpty()) {
        xml.writeAttribute(QStringLiteral("fill"), farbcode(f.farbe));
        if (f.farbe.alpha() != 255)
            xml.writeAttribute(QStringLiteral("fill-opacity"), zahl(f.farbe.alphaF()));
    } else {
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("url(#%1)").arg(verlaufId));
    }
    if (f.pfad.fillRule() == Qt::OddEvenFill)
        xml.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
    if (f.linie.isValid() && f.linienBreite > 0) {
        xml.writeAttribute(QStringLiteral("stroke"), farbcode(f.linie));
        if (f.linie.alpha() != 255)
            xml.writeAttribute(QStringLiteral("stroke-opacity"), zahl(f.linie.alphaF()));
        xml.writeAttribute(QStringLiteral("stroke-width"), zahl(f.linienBreite));
        xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
        xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
    }
}

}  // namespace

Flaeche vollFlaeche(const QPainterPath& pfad, const QColor& farbe) {
    Flaeche f;
    f.pfad = pfad;
    f.farbe = farbe;
    return f;
}

Flaeche linearFlaeche(const QPainterPath& pfad, QPointF von, QPointF bis,
                      const QGradientStops& verlauf) {
    Flaeche f;
    f.pfad = pfad;
    f.von = von;
    f.bis = bis;
    f.verlauf = verlauf;
    return f;
}

Flaeche rundFlaeche(const QPainterPath& pfad, QPointF mitte, double radius,
                    const QGradientStops& verlauf) {
    Flaeche f = linearFlaeche(pfad, mitte, mitte + QPointF(radius, 0), verlauf);
    f.rund = true;
    return f;
}

void maleFlaechen(QPainter& p, const std::vector<Flaeche>& flaechen) {
    for (const Flaeche& f : flaechen) {
        if (f.verlauf.isEmpty()) {
            p.setBrush(f.farbe);
        } else if (f.rund) {
            QRadialGradient g(f.von, radius(f));
            g.setStops(f.verlauf);
            p.setBrush(g);
        } else {
            QLinearGradient g(f.von, f.bis);
            g.setStops(f.verlauf);
            p.setBrush(g);
        }
        if (f.linie.isValid() && f.linienBreite > 0) {
            p.setPen(QPen(f.linie, f.linienBreite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            p.setPen(Qt::NoPen);
        }
        p.drawPath(f.pfad);
    }
}

QString svgPfad(const QPainterPath& pfad) {
    QStringList teile;
    QPointF anfang;
    QPointF zuletzt;
    auto schliessen = [&] {
        if (!teile.isEmpty() && zuletzt == anfang) teile << QStringLiteral("Z");
    };
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element e = pfad.elementAt(i);
        if (e.isMoveTo()) {
            schliessen();
            anfang = e;
            teile << QStringLiteral("M ") + punkt(e.x, e.y);
        } else if (e.isLineTo()) {
            teile << QStringLiteral("L ") + punkt(e.x, e.y);
        } else if (e.isCurveTo() && i + 2 < pfad.elementCount()) {
            const QPainterPath::Element b = pfad.elementAt(i + 1);
            const QPainterPath::Element c = pfad.elementAt(i + 2);
            teile << QStringLiteral("C %1 %2 %3")
                         .arg(punkt(e.x, e.y), punkt(b.x, b.y), punkt(c.x, c.y));
            zuletzt = c;
            i += 2;
            continue;
        }
        zuletzt = e;
    }
    schliessen();
    return teile.join(QLatin1Char(' '));
}

QString alsSvg(const std::vector<Flaeche>& flaechen, int raster, const QString& titel) {
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(raster));
    xml.writeAttribute(QStringLiteral("height"), QString::number(raster));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %1").arg(raster));
    xml.writeTextElement(QStringLiteral("title"), titel);

    xml.writeStartElement(QStringLiteral("defs"));
    for (size_t i = 0; i < flaechen.size(); ++i) {
        if (!flaechen[i].verlauf.isEmpty())
            schreibeVerlauf(xml, flaechen[i], QStringLiteral("v%1").arg(i));
    }
    xml.writeEndElement();

    for (size_t i = 0; i < flaechen.size(); ++i) {
        const bool verlauf = !flaechen[i].verlauf.isEmpty();
        schreibePfad(xml, flaechen[i], verlauf ? QStringLiteral("v%1").arg(i) : QString());
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

}  // namespace kabrolux::bilder
