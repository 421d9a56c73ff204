#pragma once
// The one game state that the clock and every screen share.

#include <cstdint>
#include <string>

#include "state/datum.h"
#include "state/tabelle.h"

namespace kabrolux {

constexpr int kAuftragsZeilen = 999;
constexpr int kSlots = 12;
constexpr int kAktien = 6;
// The fares of the prices screen at start, and what a fine resets them to.
constexpr double kStandardGrundpreis = 3, kStandardKilometerpreis = 1.2;

// The pickup time holds either the integer 0 (never used or cleared) or a date-time; the save
// file stores which of the two it is. Kept as a double with a flag, so the clock's scans read
// it without branching on a variant.
class Abholzeit {
  public:
    Abholzeit() = default;
    static Abholzeit ganzzahl(int32_t v) { return Abholzeit(v, false); }
    static Abholzeit zeit(DatumZeit t) { return Abholzeit(t, true); }
    bool istZeit() const { return istZeit_; }
    // An integer (every int32 is exact in a double) reads as that many days.
    DatumZeit alsZeit() const { return wert_; }
    int32_t alsGanzzahl() const { return istZeit_ ? 0 : static_cast<int32_t>(wert_); }
    bool operator==(const Abholzeit&) const = default;

  private:
    Abholzeit(double w, bool zeit) : wert_(w), istZeit_(zeit) {}
    double wert_ = 0;
    bool istZeit_ = false;
};

// One row of the order table: its 18 fields. The save file writes them in their fixed order; in
// memory the fields the clock reads in every minute's scans come first and the two texts last,
// so a scan touches about one cache line per row.
struct Auftrag {
    // Codes of `sonderauftrag`: a regular order, or a special one. Before dispatch a special
    // order holds 1; dispatch draws 1..kSonderZuege, where 1 means caught and the rest success.
    static constexpr int32_t kRegulaer = 0, kSonderUngesendet = 1, kSonderErwischt = 1,
                             kSonderGelungenAb = 2, kSonderZuege = 4;
    // Codes of `abschluss`: open (or never used), the trip is over and waits to be settled,
    // the row was cleared.
    static constexpr int32_t kOffen = 0, kFahrtVorbei = 1, kGeraeumt = 2;
    // `kennziffer`: generation draws 0..kKennziffern-1; a cleared row holds kKennzifferGeraeumt.
    static constexpr int32_t kKennziffern = 4, kKennzifferGeraeumt = 4;

    int32_t belegt = 0;
    int32_t restminuten = 0;
    int32_t unterwegs = 0;
    int32_t abschluss = 0;
    Abholzeit abholzeit;
    int32_t angenommen = 0;
    int32_t sonderauftrag = 0;
    int32_t nummer = 0;
    int32_t fahrzeit = 0;
    int32_t einnahmen = 0;
    int32_t imagebonus = 0;
    int32_t kilometer = 0;
    int32_t unfallwurf = 0;
    int32_t kennziffer = 0;
    int32_t reserve = 0;
    int32_t taxinr = 0;
    std::string kunde;
    std::string abholort;

    bool operator==(const Auftrag&) const = default;

    // The kinds an order line describes: a regular order, or a special one not yet sent.
    bool listbareArt() const {
        return sonderauftrag == kRegulaer || sonderauftrag == kSonderUngesendet;
    }
};

struct Taxi {
    int32_t belegt = 0;
    int32_t preis = 0;
    int32_t zaehler = 0;
    int32_t unterwegs = 0;
    int32_t restminuten = 0;
    int32_t modell = 0;
    int32_t nummer = 0;
    bool operator==(const Taxi&) const = default;
};

struct Fahrer {
    int32_t belegt = 0;
    int32_t gehalt = 0;
    int32_t unterwegs = 0;
    int32_t restminuten = 0;
    int32_t kandidat = 0;
    int32_t nummer = 0;
    int32_t erfahrung = 0;
    bool operator==(const Fahrer&) const = default;
};

struct Aktie {
    int32_t ungenutzt = 0;  // never written by the game; kept for the save file
    int32_t stueck = 0;
    int32_t kurs = 0;
    bool operator==(const Aktie&) const = default;
};

using Auftragstabelle = Tabelle<Auftrag, kAuftragsZeilen>;

// The lowest free place of an order table, fleet or staff (`belegt` 0); 0 if all are taken.
template <class T, int N>
int freierPlatz(const Tabelle<T, N>& t) {
    return t.erste([](const T& e) { return e.belegt == 0; });
}

// The saved game: exactly what a save file holds. What a run keeps beside it lives in Spiel.
struct Spielstand {
    // Company and money
    double vermoegen = 0;
    int32_t schulden = 0;
    // Prices
    double grundpreis = 0;
    double kilometerpreis = 0;
    // Calendar
    DatumZeit spielzeit = 0;
    // Reputation
    int32_t bekanntheit = 0;
    int32_t image = 0;
    int32_t untergrundansehen = 0;
    int32_t attraktivitaet = 0;
    // Counters and running numbers
    int32_t auftragsnummer = 0;
    int32_t erledigteauftraege = 0;
    int32_t angenommeneauftraege = 0;
    int32_t taxinummer = 0;
    int32_t fahrernummer = 0;
    // Run flag and screen positions
    int32_t spiellaeuft = 0;
    int32_t aktuellesauto = 0;
    int32_t aktuellerfahrer = 0;
    // Tables
    Tabelle<Taxi, kSlots> taxen;
    Tabelle<Fahrer, kSlots> fahrer;
    Tabelle<int32_t, kSlots> eingestellt;
    Tabelle<Aktie, kAktien> aktien;
    Auftragstabelle auftraege;
};

}  // namespace kabrolux
