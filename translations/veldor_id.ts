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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji dari Google (SIL Open Font License), dibuat datar untuk Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Para Pengembang Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Hewan Ternak</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Sapi</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Babi</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Domba</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Kambing</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Ayam Jantan</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Ayam Betina</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Anak Ayam</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Bebek</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kuda</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Lembu</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Kerbau</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkun</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Domba Jantan</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Keledai</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kelinci</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Wajah Sapi</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Wajah Babi</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Wajah Kuda</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Angsa</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Hewan Hutan</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Rubah</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Beruang</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Rusa</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Tupai Tanah</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Landak</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Luak</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Serigala</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Rakun</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Berang-Berang</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Babi Hutan</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Sigung</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Rusa Besar</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Kelelawar</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Katak</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Siput</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Ulat</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Kupu-Kupu</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Lebah</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Kepik</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Elang</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Burung</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Semut</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Laba-Laba</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Jangkrik</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Hewan Laut</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Paus Menyembur</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Lumba-Lumba</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ikan</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Ikan Tropis</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Ikan Buntal</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Hiu</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Gurita</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Cumi-Cumi</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Kepiting</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Lobster</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Udang</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Cangkang Kerang</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Anjing Laut</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Penyu</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Ubur-Ubur</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Penguin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Berang-Berang Laut</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Karang</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Tiram</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Hewan Rimba</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Monyet</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorila</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orang Utan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Gajah</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Singa</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Wajah Harimau</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Harimau</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Macan Tutul</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Jerapah</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Kuda Nil</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Badak</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Buaya</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Ular</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Burung Beo</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Kungkang</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Unta</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Unta Punuk Dua</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kanguru</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Kadal</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Merak</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Wajah Monyet</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Hewan Peliharaan</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kucing</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Anjing</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Pudel</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Anak Anjing</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Anak Kucing</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Wajah Tikus</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Tikus</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Kelinci Kecil</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Anjing Pemandu</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Jejak Kaki</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Tulang</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Anak Ayam</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Anak Ayam Menetas</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Sarang Berisi Telur</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Orang-Orang</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bayi</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Anak</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Anak Laki-Laki</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Anak Perempuan</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Orang</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Pria</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Wanita</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Lansia</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Kakek</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Nenek</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Rambut Pirang</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Pria Berjenggot</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Keluarga</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Bergandengan</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dua Sahabat</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Berjalan</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Berlari</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Penari</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Pria Menari</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Orang Berdiri</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Lambaian Tangan</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Angkat Tangan</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Wajah Senang</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Wajah Keren</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Wajah Memeluk</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Pekerjaan dan Alat</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Polisi</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Tukang Bangunan</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Penjaga</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detektif</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Pengantin</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Orang Berjas</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stetoskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Kunci Pas</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Palu</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Gergaji</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Palet Cat</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Kuas</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Kotak Pos</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Surat</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Pemadam Api</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Sapu</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Helm Penyelamat</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Topi Wisuda</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Buku</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Pensil</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Krayon</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Penggaris</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Tabung Reaksi</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Tas Kerja</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Kotak Perkakas</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Tangga</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Ember</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Bola Lampu</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Kendaraan</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taksi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jip</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Bus Listrik</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Mobil Balap</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Mobil Polisi</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulans</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Mobil Pemadam</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Bus Mini</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pikap</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Truk Pengantar</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Truk Besar</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Skuter</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Sepeda Motor</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Sepeda</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Otopet</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Kereta Uap</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Kereta</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Kereta Bawah Tanah</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Trem</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorel</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Pesawat</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Pesawat Kecil</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Perahu Cepat</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Perahu Motor</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Kapal</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Feri</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Kereta Gantung</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Gondola Gunung</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Bajaj</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Bangunan</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Rumah</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Rumah dan Kebun</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Rumah-Rumah</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Gedung Kantor</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Kantor Pos</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Rumah Sakit</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Toko</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Sekolah</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Toserba</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Pabrik</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Istana Jepang</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Istana</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Kapel Pernikahan</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Menara</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Patung</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Gereja</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Masjid</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Kuil</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagoge</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Kuil Jepang</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museum</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Derek</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Gubuk</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Rumah Tua</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Tenda Sirkus</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Patung Batu</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Tumbuhan dan Pohon</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Pohon</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Cemara</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Pohon Kelapa</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Tunas</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Herba</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Semanggi</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Semanggi Empat Daun</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Daun Gugur</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Daun Tertiup Angin</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Ikat Padi</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulip</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Mawar</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Bunga Layu</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Bunga Sepatu</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Bunga Sakura</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Bunga Kecil</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Bunga Matahari</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket Bunga</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Tanaman Pot</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Jamur Merah</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Batang Kayu</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Teratai</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Bunga Hiasin</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanye</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Pohon Harapan</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Hiasan Pinus</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Sarang Kosong</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Batu</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Buah dan Sayur</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Apel Hijau</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pir</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Jeruk</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Lemon</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Pisang</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Semangka</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Anggur</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Stroberi</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Bluberi</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Ceri</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Persik</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mangga</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Nanas</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Kelapa</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomat</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Terong</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Alpukat</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Wortel</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Jagung</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Cabai</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Mentimun</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Selada</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Bawang Putih</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Bawang Bombai</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Kentang</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Makanan</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Roti</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baguette</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Keju</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Telur</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Telur Ceplok</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Panekuk</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Wafel</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Burger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Kentang Goreng</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Piza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hot Dog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Roti Isi</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spageti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Es Krim</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donat</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Kue Kering</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Kue Ulang Tahun</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kue</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Kue Mangkuk</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Cokelat</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Permen</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lolipop</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Pot Madu</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Segelas Susu</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Kotak Jus</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Minuman Panas</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pai</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Mainan dan Olahraga</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Bola Sepak</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Bisbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Bola Basket</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Bola Voli</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Bola Futbol Amerika</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Bola Rugbi</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Bola Tenis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Cakram Lempar</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Boling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Tongkat Kriket</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Tongkat Hoki</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Tenis Meja</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Bulu Tangkis</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Sarung Tinju</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gawang</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Bendera Golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Sepatu Luncur Es</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Pancing</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Papan Luncur</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Sepatu Roda</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kereta Salju</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Batu Curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Ski</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Layang-Layang</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yoyo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Boneka Beruang</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Boneka Susun</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dadu</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Kepingan Puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Stik Game</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Piala</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medali Emas</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Papan Dart</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Perosotan</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitar</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Drum</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saksofon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Biola</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Gendang Panjang</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Marakas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Seruling</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Headphone</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Lonceng</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Not Musik</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Luar Angkasa</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Piring Terbang</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelit</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Bumi</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Bumi (Asia)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planet Bercincin</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Bulan Baru</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Wajah Bulan</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Bulan Tersenyum</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Matahari Tersenyum</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Matahari</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Bintang</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Bintang Bersinar</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Bintang Berputar</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Bintang Jatuh</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alien</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Monster Piksel</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Bumi (Amerika)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Bulan Susut</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Bulan Separuh</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Bulan Cembung</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Cuaca</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Awan</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Cerah Berawan</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Awan Badai</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sedikit Berawan</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Berawan</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Matahari dan Hujan</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Awan Hujan</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Awan Bersalju</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Awan Petir</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Kabut</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Angin</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Pusaran Angin</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Pelangi</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Payung</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Payung Kehujanan</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Kilat</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Kepingan Salju</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Manusia Salju di Salju</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Api</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Tetes Air</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ombak</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometer</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Es Batu</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasi</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Penyihir</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Peri</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampir</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Putri Duyung</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Peri Hutan</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Jin</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unikorn</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Naga</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Wajah Naga</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Dino Leher Panjang</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Hantu</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Raksasa</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Mahkota</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Bola Kristal</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Tongkat Sihir</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Pangeran</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Putri</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Pahlawan Super</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Penjahat</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Permata</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Kunci Kuno</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Malaikat</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Perisai</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Belati</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Busur dan Panah</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Musim dan Hari Raya</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Lentera Labu</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Pohon Natal</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Sinterklas</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Nyonya Sinterklas</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Kado</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfeti Pesta</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Bola Konfeti</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petasan</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Pita</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Lonceng Angin</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Bendera Ikan Koi</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Boneka Festival</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Lampion Merah</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Pelita</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menorah</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Angpau</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Bola Disko</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Syal</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Sarung Tangan</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Mantel</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Sepatu Bot</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Topi Pantai</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Kacamata Hitam</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Baju Renang</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bendera Putih</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Bendera Finis</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Kota dan Desa</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Lampu Lalu Lintas</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Lampu Merah Mendatar</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Rambu Stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Perbaikan Jalan</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Pompa Bensin</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Halte Bus</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Papan Tanda</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Tempat Sampah</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Kursi</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Troli Belanja</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Keranjang</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Pintu</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Jendela</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Tempat Tidur</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Kotak Surat</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Jam Meja</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Jam Weker</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Batu Bata</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Kapak</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Beliung</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Peta</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Tas Sekolah</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Koper</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Senter</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Jangkar</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Pelampung</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Air Mancur</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Bianglala</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Roller Coaster</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Kuda Komidi Putar</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Kantor Pos Lama</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Kereta Gunung</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Musim</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Hari-hari musim semi dan panas</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Pagi Musim Semi</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Semilir Bunga</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Senja Hangat</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Padang Musim Semi</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Ladang Musim Panas</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Kebun Berbunga</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Lembah Hijau</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Bukit Bunga Merah</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Hari-hari musim gugur dan dingin</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Siang Musim Gugur</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Mentari Dingin</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Salju Turun</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Senja Beku</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Hutan Musim Gugur</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Bukit Panen</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Pohon Gundul</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Padang Salju</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Kolam Beku</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Hujan, badai, angin dan kabut</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Langit Hujan</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Badai Petir</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Hari Berangin</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Hari Berkabut</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Padang Basah</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Bukit Hijau</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Padang Berangin</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Bukit Berkabut</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Malam</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Bulan, bintang dan gelap</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Bukit Gelap</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Kota Malam</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Danau Terang Bulan</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Desa Sunyi</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Petang dan malam larut</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Senja Ungu</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Bulan Terbit</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Biru Tengah Malam</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Banyak Bintang Jatuh</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Malam Lampion</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Bukit Istana</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Peternakan Lelap</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Pelabuhan Malam</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Salju Hening</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Lampu Kota</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Matahari, pasir dan laut</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Hari di Pantai</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Mentari Tropis</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Angin Laut</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Senja di Laut</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Pantai Berawan</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Laut Tenang</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Tepian Berbatu</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Pelabuhan</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Pulau Kelapa</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Tebing, ombak dan mercusuar</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Pagi Cerah</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Camar dan Awan</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Jam Emas</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Laut Kelabu</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Fajar Merah Muda</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Tebing Putih</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Ombak Besar</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Tanjung Mercusuar</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Pantai Kerang</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Gurun</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Bukit pasir, ngarai dan kaktus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Mentari Gurun</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Siang Terik</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Langit Berdebu</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Senja Gurun</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Malam Gurun</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Dataran Kaktus</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasis</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Menara Batu</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Salju</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Es, salju dan gunung tinggi</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Biru Segar</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Malam Kutub</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Fajar Gunung</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Badai Salju</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Puncak Bersalju</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Bongkahan Es</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Lereng Ski</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Kemah Iglo</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Jalan, taman dan atap</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Pagi di Kota</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Sore yang Sibuk</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Kota Hujan</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Senja di Kota</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Langit Berasap</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Atap-Atap</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Taman</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Jalan Utama</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Pencakar Langit</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Kota Tua</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Pedesaan</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Peternakan, ladang dan desa</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Pagi di Peternakan</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Hari Panen Jerami</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Awan Pedesaan</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Petang di Kebun</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Ladang Berpetak</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Lapangan Desa</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Kebun Buah</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Peternakan Berangin</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planet, bulan dan bintang</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Angkasa Dalam</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Bumi Terbit</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dua Bulan</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebula</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Kawah Bulan</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planet Merah</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Dunia Es</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Rimba Alien</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Pangkalan Angkasa</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 dan %2</translation>
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
