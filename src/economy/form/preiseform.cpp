#include "economy/form/preiseform.h"

#include <QFocusEvent>
#include <QTextDocument>
#include <QTextOption>

#include "economy/preise.h"
#include "ui/basis/farben.h"
#include "ui/basis/qtanzeige.h"

namespace kabrolux::ui {

namespace {

QLineEdit* preisfeld(QWidget* eltern, const QString& text, int x, int y) {
    auto* e = new QLineEdit(text, eltern);
    e->setGeometry(x, y, 121, 21);
    return e;
}

// Writes a repaired text back; an unchanged one keeps the cursor and the undo steps.
void zurueckschreiben(QLineEdit* e, const std::string& text) {
    const QString neu = q(text);
    if (neu != e->text()) e->setText(neu);
}

}  // namespace

Tpreiseform::Tpreiseform(Spiel& s, QtAnzeige& a) : Nebenform(s, a, "preiseform", tr("Preise")) {
    schwarzesFenster(this, kGelb);
    setFixedSize(352, 232);
    Label1 = beschriftung(this, tr("Preis pro gefahrener Kilometer:"), 16, 19, kGelb);
    // Made after a fine or a load, the fields show the prices those set.
    const auto& gesetzt = anzeige.letztePreise();
    Edit1 = preisfeld(this, gesetzt ? gesetzt->first : q(startKilometerpreisText()), 184, 16);
    Label3 = beschriftung(this, QStringLiteral("€"), 312, 19, kGelb);
    Label2 = beschriftung(this, tr("Grundpreis pro Fahrt:"), 16, 51, kGelb);
    Edit2 = preisfeld(this, gesetzt ? gesetzt->second : q(startGrundpreisText()), 184, 48);
    Label4 = beschriftung(this, QStringLiteral("€"), 312, 51, kGelb);
    Memo1 = hinweistext(this,
                        tr("Hinweis:\n"
                           "Bitte beachten Sie, dass überhöhte Preise zu \n"
                           "Imageverlust führen. Sollten extrem unverschämte \n"
                           "Preise angegeben werden, so ist es möglich, dass \n"
                           "der Verbraucherschutzverband Sie zum Zahlen \n"
                           "einer Geld-Strafe zwingt."),
                        kRot, Qt::AlignHCenter);
    Memo1->setGeometry(16, 84, 320, 100);
    Button1 = druckknopf(this, tr("Zurück ins Hauptmenü"), 96, 192, 160);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);

    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tpreiseform::Button1Click);
    // A consumer-protection fine (or a loaded game) writes the prices back.
    connect(&anzeige.ereignisse(), &Spielereignisse::preiseGesetzt, this,
            [this](const QString& km, const QString& grund) {
                Edit1->setText(km);
                Edit2->setText(grund);
            });
    KABROLUX_NAMEN(Label1, Label2, Label3, Label4, Edit1, Edit2, Memo1, Button1);
}

bool Tpreiseform::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        // Focus moving to another control of this screen, by mouse, keyboard or program;
        // not the window losing activation or a context menu opening.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            if (o == Edit1) Edit1Exit();
            if (o == Edit2) Edit2Exit();
        }
    }
    return Nebenform::eventFilter(o, e);
}

void Tpreiseform::Edit1Exit() {
    zurueckschreiben(Edit1, kilometerpreisVerlassen(s(Edit1->text())));
}

void Tpreiseform::Edit2Exit() {
    zurueckschreiben(Edit2, grundpreisVerlassen(s(Edit2->text())));
}

void Tpreiseform::Button1Click() {
    // Pressing the button takes the focus to it, whichever way it was pressed, so a field
    // that had it is left first.
    if (Edit1->hasFocus() || Edit2->hasFocus()) Button1->setFocus(Qt::OtherFocusReason);
    close();
}

bool Tpreiseform::FormClose() {
    if (!preiseUebernehmen(spiel, s(Edit2->text()), s(Edit1->text()))) return false;
    vomSpielerGeaendert();
    return true;
}

}  // namespace kabrolux::ui
