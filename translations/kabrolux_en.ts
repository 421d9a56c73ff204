<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Befehlszeile</name>
    <message>
        <source>Kabrolux – eine Wirtschaftssimulation: Sie führen ein Taxiunternehmen.</source>
        <translation>Kabrolux – a business simulation: you run a taxi company.</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe an.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer an.</source>
        <translation>Shows the version number.</translation>
    </message>
    <message>
        <source>Spielt auf Deutsch (de) oder Englisch (en), statt in der Sprache des Desktops.</source>
        <translation>Plays in German (de) or English (en) instead of the desktop&apos;s language.</translation>
    </message>
    <message>
        <source>DATEI.kbs</source>
        <translation>FILE.kbs</translation>
    </message>
    <message>
        <source>Ein gespeicherter Spielstand, der beim Start geladen wird.</source>
        <translation>A saved game to load at the start.</translation>
    </message>
    <message>
        <source>Es kann nur ein Spielstand geladen werden.</source>
        <translation>Only one saved game can be loaded.</translation>
    </message>
    <message>
        <source>Unbekannte Sprache: %1 (de oder en)</source>
        <translation>Unknown language: %1 (de or en)</translation>
    </message>
</context>
<context>
    <name>Bilder</name>
    <message>
        <source>Bild ist zu groß für den Speicher</source>
        <translation>The picture is too large to fit in memory</translation>
    </message>
    <message>
        <source>Kann Datei %1 nicht öffnen: %2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
</context>
<context>
    <name>Meldungen</name>
    <message>
        <source>Die Kreditzinsen von %1 € werden jetzt an die Bank gezahlt.</source>
        <translation>The loan interest of %1 € is now being paid to the bank.</translation>
    </message>
    <message>
        <source>Auftrag %1 hat ihnen %2 € eingebracht.</source>
        <translation>Order %1 has earned you %2 €.</translation>
    </message>
    <message>
        <source>Sonderauftrag %1 hat ihnen %2 € eingebracht. Sie wurde bei der Ausführung nicht erwischt. Ihr Ansehen im Untergrundmilieu steigt. Vielleicht bekommen Sie nun öfters solche Aufträge...</source>
        <translation>Special order %1 has earned you %2 €. You were not caught carrying it out. Your standing in the underworld rises. Perhaps you will get such orders more often now...</translation>
    </message>
    <message>
        <source>Sonderauftrag %1 ging schief. Jemand hat Ihnen etwas gesteckt. Sie bezahlen eine Strafe von %2 €.</source>
        <translation>Special order %1 went wrong. Someone tipped off the police. You pay a fine of %2 €.</translation>
    </message>
    <message>
        <source>Ihr Taxi, das den Auftrag %1 erledigte hatte einen Unfall. Der Schaden beträgt %2 €.</source>
        <translation>Your taxi on order %1 had an accident. The damage comes to %2 €.</translation>
    </message>
    <message>
        <source>Sie sind der Verbraucherzentrale wegen ihrer erhöhten Preise aufgefallen. Sie werden zu einer Zahlung von %1 € herangezogen. Die Preise wurden auf die Standardwerte gesetzt.</source>
        <translation>Your excessive prices have caught the eye of the consumer protection agency. You are fined %1 €. Your prices have been reset to the standard ones.</translation>
    </message>
    <message>
        <source>Der entlassene Fahrer bekommt heute sein letztes Gehalt ausgezahlt.</source>
        <translation>The dismissed driver is paid a last day&apos;s salary today.</translation>
    </message>
    <message>
        <source>Mehr als 12 Taxen zu besitzen sind nicht möglich.</source>
        <translation>You cannot own more than 12 taxis.</translation>
    </message>
    <message>
        <source>Ihr Kreditlimit ist erreicht.</source>
        <translation>You have reached your credit limit.</translation>
    </message>
    <message>
        <source>Wählen Sie den zu erledigende Auftrag aus.</source>
        <translation>Choose the order to carry out.</translation>
    </message>
    <message>
        <source>Wählen Sie das Taxi aus, das den Auftrag erledigen soll.</source>
        <translation>Choose the taxi to carry out the order.</translation>
    </message>
    <message>
        <source>Wählen Sie den Fahrer aus, der den Auftrag erledigen soll.</source>
        <translation>Choose the driver to carry out the order.</translation>
    </message>
