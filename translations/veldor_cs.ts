<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Obloha: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Bez země.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Země: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Předměty: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo Veldoru</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Výběr tiskárny</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Načíst balíček</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efekty: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Přidat můj obrázek</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Přidat můj obrázek...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Obrázek se změnil.
Chceš ho uložit?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>obrázek, který nebyl nikdy uložen</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor skončil dřív, než se %1 uložil.
Chceš změny vrátit?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Vrátit</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodit</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Tahle složka neexistuje.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Čeká na kontrolu rodilými mluvčími</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Soubor nenalezen</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Přístup k souboru odepřen</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk je plný</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Chyba vstupu/výstupu %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obrázek bitmapy není platný</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG nelze vytvořit</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Není vybraná žádná tiskárna</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Vybraná tiskárna není platná</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>není nastaveno XDG_DATA_HOME ani HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Řádek %1 je delší než 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ není platné celé číslo</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Neplatný počet předmětů: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nedostatek paměti pro %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Obrázek se nepodařilo vytisknout: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Balíček obrázků %1 nelze přidat:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Soubor %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Soubor %1 nelze otevřít</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Soubor %1 nelze vytvořit: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Žádný balíček</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Jak načíst balíček obrázků Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Stáhni soubor zip s balíčkem obrázků Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Otevři balíček, nebo ho rozbal do složky „packs“</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Potom ho vyber v seznamu vlevo.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Balíčky obrázků</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Otevři balíček, nebo ho rozbal do %1</translation>
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
        <translation>Malé hory</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Lesnaté kopce</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Opuštěný ostrov</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Město</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Šedé mraky</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Tmavé mraky</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Oranžový západ slunce</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Jasná modrá</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Zamračený den</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Kamenný prsten</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Jablko</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Horkovzdušný balón</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Horkovzdušný balón</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golfový míček</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Žlutá květina</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Tým Veldoru</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Zima a poušť</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Sníh, písek a hvězdy na zkoušení s tvými vlastními obrázky.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Hvězdná noc</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Poledne v poušti</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Růžové svítání</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Sněhové mraky</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Zasněžené kopce</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Písečné duny</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Zamrzlé jezero</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Červený kaňon</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Zimní vesnice</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Jedle</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Chaloupka</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Plachetnice</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Sněhulák</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Podzim</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Zlaté lesy, pole při sklizni a velký oranžový měsíc.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Zlaté odpoledne</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mlhavé ráno</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Podzimní bouře</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Měsíc sklizně</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Přeháňka s duhou</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Javorové kopce</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Dýňové pole</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Břízové jezero</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Statek s červenou stodolou</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Vinice</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Dýně</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Javorový list</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Houba</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Žalud</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Strašák</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>U moře</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Pláže, útesy a přístavy pod letní oblohou.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Letní poledne</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropický západ slunce</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Mořský opar</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Bouřlivé moře</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastelový večer</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Písečná pláž</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Útes s majákem</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Zátoka s palmami</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Přístavní město</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Skalnaté pobřeží</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Maják</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Plážový míč</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Racek</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Hvězdice</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Slunečník</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Měsíční svit</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Noční obloha plná hvězd nad spící krajinou.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Úplněk</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Mléčná dráha</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Soumrak</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Padající hvězdy</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Stříbrné mraky</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Kopce v měsíčním světle</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Město v noci</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Táborák na mýtině</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Spící vesnice</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Borový les</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Sova</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lucerna</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Raketa</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Svíčka</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Srpek měsíce</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Více kopií</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Méně kopií</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O Veldoru</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Verze 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 vývojáři Veldoru.
Volně k používání i sdílení.</translation>
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
        <translation>Uložit jako BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Jak velký má být obrázek BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (běžný)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (roztažený)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Soubory bitmap (*.bmp);;Obrázek PNG (*.png);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Uložit jako BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Uložit jako BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Krajina: vyber balíček</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
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
        <translation>Předmět</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Zvláštní efekty</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Uložit jako BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Překreslit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Začít nový obrázek</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Otevřít uložený obrázek</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Uložit &amp;jako...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Uložit obrázek pod novým jménem</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Výběr tiská&amp;rny</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Uložit jako &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Ukončit Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Vrátit poslední změnu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Zn&amp;ovu</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Znovu udělat vrácenou změnu</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Zkopírovat obrázek do schránky</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Nástroje</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Smazat vše</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Vrátit vše</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Vše &amp;dopředu</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Vše &amp;za zemi</translation>
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
        <translation>&amp;Předměty</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Zvláštní &amp;efekty</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ná&amp;pověda</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Zobrazit nápovědu</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O Veldoru...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Ukázat, co je Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Výběr tiská&amp;rny...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Země</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Nechat</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Dát dopředu</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Posunout</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Změnit velikost</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Za zemi</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Před krajinu</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Smazat předmět</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Smazat vše</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Vrátit vše</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Vše dopředu</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Vše za zemi</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Zpět: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Zn&amp;ovu: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Soubory Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Soubor Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Přidávám balíček obrázků...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: vyber předmět. Šipky a Enter: umístit, posunout, změnit velikost. Escape: vzdát.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Vyber předmět a pak táhni jeho obdélník na obrázku, nebo použij šipky a Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>na %1, %2, velikost %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter ho upraví.</translation>
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
        <translation>Vzdáno: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>nejdřív umísti předmět (táhni, nebo šipky a Enter), nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>nejdřív odpověz v okně „Nový předmět“, nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>nejdřív odpověz v okně „Úprava předmětu“, nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>nejdřív pusť předmět (klikni, nebo Enter), nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>nejdřív odpověz v okně „Posun předmětu“, nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>nejdřív nakresli novou velikost (táhni, nebo šipky a Enter), nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>nejdřív odpověz v okně „Velikost předmětu“, nebo stiskni Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 musí počkat: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: táhni ho na obrázku, nebo tam stiskni šipku.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Obrázek: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Další předměty</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Hledat:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Napiš jméno, třeba kočka nebo autobus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Najdi předmět podle jména</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Skupiny</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Předměty</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Jiné předměty</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Ve složce packs není žádný balíček obrázků s předměty.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Žádný předmět se nejmenuje „%1“.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 předmět</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Předmětů: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Předměty: vyber balíček</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Vyber předmět</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Další předměty...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Jinou tiskárnu vybereš tlačítkem „Tiskárna...“</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Počet kopií:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Tiskárna...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Počet kopií</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Tisk do souboru</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Soubory PDF (*.pdf);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Obloha: vyber balíček</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Počkej, kreslím...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Zvláštní efekty</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efekty chvíli trvají.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Pozor: efekty zmizí, když se obrázek znovu nakreslí.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Efekty použij, až bude krajina hotová. Pak můžeš</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>obrázek s efekty uložit nebo vytisknout.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Použít tyto efekty:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Vyhladit</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Obrátit barvy</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Barva...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Obarvit</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Odstín...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Ztmavit</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Zesvětlit</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Používám efekty...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Nápověda Veldoru</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text nápovědy</translation>
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
        <translation>Rychlý začátek
