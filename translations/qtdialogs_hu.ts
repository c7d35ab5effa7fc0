<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="hu_HU">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Álnév</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Meghajtó</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fájlmappa</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ismeretlen</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Parancsikon</translation>
    </message>
</context>
</TS>