</context>
<context>
    <name>Schaeden</name>
    <message>
        <source>Die Datei ist beschädigt: %1: %2.</source>
        <translation>The file is damaged: %1: %2.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: Sie ist länger als %1 Bytes.</source>
        <translation>The file is damaged: it is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2, Feld %3</source>
        <translation>%1 %2, field %3</translation>
    </message>
    <message>
        <source>Vermögen</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Aktuelles Auto</source>
        <translation>Car on show</translation>
    </message>
    <message>
        <source>Spiel läuft</source>
        <translation>Game running</translation>
    </message>
    <message>
        <source>Aktueller Fahrer</source>
        <translation>Candidate on show</translation>
    </message>
    <message>
        <source>Grundpreis</source>
        <translation>Base fare</translation>
    </message>
    <message>
        <source>Kilometerpreis</source>
        <translation>Price per kilometre</translation>
    </message>
    <message>
        <source>Spielzeit</source>
        <translation>Game time</translation>
    </message>
    <message>
        <source>Bekanntheit</source>
        <translation>Popularity</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Untergrundansehen</source>
        <translation>Underworld standing</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Debts</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Taxinummer</source>
        <translation>Taxi number</translation>
    </message>
    <message>
        <source>Fahrernummer</source>
        <translation>Driver number</translation>
    </message>
    <message>
        <source>Erledigte Aufträge</source>
        <translation>Orders completed</translation>
    </message>
    <message>
        <source>Angenommene Aufträge</source>
        <translation>Orders accepted</translation>
    </message>
    <message>
        <source>Eingestellt</source>
        <translation>Hired</translation>
    </message>
    <message>
        <source>Aktie</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Längenangabe %1 statt 16</source>
        <translation>length %1 instead of 16</translation>
    </message>
    <message>
        <source>Typ %1 statt 3</source>
        <translation>type %1 instead of 3</translation>
    </message>
    <message>
        <source>Textlänge %1 statt höchstens 29</source>
        <translation>text length %1 instead of at most 29</translation>
    </message>
    <message>
        <source>Zeichen %1 ist in Windows-1252 nicht belegt</source>
        <translation>character %1 does not exist in Windows-1252</translation>
    </message>
    <message>
        <source>keine endliche Zahl</source>
        <translation>not a finite number</translation>
    </message>
    <message>
        <source>Datum außerhalb der Jahre 1 bis 9999</source>
        <translation>date outside the years 1 to 9999</translation>
    </message>
    <message>
        <source>Wert %1 statt %2</source>
        <translation>value %1 instead of %2</translation>
    </message>
    <message>
        <source>Wert %1 ist kleiner als %2</source>
        <translation>value %1 is less than %2</translation>
    </message>
    <message>
        <source>Wert %1 liegt nicht zwischen %2 und %3</source>
        <translation>value %1 is not between %2 and %3</translation>
    </message>
    <message>
        <source>Wert %1 ist kein Vielfaches von 10000</source>
        <translation>value %1 is not a multiple of 10000</translation>
    </message>
    <message>
        <source>Restminuten %1 ohne Fahrt</source>
        <translation>%1 minutes left without a trip</translation>
    </message>
    <message>
        <source>Kandidat %1 ist schon Fahrer %2</source>
        <translation>candidate %1 is already driver %2</translation>
    </message>
    <message>
        <source>Wert 1, aber kein Fahrer ist Kandidat %1</source>
        <translation>value 1, but no driver is candidate %1</translation>
    </message>
    <message>
        <source>Wert 0, aber Fahrer %1 ist Kandidat %2</source>
        <translation>value 0, but driver %1 is candidate %2</translation>
    </message>
    <message>
        <source>Nummer %1 hat schon Auftrag %2</source>
        <translation>number %1 already belongs to order %2</translation>
    </message>
    <message>
        <source>belegt hinter dem ersten nie benutzten Auftrag %1</source>
        <translation>in use after order %1, the first one never used</translation>
    </message>
    <message>
        <source>Typ %1 statt 3 oder 7</source>
        <translation>type %1 instead of 3 or 7</translation>
    </message>
