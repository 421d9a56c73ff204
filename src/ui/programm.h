#pragma once
// The running program: the game and its ten screens, created once at start.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "sim/anzeige.h"
#include "sim/spiel.h"
#include "sim/zufall.h"

namespace kabrolux::ui {

class THauptform;
class TAutohaendlerform;
class TPersonalform;
class TPosteingangform;
class Twerbungform;
class Tstatistikform;
class Tbankform;
class Tpreiseform;
class Teinstellungenform;
class TTaxi_sendenform;
class Programm;

// The screens' side of the game's view interface.
class QtAnzeige : public Anzeige {
  public:
    explicit QtAnzeige(Programm& p) : p_(p) {}
    void meldung(const std::string& text) override;
    void geldAnzeigen(const std::string& text) override;
    void uhrAnzeigen(const std::string& text) override;
    void balkenAnzeigen(Balken b, int32_t wert) override;
    void auftragsHinweis(const std::string& text) override;
    void neueAuftragsZeile(const std::string& zeile) override;
    void hauptformAuffrischen() override;
    void sendenAuffrischen() override;
    void posteingangAuffrischen() override;
    void preiseAnzeigen(const std::string& kilometerpreis, const std::string& grundpreis) override;
    void bankAuffrischen() override;
    void ereignisseVerarbeiten() override;

    // Tests collect messages here instead of opening modal boxes.
    QStringList* meldungenSammeln = nullptr;

  private:
    Programm& p_;
};

class Programm {
  public:
    explicit Programm(Zeitquelle& zeit);
    ~Programm();

    Zeitquelle& zeit;
    QtAnzeige anzeige;
    Spiel spiel;

    // Screens in the order they are created; the main screen comes first.
    std::unique_ptr<THauptform> hauptform;
    std::unique_ptr<TAutohaendlerform> autohaendlerform;
    std::unique_ptr<TPersonalform> personalform;
    std::unique_ptr<TPosteingangform> posteingangform;
    std::unique_ptr<Twerbungform> werbungform;
    std::unique_ptr<Tstatistikform> statistikform;
    std::unique_ptr<Tbankform> bankform;
    std::unique_ptr<Tpreiseform> preiseform;
    std::unique_ptr<Teinstellungenform> einstellungenform;
    std::unique_ptr<TTaxi_sendenform> taxi_sendenform;

    // Opens a screen from the main screen: show it, then hide the main screen.
    void oeffne(QWidget* form);
    void zeigeHauptform();
};

}  // namespace kabrolux::ui
