#include "ui/basis/dfwselbutton.h"

#include <QEnterEvent>
#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TDFWSelButton::TDFWSelButton(QWidget* parent) : QAbstractButton(parent) {
    m_color = palette().color(QPalette::Button);
    resize(105, 20);
    setFont(QFont(QStringLiteral("Arial"), 8));
    // Keyboard and screen-reader presses arrive only as clicked(), so OnClick hangs off it.
    connect(this, &QAbstractButton::clicked, this, &TDFWSelButton::handleClicked);
    showLook(Look::Normal);
}

void TDFWSelButton::alsHauptmenueKnopf(TDFWSelButton* b) {
    b->setColor(QColor(0x80, 0x80, 0x80));
    b->setColorBorder(QColor(0x80, 0x80, 0x80));
    b->setColorOverCaption(Qt::black);
    b->setColorOver(QColor(0xC0, 0xC0, 0xC0));
    b->setColorDown(Qt::white);
    b->setAlignment(AlignCenter);
    b->setBorderWidth(1);
    b->setFont(QFont(QStringLiteral("Arial"), 8));
    b->setFontColor(Qt::black);
    b->m_sizeHint.setHeight(25);
    b->resize(b->width(), 25);
    b->updateGeometry();
    b->setEnabled_(false);
}

void TDFWSelButton::setCaption(const QString& caption) {
    setText(caption);
    showLook(Look::Normal);
}

void TDFWSelButton::setColor(const QColor& c) {
    m_color = c;
    showLook(Look::Normal);
}

void TDFWSelButton::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    showLook(Look::Normal);
}

void TDFWSelButton::setEnabled_(bool on) {
    m_enabled = on;
    showLook(Look::Normal);
}

void TDFWSelButton::setColorOverCaption(const QColor& c) {
    m_colorOverCaption = c;
    showLook(Look::Normal);
}

void TDFWSelButton::setColorOver(const QColor& c) {
    m_colorOver = c;
    showLook(Look::Normal);
}

void TDFWSelButton::setColorDown(const QColor& c) {
    m_colorDown = c;
    showLook(Look::Normal);
}

void TDFWSelButton::setAlignment(CaptionAlignment a) {
    m_alignment = a;
    showLook(Look::Normal);
}

void TDFWSelButton::setBorderWidth(int w) {
    m_borderWidth = w;
    showLook(Look::Normal);
}

void TDFWSelButton::setFontColor(const QColor& c) {
    m_fontColor = c;
    showLook(Look::Normal);
}

void TDFWSelButton::showLook(Look look) {
    m_look = look;
    if (look == Look::Normal) m_captionColor = m_fontColor;
    if (look == Look::Hover) m_captionColor = m_colorOverCaption;
    repaint();
}

void TDFWSelButton::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);

    const bool pressed = m_look == Look::Pressed;
    QColor fill = m_color;
    if (m_look == Look::Hover) fill = m_colorOver;
    if (pressed) fill = m_colorDown;
    p.fillRect(QRect(1, 1, w - 2, h - 2), fill);

    // The pressed caption sits one pixel further right and down, so it seems to sink in.
    // Smoothed glyphs would smear the fill colour into the caption; the look is pixel-crisp.
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    const QString caption = text();
    const QFontMetrics fm(f);
    const int tw = fm.horizontalAdvance(caption);
    const int th = fm.height();
    const int shift = pressed ? 1 : 0;
    int x = 5 + shift;
    if (m_alignment == AlignRight) x = w - tw - 6 - shift;
    if (m_alignment == AlignCenter) x = w / 2 - tw / 2 + shift;
    const int y = h / 2 - th / 2 + shift;
    p.setFont(f);
    p.setPen(m_captionColor);
    p.drawText(QPoint(x, y + fm.ascent()), caption);

    // Frame i rings the box i pixels in; filled edges keep every pixel exact.
    for (int i = 0; i < m_borderWidth; ++i) {
        const int fw = w - 2 * i;
        const int fh = h - 2 * i;
        if (fw <= 0 || fh <= 0) break;
        p.fillRect(QRect(i, i, fw, 1), m_colorBorder);
        p.fillRect(QRect(i, i + fh - 1, fw, 1), m_colorBorder);
        p.fillRect(QRect(i, i, 1, fh), m_colorBorder);
        p.fillRect(QRect(i + fw - 1, i, 1, fh), m_colorBorder);
    }

    // Keyboard users need to see where Tab has gone; a dotted ring inside the frame shows it.
    if (hasFocus() && w > 8 && h > 8) {
        QPen punkte(m_captionColor, 1, Qt::DotLine);
        p.setPen(punkte);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(3, 3, w - 7, h - 7));
    }
}

void TDFWSelButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (m_enabled) showLook(Look::Hover);
    emit OnMouseEnter();
}

void TDFWSelButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    showLook(Look::Normal);
    emit OnMouseLeave();
}

void TDFWSelButton::mousePressEvent(QMouseEvent* event) {
    QPointer<TDFWSelButton> self(this);
    QAbstractButton::mousePressEvent(event);
    if (!self || event->button() != Qt::LeftButton || !m_enabled) return;
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    if (self) showLook(Look::Pressed);
}

void TDFWSelButton::mouseReleaseEvent(QMouseEvent* event) {
    // The base class emits clicked() here; an OnClick handler may switch the button
    // off or even delete it, so the flag is read afterwards and the pointer guarded.
    QPointer<TDFWSelButton> self(this);
    QAbstractButton::mouseReleaseEvent(event);
    if (!self || event->button() != Qt::LeftButton || !m_enabled) return;
    const QPoint pos = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), pos);
    if (self && rect().contains(pos)) showLook(Look::Hover);
}

void TDFWSelButton::handleClicked() {
    showLook(Look::Normal);
    if (m_enabled) emit OnClick();
}

void TDFWSelButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) showLook(Look::Normal);
}

void TDFWSelButton::hideEvent(QHideEvent* event) {
    // A button hidden under the mouse must not come back still lit.
    QAbstractButton::hideEvent(event);
    m_look = Look::Normal;
    m_captionColor = m_fontColor;
}
