<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>そら: %1。</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>じめんなし。</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>じめん: %1。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n こ</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>もの: %1。</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor のロゴ</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>プリンターをえらぶ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>え の パックをよみこむ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>とじる</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>こうか: %1。</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>じぶんの え をいれる</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>じぶんの え をいれる...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>え がかわりました。
ほぞんしますか？</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>まだほぞんしていない え</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor は %1 のへんこうをほぞんするまえにおわりました。
もとにもどしますか？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>もとにもどす</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>すてる</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
このフォルダーはありません。</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>ネイティブのひとのチェックまち</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>ファイルがみつかりません</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>このファイルはひらけません</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>よみかきのエラー %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>ビットマップがただしくありません</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG をつくれません</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>プリンターがえらばれていません</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>えらんだプリンターはつかえません</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME も HOME もせっていされていません</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>%1 ぎょうめが 1 MiB よりながいです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; はただしいせいすうではありません</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>もののかずがおかしいです: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>%1 のためのメモリがたりません</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>え をいんさつできませんでした: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>え のパック %1 をいれられません:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>ファイル %1 をひらけません: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 をひらけません</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>ファイル %1 をつくれません: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>パックがえらばれていません</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Veldor の え のパックをよみこむには:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Veldor の え のパックがはいった zip ファイルをダウンロードします。</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. パックをひらくか、パックのフォルダーにてんかいします</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. それから ひだりのパックのリストでえらびます。</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>え のパック</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>パックのなまえ:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>つくったひと:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>せつめい:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>とじる</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. パックをひらくか、%1 にてんかいします</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>いわのがけ</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>ちいさなやまなみ</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>もりのおか</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>むじんとう</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>まち</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>はいいろのくも</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>くろいくも</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>オレンジのゆうやけ</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>はれたあおぞら</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>くもりのひ</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>わっかのいわ</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>りんご</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>ききゅう</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>ききゅう</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>ゴルフボール</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>きいろいはな</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor チーム</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>ふゆとさばく</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>ゆき、すな、ほしのけしき。じぶんの え でためしてね。</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>ほしぞらのよる</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>さばくのおひる</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>ピンクのあさやけ</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>ゆきぐも</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>ゆきのおか</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>すなのおか</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>こおったみずうみ</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>あかいきょうこく</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>ふゆのむら</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>まつのき</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>こや</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>サボテン</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>ヨット</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>ゆきだるま</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>あき</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>きんいろのもり、みのりのはたけ、おおきなオレンジのつき。</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>きんいろのごご</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>きりのあさ</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>あきのあらし</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>みのりのつき</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>にじのあめ</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>かえでのおか</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>かぼちゃばたけ</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>しらかばのみずうみ</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>あかいなやのぼくじょう</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>ぶどうばたけ</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>かぼちゃ</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>かえでのは</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>きのこ</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>どんぐり</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>かかし</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>うみべ</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>なつのそらのしたの すなはま、がけ、みなと。</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>なつのおひる</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>みなみのしまのゆうやけ</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>うみのもや</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>あらしのうみ</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>パステルのゆうがた</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>すなはま</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>とうだいのあるがけ</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>ヤシのいりえ</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>みなとまち</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>いわのかいがん</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>とうだい</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>ビーチボール</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>カモメ</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>ヒトデ</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>ビーチパラソル</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>つきあかり</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>ねむっているだいちのうえの ほしいっぱいのよるのそら。</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>まんげつ</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>あまのがわ</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>たそがれ</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>りゅうせいぐん</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>ぎんいろのくも</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>つきよのおか</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>よるのまち</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>たきびのあるひろば</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>ねむっているむら</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>まつのもり</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>フクロウ</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>ランタン</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>ロケット</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>ろうそく</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>みかづき</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>まいすうをふやす</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>まいすうをへらす</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>このソフトについて</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>バージョン 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor のかいはつしゃ。
じゆうにつかって、わけあえます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>BMP でかきだす</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP をどのおおきさでかきだしますか？</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (ふつう)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (ひきのばし)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>ビットマップ (*.bmp);;PNG がぞう (*.png);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>BMP でかきだす (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>BMP でかきだす (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>けしき: え のパックをえらぶ</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>え</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>けしき</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>そら</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>もの</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>とくしゅこうか</translation>
    </message>
    <message>
        <source>New</source>
        <translation>あたらしく</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>いんさつ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ほぞん</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ひらく</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>BMP でかきだす</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>かきなおす</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>あたらしく(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>あたらしいファイルをつくる</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>ひらく(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>いまあるファイルをひらく</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>ほぞん(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>ファイルをほぞんする</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>なまえをつけてほぞん(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>あたらしいなまえでほぞんする</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>いんさつ(&amp;P)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>プリンターをえらぶ(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>BMP でかきだす(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>おわる(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>ソフトをおわる</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>へんしゅう(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>もとにもどす(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>さいごのへんこうをもとにもどす</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やりなおす(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>もどしたへんこうをやりなおす</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>クリップボードにコピーする</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>ツール(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>ぜんぶけす(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>ぜんぶもどす(&amp;U)</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>ぜんぶまえにだす(&amp;F)</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>ぜんぶじめんのうしろへ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>Veldor(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>けしき(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>そら(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>もの(&amp;O)</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>とくしゅこうか(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>ヘルプをみる</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>このソフトについて(&amp;A)...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>ソフトのじょうほうをみる</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>プリンターをえらぶ(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>じめん(&amp;G)</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>のこす</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>まえにだす</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>うごかす</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>おおきさをかえる</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>けす</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>じめんのうしろへ</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>けしきのまえへ</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>ものをけす</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>こうか</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>ぜんぶけす</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>ぜんぶもどす</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>ぜんぶまえにだす</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>ぜんぶじめんのうしろへ</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>もとにもどす(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やりなおす(&amp;R): %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor ファイル [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor ファイル (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>え のパックをいれています...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: ものをえらぶ。やじるしと Enter: おく、うごかす、おおきさをかえる。Esc: やめる。</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>ものをえらんで、え のうえで しかくをドラッグするか、やじるしキーと Enter をつかいます</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>ばしょ %1, %2、おおきさ %3×%4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1、%2。Enter でかえられます。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>やめました: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>さきに ものをおいてね (ドラッグ、または やじるしと Enter)。やめるなら Esc。</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>さきに「あたらしいもの」のまどに こたえてね。やめるなら Esc。</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>さきに「ものをかえる」のまどに こたえてね。やめるなら Esc。</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>さきに ものをおろしてね (クリック、または Enter)。やめるなら Esc。</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>さきに「ものをうごかす」のまどに こたえてね。やめるなら Esc。</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>さきに あたらしいおおきさをかいてね (ドラッグ、または やじるしと Enter)。やめるなら Esc。</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>さきに「おおきさをかえる」のまどに こたえてね。やめるなら Esc。</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 はまだできません: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: え のうえでドラッグするか、そこで やじるしキーをおしてね。</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>え: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>ものをもっと</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>さがす(&amp;F):</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>なまえをいれてね。たとえば ねこ、バス</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>なまえで ものをさがす</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>しゅるい</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>もの</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>とじる</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>そのほかのもの</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>パックのフォルダーに ものの え のパックがありません。</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>「%1」というものは ありません。</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>もの 1 こ</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>もの %1 こ</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>もの: え のパックをえらぶ</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>ものをえらんでください</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>ものをもっと...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>いんさつ</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>ちがうプリンターをえらぶには &apos;プリンターをえらぶ&apos; をおしてね</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Veldor がいんさつするまいすう:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>プリンターをえらぶ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>とじる</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>まいすう</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>ファイルにいんさつ</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF ファイル (*.pdf);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>そら: え のパックをえらぶ</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>まってね、かいています...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>とくしゅこうか</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>こうかにはすこしじかんがかかります。</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>ちゅうい: え をかきなおすと こうかはきえます。</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>とくしゅこうかは けしきができてからつかってね。そうすれば</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>こうかががめんにあるうちに え をほぞんしたり いんさつしたりできます。</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>つかうこうか:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>ふちをなめらかに</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>いろをはんてん (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>はんてんのせってい</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>いろをつける</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>いろのせってい...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>あかるさ</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>くらく</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>あかるく</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>こうかをつける</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>とじる</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>こうかをつけています...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor のヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプのぶんしょう</translation>
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
        <translation>はじめてみよう
-=-=-=-=-=-=-

この みじかいせつめいで、Veldor ではじめての え をつくってみよう。

ステップ 1: そらをえらぶ

ツールバーの ひだりから 2 ばんめのボタン、そらのアイコンをクリックします。そらのまどがひらきます。そらを ひとつクリックします。はじめは &apos;くろいくも&apos; がおすすめです。あたらしいそらで え がかきなおされます。かきおわったら、そらのまどをとじます。

ステップ 2: けしきをえらぶ

ツールバーの 1 ばんめのボタン、けしきのアイコンをクリックして、けしきをえらびます。&apos;むじんとう&apos; をためしてみよう。けしきは そらのうえにかかれ、そらのひかりで いろがつきます。

ステップ 3: ものをおいて、かえる

ひだりから 3 ばんめのボタン、もののアイコンをクリックして、&apos;ききゅう&apos; をえらびます。まどがとじます。

ききゅうをおきたいところで マウスのボタンをおして、おしたまま みぎしたへドラッグします。ドラッグしたしかくが ききゅうのおおきさになります。

ボタンをはなすと ききゅうがかかれて、ちいさなまどが のこすかどうかききます:
   &apos;おおきさをかえる&apos; は え をかきなおして、まえとおなじように ききゅうのしかくを もういちどドラッグできるようにします。
   &apos;のこさない&apos; は あたらしいものをとりけします。
   &apos;のこす&apos; は え のなかにのこします。

あとで ものをクリックすると、うごかしたり、おおきさをかえたり、けしたり、じめんのうしろへおいたりできます。

キーボードでつかう:
   え に てんてんのわくが でるまで Tab をおします。ものをえらんだら、やじるしキーをおします: しかくが おくばしょをみせます。やじるしキーでうごかし (Shift といっしょだと 10 ずつ)、Ctrl とやじるしキーで おおきくしたり ちいさくしたりします。Enter でそこにおき、Esc でやめます。
   なにもえらんでいないときは、Tab と Shift+Tab で え のなかのものを ひとつずつ うつります。Enter をおすと、クリックしたときとおなじように そのもののまどがひらきます。
   &apos;うごかす&apos; や &apos;おおきさをかえる&apos; のあとは、やじるしキーで わくをうごかしたり おおきさをかえたりして、Enter でおわります。Esc は &apos;やめる&apos; ボタンとおなじように、かえるのをやめます。

ステップ 4: え をしあげる

   ふちをなめらかに:
   ものやけしきの ギザギザのふちを なめらかにします。ひだりから 4 ばんめの こうかのアイコンをクリックします。&apos;ふちをなめらかに&apos; のはこだけにしるしをつけて、&apos;こうかをつける&apos; をクリックします。

   BMP でほぞん:
   みぎから 2 ばんめのボタン、かきだしのアイコンをクリックします。え のおおきさをえらぶまどがひらきます。そのあと いつものほぞんのまどが ファイルのなまえをききます。

ボタンのせつめい
-=-=-=-=-=-=-=-

(アイコンを ひだりから みぎへ。)

けしき: けしきをえらぶ。
そら: そらをえらぶ。
もの: ものをおく。
こうか: え にこうかをつける。
------------------------------
あたらしく: あたらしい え をはじめる。
いんさつ: え をいんさつする (ほかのせっていもあります)。
ほぞん: え を .VDR ファイルにほぞんする。
ひらく: .VDR ファイルをひらく。
BMP ほぞん: え を .BMP ファイルにほぞんする。
------------------------------
かきなおす: え を もういちどかく。

え を みぎクリックすると、すべてのコマンドがあるメニューがでます。
ツールメニューで すべてのものを いっぺんに けしたり、もどしたり、うごかしたりできます。
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>けしきをえらんでください</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>けしきなし</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>ものをうごかす</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>いま ものをうごかしました。どうしますか？</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>これでいい</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>もういちどうごかす</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>うごかすのをやめる</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>あたらしい え</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>あたらしい え をはじめますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>これは Veldor のファイルではありません</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>つづける</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>ものをかえる</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>えらんだもの:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>どうしますか？</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>けす</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>うごかす</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>おおきさをかえる</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>まえにだす</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>やめる</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>じめんのうしろへ</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>あたらしいもの</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>あたらしいものをえらびました。どうしますか？</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>のこす</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>おおきさをかえる</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>のこさない</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>ものをかえる</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>けしきのうしろにあるものをえらびました。</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>このものをどうしますか:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>ものをけしきのまえへだす</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>ものをけす</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>やめる</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>おおきさをかえる</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>いま ものの おおきさをかえました。どうしますか？</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>これでいい</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>もういちどかえる</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>おおきさをかえるのをやめる</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>そらをえらんでください</translation>
    </message>
</context>
</TS>
