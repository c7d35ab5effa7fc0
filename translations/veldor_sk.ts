<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Obloha: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Bez zeme.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Zem: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a ešte %n</numerusform>
            <numerusform>a ešte %n</numerusform>
            <numerusform>a ešte %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Predmety: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo Veldora</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Vyber tlačiareň</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Načítaj balík obrázkov</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efekty: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Pridať môj obrázok</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Pridať môj obrázok...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Obrázok sa zmenil.
Chceš ho uložiť?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>obrázok, ktorý nikdy nebol uložený</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor sa zavrel skôr, ako uložil zmeny v %1.
Chceš ich späť?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vrátiť späť</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodiť</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Tento priečinok neexistuje.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Čaká na kontrolu rodenými hovoriacimi</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Súbor sa nenašiel</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Tento súbor nemôžeš otvoriť</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk je plný</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Chyba pri čítaní alebo zápise %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmapový obrázok nie je platný</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG sa nedá vytvoriť</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie je vybraná žiadna tlačiareň</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Vybraná tlačiareň nefunguje</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nie je nastavené ani XDG_DATA_HOME, ani HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Riadok %1 je dlhší ako 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nie je platné celé číslo</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Zlý počet predmetov: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nie je dosť pamäte pre %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Obrázok sa nepodarilo vytlačiť: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Balík obrázkov %1 sa nedá nainštalovať:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Súbor %1 sa nedá otvoriť: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Súbor %1 sa nedá otvoriť</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Súbor %1 sa nedá vytvoriť: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Nie je vybraný žiadny balík</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Ako načítať balík obrázkov Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Stiahni súbor zip s balíkom obrázkov Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Otvor balík alebo ho rozbaľ do priečinka balíkov</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Potom ho vyber v zozname balíkov vľavo.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Balíky obrázkov</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Názov balíka:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Vytvoril:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Otvor balík alebo ho rozbaľ do %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Kamenný útes</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Malé pohorie</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Zalesnené kopce</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Pustý ostrov</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Mesto</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Sivé mraky</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Tmavé mraky</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranžový západ slnka</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Jasná modrá</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Zamračený deň</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Skala s dierou</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Jablko</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Teplovzdušný balón</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Teplovzdušný balón</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfová loptička</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Žltý kvet</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Tím Veldoru</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Zima a púšť</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Krajiny so snehom, pieskom a hviezdami na skúšanie s tvojimi obrázkami.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Hviezdna noc</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Poludnie na púšti</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Polárna žiara</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Ružové svitanie</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Snehové mraky</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Zasnežené kopce</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Piesočné duny</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Zamrznuté jazero</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Červený kaňon</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Dedina v zime</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Borovica</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Chalúpka</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Plachetnica</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Snehuliak</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Jeseň</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Zlaté lesy, polia pri žatve a veľký oranžový mesiac.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Zlaté popoludnie</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Hmlisté ráno</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Jesenná búrka</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Mesiac žatvy</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Dážď s dúhou</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Javorové kopce</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Tekvicové pole</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Brezové jazero</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Farma s červenou stodolou</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Rady viniča</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Tekvica</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Javorový list</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Hríb</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Žaluď</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Strašiak</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Pri mori</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Pláže, útesy a prístavy pod letnou oblohou.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Letné poludnie</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropický západ slnka</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Hmla nad morom</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Búrlivé more</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Večer v pastelových farbách</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Piesočná pláž</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Útes s majákom</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Zátoka s palmami</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Prístavné mesto</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Skalnaté pobrežie</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Maják</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Plážová lopta</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Čajka</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Hviezdica</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Slnečník</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Mesačný svit</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nočné nebo plné hviezd nad spiacimi krajinami.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Spln</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Mliečna dráha</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Súmrak</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Dážď padajúcich hviezd</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Strieborné mraky</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Kopce v mesačnom svite</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Mesto v noci</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Čistinka s táborákom</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Spiaca dedina</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Borovicový les</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Sova</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lampáš</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raketa</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Sviečka</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Polmesiac</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Viac kópií</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Menej kópií</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Verzia 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 tvorcovia Veldoru.
Môžeš ho voľne používať a zdieľať.</translation>
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
        <translation>Exportovať ako BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Aký veľký má byť obrázok BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (bežný)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (natiahnutý)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmapové súbory (*.bmp);;Obrázok PNG (*.png);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exportovať ako BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exportovať ako BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Krajina: vyber balík obrázkov</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Obrázok</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Krajina</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Obloha</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Predmet</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Špeciálne efekty</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tlačiť</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exportovať ako BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Nakresliť znova</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Vytvoriť nový súbor</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otvoriť...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Otvoriť súbor, ktorý už existuje</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Uložiť súbor</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Uložiť &amp;ako...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Uložiť súbor pod novým menom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tlačiť...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Vybrať tlačiareň</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportovať &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Zavrieť program</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Vrátiť poslednú zmenu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Znova</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Znova urobiť vrátenú zmenu</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopírovať do schránky</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Nástroje</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Z&amp;mazať všetky</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Vrátiť všetky</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Všetky &amp;dopredu</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Všetky &amp;za zem</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Krajina</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Obloha</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Predmety</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Špeciálne &amp;efekty</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Zobraziť pomoc</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programe...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Zobraziť informácie o programe</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Vybrať tlačiareň...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Zem</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Nechať si ho</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Dať dopredu</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Presunúť</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Zmeniť veľkosť</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Zmazať ho</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Dať za zem</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Dať pred krajinu</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Zmazať predmet</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Zmazať všetky</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Vrátiť všetky</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Všetky dopredu</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Všetky za zem</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Späť %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Znova %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Súbory Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Súbor Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Inštalujem balík obrázkov...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: vyber predmet. Šípky a Enter: polož, presuň, zmeň veľkosť. Esc: zruš.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Vyber predmet a potom ťahaj jeho obdĺžnik na obrázku alebo použi šípky a Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>na mieste %1, %2, veľkosť %3 na %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter ho zmení.</translation>
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
        <translation>Zrušené: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>najprv polož predmet (ťahaj alebo šípky a Enter), alebo stlač Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>najprv odpovedz v okne Nový predmet, alebo stlač Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>najprv odpovedz v okne Zmena predmetu, alebo stlač Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>najprv pusti predmet (klik alebo Enter), alebo stlač Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>najprv odpovedz v okne Presun predmetu, alebo stlač Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>najprv nakresli novú veľkosť (ťahaj alebo šípky a Enter), alebo stlač Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>najprv odpovedz v okne Zmena veľkosti, alebo stlač Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 musí počkať: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: ťahaj ho na obrázku alebo tam stlač šípku.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Obrázok: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Ďalšie predmety</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Hľadaj:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Napíš meno, napríklad mačka alebo autobus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Nájdi predmet podľa mena</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategórie</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Predmety</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Iné predmety</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>V priečinku s balíkmi nie je žiadny balík obrázkov s predmetmi.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Žiadny predmet sa nevolá „%1“.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 predmet</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Predmetov: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Predmety: vyber balík obrázkov</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Vyber predmet</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Ďalšie predmety...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Tlač</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Ak chceš inú tlačiareň, stlač &apos;Vybrať tlačiareň&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Koľko kópií Veldor vytlačí:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Vybrať tlačiareň...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Počet kópií</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Tlačiť do súboru</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Súbory PDF (*.pdf);;Všetky súbory (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Obloha: vyber balík obrázkov</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Počkaj, kreslím...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Špeciálne efekty</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efekty môžu chvíľu trvať.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Pozor: efekty zmiznú, keď obrázok nakreslíš znova.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Špeciálne efekty použi, keď je krajina hotová, aby sa</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>obrázok dal uložiť alebo vytlačiť s efektmi na obrazovke.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efekty, ktoré sa použijú:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Hladké okraje</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Obrátené farby (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Možnosti obrátených farieb</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Zafarbiť</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Možnosti farby...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Tmavšie</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Svetlejšie</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Použiť efekty</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Pridávam efekty...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Pomocník Veldoru</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text pomocníka</translation>
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
        <translation>Ako začať
-=-=-=-=-

Tento krátky návod ti pomôže urobiť prvý obrázok vo Veldore.

Prvý krok: vyber oblohu

Klikni na ikonu oblohy, druhé tlačidlo zľava na lište. Otvorí sa okno oblohy. Klikni na jednu z oblôh; &apos;Tmavé mraky&apos; sú dobré na začiatok. Obrázok sa nakreslí znova s novou oblohou. Keď je hotový, zavri okno oblohy.

Druhý krok: vyber krajinu

Klikni na ikonu krajiny, prvé tlačidlo na lište, a vyber krajinu. Skús &apos;Pustý ostrov&apos;. Krajina sa nakreslí na oblohu a svetlo oblohy ju zafarbí.

Tretí krok: pridávanie a úprava predmetov

Klikni na ikonu predmetov, tretie tlačidlo zľava, a vyber &apos;Teplovzdušný balón&apos;. Okno sa zavrie.

Teraz stlač tlačidlo myši tam, kde má byť balón, drž ho a ťahaj dole a doprava. Obdĺžnik, ktorý ťaháš, je veľkosť balóna.

Keď pustíš, balón sa nakreslí a malé okno sa spýta, či si ho chceš nechať:
   &apos;Zmeniť veľkosť&apos; nakreslí obrázok znova, aby sa dal ešte raz ťahať obdĺžnik balóna, tak ako predtým.
   &apos;Nenechať si ho&apos; nový predmet odstráni.
   &apos;Nechať si ho&apos; ho nechá v tvojom obrázku.

Neskôr klikni na predmet, ak ho chceš presunúť, zmeniť jeho veľkosť, zmazať ho alebo dať za zem.

S klávesnicou:
   Stláčaj Tab, kým obrázok nemá bodkovaný rámček. Keď vyberieš predmet, stlač šípku: obdĺžnik ukáže, kam pôjde. Šípky ho posúvajú (so Shift po desať krokov), Ctrl so šípkami ho zväčší alebo zmenší, Enter položí predmet na to miesto a Esc ho zruší.
   Keď nie je nič vybraté, Tab a Shift+Tab prechádzajú od jedného predmetu na obrázku k ďalšiemu; Enter otvorí jeho okno, ako keby si naň klikol.
   Po &apos;Presunúť ho&apos; alebo &apos;Zmeniť veľkosť&apos; šípky posúvajú obrys alebo menia jeho veľkosť a Enter skončí. Esc zastaví každú zmenu, tak ako Zrušiť.

Štvrtý krok: dokončenie obrázka

   Hladké okraje:
   Hladké okraje vyhladia zubaté okraje predmetov a krajín. Klikni na ikonu efektov, štvrtú zľava. Nechaj zaškrtnuté iba políčko &apos;Hladké okraje&apos; a klikni na &apos;Použiť efekty&apos;.

   Uloženie ako BMP:
   Klikni na ikonu exportu, druhé tlačidlo sprava. Otvorí sa okno, v ktorom vyberieš veľkosť obrázka; potom sa obvyklé okno ukladania spýta na názov súboru.

Pomoc k tlačidlám
-=-=-=-=-=-=-=-=-

(Ikony zľava doprava.)

Krajina: vyber krajinu.
Obloha: vyber oblohu.
Predmet: pridaj predmet.
Efekty: pridaj efekty do obrázka.
------------------------------
Nový: začni nový obrázok.
Tlačiť: vytlač obrázok (s ďalšími možnosťami).
Uložiť: ulož obrázok ako súbor .VDR.
Otvoriť: otvor súbor .VDR.
Uložiť BMP: ulož obrázok ako súbor .BMP.
------------------------------
Nakresliť znova: nakreslí obrázok ešte raz.

Klikni pravým tlačidlom na obrázok a uvidíš ponuku so všetkými príkazmi.
Ponuka Nástroje zmaže, vráti alebo presunie všetky predmety naraz.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Vyber krajinu</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Bez krajiny</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Presun predmetu</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Predmet je presunutý. Čo chceš urobiť?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Nechať tak</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Presunúť znova</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Zrušiť presun</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nový obrázok</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Začať nový obrázok?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Toto nie je súbor Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Zmena predmetu</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Vybraný predmet:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Čo s ním chceš urobiť?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Zmazať ho</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Presunúť ho</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Zmeniť veľkosť</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Dať dopredu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Dať za zem</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nový predmet</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Vybraný je nový predmet. Čo s ním chceš urobiť?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Nechať si ho</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Zmeniť veľkosť</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nenechať si ho</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Zmena predmetu</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Vybraný predmet je za krajinou.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Čo chceš urobiť s predmetom:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Dať predmet pred krajinu</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Zmazať predmet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Zmena veľkosti</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Veľkosť predmetu je zmenená. Čo chceš urobiť?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Nechať tak</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Zmeniť znova</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Zrušiť zmenu veľkosti</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Vyber oblohu</translation>
    </message>
</context>
</TS>
