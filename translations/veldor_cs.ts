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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji od Google (SIL Open Font License), zploštělé pro Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Vývojáři programu Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Zvířata na statku</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Kráva</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Prase</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ovce</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Koza</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kohout</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Slepice</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kuřátko</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kachna</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kůň</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Vůl</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Buvol</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Krocan</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Beran</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Oslík</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Králík</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Hlava krávy</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Hlava prasete</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hlava koně</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Husa</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Lesní zvířata</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Liška</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Medvěd</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Jelen</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Čipmank</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Ježek</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Jezevec</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Vlk</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Mýval</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bobr</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Divočák</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Skunk</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Netopýr</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Žába</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Šnek</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Housenka</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motýl</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Včela</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Beruška</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Orel</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pták</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Mravenec</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Pavouk</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Cvrček</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Mořská zvířata</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Velryba s gejzírem</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Velryba</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropická rybka</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Nafouklá ryba</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Žralok</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Chobotnice</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Oliheň</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Humr</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Kreveta</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Mušle</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Tuleň</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Želva</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medúza</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Tučňák</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Vydra</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Korál</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ústřice</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Zvířata z džungle</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Opice</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorila</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Slon</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lev</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Hlava tygra</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygr</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Levhart</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Žirafa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hroch</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Nosorožec</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodýl</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Had</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papoušek</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Plameňák</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Lenochod</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Velbloud</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Dvouhrbý velbloud</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Klokan</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Ještěrka</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Páv</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Hlava opice</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Domácí mazlíčci</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kočka</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudl</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Štěně</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kotě</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Křeček</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Hlava myšky</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Králíček</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Vodicí pes</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Stopy tlapek</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Kost</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kuře</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kuře z vajíčka</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Hnízdo s vejci</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Lidé</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Miminko</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Dítě</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Kluk</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Holka</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Muž</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Žena</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Starší člověk</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Dědeček</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Babička</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Blonďák</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Vousáč</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Rodina</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Drží se za ruce</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dva kamarádi</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Chodec</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Běžec</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tanečnice</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Tanečník</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stojící člověk</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mávající ruka</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Ruka nahoru</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Veselý smajlík</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Smajlík s brýlemi</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Smajlík s objetím</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Povolání a nářadí</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policista</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Stavař</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Strážný</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektiv</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Nevěsta</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Pán v obleku</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Kladivo</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Štětec</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Poštovní schránka</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Dopis</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Hasicí přístroj</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Koště</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Záchranářská helma</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Čepice absolventa</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Knihy</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Tužka</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Pastelka</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Pravítko</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Zkumavka</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktovka</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Kufřík s nářadím</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Žebřík</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Kbelík</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Žárovka</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Dopravní prostředky</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxík</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Džíp</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolejbus</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Závodní auto</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Policejní auto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Sanitka</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Hasičské auto</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Dodávka</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Náklaďák</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Skútr</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorka</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Kolo</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Koloběžka</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Parní vlak</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Vlak</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvaj</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Jednokolejka</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Vrtulník</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Letadlo</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Letadélko</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Rychlý člun</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorový člun</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Loď</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Trajekt</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kánoe</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Lanovka</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Zubačka</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Rikša</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Budovy</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dům</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Dům se zahradou</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Domy</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kancelářská budova</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Pošta</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Nemocnice</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banka</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Obchod</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Škola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Obchodní dům</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Továrna</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japonský hrad</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Hrad</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Svatební kaple</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Věž</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Socha</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kostel</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mešita</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Chrám</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Svatyně</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Muzeum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Jeřáb</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Chatrč</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Starý dům</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cirkus</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Kamenná hlava</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Rostliny a stromy</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Jedlička</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palma</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Klíček</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Bylinka</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trojlístek</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Čtyřlístek</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Spadané listí</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Listí ve větru</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Snop rýže</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Růže</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Zvadlá květina</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Ibišek</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Třešňový květ</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Kvítek</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Slunečnice</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Kytice</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Kytka v květináči</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Muchomůrka</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Poleno</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotos</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyacint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kaštan</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Strom přání</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Ozdoba z borovice</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Prázdné hnízdo</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kámen</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Ovoce a zelenina</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Zelené jablko</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Hruška</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomeranč</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banán</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Meloun</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Hroznové víno</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jahoda</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Borůvky</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Cukrový meloun</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Třešně</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Broskev</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kokos</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Rajče</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Lilek</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokádo</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokolice</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Mrkev</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Kukuřice</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Chilli paprička</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Okurka</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Hlávkový salát</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Česnek</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cibule</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Brambora</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Jídlo</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Chléb</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Bageta</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Preclík</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Sýr</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Vejce</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Volské oko</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Palačinky</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Vafle</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Hranolky</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Párek v rohlíku</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sendvič</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Špagety</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Zmrzlina</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Kobliha</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Sušenka</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Narozeninový dort</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Dortík</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Muffin</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Čokoláda</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lízátko</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Hrnec medu</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Sklenice mléka</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Džus</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Horký nápoj</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Koláč</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Hračky a sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fotbalový míč</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseballový míček</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbalový míč</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volejbalový míč</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Americký fotbal</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Ragbyový míč</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tenisový míček</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Kriketová pálka</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hokejka</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Stolní tenis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boxerská rukavice</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Branka</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfová vlajka</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Brusle</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Rybářský prut</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Kolečková brusle</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Sáňky</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingový kámen</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Lyže</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Papírový drak</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Plyšový medvídek</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matrjošky</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostka</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Dílek puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Ovladač</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pohár</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Zlatá medaile</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Terč na šipky</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Skluzavka</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Kytara</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trubka</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Housle</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Harmonika</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Dlouhý buben</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flétna</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Sluchátka</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zvonek</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Vesmír</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Létající talíř</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Družice</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Země: Asie</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planeta s prstenci</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Měsíc s obličejem</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Usměvavý měsíc</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Usměvavé slunce</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Hvězda</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Zářící hvězda</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Hvězdný vír</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Padající hvězda</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Dalekohled</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Mimozemšťan</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Vesmírná příšerka</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Země: Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Ubývající měsíc</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Půlměsíc</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Skoro úplněk</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Počasí</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Mrak</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Slunce za mrakem</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Bouřkový mrak</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Slunce a mráček</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Zataženo</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Slunce a déšť</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Dešťový mrak</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Sněhový mrak</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Mrak s bleskem</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornádo</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Mlha</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vítr</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Vír</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Duha</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Deštník</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Deštník v dešti</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blesk</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Sněhová vločka</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Sněhulák ve sněhu</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Oheň</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Kapka</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Teploměr</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Kostka ledu</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Pohádky</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Čaroděj</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Víla</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Upír</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Mořská panna</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Džin</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Jednorožec</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drak</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Dračí hlava</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Brontosaurus</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>Tyranosaurus</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Duch</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Zlobr</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Koruna</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Křišťálová koule</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Kouzelná hůlka</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Princ</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Princezna</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Nindža</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superhrdina</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Padouch</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Drahokam</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Starý klíč</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anděl</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Štít</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dýka</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Luk a šíp</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Svátky a roční doby</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Dýňová lucerna</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Vánoční stromeček</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Santa Claus</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Paní Clausová</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Dárek</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balonek</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Vystřelovač konfet</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Koule s konfetami</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petarda</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Mašle</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Zvonkohra</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Kapr na tyči</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Slavnostní panenky</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Červená lucerna</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Olejová lampa</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Červená obálka</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Disko koule</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Šála</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Rukavice</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Kabát</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Bota</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Slaměný klobouk</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sluneční brýle</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Plavky</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikiny</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bílá vlajka</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Kostkovaná vlajka</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Město a venkov</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semafor</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Boční semafor</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Značka stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Práce na silnici</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzinová pumpa</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Zastávka</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Ukazatel</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Kolo od auta</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Popelnice</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Židle</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Nákupní vozík</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Košík</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dveře</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Postel</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Pohovka</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Schránka na dopisy</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Hodiny</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Cihly</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Sekera</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Krumpáč</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Školní batoh</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Kufr</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Baterka</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Kotva</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Záchranný kruh</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Kašna</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Ruské kolo</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Horská dráha</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Kolotočový koník</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Stará pošta</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Vláček do hor</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Roční období</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Jarní a letní dny</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Jarní ráno</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Kvetoucí vánek</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Teplý večer</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Jarní louka</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Letní pole</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Kvetoucí sad</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Zelené údolí</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Makový kopec</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Podzimní a zimní dny</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Podzimní odpoledne</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Zimní slunce</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Sněžení</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Mrazivý večer</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Podzimní les</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Kopce při sklizni</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Holé stromy</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Zasněžená pole</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Zamrzlý rybník</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Déšť, bouřky, vítr a mlha</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Dešťové mraky</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Bouřka</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Větrný den</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Mlhavý den</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Mokrá louka</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Zelené kopce</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Větrné vřesoviště</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Kopce v mlze</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Měsíc, hvězdy a tma</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Tmavé kopce</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Město v noci</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Jezero a měsíc</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Tichá vesnice</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Pozdní večery a hluboké noci</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Fialový soumrak</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Východ měsíce</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Půlnoční modř</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Padající hvězdy</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noc luceren</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Kopec s hradem</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Ospalý statek</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Přístav v noci</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Tichý sníh</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Světla města</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Slunce, písek a moře</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Den na pláži</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropické slunce</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Mořský vánek</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Západ nad mořem</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Zatažené pobřeží</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Klidné moře</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Skalnatý břeh</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Přístav</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Ostrov s palmami</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Útesy, vlny a majáky</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Jasné ráno</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Rackové a mraky</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Zlatá hodinka</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Šedé moře</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Růžový východ</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Bílé útesy</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Velké vlny</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Mys s majákem</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Pláž s mušlemi</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Poušť</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Duny, kaňony a kaktusy</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Pouštní slunce</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Horké poledne</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Prašná obloha</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Západ v poušti</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noc v poušti</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktusová pláň</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oáza</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Kamenné věže</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sníh</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Led, sníh a vysoké hory</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Mrazivá modř</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polární noc</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Východ v Alpách</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Vánice</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Zasněžené štíty</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Ledové kry</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Sjezdovka</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Tábor iglú</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Město</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Ulice, parky a střechy</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Ráno ve městě</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Rušné odpoledne</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Deštivé město</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Západ ve městě</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Kouřová obloha</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Střechy</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Hlavní ulice</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Mrakodrapy</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Staré město</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Venkov</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Statky, pole a vesnice</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Ráno na statku</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Senoseč</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Mraky nad venkovem</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Večer v sadu</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Pole jako záplaty</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Náves</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Ovocný sad</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Větrný statek</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planety, měsíce a hvězdy</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Hluboký vesmír</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Východ Země</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dva měsíce</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Mlhovina</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Měsíční krátery</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Rudá planeta</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Ledový svět</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Mimozemská džungle</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Vesmírná základna</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
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
