<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Cielo: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Nessun terreno.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Terreno: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e ancora %n</numerusform>
            <numerusform>e ancora %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Oggetti: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo di Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Scegli la stampante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Carica un pacchetto di immagini</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effetti: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Aggiungi una mia immagine</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Aggiungi una mia immagine...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Il disegno è cambiato.
Vuoi salvarlo?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un disegno mai salvato</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor si è chiuso prima di salvare le modifiche a %1.
Vuoi riaverle?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Butta via</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Questa cartella non c&apos;è.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>In attesa di controllo da parte di madrelingua</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Non puoi aprire questo file</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Il disco è pieno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Errore di lettura o scrittura %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Non riesco a creare il PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Non c&apos;è una stampante scelta</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La stampante scelta non va bene</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>né XDG_DATA_HOME né HOME sono impostati</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>La riga %1 è più lunga di 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Numero di oggetti sbagliato: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Non c&apos;è abbastanza memoria per %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Non riesco a stampare il disegno: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Non riesco a installare il pacchetto di immagini %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Non riesco ad aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Non riesco ad aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Non riesco a creare il file %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Nessun pacchetto scelto</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Per caricare un pacchetto di immagini di Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Scarica un file zip con un pacchetto di immagini di Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Apri il pacchetto, o mettilo nella cartella dei pacchetti</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Poi sceglilo nella lista dei pacchetti a sinistra.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Pacchetti di immagini</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nome del pacchetto:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Fatto da:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Apri il pacchetto, o mettilo in %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Scogliera di pietra</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Piccole montagne</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Colline con boschi</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Isola deserta</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nuvole grigie</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nuvole scure</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Tramonto arancione</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Azzurro limpido</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Giornata nuvolosa</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Roccia ad anello</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Mela</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Mongolfiera</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Mongolfiera</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Pallina da golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Fiore giallo</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>La squadra di Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Inverno e deserto</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Paesaggi di neve, di sabbia e di stelle da provare con i tuoi disegni.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Notte stellata</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Mezzogiorno nel deserto</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreale</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Alba rosa</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nuvole di neve</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Colline innevate</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dune di sabbia</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lago ghiacciato</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Canyon rosso</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Paese d&apos;inverno</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Pino</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Casetta</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Barca a vela</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Pupazzo di neve</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Autunno</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Boschi dorati, campi del raccolto e una grande luna arancione.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Pomeriggio dorato</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mattina nebbiosa</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Temporale d&apos;autunno</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna del raccolto</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Pioggia con arcobaleno</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Colline di aceri</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Campo di zucche</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lago delle betulle</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Fattoria col fienile rosso</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Filari di vigna</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Zucca</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Foglia d&apos;acero</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Fungo</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Ghianda</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Spaventapasseri</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Al mare</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Spiagge, scogliere e porti sotto il cielo d&apos;estate.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Mezzogiorno d&apos;estate</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tramonto tropicale</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Foschia sul mare</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mare in tempesta</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Sera color pastello</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Spiaggia di sabbia</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Scogliera col faro</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Baia delle palme</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Paese col porto</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Costa rocciosa</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Faro</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Pallone da spiaggia</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Gabbiano</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Stella marina</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Ombrellone</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Chiaro di luna</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Cieli di notte pieni di stelle sopra terre che dormono.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Via Lattea</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepuscolo</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Pioggia di stelle cadenti</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nuvole d&apos;argento</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Colline al chiaro di luna</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Città di notte</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Radura col falò</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Paese che dorme</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Bosco di pini</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Gufo</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lanterna</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Razzo</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Spicchio di luna</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji di Google (SIL Open Font License), reso piatto per Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Gli sviluppatori di Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animali della fattoria</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Mucca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Maiale</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Pecora</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Capra</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Pulcino</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Anatra</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavallo</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bue</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Bufalo</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Tacchino</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Montone</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Asino</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Coniglio</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Muso di mucca</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Muso di maiale</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Muso di cavallo</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Oca</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animali del bosco</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Volpe</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Orso</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cervo</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Scoiattolo</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Riccio</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Tasso</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lupo</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Procione</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castoro</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Cinghiale</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Puzzola</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Alce</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Pipistrello</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Lumaca</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Bruco</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Ape</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Coccinella</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Aquila</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Uccellino</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Formica</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Ragno</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grillo</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animali del mare</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Balena che spruzza</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balena</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfino</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Pesce tropicale</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Pesce palla</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Squalo</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Polpo</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Calamaro</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Granchio</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Aragosta</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Gamberetto</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Conchiglia</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Foca</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medusa</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguino</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Lontra</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corallo</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ostrica</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Animali della giungla</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Scimmia</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orango</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Muso di tigre</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopardo</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Ippopotamo</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Rinoceronte</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Coccodrillo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Pappagallo</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Fenicottero</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Bradipo</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedario</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Cammello</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguro</translation>
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
        <translation>Lucertola</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavone</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Muso di scimmia</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animali di casa</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gatto</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cane</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Barboncino</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Cucciolo</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Gattino</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Criceto</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Muso di topo</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Coniglietto</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Cane guida</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Impronte</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Osso</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pulcino</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pulcino che nasce</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Nido con uova</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Persone</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebè</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Bambino</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Ragazzo</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Ragazza</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Uomo</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Persona anziana</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Nonno</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Nonna</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Persona bionda</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Uomo con barba</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famiglia</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Mano nella mano</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Due amici</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Camminare</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Correre</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Ballerina</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Uomo che balla</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Persona in piedi</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mano che saluta</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Mano alzata</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Faccina felice</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Faccina cool</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Faccina che abbraccia</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Mestieri e attrezzi</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Poliziotto</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Muratore</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Guardia</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detective</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Sposa</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Persona in giacca</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoscopio</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Chiave inglese</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martello</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Sega</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pennello</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Cassetta postale</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Estintore</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Scopa</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Casco da soccorso</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Cappello di laurea</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Pastello</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Righello</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Provetta</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Valigetta</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Cassetta attrezzi</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Secchio</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Calamita</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Lampadina</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Veicoli</translation>
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
        <translation>Fuoristrada</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Filobus</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Auto da corsa</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Auto della polizia</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulanza</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Camion dei pompieri</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Pulmino</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Furgone</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Camion</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Trattore</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Motorino</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicletta</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Monopattino</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Treno a vapore</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Treno</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metropolitana</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tram</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorotaia</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Aeroplanino</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Motoscafo</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Barca a motore</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Nave</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Traghetto</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Funivia</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Treno di montagna</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Risciò</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edifici</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Casa con giardino</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Uffici</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Ufficio postale</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Ospedale</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banca</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Albergo</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Negozio</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Scuola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Grande magazzino</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabbrica</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Castello giapponese</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castello</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Chiesetta nuziale</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Statua</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Chiesa</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moschea</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Tempio</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Santuario</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museo</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Gru</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Capanna</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Casa vecchia</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Tendone del circo</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadio</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Testa di pietra</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Piante e alberi</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Albero</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Abete</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palma</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Germoglio</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Erba aromatica</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trifoglio</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Quadrifoglio</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Foglie cadute</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Foglie al vento</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Covone di riso</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipano</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Fiore appassito</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Ibisco</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Fiore di ciliegio</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Fiore</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Girasole</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Mazzo di fiori</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Pianta in vaso</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Fungo rosso</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Giacinto</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castagna</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Albero dei desideri</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Decorazione di pino</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Nido vuoto</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Roccia</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frutta e verdura</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Mela verde</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancia</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Anguria</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uva</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fragola</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Mirtilli</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melone</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Ciliegie</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pesca</translation>
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
        <translation>Noce di cocco</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Melanzana</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avocado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Broccolo</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Carota</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Pannocchia</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Peperoncino</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Cetriolo</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Lattuga</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Aglio</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cipolla</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Patata</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Peperone</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Cibo</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pane</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Cornetto</translation>
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
        <translation>Formaggio</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Uovo</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Uovo fritto</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pancake</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Cialda</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patatine</translation>
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
        <translation>Panino</translation>
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
        <translation>Gelato</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ciambella</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Biscotto</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Torta di compleanno</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Fetta di torta</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Tortina</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Cioccolato</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Caramella</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lecca-lecca</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Vasetto di miele</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Bicchiere di latte</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Succo di frutta</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Bevanda calda</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Crostata</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Giochi e sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pallone</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Pallavolo</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Football americano</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Palla da rugby</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Pallina da tennis</translation>
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
        <translation>Mazza da cricket</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Mazza da hockey</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Ping-pong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Guantone da boxe</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Bandierina da golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Pattino da ghiaccio</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Canna da pesca</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Pattino a rotelle</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Slittino</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Pietra da curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Sci</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Aquilone</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Orsacchiotto</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matrioske</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Pezzo di puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Coppa</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medaglia d&apos;oro</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Bersaglio</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Boomerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Scivolo</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Chitarra</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tamburo</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Tromba</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Sassofono</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Fisarmonica</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Tamburo lungo</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauto</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Cuffie</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota musicale</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Disco volante</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Terra con l&apos;Asia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Pianeta con anelli</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Faccia di luna</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Luna sorridente</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Sole sorridente</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Stella brillante</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Stella che gira</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Stella cadente</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alieno</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Mostro a pixel</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Terra con l&apos;America</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna calante</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Mezza luna</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Luna quasi piena</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvola</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sole dietro nuvola</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Nuvola di temporale</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sole e nuvole</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvoloso</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sole e pioggia</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nuvola di pioggia</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Nuvola di neve</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Nuvola con fulmine</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Nebbia</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Mulinello</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Ombrello</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Ombrello con pioggia</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Fulmine</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Fiocco di neve</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Pupazzo innevato</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Goccia di pioggia</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometro</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Cubetto di ghiaccio</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasia</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Mago</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fata</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampiro</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elfo</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicorno</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drago</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Muso di drago</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Diplodoco</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantasma</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Orco</translation>
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
        <translation>Sfera di cristallo</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Bacchetta magica</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Principe</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Principessa</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Supereroe</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Cattivo</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Gemma</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Chiave antica</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Angelo</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Scudo</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Pugnale</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arco e freccia</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Feste e stagioni</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Zucca di Halloween</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Albero di Natale</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Babbo Natale</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mamma Natale</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Palloncino</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Sparacoriandoli</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Palla di coriandoli</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petardo</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Fiocco</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Campanelle a vento</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Carpa volante</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Bambole della festa</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Lanterna rossa</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lampada a olio</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menorah</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Busta rossa</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Palla da discoteca</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Sciarpa</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Guanti</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Cappotto</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Stivale</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Cappello da sole</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Occhiali da sole</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Costume da bagno</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bandiera bianca</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Bandiera a scacchi</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Città e campagna</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semaforo</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Semaforo orizzontale</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Lavori in corso</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Pompa di benzina</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Fermata dell&apos;autobus</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Cartello</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Sedia</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Carrello della spesa</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Cesta</translation>
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
        <translation>Letto</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Divano</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Buca delle lettere</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Mattoni</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Ascia</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Bussola</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Piccone</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Zaino</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valigia</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Torcia</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancora</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Salvagente</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontana</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Ruota panoramica</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Montagne russe</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Cavallo della giostra</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Vecchia posta</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Trenino di montagna</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Stagioni</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Giorni di primavera e d&apos;estate</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Mattina di primavera</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Brezza di fiori</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Sera tiepida</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Prato di primavera</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Campi d&apos;estate</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Frutteto in fiore</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Valle verde</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Collina dei papaveri</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Giorni d&apos;autunno e d&apos;inverno</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Pomeriggio d&apos;autunno</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Sole d&apos;inverno</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Nevicata</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Sera di gelo</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Bosco d&apos;autunno</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Colline del raccolto</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Alberi spogli</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Campi innevati</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Stagno ghiacciato</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Pioggia, temporali, vento e nebbia</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Nuvole di pioggia</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Temporale</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Giornata di vento</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Giornata di nebbia</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Prato bagnato</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Colline verdi</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Brughiera col vento</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Colline nella nebbia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>La luna, le stelle e il buio</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Colline scure</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Città di notte</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Lago sotto la luna</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Paese tranquillo</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Sere tarde e notti fonde</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Sera viola</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Sorgere della luna</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Blu di mezzanotte</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Stelle cadenti</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Notte delle lanterne</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Collina del castello</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Fattoria che dorme</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Porto di notte</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Neve silenziosa</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Luci della città</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sole, sabbia e mare</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Giornata al mare</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Sole tropicale</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Brezza marina</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Tramonto sul mare</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Costa nuvolosa</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mare calmo</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Riva di scogli</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Porto</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Isola delle palme</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Scogliere, onde e fari</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Mattina luminosa</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Gabbiani e nuvole</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Ora dorata</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Mare grigio</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Alba rosa</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Scogliere bianche</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Onde grandi</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Punta del faro</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Riva di conchiglie</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Deserto</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dune, canyon e cactus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Sole del deserto</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Mezzogiorno caldo</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Cielo polveroso</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Tramonto nel deserto</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Notte nel deserto</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Pianura di cactus</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasi</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Torri di pietra</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Ghiaccio, neve e alte montagne</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Azzurro gelido</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Notte polare</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Alba in montagna</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Bufera di neve</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Cime innevate</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Lastre di ghiaccio</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Pista da sci</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Villaggio di igloo</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Strade, parchi e tetti</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Mattina in città</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Pomeriggio vivace</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Città piovosa</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Tramonto in città</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Cielo fumoso</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Tetti</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parco</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Via principale</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Grattacieli</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Centro storico</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Campagna</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Fattorie, campi e paesi</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Mattina in fattoria</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Giorno del fieno</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Nuvole di campagna</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Sera nel frutteto</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Campi colorati</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Piazza del paese</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Frutteto</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Fattoria col vento</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Pianeti, lune e stelle</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Spazio profondo</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Sorgere della Terra</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Due lune</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Crateri lunari</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Pianeta rosso</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Mondo di ghiaccio</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Giungla aliena</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Base spaziale</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Più copie</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Meno copie</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versione 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 gli sviluppatori di Veldor.
