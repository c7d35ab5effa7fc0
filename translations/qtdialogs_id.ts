<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs, which Debian's qtbase translations lack in this language. -->
<TS version="2.1" language="id_ID">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Turunkan</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Naikkan</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Pilih &amp;Semua</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Merah:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Saturasi:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>K&amp;ecerahan:</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Rona:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Pilih Warna</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Tambahkan ke Warna Khusus</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>&amp;Biru:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Ambil Warna dari Layar</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Kursor di %1, %2
Tekan Esc untuk batal</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>H&amp;ijau:</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Warna &amp;dasar</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Warna &amp;khusus</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Kanal a&amp;lfa:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>Ambil Warna dari Layar</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>Kursor di %1, %2, warna: %3
Tekan Esc untuk batal</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Buka daftar pilihan kotak kombo</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Tugas</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Akhir:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Halaman Sampul</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Malam (18.00 sampai 05.59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Waktu Tertentu</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informasi tagihan:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Pencetakan terjadwal:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Rahasia</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Sangat Rahasia</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Siang (06.00 sampai 17.59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Giliran Kedua (16.00 sampai 23.59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Kendali Tugas</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Akhir Pekan (Sabtu sampai Minggu)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standar</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Terbatas</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Giliran Ketiga (00.00 sampai 07.59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Tahan Tanpa Batas Waktu</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Cetak Segera</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidensial</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritas tugas:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Tidak Terbatas</translation>
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
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Jangan Simpan</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Penggerak</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Tetap hapus?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Yakin ingin menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan markah</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
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
        <translation>Folder Berkas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folder Induk</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;Baru</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Lihat di:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Berkas %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Folder</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folder tidak ditemukan.
Pastikan nama folder yang diberikan benar.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah Sisi</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folder tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Ganti berkas ini?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke folder induk</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terkini</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Beralih ke tampilan rinci</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Pastikan nama berkas yang diberikan benar.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Beralih ke tampilan daftar</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>Alias</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipe</translation>
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
        <translation>&lt;b&gt;Nama &quot;%1&quot; tidak dapat dipakai.&lt;/b&gt;&lt;p&gt;Coba nama lain yang lebih pendek atau tanpa tanda baca.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bita</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nama berkas tidak valid</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 bita</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Nama &quot;%1&quot; tidak dapat dipakai.&lt;/b&gt;&lt;p&gt;Coba nama lain yang lebih pendek atau tanpa tanda baca.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah perangkat C++ untuk mengembangkan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Dengan Qt, satu kode sumber dapat dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan tiga pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi komersial kami cocok untuk mengembangkan perangkat lunak berpemilik/komersial bila Anda tidak ingin membagikan kode sumber kepada pihak ketiga atau tidak dapat mematuhi ketentuan GNU LGPL versi 3.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 3 cocok untuk mengembangkan aplikasi&amp;nbsp;Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 3.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) %1 The Qt Company Ltd dan para kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt adalah produk The Qt Company Ltd yang dikembangkan sebagai proyek sumber terbuka. Lihat &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; untuk informasi lebih lanjut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Tentang Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tentang Qt&lt;/h3&gt;&lt;p&gt;Program ini memakai Qt versi %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah perangkat C++ untuk mengembangkan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Dengan Qt, satu kode sumber dapat dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan beberapa pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi komersial kami cocok untuk mengembangkan perangkat lunak berpemilik/komersial bila Anda tidak ingin membagikan kode sumber kepada pihak ketiga atau tidak dapat mematuhi ketentuan GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU (L)GPL cocok untuk mengembangkan aplikasi&amp;nbsp;Qt asalkan Anda dapat mematuhi syarat dan ketentuan lisensi masing-masing.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) %1 The Qt Company Ltd dan para kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt adalah produk The Qt Company Ltd yang dikembangkan sebagai proyek sumber terbuka. Lihat &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; untuk informasi lebih lanjut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah perangkat C++ untuk mengembangkan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Dengan Qt, satu kode sumber dapat dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan tiga pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi komersial kami cocok untuk mengembangkan perangkat lunak berpemilik/komersial bila Anda tidak ingin membagikan kode sumber kepada pihak ketiga atau tidak dapat mematuhi ketentuan GNU LGPL versi 2.1 atau GNU GPL versi 3.0.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 2.1 cocok untuk mengembangkan aplikasi Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 2.1.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU General Public License versi 3.0 cocok untuk mengembangkan aplikasi Qt yang ingin Anda gunakan bersama perangkat lunak yang tunduk pada ketentuan GNU GPL versi 3.0, atau bila Anda bersedia mematuhi ketentuan GNU GPL versi 3.0.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) 2015 The Qt Company Ltd dan para kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang Digia Plc dan/atau anak perusahaannya.&lt;/p&gt;&lt;p&gt;Qt dikembangkan sebagai proyek sumber terbuka di &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt adalah produk Digia. Lihat &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; untuk informasi lebih lanjut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah perangkat C++ untuk mengembangkan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Dengan Qt, satu kode sumber dapat dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan tiga pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi komersial kami cocok untuk mengembangkan perangkat lunak berpemilik/komersial bila Anda tidak ingin membagikan kode sumber kepada pihak ketiga atau tidak dapat mematuhi ketentuan GNU LGPL versi 3 atau GNU LGPL versi 2.1.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 3 cocok untuk mengembangkan aplikasi&amp;nbsp;Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 3.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 2.1 cocok untuk mengembangkan aplikasi&amp;nbsp;Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 2.1.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) %1 The Qt Company Ltd dan para kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt adalah produk The Qt Company Ltd yang dikembangkan sebagai proyek sumber terbuka. Lihat &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; untuk informasi lebih lanjut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah perangkat C++ untuk mengembangkan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Dengan Qt, satu kode sumber dapat dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan tiga pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi komersial kami cocok untuk mengembangkan perangkat lunak berpemilik/komersial bila Anda tidak ingin membagikan kode sumber kepada pihak ketiga atau tidak dapat mematuhi ketentuan GNU LGPL versi 3 atau GNU LGPL versi 2.1.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 3 cocok untuk mengembangkan aplikasi Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 3.&lt;/p&gt;&lt;p&gt;Qt dengan lisensi GNU LGPL versi 2.1 cocok untuk mengembangkan aplikasi Qt asalkan Anda dapat mematuhi syarat dan ketentuan GNU LGPL versi 2.1.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) %1 Digia Plc dan/atau anak perusahaannya dan para kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang Digia Plc dan/atau anak perusahaannya.&lt;/p&gt;&lt;p&gt;Qt adalah produk Digia yang dikembangkan sebagai proyek sumber terbuka. Lihat &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; untuk informasi lebih lanjut.&lt;/p&gt;</translation>
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
        <translation>inci</translation>
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
        <translation>Formulir</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>margin bawah</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sumber kertas:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>margin kanan</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Khusus</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Lanskap</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Tata Letak Halaman</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lebar:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientasi</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Potret</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Urutan halaman:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>margin atas</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>margin kiri</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Ukuran halaman:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Potret terbalik</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimeter (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Poin (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Halaman per lembar:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Lanskap terbalik</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Centimeters (cm)</source>
        <translation>Sentimeter (cm)</translation>
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
        <translation>Amplop Monarch</translation>
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
        <translation>Letter Kecil</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Amplop You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Amplop US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Amplop US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Amplop US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Amplop US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Amplop PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Amplop PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Amplop PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Amplop PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Amplop PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Amplop PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Amplop PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Amplop PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Amplop PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Amplop C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Amplop DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Amplop B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Amplop B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Amplop B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Amplop C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Amplop C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Amplop C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Amplop C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Amplop C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Amplop C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Amplop C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Amplop C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 inci)</translation>
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
        <translation>Khusus</translation>
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
        <translation>PRC 32K Besar</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 Kecil</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 inci)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Kartu Pos</translation>
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
        <translation>Amplop Undangan</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Amplop Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Amplop Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Kertas Lipat Jerman (8,5 × 12 inci)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Amplop PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Amplop Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Amplop Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Amplop US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 inci</translation>
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
        <translation>Kertas Lipat AS (14,875 × 11 inci)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Kertas Lipat Jerman Legal (8,5 × 13 inci)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Khusus (%1in × %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Khusus (%1mm × %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Khusus (%1CC × %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Khusus (%1DD × %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Khusus (%1pc × %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Khusus (%1pt × %2pt)</translation>
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
        <translation>Amplop Italia</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Kartu Pos Ganda</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 × 13 inci)</translation>
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
        <translation>Amplop Pribadi</translation>
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
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
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
        <translation>Halaman Genap</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opsi &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opsi &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Kiri ke Kanan, Atas ke Bawah</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Kanan ke Kiri, Bawah ke Atas</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Tulis berkas PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opsi &apos;Halaman per Lembar&apos; dan &apos;Set Halaman&apos; tidak dapat dipakai bersamaan.
Matikan salah satunya.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 sudah ada.
Timpa berkas ini?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Kiri ke Kanan, Bawah ke Atas</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Halaman Ganjil</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Berkas lokal</translation>
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
        <translation>Cetak ke Berkas (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Cetak ke Berkas ...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Kanan ke Kiri, Atas ke Bawah</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bawah ke Atas, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Nilai &apos;Dari&apos; tidak boleh lebih besar dari nilai &apos;Sampai&apos;.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Semua Halaman</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 adalah folder.
Pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Berkas %1 tidak dapat ditulisi.
Pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bawah ke Atas, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Atas ke Bawah, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Atas ke Bawah, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Ada pengaturan dupleks yang bertentangan. Perbaiki sekarang?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definisi Halaman Tidak Valid</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 tidak mengikuti sintaks yang benar. Gunakan &apos;,&apos; untuk memisahkan rentang dan halaman, &apos;-&apos; untuk menentukan rentang, dan pastikan rentang tidak saling tumpang tindih.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Pengaturan Dupleks Bertentangan</translation>
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
        <translation>Khusus</translation>
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
        <translation>Amplop US Common #10</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Opsi Tugas</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Properti Pencetak</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Opsi Lanjutan Bertentangan</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Pengaturan Halaman Bertentangan</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Ada opsi lanjutan yang bertentangan. Perbaiki sekarang?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Ada pengaturan halaman yang bertentangan. Perbaiki sekarang?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Ada opsi yang bertentangan. Harap perbaiki.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Lanjutan</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Cetak semua</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Halaman Saat Ini</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Sisi panjang</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Salinan</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Rentang cetak</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode Warna</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Pengaturan Keluaran</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Urutan terbalik</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala abu-abu</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Sisi pendek</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Susun</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Salinan:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Halaman dari</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set Halaman:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Cetak Dupleks</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Tentukan halaman atau rentang yang dipisahkan koma. Rentang ditulis dengan dua angka yang dipisahkan tanda hubung. Contoh: 3,5-7,9 mencetak halaman 3, 5, 6, 7, dan 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
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
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipe:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Berkas keluaran:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roperti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Pencetak</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Gulir ke bawah</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Gulir ke sini</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Gulir ke kiri</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Halaman ke atas</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Halaman ke kanan</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Gulir ke atas</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Gulir ke kanan</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Tepi kiri</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Halaman ke bawah</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Halaman ke kiri</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Tepi kanan</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Awal penyematan kanan-ke-kiri</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spasi lebar nol</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Isolasi kiri-ke-kanan</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Sisipkan karakter kendali Unicode</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Awal penimpaan kiri-ke-kanan</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Awal penyematan kiri-ke-kanan</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Isolasi kanan-ke-kiri</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Tanda kanan-ke-kiri</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Akhir format arah</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Pemisah lebar nol</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Awal penimpaan kanan-ke-kiri</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Akhir isolasi arah</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Penyambung lebar nol</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Tanda kiri-ke-kanan</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolasi kuat pertama</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin &amp;Lokasi Tautan</translation>
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
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Penggerak</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Folder Berkas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
</context>
</TS>
