#include "ui/autosicherung.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <cerrno>
#include <utility>

#include "sim/lesen.h"
#include "sim/spiel.h"
#include "state/sicherungsdateien.h"
#include "state/zahlen.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"
#include "ui/basis/sicherungsfaden.h"
#include "ui/hauptform.h"
#include "ui/programm.h"

namespace kabrolux::ui {

namespace {

// More copies at once than anyone plays; beyond them a copy writes nothing.
constexpr int kKopienHoechstens = 32;
// A write asked for while a tick is half done waits this long for its end.
constexpr int kNachDemTaktMs = 100;

// A lock a crashed copy left is taken over by tryLock. One whose holder died before writing
// its number into it says nothing about its owner; removing it fails while a live copy holds
// it, so trying costs nothing.
bool nehmen(QLockFile& schloss) {
    schloss.setStaleLockTime(0);
    if (schloss.tryLock(0)) return true;
    qint64 pid = 0;
    QString rechner, programm;
    if (schloss.error() != QLockFile::LockFailedError ||
        schloss.getLockInfo(&pid, &rechner, &programm))
        return false;
    return schloss.removeStaleLockFile() && schloss.tryLock(0);
}

}  // namespace

Autosicherung::Autosicherung(Programm& p, QString ordner, Dateisystem& fs)
    : p_(p), ordner_(std::move(ordner)), fs_(fs) {
    minute_.setInterval(60'000);
    connect(&minute_, &QTimer::timeout, this, [this] {
        if (lesen(p_.spiel).spielzeit != letzteZeit_) sichern();
    });
    bald_.setSingleShot(true);
    connect(&bald_, &QTimer::timeout, this, &Autosicherung::sichern);
}

Autosicherung::~Autosicherung() = default;

bool Autosicherung::einrichten() {
    const std::string pfad = QFile::encodeName(ordner_).toStdString();
    const int fehler = ordner_.isEmpty() ? ENOENT : ordnerAnlegen(pfad);
    if (fehler != 0) {
        grund_ = q(ioFehlertext(fehler));
        return false;
    }
    for (int k = 1; k <= kKopienHoechstens && kopie_ == 0; ++k) {
        auto dateien = std::make_unique<Sicherungsdateien>(pfad, k, fs_);
        auto schloss = std::make_unique<QLockFile>(QFile::decodeName(dateien->schloss().c_str()));
        if (nehmen(*schloss)) {
            kopie_ = k;
            schloss_ = std::move(schloss);
            dateien_ = std::move(dateien);
        } else if (schloss->error() != QLockFile::LockFailedError) {
            break;
        }
    }
    if (kopie_ == 0) {
        grund_ = q(ioFehlertext(EACCES));
        return false;
    }
    Sicherungsdateien* d = dateien_.get();
    faden_ =
        std::make_unique<Sicherungsfaden>([d](const Spielstand& s) { return d->schreiben(s); });
    connect(faden_.get(), &Sicherungsfaden::fertig, this, &Autosicherung::geschrieben);
    p_.sicherungsordner = ordner_;
    return true;
}

bool Autosicherung::anbieten() {
    if (!dateien_) return false;
    const Sicherungsdateien::Pruefung pruefung = dateien_->pruefen();
    if (pruefung.angebot.pfad.empty()) return false;
    const Spielstand& s = *pruefung.angebot.stand;
    QMessageBox frage(
        QMessageBox::NoIcon, QStringLiteral("Kabrolux"),
        tr("Das letzte Spiel wurde nicht mit „Spielende“ beendet.\n"
           "Automatisch gesichert ist der Stand vom %1 um %2 Uhr, "
           "Vermögen: %3 €.\n\n"
           "„Fortsetzen“ spielt dort weiter. „Verwerfen“ beginnt ohne ihn; er "
           "bleibt beim Laden unter „Automatisch gesichert“.")
            .arg(q(datumText(s.spielzeit)), q(zeitText(s.spielzeit)), q(zahlText(s.vermoegen))),
        QMessageBox::NoButton, p_.hauptform.get());
    frage.setObjectName(QStringLiteral("Sicherungsfrage"));
    QPushButton* fortsetzen = frage.addButton(tr("Fortsetzen"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = frage.addButton(tr("Verwerfen"), QMessageBox::RejectRole);
    frage.setDefaultButton(fortsetzen);
    frage.setEscapeButton(verwerfen);
    frage.exec();
    if (frage.clickedButton() == fortsetzen) {
        p_.hauptform->startMitDatei(QFile::decodeName(pruefung.angebot.pfad.c_str()));
        return lesen(p_.spiel).spiellaeuft == 1;
    }
    // Declined: not asked again. A question the program's end closed stays open for the next
    // start.
    if (frage.clickedButton() == verwerfen && !ohneWahl_)
        dateien_->verwerfen(pruefung.angebot.pfad);
    return false;
}

void Autosicherung::starten() {
    if (gestartet_) return;
    gestartet_ = true;
    Spielereignisse* e = &p_.anzeige.ereignisse();
    auto vomTakt = [this] { aenderung(false); };
    connect(e, &Spielereignisse::geldGeaendert, this, vomTakt);
    connect(e, &Spielereignisse::balkenGeaendert, this, vomTakt);
    connect(e, &Spielereignisse::auftraegeGeaendert, this, vomTakt);
    connect(e, &Spielereignisse::kurseGeaendert, this, vomTakt);
    connect(e, &Spielereignisse::preiseGesetzt, this, vomTakt);
    connect(e, &Spielereignisse::verlaufGeaendert, this, vomTakt);
    connect(e, &Spielereignisse::vomSpielerGeaendert, this, [this] { aenderung(true); });
    minute_.start();
}

void Autosicherung::aenderung(bool vomSpieler) {
    // What the tick changes is written with the next minute; what the player changes, now.
    if (!vomSpieler && p_.spiel.imTakt()) return;
    bald_.start(0);
}

void Autosicherung::sichern() {
    const Spielstand& s = lesen(p_.spiel);
    if (s.spiellaeuft != 1) return;
    if (!faden_) return hinweisen(grund_);
    // A tick that lets input run is half done; its game minute is written once it is over.
    if (p_.spiel.imTakt()) return bald_.start(kNachDemTaktMs);
    letzteZeit_ = s.spielzeit;
    faden_->auftrag(s);
    minute_.start();
}

void Autosicherung::endeOhneWahl(bool sofortSchreiben) {
    ohneWahl_ = true;
    // The desktop session may end the process right after asking; a signal leaves time.
    if (sofortSchreiben) {
        sichern();
        abwarten();
    }
    beendenLassen();
}

void Autosicherung::beenden() {
    bald_.stop();
    minute_.stop();
    if (!faden_) return;
    const Spielstand& s = lesen(p_.spiel);
    // Written whatever changed: not every change the player makes is a game event.
    if (s.spiellaeuft == 1) faden_->auftrag(s);
    faden_->abwarten();
    if (!ohneWahl_) dateien_->abschliessen();
}

int Autosicherung::auftraege() const {
    return faden_ ? faden_->auftraege() : 0;
}

void Autosicherung::abwarten() {
    if (faden_) faden_->abwarten();
}

void Autosicherung::geschrieben(const QString& fehler) {
    if (!fehler.isEmpty()) return hinweisen(fehler);
    // Writing works again: the notice goes, and does not come back in this run.
    p_.hauptform->sicherungshinweis->hide();
}

void Autosicherung::hinweisen(const QString& grund) {
    if (hingewiesen_) return;
    hingewiesen_ = true;
    QLabel* l = p_.hauptform->sicherungshinweis;
    l->setText(tr("Automatisches Sichern nicht möglich: %1").arg(grund));
    l->show();
}

}  // namespace kabrolux::ui
