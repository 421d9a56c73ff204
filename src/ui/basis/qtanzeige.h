#pragma once
// The screens' side of the game's events: each event becomes a Qt signal, and each screen
// connects in its own constructor to what it shows. What the game reports as facts is worded
// here once, in the player's language, for every screen that shows it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

#include "sim/anzeige.h"

namespace kabrolux::ui {

class Spielanleitung;

class Spielereignisse : public QObject {
    Q_OBJECT
  signals:
    void geldGeaendert(const QString& text);
    void uhrGeaendert(const QString& text);
    void balkenGeaendert(kabrolux::Balken b, int wert);
    // The main screen's notice, the inbox line, and the order's number (the line's key).
    void auftragEingegangen(const QString& hinweis, const QString& zeile, int nummer);
    void auftraegeGeaendert();
    void auswahlZurueckgesetzt();
    void preiseGesetzt(const QString& kilometerpreis, const QString& grundpreis);
    void kurseGeaendert();
    void verlaufGeaendert();
    // The player changed the game in a screen in a way none of the events above tells: a hire,
    // a dismissal, an accepted order, new prices. Screens emit it, the autosave listens.
    void vomSpielerGeaendert();
};

class QtAnzeige : public Anzeige {
  public:
    QtAnzeige();
    ~QtAnzeige() override;
    Spielereignisse& ereignisse() { return ereignisse_; }
    // The guide's window, one for all screens, made the first time it is asked for.
    Spielanleitung& anleitung();

    // Messages open over the active window, else over this one.
    void setzeHauptfenster(QWidget* w) { hauptfenster_ = w; }
    // Tests collect messages here instead of opening modal boxes.
    QStringList* meldungenSammeln = nullptr;
    // What the last events said, for a screen made after them: the clock text (empty before
    // the first tick) and the prices' texts, if they were ever set.
    const QString& letzteUhr() const { return letzteUhr_; }
    const std::optional<std::pair<QString, QString>>& letztePreise() const { return letztePreise_; }
    // The most messages that were open at once; a message never opens over another one.
    int hoechsteVerschachtelung() const { return hoechsteVerschachtelung_; }

    // A message already worded (the picture loader's): shown or collected as the game's are.
    void zeigeMeldung(const QString& text);

    void meldung(const Meldung& m) override;
    void ereignisseVerarbeiten() override;
    void geldGeaendert(double vermoegen, Geldform form) override;
    void uhrGeaendert(DatumZeit spielzeit) override;
    void balkenGeaendert(Balken b, int32_t wert) override;
    void auftragEingegangen(const Auftrag& neu) override;
    void auftraegeGeaendert() override;
    void auswahlZurueckgesetzt() override;
    void preiseGesetzt(double kilometerpreis, double grundpreis) override;
    void kurseGeaendert() override;
    void verlaufGeaendert() override;

  private:
    Spielereignisse ereignisse_;
    QWidget* hauptfenster_ = nullptr;
    int offen_ = 0, hoechsteVerschachtelung_ = 0;
    QString letzteUhr_;
    std::optional<std::pair<QString, QString>> letztePreise_;
    std::unique_ptr<Spielanleitung> anleitung_;
};

}  // namespace kabrolux::ui
