<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="cs_CZ">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Složka souborů</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámý</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Zástupce</translation>
    </message>
</context>
</TS>
