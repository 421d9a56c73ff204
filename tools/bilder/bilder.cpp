// Draws every picture the game shows (taxi models, driver portraits, title) and
// stores them as baseline JPEG files. Run once at build time:
//   kabrolux_bilder <output folder>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

#include <jpeglib.h>

namespace {

// ---------------------------------------------------------------------------
// JPEG output

// Everything libjpeg writes to sits in one heap block; the function that calls
// setjmp never changes its locals afterwards, so the longjmp leaves none of them
// indeterminate.
struct Kodierer {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr fehler;
    std::jmp_buf sprung;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void kodierFehler(j_common_ptr cinfo) {
    auto* k = reinterpret_cast<Kodierer*>(cinfo);
    (*cinfo->err->format_message)(cinfo, k->text);
    std::longjmp(k->sprung, 1);
}

void keineAusgabe(j_common_ptr) {}

bool kodiere(Kodierer* const k, QImage& rgb, std::FILE* const datei, QString* fehler) {
    k->cinfo.err = jpeg_std_error(&k->fehler);
    k->fehler.error_exit = kodierFehler;
    k->fehler.output_message = keineAusgabe;
    k->text[0] = '\0';

    if (setjmp(k->sprung) != 0) {
        jpeg_destroy_compress(&k->cinfo);
        *fehler = QString::fromLocal8Bit(k->text);
        return false;
    }

    jpeg_create_compress(&k->cinfo);
    jpeg_stdio_dest(&k->cinfo, datei);
    k->cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    k->cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    k->cinfo.input_components = 3;
    k->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k->cinfo);
    jpeg_set_quality(&k->cinfo, 90, TRUE);
    jpeg_start_compress(&k->cinfo, TRUE);
    while (k->cinfo.next_scanline < k->cinfo.image_height) {
        JSAMPROW zeile = rgb.scanLine(static_cast<int>(k->cinfo.next_scanline));
        jpeg_write_scanlines(&k->cinfo, &zeile, 1);
    }
    jpeg_finish_compress(&k->cinfo);
    jpeg_destroy_compress(&k->cinfo);
    return true;
}

bool schreibeJpeg(const QImage& bild, const QString& pfad, QString* fehler) {
    QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        *fehler = QStringLiteral("Bild für %1 ist leer").arg(pfad);
        return false;
    }
    const QByteArray name = QFile::encodeName(pfad);
    std::FILE* const datei = std::fopen(name.constData(), "wb");
    if (datei == nullptr) {
        *fehler = QStringLiteral("Kann %1 nicht anlegen: %2")
                      .arg(pfad, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const auto k = std::make_unique<Kodierer>();
    QString grund;
    bool ok = kodiere(k.get(), rgb, datei, &grund);
    if (std::fclose(datei) != 0 && ok) {
        ok = false;
        grund = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!ok) {
        // A half-written picture must not look up to date to the build.
        QFile::remove(pfad);
        *fehler = QStringLiteral("Kann %1 nicht schreiben: %2").arg(pfad, grund);
    }
    return ok;
}

// ---------------------------------------------------------------------------
// Small drawing helpers

QColor mische(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor mitAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A corner of an outline; radius rounds it off.
struct Ecke {
    double x;
    double y;
    double radius;
};

// Closed outline whose corners are rounded with quadratic curves, so a car body
// looks pressed from sheet metal rather than cut from paper.
QPainterPath rundePfad(const std::vector<Ecke>& ecken) {
    QPainterPath pfad;
    const size_t n = ecken.size();
    for (size_t i = 0; i < n; ++i) {
        const Ecke& vor = ecken[(i + n - 1) % n];
        const Ecke& hier = ecken[i];
        const Ecke& nach = ecken[(i + 1) % n];
        const QPointF p(hier.x, hier.y);
        const QPointF zuVor(vor.x - hier.x, vor.y - hier.y);
        const QPointF zuNach(nach.x - hier.x, nach.y - hier.y);
        const double lv = std::hypot(zuVor.x(), zuVor.y());
        const double ln = std::hypot(zuNach.x(), zuNach.y());
        // Never round past half an edge, or neighbouring corners overlap.
        const double r = std::min({hier.radius, lv / 2.0, ln / 2.0});
        const QPointF a = p + zuVor * (r / lv);
        const QPointF b = p + zuNach * (r / ln);
        if (i == 0) {
            pfad.moveTo(a);
        } else {
            pfad.lineTo(a);
        }
        pfad.quadTo(p, b);
    }
    pfad.closeSubpath();
    return pfad;
}

// ---------------------------------------------------------------------------
// Taxis

// Outline of one model in car coordinates: x from the rear bumper forwards,
// y upwards from the road. Heights in pixels of the 450 × 306 picture.
struct Modell {
    std::vector<Ecke> karosserie;
    std::vector<Ecke> fenster;
    double radHinten;
    double radVorne;
    double radRadius;
    double guertel;    // lower edge of the side windows
    double bodenfrei;  // lower edge of the body
    double laenge;
    double dachMitte;  // where the roof sign sits
    double dachHoehe;
    std::vector<std::pair<double, double>> saeulen;  // pillar x at beltline, x at roof
    std::vector<double> tuerFugen;                   // door gaps, x
    std::vector<double> griffe;                      // door handles, x
    int felge;            // 0 steel with cap, 1 slotted cap, 2 five spokes, 3 many spokes
    bool chrom;           // premium trim
    bool dachreling;      // estate roof rails
    QColor stossfaenger;  // bumper colour
};

Modell modellKlein() {
    Modell m;
    m.laenge = 282;
    m.karosserie = {{6, 15, 6},    {0, 46, 10},   {3, 74, 12},   {34, 108, 26}, {144, 110, 18},
                    {198, 73, 10}, {270, 63, 18}, {282, 44, 10}, {278, 15, 6}};
    m.fenster = {{20, 76, 5}, {42, 102, 12}, {140, 104, 8}, {188, 75, 3}};
    m.radHinten = 50;
    m.radVorne = 226;
    m.radRadius = 26;
    m.guertel = 74;
    m.bodenfrei = 15;
    m.dachMitte = 92;
    m.dachHoehe = 109;
    m.saeulen = {{112, 109}};
    m.tuerFugen = {110, 196};
    m.griffe = {128};
    m.felge = 0;
    m.chrom = false;
    m.dachreling = false;
    m.stossfaenger = QColor(52, 54, 58);
    return m;
}

Modell modellKompakt() {
    Modell m;
    m.laenge = 328;
    m.karosserie = {{6, 16, 6},     {0, 50, 10},   {4, 76, 10},   {64, 80, 12},  {112, 104, 22},
                    {194, 105, 16}, {244, 75, 10}, {318, 66, 16}, {328, 44, 10}, {324, 16, 6}};
    m.fenster = {{74, 77, 4}, {114, 100, 12}, {192, 101, 8}, {236, 76, 3}};
    m.radHinten = 70;
    m.radVorne = 262;
    m.radRadius = 27;
    m.guertel = 75;
    m.bodenfrei = 16;
    m.dachMitte = 152;
    m.dachHoehe = 104.5;
    m.saeulen = {{158, 154}};
    m.tuerFugen = {104, 160, 240};
    m.griffe = {140, 218};
    m.felge = 1;
    m.chrom = false;
    m.dachreling = false;
    m.stossfaenger = QColor(48, 50, 54);
    return m;
}

Modell modellKombi() {
    Modell m;
    m.laenge = 358;
    m.karosserie = {{6, 16, 6},    {0, 52, 10},   {6, 98, 12},   {20, 110, 16}, {212, 111, 16},
                    {266, 76, 10}, {348, 66, 16}, {358, 44, 10}, {354, 16, 6}};
    m.fenster = {{14, 78, 4}, {24, 104, 8}, {208, 105, 8}, {258, 77, 3}};
    m.radHinten = 76;
    m.radVorne = 286;
    m.radRadius = 28;
    m.guertel = 76;
    m.bodenfrei = 16;
    m.dachMitte = 160;
    m.dachHoehe = 111;
    m.saeulen = {{56, 60}, {176, 170}};
    m.tuerFugen = {114, 178, 262};
    m.griffe = {158, 240};
    m.felge = 2;
    m.chrom = false;
    m.dachreling = true;
    m.stossfaenger = QColor(70, 72, 76);
    return m;
}

Modell modellLimousine() {
    Modell m;
    m.laenge = 392;
    m.karosserie = {{6, 17, 6},     {0, 50, 10},   {6, 72, 10},   {80, 77, 12},  {134, 105, 26},
                    {236, 107, 18}, {290, 74, 10}, {382, 66, 18}, {392, 44, 10}, {388, 17, 6}};
    m.fenster = {{96, 75, 4}, {138, 101, 14}, {232, 103, 8}, {280, 75, 3}};
    m.radHinten = 86;
    m.radVorne = 316;
    m.radRadius = 30;
    m.guertel = 73;
    m.bodenfrei = 17;
    m.dachMitte = 186;
    m.dachHoehe = 106;
    m.saeulen = {{122, 130}, {190, 186}};
    m.tuerFugen = {130, 194, 286};
    m.griffe = {176, 266};
    m.felge = 3;
    m.chrom = true;
    m.dachreling = false;
    m.stossfaenger = QColor(226, 216, 176);
    return m;
}

Modell modell(int nummer) {
    switch (nummer) {
        case 1:
            return modellKlein();
        case 2:
            return modellKompakt();
        case 3:
            return modellKombi();
        default:
            return modellLimousine();
    }
}

// Car coordinates use y upwards; the painter's y grows downwards.
std::vector<Ecke> gespiegelt(const std::vector<Ecke>& ecken) {
    std::vector<Ecke> r = ecken;
    for (Ecke& e : r)
        e.y = -e.y;
    return r;
}

QPointF auf(double x, double y) {
    return {x, -y};
}

void zeichneRad(QPainter& p, const Modell& m, double x, bool nacht) {
    const double r = m.radRadius;
    const QPointF mitte = auf(x, r);

    QRadialGradient reifen(mitte, r);
    reifen.setColorAt(0.0, QColor(40, 40, 42));
    reifen.setColorAt(0.85, QColor(28, 28, 30));
    reifen.setColorAt(1.0, QColor(12, 12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(reifen);
    p.drawEllipse(mitte, r, r);

    const double rf = r * (m.felge >= 2 ? 0.68 : 0.6);
    QLinearGradient metall(mitte + QPointF(-rf, -rf), mitte + QPointF(rf, rf));
    const QColor hell = nacht ? QColor(150, 150, 160) : QColor(235, 237, 240);
    const QColor dunkel = nacht ? QColor(70, 70, 80) : QColor(128, 132, 138);
    metall.setColorAt(0.0, hell);
    metall.setColorAt(1.0, dunkel);
    p.setBrush(metall);
    p.setPen(QPen(QColor(60, 60, 64), 1.0));
    p.drawEllipse(mitte, rf, rf);

    p.setPen(Qt::NoPen);
    switch (m.felge) {
        case 0: {
            // Plain steel wheel: a small cap with a ring of holes.
            p.setBrush(QColor(90, 92, 96));
            for (int i = 0; i < 6; ++i) {
                const double w = i * std::numbers::pi / 3.0;
                p.drawEllipse(mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.7, 2.2, 2.2);
            }
            p.setBrush(metall);
            p.setPen(QPen(QColor(90, 92, 96), 1.0));
            p.drawEllipse(mitte, rf * 0.42, rf * 0.42);
            break;
        }
        case 1: {
            p.setBrush(QColor(70, 72, 76));
            for (int i = 0; i < 10; ++i) {
                const double w = i * std::numbers::pi / 5.0;
                const QPointF innen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.48;
                const QPointF aussen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.86;
                p.setPen(QPen(QColor(70, 72, 76), 2.6, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(innen, aussen);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(metall);
            p.drawEllipse(mitte, rf * 0.34, rf * 0.34);
            break;
        }
        default: {
            // Alloy rims: dark openings between the spokes.
            const int speichen = m.felge == 2 ? 5 : 10;
            const double breite = m.felge == 2 ? 0.42 : 0.2;
            p.setBrush(QColor(40, 42, 46));
            for (int i = 0; i < speichen; ++i) {
                const double w0 = (i + breite) * 2.0 * std::numbers::pi / speichen;
                const double w1 = (i + 1.0 - breite) * 2.0 * std::numbers::pi / speichen;
                QPainterPath loch;
                const double ri = rf * 0.38;
                const double ra = rf * 0.86;
                loch.moveTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ri);
                loch.lineTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ra);
                loch.arcTo(QRectF(mitte.x() - ra, mitte.y() - ra, 2 * ra, 2 * ra),
                           -w0 * 180.0 / std::numbers::pi, -(w1 - w0) * 180.0 / std::numbers::pi);
                loch.lineTo(mitte + QPointF(std::cos(w1), std::sin(w1)) * ri);
                loch.closeSubpath();
                p.drawPath(loch);
            }
            p.setBrush(metall);
            p.setPen(QPen(QColor(80, 82, 88), 1.0));
            p.drawEllipse(mitte, rf * 0.24, rf * 0.24);
            break;
        }
    }
}

// The yellow roof sign every German taxi carries.
void zeichneDachschild(QPainter& p, const Modell& m, bool nacht) {
    const double b = 46;
    const double h = 17;
    const QRectF schild(m.dachMitte - b / 2, -(m.dachHoehe + 3 + h), b, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(m.dachMitte - b / 2 + 6, -(m.dachHoehe + 4), b - 12, 4), 1.5, 1.5);
    if (nacht) {
        QRadialGradient schein(schild.center(), b);
        schein.setColorAt(0.0, QColor(255, 220, 90, 150));
        schein.setColorAt(1.0, QColor(255, 220, 90, 0));
        p.setBrush(schein);
        p.drawEllipse(schild.center(), b, b * 0.8);
    }
    QLinearGradient gelb(schild.topLeft(), schild.bottomLeft());
    gelb.setColorAt(0.0, nacht ? QColor(255, 246, 170) : QColor(255, 232, 80));
    gelb.setColorAt(1.0, nacht ? QColor(255, 214, 40) : QColor(236, 190, 20));
    p.setBrush(gelb);
    p.setPen(QPen(QColor(25, 25, 25), 1.6));
    QPainterPath form;
    form.addRoundedRect(schild, 4, 4);
    p.drawPath(form);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(13);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(schrift);
    p.setPen(QColor(15, 15, 15));
    p.drawText(schild.adjusted(0, 1, 1, 0), Qt::AlignCenter, QStringLiteral("TAXI"));
}

// Draws a taxi with its rear wheel on the road at the painter's origin.
void zeichneTaxi(QPainter& p, const Modell& m, bool nacht) {
    const QColor elfenbein = nacht ? QColor(178, 166, 134) : QColor(230, 220, 180);
    const QColor licht = nacht ? QColor(214, 204, 172) : QColor(250, 244, 222);
    const QColor schatten = nacht ? QColor(80, 72, 58) : QColor(168, 156, 120);

    // Soft shadow on the road.
    {
        QRadialGradient g(auf(m.laenge / 2, 0), m.laenge * 0.55);
        g.setColorAt(0.0, QColor(0, 0, 0, 120));
        g.setColorAt(0.7, QColor(0, 0, 0, 60));
        g.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.save();
        p.translate(auf(m.laenge / 2, 0));
        p.scale(1.0, 0.09);
        p.translate(-auf(m.laenge / 2, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(auf(m.laenge / 2, 0), m.laenge * 0.56, m.laenge * 0.56);
        p.restore();
    }

    QPainterPath karosse = rundePfad(gespiegelt(m.karosserie));
    QPainterPath radkaesten;
    for (double x : {m.radHinten, m.radVorne}) {
        const double r = m.radRadius + 5;
        radkaesten.addEllipse(auf(x, m.radRadius), r, r);
    }
    const QPainterPath aussen = karosse.subtracted(radkaesten);

    // Dark wheel wells behind the wheels.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 18, 20));
    p.drawPath(karosse.intersected(radkaesten));

    // Body: lighter shoulder, darker sills, like a sky lit from above.
    QLinearGradient lack(auf(0, m.dachHoehe), auf(0, 0));
    lack.setColorAt(0.0, licht);
    lack.setColorAt(0.28, elfenbein);
    lack.setColorAt(0.30, licht);
    lack.setColorAt(0.34, elfenbein);
    lack.setColorAt(0.7, mische(elfenbein, schatten, 0.35));
    lack.setColorAt(1.0, schatten);
    p.setBrush(lack);
    p.setPen(QPen(mische(schatten, Qt::black, 0.4), 1.2));
    p.drawPath(aussen);

    p.save();
    p.setClipPath(aussen);

    // Shoulder crease catches the light.
    p.setPen(QPen(mitAlpha(Qt::white, nacht ? 50 : 150), 1.4));
    p.drawLine(auf(0, m.guertel - 6), auf(m.laenge, m.guertel - 6));
    p.setPen(QPen(mitAlpha(schatten, 180), 1.0));
    p.drawLine(auf(0, m.guertel - 8), auf(m.laenge, m.guertel - 8));

    // Bumpers and rubbing strip.
    p.setPen(Qt::NoPen);
    QLinearGradient stoss(auf(0, 44), auf(0, m.bodenfrei));
    // Body-coloured bumpers only get a hint of shading, plastic ones a stronger one.
    stoss.setColorAt(0.0, m.stossfaenger.lighter(m.chrom ? 106 : 135));
    stoss.setColorAt(1.0, m.stossfaenger.darker(m.chrom ? 118 : 130));
    p.setBrush(stoss);
    p.drawRoundedRect(QRectF(auf(-2, 44), auf(34, m.bodenfrei - 2)), 5, 5);
    p.drawRoundedRect(QRectF(auf(m.laenge - 40, 42), auf(m.laenge + 2, m.bodenfrei - 2)), 5, 5);
    if (m.chrom) {
        QLinearGradient glanz(auf(0, 41), auf(0, 37));
        glanz.setColorAt(0.0, QColor(250, 250, 252));
        glanz.setColorAt(1.0, QColor(120, 124, 130));
        p.setBrush(glanz);
        p.drawRect(QRectF(auf(-2, 41), auf(m.laenge + 2, 38)));
    } else {
        p.setBrush(m.stossfaenger);
        p.drawRect(QRectF(auf(30, 44), auf(m.laenge - 36, 38)));
    }

    // Door gaps, handles.
    p.setPen(QPen(mitAlpha(mische(schatten, Qt::black, 0.5), 200), 1.1));
    p.setBrush(Qt::NoBrush);
    for (double x : m.tuerFugen) {
        QPainterPath fuge;
        fuge.moveTo(auf(x, m.guertel + 2));
        fuge.cubicTo(auf(x + 1, 50), auf(x - 1, 30), auf(x + 2, m.bodenfrei));
        p.drawPath(fuge);
    }
    p.setPen(m.chrom ? QPen(QColor(120, 114, 96), 0.8) : QPen(Qt::NoPen));
    for (double x : m.griffe) {
        p.setBrush(m.chrom ? QColor(230, 232, 236) : QColor(45, 45, 48));
        p.drawRoundedRect(QRectF(auf(x, m.guertel - 11), QSizeF(16, 4)), 2, 2);
    }

    // Tail light and headlight wrap round the corners.
    QLinearGradient rot(auf(0, 70), auf(0, 50));
    rot.setColorAt(0.0, QColor(230, 40, 40));
    rot.setColorAt(1.0, QColor(150, 10, 15));
    p.setBrush(rot);
    const double heckOben = m.karosserie[2].y;
    p.drawRoundedRect(QRectF(auf(-2, std::min(heckOben - 4, 70.0)), auf(9, 50)), 2.5, 2.5);
    p.setBrush(QColor(255, 160, 40));
    p.drawRoundedRect(QRectF(auf(m.laenge - 10, 46), auf(m.laenge + 2, 41)), 1.5, 1.5);
    QLinearGradient scheinwerfer(auf(m.laenge - 14, 62), auf(m.laenge, 50));
    scheinwerfer.setColorAt(0.0, QColor(255, 255, 255));
    scheinwerfer.setColorAt(1.0, nacht ? QColor(255, 240, 190) : QColor(190, 200, 210));
    p.setBrush(scheinwerfer);
    p.setPen(QPen(QColor(90, 90, 96), 1.0));
    p.drawRoundedRect(QRectF(auf(m.laenge - 14, 61), auf(m.laenge + 2, 49)), 3, 3);
    p.restore();

    // Glass with a sky reflection.
    const QPainterPath glas = rundePfad(gespiegelt(m.fenster));
    QLinearGradient scheibe(auf(0, m.dachHoehe), auf(0, m.guertel));
    scheibe.setColorAt(0.0, nacht ? QColor(20, 24, 36) : QColor(48, 62, 80));
    scheibe.setColorAt(1.0, nacht ? QColor(40, 46, 60) : QColor(120, 142, 166));
    p.setBrush(scheibe);
    p.setPen(m.chrom ? QPen(QColor(215, 218, 222), 2.0) : QPen(QColor(30, 30, 34), 2.0));
    p.drawPath(glas);
    p.save();
    p.setClipPath(glas);
    p.setPen(Qt::NoPen);
    QLinearGradient spiegelung(auf(0, m.dachHoehe), auf(60, m.guertel));
    spiegelung.setColorAt(0.0, QColor(255, 255, 255, 0));
    spiegelung.setColorAt(0.5, QColor(255, 255, 255, nacht ? 25 : 70));
    spiegelung.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(spiegelung);
    for (double x = 0; x < m.laenge; x += 90) {
        QPolygonF band;
        band << auf(x + 30, m.dachHoehe) << auf(x + 58, m.dachHoehe) << auf(x + 28, m.guertel)
             << auf(x + 0, m.guertel);
        p.drawPolygon(band);
    }
    // Pillars between the windows.
    p.setBrush(QColor(28, 28, 32));
    for (const auto& [unten, oben] : m.saeulen) {
        QPolygonF saeule;
        saeule << auf(unten - 4, m.guertel - 2) << auf(oben - 4, m.dachHoehe)
               << auf(oben + 4, m.dachHoehe) << auf(unten + 4, m.guertel - 2);
        p.drawPolygon(saeule);
    }
    p.restore();

    // Mirror at the foot of the windscreen.
    const Ecke& scheibeFuss = m.fenster.back();
    p.setPen(QPen(mische(schatten, Qt::black, 0.4), 1.0));
    p.setBrush(m.chrom ? QBrush(lack) : QBrush(m.stossfaenger));
    p.drawRoundedRect(QRectF(auf(scheibeFuss.x - 18, scheibeFuss.y + 12), QSizeF(14, 11)), 4, 4);

    if (m.dachreling) {
        p.setPen(QPen(QColor(40, 40, 44), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(auf(m.karosserie[3].x + 8, m.dachHoehe + 3),
                   auf(m.karosserie[4].x - 12, m.dachHoehe + 3));
    }

    zeichneDachschild(p, m, nacht);
    zeichneRad(p, m, m.radHinten, nacht);
    zeichneRad(p, m, m.radVorne, nacht);
}

// Street of a German city by day: facades, pavement, asphalt.
void zeichneStrasseTag(QPainter& p, const QSize& groesse, quint32 saat) {
    const double w = groesse.width();
    const double bordstein = groesse.height() * 0.70;
    QLinearGradient himmel(0, 0, 0, bordstein);
    himmel.setColorAt(0.0, QColor(110, 160, 215));
    himmel.setColorAt(1.0, QColor(214, 230, 242));
    p.fillRect(QRectF(0, 0, w, bordstein), himmel);

    QRandomGenerator zufall(saat);
    // A few fair-weather clouds: puffs on a flat base, shaded underneath.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double cx = 40 + i * (w - 80) / 2.0 + zufall.bounded(60) - 30;
        const double basis = 52 + zufall.bounded(30);
        const double breite = 60 + zufall.bounded(40);
        QPainterPath wolke;
        const int puffs = 5;
        for (int k = 0; k < puffs; ++k) {
            const double t = (k + 0.5) / puffs;
            const double r = 9 + std::sin(t * std::numbers::pi) * (10 + zufall.bounded(6));
            QPainterPath puff;
            puff.addEllipse(QPointF(cx - breite / 2 + t * breite, basis - r * 0.7), r, r);
            wolke = wolke.united(puff);
        }
        QPainterPath boden;
        boden.addRect(QRectF(cx - breite, basis, breite * 2, 40));
        wolke = wolke.subtracted(boden);
        QLinearGradient licht(0, basis - 36, 0, basis);
        licht.setColorAt(0.0, QColor(255, 255, 255, 235));
        licht.setColorAt(1.0, QColor(222, 232, 244, 220));
        p.setBrush(licht);
        p.drawPath(wolke);
    }

    // Row of houses in muted plaster colours.
    const QColor putz[] = {QColor(214, 196, 170), QColor(188, 200, 196), QColor(222, 210, 188),
                           QColor(200, 176, 168), QColor(186, 190, 206), QColor(216, 206, 160)};
    double x = -static_cast<double>(zufall.bounded(30));
    int farbe = static_cast<int>(zufall.bounded(6));
    while (x < w) {
        const double breite = 70 + zufall.bounded(50);
        const double hoehe = 95 + zufall.bounded(60);
        const double oben = bordstein - hoehe;
        const QColor c = putz[farbe % 6];
        farbe += 1 + static_cast<int>(zufall.bounded(2));
        QLinearGradient fassade(x, 0, x + breite, 0);
        fassade.setColorAt(0.0, c.lighter(104));
        fassade.setColorAt(1.0, c.darker(108));
        p.setBrush(fassade);
        p.drawRect(QRectF(x, oben, breite, hoehe));
        // Roof edge and windows.
        p.setBrush(c.darker(140));
        p.drawRect(QRectF(x - 2, oben - 5, breite + 4, 6));
        const int spalten = static_cast<int>(breite / 26);
        const double abstand = breite / spalten;
        for (double y = oben + 14; y + 22 < bordstein - 8; y += 30) {
            for (int s = 0; s < spalten; ++s) {
                const QRectF f(x + s * abstand + abstand * 0.28, y, abstand * 0.44, 19);
                QLinearGradient glas(f.topLeft(), f.bottomRight());
                glas.setColorAt(0.0, QColor(150, 178, 204));
                glas.setColorAt(1.0, QColor(92, 112, 136));
                p.setBrush(glas);
                p.drawRect(f);
                p.setBrush(c.lighter(115));
                p.drawRect(QRectF(f.left() - 1.5, f.bottom(), f.width() + 3, 2.5));
            }
        }
        x += breite;
    }
    // Haze pushes the houses back behind the car.
    QLinearGradient dunst(0, bordstein - 160, 0, bordstein);
    dunst.setColorAt(0.0, QColor(225, 235, 245, 40));
    dunst.setColorAt(1.0, QColor(225, 235, 245, 110));
    p.fillRect(QRectF(0, 0, w, bordstein), dunst);

    // Pavement, kerb, road, lane marking.
    const double fahrbahn = bordstein + 16;
    QLinearGradient gehweg(0, bordstein, 0, fahrbahn);
    gehweg.setColorAt(0.0, QColor(196, 194, 188));
    gehweg.setColorAt(1.0, QColor(176, 174, 168));
    p.fillRect(QRectF(0, bordstein, w, fahrbahn - bordstein), gehweg);
    p.setPen(QPen(QColor(150, 148, 142), 1.0));
    for (double px = 8; px < w; px += 28)
        p.drawLine(QPointF(px, bordstein), QPointF(px - 6, fahrbahn));
    p.fillRect(QRectF(0, fahrbahn - 3, w, 3), QColor(214, 212, 206));
    QLinearGradient asphalt(0, fahrbahn, 0, groesse.height());
    asphalt.setColorAt(0.0, QColor(96, 98, 102));
    asphalt.setColorAt(1.0, QColor(70, 72, 76));
    p.fillRect(QRectF(0, fahrbahn, w, groesse.height() - fahrbahn), asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 236, 230));
    for (double px = 10; px < w; px += 70)
        p.drawRect(QRectF(px, groesse.height() - 14, 40, 4));
}

QImage taxiBild(int nummer) {
    QImage bild(450, 306, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    zeichneStrasseTag(p, bild.size(), 1000 + static_cast<quint32>(nummer));
    const Modell m = modell(nummer);
    p.translate((bild.width() - m.laenge) / 2.0, 272);
    zeichneTaxi(p, m, false);
    p.end();
    return bild;
}

// ---------------------------------------------------------------------------
// Driver portraits

enum class Frisur {
    Seitenscheitel,
    Strubbelig,
    Licht,      // receding and thinning
    Haarkranz,  // bald crown, fringe round the sides
    KurzGrau,   // short with grey temples
    LangGlatt,
    Bob,
    KurzFrau,
    Zopf,
    Locken,
    Dutt
};

enum class Bart { Keiner, Vollbart, Kurzbart, Schnurrbart };
enum class Kleidung { Polo, Sakko, Strickjacke, Kapuze, Karohemd, Shirt, Bluse, Pullover, Blazer };
enum class Brille { Keine, Eckig, Rund, Schmal };

// One driver candidate. Only what sets a person apart needs to be given.
struct Person {
    bool frau = false;
    int alter = 30;
    QColor haut;
    QColor haar;
    QColor augen;
    Frisur frisur = Frisur::Seitenscheitel;
    Bart bart = Bart::Keiner;
    Kleidung kleidung = Kleidung::Polo;
    QColor stoff;
    QColor unterteil{};  // shirt or blouse under a jacket, if any
    Brille brille = Brille::Keine;
    QColor gestell{};
    QColor hintergrund;
    bool ohrringe = false;
    bool kette = false;
    bool sommersprossen = false;
    bool krawatte = false;
    double breiter = 0;  // wider face
    double eckiger = 0;  // wider jaw
};

const std::vector<Person>& personen() {
    static const std::vector<Person> liste = {
        // 1 Thomas Becker, 28
        {.alter = 28,
         .haut = QColor(238, 200, 172),
         .haar = QColor(104, 70, 44),
         .augen = QColor(70, 110, 160),
         .frisur = Frisur::Seitenscheitel,
         .kleidung = Kleidung::Polo,
         .stoff = QColor(44, 92, 162),
         .hintergrund = QColor(196, 214, 228)},
        // 2 Michael Schneider, 43
        {.alter = 43,
         .haut = QColor(232, 192, 162),
         .haar = QColor(156, 124, 82),
         .augen = QColor(90, 110, 90),
         .frisur = Frisur::KurzGrau,
         .bart = Bart::Schnurrbart,
         .kleidung = Kleidung::Sakko,
         .stoff = QColor(104, 108, 116),
         .unterteil = QColor(240, 242, 246),
         .brille = Brille::Eckig,
         .gestell = QColor(30, 30, 34),
         .hintergrund = QColor(222, 214, 196),
         .krawatte = true,
         .breiter = 2,
         .eckiger = 2},
        // 3 Werner Hoffmann, 58
        {.alter = 58,
         .haut = QColor(230, 186, 156),
         .haar = QColor(168, 166, 162),
         .augen = QColor(90, 110, 130),
         .frisur = Frisur::Licht,
         .bart = Bart::Vollbart,
         .kleidung = Kleidung::Strickjacke,
         .stoff = QColor(122, 84, 58),
         .unterteil = QColor(226, 218, 196),
         .hintergrund = QColor(200, 218, 204),
         .breiter = 3,
         .eckiger = 3},
        // 4 Jan Fischer, 23
        {.alter = 23,
         .haut = QColor(178, 124, 88),
         .haar = QColor(34, 28, 26),
         .augen = QColor(70, 44, 28),
         .frisur = Frisur::Strubbelig,
         .kleidung = Kleidung::Kapuze,
         .stoff = QColor(62, 132, 92),
         .hintergrund = QColor(232, 210, 172),
         .breiter = -2,
         .eckiger = -2},
        // 5 Klaus Richter, 59
        {.alter = 59,
         .haut = QColor(236, 184, 158),
         .haar = QColor(206, 204, 200),
         .augen = QColor(80, 100, 130),
         .frisur = Frisur::Haarkranz,
         .bart = Bart::Schnurrbart,
         .kleidung = Kleidung::Sakko,
         .stoff = QColor(38, 52, 88),
         .unterteil = QColor(188, 212, 236),
         .brille = Brille::Rund,
         .gestell = QColor(150, 130, 90),
         .hintergrund = QColor(214, 206, 224),
         .breiter = 4,
         .eckiger = 4},
        // 6 Stefan Wagner, 45
        {.alter = 45,
         .haut = QColor(220, 168, 128),
         .haar = QColor(66, 48, 34),
         .augen = QColor(88, 62, 40),
         .frisur = Frisur::KurzGrau,
         .bart = Bart::Kurzbart,
         .kleidung = Kleidung::Karohemd,
         .stoff = QColor(168, 48, 44),
         .hintergrund = QColor(190, 206, 220),
         .breiter = 1,
         .eckiger = 3},
        // 7 Sabine Müller, 30
        {.frau = true,
         .alter = 30,
         .haut = QColor(244, 208, 186),
         .haar = QColor(222, 186, 112),
         .augen = QColor(64, 120, 140),
         .frisur = Frisur::LangGlatt,
         .kleidung = Kleidung::Shirt,
         .stoff = QColor(192, 44, 62),
         .hintergrund = QColor(206, 222, 236)},
        // 8 Claudia Schmidt, 38
        {.frau = true,
         .alter = 38,
         .haut = QColor(240, 200, 174),
         .haar = QColor(112, 66, 40),
         .augen = QColor(86, 60, 40),
         .frisur = Frisur::Bob,
         .kleidung = Kleidung::Bluse,
         .stoff = QColor(38, 130, 138),
         .brille = Brille::Eckig,
         .gestell = QColor(150, 40, 44),
         .hintergrund = QColor(236, 222, 200),
         .breiter = 1,
         .eckiger = 1},
        // 9 Monika Weber, 50
        {.frau = true,
         .alter = 50,
         .haut = QColor(238, 198, 172),
         .haar = QColor(168, 156, 140),
         .augen = QColor(90, 120, 110),
         .frisur = Frisur::KurzFrau,
         .kleidung = Kleidung::Strickjacke,
         .stoff = QColor(122, 72, 132),
         .unterteil = QColor(232, 226, 236),
         .hintergrund = QColor(210, 226, 206),
         .ohrringe = true,
         .breiter = 2,
         .eckiger = 2},
        // 10 Lena Schulz, 20
        {.frau = true,
         .alter = 20,
         .haut = QColor(248, 220, 198),
         .haar = QColor(172, 82, 40),
         .augen = QColor(80, 130, 80),
         .frisur = Frisur::Zopf,
         .kleidung = Kleidung::Pullover,
         .stoff = QColor(222, 170, 58),
         .hintergrund = QColor(198, 214, 232),
         .sommersprossen = true,
         .breiter = -2,
         .eckiger = -1},
        // 11 Andrea Koch, 40
        {.frau = true,
         .alter = 40,
         .haut = QColor(204, 154, 114),
         .haar = QColor(30, 24, 24),
         .augen = QColor(60, 38, 24),
         .frisur = Frisur::Locken,
         .kleidung = Kleidung::Blazer,
         .stoff = QColor(36, 46, 82),
         .unterteil = QColor(246, 244, 240),
         .hintergrund = QColor(234, 218, 206),
         .ohrringe = true,
         .eckiger = 1},
        // 12 Renate Bauer, 52
        {.frau = true,
         .alter = 52,
         .haut = QColor(240, 204, 184),
         .haar = QColor(192, 190, 186),
         .augen = QColor(90, 110, 140),
         .frisur = Frisur::Dutt,
         .kleidung = Kleidung::Blazer,
         .stoff = QColor(72, 112, 84),
         .unterteil = QColor(236, 230, 214),
         .brille = Brille::Schmal,
         .gestell = QColor(176, 146, 80),
         .hintergrund = QColor(222, 214, 230),
         .kette = true,
         .breiter = 2,
         .eckiger = 2},
    };
    return liste;
}

// Shared face geometry; everything else is placed relative to it.
struct Kopf {
    double cx = 121;
    double scheitel = 38;  // top of the skull
    double breite = 46;    // half width at the cheekbones
    double kiefer;         // half width at the jaw corner
    double kinn;           // chin
    double augenY = 110;
    double augenAbstand = 20;
    double mundY;
    double halsBreite;
    double schulter;
};

Kopf kopfVon(const Person& m) {
    Kopf k;
    k.kiefer = (m.frau ? 28 : 34) + m.eckiger;
    k.breite = (m.frau ? 44 : 47) + m.breiter;
    k.kinn = m.frau ? 168 : 174;
    k.mundY = m.frau ? 149 : 152;
    k.halsBreite = m.frau ? 17 : 24;
    k.schulter = m.frau ? 86 : 98;
    return k;
}

QPainterPath gesichtsPfad(const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    QPainterPath p;
    p.moveTo(cx, k.scheitel);
    p.cubicTo(cx + w * 0.62, k.scheitel, cx + w, k.scheitel + 26, cx + w, 104);
    p.cubicTo(cx + w, 128, cx + k.kiefer + 8, 146, cx + k.kiefer, 156);
    p.cubicTo(cx + k.kiefer - 9, k.kinn - 6, cx + 15, k.kinn, cx, k.kinn);
    p.cubicTo(cx - 15, k.kinn, cx - k.kiefer + 9, k.kinn - 6, cx - k.kiefer, 156);
    p.cubicTo(cx - k.kiefer - 8, 146, cx - w, 128, cx - w, 104);
    p.cubicTo(cx - w, k.scheitel + 26, cx - w * 0.62, k.scheitel, cx, k.scheitel);
    p.closeSubpath();
    return p;
}

// Mirrors a path around the face's vertical axis.
QPainterPath gespiegelt(const QPainterPath& pfad, double cx) {
    QTransform t;
    t.translate(cx, 0);
    t.scale(-1, 1);
    t.translate(-cx, 0);
    return t.map(pfad);
}

QPainterPath beideSeiten(const QPainterPath& links, double cx) {
    QPainterPath p = links;
    p.addPath(gespiegelt(links, cx));
    return p;
}

void fuelleHaar(QPainter& p, const QPainterPath& pfad, const QColor& haar, const QRectF& licht) {
    QRadialGradient g(licht.center(), licht.width());
    g.setColorAt(0.0, haar.lighter(135));
    g.setColorAt(0.6, haar);
    g.setColorAt(1.0, haar.darker(140));
    p.setBrush(g);
    p.setPen(QPen(haar.darker(170), 1.0));
    p.drawPath(pfad);
    // A soft sheen band, as on real hair under a studio light.
    p.save();
    p.setClipPath(pfad);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 36), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(licht.center().x() - 42, licht.center().y() - 22, 84, 70), 40 * 16, 100 * 16);
    p.restore();
}

// One pointed lock of hair, from its root in the given direction (degrees,
// 0 = right, 90 = down).
QPainterPath locke(QPointF ansatz, double winkel, double laenge, double breite) {
    const double w = winkel * std::numbers::pi / 180.0;
    const QPointF r(std::cos(w), std::sin(w));
    const QPointF q(-r.y(), r.x());
    const QPointF spitze = ansatz + r * laenge;
    QPainterPath p;
    p.moveTo(ansatz + q * breite);
    p.quadTo(ansatz + r * (laenge * 0.6) + q * (breite * 0.7), spitze);
    p.quadTo(ansatz + r * (laenge * 0.6) - q * (breite * 0.7), ansatz - q * breite);
    p.closeSubpath();
    return p;
}

// Fine strands give the flat colour a combed direction.
void haarStraehnen(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat,
                   const QPointF& wirbel, int anzahl) {
    p.save();
    p.setClipPath(pfad);
    QRandomGenerator zufall(saat);
    const QRectF rahmen = pfad.boundingRect();
    for (int i = 0; i < anzahl; ++i) {
        const QPointF start(rahmen.left() + zufall.bounded(rahmen.width()),
                            rahmen.top() + zufall.bounded(rahmen.height()));
        QPointF richtung = start - wirbel;
        const double laenge = std::hypot(richtung.x(), richtung.y());
        if (laenge < 1) continue;
        richtung /= laenge;
        const double lang = 10 + zufall.bounded(16);
        const QPointF ende = start + richtung * lang;
        const QPointF quer(-richtung.y(), richtung.x());
        const QPointF bogen = (start + ende) / 2 + quer * (zufall.bounded(6.0) - 3.0);
        const bool hell = zufall.bounded(3) == 0;
        p.setPen(QPen(mitAlpha(hell ? haar.lighter(160) : haar.darker(145), hell ? 50 : 45),
                      hell ? 0.8 : 1.0, Qt::SolidLine, Qt::RoundCap));
        QPainterPath strich;
        strich.moveTo(start);
        strich.quadTo(bogen, ende);
        p.drawPath(strich);
    }
    p.restore();
}

// Little highlighted arcs read as springy curls.
void lockenGlanz(QPainter& p, const QPainterPath& pfad, const QColor& haar, quint32 saat) {
    p.save();
    p.setClipPath(pfad);
    QRandomGenerator zufall(saat);
    const QRectF rahmen = pfad.boundingRect();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 140; ++i) {
        const QPointF q(rahmen.left() + zufall.bounded(rahmen.width()),
                        rahmen.top() + zufall.bounded(rahmen.height()));
        const double r = 3 + zufall.bounded(3.0);
        p.setPen(QPen(mitAlpha(haar.lighter(260), 60), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r),
                  static_cast<int>(zufall.bounded(360)) * 16, 200 * 16);
    }
    p.restore();
}

// Outline bumped by a chain of small circles: curls.
QPainterPath lockig(const QPainterPath& grund, double radius, double schritt) {
    QPainterPath p = grund;
    const double laenge = grund.length();
    for (double s = 0; s < laenge; s += schritt) {
        const QPointF q = grund.pointAtPercent(grund.percentAtLength(s));
        QPainterPath kreis;
        kreis.addEllipse(q, radius, radius);
        p = p.united(kreis);
    }
    return p;
}

// Hair that lies behind the head and neck, possibly over the shoulders.
QPainterPath haarHinten(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    QPainterPath p;
    switch (m.frisur) {
        case Frisur::LangGlatt: {
            // Only the sides show; the middle is hidden by face and neck.
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 8);
            l.cubicTo(cx - w - 8, k.scheitel - 8, cx - w - 16, 80, cx - w - 16, 130);
            l.cubicTo(cx - w - 16, 180, cx - w - 22, 214, cx - w - 18, 244);
            l.cubicTo(cx - w - 4, 236, cx - w + 8, 240, cx - w + 18, 232);
            l.cubicTo(cx - w + 16, 200, cx - 24, 170, cx - 16, 150);
            l.lineTo(cx, 150);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx));
            break;
        }
        case Frisur::Bob: {
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 10);
            l.cubicTo(cx - w - 12, k.scheitel - 10, cx - w - 16, 90, cx - w - 14, 150);
            l.cubicTo(cx - w - 12, 176, cx - w + 2, 186, cx - w + 12, 182);
            l.lineTo(cx, 182);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx));
            break;
        }
        case Frisur::Locken: {
            QPainterPath l;
            l.moveTo(cx, k.scheitel - 14);
            l.cubicTo(cx - w - 16, k.scheitel - 12, cx - w - 22, 90, cx - w - 20, 150);
            l.cubicTo(cx - w - 18, 182, cx - w - 6, 196, cx - w + 16, 192);
            l.lineTo(cx, 190);
            l.closeSubpath();
            QPainterPath grund = l.united(gespiegelt(l, cx));
            p = lockig(grund.simplified(), 9, 11);
            break;
        }
        case Frisur::Zopf: {
            // Ponytail brought forward over the right shoulder.
            p.moveTo(cx + 22, 150);
            p.cubicTo(cx + 50, 150, cx + 66, 170, cx + 64, 200);
            p.cubicTo(cx + 62, 226, cx + 54, 246, cx + 40, 262);
            p.cubicTo(cx + 40, 240, cx + 38, 214, cx + 28, 196);
            p.closeSubpath();
            break;
        }
        case Frisur::Dutt: {
            p.addEllipse(QPointF(cx + 6, k.scheitel - 4), 24, 20);
            break;
        }
        default:
            break;
    }
    return p;
}

