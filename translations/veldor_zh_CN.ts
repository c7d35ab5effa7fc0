<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>天空：%1。</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>没有地面。</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>地面：%1。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>物品：%1。</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor 标志</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>选择打印机</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>载入图包</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>效果：%1。</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>添加我的图片</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>添加我的图片...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>图画改过了。
要保存吗？</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>一张从没保存过的图画</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor 在保存 %1 之前关掉了。
要找回改动吗？</translation>
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
这个文件夹不存在。</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>等待母语者审校</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>无权打开文件</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁盘满了</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>读写错误 %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>位图图片无效</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>无法生成 PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>还没有选择打印机</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>选择的打印机无效</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME 和 HOME 都没有设置</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>第 %1 行超过 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>物品数量无效：%1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>内存不够：%1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>图画没能打印：%1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>无法添加图包 %1：
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>无法创建文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>没有选图包</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>怎样载入 Veldor 图包：</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. 下载一个装有 Veldor 图包的 zip 文件。</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. 打开图包，或把它解压到“packs”文件夹</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. 然后在左边的列表里选它。</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>图包</translation>
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
        <translation>介绍：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. 打开图包，或把它解压到 %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>石头悬崖</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>小山脉</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>森林山丘</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>荒岛</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>灰色的云</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>乌云</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>橙色日落</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>晴朗蓝天</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>多云天</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>圆环石</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>苹果</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>热气球</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>热气球</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>高尔夫球</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>黄花</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor 团队</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>冬天和沙漠</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>雪、沙子和星星，和你自己的图片一起试试。</translation>
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
        <translation>北极光</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>粉色黎明</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>雪云</translation>
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
        <translation>结冰的湖</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>红色峡谷</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>冬天的村庄</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>松树</translation>
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
        <translation>金色树林、丰收的田野和大大的橙色月亮。</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>金色午后</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>雾蒙蒙的早晨</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>秋天的暴风雨</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>丰收月</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>彩虹雨</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>枫树山丘</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>南瓜地</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>白桦湖</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>红谷仓农场</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>葡萄园</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>南瓜</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>枫叶</translation>
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
        <translation>海边</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>夏日天空下的沙滩、悬崖和港口。</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>夏日正午</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>热带日落</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>海雾</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>狂风大海</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>柔彩傍晚</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>沙滩</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>灯塔悬崖</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>棕榈湾</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>港口小镇</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>岩石海岸</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>灯塔</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>沙滩球</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>海鸥</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>海星</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>沙滩伞</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>月光</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>沉睡大地上空满是星星的夜空。</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>满月</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>银河</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>黄昏</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>流星雨</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>银色的云</translation>
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
        <translation>沉睡的村庄</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>松树林</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>猫头鹰</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>灯笼</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>火箭</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>蜡烛</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>弯月</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>多印几份</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>少印几份</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>版本 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor 开发者。
