#include "affe.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "desk/posteingang.h"
#include "desk/taxisenden.h"
#include "economy/autohaendler.h"
#include "economy/bank.h"
#include "economy/personal.h"
#include "economy/preise.h"
#include "economy/werbung.h"
#include "pruefung.h"
#include "sim/kurse.h"
#include "sim/laden.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "sim/takt.h"
#include "state/speicherdatei.h"
#include "stilleanzeige.h"

namespace kabrolux::test {

namespace {

// Texts a player might type into any field.
const std::vector<std::string> kEingaben = {
    "",           " ",          "3",           "1,2",
    "1.5",        "2.50",       "1.000",       "1,2,3",
    "nan",        "inf",        "1e400",       "-0",
    "-1,5",       "40",         "11",          "30,99",
    "31",         " 7",         "7 ",          "abc",
    "0",          "-5",         "1e300",       "999999999999999999999999999999999999999",
    "2147483647", "2147483648", "-2147483648", "100",
    "10"};

// The computer's clocks, driven by the monkey so every reseed gives other draws.
class AffenZeit : public Zeitquelle {
  public:
    explicit AffenZeit(std::mt19937_64& z) : zufall_(z) {}
    uint32_t utcMillisekundenDesTages() override {
        return static_cast<uint32_t>(zufall_() % 86'400'000);
    }
    DatumZeit lokaleZeit() override { return datumZeit(2026, 12, 7, 23, 50); }

  private:
    std::mt19937_64& zufall_;
};

class Affe;

// The monkey's view: messages are confirmed at once; while the tick lets input run the
// monkey sometimes acts, as a player could.
class AffenAnzeige : public StilleAnzeige {
  public:
    std::function<void()> zwischendurch;
    void ereignisseVerarbeiten() override {
        if (zwischendurch) zwischendurch();
    }
};

class Affe {
  public:
    Affe(uint64_t saat, std::string ordner)
        : zufall_(saat), zeit_(zufall_), ordner_(std::move(ordner)) {
        neu();
    }

    // One action of the player; "" or the broken invariant.
    std::string handeln() {
        // Weights per thousand; a new game now and then, a purposeful player quite often.
        struct Art {
            int gewicht;
            void (Affe::*tun)();
        };
        static constexpr Art arten[] = {
            {150, &Affe::zielstrebig}, {250, &Affe::ticken},  {90, &Affe::posteingang},
            {100, &Affe::senden},      {60, &Affe::haendler}, {60, &Affe::personal},
            {50, &Affe::bank},         {40, &Affe::aktien},   {30, &Affe::preise},
            {30, &Affe::werbung},      {60, &Affe::uhr},      {60, &Affe::speichernLaden},
            {18, &Affe::kurse},        {2, &Affe::neu}};
        int wahl = zahl(1000);
        for (const Art& a : arten) {
            if (wahl < a.gewicht) {
                (this->*a.tun)();
                break;
            }
            wahl -= a.gewicht;
        }
        const std::string fehler = invariantenPruefen(spiel_->stand());
        if (!fehler.empty()) return fehler;
        return verlaufPruefen(spiel_->verlauf(), spiel_->stand().spielzeit);
    }
    const std::deque<std::string>& protokoll() const { return protokoll_; }

  private:
    int zahl(int n) { return static_cast<int>(zufall_() % static_cast<uint64_t>(n)); }
    const std::string& eingabe() { return kEingaben[zahl(static_cast<int>(kEingaben.size()))]; }
    void merke(std::string was) {
        protokoll_.push_back(std::move(was));
        if (protokoll_.size() > 40) protokoll_.pop_front();
    }

    void neu() {
        spiel_.reset();
        anzeige_.zwischendurch = nullptr;
        spiel_ = std::make_unique<Spiel>(zeit_, anzeige_);
        const int32_t kapital[] = {30000, 40000, 50000, 60000, 0, 1, 2147483647};
        const int32_t k = kapital[zahl(7)];
        const bool neuePreise = zahl(3) == 0;
        const std::string grund = neuePreise ? eingabe() : "3";
        const std::string km = neuePreise ? eingabe() : "1,2";
        merke("neues Spiel " + std::to_string(k) + " '" + grund + "' '" + km + "'");
        if (!neuesSpiel(*spiel_, k, grund, km)) neuesSpiel(*spiel_, k, "3", "1,2");
        // While a settlement lets input run, the monkey may act, but never loads, saves or
        // starts a game there (the screens postpone those until the tick is over).
        anzeige_.zwischendurch = [this] {
            static constexpr void (Affe::*tun[])() = {&Affe::senden,   &Affe::posteingang,
                                                      &Affe::haendler, &Affe::personal,
                                                      &Affe::bank,     &Affe::uhr};
            if (zahl(4) == 0) (this->*tun[zahl(6)])();
        };
    }