// Hair lying on top of the skull and framing the face.
QPainterPath haarVorne(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double w = k.breite;
    const double top = k.scheitel - 8;
    QPainterPath p;
    switch (m.frisur) {
        case Frisur::Seitenscheitel: {
            // Parted on the left, swept over to the right with a little quiff.
            p.moveTo(cx - w - 2, 108);
            p.cubicTo(cx - w - 8, 56, cx - w * 0.7, top - 2, cx - 16, top - 6);
            p.cubicTo(cx + w * 0.6, top - 8, cx + w + 8, 50, cx + w + 2, 108);
            p.lineTo(cx + w - 3, 108);
            p.cubicTo(cx + w - 4, 90, cx + w - 6, 78, cx + w - 12, 70);
            p.cubicTo(cx + 14, 76, cx - 10, 70, cx - 20, 60);
            p.cubicTo(cx - 28, 66, cx - w + 8, 70, cx - w + 4, 84);
            p.lineTo(cx - w + 3, 108);
            p.closeSubpath();
            break;
        }
        case Frisur::Strubbelig: {
            p.moveTo(cx - w - 2, 104);
            p.cubicTo(cx - w - 6, 56, cx - w * 0.7, top, cx, top);
            p.cubicTo(cx + w * 0.7, top, cx + w + 6, 56, cx + w + 2, 104);
            p.lineTo(cx + w - 3, 102);
            p.cubicTo(cx + w - 4, 84, cx + w - 8, 72, cx + w * 0.5, 68);
            p.cubicTo(cx + 10, 64, cx - 10, 64, cx - w * 0.5, 68);
            p.cubicTo(cx - w + 8, 72, cx - w + 4, 84, cx - w + 3, 102);
            p.closeSubpath();
            // Tousled locks standing up on the crown and falling onto the forehead.
            const double oben[][3] = {{-40, 200, 18}, {-30, 228, 22}, {-14, 250, 24}, {2, 268, 24},
                                      {18, 288, 22},  {32, 310, 20},  {42, 330, 16}};
            for (const auto& o : oben) {
                p = p.united(
                    locke(QPointF(cx + o[0], top + 16 + std::abs(o[0]) * 0.35), o[1], o[2], 8));
            }
            const double stirn[][3] = {
                {-30, 100, 16}, {-14, 84, 20}, {4, 96, 18}, {20, 76, 16}, {34, 66, 14}};
            for (const auto& s : stirn) {
                p = p.united(locke(QPointF(cx + s[0], 64), s[1], s[2], 7));
            }
            break;
        }
        case Frisur::Licht: {
            // Deep temples: the forehead runs up to a thin tuft on the crown.
            p.moveTo(cx - w - 2, 106);
            p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 2, cx, top + 2);
            p.cubicTo(cx + w * 0.7, top + 2, cx + w + 6, 58, cx + w + 2, 106);
            p.lineTo(cx + w - 3, 104);
            p.cubicTo(cx + w - 3, 86, cx + w - 6, 74, cx + w - 12, 64);
            p.cubicTo(cx + 30, 46, cx + 22, 44, cx + 10, 50);
            p.quadTo(cx, 56, cx - 10, 50);
            p.cubicTo(cx - 22, 44, cx - 30, 46, cx - w + 12, 64);
            p.cubicTo(cx - w + 6, 74, cx - w + 3, 86, cx - w + 3, 104);
            p.closeSubpath();
            break;
        }
        case Frisur::Haarkranz: {
            QPainterPath l;
            l.moveTo(cx - w + 4, 80);
            l.cubicTo(cx - w - 6, 78, cx - w - 10, 96, cx - w - 6, 126);
            l.lineTo(cx - w + 1, 124);
            l.cubicTo(cx - w + 2, 104, cx - w + 2, 92, cx - w + 6, 84);
            l.closeSubpath();
            p = beideSeiten(l, cx);
            break;
        }
        case Frisur::KurzGrau: {
            p.moveTo(cx - w - 1, 104);
            p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 2, cx, top + 2);
            p.cubicTo(cx + w * 0.7, top + 2, cx + w + 6, 58, cx + w + 1, 104);
            p.lineTo(cx + w - 3, 104);
            p.cubicTo(cx + w - 4, 84, cx + w - 8, 72, cx + w * 0.55, 62);
            p.cubicTo(cx + 16, 56, cx - 16, 56, cx - w * 0.55, 62);
            p.cubicTo(cx - w + 8, 72, cx - w + 4, 84, cx - w + 3, 104);
            p.closeSubpath();
            break;
        }
        case Frisur::LangGlatt: {
            QPainterPath l;
            l.moveTo(cx + 2, top);
            l.cubicTo(cx - w - 4, top, cx - w - 12, 76, cx - w - 10, 130);
            l.cubicTo(cx - w - 10, 160, cx - w - 6, 180, cx - w - 4, 196);
            l.lineTo(cx - w + 6, 190);
            l.cubicTo(cx - w + 4, 160, cx - w + 2, 110, cx - w + 8, 86);
            l.cubicTo(cx - 26, 62, cx - 8, 52, cx + 2, 44);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx + 2));
            break;
        }
        case Frisur::Bob: {
            QPainterPath l;
            l.moveTo(cx, top - 2);
            l.cubicTo(cx - w - 8, top - 2, cx - w - 12, 80, cx - w - 10, 140);
            l.cubicTo(cx - w - 8, 170, cx - w + 2, 182, cx - w + 10, 180);
            l.cubicTo(cx - w + 6, 160, cx - w + 4, 120, cx - w + 6, 100);
            // Straight fringe across the brows.
            l.cubicTo(cx - w + 8, 86, cx - 20, 84, cx, 85);
            l.closeSubpath();
            p = l.united(gespiegelt(l, cx));
            break;
        }
        case Frisur::KurzFrau: {
            p.moveTo(cx - w - 1, 106);
            p.cubicTo(cx - w - 10, 60, cx - w * 0.6, top - 4, cx + 6, top - 4);
            p.cubicTo(cx + w * 0.8, top - 4, cx + w + 10, 60, cx + w + 2, 106);
            p.lineTo(cx + w - 3, 104);
            p.cubicTo(cx + w - 2, 84, cx + w - 6, 74, cx + w * 0.6, 66);
            // Side-swept fringe sweeping to the left temple.
            p.cubicTo(cx + 10, 64, cx - 10, 78, cx - w + 10, 90);
            p.cubicTo(cx - w + 4, 92, cx - w + 3, 100, cx - w + 3, 106);
            p.closeSubpath();
            break;
        }
        case Frisur::Zopf: {
            p.moveTo(cx - w - 1, 104);
            p.cubicTo(cx - w - 6, 58, cx - w * 0.7, top + 1, cx, top + 1);
            p.cubicTo(cx + w * 0.7, top + 1, cx + w + 6, 58, cx + w + 1, 104);
            p.lineTo(cx + w - 3, 102);
            p.cubicTo(cx + w - 4, 80, cx + w - 14, 62, cx + 6, 58);
            p.cubicTo(cx - 2, 62, cx - 4, 62, cx - 8, 58);
            p.cubicTo(cx - w + 14, 62, cx - w + 4, 80, cx - w + 3, 102);
            p.closeSubpath();
            break;
        }
        case Frisur::Locken: {
            QPainterPath l;
            l.moveTo(cx + 10, top - 6);
            l.cubicTo(cx - w - 10, top - 6, cx - w - 18, 80, cx - w - 12, 140);
            l.cubicTo(cx - w - 10, 160, cx - w - 6, 170, cx - w + 2, 176);
            l.cubicTo(cx - w + 2, 140, cx - w + 2, 100, cx - w + 12, 82);
            l.cubicTo(cx - 20, 62, cx, 64, cx + 10, 60);
            l.cubicTo(cx + 24, 62, cx + w - 10, 70, cx + w - 6, 90);
            l.cubicTo(cx + w - 2, 120, cx + w, 150, cx + w + 2, 176);
            l.cubicTo(cx + w + 14, 160, cx + w + 18, 80, cx + w + 6, 60);
            l.cubicTo(cx + w - 4, top - 2, cx + 30, top - 6, cx + 10, top - 6);
            l.closeSubpath();
            p = lockig(l, 7, 10);
            break;
        }
        case Frisur::Dutt: {
            p.moveTo(cx - w - 1, 104);
            p.cubicTo(cx - w - 8, 56, cx - w * 0.7, top, cx, top);
            p.cubicTo(cx + w * 0.7, top, cx + w + 8, 56, cx + w + 1, 104);
            p.lineTo(cx + w - 3, 104);
            p.cubicTo(cx + w - 4, 80, cx + w - 16, 60, cx, 58);
            p.cubicTo(cx - w + 16, 60, cx - w + 4, 80, cx - w + 3, 104);
            p.closeSubpath();
            break;
        }
    }
    return p;
}

