<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Lucht: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Geen grond.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Grond: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Voorwerpen: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor-logo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Printer kiezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Pakket laden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effecten: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Mijn plaatje toevoegen</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Mijn plaatje toevoegen...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>De tekening is veranderd.
Wil je hem bewaren?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>een tekening die nooit bewaard is</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor stopte voordat %1 bewaard was.
Wil je de veranderingen terug?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terughalen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Deze map bestaat niet.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Wacht op controle door moedertaalsprekers</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Geen toegang tot het bestand</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>De schijf is vol</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>In-/uitvoerfout %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>De bitmap is niet geldig</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Kan geen PNG maken</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Er is geen printer gekozen</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>De gekozen printer is niet geldig</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME en HOME zijn allebei niet ingesteld</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Regel %1 is langer dan 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Ongeldig aantal voorwerpen: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Niet genoeg geheugen voor %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>De tekening kon niet geprint worden: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Het plaatjespakket %1 kan niet worden toegevoegd:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan bestand %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Kan bestand %1 niet maken: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Geen pakket gekozen</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Zo laad je een Veldor-plaatjespakket:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Download een zipbestand met een Veldor-plaatjespakket.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Open het pakket, of pak het uit in de map „packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Kies het dan links in de lijst.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Plaatjespakketten</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Gemaakt door:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Open het pakket, of pak het uit in %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stenen klif</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Kleine bergen</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Bosheuvels</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Onbewoond eiland</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Grijze wolken</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Donkere wolken</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranje zonsondergang</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Helder blauw</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Bewolkte dag</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Ringrots</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Luchtballon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Luchtballon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfbal</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gele bloem</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Het Veldor-team</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Winter en woestijn</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Sneeuw, zand en sterren om te proberen met je eigen plaatjes.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Sterrennacht</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Middag in de woestijn</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Noorderlicht</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Roze ochtend</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Sneeuwwolken</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Besneeuwde heuvels</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Zandduinen</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Bevroren meer</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Rode kloof</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Winterdorp</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Dennenboom</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Huisje</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Sneeuwpop</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herfst</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Gouden bossen, oogstvelden en een grote oranje maan.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Gouden middag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mistige ochtend</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Herfststorm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Oogstmaan</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regenboogbui</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Esdoornheuvels</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Pompoenveld</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Berkenmeer</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Boerderij met rode schuur</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Wijngaard</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Pompoen</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Esdoornblad</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Paddenstoel</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Eikel</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Vogelverschrikker</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Aan zee</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Stranden, kliffen en havens onder een zomerlucht.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Zomermiddag</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropische zonsondergang</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Zeenevel</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Woeste zee</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastelavond</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Zandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Vuurtorenklif</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmenbaai</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Havenstad</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Rotskust</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Vuurtoren</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Strandbal</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Meeuw</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Zeester</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Maanlicht</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nachtluchten vol sterren boven slapende landen.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Melkweg</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Schemering</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Vallende sterren</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Zilveren wolken</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Heuvels in maanlicht</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Stad bij nacht</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Kampvuur</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Slapend dorp</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Dennenbos</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uil</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lantaarn</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kaars</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Maansikkel</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji van Google (SIL Open Font License), plat gemaakt voor Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>De makers van Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Boerderijdieren</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Koe</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Varken</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Schaap</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Geit</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Haan</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Kip</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kuikentje</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Eend</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Paard</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Waterbuffel</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkoen</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Ezel</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Konijn</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Koeienkop</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Varkenskop</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Paardenhoofd</translation>
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
        <translation>Bosdieren</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Vos</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Beer</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hert</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Eekhoorn</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Egel</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Das</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Wasbeer</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bever</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Wild zwijn</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Stinkdier</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Eland</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Vleermuis</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Kikker</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Slak</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Rups</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Vlinder</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Bij</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Lieveheersbeestje</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Adelaar</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Mier</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Krekel</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Zeedieren</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Spuitende walvis</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Walvis</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dolfijn</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropische vis</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Kogelvis</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Haai</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Octopus</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Inktvis</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Kreeft</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Garnaal</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Schelp</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Zeehond</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Schildpad</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Kwal</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguïn</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Otter</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koraal</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Oester</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Jungledieren</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Aap</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orang-oetan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Olifant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leeuw</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tijgerkop</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tijger</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Luipaard</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraf</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Nijlpaard</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Neushoorn</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Slang</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papegaai</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Luiaard</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedaris</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Kameel</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kangoeroe</translation>
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
        <translation>Hagedis</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pauw</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Apenkop</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Huisdieren</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kat</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hond</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Poedel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Puppy</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Poesje</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Muizenkop</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Muis</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Konijntje</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Blindengeleidehond</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Pootafdrukken</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kuiken</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kuiken uit ei</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Nest met eieren</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Mensen</translation>
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
        <translation>Jongen</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Meisje</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoon</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Vrouw</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Oudere</translation>
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
        <translation>Blond iemand</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Man met baard</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Gezin</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Hand in hand</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Twee vriendinnen</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Wandelaar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Hardloper</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Danseres</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dansende man</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Staande persoon</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Zwaaiende hand</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Hand omhoog</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Blij gezicht</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Stoer gezicht</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Knuffelgezicht</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Werk en gereedschap</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Politieagent</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Bouwvakker</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Wachter</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detective</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Bruid</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Man in pak</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stethoscoop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Moersleutel</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hamer</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Zaag</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Verfpalet</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Penseel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Brievenbus</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Brandblusser</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Bezem</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Reddingshelm</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Afstudeerhoed</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscoop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Boeken</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Waskrijt</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Liniaal</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Reageerbuis</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktetas</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Gereedschapskist</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Ladder</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Emmer</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magneet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Gloeilamp</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Voertuigen</translation>
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
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolleybus</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Raceauto</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Politieauto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Brandweerauto</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Busje</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Bestelwagen</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Vrachtwagen</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Scooter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Stoomtrein</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Trein</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tram</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorail</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Vliegtuig</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Klein vliegtuig</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Speedboot</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Schip</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Veerboot</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Kabelbaan</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Gondel</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riksja</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebouwen</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Huis met tuin</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Huizen</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kantoorgebouw</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postkantoor</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Ziekenhuis</translation>
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
        <translation>Winkel</translation>
    </message>
    <message>
        <source>School</source>
        <translation>School</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Warenhuis</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabriek</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japans kasteel</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Kasteel</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Trouwkapel</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Toren</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Standbeeld</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kerk</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moskee</translation>
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
        <translation>Japanse poort</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Bouwkraan</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tent</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Oud huis</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Circustent</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Stenen hoofd</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Planten en bomen</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Boom</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Spar</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmboom</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Plantje</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Kruid</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Klaver</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Klavertjevier</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Afgevallen blad</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Blad in de wind</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Rijstschoof</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulp</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Roos</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Verwelkte bloem</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kersenbloesem</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Bloem</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Zonnebloem</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Boeket</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Kamerplant</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Paddenstoel</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Boomstam</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyacint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanje</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Wensboom</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Dennenversiering</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Leeg nest</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rots</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Fruit en groente</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Groene appel</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Peer</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Sinaasappel</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citroen</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banaan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Watermeloen</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Druiven</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Aardbei</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Bosbessen</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Meloen</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kersen</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Perzik</translation>
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
        <translation>Kokosnoot</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomaat</translation>
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
        <translation>Broccoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Wortel</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Maïs</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Rode peper</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Komkommer</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Sla</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Knoflook</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Ui</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Aardappel</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Eten</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Brood</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Stokbrood</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Krakeling</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Kaas</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Gebakken ei</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pannenkoeken</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Wafel</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Friet</translation>
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
        <translation>Boterham</translation>
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
        <translation>IJsje</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Koekje</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Verjaardagstaart</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Gebakje</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocola</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Snoepje</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lolly</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Honingpot</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Glas melk</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Pakje sap</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Warme drank</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Taart</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Speelgoed en sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Honkbal</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleybal</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>American football</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rugbybal</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tennisbal</translation>
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
        <translation>Cricketbat</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hockeystick</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Pingpong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Bokshandschoen</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfvlag</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Schaats</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Hengel</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Rolschaats</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Slee</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingsteen</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Ski&apos;s</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Vlieger</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Teddybeer</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matroesjka</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Puzzelstukje</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Spelcontroller</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Beker</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Gouden medaille</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Dartbord</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Boemerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Glijbaan</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitaar</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofoon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Viool</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Accordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Lange trommel</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Sambaballen</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Fluit</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Koptelefoon</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Muzieknoot</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Ruimte</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Vliegende schotel</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Aarde</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Aarde met Azië</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Ringplaneet</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nieuwe maan</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Maan met gezicht</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lachende maan</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Lachende zon</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Stralende ster</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Draaiende ster</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komeet</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Vallende ster</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescoop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Buitenaards wezen</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pixelmonster</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Aarde met Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Afnemende maan</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Halve maan</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Bijna volle maan</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolk</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Zon achter wolk</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Onweerswolk</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Zon en wolkje</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewolkt</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Zon en regen</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Regenwolk</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Sneeuwwolk</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Bliksemwolk</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Wervelwind</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraplu</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Paraplu in regen</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Bliksem</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sneeuwvlok</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Sneeuwpop in sneeuw</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Vuur</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regendruppel</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>IJsblokje</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasie</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Tovenaar</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fee</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampier</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Zeemeermin</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Geest uit de lamp</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trol</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Eenhoorn</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Draak</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Drakenkop</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Langnekdino</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Spook</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Boeman</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Kroon</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Glazen bol</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Toverstaf</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prins</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prinses</translation>
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
        <translation>Schurk</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Edelsteen</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Oude sleutel</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engeltje</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dolk</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Pijl en boog</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Seizoenen en feesten</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Pompoenlampion</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Kerstboom</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Kerstman</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Kerstvrouw</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Feestknaller</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Confettibal</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Vuurwerk</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Strik</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Windgong</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karpervlag</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Feestpoppen</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Rode lampion</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Olielampje</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Rode envelop</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Discobal</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Sjaal</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Handschoenen</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Laars</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Zonnehoed</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Zonnebril</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Badpak</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Witte vlag</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Geblokte vlag</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Stad en land</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Stoplicht</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Liggend stoplicht</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stopbord</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Wegafzetting</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzinepomp</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Bushalte</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Wiel</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Prullenbak</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stoel</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Winkelwagen</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Mand</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Deur</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Raam</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Bed</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Huisbrievenbus</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Bakstenen</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Bijl</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Houweel</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Schooltas</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Zaklamp</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Reddingsboei</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontein</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Reuzenrad</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Achtbaan</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Draaimolenpaard</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Oud postkantoor</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Bergtrein</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Seizoenen</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Lente- en zomerdagen</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Lenteochtend</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Bloesembries</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Warme avond</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Lenteweide</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Zomervelden</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Bloeiende boomgaard</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Groen dal</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Klaprozenheuvel</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Herfst- en winterdagen</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Herfstmiddag</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Winterzon</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Sneeuwval</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Vriesavond</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Herfstbos</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Oogstheuvels</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Kale bomen</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Besneeuwde velden</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Bevroren vijver</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Regen, storm, wind en mist</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Regenwolken</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Onweer</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Winderige dag</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Mistige dag</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Natte wei</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Groene heuvels</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Winderige heide</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Mistige heuvels</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Maan, sterren en het donker</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Donkere heuvels</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Stadje bij nacht</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Meer in maanlicht</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Stil dorp</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Late avonden en diepe nachten</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Paarse schemer</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Maansopkomst</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Middernachtblauw</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Vallende sterren</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lampionnennacht</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Kasteelheuvel</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Slapende boerderij</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Haven bij nacht</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Stille sneeuw</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Stadslichten</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Zon, zand en zee</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Stranddag</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropische zon</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Zeebries</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Zonsondergang op zee</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Bewolkte kust</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Kalme zee</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Rotsige kust</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Haven</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmeneiland</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Kliffen, golven en vuurtorens</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Heldere ochtend</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Meeuwen en wolken</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Gouden uur</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Grijze zeedag</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Roze zonsopgang</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Witte kliffen</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Hoge golven</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Vuurtorenkaap</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Schelpenstrand</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagune</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Woestijn</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Duinen, kloven en cactussen</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Woestijnzon</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Hete middag</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Stoffige lucht</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Woestijnavond</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Woestijnnacht</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Cactusvlakte</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oase</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Stenen torens</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sneeuw</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>IJs, sneeuw en hoge bergen</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Helder winterblauw</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Poolnacht</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Bergochtend</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Sneeuwstorm</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Besneeuwde toppen</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>IJsschotsen</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Skipiste</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Igloodorp</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Straten, parken en daken</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Ochtend in de stad</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Drukke middag</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Regen in de stad</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Avond in de stad</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Rokerige lucht</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Daken</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Winkelstraat</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Wolkenkrabbers</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Oude binnenstad</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Platteland</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Boerderijen, velden en dorpen</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Boerderijochtend</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Hooidag</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Wolken boven land</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Boomgaardavond</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Bonte velden</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Dorpsplein</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Boomgaard</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Winderige boerderij</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeten, manen en sterren</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Diep heelal</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Aardopkomst</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Twee manen</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nevel</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Maankraters</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Rode planeet</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>IJswereld</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Vreemde jungle</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Ruimtebasis</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Meer kopieën</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Minder kopieën</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Over Veldor</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versie 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 de makers van Veldor.
