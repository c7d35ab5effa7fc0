<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Cel: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Sense terra.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Terra: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n més</numerusform>
            <numerusform>i %n més</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Objectes: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logotip del Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Tria la impressora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Carrega un paquet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efectes: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Afegeix la meva imatge</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Afegeix la meva imatge...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>El dibuix ha canviat.
El vols desar?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un dibuix que no s’ha desat mai</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>El Veldor es va tancar abans de desar %1.
Vols recuperar els canvis?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descarta</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Aquesta carpeta no existeix.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Pendent de revisió per parlants nadius</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>No s’ha trobat el fitxer</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>No es pot accedir al fitxer</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>El disc és ple</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error d’entrada/sortida %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imatge de mapa de bits no és vàlida</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>No es pot crear el PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hi ha cap impressora triada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impressora triada no és vàlida</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no hi ha ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>La línia %1 fa més d’1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no és un nombre enter vàlid</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Nombre d’objectes no vàlid: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>No hi ha prou memòria per a %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>No s’ha pogut imprimir el dibuix: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>No es pot afegir el paquet d’imatges %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No es pot obrir el fitxer %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No es pot obrir el fitxer %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No es pot crear el fitxer %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Cap paquet triat</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Per carregar un paquet d’imatges del Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Baixa un fitxer zip amb un paquet d’imatges del Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Obre el paquet, o extreu-lo a la carpeta «packs»</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Després tria’l a la llista de l’esquerra.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Paquets d’imatges</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Fet per:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripció:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Obre el paquet, o extreu-lo a %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Penya-segat de pedra</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Muntanyes petites</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Turons amb boscos</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Illa deserta</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Ciutat</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Núvols grisos</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Núvols foscos</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Posta de sol taronja</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Blau clar</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Dia ennuvolat</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Roca en anell</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Poma</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Pilota de golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Flor groga</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>L’equip del Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Hivern i desert</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Neu, sorra i estrelles per provar amb les teves imatges.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Nit estrellada</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Migdia al desert</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreal</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Alba rosa</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Núvols de neu</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Turons nevats</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dunes de sorra</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Llac glaçat</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Canó vermell</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Poble d’hivern</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Avet</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Caseta</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Veler</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Ninot de neu</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Tardor</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Boscos daurats, camps de collita i una gran lluna taronja.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Tarda daurada</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Matí de boira</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Tempesta de tardor</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lluna de la collita</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Xàfec amb arc de Sant Martí</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Turons d’aurons</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Camp de carabasses</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Llac dels bedolls</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Granja del graner vermell</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Vinya</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Carabassa</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Fulla d’auró</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Bolet</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Gla</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Espantaocells</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Vora el mar</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Platges, penya-segats i ports sota cels d’estiu.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Migdia d’estiu</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Posta de sol tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Boirina de mar</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mar amb tempesta</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Vespre pastel</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Platja de sorra</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Penya-segat del far</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Cala de palmeres</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Poble de port</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Costa rocosa</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Far</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Pilota de platja</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Gavina</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Estrella de mar</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Para-sol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Llum de lluna</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Cels de nit plens d’estrelles sobre terres adormides.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lluna plena</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Via Làctia</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Capvespre</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Pluja d’estels</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Núvols de plata</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Turons sota la lluna</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Ciutat de nit</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Foguera al bosc</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Poble adormit</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Pineda</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Mussol</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Fanal</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Coet</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Espelma</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Lluna creixent</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji de Google (SIL Open Font License), fets plans per al Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Els creadors del Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animals de granja</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porc</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ovella</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gall</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Pollet</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ànec</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavall</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bou</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Búfal d’aigua</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Gall dindi</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Marrà</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Ruc</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conill</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Cap de vaca</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Cap de porc</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Cap de cavall</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Oca</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animals del bosc</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Guineu</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ós</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cérvol</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Esquirol llistat</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Eriçó</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Teixó</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Llop</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Ós rentador</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Senglar</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Mofeta</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Ant</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Ratpenat</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Granota</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Cargol</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Eruga</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papallona</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abella</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Marieta</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Àguila</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ocell</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Formiga</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Aranya</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grill</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animals del mar</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Balena amb raig</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balena</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dofí</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peix</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Peix tropical</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Peix globus</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Tauró</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Calamar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cranc</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Llamàntol</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Gamba</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Petxina</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Foca</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medusa</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüí</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Llúdriga</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corall</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ostra</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Animals de la jungla</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mico</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Goril·la</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lleó</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Cap de tigre</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Lleopard</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hipopòtam</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Rinoceront</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Cocodril</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serp</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Lloro</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamenc</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Peresós</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedari</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Camell</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Cangur</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Coala</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Sargantana</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Paó</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Cap de mico</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotes</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gat</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Gos</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Caniche</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Cadell</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Gatet</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hàmster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Cap de ratolí</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratolí</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Conillet</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Gos pigall</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Petjades</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pollet petit</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pollet a l’ou</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Niu amb ous</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Persones</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Nadó</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Infant</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Nen</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Nena</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Persona gran</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Avi</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Àvia</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Persona rossa</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Home amb barba</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Família</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>De la mà</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dues amigues</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Caminant</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Corrent</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Ballarina</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Home ballant</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Persona dreta</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mà que saluda</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Mà enlaire</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Cara contenta</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Cara guai</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Cara d’abraçada</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Oficis i eines</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policia</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Guàrdia</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detectiu</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Núvia</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Persona amb vestit</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Estetoscopi</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Clau anglesa</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martell</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Serra</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paleta de pintor</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinzell</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Bústia</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Extintor</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Escombra</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Casc de rescat</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Birret</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscopi</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Llibres</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Llapis</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Cera de colors</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regle</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Tub d’assaig</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Maletí</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Caixa d’eines</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Galleda</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Imant</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Bombeta</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Vehicles</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Cotxe</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Tot terreny</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobús</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Troleibús</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Cotxe de curses</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Cotxe de policia</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulància</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Camió de bombers</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Microbús</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Camioneta</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Furgoneta</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Camió</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Escúter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Patinet</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Tren de vapor</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tren</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvia</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorail</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicòpter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Avió</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Avioneta</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Llanxa ràpida</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Barca de motor</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Vaixell</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferri</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Telefèric</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Telecabina</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Mototaxi</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edificis</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Casa amb jardí</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Oficines</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Oficina de correus</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banc</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Botiga</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Grans magatzems</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fàbrica</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Castell japonès</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castell</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Capella de noces</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Estàtua</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Església</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mesquita</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Temple</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Porta japonesa</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museu</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grua</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Cabana</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Casa vella</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Carpa de circ</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estadi</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Cap de pedra</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Plantes i arbres</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Avet</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmera</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Planteta</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Herba aromàtica</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trèvol</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Trèvol de quatre</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Fulles caigudes</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Fulles al vent</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Garba d’arròs</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipa</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Flor pansida</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibisc</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Flor de cirerer</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Gira-sol</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Ram de flors</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Planta en test</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Bolet vermell</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Jacint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castanya</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Arbre de desitjos</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Adorn de pi</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Niu buit</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Roca</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Fruita i verdura</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Poma verda</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Taronja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Llimona</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Plàtan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Síndria</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raïm</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Maduixa</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Nabius</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Meló</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cireres</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Préssec</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Pinya</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Coco</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomàquet</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Albergínia</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Alvocat</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Bròquil</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Pastanaga</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Blat de moro</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Bitxo</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Cogombre</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Enciam</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Ceba</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Patata</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Pebrot</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Menjar</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Barra de pa</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Brètzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Formatge</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ou</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Ou ferrat</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Creps</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gofra</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburguesa</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patates fregides</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Frankfurt</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Entrepà</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Espaguetis</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Gelat</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Dònut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Galeta</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Pastís d’aniversari</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Tros de pastís</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Magdalena</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Xocolata</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Caramel</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Piruleta</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Pot de mel</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Got de llet</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Brick de suc</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Beguda calenta</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pastís de fruita</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Joguines i esports</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pilota de futbol</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Beisbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Bàsquet</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Vòlei</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Futbol americà</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Pilota de rugbi</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Pilota de tennis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Disc volador</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bitlles</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Bat de criquet</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Estic d’hoquei</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Ping-pong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Bàdminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Guant de boxa</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Porteria</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Bandera de golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Patí de gel</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Canya de pescar</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Monopatí</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Patí de rodes</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Trineu</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Pedra de cúrling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Esquís</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Estel</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Io-io</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Osset de peluix</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Nines russes</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dau</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Peça de puzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Comandament</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Copa</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medalla d’or</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Tobogan</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxòfon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violí</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordió</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Tambor llarg</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maraques</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micròfon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Auriculars</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Ràdio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota musical</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espai</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Plat volador</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satèl·lit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Terra amb l’Àsia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planeta amb anells</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Lluna nova</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Lluna amb cara</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lluna somrient</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Sol somrient</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Estrella brillant</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Estrella que gira</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Estrella fugaç</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescopi</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Extraterrestre</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Marcianet</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Terra amb Amèrica</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lluna minvant</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Mitja lluna</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Lluna gairebé plena</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Núvol</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol rere el núvol</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Núvol de tempesta</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol i nuvolets</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Ennuvolat</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sol i pluja</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Núvol de pluja</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Núvol de neu</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Núvol amb llamp</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Boira</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Remolí</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc de Sant Martí</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraigua</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Paraigua i pluja</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Llamp</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Floc de neu</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Ninot sota la neu</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Foc</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Gota de pluja</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onada</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termòmetre</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Glaçó</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasia</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fada</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampir</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Geni de la llàntia</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trol</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicorn</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drac</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Cap de drac</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Dino de coll llarg</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantasma</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Ogre</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Bola de vidre</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Vareta màgica</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Príncep</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Princesa</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superheroi</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Dolent</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Joia</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Clau antiga</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Angelet</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escut</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Daga</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arc i fletxa</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Estacions i festes</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Carabassa de llum</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Arbre de Nadal</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Pare Noel</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mare Noel</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regal</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Canó de confeti</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Bola de confeti</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petard</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Llaç</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Campaneta de vent</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Bandera de carpa</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Nines de festa</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Fanalet vermell</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Llàntia d’oli</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menorà</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Sobre vermell</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Bola de discoteca</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Bufanda</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Guants</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Abric</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Bota</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Barret de sol</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Ulleres de sol</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Banyador</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Biquini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bandera blanca</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Bandera de quadres</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Ciutat i camp</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semàfor</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Semàfor ajagut</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Senyal de stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Obres</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzinera</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Parada d’autobús</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Cartell</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Paperera</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Cadira</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Carro de la compra</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Cistella</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Llit</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofà</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Bústia de casa</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Rellotge</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Maons</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Destral</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brúixola</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Pic</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Motxilla</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Llanterna</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Àncora</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Salvavides</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Sínia</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Muntanya russa</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Cavallet</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Correus antic</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Tren de muntanya</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estacions</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Dies de primavera i d’estiu</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Matí de primavera</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Brisa florida</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Vespre càlid</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Prat de primavera</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Camps d’estiu</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Fruiters en flor</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Vall verda</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Turó de roselles</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Dies de tardor i d’hivern</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Tarda de tardor</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Sol d’hivern</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Nevada</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Vespre gelat</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Bosc de tardor</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Turons de collita</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Arbres nus</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Camps nevats</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Bassa glaçada</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Pluja, tempestes, vent i boira</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Núvols de pluja</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Tempesta</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Dia de vent</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Dia de boira</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Prat moll</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Turons verds</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Landa amb vent</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Turons amb boira</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nit</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>La lluna, les estrelles i la foscor</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Turons foscos</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Poble de nit</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Llac de lluna</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Poble tranquil</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Vespres tardans i nits profundes</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Capvespre lila</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lluna naixent</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Blau de mitjanit</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Estrelles fugaces</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Nit de fanalets</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Turó del castell</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Granja adormida</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Port de nit</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Neu silenciosa</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Llums de la ciutat</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, sorra i mar</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Dia de platja</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Sol tropical</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Marinada</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Posta sobre el mar</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Costa ennuvolada</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mar en calma</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Platja de roques</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Illa de palmeres</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Penya-segats, onades i fars</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Matí lluminós</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Gavines i núvols</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Hora daurada</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Dia de mar gris</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Alba rosada</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Cingles blancs</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Onades grans</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Cap del far</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Platja de petxines</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Llacuna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Desert</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dunes, canons i cactus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Sol del desert</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Migdia calorós</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Cel polsós</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Posta al desert</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Nit al desert</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Plana de cactus</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasi</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Torres de pedra</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Gel, neu i muntanyes altes</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Blau fred</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Nit polar</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Alba a la muntanya</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Tempesta de neu</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Cims nevats</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Plaques de gel</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Pista d’esquí</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Campament d’iglús</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ciutat</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Carrers, parcs i teulades</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Matí a la ciutat</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Tarda atrafegada</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Ciutat amb pluja</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Posta a la ciutat</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Cel de fum</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Teulades</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parc</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Carrer major</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Gratacels</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Ciutat vella</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Camp</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Granges, camps i pobles</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Matí a la granja</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Dia de segar</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Núvols de pagès</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Vespre a l’hort</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Camps de colors</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Prat del poble</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Hort de fruiters</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Granja amb vent</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planetes, llunes i estrelles</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Espai profund</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Terra naixent</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dues llunes</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Cràters lunars</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planeta vermell</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Món de gel</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Jungla estranya</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Base espacial</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Més còpies</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Menys còpies</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Quant al Veldor</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versió 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 els desenvolupadors del Veldor.
Lliure per usar i compartir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Exporta com a BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Quina mida vols per a la imatge BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (estirada)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Fitxers de mapa de bits (*.bmp);;Imatge PNG (*.png);;Tots els fitxers (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exporta com a BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exporta com a BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Paisatge: tria un paquet</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Dibuix</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisatge</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objecte</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efectes especials</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimeix</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exporta com a BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Torna a dibuixar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Comença un dibuix nou</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Obre...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Obre un dibuix desat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Desa</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Desa el dibuix</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Desa &amp;com a...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Desa el dibuix amb un altre nom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimeix...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Tria la imp&amp;ressora</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exporta com a &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Surt del Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edita</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfés l’últim canvi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Refés el canvi desfet</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copia el dibuix al porta-retalls</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>E&amp;ines</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Esborra-ho tot</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Recupera-ho tot</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Tot al &amp;davant</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Tot darrere la &amp;terra</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisatge</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Cel</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objectes</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efectes especials</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Mostra l’ajuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Quant al Veldor...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Mostra què és el Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Tria la imp&amp;ressora...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Terra</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Queda-te’l</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Porta’l al davant</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mou</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Canvia la mida</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Esborra’l</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Darrere la terra</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Davant del paisatge</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Esborra l’objecte</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectes</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Esborra-ho tot</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Recupera-ho tot</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Tot al davant</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Tot darrere la terra</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfés: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refés: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Fitxers del Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Fitxer del Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>S’està afegint el paquet...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: tria un objecte. Fletxes i Retorn: col·loca, mou, canvia la mida. Esc: deixa-ho córrer.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Tria un objecte i després arrossega’n el rectangle al dibuix, o fes servir les fletxes i Retorn</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>a %1, %2, %3 per %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Retorn el canvia.</translation>
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
        <translation>Deixat córrer: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>primer col·loca l’objecte (arrossega, o fletxes i Retorn), o prem Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>primer respon la finestra «Objecte nou», o prem Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>primer respon la finestra «Canvia l’objecte», o prem Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>primer deixa anar l’objecte (fes clic, o Retorn), o prem Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>primer respon la finestra «Mou l’objecte», o prem Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>primer dibuixa la mida nova (arrossega, o fletxes i Retorn), o prem Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>primer respon la finestra «Mida de l’objecte», o prem Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 ha d’esperar: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: arrossega’l al dibuix, o prem-hi una fletxa.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Dibuix: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Més objectes</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Escriu un nom, com gat o autobús</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Troba un objecte pel nom</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objectes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Altres objectes</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>A la carpeta packs no hi ha cap paquet d’imatges amb objectes.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Cap objecte no es diu «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 objecte</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 objectes</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Objectes: tria un paquet</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Tria un objecte</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Més objectes...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Imprimeix</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Per a una altra impressora, prem «Impressora»</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Nombre de còpies:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Impressora...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre de còpies</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimeix en un fitxer</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fitxers PDF (*.pdf);;Tots els fitxers (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Cel: tria un paquet</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Espera, estic dibuixant...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efectes especials</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Els efectes tarden una mica.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Compte: els efectes desapareixen quan es torna a dibuixar.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Posa efectes quan el paisatge estigui acabat. Així podràs</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>desar o imprimir el dibuix amb els efectes.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efectes que vols posar:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Suavitza</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Inverteix colors</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Tenyeix</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>To...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Llum</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Més fosc</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Més clar</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>S’apliquen els efectes...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Ajuda del Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text d’ajuda</translation>
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
        <translation>Guia ràpida
-=-=-=-=-=-

Aquesta guia curta t’ajuda a fer el teu primer dibuix amb el Veldor.

Pas 1: tria el cel

Fes clic a la imatge del cel, el segon botó de l’esquerra a la barra. S’obre la finestra dels cels. Fes clic en un cel; «Núvols foscos» és bo per començar. El dibuix es torna a fer amb el cel nou. Quan acabi, tanca la finestra dels cels.

Pas 2: tria el paisatge

Fes clic a la imatge del paisatge, el primer botó de la barra, i tria un paisatge. Prova «Illa deserta». El paisatge es dibuixa sobre el cel, i la llum del cel li dona color.

Pas 3: afegeix i canvia objectes

Fes clic a la imatge dels objectes, el tercer botó de l’esquerra, i tria el «Globus». La finestra es tanca.

Ara prem el botó del ratolí on vols el globus, mantén-lo premut i arrossega cap avall i cap a la dreta. El rectangle que arrossegues és la mida del globus.

Quan deixes anar, es dibuixa el globus i una finestra petita et pregunta si el vols:
   «Canvia la mida» torna a dibuixar perquè puguis arrossegar el rectangle un altre cop.
   «No te’l quedis» treu l’objecte nou.
   «Queda-te’l» el deixa al dibuix.

Més tard, fes clic en un objecte per moure’l, canviar-ne la mida, esborrar-lo o posar-lo darrere la terra.

Amb el teclat:
   Prem Tab fins que el dibuix mostri un marc de punts. Quan hagis triat un objecte, prem una fletxa: un rectangle mostra on anirà. Les fletxes el mouen (amb Maj, deu passos de cop), Ctrl i les fletxes el fan més gran o més petit, Retorn hi deixa l’objecte, i Esc el deixa córrer.
   Si no hi ha res triat, Tab i Maj+Tab van d’un objecte del dibuix al següent; Retorn n’obre la finestra, com si hi fessis clic.
   Després de «Mou-lo» o «Canvia la mida», les fletxes mouen el contorn o en canvien la mida, i Retorn acaba. Esc atura qualsevol canvi, com Cancel·la.

Pas 4: acaba el dibuix

   Suavitza:
   Suavitzar fa més suaus les vores dels objectes i dels paisatges. Fes clic a la imatge dels efectes, el quart botó de l’esquerra. Deixa marcada només la casella «Suavitza» i fes clic a «Aplica».

   Desa com a BMP:
   Fes clic a la imatge d’exportar, el segon botó de la dreta. S’obre una finestra on tries la mida; després la finestra de desar et demana un nom.

Els botons
-=-=-=-=-=

(D’esquerra a dreta.)

Paisatge: tria un paisatge.
Cel: tria un cel.
Objecte: afegeix un objecte.
Efectes: posa efectes al dibuix.
------------------------------
Nou: comença un dibuix nou.
Imprimeix: imprimeix el dibuix (amb més opcions).
Desa: desa el dibuix com a fitxer .VDR.
Obre: obre un fitxer .VDR.
Exporta com a BMP: desa el dibuix com a fitxer .BMP.
------------------------------
Torna a dibuixar: fa el dibuix de nou.

Fes clic amb el botó dret al dibuix per veure un menú amb totes les ordres.
El menú Eines esborra, recupera o mou tots els objectes alhora.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Tria un paisatge</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Sense paisatge</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Mou l’objecte</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Has mogut un objecte. Què vols fer?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Ja està bé</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Torna-hi</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Dibuix nou</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Vols començar un dibuix nou?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>No és un fitxer del Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Canvia l’objecte</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Has triat l’objecte:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Què vols fer-ne?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Esborra’l</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Mou-lo</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Canvia la mida</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Porta’l al davant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Darrere la terra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Objecte nou</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Tens un objecte nou. Què vols fer-ne?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Queda-te’l</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Canvia la mida</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>No te’l quedis</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Canvia l’objecte</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Has triat un objecte que és darrere el paisatge.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Què vols fer amb:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Posa’l davant del paisatge</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Esborra l’objecte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Mida de l’objecte</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Has canviat la mida d’un objecte. Què vols fer?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Ja està bé</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Torna-hi</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Tria un cel</translation>
    </message>
</context>
</TS>
