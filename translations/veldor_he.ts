<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>שמיים: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>בלי קרקע.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>קרקע: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ועוד %n</numerusform>
            <numerusform>ועוד %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>חפצים: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>הסמל של ולדור</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>בחירת מדפסת</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>טעינת חבילה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>אפקטים: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>הוספת תמונה שלי</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>הוספת תמונה שלי...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>התמונה השתנתה.
לשמור אותה?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>תמונה שלא נשמרה אף פעם</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>ולדור נסגר לפני ש־%1 נשמר.
להחזיר את השינויים?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>להחזיר</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>לזרוק</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
התיקייה הזאת לא קיימת.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>מחכה לבדיקה של דוברי השפה</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>הקובץ לא נמצא</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>אין גישה לקובץ</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>שגיאת קלט/פלט %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>תמונת ה־bitmap לא תקינה</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>אי אפשר ליצור PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>לא נבחרה מדפסת</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>המדפסת שנבחרה לא תקינה</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>לא מוגדרים XDG_DATA_HOME ולא HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>שורה %1 ארוכה מ־1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‚%1’ אינו מספר שלם תקין</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>מספר חפצים לא תקין: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>אין מספיק זיכרון בשביל %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>לא הצלחנו להדפיס את התמונה: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>אי אפשר להוסיף את חבילת התמונות %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>אי אפשר לפתוח את הקובץ %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>אי אפשר לפתוח את הקובץ %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>אי אפשר ליצור את הקובץ %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>לא נבחרה חבילה</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>כך טוענים חבילת תמונות של ולדור:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. הורידו קובץ zip עם חבילת תמונות של ולדור.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. פתחו את החבילה, או חלצו אותה לתיקייה „packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. אחר כך בחרו אותה ברשימה.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>חבילות תמונות</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>שם:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>נוצרה על ידי:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>תיאור:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. פתחו את החבילה, או חלצו אותה אל %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>צוק אבנים</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>הרים קטנים</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>גבעות מיוערות</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>אי בודד</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>עיר</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>עננים אפורים</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>עננים כהים</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>שקיעה כתומה</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>כחול בהיר</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>יום מעונן</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>סלע טבעת</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>תפוח</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>כדור פורח</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>כדור פורח</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>כדור גולף</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>פרח צהוב</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>צוות ולדור</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>חורף ומדבר</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>שלג, חול וכוכבים לנסות עם התמונות שלכם.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>לילה מכוכב</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>צהריים במדבר</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>זוהר צפוני</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>שחר ורוד</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>ענני שלג</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>גבעות מושלגות</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>דיונות חול</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>אגם קפוא</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>קניון אדום</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>כפר בחורף</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>עץ אשוח</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>בקתה</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>קקטוס</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>סירת מפרש</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>איש שלג</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>סתיו</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>יערות זהובים, שדות קציר וירח כתום וגדול.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>אחר צהריים זהוב</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>בוקר ערפילי</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>סערת סתיו</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>ירח הקציר</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>גשם וקשת</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>גבעות האדר</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>שדה דלעות</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>אגם הליבנה</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>חווה עם אסם אדום</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>כרם</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>דלעת</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>עלה אדר</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>פטרייה</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>בלוט</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>דחליל</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>חוף הים</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>חופים, צוקים ונמלים תחת שמי קיץ.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>צהרי קיץ</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>שקיעה טרופית</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>אובך ים</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>ים סוער</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>ערב בצבעי פסטל</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>חוף חול</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>צוק המגדלור</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>מפרץ הדקלים</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>עיר נמל</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>חוף סלעי</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>מגדלור</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>כדור ים</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>שחף</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>כוכב ים</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>שמשייה</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>אור ירח</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>שמי לילה מלאי כוכבים מעל ארצות ישנות.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>ירח מלא</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>שביל החלב</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>דמדומים</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>מטר מטאורים</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>עננים כסופים</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>גבעות באור הירח</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>עיר בלילה</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>מדורה בקרחת יער</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>כפר ישן</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>יער אורנים</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>ינשוף</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>פנס</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>טיל</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>נר</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>חרמש ירח</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>יותר עותקים</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>פחות עותקים</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>גרסה 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 המפתחים של ולדור.
חופשי לשימוש ולשיתוף.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>ייצוא כ־BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>באיזה גודל תהיה תמונת ה־BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>‪630 x 340‬ (רגיל)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>‪640 x 480‬ (מתוח)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>קובצי bitmap (*.bmp);;תמונת PNG (*.png);;כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>ייצוא כ־BMP (‪630 x 340‬)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>ייצוא כ־BMP (‪640 x 480‬)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>נוף: בחירת חבילה</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>נוף</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>שמיים</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>חפץ</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>אפקטים מיוחדים</translation>
    </message>
    <message>
        <source>New</source>
        <translation>חדש</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>ייצוא כ־BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>ציור מחדש</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;חדש</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>להתחיל תמונה חדשה</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;פתיחה...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>לפתוח תמונה שמורה</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>לשמור את התמונה</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>שמירה &amp;בשם...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>לשמור את התמונה בשם חדש</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>ה&amp;דפסה...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>בחירת &amp;מדפסת</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>&amp;ייצוא BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>לצאת מוולדור</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;עריכה</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>לבטל את השינוי האחרון</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;שוב</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>לעשות שוב את מה שבוטל</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;העתקה</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>להעתיק את התמונה ללוח</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;כלים</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;מחיקת הכול</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;החזרת הכול</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>הכול &amp;קדימה</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>הכול מא&amp;חורי הקרקע</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;ולדור</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;נוף</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;שמיים</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;חפצים</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;אפקטים מיוחדים</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>להציג את העזרה</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>להראות מה זה ולדור</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>בחירת &amp;מדפסת...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;קרקע</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>להשאיר</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>קדימה</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>הזזה</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>שינוי גודל</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>למחוק</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>מאחורי הקרקע</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>לפני הנוף</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>מחיקת חפץ</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>אפקטים</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>מחיקת הכול</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>החזרת הכול</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>הכול קדימה</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>הכול מאחורי הקרקע</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;ביטול: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;שוב: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>קובצי ולדור [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>קובץ ולדור (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>מוסיפים את חבילת התמונות...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: בחירת חפץ. חצים ו־Enter: הנחה, הזזה, שינוי גודל. Escape: ויתור.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>בחרו חפץ, ואז גררו את המלבן שלו על התמונה, או השתמשו בחצים וב־Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>במקום %1, %2, בגודל %3 על %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. לעריכה לחצו Enter.</translation>
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
        <translation>ויתרתם על: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>קודם הניחו את החפץ (גרירה, או חצים ו־Enter), או לחצו Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>קודם ענו לחלון „חפץ חדש”, או לחצו Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>קודם ענו לחלון „עריכת חפץ”, או לחצו Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>קודם שחררו את החפץ (לחיצה, או Enter), או לחצו Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>קודם ענו לחלון „הזזת חפץ”, או לחצו Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>קודם ציירו את הגודל החדש (גרירה, או חצים ו־Enter), או לחצו Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>קודם ענו לחלון „גודל החפץ”, או לחצו Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 צריך לחכות: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: גררו אותו על התמונה, או לחצו שם על חץ.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>תמונה: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>עוד חפצים</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;חיפוש:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>הקלידו שם, כמו חתול או אוטובוס</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>חיפוש חפץ לפי השם שלו</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>קטגוריות</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>חפצים</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>חפצים אחרים</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>אין בתיקייה packs חבילת תמונות עם חפצים.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>אין חפץ בשם „%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>חפץ אחד</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 חפצים</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>חפצים: בחירת חבילה</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>בחרו חפץ</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>עוד חפצים...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>למדפסת אחרת לחצו „מדפסת...”</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>מספר עותקים:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>מדפסת...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>מספר עותקים</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>הדפסה לקובץ</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>קובצי PDF (*.pdf);;כל הקבצים (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>שמיים: בחירת חבילה</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>רגע, מציירים...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>אפקטים מיוחדים</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>אפקטים לוקחים קצת זמן.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>שימו לב: האפקטים נעלמים כשהתמונה מצוירת מחדש.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>הוסיפו אפקטים כשהנוף גמור. כך תוכלו</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>לשמור או להדפיס את התמונה עם האפקטים.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>אפקטים להוספה:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>החלקה</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>היפוך צבעים</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>צבע...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>צביעה</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>גוון...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>בהירות</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>כהה יותר</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>בהיר יותר</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>להחיל</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>מוסיפים אפקטים...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>עזרה לוולדור</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>טקסט עזרה</translation>
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
        <translation>התחלה מהירה
-=-=-=-=-=-=

המדריך הקצר הזה עוזר לכם לצייר את התמונה הראשונה שלכם בוולדור.

שלב 1: בוחרים שמיים

לחצו על תמונת השמיים, הכפתור השני בסרגל. נפתח חלון השמיים. לחצו על שמיים; „עננים כהים” טובים להתחלה. התמונה מצוירת עם השמיים החדשים. כשהיא מוכנה, סגרו את חלון השמיים.

שלב 2: בוחרים נוף

לחצו על תמונת הנוף, הכפתור הראשון בסרגל, ובחרו נוף. נסו „אי בודד”. הנוף מצויר מעל השמיים, והאור של השמיים צובע אותו.

שלב 3: מוסיפים ומשנים חפצים

לחצו על תמונת החפצים, הכפתור השלישי, ובחרו „כדור פורח”. החלון נסגר.

עכשיו לחצו על כפתור העכבר במקום שבו הכדור צריך להיות, החזיקו אותו וגררו למטה וימינה. המלבן שאתם גוררים הוא הגודל של הכדור.

כשאתם עוזבים, הכדור מצויר וחלון קטן שואל אם להשאיר אותו:
   „שינוי גודל” מצייר שוב כדי שתגררו את המלבן של הכדור עוד פעם.
   „לא להשאיר” מוריד את החפץ החדש.
   „להשאיר” משאיר אותו בתמונה.

אחר כך לחצו על חפץ כדי להזיז אותו, לשנות את הגודל שלו, למחוק אותו או לשים אותו מאחורי הקרקע.

בעזרת המקלדת:
   לחצו Tab עד שמסביב לתמונה מופיעה מסגרת מנוקדת. אחרי שבחרתם חפץ, לחצו על חץ: מלבן מראה לאן הוא ילך. החצים מזיזים אותו (עם Shift, עשרה צעדים בכל פעם), Ctrl עם החצים מגדילים או מקטינים אותו, Enter מניח את החפץ שם, ו־Escape מוותר עליו.
   כשלא בחרתם כלום, Tab ו־Shift+Tab עוברים מחפץ אחד בתמונה לחפץ הבא; Enter פותח את החלון שלו, כמו לחיצה עליו.
   אחרי „להזיז” או „שינוי גודל”, החצים מזיזים את קו המתאר או משנים את הגודל שלו, ו־Enter מסיים. Escape עוצר כל שינוי, כמו ביטול.

שלב 4: מסיימים את התמונה

   החלקה:
   החלקה מרככת את הקצוות המחוספסים של חפצים ונופים. לחצו על תמונת האפקטים, הכפתור הרביעי. השאירו מסומנת רק את התיבה „החלקה” ולחצו „להחיל”.

   שמירה כ־BMP:
   לחצו על תמונת הייצוא. נפתח חלון שבו בוחרים את גודל התמונה; אחר כך חלון השמירה שואל על שם לקובץ.

הכפתורים
-=-=-=-=-

(לפי הסדר בסרגל.)

נוף: בוחרים נוף.
שמיים: בוחרים שמיים.
חפץ: מוסיפים חפץ.
אפקטים: מוסיפים אפקטים לתמונה.
------------------------------
חדש: מתחילים תמונה חדשה.
הדפסה: מדפיסים את התמונה (עם עוד אפשרויות).
שמירה: שומרים את התמונה כקובץ .VDR.
פתיחה: פותחים קובץ .VDR.
ייצוא BMP: שומרים את התמונה כקובץ .BMP.
------------------------------
ציור מחדש: מצייר את התמונה שוב.

לחצו על התמונה בכפתור הימני של העכבר כדי לראות תפריט עם כל הפקודות.
תפריט הכלים מוחק, מחזיר או מזיז את כל החפצים בבת אחת.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>בחרו נוף</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>בלי נוף</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>הזזת חפץ</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>הזזתם חפץ. מה תרצו לעשות?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>ככה טוב</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>שוב</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>תמונה חדשה</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>להתחיל תמונה חדשה?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>זה לא קובץ של ולדור</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>עריכת חפץ</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>בחרתם את החפץ:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>מה תרצו לעשות איתו?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>למחוק</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>להזיז</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>שינוי גודל</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>קדימה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>מאחורי הקרקע</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>חפץ חדש</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>יש לכם חפץ חדש. מה תרצו לעשות איתו?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>להשאיר</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>שינוי גודל</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>לא להשאיר</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>עריכת חפץ</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>בחרתם חפץ שנמצא מאחורי הנוף.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>מה לעשות עם:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>לשים לפני הנוף</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>מחיקת חפץ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>גודל החפץ</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>שיניתם גודל של חפץ. מה תרצו לעשות?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>ככה טוב</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>שוב</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>בחרו שמיים</translation>
    </message>
</context>
</TS>
