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
