#include "state/statistik.h"

#include "state/auftraege.h"

namespace kabrolux {

Statistik statistikBerechnen(const Spielstand& s) {
    int64_t offen = 0, offenAngenommen = 0;
    durchlaufeBenutzte(s.auftraege, [&](int, const Auftrag& a) {
        if (a.belegt != 1) return;
        ++offen;
        if (a.angenommen == 1) ++offenAngenommen;
    });
    Statistik st;
    st.erhalten = static_cast<int64_t>(s.auftragsnummer) - 1;
    st.erledigt = s.erledigteauftraege;
    st.verpasst = st.erhalten - st.erledigt - offen;
    st.angenommen = s.angenommeneauftraege;
    st.angenommenOffen = st.angenommen - st.erledigt - offenAngenommen;
    return st;
}

}  // namespace kabrolux
