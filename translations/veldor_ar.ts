<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>السماء: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>بلا أرض.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>الأرض: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>وعدد آخر: %n</numerusform>
            <numerusform>وعدد آخر: %n</numerusform>
            <numerusform>وعدد آخر: %n</numerusform>
            <numerusform>وعدد آخر: %n</numerusform>
            <numerusform>وعدد آخر: %n</numerusform>
            <numerusform>وعدد آخر: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>الأشياء: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>شعار فيلدور</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>اختيار الطابعة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>تحميل حزمة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>التأثيرات: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>أضف صورتي</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>أضف صورتي...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>تغيّرت الصورة.
هل تريد حفظها؟</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>صورة لم تُحفظ أبدًا</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>أُغلق فيلدور قبل حفظ %1.
هل تريد استعادة التغييرات؟</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
هذا المجلد غير موجود.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>بانتظار مراجعة متحدثين أصليين</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>لا يُسمح بفتح الملف</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>خطأ في القراءة أو الكتابة %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>صورة البت ماب غير صالحة</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>لا يمكن صنع ملف PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>لم تُختر أي طابعة</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>الطابعة المختارة غير صالحة</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>لم يُضبط XDG_DATA_HOME ولا HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>السطر %1 أطول من 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>عدد أشياء غير صالح: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>لا توجد ذاكرة كافية لـ %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>تعذّرت طباعة الصورة: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>لا يمكن إضافة حزمة الصور %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>لا يمكن فتح الملف %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>لا يمكن فتح الملف %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>لا يمكن إنشاء الملف %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>لا حزمة مختارة</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>لتحميل حزمة صور فيلدور:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. نزّل ملف zip فيه حزمة صور فيلدور.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. افتح الحزمة، أو فك ضغطها في مجلد «packs»</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. ثم اخترها من القائمة.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>حزم الصور</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>صنعها:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. افتح الحزمة، أو فك ضغطها في %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>جرف صخري</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>جبال صغيرة</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>تلال الغابات</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>جزيرة مهجورة</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>مدينة</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>غيوم رمادية</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>غيوم داكنة</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>غروب برتقالي</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>أزرق صافٍ</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>يوم غائم</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>صخرة الحلقة</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>تفاحة</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>منطاد</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>منطاد</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>كرة غولف</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>زهرة صفراء</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>فريق فيلدور</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>شتاء وصحراء</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>ثلج ورمل ونجوم لتجربها مع صورك.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>ليلة مرصّعة بالنجوم</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>ظهيرة في الصحراء</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>الشفق القطبي</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>فجر وردي</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>غيوم الثلج</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>تلال مثلجة</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>كثبان رملية</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>بحيرة متجمدة</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>وادٍ أحمر</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>قرية شتوية</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>شجرة صنوبر</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>كوخ</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>صبّار</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>قارب شراعي</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>رجل الثلج</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>الخريف</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>غابات ذهبية وحقول حصاد وقمر برتقالي كبير.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>عصر ذهبي</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>صباح ضبابي</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>عاصفة خريفية</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>قمر الحصاد</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>مطر وقوس قزح</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>تلال القيقب</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>حقل اليقطين</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>بحيرة البتولا</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>مزرعة الحظيرة الحمراء</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>كرم العنب</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>يقطينة</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>ورقة قيقب</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>فطر</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>بلّوطة</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>فزّاعة</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>شاطئ البحر</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>شواطئ وجروف وموانئ تحت سماء الصيف.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>ظهيرة صيفية</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>غروب استوائي</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>ضباب البحر</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>بحر هائج</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>مساء بألوان هادئة</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>شاطئ رملي</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>جرف المنارة</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>خليج النخيل</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>مدينة الميناء</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>ساحل صخري</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>منارة</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>كرة شاطئ</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>نورس</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>نجمة البحر</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>مظلة شاطئ</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>ضوء القمر</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>سماء ليل مليئة بالنجوم فوق أراضٍ نائمة.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>بدر</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>درب التبانة</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>الغسق</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>شهب</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>غيوم فضية</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>تلال في ضوء القمر</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>مدينة في الليل</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>نار المخيم</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>قرية نائمة</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>غابة صنوبر</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>بومة</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>فانوس</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>صاروخ</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>شمعة</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>هلال</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji من Google (SIL Open Font License)، رُسمت مسطّحة لـ Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>مطوّرو Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>حيوانات المزرعة</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>بقرة</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>خنزير</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>خروف</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>ماعز</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>ديك</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>دجاجة</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>كتكوت</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>بطة</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>حصان</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>ثور</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>جاموس</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>ديك رومي</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>كبش</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>حمار</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>أرنب</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>وجه بقرة</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>وجه خنزير</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>وجه حصان</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>إوزة</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>لاما</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>حيوانات الغابة</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>ثعلب</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>دب</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>غزال</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>سنجاب مخطط</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>قنفذ</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>غرير</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>ذئب</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>راكون</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>قندس</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>خنزير بري</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>ظربان</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>موظ</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>خفاش</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>ضفدع</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>حلزون</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>يرقة</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>فراشة</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>نحلة</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>دعسوقة</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>نسر</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>عصفور</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>نملة</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>عنكبوت</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>صرصور الليل</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>حيوانات البحر</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>حوت ينفث الماء</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>حوت</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>دلفين</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>سمكة</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>سمكة استوائية</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>سمكة منتفخة</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>قرش</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>أخطبوط</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>حبار</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>سلطعون</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>كركند</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>جمبري</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>صدفة</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>فقمة</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>سلحفاة</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>قنديل البحر</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>بطريق</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>قضاعة</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>مرجان</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>محار</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>حيوانات الأدغال</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>قرد</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>غوريلا</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>إنسان الغاب</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>فيل</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>أسد</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>وجه نمر</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>نمر</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>نمر مرقّط</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>حمار وحشي</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>زرافة</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>فرس النهر</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>وحيد القرن</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>تمساح</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>ببغاء</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>فلامنغو</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>كسلان</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>جمل</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>جمل بسنامين</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>كنغر</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>كوالا</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>باندا</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>سحلية</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>طاووس</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>وجه قرد</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>حيوانات أليفة</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>قطة</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>كلب</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>كلب بودل</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>جرو</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>قطيطة</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>هامستر</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>وجه فأر</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>فأر</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>أرنوب</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>كلب مرشد</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>آثار أقدام</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>عظمة</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>صوص</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>صوص يفقس</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>عش فيه بيض</translation>
    </message>
    <message>
        <source>People</source>
        <translation>الناس</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>رضيع</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>طفل</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>ولد</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>بنت</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>شخص</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>رجل</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>امرأة</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>مسنّ</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>جدّ</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>جدّة</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>شخص أشقر</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>رجل بلحية</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>عائلة</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>يدًا بيد</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>صديقان</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>شخص يمشي</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>شخص يركض</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>راقصة</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>رجل يرقص</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>شخص واقف</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>يد تلوّح</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>يد مرفوعة</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>وجه سعيد</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>وجه بنظارة</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>وجه يعانق</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>مهن وأدوات</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>شرطي</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>عامل بناء</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>حارس</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>محقق</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>عروس</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>شخص ببدلة</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>سماعة طبيب</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>مفتاح ربط</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>مطرقة</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>منشار</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>لوح ألوان</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>فرشاة رسم</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>صندوق بريد</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>طفاية حريق</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>مكنسة</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>خوذة إنقاذ</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>قبعة تخرج</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>مجهر</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>كتب</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>قلم رصاص</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>قلم تلوين</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>مسطرة</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>أنبوب اختبار</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>حقيبة عمل</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>صندوق عدة</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>سلّم</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>دلو</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>مغناطيس</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>مصباح</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>مركبات</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>سيارة</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>سيارة أجرة</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>جيب</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>حافلة</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>حافلة كهربائية</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>سيارة سباق</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>سيارة شرطة</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>إسعاف</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>سيارة إطفاء</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>حافلة صغيرة</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>شاحنة صغيرة</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>شاحنة توصيل</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>شاحنة كبيرة</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>جرار</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>دراجة نارية صغيرة</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>دراجة نارية</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>دراجة</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>سكوتر</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>قطار بخاري</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>قطار</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>مترو</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>ترام</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>قطار معلّق</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>مروحية</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>طائرة</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>طائرة صغيرة</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>زورق سريع</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>قارب بمحرك</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>سفينة</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>عبّارة</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>كنو</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>عربة معلّقة</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>قطار الجبل</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>ريكشا</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>مبانٍ</translation>
    </message>
    <message>
        <source>House</source>
        <translation>بيت</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>بيت بحديقة</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>بيوت</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>مبنى مكاتب</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>مكتب البريد</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>مستشفى</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>بنك</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>فندق</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>متجر</translation>
    </message>
    <message>
        <source>School</source>
        <translation>مدرسة</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>متجر كبير</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>مصنع</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>قلعة يابانية</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>قلعة</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>كنيسة أعراس</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>برج</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>تمثال</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>كنيسة</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>مسجد</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>معبد</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>كنيس</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>مزار</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>متحف</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>رافعة</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>كوخ</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>خيمة</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>بيت قديم</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>خيمة سيرك</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>ملعب</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>رأس حجري</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>نباتات وأشجار</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>شجرة</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>شجرة تنوب</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>نخلة</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>شتلة</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>عشبة</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>نفل</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>نفل بأربع أوراق</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>أوراق متساقطة</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>أوراق في الريح</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>حزمة أرز</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>توليب</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>وردة</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>زهرة ذابلة</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>كركديه</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>زهر الكرز</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>زهرة</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>دوّار الشمس</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>باقة ورد</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>نبتة في أصيص</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>فطر</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>جذع شجرة</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>لوتس</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>زنبق</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>كستناء</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>شجرة الأمنيات</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>زينة صنوبر</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>عش فارغ</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>صخرة</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>فواكه وخضار</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>تفاحة خضراء</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>إجاصة</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالة</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>ليمونة</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>موزة</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>بطيخ</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>عنب</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>فراولة</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>توت أزرق</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>شمام</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>كرز</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>خوخ</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>مانجو</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>أناناس</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>جوز الهند</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>كيوي</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>طماطم</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>باذنجان</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>أفوكادو</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>بروكلي</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>جزر</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>ذرة</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>فلفل حار</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>خيار</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>خس</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>ثوم</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>بصل</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>بطاطا</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>فلفل حلو</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>طعام</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>خبز</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>كرواسون</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>خبز فرنسي</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>بريتزل</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>جبن</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>بيضة</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>بيض مقلي</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>فطائر محلاة</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>وافل</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>برغر</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>بطاطا مقلية</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>بيتزا</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>نقانق بالخبز</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>شطيرة</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>تاكو</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>معكرونة</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>مثلجات</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>دونات</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>بسكويت</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>كعكة عيد ميلاد</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>قطعة كعك</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>كعكة صغيرة</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>شوكولاتة</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>حلوى</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>مصاصة</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>جرة عسل</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>كوب حليب</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>علبة عصير</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>مشروب ساخن</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>فطيرة</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>ألعاب ورياضة</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>كرة قدم</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>كرة بيسبول</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>كرة سلة</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>كرة طائرة</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>كرة أمريكية</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>كرة رغبي</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>كرة تنس</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>قرص طائر</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>بولينغ</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>مضرب كريكيت</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>عصا هوكي</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>تنس الطاولة</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>ريشة الطائرة</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>قفاز ملاكمة</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>مرمى</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>علم غولف</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>حذاء تزلج</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>صنارة صيد</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>لوح تزلج</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>حذاء بعجلات</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>مزلجة</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>حجر كيرلنغ</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>زلاجات ثلج</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>طائرة ورقية</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>يويو</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>دبدوب</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>دمى متداخلة</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>نرد</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>قطعة أحجية</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>يد تحكم</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>كأس</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>ميدالية ذهبية</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>لوحة سهام</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>بوميرانغ</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>زحليقة</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>غيتار</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>طبل</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>بوق</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>ساكسفون</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>كمان</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>أورغ</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>أكورديون</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>طبل طويل</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>ماراكاس</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>ناي</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>ميكروفون</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>سماعات</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>جرس</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>نوتة موسيقية</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>الفضاء</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>صحن طائر</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>قمر صناعي</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>الأرض</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>الأرض (آسيا)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>كوكب بحلقات</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>محاق</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>وجه القمر</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>قمر مبتسم</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>شمس مبتسمة</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>شمس</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>نجمة</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>نجمة لامعة</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>نجمة دوّارة</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>مذنّب</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>شهاب</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>تلسكوب</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>كائن فضائي</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>وحش فضائي</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>الأرض (أمريكا)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>قمر متناقص</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>نصف قمر</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>قمر أحدب</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>الطقس</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>غيمة</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>شمس خلف غيمة</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>غيمة عاصفة</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>شمس وغيوم</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>غائم</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>شمس ومطر</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>غيمة مطر</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>غيمة ثلج</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>غيمة برق</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>إعصار قمعي</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>ضباب</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>ريح</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>زوبعة</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>قوس قزح</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>مظلة</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>مظلة تحت المطر</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>برق</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>ندفة ثلج</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>رجل ثلج تحت الثلج</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>نار</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>قطرة مطر</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>ميزان حرارة</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>مكعب ثلج</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>عالم الخيال</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>ساحر</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>جنية</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>مصاص دماء</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>حورية البحر</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>قزم</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>مارد</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>ترول</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>حصان وحيد القرن</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>تنين</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>وجه تنين</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>ديناصور</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>تي ركس</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>شبح</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>غول</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>روبوت</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>تاج</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>كرة بلورية</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>عصا سحرية</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>أمير</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>أميرة</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>نينجا</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>بطل خارق</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>شرير</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>جوهرة</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>مفتاح قديم</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>زومبي</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>ملاك</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>درع</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>خنجر</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>قوس وسهم</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>فصول وأعياد</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>فانوس يقطين</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>شجرة الميلاد</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>بابا نويل</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>ماما نويل</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>هدية</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>بالون</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>مفرقعة حفلات</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>كرة قصاصات</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>شريطة</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>أجراس الريح</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>راية سمكة</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>دمى العيد</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>فانوس أحمر</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>سراج</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>شمعدان</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>مغلف أحمر</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>كرة ديسكو</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>وشاح</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>قفازات</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>معطف</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>جزمة</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>قبعة شمس</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>نظارة شمسية</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>ثوب سباحة</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>بكيني</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>علم أبيض</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>علم مربعات</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>المدينة والريف</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>إشارة مرور</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>إشارة مرور أفقية</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>إشارة قف</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>أعمال طريق</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>مضخة وقود</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>موقف حافلات</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>لافتة</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>عجلة</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>سلة مهملات</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>كرسي</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>عربة تسوق</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>سلة</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>باب</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>نافذة</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>سرير</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>أريكة</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>صندوق رسائل</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>منبّه</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>طوب</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>فأس</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>بوصلة</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>معول</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>خريطة</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>حقيبة مدرسية</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>حقيبة سفر</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>مصباح يدوي</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>مرساة</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>طوق نجاة</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>نافورة</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>دولاب هواء</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>قطار الملاهي</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>حصان دوّامة</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>مكتب بريد قديم</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>قطار جبلي</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>أيام الربيع والصيف</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>صباح ربيعي</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>نسيم الأزهار</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>مساء دافئ</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>مرج ربيعي</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>حقول الصيف</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>بستان مزهر</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>وادٍ أخضر</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>تلة الخشخاش</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>أيام الخريف والشتاء</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>عصر خريفي</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>شمس الشتاء</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>تساقط الثلج</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>مساء بارد</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>غابة الخريف</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>تلال الحصاد</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>أشجار عارية</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>حقول مثلجة</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>بركة متجمدة</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>مطر وعواصف ورياح وضباب</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>غيوم ممطرة</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>عاصفة رعدية</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>يوم عاصف</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>يوم ضبابي</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>مرج مبلل</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>تلال خضراء</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>برية عاصفة</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>تلال ضبابية</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>الليل</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>قمر ونجوم وظلام</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>تلال مظلمة</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>بلدة ليلية</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>بحيرة مقمرة</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>قرية هادئة</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>أمسيات متأخرة وليالٍ عميقة</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>غروب بنفسجي</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>طلوع القمر</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>أزرق منتصف الليل</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>شهب</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>ليلة الفوانيس</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>تلة القلعة</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>مزرعة نائمة</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>ميناء ليلي</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>ثلج صامت</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>أضواء المدينة</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>شمس ورمل وبحر</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>يوم على الشاطئ</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>شمس استوائية</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>نسيم البحر</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>غروب فوق البحر</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>ساحل غائم</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>بحر هادئ</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>شاطئ صخري</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>ميناء</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>جزيرة النخيل</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>منحدرات وأمواج ومنارات</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>صباح مشرق</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>نوارس وغيوم</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>الساعة الذهبية</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>يوم بحر رمادي</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>شروق وردي</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>منحدرات بيضاء</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>أمواج كبيرة</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>رأس المنارة</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>شاطئ الأصداف</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>بحيرة شاطئية</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>الصحراء</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>كثبان ووديان وصبّار</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>شمس الصحراء</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>ظهيرة حارة</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>سماء مغبرة</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>غروب الصحراء</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>ليل الصحراء</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>سهل الصبّار</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>واحة</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>أبراج حجرية</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>الثلج</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>جليد وثلج وجبال عالية</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>أزرق منعش</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>ليل قطبي</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>شروق على الجبال</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>عاصفة ثلجية</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>قمم مثلجة</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>كتل جليد</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>منحدر تزلج</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>مخيم الإسكيمو</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>شوارع وحدائق وأسطح</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>صباح المدينة</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>عصر مزدحم</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>مدينة ممطرة</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>غروب المدينة</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>سماء دخانية</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>أسطح</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>حديقة</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>الشارع الرئيسي</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>ناطحات سحاب</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>المدينة القديمة</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>الريف</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>مزارع وحقول وقرى</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>صباح المزرعة</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>يوم حصد العشب</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>غيوم الريف</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>مساء البستان</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>حقول ملوّنة</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>ساحة القرية</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>بستان</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>مزرعة عاصفة</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>كواكب وأقمار ونجوم</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>أعماق الفضاء</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>شروق الأرض</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>قمران</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>سديم</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>فوهات القمر</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>الكوكب الأحمر</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>عالم جليدي</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>غابة فضائية</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>قاعدة فضائية</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>نسخ أكثر</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>نسخ أقل</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>عن فيلدور</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>الإصدار 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 مطوّرو فيلدور.
