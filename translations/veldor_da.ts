<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Himmel: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Ingen jord.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Jord: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n mere</numerusform>
            <numerusform>og %n mere</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Ting: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor-logo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Vælg printer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Hent billedpakke</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effekter: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Tilføj mit billede</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Tilføj mit billede...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Billedet er ændret.
Vil du gemme det?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>et billede, der aldrig er gemt</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor lukkede, før %1 blev gemt.
Vil du have ændringerne tilbage?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Hent tilbage</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Smid væk</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Mappen findes ikke.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Venter på gennemsyn af modersmålstalende</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Filen blev ikke fundet</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Adgang til filen nægtet</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken er fuld</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O-fejl %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap-billedet er ikke gyldigt</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Kan ikke lave PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Der er ikke valgt nogen printer</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Den valgte printer er ikke gyldig</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>hverken XDG_DATA_HOME eller HOME er sat</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Linje %1 er længere end 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” er ikke et gyldigt heltal</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Ugyldigt antal ting: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Ikke nok hukommelse til %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Billedet kunne ikke printes: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Billedpakken %1 kan ikke tilføjes:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan ikke åbne filen %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan ikke åbne filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Kan ikke oprette filen %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Ingen pakke valgt</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Sådan henter du en Veldor-billedpakke:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Hent en zip-fil med en Veldor-billedpakke.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Åbn pakken, eller pak den ud i mappen “packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Vælg den så i listen til venstre.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Billedpakker</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Lavet af:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beskrivelse:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Åbn pakken, eller pak den ud i %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stenet klippe</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Små bjerge</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Skovbakker</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Øde ø</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Grå skyer</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Mørke skyer</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Orange solnedgang</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Klar blå</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Overskyet dag</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Ringklippe</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Æble</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfbold</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gul blomst</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor-holdet</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Vinter og ørken</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Sne, sand og stjerner at prøve med dine egne billeder.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Stjernenat</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Middag i ørkenen</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Nordlys</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Lyserød morgen</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Sneskyer</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Snedækte bakker</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Klitter</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Frossen sø</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Rød kløft</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Vinterlandsby</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Grantræ</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Lille hus</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Sejlbåd</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Snemand</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Efterår</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Gyldne skove, høstmarker og en stor orange måne.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Gylden eftermiddag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Tåget morgen</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Efterårsstorm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Høstmåne</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regnbuebyge</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Ahornbakker</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Græskarmark</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Birkesø</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Gård med rød lade</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Vinmark</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Græskar</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Ahornblad</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Svamp</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Agern</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Fugleskræmsel</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Ved havet</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Strande, klipper og havne under sommerhimlen.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Sommermiddag</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropisk solnedgang</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Havdis</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Stormfuldt hav</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastelaften</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Sandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Fyrtårnsklippe</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmebugt</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Havneby</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Klippekyst</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Fyrtårn</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Badebold</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Måge</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Søstjerne</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Måneskin</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nattehimle fulde af stjerner over sovende lande.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Fuldmåne</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Mælkevejen</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Tusmørke</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Stjerneskud</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Sølvskyer</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Bakker i måneskin</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>By om natten</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Lejrbål</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Sovende landsby</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Fyrreskov</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Ugle</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lygte</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Stearinlys</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Halvmåne</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji fra Google (SIL Open Font License), gjort flade til Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldors udviklere</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Bondegårdsdyr</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Får</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Ged</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hane</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Høne</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kylling</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>And</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Hest</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Okse</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Vandbøffel</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkun</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Vædder</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Æsel</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kanin</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Kohoved</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Grisehoved</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hestehoved</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gås</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Skovdyr</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Ræv</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Bjørn</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hjort</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Jordegern</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Pindsvin</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Grævling</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Ulv</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Vaskebjørn</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bæver</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Vildsvin</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Stinkdyr</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Elg</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Flagermus</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frø</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Snegl</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Larve</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Sommerfugl</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Bi</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Mariehøne</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Ørn</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Fugl</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Myre</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Edderkop</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Fårekylling</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Havdyr</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Sprøjtende hval</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Hval</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisk</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropisk fisk</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Kuglefisk</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Haj</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Blæksprutte</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Lang blæksprutte</translation>
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
        <translation>Reje</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muslingeskal</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Sæl</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Skildpadde</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Vandmand</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingvin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Odder</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koral</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Østers</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Jungledyr</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Abe</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutang</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Løve</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tigerhoved</translation>
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
        <translation>Giraf</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Flodhest</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Næsehorn</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodille</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Slange</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papegøje</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Dovendyr</translation>
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
        <translation>Kænguru</translation>
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
        <translation>Firben</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Påfugl</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Abehoved</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Kæledyr</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kat</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Puddel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Hvalp</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Killing</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Musehoved</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mus</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Kaninunge</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Førerhund</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Poteaftryk</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Knogle</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Lille kylling</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kylling i æg</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Rede med æg</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Mennesker</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Dreng</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Pige</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mand</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Kvinde</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Ældre person</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Bedstefar</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Bedstemor</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Lyshåret person</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Mand med skæg</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Hånd i hånd</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>To veninder</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Fodgænger</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Løber</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Danser</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dansende mand</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stående person</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Vinkende hånd</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Hånden op</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Glad ansigt</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Sejt ansigt</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Krammeansigt</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Job og værktøj</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Politibetjent</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Bygningsarbejder</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektiv</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Brud</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Mand i jakkesæt</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Skruenøgle</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Sav</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Malerpalet</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pensel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Postkasse</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brev</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Brandslukker</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Kost</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Redningshjelm</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Studenterhat</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bøger</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyant</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Farvekridt</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Reagensglas</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Værktøjskasse</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Stige</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Spand</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Pære</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Køretøjer</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxa</translation>
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
        <translation>Racerbil</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Politibil</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Brandbil</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pickup</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Varebil</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Lastbil</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Scooter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorcykel</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Løbehjul</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Damptog</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tog</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Sporvogn</translation>
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
        <translation>Fly</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Lille fly</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Speedbåd</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorbåd</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Skib</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Færge</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Svævebane</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Gondol</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Rickshaw</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Bygninger</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Hus med have</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Huse</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kontorbygning</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Posthus</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
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
        <translation>Butik</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Skole</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Stormagasin</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrik</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japansk borg</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Bryllupskapel</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Tårn</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Statue</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kirke</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moské</translation>
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
        <translation>Japansk port</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Byggekran</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Hytte</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Telt</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Gammelt hus</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cirkustelt</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Stenhoved</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Planter og træer</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Træ</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Spire</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Krydderurt</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Kløver</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Firkløver</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Faldne blade</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Blade i vinden</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Risneg</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipan</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Visnet blomst</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kirsebærblomst</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Blomst</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Solsikke</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Potteplante</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Fluesvamp</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Træstamme</translation>
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
        <translation>Ønsketræ</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Nytårspynt</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Tom rede</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Sten</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frugt og grønt</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Grønt æble</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pære</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Appelsin</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Vandmelon</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Vindruer</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jordbær</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Blåbær</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirsebær</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Fersken</translation>
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
        <translation>Kokosnød</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomat</translation>
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
        <translation>Gulerod</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Majs</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Agurk</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Hvidløg</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Løg</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Kartoffel</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Peberfrugt</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Mad</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Brød</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Flute</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Kringle</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Æg</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Spejlæg</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pandekager</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Vaffel</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Pommes frites</translation>
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
        <translation>Is</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Småkage</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Fødselsdagskage</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kagestykke</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chokolade</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bolsje</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Slikkepind</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Honningkrukke</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Glas mælk</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Juicekarton</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Varm drik</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tærte</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Legetøj og sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fodbold</translation>
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
        <translation>Amerikansk fodbold</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rugbybold</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tennisbold</translation>
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
        <translation>Hockeystav</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Bordtennis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boksehandske</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfflag</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Skøjte</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Fiskestang</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Rulleskøjte</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kælk</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingsten</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Ski</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drage</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yoyo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Bamse</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Russiske dukker</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Terning</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Puslespilsbrik</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Spillekontrol</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Guldmedalje</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Dartskive</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Boomerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Rutsjebane</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitar</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tromme</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violin</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klaver</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Harmonika</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Lang tromme</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Fløjte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Høretelefoner</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Klokke</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Rummet</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Flyvende tallerken</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Jorden</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Jorden med Asien</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planet med ringe</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nymåne</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Måne med ansigt</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Smilende måne</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Smilende sol</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjerne</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Lysende stjerne</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Snurrende stjerne</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Stjerneskud</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Stjernekikkert</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Rumvæsen</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pixelmonster</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Jorden med Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Aftagende måne</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Kvartmåne</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Næsten fuldmåne</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Vejr</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Sky</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol bag sky</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Tordensky</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol og småskyer</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Overskyet</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sol og regn</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Regnsky</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Snesky</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Lynsky</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Tåge</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Hvirvelvind</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regnbue</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraply</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Paraply i regn</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Lyn</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Snefnug</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Snemand i sne</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Ild</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regndråbe</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Bølge</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Isterning</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Eventyr</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Troldmand</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fe</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampyr</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Havfrue</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Alf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Ånd i lampen</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trold</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Enhjørning</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drage</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Dragehoved</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Langhalset dino</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Spøgelse</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Uhyre</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Krystalkugle</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Tryllestav</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prins</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prinsesse</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superhelt</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Skurk</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Ædelsten</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Gammel nøgle</translation>
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
        <translation>Skjold</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dolk</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Bue og pil</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Årstider og fester</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Græskarlygte</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Juletræ</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Julemand</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Julekone</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Gave</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfettikanon</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettikugle</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Kanonslag</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Sløjfe</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Vindspil</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karpeflag</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Festdukker</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Rød lygte</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Olielampe</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Rød kuvert</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Diskokugle</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Halstørklæde</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Handsker</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Frakke</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Støvle</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Solhat</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Solbriller</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Badedragt</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Hvidt flag</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Ternet flag</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>By og land</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Lyskurv</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Liggende lyskurv</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stopskilt</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Vejarbejde</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzinstander</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Busstoppested</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Skilt</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Hjul</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Skraldespand</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stol</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Indkøbsvogn</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Kurv</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dør</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Vindue</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Seng</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Brevkasse</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Ur</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Vækkeur</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Mursten</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Økse</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Hakke</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Skoletaske</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Kuffert</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Lommelygte</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Redningskrans</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Springvand</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Pariserhjul</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Rutsjebane i tivoli</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Karrusellhest</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Gammelt posthus</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Bjergtog</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Forårs- og sommerdage</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Forårsmorgen</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Blomsterbrise</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Varm aften</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Forårseng</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Sommermarker</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Blomstrende have</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Grøn dal</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Valmuebakke</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Efterårs- og vinterdage</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Efterårsdag</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Vintersol</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Snefald</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Frostaften</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Efterårsskov</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Høstbakker</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Nøgne træer</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Snedækte marker</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Frossen dam</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Regn, storm, blæst og tåge</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Regnskyer</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Tordenvejr</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Blæsende dag</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Tåget dag</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Våd eng</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Grønne bakker</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Blæsende hede</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Tågede bakker</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nat</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Måne, stjerner og mørke</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Mørke bakker</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Nattens by</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Sø i måneskin</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Stille landsby</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Sene aftener og dybe nætter</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Lilla skumring</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Måneopgang</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Midnatsblå</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Mange stjerneskud</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lygtenat</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Slotsbakke</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Søvnig gård</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Havn om natten</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Stille sne</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Byens lys</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, sand og hav</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Stranddag</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropesol</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Havbrise</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Solnedgang over havet</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Overskyet kyst</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Roligt hav</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Klippestrand</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Havn</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmeø</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Klinter, bølger og fyrtårne</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Lys morgen</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Måger og skyer</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Gylden time</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Grå havdag</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Lyserød solopgang</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Hvide klinter</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Store bølger</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Fyrtårnspynt</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Muslingestrand</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagune</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Ørken</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Klitter, kløfter og kaktus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Ørkensol</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Varm middag</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Støvet himmel</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Ørkenaften</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Ørkennat</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktusslette</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oase</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Stentårne</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sne</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Is, sne og høje bjerge</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Frisk blå</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polarnat</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Bjergmorgen</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Snestorm</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Snedækte tinder</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Isflager</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Skibakke</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Iglolejr</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Gader, parker og tage</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Morgen i byen</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Travl eftermiddag</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Regn i byen</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Aften i byen</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Røget himmel</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Hustage</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Gågade</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Skyskrabere</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Gamle bydel</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>På landet</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Gårde, marker og landsbyer</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Morgen på gården</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Høslæt</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Skyer over landet</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Aften i frugthaven</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Brogede marker</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Landsbyens eng</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Frugthave</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Blæsende gård</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeter, måner og stjerner</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Det dybe rum</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Jordopgang</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>To måner</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Stjernetåge</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Månekratere</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Rød planet</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Isverden</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Fremmed jungle</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Rumbase</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 og %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Flere kopier</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Færre kopier</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Om Veldor</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldors udviklere.
