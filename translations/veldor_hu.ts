<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Ég: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Nincs föld.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Föld: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>és még %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Tárgyak: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor-logó</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Nyomtató választása</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Csomag betöltése</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effektek: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Saját kép hozzáadása</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Saját kép hozzáadása...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>A kép megváltozott.
Szeretnéd menteni?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>egy kép, amelyet még nem mentettél</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>A Veldor bezárult, mielőtt %1 mentve lett.
Visszakéred a változásokat?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszakérem</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Eldobom</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Ez a mappa nem létezik.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Anyanyelvi ellenőrzésre vár</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>A fájl nem található</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>A fájlhoz nincs hozzáférés</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>A lemez megtelt</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Be-/kimeneti hiba: %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A bitkép nem érvényes</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Nem sikerült PNG-t készíteni</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nincs kiválasztott nyomtató</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A kiválasztott nyomtató nem érvényes</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>sem az XDG_DATA_HOME, sem a HOME nincs beállítva</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>A(z) %1. sor hosszabb 1 MiB-nál</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nem érvényes egész szám</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Hibás tárgyszám: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nincs elég memória: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>A képet nem sikerült kinyomtatni: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>A(z) %1 képcsomag nem adható hozzá:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>A(z) %1 fájl nem nyitható meg: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>A(z) %1 fájl nem nyitható meg</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>A(z) %1 fájl nem hozható létre: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Nincs csomag</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Így tölthetsz be Veldor-képcsomagot:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Tölts le egy zip-fájlt, amelyben Veldor-képcsomag van.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Nyisd meg a csomagot, vagy csomagold ki a „packs” mappába</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Aztán válaszd ki a bal oldali listában.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Képcsomagok</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Név:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Készítette:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Leírás:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Nyisd meg a csomagot, vagy csomagold ki ide: %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Köves szikla</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Kis hegyek</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Erdős dombok</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Lakatlan sziget</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Város</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Szürke felhők</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Sötét felhők</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Narancs naplemente</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Tiszta kék</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Felhős nap</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Gyűrűkő</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Alma</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Hőlégballon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Hőlégballon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golflabda</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Sárga virág</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>A Veldor csapata</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Tél és sivatag</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Hó, homok és csillagok, hogy kipróbáld a saját képeiddel.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Csillagos éj</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Dél a sivatagban</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Sarki fény</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Rózsaszín hajnal</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Hófelhők</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Havas dombok</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Homokdűnék</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Befagyott tó</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Vörös kanyon</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Téli falu</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Fenyőfa</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Kis ház</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktusz</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Vitorlás</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Hóember</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Ősz</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Arany erdők, aratás utáni mezők és egy nagy narancssárga hold.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Arany délután</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Ködös reggel</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Őszi vihar</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Aratási hold</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Szivárványos zápor</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Juharos dombok</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Tökföld</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Nyírfás tó</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Tanya piros pajtával</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Szőlőskert</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Tök</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Juharlevél</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Gomba</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Makk</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Madárijesztő</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Tengerpart</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Strandok, sziklák és kikötők a nyári ég alatt.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Nyári dél</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Trópusi naplemente</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Tengeri pára</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Viharos tenger</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pasztell este</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Homokos part</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Világítótorony-szikla</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Pálmás öböl</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Kikötőváros</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Sziklás part</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Világítótorony</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Strandlabda</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Sirály</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Tengeri csillag</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Napernyő</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Holdfény</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Csillagos éjszakai égbolt alvó tájak felett.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Telihold</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Tejút</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Alkonyat</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Hullócsillagok</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Ezüst felhők</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Holdfényes dombok</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Éjszakai város</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Tábortűz a tisztáson</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Alvó falu</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Fenyőerdő</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Bagoly</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lámpás</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakéta</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Gyertya</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Holdsarló</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji, készítette a Google (SIL Open Font License), laposra alakítva a Veldor számára</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>A Veldor fejlesztői</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Tanyasi állatok</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Tehén</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Malac</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Birka</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Kecske</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kakas</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Tyúk</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kiscsibe</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kacsa</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Ló</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Ökör</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Vízibivaly</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Pulyka</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Kos</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Szamár</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Nyúl</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Tehénfej</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Malacfej</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Lófej</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Liba</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Láma</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Erdei állatok</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Róka</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Medve</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Szarvas</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Csíkos mókus</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Sün</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Borz</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Farkas</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Mosómedve</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Hód</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Vaddisznó</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Bűzös borz</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Jávorszarvas</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Denevér</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Béka</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Csiga</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Hernyó</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Pillangó</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Méhecske</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Katica</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Sas</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Madár</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Hangya</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Pók</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Tücsök</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Tengeri állatok</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Szökőkutas bálna</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Bálna</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Hal</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Trópusi hal</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Gömbhal</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Cápa</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Polip</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Tintahal</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Rák</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Homár</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Garnéla</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Kagyló</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Fóka</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Teknős</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medúza</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingvin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Vidra</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Korall</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Osztriga</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Dzsungel állatai</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Majom</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangután</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefánt</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Oroszlán</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tigrisfej</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigris</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopárd</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Zsiráf</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Víziló</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Orrszarvú</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Kígyó</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagáj</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingó</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Lajhár</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Teve</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Kétpúpú teve</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kenguru</translation>
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
        <translation>Gyík</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Páva</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Majomfej</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Kedvencek</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Macska</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Kutya</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Uszkár</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Kiskutya</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kiscica</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hörcsög</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Egérfej</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Egér</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Nyuszi</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Vakvezető kutya</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Mancsnyomok</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Csont</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Csibe</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kikelő csibe</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Fészek tojásokkal</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Emberek</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Kisbaba</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Gyerek</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Fiú</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Lány</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Ember</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Férfi</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Nő</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Idős ember</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Nagypapa</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Nagymama</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Szőke ember</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Szakállas férfi</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Család</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Kézen fogva</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Két barát</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Sétáló</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Futó</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Táncosnő</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Táncos</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Álló ember</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Integető kéz</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Feltartott kéz</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Vidám arc</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Menő arc</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Ölelő arc</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Szakmák és szerszámok</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Rendőr</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Építőmunkás</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Őr</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Nyomozó</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Menyasszony</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Öltönyös ember</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Sztetoszkóp</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Csavarkulcs</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Kalapács</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Fűrész</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Festőpaletta</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Ecset</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Postaláda</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Levél</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Poroltó</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Seprű</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Mentősisak</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Diplomás sapka</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroszkóp</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Könyvek</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Ceruza</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Zsírkréta</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Vonalzó</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Kémcső</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktatáska</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Szerszámosláda</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Létra</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Vödör</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Mágnes</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Villanykörte</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Járművek</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Autó</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Terepjáró</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Busz</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolibusz</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Versenyautó</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Rendőrautó</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Mentőautó</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Tűzoltóautó</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Kisbusz</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Platós kocsi</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Kisteherautó</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Kamion</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Robogó</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicikli</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Roller</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Gőzmozdony</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Vonat</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metró</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Villamos</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Egysínű vasút</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Repülőgép</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Kisrepülő</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Versenycsónak</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorcsónak</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Hajó</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Komp</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kenu</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Kabinos felvonó</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Hegyi vasút</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riksa</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Épületek</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Ház</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Kertes ház</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Házak</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Irodaház</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Posta</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Kórház</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Szálloda</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Bolt</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Iskola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Áruház</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Gyár</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japán vár</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Vár</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Esküvői kápolna</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torony</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Szobor</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Templom</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mecset</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Hindu templom</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Zsinagóga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Szentély</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Múzeum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Építési daru</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Kunyhó</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Sátor</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Régi ház</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cirkusz</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Kőfej</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Növények és fák</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Fenyőfa</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Pálmafa</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Csíra</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Gyógynövény</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Lóhere</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Négylevelű lóhere</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Lehullott levelek</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Levelek a szélben</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Rizskéve</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rózsa</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Hervadt virág</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiszkusz</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Cseresznyevirág</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Virágocska</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Napraforgó</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Csokor</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Cserepes virág</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Légyölő galóca</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Farönk</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lótusz</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Jácint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Gesztenye</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Kívánságfa</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Fenyődísz</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Üres fészek</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kő</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Gyümölcs és zöldség</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Zöld alma</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Körte</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Narancs</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citrom</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banán</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Görögdinnye</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Szőlő</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Eper</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Áfonya</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Sárgadinnye</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cseresznye</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Őszibarack</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mangó</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananász</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kókuszdió</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kivi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Paradicsom</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Padlizsán</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokádó</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Sárgarépa</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Kukorica</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Csilipaprika</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Uborka</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Saláta</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Fokhagyma</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Hagyma</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Krumpli</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Ételek</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Kenyér</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Vajas kifli</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Bagett</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Perec</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Sajt</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Tojás</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Tükörtojás</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Palacsinta</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gofri</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Sült krumpli</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hot dog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Szendvics</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spagetti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Fagyi</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Fánk</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Keksz</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Szülinapi torta</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Tortaszelet</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Muffin</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Csoki</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Cukorka</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Nyalóka</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Mézesbödön</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Pohár tej</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Dobozos üdítő</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Forró ital</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pite</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Játékok és sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Focilabda</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball-labda</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Kosárlabda</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Röplabda</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Amerikai foci</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rögbilabda</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Teniszlabda</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frizbi</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Teke</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Krikettütő</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hokiütő</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Pingpong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Tollaslabda</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Bokszkesztyű</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Kapu</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfzászló</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Korcsolya</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Horgászbot</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Gördeszka</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Görkorcsolya</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Szánkó</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingkő</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Síléc</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Papírsárkány</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jojó</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Plüssmackó</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matrjoska</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobókocka</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Kirakós darab</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Játékvezérlő</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Kupa</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Aranyérem</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Darts tábla</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumeráng</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Csúszda</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Zene</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitár</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Dob</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trombita</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Szaxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Hegedű</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Szintetizátor</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Harmonika</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Hosszú dob</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Marakasz</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Furulya</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Fejhallgató</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádió</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Csengő</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Hangjegy</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Világűr</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Repülő csészealj</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Műhold</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Föld</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Föld: Ázsia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Gyűrűs bolygó</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Újhold</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Hold arccal</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Mosolygó hold</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Mosolygó nap</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Csillag</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Ragyogó csillag</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Kavargó csillag</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Üstökös</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Hullócsillag</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Távcső</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Űrlény</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Űrszörny</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Föld: Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Fogyó hold</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Félhold</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Majdnem telihold</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Időjárás</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Felhő</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Nap a felhő mögött</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Viharfelhő</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Nap és felhőcske</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Felhős</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Nap és eső</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Esőfelhő</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Hófelhő</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Villámos felhő</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornádó</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Köd</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Szél</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Forgószél</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Szivárvány</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Esernyő</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Esernyő esőben</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Villám</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Hópehely</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Hóember hóesésben</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Tűz</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Esőcsepp</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Hullám</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Hőmérő</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Jégkocka</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Mesevilág</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Varázsló</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Tündér</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vámpír</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sellő</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Tünde</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Dzsinn</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Egyszarvú</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Sárkány</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Sárkányfej</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Hosszúnyakú dínó</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Szellem</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Szörnyeteg</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Varázsgömb</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Varázspálca</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Herceg</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Hercegnő</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Nindzsa</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Szuperhős</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Gonosztevő</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Drágakő</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Régi kulcs</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Angyal</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Pajzs</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Tőr</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Íj és nyíl</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Évszakok és ünnepek</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Töklámpás</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Karácsonyfa</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Mikulás</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mikulásné</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Ajándék</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Lufi</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfettidurrantó</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettigömb</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petárda</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Masni</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Szélcsengő</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Pontyos szélzsák</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Ünnepi babák</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Piros lámpás</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Olajlámpa</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menóra</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Piros boríték</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Diszkógömb</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Sál</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Kesztyű</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Kabát</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Csizma</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Napkalap</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Napszemüveg</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Fürdőruha</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Fehér zászló</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Kockás zászló</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Város és vidék</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Jelzőlámpa</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Fekvő jelzőlámpa</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stoptábla</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Útépítés</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzinkút</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Buszmegálló</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Útjelző tábla</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Kerék</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Kuka</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Szék</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Bevásárlókocsi</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Kosár</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Ajtó</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ablak</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Ágy</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Kanapé</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Levélszekrény</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Óra</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Ébresztőóra</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Téglák</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Fejsze</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Iránytű</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Csákány</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Térkép</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Iskolatáska</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Bőrönd</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Zseblámpa</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Horgony</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Mentőöv</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Szökőkút</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Óriáskerék</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Hullámvasút</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Körhintaló</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Régi posta</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Kisvonat a hegyen</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Évszakok</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Tavaszi és nyári napok</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Tavaszi reggel</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Virágos szellő</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Langyos este</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Tavaszi rét</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Nyári mezők</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Virágzó gyümölcsös</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Zöld völgy</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Pipacsos domb</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Őszi és téli napok</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Őszi délután</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Téli nap</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Havazás</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Fagyos este</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Őszi erdő</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Aratási dombok</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Kopasz fák</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Havas mezők</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Befagyott tavacska</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Eső, vihar, szél és köd</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Esőfelhők</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Zivatar</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Szeles nap</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Ködös nap</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Nedves rét</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Zöld dombok</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Szeles puszta</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Ködös dombok</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Éjszaka</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Hold, csillagok és sötétség</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Sötét dombok</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Város éjjel</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Holdfényes tó</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Csendes falu</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Késő esték és mély éjszakák</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Lila alkony</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Holdkelte</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Éjkék</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Hulló csillagok</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lámpások éjjele</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Várhegy</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Álmos tanya</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Kikötő éjjel</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Csendes hó</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Városi fények</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Nap, homok és tenger</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Strandnap</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Trópusi nap</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Tengeri szellő</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Tengeri naplemente</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Felhős part</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Nyugodt tenger</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Sziklás part</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Kikötő</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Pálmás sziget</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Sziklák, hullámok és világítótornyok</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Fényes reggel</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Sirályok és felhők</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Aranyóra</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Szürke tenger</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Rózsaszín napkelte</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Fehér sziklák</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Nagy hullámok</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Világítótorony-fok</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Kagylós part</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagúna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Sivatag</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dűnék, kanyonok és kaktuszok</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Sivatagi nap</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Forró dél</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Poros ég</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Sivatagi alkony</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Sivatagi éjszaka</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktuszos síkság</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oázis</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Kőtornyok</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Hó</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Jég, hó és magas hegyek</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Fagyos kék</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Sarki éjszaka</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Hajnal a hegyekben</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Hóvihar</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Havas csúcsok</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Jégtáblák</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Sípálya</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Iglutábor</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Város</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Utcák, parkok és háztetők</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Városi reggel</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Nyüzsgő délután</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Esős város</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Városi naplemente</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Füstös ég</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Háztetők</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Főutca</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Felhőkarcolók</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Óváros</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Vidék</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Tanyák, mezők és falvak</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Reggel a tanyán</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Szénagyűjtés</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Felhők a mezőn</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Esti gyümölcsös</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Foltos mezők</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Falusi rét</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Gyümölcsös</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Szeles tanya</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Bolygók, holdak és csillagok</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Mély űr</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Földkelte</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Két hold</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Csillagköd</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Holdkráterek</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Vörös bolygó</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Jégvilág</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Idegen dzsungel</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Űrbázis</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 és %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Több példány</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Kevesebb példány</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Verzió: 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 a Veldor fejlesztői.