</context>
<context>
    <name>Spieltexte</name>
    <message>
        <source>Vermögen: %1 €</source>
        <translation>Cash: %1 €</translation>
    </message>
    <message>
        <source>%1  %2 Uhr</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>Neuer Auftrag im Posteingang</source>
        <translation>New order in the inbox</translation>
    </message>
    <message>
        <source>Neuer Sonderauftrag im Posteingang</source>
        <translation>New special order in the inbox</translation>
    </message>
    <message>
        <source>Auftrag %1: Holen Sie am %2 um %3 Uhr am %4 %5 ab.</source>
        <translation>Order %1: Pick up %5 at %4 on %2 at %3.</translation>
    </message>
    <message>
        <source>Auftrag %1: Illegal: Holen Sie etwas am %2 um %3 Uhr am Treffpunkt %4 ab. Gewinn: %5 €.</source>
        <translation>Order %1: Illegal: Collect something at meeting point %4 on %2 at %3. Profit: %5 €.</translation>
    </message>
    <message>
        <source>Auftrag %1 geht über %2 km und wird um %3 Uhr erledigt sein.Die Einnahmen werden %4 € betragen.</source>
        <translation>Order %1 covers %2 km and will be completed at %3. It will earn %4 €.</translation>
    </message>
    <message>
        <source>Schulden: %1 €</source>
        <translation>Debts: %1 €</translation>
    </message>
    <message>
        <source>Kreditlimit: %1 €</source>
        <translation>Credit limit: %1 €</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>%1 Stk.</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 Stck.</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 Aktie:</source>
        <translation>%1 shares:</translation>
    </message>
    <message>
        <source>%1 Aktie</source>
        <translation>%1 shares</translation>
    </message>
    <message>
        <source>Plakate (%1 €,    Werbepunkte: %2)</source>
        <translation>Posters (%1 €, ad points: %2)</translation>
    </message>
    <message>
        <source>Flugblätter (%1 €,    Werbepunkte: %2)</source>
        <translation>Leaflets (%1 €, ad points: %2)</translation>
    </message>
    <message>
        <source>Kinowerbung (%1 €,    Werbepunkte: %2)</source>
        <translation>Cinema ads (%1 €, ad points: %2)</translation>
    </message>
    <message>
        <source>Radiowerbung (%1 €,    Werbepunkte: %2)</source>
        <translation>Radio ads (%1 €, ad points: %2)</translation>
    </message>
    <message>
        <source>Fersehwerbung (%1 €,    Werbepunkte: %2)</source>
        <translation>TV ads (%1 €, ad points: %2)</translation>
    </message>
    <message>
        <source>%1 PS</source>
        <translation>%1 hp</translation>
    </message>
    <message>
        <source>%1 Sitzplätze</source>
        <translation>%1 seats</translation>
    </message>
    <message>
        <source>Preis: %1 €</source>
        <translation>Price: %1 €</translation>
    </message>
    <message>
        <source>Alter: %1 Jahre</source>
        <translation>Age: %1</translation>
    </message>
    <message>
        <source>Erfahrung: %1 von 6</source>
        <translation>Experience: %1 of 6</translation>
    </message>
    <message>
        <source>Gehalt: %1 €/Tag.</source>
        <translation>Salary: %1 € a day</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Autosicherung</name>
    <message>
        <source>Das letzte Spiel wurde nicht mit „Spielende“ beendet.
Automatisch gesichert ist der Stand vom %1 um %2 Uhr, Vermögen: %3 €.

„Fortsetzen“ spielt dort weiter. „Verwerfen“ beginnt ohne ihn; er bleibt beim Laden unter „Automatisch gesichert“.</source>
        <translation>The last game did not end with “Quit”.
The autosaved game is from %1 at %2, cash: %3 €.

