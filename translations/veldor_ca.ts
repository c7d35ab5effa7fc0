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
