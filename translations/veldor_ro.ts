<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Cer: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Fără teren.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Teren: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Obiecte: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Sigla Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Alege imprimanta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Încarcă un pachet de imagini</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efecte: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Adaugă o poză a mea</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Adaugă o poză a mea...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Desenul s-a schimbat.
Vrei să-l salvezi?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un desen care n-a fost salvat niciodată</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor s-a închis înainte să salveze schimbările din %1.
Vrei să le iei înapoi?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ia înapoi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Aruncă</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Dosarul acesta nu există.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Așteaptă verificarea unor vorbitori nativi</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Fișierul nu a fost găsit</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Nu ai voie să deschizi fișierul</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Discul e plin</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Eroare la citire sau scriere %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Imaginea bitmap nu e bună</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Nu pot face fișierul PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nu e aleasă nicio imprimantă</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Imprimanta aleasă nu e bună</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nici XDG_DATA_HOME, nici HOME nu sunt setate</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Rândul %1 e mai lung de 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nu e un număr întreg bun</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Număr greșit de obiecte: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nu e destulă memorie pentru %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Desenul nu a putut fi tipărit: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Pachetul de imagini %1 nu poate fi instalat:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nu pot deschide fișierul %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nu pot deschide fișierul %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nu pot crea fișierul %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Niciun pachet ales</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Ca să încarci un pachet de imagini Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Descarcă un fișier zip cu un pachet de imagini Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Deschide pachetul sau pune-l în dosarul de pachete</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Apoi alege-l din lista de pachete din stânga.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Pachete de imagini</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Numele pachetului:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Făcut de:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descriere:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Deschide pachetul sau pune-l în %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stâncă de piatră</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Munți mici</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Dealuri cu păduri</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Insulă pustie</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Oraș</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nori cenușii</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nori întunecați</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Apus portocaliu</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Albastru senin</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Zi înnorată</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Stâncă cu gaură</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Măr</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Balon cu aer cald</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Balon cu aer cald</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Minge de golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Floare galbenă</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Echipa Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Iarnă și deșert</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Peisaje cu zăpadă, nisip și stele de încercat cu desenele tale.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Noapte cu stele</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Amiază în deșert</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreală</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Zori roz</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nori de zăpadă</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Dealuri cu zăpadă</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dune de nisip</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lac înghețat</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Canion roșu</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Sat iarna</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Brad</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Căsuță</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Barcă cu pânze</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Om de zăpadă</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Toamnă</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Păduri aurii, câmpuri de recoltă și o lună mare, portocalie.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>După-amiază aurie</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Dimineață cu ceață</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Furtună de toamnă</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna recoltei</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Ploaie cu curcubeu</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Dealuri cu arțari</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Câmp cu dovleci</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lacul mestecenilor</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Ferma cu hambar roșu</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Rânduri de vie</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Dovleac</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Frunză de arțar</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Ciupercă</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Ghindă</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Sperietoare</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>La mare</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Plaje, stânci și porturi sub cer de vară.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Amiază de vară</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Apus tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Ceață pe mare</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mare furtunoasă</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Seară în culori blânde</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Plajă cu nisip</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Stâncă cu far</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Golf cu palmieri</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Oraș cu port</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Coastă stâncoasă</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Far</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Minge de plajă</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Pescăruș</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Stea de mare</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Umbrelă de plajă</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Lumina lunii</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Ceruri de noapte pline de stele peste ținuturi care dorm.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lună plină</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Calea Lactee</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Amurg</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Ploaie de stele căzătoare</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nori argintii</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Dealuri în lumina lunii</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Oraș noaptea</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Poiană cu foc de tabără</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Sat adormit</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Pădure de brazi</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Bufniță</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Felinar</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rachetă</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Lumânare</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Semilună</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji de la Google (SIL Open Font License), desenate plat pentru Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Dezvoltatorii Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animale de la fermă</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vacă</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porc</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Oaie</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Capră</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Cocoș</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Găină</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Pui</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Rață</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cal</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bou</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Bivol</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Curcan</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Berbec</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Măgar</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Iepure</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Cap de vacă</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Cap de porc</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Cap de cal</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gâscă</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animale din pădure</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Vulpe</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Urs</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cerb</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Veveriță dungată</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Arici</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Bursuc</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lup</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Raton</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Mistreț</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Sconcs</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Elan</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Liliac</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Broască</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Melc</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Omidă</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Fluture</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Albină</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Buburuză</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Vultur</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pasăre</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Furnică</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Păianjen</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Greiere</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animale marine</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Balenă cu jet</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balenă</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pește</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Pește tropical</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Pește-balon</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Rechin</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Caracatiță</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Calmar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crab</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Homar</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Crevetă</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Scoică</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Focă</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Broască țestoasă</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Meduză</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Vidră</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Stridie</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Animale din junglă</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Maimuță</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilă</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Urangutan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leu</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Cap de tigru</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigru</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopard</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebră</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafă</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hipopotam</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Rinocer</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Crocodil</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Șarpe</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagal</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Leneș</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Cămilă</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Cămilă cu 2 cocoașe</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Cangur</translation>
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
        <translation>Șopârlă</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Păun</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Cap de maimuță</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animale de companie</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Pisică</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Câine</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Cățel</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Pisoi</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Cap de șoarece</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Șoarece</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Iepuraș</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Câine-ghid</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Urme de lăbuțe</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Puișor</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pui din ou</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Cuib cu ouă</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Oameni</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebeluș</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Copil</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Băiat</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Fată</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoană</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Bărbat</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Femeie</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Bătrân</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Bunic</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Bunică</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Om blond</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Bărbat cu barbă</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Mână în mână</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Doi prieteni</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Om care merge</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Om care aleargă</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Dansatoare</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dansator</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Om în picioare</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mână care salută</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Mână ridicată</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Față veselă</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Față cu ochelari</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Îmbrățișare</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Meserii și unelte</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Polițist</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Constructor</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Gardian</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detectiv</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Mireasă</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Om la costum</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoscop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Cheie fixă</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Ciocan</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Fierăstrău</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paletă de culori</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pensulă</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Cutie poștală</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Scrisoare</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Stingător</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Mătură</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Cască de salvator</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Tocă de absolvent</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Cărți</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Creion</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Creion colorat</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Riglă</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Eprubetă</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Servietă</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Trusă de scule</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Scară</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Găleată</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Bec</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Vehicule</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Mașină</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobuz</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Troleibuz</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Mașină de curse</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Mașină de poliție</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulanță</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Mașină de pompieri</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Microbuz</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Camionetă</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Camion de livrare</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Camion mare</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Moped</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motocicletă</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicletă</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Trotinetă</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Tren cu aburi</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tren</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metrou</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvai</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorai</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Avion mic</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Barcă de viteză</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Barcă cu motor</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Vapor</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Feribot</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoe</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Telecabină</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Tren de munte</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Ricșă</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Clădiri</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casă</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Casă cu grădină</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Bloc de birouri</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Poștă</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Spital</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bancă</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Magazin</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Școală</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Magazin mare</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrică</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Castel japonez</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castel</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Capelă de nuntă</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Statuie</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Biserică</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moschee</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Templu</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagogă</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Altar</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Muzeu</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Macara</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Colibă</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Cort</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Casă veche</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cort de circ</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Cap de piatră</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Plante și copaci</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Copac</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Brad</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmier</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Răsad</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Plantă aromatică</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trifoi</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Trifoi cu patru foi</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Frunze căzute</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Frunze în vânt</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Snop de orez</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Lalea</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Trandafir</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Floare ofilită</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Floare de cireș</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Floare</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Floarea-soarelui</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buchet</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Plantă în ghiveci</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Ciupercă</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Buștean</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Zambilă</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castană</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Copacul dorințelor</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Decor de pin</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Cuib gol</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Piatră</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Fructe și legume</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Măr verde</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pară</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Portocală</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Lămâie</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banană</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Pepene roșu</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Struguri</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Căpșună</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Afine</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Pepene galben</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cireșe</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Piersică</translation>
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
        <translation>Nucă de cocos</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Roșie</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Vânătă</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avocado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Broccoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Morcov</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Porumb</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Ardei iute</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Castravete</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salată</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Usturoi</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Ceapă</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Cartof</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Ardei gras</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Mâncare</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pâine</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baghetă</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Covrig</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Brânză</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ou</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Ou ochi</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Clătite</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gofră</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Cartofi prăjiți</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hot dog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandviș</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghete</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Înghețată</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Gogoașă</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Biscuit</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Tort aniversar</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Prăjitură</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Brioșă</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Ciocolată</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bomboană</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Acadea</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Borcan cu miere</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Pahar cu lapte</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Suc la cutie</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Băutură caldă</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Plăcintă</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Jucării și sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Minge de fotbal</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Minge de baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Minge de baschet</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Minge de volei</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Fotbal american</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Minge de rugby</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Minge de tenis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Popice</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Bâtă de cricket</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Crosă de hochei</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Tenis de masă</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Mănușă de box</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Poartă</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Steag de golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Patină</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Undiță</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Patină cu rotile</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Sanie</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Piatră de curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Schiuri</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Zmeu</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Ursuleț de pluș</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Păpuși matrioșka</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zar</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Piesă de puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Controler de joc</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeu</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medalie de aur</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Țintă de darts</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Tobogan</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzică</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Chitară</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tobă</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompetă</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Vioară</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Orgă</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Tobă lungă</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flaut</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Căști</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Clopoțel</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Notă muzicală</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Cosmos</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Farfurie zburătoare</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Pământ</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Pământ (Asia)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planetă cu inele</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Lună nouă</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Fața lunii</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lună zâmbitoare</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Soare zâmbitor</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soare</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stea</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Stea strălucitoare</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Stea învârtită</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometă</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Stea căzătoare</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Extraterestru</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Monstru spațial</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Pământ (America)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lună în descreștere</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Jumătate de lună</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Lună aproape plină</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Vremea</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nor</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Soare după nor</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Nor de furtună</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Soare cu nori</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Înnorat</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Soare și ploaie</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nor de ploaie</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Nor de zăpadă</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Nor cu fulger</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornadă</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Ceață</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vânt</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Vârtej</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Curcubeu</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Umbrelă</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Umbrelă în ploaie</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Fulger</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Fulg de nea</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Om de zăpadă în nea</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Foc</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Strop de ploaie</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometru</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Cub de gheață</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Povești</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Vrăjitor</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Zână</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampir</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sirenă</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Duh</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trol</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicorn</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Cap de dragon</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Dinozaur</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantomă</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Căpcăun</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Coroană</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Glob de cristal</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Baghetă magică</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prinț</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prințesă</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Supererou</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Răufăcător</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Piatră prețioasă</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Cheie veche</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Înger</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Scut</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Pumnal</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arc și săgeată</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Anotimpuri și sărbători</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Dovleac-felinar</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Brad de Crăciun</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Moș Crăciun</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Crăciunița</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Cadou</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Tun cu confetti</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Glob cu confetti</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petardă</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Fundă</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Clopoței de vânt</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Steag cu crap</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Păpuși de sărbătoare</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Felinar roșu</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lampă cu ulei</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Plic roșu</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Glob disco</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Fular</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Mănuși</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Palton</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Cizmă</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Pălărie de soare</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Ochelari de soare</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Costum de baie</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Steag alb</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Steag în carouri</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Oraș și sat</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semafor</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Semafor orizontal</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Semn de stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Lucrări</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Pompă de benzină</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Stație de autobuz</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Indicator</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roată</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Coș de gunoi</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Scaun</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Cărucior</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Coș</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Ușă</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fereastră</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Pat</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Canapea</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Cutie de scrisori</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Ceas</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Ceas deșteptător</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Cărămizi</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Topor</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Busolă</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Târnăcop</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Hartă</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Ghiozdan</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valiză</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Lanternă</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancoră</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Colac de salvare</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fântână arteziană</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Roata mare</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Montagne russe</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Cal de carusel</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Poștă veche</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Trenuleț de munte</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Anotimpuri</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Zile de primăvară și vară</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Dimineață de primăvară</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Adiere de flori</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Seară caldă</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Pajiște de primăvară</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Câmpuri de vară</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Livadă în floare</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Vale verde</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Dealul cu maci</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Zile de toamnă și iarnă</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>După-amiază de toamnă</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Soare de iarnă</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Ninsoare</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Seară geroasă</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Pădure de toamnă</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Dealuri la recoltă</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Copaci goi</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Câmpuri înzăpezite</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Iaz înghețat</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Ploaie, furtuni, vânt și ceață</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Nori de ploaie</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Furtună cu tunete</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Zi cu vânt</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Zi cu ceață</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Pajiște udă</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Dealuri verzi</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Câmpie cu vânt</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Dealuri în ceață</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noapte</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Lună, stele și întuneric</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Dealuri întunecate</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Oraș noaptea</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Lac sub lună</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Sat liniștit</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Seri târzii și nopți adânci</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Amurg violet</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Răsărit de lună</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Albastru nocturn</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Stele căzătoare</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noapte cu felinare</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Dealul cu castel</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Fermă adormită</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Port noaptea</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Zăpadă liniștită</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Luminile orașului</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Soare, nisip și mare</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Zi la plajă</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Soare tropical</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Briză de mare</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Apus pe mare</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Coastă înnorată</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mare liniștită</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Țărm stâncos</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Insulă cu palmieri</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Faleze, valuri și faruri</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Dimineață luminoasă</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Pescăruși și nori</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Ora de aur</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Zi cenușie pe mare</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Răsărit roz</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Faleze albe</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Valuri mari</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Capul farului</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Plaja cu scoici</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagună</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Deșert</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dune, canioane și cactuși</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Soare de deșert</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Amiază fierbinte</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Cer prăfuit</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Apus în deșert</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noapte în deșert</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Câmpie cu cactuși</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oază</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Turnuri de piatră</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Zăpadă</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Gheață, zăpadă și munți înalți</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Albastru rece</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Noapte polară</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Răsărit în Alpi</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Viscol</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Piscuri înzăpezite</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Sloiuri de gheață</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Pârtie de schi</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Tabără cu iglu</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Oraș</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Străzi, parcuri și acoperișuri</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Dimineață în oraș</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>După-amiază aglomerată</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Oraș ploios</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Apus în oraș</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Cer cu fum</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Acoperișuri</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parc</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Strada mare</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Zgârie-nori</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Orașul vechi</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>La țară</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Ferme, câmpuri și sate</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Dimineață la fermă</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Zi de cosit</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Nori peste câmpie</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Seară în livadă</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Câmpuri în petice</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Poiana satului</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Livadă</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Fermă cu vânt</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planete, luni și stele</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Spațiu adânc</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Răsărit de Pământ</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Două luni</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebuloasă</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Cratere pe lună</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planeta roșie</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Lume de gheață</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Junglă extraterestră</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Bază spațială</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 și %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Mai multe copii</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Mai puține copii</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versiunea 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 creatorii Veldor.
