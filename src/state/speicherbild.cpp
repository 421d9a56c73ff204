// The save file's image: writing it, and reading and checking it before it replaces a state.
#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <system_error>
#include <utility>
#include <vector>

#include "state/speicherdatei.h"
#include "state/speicherpruefung.h"
#include "state/windows1252.h"

namespace kabrolux {

namespace sf = speicherformat;

namespace {

constexpr int32_t kSatzLaenge = 16;  // bytes of a variant image after the length word
constexpr uint16_t kArtGanzzahl = 3;
constexpr uint16_t kArtDatum = 7;

// The layout's offsets follow from the sizes of what is written in front of them.
static_assert(sf::kEingestelltAb == 4 * 8 + 13 * 4);  // four doubles, 13 integers
static_assert(sf::kAktienAb == sf::kEingestelltAb + 4 * kSlots);
static_assert(sf::kAuftraegeAb == sf::kAktienAb + 12 * kAktien);
static_assert(sf::kAuftrag == sf::feldVersatz(18) + sf::kWertsatz);
static_assert(sf::feldVersatz(5) == sf::feldVersatz(4) + sf::kTextsatz);
static_assert(sf::kFahrerAb == sf::kAuftraegeAb + kAuftragsZeilen * sf::kAuftrag);
static_assert(sf::kTaxenAb == sf::kFahrerAb + kSlots * sf::kSlot);
static_assert(sf::kGroesse == sf::kTaxenAb + kSlots * sf::kSlot);

// The 17 single values in file order; writer and reader share this list so they cannot drift.
template <class S, class F>
void jedeEinzelgroesse(S& s, F&& f) {
    f(s.vermoegen);
    f(s.aktuellesauto);
    f(s.schulden);
    f(s.spiellaeuft);
    f(s.aktuellerfahrer);
    f(s.grundpreis);
    f(s.kilometerpreis);
    f(s.spielzeit);
    f(s.bekanntheit);
    f(s.image);
    f(s.fahrernummer);
    f(s.attraktivitaet);
    f(s.taxinummer);
    f(s.auftragsnummer);
    f(s.erledigteauftraege);
    f(s.angenommeneauftraege);
    f(s.untergrundansehen);
}

// Fields 5 to 18 of an order, all integers, in file order.
constexpr std::array<int32_t Auftrag::*, 14> kAuftragsFelder = {
    &Auftrag::nummer,    &Auftrag::fahrzeit,      &Auftrag::einnahmen,   &Auftrag::imagebonus,
    &Auftrag::kilometer, &Auftrag::unfallwurf,    &Auftrag::kennziffer,  &Auftrag::angenommen,
    &Auftrag::reserve,   &Auftrag::taxinr,        &Auftrag::restminuten, &Auftrag::unterwegs,
    &Auftrag::abschluss, &Auftrag::sonderauftrag,
};
constexpr std::array<int32_t Fahrer::*, 7> kFahrerFelder = {
    &Fahrer::belegt,   &Fahrer::gehalt, &Fahrer::unterwegs, &Fahrer::restminuten,
    &Fahrer::kandidat, &Fahrer::nummer, &Fahrer::erfahrung,
};
constexpr std::array<int32_t Taxi::*, 7> kTaxiFelder = {
    &Taxi::belegt,      &Taxi::preis,  &Taxi::zaehler, &Taxi::unterwegs,
    &Taxi::restminuten, &Taxi::modell, &Taxi::nummer,
};
constexpr std::array<int32_t Aktie::*, 3> kAktienFelder = {&Aktie::ungenutzt, &Aktie::stueck,
                                                           &Aktie::kurs};

// ---------------------------------------------------------------- writing

class Schreiber {
  public:
    explicit Schreiber(std::vector<uint8_t>& b) : b_(b) {}
    std::size_t pos() const { return pos_; }

    void ganz(int32_t v) { bytes(static_cast<uint32_t>(v), 4); }
    void gleit(double v) { bytes(std::bit_cast<uint64_t>(v), 8); }
    void operator()(int32_t v) { ganz(v); }
    void operator()(double v) { gleit(v); }

