#pragma once
// Test doubles: a display that records what the game told it, and a started test game.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "sim/anzeige.h"
#include "sim/kurse.h"
#include "sim/laufwerte.h"
#include "sim/uhr.h"
#include "sim/zufall.h"
#include "state/spielstand.h"
#include "stilleanzeige.h"

namespace kabrolux {
void PrintTo(const Meldung& m, std::ostream* os);
}

namespace kabrolux::test {

// "dd.mm.yyyy hh:mm": a game time in expectations.
std::string zeitpunkt(DatumZeit t);

// A message in a few words, for expectations and failure output: "unfall 12 350".
std::string beschreibung(const Meldung& m);

// The money label's amount and form as the game told it.
struct Geld {
    double betrag = 0;
    Geldform form = Geldform::allgemein;
    bool operator==(const Geld&) const = default;
};
void PrintTo(const Geld& g, std::ostream* os);

class Aufzeichnung : public Anzeige {
  public:
    std::vector<Meldung> meldungen;
    std::vector<Geld> geld;
    std::vector<DatumZeit> uhr;
    // The orders announced as they arrived.
    std::vector<Auftrag> neue;
    // Messages, money and prices in the order they came: "meldung:unfall 12 350",
    // "geld:49975", "geld:49975 gerundet", "preise:1,25/3,5".
    std::vector<std::string> ereignisse;
    std::vector<std::pair<Balken, int32_t>> balken;
    int auftraege = 0, auswahl = 0, kurse = 0, verarbeiten = 0, verlauf = 0;
    std::function<void()> beiMeldung;  // runs while a message is "open"
    std::function<void()> beiVerarbeiten;
    std::function<void()> beiAuftraegen;
    std::function<void()> beiAuswahl;

    void meldung(const Meldung& m) override {
        meldungen.push_back(m);
        ereignisse.push_back("meldung:" + beschreibung(m));
        if (beiMeldung) beiMeldung();
    }
    void ereignisseVerarbeiten() override {
        ++verarbeiten;
        if (beiVerarbeiten) beiVerarbeiten();
    }
    void geldGeaendert(double v, Geldform form) override;
    void uhrGeaendert(DatumZeit t) override { uhr.push_back(t); }
    void balkenGeaendert(Balken b, int32_t w) override { balken.emplace_back(b, w); }
    void auftragEingegangen(const Auftrag& neu) override { neue.push_back(neu); }
    void auftraegeGeaendert() override {
        ++auftraege;
        if (beiAuftraegen) beiAuftraegen();
    }
    void auswahlZurueckgesetzt() override {
        ++auswahl;
        if (beiAuswahl) beiAuswahl();
    }
    void preiseGesetzt(double km, double grund) override;
    void kurseGeaendert() override { ++kurse; }
    void verlaufGeaendert() override { ++verlauf; }

    int32_t letzterBalken(Balken b) const {
        for (auto it = balken.rbegin(); it != balken.rend(); ++it)
            if (it->first == b) return it->second;
        return -9999;
    }
};

// A game with fixed clocks, started with the default settings. The tests reach its parts
// through references, so they depend on the rules' headers and not on the owner class.
struct TestSpiel {
    FesteZeit zeit;
    Aufzeichnung anzeige;

  private:
    std::unique_ptr<Spiel> besitz_;

  public:
    Spiel& spiel;
    Spielstand& s;
    Laufwerte& lauf;
    Uhr& uhr;
    Kurstafel& bank;
    Zufall& zufall;

    explicit TestSpiel(bool starten = true);
    ~TestSpiel();
};

// The first UTC millisecond of the day whose reseed makes `passt` true for the draws that follow.
uint32_t suchMs(const std::function<bool(Zufall&)>& passt);

// One draw of a rule, in the order the rule draws: Random(n) must land in von..bis. With a
// `nachbar` range, Random(nachbar) from the same seed must land elsewhere, so a rule drawing
// from a range one too wide or too narrow ends with another game value.
struct Zug {
    int32_t n;
    int32_t von = 0, bis = INT32_MAX;
    int32_t nachbar = 0;

    static Zug beliebig(int32_t n) { return {n}; }
    static Zug gleich(int32_t n, int32_t wert, int32_t nachbar = 0) {
        return {n, wert, wert, nachbar};
    }
    static Zug nichtNull(int32_t n) { return {n, 1}; }
};
// The first millisecond whose reseed gives these draws.
uint32_t suchMs(const std::vector<Zug>& zuege);

// Sends the first order, taxi and driver of the dispatch lists, as a player choosing them would.
void ersteZeilenSenden(Spiel& spiel);

}  // namespace kabrolux::test
