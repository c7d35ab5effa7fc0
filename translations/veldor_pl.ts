<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Niebo: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Bez ziemi.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Ziemia: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Rzeczy: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo Veldora</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Wybierz drukarkę</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Wczytaj paczkę obrazków</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efekty: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Dodaj mój obrazek</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Dodaj mój obrazek...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Obrazek się zmienił.
Czy chcesz go zapisać?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>obrazek, który nigdy nie był zapisany</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor zamknął się, zanim zapisał zmiany w %1.
Czy chcesz je odzyskać?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Odzyskaj</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Wyrzuć</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Taki folder nie istnieje.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Czeka na sprawdzenie przez rodzimych użytkowników języka</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Nie możesz otworzyć tego pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk jest pełny</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Błąd czytania lub zapisu %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obrazek bitmapy jest zły</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Nie mogę zrobić pliku PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano żadnej drukarki</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Wybrana drukarka nie działa</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nie ustawiono ani XDG_DATA_HOME, ani HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Wiersz %1 jest dłuższy niż 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nie jest poprawną liczbą całkowitą</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Zła liczba rzeczy: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Za mało pamięci na %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Nie udało się wydrukować obrazka: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Nie można zainstalować paczki obrazków %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nie mogę otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie mogę otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nie mogę utworzyć pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Nie wybrano paczki</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Jak wczytać paczkę obrazków Veldora:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Pobierz plik zip z paczką obrazków Veldora.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Otwórz paczkę albo rozpakuj ją do folderu paczek</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Potem wybierz ją z listy paczek po lewej.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Paczki obrazków</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nazwa paczki:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Otwórz paczkę albo rozpakuj ją do %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Kamienny klif</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Małe góry</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Leśne wzgórza</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Bezludna wyspa</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Miasto</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Szare chmury</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Ciemne chmury</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Pomarańczowy zachód słońca</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Czysty błękit</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Pochmurny dzień</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Skała z dziurą</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Jabłko</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Piłeczka golfowa</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Żółty kwiat</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Drużyna Veldora</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Zima i pustynia</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Śnieg, piasek i gwiazdy do wypróbowania z twoimi obrazkami.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Gwiaździsta noc</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Południe na pustyni</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Zorza polarna</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Różowy świt</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Śniegowe chmury</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Zaśnieżone wzgórza</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Wydmy</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Zamarznięte jezioro</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Czerwony kanion</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Wioska zimą</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Sosna</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Domek</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Żaglówka</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bałwan</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Jesień</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Złote lasy, pola żniw i wielki pomarańczowy księżyc.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Złote popołudnie</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mglisty poranek</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Jesienna burza</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Księżyc żniw</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Deszcz z tęczą</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Klonowe wzgórza</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Pole dyń</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Jezioro wśród brzóz</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Farma z czerwoną stodołą</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Rzędy winorośli</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Dynia</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Liść klonu</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Grzyb</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Żołądź</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Strach na wróble</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Nad morzem</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Plaże, klify i porty pod letnim niebem.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Letnie południe</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropikalny zachód słońca</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Mgła nad morzem</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Burzliwe morze</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Wieczór w pastelach</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Piaszczysta plaża</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Klif z latarnią</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Zatoka z palmami</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Miasto z portem</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Skalisty brzeg</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Latarnia morska</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Piłka plażowa</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Mewa</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Rozgwiazda</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasol plażowy</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Światło księżyca</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Nocne niebo pełne gwiazd nad śpiącymi krainami.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pełnia księżyca</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Droga Mleczna</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Zmierzch</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Deszcz spadających gwiazd</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Srebrne chmury</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Wzgórza w świetle księżyca</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Miasto nocą</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Polana z ogniskiem</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Śpiąca wioska</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Las sosnowy</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Sowa</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Latarenka</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rakieta</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Świeczka</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Sierp księżyca</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji od Google (SIL Open Font License), spłaszczone dla programu Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Twórcy programu Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Zwierzęta z farmy</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Krowa</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Świnia</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Owca</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Koza</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kogut</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Kura</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Kurczątko</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Kaczka</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Koń</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Wół</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Bawół</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Indyk</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Baran</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Osiołek</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Królik</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Głowa krowy</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Głowa świni</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Głowa konia</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gęś</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Zwierzęta leśne</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Lis</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Niedźwiedź</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Jeleń</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Pręgowiec</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Jeż</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Borsuk</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wilk</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Szop</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Bóbr</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Dzik</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Skunks</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Łoś</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Nietoperz</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Żaba</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Ślimak</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Gąsienica</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motyl</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Pszczoła</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Biedronka</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Orzeł</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Ptak</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Mrówka</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Pająk</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Świerszcz</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Zwierzęta morskie</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Wieloryb z fontanną</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Wieloryb</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Rybka tropikalna</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Rozdymka</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Rekin</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Ośmiornica</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Kałamarnica</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Homar</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Krewetka</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muszelka</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Foka</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Żółw</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Meduza</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingwin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Wydra</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koral</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ostryga</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Zwierzęta z dżungli</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Małpa</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Goryl</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Słoń</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lew</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Głowa tygrysa</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygrys</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Lampart</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Żyrafa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hipopotam</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Nosorożec</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodyl</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papuga</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flaming</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Leniwiec</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Wielbłąd</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Wielbłąd dwugarbny</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kangur</translation>
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
        <translation>Jaszczurka</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Paw</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Głowa małpy</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Zwierzątka domowe</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kot</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Szczeniak</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Kotek</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Chomik</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Głowa myszki</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Króliczek</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Pies przewodnik</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Ślady łap</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Kość</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pisklę</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pisklę z jajka</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Gniazdo z jajkami</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Ludzie</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Niemowlę</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Chłopiec</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Dziewczynka</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Osoba</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Mężczyzna</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Kobieta</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Starsza osoba</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Dziadek</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Babcia</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Blondyn</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Brodacz</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Rodzina</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Za rączki</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dwoje przyjaciół</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Spacerowicz</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Biegacz</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tancerka</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Tancerz</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Stojąca osoba</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Machająca ręka</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Ręka w górze</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Wesoła buźka</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Buźka w okularach</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Buźka z uściskiem</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Zawody i narzędzia</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policjant</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Budowlaniec</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Gwardzista</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektyw</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Panna młoda</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Pan w garniturze</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Klucz</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Młotek</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Piła</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pędzel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Skrzynka pocztowa</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Gaśnica</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Miotła</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Kask ratownika</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Czapka absolwenta</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Książki</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Kredka</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Linijka</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Probówka</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Teczka</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Skrzynka narzędzi</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Drabina</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Wiadro</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnes</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Żarówka</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Pojazdy</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Samochód</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taksówka</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Terenówka</translation>
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
        <translation>Wyścigówka</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Radiowóz</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Karetka</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Wóz strażacki</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pikap</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Dostawczak</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Ciężarówka</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Skuter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motocykl</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Hulajnoga</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Parowóz</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Pociąg</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramwaj</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Kolej jednoszynowa</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Samolot</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Samolocik</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Ślizgacz</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorówka</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Statek</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Prom</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kajak</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Kolejka linowa</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Kolej górska</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riksza</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Budynki</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Dom z ogródkiem</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Domy</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Biurowiec</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Szpital</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Sklep</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Szkoła</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Dom towarowy</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabryka</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Zamek japoński</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Zamek</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Kaplica ślubna</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Wieża</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Pomnik</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kościół</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Meczet</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Świątynia</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Brama świątyni</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Muzeum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Dźwig</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Chatka</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Namiot</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Stary dom</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Cyrk</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Kamienna głowa</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Rośliny i drzewa</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Drzewo</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Choinka</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palma</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Kiełek</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Zioło</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Koniczyna</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Czterolistnik</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Opadłe liście</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Liście na wietrze</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Snop ryżu</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipan</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Róża</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Zwiędły kwiat</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kwiat wiśni</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Kwiatek</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Słonecznik</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bukiet</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Kwiatek w doniczce</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Muchomor</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Kłoda</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotos</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Hiacynt</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kasztan</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Drzewko życzeń</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Ozdoba z sosny</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Puste gniazdo</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kamień</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Owoce i warzywa</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Zielone jabłko</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Gruszka</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańcza</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Cytryna</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banan</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Arbuz</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Winogrona</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Truskawka</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Borówki</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Wiśnie</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Brzoskwinia</translation>
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
        <translation>Pomidor</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Bakłażan</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Awokado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokuł</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Marchewka</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Kukurydza</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Papryczka chili</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Ogórek</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Sałata</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Czosnek</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cebula</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Ziemniak</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Papryka</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Jedzenie</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Chleb</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Rogalik</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Bagietka</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Precel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Ser</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Jajko</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Jajko sadzone</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Naleśniki</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gofr</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Frytki</translation>
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
        <translation>Kanapka</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Lody</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Pączek</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Ciastko</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Tort urodzinowy</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Ciasto</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Babeczka</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Czekolada</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Cukierek</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lizak</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Garnek miodu</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Szklanka mleka</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Soczek</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Gorący napój</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Placek</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Zabawki i sport</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Piłka nożna</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Piłka do baseballu</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Piłka do kosza</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Piłka do siatkówki</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Futbol amerykański</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Piłka do rugby</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Piłka tenisowa</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Kręgle</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Kij do krykieta</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Kij hokejowy</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Tenis stołowy</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Rękawica bokserska</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Bramka</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Flaga golfowa</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Łyżwa</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Wędka</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Deskorolka</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Wrotka</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Sanki</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Kamień do curlingu</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Narty</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Latawiec</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Jo-jo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Miś pluszowy</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matrioszki</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostka do gry</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Pad do gier</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Złoty medal</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Tarcza do rzutek</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Zjeżdżalnia</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitara</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Bęben</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trąbka</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saksofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Skrzypce</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Długi bęben</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Marakasy</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flet</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Słuchawki</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nutka</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Kosmos</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Latający spodek</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Ziemia</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Ziemia: Azja</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Księżyc z buzią</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Wesoły księżyc</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Wesołe słońce</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Lśniąca gwiazda</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Wirująca gwiazda</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Spadająca gwiazda</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Kosmita</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Kosmiczny potworek</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Ziemia: Ameryka</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Malejący księżyc</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Pół księżyca</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Prawie pełnia</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Pogoda</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Chmura</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Słońce za chmurą</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Chmura burzowa</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Słońce i chmurka</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Pochmurno</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Słońce i deszcz</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Chmura z deszczem</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Chmura ze śniegiem</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Chmura z piorunem</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Mgła</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wiatr</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Wir</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Parasol w deszczu</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Piorun</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Płatek śniegu</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Bałwan w śniegu</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Ogień</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Kropla</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometr</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Kostka lodu</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Baśnie</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Czarodziej</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Wróżka</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Wampir</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Syrenka</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Dżin</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Jednorożec</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Smok</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Głowa smoka</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Długoszyi dinozaur</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>Tyranozaur</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Duch</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Potwór</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Kryształowa kula</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Różdżka</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Książę</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Księżniczka</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superbohater</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Złoczyńca</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Klejnot</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Stary klucz</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anioł</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Tarcza</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Sztylet</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Łuk i strzała</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Święta i pory roku</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Dynia-lampion</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Choinka świąteczna</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Święty Mikołaj</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Pani Mikołajowa</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Prezent</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balonik</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Tuba z konfetti</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Kula z konfetti</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petarda</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Wstążka</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Dzwonki wietrzne</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Karp na wietrze</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Lalki festiwalowe</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Czerwony lampion</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lampka oliwna</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Czerwona koperta</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Kula disco</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Szalik</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Rękawiczki</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Płaszcz</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Kapelusz od słońca</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Okulary słoneczne</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Kostium kąpielowy</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Biała flaga</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Flaga w kratkę</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Miasto i wieś</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Sygnalizator</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Światła poziome</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Znak stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Roboty drogowe</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Dystrybutor paliwa</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Przystanek</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Drogowskaz</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Kosz na śmieci</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Krzesło</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Wózek na zakupy</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Koszyk</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Drzwi</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Łóżko</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Kanapa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Skrzynka na listy</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Cegły</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Siekiera</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Kilof</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Plecak szkolny</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Walizka</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Latarka</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Kotwica</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Koło ratunkowe</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontanna</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Diabelski młyn</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Kolejka górska</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Konik z karuzeli</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Stara poczta</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Pociąg w górach</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Pory roku</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Wiosenne i letnie dni</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Wiosenny poranek</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Kwiecisty wiatr</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Ciepły wieczór</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Wiosenna łąka</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Letnie pola</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Kwitnący sad</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Zielona dolina</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Wzgórze z makami</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Jesienne i zimowe dni</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Jesienne popołudnie</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Zimowe słońce</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Śnieżyca</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Mroźny wieczór</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Jesienny las</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Wzgórza żniw</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Nagie drzewa</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Śnieżne pola</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Zamarznięty staw</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Deszcz, burze, wiatr i mgła</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Deszczowe chmury</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Burza</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Wietrzny dzień</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Mglisty dzień</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Mokra łąka</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Zielone wzgórza</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Wietrzne wrzosy</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Wzgórza we mgle</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Księżyc, gwiazdy i ciemność</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Ciemne wzgórza</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Miasteczko nocą</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Jezioro i księżyc</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Cicha wioska</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Późne wieczory i głębokie noce</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Fioletowy zmierzch</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Wschód księżyca</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Północny granat</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Spadające gwiazdy</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noc lampionów</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Wzgórze z zamkiem</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Śpiąca farma</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Port nocą</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Cichy śnieg</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Światła miasta</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Słońce, piasek i morze</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Dzień na plaży</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropikalne słońce</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Morska bryza</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Zachód nad morzem</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Pochmurne wybrzeże</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Spokojne morze</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Skalisty brzeg</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Wyspa z palmami</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Klify, fale i latarnie</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Jasny poranek</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Mewy i chmury</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Złota godzina</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Szare morze</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Różowy wschód</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Białe klify</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Wielkie fale</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Cypel z latarnią</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Plaża z muszlami</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Pustynia</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Wydmy, kaniony i kaktusy</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Słońce pustyni</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Upalne południe</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Pyliste niebo</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Zachód na pustyni</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noc na pustyni</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Równina kaktusów</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oaza</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Kamienne wieże</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Śnieg</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Lód, śnieg i wysokie góry</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Mroźny błękit</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Noc polarna</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Wschód w Alpach</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Zamieć</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Ośnieżone szczyty</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Kry lodowe</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Stok narciarski</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Obóz igloo</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Miasto</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Ulice, parki i dachy</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Poranek w mieście</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Ruchliwe popołudnie</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Deszczowe miasto</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Zachód w mieście</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Zadymione niebo</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Dachy</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Główna ulica</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Wieżowce</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Stare miasto</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Wieś</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Farmy, pola i wioski</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Poranek na farmie</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Sianokosy</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Chmury nad wsią</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Wieczór w sadzie</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Pola jak łatki</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Wiejska łąka</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Sad</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Wietrzna farma</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planety, księżyce i gwiazdy</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Głęboki kosmos</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Wschód Ziemi</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dwa księżyce</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Mgławica</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Kratery Księżyca</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Czerwona planeta</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Lodowy świat</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Dżungla kosmitów</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Baza kosmiczna</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Więcej kopii</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Mniej kopii</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Wersja 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 twórcy Veldora.
