#include "ui/programm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPixmap>

#include "desk/posteingangform.h"
#include "desk/taxisendenform.h"
#include "economy/autohaendlerform.h"
#include "economy/personalform.h"
#include "ui/einstellungenform.h"
#include "ui/farben.h"
#include "ui/hauptform.h"
#include "ui/jpegbild.h"
#include "ui/weitereformen.h"

namespace kabrolux::ui {

// --- Nebenform

Nebenform::Nebenform(Programm& p, const char* klasse, const QString& titel) : programm(p) {
    setObjectName(QString::fromLatin1(klasse));
    setWindowTitle(titel);
}

bool Nebenform::bildZeigen(QLabel* ziel, const QString& datei) {
    QString fehler;
    const QImage bild = ladeJpeg(bilderOrdner() + datei, &fehler);
    if (bild.isNull()) {
        programm.anzeige.meldung(s(fehler));
        return false;
    }
    ziel->setPixmap(QPixmap::fromImage(bild));
    return true;
}

void Nebenform::closeEvent(QCloseEvent* e) {
    if (!FormClose()) {
        e->ignore();
        return;
    }
    e->accept();
    programm.zeigeHauptform();
}

// --- QtAnzeige

void QtAnzeige::meldung(const std::string& text) {
    if (meldungenSammeln) {
        meldungenSammeln->append(q(text));
        return;
    }
    QWidget* eltern = QApplication::activeWindow();
    if (!eltern) eltern = p_.hauptform.get();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kabrolux"), q(text), QMessageBox::Ok,
                    eltern);
    box.exec();
}

void QtAnzeige::geldAnzeigen(const std::string& text) {
    setzeText(p_.hauptform->Label4, q(text));
}

void QtAnzeige::uhrAnzeigen(const std::string& text) {
    const QString t = q(text);
    setzeText(p_.hauptform->Label2, t);
    setzeText(p_.einstellungenform->Label1, t);
    p_.posteingangform->Label2->setText(t);
    p_.taxi_sendenform->Label4->setText(t);
}

void QtAnzeige::balkenAnzeigen(Balken b, int32_t wert) {
    THauptform& h = *p_.hauptform;
    switch (b) {
        case Balken::image:
            setzeBalken(h.ProgressBar1, wert);
            break;
        case Balken::bekanntheit:
            setzeBalken(h.ProgressBar2, wert);
            break;
        case Balken::attraktivitaet:
            setzeBalken(h.ProgressBar3, wert);
            break;
        case Balken::untergrund:
            setzeBalken(h.ProgressBar4, wert);
            break;
    }
}

void QtAnzeige::auftragsHinweis(const std::string& text) {
    setzeText(p_.hauptform->Label3, q(text));
}

void QtAnzeige::neueAuftragsZeile(const std::string& zeile) {
    if (p_.posteingangform->isVisible()) p_.posteingangform->zeileAnhaengen(q(zeile));
}

void QtAnzeige::hauptformAuffrischen() {
    p_.hauptform->FormPaint();
}

void QtAnzeige::sendenAuffrischen() {
    p_.taxi_sendenform->auffrischen();
}

void QtAnzeige::posteingangAuffrischen() {
    if (p_.posteingangform->isVisible()) p_.posteingangform->FormPaint();
}

void QtAnzeige::preiseAnzeigen(const std::string& kilometerpreis, const std::string& grundpreis) {
    p_.preiseform->preiseSetzen(q(kilometerpreis), q(grundpreis));
}

void QtAnzeige::bankAuffrischen() {}

void QtAnzeige::ereignisseVerarbeiten() {
    QCoreApplication::processEvents();
}

// --- Programm

Programm::Programm(Zeitquelle& z) : zeit(z), anzeige(*this), spiel(z, anzeige) {
    hauptform = std::make_unique<THauptform>(*this);
    autohaendlerform = std::make_unique<TAutohaendlerform>(*this);
    personalform = std::make_unique<TPersonalform>(*this);
    posteingangform = std::make_unique<TPosteingangform>(*this);
    werbungform = std::make_unique<Twerbungform>(*this);
    statistikform = std::make_unique<Tstatistikform>(*this);
    bankform = std::make_unique<Tbankform>(*this);
    preiseform = std::make_unique<Tpreiseform>(*this);
    einstellungenform = std::make_unique<Teinstellungenform>(*this);
    taxi_sendenform = std::make_unique<TTaxi_sendenform>(*this);
    spiel.uhr.geaendert = [this] { hauptform->uhrAbgleichen(); };
}

Programm::~Programm() {
    // The forms may still reach the clock while they go; cut that first.
    spiel.uhr.geaendert = nullptr;
}

void Programm::oeffne(QWidget* form) {
    form->show();
    hauptform->hide();
}

void Programm::zeigeHauptform() {
    hauptform->show();
}

}  // namespace kabrolux::ui
