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
