// Every caption fits its control, in German and in English: the screens keep the sizes of the
// game, so a longer language must find room in them. Each visible text is measured with its
// control's font against the room the control gives it, and no label may run into a neighbour
// or out of its window.
#include <QtTest>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include "testprogramm.h"
#include "ui/basis/dfwselbutton.h"
#include "ui/einstellungenform.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

Q_DECLARE_METATYPE(kabrolux::ui::Sprache)

namespace {

QString name(const QWidget* w) {
    return w->window()->objectName() + QLatin1Char('.') + w->objectName();
}

// The widest line of a text.
int breite(const QFontMetrics& fm, const QString& text) {
    int b = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        b = std::max(b, fm.horizontalAdvance(zeile));
    return b;
}

void passt(QStringList& fehler, const QWidget* w, const QString& text, int noetig, int raum) {
    if (!text.isEmpty() && noetig > raum)
        fehler << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                      .arg(name(w), text)
                      .arg(noetig)
                      .arg(raum);
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

void pruefeLabel(QStringList& fehler, const QLabel* l) {
    const QString t = l->text();
    if (t.isEmpty()) return;
    const QFontMetrics fm = l->fontMetrics();
    const QRect innen = l->contentsRect();
    const bool schlicht = l->textFormat() != Qt::RichText;
    if (schlicht && l->wordWrap()) {
        const int flags = static_cast<int>(l->alignment()) | Qt::TextWordWrap;
        passt(fehler, l, t, fm.boundingRect(QRect(0, 0, innen.width(), 1 << 20), flags, t).height(),
              innen.height());
    } else if (schlicht) {
        passt(fehler, l, t, breite(fm, t), innen.width());
    }
    // The text may not run into a visible neighbour nor out of its window.
    const QRect r = tinte(l);
    if (!l->parentWidget()->rect().contains(r))
        fehler << QStringLiteral("%1 \"%2\" leaves its window").arg(name(l), t);
    for (const QWidget* nachbar :
         l->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (nachbar == l || !nachbar->isVisible()) continue;
        const auto* anderes = qobject_cast<const QLabel*>(nachbar);
        if (anderes && anderes->text().isEmpty() && anderes->pixmap().isNull()) continue;
        if (r.intersects(anderes ? tinte(anderes) : nachbar->geometry()))
            fehler << QStringLiteral("%1 \"%2\" runs into %3").arg(name(l), t, name(nachbar));
    }
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

QStringList pruefen(QWidget* fenster) {
    const QRegularExpression kuerzel(QStringLiteral("&(?!&)"));
    QStringList fehler;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const QFontMetrics fm = w->fontMetrics();
        if (auto* l = qobject_cast<QLabel*>(w)) pruefeLabel(fehler, l);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const QString t = b->text().remove(kuerzel);
            passt(fehler, b, t, fm.horizontalAdvance(t), platz(b));
        }
        if (auto* g = qobject_cast<QGroupBox*>(w)) {
            const QString t = g->title().remove(kuerzel);
            passt(fehler, g, t, fm.horizontalAdvance(t) + 16, g->width());
        }
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const int raum =
                c->style()
                    ->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c)
                    .width();
            for (int i = 0; i < c->count(); ++i)
                passt(fehler, c, c->itemText(i), fm.horizontalAdvance(c->itemText(i)), raum);
        }
    }
    return fehler;
}

}  // namespace

class TestBeschriftungen : public ProgrammTest {
    Q_OBJECT

  private slots:
    // Before a game the start screen and the settings; in a game every screen.
    void allesPasst_data() {
        QTest::addColumn<Sprache>("sprache");
        QTest::addColumn<bool>("imSpiel");
        for (bool imSpiel : {false, true}) {
            QTest::addRow("deutsch %d", imSpiel) << Sprache::deutsch << imSpiel;
            QTest::addRow("englisch %d", imSpiel) << Sprache::englisch << imSpiel;
        }
    }
    void allesPasst() {
        QFETCH(Sprache, sprache);
        QFETCH(bool, imSpiel);
        inSprache(sprache);
        QStringList fehler;
        if (imSpiel) {
            laufendesSpiel(*t);
            jedenBildschirm(*t, [&](QWidget* w) { fehler << pruefen(w); });
        } else {
            fehler = pruefen(p->hauptform.get());
            p->oeffne(p->einstellungenform());
            fehler << pruefen(p->einstellungenform());
        }
        fehler.removeDuplicates();
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
