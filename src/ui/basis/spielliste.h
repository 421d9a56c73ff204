#pragma once
// The game's lists: grey with silver text, and a current line only while the list has the
// focus. Qt reports a list's current line as focused to assistive technology even while the
// list itself has no focus, so a screen reader could take it for the control in use; this list
// gives up its current line when it loses the focus. The chosen line stays selected (and shown)
// and becomes current again when the focus comes back; nothing is chosen anew.

#include <QListWidget>

namespace kabrolux::ui {

class Spielliste : public QListWidget {
  public:
    // A list of hundreds of order lines gives every line the first one's size (the view need
    // not measure each): only the order lists, whose every line fits, may ask for that.
    explicit Spielliste(QWidget* eltern, bool gleicheZeilen = false);

  protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// Shows line `zeile` as chosen (-1: none) without a choice signal; current only while the list
// has the focus.
void zeigeGewaehlt(QListWidget* liste, int zeile);

}  // namespace kabrolux::ui
