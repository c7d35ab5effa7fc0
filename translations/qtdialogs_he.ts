<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="he_IL">
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>בחירת צבע מהמסך</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>הסמן במיקום ‎%1, %2, צבע: %3
יש להקיש ESC לביטול</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>כינוי</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;אין אפשרות להשתמש בשם &quot;%1&quot;.&lt;/b&gt;&lt;p&gt;נסה שם אחר, עם פחות תווים או בלי סימני פיסוק.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt היא ערכת כלים ב־C++ לפיתוח יישומים בין־פלטפורמיים.&lt;/p&gt;&lt;p&gt;עם Qt אותו קוד מקור רץ בכל מערכות ההפעלה העיקריות למחשבים שולחניים. היא זמינה גם ל־Linux משובץ ולמערכות הפעלה משובצות וניידות אחרות.&lt;/p&gt;&lt;p&gt;Qt זמינה במספר אפשרויות רישוי, המותאמות לצורכי המשתמשים השונים שלנו.&lt;/p&gt;&lt;p&gt;Qt ברישיון המסחרי שלנו מתאימה לפיתוח תוכנה קניינית/מסחרית, כאשר אין ברצונך לשתף קוד מקור עם צד שלישי או שאין ביכולתך לעמוד בתנאי GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU (L)GPL מתאימה לפיתוח יישומי&amp;nbsp;Qt, בתנאי שביכולתך לעמוד בתנאים של הרישיונות המתאימים.&lt;/p&gt;&lt;p&gt;סקירה של רישוי Qt זמינה ב־&lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd ותורמים נוספים.&lt;/p&gt;&lt;p&gt;Qt והסמליל של Qt הם סימנים מסחריים של The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt היא מוצר של The Qt Company Ltd המפותח כמיזם קוד פתוח. מידע נוסף ב־&lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt היא ערכת כלים ב־C++ לפיתוח יישומים בין־פלטפורמיים.&lt;/p&gt;&lt;p&gt;עם Qt אותו קוד מקור רץ בכל מערכות ההפעלה העיקריות למחשבים שולחניים. היא זמינה גם ל־Linux משובץ ולמערכות הפעלה משובצות וניידות אחרות.&lt;/p&gt;&lt;p&gt;Qt זמינה בשלוש אפשרויות רישוי שונות, המותאמות לצורכי המשתמשים השונים שלנו.&lt;/p&gt;&lt;p&gt;Qt ברישיון המסחרי שלנו מתאימה לפיתוח תוכנה קניינית/מסחרית, כאשר אין ברצונך לשתף קוד מקור עם צד שלישי או שאין ביכולתך לעמוד בתנאי GNU LGPL גרסה 2.1 או GNU GPL גרסה 3.0.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU LGPL גרסה 2.1 מתאימה לפיתוח יישומי Qt, בתנאי שביכולתך לעמוד בתנאים של GNU LGPL גרסה 2.1.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU General Public License גרסה 3.0 מתאימה לפיתוח יישומי Qt שברצונך להשתמש בהם יחד עם תוכנה הכפופה לתנאי GNU GPL גרסה 3.0, או כאשר ביכולתך לעמוד בתנאי GNU GPL גרסה 3.0.&lt;/p&gt;&lt;p&gt;סקירה של רישוי Qt זמינה ב־&lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd ותורמים נוספים.&lt;/p&gt;&lt;p&gt;Qt והסמליל של Qt הם סימנים מסחריים של Digia Plc ו/או חברות הבת שלה.&lt;/p&gt;&lt;p&gt;Qt מפותחת כמיזם קוד פתוח ב־&lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt היא מוצר של Digia. מידע נוסף ב־&lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt היא ערכת כלים ב־C++ לפיתוח יישומים בין־פלטפורמיים.&lt;/p&gt;&lt;p&gt;עם Qt אותו קוד מקור רץ בכל מערכות ההפעלה העיקריות למחשבים שולחניים. היא זמינה גם ל־Linux משובץ ולמערכות הפעלה משובצות וניידות אחרות.&lt;/p&gt;&lt;p&gt;Qt זמינה בשלוש אפשרויות רישוי שונות, המותאמות לצורכי המשתמשים השונים שלנו.&lt;/p&gt;&lt;p&gt;Qt ברישיון המסחרי שלנו מתאימה לפיתוח תוכנה קניינית/מסחרית, כאשר אין ברצונך לשתף קוד מקור עם צד שלישי או שאין ביכולתך לעמוד בתנאי GNU LGPL גרסה 3 או GNU LGPL גרסה 2.1.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU LGPL גרסה 3 מתאימה לפיתוח יישומי&amp;nbsp;Qt, בתנאי שביכולתך לעמוד בתנאים של GNU LGPL גרסה 3.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU LGPL גרסה 2.1 מתאימה לפיתוח יישומי&amp;nbsp;Qt, בתנאי שביכולתך לעמוד בתנאים של GNU LGPL גרסה 2.1.&lt;/p&gt;&lt;p&gt;סקירה של רישוי Qt זמינה ב־&lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd ותורמים נוספים.&lt;/p&gt;&lt;p&gt;Qt והסמליל של Qt הם סימנים מסחריים של The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt היא מוצר של The Qt Company Ltd המפותח כמיזם קוד פתוח. מידע נוסף ב־&lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt היא ערכת כלים ב־C++ לפיתוח יישומים בין־פלטפורמיים.&lt;/p&gt;&lt;p&gt;עם Qt אותו קוד מקור רץ בכל מערכות ההפעלה העיקריות למחשבים שולחניים. היא זמינה גם ל־Linux משובץ ולמערכות הפעלה משובצות וניידות אחרות.&lt;/p&gt;&lt;p&gt;Qt זמינה בשלוש אפשרויות רישוי שונות, המותאמות לצורכי המשתמשים השונים שלנו.&lt;/p&gt;&lt;p&gt;Qt ברישיון המסחרי שלנו מתאימה לפיתוח תוכנה קניינית/מסחרית, כאשר אין ברצונך לשתף קוד מקור עם צד שלישי או שאין ביכולתך לעמוד בתנאי GNU LGPL גרסה 3 או GNU LGPL גרסה 2.1.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU LGPL גרסה 3 מתאימה לפיתוח יישומי Qt, בתנאי שביכולתך לעמוד בתנאים של GNU LGPL גרסה 3.&lt;/p&gt;&lt;p&gt;Qt ברישיון GNU LGPL גרסה 2.1 מתאימה לפיתוח יישומי Qt, בתנאי שביכולתך לעמוד בתנאים של GNU LGPL גרסה 2.1.&lt;/p&gt;&lt;p&gt;סקירה של רישוי Qt זמינה ב־&lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc ו/או חברות הבת שלה ותורמים נוספים.&lt;/p&gt;&lt;p&gt;Qt והסמליל של Qt הם סימנים מסחריים של Digia Plc ו/או חברות הבת שלה.&lt;/p&gt;&lt;p&gt;Qt היא מוצר של Digia המפותח כמיזם קוד פתוח. מידע נוסף ב־&lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Centimeters (cm)</source>
        <translation>סנטימטרים (ס״מ)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>מעטפה Monarch</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter קטן</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>מעטפה You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>מעטפה US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>מעטפה US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>מעטפה US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>מעטפה US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>מעטפה PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>מעטפה PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>מעטפה PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>מעטפה PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>מעטפה PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>מעטפה PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>מעטפה PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>מעטפה PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>מעטפה PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>מעטפה C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>מעטפה DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>מעטפה B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>מעטפה B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>מעטפה B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>מעטפה C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>מעטפה C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>מעטפה C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>מעטפה C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>מעטפה C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>מעטפה C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>מעטפה C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>מעטפה C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 אינץ׳)</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K גדול</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 קטן</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 אינץ׳)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>גלויה</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>מעטפת הזמנה</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>מעטפה Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>מעטפה Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>נייר רציף גרמני (8.5 x 12 אינץ׳)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>מעטפה PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>מעטפה Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>מעטפה Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>מעטפה US 9</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>נייר רציף אמריקאי (14.875 x 11 אינץ׳)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>נייר רציף גרמני Legal (8.5 x 13 אינץ׳)</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>מעטפה איטלקית</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>גלויה כפולה</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 אינץ׳)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>מעטפה אישית</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>יש סתירות בהגדרות ההדפסה הדו־צדדית. לתקן אותן?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>הגדרת עמודים לא תקינה</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 אינו בתחביר הנכון. יש להשתמש ב־&apos;,&apos; להפרדת טווחים ועמודים, ב־&apos;-&apos; להגדרת טווחים, ולוודא שהטווחים אינם חופפים.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>סתירות בהגדרות הדפסה דו־צדדית</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>C5E</source>
        <translation>C5E</translation>
    </message>
    <message>
        <source>DLE</source>
        <translation>DLE</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Folio</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>מותאם</translation>
    </message>
    <message>
        <source>Ledger</source>
        <translation>Ledger</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>US Common #10 Envelope</source>
        <translation>מעטפה US Common #10</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>סתירות באפשרויות מתקדמות</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>סתירות בהגדרות העמוד</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>יש סתירות בחלק מהאפשרויות המתקדמות. לתקן אותן?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>יש סתירות באפשרויות הגדרת העמוד. לתקן אותן?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>יש סתירות בחלק מהאפשרויות. נא לתקן אותן.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>מתקדם</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>עמודים</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>כריכה בצד הקצר</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>יש לציין עמודים או טווחים מופרדים בפסיקים. טווח מצוין בשני מספרים המופרדים במקף. לדוגמה: 3,5-7,9 מדפיס את העמודים 3, 5, 6, 7 ו־9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>הדפסה דו־צדדית</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>כריכה בצד הארוך</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE תחילת הטבעה מימין לשמאל</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP רווח ברוחב אפס</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI בידוד משמאל לימין</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO תחילת עקיפה משמאל לימין</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE תחילת הטבעה משמאל לימין</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI בידוד מימין לשמאל</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM סימן מימין לשמאל</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF סיום עיצוב כיווני</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ מפריד ברוחב אפס</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO תחילת עקיפה מימין לשמאל</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI סיום בידוד כיווני</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ מחבר ברוחב אפס</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM סימן משמאל לימין</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI בידוד לפי התו החזק הראשון</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>כינוי</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>כונן</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>תיקיית קבצים</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>תיקייה</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>לא ידוע</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>קיצור דרך</translation>
    </message>
</context>
</TS>