Możesz go używać i dzielić się nim za darmo.</translation>
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
        <translation>Eksportuj jako BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Jak duży ma być obrazek BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (zwykły)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (rozciągnięty)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Pliki bitmap (*.bmp);;Obrazek PNG (*.png);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Eksportuj jako BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Eksportuj jako BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Krajobraz: wybierz paczkę obrazków</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Obrazek</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Krajobraz</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Niebo</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Rzecz</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efekty specjalne</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Eksportuj jako BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Narysuj znowu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Zrób nowy plik</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Otwórz plik, który już jest</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Zapisz plik pod nową nazwą</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Wybierz drukarkę</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Eksportuj &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Cofnij ostatnią zmianę</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Ponów cofniętą zmianę</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Usuń wszystkie</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Odzyskaj wszystkie</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>&amp;Wszystkie na wierzch</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Wszystkie &amp;za ziemię</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Krajobraz</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Niebo</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Rzeczy</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efekty specjalne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Pokaż pomoc</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Pokaż informacje o programie</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Wybierz drukarkę...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Ziemia</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Zostaw ją</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Daj na wierzch</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Usuń ją</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Schowaj za ziemię</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Daj przed krajobraz</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Usuń rzecz</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Usuń wszystkie</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Odzyskaj wszystkie</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Wszystkie na wierzch</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Wszystkie za ziemię</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Pliki Veldora [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Plik Veldora (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Instaluję paczkę obrazków...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: wybierz rzecz. Strzałki i Enter: postaw, przesuń, zmień rozmiar. Esc: zrezygnuj.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Wybierz rzecz, a potem przeciągnij jej prostokąt na obrazku albo użyj strzałek i Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>w miejscu %1, %2, rozmiar %3 na %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter – zmiana.</translation>
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
        <translation>Zrezygnowano: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>najpierw postaw rzecz (przeciągnij albo strzałki i Enter) lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>najpierw odpowiedz w oknie Nowa rzecz lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>najpierw odpowiedz w oknie Zmiana rzeczy lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>najpierw upuść rzecz (kliknij albo Enter) lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>najpierw odpowiedz w oknie Przesuwanie rzeczy lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>najpierw narysuj nowy rozmiar (przeciągnij albo strzałki i Enter) lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>najpierw odpowiedz w oknie Zmiana rozmiaru lub naciśnij Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 musi poczekać: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: przeciągnij ją na obrazku albo naciśnij tam strzałkę.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Obrazek: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Więcej rzeczy</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Wpisz nazwę, na przykład kot albo autobus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Znajdź rzecz po nazwie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Rzeczy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Inne rzeczy</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>W folderze z paczkami nie ma paczki obrazków z rzeczami.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Żadna rzecz nie nazywa się „%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 rzecz</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Rzeczy: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Rzeczy: wybierz paczkę obrazków</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Wybierz rzecz</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Więcej rzeczy...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Aby wybrać inną drukarkę, naciśnij &apos;Wybierz drukarkę&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Ile kopii wydrukuje Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Wybierz drukarkę...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Liczba kopii</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Drukuj do pliku</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Pliki PDF (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Niebo: wybierz paczkę obrazków</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Czekaj, rysuję...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efekty specjalne</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efekty mogą chwilę potrwać.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Uwaga: efekty znikną, gdy narysujesz obrazek znowu.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Używaj efektów specjalnych, gdy krajobraz jest gotowy, żeby</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>móc zapisać albo wydrukować obrazek z efektami na ekranie.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efekty do użycia:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Gładkie brzegi</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Odwrócone kolory (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opcje odwróconych kolorów</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Zabarwienie</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opcje koloru...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Ciemniej</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Jaśniej</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Użyj efektów</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Dodaję efekty...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Pomoc Veldora</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
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
        <translation>Na początek
-=-=-=-=-=-

Ten krótki poradnik pomoże ci zrobić pierwszy obrazek w Veldorze.

Krok pierwszy: wybierz niebo

Kliknij ikonę nieba, drugi przycisk od lewej na pasku. Otworzy się okno nieba. Kliknij jedno z nieb; &apos;Ciemne chmury&apos; są dobre na początek. Obrazek narysuje się z nowym niebem. Gdy będzie gotowy, zamknij okno nieba.

Krok drugi: wybierz krajobraz

Kliknij ikonę krajobrazu, pierwszy przycisk na pasku, i wybierz krajobraz. Spróbuj &apos;Bezludna wyspa&apos;. Krajobraz rysuje się na niebie, a światło nieba go koloruje.

Krok trzeci: dodawanie i zmiana rzeczy

Kliknij ikonę rzeczy, trzeci przycisk od lewej, i wybierz &apos;Balon&apos;. Okno się zamknie.

Teraz naciśnij przycisk myszy tam, gdzie ma być balon, i trzymając go, przeciągnij w dół i w prawo. Prostokąt, który przeciągniesz, to wielkość balonu.

Gdy puścisz, balon się narysuje, a małe okienko zapyta, czy go zostawić:
   &apos;Zmień rozmiar&apos; rysuje obrazek znowu, żeby można było jeszcze raz przeciągnąć prostokąt balonu, tak jak wcześniej.
   &apos;Nie zostawiaj&apos; zabiera nową rzecz.
   &apos;Zostaw ją&apos; zostawia ją na twoim obrazku.

Później kliknij rzecz, żeby ją przesunąć, zmienić jej rozmiar, usunąć albo schować za ziemię.

Używanie klawiatury:
   Naciskaj Tab, aż obrazek dostanie kropkowaną ramkę. Gdy wybierzesz rzecz, naciśnij strzałkę: prostokąt pokaże, gdzie ona stanie. Strzałki ją przesuwają (z Shift po dziesięć kroków), Ctrl ze strzałkami robi ją większą albo mniejszą, Enter stawia rzecz w tym miejscu, a Esc z niej rezygnuje.
   Gdy nic nie jest wybrane, Tab i Shift+Tab przechodzą od jednej rzeczy na obrazku do następnej; Enter otwiera jej okno, tak jak kliknięcie.
   Po &apos;Przesuń ją&apos; albo &apos;Zmień rozmiar&apos; strzałki przesuwają obrys albo zmieniają jego rozmiar, a Enter kończy. Esc przerywa każdą zmianę, tak jak Anuluj.

Krok czwarty: kończenie obrazka

   Gładkie brzegi:
   Gładkie brzegi wygładzają poszarpane brzegi rzeczy i krajobrazów. Kliknij ikonę efektów, czwartą od lewej. Zostaw zaznaczone tylko pole &apos;Gładkie brzegi&apos; i kliknij &apos;Użyj efektów&apos;.

   Zapisywanie jako BMP:
   Kliknij ikonę eksportu, drugi przycisk od prawej. Otworzy się okno, w którym wybierasz wielkość obrazka; potem zwykłe okno zapisu zapyta o nazwę pliku.

Pomoc do przycisków
-=-=-=-=-=-=-=-=-=-

(Ikony od lewej do prawej.)

Krajobraz: wybierz krajobraz.
Niebo: wybierz niebo.
Rzecz: dodaj rzecz.
Efekty: dodaj efekty do obrazka.
------------------------------
Nowy: zacznij nowy obrazek.
Drukuj: wydrukuj obrazek (z dodatkowymi opcjami).
Zapisz: zapisz obrazek jako plik .VDR.
Otwórz: otwórz plik .VDR.
Zapisz BMP: zapisz obrazek jako plik .BMP.
------------------------------
Narysuj znowu: rysuje obrazek jeszcze raz.

Kliknij obrazek prawym przyciskiem, aby zobaczyć menu ze wszystkimi poleceniami.
Menu Narzędzia usuwa, odzyskuje albo przesuwa wszystkie rzeczy naraz.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Wybierz krajobraz</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Bez krajobrazu</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Przesuwanie rzeczy</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Rzecz jest przesunięta. Co chcesz zrobić?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Zostaw tak</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Przesuń jeszcze raz</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Cofnij przesunięcie</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nowy obrazek</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Zacząć nowy obrazek?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
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
        <translation>To nie jest plik Veldora</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Zmiana rzeczy</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Wybrana rzecz:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Co chcesz z nią zrobić?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Usuń ją</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Przesuń ją</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Daj na wierzch</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Schowaj za ziemię</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nowa rzecz</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Wybrana jest nowa rzecz. Co chcesz z nią zrobić?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Zostaw ją</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nie zostawiaj</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Zmiana rzeczy</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Wybrana rzecz jest za krajobrazem.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Co chcesz zrobić z rzeczą:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Daj rzecz przed krajobraz</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Usuń rzecz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Zmiana rozmiaru</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Rozmiar rzeczy jest zmieniony. Co chcesz zrobić?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Zostaw tak</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Zmień jeszcze raz</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Cofnij zmianę rozmiaru</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Wybierz niebo</translation>
    </message>
</context>
</TS>
