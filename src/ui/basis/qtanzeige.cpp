#include "ui/basis/qtanzeige.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "ui/basis/anleitung.h"

namespace kabrolux::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QtAnzeige::QtAnzeige() = default;
QtAnzeige::~QtAnzeige() = default;

Spielanleitung& QtAnzeige::anleitung() {
    if (!anleitung_) anleitung_ = std::make_unique<Spielanleitung>();
    return *anleitung_;
}

void QtAnzeige::meldung(const std::string& text) {
    if (meldungenSammeln) {
        meldungenSammeln->append(q(text));
        return;
    }
    QWidget* eltern = QApplication::activeWindow();
    if (!eltern) eltern = hauptfenster_;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kabrolux"), q(text), QMessageBox::Ok,
                    eltern);
    ++offen_;
    hoechsteVerschachtelung_ = std::max(hoechsteVerschachtelung_, offen_);
    box.exec();
    --offen_;
}

void QtAnzeige::ereignisseVerarbeiten() {
    QCoreApplication::processEvents();
}

void QtAnzeige::geldGeaendert(const std::string& text) {
    emit ereignisse_.geldGeaendert(q(text));
}

void QtAnzeige::uhrGeaendert(const std::string& text) {
    letzteUhr_ = q(text);
    emit ereignisse_.uhrGeaendert(letzteUhr_);
}

void QtAnzeige::balkenGeaendert(Balken b, int32_t wert) {
    emit ereignisse_.balkenGeaendert(b, wert);
}

void QtAnzeige::auftragEingegangen(const std::string& hinweis, const std::string& zeile) {
    emit ereignisse_.auftragEingegangen(q(hinweis), q(zeile));
}

void QtAnzeige::auftraegeGeaendert() {
    emit ereignisse_.auftraegeGeaendert();
}

void QtAnzeige::auswahlZurueckgesetzt() {
    emit ereignisse_.auswahlZurueckgesetzt();
}

void QtAnzeige::preiseGesetzt(const std::string& kilometerpreis, const std::string& grundpreis) {
    letztePreise_ = {q(kilometerpreis), q(grundpreis)};
    emit ereignisse_.preiseGesetzt(q(kilometerpreis), q(grundpreis));
}

void QtAnzeige::kurseGeaendert() {
    emit ereignisse_.kurseGeaendert();
}

void QtAnzeige::verlaufGeaendert() {
    emit ereignisse_.verlaufGeaendert();
}

}  // namespace kabrolux::ui
