<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Befehlszeile</name>
    <message>
        <source>Kabrolux – eine Wirtschaftssimulation: Sie führen ein Taxiunternehmen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielt auf Deutsch (de) oder Englisch (en), statt in der Sprache des Desktops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATEI.kbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein gespeicherter Spielstand, der beim Start geladen wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es kann nur ein Spielstand geladen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Sprache: %1 (de oder en)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bilder</name>
    <message>
        <source>Bild ist zu groß für den Speicher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kann Datei %1 nicht öffnen: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Meldungen</name>
    <message>
        <source>Die Kreditzinsen von %1 € werden jetzt an die Bank gezahlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag %1 hat ihnen %2 € eingebracht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonderauftrag %1 hat ihnen %2 € eingebracht. Sie wurde bei der Ausführung nicht erwischt. Ihr Ansehen im Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters solche Aufträge...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonderauftrag %1 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine Strafe von %2 €.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr Taxi, das den Auftrag %1 erledigte hatte einen Unfall. Der Schaden beträgt %2 €.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie sind der Verbraucherzentrale wegen ihrer erhöhten Preise aufgefallen. Sie werden zu einer Zahlung von %1 € herangezogen. Die Preise wurden auf die Standardwerte gesetzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der entlassene Fahrer bekommt heute sein letztes Gehalt ausgezahlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehr als 12 Taxen zu besitzen sind nicht möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr Kreditlimit ist erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen Sie den zu erledigende Auftrag aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen Sie das Taxi aus, das den Auftrag erledigen soll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen Sie den Fahrer aus, der den Auftrag erledigen soll.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schaeden</name>
    <message>
        <source>Die Datei ist beschädigt: %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: Sie ist länger als %1 Bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, Feld %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vermögen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelles Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiel läuft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktueller Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grundpreis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilometerpreis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bekanntheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untergrundansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxinummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrernummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erledigte Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angenommene Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingestellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Längenangabe %1 statt 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ %1 statt 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textlänge %1 statt höchstens 29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichen %1 ist in Windows-1252 nicht belegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine endliche Zahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum außerhalb der Jahre 1 bis 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 statt %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 ist kleiner als %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 liegt nicht zwischen %2 und %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert %1 ist kein Vielfaches von 10000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restminuten %1 ohne Fahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kandidat %1 ist schon Fahrer %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert 1, aber kein Fahrer ist Kandidat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert 0, aber Fahrer %1 ist Kandidat %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer %1 hat schon Auftrag %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belegt hinter dem ersten nie benutzten Auftrag %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ %1 statt 3 oder 7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spieltexte</name>
    <message>
        <source>Vermögen: %1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2 Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuer Auftrag im Posteingang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuer Sonderauftrag im Posteingang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag %1: Holen Sie am %2 um %3 Uhr am %4 %5 ab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag %1: Illegal: Holen Sie etwas am %2 um %3 Uhr am Treffpunkt %4 ab. Gewinn: %5 €.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag %1 geht über %2 km und wird um %3 Uhr erledigt sein.Die Einnahmen werden %4 € betragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schulden: %1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreditlimit: %1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Stk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Stck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Aktie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Aktie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plakate (%1 €,    Werbepunkte: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flugblätter (%1 €,    Werbepunkte: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinowerbung (%1 €,    Werbepunkte: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiowerbung (%1 €,    Werbepunkte: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fersehwerbung (%1 €,    Werbepunkte: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 PS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Sitzplätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis: %1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alter: %1 Jahre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erfahrung: %1 von 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gehalt: %1 €/Tag.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TAutohaendlerform</name>
    <message>
        <source>Autohänder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoher Komfort im Taxi schlägt sich auf Ihren Imagegewinn nieder..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::THauptform</name>
    <message>
        <source>Kabrolux Version 1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titelbild: ein Taxi bei Nacht vor der Stadt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfügbare Taxen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfügbare Fahrer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge am erledigen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image der Firma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bekanntheit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untergrundansehen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtattraktivität:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Fantastisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Spitze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Sehr gut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Gut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Schlecht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Sehr schlecht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Oh mein Gott</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiel starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxi senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werbung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autohändler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posteingang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielstand speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielstand laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kabrolux Spielstände (*.kbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spielstand</source>
        <comment>default name of a saved game</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TPersonalform</name>
    <message>
        <source>Personalwesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Je höher die Erfahrung eines Fahrers ist, umso weniger Unfälle baut er.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entlassen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TPosteingangform</name>
    <message>
        <source>Posteingang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingegangene Auftrage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einmal angenommene Auftrage können nicht wieder zurückgenommen werden! Zum Annehmen einfach Häckchen setzen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TTaxi_sendenform</name>
    <message>
        <source>Taxi entsenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch zu erledigende Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verfügbare Taxen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verfügbare Fahrer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge, die angenommen wurden, jedoch 
nicht innerhalb von 18 Minuten Toleranz 
ausgeführt wurden verschwinden automatisch 
von dieser Liste. 
ACHTUNG: Dabei entsteht ein Imageverlust. 
Denn ein Passagier, der ein Taxi bestellt hat, 
und 18 Minuten nach dem vereinbarten Termin 
immer noch darauf wartet abgeholt zu werden, 
wird Ihre Firma sicher nicht weiterempfehlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag mit diesem Fahrer und Taxi erledigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück ins Hauptmenü</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TVerlaufform</name>
    <message>
        <source>%1 Punkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vermögen und Schulden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vermögen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image, Bekanntheit, Untergrundansehen, Gesamtattraktivität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bekanntheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untergrundansehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtattraktivität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktienkurse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erhalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angenommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erledigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verpasst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzter &amp;Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzte &amp;Woche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, davon die letzten %1 Spieltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es läuft noch kein Spiel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Werte: Der erste wird zur nächsten vollen Spielstunde aufgezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Wert zu jeder vollen Spielstunde, zuletzt am %1 um %2 Uhr. Genaue Werte zeigt der Mauszeiger, in einem Diagramm (Tab) auch die Pfeiltasten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf seit Spielbeginn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf seit dem Laden am %1 um %2 Uhr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tbankform</name>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kredit aufnehmen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kredit aufnehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kredit tilgen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kredit tilgen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1% der Kreditsumme 
wird als Zinsen pro Tag 
an die Bank bezahlt. 

Das bedeutet: 
Sie leihen 10.000 € und 
müssen pro Tag 100 € 
(1%) Zinsen bezahlen.

Die Zinsen werden 
vierteltägig bezahlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktienhandel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vor 6 Std.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vor 12 Std.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verkaufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktiendepot:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Teinstellungenform</name>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielgeschwindigkeit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnell (4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langsam (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sehr langsam (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause (0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startkapital:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zahlen in Klammern können Sie im Hauptmenü zum Einstellen der Spielgeschwindigkeit benutzen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tpreiseform</name>
    <message>
        <source>Preise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis pro gefahrener Kilometer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grundpreis pro Fahrt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinweis:
Bitte beachten Sie, dass überhöhte Preise zu 
Imageverlust führen. Sollten extrem unverschämte 
Preise angegeben werden, so ist es möglich, dass 
der Verbraucherschutzverband Sie zum Zahlen 
einer Geld-Strafe zwingt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück ins Hauptmenü</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tstatistikform</name>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erhaltene Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erledigte Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verpasste Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angenommene Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht erledigte angenommene Aufträge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Twerbungform</name>
    <message>
        <source>Werbung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werbeart:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja, markierte Werbung kaufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Verlaufsdiagramm</name>
    <message>
        <source>%1 %2 Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielzeit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
