#pragma once
// The game's screen colours and a few helpers every screen uses.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>

// Gives controls the object names of their members, so assistive technology and tests find
// them by the names the game gives them: KABROLUX_NAMEN(Label1, Label2, Button1).
#define KABROLUX_NAMEN(...) ::kabrolux::ui::benennen({__VA_ARGS__}, #__VA_ARGS__)

namespace kabrolux::ui {

inline const QColor kGelb{0xFF, 0xFF, 0x00};
inline const QColor kLimone{0x00, 0xFF, 0x00};
inline const QColor kAqua{0x00, 0xFF, 0xFF};
inline const QColor kRot{0xFF, 0x00, 0x00};
inline const QColor kHellrot{0xFF, 0x80, 0x80};
inline const QColor kGrau{0x80, 0x80, 0x80};
inline const QColor kSilber{0xC0, 0xC0, 0xC0};

inline QString q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string s(const QString& t) {
    return t.toStdString();
}

// Names the objects in turn after the comma-separated names.
void benennen(std::initializer_list<QObject*> objekte, const char* namen);

// The colour a widget writes its text in.
void textfarbe(QWidget* w, const QColor& farbe);
// Black window with the given default text colour.
void schwarzesFenster(QWidget* w, const QColor& text);
QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y, const QColor& farbe,
                     int punkte = 8);
// The same, not yet sized to its text (measuring a text loads the fonts): for a window that
// sizes its captions itself once it is on the screen.
QLabel* beschriftungUngemessen(QWidget* eltern, const QString& text, int x, int y,
                               const QColor& farbe, int punkte = 8);
// A push button at a fixed place, as every screen lays them out.
QPushButton* druckknopf(QWidget* eltern, const QString& text, int x, int y, int breite,
                        int hoehe = 25);
// The caption a control stands under is its name for assistive technology (a screen reader
// says "Verfügbare Taxen:, list"): the label's buddy, and the accessible name too, because Qt's
// list and bar interfaces read only that.
void beschriftet(QWidget* w, QLabel* beschriftung);
// A label's new text, sized to fit.
void setzeText(QLabel* l, const QString& text);
// A borderless multi-line text on black that only informs: read-only, never takes the focus,
// no scroll bars (it is sized to show every line).
QLabel* hinweistext(QWidget* eltern, const QString& text, const QColor& farbe,
                    Qt::Alignment ausrichtung = Qt::AlignLeft);
// Progress bars clamp their position to the range, whatever the value.
void setzeBalken(QProgressBar* balken, int wert);

}  // namespace kabrolux::ui