    // What a player who wants to earn money does: keep a taxi and a driver, accept what comes
    // in, send it. Without this the random player rarely gets a trip on the road.
    void zielstrebig() {
        merke("zielstrebig");
        const Spielstand& s = spiel_->stand();
        bool taxi = false, fahrer = false;
        for (int k = 1; k <= kSlots; ++k) {
            taxi |= s.taxen[k].belegt == 1;
            fahrer |= s.fahrer[k].belegt == 1;
        }
        if (!taxi) {
            autohaendlerOeffnen(*spiel_);
            autoKaufen(*spiel_);
        }
        if (!fahrer) {
            personalOeffnen(*spiel_);
            for (int i = zahl(12); i > 0; --i)
                fahrerVor(*spiel_);
            fahrerEinstellen(*spiel_);
        }
        std::vector<PosteingangZeile> z = posteingangAufbauen(*spiel_);
        for (std::size_t k = 0; k < z.size(); ++k)
            if (!z[k].haken) {
                z[k].haken = true;
                posteingangHaken(*spiel_, z, static_cast<int>(k));
                break;
            }
        const SendenListen l = sendenAufbauen(*spiel_);
        if (l.auftraege.empty() || l.taxen.empty() || l.fahrer.empty()) return;
        auftragGewaehlt(*spiel_, zahl(static_cast<int>(l.auftraege.size())));
        taxiGewaehlt(*spiel_, zahl(static_cast<int>(l.taxen.size())));
        fahrerGewaehlt(*spiel_, zahl(static_cast<int>(l.fahrer.size())));
        const int vorher = unterwegs();
        taxiSenden(*spiel_, l);
        gesendet += unterwegs() > vorher;
    }

    void ticken() {
        // Mostly a few minutes, so orders live long enough to be served; now and then hours.
        const int art = zahl(50);
        const int n = 1 + zahl(art == 0 ? 2000 : art < 5 ? 120 : 5);
        merke("ticks " + std::to_string(n));
        const int32_t vorher = spiel_->stand().erledigteauftraege;
        for (int i = 0; i < n; ++i)
            Timer1Timer(*spiel_);
        if (spiel_->stand().erledigteauftraege > vorher)
            erledigt += spiel_->stand().erledigteauftraege - vorher;
    }

  public:
    long erledigt = 0;

  private:
    void kurse() {
        merke("kurse");
        aktienkurseberechnen(*spiel_);
    }

    // Lines as built now, as they stood some actions ago, or carrying a wrong number.
    std::vector<PosteingangZeile> posteingangZeilen() {
        std::vector<PosteingangZeile> z =
            zahl(3) == 0 && !altePost_.empty() ? altePost_ : posteingangAufbauen(*spiel_);
        altePost_ = posteingangAufbauen(*spiel_);
        if (!z.empty() && zahl(4) == 0)
            z[zahl(static_cast<int>(z.size()))].nummer = verdrehe(z.back().nummer);
        return z;
    }
    // Another line's number, none, a neighbour's, or any small one.
    int32_t verdrehe(int32_t nummer) {
        switch (zahl(4)) {
            case 0:
                return 0;
            case 1:
                return nummer == INT32_MIN ? 0 : -nummer;
            case 2:
                return zahl(200);
            default:
                return nummer == INT32_MAX ? 0 : nummer + 1;
        }
    }
    void posteingang() {
        std::vector<PosteingangZeile> z = posteingangZeilen();
        const int k = zahl(static_cast<int>(z.size()) + 2) - 1;
        if (k >= 0 && k < static_cast<int>(z.size())) z[k].haken = zahl(4) != 0;
        merke("posteingang " + std::to_string(k) + " von " + std::to_string(z.size()));
        posteingangHaken(*spiel_, z, k);
    }

