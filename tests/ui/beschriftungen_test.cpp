// Every caption fits its control, in German and in English: the screens keep the sizes of the
// game, so a longer language must find room in them. Each visible text is measured with its
// control's font (horizontalAdvance) against the room the control gives it, and no text may run
// into a neighbour or out of its window.
#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "testprogramm.h"
#include "ui/basis/dfwselbutton.h"
#include "ui/basis/nebenform.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

Q_DECLARE_METATYPE(kabrolux::ui::Sprache)

namespace {

QString ohneKuerzel(QString t) {
    return t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The widest line of a text.
int breite(const QFontMetrics& fm, const QString& text) {
    int b = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        b = std::max(b, fm.horizontalAdvance(zeile));
    return b;
}

QString name(const QWidget* w) {
    return w->window()->objectName() + QLatin1Char('.') + w->objectName();
}

// The room a label's text takes, in its parent's coordinates.
QRect tinte(const QLabel* l) {
    const QFontMetrics fm = l->fontMetrics();
    const QRect innen = l->contentsRect();
    if (l->wordWrap()) return l->geometry();
    const int b = breite(fm, l->text());
    const int h = fm.lineSpacing() * static_cast<int>(l->text().count(QLatin1Char('\n')) + 1);
    int x = innen.left();
    if (l->alignment() & Qt::AlignHCenter) x = innen.center().x() - b / 2;
    if (l->alignment() & Qt::AlignRight) x = innen.right() - b;
    return QRect(l->mapToParent(QPoint(x, innen.top())), QSize(b, std::min(h, innen.height())));
}

QStringList zuLang(const QLabel* l) {
    const QString t = l->text();
    if (t.isEmpty() || l->textFormat() == Qt::RichText) return {};
    const QFontMetrics fm = l->fontMetrics();
    const QRect innen = l->contentsRect();
    QStringList fehler;
    if (l->wordWrap()) {
        const QRect noetig =
            fm.boundingRect(QRect(0, 0, innen.width(), 1 << 20),
                            static_cast<int>(l->alignment()) | Qt::TextWordWrap, t);
        if (noetig.height() > innen.height())
            fehler << QStringLiteral("%1 \"%2\" needs %3 px height, has %4")
                          .arg(name(l), t)
                          .arg(noetig.height())
                          .arg(innen.height());
    } else if (breite(fm, t) > innen.width()) {
        fehler << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                      .arg(name(l), t)
                      .arg(breite(fm, t))
                      .arg(innen.width());
    }
    return fehler;
}

// Room a button gives its caption.
int platz(const QAbstractButton* b) {
    const QStyle* s = b->style();
    if (qobject_cast<const TDFWSelButton*>(b)) return b->width() - 2;
    if (qobject_cast<const QRadioButton*>(b))
        return b->width() - s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) -
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
    return b->width() - 2 * s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) -
           2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
}

QStringList zuLang(const QAbstractButton* b) {
    const QString t = ohneKuerzel(b->text());
    const int noetig = b->fontMetrics().horizontalAdvance(t);
    if (t.isEmpty() || noetig <= platz(b)) return {};
    return {
        QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(name(b), t).arg(noetig).arg(platz(b))};
}

QStringList zuLang(const QGroupBox* g) {
    const QString t = ohneKuerzel(g->title());
    const int noetig = g->fontMetrics().horizontalAdvance(t) + 16;
    if (t.isEmpty() || noetig <= g->width()) return {};
    return {QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                .arg(name(g), t)
                .arg(noetig)
                .arg(g->width())};
}

QStringList zuLang(const QComboBox* c) {
    QStyleOptionComboBox o;
    o.initFrom(c);
    const int raum = c->style()
                         ->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c)
                         .width();
    QStringList fehler;
    for (int i = 0; i < c->count(); ++i)
        if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > raum)
            fehler << QStringLiteral("%1 \"%2\" wider than %3 px")
                          .arg(name(c), c->itemText(i))
                          .arg(raum);
    return fehler;
}