Fri at bruge og dele.</translation>
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
        <translation>Eksportér som BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Hvor stort skal BMP-billedet være?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (strakt)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmap-filer (*.bmp);;PNG-billede (*.png);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Eksportér som BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Eksportér som BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landskab: vælg en pakke</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landskab</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Ting</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Specialeffekter</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Eksportér som BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Tegn igen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Begynd på et nyt billede</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Åbn et gemt billede</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Gem billedet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Gem &amp;som...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Gem billedet under et nyt navn</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Vælg p&amp;rinter</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Eksportér &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Afslut Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Fortryd den sidste ændring</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gentag</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Gentag den fortrudte ændring</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopiér billedet til udklipsholderen</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>Værk&amp;tøjer</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Slet alle</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Hent alle tilbage</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Alle &amp;frem</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Alle &amp;bag landet</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landskab</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Himmel</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Ting</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Special&amp;effekter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Vis hjælpen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om Veldor...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Vis hvad Veldor er</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Vælg p&amp;rinter...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Jord</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behold den</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Hent den frem</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Flyt</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Skift størrelse</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Slet den</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Bag landet</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Foran landskabet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Slet ting</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekter</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Slet alle</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Hent alle tilbage</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Alle frem</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Alle bag landet</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Fortryd: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gentag: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-filer [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-fil (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Tilføjer billedpakke...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: vælg en ting. Pile og Enter: sæt, flyt, skift størrelse. Escape: giv op.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Vælg en ting, og træk så dens firkant på billedet, eller brug piletasterne og Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>ved %1, %2, %3 gange %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter retter den.</translation>
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
        <translation>Opgivet: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>sæt først tingen (træk, eller pile og Enter), eller tryk på Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>svar først vinduet “Ny ting”, eller tryk på Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>svar først vinduet “Ret ting”, eller tryk på Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>slip først tingen (klik, eller Enter), eller tryk på Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>svar først vinduet “Flyt ting”, eller tryk på Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>tegn først den nye størrelse (træk, eller pile og Enter), eller tryk på Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>svar først vinduet “Størrelse på ting”, eller tryk på Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 må vente: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: træk den på billedet, eller tryk på en piletast der.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Billede: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Flere ting</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Skriv et navn, som kat eller bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Find en ting ud fra dens navn</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Grupper</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Ting</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andre ting</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Der er ingen billedpakke med ting i mappen packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Ingen ting hedder “%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 ting</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 ting</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Ting: vælg en pakke</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Vælg en ting</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Flere ting...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Tryk på “Printer...” for at vælge en anden printer</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Antal kopier:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Antal kopier</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Print til fil</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-filer (*.pdf);;Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Himmel: vælg en pakke</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Vent lidt, jeg tegner...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Specialeffekter</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Effekter tager lidt tid.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Husk: effekterne forsvinder, når billedet tegnes igen.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Brug effekter, når dit landskab er færdigt. Så kan du</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>gemme eller printe billedet med effekterne.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Brug disse effekter:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Udglat</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Vend farver</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Farve...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Farv</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Farvetone...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lys</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Mørkere</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Lysere</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Brug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Bruger effekter...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Hjælp til Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjælpetekst</translation>
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
        <translation>Kom hurtigt i gang
-=-=-=-=-=-=-=-=-=

Denne korte vejledning hjælper dig med at lave dit første billede i Veldor.

Trin 1: vælg himmel

Klik på himmel-billedet, den anden knap fra venstre i bjælken. Himmel-vinduet åbner. Klik på en himmel; “Mørke skyer” er god at starte med. Billedet tegnes med den nye himmel. Når det er færdigt, lukker du himmel-vinduet.

Trin 2: vælg landskab

Klik på landskabs-billedet, den første knap i bjælken, og vælg et landskab. Prøv “Øde ø”. Landskabet tegnes over himlen, og himlens lys farver det.

Trin 3: tilføj og ret ting

Klik på ting-billedet, den tredje knap fra venstre, og vælg “Luftballon”. Vinduet lukker.

Tryk nu museknappen ned, hvor ballonen skal være, hold den nede og træk ned mod højre. Firkanten, du trækker, bliver ballonens størrelse.

Når du slipper, tegnes ballonen, og et lille vindue spørger, om du vil beholde den:
   “Skift størrelse” tegner igen, så du kan trække firkanten for ballonen en gang til.
   “Behold den ikke” fjerner den nye ting.
   “Behold den” lader den blive i dit billede.

Klik senere på en ting for at flytte den, ændre størrelsen, slette den eller sætte den bag landet.

Med tastaturet:
   Tryk på Tab, til billedet viser en prikket ramme. Når du har valgt en ting, så tryk på en piletast: en firkant viser, hvor den skal stå. Piletasterne flytter den (med Shift ti skridt ad gangen), Ctrl og piletasterne gør den større eller mindre, Enter sætter tingen der, og Escape giver op.
   Når intet er valgt, går Tab og Shift+Tab fra én ting i billedet til den næste; Enter åbner dens vindue, ligesom et klik på den.
   Efter “Flyt den” eller “Skift størrelse” flytter piletasterne omridset eller ændrer dets størrelse, og Enter gør det færdigt. Escape stopper enhver ændring, ligesom Annuller.

Trin 4: gør billedet færdigt

   Udglat:
   Udglatning gør de ru kanter på ting og landskaber bløde. Klik på effekt-billedet, den fjerde knap fra venstre. Lad kun feltet “Udglat” være krydset af, og klik på “Brug”.

   Gem som BMP:
   Klik på eksport-billedet, den anden knap fra højre. Et vindue åbner, hvor du vælger billedets størrelse; så spørger gem-vinduet om et filnavn.

Knapperne
-=-=-=-=-

(Fra venstre mod højre.)

Landskab: vælg et landskab.
Himmel: vælg en himmel.
Ting: tilføj en ting.
Effekter: brug effekter på dit billede.
------------------------------
Ny: begynd på et nyt billede.
Print: print dit billede (med flere valg).
Gem: gem dit billede som .VDR-fil.
Åbn: åbn en .VDR-fil.
Eksportér BMP: gem billedet som .BMP-fil.
------------------------------
Tegn igen: tegner dit billede igen.

Højreklik på billedet for at få en menu med alle kommandoer.
Menuen Værktøjer sletter, henter tilbage eller flytter alle ting på én gang.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Vælg et landskab</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Intet landskab</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Flyt ting</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Du har flyttet en ting. Hvad vil du gøre?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Det er fint</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nyt billede</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Begynde på et nyt billede?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Det er ikke en Veldor-fil</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Ret ting</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Du har valgt tingen:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Hvad vil du gøre med den?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Slet den</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Flyt den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Skift størrelse</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Hent den frem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Bag landet</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Ny ting</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Du har en ny ting. Hvad vil du gøre med den?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behold den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Skift størrelse</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Behold den ikke</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Ret ting</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Du har valgt en ting bag landskabet.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Hvad vil du gøre med:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Sæt den foran landskabet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Slet ting</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Størrelse på ting</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Du har skiftet størrelse på en ting. Hvad vil du gøre?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Det er fint</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Vælg en himmel</translation>
    </message>
</context>
</TS>
