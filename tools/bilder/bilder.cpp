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
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
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

// Closed outline whose corners are rounded with quadratic curves. Car bodies and
// clothes look machined rather than cut from paper this way.
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
    double guertel;     // lower edge of the side windows
    double bodenfrei;   // lower edge of the body
    double laenge;
    double dachMitte;   // where the roof sign sits
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
    m.karosserie = {{6, 15, 6},     {0, 46, 10},    {4, 80, 12},    {22, 106, 22},
                    {150, 108, 18}, {200, 73, 10},  {270, 63, 18},  {282, 44, 10},
                    {278, 15, 6}};
    m.fenster = {{18, 77, 5}, {32, 100, 10}, {146, 102, 8}, {190, 75, 3}};
    m.radHinten = 50;
    m.radVorne = 226;
    m.radRadius = 26;
    m.guertel = 74;
    m.bodenfrei = 15;
    m.dachMitte = 90;
    m.dachHoehe = 107;
    m.saeulen = {{44, 50}, {112, 109}};
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
    m.karosserie = {{6, 16, 6},      {0, 50, 10},   {4, 76, 10},    {64, 80, 12},
                    {112, 104, 22},  {194, 105, 16}, {244, 75, 10}, {318, 66, 16},
                    {328, 44, 10},   {324, 16, 6}};
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
    m.karosserie = {{6, 16, 6},     {0, 52, 10},   {6, 98, 12},   {20, 110, 16},
                    {212, 111, 16}, {266, 76, 10}, {348, 66, 16}, {358, 44, 10},
                    {354, 16, 6}};
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
    m.karosserie = {{6, 17, 6},      {0, 50, 10},    {6, 72, 10},    {80, 77, 12},
                    {134, 105, 26},  {236, 107, 18}, {290, 74, 10},  {382, 66, 18},
                    {392, 44, 10},   {388, 17, 6}};
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
    for (Ecke& e : r) e.y = -e.y;
    return r;
}

QPointF auf(double x, double y) { return {x, -y}; }

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
                const double w = i * M_PI / 3.0;
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
                const double w = i * M_PI / 5.0;
                QPainterPath schlitz;
                const QPointF innen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.48;
                const QPointF aussen = mitte + QPointF(std::cos(w), std::sin(w)) * rf * 0.86;
                p.setPen(QPen(QColor(70, 72, 76), 2.6, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(innen, aussen);
                Q_UNUSED(schlitz);
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
                const double w0 = (i + breite) * 2.0 * M_PI / speichen;
                const double w1 = (i + 1.0 - breite) * 2.0 * M_PI / speichen;
                QPainterPath loch;
                const double ri = rf * 0.38;
                const double ra = rf * 0.86;
                loch.moveTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ri);
                loch.lineTo(mitte + QPointF(std::cos(w0), std::sin(w0)) * ra);
                loch.arcTo(QRectF(mitte.x() - ra, mitte.y() - ra, 2 * ra, 2 * ra),
                           -w0 * 180.0 / M_PI, -(w1 - w0) * 180.0 / M_PI);
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
    const QColor elfenbein = nacht ? QColor(150, 140, 118) : QColor(230, 220, 180);
    const QColor licht = nacht ? QColor(190, 182, 160) : QColor(250, 244, 222);
    const QColor schatten = nacht ? QColor(70, 64, 54) : QColor(168, 156, 120);

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
    stoss.setColorAt(0.0, m.stossfaenger.lighter(135));
    stoss.setColorAt(1.0, m.stossfaenger.darker(130));
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
    p.setPen(Qt::NoPen);
    for (double x : m.griffe) {
        p.setBrush(m.chrom ? QColor(210, 212, 216) : QColor(45, 45, 48));
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
    p.setBrush(m.stossfaenger == QColor(226, 216, 176) ? QBrush(lack) : QBrush(m.stossfaenger));
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
    // A few soft clouds.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double cx = zufall.bounded(static_cast<int>(w));
        const double cy = 18 + zufall.bounded(40);
        for (int k = 0; k < 5; ++k) {
            const double dx = (k - 2) * 16 + zufall.bounded(8);
            const double r = 12 + zufall.bounded(10);
            QRadialGradient wolke(QPointF(cx + dx, cy), r);
            wolke.setColorAt(0.0, QColor(255, 255, 255, 170));
            wolke.setColorAt(1.0, QColor(255, 255, 255, 0));
            p.setBrush(wolke);
            p.drawEllipse(QPointF(cx + dx, cy), r * 1.4, r);
        }
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
    for (double px = 8; px < w; px += 28) p.drawLine(QPointF(px, bordstein), QPointF(px - 6, fahrbahn));
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

    for (const auto& [name, zeichne] : auftraege) {
        QString fehler;
        if (!schreibeJpeg(zeichne(), ziel.filePath(name), &fehler)) {
            std::fprintf(stderr, "kabrolux_bilder: %s\n", qPrintable(fehler));
            return 1;
        }
    }
    return 0;
}