Puoi usarlo e condividerlo liberamente.</translation>
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
        <translation>Esporta come BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Quanto deve essere grande il BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normale)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (allungato)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>File bitmap (*.bmp);;Immagine PNG (*.png);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Esporta come BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Esporta come BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Paesaggio: scegli un pacchetto di immagini</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paesaggio</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Effetti speciali</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Esporta come BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Ridisegna</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crea un nuovo file</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Apri un file che c&apos;è già</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salva il file</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salva il file con un nuovo nome</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Sce&amp;gli la stampante</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Esporta &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Rifai la modifica appena annullata</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Cancella &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Riprendi tutto</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Porta tutto &amp;davanti</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Metti tutto dietro la terra</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paesaggio</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Cielo</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Oggetti</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Effetti speciali</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Mostra l&apos;aiuto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Mostra le informazioni sul programma</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Sce&amp;gli la stampante...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Terreno</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Tienilo</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Portalo davanti</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Cambia misura</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Cancellalo</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Mettilo dietro la terra</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Mettilo davanti al paesaggio</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Cancella l&apos;oggetto</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Riprendi tutto</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Porta tutto davanti</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Metti tutto dietro la terra</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Ann&amp;ulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rifai %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>File di Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>File di Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Sto installando il pacchetto di immagini...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: scegli un oggetto. Frecce e Invio: metti, sposta, cambia misura. Esc: lascia stare.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Scegli un oggetto, poi trascina il suo rettangolo sul disegno, o usa le frecce e Invio</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>a %1, %2, grande %3 per %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Invio per cambiarlo.</translation>
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
        <translation>Lasciato stare: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>prima metti l&apos;oggetto (trascina, o frecce e Invio), oppure premi Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>prima rispondi alla finestra Nuovo oggetto, oppure premi Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>prima rispondi alla finestra Cambia l&apos;oggetto, oppure premi Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>prima lascia l&apos;oggetto (clic, o Invio), oppure premi Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>prima rispondi alla finestra Sposta l&apos;oggetto, oppure premi Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>prima disegna la nuova misura (trascina, o frecce e Invio), oppure premi Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>prima rispondi alla finestra Cambia la misura, oppure premi Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 deve aspettare: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: trascinalo sul disegno, o premi lì un tasto freccia.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Disegno: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Altri oggetti</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Scrivi un nome, come gatto o autobus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Cerca un oggetto per nome</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Oggetti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Oggetti vari</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Nella cartella dei pacchetti non c&apos;è nessun pacchetto di immagini con oggetti.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Nessun oggetto si chiama “%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 oggetto</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 oggetti</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Oggetti: scegli un pacchetto di immagini</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Scegli un oggetto</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Altri oggetti...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Per scegliere un&apos;altra stampante, premi &apos;Scegli la stampante&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Quante copie stampa Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Scegli la stampante...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Numero di copie</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Stampa su file</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>File PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Cielo: scegli un pacchetto di immagini</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Aspetta, sto disegnando...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Effetti speciali</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Gli effetti possono richiedere un po&apos; di tempo.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Attenzione: gli effetti spariscono quando ridisegni l&apos;immagine.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Usa gli effetti speciali quando il paesaggio è finito, così</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>puoi salvare o stampare l&apos;immagine con gli effetti sullo schermo.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Effetti da usare:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Bordi lisci</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Colori rovesciati (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opzioni dei colori rovesciati</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Colora</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opzioni del colore...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Più scuro</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Più chiaro</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Usa gli effetti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Sto usando gli effetti...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Aiuto di Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo di aiuto</translation>
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
        <translation>Per cominciare
-=-=-=-=-=-=-=

Questa piccola guida ti aiuta a fare il tuo primo disegno con Veldor.

Primo passo: scegli il cielo

Clicca l&apos;icona del cielo, il secondo pulsante da sinistra nella barra. Si apre la finestra del cielo. Clicca uno dei cieli; &apos;Nuvole scure&apos; va bene per iniziare. Il disegno viene rifatto con il nuovo cielo. Quando è pronto, chiudi la finestra del cielo.

Secondo passo: scegli il paesaggio

Clicca l&apos;icona del paesaggio, il primo pulsante nella barra, e scegli un paesaggio. Prova &apos;Isola deserta&apos;. Il paesaggio viene disegnato sopra il cielo, e la luce del cielo lo colora.

Terzo passo: aggiungi e cambia gli oggetti

Clicca l&apos;icona degli oggetti, il terzo pulsante da sinistra, e scegli la &apos;Mongolfiera&apos;. La finestra si chiude.

Ora premi il tasto del mouse dove vuoi la mongolfiera e, tenendolo premuto, trascina in basso a destra. Il rettangolo che disegni è la grandezza della mongolfiera.

Quando lasci il tasto, la mongolfiera viene disegnata e una piccola finestra ti chiede se vuoi tenerla:
   &apos;Cambia misura&apos; rifà il disegno, così puoi trascinare di nuovo il rettangolo della mongolfiera, come prima.
   &apos;Non tenerlo&apos; toglie il nuovo oggetto.
   &apos;Tienilo&apos; lo lascia nel tuo disegno.

Più tardi clicca su un oggetto per spostarlo, cambiarne la misura, cancellarlo o metterlo dietro la terra.

Con la tastiera:
   Premi Tab finché il disegno ha una cornice a puntini. Dopo aver scelto un oggetto, premi un tasto freccia: un rettangolo mostra dove andrà. Le frecce lo spostano (con Maiusc, dieci passi alla volta), Ctrl e le frecce lo fanno più grande o più piccolo, Invio mette lì l&apos;oggetto ed Esc lo lascia stare.
   Se non hai scelto niente, Tab e Maiusc+Tab passano da un oggetto del disegno al successivo; Invio apre la sua finestra, come se ci cliccassi sopra.
   Dopo &apos;Spostalo&apos; o &apos;Cambia misura&apos;, le frecce spostano il contorno o ne cambiano la misura, e Invio finisce. Esc ferma ogni cambiamento, come Annulla.

Quarto passo: finisci il disegno

   Bordi lisci:
   I bordi lisci rendono morbidi i bordi ruvidi di oggetti e paesaggi. Clicca l&apos;icona degli effetti, la quarta da sinistra. Lascia segnata solo la casella &apos;Bordi lisci&apos; e clicca &apos;Usa gli effetti&apos;.

   Salvare come BMP:
   Clicca l&apos;icona per esportare, il secondo pulsante da destra. Si apre una finestra dove scegli la grandezza dell&apos;immagine; poi la solita finestra di salvataggio ti chiede il nome del file.

Aiuto sui pulsanti
-=-=-=-=-=-=-=-=-=

(Le icone da sinistra a destra.)

Paesaggio: scegli un paesaggio.
Cielo: scegli un cielo.
Oggetto: aggiungi un oggetto.
Effetti: aggiungi effetti al disegno.
------------------------------
Nuovo: inizia un nuovo disegno.
Stampa: stampa il disegno (con altre opzioni).
Salva: salva il disegno come file .VDR.
Apri: apri un file .VDR.
Salva BMP: salva l&apos;immagine come file .BMP.
------------------------------
Ridisegna: disegna di nuovo l&apos;immagine.

Clicca col tasto destro sul disegno per avere un menu con tutti i comandi.
Il menu Strumenti cancella, riprende o sposta tutti gli oggetti insieme.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Scegli un paesaggio</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Nessun paesaggio</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Sposta l&apos;oggetto</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Hai appena spostato un oggetto. Cosa vuoi fare?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Va bene così</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Sposta di nuovo</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Annulla lo spostamento</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nuovo disegno</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Vuoi iniziare un nuovo disegno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Questo non è un file di Veldor</translation>
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
        <translation>Cambia l&apos;oggetto</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Hai scelto l&apos;oggetto:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Cosa vuoi farci?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Cancellalo</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Spostalo</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Cambia misura</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Portalo davanti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Mettilo dietro la terra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nuovo oggetto</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Hai scelto un nuovo oggetto. Cosa vuoi farci?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Tienilo</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Cambia misura</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Non tenerlo</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Cambia l&apos;oggetto</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Hai scelto un oggetto che è dietro il paesaggio.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Cosa vuoi fare con l&apos;oggetto:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Metti l&apos;oggetto davanti al paesaggio</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Cancella l&apos;oggetto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Cambia la misura</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Hai appena cambiato la misura di un oggetto. Cosa vuoi fare?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Va bene così</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Cambia di nuovo</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Annulla il cambio di misura</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Scegli un cielo</translation>
    </message>
</context>
</TS>