    template <class Zeile>
    std::vector<Zeile> verdreht(std::vector<Zeile> l) {
        if (!l.empty() && zahl(10) == 0)
            l[zahl(static_cast<int>(l.size()))].nummer = verdrehe(l.front().nummer);
        return l;
    }
    void senden() {
        // Each list as built now or as it stood some actions ago (a busy taxi, a dismissed
        // driver, an order already sent may still stand in it).
        SendenListen l = sendenAufbauen(*spiel_);
        if (altesSenden_) {
            if (zahl(4) == 0) l.auftraege = altesSenden_->auftraege;
            if (zahl(4) == 0) l.taxen = altesSenden_->taxen;
            if (zahl(4) == 0) l.fahrer = altesSenden_->fahrer;
        }
        if (!altesSenden_ || zahl(3) == 0) altesSenden_ = sendenAufbauen(*spiel_);
        l.auftraege = verdreht(l.auftraege);
        l.taxen = verdreht(l.taxen);
        l.fahrer = verdreht(l.fahrer);
        auto waehle = [&](const auto& v) {
            return zahl(8) == 0 ? -1
                                : zahl(static_cast<int>(v.size()) + 2) - (zahl(9) == 0 ? 1 : 0);
        };
        const int a = waehle(l.auftraege), t = waehle(l.taxen), f = waehle(l.fahrer);
        auftragGewaehlt(*spiel_, a);
        taxiGewaehlt(*spiel_, t);
        fahrerGewaehlt(*spiel_, f);
        merke("senden " + std::to_string(a) + "/" + std::to_string(t) + "/" + std::to_string(f));
        const int vorher = unterwegs();
        taxiSenden(*spiel_, l);
        gesendet += unterwegs() > vorher;
    }
    int unterwegs() const {
        int n = 0;
        for (const Auftrag& a : spiel_->stand().auftraege)
            n += a.unterwegs == 1 && a.belegt == 1;
        return n;
    }

  public:
    long gesendet = 0;

  private:
    // One of the buttons of a screen.
    using Knopf = std::pair<const char*, void (*)(Spiel&)>;
    void druecke(std::initializer_list<Knopf> knoepfe) {
        const Knopf& k = knoepfe.begin()[zahl(static_cast<int>(knoepfe.size()))];
        merke(k.first);
        k.second(*spiel_);
    }
    void haendler() {
        druecke({{"haendler oeffnen", [](Spiel& s) { autohaendlerOeffnen(s); }},
                 {"auto vor", [](Spiel& s) { autoVor(s); }},
                 {"auto zurueck", [](Spiel& s) { autoZurueck(s); }},
                 {"auto kaufen", [](Spiel& s) { autoKaufen(s); }}});
    }
    void personal() {
        druecke({{"personal oeffnen", [](Spiel& s) { personalOeffnen(s); }},
                 {"fahrer vor", [](Spiel& s) { fahrerVor(s); }},
                 {"fahrer zurueck", [](Spiel& s) { fahrerZurueck(s); }},
                 {"einstellen", [](Spiel& s) { fahrerEinstellen(s); }},
                 {"entlassen", [](Spiel& s) { fahrerEntlassen(s); }}});
    }
    void bank() {
        bankZeichnen(*spiel_);
        const int32_t betrag = kreditstufen[zahl(kKreditstufen)].betrag;
        if (zahl(2) == 0) {
            merke("kredit " + std::to_string(betrag));
            kreditAufnehmen(*spiel_, betrag);
        } else {
            merke("tilgen " + std::to_string(betrag));
            kreditTilgen(*spiel_, betrag);
        }
    }
    void aktien() {
        const int k = zahl(8) - 1;
        const std::string& menge = eingabe();
        merke("aktie " + std::to_string(k) + " '" + menge + "'");
        if (zahl(2) == 0)
            aktienKaufen(*spiel_, k, menge);
        else
            aktienVerkaufen(*spiel_, k, menge);
    }
    void preise() {
        // Mostly fares a player would set (low ones bring more orders), sometimes anything.
        const char* fair[] = {"3", "1", "0,5", "2", "1,2", "0"};
        const bool wild = zahl(4) == 0;
        const std::string grund =
            wild ? (zahl(2) ? grundpreisVerlassen(eingabe()) : eingabe()) : fair[zahl(6)];
        const std::string km =
            wild ? (zahl(2) ? kilometerpreisVerlassen(eingabe()) : eingabe()) : fair[zahl(6)];
        merke("preise '" + grund + "' '" + km + "'");
        preiseUebernehmen(*spiel_, grund, km);
    }
    void werbung() {
        const int art = zahl(7);
        merke("werbung " + std::to_string(art));
        werbungKaufen(*spiel_, art);
    }
    void uhr() {
        const char taste = "01234x9"[zahl(7)];
        merke(std::string("taste ") + taste);
        tasteGedrueckt(*spiel_, taste);
        const int ms[] = {0, 50, 400, 1000, 2000};
        if (zahl(2) == 0) geschwindigkeitGewaehlt(*spiel_, ms[zahl(5)]);
    }

