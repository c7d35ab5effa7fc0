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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google 的 Noto Emoji（SIL Open Font License），为 Veldor 做成了平面风格</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor 开发者</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>农场动物</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>奶牛</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>绵羊</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>山羊</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>公鸡</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>母鸡</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>小鸡</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>鸭子</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
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
        <translation>火鸡</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>公羊</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>驴</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔子</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>奶牛脸</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>猪脸</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>马脸</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>鹅</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>羊驼</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>森林动物</translation>
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
        <translation>刺猬</translation>
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
        <translation>野猪</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>臭鼬</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>驼鹿</translation>
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
        <translation>蜗牛</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>毛毛虫</translation>
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
        <translation>瓢虫</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>老鹰</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>小鸟</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>蚂蚁</translation>
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
        <translation>海洋动物</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>喷水的鲸鱼</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>鲸鱼</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>海豚</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>鱼</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>热带鱼</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>河豚</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>鲨鱼</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>章鱼</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>鱿鱼</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>龙虾</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>虾</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>贝壳</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>海豹</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>海龟</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>企鹅</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>水獭</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>珊瑚</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>牡蛎</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>丛林动物</translation>
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
        <translation>红毛猩猩</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>大象</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>狮子</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>老虎脸</translation>
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
        <translation>斑马</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>长颈鹿</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>河马</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>犀牛</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>鳄鱼</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>鹦鹉</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>火烈鸟</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>树懒</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>骆驼</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>双峰骆驼</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>袋鼠</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>考拉</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>熊猫</translation>
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
        <translation>猴子脸</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>宠物</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>贵宾犬</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>小狗</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>小猫</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>仓鼠</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>老鼠脸</translation>
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
        <translation>导盲犬</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>爪印</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>骨头</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>小鸡</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>破壳的小鸡</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>鸟窝和蛋</translation>
    </message>
    <message>
        <source>People</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>宝宝</translation>
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
        <translation>爷爷</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>奶奶</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>金发的人</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>大胡子男人</translation>
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
        <translation>两个朋友</translation>
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
        <translation>站着的人</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>挥手</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>举手</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>笑脸</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>酷酷的脸</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>拥抱的脸</translation>
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
        <translation>建筑工人</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>卫兵</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>侦探</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>新娘</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>穿西装的人</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>听诊器</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>扳手</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>锤子</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>锯子</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>邮筒</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>信</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>灭火器</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>扫帚</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>救援头盔</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>学士帽</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>显微镜</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>书</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>铅笔</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>蜡笔</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>尺子</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>试管</translation>
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
        <translation>磁铁</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>灯泡</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>交通工具</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>出租车</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>吉普车</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>公共汽车</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>无轨电车</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>赛车</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>警车</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>救护车</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>消防车</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>小巴</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>皮卡</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>送货卡车</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>大卡车</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>拖拉机</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>小摩托</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>摩托车</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自行车</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>滑板车</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>蒸汽火车</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>火车</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>地铁</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>有轨电车</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>单轨列车</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升机</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>飞机</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>小飞机</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>快艇</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>游艇</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>轮船</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>渡船</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>独木舟</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>缆车</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>登山缆车</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>三轮车</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房子</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>带花园的房子</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>一排房子</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>办公楼</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>邮局</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>医院</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>银行</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>酒店</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>School</source>
        <translation>学校</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>百货商店</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>工厂</translation>
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
        <translation>婚礼教堂</translation>
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
        <translation>寺庙</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>犹太教堂</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>神社</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>博物馆</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>起重机</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>茅屋</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>帐篷</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>旧房子</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>马戏团帐篷</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>体育场</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>石像</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>植物和树</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>树</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>杉树</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>棕榈树</translation>
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
        <translation>三叶草</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>四叶草</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>落叶</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>风中的叶子</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>稻穗</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>郁金香</translation>
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
        <translation>樱花</translation>
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
        <translation>红蘑菇</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>木头</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>莲花</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>风信子</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>栗子</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>许愿竹</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>松枝装饰</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>空鸟窝</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>石头</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>水果和蔬菜</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>青苹果</translation>
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
        <translation>柠檬</translation>
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
        <translation>蓝莓</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>甜瓜</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>樱桃</translation>
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
        <translation>菠萝</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>椰子</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>猕猴桃</translation>
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
        <translation>牛油果</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>西兰花</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>胡萝卜</translation>
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
        <translation>黄瓜</translation>
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
        <translation>洋葱</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>土豆</translation>
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
        <translation>面包</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>羊角面包</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>法棍</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>椒盐卷饼</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>奶酪</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>鸡蛋</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>煎蛋</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>薄煎饼</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>华夫饼</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>汉堡</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>薯条</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>比萨</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>热狗</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>三明治</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>墨西哥卷饼</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>意大利面</translation>
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
        <translation>饼干</translation>
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
        <translation>纸杯蛋糕</translation>
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
        <translation>盒装果汁</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>热饮</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>馅饼</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>玩具和运动</translation>
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
        <translation>篮球</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>排球</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>美式橄榄球</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>橄榄球</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>网球</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>飞盘</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>保龄球</translation>
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
        <translation>拳击手套</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>球门</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>高尔夫旗</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>溜冰鞋</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>钓鱼竿</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>滑板</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>旱冰鞋</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>雪橇</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>冰壶</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>滑雪板</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>风筝</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>悠悠球</translation>
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
        <translation>拼图块</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>游戏手柄</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>奖杯</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>金牌</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>飞镖靶</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>回旋镖</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>滑梯</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
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
        <translation>小号</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>萨克斯</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>钢琴</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>手风琴</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>长鼓</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>沙锤</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>笛子</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>耳机</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>收音机</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃铛</translation>
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
        <translation>飞碟</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>地球</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>地球（亚洲）</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>带环的行星</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>月亮脸</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>微笑的月亮</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>微笑的太阳</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星星</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>闪亮的星星</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>转圈的星星</translation>
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
        <translation>望远镜</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>外星人</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>像素小怪兽</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>地球（美洲）</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>残月</translation>
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
        <translation>天气</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>云</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>云后的太阳</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>雷雨云</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>晴间多云</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>多云</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>太阳雨</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>下雨的云</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>下雪的云</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>打雷的云</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>龙卷风</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>雾</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>风</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>旋风</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>雨伞</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>雨中的伞</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>闪电</translation>
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
        <translation>温度计</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>冰块</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>奇幻世界</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>巫师</translation>
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
        <translation>美人鱼</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>精灵</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>神灯精灵</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>巨魔</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>独角兽</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>龙头</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>长脖子恐龙</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>霸王龙</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>幽灵</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>妖怪</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>机器人</translation>
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
        <translation>超级英雄</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>大坏蛋</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>宝石</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>旧钥匙</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>僵尸</translation>
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
        <translation>季节和节日</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>南瓜灯</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>圣诞树</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>圣诞老人</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>圣诞老奶奶</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>礼物</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>气球</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>礼花筒</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>彩纸球</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>鞭炮</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>蝴蝶结</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>风铃</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>鲤鱼旗</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>节日娃娃</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>红灯笼</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>油灯</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>九枝烛台</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>红包</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>迪斯科球</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>围巾</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>手套</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>大衣</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>靴子</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>遮阳帽</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>太阳镜</translation>
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
        <translation>城镇和乡村</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>红绿灯</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>横着的红绿灯</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>停车标志</translation>
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
        <translation>公交车站</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>牌子</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>车轮</translation>
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
        <translation>购物车</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>篮子</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>门</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗户</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>床</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>沙发</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>信箱</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>座钟</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>砖块</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>斧头</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>指南针</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>十字镐</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>书包</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>行李箱</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>手电筒</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>锚</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>救生圈</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>喷泉</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>摩天轮</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>过山车</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>旋转木马</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>老邮局</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>山间火车</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>季节</translation>
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
        <translation>花间微风</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>温暖的傍晚</translation>
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
        <translation>开花的果园</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>绿色山谷</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>红花山坡</translation>
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
        <translation>冬天的太阳</translation>
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
        <translation>秋天的树林</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>丰收的山丘</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>光秃秃的树</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>雪地</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>结冰的池塘</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>雨、暴风、风和雾</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>雨云</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>雷雨</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>大风天</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>雾天</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>湿草地</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>绿色山丘</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>有风的荒原</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>雾中山丘</translation>
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
        <translation>夜晚的小镇</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>月光湖</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>安静的村庄</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>傍晚和深夜</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>紫色黄昏</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>月亮升起</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>午夜蓝</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>好多流星</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>灯笼之夜</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>城堡山</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>沉睡的农场</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>夜晚的港口</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>静静的雪</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>城市灯光</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>阳光、沙滩和大海</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>海滩的一天</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>热带太阳</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>海风</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>海上日落</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>多云的海岸</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>平静的大海</translation>
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
        <translation>棕榈岛</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>悬崖、海浪和灯塔</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>明亮的早晨</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>海鸥和云</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>金色时光</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>阴天的大海</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>粉色日出</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>白色悬崖</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>大浪</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>灯塔海角</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>贝壳海滩</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>海边小湖</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>沙漠</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>沙丘、峡谷和仙人掌</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>沙漠太阳</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>炎热的中午</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>灰蒙蒙的天空</translation>
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
        <translation>绿洲</translation>
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
        <translation>清爽的蓝天</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>极夜</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>高山日出</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>暴风雪</translation>
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
        <translation>冰屋营地</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>城镇</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>街道、公园和屋顶</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>小镇早晨</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>忙碌的下午</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>下雨的小镇</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>小镇日落</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>烟雾天空</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>屋顶</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>公园</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>大街</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>摩天大楼</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>老城</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>乡村</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>农场、田野和村庄</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>农场早晨</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>晒干草的日子</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>乡间的云</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>果园傍晚</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>拼布田野</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>村庄草地</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>果园</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>有风的农场</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>行星、卫星和星星</translation>
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
        <translation>两个月亮</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>星云</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>月球环形山</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>红色星球</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>冰雪世界</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>外星丛林</translation>
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
