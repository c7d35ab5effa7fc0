<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>天空：%1。</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>沒有地面。</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>地面：%1。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>還有 %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>物品：%1。</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor 標誌</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>選擇印表機</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>載入圖片包</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>效果：%1。</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>新增我的圖片</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>新增我的圖片...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>圖畫改過了。
要儲存嗎？</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>一張從沒儲存過的圖畫</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor 在儲存 %1 之前關掉了。
要找回改動嗎？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>找回</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不要了</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
這個資料夾不存在。</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>等待母語者審校</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>無權開啟檔案</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁碟滿了</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>讀寫錯誤 %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>點陣圖圖片無效</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>無法產生 PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>還沒有選擇印表機</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>選擇的印表機無效</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME 和 HOME 都沒有設定</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>第 %1 行超過 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」不是有效的整數</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>物品數量無效：%1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>記憶體不夠：%1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>圖畫沒能列印：%1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>無法新增圖片包 %1：
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>無法開啟檔案 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>無法建立檔案 %1：%2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>沒有選圖片包</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>怎樣載入 Veldor 圖片包：</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. 下載一個裝有 Veldor 圖片包的 zip 檔案。</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. 開啟圖片包，或把它解壓到「packs」資料夾</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. 然後在左邊的清單裡選它。</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>圖片包</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>名字：</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. 開啟圖片包，或把它解壓到 %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>石頭懸崖</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>小山脈</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>森林山丘</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>荒島</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>灰色的雲</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>烏雲</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>橙色日落</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>晴朗藍天</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>多雲天</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>圓環石</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>蘋果</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>熱氣球</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>熱氣球</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>高爾夫球</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>黃花</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor 團隊</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>冬天和沙漠</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>雪、沙子和星星，和你自己的圖片一起試試。</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>星空夜晚</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>沙漠正午</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>北極光</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>粉色黎明</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>雪雲</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>雪山丘</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>沙丘</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>結冰的湖</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>紅色峽谷</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>冬天的村莊</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>松樹</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>小屋</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>仙人掌</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>雪人</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋天</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>金色樹林、豐收的田野和大大的橙色月亮。</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>金色午後</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>霧濛濛的早晨</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>秋天的暴風雨</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>豐收月</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>彩虹雨</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>楓樹山丘</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>南瓜地</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>白樺湖</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>紅穀倉農場</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>葡萄園</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>南瓜</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>楓葉</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>蘑菇</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>橡果</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>稻草人</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>海邊</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>夏日天空下的沙灘、懸崖和港口。</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>夏日正午</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>熱帶日落</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>海霧</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>狂風大海</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>柔彩傍晚</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>沙灘</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>燈塔懸崖</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>棕櫚灣</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>港口小鎮</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>岩石海岸</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>燈塔</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>沙灘球</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>海鷗</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>海星</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>沙灘傘</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>月光</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>沉睡大地上空滿是星星的夜空。</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>滿月</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>銀河</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>黃昏</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>流星雨</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>銀色的雲</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>月光下的山丘</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>夜晚的城市</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>篝火空地</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>沉睡的村莊</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>松樹林</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>貓頭鷹</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>燈籠</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>火箭</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>蠟燭</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>彎月</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google 的 Noto Emoji（SIL Open Font License），為 Veldor 做成了平面風格</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor 開發者</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>農場動物</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>乳牛</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>豬</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>綿羊</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>山羊</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>公雞</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>母雞</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>小雞</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>鴨子</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>公牛</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>水牛</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>火雞</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>公羊</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>驢</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔子</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>乳牛臉</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>豬臉</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>馬臉</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>鵝</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>羊駝</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>森林動物</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>狐狸</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>熊</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>鹿</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>花栗鼠</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>刺蝟</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>獾</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>狼</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>浣熊</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>河狸</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>野豬</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>臭鼬</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>駝鹿</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>蝙蝠</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>青蛙</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>蝸牛</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>毛毛蟲</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>蝴蝶</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>蜜蜂</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>瓢蟲</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>老鷹</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>小鳥</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>螞蟻</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>蜘蛛</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>蟋蟀</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>海洋動物</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>噴水的鯨魚</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>鯨魚</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>海豚</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>熱帶魚</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>河豚</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>鯊魚</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>章魚</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>魷魚</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>龍蝦</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>蝦</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>貝殼</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>海豹</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>海龜</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>企鵝</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>水獺</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>珊瑚</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>牡蠣</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>叢林動物</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴子</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>大猩猩</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>紅毛猩猩</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>大象</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>獅子</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>老虎臉</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>老虎</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>豹子</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>斑馬</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>長頸鹿</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>河馬</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>犀牛</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>鱷魚</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>鸚鵡</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>紅鶴</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>樹懶</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>駱駝</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>雙峰駱駝</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>袋鼠</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>無尾熊</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>熊貓</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>蜥蜴</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>孔雀</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>猴子臉</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>寵物</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>貓</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>貴賓犬</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>小狗</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>小貓</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>倉鼠</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>老鼠臉</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>老鼠</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>小兔子</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>導盲犬</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>爪印</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>骨頭</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>小雞</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>破殼的小雞</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>鳥窩和蛋</translation>
    </message>
    <message>
        <source>People</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>寶寶</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>孩子</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>男孩</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>女孩</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>男人</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>女人</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>老人</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>爺爺</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>奶奶</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>金髮的人</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>大鬍子男人</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>一家人</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>手拉手</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>兩個朋友</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>走路</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>跑步</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>舞者</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>跳舞的男人</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>站著的人</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>揮手</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>舉手</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>笑臉</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>酷酷的臉</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>擁抱的臉</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>工作和工具</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>警察</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>建築工人</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>衛兵</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>偵探</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>新娘</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>穿西裝的人</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>聽診器</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>扳手</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>錘子</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>鋸子</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>調色盤</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>郵筒</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>信</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>滅火器</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>掃帚</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>救援頭盔</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>學士帽</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>顯微鏡</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>書</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>鉛筆</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>蠟筆</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>尺子</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>試管</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>公文包</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>梯子</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>水桶</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>磁鐵</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>燈泡</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>交通工具</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>汽車</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>計程車</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>吉普車</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>公車</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>無軌電車</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>賽車</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>警車</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>救護車</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>消防車</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>小型巴士</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>小貨車</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>送貨車</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>大卡車</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>拖拉機</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>小綿羊</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>摩托車</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>腳踏車</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>滑板車</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>蒸汽火車</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>火車</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>捷運</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>路面電車</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>單軌電車</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升機</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>飛機</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>小飛機</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>快艇</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>遊艇</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>輪船</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>渡船</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>獨木舟</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>纜車</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>登山纜車</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>三輪車</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>建築</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房子</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>帶花園的房子</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>一排房子</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>辦公大樓</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>郵局</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>醫院</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>銀行</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>飯店</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>School</source>
        <translation>學校</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>百貨公司</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>工廠</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>日本城堡</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>城堡</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>婚禮教堂</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>高塔</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>雕像</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>教堂</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>清真寺</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>寺廟</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>猶太教堂</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>神社</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>博物館</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>起重機</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>茅屋</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>帳篷</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>舊房子</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>馬戲團帳篷</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>體育場</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>石像</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>植物和樹</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>樹</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>杉樹</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>棕櫚樹</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>幼苗</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>香草</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>三葉草</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>四葉草</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>落葉</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>風中的葉子</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>稻穗</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>鬱金香</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>玫瑰</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>枯萎的花</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>扶桑花</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>櫻花</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>小花</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>向日葵</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>花束</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>盆栽</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>紅蘑菇</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>木頭</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>蓮花</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>風信子</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>栗子</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>許願竹</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>松枝裝飾</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>空鳥窩</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>石頭</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>水果和蔬菜</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>青蘋果</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>梨</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙子</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>檸檬</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>香蕉</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>西瓜</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>葡萄</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>草莓</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>藍莓</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>香瓜</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>櫻桃</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>桃子</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>芒果</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>鳳梨</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>椰子</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>奇異果</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>番茄</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>茄子</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>酪梨</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>花椰菜</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>胡蘿蔔</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>玉米</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>辣椒</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>黃瓜</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>生菜</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>大蒜</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>洋蔥</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>馬鈴薯</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>甜椒</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>食物</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>麵包</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>羊角麵包</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>法國麵包</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>蝴蝶餅</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>乳酪</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>雞蛋</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>煎蛋</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>鬆餅</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>格子鬆餅</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>漢堡</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>薯條</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>披薩</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>熱狗</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>三明治</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>墨西哥捲餅</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>義大利麵</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>冰淇淋</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>甜甜圈</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>餅乾</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>生日蛋糕</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>蛋糕</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>紙杯蛋糕</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>巧克力</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>糖果</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>棒棒糖</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>蜂蜜罐</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>一杯牛奶</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>盒裝果汁</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>熱飲</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>派</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>玩具和運動</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>足球</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>棒球</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>籃球</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>排球</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>美式橄欖球</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>橄欖球</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>網球</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>飛盤</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>保齡球</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>板球拍</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>曲棍球棍</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>乒乓球</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>羽毛球</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>拳擊手套</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>球門</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>高爾夫旗</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>冰刀鞋</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>釣魚竿</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>滑板</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>溜冰鞋</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>雪橇</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>冰壺</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>滑雪板</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>風箏</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>泰迪熊</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>套娃</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>拼圖塊</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>遊戲手把</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>獎盃</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>金牌</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>飛鏢靶</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>迴旋鏢</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>滑梯</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>吉他</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>鼓</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>小號</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>薩克斯風</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鋼琴</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>手風琴</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>長鼓</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>沙鈴</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>笛子</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>耳機</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>收音機</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>鈴鐺</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>太空</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>飛碟</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>衛星</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>地球（亞洲）</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>帶環的行星</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>月亮臉</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>微笑的月亮</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>微笑的太陽</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太陽</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星星</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>閃亮的星星</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>轉圈的星星</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>彗星</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>流星</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>望遠鏡</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>外星人</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>像素小怪獸</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>地球（美洲）</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>殘月</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>半月</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>凸月</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天氣</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>雲</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>雲後的太陽</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>雷雨雲</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>晴間多雲</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>多雲</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>太陽雨</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>下雨的雲</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>下雪的雲</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>打雷的雲</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>龍捲風</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>霧</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>風</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>旋風</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>雨傘</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>雨中的傘</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>閃電</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>下雪的雪人</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>水滴</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>海浪</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>溫度計</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>冰塊</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>奇幻世界</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>巫師</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>仙女</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>吸血鬼</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>美人魚</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>精靈</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>神燈精靈</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>巨魔</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>獨角獸</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>龍頭</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>長脖子恐龍</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>霸王龍</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>幽靈</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>妖怪</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>機器人</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>水晶球</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>魔杖</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>王子</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>公主</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>忍者</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>超級英雄</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>大壞蛋</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>寶石</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>舊鑰匙</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>殭屍</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>天使</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>盾牌</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>匕首</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>弓箭</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>季節和節日</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>南瓜燈</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>聖誕樹</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>聖誕老人</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>聖誕老奶奶</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>禮物</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>氣球</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>拉炮</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>彩紙球</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>鞭炮</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>蝴蝶結</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>風鈴</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>鯉魚旗</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>節日娃娃</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>紅燈籠</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>油燈</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>九枝燭臺</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>紅包</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>迪斯可球</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>圍巾</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>手套</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>外套</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>靴子</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>遮陽帽</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>太陽眼鏡</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>泳衣</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>比基尼</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>白旗</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>方格旗</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>城鎮和鄉村</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>紅綠燈</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>橫著的紅綠燈</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>停車標誌</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>施工路障</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>加油站</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>公車站</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>牌子</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>車輪</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>椅子</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>購物車</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>籃子</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>門</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗戶</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>床</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>沙發</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>信箱</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>座鐘</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>鬧鐘</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>磚塊</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>斧頭</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>指南針</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>十字鎬</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地圖</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>書包</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>行李箱</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>手電筒</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>錨</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>救生圈</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>噴泉</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>摩天輪</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>雲霄飛車</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>旋轉木馬</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>老郵局</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>山間火車</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>春天和夏天</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>春天的早晨</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>花間微風</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>溫暖的傍晚</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>春天的草地</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>夏天的田野</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>開花的果園</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>綠色山谷</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>紅花山坡</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>秋天和冬天</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>秋天的下午</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>冬天的太陽</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>下雪</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>寒冷的傍晚</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>秋天的樹林</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>豐收的山丘</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>光禿禿的樹</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>雪地</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>結冰的池塘</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>雨、暴風、風和霧</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>雨雲</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>雷雨</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>大風天</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>霧天</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>濕草地</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>綠色山丘</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>有風的荒原</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>霧中山丘</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜晚</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>月亮、星星和黑夜</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>黑黑的山丘</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>夜晚的小鎮</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>月光湖</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>安靜的村莊</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>傍晚和深夜</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>紫色黃昏</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>月亮升起</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>午夜藍</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>好多流星</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>燈籠之夜</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>城堡山</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>沉睡的農場</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>夜晚的港口</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>靜靜的雪</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>城市燈光</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>陽光、沙灘和大海</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>海灘的一天</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>熱帶太陽</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>海風</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>海上日落</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>多雲的海岸</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>平靜的大海</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>礁石海岸</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>港口</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>棕櫚島</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>懸崖、海浪和燈塔</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>明亮的早晨</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>海鷗和雲</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>金色時光</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>陰天的大海</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>粉色日出</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>白色懸崖</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>大浪</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>燈塔海角</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>貝殼海灘</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>海邊小湖</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>沙漠</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>沙丘、峽谷和仙人掌</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>沙漠太陽</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>炎熱的中午</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>灰濛濛的天空</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>沙漠日落</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>沙漠之夜</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>仙人掌平原</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>綠洲</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>石塔</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>冰雪</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>冰、雪和高山</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>清爽的藍天</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>極夜</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>高山日出</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>暴風雪</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>雪山</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>浮冰</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>滑雪坡</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>冰屋營地</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>城鎮</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>街道、公園和屋頂</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>小鎮早晨</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>忙碌的下午</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>下雨的小鎮</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>小鎮日落</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>煙霧天空</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>屋頂</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>公園</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>大街</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>摩天大樓</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>老城</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>鄉村</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>農場、田野和村莊</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>農場早晨</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>曬乾草的日子</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>鄉間的雲</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>果園傍晚</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>拼布田野</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>村莊草地</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>果園</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>有風的農場</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>行星、衛星和星星</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>深空</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>地球升起</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>兩個月亮</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>星雲</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>月球環形山</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>紅色星球</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>冰雪世界</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>外星叢林</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>太空基地</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>多印幾份</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>少印幾份</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>版本 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor 開發者。
