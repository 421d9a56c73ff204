#include "bausteine.h"

#include <algorithm>

#include "state/kataloge.h"

namespace kabrolux::test {

namespace {

void zaehlerNach(int32_t& zaehler, int32_t nummer) {
    zaehler = std::max(zaehler, nummer + 1);
}

}  // namespace

Auftrag& neuerAuftrag(Spielstand& s, int r, int32_t nummer, double minuten) {
    Auftrag& a = s.auftraege[r];
    a = Auftrag{};
    a.belegt = 1;
    a.abholzeit = Abholzeit::zeit(s.spielzeit + minuten * kMinute);
    a.kunde = kundennamen[static_cast<std::size_t>(nummer) % kundennamen.size()];
    a.abholort = abholorte[static_cast<std::size_t>(nummer) % abholorte.size()];
    a.nummer = nummer;
    a.kilometer = 1 + nummer * 7 % 120;
    a.fahrzeit = a.kilometer + nummer % 30 - 5;
    a.einnahmen = 3 + a.kilometer * 12 / 10;
    a.imagebonus = nummer % 3;
    a.kennziffer = nummer % Auftrag::kKennziffern;
    zaehlerNach(s.auftragsnummer, nummer);
    return a;
}

Auftrag& neuerSonderauftrag(Spielstand& s, int r, int32_t nummer, double minuten) {
    Auftrag& a = neuerAuftrag(s, r, nummer, minuten);
    a.sonderauftrag = Auftrag::kSonderUngesendet;
    a.einnahmen = 3000 + nummer * 37 % 5000;
    a.imagebonus = 0;
    return a;
}

Auftrag& angenommenerAuftrag(Spielstand& s, int r, int32_t nummer, double minuten) {
    Auftrag& a = neuerAuftrag(s, r, nummer, minuten);
    a.angenommen = 1;
    ++s.angenommeneauftraege;
    return a;
}

Auftrag& fahrenderAuftrag(Spielstand& s, int r, int32_t nummer, int32_t rest, int32_t wurf) {
    Auftrag& a = aufFahrt(angenommenerAuftrag(s, r, nummer, 0), rest);
    a.unfallwurf = wurf;
    return a;
}

Taxi& gekauftesTaxi(Spielstand& s, int k, int modell, int32_t nummer) {
    if (nummer == 0) nummer = k;
    s.taxen[k] = Taxi{1, preisVon(autokatalog[modell - 1]), 0, 0, 0, modell, nummer};
    zaehlerNach(s.taxinummer, nummer);
    return s.taxen[k];
}

Fahrer& eingestellterFahrer(Spielstand& s, int k, int kandidat, int32_t nummer) {
    if (nummer == 0) nummer = k;
    const Fahrerkandidat& c = fahrerkatalog[kandidat - 1];
    s.fahrer[k] = Fahrer{1, gehaltVon(c), 0, 0, kandidat, nummer, erfahrungsstufe(c)};
    s.eingestellt[kandidat] = 1;
    zaehlerNach(s.fahrernummer, nummer);
    return s.fahrer[k];
}

Auftrag& senden(Spielstand& s, int r, int slot, int32_t minuten) {
    Auftrag& a = aufFahrt(s.auftraege[r], minuten);
    Taxi& t = aufFahrt(s.taxen[slot], minuten);
    aufFahrt(s.fahrer[slot], minuten);
    t.zaehler += a.nummer;
    a.taxinr = t.nummer;
    return a;
}

}  // namespace kabrolux::test
