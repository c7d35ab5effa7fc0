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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji של Google ‏(SIL Open Font License), צוירו שטוחים בשביל Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>המפתחים של Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>חיות משק</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>פרה</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>חזיר</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>כבשה</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>עז</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>תרנגול</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>תרנגולת</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>אפרוח</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>ברווז</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>סוס</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>שור</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>תאו</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>תרנגול הודו</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>איל</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>חמור</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>ארנב</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>ראש של פרה</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>ראש של חזיר</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>ראש של סוס</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>אווז</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>לאמה</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>חיות היער</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>שועל</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>דוב</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>צבי</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>סנאי מפוספס</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>קיפוד</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>גירית</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>זאב</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>דביבון</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>בונה</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>חזיר בר</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>בואש</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>אייל קורא</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>עטלף</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>צפרדע</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>חילזון</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>זחל</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>פרפר</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>דבורה</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>פרת משה רבנו</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>עיט</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>ציפור</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>נמלה</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>עכביש</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>צרצר</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>חיות ים</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>לווייתן מתיז</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>לווייתן</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>דולפין</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>דג</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>דג טרופי</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>אבו נפחא</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>כריש</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>תמנון</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>דיונון</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>סרטן</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>לובסטר</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>שרימפס</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>קונכייה</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>כלב ים</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>צב</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>מדוזה</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>פינגווין</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>לוטרה</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>אלמוג</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>צדפה</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>חיות הג׳ונגל</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>קוף</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>גורילה</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>אורנגאוטן</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>פיל</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>אריה</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>ראש של נמר</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>נמר</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>נמר מנומר</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>זברה</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>ג׳ירפה</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>היפופוטם</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>קרנף</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>תנין</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>נחש</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>תוכי</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>פלמינגו</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>עצלן</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>גמל</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>גמל דו־דבשתי</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>קנגורו</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>קואלה</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>פנדה</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>לטאה</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>טווס</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>ראש של קוף</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>חיות מחמד</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>חתול</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>כלב</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>פודל</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>גור כלבים</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>חתלתול</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>אוגר</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>ראש של עכבר</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>עכבר</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>ארנבון</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>כלב נחייה</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>עקבות כפות</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>עצם</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>אפרוחון</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>אפרוח בוקע</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>קן עם ביצים</translation>
    </message>
    <message>
        <source>People</source>
        <translation>אנשים</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>תינוק</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>ילד</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>בן</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>בת</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>אדם</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>גבר</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>אישה</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>אדם מבוגר</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>סבא</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>סבתא</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>אדם בלונדיני</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>גבר עם זקן</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>משפחה</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>יד ביד</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>שני חברים</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>הולך</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>רץ</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>רקדנית</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>גבר רוקד</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>אדם עומד</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>יד מנופפת</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>יד למעלה</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>פרצוף שמח</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>פרצוף מגניב</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>פרצוף מחבק</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>מקצועות וכלים</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>שוטר</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>פועל בניין</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>שומר</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>בלש</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>כלה</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>אדם בחליפה</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>סטטוסקופ</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>מפתח ברגים</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>פטיש</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>מסור</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>פלטת צבעים</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>מכחול</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>תיבת דואר</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>מכתב</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>מטף</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>מטאטא</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>קסדת חילוץ</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>כובע סיום</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>מיקרוסקופ</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>ספרים</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>עיפרון</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>צבע שעווה</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>סרגל</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>מבחנה</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>תיק מסמכים</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>ארגז כלים</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>סולם</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>דלי</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>מגנט</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>נורה</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>כלי רכב</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>מכונית</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>מונית</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>ג׳יפ</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>אוטובוס</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>טרוליבוס</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>מכונית מרוץ</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>ניידת משטרה</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>אמבולנס</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>כבאית</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>מיניבוס</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>טנדר</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>משאית משלוחים</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>משאית גדולה</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>טרקטור</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>טוסטוס</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>אופנוע</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>אופניים</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>קורקינט</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>רכבת קיטור</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>רכבת</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>רכבת תחתית</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>חשמלית</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>מונורייל</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>מסוק</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>מטוס</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>מטוס קטן</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>סירת מרוץ</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>סירת מנוע</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>אונייה</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>מעבורת</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>קאנו</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>רכבל</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>רכבת הררית</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>ריקשה</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>בניינים</translation>
    </message>
    <message>
        <source>House</source>
        <translation>בית</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>בית עם גינה</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>בתים</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>בניין משרדים</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>סניף דואר</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>בית חולים</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>בנק</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>מלון</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>חנות</translation>
    </message>
    <message>
        <source>School</source>
        <translation>בית ספר</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>כלבו</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>מפעל</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>טירה יפנית</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>טירה</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>קפלת חתונות</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>מגדל</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>פסל</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>כנסייה</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>מסגד</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>מקדש</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>בית כנסת</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>מקדש קטן</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>מוזיאון</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>מנוף</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>בקתה</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>אוהל</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>בית ישן</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>אוהל קרקס</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>אצטדיון</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>ראש מאבן</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>צמחים ועצים</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>עץ</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>אשוח</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>עץ דקל</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>נבט</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>עשב תיבול</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>תלתן</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>תלתן ארבעה עלים</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>עלים נושרים</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>עלים ברוח</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>אלומת אורז</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>צבעוני</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>ורד</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>פרח נבול</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>היביסקוס</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>פריחת דובדבן</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>פריחה</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>חמנייה</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>זר פרחים</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>עציץ</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>פטרייה</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>בול עץ</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>לוטוס</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>יקינתון</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>ערמון</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>עץ משאלות</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>קישוט אורן</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>קן ריק</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>סלע</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>פירות וירקות</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>תפוח ירוק</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>אגס</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>תפוז</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>לימון</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>בננה</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>אבטיח</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>ענבים</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>תות</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>אוכמניות</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>מלון</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>דובדבנים</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>אפרסק</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>מנגו</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>אננס</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>קוקוס</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>קיווי</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>עגבנייה</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>חציל</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>אבוקדו</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>ברוקולי</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>גזר</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>תירס</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>צ׳ילי</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>מלפפון</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>חסה</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>שום</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>בצל</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>תפוח אדמה</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>פלפל</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>אוכל</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>לחם</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>קרואסון</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>באגט</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>בייגלה</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>גבינה</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>ביצה</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>ביצת עין</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>פנקייק</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>וופל</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>המבורגר</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>צ׳יפס</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>פיצה</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>נקניקייה</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>כריך</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>טאקו</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>ספגטי</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>גלידה</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>סופגנייה</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>עוגייה</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>עוגת יום הולדת</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>פרוסת עוגה</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>קאפקייק</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>שוקולד</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>סוכרייה</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>סוכרייה על מקל</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>צנצנת דבש</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>כוס חלב</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>קופסת מיץ</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>משקה חם</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>פאי</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>צעצועים וספורט</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>כדורגל</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>בייסבול</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>כדורסל</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>כדורעף</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>פוטבול</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>כדור ראגבי</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>כדור טניס</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>צלחת מעופפת</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>באולינג</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>מחבט קריקט</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>מקל הוקי</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>טניס שולחן</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>בדמינטון</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>כפפת אגרוף</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>שער</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>דגל גולף</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>מחליק קרח</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>חכה</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>סקייטבורד</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>גלגיליות</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>מזחלת</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>אבן קרלינג</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>מגלשיים</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>עפיפון</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>יו־יו</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>דובון</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>בובות בבושקה</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>קובייה</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>חלק פאזל</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>שלט משחק</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>גביע</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>מדליית זהב</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>לוח חצים</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>בומרנג</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>מגלשה</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>מוזיקה</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>גיטרה</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>תוף</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>חצוצרה</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>סקסופון</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>כינור</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>אורגן</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>אקורדיון</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>תוף ארוך</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>מרקס</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>חליל</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>מיקרופון</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>אוזניות</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>רדיו</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>פעמון</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>תו</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>חלל</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>עב״ם</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>לוויין</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>כדור הארץ</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>כדור הארץ (אסיה)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>כוכב לכת עם טבעות</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>מולד ירח</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>פני הירח</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>ירח מחייך</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>שמש מחייכת</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>שמש</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>כוכב</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>כוכב זוהר</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>כוכב מסתחרר</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>שביט</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>כוכב נופל</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>טלסקופ</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>חייזר</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>מפלצת חלל</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>כדור הארץ (אמריקה)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>ירח מתמעט</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>חצי ירח</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>ירח כמעט מלא</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>מזג אוויר</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>ענן</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>שמש מאחורי ענן</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>ענן סערה</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>שמש ועננים</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>מעונן</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>שמש וגשם</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>ענן גשם</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>ענן שלג</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>ענן ברקים</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>טורנדו</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>ערפל</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>רוח</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>מערבולת</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>קשת בענן</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>מטרייה</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>מטרייה בגשם</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>ברק</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>פתית שלג</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>איש שלג בשלג</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>אש</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>טיפת גשם</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>גל</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>מדחום</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>קוביית קרח</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>אגדות</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>קוסם</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>פיה</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>ערפד</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>בת ים</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>שדון</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>ג׳יני</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>טרול</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>חד־קרן</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>דרקון</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>ראש של דרקון</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>דינוזאור</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>טי־רקס</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>רוח רפאים</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>ענק</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>רובוט</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>כתר</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>כדור בדולח</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>שרביט קסמים</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>נסיך</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>נסיכה</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>נינג׳ה</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>גיבור על</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>נבל</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>אבן חן</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>מפתח ישן</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>זומבי</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>מלאך</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>מגן</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>פגיון</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>קשת וחץ</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>עונות וחגים</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>דלעת מוארת</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>עץ חג המולד</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>סנטה קלאוס</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>גברת קלאוס</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>מתנה</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>בלון</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>מפוצץ קונפטי</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>כדור קונפטי</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>זיקוק</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>סרט</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>פעמוני רוח</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>דג מתנופף</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>בובות חג</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>פנס אדום</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>מנורת שמן</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>חנוכייה</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>מעטפה אדומה</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>כדור דיסקו</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>צעיף</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>כפפות</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>מעיל</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>מגף</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>כובע שמש</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>משקפי שמש</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>בגד ים</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>ביקיני</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>דגל לבן</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>דגל משובץ</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>עיר וכפר</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>רמזור</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>רמזור שוכב</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>תמרור עצור</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>עבודות בכביש</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>משאבת דלק</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>תחנת אוטובוס</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>שלט</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>גלגל</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>פח אשפה</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>כיסא</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>עגלת קניות</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>סל</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>דלת</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>חלון</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>מיטה</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>ספה</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>תיבת מכתבים</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>שעון</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>שעון מעורר</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>לבנים</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>גרזן</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>מצפן</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>מכוש</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>מפה</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>ילקוט</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>מזוודה</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>פנס</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>עוגן</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>גלגל הצלה</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>מזרקה</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>גלגל ענק</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>רכבת הרים</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>סוס קרוסלה</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>דואר ישן</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>רכבת במעלה ההר</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>עונות</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>ימי אביב וקיץ</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>בוקר אביבי</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>רוח של פריחה</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>ערב חמים</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>אחו אביבי</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>שדות קיץ</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>מטע פורח</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>עמק ירוק</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>גבעת פרגים</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>ימי סתיו וחורף</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>אחר צהריים סתווי</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>שמש חורף</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>שלג יורד</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>ערב קפוא</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>יער סתווי</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>גבעות הקציר</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>עצים חשופים</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>שדות מושלגים</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>בריכה קפואה</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>גשם, סערות, רוח וערפל</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>ענני גשם</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>סופת רעמים</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>יום של רוח</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>יום ערפילי</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>אחו רטוב</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>גבעות ירוקות</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>שדה בר ברוח</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>גבעות בערפל</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>לילה</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>ירח, כוכבים וחושך</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>גבעות חשוכות</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>עיר בלילה</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>אגם לאור הירח</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>כפר שקט</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>ערבים מאוחרים ולילות עמוקים</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>שקיעה סגולה</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>זריחת הירח</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>כחול של חצות</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>כוכבים נופלים</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>ליל פנסים</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>גבעת הטירה</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>חווה ישנה</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>נמל בלילה</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>שלג שקט</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>אורות העיר</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>שמש, חול וים</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>יום בחוף</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>שמש טרופית</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>בריזה ימית</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>שקיעה מעל הים</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>חוף מעונן</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>ים שקט</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>חוף סלעי</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>נמל</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>אי של דקלים</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>צוקים, גלים ומגדלורים</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>בוקר בהיר</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>שחפים ועננים</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>שעת הזהב</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>יום ים אפור</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>זריחה ורודה</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>צוקים לבנים</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>גלים גדולים</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>כף המגדלור</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>חוף צדפים</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>לגונה</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>מדבר</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>דיונות, קניונים וקקטוסים</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>שמש מדבר</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>צהריים חמים</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>שמיים מאובקים</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>שקיעה במדבר</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>לילה במדבר</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>מישור קקטוסים</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>נווה מדבר</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>מגדלי אבן</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>שלג</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>קרח, שלג והרים גבוהים</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>כחול צונן</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>לילה קוטבי</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>זריחה בהרים</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>סופת שלג</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>פסגות מושלגות</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>גושי קרח</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>מדרון סקי</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>מחנה איגלו</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>עיר</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>רחובות, פארקים וגגות</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>בוקר בעיר</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>אחר צהריים עמוס</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>עיר גשומה</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>שקיעה בעיר</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>שמיים עשנים</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>גגות</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>פארק</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>רחוב ראשי</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>גורדי שחקים</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>העיר העתיקה</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>כפר</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>חוות, שדות וכפרים</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>בוקר בחווה</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>יום קציר חציר</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>עננים בכפר</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>ערב במטע</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>שדות טלאים</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>כיכר הכפר</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>מטע</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>חווה ברוח</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>כוכבי לכת, ירחים וכוכבים</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>חלל עמוק</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>זריחת כדור הארץ</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>שני ירחים</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>ערפילית</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>מכתשי ירח</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>כוכב הלכת האדום</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>עולם של קרח</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>ג׳ונגל חייזרים</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>בסיס חלל</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ו%2</translation>
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
