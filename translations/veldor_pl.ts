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
