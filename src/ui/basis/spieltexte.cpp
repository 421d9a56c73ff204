#include "ui/basis/spieltexte.h"

#include <QCoreApplication>

#include "economy/bank.h"
#include "economy/werbung.h"
#include "state/auftraege.h"
#include "state/datum.h"
#include "state/zahlen.h"
#include "ui/basis/vorlagen.h"

namespace kabrolux::ui {

Vorlage::Vorlage(const QString& text) {
    std::string stueck;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') &&
            text[i + 1] <= QLatin1Char('9')) {
            teile_.emplace_back(std::move(stueck), text[i + 1].unicode() - '0');
            stueck.clear();
            ++i;
            continue;
        }
        // Surrogate pairs stay together: a QString of one character converts them both.
        const qsizetype n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        stueck += text.mid(i, n).toStdString();
        i += n - 1;
    }
    teile_.emplace_back(std::move(stueck), 0);
}

void Vorlage::anhaengen(std::string& ziel, std::initializer_list<std::string_view> werte) const {
    for (const auto& [stueck, wert] : teile_) {
        ziel += stueck;
        if (wert >= 1 && static_cast<std::size_t>(wert) <= werte.size())
            ziel += werte.begin()[wert - 1];
    }
}

QString Vorlage::text(std::initializer_list<std::string_view> werte) const {
    std::string t;
    anhaengen(t, werte);
    return QString::fromStdString(t);
}

namespace {

int sprachstand_ = 0;

// The texts of lines and labels, translated once per language.
struct Texte {
    Vorlage geld{QCoreApplication::translate("Spieltexte", "Vermögen: %1 €")};
    Vorlage uhr{QCoreApplication::translate("Spieltexte", "%1  %2 Uhr")};
    QString neuerAuftrag{QCoreApplication::translate("Spieltexte", "Neuer Auftrag im Posteingang")};
    QString neuerSonderauftrag{
        QCoreApplication::translate("Spieltexte", "Neuer Sonderauftrag im Posteingang")};
    Vorlage auftrag{QCoreApplication::translate(
        "Spieltexte", "Auftrag %1: Holen Sie am %2 um %3 Uhr am %4 %5 ab.")};
    Vorlage sonderauftrag{QCoreApplication::translate(
        "Spieltexte",
        "Auftrag %1: Illegal: Holen Sie etwas am %2 um %3 Uhr am Treffpunkt %4 ab. Gewinn: %5 €.")};
    Vorlage fahrt{QCoreApplication::translate(
        "Spieltexte",
        "Auftrag %1 geht über %2 km und wird um %3 Uhr erledigt sein.Die Einnahmen werden %4 € "
        "betragen.")};
    Vorlage schulden{QCoreApplication::translate("Spieltexte", "Schulden: %1 €")};
    Vorlage kreditlimit{QCoreApplication::translate("Spieltexte", "Kreditlimit: %1 €")};
    QString keinKurs{QCoreApplication::translate("Spieltexte", "N/A")};
    Vorlage stueck{QCoreApplication::translate("Spieltexte", "%1 Stk.")};
    Vorlage stueckGehandelt{QCoreApplication::translate("Spieltexte", "%1 Stck.")};
    Vorlage aktienzeile{QCoreApplication::translate("Spieltexte", "%1 Aktie:")};
    Vorlage aktienliste{QCoreApplication::translate("Spieltexte", "%1 Aktie")};
    Vorlage werbearten[kWerbearten] = {
        Vorlage{QCoreApplication::translate("Spieltexte", "Plakate (%1 €,    Werbepunkte: %2)")},
        Vorlage{
            QCoreApplication::translate("Spieltexte", "Flugblätter (%1 €,    Werbepunkte: %2)")},
        Vorlage{
            QCoreApplication::translate("Spieltexte", "Kinowerbung (%1 €,    Werbepunkte: %2)")},
        Vorlage{
            QCoreApplication::translate("Spieltexte", "Radiowerbung (%1 €,    Werbepunkte: %2)")},
        Vorlage{
            QCoreApplication::translate("Spieltexte", "Fersehwerbung (%1 €,    Werbepunkte: %2)")}};
    Vorlage leistung{QCoreApplication::translate("Spieltexte", "%1 PS")};
    Vorlage sitze{QCoreApplication::translate("Spieltexte", "%1 Sitzplätze")};
    Vorlage preis{QCoreApplication::translate("Spieltexte", "Preis: %1 €")};
    Vorlage alter{QCoreApplication::translate("Spieltexte", "Alter: %1 Jahre")};
    Vorlage erfahrung{QCoreApplication::translate("Spieltexte", "Erfahrung: %1 von 6")};
    Vorlage gehalt{QCoreApplication::translate("Spieltexte", "Gehalt: %1 €/Tag.")};
};

const Texte& texte() {
    return aktuelleVorlagen<Texte>();
}

// Digits of a whole number, in a buffer of the caller's.
std::string_view ziffern(std::string& puffer, int32_t wert, int stellen = 1) {
    puffer.clear();
    ziffernAnhaengen(puffer, wert, stellen);
    return puffer;
}

}  // namespace

