<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Небо: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Нет земли.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Земля: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Предметы: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Логотип Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Выбор принтера</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Загрузить набор картинок</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Эффекты: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Добавить свою картинку</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Добавить свою картинку...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Картинка изменилась.
Сохранить её?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>картинка, которую ни разу не сохраняли</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor закрылся, не успев сохранить изменения в %1.
Вернуть их?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Выбросить</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Такой папки нет.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Ждёт проверки носителями языка</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Нет доступа к файлу</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ошибка чтения или записи %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Точечный рисунок испорчен</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Не получается сделать PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер не выбран</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Выбранный принтер не работает</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>не заданы ни XDG_DATA_HOME, ни HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Строка %1 длиннее 1 МиБ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; — это не целое число</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Неверное число предметов: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Не хватает памяти для %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Не удалось напечатать картинку: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Не удаётся установить набор картинок %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Не удаётся открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Не удаётся создать файл %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Набор не выбран</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Как загрузить набор картинок Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Скачай zip-файл с набором картинок Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Открой набор или распакуй его в папку наборов</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Потом выбери его в списке наборов слева.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Наборы картинок</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Название набора:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Открой набор или распакуй его в %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Каменный утёс</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Невысокие горы</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Лесистые холмы</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Необитаемый остров</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Серые тучи</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Тёмные тучи</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Оранжевый закат</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Ясное небо</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Пасмурный день</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Камень-бублик</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Яблоко</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Воздушный шар</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Воздушный шар</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Мяч для гольфа</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Жёлтый цветок</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Команда Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Зима и пустыня</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Снег, песок и звёзды, чтобы попробовать со своими картинками.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Звёздная ночь</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Полдень в пустыне</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Северное сияние</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Розовый рассвет</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Снежные тучи</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Заснеженные холмы</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Песчаные дюны</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Замёрзшее озеро</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Красный каньон</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Деревня зимой</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Сосна</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Домик</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Кактус</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Парусник</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Снеговик</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Осень</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Золотые леса, поля урожая и большая оранжевая луна.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Золотой день</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Туманное утро</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Осенняя буря</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Луна урожая</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Дождь с радугой</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Кленовые холмы</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Поле тыкв</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Берёзовое озеро</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Ферма с красным амбаром</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Ряды винограда</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Тыква</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Кленовый лист</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Гриб</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Жёлудь</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Пугало</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>У моря</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Пляжи, скалы и гавани под летним небом.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Летний полдень</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Тропический закат</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Дымка над морем</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Бурное море</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Нежный вечер</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Песчаный пляж</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Скала с маяком</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Бухта с пальмами</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Город у гавани</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Скалистый берег</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Маяк</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Пляжный мяч</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Чайка</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Морская звезда</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Пляжный зонтик</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Лунный свет</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Ночное небо, полное звёзд, над спящей землёй.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Полная луна</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Млечный Путь</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Сумерки</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Звездопад</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Серебряные облака</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Холмы при луне</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Ночной город</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Поляна с костром</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Спящая деревня</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Сосновый лес</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Сова</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Фонарь</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Ракета</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Свеча</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Месяц</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Больше копий</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Меньше копий</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Версия 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 создатели Veldor.
Можно свободно пользоваться и делиться.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Сохранить в BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Какого размера сделать BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (обычный)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (растянутый)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Точечные рисунки (*.bmp);;Картинка PNG (*.png);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Сохранить в BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Сохранить в BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Пейзаж: выбери набор картинок</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Пейзаж</translation>
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
        <translation>Спецэффекты</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Сохранить в BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Перерисовать</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Создать новый файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Открыть готовый файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Сохранить файл под новым именем</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Выбор принтера</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>&amp;Экспорт в BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Вернуть отменённое изменение</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Удалить все</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>В&amp;ернуть все</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Все на &amp;передний план</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Все &amp;за землю</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>П&amp;ейзаж</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Небо</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Предметы</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Спецэффекты</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Показать справку</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Выбор принтера...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Земля</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Передвинуть</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Убрать за землю</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Поставить перед пейзажем</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Удалить предмет</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Эффекты</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Вернуть все</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Все на передний план</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Все за землю</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Вернуть: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Файлы Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Файл Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Устанавливаю набор картинок...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: выбрать предмет. Стрелки и Enter: поставить, передвинуть, изменить размер. Esc: отказаться.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Выбери предмет, потом протяни его прямоугольник на картинке или нажимай стрелки и Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>в точке %1, %2, размер %3 на %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter — изменить.</translation>
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
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>сначала поставь предмет (протяни мышью или стрелки и Enter) или нажми Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>сначала ответь в окне «Новый предмет» или нажми Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>сначала ответь в окне «Изменение предмета» или нажми Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>сначала отпусти предмет (щелчок или Enter) или нажми Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>сначала ответь в окне «Перемещение предмета» или нажми Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>сначала нарисуй новый размер (протяни мышью или стрелки и Enter) или нажми Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>сначала ответь в окне «Изменение размера» или нажми Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 — пока нельзя: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: протяни его на картинке или нажми там стрелку.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Картинка: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Ещё предметы</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Напиши название, например кот или автобус</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Найти предмет по названию</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Группы</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Предметы</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Другие предметы</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>В папке с пакетами нет пакета картинок с предметами.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Нет предмета с названием «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 предмет</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Предметов: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Предметы: выбери набор картинок</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Выбери предмет</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Ещё предметы...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Чтобы выбрать другой принтер, нажми &apos;Выбор принтера&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Сколько копий напечатает Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Выбор принтера...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Число копий</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Печать в файл</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Файлы PDF (*.pdf);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Небо: выбери набор картинок</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Подожди, рисую...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Спецэффекты</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Эффекты могут занять немного времени.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Внимание: эффекты пропадут, когда ты снова нарисуешь картинку.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Используй спецэффекты, когда пейзаж готов, чтобы</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>сохранить или напечатать картинку с эффектами на экране.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Какие эффекты добавить:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Гладкие края</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Обратные цвета (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Настройка обратных цветов</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Окраска</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Настройка цвета...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Темнее</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Светлее</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Добавить эффекты</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Добавляю эффекты...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Справка Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
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
        <translation>Как начать
-=-=-=-=-=

Это короткое руководство поможет тебе нарисовать первую картинку в Veldor.

Шаг первый: выбери небо

Нажми на значок неба, вторую кнопку слева на панели. Откроется окно неба. Нажми на одно из небес; &apos;Тёмные тучи&apos; хороши для начала. Картинка нарисуется заново с новым небом. Когда она готова, закрой окно неба.

Шаг второй: выбери пейзаж

Нажми на значок пейзажа, первую кнопку на панели, и выбери пейзаж. Попробуй &apos;Необитаемый остров&apos;. Пейзаж рисуется поверх неба, и свет неба его раскрашивает.

Шаг третий: добавляем и меняем предметы

Нажми на значок предметов, третью кнопку слева, и выбери &apos;Воздушный шар&apos;. Окно закроется.

Теперь нажми кнопку мыши там, где должен быть шар, и, не отпуская её, тяни вниз и вправо. Прямоугольник, который ты тянешь, — это размер шара.

Когда отпустишь, шар нарисуется, и маленькое окно спросит, оставить ли его:
   &apos;Изменить размер&apos; рисует картинку заново, чтобы ещё раз протянуть прямоугольник шара, как раньше.
   &apos;Не оставлять&apos; убирает новый предмет.
   &apos;Оставить&apos; оставляет его на твоей картинке.

Потом нажми на предмет, чтобы передвинуть его, изменить размер, удалить или убрать за землю.

С клавиатурой:
   Нажимай Tab, пока вокруг картинки не появится пунктирная рамка. Когда выберешь предмет, нажми стрелку: прямоугольник покажет, где он будет. Стрелки двигают его (с Shift — по десять шагов), Ctrl со стрелками делает его больше или меньше, Enter ставит предмет на место, а Esc отменяет его.
   Когда ничего не выбрано, Tab и Shift+Tab переходят от одного предмета на картинке к следующему; Enter открывает его окно, как щелчок по нему.
   После &apos;Передвинуть&apos; или &apos;Изменить размер&apos; стрелки двигают контур или меняют его размер, а Enter заканчивает. Esc останавливает любое изменение, как Отмена.

Шаг четвёртый: доделываем картинку

   Гладкие края:
   Гладкие края сглаживают неровные края предметов и пейзажей. Нажми на значок эффектов, четвёртый слева. Оставь отмеченным только флажок &apos;Гладкие края&apos; и нажми &apos;Добавить эффекты&apos;.

   Сохранить в BMP:
   Нажми на значок сохранения в BMP, вторую кнопку справа. Откроется окно, где ты выберешь размер картинки; потом обычное окно сохранения спросит имя файла.

Кнопки
-=-=-=

(Значки слева направо.)

Пейзаж: выбрать пейзаж.
Небо: выбрать небо.
Предмет: добавить предмет.
Эффекты: добавить эффекты к картинке.
------------------------------
Новая: начать новую картинку.
Печать: напечатать картинку (есть ещё настройки).
Сохранить: сохранить картинку в файл .VDR.
Открыть: открыть файл .VDR.
Сохранить BMP: сохранить картинку в файл .BMP.
------------------------------
Перерисовать: нарисовать картинку заново.

Нажми правой кнопкой на картинку, и появится меню со всеми командами.
Меню Инструменты сразу удаляет, возвращает или двигает все предметы.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Выбери пейзаж</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Без пейзажа</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Перемещение предмета</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Предмет передвинут. Что сделать дальше?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Оставить так</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Передвинуть снова</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Отменить перемещение</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Новая картинка</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Начать новую картинку?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Это не файл Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Дальше</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Изменение предмета</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Выбран предмет:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Что с ним сделать?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Передвинуть</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Убрать за землю</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Новый предмет</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Выбран новый предмет. Что с ним сделать?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Не оставлять</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Изменение предмета</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Выбран предмет, который стоит за пейзажем.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Что сделать с предметом:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Поставить предмет перед пейзажем</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Удалить предмет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Изменение размера</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Размер предмета изменён. Что сделать дальше?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Оставить так</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Изменить снова</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Отменить изменение размера</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Выбери небо</translation>
    </message>
</context>
</TS>
