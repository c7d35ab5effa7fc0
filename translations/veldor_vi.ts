<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Bầu trời: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Không có mặt đất.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Mặt đất: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>và %n cái nữa</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Đồ vật: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Biểu tượng Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Chọn máy in</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Mở gói hình</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Hiệu ứng: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Thêm ảnh của bạn</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Thêm ảnh của bạn...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Bức tranh đã thay đổi.
Bạn có muốn lưu lại không?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>một bức tranh chưa từng được lưu</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor đã tắt trước khi lưu các thay đổi của %1.
Bạn có muốn lấy lại không?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Lấy lại</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Bỏ đi</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Thư mục này không có.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Đang chờ người bản ngữ kiểm tra</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Không tìm thấy tệp</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Bạn không được mở tệp này</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Đĩa đã đầy</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Lỗi khi đọc hoặc ghi %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Hình bitmap không hợp lệ</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Không tạo được tệp PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Chưa chọn máy in nào</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Máy in đã chọn không dùng được</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>chưa đặt XDG_DATA_HOME và cũng chưa đặt HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Dòng %1 dài hơn 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; không phải là số nguyên hợp lệ</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Số đồ vật sai: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Không đủ bộ nhớ cho %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Không in được bức tranh: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Không cài được gói hình %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Không mở được tệp %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Không mở được tệp %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Không tạo được tệp %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Chưa chọn gói nào</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Để mở một gói hình của Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Tải về một tệp zip có gói hình của Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Mở gói, hoặc giải nén vào thư mục gói</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Rồi chọn gói đó trong danh sách gói bên trái.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Gói hình</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Tên gói:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Người làm:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Mô tả:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Mở gói, hoặc giải nén vào %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Vách đá</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Dãy núi nhỏ</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Đồi có rừng</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Đảo hoang</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Mây xám</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Mây đen</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Hoàng hôn màu cam</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Trời xanh trong</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Ngày nhiều mây</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Đá hình vòng</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Quả táo</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Khinh khí cầu</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Khinh khí cầu</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Quả bóng gôn</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Bông hoa vàng</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Nhóm Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Mùa đông và sa mạc</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Cảnh tuyết, cát và sao để thử với tranh của bạn.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Đêm đầy sao</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Trưa trên sa mạc</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Cực quang</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Bình minh hồng</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Mây tuyết</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Đồi tuyết</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Đụn cát</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Hồ đóng băng</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Hẻm núi đỏ</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Làng mùa đông</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Cây thông</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Nhà nhỏ</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Xương rồng</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Thuyền buồm</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Người tuyết</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Mùa thu</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Rừng vàng, cánh đồng mùa gặt và một mặt trăng to màu cam.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Buổi chiều vàng</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Buổi sáng sương mù</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Bão mùa thu</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Trăng mùa gặt</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Mưa có cầu vồng</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Đồi cây phong</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Ruộng bí ngô</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Hồ cây bạch dương</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Trang trại kho đỏ</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Những hàng nho</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Quả bí ngô</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Lá phong</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Cây nấm</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Quả sồi</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Bù nhìn</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Bờ biển</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Bãi biển, vách đá và bến cảng dưới bầu trời mùa hè.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Trưa mùa hè</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Hoàng hôn nhiệt đới</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Biển mờ sương</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Biển bão</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Buổi tối màu nhạt</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Bãi cát</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Vách đá có hải đăng</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Vịnh có cây dừa</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Thị trấn bến cảng</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Bờ biển đá</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Ngọn hải đăng</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Bóng bãi biển</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Chim hải âu</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Sao biển</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Ô đi biển</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Ánh trăng</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Bầu trời đêm đầy sao trên những vùng đất đang ngủ.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Trăng tròn</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Dải Ngân Hà</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Chạng vạng</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Mưa sao băng</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Mây bạc</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Đồi dưới ánh trăng</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Thành phố về đêm</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Bãi trống có lửa trại</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Ngôi làng say ngủ</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Rừng thông</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Con cú</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Cái đèn lồng</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Tên lửa</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Cây nến</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Trăng lưỡi liềm</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji của Google (SIL Open Font License), làm phẳng cho Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Các nhà phát triển Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Động vật trang trại</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Con bò</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Con lợn</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Con cừu</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Con dê</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gà trống</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Gà mái</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Gà con</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Con vịt</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Con ngựa</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bò đực</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Con trâu</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Gà tây</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Cừu đực</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Con lừa</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Con thỏ</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Mặt bò</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Mặt lợn</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Mặt ngựa</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Con ngỗng</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lạc đà không bướu</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Động vật rừng</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Con cáo</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Con gấu</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Con hươu</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Sóc chuột</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Con nhím</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Con lửng</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Con sói</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Gấu mèo</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Hải ly</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Lợn rừng</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Chồn hôi</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Nai sừng tấm</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Con dơi</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Con ếch</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Ốc sên</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Sâu bướm</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Con bướm</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Con ong</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Bọ rùa</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Đại bàng</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Con chim</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Con kiến</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Con nhện</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Con dế</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Động vật biển</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Cá voi phun nước</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Cá voi</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Cá heo</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Con cá</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Cá nhiệt đới</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Cá nóc</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Cá mập</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Bạch tuộc</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Con mực</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Con cua</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Tôm hùm</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Con tôm</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Vỏ sò</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Hải cẩu</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Con rùa</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Con sứa</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Chim cánh cụt</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Rái cá</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>San hô</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Con hàu</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Động vật rừng rậm</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Con khỉ</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Khỉ đột</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Đười ươi</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Con voi</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Sư tử</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Mặt hổ</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Con hổ</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Con báo</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Ngựa vằn</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Hươu cao cổ</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hà mã</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Tê giác</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Cá sấu</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Con rắn</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Con vẹt</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Hồng hạc</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Con lười</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Lạc đà</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Lạc đà hai bướu</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Chuột túi</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Gấu túi</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Gấu trúc</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Thằn lằn</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Con công</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Mặt khỉ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Thú cưng</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Con mèo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Con chó</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Chó xù</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Chó con</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Mèo con</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Chuột hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Mặt chuột</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Con chuột</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Thỏ con</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Chó dẫn đường</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Dấu chân</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Khúc xương</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Gà con</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Gà con phá vỏ</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Tổ có trứng</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Mọi người</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Em bé</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Trẻ em</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Bé trai</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Bé gái</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Người</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Đàn ông</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Phụ nữ</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Người già</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Ông</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Bà</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Người tóc vàng</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Đàn ông có râu</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Gia đình</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Nắm tay</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Hai người bạn</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Đi bộ</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Chạy</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Vũ công</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Đàn ông nhảy múa</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Người đứng</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Vẫy tay</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Giơ tay</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Mặt vui</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Mặt ngầu</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Mặt ôm</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Nghề nghiệp và dụng cụ</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Cảnh sát</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Thợ xây</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Lính gác</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Thám tử</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Cô dâu</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Người mặc vest</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Ống nghe</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Cờ lê</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Cái búa</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Cái cưa</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Bảng màu</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Cọ vẽ</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Hòm thư</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lá thư</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Bình cứu hỏa</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Cái chổi</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Mũ cứu hộ</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Mũ tốt nghiệp</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Kính hiển vi</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Sách</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bút chì</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Bút sáp</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Thước kẻ</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Ống nghiệm</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Cặp tài liệu</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Hộp dụng cụ</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Cái thang</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cái xô</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Nam châm</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Bóng đèn</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Xe cộ</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Ô tô</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Xe jeep</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Xe buýt</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Xe buýt điện</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Xe đua</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Xe cảnh sát</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Xe cứu thương</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Xe cứu hỏa</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Xe buýt nhỏ</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Xe bán tải</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Xe giao hàng</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Xe tải lớn</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Máy kéo</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Xe tay ga</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Xe máy</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Xe đạp</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Xe trượt</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Tàu hơi nước</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tàu hỏa</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Tàu điện ngầm</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Xe điện</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Tàu một ray</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Trực thăng</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Máy bay</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Máy bay nhỏ</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Xuồng cao tốc</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Du thuyền</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Tàu thủy</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Phà</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Ca nô</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Cáp treo</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Cáp treo núi</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Xe ba bánh</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Tòa nhà</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Ngôi nhà</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Nhà có vườn</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Dãy nhà</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Tòa văn phòng</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Bưu điện</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Bệnh viện</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Ngân hàng</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Khách sạn</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Cửa hàng</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Trường học</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Cửa hàng bách hóa</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Nhà máy</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Lâu đài Nhật</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Lâu đài</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Nhà thờ cưới</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Tháp</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Bức tượng</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Nhà thờ</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Nhà thờ Hồi giáo</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Đền</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Giáo đường Do Thái</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Cổng đền</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Bảo tàng</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Cần cẩu</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Túp lều</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Lều trại</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Nhà cũ</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Lều xiếc</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Sân vận động</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Tượng đá</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Cây cối</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Cây</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Cây linh sam</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Cây dừa</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Mầm cây</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Rau thơm</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Cỏ ba lá</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Cỏ bốn lá</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Lá rụng</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Lá bay trong gió</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Bó lúa</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Hoa tulip</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Hoa hồng</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Hoa héo</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hoa dâm bụt</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Hoa anh đào</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Hoa nhỏ</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Hoa hướng dương</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bó hoa</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Chậu cây</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Nấm đỏ</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Khúc gỗ</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Hoa sen</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Lan dạ hương</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Hạt dẻ</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Cây ước nguyện</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Cành thông Tết</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Tổ trống</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Hòn đá</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Trái cây và rau</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Táo xanh</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Quả lê</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Quả cam</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Quả chanh</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Quả chuối</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Dưa hấu</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Chùm nho</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Dâu tây</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Việt quất</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Dưa lưới</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Anh đào</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Quả đào</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Quả xoài</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Quả dứa</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Quả dừa</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Quả kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Cà chua</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Cà tím</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Quả bơ</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Súp lơ xanh</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Cà rốt</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Bắp ngô</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Quả ớt</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Dưa chuột</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Rau diếp</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Tỏi</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Hành tây</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Khoai tây</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Ớt chuông</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Đồ ăn</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Bánh mì</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Bánh sừng bò</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Bánh mì que</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Bánh quy xoắn</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Phô mai</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Quả trứng</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Trứng ốp la</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Bánh kếp</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Bánh quế</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Khoai tây chiên</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hot dog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Bánh sandwich</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Bánh taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Mì Ý</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Kem</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Bánh donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Bánh quy</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Bánh sinh nhật</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Bánh ngọt</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Bánh cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Sô-cô-la</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Kẹo</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Kẹo mút</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Hũ mật ong</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Cốc sữa</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Hộp nước quả</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Đồ uống nóng</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Bánh nướng</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Đồ chơi và thể thao</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Bóng đá</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Bóng chày</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Bóng rổ</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Bóng chuyền</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Bóng bầu dục Mỹ</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Bóng bầu dục</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Bóng tennis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Đĩa ném</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Gậy cricket</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Gậy khúc côn cầu</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Bóng bàn</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Cầu lông</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Găng đấm bốc</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Khung thành</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Cờ golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Giày trượt băng</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Cần câu</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Ván trượt</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Giày patin</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Xe trượt tuyết</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Đá curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Ván trượt tuyết</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Con diều</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Gấu bông</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Búp bê Nga</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Xúc xắc</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Mảnh ghép</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Tay cầm chơi game</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Cúp</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Huy chương vàng</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Bảng phi tiêu</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Boomerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Cầu trượt</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Âm nhạc</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Đàn ghi-ta</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Cái trống</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Kèn trumpet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Kèn saxophone</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Đàn vi-ô-lông</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Đàn piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Đàn accordion</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Trống dài</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Cây sáo</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrô</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Tai nghe</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Đài radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cái chuông</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nốt nhạc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Vũ trụ</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Đĩa bay</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Vệ tinh</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Trái Đất</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Trái Đất (châu Á)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Hành tinh có vành</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Trăng mới</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Mặt ông trăng</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Trăng tròn cười</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Mặt trời cười</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Mặt trời</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ngôi sao</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Sao lấp lánh</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Sao quay vòng</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Sao chổi</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Sao băng</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Kính thiên văn</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Người ngoài hành tinh</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Quái vật điện tử</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Trái Đất (châu Mỹ)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Trăng tàn</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Nửa vầng trăng</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Trăng gần tròn</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Thời tiết</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Đám mây</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Mặt trời sau mây</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Mây dông</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Nắng và mây nhỏ</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nhiều mây</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Nắng và mưa</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Mây mưa</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Mây có tuyết</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Mây có sét</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Lốc xoáy</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Sương mù</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Gió</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Vòng xoáy</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Cầu vồng</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Cái ô</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Ô trong mưa</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Tia sét</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Bông tuyết</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Người tuyết trong tuyết</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Lửa</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Giọt nước</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Con sóng</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Nhiệt kế</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Viên đá</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Phép thuật</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Phù thủy</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Nàng tiên</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Ma cà rồng</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Nàng tiên cá</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Yêu tinh</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Thần đèn</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Quỷ khổng lồ</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Kỳ lân</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Con rồng</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Mặt rồng</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Khủng long cổ dài</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>Khủng long T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Con ma</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Quỷ đỏ</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Rô-bốt</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Vương miện</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Quả cầu pha lê</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Đũa phép</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Hoàng tử</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Công chúa</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Siêu anh hùng</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Kẻ xấu</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Viên ngọc</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Chìa khóa cổ</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Xác sống</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Thiên thần</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Cái khiên</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Dao găm</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Cung tên</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Mùa và ngày lễ</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Đèn bí ngô</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Cây thông Noel</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Ông già Noel</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Bà già Noel</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Hộp quà</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Bóng bay</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Pháo giấy</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Bóng hoa giấy</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Pháo</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruy băng</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Chuông gió</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Cờ cá chép</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Búp bê lễ hội</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Đèn lồng đỏ</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Đèn dầu</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Chân nến Do Thái</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Bao lì xì</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Quả cầu disco</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Khăn quàng</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Găng tay</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Áo khoác</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Chiếc ủng</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Mũ rộng vành</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Kính râm</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Đồ bơi</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Cờ trắng</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Cờ ca rô</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Thành phố và nông thôn</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Đèn giao thông</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Đèn tín hiệu ngang</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Biển dừng lại</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Công trường</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Cây xăng</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Trạm xe buýt</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Tấm biển</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Bánh xe</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Thùng rác</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Cái ghế</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Xe đẩy hàng</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Cái giỏ</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Cánh cửa</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Cửa sổ</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Cái giường</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Ghế sofa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Hộp thư</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Đồng hồ</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Đồng hồ báo thức</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Gạch</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Cái rìu</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>La bàn</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Cuốc chim</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Bản đồ</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Cặp sách</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Va li</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Đèn pin</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Mỏ neo</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Phao cứu sinh</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Đài phun nước</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Vòng quay</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Tàu lượn</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Ngựa gỗ đu quay</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Bưu điện cũ</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Tàu lên núi</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Các mùa</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Ngày xuân và hè</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Sáng mùa xuân</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Làn gió hoa</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Chiều tối ấm áp</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Đồng cỏ mùa xuân</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Cánh đồng mùa hè</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Vườn cây nở hoa</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Thung lũng xanh</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Đồi hoa anh túc</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Ngày thu và đông</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Chiều mùa thu</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Nắng mùa đông</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Tuyết rơi</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Tối giá lạnh</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Rừng mùa thu</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Đồi mùa gặt</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Cây trụi lá</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Cánh đồng tuyết</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Ao đóng băng</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Mưa, bão, gió và sương mù</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Trời mây mưa</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Giông bão</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Ngày lộng gió</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Ngày sương mù</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Đồng cỏ ướt</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Đồi xanh</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Bãi hoang lộng gió</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Đồi sương mù</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ban đêm</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Trăng, sao và bóng tối</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Đồi tối</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Phố đêm</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Hồ dưới trăng</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Làng yên tĩnh</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Tối muộn và đêm khuya</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Hoàng hôn tím</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Trăng lên</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Xanh nửa đêm</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Nhiều sao băng</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Đêm đèn lồng</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Đồi lâu đài</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Nông trại say ngủ</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Bến cảng đêm</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Tuyết lặng</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Đèn thành phố</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Nắng, cát và biển</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Ngày đi biển</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Nắng nhiệt đới</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Gió biển</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Hoàng hôn trên biển</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Bờ biển nhiều mây</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Biển lặng</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Bờ đá</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Bến cảng</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Đảo dừa</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Vách đá, sóng và hải đăng</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Sáng rực rỡ</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Hải âu và mây</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Giờ vàng</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Ngày biển xám</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Rạng đông hồng</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Vách đá trắng</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Sóng lớn</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Mũi hải đăng</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Bãi vỏ sò</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Đầm nước biển</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Sa mạc</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Cồn cát, hẻm núi và xương rồng</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Nắng sa mạc</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Trưa nóng</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Trời bụi</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Hoàng hôn sa mạc</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Đêm sa mạc</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Đồng xương rồng</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Ốc đảo</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Tháp đá</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Tuyết</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Băng, tuyết và núi cao</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Trời xanh giá lạnh</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Đêm địa cực</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Bình minh trên núi</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Bão tuyết</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Đỉnh núi tuyết</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Băng trôi</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Dốc trượt tuyết</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Trại lều tuyết</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Thị trấn</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Phố, công viên và mái nhà</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Sáng thị trấn</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Chiều nhộn nhịp</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Thị trấn mưa</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Hoàng hôn thị trấn</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Trời khói</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Mái nhà</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Công viên</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Phố chính</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Nhà chọc trời</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Phố cổ</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Làng quê</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Trang trại, cánh đồng và làng</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Sáng trang trại</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Ngày phơi cỏ</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Mây đồng quê</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Chiều vườn cây</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Ruộng ô vuông</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Bãi cỏ làng</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Vườn cây ăn quả</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Trang trại lộng gió</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Hành tinh, mặt trăng và các vì sao</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Vũ trụ sâu thẳm</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Trái Đất mọc</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Hai mặt trăng</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Tinh vân</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Hố trên mặt trăng</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Hành tinh đỏ</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Thế giới băng</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Rừng hành tinh lạ</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Trạm vũ trụ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 và %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Thêm bản in</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Bớt bản in</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Phiên bản 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 những người làm Veldor.
Được dùng và chia sẻ tự do.</translation>
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
        <translation>Xuất ra BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Bạn muốn xuất BMP cỡ nào?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (chuẩn)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (kéo giãn)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Tệp bitmap (*.bmp);;Hình PNG (*.png);;Mọi tệp (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Xuất ra BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Xuất ra BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Phong cảnh: chọn gói hình</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Bức tranh</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Phong cảnh</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Bầu trời</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Đồ vật</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Hiệu ứng đặc biệt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Mới</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Xuất ra BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vẽ lại</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Mới</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Tạo tệp mới</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Mở (&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Mở một tệp đã có</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Lưu tệp</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Lưu với tên &amp;khác...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Lưu tệp với tên mới</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;In...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Chọn máy in</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Xuất &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Thoát chương trình</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Sửa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Hoàn tác thay đổi vừa rồi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Làm lại thay đổi vừa hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Sao &amp;chép</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Công cụ</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Xoá hết</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Lấy lại hết</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Đưa hết lên t&amp;rước</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Đưa hết ra sau &amp;đất</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Phong cảnh</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Bầu trời</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>Đồ &amp;vật</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Hiệu ứng đặc biệt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>T&amp;rợ giúp</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Hiện trợ giúp</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Giới thiệu...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Hiện thông tin chương trình</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Chọn máy in...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Mặt đất</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Giữ lại</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Đưa lên trước</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Di chuyển</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Đổi cỡ</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Xoá đi</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Đưa ra sau đất</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Đưa ra trước phong cảnh</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Xoá đồ vật</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Hiệu ứng</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Xoá hết</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Lấy lại hết</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Đưa hết lên trước</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Đưa hết ra sau đất</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Hoàn tác %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Làm lại %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Tệp Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Tệp Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Đang cài gói hình...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: chọn đồ vật. Phím mũi tên và Enter: đặt, di chuyển, đổi cỡ. Esc: bỏ qua.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Chọn một đồ vật, rồi kéo hình chữ nhật của nó trên bức tranh, hoặc dùng phím mũi tên và Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>ở %1, %2, cỡ %3 x %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Nhấn Enter để sửa.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>Đã bỏ: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>hãy đặt đồ vật trước (kéo, hoặc phím mũi tên và Enter), hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>hãy trả lời cửa sổ Đồ vật mới trước, hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>hãy trả lời cửa sổ Sửa đồ vật trước, hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>hãy thả đồ vật trước (bấm, hoặc Enter), hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>hãy trả lời cửa sổ Di chuyển đồ vật trước, hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>hãy vẽ cỡ mới trước (kéo, hoặc phím mũi tên và Enter), hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>hãy trả lời cửa sổ Đổi cỡ đồ vật trước, hoặc nhấn Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 phải chờ: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: kéo nó trên bức tranh, hoặc nhấn một phím mũi tên ở đó.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bức tranh: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Thêm đồ vật</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Tìm:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Gõ một cái tên, như mèo hoặc xe buýt</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Tìm đồ vật theo tên</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Nhóm</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Đồ vật</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Đồ vật khác</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Thư mục gói không có gói hình nào chứa đồ vật.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Không có đồ vật nào tên là “%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 đồ vật</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 đồ vật</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Đồ vật: chọn gói hình</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Hãy chọn một đồ vật</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Thêm đồ vật...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Để chọn máy in khác, hãy bấm &apos;Chọn máy in&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Số bản Veldor sẽ in:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Chọn máy in...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Số bản in</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>In ra tệp</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Tệp PDF (*.pdf);;Mọi tệp (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Bầu trời: chọn gói hình</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Chờ chút, đang vẽ...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Hiệu ứng đặc biệt</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Hiệu ứng có thể mất một lúc.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Lưu ý: hiệu ứng sẽ mất khi bạn vẽ lại bức tranh.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Hãy dùng hiệu ứng đặc biệt khi phong cảnh đã xong, để bạn</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>có thể lưu hoặc in bức tranh khi hiệu ứng còn trên màn hình.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Hiệu ứng sẽ dùng:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Làm mịn cạnh</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Đảo màu (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Tuỳ chọn đảo màu</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Nhuộm màu</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Tuỳ chọn màu...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Độ sáng</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Tối hơn</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Sáng hơn</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Áp dụng hiệu ứng</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Đang áp dụng hiệu ứng...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Trợ giúp Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Nội dung trợ giúp</translation>
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
        <translation>Bắt đầu nhanh
-=-=-=-=-=-=-

Hướng dẫn ngắn này giúp bạn vẽ bức tranh đầu tiên với Veldor.

Bước một: chọn bầu trời

Bấm vào biểu tượng bầu trời, nút thứ hai từ trái trên thanh công cụ. Cửa sổ bầu trời mở ra. Bấm vào một bầu trời; &apos;Mây đen&apos; rất hợp để bắt đầu. Bức tranh được vẽ lại với bầu trời mới. Khi vẽ xong, đóng cửa sổ bầu trời.

Bước hai: chọn phong cảnh

Bấm vào biểu tượng phong cảnh, nút đầu tiên trên thanh công cụ, rồi chọn một phong cảnh. Thử &apos;Đảo hoang&apos; xem. Phong cảnh được vẽ lên trên bầu trời, và ánh sáng của bầu trời tô màu cho nó.

Bước ba: thêm và sửa đồ vật

Bấm vào biểu tượng đồ vật, nút thứ ba từ trái, rồi chọn &apos;Khinh khí cầu&apos;. Cửa sổ sẽ đóng lại.

Bây giờ hãy nhấn nút chuột ở chỗ bạn muốn đặt khinh khí cầu, giữ nguyên và kéo xuống dưới, sang phải. Hình chữ nhật bạn kéo là cỡ của khinh khí cầu.

Khi bạn thả tay, khinh khí cầu được vẽ ra và một cửa sổ nhỏ hỏi bạn có muốn giữ nó không:
   &apos;Đổi cỡ&apos; vẽ lại bức tranh để bạn kéo lại hình chữ nhật của khinh khí cầu, giống như lúc nãy.
   &apos;Không giữ&apos; bỏ đồ vật mới đi.
   &apos;Giữ lại&apos; để nó lại trong bức tranh của bạn.

Sau này, bấm vào một đồ vật để di chuyển, đổi cỡ, xoá hoặc đưa nó ra sau đất.

Dùng bàn phím:
   Nhấn Tab cho đến khi bức tranh có khung chấm chấm. Sau khi chọn một đồ vật, nhấn một phím mũi tên: một hình chữ nhật cho thấy nó sẽ ở đâu. Phím mũi tên di chuyển nó (giữ Shift thì đi mười bước một lần), Ctrl và phím mũi tên làm nó to hơn hoặc nhỏ hơn, Enter đặt đồ vật vào đó, còn Esc bỏ nó đi.
   Khi chưa chọn gì, Tab và Shift+Tab đi từ đồ vật này sang đồ vật kế tiếp trong bức tranh; Enter mở cửa sổ của nó, giống như khi bấm vào nó.
   Sau &apos;Di chuyển&apos; hoặc &apos;Đổi cỡ&apos;, phím mũi tên di chuyển đường viền hoặc đổi cỡ của nó, và Enter để xong. Esc dừng mọi thay đổi, giống như Huỷ.

Bước bốn: hoàn thành bức tranh

   Làm mịn cạnh:
   Làm mịn cạnh giúp các cạnh răng cưa của đồ vật và phong cảnh mềm hơn. Bấm vào biểu tượng hiệu ứng, cái thứ tư từ trái. Chỉ để lại dấu ở ô &apos;Làm mịn cạnh&apos; rồi bấm &apos;Áp dụng hiệu ứng&apos;.

   Lưu thành BMP:
   Bấm vào biểu tượng xuất, nút thứ hai từ phải. Một cửa sổ mở ra để bạn chọn cỡ hình; rồi cửa sổ lưu quen thuộc sẽ hỏi tên tệp.

Các nút
-=-=-=-

(Các biểu tượng từ trái sang phải.)

Phong cảnh: chọn một phong cảnh.
Bầu trời: chọn một bầu trời.
Đồ vật: thêm một đồ vật.
Hiệu ứng: thêm hiệu ứng cho bức tranh.
------------------------------
Mới: bắt đầu một bức tranh mới.
In: in bức tranh (có thêm tuỳ chọn).
Lưu: lưu bức tranh thành tệp .VDR.
Mở: mở một tệp .VDR.
Lưu BMP: lưu hình thành tệp .BMP.
------------------------------
Vẽ lại: vẽ lại bức tranh.

Bấm chuột phải vào bức tranh để có trình đơn với mọi lệnh.
Trình đơn Công cụ xoá, lấy lại hoặc di chuyển mọi đồ vật cùng lúc.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Hãy chọn phong cảnh</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Không có phong cảnh</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Di chuyển đồ vật</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Bạn vừa di chuyển một đồ vật. Bạn muốn làm gì?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Giữ chỗ mới</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Di chuyển lại</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Huỷ di chuyển</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Tranh mới</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Bắt đầu tranh mới?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Đây không phải tệp Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tiếp tục</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Sửa đồ vật</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Bạn đã chọn đồ vật:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Bạn muốn làm gì với nó?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Xoá đi</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Di chuyển</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Đổi cỡ</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Đưa lên trước</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Huỷ</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Đưa ra sau đất</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Đồ vật mới</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Bạn đã chọn một đồ vật mới. Bạn muốn làm gì với nó?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Giữ lại</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Đổi cỡ</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Không giữ</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Sửa đồ vật</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Bạn đã chọn một đồ vật đang ở sau phong cảnh.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Bạn muốn làm gì với đồ vật:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Đưa đồ vật ra trước phong cảnh</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Xoá đồ vật</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Huỷ</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Đổi cỡ đồ vật</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Bạn vừa đổi cỡ một đồ vật. Bạn muốn làm gì?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Giữ cỡ mới</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Đổi cỡ lại</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Huỷ đổi cỡ</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Hãy chọn bầu trời</translation>
    </message>
</context>
</TS>
