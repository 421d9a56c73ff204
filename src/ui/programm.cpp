#include "ui/programm.h"

#include <QShortcut>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "sim/spiel.h"
#include "ui/basis/anleitung.h"
#include "ui/einstellungenform.h"
#include "ui/hauptform.h"

namespace kabrolux::ui {

Programm::Programm(Zeitquelle& z, bool hauptformSpaeter)
    : zeit(z), spielBesitz_(std::make_unique<Spiel>(z, anzeige)), spiel(*spielBesitz_) {
    hauptform = std::make_unique<THauptform>(
        *this, hauptformSpaeter ? THauptform::Aufbau::spaeter : THauptform::Aufbau::sofort);
    anzeige.setzeHauptfenster(hauptform.get());
    spiel.uhr().geaendert = [this] { hauptform->uhrAbgleichen(); };
    anleitungAnbieten(hauptform.get(), anzeige);
    QObject::connect(new QShortcut(Qt::Key_F2, hauptform.get()), &QShortcut::activated,
                     hauptform.get(), [this] { verlaufform()->oeffnen(*hauptform); });
}

Programm::~Programm() {
    // The forms may still reach the clock while they go; cut that first.
    spiel.uhr().geaendert = nullptr;
}

template <class Form>
Form* Programm::form(std::unique_ptr<Form>& platz) {
    if (!platz) {
        platz = std::make_unique<Form>(spiel, anzeige);
        verbinden(platz.get());
    }
    return platz.get();
}

TAutohaendlerform* Programm::autohaendlerform() {
    return form(autohaendlerform_);
}

TPersonalform* Programm::personalform() {
    return form(personalform_);
}

Twerbungform* Programm::werbungform() {
    return form(werbungform_);
}

Tstatistikform* Programm::statistikform() {
    if (!statistikform_) {
        form(statistikform_);
        QObject::connect(statistikform_.get(), &Tstatistikform::verlaufGewuenscht,
                         statistikform_.get(), [this] { verlaufform()->oeffnen(*statistikform_); });
    }
    return statistikform_.get();
}

TVerlaufform* Programm::verlaufform() {
    if (!verlaufform_) verlaufform_ = std::make_unique<TVerlaufform>(spiel, anzeige);
    return verlaufform_.get();
}

Tbankform* Programm::bankform() {
    return form(bankform_);
}

Tpreiseform* Programm::preiseform() {
    return form(preiseform_);
}

Teinstellungenform* Programm::einstellungenform() {
    return form(einstellungenform_);
}

TTaxi_sendenform* Programm::taxi_sendenform() {
    return form(taxi_sendenform_);
}

TPosteingangform* Programm::posteingangform() {
    if (!posteingangform_) {
        form(posteingangform_);
        // Reading the inbox clears the main screen's new-order notice.
        QObject::connect(posteingangform_.get(), &Nebenform::geschlossen, hauptform.get(),
                         [this] { hauptform->Label3->clear(); });
    }
    return posteingangform_.get();
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
