#include "ui/basis/nebenform.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QPixmap>

#include "ui/basis/fensterplatz.h"
#include "ui/basis/jpegbild.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

Nebenform::Nebenform(Spiel& s, QtAnzeige& a, const char* instanz, const QString& titel)
    : spiel(s), anzeige(a) {
    setObjectName(QString::fromLatin1(instanz));
    setWindowTitle(titel);
}

bool Nebenform::bildZeigen(QLabel* ziel, const QString& datei) {
    QString fehler;
    const QImage bild = ladeJpeg(bilderOrdner() + datei, &fehler);
    if (bild.isNull()) {
        anzeige.meldung(fehler.toStdString());
        return false;
    }
    ziel->setPixmap(QPixmap::fromImage(bild));
    return true;
}

void Nebenform::zeigenUeber(const QWidget& haupt) {
    move(fensterplatz(rahmengroesse(*this), haupt.frameGeometry(), platz_,
                      verfuegbareFlaeche(haupt)));
    show();
    activateWindow();
}

void Nebenform::hideEvent(QHideEvent* e) {
    // Remember where the player left the window, for the next time it opens in this run.
    if (!e->spontaneous()) platz_ = pos();
    QWidget::hideEvent(e);
}

void Nebenform::closeEvent(QCloseEvent* e) {
    if (!FormClose()) {
        e->ignore();
        return;
    }
    e->accept();
    emit geschlossen();
}

}  // namespace kabrolux::ui
