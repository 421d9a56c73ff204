#include "ui/basis/qtanzeige.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "state/zahlen.h"
#include "ui/basis/anleitung.h"
#include "ui/basis/spieltexte.h"

namespace kabrolux::ui {

QtAnzeige::QtAnzeige() = default;
QtAnzeige::~QtAnzeige() = default;

Spielanleitung& QtAnzeige::anleitung() {
    if (!anleitung_) anleitung_ = std::make_unique<Spielanleitung>();
    return *anleitung_;
}

void QtAnzeige::meldung(const Meldung& m) {
    zeigeMeldung(meldungText(m));
}

void QtAnzeige::zeigeMeldung(const QString& text) {
    if (meldungenSammeln) {
        meldungenSammeln->append(text);
        return;
    }
    QWidget* eltern = QApplication::activeWindow();
    if (!eltern) eltern = hauptfenster_;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kabrolux"), text, QMessageBox::Ok, eltern);
    ++offen_;
    hoechsteVerschachtelung_ = std::max(hoechsteVerschachtelung_, offen_);
    box.exec();
    --offen_;
}

void QtAnzeige::ereignisseVerarbeiten() {
    QCoreApplication::processEvents();
}

void QtAnzeige::geldGeaendert(double vermoegen, Geldform form) {
    emit ereignisse_.geldGeaendert(geldText(vermoegen, form));
}

void QtAnzeige::uhrGeaendert(DatumZeit spielzeit) {
    letzteUhr_ = uhrText(spielzeit);
    emit ereignisse_.uhrGeaendert(letzteUhr_);
}

void QtAnzeige::balkenGeaendert(Balken b, int32_t wert) {
    emit ereignisse_.balkenGeaendert(b, wert);
}

void QtAnzeige::auftragEingegangen(const Auftrag& neu) {
    emit ereignisse_.auftragEingegangen(neuerAuftragText(neu), auftragszeile(neu), neu.nummer);
}

void QtAnzeige::auftraegeGeaendert() {
    emit ereignisse_.auftraegeGeaendert();
}

void QtAnzeige::auswahlZurueckgesetzt() {
    emit ereignisse_.auswahlZurueckgesetzt();
}

void QtAnzeige::preiseGesetzt(double kilometerpreis, double grundpreis) {
    letztePreise_ = {QString::fromStdString(zahlText(kilometerpreis)),
                     QString::fromStdString(zahlText(grundpreis))};
    emit ereignisse_.preiseGesetzt(letztePreise_->first, letztePreise_->second);
}

void QtAnzeige::kurseGeaendert() {
    emit ereignisse_.kurseGeaendert();
}

void QtAnzeige::verlaufGeaendert() {
    emit ereignisse_.verlaufGeaendert();
}

}  // namespace kabrolux::ui