QPainterPath halsPfad(const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    QPainterPath p;
    p.moveTo(cx - h, 140);
    p.lineTo(cx + h, 140);
    p.cubicTo(cx + h, 180, cx + h + 4, 196, cx + h + 40, 212);
    p.lineTo(cx + h + 40, 258);
    p.lineTo(cx - h - 40, 258);
    p.lineTo(cx - h - 40, 212);
    p.cubicTo(cx - h - 4, 196, cx - h, 180, cx - h, 140);
    p.closeSubpath();
    return p;
}

QPainterPath rumpfPfad(const Kopf& k) {
    const double cx = k.cx;
    const double s = k.schulter;
    const double h = k.halsBreite;
    QPainterPath l;
    l.moveTo(cx, 258 + 10);
    l.lineTo(cx - s - 30, 258 + 10);
    l.cubicTo(cx - s - 26, 240, cx - s - 20, 222, cx - s + 4, 210);
    l.cubicTo(cx - s + 30, 198, cx - h - 16, 196, cx - h - 4, 186);
    l.lineTo(cx, 186);
    l.closeSubpath();
    return l.united(gespiegelt(l, cx)).simplified();
}

// Opening of the clothes at the neck, cut out of the torso.
QPainterPath ausschnitt(const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    QPainterPath p;
    switch (m.kleidung) {
        case Kleidung::Shirt:
        case Kleidung::Pullover:
            p.moveTo(cx - h - 8, 180);
            p.cubicTo(cx - h - 6, 214, cx + h + 6, 214, cx + h + 8, 180);
            p.closeSubpath();
            break;
        case Kleidung::Bluse:
        case Kleidung::Strickjacke:
            p.moveTo(cx - h - 6, 180);
            p.lineTo(cx, m.kleidung == Kleidung::Bluse ? 226 : 240);
            p.lineTo(cx + h + 6, 180);
            p.closeSubpath();
            break;
        case Kleidung::Blazer:
        case Kleidung::Sakko:
            p.moveTo(cx - h - 8, 180);
            p.lineTo(cx - 8, 268);
            p.lineTo(cx + 8, 268);
            p.lineTo(cx + h + 8, 180);
            p.closeSubpath();
            break;
        default:
            p.moveTo(cx - h - 4, 182);
            p.cubicTo(cx - h, 200, cx + h, 200, cx + h + 4, 182);
            p.closeSubpath();
            break;
    }
    return p;
}

