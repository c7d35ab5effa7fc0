<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Небо: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Немає землі.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Земля: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Предмети: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Логотип Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Вибір принтера</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Завантажити набір малюнків</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Ефекти: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Додати своє зображення</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Додати своє зображення...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Малюнок змінився.
Зберегти його?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>малюнок, який ще ні разу не зберігали</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor закрився, не встигнувши зберегти зміни в %1.
Повернути їх?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Повернути</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Викинути</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Такої теки немає.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Чекає на перевірку носіями мови</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Немає доступу до файлу</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заповнений</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Помилка читання або запису %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Растровий малюнок зіпсований</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Не вдається зробити PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер не вибрано</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Вибраний принтер не працює</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>не задано ні XDG_DATA_HOME, ні HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Рядок %1 довший за 1 МіБ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; — це не ціле число</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Неправильна кількість предметів: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Не вистачає пам&apos;яті для %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Не вдалося надрукувати малюнок: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Не вдається встановити набір малюнків %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не вдається відкрити файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Не вдається створити файл %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Набір не вибрано</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Як завантажити набір малюнків Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Завантаж zip-файл із набором малюнків Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Відкрий набір або розпакуй його в теку наборів</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Потім вибери його в списку наборів ліворуч.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Набори малюнків</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Назва набору:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Опис:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Відкрий набір або розпакуй його в %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Кам&apos;яна скеля</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Невисокі гори</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Лісисті пагорби</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Безлюдний острів</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Місто</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Сірі хмари</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Темні хмари</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Помаранчевий захід сонця</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Ясне небо</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Хмарний день</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Камінь-бублик</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Яблуко</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Повітряна куля</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Повітряна куля</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>М&apos;ячик для гольфу</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Жовта квітка</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Команда Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Зима і пустеля</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Сніг, пісок і зорі, щоб спробувати зі своїми малюнками.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Зоряна ніч</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Полудень у пустелі</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Північне сяйво</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Рожевий світанок</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Снігові хмари</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Засніжені пагорби</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Піщані дюни</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Замерзле озеро</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Червоний каньйон</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Село взимку</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Сосна</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Хатинка</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Кактус</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Вітрильник</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Сніговик</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Осінь</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Золоті ліси, поля врожаю і великий помаранчевий місяць.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Золотий день</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Туманний ранок</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Осіння буря</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Місяць урожаю</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Дощ із веселкою</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Кленові пагорби</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Поле гарбузів</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Березове озеро</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Ферма з червоною стодолою</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Ряди винограду</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Гарбуз</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Кленовий листок</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Гриб</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Жолудь</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Опудало</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Біля моря</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Пляжі, скелі та гавані під літнім небом.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Літній полудень</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Тропічний захід сонця</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Серпанок над морем</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Бурхливе море</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Ніжний вечір</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Піщаний пляж</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Скеля з маяком</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Затока з пальмами</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Місто біля гавані</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Скелястий берег</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Маяк</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Пляжний м&apos;яч</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Чайка</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Морська зірка</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Пляжна парасолька</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Місячне світло</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Нічне небо, повне зірок, над сплячою землею.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Повний місяць</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Чумацький Шлях</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Сутінки</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Зорепад</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Срібні хмари</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Пагорби при місяці</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Нічне місто</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Галявина з багаттям</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Сонне село</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Сосновий ліс</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Сова</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Ліхтар</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Ракета</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Свічка</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Місяць-серпик</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Більше копій</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Менше копій</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Версія 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 творці Veldor.
Можна вільно користуватися і ділитися.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Зберегти в BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Якого розміру зробити BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (звичайний)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (розтягнутий)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Растрові малюнки (*.bmp);;Малюнок PNG (*.png);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Зберегти в BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Зберегти в BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Краєвид: вибери набір малюнків</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Малюнок</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Краєвид</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Небо</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Предмет</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Спецефекти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Зберегти в BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Перемалювати</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новий</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Створити новий файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Відкрити...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Відкрити наявний файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Зберегти файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Зберегти файл під новою назвою</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Друк...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Ви&amp;бір принтера</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>&amp;Експорт у BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Закрити програму</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Скасувати останню зміну</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повернути</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Повернути скасовану зміну</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Копіювати в буфер обміну</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Інструменти</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Вилучити всі</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Повернути всі</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Всі на пере&amp;дній план</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Всі &amp;за землю</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Краєвид</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Небо</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Предмети</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Спецефекти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Показати довідку</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Відомості про програму</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Ви&amp;бір принтера...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Земля</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Залишити</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>На передній план</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Пересунути</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Змінити розмір</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Сховати за землю</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Поставити перед краєвидом</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Вилучити предмет</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Ефекти</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Вилучити всі</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Повернути всі</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Всі на передній план</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Всі за землю</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Скасувати: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повернути: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Файли Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Файл Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Встановлюю набір малюнків...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: вибрати предмет. Стрілки й Enter: поставити, пересунути, змінити розмір. Esc: відмовитися.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Вибери предмет, потім протягни його прямокутник на малюнку або натискай стрілки й Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>у точці %1, %2, розмір %3 на %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter — змінити.</translation>
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
        <translation>Скасовано: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>спершу постав предмет (протягни мишею або стрілки й Enter) чи натисни Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>спершу дай відповідь у вікні «Новий предмет» чи натисни Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>спершу дай відповідь у вікні «Зміна предмета» чи натисни Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>спершу відпусти предмет (клацання або Enter) чи натисни Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>спершу дай відповідь у вікні «Переміщення предмета» чи натисни Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>спершу намалюй новий розмір (протягни мишею або стрілки й Enter) чи натисни Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>спершу дай відповідь у вікні «Зміна розміру» чи натисни Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 — поки не можна: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: протягни його на малюнку або натисни там стрілку.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Малюнок: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Ще предмети</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Знайти:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Напиши назву, наприклад кіт або автобус</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Знайти предмет за назвою</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Групи</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Предмети</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Інші предмети</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>У теці з пакетами немає пакета зображень із предметами.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Немає предмета з назвою «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 предмет</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Предметів: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Предмети: вибери набір малюнків</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Вибери предмет</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Ще предмети...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Щоб вибрати інший принтер, натисни &apos;Вибір принтера&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Скільки копій надрукує Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Вибір принтера...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Кількість копій</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Друк у файл</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Файли PDF (*.pdf);;Усі файли (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Небо: вибери набір малюнків</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Зачекай, малюю...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Спецефекти</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Ефекти можуть забрати трохи часу.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Увага: ефекти зникнуть, коли ти знову намалюєш малюнок.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Використовуй спецефекти, коли краєвид готовий, щоб</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>зберегти або надрукувати малюнок з ефектами на екрані.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Які ефекти додати:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Гладкі краї</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Обернені кольори (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Налаштування обернених кольорів</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Забарвлення</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Налаштування кольору...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Темніше</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Світліше</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Додати ефекти</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Додаю ефекти...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Довідка Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст довідки</translation>
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
        <translation>Як почати
-=-=-=-=-

Цей короткий посібник допоможе тобі намалювати перший малюнок у Veldor.

Крок перший: вибери небо

Натисни на значок неба, другу кнопку зліва на панелі. Відкриється вікно неба. Натисни на одне з небес; &apos;Темні хмари&apos; добре підходять для початку. Малюнок намалюється знову з новим небом. Коли він готовий, закрий вікно неба.

Крок другий: вибери краєвид

Натисни на значок краєвиду, першу кнопку на панелі, і вибери краєвид. Спробуй &apos;Безлюдний острів&apos;. Краєвид малюється поверх неба, і світло неба його розфарбовує.

Крок третій: додаємо і змінюємо предмети

Натисни на значок предметів, третю кнопку зліва, і вибери &apos;Повітряна куля&apos;. Вікно закриється.

Тепер натисни кнопку миші там, де має бути куля, і, не відпускаючи її, тягни вниз і вправо. Прямокутник, який ти тягнеш, — це розмір кулі.

Коли відпустиш, куля намалюється, і маленьке вікно спитає, чи залишити її:
   &apos;Змінити розмір&apos; малює малюнок знову, щоб ще раз протягнути прямокутник кулі, як раніше.
   &apos;Не залишати&apos; прибирає новий предмет.
   &apos;Залишити&apos; залишає його на твоєму малюнку.

Потім натисни на предмет, щоб пересунути його, змінити розмір, вилучити або сховати за землю.

З клавіатурою:
   Натискай Tab, доки навколо малюнка не з’явиться пунктирна рамка. Коли вибереш предмет, натисни стрілку: прямокутник покаже, де він буде. Стрілки рухають його (із Shift — по десять кроків), Ctrl зі стрілками робить його більшим або меншим, Enter ставить предмет на місце, а Esc скасовує його.
   Коли нічого не вибрано, Tab і Shift+Tab переходять від одного предмета на малюнку до наступного; Enter відкриває його вікно, як клацання по ньому.
   Після &apos;Пересунути&apos; або &apos;Змінити розмір&apos; стрілки рухають контур або змінюють його розмір, а Enter завершує. Esc зупиняє будь-яку зміну, як Скасувати.

Крок четвертий: доробляємо малюнок

   Гладкі краї:
   Гладкі краї згладжують нерівні краї предметів і краєвидів. Натисни на значок ефектів, четвертий зліва. Залиш позначеним лише прапорець &apos;Гладкі краї&apos; і натисни &apos;Додати ефекти&apos;.

   Зберегти в BMP:
   Натисни на значок збереження в BMP, другу кнопку справа. Відкриється вікно, де ти вибереш розмір малюнка; потім звичайне вікно збереження спитає назву файлу.

Кнопки
-=-=-=

(Значки зліва направо.)

Краєвид: вибрати краєвид.
Небо: вибрати небо.
Предмет: додати предмет.
Ефекти: додати ефекти до малюнка.
------------------------------
Новий: почати новий малюнок.
Друк: надрукувати малюнок (є ще налаштування).
Зберегти: зберегти малюнок у файл .VDR.
Відкрити: відкрити файл .VDR.
Зберегти BMP: зберегти малюнок у файл .BMP.
------------------------------
Перемалювати: намалювати малюнок знову.

Натисни правою кнопкою на малюнок, і з&apos;явиться меню з усіма командами.
Меню Інструменти одразу вилучає, повертає або пересуває всі предмети.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Вибери краєвид</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Без краєвиду</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Переміщення предмета</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Предмет пересунуто. Що робити далі?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Залишити так</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Пересунути знову</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Скасувати переміщення</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Новий малюнок</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Почати новий малюнок?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Це не файл Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Далі</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Зміна предмета</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Вибрано предмет:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Що з ним зробити?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Пересунути</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Змінити розмір</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>На передній план</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Сховати за землю</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Новий предмет</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Вибрано новий предмет. Що з ним зробити?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Залишити</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Змінити розмір</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Не залишати</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Зміна предмета</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Вибрано предмет, який стоїть за краєвидом.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Що зробити з предметом:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Поставити предмет перед краєвидом</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Вилучити предмет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Зміна розміру</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Розмір предмета змінено. Що робити далі?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Залишити так</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Змінити знову</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Скасувати зміну розміру</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Вибери небо</translation>
    </message>
</context>
</TS>
