<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="ar">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>اسم مستعار</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>محرك أقراص</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>مجلد ملفات</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>اختصار</translation>
    </message>
</context>
</TS>