Poți să-l folosești și să-l dai mai departe.</translation>
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
        <translation>Exportă ca BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Cât de mare să fie BMP-ul?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (întins)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Fișiere bitmap (*.bmp);;Imagine PNG (*.png);;Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exportă ca BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exportă ca BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Peisaj: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Desen</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Obiect</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efecte speciale</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exportă ca BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Redesenează</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Fă un fișier nou</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Deschide...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Deschide un fișier care există deja</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salvează fișierul</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvează c&amp;a...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salvează fișierul cu alt nume</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tipărește...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Alege &amp;imprimanta</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportă &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>I&amp;eșire</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Închide programul</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Anulează ultima schimbare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Refă schimbarea anulată</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiază în clipboard</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Unelte</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Șterge &amp;tot</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Ia înapoi tot</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Adu tot în &amp;față</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Pune tot în spatele pământului</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Peisaj</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Cer</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Obiecte</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efecte speciale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Arată ajutorul</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Arată informații despre program</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Alege &amp;imprimanta...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Teren</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Păstrează-l</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Adu-l în față</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mută</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Șterge-l</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pune-l în spatele pământului</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Pune-l în fața peisajului</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Șterge obiectul</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efecte</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Șterge tot</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Ia înapoi tot</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Adu tot în față</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Pune tot în spatele pământului</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Anulează %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refă %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Fișiere Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Fișier Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Se instalează pachetul de imagini...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: alege un obiect. Săgeți și Enter: pune, mută, schimbă mărimea. Esc: renunță.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Alege un obiect, apoi trage dreptunghiul lui pe desen sau folosește săgețile și Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>la %1, %2, mărime %3 pe %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter îl schimbă.</translation>
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
        <translation>Ai renunțat: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>întâi pune obiectul (trage, sau săgeți și Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Obiect nou ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Schimbă obiectul ori apasă Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>întâi lasă obiectul jos (clic, sau Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Mută obiectul ori apasă Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>întâi desenează mărimea nouă (trage, sau săgeți și Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Schimbă mărimea ori apasă Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 trebuie să aștepte: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: trage-l pe desen sau apasă acolo o săgeată.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Desen: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Mai multe obiecte</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Caută:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Scrie un nume, de exemplu pisică sau autobuz</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Caută un obiect după nume</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorii</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Obiecte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Alte obiecte</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>În dosarul cu pachete nu e niciun pachet de imagini cu obiecte.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Niciun obiect nu se numește „%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 obiect</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Obiecte: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Obiecte: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Alege un obiect</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Mai multe obiecte...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Ca să alegi altă imprimantă, apasă &apos;Alege imprimanta&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Câte copii tipărește Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Alege imprimanta...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Număr de copii</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Tipărește în fișier</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fișiere PDF (*.pdf);;Toate fișierele (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Cer: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Așteaptă, desenez...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efecte speciale</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efectele pot dura puțin.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Atenție: efectele dispar când desenezi din nou imaginea.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Folosește efectele speciale după ce ai terminat peisajul, ca să</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>poți salva sau tipări imaginea cu efectele pe ecran.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efecte de folosit:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Margini netede</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Culori inversate (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opțiuni pentru culori inversate</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Colorează</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opțiuni de culoare...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lumină</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Mai întunecat</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Mai luminos</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Folosește efectele</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Se pun efectele...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Ajutor Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text de ajutor</translation>
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
        <translation>Primii pași
-=-=-=-=-=-

Acest mic ghid te ajută să faci primul tău desen cu Veldor.

Pasul unu: alege cerul

Apasă pe iconița cerului, al doilea buton din stânga din bară. Se deschide fereastra cerului. Apasă pe unul dintre ceruri; &apos;Nori întunecați&apos; e bun pentru început. Desenul se face din nou cu cerul nou. Când e gata, închide fereastra cerului.

Pasul doi: alege peisajul

Apasă pe iconița peisajului, primul buton din bară, și alege un peisaj. Încearcă &apos;Insulă pustie&apos;. Peisajul se desenează peste cer, iar lumina cerului îl colorează.

Pasul trei: pune și schimbă obiecte

Apasă pe iconița obiectelor, al treilea buton din stânga, și alege &apos;Balon cu aer cald&apos;. Fereastra se închide.

Acum apasă butonul mouse-ului unde vrei balonul și, ținându-l apăsat, trage în jos și la dreapta. Dreptunghiul pe care îl tragi e mărimea balonului.

Când îi dai drumul, balonul se desenează și o fereastră mică te întreabă dacă îl păstrezi:
   &apos;Schimbă mărimea&apos; desenează din nou, ca să tragi încă o dată dreptunghiul balonului, ca înainte.
   &apos;Nu-l păstra&apos; scoate obiectul nou.
   &apos;Păstrează-l&apos; îl lasă în desenul tău.

Mai târziu, apasă pe un obiect ca să-l muți, să-i schimbi mărimea, să-l ștergi sau să-l pui în spatele pământului.

Cu tastatura:
   Apasă Tab până când desenul are o ramă punctată. După ce ai ales un obiect, apasă o săgeată: un dreptunghi arată unde va sta. Săgețile îl mută (cu Shift, câte zece pași), Ctrl și săgețile îl fac mai mare sau mai mic, Enter pune obiectul acolo, iar Esc renunță la el.
   Când nu e nimic ales, Tab și Shift+Tab trec de la un obiect din desen la următorul; Enter îi deschide fereastra, ca un clic pe el.
   După &apos;Mută-l&apos; sau &apos;Schimbă mărimea&apos;, săgețile mută conturul sau îi schimbă mărimea, iar Enter termină. Esc oprește orice schimbare, ca Renunță.

Pasul patru: termină desenul

   Margini netede:
   Marginile netede fac mai moi marginile aspre ale obiectelor și peisajelor. Apasă pe iconița efectelor, a patra din stânga. Lasă bifată doar căsuța &apos;Margini netede&apos; și apasă &apos;Folosește efectele&apos;.

   Salvare ca BMP:
   Apasă pe iconița de export, al doilea buton din dreapta. Se deschide o fereastră în care alegi mărimea imaginii; apoi fereastra obișnuită de salvare îți cere un nume de fișier.

Ajutor pentru butoane
-=-=-=-=-=-=-=-=-=-=-

(Iconițele de la stânga la dreapta.)

Peisaj: alege un peisaj.
Cer: alege un cer.
Obiect: pune un obiect.
Efecte: pune efecte pe desen.
------------------------------
Nou: începe un desen nou.
Tipărește: tipărește desenul (cu mai multe opțiuni).
Salvează: salvează desenul ca fișier .VDR.
Deschide: deschide un fișier .VDR.
Salvează BMP: salvează imaginea ca fișier .BMP.
------------------------------
Redesenează: desenează din nou imaginea.

Apasă clic dreapta pe desen pentru un meniu cu toate comenzile.
Meniul Unelte șterge, ia înapoi sau mută toate obiectele deodată.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Alege un peisaj</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Fără peisaj</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Mută obiectul</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Tocmai ai mutat un obiect. Ce vrei să faci?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>E bine așa</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Mută din nou</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Anulează mutarea</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Desen nou</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Începi un desen nou?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Acesta nu e un fișier Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuă</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Schimbă obiectul</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Ai ales obiectul:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Ce vrei să faci cu el?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Șterge-l</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Mută-l</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Adu-l în față</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pune-l în spatele pământului</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Obiect nou</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Ai ales un obiect nou. Ce vrei să faci cu el?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Păstrează-l</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nu-l păstra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Schimbă obiectul</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Ai ales un obiect care e în spatele peisajului.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Ce vrei să faci cu obiectul:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Pune obiectul în fața peisajului</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Șterge obiectul</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Tocmai ai schimbat mărimea unui obiect. Ce vrei să faci?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>E bine așa</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Schimbă din nou</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Anulează schimbarea mărimii</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Alege un cer</translation>
    </message>
</context>
</TS>
