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
