<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Taivas: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Ei maata.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Maa: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ja %n muu</numerusform>
            <numerusform>ja %n muuta</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Esineet: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldorin logo</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Valitse tulostin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Lataa kuvapaketti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Tehosteet: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Lisää oma kuva</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Lisää oma kuva...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Kuva on muuttunut.
Haluatko tallentaa sen?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>kuva, jota ei ole tallennettu</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor sulkeutui ennen kuin %1 tallennettiin.
Haluatko muutokset takaisin?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hylkää</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Kansiota ei ole.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Odottaa äidinkielisten tarkistusta</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Tiedostoa ei löydy</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Pääsy tiedostoon estetty</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Levy on täynnä</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Siirtovirhe %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bittikarttakuva ei kelpaa</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG-kuvaa ei voi tehdä</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Tulostinta ei ole valittu</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Valittu tulostin ei kelpaa</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME ja HOME puuttuvat</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Rivi %1 on yli 1 MiB pitkä</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>”%1” ei ole kelvollinen kokonaisluku</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Väärä esineiden määrä: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Muisti ei riitä: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Kuvaa ei voitu tulostaa: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Kuvapakettia %1 ei voi lisätä:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Tiedostoa %1 ei voi avata: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Tiedostoa %1 ei voi avata</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Tiedostoa %1 ei voi luoda: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Ei pakettia</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Näin lataat Veldorin kuvapaketin:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Lataa zip-tiedosto, jossa on Veldorin kuvapaketti.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Avaa paketti tai pura se kansioon ”packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Valitse se sitten vasemmalla olevasta listasta.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Kuvapaketit</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Tekijä:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Kuvaus:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Avaa paketti tai pura se kansioon %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Kivinen jyrkänne</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Pienet vuoret</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Metsäiset mäet</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Autio saari</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Kaupunki</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Harmaat pilvet</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Tummat pilvet</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranssi auringonlasku</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Kirkas sininen</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Pilvinen päivä</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Rengaskivi</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Omena</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Kuumailmapallo</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Kuumailmapallo</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfpallo</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Keltainen kukka</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor-tiimi</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Talvi ja aavikko</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Lunta, hiekkaa ja tähtiä kokeiltavaksi omien kuviesi kanssa.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Tähtiyö</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Keskipäivä aavikolla</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Revontulet</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Vaaleanpunainen aamu</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Lumipilvet</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Lumiset mäet</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Hiekkadyynit</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Jäätynyt järvi</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Punainen kanjoni</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Talvikylä</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Kuusi</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Mökki</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Purjevene</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Lumiukko</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Syksy</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Kultaisia metsiä, sadonkorjuupeltoja ja iso oranssi kuu.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Kultainen iltapäivä</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Sumuinen aamu</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Syysmyrsky</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Sadonkorjuukuu</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Sadekuuro ja sateenkaari</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Vaahteramäet</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Kurpitsapelto</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Koivujärvi</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Punainen navetta</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Viinitarha</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Kurpitsa</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Vaahteranlehti</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Sieni</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Tammenterho</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Linnunpelätti</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Meren rannalla</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Rantoja, kallioita ja satamia kesätaivaan alla.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Kesäpäivä</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Trooppinen auringonlasku</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Merisumu</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Myrskyinen meri</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastelli-ilta</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Hiekkaranta</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Majakkakallio</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmulahti</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Satamakaupunki</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Kallioranta</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Majakka</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Rantapallo</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Lokki</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Meritähti</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Aurinkovarjo</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Kuunvalo</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Tähtiä täynnä olevia yötaivaita nukkuvien maiden yllä.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Täysikuu</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Linnunrata</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Hämärä</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Tähdenlentoja</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Hopeapilvet</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Mäet kuunvalossa</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Kaupunki yöllä</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Nuotio</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Nukkuva kylä</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Mäntymetsä</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Pöllö</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lyhty</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raketti</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kynttilä</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Kuunsirppi</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Lisää kopioita</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Vähemmän kopioita</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versio 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldorin kehittäjät.
Vapaa käyttää ja jakaa.</translation>
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
        <translation>Vie BMP-kuvana</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Kuinka suuri BMP-kuvasta tehdään?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (tavallinen)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (venytetty)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bittikarttatiedostot (*.bmp);;PNG-kuva (*.png);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Vie BMP-kuvana (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Vie BMP-kuvana (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Maisema: valitse paketti</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Kuva</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Maisema</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Taivas</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Esine</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Erikoistehosteet</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Vie BMP-kuvana</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Piirrä uudelleen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Aloita uusi kuva</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Avaa...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Avaa tallennettu kuva</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Tallenna kuva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Tallenna kuva uudella nimellä</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Tulo&amp;sta...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Valitse tulost&amp;in</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Vie &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Lopeta Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Kumoa viimeisin muutos</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Tee kumottu muutos uudelleen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opioi</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopioi kuva leikepöydälle</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>T&amp;yökalut</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Poista kaikki</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>P&amp;alauta kaikki</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Kaikki &amp;eteen</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Kaikki &amp;maan taakse</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Maisema</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Taivas</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Esineet</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>E&amp;rikoistehosteet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Näytä tietoja Veldorista</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Valitse tulost&amp;in...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Maa</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Pidä</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Tuo eteen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Siirrä</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Muuta kokoa</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Maan taakse</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Maiseman eteen</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Poista esine</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Tehosteet</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Poista kaikki</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Palauta kaikki</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Kaikki eteen</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Kaikki maan taakse</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Kumoa: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Tee uudelleen: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor-tiedostot [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor-tiedosto (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Lisätään kuvapakettia...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Sarkain: valitse esine. Nuolet ja Enter: aseta, siirrä, muuta kokoa. Esc: luovu.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Valitse esine ja vedä sitten sen suorakulmio kuvaan, tai käytä nuolinäppäimiä ja Enteriä</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>kohdassa %1, %2, koko %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter avaa sen muokattavaksi.</translation>
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
        <translation>Luovuttu: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>aseta ensin esine (vedä, tai nuolet ja Enter), tai paina Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>vastaa ensin ikkunaan ”Uusi esine”, tai paina Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>vastaa ensin ikkunaan ”Muokkaa esinettä”, tai paina Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>pudota ensin esine (napsauta, tai Enter), tai paina Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>vastaa ensin ikkunaan ”Siirrä esinettä”, tai paina Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>piirrä ensin uusi koko (vedä, tai nuolet ja Enter), tai paina Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>vastaa ensin ikkunaan ”Esineen koko”, tai paina Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 saa odottaa: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: vedä se kuvaan, tai paina siellä nuolinäppäintä.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Kuva: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Lisää esineitä</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Etsi:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Kirjoita nimi, kuten kissa tai bussi</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Etsi esine sen nimellä</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Ryhmät</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Esineet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Muut esineet</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Packs-kansiossa ei ole kuvapakettia, jossa on esineitä.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Mikään esine ei ole nimeltään ”%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 esine</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 esinettä</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Esineet: valitse paketti</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Valitse esine</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Lisää esineitä...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Valitse toinen tulostin painamalla ”Tulostin...”</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Kopioiden määrä:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Tulostin...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Kopioiden määrä</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Tulosta tiedostoon</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-tiedostot (*.pdf);;Kaikki tiedostot (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Taivas: valitse paketti</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Odota, piirrän...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Erikoistehosteet</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Tehosteet vievät vähän aikaa.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Huomaa: tehosteet katoavat, kun kuva piirretään uudelleen.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Käytä tehosteita, kun maisemasi on valmis. Silloin voit</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>tallentaa tai tulostaa kuvan tehosteiden kanssa.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Käytä näitä tehosteita:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Pehmennä</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Käännä värit</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Väri...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Sävytä</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Sävy...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kirkkaus</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Tummempi</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Vaaleampi</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Tehosteet tulossa...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldorin ohje</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Ohjeteksti</translation>
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
        <translation>Pikaopas
-=-=-=-=

Tämä lyhyt opas auttaa sinua tekemään ensimmäisen kuvasi Veldorilla.

Vaihe 1: valitse taivas

Napsauta taivaan kuvaa, vasemmalta toista painiketta palkissa. Taivasikkuna aukeaa. Napsauta taivasta; ”Tummat pilvet” on hyvä alku. Kuva piirretään uuden taivaan kanssa. Kun se on valmis, sulje taivasikkuna.

Vaihe 2: valitse maisema

Napsauta maiseman kuvaa, palkin ensimmäistä painiketta, ja valitse maisema. Kokeile ”Autio saari”. Maisema piirretään taivaan päälle, ja taivaan valo värittää sen.

Vaihe 3: lisää ja muokkaa esineitä

Napsauta esineen kuvaa, vasemmalta kolmatta painiketta, ja valitse ”Kuumailmapallo”. Ikkuna sulkeutuu.

Paina hiiren nappi alas siinä, missä pallon pitää olla, pidä se alhaalla ja vedä oikealle alas. Vetämäsi suorakulmio on pallon koko.

Kun päästät irti, pallo piirretään ja pieni ikkuna kysyy, pidätkö sen:
   ”Muuta kokoa” piirtää uudelleen, jotta voit vetää pallon suorakulmion vielä kerran.
   ”Älä pidä” poistaa uuden esineen.
   ”Pidä” jättää sen kuvaasi.

Myöhemmin voit napsauttaa esinettä ja siirtää sitä, muuttaa sen kokoa, poistaa sen tai laittaa sen maan taakse.

Näppäimistöllä:
   Paina sarkainta, kunnes kuvan ympärillä näkyy pisteistä tehty kehys. Kun olet valinnut esineen, paina nuolinäppäintä: suorakulmio näyttää, mihin se tulee. Nuolinäppäimet siirtävät sitä (vaihtonäppäimen kanssa kymmenen askelta kerralla), Ctrl ja nuolinäppäimet tekevät siitä isomman tai pienemmän, Enter laittaa esineen siihen, ja Esc luopuu siitä.
   Kun mitään ei ole valittu, sarkain ja vaihto+sarkain siirtyvät kuvan esineestä seuraavaan; Enter avaa sen ikkunan, niin kuin sen napsauttaminen.
   Kun olet valinnut ”Siirrä” tai ”Muuta kokoa”, nuolinäppäimet siirtävät ääriviivaa tai muuttavat sen kokoa, ja Enter lopettaa. Esc peruu kaikki muutokset, niin kuin Peru.

Vaihe 4: viimeistele kuva

   Pehmennä:
   Pehmennys tekee esineiden ja maisemien karheista reunoista pehmeitä. Napsauta tehosteiden kuvaa, vasemmalta neljättä painiketta. Jätä vain ”Pehmennä” rastitetuksi ja napsauta ”Käytä”.

   Tallenna BMP-kuvana:
   Napsauta viennin kuvaa, oikealta toista painiketta. Aukeaa ikkuna, jossa valitset kuvan koon; sitten tallennusikkuna kysyy tiedoston nimeä.

Painikkeet
-=-=-=-=-=

(Vasemmalta oikealle.)

Maisema: valitse maisema.
Taivas: valitse taivas.
Esine: lisää esine.
Tehosteet: lisää kuvaan tehosteita.
------------------------------
Uusi: aloita uusi kuva.
Tulosta: tulosta kuvasi (lisää valintoja).
Tallenna: tallenna kuvasi .VDR-tiedostoksi.
Avaa: avaa .VDR-tiedosto.
Vie BMP: tallenna kuva .BMP-tiedostoksi.
------------------------------
Piirrä uudelleen: piirtää kuvasi uudelleen.

Napsauta kuvaa hiiren oikealla napilla, niin saat valikon, jossa ovat kaikki komennot.
Työkalut-valikko poistaa, palauttaa tai siirtää kaikki esineet kerralla.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Valitse maisema</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Ei maisemaa</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Siirrä esinettä</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Siirsit esinettä. Mitä haluat tehdä?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Hyvä näin</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Uudelleen</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Uusi kuva</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Aloitetaanko uusi kuva?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Tämä ei ole Veldor-tiedosto</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Muokkaa esinettä</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Valitsit esineen:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Mitä haluat tehdä sillä?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Siirrä</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Muuta kokoa</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Tuo eteen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Maan taakse</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Uusi esine</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Sinulla on uusi esine. Mitä haluat tehdä sillä?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Pidä</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Muuta kokoa</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Älä pidä</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Muokkaa esinettä</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Valitsit esineen, joka on maiseman takana.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Mitä teet esineelle:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Tuo maiseman eteen</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Poista esine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Esineen koko</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Muutit esineen kokoa. Mitä haluat tehdä?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Hyvä näin</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Uudelleen</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Peru</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Valitse taivas</translation>
    </message>
</context>
</TS>
