<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Lucht: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Geen grond.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Grond: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Voorwerpen: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor-logo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Printer kiezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Pakket laden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effecten: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Mijn plaatje toevoegen</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Mijn plaatje toevoegen...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>De tekening is veranderd.
Wil je hem bewaren?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>een tekening die nooit bewaard is</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor stopte voordat %1 bewaard was.
Wil je de veranderingen terug?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terughalen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Deze map bestaat niet.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Wacht op controle door moedertaalsprekers</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Geen toegang tot het bestand</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>De schijf is vol</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>In-/uitvoerfout %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>De bitmap is niet geldig</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Kan geen PNG maken</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Er is geen printer gekozen</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>De gekozen printer is niet geldig</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME en HOME zijn allebei niet ingesteld</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Regel %1 is langer dan 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Ongeldig aantal voorwerpen: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Niet genoeg geheugen voor %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>De tekening kon niet geprint worden: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Het plaatjespakket %1 kan niet worden toegevoegd:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan bestand %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Kan bestand %1 niet maken: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Geen pakket gekozen</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Zo laad je een Veldor-plaatjespakket:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Download een zipbestand met een Veldor-plaatjespakket.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Open het pakket, of pak het uit in de map „packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Kies het dan links in de lijst.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Plaatjespakketten</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Gemaakt door:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Open het pakket, of pak het uit in %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stenen klif</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Kleine bergen</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Bosheuvels</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Onbewoond eiland</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Grijze wolken</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Donkere wolken</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranje zonsondergang</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Helder blauw</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Bewolkte dag</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Ringrots</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Luchtballon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Luchtballon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfbal</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Gele bloem</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Het Veldor-team</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Winter en woestijn</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Sneeuw, zand en sterren om te proberen met je eigen plaatjes.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Sterrennacht</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Middag in de woestijn</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Noorderlicht</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Roze ochtend</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Sneeuwwolken</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Besneeuwde heuvels</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Zandduinen</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Bevroren meer</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Rode kloof</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Winterdorp</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Dennenboom</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Huisje</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Sneeuwpop</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herfst</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Gouden bossen, oogstvelden en een grote oranje maan.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Gouden middag</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mistige ochtend</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Herfststorm</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Oogstmaan</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Regenboogbui</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Esdoornheuvels</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Pompoenveld</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Berkenmeer</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Boerderij met rode schuur</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Wijngaard</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Pompoen</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Esdoornblad</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Paddenstoel</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Eikel</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Vogelverschrikker</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Aan zee</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Stranden, kliffen en havens onder een zomerlucht.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Zomermiddag</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropische zonsondergang</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Zeenevel</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Woeste zee</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastelavond</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Zandstrand</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Vuurtorenklif</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmenbaai</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Havenstad</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Rotskust</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Vuurtoren</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Strandbal</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Meeuw</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Zeester</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Maanlicht</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nachtluchten vol sterren boven slapende landen.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Melkweg</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Schemering</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Vallende sterren</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Zilveren wolken</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Heuvels in maanlicht</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Stad bij nacht</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Kampvuur</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Slapend dorp</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Dennenbos</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Uil</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lantaarn</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kaars</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Maansikkel</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Meer kopieën</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Minder kopieën</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Over Veldor</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versie 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 de makers van Veldor.
Vrij te gebruiken en te delen.</translation>
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
        <translation>Opslaan als BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Hoe groot moet het BMP-plaatje worden?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (gewoon)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (uitgerekt)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmapbestanden (*.bmp);;PNG-plaatje (*.png);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Opslaan als BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Opslaan als BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Landschap: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Tekening</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschap</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Lucht</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Voorwerp</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Speciale effecten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Opslaan als BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Opnieuw tekenen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Een nieuwe tekening beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Een bewaarde tekening openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Be&amp;waren</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>De tekening bewaren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Bewaren &amp;als...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>De tekening onder een nieuwe naam bewaren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Printen...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>P&amp;rinter kiezen</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Opslaan als B&amp;MP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Veldor stoppen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>De laatste verandering ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>De ongedane verandering opnieuw doen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>De tekening naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Gereedschap</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Alles &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Alles &amp;terughalen</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Alles naar &amp;voren</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Alles &amp;achter het land</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landschap</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>L&amp;ucht</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>V&amp;oorwerpen</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Speciale &amp;effecten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>De hulp laten zien</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O&amp;ver Veldor...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Laten zien wat Veldor is</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rinter kiezen...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Grond</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Achter het land</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Voor het landschap</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Voorwerp wissen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effecten</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Alles terughalen</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Alles naar voren</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Alles achter het land</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-bestanden [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-bestand (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Pakket wordt toegevoegd...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: kies een voorwerp. Pijlen en Enter: neerzetten, verplaatsen, grootte veranderen. Escape: stoppen.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Kies een voorwerp en sleep dan zijn rechthoek op de tekening, of gebruik de pijltjestoetsen en Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>op %1, %2, %3 bij %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Met Enter verander je het.</translation>
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
        <translation>Gestopt: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>zet eerst het voorwerp neer (slepen, of pijlen en Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Nieuw voorwerp’, of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Voorwerp veranderen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>laat eerst het voorwerp los (klikken, of Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Voorwerp verplaatsen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>teken eerst de nieuwe grootte (slepen, of pijlen en Enter), of druk op Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>geef eerst antwoord in het venster ‘Grootte veranderen’, of druk op Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 moet wachten: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: sleep het op de tekening, of druk daar op een pijltjestoets.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Tekening: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Meer voorwerpen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Typ een naam, zoals kat of bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Zoek een voorwerp op zijn naam</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Voorwerpen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Andere voorwerpen</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Er is geen plaatjespakket met voorwerpen in de map packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Geen voorwerp heet ‘%1’.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 voorwerp</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 voorwerpen</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Voorwerpen: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Kies een voorwerp</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Meer voorwerpen...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Voor een andere printer klik je op ‘Printer...’</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Aantal kopieën:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Aantal kopieën</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Printen naar bestand</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-bestanden (*.pdf);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Lucht: kies een pakket</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Even wachten, ik teken...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Speciale effecten</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Effecten kosten wat tijd.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Let op: de effecten gaan weg als de tekening opnieuw getekend wordt.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Gebruik effecten als je landschap klaar is. Dan kun je</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>je tekening met de effecten bewaren of printen.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Deze effecten gebruiken:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Gladmaken</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Kleuren omdraaien</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Kleur...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Tint...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Donkerder</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Effecten bezig...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor-hulp</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hulptekst</translation>
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
        <translation>Snel beginnen
-=-=-=-=-=-=-

Deze korte uitleg helpt je om met Veldor je eerste tekening te maken.

Stap 1: kies een lucht

Klik op het plaatje van de lucht, de tweede knop van links in de balk. Het luchtvenster gaat open. Klik op een lucht; ‘Donkere wolken’ is goed om mee te beginnen. De tekening wordt gemaakt met de nieuwe lucht. Als hij klaar is, sluit je het luchtvenster.

Stap 2: kies een landschap

Klik op het plaatje van het landschap, de eerste knop in de balk, en kies een landschap. Probeer ‘Onbewoond eiland’. Het landschap wordt over de lucht getekend, en het licht van de lucht geeft het kleur.

Stap 3: voorwerpen toevoegen en veranderen

Klik op het plaatje van de voorwerpen, de derde knop van links, en kies de ‘Luchtballon’. Het venster gaat dicht.

Druk nu de muisknop in waar de ballon moet komen, houd hem vast en sleep naar rechtsonder. Zo groot als het vak dat je sleept, wordt de ballon.

Als je loslaat, wordt de ballon getekend en vraagt een klein venster of je hem wilt houden:
   ‘Grootte veranderen’ tekent opnieuw, zodat je het vak voor de ballon nog eens kunt slepen.
   ‘Niet houden’ haalt het nieuwe voorwerp weg.
   ‘Houden’ laat het in je tekening.

Klik later op een voorwerp om het te verplaatsen, groter of kleiner te maken, te wissen of achter het land te zetten.

Met het toetsenbord:
   Druk op Tab tot de tekening een rand van stippen heeft. Als je een voorwerp hebt gekozen, druk je op een pijltjestoets: een rechthoek laat zien waar het komt. De pijltjestoetsen verplaatsen het (met Shift tien stappen tegelijk), Ctrl en de pijltjestoetsen maken het groter of kleiner, Enter zet het voorwerp daar neer, en met Escape stop je ermee.
   Als er niets gekozen is, gaan Tab en Shift+Tab van het ene voorwerp in de tekening naar het volgende; Enter opent zijn venster, net als een klik erop.
   Na ‘Verplaatsen’ of ‘Grootte veranderen’ verplaatsen de pijltjestoetsen de omtrek of veranderen ze de grootte, en met Enter ben je klaar. Escape stopt elke verandering, net als Annuleren.

Stap 4: je tekening afmaken

   Gladmaken:
   Gladmaken maakt de ruwe randen van voorwerpen en landschappen zacht. Klik op het plaatje van de effecten, de vierde knop van links. Laat alleen het vakje ‘Gladmaken’ aangevinkt en klik op ‘Toepassen’.

   Opslaan als BMP:
   Klik op het plaatje voor opslaan als BMP, de tweede knop van rechts. Er gaat een venster open waarin je de grootte kiest; daarna vraagt het bewaarvenster om een bestandsnaam.

De knoppen
-=-=-=-=-=

(Van links naar rechts.)

Landschap: kies een landschap.
Lucht: kies een lucht.
Voorwerp: voeg een voorwerp toe.
Effecten: gebruik effecten op je tekening.
------------------------------
Nieuw: begin een nieuwe tekening.
Printen: print je tekening (met meer keuzes).
Bewaren: bewaar je tekening als .VDR-bestand.
Openen: open een .VDR-bestand.
Opslaan als BMP: bewaar de tekening als .BMP-bestand.
------------------------------
Opnieuw tekenen: tekent je tekening opnieuw.

Klik met de rechtermuisknop op de tekening voor een menu met alle opdrachten.
Het menu Gereedschap wist, haalt terug of verplaatst alle voorwerpen tegelijk.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Kies een landschap</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Geen landschap</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Voorwerp verplaatsen</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Je hebt een voorwerp verplaatst. Wat wil je doen?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Zo laten</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nieuwe tekening</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Een nieuwe tekening beginnen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Dit is geen Veldor-bestand</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Voorwerp veranderen</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Je hebt dit voorwerp gekozen:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Wat wil je ermee doen?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Naar voren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Achter het land</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nieuw voorwerp</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Je hebt een nieuw voorwerp. Wat wil je ermee doen?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Niet houden</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Voorwerp veranderen</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Je hebt een voorwerp achter het landschap gekozen.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Wat wil je doen met:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Voor het landschap zetten</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Voorwerp wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Grootte veranderen</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Je hebt de grootte van een voorwerp veranderd. Wat wil je doen?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Zo laten</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Kies een lucht</translation>
    </message>
</context>
</TS>
