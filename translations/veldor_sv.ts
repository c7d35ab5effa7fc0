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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji från Google (SIL Open Font License), gjorda platta för Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldors utvecklare</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Bondgårdsdjur</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Får</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Tupp</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Höna</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kyckling</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Anka</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Häst</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Oxe</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Vattenbuffel</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkon</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Bagge</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Åsna</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kanin</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Kohuvud</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Grishuvud</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Hästhuvud</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gås</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Skogsdjur</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Räv</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Björn</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hjort</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Jordekorre</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Igelkott</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Grävling</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Varg</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Tvättbjörn</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bäver</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Vildsvin</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Skunk</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Älg</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Fladdermus</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Groda</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Snigel</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Larv</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Fjäril</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Bi</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Nyckelpiga</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Örn</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Fågel</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Myra</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Spindel</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Syrsa</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Havsdjur</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Sprutande val</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisk</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropisk fisk</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Blåsfisk</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Haj</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Bläckfisk</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Kalmar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krabba</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Hummer</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Räka</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Snäcka</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Säl</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Sköldpadda</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Manet</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingvin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Utter</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Korall</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ostron</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Djungeldjur</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Apa</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutang</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lejon</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tigerhuvud</translation>
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
        <translation>Giraff</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Flodhäst</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Noshörning</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Orm</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papegoja</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Sengångare</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedar</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Kamel</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Känguru</translation>
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
        <translation>Ödla</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Påfågel</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Aphuvud</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Husdjur</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katt</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Valp</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kattunge</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Mushuvud</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mus</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Kaninunge</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Ledarhund</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Tassavtryck</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Ben</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Liten kyckling</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Kyckling i ägg</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Bo med ägg</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Människor</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebis</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Pojke</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Flicka</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Kvinna</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Äldre person</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Morfar</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Mormor</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Blond person</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Man med skägg</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familj</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Hand i hand</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Två väninnor</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Fotgängare</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Löpare</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Dansare</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dansande man</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stående person</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Vinkande hand</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Handen upp</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Glad gubbe</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Cool gubbe</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Kramande gubbe</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Yrken och verktyg</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Polis</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Byggarbetare</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektiv</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Brud</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Man i kostym</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Skiftnyckel</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammare</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Såg</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Målarpalett</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pensel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Brevlåda</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brev</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Brandsläckare</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Kvast</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Räddningshjälm</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Studentmössa</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Böcker</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyertspenna</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Krita</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Linjal</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Provrör</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Portfölj</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Verktygslåda</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Stege</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Hink</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Glödlampa</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Fordon</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Bil</translation>
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
        <translation>Buss</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trådbuss</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Racerbil</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Polisbil</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulans</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Brandbil</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibuss</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pickup</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Skåpbil</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Lastbil</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Moped</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motorcykel</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Cykel</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Sparkcykel</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Ånglok</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tåg</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Tunnelbana</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Spårvagn</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorail</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Flygplan</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Litet flygplan</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Snabbåt</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorbåt</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Fartyg</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Färja</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kanot</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Linbana</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Gondol</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riksha</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Byggnader</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Hus med trädgård</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Hus i rad</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Kontorshus</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postkontor</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Sjukhus</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotell</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Affär</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Skola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Varuhus</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrik</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japanskt slott</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Slott</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Bröllopskapell</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torn</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Staty</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kyrka</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Moské</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Japansk port</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Byggkran</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Hydda</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tält</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Gammalt hus</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cirkustält</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Stenhuvud</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Växter och träd</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Träd</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palm</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Grodd</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Ört</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Klöver</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Fyrklöver</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Fallna löv</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Löv i vinden</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Riskärve</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulpan</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Ros</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Vissen blomma</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Körsbärsblomma</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Blomma</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Solros</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bukett</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Krukväxt</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Flugsvamp</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hyacint</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanj</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Önsketräd</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Nyårsdekoration</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Tomt bo</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Sten</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frukt och grönt</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Grönt äpple</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Päron</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Apelsin</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Vattenmelon</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Vindruvor</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Jordgubbe</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Blåbär</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Körsbär</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Persika</translation>
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
        <translation>Kokosnöt</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomat</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Broccoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Morot</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Majs</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Gurka</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Sallad</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Vitlök</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Lök</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Potatis</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Mat</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Bröd</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baguette</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Kringla</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ägg</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Stekt ägg</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pannkakor</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Våffla</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburgare</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Pommes frites</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Korv med bröd</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Smörgås</translation>
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
        <translation>Glass</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Munk</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Kaka</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Födelsedagstårta</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Tårtbit</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Muffin</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Choklad</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Godis</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Klubba</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Honungsburk</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Glas mjölk</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Juicepaket</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Varm dryck</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Paj</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Leksaker och sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fotboll</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseboll</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volleyboll</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Amerikansk fotboll</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Rugbyboll</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tennisboll</translation>
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
        <translation>Cricketbat</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hockeyklubba</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Pingis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boxningshandske</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golfflagga</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Skridsko</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Fiskespö</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Rullskridsko</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kälke</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curlingsten</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Skidor</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Drake</translation>
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
        <translation>Ryska dockor</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärning</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Pusselbit</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Handkontroll</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Guldmedalj</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Darttavla</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Rutschkana</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarr</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Trumma</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trumpet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Fiol</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Dragspel</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Lång trumma</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flöjt</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Hörlurar</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bjällra</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Rymden</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Flygande tefat</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Jorden</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Jorden med Asien</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planet med ringar</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nymåne</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Måne med ansikte</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Leende måne</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Leende sol</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Lysande stjärna</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Snurrande stjärna</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Stjärnfall</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Utomjording</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Pixelmonster</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Jorden med Amerika</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Avtagande måne</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Halvmåne</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Nästan fullmåne</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Väder</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Moln</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol bakom moln</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Åskmoln</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol och lite moln</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Mulet</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sol och regn</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Regnmoln</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Snömoln</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Blixtmoln</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Dimma</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vind</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Virvelvind</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regnbåge</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraply</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Paraply i regn</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blixt</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Snöflinga</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Snögubbe i snö</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Eld</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regndroppe</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Våg</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Isbit</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasi</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Trollkarl</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fe</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampyr</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sjöjungfru</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Alv</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Ande i lampan</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Enhörning</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drake</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Drakhuvud</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Långhalsad dino</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Spöke</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Jätte</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krona</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Kristallkula</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Trollstav</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prins</translation>
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
        <translation>Superhjälte</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Skurk</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Ädelsten</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Gammal nyckel</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ängel</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Sköld</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dolk</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Pilbåge</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Årstider och högtider</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Pumpalykta</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Julgran</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Jultomte</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Tomtemor</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Present</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballong</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfettismällare</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfettiboll</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Smällare</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Rosett</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Vindspel</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karpflagga</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Festdockor</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Röd lykta</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Oljelampa</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Rött kuvert</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Discokula</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Halsduk</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Vantar</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Stövel</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Solhatt</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Solglasögon</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Baddräkt</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Vit flagga</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Rutig flagga</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Stad och land</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Trafikljus</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Liggande trafikljus</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Stoppskylt</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Vägarbete</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Bensinpump</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Busshållplats</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Skylt</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Hjul</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Papperskorg</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Stol</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Kundvagn</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Korg</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dörr</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fönster</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Säng</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Soffa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Postlåda</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klocka</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Väckarklocka</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Tegel</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Yxa</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Hacka</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Skolväska</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Resväska</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Ficklampa</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ankare</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Livboj</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontän</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Pariserhjul</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Berg- och dalbana</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Karusellhäst</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Gammalt postkontor</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Bergståg</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Vår- och sommardagar</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Vårmorgon</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Blomdoft</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Varm kväll</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Våräng</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Sommarfält</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Blommande träd</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Grön dal</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Vallmokulle</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Höst- och vinterdagar</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Höstdag</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Vintersol</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Snöfall</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Frostig kväll</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Höstskog</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Skördekullar</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Kala träd</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Snöiga fält</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Frusen damm</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Regn, storm, blåst och dimma</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Regniga moln</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Åskväder</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Blåsig dag</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Dimmig dag</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Blöt äng</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Gröna kullar</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Blåsig hed</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Dimmiga kullar</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Natt</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Måne, stjärnor och mörker</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Mörka kullar</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Stad i natten</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Sjö i månsken</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Tyst by</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Sena kvällar och djupa nätter</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Lila skymning</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Månuppgång</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Midnattsblått</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Många stjärnfall</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Lyktnatt</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Slottsbacken</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Sovande gård</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Hamn om natten</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Tyst snö</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Stadens ljus</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, sand och hav</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Stranddag</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropisk sol</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Havsbris</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Solnedgång över havet</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Molnig kust</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Lugnt hav</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Klippstrand</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Hamn</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmö</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Klippor, vågor och fyrar</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Ljus morgon</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Måsar och moln</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Gyllene timme</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Grå dag vid havet</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Rosa soluppgång</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Vita klippor</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Stora vågor</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Fyrudden</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Snäckstrand</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagun</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Öken</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dyner, kanjoner och kaktusar</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Ökensol</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Het middag</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Dammig himmel</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Ökenkväll</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Ökennatt</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktusslätt</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oas</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Stentorn</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Snö</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Is, snö och höga berg</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Kallt blått</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Polarnatt</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Fjällgryning</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Snöstorm</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Snöiga toppar</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Isflak</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Skidbacke</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Igloläger</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Gator, parker och tak</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Morgon i stan</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Livlig eftermiddag</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Regn i stan</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Kväll i stan</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Rökig himmel</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Hustak</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Storgatan</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Skyskrapor</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Gamla stan</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>På landet</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Gårdar, fält och byar</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Morgon på gården</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Höslåtter</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Moln över landet</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Kväll i trädgården</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Rutiga fält</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Byäng</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Fruktträdgård</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Blåsig gård</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planeter, månar och stjärnor</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Djupa rymden</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Jorduppgång</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Två månar</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Månkratrar</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Röd planet</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Isvärld</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Främmande djungel</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Rymdbas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
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
