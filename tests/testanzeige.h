#pragma once
// Test doubles: fixed clocks and a display that records what the game told it.

#include <functional>
#include <string>
#include <vector>

#include "sim/anzeige.h"
#include "sim/spiel.h"
#include "sim/zufall.h"
#include "state/datum.h"

namespace kabrolux::test {

class FesteZeit : public Zeitquelle {
  public:
    uint32_t ms = 43'200'000;  // its first draws bring neither an order nor popularity decay
    DatumZeit lokal = datumZeit(2026, 12, 7, 10, 0, 0);
    uint32_t utcMillisekundenDesTages() override { return ms; }
    DatumZeit lokaleZeit() override { return lokal; }
};

class Aufzeichnung : public Anzeige {
  public:
    std::vector<std::string> meldungen, geld, uhr, hinweise, neueZeilen, ereignisse;
    std::vector<std::pair<Balken, int32_t>> balken;
    int hauptform = 0, senden = 0, posteingang = 0, bank = 0, verarbeiten = 0;
    std::function<void()> beiMeldung;  // runs while a message is "open"
    std::function<void()> beiVerarbeiten;
    std::function<void()> beiHauptform;

    void meldung(const std::string& t) override {
        meldungen.push_back(t);
        ereignisse.push_back("meldung:" + t);
        if (beiMeldung) beiMeldung();
    }
    void geldAnzeigen(const std::string& t) override {
        geld.push_back(t);
        ereignisse.push_back("geld:" + t);
    }
    void uhrAnzeigen(const std::string& t) override { uhr.push_back(t); }
    void balkenAnzeigen(Balken b, int32_t w) override { balken.emplace_back(b, w); }
    void auftragsHinweis(const std::string& t) override { hinweise.push_back(t); }
    void neueAuftragsZeile(const std::string& z) override { neueZeilen.push_back(z); }
    void hauptformAuffrischen() override {
        ++hauptform;
        if (beiHauptform) beiHauptform();
    }
    void sendenAuffrischen() override { ++senden; }
    void posteingangAuffrischen() override { ++posteingang; }
    void preiseAnzeigen(const std::string& km, const std::string& grund) override {
        ereignisse.push_back("preise:" + km + "/" + grund);
    }
    void bankAuffrischen() override { ++bank; }
    void ereignisseVerarbeiten() override {
        ++verarbeiten;
        if (beiVerarbeiten) beiVerarbeiten();
    }
    int32_t letzterBalken(Balken b) const {
        for (auto it = balken.rbegin(); it != balken.rend(); ++it)
            if (it->first == b) return it->second;
        return -9999;
    }
};

// A game with fixed clocks, started with the default settings.
struct TestSpiel {
    FesteZeit zeit;
    Aufzeichnung anzeige;
    Spiel spiel{zeit, anzeige};
    Spielstand& s = spiel.stand;

    explicit TestSpiel(bool starten = true) {
        if (starten) spiel.neuesSpiel(50000, "3", "1,2");
    }
};

// The first UTC millisecond of the day whose reseed makes `passt` true for the draws that follow.
uint32_t suchMs(const std::function<bool(Zufall&)>& passt);

}  // namespace kabrolux::test
