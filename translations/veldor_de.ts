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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji von Google (SIL Open Font License), für Veldor flach gezeichnet</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Die Veldor-Entwickler</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Bauernhoftiere</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kuh</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Ziege</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Huhn</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Ochse</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Wasserbüffel</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Truthahn</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Esel</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Kuhkopf</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Schweinekopf</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Pferdekopf</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gans</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Waldtiere</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Streifenhörnchen</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Igel</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Dachs</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Waschbär</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Biber</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Wildschwein</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Stinktier</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Elch</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Fledermaus</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Raupe</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Biene</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Adler</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Ameise</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spinne</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Meerestiere</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Wal mit Fontäne</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Wal</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropenfisch</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Kugelfisch</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Hai</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Tintenfisch</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Hummer</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Garnele</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muschel</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Robbe</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Qualle</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Otter</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Auster</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Dschungeltiere</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orang-Utan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tigerkopf</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopard</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Nilpferd</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Nashorn</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Faultier</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedar</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Kamel</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Känguru</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Eidechse</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Affenkopf</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Welpe</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kätzchen</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Mauskopf</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Häschen</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Blindenhund</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Pfotenspuren</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Knochen</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Schlüpfendes Küken</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Nest mit Eiern</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Menschen</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Junge</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mann</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Ältere Person</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Opa</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Oma</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Blonde Person</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Mann mit Bart</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Hand in Hand</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Zwei Freunde</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tänzerin</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Tanzender Mann</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stehende Person</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Winkende Hand</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Hand hoch</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Fröhliches Gesicht</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Cooles Gesicht</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Umarmendes Gesicht</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Berufe und Werkzeug</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Polizist</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Bauarbeiter</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Wache</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektiv</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Braut</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Person im Anzug</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stethoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Schraubenschlüssel</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Säge</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Malpalette</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Briefkasten</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Feuerlöscher</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Besen</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Rettungshelm</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Doktorhut</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Wachsmalstift</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Reagenzglas</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktentasche</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Werkzeugkasten</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Fahrzeuge</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Geländewagen</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Oberleitungsbus</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Rennauto</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Polizeiauto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Krankenwagen</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Feuerwehrauto</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Kleinbus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Lieferwagen</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Lastwagen</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Mofa</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Tretroller</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Dampflok</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>U-Bahn</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Straßenbahn</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Einschienenbahn</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Kleines Flugzeug</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Rennboot</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Fähre</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kanu</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Seilbahn</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Bergbahn</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Rikscha</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Haus mit Garten</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Häuser</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Bürohaus</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postamt</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Krankenhaus</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Kaufhaus</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrik</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japanische Burg</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Schloss</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Hochzeitskapelle</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Statue</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kirche</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moschee</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagoge</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Schrein</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Baukran</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Hütte</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Altes Haus</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Zirkuszelt</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Steinkopf</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Pflanzen und Bäume</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Nadelbaum</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Keimling</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Kraut</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Kleeblatt</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Glücksklee</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Herbstlaub</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Blätter im Wind</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Reisgarbe</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Welke Blume</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kirschblüte</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Blüte</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Blumenstrauß</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Topfpflanze</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Fliegenpilz</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Holzstamm</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotusblume</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyazinthe</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanie</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Wunschbaum</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Kieferngesteck</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Leeres Nest</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Obst und Gemüse</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Grüner Apfel</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Blaubeeren</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melone</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avocado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Gurke</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Knoblauch</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Zwiebel</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Kartoffel</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Brot</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baguette</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Brezel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Käse</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Spiegelei</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pfannkuchen</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Waffel</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Pommes</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hotdog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Keks</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Geburtstagstorte</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokolade</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lutscher</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Honigtopf</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Glas Milch</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Saftpäckchen</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Heißes Getränk</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pastete</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Spielzeug und Sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Football</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rugbyball</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tennisball</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Kricketschläger</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hockeyschläger</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Tischtennis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Federball</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boxhandschuh</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golffahne</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Schlittschuh</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Angel</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Rollschuh</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Schlitten</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingstein</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Skier</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matroschka</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Puzzleteil</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Goldmedaille</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Dartscheibe</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Rutsche</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Geige</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Lange Trommel</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Rasseln</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Weltraum</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Ufo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Erde mit Asien</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Ringplanet</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Mondgesicht</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lächelnder Mond</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Lächelnde Sonne</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Leuchtender Stern</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Wirbelstern</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Sternschnuppe</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Fernrohr</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Außerirdischer</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pixelmonster</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Erde mit Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Halbmond</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Dreiviertelmond</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sonne hinter Wolke</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Gewitterwolke</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sonne und Wolken</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sonne und Regen</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Schneewolke</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Blitzwolke</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Nebel</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Wirbelwind</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Schirm im Regen</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Schneemann im Schnee</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Eiswürfel</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasie</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Zauberer</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fee</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampir</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Meerjungfrau</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elfe</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Dschinn</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Drachenkopf</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Langhals-Dino</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Gespenst</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Oger</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Kristallkugel</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prinz</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prinzessin</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superheld</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Bösewicht</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Alter Schlüssel</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dolch</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Pfeil und Bogen</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Feste und Jahreszeiten</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Kürbislaterne</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Weihnachtsbaum</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Weihnachtsmann</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Weihnachtsfrau</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Knallbonbon</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettiball</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Böller</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Windspiel</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karpfenfahne</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Festpuppen</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Rote Laterne</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Öllampe</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Roter Umschlag</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Discokugel</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Schal</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Handschuhe</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Mantel</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Stiefel</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Sonnenhut</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sonnenbrille</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Badeanzug</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Weiße Fahne</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Zielflagge</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Stadt und Land</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Seitliche Ampel</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stoppschild</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Zapfsäule</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Bushaltestelle</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Mülleimer</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Einkaufswagen</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Korb</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Bett</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Postkasten</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Ziegelsteine</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Axt</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Spitzhacke</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Schulranzen</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Rettungsring</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Brunnen</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Riesenrad</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Achterbahn</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Karussellpferd</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Alte Post</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Bergzug</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Frühlings- und Sommertage</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Frühlingsmorgen</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Blütenwind</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Warmer Abend</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Frühlingswiese</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Sommerfelder</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Blühender Obstgarten</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Grünes Tal</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Mohnhügel</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Herbst- und Wintertage</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Herbstnachmittag</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Wintersonne</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Schneefall</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Frostiger Abend</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Herbstwald</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Erntehügel</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Kahle Bäume</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Verschneite Felder</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Zugefrorener Teich</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Regen, Sturm, Wind und Nebel</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Regenwolken</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Windiger Tag</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Nebeltag</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Nasse Wiese</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Grüne Hügel</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Windige Heide</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Neblige Hügel</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Mond, Sterne und Dunkelheit</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Dunkle Hügel</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Stadt bei Nacht</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>See im Mondlicht</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Stilles Dorf</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Späte Abende und tiefe Nächte</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Lila Abend</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Mitternachtsblau</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Sternschnuppen</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Laternennacht</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Burgberg</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Schlafender Hof</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Hafen bei Nacht</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Stiller Schnee</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Lichter der Stadt</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sonne, Sand und Meer</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Strandtag</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropensonne</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Meeresbrise</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Sonnenuntergang am Meer</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Wolkige Küste</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Ruhiges Meer</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Felsufer</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Hafen</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmeninsel</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Klippen, Wellen und Leuchttürme</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Heller Morgen</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Möwen und Wolken</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Goldene Stunde</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Grauer Meerestag</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Rosa Sonnenaufgang</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Weiße Klippen</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Große Wellen</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Leuchtturmspitze</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Muschelstrand</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagune</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Wüste</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dünen, Schluchten und Kakteen</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Wüstensonne</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Heißer Mittag</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Staubiger Himmel</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Wüstenabend</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Wüstennacht</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kakteenebene</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oase</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Steintürme</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Eis, Schnee und hohe Berge</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Klares Eisblau</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polarnacht</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Alpenmorgen</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Schneesturm</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Verschneite Gipfel</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Eisschollen</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Skipiste</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Igludorf</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Straßen, Parks und Dächer</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Stadtmorgen</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Belebter Nachmittag</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Regnerische Stadt</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Stadtabend</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Rauchiger Himmel</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Dächer</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Hauptstraße</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Hochhäuser</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Altstadt</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Auf dem Land</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Höfe, Felder und Dörfer</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Morgen auf dem Hof</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Heuernte</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Wolken überm Land</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Abend im Obstgarten</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Bunte Felder</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Dorfwiese</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Obstgarten</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Windiger Hof</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeten, Monde und Sterne</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Tiefer Weltraum</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Erdaufgang</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Zwei Monde</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebelwolke</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Mondkrater</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Roter Planet</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Eiswelt</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Alien-Dschungel</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Raumstation</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
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
