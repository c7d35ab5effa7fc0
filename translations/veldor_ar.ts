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
