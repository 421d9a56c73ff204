// What a player reads in each language, as a screen reader finds it: every window title, every
// accessible name, description and value, and every message. With English no German text of
// the game is left, with German no English one, and the data (places, customers, car models,
// candidates, companies) stay as they are in both.
#include <QtTest>

#include <QAccessible>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "desk/form/taxisendenform.h"
#include "sim/takt.h"
#include "testprogramm.h"
#include "ui/basis/anleitung.h"

using namespace kabrolux;
using namespace kabrolux::ui;
using namespace kabrolux::test;

namespace {

// A text of the translation, as a pattern for whole texts: its placeholders stand for anything.
struct Text {
    QString wort;
    QRegularExpression muster;
};

// The texts of one language that the other language words differently, from the translation.
QList<Text> texte(bool deutsch) {
    QFile datei(QStringLiteral(KABROLUX_UEBERSETZUNG));
    if (!datei.open(QIODevice::ReadOnly)) qFatal("cannot read %s", KABROLUX_UEBERSETZUNG);
    QXmlStreamReader xml(&datei);
    QList<Text> ergebnis;
    QString quelle;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            quelle = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString uebersetzung = xml.readElementText();
            if (uebersetzung == quelle) continue;
            const QString w = deutsch ? quelle : uebersetzung;
            // Placeholders and punctuation alone say nothing of the language.
            if (!QString(w)
                     .remove(QRegularExpression(QStringLiteral("%[1-9]")))
                     .contains(QRegularExpression(QStringLiteral("[[:alpha:]]"))))
                continue;
            QString m = QRegularExpression::escape(w);
            m.replace(QRegularExpression(QStringLiteral("\\\\%[1-9]")), QStringLiteral(".*"));
            ergebnis.append(
                {w, QRegularExpression(QStringLiteral("^") + m + QStringLiteral("$"),
                                       QRegularExpression::DotMatchesEverythingOption)});
        }
    }
    return ergebnis;
}

// Everything a screen reader can say about a window.
void vorlesen(QAccessibleInterface* i, QStringList& gehoert, int tiefe = 0) {
    if (!i || tiefe > 30) return;
    for (QAccessible::Text art : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (const QString t = i->text(art).trimmed(); !t.isEmpty()) gehoert << t;
    for (int k = 0; k < i->childCount(); ++k)
        vorlesen(i->child(k), gehoert, tiefe + 1);
}

// The texts heard that are the other language's.
QStringList fremd(const QStringList& gehoert, const QList<Text>& andere) {
    QStringList fehler;
    for (const QString& g : gehoert)
        for (const Text& t : andere) {
            // A whole text, or a sentence of the other language inside a longer one.
            const bool satz = t.wort.size() >= 20 && !t.wort.contains(QLatin1Char('%'));
            if (t.muster.match(g).hasMatch() || (satz && g.contains(t.wort))) {
                fehler << QStringLiteral("\"%1\" is \"%2\"").arg(g, t.wort);
                break;
            }
        }
    fehler.removeDuplicates();
    return fehler;
}

}  // namespace

class TestSprache : public ProgrammTest {
    Q_OBJECT

    // Every screen of a running game, the guide and a few messages.
    QStringList allesHoeren() {
        laufendesSpiel(*t);
        QStringList gehoert;
        auto hoeren = [&](QWidget* w) {
            gehoert << w->windowTitle();
            vorlesen(QAccessible::queryAccessibleInterface(w), gehoert);
        };
        jedenBildschirm(*t, hoeren);
        // The guide, from the main screen, its whole text.
        Spielanleitung& anleitung = p->anzeige.anleitung();
        anleitung.zeigen(*p->hauptform);
        hoeren(&anleitung);
        gehoert << anleitung.Text->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // Messages: the dispatch prompts, a fare, a full fleet.
        p->hauptform->taxi_sendenbutton->click();
        p->taxi_sendenform()->Button1Click();
        p->taxi_sendenform()->close();
        for (int i = 0; i < 60 && t->meldungen.size() < 2; ++i)
            Timer1Timer(p->spiel);
        gehoert << t->meldungen;
        return gehoert;
    }

  private slots:
    // Nothing of the other language is heard, and the data (a model, a candidate, a company)
    // stay as they are.
    void ohneDieAndereSprache_data() {
        QTest::addColumn<bool>("englisch");
        QTest::addColumn<QStringList>("auchGehoert");
        QTest::newRow("englisch") << true
                                  << QStringList{
                                         "Send a Taxi",       "Choose the order to carry out.",
                                         "Taxi Variante 4",   "Renate Bauer",
                                         "Volkswagen shares", "Game Guide",
                                         "The game"};
        QTest::newRow("deutsch") << false
                                 << QStringList{"Taxi entsenden",
                                                "Wählen Sie den zu erledigende Auftrag aus.",
                                                "Volkswagen Aktie", "Das Spiel"};
    }
    void ohneDieAndereSprache() {
        QFETCH(bool, englisch);
        QFETCH(QStringList, auchGehoert);
        if (englisch) inSprache(Sprache::englisch);
        const QStringList gehoert = allesHoeren();
        QVERIFY(gehoert.size() > 300);
        for (const QString& text : auchGehoert)
            QVERIFY2(gehoert.contains(text), qPrintable(text));
        const QStringList fehler = fremd(gehoert, texte(englisch));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    // The guide's twins have the same sections for the same windows, each worded anew.
    void anleitungenSindZwillinge() {
        const QList<Anleitungsabschnitt> deutsch = anleitungsabschnitte();
        spracheEinrichten(Sprache::englisch);
        const QList<Anleitungsabschnitt> englisch = anleitungsabschnitte();
        spracheEinrichten(Sprache::deutsch);
        QVERIFY(deutsch.size() >= 10);
        QCOMPARE(englisch.size(), deutsch.size());
        for (qsizetype i = 0; i < deutsch.size(); ++i) {
            QCOMPARE(englisch[i].fenster, deutsch[i].fenster);
            QVERIFY2(englisch[i].titel != deutsch[i].titel, qPrintable(deutsch[i].titel));
            QVERIFY(englisch[i].markdown != deutsch[i].markdown);
            // No German section's title or opening stands in the English guide.
            for (const Anleitungsabschnitt& d : deutsch) {
                QVERIFY2(!englisch[i].markdown.contains(d.markdown.left(40)), qPrintable(d.titel));
                QVERIFY2(englisch[i].titel != d.titel, qPrintable(d.titel));
            }
        }
        QCOMPARE(anleitungsabschnitte().constFirst().titel, deutsch.constFirst().titel);
    }

    // The measure hears what it is for: a German caption left in the English game.
    void deutschesWirdGehoert() {
        const QStringList fehler =
            fremd({QStringLiteral("Send a Taxi"), QStringLiteral("Verfügbare Taxen:"),
                   QStringLiteral("Auftrag 7 hat ihnen 12 € eingebracht.")},
                  texte(true));
        QCOMPARE(fehler.size(), 2);
    }
};

QTEST_MAIN(TestSprache)
#include "sprache_test.moc"
