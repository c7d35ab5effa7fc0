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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji, tekijä Google (SIL Open Font License), litistetty Veldoria varten</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldorin tekijät</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Maatilan eläimet</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Lehmä</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Possu</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Lammas</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Vuohi</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kukko</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Tipu</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ankka</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Hevonen</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Härkä</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Vesipuhveli</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkkuna</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Pässi</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Aasi</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kani</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Lehmän pää</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Possun pää</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hevosen pää</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Hanhi</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Laama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Metsän eläimet</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Kettu</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Karhu</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Peura</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Maaorava</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Siili</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Mäyrä</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Susi</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Pesukarhu</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Majava</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Villisika</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Haisunäätä</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Hirvi</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Lepakko</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Sammakko</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Etana</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Toukka</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Perhonen</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Mehiläinen</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Leppäkerttu</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Kotka</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Lintu</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Muurahainen</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Hämähäkki</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Sirkka</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Meren eläimet</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Suihkuava valas</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Valas</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfiini</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Kala</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Trooppinen kala</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Pallokala</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Hai</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Mustekala</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Kalmari</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Rapu</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Hummeri</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Katkarapu</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Simpukankuori</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Hylje</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Kilpikonna</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Meduusa</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingviini</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Saukko</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralli</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Osteri</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Viidakon eläimet</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Apina</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Oranki</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Norsu</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leijona</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tiikerin pää</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiikeri</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopardi</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Seepra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Kirahvi</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Virtahepo</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Sarvikuono</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokotiili</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Käärme</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papukaija</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Laiskiainen</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedaari</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Kameli</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kenguru</translation>
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
        <translation>Lisko</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Riikinkukko</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Apinan pää</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Lemmikit</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kissa</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Koira</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Villakoira</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Koiranpentu</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kissanpentu</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamsteri</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Hiiren pää</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Hiiri</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Pupu</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Opaskoira</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Tassunjäljet</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Luu</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pieni tipu</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kuoriutuva tipu</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Pesä ja munia</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Ihmiset</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Vauva</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Lapsi</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Poika</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Tyttö</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Ihminen</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mies</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Nainen</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Vanhus</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Vaari</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Mummo</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Vaaleatukkainen</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Parrakas mies</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Perhe</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Käsi kädessä</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Kaksi ystävää</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Kävelijä</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Juoksija</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tanssija</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Tanssiva mies</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Seisova ihminen</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Vilkuttava käsi</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Käsi ylhäällä</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Iloiset kasvot</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Siistit kasvot</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Halaavat kasvot</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Ammatit ja työkalut</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Poliisi</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Rakentaja</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Vartija</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Etsivä</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Morsian</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Mies puvussa</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskooppi</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Kiintoavain</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Vasara</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Saha</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Maalipaletti</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Sivellin</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Postilaatikko</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Kirje</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Sammutin</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Luuta</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Pelastuskypärä</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Ylioppilaslakki</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskooppi</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Kirjat</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lyijykynä</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Väriliitu</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Viivain</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Koeputki</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Salkku</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Työkalupakki</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Tikkaat</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Ämpäri</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magneetti</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Hehkulamppu</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Ajoneuvot</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taksi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Maasturi</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bussi</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Johdinauto</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Kilpa-auto</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Poliisiauto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulanssi</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Paloauto</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Pikkubussi</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Lava-auto</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Pakettiauto</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Rekka</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktori</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Skootteri</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Moottoripyörä</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Polkupyörä</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Potkulauta</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Höyryjuna</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Juna</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Raitiovaunu</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Yksiraidejuna</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopteri</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Lentokone</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Pienlentokone</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Pikavene</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Moottorivene</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Laiva</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Lautta</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kanootti</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Köysirata</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Gondolihissi</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riksa</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Rakennukset</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Talo</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Talo ja puutarha</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Taloja</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Toimistotalo</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postitoimisto</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Sairaala</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Pankki</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotelli</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Kauppa</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Koulu</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Tavaratalo</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Tehdas</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japanilainen linna</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Linna</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Hääkappeli</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torni</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Patsas</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kirkko</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moskeija</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Temppeli</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Torii-portti</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museo</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Rakennusnosturi</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Maja</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Teltta</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Vanha talo</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Sirkusteltta</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Kivipää</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Kasvit ja puut</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Puu</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Kuusi</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmu</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Taimi</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Yrtti</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Apila</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Neliapila</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Pudonneet lehdet</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Lehdet tuulessa</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Riisilyhde</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulppaani</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Ruusu</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Kuihtunut kukka</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kirsikankukka</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Kukka</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Auringonkukka</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Kukkakimppu</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Ruukkukasvi</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Kärpässieni</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tukki</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lootus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyasintti</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanja</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Toivepuu</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Bambukoriste</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Tyhjä pesä</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kivi</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Hedelmät ja vihannekset</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Vihreä omena</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Päärynä</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Appelsiini</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Sitruuna</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banaani</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Vesimeloni</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Viinirypäleet</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Mansikka</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Mustikat</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Meloni</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirsikat</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Persikka</translation>
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
        <translation>Kookospähkinä</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiivi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomaatti</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Munakoiso</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Parsakaali</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Porkkana</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Maissi</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Kurkku</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salaatti</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Valkosipuli</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Sipuli</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Peruna</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Ruoka</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Leipä</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Patonki</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Rinkeli</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Juusto</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Muna</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Paistettu muna</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pannukakut</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Vohveli</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hampurilainen</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Ranskalaiset</translation>
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
        <translation>Voileipä</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spagetti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Jäätelö</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donitsi</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Keksi</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Synttärikakku</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kakkupala</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Kuppikakku</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Suklaa</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Karkki</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Tikkari</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Hunajapurkki</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Lasi maitoa</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Mehutölkki</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Kuuma juoma</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Piiras</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Lelut ja urheilu</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Jalkapallo</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Koripallo</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Lentopallo</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Jenkkifutis</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rugbypallo</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tennispallo</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Keilailu</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Krikettimaila</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Maahockeymaila</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Pingis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Sulkapallo</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Nyrkkeilyhanska</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Maali</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golflippu</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Luistin</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Onkivapa</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Rullalauta</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Rullaluistin</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kelkka</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingkivi</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Sukset</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Leija</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jojo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Nalle</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Maatuskat</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Noppa</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Palapelin pala</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Peliohjain</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokaali</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Kultamitali</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Tikkataulu</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerangi</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Liukumäki</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musiikki</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Kitara</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Rumpu</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trumpetti</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saksofoni</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Viulu</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Haitari</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Pitkä rumpu</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Marakassit</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Huilu</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofoni</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kuulokkeet</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Kello</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nuotti</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Avaruus</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Lentävä lautanen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliitti</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Maapallo</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Maapallo ja Aasia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Rengasplaneetta</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Uusikuu</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Kuu ja kasvot</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Hymyilevä kuu</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Hymyilevä aurinko</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Aurinko</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Tähti</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Hohtava tähti</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Pyörivä tähti</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komeetta</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Tähdenlento</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Kaukoputki</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Avaruusolento</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pikselihirviö</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Maapallo ja Amerikka</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Vähenevä kuu</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Puolikuu</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Melkein täysikuu</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Sää</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Pilvi</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Aurinko ja pilvi</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Ukkospilvi</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Puolipilvistä</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Pilvistä</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Aurinko ja sade</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Sadepilvi</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Lumipilvi</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Salamapilvi</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Sumu</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Tuuli</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Pyörretuuli</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Sateenkaari</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Sateenvarjo</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Varjo sateessa</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Salama</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Lumihiutale</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Lumiukko lumessa</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Tuli</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Sadepisara</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Aalto</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Lämpömittari</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Jääpala</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Satumaailma</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Velho</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Keiju</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampyyri</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Merenneito</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Haltija</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Lampun henki</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Peikko</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Yksisarvinen</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Lohikäärme</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Lohikäärmeen pää</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Pitkäkauladino</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Kummitus</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Hirviö</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robotti</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Kruunu</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Kristallipallo</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Taikasauva</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prinssi</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prinsessa</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Supersankari</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Konna</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Jalokivi</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Vanha avain</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Enkeli</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Kilpi</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Tikari</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Jousi ja nuoli</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Vuodenajat ja juhlat</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Kurpitsalyhty</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Joulukuusi</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Joulupukki</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Joulumuori</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Lahja</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ilmapallo</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Serpentiinipommi</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettipallo</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Paukku</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Rusetti</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Tuulikello</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karppilippu</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Juhlanuket</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Punainen lyhty</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Öljylamppu</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Punainen kuori</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Discopallo</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Kaulahuivi</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Hanskat</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Takki</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Saapas</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Aurinkohattu</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Aurinkolasit</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Uimapuku</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikinit</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Valkoinen lippu</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Ruutulippu</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Kaupunki ja maaseutu</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Liikennevalo</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Vaakaliikennevalo</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stop-merkki</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Tietyö</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Bensapumppu</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Bussipysäkki</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Kyltti</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rengas</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Roskakori</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Tuoli</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Ostoskärry</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Kori</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Ovi</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ikkuna</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Sänky</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sohva</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Postilaatikko</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Pöytäkello</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Herätyskello</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Tiilet</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Kirves</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompassi</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Hakku</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Kartta</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Koulureppu</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Matkalaukku</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Taskulamppu</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ankkuri</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Pelastusrengas</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Suihkulähde</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Maailmanpyörä</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Vuoristorata</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Karusellihevonen</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Vanha posti</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Vuoristojuna</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Vuodenajat</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Kevät- ja kesäpäiviä</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Kevätaamu</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Kukkien tuuli</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Lämmin ilta</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Kevätniitty</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Kesäpellot</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Kukkiva puutarha</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Vihreä laakso</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Unikkomäki</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Syys- ja talvipäiviä</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Syysiltapäivä</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Talviaurinko</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Lumisade</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Pakkasilta</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Syysmetsä</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Viljamäet</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Paljaat puut</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Lumiset pellot</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Jäätynyt lampi</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Sadetta, myrskyä, tuulta ja sumua</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Sadepilvet</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Ukkonen</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Tuulinen päivä</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Sumuinen päivä</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Märkä niitty</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Vihreät mäet</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Tuulinen nummi</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Sumuiset mäet</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Yö</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Kuu, tähdet ja pimeä</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Pimeät mäet</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Kaupunki yöllä</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Järvi kuunvalossa</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Hiljainen kylä</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Myöhäisiä iltoja ja syviä öitä</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Violetti hämärä</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Kuunnousu</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Keskiyön sini</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Monta tähdenlentoa</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lyhtyjen yö</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Linnamäki</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Uninen maatila</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Satama yöllä</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Hiljainen lumi</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Kaupungin valot</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Aurinkoa, hiekkaa ja merta</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Rantapäivä</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropiikin aurinko</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Merituuli</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Auringonlasku merellä</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Pilvinen rannikko</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Tyyni meri</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Kivikkoranta</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Satama</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmusaari</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Kallioita, aaltoja ja majakoita</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Kirkas aamu</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Lokkeja ja pilviä</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Kultainen hetki</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Harmaa meripäivä</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Ruusuinen aamu</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Valkoiset kalliot</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Isot aallot</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Majakkaniemi</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Simpukkaranta</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguuni</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Aavikko</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dyynejä, kanjoneita ja kaktuksia</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Aavikon aurinko</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Kuuma keskipäivä</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Pölyinen taivas</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Aavikon ilta</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Aavikon yö</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktustasanko</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Keidas</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Kivitornit</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Lumi</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Jäätä, lunta ja korkeita vuoria</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Raikas sininen</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Kaamos</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Vuoristoaamu</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Lumimyrsky</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Lumiset huiput</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Jäälautat</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Laskettelurinne</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Iglukylä</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Kaupunki</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Katuja, puistoja ja kattoja</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Kaupungin aamu</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Vilkas iltapäivä</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Sateinen kaupunki</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Kaupungin ilta</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Savuinen taivas</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Katot</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Puisto</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Kauppakatu</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Pilvenpiirtäjät</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Vanhakaupunki</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Maaseutu</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Maatiloja, peltoja ja kyliä</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Aamu maatilalla</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Heinäpäivä</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Maaseudun pilvet</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Ilta tarhassa</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Tilkkutäkkipellot</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Kylänurmi</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Hedelmätarha</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Tuulinen maatila</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeettoja, kuita ja tähtiä</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Syvä avaruus</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Maannousu</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Kaksi kuuta</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Tähtisumu</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Kuun kraatterit</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Punainen planeetta</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Jäämaailma</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Outo viidakko</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Avaruustukikohta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ja %2</translation>
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
