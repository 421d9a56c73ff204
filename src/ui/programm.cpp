#include "ui/programm.h"

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "sim/spiel.h"
#include "ui/einstellungenform.h"
#include "ui/hauptform.h"

namespace kabrolux::ui {

Programm::Programm(Zeitquelle& z)
    : zeit(z), spielBesitz_(std::make_unique<Spiel>(z, anzeige)), spiel(*spielBesitz_) {
    hauptform = std::make_unique<THauptform>(*this);
    autohaendlerform = std::make_unique<TAutohaendlerform>(spiel, anzeige);
    personalform = std::make_unique<TPersonalform>(spiel, anzeige);
    posteingangform = std::make_unique<TPosteingangform>(spiel, anzeige);
    werbungform = std::make_unique<Twerbungform>(spiel, anzeige);
    statistikform = std::make_unique<Tstatistikform>(spiel, anzeige);
    bankform = std::make_unique<Tbankform>(spiel, anzeige);
    preiseform = std::make_unique<Tpreiseform>(spiel, anzeige);
    einstellungenform = std::make_unique<Teinstellungenform>(spiel, anzeige);
    taxi_sendenform = std::make_unique<TTaxi_sendenform>(spiel, anzeige);
    anzeige.setzeHauptfenster(hauptform.get());

    for (Nebenform* f : std::initializer_list<Nebenform*>{
             autohaendlerform.get(), personalform.get(), posteingangform.get(), werbungform.get(),
             statistikform.get(), bankform.get(), preiseform.get(), einstellungenform.get(),
             taxi_sendenform.get()})
        verbinden(f);
    // Reading the inbox clears the main screen's new-order notice.
    QObject::connect(posteingangform.get(), &Nebenform::geschlossen, hauptform.get(),
                     [this] { hauptform->Label3->clear(); });
    spiel.uhr().geaendert = [this] { hauptform->uhrAbgleichen(); };
}

Programm::~Programm() {
    // The forms may still reach the clock while they go; cut that first.
    spiel.uhr().geaendert = nullptr;
}

void Programm::verbinden(Nebenform* form) {
    QObject::connect(form, &Nebenform::geschlossen, hauptform.get(), [this] { zeigeHauptform(); });
}

void Programm::oeffne(Nebenform* form, const std::function<void()>& dazwischen) {
    form->zeigenUeber(*hauptform);
    if (dazwischen) dazwischen();
    hauptPlatz_.merken(*hauptform);
    hauptform->hide();
}

void Programm::zeigeHauptform() {
    if (!hauptPlatz_.platz()) {
        hauptform->show();
        return;
    }
    // Exactly where it was when the screen opened (pulled in should the desktop have shrunk).
    Fenstergedaechtnis::zeigenBei(
        *hauptform, fensterplatz(hauptform->size(), QRect(), hauptPlatz_.platz(),
                                 verfuegbareFlaeche(*hauptform), hauptPlatz_.rahmen()));
}

}  // namespace kabrolux::ui
