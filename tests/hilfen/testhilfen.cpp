#include <stdexcept>

#include "desk/taxisenden.h"
#include "sim/neuesspiel.h"
#include "sim/spiel.h"
#include "testanzeige.h"

namespace kabrolux::test {

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
