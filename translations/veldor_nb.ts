<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Himmel: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Ingen mark.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Mark: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n til</numerusform>
            <numerusform>og %n til</numerusform>
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
        <translation>Velg skriver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Last inn en bildepakke</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effekter: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Legg til et eget bilde</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Legg til et eget bilde...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Bildet er endret.
Vil du lagre det?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>et bilde som aldri ble lagret</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor ble lukket før endringene i %1 ble lagret.
Vil du få dem tilbake?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Få tilbake</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Kast</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Mappen finnes ikke.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Venter på gjennomlesing av morsmålsbrukere</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Fant ikke filen</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Du har ikke lov til å åpne filen</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken er full</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Feil ved lesing eller skriving %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Punktbildet er ikke gyldig</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Klarer ikke å lage PNG-filen</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Ingen skriver er valgt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Den valgte skriveren virker ikke</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>verken XDG_DATA_HOME eller HOME er satt</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Linje %1 er lengre enn 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; er ikke et gyldig heltall</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Feil antall ting: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Det er ikke nok minne til %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Bildet kunne ikke skrives ut: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Bildepakken %1 kan ikke installeres:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Klarer ikke å åpne filen %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Klarer ikke å åpne filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Klarer ikke å lage filen %1: %2</translation>
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
        <translation>Slik laster du inn en bildepakke til Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Last ned en zip-fil med en bildepakke til Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Åpne pakken, eller pakk den ut i pakkemappen</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Velg den så i pakkelisten til venstre.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Bildepakker</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Pakkens navn:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Laget av:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beskrivelse:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Åpne pakken, eller pakk den ut i %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Steinklippe</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Små fjell</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Åser med skog</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Øde øy</translation>
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
        <translation>Oransje solnedgang</translation>
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
        <translation>Ringstein</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Eple</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Luftballong</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Luftballong</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfball</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gul blomst</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor-gjengen</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Vinter og ørken</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Bilder med snø, sand og stjerner du kan prøve med dine egne bilder.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Stjerneklar natt</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Midt på dagen i ørkenen</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Nordlys</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Rosa morgengry</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Snøskyer</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Snødekte åser</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Sanddyner</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Frossen innsjø</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Rød kløft</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Landsby om vinteren</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Furu</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Hytte</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Seilbåt</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Snømann</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Høst</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Gylne skoger, kornåkrer og en stor oransje måne.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Gyllen ettermiddag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Tåkete morgen</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Høststorm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Høstmåne</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regn med regnbue</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Lønneåser</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Gresskaråker</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Bjørkesjøen</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Gården med rød låve</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Rader med vinranker</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Gresskar</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Lønneblad</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Sopp</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Eikenøtt</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Fugleskremsel</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Ved sjøen</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Strender, klipper og havner under sommerhimmel.</translation>
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
        <translation>Dis over havet</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Stormfullt hav</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Kveld i pastell</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Sandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Klippe med fyr</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Vik med palmer</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Havneby</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Steinete kyst</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Fyrtårn</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Badeball</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Måke</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Sjøstjerne</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasoll</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Måneskinn</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nattehimler fulle av stjerner over sovende land.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Fullmåne</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Melkeveien</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Skumring</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Stjerneskudd</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Sølvskyer</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Åser i måneskinn</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>By om natten</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Lysning med bål</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Sovende landsby</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Furuskog</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Ugle</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lykt</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakett</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Stearinlys</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Månesigd</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji fra Google (SIL Open Font License), gjort flate for Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor-utviklerne</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Gårdsdyr</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Ku</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Sau</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Geit</translation>
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
        <translation>Vannbøffel</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkun</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Vær</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Esel</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kanin</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Kuhode</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Grisehode</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hestehode</translation>
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
        <translation>Skogsdyr</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Rev</translation>
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
        <translation>Jordekorn</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Pinnsvin</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Grevling</translation>
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
        <translation>Bever</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Villsvin</translation>
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
        <translation>Flaggermus</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosk</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Snegle</translation>
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
        <translation>Bie</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Marihøne</translation>
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
        <translation>Maur</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Edderkopp</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Siriss</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Havdyr</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Sprutende hval</translation>
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
        <translation>Kulefisk</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Hai</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Blekksprut</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Akkar</translation>
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
        <translation>Reke</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Skjell</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Skilpadde</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Manet</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingvin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Oter</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Korall</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Østers</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Jungeldyr</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Ape</translation>
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
        <translation>Tigerhode</translation>
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
        <translation>Sebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Sjiraff</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Flodhest</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Neshorn</translation>
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
        <translation>Papegøye</translation>
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
        <translation>Øgle</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Påfugl</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Apehode</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Kjæledyr</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katt</translation>
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
        <translation>Valp</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kattunge</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Musehode</translation>
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
        <translation>Poteavtrykk</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Bein</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Liten kylling</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kylling i egg</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Reir med egg</translation>
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
        <translation>Gutt</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Jente</translation>
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
        <translation>Kvinne</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Eldre person</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Bestefar</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Bestemor</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Lyshåret person</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Mann med skjegg</translation>
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
        <translation>To venninner</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Fotgjenger</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Løper</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Danser</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dansende mann</translation>
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
        <translation>Hånden opp</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Glad fjes</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Kult fjes</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Klemmefjes</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Yrker og verktøy</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Politi</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Bygningsarbeider</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Vakt</translation>
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
        <translation>Mann i dress</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Skiftenøkkel</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Sag</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Malerpalett</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pensel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Rød postkasse</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brev</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Brannslukker</translation>
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
        <translation>Eksamenslue</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Bøker</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyant</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Fargestift</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Linjal</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Reagensrør</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Koffert</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Verktøykasse</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Stige</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Bøtte</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Lyspære</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Kjøretøy</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Drosje</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Buss</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolleybuss</translation>
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
        <translation>Ambulanse</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Brannbil</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibuss</translation>
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
        <translation>Lastebil</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Moped</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorsykkel</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Sykkel</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Sparkesykkel</translation>
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
        <translation>T-bane</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Trikk</translation>
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
        <translation>Lite fly</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Speedbåt</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorbåt</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferje</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Taubane</translation>
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
        <translation>Hus med hage</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Hus i rekke</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kontorbygg</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postkontor</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Sykehus</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotell</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Butikk</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Skole</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Varehus</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrikk</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japansk borg</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Slott</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Bryllupskapell</translation>
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
        <translation>Sirkustelt</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Steinhode</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Planter og trær</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Tre</translation>
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
        <translation>Urt</translation>
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
        <translation>Falne blader</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Blader i vinden</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Risnek</translation>
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
        <translation>Hibiskus</translation>
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
        <translation>Bukett</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Potteplante</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Fluesopp</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tømmerstokk</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyasint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanje</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Ønsketre</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Nyttårspynt</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Tomt reir</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frukt og grønt</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Grønt eple</translation>
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
        <translation>Sitron</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Vannmelon</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Druer</translation>
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
        <translation>Kokosnøtt</translation>
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
        <translation>Avokado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Gulrot</translation>
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
        <translation>Agurk</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Hvitløk</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Løk</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Potet</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Mat</translation>
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
        <translation>Bagett</translation>
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
        <translation>Egg</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Speilegg</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pannekaker</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Vaffel</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
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
        <translation>Pølse i brød</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Smørbrød</translation>
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
        <translation>Is</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Smultring</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Kjeks</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Bursdagskake</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kakestykke</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Muffins</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Sjokolade</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Godteri</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Slikkepinne</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Honningkrukke</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Glass melk</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Juicekartong</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Varm drikke</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pai</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Leker og sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fotball</translation>
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
        <translation>Amerikansk fotball</translation>
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
        <translation>Cricketballtre</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hockeykølle</translation>
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
        <translation>Boksehanske</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfflagg</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Skøyte</translation>
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
        <translation>Rulleskøyte</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kjelke</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingstein</translation>
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
        <translation>Jojo</translation>
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
        <translation>Puslespillbrikke</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Spillkontroll</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Gullmedalje</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Dartskive</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Sklie</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musikk</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitar</translation>
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
        <translation>Saksofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Fiolin</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Trekkspill</translation>
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
        <translation>Fløyte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Hodetelefoner</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bjelle</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Verdensrommet</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Flyvende tallerken</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellitt</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Jorda</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Jorda med Asia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planet med ringer</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nymåne</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Måne med fjes</translation>
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
        <translation>Stjerneskudd</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Romvesen</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pikselmonster</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Jorda med Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Minkende måne</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Halvmåne</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Nesten fullmåne</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Vær</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Sky</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol bak sky</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Tordensky</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol og små skyer</translation>
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
        <translation>Snøsky</translation>
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
        <translation>Tåke</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Virvelvind</translation>
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
        <translation>Snøfnugg</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Snømann i snø</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Ild</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regndråpe</translation>
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
        <translation>Isbit</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Eventyr</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Trollmann</translation>
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
        <translation>Alv</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Ånd i lampen</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
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
        <translation>Dragehode</translation>
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
        <translation>Spøkelse</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Kjempe</translation>
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
        <translation>Krystallkule</translation>
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
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Gammel nøkkel</translation>
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
        <translation>Pil og bue</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Årstider og høytider</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Gresskarlykt</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Juletre</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Julenissen</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Julenissemor</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Gave</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballong</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfettibombe</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettiball</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Kinaputt</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Sløyfe</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Vindspill</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karpeflagg</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Festdukker</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Rød lykt</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Oljelampe</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Rød konvolutt</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Diskokule</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Skjerf</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Hansker</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Kåpe</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Støvel</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Solhatt</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Solbriller</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Badedrakt</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Hvitt flagg</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Rutete flagg</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>By og land</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Trafikklys</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Liggende trafikklys</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stoppskilt</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Veiarbeid</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Bensinpumpe</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Bussholdeplass</translation>
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
        <translation>Søppelbøtte</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stol</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Handlevogn</translation>
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
        <translation>Vindu</translation>
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
        <translation>Postkasse</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klokke</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Vekkerklokke</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Murstein</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Øks</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Hakke</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kart</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Skolesekk</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koffert</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Lommelykt</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Livbøye</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontene</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Pariserhjul</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Berg-og-dal-bane</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Karusellhest</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Gammelt postkontor</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Fjelltog</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Vår- og sommerdager</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Vårmorgen</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Blomsterbris</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Varm kveld</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Våreng</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Sommerenger</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Blomstrende hage</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Grønn dal</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Valmueås</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Høst- og vinterdager</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Høstdag</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Vintersol</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Snøfall</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Frostkveld</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Høstskog</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Åser med korn</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Nakne trær</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Snødekte jorder</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Frossen dam</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Regn, storm, vind og tåke</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Regnskyer</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Tordenvær</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Blåsete dag</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Tåkete dag</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Våt eng</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Grønne åser</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Blåsete hei</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Tåkete åser</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Natt</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Måne, stjerner og mørke</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Mørke åser</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>By i natten</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Sjø i måneskinn</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Stille landsby</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Sene kvelder og dype netter</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Lilla skumring</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Måneoppgang</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Midnattsblått</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Mange stjerneskudd</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lyktenatt</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Slottsbakken</translation>
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
        <translation>Stille snø</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Byens lys</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, sand og sjø</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Stranddag</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropisk sol</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Havbris</translation>
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
        <translation>Rolig hav</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Steinstrand</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Havn</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmeøy</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Klipper, bølger og fyrtårn</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Lys morgen</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Måker og skyer</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Gyllen time</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Grå dag ved sjøen</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Rosa soloppgang</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Hvite klipper</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Store bølger</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Fyrodden</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Skjellstrand</translation>
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
        <translation>Sanddyner, kløfter og kaktuser</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Ørkensol</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Het middag</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Støvete himmel</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Ørkenkveld</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Ørkennatt</translation>
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
        <translation>Steintårn</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Snø</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Is, snø og høye fjell</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Kald blå</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polarnatt</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Fjellmorgen</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Snøstorm</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Snødekte tinder</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Isflak</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Skibakke</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Igloleir</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Gater, parker og tak</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Morgen i byen</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Travel ettermiddag</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Regn i byen</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Kveld i byen</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Røykfylt himmel</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Hustak</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Handlegate</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Skyskrapere</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Gamlebyen</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>På landet</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Gårder, jorder og landsbyer</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Morgen på gården</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Slåttedag</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Skyer over landet</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Kveld i hagen</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Rutete jorder</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Bygdetun</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Frukthage</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Blåsete gård</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeter, måner og stjerner</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Dypt i rommet</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Jordoppgang</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>To måner</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Stjernetåke</translation>
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
        <translation>Fremmed jungel</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Rombase</translation>
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
        <translation>Om</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versjon 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor-utviklerne.
