// What a screen reader finds on every screen: each control that can be used or that shows a
// value has a name, and Escape closes a secondary screen as its close box does. And what every
// reader sees: no list line is cut short.
#include <QtTest>

#include <QAccessible>

#include "bausteine.h"
#include "desk/form/posteingangform.h"
#include "desk/form/statistikform.h"
#include "desk/form/taxisendenform.h"
#include "desk/form/verlaufform.h"
#include "economy/form/autohaendlerform.h"
#include "economy/form/bankform.h"
#include "economy/form/personalform.h"
#include "economy/form/preiseform.h"
#include "economy/form/werbungform.h"
#include "state/auftraege.h"
#include "state/kataloge.h"
#include "testprogramm.h"
#include "ui/basis/anleitung.h"
#include "ui/basis/spieltexte.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

class TestZugaenglichkeit : public ProgrammTest {
    Q_OBJECT

    QList<Nebenform*> nebenformen() {
        return {p->autohaendlerform(), p->personalform(),      p->posteingangform(),
                p->werbungform(),      p->statistikform(),     p->bankform(),
                p->preiseform(),       p->einstellungenform(), p->taxi_sendenform()};
    }

    static QStringList unbenannt(QWidget* fenster) {
        static const QList<QAccessible::Role> rollen{
            QAccessible::List,         QAccessible::ProgressBar, QAccessible::Graphic,
            QAccessible::EditableText, QAccessible::RadioButton, QAccessible::PushButton,
            QAccessible::ComboBox,     QAccessible::CheckBox};
        QStringList fehler;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            if (i && rollen.contains(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty())
                fehler << fenster->objectName() + QLatin1Char('.') + w->objectName();
        }
        return fehler;
    }

  private slots:
    void jedesBedienelementHatEinenNamen() {
        p->hauptform->Spiel_startenbuttonClick();
        QVERIFY(p->autohaendlerform()->oeffnen());
        QVERIFY(p->personalform()->oeffnen());
        QStringList fehler = unbenannt(p->hauptform.get());
        for (Nebenform* f : nebenformen())
            fehler += unbenannt(f);
        fehler += unbenannt(p->verlaufform());
        fehler += unbenannt(&p->anzeige.anleitung());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char(' '))));
        // The pictures say what they show, and follow the paging.
        auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(name(p->autohaendlerform()->Image1), QStringLiteral("Taxi Variante 1"));
        p->autohaendlerform()->Button1->click();
        QCOMPARE(name(p->autohaendlerform()->Image1), QStringLiteral("Taxi Variante 2"));
        QCOMPARE(name(p->hauptform->verfuegbaretaxenlistbox), QStringLiteral("Verfügbare Taxen:"));
    }

    // A list that lost the focus reports no line as focused; the chosen line stays chosen and
    // is current again when the focus returns.
    void nurDieListeMitFokusHatEineFokuszeile() {
        p->hauptform->Spiel_startenbuttonClick();
        gekauftesTaxi(t->stand, 1, 2);
        eingestellterFahrer(t->stand, 1, 1);
        p->hauptform->taxi_sendenbutton->click();
        TTaxi_sendenform& f = *p->taxi_sendenform();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto zeile = [](QListWidget* l) {
            return QAccessible::queryAccessibleInterface(l)->child(0)->state();
        };
        f.ListBox2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.ListBox2, Qt::Key_Down);
        QVERIFY(zeile(f.ListBox2).focused);
        f.ListBox3->setFocus(Qt::TabFocusReason);
        QVERIFY(!zeile(f.ListBox2).focused);
        QVERIFY(zeile(f.ListBox2).selected);
        QCOMPARE(t->lauf.gewaehltestaxi, 0);
        f.ListBox2->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(f.ListBox2->currentRow(), 0);
        QCOMPARE(t->lauf.gewaehltestaxi, 0);
    }

    // The order lists give every line the first one's width: the widest line the game makes
    // (six-digit number, widest place and customer, a four-digit profit) must fit. The other
    // lists measure each line, so a long one can be scrolled to.
    void keineZeileWirdAbgeschnitten() {
        TPosteingangform& eingang = *p->posteingangform();
        TTaxi_sendenform& senden = *p->taxi_sendenform();
        const QFontMetrics fm(eingang.CheckListBox1->font());
        auto breitester = [&](const auto& texte) {
            return *std::max_element(texte.begin(), texte.end(), [&](const char* a, const char* b) {
                return fm.horizontalAdvance(QString::fromUtf8(a)) <
                       fm.horizontalAdvance(QString::fromUtf8(b));
            });
        };
        Auftrag a;
        a.nummer = 999999;
        a.abholzeit = Abholzeit::zeit(datumZeit(2026, 12, 28, 20, 58));
        a.abholort = breitester(abholorte);
        a.kunde = breitester(kundennamen);
        a.einnahmen = 7999;
        for (QListWidget* l : {eingang.CheckListBox1, senden.ListBox1}) {
            for (int32_t art : {Auftrag::kRegulaer, Auftrag::kSonderUngesendet}) {
                a.sonderauftrag = art;
                l->addItem(auftragszeile(a));
                l->item(l->count() - 1)->setCheckState(Qt::Checked);
            }
            QVERIFY(l->uniformItemSizes());
            // Room beside the scroll bar that hundreds of lines bring.
            const int platz = l->maximumViewportSize().width() -
                              l->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            QVERIFY2(l->sizeHintForColumn(0) <= platz, qPrintable(l->objectName()));
        }
        const QString lang(120, QLatin1Char('W'));
        for (QListWidget* l :
             {p->hauptform->verfuegbaretaxenlistbox, p->hauptform->verfuegbarefahrerlistbox,
              p->hauptform->auftraegeamerledigenlistbox, senden.ListBox2, senden.ListBox3}) {
            l->addItems({QStringLiteral("01: kurz"), lang});
            QVERIFY2(l->visualItemRect(l->item(1)).width() >= fm.horizontalAdvance(lang),
                     qPrintable(l->objectName()));
        }
    }

    void escapeSchliesstNurNebenformen() {
        p->hauptform->Spiel_startenbuttonClick();
        for (Nebenform* f : nebenformen()) {
            p->oeffne(f);
            QTest::keyClick(f, Qt::Key_Escape);
            QVERIFY2(f->isHidden(), qPrintable(f->objectName()));
            QVERIFY(!p->hauptform->isHidden());
        }
        QTest::keyClick(p->hauptform.get(), Qt::Key_Escape);
        QVERIFY(p->hauptform->isVisible());
        // The prices screen closes with Escape only when its fields can be read, as on its
        // close box, and takes them over.
        Tpreiseform& preise = *p->preiseform();
        p->oeffne(&preise);
        preise.Edit2->setText(QStringLiteral("4,5"));
        preise.Edit1->setText(QStringLiteral("x"));
        QTest::keyClick(&preise, Qt::Key_Escape);
        QVERIFY(preise.isVisible());
        preise.Edit1->setText(QStringLiteral("2"));
        QTest::keyClick(&preise, Qt::Key_Escape);
        QVERIFY(preise.isHidden());
        QCOMPARE(t->stand.grundpreis, 4.5);
    }
};

QTEST_MAIN(TestZugaenglichkeit)
#include "zugaenglichkeit_test.moc"
