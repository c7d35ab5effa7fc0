<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="zh_TW">
<context>
    <name>QColorDialog</name>
    <message>
        <source>Pick Screen Color</source>
        <translation>擷取螢幕顏色</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>游標在 %1, %2 位置，顏色：%3
按下 ESC 取消</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>別名</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;無法使用名稱「%1」。&lt;/b&gt;&lt;p&gt;請改用字元較少或不含標點符號的名稱。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 位元組</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt 是用於跨平台應用程式開發的 C++ 工具套件。&lt;/p&gt;&lt;p&gt;Qt 讓同一份原始碼可在所有主要桌面作業系統上執行，也可用於嵌入式 Linux 及其他嵌入式與行動作業系統。&lt;/p&gt;&lt;p&gt;Qt 提供三種不同的授權方式，以符合各類使用者的需求。&lt;/p&gt;&lt;p&gt;以我們的商業授權合約授權的 Qt，適合開發專有/商業軟體：您不想與第三方分享任何原始碼，或無法遵守 GNU LGPL 第 3 版 的條款。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 3 版 授權的 Qt 適合開發 Qt&amp;nbsp;應用程式，前提是您能遵守 GNU LGPL 第 3 版 的條款與條件。&lt;/p&gt;&lt;p&gt;Qt 授權概覽請參閱 &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;。&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd 及其他貢獻者。&lt;/p&gt;&lt;p&gt;Qt 與 Qt 標誌是 The Qt Company Ltd 的商標。&lt;/p&gt;&lt;p&gt;Qt 是 The Qt Company Ltd 以開放原始碼專案開發的產品。詳情請參閱 &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt 是用於跨平台應用程式開發的 C++ 工具套件。&lt;/p&gt;&lt;p&gt;Qt 讓同一份原始碼可在所有主要桌面作業系統上執行，也可用於嵌入式 Linux 及其他嵌入式與行動作業系統。&lt;/p&gt;&lt;p&gt;Qt 提供多種授權方式，以符合各類使用者的需求。&lt;/p&gt;&lt;p&gt;以我們的商業授權合約授權的 Qt，適合開發專有/商業軟體：您不想與第三方分享任何原始碼，或無法遵守 GNU (L)GPL 的條款。&lt;/p&gt;&lt;p&gt;以 GNU (L)GPL 授權的 Qt 適合開發 Qt&amp;nbsp;應用程式，前提是您能遵守 各相關授權 的條款與條件。&lt;/p&gt;&lt;p&gt;Qt 授權概覽請參閱 &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;。&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd 及其他貢獻者。&lt;/p&gt;&lt;p&gt;Qt 與 Qt 標誌是 The Qt Company Ltd 的商標。&lt;/p&gt;&lt;p&gt;Qt 是 The Qt Company Ltd 以開放原始碼專案開發的產品。詳情請參閱 &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt 是用於跨平台應用程式開發的 C++ 工具套件。&lt;/p&gt;&lt;p&gt;Qt 讓同一份原始碼可在所有主要桌面作業系統上執行，也可用於嵌入式 Linux 及其他嵌入式與行動作業系統。&lt;/p&gt;&lt;p&gt;Qt 提供三種不同的授權方式，以符合各類使用者的需求。&lt;/p&gt;&lt;p&gt;以我們的商業授權合約授權的 Qt，適合開發專有/商業軟體：您不想與第三方分享任何原始碼，或無法遵守 GNU LGPL 第 2.1 版或 GNU GPL 第 3.0 版 的條款。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 2.1 版 授權的 Qt 適合開發 Qt 應用程式，前提是您能遵守 GNU LGPL 第 2.1 版 的條款與條件。&lt;/p&gt;&lt;p&gt;以 GNU General Public License 第 3.0 版授權的 Qt，適合開發要與受 GNU GPL 第 3.0 版條款約束之軟體一同使用的 Qt 應用程式，或您願意遵守 GNU GPL 第 3.0 版條款的情況。&lt;/p&gt;&lt;p&gt;Qt 授權概覽請參閱 &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt;。&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd 及其他貢獻者。&lt;/p&gt;&lt;p&gt;Qt 與 Qt 標誌是 Digia Plc 及/或其子公司 的商標。&lt;/p&gt;&lt;p&gt;Qt 在 &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt; 以開放原始碼專案開發。&lt;/p&gt;&lt;p&gt;Qt 是 Digia 的產品。詳情請參閱 &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt 是用於跨平台應用程式開發的 C++ 工具套件。&lt;/p&gt;&lt;p&gt;Qt 讓同一份原始碼可在所有主要桌面作業系統上執行，也可用於嵌入式 Linux 及其他嵌入式與行動作業系統。&lt;/p&gt;&lt;p&gt;Qt 提供三種不同的授權方式，以符合各類使用者的需求。&lt;/p&gt;&lt;p&gt;以我們的商業授權合約授權的 Qt，適合開發專有/商業軟體：您不想與第三方分享任何原始碼，或無法遵守 GNU LGPL 第 3 版或 GNU LGPL 第 2.1 版 的條款。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 3 版 授權的 Qt 適合開發 Qt&amp;nbsp;應用程式，前提是您能遵守 GNU LGPL 第 3 版 的條款與條件。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 2.1 版 授權的 Qt 適合開發 Qt&amp;nbsp;應用程式，前提是您能遵守 GNU LGPL 第 2.1 版 的條款與條件。&lt;/p&gt;&lt;p&gt;Qt 授權概覽請參閱 &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;。&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd 及其他貢獻者。&lt;/p&gt;&lt;p&gt;Qt 與 Qt 標誌是 The Qt Company Ltd 的商標。&lt;/p&gt;&lt;p&gt;Qt 是 The Qt Company Ltd 以開放原始碼專案開發的產品。詳情請參閱 &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt 是用於跨平台應用程式開發的 C++ 工具套件。&lt;/p&gt;&lt;p&gt;Qt 讓同一份原始碼可在所有主要桌面作業系統上執行，也可用於嵌入式 Linux 及其他嵌入式與行動作業系統。&lt;/p&gt;&lt;p&gt;Qt 提供三種不同的授權方式，以符合各類使用者的需求。&lt;/p&gt;&lt;p&gt;以我們的商業授權合約授權的 Qt，適合開發專有/商業軟體：您不想與第三方分享任何原始碼，或無法遵守 GNU LGPL 第 3 版或 GNU LGPL 第 2.1 版 的條款。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 3 版 授權的 Qt 適合開發 Qt 應用程式，前提是您能遵守 GNU LGPL 第 3 版 的條款與條件。&lt;/p&gt;&lt;p&gt;以 GNU LGPL 第 2.1 版 授權的 Qt 適合開發 Qt 應用程式，前提是您能遵守 GNU LGPL 第 2.1 版 的條款與條件。&lt;/p&gt;&lt;p&gt;Qt 授權概覽請參閱 &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;。&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc 及/或其子公司 及其他貢獻者。&lt;/p&gt;&lt;p&gt;Qt 與 Qt 標誌是 Digia Plc 及/或其子公司 的商標。&lt;/p&gt;&lt;p&gt;Qt 是 Digia 以開放原始碼專案開發的產品。詳情請參閱 &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Centimeters (cm)</source>
        <translation>公分 (cm)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
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
        <translation>Letter 小型</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>信封型 You 4</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K 大型</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>邀請函信封</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>信封型 Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>信封型 Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>德國連續報表紙 (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>信封型 Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>信封型 Kaku 3</translation>
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
        <translation>美國連續報表紙 (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>德國連續報表紙 Legal (8.5 x 13 in)</translation>
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
        <translation>義大利信封</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
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
        <translation>自訂</translation>
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
        <translation>美國標準 10 號信封</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>短邊裝訂</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>雙面列印</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>長邊裝訂</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI 彈出方向隔離</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI 第一個強字元隔離</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>別名</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>磁碟機</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>檔案資料夾</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>捷徑</translation>
    </message>
</context>
</TS>
