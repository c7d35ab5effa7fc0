<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
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
            <numerusform>och %n till</numerusform>
            <numerusform>och %n till</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Saker: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldors logga</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Välj skrivare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Hämta ett bildpaket</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effekter: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Lägg till min bild</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Lägg till min bild...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Bilden har ändrats.
Vill du spara den?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>en bild som aldrig sparats</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor stängdes innan ändringarna i %1 sparades.
Vill du få tillbaka dem?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Få tillbaka</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Släng</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Mappen finns inte.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Väntar på granskning av modersmålstalare</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Filen hittades inte</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Du får inte öppna filen</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disken är full</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Fel vid läsning eller skrivning %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmappsbilden är inte giltig</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Det går inte att göra PNG-filen</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Ingen skrivare är vald</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Den valda skrivaren fungerar inte</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>varken XDG_DATA_HOME eller HOME är satt</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Rad %1 är längre än 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; är inte ett giltigt heltal</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Fel antal saker: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Det finns inte nog med minne för %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Bilden kunde inte skrivas ut: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Bildpaketet %1 kan inte installeras:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Det går inte att öppna filen %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Det går inte att öppna filen %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Det går inte att skapa filen %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Inget paket valt</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Så här hämtar du ett bildpaket till Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Ladda ner en zip-fil med ett bildpaket till Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Öppna paketet, eller packa upp det i paketmappen</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Välj det sedan i paketlistan till vänster.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Bildpaket</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Paketets namn:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Gjort av:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beskrivning:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Öppna paketet, eller packa upp det i %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stenklippa</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Små berg</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Skogsklädda kullar</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Öde ö</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Gråa moln</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Mörka moln</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Orange solnedgång</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Klarblått</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Molnig dag</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Ringsten</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Äpple</translation>
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
        <translation>Golfboll</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gul blomma</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor-gänget</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Vinter och öken</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Bilder med snö, sand och stjärnor att prova med dina egna bilder.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Stjärnklar natt</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Mitt på dagen i öknen</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Norrsken</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Rosa gryning</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Snömoln</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Snöiga kullar</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Sanddyner</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Frusen sjö</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Röd kanjon</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>By på vintern</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Tall</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Stuga</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Segelbåt</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Snögubbe</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Höst</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Gyllene skogar, skördefält och en stor orange måne.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Gyllene eftermiddag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Dimmig morgon</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Höststorm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Skördemåne</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regn med regnbåge</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Lönnkullar</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Pumpafält</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Björksjön</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Gården med röd lada</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Vinrader</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Pumpa</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Lönnlöv</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Svamp</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Ekollon</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Fågelskrämma</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Vid havet</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Stränder, klippor och hamnar under sommarhimlar.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Sommarmiddag</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropisk solnedgång</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Dis över havet</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Stormigt hav</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Kväll i pastell</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Sandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Klippa med fyr</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Vik med palmer</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Hamnstad</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Klippig kust</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Fyr</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Badboll</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Mås</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Sjöstjärna</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasoll</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Månsken</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Natthimlar fulla av stjärnor över sovande land.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Fullmåne</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Vintergatan</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Skymning</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Stjärnfall</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Silvermoln</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Kullar i månsken</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Stad på natten</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Glänta med lägereld</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Sovande by</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Tallskog</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uggla</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lykta</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Ljus</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Månskära</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Fler kopior</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Färre kopior</translation>
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
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldors utvecklare.
Fritt att använda och dela.</translation>
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
        <translation>Exportera som BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Hur stor ska BMP-bilden vara?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (vanlig)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (utdragen)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmappsfiler (*.bmp);;PNG-bild (*.png);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exportera som BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exportera som BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landskap: välj ett bildpaket</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
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
        <translation>Sak</translation>
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
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exportera som BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Rita om</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Gör en ny fil</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Öppna en fil som redan finns</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Spara filen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Spara s&amp;om...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Spara filen med ett nytt namn</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Välj skrivare</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportera &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Stäng programmet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Ångra den senaste ändringen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Gör om ändringen som ångrades</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopiera till urklipp</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Ta bort alla</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Få tillbaka alla</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Flytta alla längst fra&amp;m</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Lägg alla bakom landet</translation>
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
        <translation>&amp;Saker</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Speciale&amp;ffekter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Visa hjälpen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Visa information om programmet</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Välj skrivare...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behåll den</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Flytta fram den</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Flytta</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Ta bort den</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Lägg den bakom landet</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Lägg den framför landskapet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Ta bort saken</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekter</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Ta bort alla</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Få tillbaka alla</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Flytta alla längst fram</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Lägg alla bakom landet</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ångra %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gör om %1</translation>
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
        <translation>Installerar bildpaketet...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: välj en sak. Piltangenter och Enter: placera, flytta, ändra storlek. Esc: ge upp.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Välj en sak och dra sedan dess ruta på bilden, eller använd piltangenterna och Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>vid %1, %2, %3 gånger %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter ändrar den.</translation>
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
        <translation>Avbrutet: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>placera saken först (dra, eller piltangenter och Enter), eller tryck på Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>svara i fönstret Ny sak först, eller tryck på Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>svara i fönstret Ändra sak först, eller tryck på Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>släpp saken först (klicka, eller Enter), eller tryck på Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>svara i fönstret Flytta sak först, eller tryck på Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>rita den nya storleken först (dra, eller piltangenter och Enter), eller tryck på Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>svara i fönstret Ändra storlek först, eller tryck på Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 får vänta: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: dra den på bilden, eller tryck på en piltangent där.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Fler saker</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Sök:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Skriv ett namn, som katt eller buss</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Hitta en sak med dess namn</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorier</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Saker</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andra saker</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Det finns inget bildpaket med saker i paketmappen.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Ingen sak heter ”%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 sak</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 saker</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Saker: välj ett bildpaket</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Välj en sak</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Fler saker...</translation>
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
        <translation>Tryck på &apos;Välj skrivare&apos; för att välja en annan skrivare</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Så många kopior skriver Veldor ut:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Välj skrivare...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Antal kopior</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Skriv ut till fil</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-filer (*.pdf);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Himmel: välj ett bildpaket</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Vänta, jag ritar...</translation>
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
        <translation>Effekterna kan ta en stund.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Obs: effekterna försvinner när du ritar om bilden.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Använd specialeffekterna när landskapet är klart, så att du</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>kan spara eller skriva ut bilden medan effekterna syns.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Effekter att använda:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Mjuka kanter</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Omvända färger (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Val för omvända färger</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Färga</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Färgval...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Ljus</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Mörkare</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Ljusare</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Använd effekterna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Lägger på effekterna...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Hjälp för Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjälptext</translation>
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
        <translation>Kom igång
-=-=-=-=-

Den här lilla guiden hjälper dig att göra din första bild med Veldor.

Steg ett: välj himmel

Klicka på himmelsikonen, den andra knappen från vänster i verktygsfältet. Himmelsfönstret öppnas. Klicka på en av himlarna; &apos;Mörka moln&apos; är bra att börja med. Bilden ritas om med den nya himlen. När den är klar stänger du himmelsfönstret.

Steg två: välj landskap

Klicka på landskapsikonen, den första knappen i verktygsfältet, och välj ett landskap. Prova &apos;Öde ö&apos;. Landskapet ritas över himlen, och himlens ljus färgar det.

Steg tre: lägg till och ändra saker

Klicka på sakikonen, den tredje knappen från vänster, och välj &apos;Luftballong&apos;. Fönstret stängs.

Tryck nu ner musknappen där ballongen ska vara och dra nedåt och åt höger medan du håller den nere. Rutan du drar blir så stor som ballongen.

När du släpper ritas ballongen, och ett litet fönster frågar om du vill behålla den:
   &apos;Ändra storlek&apos; ritar om bilden så att du kan dra ballongens ruta en gång till, precis som förut.
   &apos;Behåll den inte&apos; tar bort den nya saken.
   &apos;Behåll den&apos; låter den vara kvar i bilden.

Klicka senare på en sak för att flytta den, ändra storlek, ta bort den eller lägga den bakom landet.

Med tangentbordet:
   Tryck på Tab tills bilden får en prickig ram. När du har valt en sak trycker du på en piltangent: en ruta visar var den hamnar. Piltangenterna flyttar den (med Skift tio steg i taget), Ctrl och piltangenterna gör den större eller mindre, Enter sätter saken där och Esc ger upp den.
   När inget är valt går Tab och Skift+Tab från en sak i bilden till nästa; Enter öppnar dess fönster, precis som ett klick på den.
   Efter &apos;Flytta den&apos; eller &apos;Ändra storlek&apos; flyttar piltangenterna konturen eller ändrar dess storlek, och Enter gör klart. Esc stoppar alla ändringar, precis som Avbryt.

Steg fyra: gör klart bilden

   Mjuka kanter:
   Mjuka kanter gör sakers och landskaps hackiga kanter släta. Klicka på effektikonen, den fjärde från vänster. Låt bara rutan &apos;Mjuka kanter&apos; vara ikryssad och klicka på &apos;Använd effekterna&apos;.

   Spara som BMP:
   Klicka på exportikonen, den andra knappen från höger. Ett fönster öppnas där du väljer hur stor bilden ska vara; sedan frågar det vanliga sparfönstret efter ett filnamn.

Hjälp för knapparna
-=-=-=-=-=-=-=-=-=-

(Ikonerna från vänster till höger.)

Landskap: välj ett landskap.
Himmel: välj en himmel.
Sak: lägg till en sak.
Effekter: lägg effekter på bilden.
------------------------------
Ny: börja på en ny bild.
Skriv ut: skriv ut bilden (med fler val).
Spara: spara bilden som en .VDR-fil.
Öppna: öppna en .VDR-fil.
Spara BMP: spara bilden som en .BMP-fil.
------------------------------
Rita om: ritar bilden igen.

Högerklicka på bilden för en meny med alla kommandon.
Menyn Verktyg tar bort, får tillbaka eller flyttar alla saker på en gång.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Välj ett landskap</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Inget landskap</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Flytta sak</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Du har just flyttat en sak. Vad vill du göra?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Behåll flytten</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Flytta igen</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Ångra flytten</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Ny bild</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Vill du börja på en ny bild?</translation>
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
        <translation>Det här är inte en Veldor-fil</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Ändra sak</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Du har valt saken:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Vad vill du göra med den?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Ta bort den</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Flytta den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Flytta fram den</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Lägg den bakom landet</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Ny sak</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Du har valt en ny sak. Vad vill du göra med den?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Behåll den</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Behåll den inte</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Ändra sak</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Du har valt en sak som ligger bakom landskapet.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Vad vill du göra med saken:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Lägg saken framför landskapet</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Ta bort saken</translation>
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
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Du har just ändrat storlek på en sak. Vad vill du göra?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Behåll ändringen</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Ändra igen</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Ångra storleken</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Välj en himmel</translation>
    </message>
</context>
</TS>
