<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print system cannot be reached (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veldor Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