    void ganzsatz(int32_t v) {
        const std::size_t anfang = kopf(kArtGanzzahl);
        ganz(v);
        pos_ = anfang + sf::kWertsatz;
    }
    void zeitsatz(const Abholzeit& z) {
        if (!z.istZeit()) return ganzsatz(z.alsGanzzahl());
        const std::size_t anfang = kopf(kArtDatum);
        gleit(z.alsZeit());
        pos_ = anfang + sf::kWertsatz;
    }
    // Cut after 29 characters: a longer text cannot be stored, and the game's own are far
    // shorter, so cutting is the harmless choice.
    void textsatz(const std::string& t, Zeichenwandler& w) {
        std::string c = w.wandle(t);
        if (c.size() > sf::kTextMax) c.resize(sf::kTextMax);
        b_[pos_] = static_cast<uint8_t>(c.size());
        std::copy(c.begin(), c.end(), b_.begin() + static_cast<std::ptrdiff_t>(pos_ + 1));
        pos_ += sf::kTextsatz;
    }

  private:
    void bytes(uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            b_[pos_++] = static_cast<uint8_t>(v >> (8 * i));
    }
    // Length word and kind code; the reserved bytes stay zero.
    std::size_t kopf(uint16_t art) {
        const std::size_t anfang = pos_;
        ganz(kSatzLaenge);
        bytes(art, 2);
        pos_ = anfang + 12;
        return anfang;
    }

    std::vector<uint8_t>& b_;
    std::size_t pos_ = 0;
};

void schreibeAuftrag(Schreiber& w, const Auftrag& a, Zeichenwandler& z) {
    w.ganzsatz(a.belegt);
    w.zeitsatz(a.abholzeit);
    w.textsatz(a.kunde, z);
    w.textsatz(a.abholort, z);
    for (auto feld : kAuftragsFelder)
        w.ganzsatz(a.*feld);
}

// ---------------------------------------------------------------- reading

// Reads the image front to back and checks its structure: length words, kind codes and texts.
// The caller has checked the size, and every record has a fixed size, so no read goes past
// the end.
class Leser {
  public:
    explicit Leser(std::span<const uint8_t> b) : b_(b) {}
    std::size_t pos() const { return pos_; }

    int32_t ganz() { return static_cast<int32_t>(static_cast<uint32_t>(bytes(4))); }
    double gleit() { return std::bit_cast<double>(bytes(8)); }
    void operator()(int32_t& v) { v = ganz(); }
    void operator()(double& v) { v = gleit(); }

    int32_t ganzsatz(const Ort& o) {
        const std::size_t anfang = pos_;
        kopf(o, false);
        const int32_t v = ganz();
        pos_ = anfang + sf::kWertsatz;
        return v;
    }
    Abholzeit zeitsatz(const Ort& o) {
        const std::size_t anfang = pos_;
        const bool datum = kopf(o, true) == kArtDatum;
        Abholzeit z = datum ? Abholzeit::zeit(gleit()) : Abholzeit::ganzzahl(ganz());
        pos_ = anfang + sf::kWertsatz;
        return z;
    }
    std::string textsatz(const Ort& o, Zeichenwandler& w) {
        const std::size_t n = b_[pos_];
        if (n > sf::kTextMax) beschaedigt(o, Befund::textlaenge, static_cast<int64_t>(n));
        const auto* zeichen = reinterpret_cast<const char*>(b_.data() + pos_ + 1);
        for (std::size_t i = 0; i < n; ++i) {
            const auto c = static_cast<uint8_t>(zeichen[i]);
            if (!belegtInWindows1252(c)) beschaedigt(o, Befund::zeichen, c);
        }
        pos_ += sf::kTextsatz;
        return w.wandle({zeichen, n});
    }

