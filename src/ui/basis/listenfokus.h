#pragma once
// Qt reports a list's current line as focused to assistive technology even while the list
// itself has no focus, so a screen reader could take it for the control in use. A list set up
// with this gives up its current line when it loses the focus: the chosen line stays selected
// (and shown), and becomes current again when the focus comes back. Nothing is chosen anew.

#include <QListWidget>

namespace kabrolux::ui {

void aktuelleZeileNurMitFokus(QListWidget* liste);
// Shows line `zeile` as chosen (-1: none) without a choice signal; current only while the list
// has the focus.
void zeigeGewaehlt(QListWidget* liste, int zeile);

}  // namespace kabrolux::ui
