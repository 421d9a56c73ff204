#include "ui/basis/farben.h"

#include <QCoreApplication>

#include <QPalette>
#include <algorithm>

namespace kabrolux::ui {

void benennen(std::initializer_list<QObject*> objekte, const char* namen) {
    const QStringList liste = QString::fromLatin1(namen).split(QLatin1Char(','));
    Q_ASSERT(liste.size() == static_cast<qsizetype>(objekte.size()));
    qsizetype i = 0;
    for (QObject* o : objekte)
        o->setObjectName(liste.value(i++).trimmed());
}

void textfarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    w->setPalette(p);
}

void schwarzesFenster(QWidget* w, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    QFont f(QStringLiteral("Arial"), 8);
    w->setFont(f);
}

QPushButton* druckknopf(QWidget* eltern, const QString& text, int x, int y, int breite, int hoehe) {
    auto* b = new QPushButton(text, eltern);
    b->setGeometry(x, y, breite, hoehe);
    return b;
}

QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y, const QColor& farbe,
                     int punkte) {
    QLabel* l = beschriftungUngemessen(eltern, text, x, y, farbe, punkte);
    l->adjustSize();
    return l;
}

QLabel* beschriftungUngemessen(QWidget* eltern, const QString& text, int x, int y,
                               const QColor& farbe, int punkte) {
    auto* l = new QLabel(text, eltern);
    textfarbe(l, farbe);
    if (punkte != 8) {
        QFont f = l->font();
        f.setPointSize(punkte);
        l->setFont(f);
    }
    // A size of its own, or showing it would measure it after all.
    l->setGeometry(x, y, 0, 0);
    return l;
}

void beschriftet(QWidget* w, QLabel* beschriftung) {
    beschriftung->setBuddy(w);
    w->setAccessibleName(beschriftung->text());
}

void setzeText(QLabel* l, const QString& text) {
    l->setText(text);
    l->adjustSize();
}

QLabel* hinweistext(QWidget* eltern, const QString& text, const QColor& farbe,
                    Qt::Alignment ausrichtung) {
    // A label, not a text editor: the note is only read, and a label costs a fraction of the
    // memory of a document with its editor.
    auto* m = new QLabel(eltern);
    m->setTextFormat(Qt::PlainText);
    m->setAlignment(ausrichtung | Qt::AlignTop);
    textfarbe(m, farbe);
    m->setText(text);
    return m;
}

void setzeBalken(QProgressBar* balken, int wert) {
    balken->setValue(std::clamp(wert, balken->minimum(), balken->maximum()));
}

}  // namespace kabrolux::ui