    // Saves, then loads the game back or a damaged copy; a refused file must change nothing.
    // Most rounds go through memory; every tenth through a real file (its fsync is slow).
    void speichernLaden() {
        const bool datei = zahl(10) == 0;
        merke(datei ? "speichern und laden (Datei)" : "speichern und laden");
        const std::vector<std::uint8_t> gut = speicherbild(spiel_->stand());
        std::vector<std::uint8_t> bild = gut;
        const bool kaputt = zahl(3) == 0;
        if (kaputt) {
            bild[zahl(static_cast<int>(bild.size()))] ^= static_cast<std::uint8_t>(1 + zahl(255));
            if (zahl(2) == 0) bild.resize(zahl(static_cast<int>(bild.size())));
        }
        if (!laden(bild, datei)) {
            if (!kaputt) throw std::runtime_error("the game's own file was refused");
            if (speicherbild(spiel_->stand()) != gut)
                throw std::runtime_error("a refused file changed the game");
            return;
        }
        if (!kaputt) {
            if (speicherbild(spiel_->stand()) != gut)
                throw std::runtime_error("round trip differs");
            return;
        }
        // Accepted although damaged: every value the loader promises must be sound. Then the
        // player goes on with the good game.
        const std::string mangel = invariantenPruefen(spiel_->stand(), false);
        if (!mangel.empty()) throw std::runtime_error("damaged file accepted: " + mangel);
        // The same way back, so a load through a file also begins the history afresh.
        if (!laden(gut, datei)) throw std::runtime_error("good file refused");
    }
    bool laden(const std::vector<std::uint8_t>& bild, bool datei) {
        if (!datei) return ladeBild(bild, spiel_->stand()).leer();
        const std::string pfad = ordner_ + "/affe.kbs";
        if (!spielSpeichern(*spiel_, pfad)) throw std::runtime_error("saving failed");
        std::FILE* f = std::fopen(pfad.c_str(), "wb");
        if (!f) throw std::runtime_error("cannot write " + pfad);
        std::fwrite(bild.data(), 1, bild.size(), f);
        std::fclose(f);
        return spielLaden(*spiel_, pfad);
    }

    std::mt19937_64 zufall_;
    AffenZeit zeit_;
    AffenAnzeige anzeige_;
    std::string ordner_;
    std::unique_ptr<Spiel> spiel_;
    std::deque<std::string> protokoll_;
    std::vector<PosteingangZeile> altePost_;
    std::optional<SendenListen> altesSenden_;
};

}  // namespace

Affenbericht affeSpielen(uint64_t saat, long aktionen, const std::string& ordner) {
    Affe affe(saat, ordner);
    std::string fehler;
    long i = 0;
    for (; i < aktionen && fehler.empty(); ++i) {
        try {
            fehler = affe.handeln();
        } catch (const std::exception& e) {
            fehler = std::string("exception: ") + e.what();
        }
    }
    Affenbericht b{{}, affe.gesendet, affe.erledigt};
    if (fehler.empty()) return b;
    b.fehler = "seed " + std::to_string(saat) + ", action " + std::to_string(i) + ": " + fehler +
               "\nlast actions:\n";
    for (const std::string& a : affe.protokoll())
        b.fehler += "  " + a + "\n";
    return b;
}

}  // namespace kabrolux::test
