// The messages to the player and the report of a damaged save file, worded.
#include <QCoreApplication>
#include <cstdio>

#include "ui/basis/spieltexte.h"
#include "ui/basis/vorlagen.h"

namespace kabrolux::ui {

namespace {

struct Meldungen {
    Vorlage kreditzinsen{QCoreApplication::translate(
        "Meldungen", "Die Kreditzinsen von %1 € werden jetzt an die Bank gezahlt.")};
    Vorlage fahrpreis{
        QCoreApplication::translate("Meldungen", "Auftrag %1 hat ihnen %2 € eingebracht.")};
    Vorlage gelungen{QCoreApplication::translate(
        "Meldungen",
        "Sonderauftrag %1 hat ihnen %2 € eingebracht. Sie wurde bei der Ausführung nicht "
        "erwischt. Ihr Ansehen im Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters "
        "solche Aufträge...")};
    Vorlage erwischt{QCoreApplication::translate(
        "Meldungen",
        "Sonderauftrag %1 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine Strafe "
        "von %2 €.")};
    Vorlage unfall{QCoreApplication::translate(
        "Meldungen",
        "Ihr Taxi, das den Auftrag %1 erledigte hatte einen Unfall. Der Schaden beträgt %2 €.")};
    Vorlage verbraucherzentrale{QCoreApplication::translate(
        "Meldungen",
        "Sie sind der Verbraucherzentrale wegen ihrer erhöhten Preise aufgefallen. Sie werden zu "
        "einer Zahlung von %1 € herangezogen. Die Preise wurden auf die Standardwerte gesetzt.")};
    QString entlassen{QCoreApplication::translate(
        "Meldungen", "Der entlassene Fahrer bekommt heute sein letztes Gehalt ausgezahlt.")};
    QString taxenVoll{QCoreApplication::translate(
        "Meldungen", "Mehr als 12 Taxen zu besitzen sind nicht möglich.")};
    QString kreditlimit{QCoreApplication::translate("Meldungen", "Ihr Kreditlimit ist erreicht.")};
    QString auftragWaehlen{
        QCoreApplication::translate("Meldungen", "Wählen Sie den zu erledigende Auftrag aus.")};
    QString taxiWaehlen{QCoreApplication::translate(
        "Meldungen", "Wählen Sie das Taxi aus, das den Auftrag erledigen soll.")};
    QString fahrerWaehlen{QCoreApplication::translate(
        "Meldungen", "Wählen Sie den Fahrer aus, der den Auftrag erledigen soll.")};
};

// A damaged file: where (a single value, or an entry's field) and what is wrong there.
struct Schaeden {
    Vorlage datei{QCoreApplication::translate("Schaeden", "Die Datei ist beschädigt: %1: %2.")};
    Vorlage zuLang{QCoreApplication::translate(
        "Schaeden", "Die Datei ist beschädigt: Sie ist länger als %1 Bytes.")};
    Vorlage eintrag{QCoreApplication::translate("Schaeden", "%1 %2")};
    Vorlage feld{QCoreApplication::translate("Schaeden", "%1 %2, Feld %3")};
    // In the order of Stelle, from vermoegen on.
    QString stellen[21] = {
        QCoreApplication::translate("Schaeden", "Vermögen"),
        QCoreApplication::translate("Schaeden", "Aktuelles Auto"),
        QCoreApplication::translate("Schaeden", "Spiel läuft"),
        QCoreApplication::translate("Schaeden", "Aktueller Fahrer"),
        QCoreApplication::translate("Schaeden", "Grundpreis"),
        QCoreApplication::translate("Schaeden", "Kilometerpreis"),
        QCoreApplication::translate("Schaeden", "Spielzeit"),
        QCoreApplication::translate("Schaeden", "Bekanntheit"),
        QCoreApplication::translate("Schaeden", "Image"),
        QCoreApplication::translate("Schaeden", "Untergrundansehen"),
        QCoreApplication::translate("Schaeden", "Schulden"),
        QCoreApplication::translate("Schaeden", "Auftragsnummer"),
        QCoreApplication::translate("Schaeden", "Taxinummer"),
        QCoreApplication::translate("Schaeden", "Fahrernummer"),
        QCoreApplication::translate("Schaeden", "Erledigte Aufträge"),
        QCoreApplication::translate("Schaeden", "Angenommene Aufträge"),
        QCoreApplication::translate("Schaeden", "Eingestellt"),
        QCoreApplication::translate("Schaeden", "Aktie"),
        QCoreApplication::translate("Schaeden", "Auftrag"),
        QCoreApplication::translate("Schaeden", "Fahrer"),
        QCoreApplication::translate("Schaeden", "Taxi"),
    };
    // In the order of Befund, from laengenangabe on; the type has two.
    Vorlage befunde[17] = {
        Vorlage{QCoreApplication::translate("Schaeden", "Längenangabe %1 statt 16")},
        Vorlage{QCoreApplication::translate("Schaeden", "Typ %1 statt 3")},
        Vorlage{QCoreApplication::translate("Schaeden", "Textlänge %1 statt höchstens 29")},
        Vorlage{
            QCoreApplication::translate("Schaeden", "Zeichen %1 ist in Windows-1252 nicht belegt")},
        Vorlage{QCoreApplication::translate("Schaeden", "keine endliche Zahl")},
        Vorlage{QCoreApplication::translate("Schaeden", "Datum außerhalb der Jahre 1 bis 9999")},
        Vorlage{QCoreApplication::translate("Schaeden", "Wert %1 statt %2")},
        Vorlage{QCoreApplication::translate("Schaeden", "Wert %1 ist kleiner als %2")},
        Vorlage{QCoreApplication::translate("Schaeden", "Wert %1 liegt nicht zwischen %2 und %3")},
        Vorlage{QCoreApplication::translate("Schaeden", "Wert %1 ist kein Vielfaches von 10000")},
        Vorlage{QCoreApplication::translate("Schaeden", "Restminuten %1 ohne Fahrt")},
        Vorlage{QCoreApplication::translate("Schaeden", "Kandidat %1 ist schon Fahrer %2")},
        Vorlage{
            QCoreApplication::translate("Schaeden", "Wert 1, aber kein Fahrer ist Kandidat %1")},
        Vorlage{QCoreApplication::translate("Schaeden", "Wert 0, aber Fahrer %1 ist Kandidat %2")},
        Vorlage{QCoreApplication::translate("Schaeden", "Nummer %1 hat schon Auftrag %2")},
        Vorlage{QCoreApplication::translate("Schaeden",
                                            "belegt hinter dem ersten nie benutzten Auftrag %1")},
        Vorlage{QCoreApplication::translate("Schaeden", "Typ %1 statt 3 oder 7")},
    };
};

static_assert(static_cast<int>(Stelle::taxi) == 21);
static_assert(static_cast<int>(Befund::belegtHinterEnde) == 16);

QString ort(const Schaeden& t, const Ort& o) {
    const int i = static_cast<int>(o.stelle);
    if (i < 1 || i > 21) return {};
    const std::string name = t.stellen[i - 1].toStdString();
    if (o.nr == 0) return QString::fromStdString(name);
    const std::string nr = std::to_string(o.nr);
    if (o.feld == 0) return t.eintrag.text({name, nr});
    return t.feld.text({name, nr, std::to_string(o.feld)});
}

QString befund(const Schaeden& t, const Schaden& s) {
    int i = static_cast<int>(s.befund) - 1;  // zuLang has no finding of its own
    if (s.befund == Befund::typ && s.b != 0) i = 16;
    if (i < 0 || i > 16) return {};
    if (s.befund == Befund::zeichen) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(s.a & 0xFF));
        return t.befunde[i].text({hex});
    }
    return t.befunde[i].text({std::to_string(s.a), std::to_string(s.b), std::to_string(s.c)});
}