Szabadon használható és megosztható.</translation>
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
        <translation>Mentés BMP-ként</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Mekkora legyen a BMP-kép?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normál)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (nyújtott)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitképfájlok (*.bmp);;PNG-kép (*.png);;Minden fájl (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Mentés BMP-ként (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Mentés BMP-ként (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Táj: válassz csomagot</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Kép</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Táj</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ég</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Tárgy</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Különleges hatások</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Mentés BMP-ként</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Újrarajzolás</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Új</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Új kép kezdése</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Megnyitás...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Mentett kép megnyitása</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>M&amp;entés</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>A kép mentése</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Mentés má&amp;sként...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>A kép mentése új néven</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Nyomtatás...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Nyomta&amp;tó választása</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Mentés &amp;BMP-ként...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Kilépés a Veldorból</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>S&amp;zerkesztés</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Visszavonás</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Az utolsó változás visszavonása</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Újra</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>A visszavont változás újra</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Más&amp;olás</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>A kép másolása a vágólapra</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Eszközök</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Mind &amp;törlése</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Mind &amp;vissza</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Mind &amp;előre</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Mind a föld &amp;mögé</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Táj</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>É&amp;g</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>T&amp;árgyak</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Különleges hatások</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Sú&amp;gó</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>A súgó megjelenítése</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Mi az a Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Nyomta&amp;tó választása...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Föld</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Megtartom</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Előre</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mozgatás</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Átméretezés</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>A föld mögé</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>A táj elé</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Tárgy törlése</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Hatások</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Mind törlése</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Mind vissza</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Mind előre</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Mind a föld mögé</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Visszavonás: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Újra: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-fájlok [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-fájl (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Képcsomag hozzáadása...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: válassz tárgyat. Nyilak és Enter: elhelyezés, mozgatás, átméretezés. Escape: feladás.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Válassz egy tárgyat, aztán húzd a téglalapját a képen, vagy használd a nyilakat és az Entert</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>itt: %1, %2, mérete %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Az Enterrel szerkesztheted.</translation>
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
        <translation>Feladva: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>előbb tedd le a tárgyat (húzással, vagy nyilakkal és Enterrel), vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>előbb válaszolj az „Új tárgy” ablakban, vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>előbb válaszolj a „Tárgy szerkesztése” ablakban, vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>előbb engedd el a tárgyat (kattintással vagy Enterrel), vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>előbb válaszolj a „Tárgy mozgatása” ablakban, vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>előbb rajzold meg az új méretet (húzással, vagy nyilakkal és Enterrel), vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>előbb válaszolj a „Tárgy mérete” ablakban, vagy nyomd meg az Escape-et.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 – várni kell: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: húzd a képen, vagy nyomj ott egy nyilat.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Kép: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Még több tárgy</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Keresés:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Írj be egy nevet, például macska vagy busz</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Tárgy keresése a neve alapján</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Csoportok</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Tárgyak</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Más tárgyak</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>A packs mappában nincs tárgyakat tartalmazó képcsomag.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Nincs „%1” nevű tárgy.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 tárgy</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 tárgy</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Tárgyak: válassz csomagot</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Válassz tárgyat</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Még több tárgy...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Másik nyomtatóhoz nyomd meg: „Nyomtató...”</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Példányok száma:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Nyomtató...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Példányok száma</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Nyomtatás fájlba</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-fájlok (*.pdf);;Minden fájl (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Ég: válassz csomagot</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Várj, rajzolok...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Különleges hatások</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>A hatások kis időbe telnek.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Figyelem: a hatások eltűnnek, ha a kép újra kirajzolódik.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>A hatásokat akkor használd, ha kész a tájad. Így a képet</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>a hatásokkal együtt mentheted vagy nyomtathatod.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Ezeket a hatásokat kérem:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Simítás</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Színcsere</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Szín...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Színezés</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Árnyalat...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Sötétebb</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Világosabb</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Hatások készülnek...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor súgó</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Súgószöveg</translation>
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
        <translation>Gyors kezdés
-=-=-=-=-=-=

Ez a rövid útmutató segít elkészíteni az első képedet a Veldorral.

1. lépés: válassz eget

Kattints az ég képére, a sáv második gombjára balról. Kinyílik az egek ablaka. Kattints egy égre; a „Sötét felhők” jó kezdésnek. A kép újra elkészül az új éggel. Ha kész, zárd be az egek ablakát.

2. lépés: válassz tájat

Kattints a táj képére, a sáv első gombjára, és válassz tájat. Próbáld ki a „Lakatlan sziget”-et. A táj az égre rajzolódik, és az ég fénye kiszínezi.

3. lépés: tárgyak hozzáadása és szerkesztése

Kattints a tárgyak képére, a harmadik gombra balról, és válaszd a „Hőlégballon”-t. Az ablak bezárul.

Most nyomd le az egérgombot ott, ahová a ballont szeretnéd, tartsd lenyomva, és húzd jobbra lefelé. A téglalap, amit húzol, a ballon mérete lesz.

Amikor elengeded, megjelenik a ballon, és egy kis ablak megkérdezi, megtartod-e:
   Az „Átméretezés” újrarajzol, hogy újra meghúzhasd a ballon téglalapját.
   A „Nem kell” eltünteti az új tárgyat.
   A „Megtartom” a képeden hagyja.

Később kattints egy tárgyra, hogy mozgasd, átméretezd, töröld vagy a föld mögé tedd.

A billentyűzettel:
   Nyomd a Tabot, amíg a képen pontozott keret nem látszik. Ha választottál egy tárgyat, nyomj meg egy nyilat: egy téglalap mutatja, hová kerül. A nyilak mozgatják (Shifttel tíz lépést egyszerre), a Ctrl és a nyilak nagyobbra vagy kisebbre teszik, az Enter leteszi oda a tárgyat, az Escape pedig feladja.
   Ha semmi sincs kiválasztva, a Tab és a Shift+Tab a kép egyik tárgyáról a következőre lép; az Enter megnyitja az ablakát, mintha rákattintanál.
   A „Mozgatás” vagy az „Átméretezés” után a nyilak mozgatják a körvonalat vagy változtatják a méretét, és az Enter befejezi. Az Escape minden változást leállít, ahogy a Mégse is.

4. lépés: a kép befejezése

   Simítás:
   A simítás lágyabbá teszi a tárgyak és tájak érdes szélét. Kattints a hatások képére, a negyedik gombra balról. Csak a „Simítás” mező legyen bejelölve, és kattints az „Alkalmaz” gombra.

   Mentés BMP-ként:
   Kattints a mentés képére, a második gombra jobbról. Kinyílik egy ablak, ahol a kép méretét választod; aztán a mentés ablaka fájlnevet kér.

A gombok
-=-=-=-=

(Balról jobbra.)

Táj: válassz tájat.
Ég: válassz eget.
Tárgy: adj hozzá tárgyat.
Hatások: tegyél hatásokat a képedre.
------------------------------
Új: kezdj új képet.
Nyomtatás: nyomtasd ki a képedet (több beállítással).
Mentés: mentsd el a képedet .VDR-fájlként.
Megnyitás: nyiss meg egy .VDR-fájlt.
Mentés BMP-ként: mentsd el a képet .BMP-fájlként.
------------------------------
Újrarajzolás: újrarajzolja a képedet.

Kattints jobb gombbal a képre: egy menüben ott van minden parancs.
Az Eszközök menü egyszerre törli, visszahozza vagy mozgatja az összes tárgyat.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Válassz tájat</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Nincs táj</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Tárgy mozgatása</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Elmozdítottál egy tárgyat. Mit szeretnél?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Így jó</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Új kép</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Új képet kezdesz?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Ez nem Veldor-fájl</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Tárgy szerkesztése</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Ezt a tárgyat választottad:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Mit szeretnél vele?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Mozgatás</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Átméretezés</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Előre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>A föld mögé</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Új tárgy</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Van egy új tárgyad. Mit szeretnél vele?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Megtartom</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Átméretezés</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nem kell</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Tárgy szerkesztése</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>A táj mögötti tárgyat választottál.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Mit kezdesz ezzel:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>A táj elé teszem</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Tárgy törlése</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Tárgy mérete</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Átméreteztél egy tárgyat. Mit szeretnél?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Így jó</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Válassz eget</translation>
    </message>
</context>
</TS>
