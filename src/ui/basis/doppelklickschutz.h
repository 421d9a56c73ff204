#pragma once
// The second click of a double-click presses a button only if the first one was released on it.
// Without this guard a button that the first click brought under the pointer (a button swapped
// in place, a screen just opened, a message just shown) would take the second click as a click
// of its own: a double-click on "Einstellen" would hire and at once dismiss. Other controls (a
// list's line, a chart) get their double-clicks as ever.

#include <QObject>
#include <QPointer>

namespace kabrolux::ui {

class Doppelklickschutz : public QObject {
  public:
    // Watches every widget of the application while it lives.
    Doppelklickschutz();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    QPointer<QObject> losgelassen_;  // the widget that took the last release
    QPointer<QObject> verworfen_;    // the widget whose double-click was dropped
};

}  // namespace kabrolux::ui