“Continue” plays on from there. “Discard” starts without it; it stays under “Autosaved” when you load a game.</translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Automatisches Sichern nicht möglich: %1</source>
        <translation>Autosave not possible: %1</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Spielanleitung</name>
    <message>
        <source>Alle Abschnitte: </source>
        <translation>All sections: </translation>
    </message>
    <message>
        <source>Spielanleitung</source>
        <translation>Game Guide</translation>
    </message>
    <message>
        <source>:/anleitung/spielanleitung.md</source>
        <comment>the guide&apos;s file in this language</comment>
        <translation>:/anleitung/spielanleitung.en.md</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TAutohaendlerform</name>
    <message>
        <source>Autohänder</source>
        <translation>Car Dealer</translation>
    </message>
    <message>
        <source>Hoher Komfort im Taxi schlägt sich auf Ihren Imagegewinn nieder..</source>
        <translation>Comfort in your taxis adds to the image you gain.</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::THauptform</name>
    <message>
        <source>Kabrolux Version 1.5</source>
        <translation>Kabrolux version 1.5</translation>
    </message>
    <message>
        <source>Titelbild: ein Taxi bei Nacht vor der Stadt</source>
        <translation>Title picture: a taxi at night outside the city</translation>
    </message>
    <message>
        <source>Verfügbare Taxen:</source>
        <translation>Available taxis:</translation>
    </message>
    <message>
        <source>Verfügbare Fahrer:</source>
        <translation>Available drivers:</translation>
    </message>
    <message>
        <source>Aufträge am erledigen:</source>
        <translation>Orders under way:</translation>
    </message>
    <message>
        <source>Image der Firma:</source>
        <translation>Company image:</translation>
    </message>
    <message>
        <source>Bekanntheit:</source>
        <translation>Popularity:</translation>
    </message>
    <message>
        <source>Untergrundansehen:</source>
        <translation>Underworld standing:</translation>
    </message>
    <message>
        <source>Gesamtattraktivität:</source>
        <translation>Overall appeal:</translation>
    </message>
    <message>
        <source>- Fantastisch</source>
        <translation>- Fantastic</translation>
    </message>
    <message>
        <source>- Spitze</source>
        <translation>- Excellent</translation>
    </message>
    <message>
        <source>- Sehr gut</source>
        <translation>- Very good</translation>
    </message>
    <message>
        <source>- Gut</source>
        <translation>- Good</translation>
    </message>
    <message>
        <source>- Normal</source>
        <translation>- Average</translation>
    </message>
    <message>
        <source>- Schlecht</source>
        <translation>- Poor</translation>
    </message>
    <message>
        <source>- Sehr schlecht</source>
        <translation>- Very poor</translation>
    </message>
    <message>
        <source>- Oh mein Gott</source>
        <translation>- Oh my God</translation>
    </message>
    <message>
        <source>Spiel starten</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source>Taxi senden</source>
        <translation>Send taxi</translation>
    </message>
    <message>
        <source>Werbung</source>
        <translation>Advertising</translation>
    </message>
    <message>
        <source>Autohändler</source>
        <translation>Car dealer</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Posteingang</source>
        <translation>Inbox</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Spielende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Spielstand speichern</source>
        <translation>Save Game</translation>
    </message>
    <message>
        <source>Spielstand laden</source>
        <translation>Load Game</translation>
    </message>
    <message>
        <source>Kabrolux Spielstände (*.kbs)</source>
        <translation>Kabrolux saved games (*.kbs)</translation>
    </message>
    <message>
        <source>spielstand</source>
        <comment>default name of a saved game</comment>
        <translation>savegame</translation>
    </message>
    <message>
        <source>Automatisches Sichern</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>Automatisch gesichert</source>
        <translation>Autosaved</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TPersonalform</name>
    <message>
        <source>Personalwesen</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Je höher die Erfahrung eines Fahrers ist, umso weniger Unfälle baut er.</source>
        <translation>The more experienced a driver, the fewer accidents he has.</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Einstellen</source>
        <translation>Hire</translation>
    </message>
    <message>
        <source>Entlassen</source>
        <translation>Dismiss</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TPosteingangform</name>
    <message>
        <source>Posteingang</source>
        <translation>Inbox</translation>
    </message>
    <message>
        <source>Eingegangene Auftrage:</source>
        <translation>Orders received:</translation>
    </message>
    <message>
        <source>Einmal angenommene Auftrage können nicht wieder zurückgenommen werden! Zum Annehmen einfach Häckchen setzen.</source>
        <translation>Once accepted, an order cannot be given back! To accept an order, just tick it.</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TTaxi_sendenform</name>
    <message>
        <source>Taxi entsenden</source>
        <translation>Send a Taxi</translation>
    </message>
    <message>
        <source>Noch zu erledigende Aufträge:</source>
        <translation>Orders still to be served:</translation>
    </message>
    <message>
        <source>verfügbare Taxen:</source>
        <translation>available taxis:</translation>
    </message>
    <message>
        <source>verfügbare Fahrer:</source>
        <translation>available drivers:</translation>
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
        <translation>Orders that were accepted but not served 