可以自由使用和分享。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>导出为 BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP 图片要多大？</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340（标准）</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480（拉伸）</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>位图文件 (*.bmp);;PNG 图片 (*.png);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>导出为 BMP（630 x 340）</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>导出为 BMP（640 x 480）</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>风景：选择图包</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>图画</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>风景</translation>
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
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>导出为 BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新画</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>开始一张新图画</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>打开保存过的图画</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>保存图画</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>用新名字保存图画</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>选择打印机(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>导出 BMP(&amp;B)...</translation>
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
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>撤销上一次改动</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>重做刚撤销的改动</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>把图画复制到剪贴板</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>工具(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>全部删除(&amp;D)</translation>
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
        <translation>全部放到地面后面(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>Veldor(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>风景(&amp;L)</translation>
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
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>显示帮助</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>看看 Veldor 是什么</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>选择打印机(&amp;R)...</translation>
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
        <translation>移动</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>改大小</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>放到地面后面</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>放到风景前面</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>删除物品</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
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
        <translation>全部放到地面后面</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U)：%1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R)：%1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor 文件 [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor 文件 (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>正在添加图包...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab：选一个物品。方向键和回车：放下、移动、改大小。Esc：不要了。</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>选一个物品，然后在图画上拖出它的方框，或者用方向键和回车</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>位置 %1, %2，大小 %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1，%2。按回车可以修改它。</translation>
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
        <translation>先把物品放好（拖动，或者用方向键和回车），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>先回答“新物品”窗口，或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>先回答“修改物品”窗口，或者按 Esc。</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>先把物品放下（点一下，或者按回车），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>先回答“移动物品”窗口，或者按 Esc。</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>先画出新的大小（拖动，或者用方向键和回车），或者按 Esc。</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>先回答“物品大小”窗口，或者按 Esc。</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1要等一等：%2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1：在图画上拖动它，或者在那里按方向键。</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>图画：%1</translation>
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
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>输入名字，比如“猫”或“公交车”</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>按名字找物品</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>其他物品</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>packs 文件夹里没有带物品的图片包。</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>没有叫“%1”的物品。</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 个物品</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 个物品</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>物品：选择图包</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>请选一个物品</translation>
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
        <translation>打印</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>要换打印机，请按“打印机...”</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>打印份数：</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>打印机...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>份数</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>打印到文件</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF 文件 (*.pdf);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>天空：选择图包</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>请稍等，正在画...</translation>
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
        <translation>特效需要一点时间。</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>注意：重新画图时特效会消失。</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>风景画好以后再加特效，这样你就</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>可以保存或打印带特效的图画。</translation>
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
        <translation>颜色反转</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>颜色...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>染色</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>色调...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>变暗</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>变亮</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>Veldor 帮助</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文字</translation>
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
        <translation>快速入门
-=-=-=-=

这份简短的说明帮你用 Veldor 画出第一张图画。

第一步：选天空

点工具栏上的天空图标，就是左边第二个按钮。天空窗口会打开。点一个天空；“乌云”很适合开始。图画会用新的天空重新画好。画好以后，关掉天空窗口。

第二步：选风景

点风景图标，就是工具栏上的第一个按钮，然后选一个风景。试试“荒岛”。风景画在天空上面，天空的光会给它上色。

第三步：添加和修改物品

点物品图标，就是左边第三个按钮，然后选“热气球”。窗口会关上。

现在在想放热气球的地方按下鼠标按钮，按住不放，往右下方拖。你拖出的方框就是热气球的大小。

松开以后，热气球就画出来了，一个小窗口会问你要不要留下它：
   “改大小”会重新画，让你再拖一次热气球的方框。
   “不要了”会去掉这个新物品。
   “留下”会把它留在你的图画里。

以后点一下物品，就可以移动它、改大小、删除它，或者把它放到地面后面。

使用键盘：
   一直按 Tab，直到图画出现虚线框。选好物品以后，按一个方向键：会出现一个方框，告诉你物品放在哪里。方向键可以移动它（按住 Shift，一次走十步），Ctrl 加方向键可以把它变大或变小，回车把物品放在那里，按 Esc 就不要它了。
   没有选物品的时候，Tab 和 Shift+Tab 会从图画里的一个物品跳到下一个；回车打开它的窗口，就像点了它一样。
   点了“移动”或“改大小”以后，方向键可以移动外框或者改变它的大小，按回车就完成了。Esc 会停止任何改变，就像“取消”一样。

第四步：完成图画

   平滑：
   平滑能让物品和风景粗糙的边变得柔和。点特效图标，就是左边第四个按钮。只勾选“平滑”，然后点“应用”。

   保存为 BMP：
   点导出图标，就是右边第二个按钮。会打开一个窗口让你选图片大小；然后保存窗口会问你文件名。

按钮说明
-=-=-=-=

（从左到右。）

风景：选一个风景。
天空：选一个天空。
物品：添加一个物品。
特效：给图画加特效。
------------------------------
新建：开始一张新图画。
打印：打印你的图画（还有更多选项）。
保存：把图画保存成 .VDR 文件。
打开：打开一个 .VDR 文件。
导出 BMP：把图画保存成 .BMP 文件。
------------------------------
重新画：把图画重新画一遍。

在图画上点右键，会出现一个有全部命令的菜单。
“工具”菜单可以一次删除、找回或移动全部物品。
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>请选风景</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>不要风景</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>移动物品</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>你移动了一个物品。接下来做什么？</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>就这样</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>重来</translation>
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
        <translation>新图画</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>开始一张新图画？</translation>
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
        <translation>这不是 Veldor 文件</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>你选了物品：</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>要怎么处理它？</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>移动</translation>
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
        <translation>放到地面后面</translation>
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
        <translation>你有一个新物品。要怎么处理它？</translation>
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
        <translation>你选了风景后面的一个物品。</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>要怎么处理：</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>放到风景前面</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>删除物品</translation>
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
        <translation>你改了物品的大小。接下来做什么？</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>就这样</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>重来</translation>
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
        <translation>请选天空</translation>
    </message>
</context>
</TS>