حرّ للاستعمال والمشاركة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>تصدير بصيغة BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>ما حجم صورة BMP الذي تريده؟</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>‪630 x 340‬ (عادي)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>‪640 x 480‬ (ممدود)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>ملفات بت ماب (*.bmp);;صورة PNG (*.png);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>تصدير بصيغة BMP (‪630 x 340‬)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>تصدير بصيغة BMP (‪640 x 480‬)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>المنظر: اختر حزمة</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>المنظر</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>السماء</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>شيء</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>مؤثرات خاصة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>تصدير بصيغة BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>إعادة الرسم</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>ابدأ صورة جديدة</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>افتح صورة محفوظة</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>احفظ الصورة</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>احفظ الصورة باسم جديد</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;اختيار الطابعة</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>&amp;تصدير BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>أغلق فيلدور</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>تراجع عن آخر تغيير</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;إعادة</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>أعد التغيير الذي تراجعت عنه</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>انسخ الصورة إلى الحافظة</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;حذف الكل</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;استعادة الكل</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>الكل إلى الأ&amp;مام</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>الكل &amp;خلف الأرض</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;فيلدور</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>ال&amp;منظر</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>ال&amp;سماء</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>الأ&amp;شياء</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>مؤ&amp;ثرات خاصة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>اعرض المساعدة</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;عن فيلدور...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>اعرض ما هو فيلدور</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;اختيار الطابعة...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>الأ&amp;رض</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>أبقِه</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>احذفه</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>خلف الأرض</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>أمام المنظر</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>حذف الشيء</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>المؤثرات</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>حذف الكل</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>استعادة الكل</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>الكل إلى الأمام</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>الكل خلف الأرض</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;تراجع: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;إعادة: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>ملفات فيلدور [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>ملف فيلدور (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>جارٍ إضافة حزمة الصور...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: اختر شيئًا. الأسهم وEnter: ضع، انقل، غيّر الحجم. Escape: تراجع.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>اختر شيئًا، ثم اسحب مستطيله على الصورة، أو استعمل مفاتيح الأسهم وEnter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>عند %1، %2، حجمه %3 في %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1، %2. اضغط Enter لتعديله.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2، %3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>تُرك: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>ضع الشيء أولًا (اسحب، أو الأسهم وEnter)، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>أجب نافذة «شيء جديد» أولًا، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>أجب نافذة «تعديل الشيء» أولًا، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>أفلت الشيء أولًا (انقر، أو Enter)، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>أجب نافذة «نقل الشيء» أولًا، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>ارسم الحجم الجديد أولًا (اسحب، أو الأسهم وEnter)، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>أجب نافذة «حجم الشيء» أولًا، أو اضغط Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 ينتظر: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: اسحبه على الصورة، أو اضغط هناك مفتاح سهم.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>الصورة: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>المزيد من الأشياء</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>اكتب اسمًا، مثل قطة أو حافلة</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>ابحث عن شيء باسمه</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>الأشياء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>أشياء أخرى</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>لا توجد في مجلد packs حزمة صور فيها أشياء.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>لا يوجد شيء اسمه «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>شيء واحد</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>عدد الأشياء: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>الأشياء: اختر حزمة</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>اختر شيئًا</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>المزيد من الأشياء...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>لطابعة أخرى اضغط «الطابعة...»</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>عدد النسخ:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>الطابعة...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>عدد النسخ</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>الطباعة إلى ملف</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>ملفات PDF (*.pdf);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>السماء: اختر حزمة</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>انتظر، أرسم الآن...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>مؤثرات خاصة</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>المؤثرات تحتاج بعض الوقت.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>انتبه: تختفي المؤثرات عند إعادة رسم الصورة.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>استعمل المؤثرات بعد أن تنتهي من المنظر، حتى تستطيع</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>حفظ الصورة أو طباعتها مع المؤثرات.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>المؤثرات المطلوبة:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>تنعيم</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>قلب الألوان</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>اللون...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>تلوين</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>الصبغة...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>أغمق</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>أفتح</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>جارٍ تطبيق المؤثرات...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>مساعدة فيلدور</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>نص المساعدة</translation>
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
        <translation>بداية سريعة
-=-=-=-=-=-=

هذا الدليل القصير يساعدك على رسم صورتك الأولى في فيلدور.

الخطوة 1: اختر السماء

انقر صورة السماء، وهي الزر الثاني في الشريط. تُفتح نافذة السماء. انقر سماءً؛ «غيوم داكنة» بداية جيدة. تُرسم الصورة بالسماء الجديدة. عندما تنتهي، أغلق نافذة السماء.

الخطوة 2: اختر المنظر

انقر صورة المنظر، وهي الزر الأول في الشريط، واختر منظرًا. جرّب «جزيرة مهجورة». يُرسم المنظر فوق السماء، ويلوّنه ضوء السماء.

الخطوة 3: أضف الأشياء وعدّلها

انقر صورة الأشياء، وهي الزر الثالث، واختر «منطاد». تُغلق النافذة.

اضغط الآن زر الفأرة حيث تريد المنطاد، وأبقه مضغوطًا واسحب إلى الأسفل واليمين. المستطيل الذي تسحبه هو حجم المنطاد.

عندما تترك الزر، يُرسم المنطاد وتسألك نافذة صغيرة هل تريد إبقاءه:
   «غيّر حجمه» يعيد الرسم لتسحب مستطيل المنطاد مرة أخرى.
   «لا تبقِه» يزيل الشيء الجديد.
   «أبقِه» يتركه في صورتك.

بعد ذلك انقر أي شيء لتنقله أو تغيّر حجمه أو تحذفه أو تضعه خلف الأرض.

باستعمال لوحة المفاتيح:
   اضغط Tab حتى يظهر حول الصورة إطار منقّط. بعد أن تختار شيئًا، اضغط مفتاح سهم: يظهر مستطيل يبيّن أين سيكون. مفاتيح الأسهم تنقله (ومع Shift عشر خطوات في كل مرة)، وCtrl مع الأسهم يكبّره أو يصغّره، وEnter يضع الشيء هناك، وEscape يتركه.
   إذا لم تختر شيئًا، ينتقل Tab وShift+Tab من شيء في الصورة إلى الشيء الذي بعده؛ وEnter يفتح نافذته، كما لو نقرت عليه.
   بعد «انقله» أو «غيّر حجمه»، تنقل مفاتيح الأسهم الإطار أو تغيّر حجمه، وEnter ينهي العمل. وEscape يوقف أي تغيير، كما يفعل «إلغاء».

الخطوة 4: أكمل صورتك

   التنعيم:
   التنعيم يجعل الحواف الخشنة للأشياء والمناظر ناعمة. انقر صورة المؤثرات، وهي الزر الرابع. اترك مربع «تنعيم» وحده محددًا وانقر «تطبيق».

   الحفظ بصيغة BMP:
   انقر صورة التصدير. تُفتح نافذة تختار فيها حجم الصورة؛ ثم تسألك نافذة الحفظ عن اسم الملف.

الأزرار
-=-=-=-

(بالترتيب في الشريط.)

المنظر: اختر منظرًا.
السماء: اختر سماءً.
شيء: أضف شيئًا.
المؤثرات: ضع مؤثرات على صورتك.
------------------------------
جديد: ابدأ صورة جديدة.
طباعة: اطبع صورتك (مع خيارات أكثر).
حفظ: احفظ صورتك في ملف .VDR.
فتح: افتح ملف .VDR.
تصدير BMP: احفظ الصورة في ملف .BMP.
------------------------------
إعادة الرسم: يرسم صورتك من جديد.

انقر الصورة بالزر الأيمن لترى قائمة بكل الأوامر.
قائمة الأدوات تحذف كل الأشياء أو تستعيدها أو تنقلها مرة واحدة.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>اختر منظرًا</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>بلا منظر</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>نقل الشيء</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>نقلت شيئًا. ماذا تريد أن تفعل؟</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>هكذا جيد</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>مرة أخرى</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>صورة جديدة</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>هل تبدأ صورة جديدة؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>هذا ليس ملف فيلدور</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>تعديل الشيء</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>اخترت الشيء:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>ماذا تريد أن تفعل به؟</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>احذفه</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>انقله</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>غيّر حجمه</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>خلف الأرض</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>شيء جديد</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>عندك شيء جديد. ماذا تريد أن تفعل به؟</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>أبقِه</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>غيّر حجمه</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>لا تبقِه</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>تعديل الشيء</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>اخترت شيئًا خلف المنظر.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>ماذا تفعل بالشيء:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>ضعه أمام المنظر</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>حذف الشيء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>حجم الشيء</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>غيّرت حجم شيء. ماذا تريد أن تفعل؟</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>هكذا جيد</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>مرة أخرى</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>اختر سماءً</translation>
    </message>
</context>
</TS>
