// The game's words: every fact the core reports, worded in German exactly as the game has
// always written it, and in English from the translation, with the same numbers.
#include <QtTest>

#include <cmath>

#include "sim/anzeige.h"
#include "state/kataloge.h"
#include "ui/basis/spieltexte.h"
#include "ui/umgebung.h"

using namespace kabrolux;
using namespace kabrolux::ui;

Q_DECLARE_METATYPE(kabrolux::Meldung)

namespace {

Auftrag beispiel(int32_t nummer, int32_t art = Auftrag::kRegulaer) {
    Auftrag a;
    a.belegt = 1;
    a.nummer = nummer;
    a.abholzeit = Abholzeit::zeit(datumZeit(2026, 12, 7, 14, 5));
    a.abholort = "Bahnhof";
    a.kunde = "Herrn Meier";
    a.sonderauftrag = art;
    a.einnahmen = 4711;
    return a;
}

Meldung schaden(Ort o, Befund b, int64_t a = 0, int64_t x = 0, int64_t y = 0) {
    return Meldung::beschaedigt(Schaden{o, b, a, x, y});
}

}  // namespace

class TestSpieltexte : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { spracheEinrichten(Sprache::deutsch); }

    // Every kind of message, and every place and finding of a damaged file, with the words the
    // game has always shown for it.
    void deutschWieImmer_data() {
        QTest::addColumn<Meldung>("meldung");
        QTest::addColumn<QString>("text");
        using A = Meldungsart;
        using B = Befund;
        using S = Stelle;
        const auto zeile = [](const char* name, const Meldung& m, const char* text) {
            QTest::newRow(name) << m << QString::fromUtf8(text);
        };
        const auto kaputt = [](const char* name, const Meldung& m, const QString& befund) {
            QTest::newRow(name) << m << QStringLiteral("Die Datei ist beschädigt: ") + befund + '.';
        };
        zeile("laufzeit", Meldung::laufzeit("'x' is not a valid integer value"),
              "'x' is not a valid integer value");
        zeile("zinsen", Meldung::von(A::kreditzinsen, 0, 25),
              "Die Kreditzinsen von 25 € werden jetzt an die Bank gezahlt.");
        zeile("fahrpreis", Meldung::von(A::fahrpreis, 42, 250),
              "Auftrag 42 hat ihnen 250 € eingebracht.");
        zeile("fahrpreisNegativ", Meldung::von(A::fahrpreis, 7, -2147483648LL),
              "Auftrag 7 hat ihnen -2147483648 € eingebracht.");
        zeile("gelungen", Meldung::von(A::sonderauftragGelungen, 8, 5000),
              "Sonderauftrag 8 hat ihnen 5000 € eingebracht. Sie wurde bei der Ausführung nicht "
              "erwischt. Ihr Ansehen im Untergrundmilieu steigt. Vielleicht bekommen Sie nun "
              "öfters solche Aufträge...");
        zeile("erwischt", Meldung::von(A::sonderauftragErwischt, 8, 4500000000LL),
              "Sonderauftrag 8 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine "
              "Strafe von 4500000000 €.");
        zeile("unfall", Meldung::von(A::unfall, 11, 100),
              "Ihr Taxi, das den Auftrag 11 erledigte hatte einen Unfall. Der Schaden beträgt "
              "100 €.");
        zeile("verbraucherzentrale", Meldung::von(A::verbraucherzentrale, 0, 1000),
              "Sie sind der Verbraucherzentrale wegen ihrer erhöhten Preise aufgefallen. Sie "
              "werden zu einer Zahlung von 1000 € herangezogen. Die Preise wurden auf die "
              "Standardwerte gesetzt.");
        zeile("entlassen", Meldung::von(A::fahrerEntlassen),
              "Der entlassene Fahrer bekommt heute sein letztes Gehalt ausgezahlt.");
        zeile("taxenVoll", Meldung::von(A::taxenVoll),
              "Mehr als 12 Taxen zu besitzen sind nicht möglich.");
        zeile("kreditlimit", Meldung::von(A::kreditlimitErreicht), "Ihr Kreditlimit ist erreicht.");
        zeile("auftragWaehlen", Meldung::von(A::auftragWaehlen),
              "Wählen Sie den zu erledigende Auftrag aus.");
        zeile("taxiWaehlen", Meldung::von(A::taxiWaehlen),
              "Wählen Sie das Taxi aus, das den Auftrag erledigen soll.");
        zeile("fahrerWaehlen", Meldung::von(A::fahrerWaehlen),
              "Wählen Sie den Fahrer aus, der den Auftrag erledigen soll.");
        kaputt("zuLang", schaden({}, B::zuLang, 380496), "Sie ist länger als 380496 Bytes");
        kaputt("laenge", schaden({S::auftrag, 12, 5}, B::laengenangabe, 17),
               "Auftrag 12, Feld 5: Längenangabe 17 statt 16");
        kaputt("typ", schaden({S::auftrag, 1, 1}, B::typ, 7), "Auftrag 1, Feld 1: Typ 7 statt 3");
        kaputt("typDatum", schaden({S::auftrag, 5, 2}, B::typ, 256, 1),
               "Auftrag 5, Feld 2: Typ 256 statt 3 oder 7");
        kaputt("textlaenge", schaden({S::auftrag, 7, 3}, B::textlaenge, 30),
               "Auftrag 7, Feld 3: Textlänge 30 statt höchstens 29");
        kaputt("zeichen", schaden({S::auftrag, 6, 4}, B::zeichen, 0x8D),
               "Auftrag 6, Feld 4: Zeichen 0x8D ist in Windows-1252 nicht belegt");
        kaputt("endlich", schaden({S::vermoegen}, B::keineEndlicheZahl),
               "Vermögen: keine endliche Zahl");
        kaputt("datum", schaden({S::spielzeit}, B::datumAusserhalb),
               "Spielzeit: Datum außerhalb der Jahre 1 bis 9999");
        kaputt("statt", schaden({S::spielLaeuft}, B::wertStatt, 0, 1),
               "Spiel läuft: Wert 0 statt 1");
        kaputt("kleiner", schaden({S::aktie, 6, 2}, B::wertKleinerAls, -1, 0),
               "Aktie 6, Feld 2: Wert -1 ist kleiner als 0");
        kaputt("zwischen", schaden({S::erledigteAuftraege}, B::wertNichtZwischen, -1, 0, 9),
               "Erledigte Aufträge: Wert -1 liegt nicht zwischen 0 und 9");
        kaputt("vielfaches", schaden({S::schulden}, B::keinVielfaches, 12345),
               "Schulden: Wert 12345 ist kein Vielfaches von 10000");
        kaputt("restminuten", schaden({S::auftrag, 3, 15}, B::restminutenOhneFahrt, 7),
               "Auftrag 3, Feld 15: Restminuten 7 ohne Fahrt");
        kaputt("kandidat", schaden({S::fahrer, 4, 5}, B::kandidatSchonFahrer, 2, 1),
               "Fahrer 4, Feld 5: Kandidat 2 ist schon Fahrer 1");
        kaputt("ohneFahrer", schaden({S::eingestellt, 5}, B::eingestelltOhneFahrer, 5),
               "Eingestellt 5: Wert 1, aber kein Fahrer ist Kandidat 5");
        kaputt("nichtEingestellt", schaden({S::eingestellt, 9}, B::fahrerNichtEingestellt, 3, 9),
               "Eingestellt 9: Wert 0, aber Fahrer 3 ist Kandidat 9");
        kaputt("doppelt", schaden({S::auftrag, 20, 5}, B::nummerDoppelt, 4, 4),
               "Auftrag 20, Feld 5: Nummer 4 hat schon Auftrag 4");
        kaputt("hinterEnde", schaden({S::auftrag, 45, 1}, B::belegtHinterEnde, 41),
               "Auftrag 45, Feld 1: belegt hinter dem ersten nie benutzten Auftrag 41");
        // The remaining places by their names.
        const std::pair<Stelle, const char*> stellen[] = {
            {S::aktuellesAuto, "Aktuelles Auto"},
            {S::aktuellerFahrer, "Aktueller Fahrer"},
            {S::grundpreis, "Grundpreis"},
            {S::kilometerpreis, "Kilometerpreis"},
            {S::bekanntheit, "Bekanntheit"},
            {S::image, "Image"},
            {S::untergrundansehen, "Untergrundansehen"},
            {S::auftragsnummer, "Auftragsnummer"},
            {S::taxinummer, "Taxinummer"},
            {S::fahrernummer, "Fahrernummer"},
            {S::angenommeneAuftraege, "Angenommene Aufträge"},
            {S::taxi, "Taxi 3, Feld 5"}};
        for (const auto& [stelle, name] : stellen) {
            const bool tabelle = stelle == S::taxi;
            kaputt(name,
                   schaden({stelle, tabelle ? 3 : 0, tabelle ? 5 : 0}, B::wertKleinerAls, -1, 0),
                   QString::fromUtf8(name) + QStringLiteral(": Wert -1 ist kleiner als 0"));
        }
    }
    void deutschWieImmer() {
        QFETCH(Meldung, meldung);
        QFETCH(QString, text);
        QCOMPARE(meldungText(meldung), text);
    }

    // Money, clock, notices and the lines of the lists, as the game has always written them.
    void zeilenWieImmer() {
        QCOMPARE(geldText(1234.5), QStringLiteral("Vermögen: 1234,5 €"));
        QCOMPARE(geldText(50000), QStringLiteral("Vermögen: 50000 €"));
        QCOMPARE(geldText(5000.5, Geldform::gerundet), QStringLiteral("Vermögen: 5000 €"));
        QCOMPARE(geldText(-100000, Geldform::gerundet), QStringLiteral("Vermögen: -100000 €"));
        QCOMPARE(uhrText(datumZeit(2026, 12, 7, 0, 5)), QStringLiteral("07.12.2026  00:05 Uhr"));
        QCOMPARE(uhrText(std::nan("")), QStringLiteral("30.12.1899  00:00 Uhr"));
        QCOMPARE(neuerAuftragText(beispiel(1)), QStringLiteral("Neuer Auftrag im Posteingang"));
        QCOMPARE(neuerAuftragText(beispiel(1, Auftrag::kSonderUngesendet)),
                 QStringLiteral("Neuer Sonderauftrag im Posteingang"));

        QCOMPARE(auftragszeile(beispiel(12)),
                 QStringLiteral("Auftrag 000012: Holen Sie am 07.12.2026 um 14:05 Uhr am Bahnhof "
                                "Herrn Meier ab."));
        QCOMPARE(auftragszeile(beispiel(7, Auftrag::kSonderUngesendet)),
                 QStringLiteral("Auftrag 000007: Illegal: Holen Sie etwas am 07.12.2026 um 14:05 "
                                "Uhr am Treffpunkt 0 ab. Gewinn: 4711 €."));
        Auftrag namen = beispiel(3);
        namen.abholort = "Restaurant 'Zum Hirsch'";
        namen.kunde = "Frau \"Kö\"nig %1";
        QCOMPARE(auftragszeile(namen),
                 QStringLiteral("Auftrag 000003: Holen Sie am 07.12.2026 um 14:05 Uhr am "
                                "Restaurant 'Zum Hirsch' Frau \"Kö\"nig %1 ab."));
        QCOMPARE(auftragszeile(beispiel(1234567)).mid(8, 8), QStringLiteral("1234567:"));
        QCOMPARE(auftragszeile(beispiel(999999)).mid(8, 6), QStringLiteral("999999"));

        QCOMPARE(fahrtText({12, 40, datumZeit(2026, 12, 8, 0, 30), 51}),
                 QStringLiteral("Auftrag 12 geht über 40 km und wird um 00:30 Uhr erledigt "
                                "sein.Die Einnahmen werden 51 € betragen."));
        QCOMPARE(taxiText({7, 2}), QStringLiteral("07: Taxi Variante 2"));
        QCOMPARE(taxiText({12, 9}), QStringLiteral("12: "));
        QCOMPARE(fahrerText({3, 3}), QStringLiteral("03: Werner Hoffmann (Erfahrung: 6 von 6)"));
        QCOMPARE(fahrerText({100, 4}), QStringLiteral("100: Jan Fischer (Erfahrung: 1 von 6)"));
        QCOMPARE(fahrerText({5, 0}), QStringLiteral("05:  ()"));
    }

    void kataloglinienWieImmer() {
        // Every catalogue text the screens used to show as it stood.
        for (const Automodell& m : autokatalog) {
            QCOMPARE(leistungText(m), QString::fromUtf8(m.leistung));
            QCOMPARE(sitzeText(m), QString::fromUtf8(m.sitze));
            QCOMPARE(preisText(m),
                     QStringLiteral("Preis: ") + QString::fromUtf8(m.preis) + QStringLiteral(" €"));
        }
        for (const Fahrerkandidat& k : fahrerkatalog) {
            QCOMPARE(alterText(k), QString::fromUtf8(k.alter));
            QCOMPARE(erfahrungText(k), QString::fromUtf8(k.erfahrung));
            QCOMPARE(gehaltText(k), QStringLiteral("Gehalt: ") + QString::fromUtf8(k.gehalt) +
                                        QStringLiteral(" €/Tag."));
        }
    }

    // In English the same facts, the same numbers in the game's own form, the data untouched.
    void englischMitDenselbenZahlen() {
        QVERIFY(spracheEinrichten(Sprache::englisch));
        QCOMPARE(geldText(1234.5), QStringLiteral("Cash: 1234,5 €"));
        QCOMPARE(meldungText(Meldung::von(Meldungsart::fahrpreis, 42, 250)),
                 QStringLiteral("Order 42 has earned you 250 €."));
        QCOMPARE(auftragszeile(beispiel(12)),
                 QStringLiteral("Order 000012: Pick up Herrn Meier at Bahnhof on 07.12.2026 at "
                                "14:05."));
        QCOMPARE(fahrerText({3, 3}), QStringLiteral("03: Werner Hoffmann (Experience: 6 of 6)"));
        QCOMPARE(taxiText({7, 2}), QStringLiteral("07: Taxi Variante 2"));
        QCOMPARE(aktienlisteText(5), QStringLiteral("BASF shares"));
        QCOMPARE(meldungText(schaden({Stelle::auftrag, 6, 4}, Befund::zeichen, 0x8D)),
                 QStringLiteral("The file is damaged: Order 6, field 4: character 0x8D does not "
                                "exist in Windows-1252."));
        // The runtime's own words stay as they are.
        QCOMPARE(meldungText(Meldung::laufzeit("Read beyond end of file")),
                 QStringLiteral("Read beyond end of file"));
        // Back to German: the templates follow the language.
        spracheEinrichten(Sprache::deutsch);  // Qt's German texts may be missing; ours are not
        QCOMPARE(geldText(1234.5), QStringLiteral("Vermögen: 1234,5 €"));
    }

    // Templates are split once; arguments may stand in any order and hold anything.
    void vorlagenSetzenJedesArgumentEin() {
        const Vorlage v(QStringLiteral("%2 vor %1, 100% %1%9"));
        QCOMPARE(v.text({"a", "b"}), QStringLiteral("b vor a, 100% a"));
        QCOMPARE(v.text({"%2", "ü"}), QStringLiteral("ü vor %2, 100% %2"));
        QCOMPARE(Vorlage(QStringLiteral("ohne")).text({"x"}), QStringLiteral("ohne"));
        QCOMPARE(Vorlage(QStringLiteral("\U0001F695 %1")).text({"Taxi"}),
                 QStringLiteral("\U0001F695 Taxi"));
    }

    // The desktop's first UI language decides, and only English leads to English; the command
    // line knows "de" and "en" as written.
    void spracheWaehlen() {
        const std::pair<QStringList, bool> desktop[] = {
            {{"en-US", "de-DE"}, true},  {{"en"}, true},           {{"en_GB"}, true},
            {{"de-DE", "en-US"}, false}, {{"fr-FR", "en"}, false}, {{"C"}, false},
            {{"C.UTF-8"}, false},        {{"POSIX"}, false},       {{}, false}};
        for (const auto& [sprachen, englisch] : desktop)
            QVERIFY2((spracheAus(sprachen) == Sprache::englisch) == englisch,
                     qPrintable(sprachen.join(',')));
        QCOMPARE(spracheAusKuerzel(QStringLiteral("de")), std::optional(Sprache::deutsch));
        QCOMPARE(spracheAusKuerzel(QStringLiteral("en")), std::optional(Sprache::englisch));
        QCOMPARE(spracheAusKuerzel(QStringLiteral("EN")), std::nullopt);
        QCOMPARE(spracheAusKuerzel(QStringLiteral("fr")), std::nullopt);
    }
};

QTEST_MAIN(TestSpieltexte)
#include "spieltexte_test.moc"
