#pragma once
// One line chart of the history: game time across, values up, on black in the game's colours.
// Exact values show at the pointer, or at a marker the arrow keys move while the chart has
// the keyboard focus; the marked (else the latest) values are the chart's accessible
// description.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

namespace kabrolux::ui {

struct Kurve {
    QString name;
    QColor farbe;
    Qt::PenStyle strich = Qt::SolidLine;  // told apart without colour too
    std::vector<double> werte;            // one per time
};

class Verlaufsdiagramm : public QWidget {
    Q_OBJECT
  public:
    // `name` is the chart's accessible name, `einheit` captions the value axis, `text` writes
    // one exact value with its unit.
    Verlaufsdiagramm(const QString& name, const QString& einheit,
                     std::function<QString(double)> text, QWidget* eltern);
    // A fixed value range (the bars' scales); without one the range follows the values.
    void festerBereich(double unten, double oben);
    // The times (game date-times, ascending) and the curves; `leer` is shown when there are no
    // times.
    void setzen(std::vector<double> zeiten, std::vector<Kurve> kurven, const QString& leer);

    // "dd.mm.yyyy hh:mm Uhr: name value, ..." at sample i.
    QString werteText(int i) const;
    int anzahl() const { return static_cast<int>(zeiten_.size()); }
    int markiert() const { return marke_; }
    const std::vector<Kurve>& kurven() const { return kurven_; }

    QSize sizeHint() const override { return {420, 220}; }
    QSize minimumSizeHint() const override { return {300, 160}; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    QRectF flaeche() const;
    double x(double zeit) const;
    double y(double wert) const;
    void markieren(int i);
    void beschreibungSetzen();
    void achsenZeichnen(QPainter& p) const;
    void zeitachseZeichnen(QPainter& p) const;
    void kurvenZeichnen(QPainter& p) const;

    QString einheit_;
    std::function<QString(double)> text_;
    bool fest_ = false;
    double unten_ = 0, oben_ = 1, schritt_ = 1;
    double von_ = 0, bis_ = 1;
    std::vector<double> zeiten_;
    std::vector<Kurve> kurven_;
    QString leer_;
    int marke_ = -1;
};

}  // namespace kabrolux::ui
