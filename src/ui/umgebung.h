#pragma once
// What the program sets up before its first window: German for Qt's own texts, and no
// configuration written behind the player's back.

#include <QCoreApplication>

namespace kabrolux::ui {

// Qt's own texts (the dialogs' buttons, the file dialog) in German, from Qt's translations;
// false when they are not installed, and Qt's English texts remain.
bool deutscheTexte(QCoreApplication& app);

// Qt's file dialog records its history in the user's configuration folder. Nothing of this game
// is kept between runs except the save files the player chooses and the running game's state
// in the autosave's folder, so Qt's settings go to a folder that disappears with the program.
void keineEinstellungenBehalten();

// The autosave's folder, $XDG_STATE_HOME/kabrolux (by default ~/.local/state/kabrolux); empty
// when the environment names no home.
QString sicherungsordner();

}  // namespace kabrolux::ui
