#include "ui/basis/nebenform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPixmap>

#include "ui/basis/anleitung.h"
#include "ui/basis/jpegbild.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

Nebenform::Nebenform(Spiel& s, QtAnzeige& a, const char* instanz, const QString& titel)
    : spiel(s), anzeige(a) {
    setObjectName(QString::fromLatin1(instanz));
    setWindowTitle(titel);
    anleitungAnbieten(this, a);
}

bool Nebenform::bildZeigen(QLabel* ziel, const QString& datei) {
    QString fehler;
    const QImage bild = ladeJpeg(bilderOrdner() + datei, &fehler);
    if (bild.isNull()) {
        anzeige.zeigeMeldung(fehler);
        return false;
    }
    ziel->setPixmap(QPixmap::fromImage(bild));
    return true;
}

void Nebenform::zeigenUeber(const QWidget& haupt) {
    Fenstergedaechtnis::zeigenBei(*this,
                                  fensterplatz(size(), haupt.geometry(), gedaechtnis_.platz(),
                                               verfuegbareFlaeche(haupt), gedaechtnis_.rahmen()));
}

void Nebenform::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Nebenform::vomSpielerGeaendert() {
    emit anzeige.ereignisse().vomSpielerGeaendert();
}

void Nebenform::closeEvent(QCloseEvent* e) {
    if (!FormClose()) {
        e->ignore();
        return;
    }
    e->accept();
    // Remembered while still shown, so the next opening in this run finds it where it was.
    gedaechtnis_.merken(*this);
    emit geschlossen();
}

}  // namespace kabrolux::ui