within 18 minutes of their pickup time 
disappear from this list 
by themselves. 
BEWARE: this costs you image. 
A passenger who ordered a taxi 
and is still waiting to be picked up 
18 minutes after the agreed time 
will hardly recommend your company.</translation>
    </message>
    <message>
        <source>Auftrag mit diesem Fahrer und Taxi erledigen</source>
        <translation>Serve the order with this driver and taxi</translation>
    </message>
    <message>
        <source>Zurück ins Hauptmenü</source>
        <translation>Back to the main screen</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::TVerlaufform</name>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Vermögen und Schulden</source>
        <translation>Cash and debts</translation>
    </message>
    <message>
        <source>Vermögen</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Schulden</source>
        <translation>Debts</translation>
    </message>
    <message>
        <source>Image, Bekanntheit, Untergrundansehen, Gesamtattraktivität</source>
        <translation>Image, popularity, underworld standing, overall appeal</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Bekanntheit</source>
        <translation>Popularity</translation>
    </message>
    <message>
        <source>Untergrundansehen</source>
        <translation>Underworld standing</translation>
    </message>
    <message>
        <source>Gesamtattraktivität</source>
        <translation>Overall appeal</translation>
    </message>
    <message>
        <source>Aktienkurse</source>
        <translation>Share prices</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Erhalten</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Angenommen</source>
        <translation>Accepted</translation>
    </message>
    <message>
        <source>Erledigt</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Verpasst</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Letzter &amp;Tag</source>
        <translation>Last &amp;day</translation>
    </message>
    <message>
        <source>Letzte &amp;Woche</source>
        <translation>Last &amp;week</translation>
    </message>
    <message>
        <source>&amp;Alles</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>, davon die letzten %1 Spieltage</source>
        <translation>, of which the last %1 game days</translation>
    </message>
    <message>
        <source>Es läuft noch kein Spiel.</source>
        <translation>No game is running yet.</translation>
    </message>
    <message>
        <source>Noch keine Werte: Der erste wird zur nächsten vollen Spielstunde aufgezeichnet.</source>
        <translation>No values yet: the first is recorded at the next full game hour.</translation>
    </message>
    <message>
        <source>Ein Wert zu jeder vollen Spielstunde, zuletzt am %1 um %2 Uhr. Genaue Werte zeigt der Mauszeiger, in einem Diagramm (Tab) auch die Pfeiltasten.</source>
        <translation>One value for every full game hour, the latest on %1 at %2. The mouse pointer shows exact values, and so do the arrow keys in a chart (Tab).</translation>
    </message>
    <message>
        <source>Verlauf seit Spielbeginn</source>
        <translation>History since the game began</translation>
    </message>
    <message>
        <source>Verlauf seit dem Laden am %1 um %2 Uhr</source>
        <translation>History since the game was loaded on %1 at %2</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tbankform</name>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Kredit aufnehmen:</source>
        <translation>Take out a loan:</translation>
    </message>
    <message>
        <source>Kredit aufnehmen</source>
        <translation>Take out loan</translation>
    </message>
    <message>
        <source>Kredit tilgen:</source>
        <translation>Repay a loan:</translation>
    </message>
    <message>
        <source>Kredit tilgen</source>
        <translation>Repay loan</translation>
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
        <translation>1% of the loan 