void stoffFuellen(QPainter& p, const QPainterPath& pfad, const QColor& c) {
    const QRectF r = pfad.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, c.lighter(118));
    g.setColorAt(1.0, c.darker(125));
    p.setBrush(g);
    p.setPen(QPen(c.darker(160), 1.2));
    p.drawPath(pfad);
}

void zeichneKleidung(QPainter& p, const Person& m, const Kopf& k) {
    const double cx = k.cx;
    const double h = k.halsBreite;
    const QPainterPath rumpf = rumpfPfad(k);
    const QPainterPath oeffnung = ausschnitt(m, k);

    // What shows inside the opening: a shirt, blouse or top.
    if (m.unterteil.isValid()) {
        const QPainterPath innen = rumpf.intersected(oeffnung);
        stoffFuellen(p, innen, m.unterteil);
        if (m.kleidung == Kleidung::Sakko || m.kleidung == Kleidung::Strickjacke) {
            // Shirt collar points.
            QPainterPath kragen;
            kragen.moveTo(cx - h - 4, 180);
            kragen.lineTo(cx - 4, 206);
            kragen.lineTo(cx - h + 2, 212);
            kragen.lineTo(cx - h - 10, 190);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.unterteil.lighter(106));
        }
        if (m.krawatte) {
            QPainterPath schlips;
            schlips.moveTo(cx - 5, 202);
            schlips.lineTo(cx + 5, 202);
            schlips.lineTo(cx + 8, 250);
            schlips.lineTo(cx, 262);
            schlips.lineTo(cx - 8, 250);
            schlips.closeSubpath();
            schlips.addRect(QRectF(cx - 6, 196, 12, 8));
            stoffFuellen(p, schlips, QColor(128, 30, 40));
        }
    }

    const QPainterPath stoff = rumpf.subtracted(oeffnung);
    stoffFuellen(p, stoff, m.stoff);

    p.save();
    p.setClipPath(stoff);
    switch (m.kleidung) {
        case Kleidung::Karohemd: {
            // Checked flannel: broad dark bands and thin light lines.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 20, 20, 70));
            for (double x = 0; x < 242; x += 22)
                p.drawRect(QRectF(x, 180, 9, 90));
            for (double y = 184; y < 262; y += 22)
                p.drawRect(QRectF(0, y, 242, 9));
            p.setPen(QPen(QColor(255, 240, 220, 90), 1.0));
            for (double x = 15; x < 242; x += 22)
                p.drawLine(QPointF(x, 180), QPointF(x, 262));
            for (double y = 199; y < 262; y += 22)
                p.drawLine(QPointF(0, y), QPointF(242, y));
            break;
        }
        case Kleidung::Pullover: {
            // Ribbed neckband.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(120), 7));
            p.drawPath(oeffnung);
            p.setPen(QPen(m.stoff.darker(140), 0.8));
            for (int i = -8; i <= 8; ++i) {
                const double x = cx + i * 4.5;
                p.drawLine(QPointF(x, 196), QPointF(x, 212));
            }
            break;
        }
        case Kleidung::Shirt: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(125), 3));
            p.drawPath(oeffnung);
            break;
        }
        case Kleidung::Kapuze: {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(118), 6));
            p.drawPath(oeffnung);
            break;
        }
        default:
            break;
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    switch (m.kleidung) {
        case Kleidung::Polo: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 8, 182);
            kragen.cubicTo(cx - h - 14, 196, cx - h - 20, 206, cx - h - 24, 212);
            kragen.lineTo(cx - 2, 210);
            kragen.lineTo(cx - h + 2, 192);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.lighter(108));
            p.setPen(QPen(m.stoff.darker(150), 1.2));
            p.drawLine(QPointF(cx, 204), QPointF(cx, 240));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(235, 235, 240));
            p.drawEllipse(QPointF(cx + 4, 218), 2.4, 2.4);
            p.drawEllipse(QPointF(cx + 4, 232), 2.4, 2.4);
            break;
        }
        case Kleidung::Karohemd: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 6, 182);
            kragen.lineTo(cx - 2, 206);
            kragen.lineTo(cx - h + 4, 214);
            kragen.lineTo(cx - h - 14, 196);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.darker(110));
            break;
        }
        case Kleidung::Sakko:
        case Kleidung::Blazer: {
            // Lapels folded back from the opening.
            QPainterPath revers;
            revers.moveTo(cx - h - 8, 182);
            revers.lineTo(cx - 8, 262);
            revers.lineTo(cx - h - 12, 228);
            revers.lineTo(cx - h - 22, 222);
            revers.lineTo(cx - h - 14, 196);
            revers.closeSubpath();
            stoffFuellen(p, beideSeiten(revers, cx), m.stoff.darker(112));
            break;
        }
        case Kleidung::Strickjacke: {
            p.setPen(Qt::NoPen);
            p.setBrush(m.stoff.darker(160));
            for (double y = 246; y < 262; y += 14)
                p.drawEllipse(QPointF(cx + 5, y), 3, 3);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(m.stoff.darker(125), 4));
            QPainterPath kante;
            kante.moveTo(cx - h - 6, 180);
            kante.lineTo(cx, 240);
            kante.lineTo(cx + h + 6, 180);
            p.drawPath(kante);
            break;
        }
        case Kleidung::Bluse: {
            QPainterPath kragen;
            kragen.moveTo(cx - h - 6, 180);
            kragen.lineTo(cx - 2, 224);
            kragen.lineTo(cx - h - 4, 214);
            kragen.lineTo(cx - h - 20, 196);
            kragen.closeSubpath();
            stoffFuellen(p, beideSeiten(kragen, cx), m.stoff.lighter(112));
            break;
        }
        case Kleidung::Kapuze: {
            // Drawstrings hanging from the neckline.
            p.setPen(QPen(QColor(236, 236, 236), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 11, 197), QPointF(cx - 13, 240));
            p.drawLine(QPointF(cx + 11, 197), QPointF(cx + 12, 236));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 200, 200));
            p.drawRoundedRect(QRectF(cx - 15, 238, 4, 6), 1.5, 1.5);
            p.drawRoundedRect(QRectF(cx + 10, 234, 4, 6), 1.5, 1.5);
            break;
        }
        default:
            break;
    }

    if (m.kette) {
        // Pearls along the neckline.
        p.setPen(QPen(QColor(180, 176, 168), 0.6));
        for (int i = -6; i <= 6; ++i) {
            const double t = i / 6.0;
            const QPointF q(cx + t * (h + 6), 196 + 16 * (1 - t * t));
            QRadialGradient perle(q + QPointF(-1, -1), 3.4);
            perle.setColorAt(0.0, QColor(255, 255, 255));
            perle.setColorAt(1.0, QColor(214, 208, 196));
            p.setBrush(perle);
            p.drawEllipse(q, 3.0, 3.0);
        }
    }
}

