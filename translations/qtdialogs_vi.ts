<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs, which Debian's qtbase translations lack in this language. -->
<TS version="2.1" language="vi_VN">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Giảm</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Tăng</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>Đỏ (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>Độ bão hòa (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>Độ sáng (&amp;V):</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>Sắc độ (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Chọn màu</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>Thêm vào màu tùy chỉnh (&amp;A)</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Xanh dương (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>Lấy màu trên màn hình (&amp;P)</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Con trỏ tại %1, %2
Nhấn Esc để hủy</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>Xanh lá (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Màu cơ &amp;bản</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Màu tùy &amp;chỉnh</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Kênh a&amp;lpha:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>Lấy màu trên màn hình</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>Con trỏ tại %1, %2, màu: %3
Nhấn Esc để hủy</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Đúng</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Sai</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Mở danh sách chọn của hộp kết hợp</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lệnh in</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kết thúc:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Không có</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Trang bìa</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Ban đêm (18:00 đến 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Thời điểm cụ thể</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Thông tin thanh toán:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Lịch in:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Mật</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Tối mật</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Bắt đầu:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ban ngày (06:00 đến 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Ca hai (16:00 đến 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Điều khiển lệnh in</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Cuối tuần (thứ Bảy đến Chủ nhật)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Chuẩn</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Hạn chế</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Ca ba (00:00 đến 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Giữ vô thời hạn</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>In ngay</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Bí mật</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Độ ưu tiên lệnh in:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Không phân loại</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hủy bỏ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Đó&amp;ng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Đóng mà không lưu</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Không với tất cả (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lưu tất cả</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Loại bỏ</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Có với tất cả (&amp;A)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Không lưu</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Lùi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Mở</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Bí danh</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Ổ đĩa</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Hiện </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; được bảo vệ chống ghi.
Bạn vẫn muốn xóa nó?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Bạn có chắc muốn xóa &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Danh sách vị trí và dấu trang</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Tê&amp;n tệp:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Thư mục tệp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Thư mục mới</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Thư mục cha</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Thư mục &amp;mới</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Gỡ bỏ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Máy tính của tôi</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Tìm trong:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Tệp %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Kiểu tệp:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Tìm thư mục</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Hiện tệp ẩn (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu thành</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Không tìm thấy thư mục.
Hãy kiểm tra lại tên thư mục.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Thanh bên</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Dạng danh sách</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Chọn</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Mọi tệp (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Mọi tệp (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Đổi &amp;tên</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Không thể xóa thư mục.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Thư mục:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 đã có.
Bạn có muốn thay thế nó?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Tiến</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Đi tới</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Lên thư mục cha</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Vị trí gần đây</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Chuyển sang dạng chi tiết</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Lối tắt</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Dạng chi tiết</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Không tìm thấy tệp.
Hãy kiểm tra lại tên tệp.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Chuyển sang dạng danh sách</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>Bí danh</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Kiểu</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Không thể dùng tên &quot;%1&quot;.&lt;/b&gt;&lt;p&gt;Hãy thử tên khác, ngắn hơn hoặc không có dấu câu.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Máy tính của tôi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Tên tệp không hợp lệ</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Không thể dùng tên &quot;%1&quot;.&lt;/b&gt;&lt;p&gt;Hãy thử tên khác, ngắn hơn hoặc không có dấu câu.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Cắt</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Hiện chi tiết...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Với Qt, cùng một mã nguồn chạy được trên mọi hệ điều hành máy tính phổ biến. Qt cũng có cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo ba lựa chọn giấy phép khác nhau, phù hợp với nhu cầu của nhiều người dùng.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU LGPL phiên bản 3.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 3 phù hợp để phát triển ứng dụng&amp;nbsp;Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 3.&lt;/p&gt;&lt;p&gt;Xem &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; để biết tổng quan về giấy phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) %1 The Qt Company Ltd và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của The Qt Company Ltd, được phát triển như một dự án mã nguồn mở. Xem &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Giới thiệu Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ẩn chi tiết...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Giới thiệu Qt&lt;/h3&gt;&lt;p&gt;Chương trình này dùng Qt phiên bản %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Với Qt, cùng một mã nguồn chạy được trên mọi hệ điều hành máy tính phổ biến. Qt cũng có cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo nhiều lựa chọn giấy phép, phù hợp với nhu cầu của nhiều người dùng.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt theo GNU (L)GPL phù hợp để phát triển ứng dụng&amp;nbsp;Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của các giấy phép tương ứng.&lt;/p&gt;&lt;p&gt;Xem &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; để biết tổng quan về giấy phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) %1 The Qt Company Ltd và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của The Qt Company Ltd, được phát triển như một dự án mã nguồn mở. Xem &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Với Qt, cùng một mã nguồn chạy được trên mọi hệ điều hành máy tính phổ biến. Qt cũng có cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo ba lựa chọn giấy phép khác nhau, phù hợp với nhu cầu của nhiều người dùng.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU LGPL phiên bản 2.1 hoặc GNU GPL phiên bản 3.0.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 2.1 phù hợp để phát triển ứng dụng Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 2.1.&lt;/p&gt;&lt;p&gt;Qt theo Giấy phép Công cộng GNU phiên bản 3.0 phù hợp để phát triển ứng dụng Qt mà bạn muốn dùng cùng phần mềm tuân theo các điều khoản của GNU GPL phiên bản 3.0, hoặc khi bạn sẵn sàng tuân thủ các điều khoản của GNU GPL phiên bản 3.0.&lt;/p&gt;&lt;p&gt;Xem &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; để biết tổng quan về giấy phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) 2015 The Qt Company Ltd và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của Digia Plc và/hoặc (các) công ty con.&lt;/p&gt;&lt;p&gt;Qt được phát triển như một dự án mã nguồn mở tại &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của Digia. Xem &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Với Qt, cùng một mã nguồn chạy được trên mọi hệ điều hành máy tính phổ biến. Qt cũng có cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo ba lựa chọn giấy phép khác nhau, phù hợp với nhu cầu của nhiều người dùng.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU LGPL phiên bản 3 hoặc GNU LGPL phiên bản 2.1.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 3 phù hợp để phát triển ứng dụng&amp;nbsp;Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 3.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 2.1 phù hợp để phát triển ứng dụng&amp;nbsp;Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 2.1.&lt;/p&gt;&lt;p&gt;Xem &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; để biết tổng quan về giấy phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) %1 The Qt Company Ltd và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của The Qt Company Ltd, được phát triển như một dự án mã nguồn mở. Xem &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Với Qt, cùng một mã nguồn chạy được trên mọi hệ điều hành máy tính phổ biến. Qt cũng có cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo ba lựa chọn giấy phép khác nhau, phù hợp với nhu cầu của nhiều người dùng.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU LGPL phiên bản 3 hoặc GNU LGPL phiên bản 2.1.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 3 phù hợp để phát triển ứng dụng Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 3.&lt;/p&gt;&lt;p&gt;Qt theo GNU LGPL phiên bản 2.1 phù hợp để phát triển ứng dụng Qt, miễn là bạn tuân thủ các điều khoản và điều kiện của GNU LGPL phiên bản 2.1.&lt;/p&gt;&lt;p&gt;Xem &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; để biết tổng quan về giấy phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) %1 Digia Plc và/hoặc (các) công ty con và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của Digia Plc và/hoặc (các) công ty con.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của Digia, được phát triển như một dự án mã nguồn mở. Xem &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Biểu mẫu</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>lề dưới</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Giấy</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Nguồn giấy:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>lề phải</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Lề</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Nằm ngang</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Bố cục trang</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Rộng:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Hướng giấy</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Đứng</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Thứ tự trang:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>lề trên</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>lề trái</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Khổ giấy:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Đứng ngược</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimét (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Điểm (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Số trang mỗi tờ:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inch (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Ngang ngược</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Cao:</translation>
    </message>
    <message>
        <source>Centimeters (cm)</source>
        <translation>Xentimét (cm)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Phong bì Monarch</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter nhỏ</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Phong bì You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Phong bì US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Phong bì US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Phong bì US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Phong bì US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Phong bì PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Phong bì PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Phong bì PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Phong bì PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Phong bì PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Phong bì PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Phong bì PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Phong bì PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Phong bì PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Phong bì C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Phong bì DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Phong bì B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Phong bì B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Phong bì B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Phong bì C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Phong bì C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Phong bì C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Phong bì C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Phong bì C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Phong bì C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Phong bì C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Phong bì C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 in)</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K lớn</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 nhỏ</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 in)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Bưu thiếp</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Phong bì thiệp mời</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Phong bì Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Phong bì Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Giấy gấp liên tục Đức (8,5 × 12 in)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Phong bì PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Phong bì Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Phong bì Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Phong bì US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 in</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Giấy gấp liên tục Mỹ (14,875 × 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Giấy gấp liên tục Đức Legal (8,5 × 13 in)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Tùy chỉnh (%1in × %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Tùy chỉnh (%1mm × %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Tùy chỉnh (%1CC × %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Tùy chỉnh (%1DD × %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Tùy chỉnh (%1pc × %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Tùy chỉnh (%1pt × %2pt)</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Phong bì Ý</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Bưu thiếp đôi</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 × 13 in)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Phong bì cá nhân</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hủy bỏ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Không với tất cả (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lưu tất cả</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Loại bỏ</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Có với tất cả (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Trang chẵn</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>Tùy chọn (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>Tùy chọn (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Trái sang phải, trên xuống dưới</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Phải sang trái, dưới lên trên</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Ghi tệp PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;In</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Không thể dùng đồng thời tùy chọn &apos;Số trang mỗi tờ&apos; và &apos;Tập trang&apos;.
Hãy tắt một trong hai.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 đã có.
Bạn có muốn ghi đè?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Trái sang phải, dưới lên trên</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Trang lẻ</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Tệp cục bộ</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>In ra tệp (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>In ra tệp...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Phải sang trái, trên xuống dưới</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Dưới lên trên, trái sang phải</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Giá trị &apos;Từ&apos; không được lớn hơn giá trị &apos;Đến&apos;.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Mọi trang</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 là thư mục.
Hãy chọn tên tệp khác.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Không thể ghi tệp %1.
Hãy chọn tên tệp khác.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Dưới lên trên, phải sang trái</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Trên xuống dưới, trái sang phải</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Trên xuống dưới, phải sang trái</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Thiết lập in hai mặt bị xung đột. Bạn có muốn sửa không?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Phạm vi trang không hợp lệ</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 không đúng cú pháp. Hãy dùng &apos;,&apos; để ngăn cách các khoảng và trang, &apos;-&apos; để chỉ định khoảng, và bảo đảm các khoảng không chồng lên nhau.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Xung đột thiết lập in hai mặt</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>C5E</source>
        <translation>C5E</translation>
    </message>
    <message>
        <source>DLE</source>
        <translation>DLE</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Folio</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>Ledger</source>
        <translation>Ledger</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <source>US Common #10 Envelope</source>
        <translation>Phong bì US Common #10</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Tùy chọn lệnh in</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Thuộc tính máy in</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Xung đột tùy chọn nâng cao</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Xung đột thiết lập trang</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Một số tùy chọn nâng cao bị xung đột. Bạn có muốn sửa không?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Các tùy chọn thiết lập trang bị xung đột. Bạn có muốn sửa không?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Biểu mẫu</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Trang</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Một số tùy chọn bị xung đột. Hãy sửa chúng.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Nâng cao</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>đến</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Biểu mẫu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Không có</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Màu</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>In tất cả</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Trang hiện tại</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Vùng chọn</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Cạnh dài</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Số bản</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Phạm vi in</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Chế độ màu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Thiết lập đầu ra</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Thứ tự ngược</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Thang xám</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Cạnh ngắn</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Xếp bộ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Số bản:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Trang từ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Tập trang:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>In hai mặt</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Trang</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Đóng gáy cạnh ngắn</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Nhập các trang hoặc khoảng trang, cách nhau bằng dấu phẩy. Khoảng trang gồm hai số nối bằng dấu gạch ngang. Ví dụ: 3,5-7,9 in các trang 3, 5, 6, 7 và 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>In hai mặt</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Đóng gáy cạnh dài</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Biểu mẫu</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Kiểu:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Tên:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Tệp đầu &amp;ra:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>Th&amp;uộc tính</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Xem trước</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Máy in</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Vị trí:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Đầu</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Cuộn xuống</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Cuộn đến đây</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Cuộn sang trái</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Cuối</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Lên một trang</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Sang phải một trang</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Cuộn lên</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Cuộn sang phải</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Mép trái</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Xuống một trang</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Sang trái một trang</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Mép phải</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Bắt đầu nhúng phải-sang-trái</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Khoảng trắng độ rộng bằng không</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Cô lập trái-sang-phải</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Chèn ký tự điều khiển Unicode</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Bắt đầu ghi đè trái-sang-phải</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Bắt đầu nhúng trái-sang-phải</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Cô lập phải-sang-trái</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Dấu phải-sang-trái</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Kết thúc định dạng hướng</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Ký tự không nối độ rộng bằng không</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Bắt đầu ghi đè phải-sang-trái</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Kết thúc cô lập hướng</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Ký tự nối độ rộng bằng không</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Dấu trái-sang-phải</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Cô lập theo ký tự mạnh đầu tiên</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Cắt</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Sao chép địa chỉ &amp;liên kết</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Đó&amp;ng</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Đóng mà không lưu</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Bí danh</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Ổ đĩa</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Thư mục tệp</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Lối tắt</translation>
    </message>
</context>
</TS>
