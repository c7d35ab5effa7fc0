<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Langit: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Tanpa tanah.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Tanah: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>dan %n lagi</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Benda: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Pilih Printer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Muat Paket</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efek: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Tambah Gambarku</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Tambah Gambarku...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Gambar sudah berubah.
Mau disimpan?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>gambar yang belum pernah disimpan</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor tertutup sebelum %1 disimpan.
Mau perubahannya dikembalikan?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Kembalikan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Folder ini tidak ada.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Menunggu diperiksa penutur asli</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Berkas tidak ditemukan</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Akses ke berkas ditolak</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk penuh</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Galat masukan/keluaran %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Gambar bitmap tidak sah</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Tidak bisa membuat PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Belum ada printer yang dipilih</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Printer yang dipilih tidak sah</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME dan HOME tidak diatur</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Baris %1 lebih panjang dari 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ bukan bilangan bulat yang sah</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Jumlah benda tidak sah: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Memori tidak cukup untuk %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Gambar tidak bisa dicetak: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Paket gambar %1 tidak bisa ditambahkan:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Tidak bisa membuka berkas %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Tidak bisa membuka berkas %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Tidak bisa membuat berkas %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Belum ada paket</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Cara memuat paket gambar Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Unduh berkas zip berisi paket gambar Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Buka paketnya, atau ekstrak ke folder “packs”</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Lalu pilih di daftar sebelah kiri.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Paket gambar</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Dibuat oleh:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Keterangan:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Buka paketnya, atau ekstrak ke %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Tebing Batu</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Pegunungan Kecil</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Bukit Berhutan</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Pulau Sepi</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Awan Kelabu</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Awan Gelap</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Senja Jingga</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Biru Cerah</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Hari Berawan</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Batu Cincin</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Apel</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Balon Udara</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Balon Udara</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Bola Golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Bunga Kuning</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Tim Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Musim Dingin dan Gurun</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Salju, pasir, dan bintang untuk dicoba dengan gambarmu sendiri.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Malam Berbintang</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Siang di Gurun</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Cahaya Utara</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Fajar Merah Muda</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Awan Salju</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Bukit Bersalju</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Bukit Pasir</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Danau Beku</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Ngarai Merah</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Desa Musim Dingin</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Pohon Cemara</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Pondok</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Perahu Layar</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Manusia Salju</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Musim Gugur</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Hutan keemasan, ladang panen, dan bulan jingga yang besar.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Sore Keemasan</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Pagi Berkabut</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Badai Musim Gugur</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Bulan Panen</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Hujan dan Pelangi</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Bukit Mapel</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Ladang Labu</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Danau Birch</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Peternakan Lumbung Merah</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Kebun Anggur</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Labu</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Daun Mapel</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Jamur</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Biji Ek</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Orang-orangan Sawah</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Tepi Laut</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Pantai, tebing, dan pelabuhan di bawah langit musim panas.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Siang Musim Panas</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Senja Tropis</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Kabut Laut</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Laut Badai</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Sore Pastel</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Pantai Berpasir</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Tebing Mercusuar</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Teluk Palem</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Kota Pelabuhan</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Pantai Berbatu</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Mercusuar</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Bola Pantai</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Camar</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Bintang Laut</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Payung Pantai</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Cahaya Bulan</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Langit malam penuh bintang di atas negeri yang tertidur.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Bulan Purnama</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Bima Sakti</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Senja</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Hujan Meteor</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Awan Perak</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Bukit di Bawah Bulan</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Kota Malam</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Api Unggun</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Desa yang Tidur</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Hutan Pinus</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Burung Hantu</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lentera</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Roket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Lilin</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Bulan Sabit</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Tambah salinan</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Kurangi salinan</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versi 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 para pengembang Veldor.
Bebas dipakai dan dibagikan.</translation>
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
        <translation>Ekspor sebagai BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Seberapa besar gambar BMP-nya?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (biasa)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (ditarik)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Berkas bitmap (*.bmp);;Gambar PNG (*.png);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Ekspor sebagai BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Ekspor sebagai BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Pemandangan: Pilih Paket</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Pemandangan</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Langit</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Benda</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efek Khusus</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Ekspor sebagai BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Gambar Ulang</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Baru</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Mulai gambar baru</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>B&amp;uka...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Buka gambar yang tersimpan</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Simpan gambar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Simpan seb&amp;agai...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Simpan gambar dengan nama baru</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Cetak...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Pilih P&amp;rinter</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Ekspor B&amp;MP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Keluar dari Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Sunting</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Urungkan perubahan terakhir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Ulangi perubahan yang diurungkan</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Salin gambar ke papan klip</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Alat</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Hapus Semua</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Kembalikan Semua</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Semua ke &amp;Depan</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Semua ke &amp;Belakang Tanah</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Pemandangan</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Langit</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>Be&amp;nda</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efek Khusus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Tampilkan bantuan</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tentang...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Tampilkan apa itu Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Pilih P&amp;rinter...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Tanah</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Ke Depan</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Pindah</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Ubah Ukuran</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Ke Belakang Tanah</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Ke Depan Pemandangan</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Hapus Benda</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efek</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Hapus Semua</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Kembalikan Semua</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Semua ke Depan</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Semua ke Belakang Tanah</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Urungkan %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>U&amp;langi %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Berkas Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Berkas Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Menambahkan paket gambar...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: pilih benda. Panah dan Enter: taruh, pindahkan, ubah ukuran. Escape: batalkan.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Pilih sebuah benda, lalu seret kotaknya di gambar, atau pakai tombol panah dan Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>di %1, %2, ukuran %3 kali %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter untuk mengubahnya.</translation>
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
        <translation>Dibatalkan: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>taruh dulu bendanya (seret, atau panah dan Enter), atau tekan Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>jawab dulu jendela ‘Benda Baru’, atau tekan Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>jawab dulu jendela ‘Ubah Benda’, atau tekan Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>lepaskan dulu bendanya (klik, atau Enter), atau tekan Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>jawab dulu jendela ‘Pindah Benda’, atau tekan Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>gambar dulu ukuran barunya (seret, atau panah dan Enter), atau tekan Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>jawab dulu jendela ‘Ukuran Benda’, atau tekan Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 harus menunggu: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: seret di gambar, atau tekan tombol panah di sana.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Gambar: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Lebih Banyak Benda</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cari:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Ketik nama, misalnya kucing atau bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Cari benda dari namanya</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kelompok</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Benda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Benda Lainnya</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Tidak ada paket gambar berisi benda di folder packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Tidak ada benda bernama ‘%1’.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 benda</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 benda</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Benda: Pilih Paket</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Pilih Benda</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Lebih Banyak Benda...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Untuk printer lain, tekan ‘Printer...’</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Jumlah salinan:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Jumlah salinan</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Cetak ke Berkas</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Berkas PDF (*.pdf);;Semua berkas (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Langit: Pilih Paket</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Tunggu, sedang menggambar...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efek Khusus</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efek butuh waktu sebentar.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Ingat: efek hilang saat gambar digambar ulang.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Pakai efek setelah pemandanganmu selesai, supaya kamu</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>bisa menyimpan atau mencetak gambar dengan efeknya.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efek yang dipakai:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Haluskan</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Balik Warna</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Warna...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Beri Warna</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Rona...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Lebih gelap</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Lebih terang</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Pakai</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Memakai efek...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Bantuan Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Teks bantuan</translation>
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
        <translation>Mulai Cepat
-=-=-=-=-=-

Panduan singkat ini membantumu membuat gambar pertamamu dengan Veldor.

Langkah 1: pilih langit

Klik gambar langit, tombol kedua dari kiri di bilah. Jendela langit terbuka. Klik salah satu langit; ‘Awan Gelap’ bagus untuk mulai. Gambar dibuat ulang dengan langit baru. Setelah selesai, tutup jendela langit.

Langkah 2: pilih pemandangan

Klik gambar pemandangan, tombol pertama di bilah, lalu pilih pemandangan. Coba ‘Pulau Sepi’. Pemandangan digambar di atas langit, dan cahaya langit memberinya warna.

Langkah 3: tambah dan ubah benda

Klik gambar benda, tombol ketiga dari kiri, lalu pilih ‘Balon Udara’. Jendelanya tertutup.

Sekarang tekan tombol mouse di tempat balon akan berada, tahan, lalu tarik ke kanan bawah. Kotak yang kamu tarik menjadi ukuran balon.

Saat kamu lepaskan, balon digambar dan jendela kecil bertanya apakah mau disimpan:
   ‘Ubah Ukuran’ menggambar ulang supaya kamu bisa menarik kotak balon sekali lagi.
   ‘Jangan Simpan’ membuang benda baru itu.
   ‘Simpan’ membiarkannya di gambarmu.

Nanti, klik sebuah benda untuk memindahkannya, mengubah ukurannya, menghapusnya, atau menaruhnya di belakang tanah.

Memakai papan ketik:
   Tekan Tab sampai gambar punya bingkai titik-titik. Setelah kamu memilih benda, tekan tombol panah: sebuah kotak menunjukkan tempatnya. Tombol panah memindahkannya (dengan Shift, sepuluh langkah sekaligus), Ctrl dan tombol panah membuatnya lebih besar atau lebih kecil, Enter menaruh benda di situ, dan Escape membatalkannya.
   Kalau tidak ada yang dipilih, Tab dan Shift+Tab berpindah dari satu benda di gambar ke benda berikutnya; Enter membuka jendelanya, sama seperti mengkliknya.
   Setelah ‘Pindahkan’ atau ‘Ubah Ukuran’, tombol panah memindahkan garis luarnya atau mengubah ukurannya, dan Enter menyelesaikannya. Escape menghentikan perubahan apa pun, sama seperti Batal.

Langkah 4: selesaikan gambarmu

   Haluskan:
   Haluskan membuat tepi benda dan pemandangan yang kasar jadi halus. Klik gambar efek, tombol keempat dari kiri. Centang hanya kotak ‘Haluskan’ lalu klik ‘Pakai’.

   Simpan sebagai BMP:
   Klik gambar ekspor, tombol kedua dari kanan. Jendela terbuka untuk memilih ukuran gambar; lalu jendela simpan menanyakan nama berkas.

Tombol-tombol
-=-=-=-=-=-=-

(Dari kiri ke kanan.)

Pemandangan: pilih pemandangan.
Langit: pilih langit.
Benda: tambahkan benda.
Efek: beri efek pada gambarmu.
------------------------------
Baru: mulai gambar baru.
Cetak: cetak gambarmu (dengan pilihan lain).
Simpan: simpan gambarmu sebagai berkas .VDR.
Buka: buka berkas .VDR.
Ekspor BMP: simpan gambar sebagai berkas .BMP.
------------------------------
Gambar Ulang: menggambar ulang gambarmu.

Klik kanan pada gambar untuk menu berisi semua perintah.
Menu Alat menghapus, mengembalikan, atau memindahkan semua benda sekaligus.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Pilih Pemandangan</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Tanpa Pemandangan</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Pindah Benda</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Kamu baru memindahkan benda. Mau apa sekarang?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Sudah Pas</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Gambar Baru</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Mulai gambar baru?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Ini bukan berkas Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Lanjut</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Ubah Benda</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Kamu memilih benda:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Mau diapakan?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Pindahkan</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Ubah Ukuran</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Ke Depan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Ke Belakang Tanah</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Benda Baru</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Kamu punya benda baru. Mau diapakan?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Ubah Ukuran</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Jangan Simpan</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Ubah Benda</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Kamu memilih benda di belakang pemandangan.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Mau diapakan benda ini:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Taruh di Depan Pemandangan</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Hapus Benda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Ukuran Benda</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Kamu baru mengubah ukuran benda. Mau apa sekarang?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Sudah Pas</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Pilih Langit</translation>
    </message>
</context>
</TS>