void zeichneAuge(QPainter& p, const Person& m, QPointF mitte, bool rechts) {
    const double b = 10.5;
    const double h = m.frau ? 5.8 : 5.0;
    QPainterPath form;
    form.moveTo(mitte.x() - b, mitte.y());
    form.cubicTo(mitte.x() - b * 0.5, mitte.y() - h * 1.3, mitte.x() + b * 0.5, mitte.y() - h * 1.3,
                 mitte.x() + b, mitte.y());
    form.cubicTo(mitte.x() + b * 0.5, mitte.y() + h, mitte.x() - b * 0.5, mitte.y() + h,
                 mitte.x() - b, mitte.y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 244));
    p.drawPath(form);
    p.save();
    p.setClipPath(form);
    const QPointF iris = mitte + QPointF(rechts ? -0.6 : 0.6, 0.2);
    QRadialGradient g(iris, 5.2);
    g.setColorAt(0.0, m.augen.lighter(150));
    g.setColorAt(0.8, m.augen);
    g.setColorAt(1.0, m.augen.darker(160));
    p.setBrush(g);
    p.drawEllipse(iris, 5.2, 5.2);
    p.setBrush(QColor(18, 14, 12));
    p.drawEllipse(iris, 2.3, 2.3);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(iris + QPointF(-1.6, -1.8), 1.3, 1.3);
    p.restore();
    // Upper lid line, heavier with lashes.
    QPainterPath lid;
    lid.moveTo(mitte.x() - b - 0.5, mitte.y() + 0.5);
    lid.cubicTo(mitte.x() - b * 0.5, mitte.y() - h * 1.35, mitte.x() + b * 0.5,
                mitte.y() - h * 1.35, mitte.x() + b + 0.5, mitte.y() + 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 32, 26), m.frau ? 2.2 : 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lid);
    if (m.frau) {
        const double seite = rechts ? 1.0 : -1.0;
        p.drawLine(QPointF(mitte.x() + seite * b, mitte.y()),
                   QPointF(mitte.x() + seite * (b + 3), mitte.y() - 2.5));
    }
    // Crease above the lid.
    p.setPen(QPen(mitAlpha(m.haut.darker(140), 110), 1.0));
    QPainterPath falte;
    falte.moveTo(mitte.x() - b * 0.8, mitte.y() - h - 1);
    falte.quadTo(mitte.x(), mitte.y() - h * 2.1, mitte.x() + b * 0.8, mitte.y() - h - 1);
    p.drawPath(falte);
}