is paid to the bank 
as interest every day. 

That means: 
you borrow 10.000 € and 
pay 100 € (1%) 
interest a day.

The interest is paid 
every quarter day.</translation>
    </message>
    <message>
        <source>Aktienhandel:</source>
        <translation>Share trading:</translation>
    </message>
    <message>
        <source>Kurs</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>vor 6 Std.</source>
        <translation>6 h ago</translation>
    </message>
    <message>
        <source>vor 12 Std.</source>
        <translation>12 h ago</translation>
    </message>
    <message>
        <source>Aktie:</source>
        <translation>Share:</translation>
    </message>
    <message>
        <source>Menge:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Kaufen</source>
        <translation>Buy</translation>
    </message>
    <message>
        <source>Verkaufen</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>Aktiendepot:</source>
        <translation>Shares held:</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Teinstellungenform</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Spielgeschwindigkeit:</source>
        <translation>Game speed:</translation>
    </message>
    <message>
        <source>Schnell (4)</source>
        <translation>Fast (4)</translation>
    </message>
    <message>
        <source>Normal (3)</source>
        <translation>Medium (3)</translation>
    </message>
    <message>
        <source>Langsam (2)</source>
        <translation>Slow (2)</translation>
    </message>
    <message>
        <source>Sehr langsam (1)</source>
        <translation>Very slow (1)</translation>
    </message>
    <message>
        <source>Pause (0)</source>
        <translation>Paused (0)</translation>
    </message>
    <message>
        <source>Startkapital:</source>
        <translation>Starting capital:</translation>
    </message>
    <message>
        <source>Die Zahlen in Klammern können Sie im Hauptmenü zum Einstellen der Spielgeschwindigkeit benutzen.</source>
        <translation>On the main screen, the numbers in brackets set the game speed.</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tpreiseform</name>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Preis pro gefahrener Kilometer:</source>
        <translation>Price per kilometre driven:</translation>
    </message>
    <message>
        <source>Grundpreis pro Fahrt:</source>
        <translation>Base fare per trip:</translation>
    </message>
    <message>
        <source>Hinweis:
Bitte beachten Sie, dass überhöhte Preise zu 
Imageverlust führen. Sollten extrem unverschämte 
Preise angegeben werden, so ist es möglich, dass 
der Verbraucherschutzverband Sie zum Zahlen 
einer Geld-Strafe zwingt.</source>
        <translation>Note:
Please bear in mind that excessive prices 
cost you image. If your prices are outrageous, 
the consumer protection agency may 
make you pay a fine.</translation>
    </message>
    <message>
        <source>Zurück ins Hauptmenü</source>
        <translation>Back to the main screen</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Tstatistikform</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Erhaltene Aufträge:</source>
        <translation>Orders received:</translation>
    </message>
    <message>
        <source>Erledigte Aufträge:</source>
        <translation>Orders completed:</translation>
    </message>
    <message>
        <source>Verpasste Aufträge:</source>
        <translation>Orders missed:</translation>
    </message>
    <message>
        <source>Angenommene Aufträge:</source>
        <translation>Orders accepted:</translation>
    </message>
    <message>
        <source>nicht erledigte angenommene Aufträge:</source>
        <translation>Accepted, never completed:</translation>
    </message>
    <message>
        <source>&amp;Verlauf</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Twerbungform</name>
    <message>
        <source>Werbung</source>
        <translation>Advertising</translation>
    </message>
    <message>
        <source>Werbeart:</source>
        <translation>Campaign:</translation>
    </message>
    <message>
        <source>Ja, markierte Werbung kaufen</source>
        <translation>Yes, buy the selected campaign</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kabrolux::ui::Verlaufsdiagramm</name>
    <message>
        <source>%1 %2 Uhr</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Spielzeit</source>
        <translation>Game time</translation>
    </message>
</context>
</TS>