可以自由使用和分享。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>匯出為 BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP 圖片要多大？</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340（標準）</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480（拉伸）</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>點陣圖檔案 (*.bmp);;PNG 圖片 (*.png);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>匯出為 BMP（630 x 340）</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>匯出為 BMP（640 x 480）</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>風景：選擇圖片包</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>圖畫</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>風景</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>天空</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>匯出為 BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重畫</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>開始一張新圖畫</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>開啟儲存過的圖畫</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>儲存圖畫</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>用新名字儲存圖畫</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>選擇印表機(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>匯出 BMP(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>退出 Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>復原上一次改動</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>重做剛復原的改動</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>把圖畫複製到剪貼簿</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>工具(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>全部刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>全部找回(&amp;U)</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>全部放到前面(&amp;F)</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>全部放到地面後面(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>Veldor(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>風景(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>天空(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>物品(&amp;O)</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>特效(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>顯示說明</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>看看 Veldor 是什麼</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>選擇印表機(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>地面(&amp;G)</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>留下</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>放到前面</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>改大小</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>放到地面後面</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>放到風景前面</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>刪除物品</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>全部找回</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>全部放到前面</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>全部放到地面後面</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>復原(&amp;U)：%1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R)：%1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor 檔案 [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor 檔案 (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>正在新增圖片包...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab：選一個物品。方向鍵和 Enter：放下、移動、改大小。Esc：不要了。</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>選一個物品，然後在圖畫上拖出它的方框，或者用方向鍵和 Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>位置 %1, %2，大小 %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1，%2。按 Enter 可以修改它。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>不要了：%1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>先把物品放好（拖曳，或者用方向鍵和 Enter），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>先回答「新物品」視窗，或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>先回答「修改物品」視窗，或者按 Esc。</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>先把物品放下（點一下，或者按 Enter），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>先回答「移動物品」視窗，或者按 Esc。</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>先畫出新的大小（拖曳，或者用方向鍵和 Enter），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>先回答「物品大小」視窗，或者按 Esc。</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1要等一等：%2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1：在圖畫上拖曳它，或者在那裡按方向鍵。</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>圖畫：%1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>更多物品</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>尋找(&amp;F)：</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>輸入名字，例如「貓」或「公車」</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>用名字找物品</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>其他物品</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>packs 資料夾裡沒有含物品的圖片包。</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>沒有叫「%1」的物品。</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 個物品</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 個物品</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>物品：選擇圖片包</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>請選一個物品</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>更多物品...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>要換印表機，請按「印表機...」</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>列印份數：</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>印表機...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>份數</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>列印到檔案</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF 檔案 (*.pdf);;所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>天空：選擇圖片包</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>請稍等，正在畫...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>特效需要一點時間。</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>注意：重畫圖時特效會消失。</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>風景畫好以後再加特效，這樣你就</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>可以儲存或列印帶特效的圖畫。</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>要加的特效：</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>顏色反轉</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>顏色...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>染色</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>色調...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>變暗</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>變亮</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>應用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>正在加特效...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor 說明</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>說明文字</translation>
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
        <translation>快速入門
-=-=-=-=

這份簡短的說明幫你用 Veldor 畫出第一張圖畫。

第一步：選天空

點工具欄上的天空圖示，就是左邊第二個按鈕。天空視窗會開啟。點一個天空；「烏雲」很適合開始。圖畫會用新的天空重畫好。畫好以後，關掉天空視窗。

第二步：選風景

點風景圖示，就是工具欄上的第一個按鈕，然後選一個風景。試試「荒島」。風景畫在天空上面，天空的光會給它上色。

第三步：新增和修改物品

點物品圖示，就是左邊第三個按鈕，然後選「熱氣球」。視窗會關上。

現在在想放熱氣球的地方按下滑鼠按鈕，按住不放，往右下方拖。你拖出的方框就是熱氣球的大小。

鬆開以後，熱氣球就畫出來了，一個小視窗會問你要不要留下它：
   「改大小」會重畫，讓你再拖一次熱氣球的方框。
   「不要了」會去掉這個新物品。
   「留下」會把它留在你的圖畫裡。

以後點一下物品，就可以移動它、改大小、刪除它，或者把它放到地面後面。

使用鍵盤：
   一直按 Tab，直到圖畫出現虛線框。選好物品以後，按一個方向鍵：會出現一個方框，告訴你物品放在哪裡。方向鍵可以移動它（按住 Shift，一次走十步），Ctrl 加方向鍵可以把它變大或變小，Enter 把物品放在那裡，按 Esc 就不要它了。
   沒有選物品的時候，Tab 和 Shift+Tab 會從圖畫裡的一個物品跳到下一個；Enter 打開它的視窗，就像點了它一樣。
   點了「移動」或「改大小」以後，方向鍵可以移動外框或者改變它的大小，按 Enter 就完成了。Esc 會停止任何改變，就像「取消」一樣。

第四步：完成圖畫

   平滑：
   平滑能讓物品和風景粗糙的邊變得柔和。點特效圖示，就是左邊第四個按鈕。只勾選「平滑」，然後點「應用」。

   儲存為 BMP：
   點匯出圖示，就是右邊第二個按鈕。會開啟一個視窗讓你選圖片大小；然後儲存視窗會問你檔名。

按鈕說明
-=-=-=-=

（從左到右。）

風景：選一個風景。
天空：選一個天空。
物品：新增一個物品。
特效：給圖畫加特效。
------------------------------
新建：開始一張新圖畫。
列印：列印你的圖畫（還有更多選項）。
儲存：把圖畫儲存成 .VDR 檔案。
開啟：開啟一個 .VDR 檔案。
匯出 BMP：把圖畫儲存成 .BMP 檔案。
------------------------------
重畫：把圖畫重畫一遍。

在圖畫上點右鍵，會出現一個有全部命令的選單。
「工具」選單可以一次刪除、找回或移動全部物品。
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>請選風景</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>不要風景</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>移動物品</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>你移動了一個物品。接下來做什麼？</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>就這樣</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>重來</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>新圖畫</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>開始一張新圖畫？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>這不是 Veldor 檔案</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>修改物品</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>你選了物品：</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>要怎麼處理它？</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>改大小</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>放到前面</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>放到地面後面</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>新物品</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>你有一個新物品。要怎麼處理它？</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>留下</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>改大小</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>不要了</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>修改物品</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>你選了風景後面的一個物品。</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>要怎麼處理：</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>放到風景前面</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>刪除物品</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>物品大小</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>你改了物品的大小。接下來做什麼？</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>就這樣</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>重來</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>請選天空</translation>
    </message>
</context>
</TS>