std::string zahl(int64_t w) {
    return std::to_string(w);
}

}  // namespace

QString schadenText(const Schaden& s) {
    const Schaeden& t = aktuelleVorlagen<Schaeden>();
    if (s.befund == Befund::zuLang) return t.zuLang.text({zahl(s.a)});
    return t.datei.text({ort(t, s.ort).toStdString(), befund(t, s).toStdString()});
}

QString meldungText(const Meldung& m) {
    const Meldungen& t = aktuelleVorlagen<Meldungen>();
    const std::string nummer = zahl(m.nummer), betrag = zahl(m.betrag);
    switch (m.art) {
        case Meldungsart::laufzeitfehler:
            return QString::fromStdString(m.text);
        case Meldungsart::dateiBeschaedigt:
            return schadenText(m.schaden);
        case Meldungsart::kreditzinsen:
            return t.kreditzinsen.text({betrag});
        case Meldungsart::fahrpreis:
            return t.fahrpreis.text({nummer, betrag});
        case Meldungsart::sonderauftragGelungen:
            return t.gelungen.text({nummer, betrag});
        case Meldungsart::sonderauftragErwischt:
            return t.erwischt.text({nummer, betrag});
        case Meldungsart::unfall:
            return t.unfall.text({nummer, betrag});
        case Meldungsart::verbraucherzentrale:
            return t.verbraucherzentrale.text({betrag});
        case Meldungsart::fahrerEntlassen:
            return t.entlassen;
        case Meldungsart::taxenVoll:
            return t.taxenVoll;
        case Meldungsart::kreditlimitErreicht:
            return t.kreditlimit;
        case Meldungsart::auftragWaehlen:
            return t.auftragWaehlen;
        case Meldungsart::taxiWaehlen:
            return t.taxiWaehlen;
        case Meldungsart::fahrerWaehlen:
            return t.fahrerWaehlen;
    }
    return {};
}

}  // namespace kabrolux::ui
