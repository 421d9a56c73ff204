#pragma once
// The screens' side of the game's events: each event becomes a Qt signal, and each screen
// connects in its own constructor to what it shows.

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
    void auftragEingegangen(const QString& hinweis, const QString& zeile);
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

    void meldung(const std::string& text) override;
    void ereignisseVerarbeiten() override;
    void geldGeaendert(const std::string& text) override;
    void uhrGeaendert(const std::string& text) override;
    void balkenGeaendert(Balken b, int32_t wert) override;
    void auftragEingegangen(const std::string& hinweis, const std::string& zeile) override;
    void auftraegeGeaendert() override;
    void auswahlZurueckgesetzt() override;
    void preiseGesetzt(const std::string& kilometerpreis, const std::string& grundpreis) override;
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
