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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google の Noto Emoji（SIL Open Font License）を Veldor のために たいらにしたもの</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor をつくったひとたち</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>のうじょうのどうぶつ</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>ウシ</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>ブタ</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ヒツジ</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>ヤギ</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>おんどり</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>めんどり</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>ひよこ</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>アヒル</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>ウマ</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>おうし</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>スイギュウ</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>シチメンチョウ</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>おひつじ</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>ロバ</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>ウサギ</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>ウシのかお</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>ブタのかお</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>ウマのかお</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>ガチョウ</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>リャマ</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>もりのどうぶつ</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>キツネ</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>クマ</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>シカ</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>シマリス</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>ハリネズミ</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>アナグマ</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>オオカミ</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>アライグマ</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>ビーバー</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>イノシシ</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>スカンク</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>ヘラジカ</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>コウモリ</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>カエル</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>カタツムリ</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>いもむし</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>チョウチョ</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>ミツバチ</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>テントウムシ</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>ワシ</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>ことり</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>アリ</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>クモ</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>コオロギ</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>うみのどうぶつ</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>しおをふくクジラ</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>クジラ</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>イルカ</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>さかな</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>ねったいぎょ</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>フグ</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>サメ</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>タコ</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>イカ</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>カニ</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>ロブスター</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>エビ</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>かいがら</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>アザラシ</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>ウミガメ</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>クラゲ</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>ペンギン</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>ラッコ</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>サンゴ</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>カキ</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>ジャングルのどうぶつ</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>サル</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>ゴリラ</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>オランウータン</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>ゾウ</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>ライオン</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>トラのかお</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>トラ</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>ヒョウ</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>シマウマ</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>キリン</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>カバ</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>サイ</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>ワニ</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ヘビ</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>オウム</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>フラミンゴ</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>ナマケモノ</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>ラクダ</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>ふたこぶラクダ</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>カンガルー</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>コアラ</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>パンダ</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>トカゲ</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>クジャク</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>サルのかお</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>ネコ</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>イヌ</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>プードル</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>こいぬ</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>こねこ</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>ハムスター</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>ネズミのかお</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>ネズミ</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>うさちゃん</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>もうどうけん</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>あしあと</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>ほね</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>ひよこ</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>うまれるひよこ</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>たまごのあるとりのす</translation>
    </message>
    <message>
        <source>People</source>
        <translation>いろいろなひと</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>あかちゃん</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>こども</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>おとこのこ</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>おんなのこ</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>ひと</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>おとこのひと</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>おんなのひと</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>おとしより</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>おじいちゃん</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>おばあちゃん</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>きんぱつのひと</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>ひげのおとこのひと</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>かぞく</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>てをつなぐ</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>ふたりのともだち</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>あるく</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>はしる</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>おどるひと</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>おどるおとこのひと</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>たっているひと</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>てをふる</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>てをあげる</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>にこにこがお</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>かっこいいかお</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>ハグするかお</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>しごととどうぐ</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>おまわりさん</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>こうじのひと</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>へいたいさん</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>たんてい</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>はなよめ</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>スーツのひと</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>ちょうしんき</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>スパナ</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>かなづち</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>のこぎり</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>ふで</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>ポスト</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>てがみ</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>しょうかき</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>ほうき</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>きゅうじょのヘルメット</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>そつぎょうのぼうし</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>けんびきょう</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>ほん</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>えんぴつ</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>クレヨン</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>じょうぎ</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>しけんかん</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>かばん</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>どうぐばこ</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>はしご</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>バケツ</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>じしゃく</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>でんきゅう</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>のりもの</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>くるま</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>タクシー</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>ジープ</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>バス</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>トロリーバス</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>レーシングカー</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>パトカー</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>きゅうきゅうしゃ</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>しょうぼうしゃ</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>ミニバス</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>ピックアップトラック</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>はいたつトラック</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>おおきなトラック</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>トラクター</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>スクーター</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>オートバイ</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>じてんしゃ</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>キックボード</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>きかんしゃ</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>でんしゃ</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>ちかてつ</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>ろめんでんしゃ</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>モノレール</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>ヘリコプター</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>ひこうき</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>ちいさなひこうき</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>スピードボート</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>モーターボート</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>ふね</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>フェリー</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>カヌー</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>ロープウェイ</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>やまのゴンドラ</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>オートリキシャ</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>たてもの</translation>
    </message>
    <message>
        <source>House</source>
        <translation>いえ</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>にわのあるいえ</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>ならんだいえ</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>ビル</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>ゆうびんきょく</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>びょういん</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>ぎんこう</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>ホテル</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>コンビニ</translation>
    </message>
    <message>
        <source>School</source>
        <translation>がっこう</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>デパート</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>こうじょう</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>にほんのおしろ</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>おしろ</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>チャペル</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>タワー</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>じゆうのめがみ</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>きょうかい</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>モスク</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>おてら</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>シナゴーグ</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>じんじゃ</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>はくぶつかん</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>クレーン</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>こや</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>テント</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>ふるいいえ</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>サーカスのテント</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>スタジアム</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>モアイ</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>しょくぶつと き</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>き</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>もみのき</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>ヤシのき</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>ふたば</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>ハーブ</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>クローバー</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>よつばのクローバー</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>おちば</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>かぜにまうはっぱ</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>いなほ</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>チューリップ</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>バラ</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>かれたはな</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>ハイビスカス</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>さくら</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>ちいさなはな</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>ひまわり</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>はなたば</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>はちうえ</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>あかいきのこ</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>まるた</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>はす</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>ヒヤシンス</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>くり</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>たなばたのささ</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>かどまつ</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>とりのす</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>いわ</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>くだものとやさい</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>あおりんご</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>レモン</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>バナナ</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>すいか</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>ぶどう</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>いちご</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>ブルーベリー</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>メロン</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>さくらんぼ</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>もも</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>マンゴー</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>パイナップル</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>ココナッツ</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>キウイ</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>トマト</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>なす</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>アボカド</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>ブロッコリー</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>にんじん</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>とうもろこし</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>とうがらし</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>きゅうり</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>レタス</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>にんにく</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>たまねぎ</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>じゃがいも</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>ピーマン</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>たべもの</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>パン</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>クロワッサン</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>フランスパン</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>プレッツェル</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>チーズ</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>たまご</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>めだまやき</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>パンケーキ</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>ワッフル</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>ハンバーガー</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>フライドポテト</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>ピザ</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>ホットドッグ</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>サンドイッチ</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>タコス</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>スパゲッティ</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>アイスクリーム</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>ドーナツ</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>クッキー</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>バースデーケーキ</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>ケーキ</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>カップケーキ</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>チョコレート</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>キャンディ</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>ぺろぺろキャンディ</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>はちみつのつぼ</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>ぎゅうにゅう</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>ジュースのパック</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>あたたかいのみもの</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>パイ</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>おもちゃとスポーツ</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>サッカーボール</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>やきゅうのボール</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>バスケットボール</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>バレーボール</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>アメフトのボール</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>ラグビーボール</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>テニスボール</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>フリスビー</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>ボウリング</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>クリケットのバット</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>ホッケーのスティック</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>たっきゅう</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>バドミントン</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>ボクシンググローブ</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>ゴール</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>ゴルフのはた</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>スケートぐつ</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>つりざお</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>スケートボード</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>ローラースケート</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>そり</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>カーリングのいし</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>スキー</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>たこ</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>ヨーヨー</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>テディベア</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>マトリョーシカ</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>パズルのピース</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>ゲームコントローラー</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>トロフィー</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>きんメダル</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>まと</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>ブーメラン</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>すべりだい</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>おんがく</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>ギター</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>たいこ</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>サックス</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>バイオリン</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>ピアノ</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>アコーディオン</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>ながいたいこ</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>マラカス</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>ふえ</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>ヘッドホン</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>ラジオ</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>おんぷ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>うちゅう</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>UFO</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>じんこうえいせい</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>ちきゅう</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>ちきゅう（アジア）</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>わのあるわくせい</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>しんげつ</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>つきのかお</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>にこにこのつき</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>にこにこのたいよう</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>たいよう</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>ほし</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>きらきらぼし</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>くるくるぼし</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>すいせい</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>ながれぼし</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>ぼうえんきょう</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>うちゅうじん</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>ゲームのかいじゅう</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>ちきゅう（アメリカ）</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>かけていくつき</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>はんげつ</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>ふくらんだつき</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>てんき</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>くも</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>くものうしろのたいよう</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>かみなりとあめ</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>はれときどきくも</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>くもり</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>おひさまとあめ</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>あまぐも</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>ゆきのくも</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>かみなりぐも</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>たつまき</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>きり</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>かぜ</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>うずまき</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>にじ</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>かさ</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>あめとかさ</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>いなずま</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>ゆきのけっしょう</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>ゆきのなかのゆきだるま</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>ほのお</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>しずく</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>なみ</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>おんどけい</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>こおり</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>ファンタジー</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>まほうつかい</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>ようせい</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>きゅうけつき</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>にんぎょ</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>エルフ</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>ランプのせい</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>トロール</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>ユニコーン</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>ドラゴン</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>ドラゴンのかお</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>くびながりゅう</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>ティラノサウルス</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>おばけ</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>おに</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>ロボット</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>おうかん</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>すいしょうだま</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>まほうのつえ</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>おうじさま</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>おひめさま</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>にんじゃ</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>スーパーヒーロー</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>わるもの</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>ほうせき</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>ふるいかぎ</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>ゾンビ</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>てんし</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>たて</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>みじかいけん</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>ゆみとや</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>きせつとぎょうじ</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>かぼちゃのランタン</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>クリスマスツリー</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>サンタクロース</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>ミセスサンタ</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>プレゼント</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>ふうせん</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>クラッカー</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>くすだま</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>ばくちく</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>リボン</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>ふうりん</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>こいのぼり</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>ひなにんぎょう</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>ちょうちん</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>オイルランプ</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>メノーラー</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>あかいふうとう</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>ミラーボール</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>マフラー</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>てぶくろ</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>コート</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>ブーツ</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>むぎわらぼうし</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>サングラス</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>みずぎ</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>ビキニ</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>しろいはた</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>チェッカーフラッグ</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>まちといなか</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>しんごう</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>よこむきのしんごう</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>とまれのひょうしき</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>こうじちゅう</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>ガソリンスタンド</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>バスてい</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>かんばん</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>タイヤ</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>ごみばこ</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>いす</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>ショッピングカート</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>かご</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>ドア</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>まど</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>ベッド</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>ソファ</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>ゆうびんうけ</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>おきどけい</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>めざましどけい</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>れんが</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>おの</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>ほういじしん</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>つるはし</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>ちず</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>ランドセル</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>スーツケース</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>かいちゅうでんとう</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>いかり</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>うきわ</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>ふんすい</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>かんらんしゃ</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>ジェットコースター</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>メリーゴーランド</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>ふるいゆうびんきょく</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>やまのでんしゃ</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>きせつ</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>はるとなつのひ</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>はるのあさ</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>はなのそよかぜ</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>あたたかいゆうがた</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>はるのはらっぱ</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>なつのはたけ</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>はなのさくかじゅえん</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>みどりのたに</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>ポピーのおか</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>あきとふゆのひ</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>あきのごご</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>ふゆのたいよう</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>ゆきがふる</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>さむいゆうがた</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>あきのもり</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>みのりのおか</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>はっぱのないき</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>ゆきのはたけ</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>こおったいけ</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>あめ、あらし、かぜ、きり</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>あまぐものそら</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>かみなりあらし</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>かぜのつよいひ</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>きりのひ</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>ぬれたはらっぱ</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>みどりのおか</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>かぜのふくのはら</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>きりのおか</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>よる</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>つき、ほし、くらやみ</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>くらいおか</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>よるのちいさなまち</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>つきよのみずうみ</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>しずかなむら</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>よるおそくとまよなか</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>むらさきのゆうぐれ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>つきがのぼる</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>まよなかのあお</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>ながれぼしがいっぱい</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>ちょうちんのよる</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>おしろのおか</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>ねむったのうじょう</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>よるのみなと</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>しずかなゆき</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>まちのあかり</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>たいよう、すな、うみ</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>ビーチのひ</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>みなみのたいよう</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>うみかぜ</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>うみのゆうやけ</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>くもりのかいがん</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>おだやかなうみ</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>いわのはま</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>みなと</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>ヤシのしま</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>がけ、なみ、とうだい</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>あかるいあさ</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>カモメとくも</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>きんいろのじかん</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>はいいろのうみ</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>ピンクのひので</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>しろいがけ</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>おおきななみ</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>とうだいのみさき</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>かいがらのはま</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>うみべのみずうみ</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>さばく</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>すなのおか、きょうこく、サボテン</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>さばくのたいよう</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>あついおひる</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>すなぼこりのそら</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>さばくのゆうやけ</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>さばくのよる</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>サボテンのはら</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>オアシス</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>いわのとう</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>ゆき</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>こおり、ゆき、たかいやま</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>すみきったあおぞら</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>きたのくにのよる</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>やまのあさひ</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>ふぶき</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>ゆきやま</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>りゅうひょう</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>スキーじょう</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>イグルーのキャンプ</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>まち</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>みち、こうえん、やね</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>まちのあさ</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>にぎやかなごご</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>あめのまち</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>まちのゆうやけ</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>けむりのそら</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>やねのうえ</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>こうえん</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>しょうてんがい</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>こうそうビル</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>ふるいまち</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>いなか</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>のうじょう、はたけ、むら</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>のうじょうのあさ</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>ほしくさのひ</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>いなかのくも</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>かじゅえんのゆうがた</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>つぎはぎのはたけ</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>むらのひろば</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>かじゅえん</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>かぜのふくのうじょう</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>わくせい、つき、ほし</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>うちゅうのおく</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>のぼるちきゅう</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>ふたつのつき</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>せいうん</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>つきのクレーター</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>あかいわくせい</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>こおりのせかい</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>うちゅうのジャングル</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>うちゅうきち</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
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
