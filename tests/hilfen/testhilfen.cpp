#include <iterator>
#include <sstream>
#include <stdexcept>

#include "desk/taxisenden.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "state/zahlen.h"
#include "testanzeige.h"

namespace kabrolux::test {

std::string zeitpunkt(DatumZeit t) {
    return datumText(t) + " " + zeitText(t);
}

std::string beschreibung(const Meldung& m) {
    static constexpr const char* namen[] = {
        "laufzeitfehler", "dateiBeschaedigt",      "kreditzinsen",
        "fahrpreis",      "sonderauftragGelungen", "sonderauftragErwischt",
        "unfall",         "verbraucherzentrale",   "fahrerEntlassen",
        "taxenVoll",      "kreditlimitErreicht",   "auftragWaehlen",
        "taxiWaehlen",    "fahrerWaehlen"};
    static_assert(std::size(namen) == static_cast<std::size_t>(Meldungsart::fahrerWaehlen) + 1);
    std::ostringstream t;
    t << namen[static_cast<int>(m.art)];
    if (m.art == Meldungsart::laufzeitfehler) {
        t << ' ' << m.text;
    } else if (m.art == Meldungsart::dateiBeschaedigt) {
        const Schaden& s = m.schaden;
        t << ' ' << static_cast<int>(s.ort.stelle) << '/' << s.ort.nr << '/' << s.ort.feld << ' '
          << static_cast<int>(s.befund) << ' ' << s.a << ' ' << s.b << ' ' << s.c;
    } else {
        if (m.nummer != 0) t << ' ' << m.nummer;
        if (m.betrag != 0 || m.nummer != 0) t << ' ' << m.betrag;
    }
    return t.str();
}

}  // namespace kabrolux::test

namespace kabrolux {

void PrintTo(const Meldung& m, std::ostream* os) {
    *os << test::beschreibung(m);
}

}  // namespace kabrolux

namespace kabrolux::test {

void PrintTo(const Geld& g, std::ostream* os) {
    *os << zahlText(g.betrag) << (g.form == Geldform::gerundet ? " gerundet" : "");
}

void Aufzeichnung::geldGeaendert(double v, Geldform form) {
    geld.push_back({v, form});
    ereignisse.push_back("geld:" + zahlText(v) + (form == Geldform::gerundet ? " gerundet" : ""));
}

void Aufzeichnung::preiseGesetzt(double km, double grund) {
    ereignisse.push_back("preise:" + zahlText(km) + "/" + zahlText(grund));
}

TestSpiel::TestSpiel(bool starten)
    : besitz_(std::make_unique<Spiel>(zeit, anzeige)),
      spiel(*besitz_),
      s(spiel.stand()),
      lauf(spiel.lauf()),
      uhr(spiel.uhr()),
      bank(spiel.bank()),
      zufall(spiel.zufall()) {
    if (starten) neuesSpiel(spiel, 50000, "3", "1,2");
}

TestSpiel::~TestSpiel() = default;

uint32_t suchMs(const std::function<bool(Zufall&)>& passt) {
    for (uint32_t ms = 0; ms < 86'400'000; ++ms) {
        Zufall z;
        z.seed = ms;
        if (passt(z)) return ms;
    }
    throw std::runtime_error("no millisecond of the day gives these draws");
}

uint32_t suchMs(const std::vector<Zug>& zuege) {
    return suchMs([&](Zufall& z) {
        for (const Zug& zug : zuege) {
            Zufall nachbar = z;
            const int32_t r = z.Random(zug.n);
            if (r < zug.von || r > zug.bis) return false;
            if (zug.nachbar != 0 && nachbar.Random(zug.nachbar) == r) return false;
        }
        return true;
    });
}

void ersteZeilenSenden(Spiel& spiel) {
    const SendenListen l = sendenAufbauen(spiel);
    auftragGewaehlt(spiel, 0);
    taxiGewaehlt(spiel, 0);
    fahrerGewaehlt(spiel, 0);
    taxiSenden(spiel, l);
}

}  // namespace kabrolux::test