Fritt å bruke og dele.</translation>
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
        <translation>Eksporter som BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Hvor stort skal BMP-bildet være?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (vanlig)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (strukket)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Punktbildefiler (*.bmp);;PNG-bilde (*.png);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Eksporter som BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Eksporter som BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landskap: velg en bildepakke</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landskap</translation>
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
        <translation>Spesialeffekter</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Eksporter som BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Tegn på nytt</translation>
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
        <translation>Lag en ny fil</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åpne...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Åpne en fil som finnes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Lagre filen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Lagre s&amp;om...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Lagre filen med et nytt navn</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Velg skriver</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Eksporter &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Lukk programmet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Angre den siste endringen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Gjør om endringen som ble angret</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopier til utklippstavlen</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Verktøy</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Slett alle</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Få tilbake alle</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Flytt alle fre&amp;mst</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Legg alle bak landet</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>V&amp;eldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landskap</translation>
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
        <translation>Spesial&amp;effekter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Vis hjelpen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Vis informasjon om programmet</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Velg skriver...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behold den</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Flytt den fremst</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Flytt</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Endre størrelse</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Slett den</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Legg den bak landet</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Legg den foran landskapet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Slett tingen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekter</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Slett alle</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Få tilbake alle</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Flytt alle fremst</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Legg alle bak landet</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Angre %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gjør om %1</translation>
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
        <translation>Installerer bildepakken...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: velg en ting. Piltaster og Enter: plasser, flytt, endre størrelse. Esc: gi opp.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Velg en ting, og dra firkanten dens på bildet, eller bruk piltastene og Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>på %1, %2, %3 ganger %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter endrer den.</translation>
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
        <translation>Gitt opp: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>plasser tingen først (dra, eller piltaster og Enter), eller trykk Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>svar på vinduet Ny ting først, eller trykk Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>svar på vinduet Endre ting først, eller trykk Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>slipp tingen først (klikk, eller Enter), eller trykk Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>svar på vinduet Flytt ting først, eller trykk Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>tegn den nye størrelsen først (dra, eller piltaster og Enter), eller trykk Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>svar på vinduet Endre størrelse først, eller trykk Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 må vente: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: dra den på bildet, eller trykk en piltast der.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bilde: %1</translation>
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
        <translation>&amp;Finn:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Skriv et navn, som katt eller buss</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Finn en ting etter navnet</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorier</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Ting</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andre ting</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Det er ingen bildepakke med ting i pakkemappen.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Ingen ting heter «%1».</translation>
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
        <translation>Ting: velg en bildepakke</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Velg en ting</translation>
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
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Trykk på &apos;Velg skriver&apos; for å velge en annen skriver</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Så mange kopier skriver Veldor ut:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Velg skriver...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Antall kopier</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Skriv ut til fil</translation>
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
        <translation>Himmel: velg en bildepakke</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Vent litt, jeg tegner...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Spesialeffekter</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Effektene kan ta litt tid.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Obs: effektene forsvinner når du tegner bildet på nytt.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Bruk spesialeffektene når landskapet er ferdig, så</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>kan du lagre eller skrive ut bildet mens effektene vises.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Effekter som skal brukes:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Myke kanter</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Snudde farger (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Valg for snudde farger</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Fargevalg...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lyshet</translation>
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
        <translation>Bruk effektene</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Legger på effektene...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Hjelp for Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjelpetekst</translation>
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
        <translation>Kom i gang
-=-=-=-=-=

Denne lille veiledningen hjelper deg å lage ditt første bilde med Veldor.

Steg en: velg himmel

Klikk på himmelikonet, den andre knappen fra venstre i verktøylinjen. Himmelvinduet åpnes. Klikk på en av himlene; &apos;Mørke skyer&apos; er fin å begynne med. Bildet tegnes på nytt med den nye himmelen. Når det er ferdig, lukker du himmelvinduet.

Steg to: velg landskap

Klikk på landskapsikonet, den første knappen i verktøylinjen, og velg et landskap. Prøv &apos;Øde øy&apos;. Landskapet tegnes over himmelen, og lyset fra himmelen farger det.

Steg tre: legg til og endre ting

Klikk på tingikonet, den tredje knappen fra venstre, og velg &apos;Luftballong&apos;. Vinduet lukkes.

Trykk nå ned museknappen der ballongen skal være, hold den nede og dra nedover og mot høyre. Firkanten du drar blir like stor som ballongen.

Når du slipper, tegnes ballongen, og et lite vindu spør om du vil beholde den:
   &apos;Endre størrelse&apos; tegner bildet på nytt så du kan dra ballongens firkant en gang til, akkurat som før.
   &apos;Ikke behold den&apos; tar bort den nye tingen.
   &apos;Behold den&apos; lar den bli i bildet ditt.

Klikk senere på en ting for å flytte den, endre størrelsen, slette den eller legge den bak landet.

Med tastaturet:
   Trykk Tab til bildet får en prikket ramme. Når du har valgt en ting, trykker du en piltast: en firkant viser hvor den skal. Piltastene flytter den (med Shift ti steg om gangen), Ctrl og piltastene gjør den større eller mindre, Enter setter tingen der, og Esc gir den opp.
   Når ingenting er valgt, går Tab og Shift+Tab fra én ting i bildet til den neste; Enter åpner vinduet til tingen, slik et klikk på den ville gjort.
   Etter &apos;Flytt den&apos; eller &apos;Endre størrelse&apos; flytter piltastene omrisset eller endrer størrelsen, og Enter avslutter. Esc stopper alle endringer, slik Avbryt gjør.

Steg fire: gjør ferdig bildet

   Myke kanter:
   Myke kanter gjør de taggete kantene på ting og landskap glatte. Klikk på effektikonet, det fjerde fra venstre. La bare boksen &apos;Myke kanter&apos; være krysset av, og klikk på &apos;Bruk effektene&apos;.

   Lagre som BMP:
   Klikk på eksportikonet, den andre knappen fra høyre. Et vindu åpnes der du velger hvor stort bildet skal være; så spør det vanlige lagringsvinduet etter et filnavn.

Hjelp for knappene
-=-=-=-=-=-=-=-=-=

(Ikonene fra venstre mot høyre.)

Landskap: velg et landskap.
Himmel: velg en himmel.
Ting: legg til en ting.
Effekter: legg effekter på bildet.
------------------------------
Ny: start et nytt bilde.
Skriv ut: skriv ut bildet (med flere valg).
Lagre: lagre bildet som en .VDR-fil.
Åpne: åpne en .VDR-fil.
Lagre BMP: lagre bildet som en .BMP-fil.
------------------------------
Tegn på nytt: tegner bildet ditt en gang til.

Høyreklikk på bildet for en meny med alle kommandoene.
Menyen Verktøy sletter, henter tilbake eller flytter alle ting på en gang.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Velg et landskap</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Ikke noe landskap</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Flytt ting</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Du har nettopp flyttet en ting. Hva vil du gjøre?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Behold flyttingen</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Flytt igjen</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Angre flyttingen</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nytt bilde</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Vil du starte et nytt bilde?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Dette er ikke en Veldor-fil</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Endre ting</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Du har valgt tingen:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Hva vil du gjøre med den?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Slett den</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Flytt den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Endre størrelse</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Flytt den fremst</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Legg den bak landet</translation>
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
        <translation>Du har valgt en ny ting. Hva vil du gjøre med den?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behold den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Endre størrelse</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Ikke behold den</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Endre ting</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Du har valgt en ting som ligger bak landskapet.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Hva vil du gjøre med tingen:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Legg tingen foran landskapet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Slett tingen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Endre størrelse</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Du har nettopp endret størrelsen på en ting. Hva vil du gjøre?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Behold endringen</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Endre igjen</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Angre størrelsen</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Velg en himmel</translation>
    </message>
</context>
</TS>
