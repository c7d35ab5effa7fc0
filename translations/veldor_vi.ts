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
