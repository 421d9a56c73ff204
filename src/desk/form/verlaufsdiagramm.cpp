#include "desk/form/verlaufsdiagramm.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

#include "state/datum.h"
#include "ui/basis/farben.h"

namespace kabrolux::ui {

namespace {

// Room for the value labels left, the unit above, the time labels and caption below.
constexpr double kLinks = 62, kRechts = 14, kOben = 20, kUnten = 34;
constexpr double kStunde = 1.0 / 24.0;
const QColor kGitter{0x40, 0x40, 0x40};

// 1, 2 or 5 times a power of ten, at least `roh`; never below 1, as euros, points and counts
// are whole.
double netterSchritt(double roh) {
    if (!(roh > 1)) return 1;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * zehner >= roh * (1 - 1e-9)) return m * zehner;
    return 10 * zehner;
}

QString achsenzahl(double wert) {
    return QLocale(QLocale::German, QLocale::Germany).toString(wert, 'f', 0);
}

QString zeitpunkt(double t) {
    return QCoreApplication::translate("kabrolux::ui::Verlaufsdiagramm", "%1 %2 Uhr")
        .arg(q(datumText(t)), q(zeitText(t)));
}

}  // namespace

Verlaufsdiagramm::Verlaufsdiagramm(const QString& name, const QString& einheit,
                                   std::function<QString(double)> text, QWidget* eltern)
    : QWidget(eltern), einheit_(einheit), text_(std::move(text)) {
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Verlaufsdiagramm::festerBereich(double unten, double oben) {
    fest_ = true;
    unten_ = unten;
    oben_ = oben;
    schritt_ = netterSchritt((oben - unten) / 4);
}

void Verlaufsdiagramm::setzen(std::vector<double> zeiten, std::vector<Kurve> kurven,
                              const QString& leer) {
    // The marker stays on its hour, wherever the new samples put it; an hour that has left the
    // span gives the earliest one shown.
    const double markierteZeit = marke_ >= 0 ? zeiten_[marke_] : 0;
    zeiten_ = std::move(zeiten);
    if (marke_ >= 0)
        marke_ = static_cast<int>(std::lower_bound(zeiten_.begin(), zeiten_.end(), markierteZeit) -
                                  zeiten_.begin());
    kurven_ = std::move(kurven);
    leer_ = leer;
    if (!zeiten_.empty()) {
        bis_ = zeiten_.back();
        // A first sample alone still gets an hour of axis.
        von_ = std::min(zeiten_.front(), bis_ - kStunde);
    }
    if (!fest_) {
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (const Kurve& k : kurven_)
            for (double w : k.werte)
                if (std::isfinite(w)) lo = std::min(lo, w), hi = std::max(hi, w);
        if (!(lo <= hi)) lo = 0, hi = 1;
        if (hi - lo < 1e-9) {
            const double rand = std::max(1.0, std::abs(hi) * 0.05);
            lo -= rand;
            hi += rand;
        }
        schritt_ = netterSchritt((hi - lo) / 4);
        unten_ = std::floor(lo / schritt_) * schritt_;
        oben_ = std::ceil(hi / schritt_) * schritt_;
    }
    marke_ = hasFocus() && anzahl() > 0 ? std::clamp(marke_, 0, anzahl() - 1) : -1;
    beschreibungSetzen();
    update();
}

QString Verlaufsdiagramm::werteText(int i) const {
    if (i < 0 || i >= anzahl()) return leer_;
    QString t = zeitpunkt(zeiten_[i]);
    for (const Kurve& k : kurven_)
        t += QStringLiteral("\n%1: %2").arg(k.name, text_(k.werte.at(i)));
    return t;
}

void Verlaufsdiagramm::beschreibungSetzen() {
    setAccessibleDescription(werteText(marke_ >= 0 ? marke_ : anzahl() - 1));
}

QRectF Verlaufsdiagramm::flaeche() const {
    return QRectF(kLinks, kOben, width() - kLinks - kRechts, height() - kOben - kUnten);
}

double Verlaufsdiagramm::x(double zeit) const {
    const QRectF f = flaeche();
    return f.left() + (zeit - von_) / (bis_ - von_) * f.width();
}

double Verlaufsdiagramm::y(double wert) const {
    const QRectF f = flaeche();
    return f.bottom() - (wert - unten_) / (oben_ - unten_) * f.height();
}

void Verlaufsdiagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setFont(font());
    const QRectF f = flaeche();
    if (zeiten_.empty()) {
        p.setPen(kGrau);
        p.drawRect(f);
        p.setPen(kGelb);
        p.drawText(f, Qt::AlignCenter | Qt::TextWordWrap, leer_);
    } else {
        achsenZeichnen(p);
        zeitachseZeichnen(p);
        kurvenZeichnen(p);
    }
    if (hasFocus()) {
        p.setPen(QPen(kAqua, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Value grid, value labels and the unit.
void Verlaufsdiagramm::achsenZeichnen(QPainter& p) const {
    const QRectF f = flaeche();
    const QFontMetrics fm = p.fontMetrics();
    p.setPen(kGelb);
    p.drawText(QRectF(0, 0, kLinks - 6, kOben - 4), Qt::AlignRight | Qt::AlignVCenter, einheit_);
    // Counted, not summed: beside a huge amount a small step would not move the sum.
    const int linien = std::min(20, static_cast<int>(std::lround((oben_ - unten_) / schritt_)));
    for (int i = 0; i <= linien; ++i) {
        const double w = unten_ + i * schritt_, yy = y(w);
        p.setPen(QPen(std::abs(w) < schritt_ * 1e-6 ? kGrau : kGitter, 1, Qt::DotLine));
        p.drawLine(QPointF(f.left(), yy), QPointF(f.right(), yy));
        p.setPen(kGelb);
        p.drawText(QRectF(0, yy - fm.height() / 2.0, kLinks - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, achsenzahl(w));
    }
    p.setPen(kGrau);
    p.drawRect(f);
}

// Time ticks at whole hours or days, as many as fit, and the caption.
void Verlaufsdiagramm::zeitachseZeichnen(QPainter& p) const {
    const QRectF f = flaeche();
    const QFontMetrics fm = p.fontMetrics();
    const double stunden = (bis_ - von_) * 24;
    const int passen = std::max(
        2, static_cast<int>(f.width() / (fm.horizontalAdvance(QStringLiteral("00.00.")) + 24)));
    long long schritt = 720;
    for (long long s : {1, 2, 3, 6, 12, 24, 48, 168, 336, 720})
        if (stunden / static_cast<double>(s) <= passen) {
            schritt = s;
            break;
        }
    const auto erste = static_cast<long long>(std::ceil(von_ * 24 - 1e-6));
    for (long long h = (erste + schritt - 1) / schritt * schritt; h <= bis_ * 24 + 1e-6;
         h += schritt) {
        const double t = static_cast<double>(h) / 24, xx = x(t);
        p.setPen(QPen(kGitter, 1, Qt::DotLine));
        p.drawLine(QPointF(xx, f.top()), QPointF(xx, f.bottom()));
        const Zerlegt z = zerlege(t);
        const QString text = schritt < 24 && h % 24 != 0
                                 ? q(zeitText(t))
                                 : QStringLiteral("%1.%2.")
                                       .arg(z.tag, 2, 10, QLatin1Char('0'))
                                       .arg(z.monat, 2, 10, QLatin1Char('0'));
        const double b = fm.horizontalAdvance(text);
        const double links = std::clamp(xx - b / 2, 0.0, width() - b);
        p.setPen(kGelb);
        p.drawText(QPointF(links, f.bottom() + 4 + fm.ascent()), text);
    }
    p.drawText(QRectF(f.left(), f.bottom() + 4 + fm.height(), f.width(), fm.height()),
               Qt::AlignHCenter, tr("Spielzeit"));
}

void Verlaufsdiagramm::kurvenZeichnen(QPainter& p) const {
    p.save();
    p.setClipRect(flaeche().adjusted(-3, -3, 3, 3));
    p.setRenderHint(QPainter::Antialiasing);
    for (const Kurve& k : kurven_) {
        p.setPen(QPen(k.farbe, 2, k.strich, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath pfad;
        bool zug = false;
        for (int i = 0; i < anzahl(); ++i) {
            const double w = k.werte.at(i);
            if (!std::isfinite(w)) {
                zug = false;
                continue;
            }
            const QPointF punkt(x(zeiten_[i]), y(w));
            zug ? pfad.lineTo(punkt) : pfad.moveTo(punkt);
            zug = true;
        }
        p.drawPath(pfad);
        if (anzahl() == 1 && std::isfinite(k.werte.front())) {
            p.setBrush(k.farbe);
            p.drawEllipse(QPointF(x(zeiten_[0]), y(k.werte.front())), 3, 3);
            p.setBrush(Qt::NoBrush);
        }
    }
    if (marke_ >= 0) {
        const double xx = x(zeiten_[marke_]);
        p.setPen(QPen(kSilber, 1, Qt::DashLine));
        p.drawLine(QPointF(xx, flaeche().top()), QPointF(xx, flaeche().bottom()));
        for (const Kurve& k : kurven_) {
            const double wert = k.werte.at(marke_);
            if (!std::isfinite(wert)) continue;  // not drawn as a curve either
            p.setPen(QPen(k.farbe, 2));
            p.drawEllipse(QPointF(xx, y(wert)), 4, 4);
        }
    }
    p.restore();
}

void Verlaufsdiagramm::markieren(int i) {
    if (i == marke_) return;
    marke_ = i;
    beschreibungSetzen();
    update();
}

void Verlaufsdiagramm::mouseMoveEvent(QMouseEvent* e) {
    if (zeiten_.empty()) return;
    const QRectF f = flaeche();
    const double t = von_ + (e->position().x() - f.left()) / f.width() * (bis_ - von_);
    const auto nach = std::lower_bound(zeiten_.begin(), zeiten_.end(), t);
    int i = static_cast<int>(nach - zeiten_.begin());
    if (i == anzahl() || (i > 0 && t - zeiten_[i - 1] < zeiten_[i] - t)) --i;
    markieren(i);
    QToolTip::showText(e->globalPosition().toPoint(), werteText(i), this);
}

void Verlaufsdiagramm::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (!hasFocus()) markieren(-1);
    QToolTip::hideText();
}

void Verlaufsdiagramm::keyPressEvent(QKeyEvent* e) {
    const int n = anzahl(), m = marke_ < 0 ? n - 1 : marke_;
    int ziel = -1;
    switch (e->key()) {
        case Qt::Key_Left:
            ziel = m - 1;
            break;
        case Qt::Key_Right:
            ziel = m + 1;
            break;
        case Qt::Key_PageUp:
            ziel = m - 24;
            break;
        case Qt::Key_PageDown:
            ziel = m + 24;
            break;
        case Qt::Key_Home:
            ziel = 0;
            break;
        case Qt::Key_End:
            ziel = n - 1;
            break;
        default:
            QWidget::keyPressEvent(e);
            return;
    }
    if (n == 0) return;
    markieren(std::clamp(ziel, 0, n - 1));
    const QPoint punkt(static_cast<int>(x(zeiten_[marke_])), static_cast<int>(flaeche().top()));
    QToolTip::showText(mapToGlobal(punkt), werteText(marke_), this);
}

void Verlaufsdiagramm::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (anzahl() > 0 && marke_ < 0) markieren(anzahl() - 1);
    update();
}

void Verlaufsdiagramm::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    markieren(-1);
    update();
}

}  // namespace kabrolux::ui