void zeichneGesicht(QPainter& p, const Person& m, const Kopf& k, quint32 saat) {
    const double cx = k.cx;
    const double w = k.breite;
    const QColor haut = m.haut;
    const QColor hautDunkel = haut.darker(118);

    // Ears.
    for (double seite : {-1.0, 1.0}) {
        const QPointF ohr(cx + seite * (w - 1), 116);
        QRadialGradient g(ohr, 12);
        g.setColorAt(0.0, haut);
        g.setColorAt(1.0, hautDunkel);
        p.setBrush(g);
        p.setPen(QPen(haut.darker(135), 1.0));
        p.drawEllipse(ohr, 8, 15);
        p.setPen(QPen(haut.darker(140), 1.4));
        p.drawArc(QRectF(ohr.x() - 4, ohr.y() - 9, 8, 16), seite > 0 ? -60 * 16 : 120 * 16,
                  180 * 16);
    }

    const QPainterPath gesicht = gesichtsPfad(k);
    QRadialGradient g(QPointF(cx - 8, 100), w * 1.6);
    g.setColorAt(0.0, haut.lighter(106));
    g.setColorAt(0.55, haut);
    g.setColorAt(1.0, hautDunkel);
    p.setBrush(g);
    p.setPen(QPen(haut.darker(140), 1.0));
    p.drawPath(gesicht);

    p.save();
    p.setClipPath(gesicht);
    p.setPen(Qt::NoPen);

    // Cheeks.
    for (double seite : {-1.0, 1.0}) {
        QRadialGradient wange(QPointF(cx + seite * 26, 134), 16);
        wange.setColorAt(0.0, QColor(220, 110, 100, m.frau ? 60 : 26));
        wange.setColorAt(1.0, QColor(220, 110, 100, 0));
        p.setBrush(wange);
        p.drawEllipse(QPointF(cx + seite * 26, 134), 16, 12);
    }

    if (m.sommersprossen) {
        QRandomGenerator zufall(saat);
        p.setBrush(QColor(176, 104, 70, 120));
        for (int i = 0; i < 40; ++i) {
            const double seite = zufall.bounded(2) == 0 ? -1 : 1;
            const QPointF q(cx + seite * (8 + zufall.bounded(26.0)), 122 + zufall.bounded(16.0));
            p.drawEllipse(q, 1.0, 1.0);
        }
    }

    // Age: forehead lines, crow's feet, folds beside the mouth.
    if (m.alter >= 40) {
        const int a = std::min(150, (m.alter - 36) * 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(mitAlpha(haut.darker(145), a), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (double seite : {-1.0, 1.0}) {
            QPainterPath falte;
            falte.moveTo(cx + seite * 12, 128);
            falte.cubicTo(cx + seite * 21, 138, cx + seite * 22, 146, cx + seite * 19, 154);
            p.drawPath(falte);
            for (int i = 0; i < 2; ++i) {
                const double y = k.augenY - 2 + i * 4;
                p.drawLine(QPointF(cx + seite * (k.augenAbstand + 13), y),
                           QPointF(cx + seite * (k.augenAbstand + 18), y - 1 + i * 3));
            }
        }
        if (m.alter >= 50) {
            for (int i = 0; i < 2; ++i) {
                const double y = 74 + i * 7;
                p.drawArc(QRectF(cx - 20, y, 40, 8), 30 * 16, 120 * 16);
            }
        }
    }
    p.restore();

    // Brows.
    for (double seite : {-1.0, 1.0}) {
        const double x = cx + seite * k.augenAbstand;
        QPainterPath braue;
        braue.moveTo(x - seite * 11, k.augenY - 10);
        braue.quadTo(x, k.augenY - (m.frau ? 19 : 16), x + seite * 12, k.augenY - 12);
        const QColor farbe =
            m.frisur == Frisur::Haarkranz || m.alter > 55 ? m.haar.darker(150) : m.haar.darker(130);
        p.setPen(QPen(farbe, m.frau ? 2.4 : 3.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(braue);
    }

    zeichneAuge(p, m, QPointF(cx - k.augenAbstand, k.augenY), false);
    zeichneAuge(p, m, QPointF(cx + k.augenAbstand, k.augenY), true);

    // Nose: a shaded side and soft nostrils.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mitAlpha(haut.darker(135), 160), 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nase;
    nase.moveTo(cx - 4, k.augenY + 4);
    nase.cubicTo(cx - 6, 124, cx - 9, 130, cx - 8, 134);
    p.drawPath(nase);
    QPainterPath fluegel;
    fluegel.moveTo(cx - 9, 134);
    fluegel.quadTo(cx - 7, 139, cx - 2, 138);
    fluegel.moveTo(cx + 2, 138);
    fluegel.quadTo(cx + 7, 139, cx + 9, 134);
    p.setPen(QPen(haut.darker(150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fluegel);
    p.setPen(Qt::NoPen);
    p.setBrush(mitAlpha(Qt::white, 35));
    p.drawEllipse(QPointF(cx + 1, 130), 2.5, 3.5);

    // Mouth: lips for women, a calm smile for everyone.
    const double my = k.mundY;
    const double mb = m.frau ? 14 : 15;
    // Younger women wear brighter lipstick, older ones a muted tone.
    const QColor lippe = m.frau ? mische(QColor(214, 84, 100), QColor(166, 78, 86),
                                         std::clamp((m.alter - 20) / 35.0, 0.0, 1.0))
                                : haut.darker(128);
    QPainterPath oben;
    oben.moveTo(cx - mb, my);
    oben.cubicTo(cx - mb * 0.6, my - 5, cx - 4, my - 5, cx, my - 3);
    oben.cubicTo(cx + 4, my - 5, cx + mb * 0.6, my - 5, cx + mb, my);
    oben.cubicTo(cx + mb * 0.5, my + 2, cx - mb * 0.5, my + 2, cx - mb, my);
    QPainterPath unten;
    unten.moveTo(cx - mb, my);
    unten.cubicTo(cx - mb * 0.5, my + 2, cx + mb * 0.5, my + 2, cx + mb, my);
    unten.cubicTo(cx + mb * 0.6, my + 9, cx - mb * 0.6, my + 9, cx - mb, my);
    p.setBrush(lippe);
    p.drawPath(oben);
    p.setBrush(lippe.lighter(112));
    p.drawPath(unten);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lippe.darker(150), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath spalt;
    spalt.moveTo(cx - mb - 1, my - 1);
    spalt.cubicTo(cx - mb * 0.5, my + 2.5, cx + mb * 0.5, my + 2.5, cx + mb + 1, my - 1);
    p.drawPath(spalt);
    p.setPen(Qt::NoPen);
    p.setBrush(mitAlpha(Qt::white, 40));
    p.drawEllipse(QPointF(cx + 2, my + 5), 4, 1.4);
}

void zeichneBart(QPainter& p, const Person& m, const Kopf& k, quint32 saat) {
    const double cx = k.cx;
    const double w = k.breite;
    const double my = k.mundY;
    QPainterPath bart;
    switch (m.bart) {
        case Bart::Keiner:
            return;
        case Bart::Schnurrbart:
            bart.moveTo(cx - 17, my + 1);
            bart.cubicTo(cx - 16, my - 10, cx - 4, my - 11, cx, my - 8);
            bart.cubicTo(cx + 4, my - 11, cx + 16, my - 10, cx + 17, my + 1);
            bart.cubicTo(cx + 10, my - 4, cx - 10, my - 4, cx - 17, my + 1);
            bart.closeSubpath();
            break;
        case Bart::Vollbart:
        case Bart::Kurzbart: {
            const bool voll = m.bart == Bart::Vollbart;
            const double unten = voll ? 10 : 3;
            const double wange = voll ? 130 : 138;
            QPainterPath kinn;
            kinn.moveTo(cx - w + 1, 112);
            kinn.cubicTo(cx - w + 2, wange + 2, cx - w + 10, wange, cx - 22, 142);
            kinn.cubicTo(cx - 18, 136, cx - 8, 134, cx, 136);
            kinn.cubicTo(cx + 8, 134, cx + 18, 136, cx + 22, 142);
            kinn.cubicTo(cx + w - 10, wange, cx + w - 2, wange + 2, cx + w - 1, 112);
            kinn.cubicTo(cx + w + 2, 150, cx + k.kiefer + 8, 160, cx + k.kiefer, 164);
            kinn.cubicTo(cx + k.kiefer - 10, k.kinn + unten, cx + 16, k.kinn + unten, cx,
                         k.kinn + unten);
            kinn.cubicTo(cx - 16, k.kinn + unten, cx - k.kiefer + 10, k.kinn + unten, cx - k.kiefer,
                         164);
            kinn.cubicTo(cx - k.kiefer - 8, 160, cx - w - 2, 150, cx - w + 1, 112);
            kinn.closeSubpath();
            // The lips stay free.
            QPainterPath mund;
            mund.addEllipse(QPointF(cx, my + 1), 13, 6);
            bart = kinn.subtracted(mund);
            break;
        }
    }
    const QColor farbe = m.bart == Bart::Kurzbart ? mische(m.haar, QColor(150, 146, 140), 0.25)
                                                  : m.haar.darker(m.alter > 55 ? 105 : 115);
    p.setBrush(mitAlpha(farbe, m.bart == Bart::Kurzbart ? 205 : 240));
    p.setPen(QPen(farbe.darker(130), 0.8));
    p.drawPath(bart);
    haarStraehnen(p, bart, farbe, saat, QPointF(cx, 60), 220);
}

void zeichneBrille(QPainter& p, const Person& m, const Kopf& k) {
    if (m.brille == Brille::Keine) return;
    const double cx = k.cx;
    const double y = k.augenY;
    const double a = k.augenAbstand;
    const double dicke = m.brille == Brille::Eckig ? 2.8 : 1.6;
    p.setPen(QPen(m.gestell, dicke));
    p.setBrush(QColor(255, 255, 255, 40));
    for (double seite : {-1.0, 1.0}) {
        const QPointF mitte(cx + seite * a, y + 1);
        switch (m.brille) {
            case Brille::Rund:
                p.drawEllipse(mitte, 13, 12);
                break;
            case Brille::Schmal:
                p.drawRoundedRect(QRectF(mitte.x() - 14, mitte.y() - 7, 28, 15), 6, 6);
                break;
            default:
                p.drawRoundedRect(QRectF(mitte.x() - 15, mitte.y() - 10, 30, 20), 4, 4);
                break;
        }
        p.drawLine(QPointF(cx + seite * (a + 14), y - 2),
                   QPointF(cx + seite * (k.breite + 1), y - 4));
    }
    p.setBrush(Qt::NoBrush);
    QPainterPath steg;
    steg.moveTo(cx - a + 13, y - 1);
    steg.quadTo(cx, y - 6, cx + a - 13, y - 1);
    p.drawPath(steg);
    // A glint on each lens.
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double seite : {-1.0, 1.0}) {
        p.drawLine(QPointF(cx + seite * a - 8, y - 4), QPointF(cx + seite * a - 4, y - 8));
    }
}

QImage portrait(int nummer) {
    const Person& m = personen().at(static_cast<size_t>(nummer - 1));
    const Kopf k = kopfVon(m);
    const quint32 saat = 500 + static_cast<quint32>(nummer);

    QImage bild(242, 258, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // Studio backdrop: bright behind the head, darker at the edges.
    QRadialGradient grund(QPointF(121, 100), 190);
    grund.setColorAt(0.0, m.hintergrund.lighter(112));
    grund.setColorAt(1.0, m.hintergrund.darker(128));
    p.fillRect(bild.rect(), grund);

    if (m.kleidung == Kleidung::Kapuze) {
        // The hood lies folded behind the neck.
        QPainterPath kapuze;
        kapuze.addEllipse(QPointF(k.cx, 190), k.halsBreite + 30, 24);
        stoffFuellen(p, kapuze, m.stoff.darker(112));
    }

    // Neck and chest skin, shaded under the chin.
    const QPainterPath hals = halsPfad(k);
    QLinearGradient hg(0, 150, 0, 200);
    hg.setColorAt(0.0, m.haut.darker(135));
    hg.setColorAt(0.5, m.haut.darker(112));
    hg.setColorAt(1.0, m.haut);
    p.setBrush(hg);
    p.setPen(QPen(m.haut.darker(140), 1.0));
    p.drawPath(hals);

    zeichneKleidung(p, m, k);

    const QPainterPath hinten = haarHinten(m, k);
    if (!hinten.isEmpty()) {
        const QPainterPath sichtbarerHals =
            hals.subtracted(rumpfPfad(k).subtracted(ausschnitt(m, k)));
        const QPainterPath haar = hinten.subtracted(sichtbarerHals);
        fuelleHaar(p, haar, m.haar.darker(115), QRectF(60, 30, 120, 120));
        if (m.frisur == Frisur::Locken) {
            lockenGlanz(p, haar, m.haar, saat + 3);
        } else {
            haarStraehnen(p, haar, m.haar.darker(115), saat, QPointF(121, 20), 160);
        }
    }

    zeichneGesicht(p, m, k, saat);
    zeichneBart(p, m, k, saat);

    // Before the hair, so the arms disappear where hair covers the ears.
    zeichneBrille(p, m, k);

    const QPainterPath vorne = haarVorne(m, k);
    if (!vorne.isEmpty()) {
        fuelleHaar(p, vorne, m.haar, QRectF(70, 20, 70, 70));
        if (m.frisur == Frisur::Locken) {
            lockenGlanz(p, vorne, m.haar, saat);
        } else {
            haarStraehnen(p, vorne, m.haar, saat + 1, QPointF(121, 90), 180);
        }
    }
    if (m.frisur == Frisur::Licht) {
        // Scalp shows through the thin crown.
        p.save();
        p.setClipPath(vorne);
        QRadialGradient kopfhaut(QPointF(121, 44), 34);
        kopfhaut.setColorAt(0.0, mitAlpha(m.haut, 200));
        kopfhaut.setColorAt(1.0, mitAlpha(m.haut, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(kopfhaut);
        p.drawEllipse(QPointF(121, 44), 40, 26);
        p.restore();
    }
    if (m.frisur == Frisur::KurzGrau) {
        // Grey creeping in at the temples.
        p.save();
        p.setClipPath(vorne);
        p.setPen(Qt::NoPen);
        for (double seite : {-1.0, 1.0}) {
            const QPointF schlaefe(k.cx + seite * (k.breite + 2), 94);
            QRadialGradient grau(schlaefe, 26);
            grau.setColorAt(0.0, QColor(200, 198, 194, 220));
            grau.setColorAt(1.0, QColor(200, 198, 194, 0));
            p.setBrush(grau);
            p.drawEllipse(schlaefe, 26, 34);
        }
        p.restore();
        haarStraehnen(p, vorne, m.haar, saat + 2, QPointF(121, 90), 60);
    }
    if (m.frisur == Frisur::Haarkranz || m.frisur == Frisur::Licht) {
        // Light falling on the bare crown.
        QRadialGradient glanz(QPointF(108, 56), 22);
        glanz.setColorAt(0.0, QColor(255, 255, 255, 90));
        glanz.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glanz);
        p.drawEllipse(QPointF(108, 56), 24, 14);
    }

    if (m.ohrringe) {
        p.setPen(QPen(QColor(212, 176, 72), 2.0));
        p.setBrush(Qt::NoBrush);
        for (double seite : {-1.0, 1.0}) {
            p.drawEllipse(QPointF(k.cx + seite * (k.breite - 1), 138), 4, 5);
        }
    }
    p.end();
    return bild;
}

// ---------------------------------------------------------------------------
// Title picture

void zeichneHochhaus(QPainter& p, const QRectF& r, const QColor& farbe, double anteilLicht,
                     QRandomGenerator& zufall, double fenster) {
    p.setPen(Qt::NoPen);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, farbe.lighter(115));
    g.setColorAt(1.0, farbe);
    p.setBrush(g);
    p.drawRect(r);
    const double abstand = fenster * 2.0;
    for (double y = r.top() + fenster; y + fenster < r.bottom(); y += abstand) {
        for (double x = r.left() + fenster * 0.8; x + fenster < r.right(); x += abstand) {
            if (zufall.generateDouble() > anteilLicht) continue;
            const int ton = static_cast<int>(zufall.bounded(40));
            p.setBrush(QColor(255, 200 + ton, 90 + ton * 2, 170 + ton * 2));
            p.drawRect(QRectF(x, y, fenster, fenster * 1.2));
        }
    }
}

// A light's smeared reflection on wet asphalt.
void spiegelung(QPainter& p, QPointF mitte, const QColor& farbe, int staerke) {
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, mitAlpha(farbe, staerke));
    g.setColorAt(1.0, mitAlpha(farbe, 0));
    p.save();
    p.translate(mitte);
    p.scale(7, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

QImage titelBild() {
    const int breite = 400;
    const int hoehe = 300;
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRandomGenerator zufall(4711);

    const double horizont = 214;
    QLinearGradient himmel(0, 0, 0, horizont);
    himmel.setColorAt(0.0, QColor(4, 6, 18));
    himmel.setColorAt(0.55, QColor(20, 24, 60));
    himmel.setColorAt(1.0, QColor(86, 52, 92));
    p.fillRect(QRectF(0, 0, breite, horizont), himmel);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF stern(zufall.bounded(breite), zufall.bounded(140.0));
        const int hell = 80 + static_cast<int>(zufall.bounded(170));
        p.setBrush(QColor(255, 255, 240, hell));
        const double r = zufall.bounded(10) == 0 ? 1.2 : 0.6;
        p.drawEllipse(stern, r, r);
    }
    // Moon with a faint halo.
    {
        const QPointF mond(352, 112);
        QRadialGradient hof(mond, 40);
        hof.setColorAt(0.0, QColor(255, 250, 220, 70));
        hof.setColorAt(1.0, QColor(255, 250, 220, 0));
        p.setBrush(hof);
        p.drawEllipse(mond, 40, 40);
        QPainterPath scheibe;
        scheibe.addEllipse(mond, 13, 13);
        QPainterPath schatten;
        schatten.addEllipse(mond + QPointF(-6, -3), 12, 12);
        p.setBrush(QColor(250, 244, 214));
        p.drawPath(scheibe.subtracted(schatten));
    }

    // Far skyline with a television tower, then the nearer blocks.
    const QColor fern(34, 34, 64);
    double x = -10;
    while (x < breite) {
        const double b = 18 + zufall.bounded(26);
        const double h = 40 + zufall.bounded(60);
        zeichneHochhaus(p, QRectF(x, horizont - h, b, h + 2), fern, 0.18, zufall, 2.2);
        x += b - 2;
    }
    {
        // Television tower, its sphere just below the title.
        const double tx = 292;
        const double kugel = horizont - 96;
        p.setBrush(fern.darker(110));
        QPolygonF schaft;
        schaft << QPointF(tx - 4, horizont) << QPointF(tx - 2, kugel) << QPointF(tx + 2, kugel)
               << QPointF(tx + 4, horizont);
        p.drawPolygon(schaft);
        p.drawEllipse(QPointF(tx, kugel), 8, 8);
        p.drawRect(QRectF(tx - 1, kugel - 24, 2, 18));
        p.setBrush(QColor(255, 60, 60));
        p.drawEllipse(QPointF(tx, kugel - 25), 1.6, 1.6);
        p.setBrush(QColor(255, 210, 120, 200));
        for (int i = -2; i <= 2; ++i)
            p.drawRect(QRectF(tx + i * 2.8 - 0.8, kugel - 1, 1.6, 2));
    }
    const QColor nah(18, 18, 34);
    x = -6;
    while (x < breite) {
        const double b = 34 + zufall.bounded(36);
        const double h = 26 + zufall.bounded(52);
        zeichneHochhaus(p, QRectF(x, horizont - h, b, h + 2), nah, 0.45, zufall, 3.2);
        x += b + zufall.bounded(6);
    }

    // Road: wet asphalt mirrors the lights.
    QLinearGradient gehweg(0, horizont, 0, horizont + 10);
    gehweg.setColorAt(0.0, QColor(44, 42, 52));
    gehweg.setColorAt(1.0, QColor(30, 30, 38));
    p.fillRect(QRectF(0, horizont, breite, 10), gehweg);
    QLinearGradient strasse(0, horizont + 10, 0, hoehe);
    strasse.setColorAt(0.0, QColor(26, 26, 34));
    strasse.setColorAt(1.0, QColor(12, 12, 16));
    p.fillRect(QRectF(0, horizont + 10, breite, hoehe - horizont - 10), strasse);
    p.setBrush(QColor(150, 150, 140, 90));
    for (double lx = 6; lx < breite; lx += 56)
        p.drawRect(QRectF(lx, 286, 30, 3));

    // Street lamps with warm pools of light.
    for (double lx : {40.0, 364.0}) {
        p.setPen(QPen(QColor(50, 50, 60), 3));
        p.drawLine(QPointF(lx, horizont + 6), QPointF(lx, 130));
        p.drawLine(QPointF(lx, 130), QPointF(lx + (lx < 200 ? 12 : -12), 126));
        p.setPen(Qt::NoPen);
        const QPointF kopf(lx + (lx < 200 ? 14 : -14), 128);
        QRadialGradient schein(kopf, 46);
        schein.setColorAt(0.0, QColor(255, 214, 140, 150));
        schein.setColorAt(1.0, QColor(255, 214, 140, 0));
        p.setBrush(schein);
        p.drawEllipse(kopf, 46, 46);
        p.setBrush(QColor(255, 236, 190));
        p.drawEllipse(kopf, 4, 2.5);
        spiegelung(p, QPointF(kopf.x(), horizont + 40), QColor(255, 200, 120), 50);
    }

    // The taxi, with lights on.
    const Modell m = modellKompakt();
    const double massstab = 0.74;
    const double links = (breite - m.laenge * massstab) / 2.0;
    const double boden = 262;
    p.save();
    p.translate(links, boden);
    p.scale(massstab, massstab);
    // Headlight beam reaching out ahead of the car.
    QLinearGradient kegel(m.laenge, 0, m.laenge + 170, 0);
    kegel.setColorAt(0.0, QColor(255, 245, 200, 120));
    kegel.setColorAt(1.0, QColor(255, 245, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kegel);
    QPolygonF strahl;
    strahl << auf(m.laenge - 4, 58) << auf(m.laenge + 180, 70) << auf(m.laenge + 180, -6)
           << auf(m.laenge - 4, 50);
    p.drawPolygon(strahl);
    zeichneTaxi(p, m, true);
    p.restore();
    // Reflections of the car's lights on the wet road.
    spiegelung(p, QPointF(links + 3, boden + 14), QColor(230, 40, 40), 70);
    spiegelung(p, QPointF(links + (m.laenge - 6) * massstab, boden + 14), QColor(255, 240, 200),
               80);

    // The name, gold on the night sky with a dark rim for contrast.
    QFont schrift(QStringLiteral("DejaVu Serif"));
    schrift.setBold(true);
    schrift.setPixelSize(58);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath text;
    text.addText(0, 0, schrift, QStringLiteral("Kabrolux"));
    const QRectF tr = text.boundingRect();
    text.translate((breite - tr.width()) / 2.0 - tr.left(), 68 - tr.bottom() + tr.height() / 2);
    const QRectF lage = text.boundingRect();
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(QColor(255, 200, 60, 12), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(text.translated(2.5, 3));
    QLinearGradient gold(0, lage.top(), 0, lage.bottom());
    gold.setColorAt(0.0, QColor(255, 246, 180));
    gold.setColorAt(0.5, QColor(255, 212, 60));
    gold.setColorAt(1.0, QColor(214, 150, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(60, 36, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);

    // Fade every edge into the black window around the picture.
    QLinearGradient oben(0, 0, 0, 24);
    oben.setColorAt(0.0, QColor(0, 0, 0, 255));
    oben.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, breite, 24), oben);
    QLinearGradient unten(0, hoehe - 30, 0, hoehe);
    unten.setColorAt(0.0, QColor(0, 0, 0, 0));
    unten.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(QRectF(0, hoehe - 30, breite, 30), unten);
    QLinearGradient seiten(0, 0, breite, 0);
    seiten.setColorAt(0.0, QColor(0, 0, 0, 255));
    seiten.setColorAt(0.07, QColor(0, 0, 0, 0));
    seiten.setColorAt(0.93, QColor(0, 0, 0, 0));
    seiten.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(QRectF(0, 0, breite, hoehe), seiten);
    p.end();
    return bild;
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