  private:
    uint64_t bytes(int n) {
        uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(b_[pos_++]) << (8 * i);
        return v;
    }
    // Checks the length word and the kind code; returns the kind and leaves pos_ at the value.
    // A length other than 16 is refused rather than obeyed, so no field ever takes more.
    uint16_t kopf(const Ort& o, bool datumErlaubt) {
        const std::size_t anfang = pos_;
        const int32_t laenge = ganz();
        if (laenge != kSatzLaenge) beschaedigt(o, Befund::laengenangabe, laenge);
        const auto art = static_cast<uint16_t>(bytes(2));
        if (art != kArtGanzzahl && !(datumErlaubt && art == kArtDatum))
            beschaedigt(o, Befund::typ, art, datumErlaubt ? 1 : 0);
        pos_ = anfang + 12;
        return art;
    }

    std::span<const uint8_t> b_;
    std::size_t pos_ = 0;
};

void liesAuftrag(Leser& l, int r, Auftrag& a, Zeichenwandler& z) {
    a.belegt = l.ganzsatz({Stelle::auftrag, r, 1});
    a.abholzeit = l.zeitsatz({Stelle::auftrag, r, 2});
    a.kunde = l.textsatz({Stelle::auftrag, r, 3}, z);
    a.abholort = l.textsatz({Stelle::auftrag, r, 4}, z);
    int feld = 5;
    for (auto f : kAuftragsFelder)
        a.*f = l.ganzsatz({Stelle::auftrag, r, feld++});
}

// Overwrites every saved value of `s` with the image's.
void lies(std::span<const uint8_t> bild, Spielstand& s) {
    Zeichenwandler z(Zeichenwandler::Richtung::ausWindows1252);
    Leser l(bild);
    jedeEinzelgroesse(s, l);
    for (int32_t& e : s.eingestellt)
        e = l.ganz();
    for (Aktie& a : s.aktien)
        for (auto f : kAktienFelder)
            a.*f = l.ganz();
    for (int r = 1; r <= kAuftragsZeilen; ++r)
        liesAuftrag(l, r, s.auftraege[r], z);
    for (Fahrer& f : s.fahrer)
        for (auto feld : kFahrerFelder)
            f.*feld = l.ganz();
    for (Taxi& t : s.taxen)
        for (auto feld : kTaxiFelder)
            t.*feld = l.ganz();
    assert(l.pos() == sf::kGroesse);
}

}  // namespace

std::vector<uint8_t> speicherbild(const Spielstand& s) {
    std::vector<uint8_t> bild(sf::kGroesse, 0);
    Zeichenwandler z(Zeichenwandler::Richtung::nachWindows1252);
    Schreiber w(bild);
    jedeEinzelgroesse(s, w);
    for (int32_t e : s.eingestellt)
        w.ganz(e);
    for (const Aktie& a : s.aktien)
        for (auto f : kAktienFelder)
            w.ganz(a.*f);
    for (const Auftrag& a : s.auftraege)
        schreibeAuftrag(w, a, z);
    for (const Fahrer& f : s.fahrer)
        for (auto feld : kFahrerFelder)
            w.ganz(f.*feld);
    for (const Taxi& t : s.taxen)
        for (auto feld : kTaxiFelder)
            w.ganz(t.*feld);
    assert(w.pos() == sf::kGroesse);
    return bild;
}

Ladefehler ladeBild(std::span<const uint8_t> bild, Spielstand& ziel) {
    if (bild.size() < sf::kGroesse) return {kLeseUeberEnde, {}};
    if (bild.size() > sf::kGroesse)
        return {{}, Schaden{{}, Befund::zuLang, static_cast<int64_t>(sf::kGroesse)}};
    // The file holds the whole state; the target changes only once the whole image has passed.
    Spielstand neu;
    try {
        lies(bild, neu);
        pruefeGeladenenStand(neu);
    } catch (const Beschaedigt& b) {
        return {{}, b.schaden};
    } catch (const std::system_error& e) {
        return {ioFehlertext(e.code().value()), {}};
    }
    ziel = std::move(neu);
    return {};
}

}  // namespace kabrolux
