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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji від Google (SIL Open Font License), у пласкому вигляді для Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Розробники Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Тварини ферми</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Корова</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Свиня</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Вівця</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Коза</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Півень</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Курка</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Курча</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Качка</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Кінь</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Віл</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Буйвіл</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Індик</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Баран</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Віслючок</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Кролик</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Морда корови</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Морда свині</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Морда коня</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Гуска</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Лама</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Лісові звірі</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Лисиця</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ведмідь</translation>
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
        <translation>Їжачок</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Борсук</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Вовк</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Єнот</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Бобер</translation>
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
        <translation>Кажан</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Жаба</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Равлик</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Гусінь</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Метелик</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Бджола</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Сонечко</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Орел</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Пташка</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Мураха</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Павук</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Цвіркун</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Морські тварини</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Кит із фонтаном</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Кит</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Дельфін</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Риба</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Тропічна рибка</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Риба-куля</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Акула</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Восьминіг</translation>
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
        <translation>Мушля</translation>
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
        <translation>Пінгвін</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Видра</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Корал</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Устриця</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Звірі джунглів</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Мавпа</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Горила</translation>
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
        <translation>Жирафа</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Бегемот</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Носоріг</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Крокодил</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змія</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Папуга</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Фламінго</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Лінивець</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Верблюд</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Двогорбий верблюд</translation>
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
        <translation>Ящірка</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Павич</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Морда мавпи</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Улюбленці</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Кішка</translation>
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
        <translation>Цуценя</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Кошеня</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Хом&apos;як</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Мордочка миші</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мишка</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Кроленя</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Собака-поводир</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Сліди лап</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Кісточка</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Пташеня</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Курча в яйці</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Гніздо з яйцями</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Немовля</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Дитина</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Хлопчик</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Дівчинка</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Людина</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Чоловік</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Жінка</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Літня людина</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Дідусь</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Бабуся</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Білявий</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Бородань</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Родина</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Тримаються за руки</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Двоє друзів</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Пішохід</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Бігун</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Танцівниця</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Танцюрист</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Людина стоїть</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Махає рукою</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Піднята рука</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Веселий смайлик</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Крутий смайлик</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Смайлик-обіймашка</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Професії й інструменти</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Поліцейський</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Будівельник</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Гвардієць</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Детектив</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Наречена</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Людина в костюмі</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Стетоскоп</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Гайковий ключ</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Молоток</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Пилка</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Палітра</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Пензлик</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Поштова скринька</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Вогнегасник</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Мітла</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Каска рятувальника</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Шапка випускника</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Мікроскоп</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книжки</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Крейдочка</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Лінійка</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Пробірка</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Портфель</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Скринька майстра</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Драбина</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Відро</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Магніт</translation>
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
        <translation>Таксі</translation>
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
        <translation>Тролейбус</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Гоночна машина</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Поліцейська машина</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Швидка допомога</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Пожежна машина</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Мікроавтобус</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Пікап</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Фургон</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Вантажівка</translation>
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
        <translation>Паротяг</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Потяг</translation>
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
        <translation>Монорейка</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Гелікоптер</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Літак</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Літачок</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Катер</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Моторний човен</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Корабель</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Пором</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Каное</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Канатна дорога</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Потяг у горах</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Рикша</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Будівлі</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Будинок</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Будинок із садом</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Будинки</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Офісна будівля</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Лікарня</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Готель</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Крамниця</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Школа</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Універмаг</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Завод</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Японський замок</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Замок</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Весільна каплиця</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Вежа</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Статуя</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Церква</translation>
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
        <translation>Підйомний кран</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Хижка</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Намет</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Старий будинок</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Цирк</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Стадіон</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Кам&apos;яна голова</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Рослини й дерева</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Дерево</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Ялинка</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Пальма</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Паросток</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Травичка</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Трилисник</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Чотирилисник</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Опале листя</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Листя на вітрі</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Сніп рису</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Тюльпан</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Троянда</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Зів&apos;яла квітка</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Гібіскус</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Цвіт вишні</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Квіточка</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Соняшник</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Букет</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Квітка в горщику</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Мухомор</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Колода</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Лотос</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Гіацинт</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Каштан</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Дерево бажань</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Прикраса із сосни</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Порожнє гніздо</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Камінь</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Фрукти й овочі</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Зелене яблуко</translation>
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
        <translation>Кавун</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Виноград</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Полуниця</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Чорниця</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Диня</translation>
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
        <translation>Ківі</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Помідор</translation>
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
        <translation>Броколі</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Морквина</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Кукурудза</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Перець чилі</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Огірок</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Салат</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Часник</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Цибуля</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Картопля</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Солодкий перець</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Їжа</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Хліб</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Круасан</translation>
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
        <translation>Сир</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Яйце</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Яєчня</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Млинці</translation>
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
        <translation>Картопля фрі</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Піца</translation>
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
        <translation>Спагеті</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Морозиво</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Пончик</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Печиво</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Святковий торт</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Тістечко</translation>
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
        <translation>Цукерка</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Льодяник</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Горщик меду</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Склянка молока</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Сік</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Гарячий напій</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Пиріг</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Іграшки й спорт</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Футбольний м&apos;яч</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Бейсбольний м&apos;яч</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Баскетбольний м&apos;яч</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Волейбольний м&apos;яч</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Американський футбол</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>М&apos;яч для регбі</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Тенісний м&apos;ячик</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Фрісбі</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Боулінг</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Бита для крикету</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Хокейна ключка</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Настільний теніс</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Бадмінтон</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Боксерська рукавичка</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ворота</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Прапорець гольфу</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Ковзан</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Вудка</translation>
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
        <translation>Санчата</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Керлінг</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Лижі</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Повітряний змій</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Йо-йо</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Плюшевий ведмедик</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Матрьошки</translation>
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
        <translation>Золота медаль</translation>
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
        <translation>Гірка</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музика</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Гітара</translation>
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
        <translation>Акордеон</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Довгий барабан</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Маракаси</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Флейта</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Навушники</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Дзвіночок</translation>
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
        <translation>Літаюча тарілка</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Супутник</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Земля: Азія</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Планета з кільцями</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Молодик</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Місяць з обличчям</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Усміхнений місяць</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Усміхнене сонце</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Зірка</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Сяйна зірка</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Зоряний вихор</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Комета</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Падаюча зірка</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Телескоп</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Інопланетянин</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Космічний монстр</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Земля: Америка</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Спадний місяць</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Півмісяць</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Майже повний місяць</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Погода</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Хмара</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Сонце за хмарою</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Грозова хмара</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Сонце й хмаринка</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Хмарно</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Сонце й дощ</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Дощова хмара</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Снігова хмара</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Хмара з блискавкою</translation>
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
        <translation>Вітер</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Вихор</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Веселка</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Парасолька</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Парасолька в дощ</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Блискавка</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Сніжинка</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Сніговик у снігу</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Вогонь</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Крапля</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Термометр</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Кубик льоду</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Казки</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Чарівник</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Фея</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Вампір</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Русалка</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Ельф</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Джин</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Троль</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Єдиноріг</translation>
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
        <translation>Тиранозавр</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Привид</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Чудовисько</translation>
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
        <translation>Кришталева куля</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Чарівна паличка</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Принц</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Принцеса</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ніндзя</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Супергерой</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Лиходій</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Самоцвіт</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Старовинний ключ</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Зомбі</translation>
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
        <translation>Кинджал</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Лук і стріла</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Свята й сезони</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Гарбуз-ліхтар</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Новорічна ялинка</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Санта-Клаус</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Місіс Клаус</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Подарунок</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Кулька</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Хлопавка</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Куля з конфеті</translation>
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
        <translation>Музика вітру</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Короп на жердині</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Святкові ляльки</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Червоний ліхтарик</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Олійна лампа</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Менора</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Червоний конверт</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Диско-куля</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Шарф</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Рукавички</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Пальто</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Чобіт</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Панамка</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Темні окуляри</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Купальник</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Бікіні</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Білий прапор</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Картатий прапор</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Місто й село</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Світлофор</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Боковий світлофор</translation>
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
        <translation>Зупинка</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Вказівник</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Смітник</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Стілець</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Візок</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Кошик</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Двері</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Ліжко</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Диван</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Скринька для пошти</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Годинник</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Цеглини</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Сокира</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Кайло</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Мапа</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Шкільний рюкзак</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Валіза</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Ліхтарик</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Якір</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Рятувальний круг</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Фонтан</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Оглядове колесо</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Американські гірки</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Карусель</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Стара пошта</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Гірський потяг</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Пори року</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Весняні й літні дні</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Весняний ранок</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Весняний вітерець</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Теплий вечір</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Весняна галявина</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Літні поля</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Квітучий сад</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Зелена долина</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Маковий пагорб</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Осінні й зимові дні</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Осінній день</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Зимове сонце</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Снігопад</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Морозний вечір</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Осінній ліс</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Пагорби врожаю</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Голі дерева</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Снігові поля</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Замерзлий ставок</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Дощ, грози, вітер і туман</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Дощові хмари</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Гроза</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Вітряний день</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Туманний день</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Мокра галявина</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Зелені пагорби</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Вітряний пустир</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Пагорби в тумані</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ніч</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Місяць, зорі й темрява</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Темні пагорби</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Нічне місто</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Озеро при місяці</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Тихе село</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Пізні вечори й глибокі ночі</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Бузкові сутінки</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Схід місяця</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Опівнічна синь</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Падаючі зорі</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Ніч ліхтариків</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Пагорб із замком</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Сонна ферма</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Нічна гавань</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Тихий сніг</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Вогні міста</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Сонце, пісок і море</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>День на пляжі</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Тропічне сонце</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Морський бриз</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Захід над морем</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Хмарний берег</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Тихе море</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Скелястий берег</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Гавань</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Острів із пальмами</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Скелі, хвилі й маяки</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Ясний ранок</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Чайки й хмари</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Золота година</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Сіре море</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Рожевий світанок</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Білі скелі</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Великі хвилі</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Мис із маяком</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Пляж із мушлями</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Лагуна</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Пустеля</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Дюни, каньйони й кактуси</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Сонце пустелі</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Спекотний полудень</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Курне небо</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Захід у пустелі</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Ніч у пустелі</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Кактусова рівнина</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Оаза</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Кам&apos;яні вежі</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Сніг</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Лід, сніг і високі гори</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Морозна синь</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Полярна ніч</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Світанок у горах</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Хуртовина</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Снігові вершини</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Крижини</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Лижний схил</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Табір іглу</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Місто</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Вулиці, парки й дахи</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Ранок у місті</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Гамірний день</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Дощове місто</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Захід у місті</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Димне небо</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Дахи</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Парк</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Головна вулиця</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Хмарочоси</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Старе місто</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Село</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Ферми, поля й села</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Ранок на фермі</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Сінокіс</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Хмари над полем</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Вечір у саду</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Клаптикові поля</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Сільська галявина</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Фруктовий сад</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Вітряна ферма</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Планети, місяці й зорі</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Глибокий космос</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Схід Землі</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Два місяці</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Туманність</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Місячні кратери</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Червона планета</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Крижаний світ</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Джунглі прибульців</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Космічна база</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
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