// A label's text may not run into a visible neighbour nor out of its parent.
QStringList stoesstAn(const QLabel* l) {
    if (l->text().isEmpty() || !l->parentWidget()) return {};
    const QRect t = tinte(l);
    QStringList fehler;
    if (!l->parentWidget()->rect().contains(t))
        fehler << QStringLiteral("%1 \"%2\" leaves its window").arg(name(l), l->text());
    for (const QObject* o : l->parentWidget()->children()) {
        const auto* nachbar = qobject_cast<const QWidget*>(o);
        if (!nachbar || nachbar == l || !nachbar->isVisible()) continue;
        const auto* anderes = qobject_cast<const QLabel*>(nachbar);
        const QRect r = anderes ? tinte(anderes) : nachbar->geometry();
        if (anderes && anderes->text().isEmpty() && anderes->pixmap().isNull()) continue;
        if (t.intersects(r))
            fehler
                << QStringLiteral("%1 \"%2\" runs into %3").arg(name(l), l->text(), name(nachbar));
    }
    return fehler;
}

QStringList pruefen(QWidget* fenster) {
    QStringList fehler;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) fehler << zuLang(l) << stoesstAn(l);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) fehler << zuLang(b);
        if (auto* g = qobject_cast<QGroupBox*>(w)) fehler << zuLang(g);
        if (auto* c = qobject_cast<QComboBox*>(w)) fehler << zuLang(c);
    }
    return fehler;
}

}  // namespace

class TestBeschriftungen : public ProgrammTest {
    Q_OBJECT

    QStringList allesPruefen() {
        QStringList fehler = pruefen(p->hauptform.get());
        for (Nebenform* f :
             {static_cast<Nebenform*>(p->posteingangform()),
              static_cast<Nebenform*>(p->taxi_sendenform()),
              static_cast<Nebenform*>(p->werbungform()),
              static_cast<Nebenform*>(p->statistikform()), static_cast<Nebenform*>(p->bankform()),
              static_cast<Nebenform*>(p->preiseform()),
              static_cast<Nebenform*>(p->einstellungenform())}) {
            p->oeffne(f);
            fehler << pruefen(f);
            f->close();
        }
        Tbankform& bank = *p->bankform();
        p->oeffne(&bank);
        bank.Button1->click();
        bank.ComboBox1->setCurrentIndex(3);
        bank.Edit1->setText(QStringLiteral("25"));
        bank.Button3->click();
        fehler << pruefen(&bank);
        bank.close();
        // Every model and every candidate in turn.
        TAutohaendlerform& haendler = *p->autohaendlerform();
        p->hauptform->autohaendlerbutton->click();
        for (int m = 1; m <= 4; ++m, haendler.Button1Click())
            fehler << pruefen(&haendler);
        haendler.close();
        TPersonalform& personal = *p->personalform();
        p->hauptform->personalbutton->click();
        for (int k = 1; k <= 12; ++k, personal.Button2Click())
            fehler << pruefen(&personal);
        personal.close();
        p->verlaufform()->oeffnen(*p->hauptform);
        fehler << pruefen(p->verlaufform());
        fehler.removeDuplicates();
        return fehler;
    }

  private slots:
    void vorDemSpiel_data() {
        QTest::addColumn<Sprache>("sprache");
        QTest::newRow("deutsch") << Sprache::deutsch;
        QTest::newRow("englisch") << Sprache::englisch;
    }
    void vorDemSpiel() {
        QFETCH(Sprache, sprache);
        inSprache(sprache);
        QStringList fehler = pruefen(p->hauptform.get());
        p->oeffne(p->einstellungenform());
        fehler << pruefen(p->einstellungenform());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    void imSpiel_data() { vorDemSpiel_data(); }
    void imSpiel() {
        QFETCH(Sprache, sprache);
        inSprache(sprache);
        laufendesSpiel(*t);
        const QStringList fehler = allesPruefen();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    // The measure finds what it is for: a caption too long for its button, a label running out
    // of its window.
    void zuLangesWirdGefunden() {
        THauptform& h = *p->hauptform;
        h.einstellungenbutton->setCaption(QStringLiteral("Einstellungen der Spielgeschwindigkeit"));
        h.Label5->setText(QString(200, QLatin1Char('W')));
        h.Label5->adjustSize();
        const QString fehler = pruefen(&h).join(QLatin1Char('\n'));
        QVERIFY2(fehler.contains(QStringLiteral("einstellungenbutton")), qPrintable(fehler));
        QVERIFY2(fehler.contains(QStringLiteral("Label5")), qPrintable(fehler));
    }
};

QTEST_MAIN(TestBeschriftungen)
#include "beschriftungen_test.moc"
