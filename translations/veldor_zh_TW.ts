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
