#pragma once
// The game's words: the facts the core reports (messages, money, the clock, order lines, list
// lines, the bank's table, catalogue captions) worded in the player's language. German is the
// source and comes out exactly as the game has always written it. Numbers keep the game's own
// form (decimal comma, general float format) in every language.
//
// The translated templates are read once per language and then only filled, so a list of
// hundreds of lines costs no lookup per line.

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/anzeige.h"
#include "sim/kurse.h"
#include "state/kataloge.h"
#include "state/listen.h"

namespace kabrolux::ui {

// A translated text with %1..%9, split into its pieces once, so it can be filled often.
class Vorlage {
  public:
    Vorlage() = default;
    explicit Vorlage(const QString& text);
    // Appends the text with the arguments in their places, in UTF-8.
    void anhaengen(std::string& ziel, std::initializer_list<std::string_view> werte) const;
    QString text(std::initializer_list<std::string_view> werte) const;

  private:
    std::vector<std::pair<std::string, int>> teile_;  // literal, then argument 1..9 (0: none)
};

// To be called whenever translators were installed or removed: the templates are read anew.
void spracheGewechselt();

QString meldungText(const Meldung& m);
QString schadenText(const Schaden& s);

// "Vermögen: 50000 €", in the general float format or to whole euros.
QString geldText(double vermoegen, Geldform form = Geldform::allgemein);
// The clock labels' text: "07.12.2026  00:05 Uhr".
QString uhrText(DatumZeit t);
// The main screen's notice of a new order.
QString neuerAuftragText(const Auftrag& a);

// An order's line in the inbox and the dispatch list; ziel is cleared and filled, so one buffer
// serves a whole list.
void auftragszeile(const Auftrag& a, std::string& ziel);
QString auftragszeile(const Auftrag& a);
// The main screen's lines: a trip under way, a free taxi, a free driver.
QString fahrtText(const Fahrtzeile& f);
QString taxiText(const Taxizeile& t);
QString fahrerText(const Fahrerzeile& f);

// The bank: figures, a cell of the price table, a holding, a share's row caption and list entry
// (k from 1).
QString schuldenText(int32_t schulden);
QString kreditlimitText(int32_t kreditlimit);
QString kurswertText(const Kurswert& k);
QString depotText(const Depotwert& d);
QString aktienzeileText(int k);
QString aktienlisteText(int k);

// An advertising campaign's caption (art from 1).
QString werbeartText(int art);

// Catalogue captions: "45 PS", "4 Sitzplätze", "Preis: 20000 €", "Alter: 28 Jahre",
// "Erfahrung: 2 von 6", "Gehalt: 97 €/Tag.".
QString leistungText(const Automodell& m);
QString sitzeText(const Automodell& m);
QString preisText(const Automodell& m);
QString alterText(const Fahrerkandidat& k);
QString erfahrungText(const Fahrerkandidat& k);
QString gehaltText(const Fahrerkandidat& k);

}  // namespace kabrolux::ui
