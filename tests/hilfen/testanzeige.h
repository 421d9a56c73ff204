#pragma once
// Test doubles: a display that records what the game told it, and a started test game.

#include <functional>
#include <string>
#include <vector>

#include <memory>

#include "sim/anzeige.h"
#include "sim/kurse.h"
#include "sim/laufwerte.h"
#include "sim/uhr.h"
#include "sim/zufall.h"
#include "state/spielstand.h"
#include "stilleanzeige.h"

namespace kabrolux::test {

class Aufzeichnung : public Anzeige {
  public:
    std::vector<std::string> meldungen, geld, uhr, hinweise, neueZeilen, ereignisse;
    std::vector<std::pair<Balken, int32_t>> balken;
    int auftraege = 0, auswahl = 0, kurse = 0, verarbeiten = 0, verlauf = 0;
    std::function<void()> beiMeldung;  // runs while a message is "open"
    std::function<void()> beiVerarbeiten;
    std::function<void()> beiAuftraegen;
    std::function<void()> beiAuswahl;

    void meldung(const std::string& t) override {
        meldungen.push_back(t);
        ereignisse.push_back("meldung:" + t);
        if (beiMeldung) beiMeldung();
    }
    void ereignisseVerarbeiten() override {
        ++verarbeiten;
        if (beiVerarbeiten) beiVerarbeiten();
    }
    void geldGeaendert(const std::string& t) override {
        geld.push_back(t);
        ereignisse.push_back("geld:" + t);
    }
    void uhrGeaendert(const std::string& t) override { uhr.push_back(t); }
    void balkenGeaendert(Balken b, int32_t w) override { balken.emplace_back(b, w); }
    void auftragEingegangen(const std::string& hinweis, const std::string& zeile) override {
        hinweise.push_back(hinweis);
        neueZeilen.push_back(zeile);
    }
    void auftraegeGeaendert() override {
        ++auftraege;
        if (beiAuftraegen) beiAuftraegen();
    }
    void auswahlZurueckgesetzt() override {
        ++auswahl;
        if (beiAuswahl) beiAuswahl();
    }
    void preiseGesetzt(const std::string& km, const std::string& grund) override {
        ereignisse.push_back("preise:" + km + "/" + grund);
    }
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
    Banktexte& bank;
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
