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