int sprachstand() {
    return sprachstand_;
}

void spracheGewechselt() {
    ++sprachstand_;
}

QString geldText(double vermoegen, Geldform form) {
    const std::string betrag =
        form == Geldform::gerundet ? zahlText(Round64(vermoegen)) : zahlText(vermoegen);
    return texte().geld.text({betrag});
}

QString uhrText(DatumZeit t) {
    const Zerlegt z = zerlege(t);
    std::string datum, zeit;
    datumAnhaengen(datum, z);
    zeitAnhaengen(zeit, z);
    return texte().uhr.text({datum, zeit});
}

QString neuerAuftragText(const Auftrag& a) {
    return a.sonderauftrag == Auftrag::kRegulaer ? texte().neuerAuftrag
                                                 : texte().neuerSonderauftrag;
}

void auftragszeile(const Auftrag& a, std::string& ziel) {
    const Texte& t = texte();
    const Zerlegt z = zerlege(a.abholzeit.alsZeit());
    std::string nummer, datum, zeit;
    nummernTextAnhaengen(nummer, a.nummer);
    datumAnhaengen(datum, z);
    zeitAnhaengen(zeit, z);
    ziel.clear();
    if (a.sonderauftrag == Auftrag::kRegulaer) {
        t.auftrag.anhaengen(ziel, {nummer, datum, zeit, a.abholort, a.kunde});
        return;
    }
    std::string treffpunkt, gewinn;
    ziffernAnhaengen(treffpunkt, a.unfallwurf);
    ziffernAnhaengen(gewinn, a.einnahmen);
    t.sonderauftrag.anhaengen(ziel, {nummer, datum, zeit, treffpunkt, gewinn});
}

QString auftragszeile(const Auftrag& a) {
    std::string z;
    auftragszeile(a, z);
    return QString::fromStdString(z);
}

QString fahrtText(const Fahrtzeile& f) {
    std::string nummer, km, einnahmen;
    return texte().fahrt.text({ziffern(nummer, f.nummer), ziffern(km, f.kilometer),
                               zeitText(f.ende), ziffern(einnahmen, f.einnahmen)});
}

QString taxiText(const Taxizeile& t) {
    const Automodell* m = automodell(t.modell);
    return QString::fromStdString(zweistellig(t.nummer) + ": " + (m ? m->name : ""));
}

QString fahrerText(const Fahrerzeile& f) {
    const Fahrerkandidat* k = kandidat(f.kandidat);
    return QString::fromStdString(zweistellig(f.nummer) + ": " + (k ? k->name : "") + " (") +
           (k ? erfahrungText(*k) : QString()) + QStringLiteral(")");
}

QString schuldenText(int32_t schulden) {
    return texte().schulden.text({zahlText(schulden)});
}

QString kreditlimitText(int32_t kreditlimit) {
    return texte().kreditlimit.text({zahlText(kreditlimit)});
}

QString kurswertText(const Kurswert& k) {
    switch (k.art) {
        case Kurswert::Art::start:
            return QStringLiteral("100.0");
        case Kurswert::Art::kurs:
            return QString::fromStdString(zahlText(k.kurs));
        case Kurswert::Art::keiner:
            break;
    }
    return texte().keinKurs;
}

QString depotText(const Depotwert& d) {
    const Texte& t = texte();
    return (d.gehandelt ? t.stueckGehandelt : t.stueck).text({zahlText(d.stueck)});
}

QString aktienzeileText(int k) {
    return texte().aktienzeile.text({aktiennamen.at(static_cast<std::size_t>(k - 1))});
}

QString aktienlisteText(int k) {
    return texte().aktienliste.text({aktiennamen.at(static_cast<std::size_t>(k - 1))});
}

QString werbeartText(int art) {
    const Werbeart& w = werbearten.at(static_cast<std::size_t>(art - 1));
    return texte().werbearten[art - 1].text({zahlText(w.kosten), zahlText(w.punkte)});
}

QString leistungText(const Automodell& m) {
    return texte().leistung.text({zahlText(leistungVon(m))});
}

QString sitzeText(const Automodell& m) {
    return texte().sitze.text({zahlText(sitzeVon(m))});
}

QString preisText(const Automodell& m) {
    return texte().preis.text({zahlText(preisVon(m))});
}

QString alterText(const Fahrerkandidat& k) {
    return texte().alter.text({zahlText(alterVon(k))});
}

QString erfahrungText(const Fahrerkandidat& k) {
    return texte().erfahrung.text({zahlText(erfahrungsstufe(k))});
}

QString gehaltText(const Fahrerkandidat& k) {
    return texte().gehalt.text({zahlText(gehaltVon(k))});
}

}  // namespace kabrolux::ui
