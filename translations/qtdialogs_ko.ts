<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs that Debian's qtbase translation of this language lacks; Debian's, where it has a text, comes first. -->
<TS version="2.1" language="ko_KR">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>별칭</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>드라이브</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>파일 폴더</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>바로 가기</translation>
    </message>
</context>
</TS>
