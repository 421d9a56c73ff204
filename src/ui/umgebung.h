#pragma once
// What the program sets up before its first window: the language of the game and of Qt's own
// dialogs, and no configuration written behind the player's back.

#include <QString>
#include <QStringList>
#include <optional>

namespace kabrolux::ui {

enum class Sprache { deutsch, englisch };

// English when the first of these UI languages (the desktop's, QLocale::uiLanguages()) is
// English; German for any other, for none, and for C and POSIX.
Sprache spracheAus(const QStringList& uiSprachen);
Sprache spracheDesDesktops();
// The language a player names on the command line: "de" or "en".
std::optional<Sprache> spracheAusKuerzel(const QString& kuerzel);

// The game's texts and Qt's own in that language. German is the game's source language; English
// comes from the game's translation, which is built into the program. Qt's dialogs speak German
// with Qt's German texts (where they are installed) and English without. False when a
// translation could not be loaded; then the source texts show.
bool spracheEinrichten(Sprache sprache);

// Qt's file dialog records its history in the user's configuration folder. Nothing of this game
// is kept between runs except the save files the player chooses and the running game's state
// in the autosave's folder, so Qt's settings go to a folder that disappears with the program.
void keineEinstellungenBehalten();

// The autosave's folder, $XDG_STATE_HOME/kabrolux (by default ~/.local/state/kabrolux); empty
// when the environment names no home.
QString sicherungsordner();

}  // namespace kabrolux::ui
