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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji от Google (SIL Open Font License), в плоском виде для Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Разработчики Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Животные фермы</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Корова</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Свинья</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Овца</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Коза</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Петух</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Курица</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Цыплёнок</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Утка</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Лошадь</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Бык</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Буйвол</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Индюк</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Баран</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Ослик</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Кролик</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Морда коровы</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Морда свиньи</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Морда лошади</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Гусь</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Лама</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Лесные звери</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Лиса</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Медведь</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Олень</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Бурундук</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Ёжик</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Барсук</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Волк</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Енот</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Бобр</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Кабан</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Скунс</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Лось</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Летучая мышь</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Лягушка</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Улитка</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Гусеница</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Бабочка</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Пчела</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Божья коровка</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Орёл</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Птица</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Муравей</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Паук</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Сверчок</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Морские животные</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Кит с фонтаном</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Кит</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Дельфин</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Рыба</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Тропическая рыбка</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Рыба-шар</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Акула</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Осьминог</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Кальмар</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Краб</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Омар</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Креветка</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Ракушка</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Тюлень</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Черепаха</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Медуза</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Пингвин</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Выдра</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Коралл</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Устрица</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Звери джунглей</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Обезьяна</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Горилла</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Орангутан</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Слон</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Морда тигра</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Тигр</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Леопард</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Зебра</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Жираф</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Бегемот</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Носорог</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Крокодил</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змея</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Попугай</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Фламинго</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Ленивец</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Верблюд</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Двугорбый верблюд</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Кенгуру</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Коала</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Панда</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Ящерица</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Павлин</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Морда обезьяны</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Питомцы</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Кошка</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Собака</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Пудель</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Щенок</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Котёнок</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Хомяк</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Мордочка мыши</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышка</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Крольчонок</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Собака-поводырь</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Следы лап</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Косточка</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Птенчик</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Цыплёнок в яйце</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Гнездо с яйцами</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Малыш</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Ребёнок</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Мальчик</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Девочка</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Мужчина</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Женщина</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Пожилой человек</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Дедушка</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Бабушка</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Светловолосый</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Бородач</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Семья</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Держатся за руки</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Двое друзей</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Пешеход</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Бегун</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Танцовщица</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Танцор</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Стоящий человек</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Машет рукой</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Поднятая рука</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Весёлый смайлик</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Крутой смайлик</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Смайлик-обнимашка</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Профессии и инструменты</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Полицейский</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Строитель</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Гвардеец</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Сыщик</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Невеста</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Человек в костюме</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Стетоскоп</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Гаечный ключ</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Пила</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Кисточка</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Почтовый ящик</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Огнетушитель</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Метла</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Каска спасателя</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Шапка выпускника</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Микроскоп</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Мелок</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Линейка</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Пробирка</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Портфель</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Ящик инструментов</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Лестница</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Ведро</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Магнит</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Лампочка</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Транспорт</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Машина</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Такси</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Джип</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Автобус</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Троллейбус</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Гоночная машина</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Полицейская машина</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Скорая помощь</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Пожарная машина</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Микроавтобус</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Пикап</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Фургон</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Грузовик</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Трактор</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Мопед</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Мотоцикл</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Самокат</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Паровоз</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Поезд</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Метро</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Трамвай</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Монорельс</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Вертолёт</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Самолётик</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Катер</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Моторная лодка</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Корабль</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Паром</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Каноэ</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Канатная дорога</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Поезд в горах</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Рикша</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Здания</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Дом</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Дом с садом</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Дома</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Офисное здание</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Больница</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Гостиница</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Магазин</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Школа</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Универмаг</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Завод</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Японский замок</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Замок</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Свадебная часовня</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Башня</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Статуя</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Церковь</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Мечеть</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Храм</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Синагога</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Святилище</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Музей</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Подъёмный кран</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Хижина</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Палатка</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Старый дом</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Цирк</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Стадион</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Каменная голова</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Растения и деревья</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Дерево</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Ёлка</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Пальма</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Росток</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Травка</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Трилистник</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Четырёхлистник</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Опавшие листья</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Листья на ветру</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Сноп риса</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Тюльпан</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Роза</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Увядший цветок</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Гибискус</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Цветок вишни</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Цветочек</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Подсолнух</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Букет</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Цветок в горшке</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Мухомор</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Бревно</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Лотос</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Гиацинт</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Каштан</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Дерево желаний</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Украшение из сосны</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Пустое гнездо</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Камень</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Фрукты и овощи</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Зелёное яблоко</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Груша</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Апельсин</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимон</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Банан</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Арбуз</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Виноград</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Клубника</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Черника</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Дыня</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Вишня</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Персик</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Манго</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ананас</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Кокос</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Киви</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Помидор</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Баклажан</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Авокадо</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Брокколи</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Морковка</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Кукуруза</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Перец чили</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Огурец</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Салат</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Чеснок</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Лук</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Картошка</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Сладкий перец</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Еда</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Хлеб</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Круассан</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Багет</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Крендель</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Сыр</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Яйцо</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Яичница</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Блинчики</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Вафля</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Бургер</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Картошка фри</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Пицца</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Хот-дог</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Бутерброд</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Тако</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Спагетти</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Мороженое</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Пончик</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Печенье</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Праздничный торт</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Пирожное</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Кекс</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Шоколад</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Конфета</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Леденец</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Горшок мёда</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Стакан молока</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Сок</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Горячий напиток</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Пирог</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Игрушки и спорт</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Футбольный мяч</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбольный мяч</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбольный мяч</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Волейбольный мяч</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Американский футбол</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Мяч для регби</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Теннисный мяч</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Фрисби</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Боулинг</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Бита для крикета</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Хоккейная клюшка</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Настольный теннис</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Бадминтон</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Боксёрская перчатка</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ворота</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Флажок для гольфа</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Конёк</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Удочка</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Скейтборд</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Ролик</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Санки</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Кёрлинг</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Лыжи</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Воздушный змей</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Йо-йо</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Плюшевый мишка</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Матрёшки</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Кубик</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Пазл</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Джойстик</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Кубок</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Золотая медаль</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Дартс</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Бумеранг</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Горка</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Гитара</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Барабан</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Труба</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Саксофон</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Скрипка</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Синтезатор</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Аккордеон</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Длинный барабан</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Маракасы</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Флейта</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Наушники</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Нота</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Космос</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Летающая тарелка</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Земля: Азия</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Планета с кольцами</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Луна с лицом</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Улыбчивый месяц</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Улыбчивое солнце</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звезда</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Сияющая звезда</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Звёздный вихрь</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Комета</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Падающая звезда</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Телескоп</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Инопланетянин</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Космический монстр</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Земля: Америка</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Половина луны</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Почти полная луна</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Погода</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Облако</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Солнце за облаком</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Грозовая туча</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Солнце и облачко</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Облачно</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Солнце и дождь</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Дождевая туча</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Снежная туча</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Туча с молнией</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Торнадо</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Туман</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Ветер</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Вихрь</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Радуга</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Зонтик</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Зонтик под дождём</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Молния</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Снежинка</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Снеговик в снегу</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Капля</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Градусник</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Кубик льда</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Сказки</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Волшебник</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Фея</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Вампир</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Русалка</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Эльф</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Джинн</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Тролль</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Единорог</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Дракон</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Морда дракона</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Диплодок</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>Тираннозавр</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Привидение</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Чудище</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Робот</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Корона</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Хрустальный шар</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Волшебная палочка</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Принц</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Принцесса</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ниндзя</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Супергерой</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Злодей</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Самоцвет</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Старинный ключ</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Зомби</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ангел</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Щит</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Кинжал</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Лук и стрела</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Праздники и сезоны</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Тыква-фонарь</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Новогодняя ёлка</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Санта-Клаус</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Миссис Клаус</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Шарик</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Хлопушка</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Шар с конфетти</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Петарда</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Бант</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Музыка ветра</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Карп на шесте</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Праздничные куклы</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Красный фонарик</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Масляная лампа</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Менора</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Красный конверт</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Диско-шар</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Шарф</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Перчатки</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Пальто</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Сапог</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Панама</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Тёмные очки</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Купальник</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Бикини</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Белый флаг</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Клетчатый флаг</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Город и деревня</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Светофор</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Боковой светофор</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Знак «Стоп»</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Ремонт дороги</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Заправка</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Мусорка</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Стул</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Тележка</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Корзинка</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Дверь</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Кровать</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Диван</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Ящик для писем</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Кирпичи</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Топор</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Кирка</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Школьный рюкзак</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Чемодан</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Фонарик</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Якорь</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Спасательный круг</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Фонтан</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Колесо обозрения</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Американские горки</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Карусель</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Старая почта</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Горный поезд</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Времена года</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Весенние и летние дни</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Весеннее утро</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Весенний ветерок</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Тёплый вечер</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Весенний луг</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Летние поля</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Цветущий сад</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Зелёная долина</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Маковый холм</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Осенние и зимние дни</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Осенний день</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Зимнее солнце</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Снегопад</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Морозный вечер</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Осенний лес</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Холмы урожая</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Голые деревья</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Снежные поля</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Замёрзший пруд</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Дождь, грозы, ветер и туман</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Дождевые тучи</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Гроза</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Ветреный день</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Туманный день</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Мокрый луг</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Зелёные холмы</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Ветреная пустошь</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Холмы в тумане</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ночь</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Луна, звёзды и темнота</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Тёмные холмы</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Ночной город</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Озеро при луне</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Тихая деревня</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Поздние вечера и глубокие ночи</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Лиловые сумерки</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход луны</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Полночная синь</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Падающие звёзды</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Ночь фонариков</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Холм с замком</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Сонная ферма</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Ночная гавань</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Тихий снег</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Огни города</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Солнце, песок и море</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>День на пляже</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Тропическое солнце</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Морской бриз</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Закат над морем</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Облачный берег</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Тихое море</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Скалистый берег</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Гавань</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Остров с пальмами</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Скалы, волны и маяки</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Ясное утро</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Чайки и облака</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Золотой час</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Серый день у моря</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Розовый восход</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Белые скалы</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Большие волны</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Мыс с маяком</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Пляж с ракушками</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Лагуна</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Пустыня</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Дюны, каньоны и кактусы</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Солнце пустыни</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Жаркий полдень</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Пыльное небо</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Закат в пустыне</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Ночь в пустыне</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Кактусовая равнина</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Оазис</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Каменные башни</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Снег</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Лёд, снег и высокие горы</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Морозная синь</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Полярная ночь</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Рассвет в горах</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Метель</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Снежные вершины</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Льдины</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Лыжный склон</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Лагерь иглу</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Улицы, парки и крыши</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Утро в городе</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Шумный день</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Дождливый город</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Закат в городе</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Дымное небо</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Крыши</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Парк</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Главная улица</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Небоскрёбы</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Старый город</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Деревня</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Фермы, поля и деревни</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Утро на ферме</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Сенокос</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Облака над полем</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Вечер в саду</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Лоскутные поля</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Деревенский луг</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Фруктовый сад</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Ветреная ферма</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Планеты, луны и звёзды</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Глубокий космос</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Восход Земли</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Две луны</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Туманность</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Лунные кратеры</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Красная планета</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Ледяной мир</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Джунгли пришельцев</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Космическая база</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
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
