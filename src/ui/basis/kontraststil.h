#pragma once
// The game's lists are silver on grey; on that ground the usual tick boxes and focus marks
// almost vanish. This style draws them with clear contrast and leaves everything else alone.

#include <QProxyStyle>

namespace kabrolux::ui {

class KontrastStil : public QProxyStyle {
  public:
    KontrastStil();

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* option, QPainter* p,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override;
};

}  // namespace kabrolux::ui
