#pragma once
// Screens that open and close from the main screen but have no controls of their own yet.

#include <QString>

#include "ui/nebenform.h"

namespace kabrolux::ui {

class Twerbungform : public Nebenform {
    Q_OBJECT
  public:
    explicit Twerbungform(Programm& p);
};

class Tstatistikform : public Nebenform {
    Q_OBJECT
  public:
    explicit Tstatistikform(Programm& p);
};

class Tbankform : public Nebenform {
    Q_OBJECT
  public:
    explicit Tbankform(Programm& p);
};

class Tpreiseform : public Nebenform {
    Q_OBJECT
  public:
    explicit Tpreiseform(Programm& p);
    // The texts the new game reads; the screen's fields start with these values.
    QString grundpreisText() const { return grundpreis_; }
    QString kilometerpreisText() const { return kilometerpreis_; }
    void preiseSetzen(const QString& kilometerpreis, const QString& grundpreis) {
        kilometerpreis_ = kilometerpreis;
        grundpreis_ = grundpreis;
    }

  private:
    QString grundpreis_, kilometerpreis_;
};

}  // namespace kabrolux::ui