-=-=-=-=-=-=-=

Tenhle krátký návod ti pomůže nakreslit ve Veldoru první obrázek.

Krok 1: vyber oblohu

Klikni na obrázek oblohy, druhé tlačítko zleva v liště. Otevře se okno s oblohami. Klikni na jednu oblohu; „Tmavé mraky“ jsou dobré na začátek. Obrázek se nakreslí s novou oblohou. Až bude hotový, zavři okno s oblohami.

Krok 2: vyber krajinu

Klikni na obrázek krajiny, první tlačítko v liště, a vyber krajinu. Zkus „Opuštěný ostrov“. Krajina se nakreslí přes oblohu a světlo oblohy ji obarví.

Krok 3: přidávej a upravuj předměty

Klikni na obrázek předmětů, třetí tlačítko zleva, a vyber „Horkovzdušný balón“. Okno se zavře.

Teď stiskni tlačítko myši tam, kde má být balón, drž ho a táhni doprava dolů. Obdélník, který táhneš, určuje velikost balónu.

Když pustíš, balón se nakreslí a malé okno se zeptá, jestli ho chceš nechat:
   „Změnit velikost“ kreslí znovu, abys mohl obdélník pro balón natáhnout ještě jednou.
   „Nenechat“ nový předmět odebere.
   „Nechat“ ho nechá v obrázku.

Později klikni na předmět a můžeš ho posunout, změnit jeho velikost, smazat ho nebo dát za zemi.

Pomocí klávesnice:
   Mačkej Tab, dokud obrázek nemá tečkovaný rámeček. Až vybereš předmět, stiskni šipku: obdélník ukáže, kam přijde. Šipky ho posouvají (se Shiftem o deset kroků najednou), Ctrl a šipky ho zvětšují nebo zmenšují, Enter tam předmět položí a Escape to vzdá.
   Když není nic vybrané, Tab a Shift+Tab jdou od jednoho předmětu v obrázku k dalšímu; Enter otevře jeho okno, stejně jako kliknutí na něj.
   Po „Posunout“ nebo „Změnit velikost“ šipky posouvají obrys nebo mění jeho velikost a Enter to dokončí. Escape zastaví každou změnu, stejně jako Zrušit.

Krok 4: dokonči obrázek

   Vyhladit:
   Vyhlazení zjemní drsné okraje předmětů a krajiny. Klikni na obrázek efektů, čtvrté tlačítko zleva. Nech zaškrtnuté jen políčko „Vyhladit“ a klikni na „Použít“.

   Uložit jako BMP:
   Klikni na obrázek ukládání BMP, druhé tlačítko zprava. Otevře se okno, kde vybereš velikost obrázku; potom se okno pro uložení zeptá na jméno souboru.

Tlačítka
-=-=-=-=

(Zleva doprava.)

Krajina: vyber krajinu.
Obloha: vyber oblohu.
Předmět: přidej předmět.
Efekty: použij na obrázek efekty.
------------------------------
Nový: začni nový obrázek.
Tisk: vytiskni obrázek (s dalšími možnostmi).
Uložit: ulož obrázek jako soubor .VDR.
Otevřít: otevři soubor .VDR.
Uložit jako BMP: ulož obrázek jako soubor .BMP.
------------------------------
Překreslit: nakreslí obrázek znovu.

Klikni na obrázek pravým tlačítkem myši a uvidíš nabídku se všemi příkazy.
Nabídka Nástroje smaže, vrátí nebo posune všechny předměty najednou.
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
        <translation>Posun předmětu</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Posunul jsi předmět. Co chceš udělat?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Takhle je to dobře</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nový obrázek</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Začít nový obrázek?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Tohle není soubor Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Úprava předmětu</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Vybral jsi předmět:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Co s ním chceš udělat?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Posunout</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Změnit velikost</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Dát dopředu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Za zemi</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nový předmět</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Máš nový předmět. Co s ním chceš udělat?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Nechat</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Změnit velikost</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nenechat</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Úprava předmětu</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Vybral jsi předmět, který je za krajinou.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Co chceš udělat s:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Dát před krajinu</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Smazat předmět</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Velikost předmětu</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Změnil jsi velikost předmětu. Co chceš udělat?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Takhle je to dobře</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Zrušit</translation>
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