Vrij te gebruiken en te delen.</translation>
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
        <translation>Opslaan als BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Hoe groot moet het BMP-plaatje worden?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (gewoon)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (uitgerekt)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmapbestanden (*.bmp);;PNG-plaatje (*.png);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Opslaan als BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Opslaan als BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landschap: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Tekening</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschap</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Lucht</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Voorwerp</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Speciale effecten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Opslaan als BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Opnieuw tekenen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Een nieuwe tekening beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Een bewaarde tekening openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Be&amp;waren</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>De tekening bewaren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Bewaren &amp;als...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>De tekening onder een nieuwe naam bewaren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Printen...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>P&amp;rinter kiezen</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Opslaan als B&amp;MP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Veldor stoppen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>De laatste verandering ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>De ongedane verandering opnieuw doen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>De tekening naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Gereedschap</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Alles &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Alles &amp;terughalen</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Alles naar &amp;voren</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Alles &amp;achter het land</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landschap</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>L&amp;ucht</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>V&amp;oorwerpen</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Speciale &amp;effecten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>De hulp laten zien</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O&amp;ver Veldor...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Laten zien wat Veldor is</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rinter kiezen...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Grond</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Achter het land</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Voor het landschap</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Voorwerp wissen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effecten</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Alles terughalen</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Alles naar voren</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Alles achter het land</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-bestanden [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-bestand (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Pakket wordt toegevoegd...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: kies een voorwerp. Pijlen en Enter: neerzetten, verplaatsen, grootte veranderen. Escape: stoppen.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Kies een voorwerp en sleep dan zijn rechthoek op de tekening, of gebruik de pijltjestoetsen en Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>op %1, %2, %3 bij %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Met Enter verander je het.</translation>
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
        <translation>Gestopt: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>zet eerst het voorwerp neer (slepen, of pijlen en Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Nieuw voorwerp’, of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Voorwerp veranderen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>laat eerst het voorwerp los (klikken, of Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Voorwerp verplaatsen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>teken eerst de nieuwe grootte (slepen, of pijlen en Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Grootte veranderen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 moet wachten: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: sleep het op de tekening, of druk daar op een pijltjestoets.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Tekening: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Meer voorwerpen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Typ een naam, zoals kat of bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Zoek een voorwerp op zijn naam</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Voorwerpen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andere voorwerpen</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Er is geen plaatjespakket met voorwerpen in de map packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Geen voorwerp heet ‘%1’.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 voorwerp</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 voorwerpen</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Voorwerpen: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Kies een voorwerp</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Meer voorwerpen...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Voor een andere printer klik je op ‘Printer...’</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Aantal kopieën:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Aantal kopieën</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Printen naar bestand</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-bestanden (*.pdf);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Lucht: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Even wachten, ik teken...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Speciale effecten</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Effecten kosten wat tijd.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Let op: de effecten gaan weg als de tekening opnieuw getekend wordt.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Gebruik effecten als je landschap klaar is. Dan kun je</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>je tekening met de effecten bewaren of printen.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Deze effecten gebruiken:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Gladmaken</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Kleuren omdraaien</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Kleur...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Tint...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Donkerder</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Effecten bezig...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor-hulp</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hulptekst</translation>
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
        <translation>Snel beginnen
-=-=-=-=-=-=-

Deze korte uitleg helpt je om met Veldor je eerste tekening te maken.

Stap 1: kies een lucht

Klik op het plaatje van de lucht, de tweede knop van links in de balk. Het luchtvenster gaat open. Klik op een lucht; ‘Donkere wolken’ is goed om mee te beginnen. De tekening wordt gemaakt met de nieuwe lucht. Als hij klaar is, sluit je het luchtvenster.

Stap 2: kies een landschap

Klik op het plaatje van het landschap, de eerste knop in de balk, en kies een landschap. Probeer ‘Onbewoond eiland’. Het landschap wordt over de lucht getekend, en het licht van de lucht geeft het kleur.

Stap 3: voorwerpen toevoegen en veranderen

Klik op het plaatje van de voorwerpen, de derde knop van links, en kies de ‘Luchtballon’. Het venster gaat dicht.

Druk nu de muisknop in waar de ballon moet komen, houd hem vast en sleep naar rechtsonder. Zo groot als het vak dat je sleept, wordt de ballon.

Als je loslaat, wordt de ballon getekend en vraagt een klein venster of je hem wilt houden:
   ‘Grootte veranderen’ tekent opnieuw, zodat je het vak voor de ballon nog eens kunt slepen.
   ‘Niet houden’ haalt het nieuwe voorwerp weg.
   ‘Houden’ laat het in je tekening.

Klik later op een voorwerp om het te verplaatsen, groter of kleiner te maken, te wissen of achter het land te zetten.

Met het toetsenbord:
   Druk op Tab tot de tekening een rand van stippen heeft. Als je een voorwerp hebt gekozen, druk je op een pijltjestoets: een rechthoek laat zien waar het komt. De pijltjestoetsen verplaatsen het (met Shift tien stappen tegelijk), Ctrl en de pijltjestoetsen maken het groter of kleiner, Enter zet het voorwerp daar neer, en met Escape stop je ermee.
   Als er niets gekozen is, gaan Tab en Shift+Tab van het ene voorwerp in de tekening naar het volgende; Enter opent zijn venster, net als een klik erop.
   Na ‘Verplaatsen’ of ‘Grootte veranderen’ verplaatsen de pijltjestoetsen de omtrek of veranderen ze de grootte, en met Enter ben je klaar. Escape stopt elke verandering, net als Annuleren.

Stap 4: je tekening afmaken

   Gladmaken:
   Gladmaken maakt de ruwe randen van voorwerpen en landschappen zacht. Klik op het plaatje van de effecten, de vierde knop van links. Laat alleen het vakje ‘Gladmaken’ aangevinkt en klik op ‘Toepassen’.

   Opslaan als BMP:
   Klik op het plaatje voor opslaan als BMP, de tweede knop van rechts. Er gaat een venster open waarin je de grootte kiest; daarna vraagt het bewaarvenster om een bestandsnaam.

De knoppen
-=-=-=-=-=

(Van links naar rechts.)

Landschap: kies een landschap.
Lucht: kies een lucht.
Voorwerp: voeg een voorwerp toe.
Effecten: gebruik effecten op je tekening.
------------------------------
Nieuw: begin een nieuwe tekening.
Printen: print je tekening (met meer keuzes).
Bewaren: bewaar je tekening als .VDR-bestand.
Openen: open een .VDR-bestand.
Opslaan als BMP: bewaar de tekening als .BMP-bestand.
------------------------------
Opnieuw tekenen: tekent je tekening opnieuw.

Klik met de rechtermuisknop op de tekening voor een menu met alle opdrachten.
Het menu Gereedschap wist, haalt terug of verplaatst alle voorwerpen tegelijk.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Kies een landschap</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Geen landschap</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Voorwerp verplaatsen</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Je hebt een voorwerp verplaatst. Wat wil je doen?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Zo laten</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nieuwe tekening</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Een nieuwe tekening beginnen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Dit is geen Veldor-bestand</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Voorwerp veranderen</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Je hebt dit voorwerp gekozen:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Wat wil je ermee doen?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Achter het land</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nieuw voorwerp</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Je hebt een nieuw voorwerp. Wat wil je ermee doen?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Niet houden</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Voorwerp veranderen</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Je hebt een voorwerp achter het landschap gekozen.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Wat wil je doen met:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Voor het landschap zetten</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Voorwerp wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Je hebt de grootte van een voorwerp veranderd. Wat wil je doen?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Zo laten</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Kies een lucht</translation>
    </message>
</context>
</TS>
