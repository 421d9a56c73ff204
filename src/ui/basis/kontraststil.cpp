#include "ui/basis/kontraststil.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace kabrolux::ui {

namespace {

// A white box with a black frame; a ticked one carries a bold black tick (contrast 21:1).
void hakenKasten(const QStyleOption* option, QPainter* p) {
    const QRect r = option->rect.adjusted(0, 0, -1, -1);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QPen(Qt::black, 1));
    p->setBrush(Qt::white);
    p->drawRect(r);
    if (option->state & QStyle::State_On) {
        p->setRenderHint(QPainter::Antialiasing, true);
        QPen haken(Qt::black, std::max(2.0, r.width() / 6.0));
        haken.setCapStyle(Qt::RoundCap);
        haken.setJoinStyle(Qt::RoundJoin);
        p->setPen(haken);
        QPainterPath pfad;
        pfad.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
        pfad.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74);
        pfad.lineTo(r.left() + r.width() * 0.80, r.top() + r.height() * 0.28);
        p->drawPath(pfad);
    }
    p->restore();
}

// Black outside, white inside: visible on the grey list as on a selected line.
void doppelrahmen(const QRect& r, QPainter* p) {
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(Qt::black, 1));
    p->drawRect(r.adjusted(0, 0, -1, -1));
    p->setPen(QPen(Qt::white, 1));
    p->drawRect(r.adjusted(1, 1, -2, -2));
    p->restore();
}

}  // namespace

KontrastStil::KontrastStil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void KontrastStil::drawPrimitive(PrimitiveElement pe, const QStyleOption* option, QPainter* p,
                                 const QWidget* widget) const {
    switch (pe) {
        case PE_IndicatorItemViewItemCheck:
            hakenKasten(option, p);
            return;
        case PE_FrameFocusRect:
            doppelrahmen(option->rect, p);
            return;
        default:
            QProxyStyle::drawPrimitive(pe, option, p, widget);
    }
}

void KontrastStil::drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                               const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, p, widget);
    // A list that has the keyboard focus shows it on its frame, also before a line is chosen.
    if (element == CE_ShapedFrame && widget && widget->hasFocus()) {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(QPen(QColor(0xFF, 0xFF, 0x00), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(option->rect.adjusted(0, 0, -1, -1));
        p->drawRect(option->rect.adjusted(1, 1, -2, -2));
        p->restore();
    }
}

}  // namespace kabrolux::ui
