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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji od Google (SIL Open Font License), sploštené pre Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Vývojári programu Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Zvieratá z farmy</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Krava</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Prasa</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ovca</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Koza</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kohút</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Sliepka</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kuriatko</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kačka</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kôň</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Vôl</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Byvol</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Moriak</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Baran</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Somárik</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Králik</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Hlava kravy</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Hlava prasaťa</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hlava koňa</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Lesné zvieratá</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Líška</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Medveď</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Jeleň</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Burunduk</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Jež</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Jazvec</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Vlk</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Medvedík čistotný</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bobor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Diviak</translation>
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
        <translation>Netopier</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Žaba</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Slimák</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Húsenica</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motýľ</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Včela</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Lienka</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Orol</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vták</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Mravec</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Pavúk</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Svrček</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Morské zvieratá</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Veľryba s gejzírom</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Veľryba</translation>
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
        <translation>Nafúknutá ryba</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Žralok</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Chobotnica</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Kalmár</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Homár</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Kreveta</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Mušľa</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Tuleň</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Korytnačka</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medúza</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Tučniak</translation>
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
        <translation>Ustrica</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Zvieratá z džungle</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Opica</translation>
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
        <translation>Hlava tigra</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopard</translation>
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
        <translation>Krokodíl</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Had</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagáj</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Plameniak</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Leňochod</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Ťava</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Dvojhrbá ťava</translation>
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
        <translation>Jašterica</translation>
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
        <translation>Domáce zvieratká</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Mačka</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Šteniatko</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Mačiatko</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Škrečok</translation>
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
        <translation>Zajačik</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Vodiaci pes</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Stopy labiek</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Kosť</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Kurča</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kuriatko z vajíčka</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Hniezdo s vajíčkami</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Ľudia</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bábätko</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Dieťa</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Chlapec</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Dievča</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Človek</translation>
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
        <translation>Starší človek</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Dedko</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Babka</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Blondiak</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Bradáč</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Rodina</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Držia sa za ruky</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dvaja kamaráti</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Chodec</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Bežec</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tanečnica</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Tanečník</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stojaci človek</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mávajúca ruka</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Ruka hore</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Veselý smajlík</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Frajerský smajlík</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Smajlík s objatím</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Povolania a náradie</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policajt</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Stavbár</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Strážnik</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektív</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Nevesta</translation>
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
        <translation>Kľúč</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Kladivo</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Píla</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Štetec</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Poštová schránka</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Hasiaci prístroj</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Metla</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Prilba záchranára</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Čiapka absolventa</translation>
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
        <translation>Ceruzka</translation>
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
        <translation>Skúmavka</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktovka</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Kufrík s náradím</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Rebrík</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Vedro</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Žiarovka</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Dopravné prostriedky</translation>
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
        <translation>Pretekárske auto</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Policajné auto</translation>
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
        <translation>Pikap</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Dodávka</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Kamión</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Skúter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorka</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicykel</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Kolobežka</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Parný vlak</translation>
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
        <translation>Električka</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Jednokoľajka</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Vrtuľník</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Lietadlo</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Lietadielko</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Rýchly čln</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorový čln</translation>
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
        <translation>Kanoe</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Lanovka</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Ozubnicová dráha</translation>
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
        <translation>Dom</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Dom so záhradou</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Domy</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kancelárska budova</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Pošta</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Nemocnica</translation>
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
        <translation>Obchodný dom</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Továreň</translation>
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
        <translation>Svadobná kaplnka</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Veža</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Socha</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kostol</translation>
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
        <translation>Synagóga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Svätyňa</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Múzeum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Žeriav</translation>
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
        <translation>Starý dom</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cirkus</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Štadión</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Kamenná hlava</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Rastliny a stromy</translation>
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
        <translation>Trojlístok</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Štvorlístok</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Opadané lístie</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Lístie vo vetre</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Snop ryže</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Ruža</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Zvädnutý kvet</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Ibištek</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Čerešňový kvet</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Kvietok</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Slnečnica</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Kytica</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Kvet v kvetináči</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Muchotrávka</translation>
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
        <translation>Gaštan</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Strom želaní</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Ozdoba z borovice</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Prázdne hniezdo</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kameň</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Ovocie a zelenina</translation>
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
        <translation>Pomaranč</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citrón</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banán</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Melón</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Hrozno</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jahoda</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Čučoriedky</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Cukrový melón</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Čerešne</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Broskyňa</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananás</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kokos</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kivi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Paradajka</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Baklažán</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokádo</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokolica</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Mrkva</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Kukurica</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Čili paprička</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Uhorka</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Hlávkový šalát</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Cesnak</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cibuľa</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Zemiak</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Jedlo</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Chlieb</translation>
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
        <translation>Praclík</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Syr</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Vajce</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Volské oko</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Palacinky</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Vafľa</translation>
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
        <translation>Párok v rožku</translation>
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
        <translation>Šiška</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Keksík</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Narodeninová torta</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Zákusok</translation>
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
        <translation>Cukrík</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lízanka</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Hrniec medu</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Pohár mlieka</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Džús</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Horúci nápoj</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Koláč</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Hračky a šport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Futbalová lopta</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Bejzbalová lopta</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbalová lopta</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volejbalová lopta</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Americký futbal</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Ragbyová lopta</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tenisová loptička</translation>
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
        <translation>Stolný tenis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Bedminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boxerská rukavica</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Bránka</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfová vlajka</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Korčuľa</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Udica</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skejtbord</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Kolieskové korčule</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Sánky</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingový kameň</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Lyže</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Šarkan</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Plyšový macko</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matriošky</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kocka</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Dielik puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Ovládač</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pohár víťaza</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Zlatá medaila</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Terč na šípky</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Šmykľavka</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitara</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Bubon</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trúbka</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofón</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Husle</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akordeón</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Dlhý bubon</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofón</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Slúchadlá</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zvonček</translation>
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
        <translation>Lietajúci tanier</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Družica</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Zem</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Zem: Ázia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Prstencová planéta</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Mesiac s tvárou</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Usmiaty mesiac</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Usmiate slnko</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slnko</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Hviezda</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Žiariaca hviezda</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Hviezdny vír</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kométa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Padajúca hviezda</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Ďalekohľad</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Mimozemšťan</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Vesmírna príšerka</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Zem: Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Ubúdajúci mesiac</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Polovica mesiaca</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Skoro spln</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Počasie</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Oblak</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Slnko za oblakom</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Búrkový oblak</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Slnko a obláčik</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Zamračené</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Slnko a dážď</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Dažďový oblak</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Snehový oblak</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Oblak s bleskom</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornádo</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Hmla</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vietor</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Vír</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Dúha</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Dáždnik</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Dáždnik v daždi</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blesk</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Snehová vločka</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Snehuliak v snehu</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Oheň</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Kvapka</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Teplomer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Kocka ľadu</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Rozprávky</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Čarodejník</translation>
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
        <translation>Morská panna</translation>
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
        <translation>Dračia hlava</translation>
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
        <translation>Zlobor</translation>
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
        <translation>Krištáľová guľa</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Čarovný prútik</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Princ</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Princezná</translation>
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
        <translation>Zloduch</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Drahokam</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Starý kľúč</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anjel</translation>
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
        <translation>Sviatky a ročné obdobia</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Tekvicový lampáš</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Vianočný stromček</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Santa Claus</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Pani Clausová</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Darček</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balónik</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Vystreľovač konfet</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Guľa s konfetami</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petarda</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Stuha</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Zvonkohra</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Kapor na tyči</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Sviatočné bábiky</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Červený lampáš</translation>
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
        <translation>Disko guľa</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Šál</translation>
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
        <translation>Čižma</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Slamený klobúk</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Slnečné okuliare</translation>
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
        <translation>Biela vlajka</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Kockovaná vlajka</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Mesto a vidiek</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semafor</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Bočný semafor</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Značka stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Práce na ceste</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzínová pumpa</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Zastávka</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Smerovník</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Koleso</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Smetný kôš</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stolička</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Nákupný vozík</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Košík</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dvere</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Posteľ</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Gauč</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Schránka na listy</translation>
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
        <translation>Tehly</translation>
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
        <translation>Krompáč</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Školský batoh</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Kufor</translation>
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
        <translation>Fontána</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Ruské koleso</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Horská dráha</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Koník z kolotoča</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Stará pošta</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Vláčik do hôr</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Ročné obdobia</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Jarné a letné dni</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Jarné ráno</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Kvitnúci vánok</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Teplý večer</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Jarná lúka</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Letné polia</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Kvitnúci sad</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Zelené údolie</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Makový kopec</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Jesenné a zimné dni</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Jesenné popoludnie</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Zimné slnko</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Sneženie</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Mrazivý večer</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Jesenný les</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Kopce pri žatve</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Holé stromy</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Zasnežené polia</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Zamrznutý rybník</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Dážď, búrky, vietor a hmla</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Dažďové mraky</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Búrka</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Veterný deň</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Hmlistý deň</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Mokrá lúka</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Zelené kopce</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Veterná pustatina</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Kopce v hmle</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Mesiac, hviezdy a tma</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Tmavé kopce</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Mesto v noci</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Jazero a mesiac</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Tichá dedinka</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Neskoré večery a hlboké noci</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Fialový súmrak</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Východ mesiaca</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Polnočná modrá</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Padajúce hviezdy</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noc lampášov</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Kopec s hradom</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Ospalá farma</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Prístav v noci</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Tichý sneh</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Svetlá mesta</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Slnko, piesok a more</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Deň na pláži</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropické slnko</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Morský vánok</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Západ nad morom</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Zamračené pobrežie</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Pokojné more</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Skalnatý breh</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Prístav</translation>
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
        <translation>Čajky a oblaky</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Zlatá hodinka</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Sivé more</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Ružový východ</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Biele útesy</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Veľké vlny</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Mys s majákom</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Pláž s mušľami</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagúna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Púšť</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Duny, kaňony a kaktusy</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Púštne slnko</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Horúce poludnie</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Prašná obloha</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Západ na púšti</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noc na púšti</translation>
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
        <translation>Kamenné veže</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sneh</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Ľad, sneh a vysoké hory</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Mrazivá modrá</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polárna noc</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Východ v Alpách</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Fujavica</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Zasnežené štíty</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Ľadové kryhy</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Zjazdovka</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Tábor iglu</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Mesto</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Ulice, parky a strechy</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Ráno v meste</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Rušné popoludnie</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Daždivé mesto</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Západ v meste</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Zadymená obloha</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Strechy</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Hlavná ulica</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Mrakodrapy</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Staré mesto</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Vidiek</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Farmy, polia a dediny</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Ráno na farme</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Kosenie sena</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Oblaky nad poľom</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Večer v sade</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Polia ako záplaty</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Dedinská lúka</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Ovocný sad</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Veterná farma</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planéty, mesiace a hviezdy</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Hlboký vesmír</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Východ Zeme</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dva mesiace</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Hmlovina</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Mesačné krátery</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Červená planéta</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Ľadový svet</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Mimozemská džungľa</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Vesmírna základňa</translation>
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
