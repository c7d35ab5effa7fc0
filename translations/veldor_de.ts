<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Himmel: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Kein Boden.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Boden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Dinge: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor-Logo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Bilderpaket laden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effekte: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Mein Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Mein Bild hinzufügen...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Das Bild wurde geändert.
Möchtest du es speichern?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>ein Bild, das nie gespeichert wurde</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor wurde beendet, bevor %1 gespeichert war.
Möchtest du die Änderungen zurückholen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Diesen Ordner gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Wartet auf Prüfung durch Muttersprachler</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Der Speicher ist voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bild ist kein gültiges Bitmap</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist kein Drucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist nicht gültig</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Zeile %1 ist länger als 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Ungültige Anzahl von Dingen: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nicht genug Speicher für %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Das Bild konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Das Bilderpaket %1 kann nicht hinzugefügt werden:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Kein Paket gewählt</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>So lädst du ein Veldor-Bilderpaket:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Lade eine ZIP-Datei mit einem Veldor-Bilderpaket herunter.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Öffne das Paket oder entpacke es in den Ordner „packs“</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Wähle es dann links in der Paketliste aus.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Bilderpakete</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Paketname:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Gemacht von:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Öffne das Paket oder entpacke es in %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Steinige Klippe</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Kleines Gebirge</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Waldhügel</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Einsame Insel</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Graue Wolken</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Dunkle Wolken</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranger Sonnenuntergang</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Klares Blau</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Wolkiger Tag</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Ringfelsen</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Heißluftballon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Heißluftballon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfball</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gelbe Blume</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Das Veldor-Team</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Winter und Wüste</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Schnee, Sand und Sterne zum Ausprobieren mit deinen eigenen Bildern.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Sternennacht</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Mittag in der Wüste</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Rosa Morgen</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Schneewolken</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Verschneite Hügel</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Sanddünen</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Zugefrorener See</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Rote Schlucht</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Winterdorf</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Häuschen</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Goldene Wälder, Erntefelder und ein großer orangefarbener Mond.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Goldener Nachmittag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Nebliger Morgen</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Herbststurm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Erntemond</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regenbogenschauer</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Ahornhügel</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Kürbisfeld</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Birkensee</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Bauernhof mit roter Scheune</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Weinberg</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Kürbis</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Eichel</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Vogelscheuche</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Am Meer</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Strände, Klippen und Häfen unter Sommerhimmeln.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Sommermittag</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropischer Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Dunst über dem Meer</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Stürmische See</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastellabend</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Sandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Leuchtturmklippe</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmenbucht</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Hafenstadt</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Felsküste</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Leuchtturm</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Wasserball</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Möwe</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Seestern</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Sonnenschirm</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Mondlicht</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nachthimmel voller Sterne über schlafenden Ländern.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Milchstraße</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Sternschnuppen</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Silberwolken</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Hügel im Mondlicht</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Stadt bei Nacht</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Lagerfeuer auf der Lichtung</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Schlafendes Dorf</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Kiefernwald</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Laterne</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Mondsichel</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Mehr Kopien</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Weniger Kopien</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Veldor</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 die Veldor-Entwickler.
Frei zum Benutzen und Weitergeben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Als BMP exportieren</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Wie groß soll das BMP-Bild werden?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (gestreckt)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmap-Dateien (*.bmp);;PNG-Bild (*.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Als BMP exportieren (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Als BMP exportieren (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landschaft: Bilderpaket wählen</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Ding</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Spezialeffekte</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Als BMP exportieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Ein neues Bild anfangen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Ein gespeichertes Bild öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Das Bild speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Das Bild unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>D&amp;rucken...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Drucker &amp;einrichten</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>BMP e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Veldor beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Die zurückgenommene Änderung wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Das Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Alle &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Alle &amp;zurückholen</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Alle nach &amp;vorne</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Alle &amp;hinter das Land</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landschaft</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Himmel</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Dinge</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Spezial&amp;effekte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Die Hilfe zeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über Veldor...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Zeigen, was Veldor ist</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker &amp;einrichten...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Boden</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Nach vorne holen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Hinter das Land</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Vor die Landschaft</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Ding löschen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Alle zurückholen</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Alle nach vorne</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Alle hinter das Land</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-Dateien [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-Datei (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Bilderpaket wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: ein Ding wählen. Pfeile und Enter: hinstellen, verschieben, Größe ändern. Esc: aufgeben.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Wähle ein Ding und ziehe dann sein Rechteck auf dem Bild, oder nimm die Pfeiltasten und Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>bei %1, %2, %3 mal %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Mit Enter bearbeitest du es.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>Aufgegeben: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>stelle zuerst das Ding hin (ziehen, oder Pfeile und Enter), oder drücke Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>antworte zuerst dem Fenster „Neues Ding“, oder drücke Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>antworte zuerst dem Fenster „Ding bearbeiten“, oder drücke Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>lass zuerst das Ding los (klicken, oder Enter), oder drücke Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>antworte zuerst dem Fenster „Ding verschieben“, oder drücke Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>zeichne zuerst die neue Größe (ziehen, oder Pfeile und Enter), oder drücke Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>antworte zuerst dem Fenster „Größe ändern“, oder drücke Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 muss warten: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: ziehe es auf dem Bild, oder drücke dort eine Pfeiltaste.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Mehr Dinge</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Tippe einen Namen, wie Katze oder Bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Finde ein Ding über seinen Namen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Dinge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andere Dinge</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Im Ordner packs ist kein Bilderpaket mit Dingen.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Kein Ding heißt „%1“.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 Ding</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 Dinge</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Dinge: Bilderpaket wählen</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Wähle ein Ding</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Mehr Dinge...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Für einen anderen Drucker drücke „Drucker einrichten“</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>So viele Kopien druckt Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Drucker einrichten...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Kopien</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Himmel: Bilderpaket wählen</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Bitte warten, das Bild entsteht...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Spezialeffekte</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Effekte brauchen etwas Zeit.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Die Effekte verschwinden, wenn das Bild neu gezeichnet wird.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Nimm Spezialeffekte erst, wenn deine Landschaft fertig ist. Dann kannst du</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>das Bild mit den Effekten speichern oder drucken.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Diese Effekte anwenden:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Farben umkehren</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Umkehrfarbe...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Einfärben</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Farbton...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Effekte werden angewendet...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Quick Start Tutorial
-=-=-=-=-=-=-=-=-=-=

This short tutorial helps you get started with Veldor and make your first picture.

Step One:- Choose Sky

Click the sky icon, the second button from the left on the toolbar. The sky editor opens. Click one of the sky pictures; &apos;Dark Clouds&apos; is a good one to begin with. The picture is rendered with the new sky. When it has rendered, close the sky editor.

Step Two - Choose Landscape

Click the landscape icon, the first button on the toolbar, and pick a landscape. Try &apos;Deserted Island&apos;. The landscape is drawn over the sky, and the sky&apos;s light colours it.

Step Three - Adding and Editing Objects

Click the object icon, the third button from the left, and select the &apos;Hot Air Balloon&apos;. The object window closes.

Now press the mouse button where the balloon should be and, keeping it held down, drag down and to the right. The rectangle you drag is the size the balloon will have.

When you let go, the balloon is drawn and a small window asks whether to keep it:
   &apos;Re-Size It&apos; renders the picture again so that you can drag the balloon&apos;s rectangle once more, just as before.
   &apos;Do Not Keep It&apos; cancels the new object.
   &apos;Keep It&apos; keeps it in your picture.

Click on an object later to move it, re-size it, delete it, or put it behind the land.

Using the keyboard:-
   Press Tab until the picture shows a dotted frame. After you have picked an object, press an arrow key: a rectangle shows where it goes. The arrow keys move it (with Shift, ten steps at a time), Ctrl and the arrow keys make it bigger or smaller, Enter puts the object there, and Escape gives it up.
   With nothing picked, Tab and Shift+Tab go from one object in the picture to the next; Enter opens its window, as a click on it would.
   After &apos;Move It&apos; or &apos;Re-Size It&apos;, the arrow keys move the outline or change its size, and Enter finishes. Escape stops any change, as Cancel does.

Step Four - Finishing Your Image

   Anti-aliasing:-
   Anti-aliasing smooths the rough edges of objects and landscapes. Click the effects icon, the fourth from the left. Leave only the anti-aliasing box crossed and click &apos;Apply Effects&apos;.

   Saving As BMP:-
   Click the export icon, the second button from the right. A window opens in which you choose the size of the image; then the usual save window asks for a file name.

Button Help
-=-=-=-=-=-

(Starting from icons left to right).

Landscape - Select a landscape.
Sky:- Select a sky.
Object:- Add an object.
Effects:- Apply effects to your image.
------------------------------
New:- Start a new image.
Print:- Print your image (includes more options).
Save:- Save your image as a .VDR file.
Load:- Load in a .VDR file.
Save BMP:- Save image as a .BMP file.
------------------------------
Refresh:- Re-renders your image.

Right-click on the picture for a menu with every command.
The Tools menu deletes, restores or moves all objects at once.
</source>
        <translation>Kurze Anleitung
-=-=-=-=-=-=-=-

Diese kurze Anleitung hilft dir, mit Veldor dein erstes Bild zu machen.

Schritt 1: Himmel wählen

Klicke auf das Himmel-Bild, den zweiten Knopf von links oben in der Leiste. Das Himmel-Fenster geht auf. Klicke auf einen Himmel; „Dunkle Wolken“ ist gut für den Anfang. Das Bild wird mit dem neuen Himmel gezeichnet. Wenn es fertig ist, schließe das Himmel-Fenster.

Schritt 2: Landschaft wählen

Klicke auf das Landschaft-Bild, den ersten Knopf in der Leiste, und wähle eine Landschaft. Probiere „Einsame Insel“. Die Landschaft wird über den Himmel gezeichnet, und das Licht des Himmels färbt sie.

Schritt 3: Dinge hinzufügen und ändern

Klicke auf das Ding-Bild, den dritten Knopf von links, und wähle den „Heißluftballon“. Das Fenster geht zu.

Drücke jetzt die Maustaste dort, wo der Ballon hin soll, halte sie fest und ziehe nach rechts unten. So groß wie das Rechteck wird der Ballon.

Wenn du loslässt, wird der Ballon gezeichnet, und ein kleines Fenster fragt, ob du ihn behalten willst:
   „Größe ändern“ zeichnet das Bild neu, damit du das Rechteck für den Ballon noch einmal ziehen kannst.
   „Nicht behalten“ nimmt das neue Ding wieder weg.
   „Behalten“ lässt es in deinem Bild.

Klicke später auf ein Ding, um es zu verschieben, seine Größe zu ändern, es zu löschen oder hinter das Land zu stellen.

Mit der Tastatur:
   Drücke Tab, bis das Bild einen gepunkteten Rahmen zeigt. Wenn du ein Ding gewählt hast, drücke eine Pfeiltaste: Ein Rechteck zeigt, wo es hinkommt. Die Pfeiltasten verschieben es (mit Umschalt zehn Schritte auf einmal), Strg und die Pfeiltasten machen es größer oder kleiner, Enter stellt das Ding dorthin, und Esc gibt es auf.
   Ist nichts gewählt, gehen Tab und Umschalt+Tab von einem Ding im Bild zum nächsten; Enter öffnet sein Fenster, wie ein Klick darauf.
   Nach „Verschieben“ oder „Größe ändern“ verschieben die Pfeiltasten den Umriss oder ändern seine Größe, und Enter macht es fertig. Esc bricht jede Änderung ab, wie Abbrechen.

Schritt 4: Das Bild fertig machen

   Glätten:
   Glätten macht die rauen Ränder von Dingen und Landschaften weich. Klicke auf das Effekte-Bild, den vierten Knopf von links. Lass nur das Kästchen „Glätten“ angekreuzt und klicke auf „Anwenden“.

   Als BMP speichern:
   Klicke auf das Export-Bild, den zweiten Knopf von rechts. Ein Fenster geht auf, in dem du die Größe des Bildes wählst; dann fragt das Speichern-Fenster nach einem Dateinamen.

Die Knöpfe
-=-=-=-=-=

(Von links nach rechts.)

Landschaft: Eine Landschaft wählen.
Himmel: Einen Himmel wählen.
Ding: Ein Ding hinzufügen.
Effekte: Effekte auf dein Bild anwenden.
------------------------------
Neu: Ein neues Bild anfangen.
Drucken: Dein Bild drucken (mit mehr Einstellungen).
Speichern: Dein Bild als .VDR-Datei speichern.
Öffnen: Eine .VDR-Datei öffnen.
BMP speichern: Das Bild als .BMP-Datei speichern.
------------------------------
Neu zeichnen: Zeichnet dein Bild neu.

Klicke mit der rechten Maustaste auf das Bild: Dann kommt ein Menü mit allen Befehlen.
Das Menü „Werkzeuge“ löscht, holt zurück oder verschiebt alle Dinge auf einmal.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Wähle eine Landschaft</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Keine Landschaft</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Ding verschieben</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Du hast ein Ding verschoben. Was möchtest du tun?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>So lassen</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Ein neues Bild anfangen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Das ist keine Veldor-Datei</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Ding bearbeiten</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Du hast dieses Ding gewählt:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Was möchtest du damit tun?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Nach vorne holen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Hinter das Land</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Neues Ding</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Du hast ein neues Ding. Was möchtest du damit tun?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nicht behalten</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Ding bearbeiten</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Du hast ein Ding hinter der Landschaft gewählt.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Was möchtest du tun mit:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Vor die Landschaft holen</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Ding löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Du hast die Größe eines Dings geändert. Was möchtest du tun?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>So lassen</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Wähle einen Himmel</translation>
    </message>
</context>
</TS>
