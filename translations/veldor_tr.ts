<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Gökyüzü: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Zemin yok.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Zemin: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ve %n tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Nesneler: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor logosu</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Yazıcı seç</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Resim paketi yükle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efektler: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Kendi resmimi ekle</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Kendi resmimi ekle...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Resim değişti.
Kaydetmek ister misin?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>hiç kaydedilmemiş bir resim</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor, %1 içindeki değişiklikler kaydedilmeden kapandı.
Geri getirmek ister misin?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri getir</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>At</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Bu klasör yok.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Ana dili bu dil olanların kontrolünü bekliyor</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Bu dosyayı açma iznin yok</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Okuma ya da yazma hatası %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap resmi geçerli değil</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG yapılamıyor</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Seçili bir yazıcı yok</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Seçilen yazıcı çalışmıyor</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME da HOME da ayarlı değil</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>%1. satır 1 MiB&apos;tan uzun</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tam sayı değil</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Yanlış nesne sayısı: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>%1 için yeterli bellek yok</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Resim yazdırılamadı: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>%1 resim paketi kurulamıyor:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>%1 dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>%1 dosyası açılamıyor</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>%1 dosyası oluşturulamıyor: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Paket seçilmedi</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Bir Veldor resim paketi yüklemek için:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. İçinde Veldor resim paketi olan bir zip dosyası indir.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Paketi aç ya da paketler klasörüne çıkar</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Sonra soldaki paket listesinden onu seç.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Resim paketleri</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Paketin adı:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Yapan:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Açıklama:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Paketi aç ya da %1 içine çıkar</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Taş uçurum</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Küçük dağlar</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Ormanlı tepeler</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Issız ada</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Gri bulutlar</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Kara bulutlar</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Turuncu gün batımı</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Açık mavi</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Bulutlu gün</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Delikli kaya</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Elma</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Sıcak hava balonu</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Sıcak hava balonu</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Golf topu</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Sarı çiçek</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor ekibi</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Kış ve çöl</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Kendi resimlerinle denemek için karlı, kumlu ve yıldızlı manzaralar.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Yıldızlı gece</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Çölde öğle</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Kutup ışıkları</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Pembe şafak</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Kar bulutları</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Karlı tepeler</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Kum tepeleri</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Donmuş göl</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Kızıl kanyon</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Kışın köy</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Çam ağacı</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Kulübe</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Kaktüs</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Yelkenli</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Kardan adam</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Sonbahar</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Altın renkli ormanlar, hasat tarlaları ve kocaman turuncu bir ay.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Altın öğleden sonra</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Sisli sabah</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Sonbahar fırtınası</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Hasat ayı</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Gökkuşaklı yağmur</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Akçaağaçlı tepeler</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Balkabağı tarlası</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Huş ağaçlı göl</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Kırmızı ambarlı çiftlik</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Üzüm bağı sıraları</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Balkabağı</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Akçaağaç yaprağı</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Mantar</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Meşe palamudu</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Korkuluk</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Deniz kenarı</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Yaz gökyüzü altında plajlar, kayalıklar ve limanlar.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Yaz öğlesi</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Tropik gün batımı</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Denizde pus</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Fırtınalı deniz</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Pastel akşam</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Kumlu plaj</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Deniz fenerli kayalık</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Palmiyeli koy</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Liman kasabası</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Kayalık kıyı</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Deniz feneri</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Plaj topu</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Martı</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Deniz yıldızı</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Plaj şemsiyesi</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Ay ışığı</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Uyuyan toprakların üstünde yıldız dolu gece gökleri.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Dolunay</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Samanyolu</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Alacakaranlık</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Yıldız yağmuru</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Gümüş bulutlar</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Ay ışığında tepeler</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Gece şehri</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Kamp ateşli açıklık</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Uyuyan köy</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Çam ormanı</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Baykuş</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Fener</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Roket</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Mum</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Hilal</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google&apos;dan Noto Emoji (SIL Open Font License), Veldor için düz çizildi</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor geliştiricileri</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Çiftlik hayvanları</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>İnek</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Domuz</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Koyun</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Keçi</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Horoz</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Tavuk</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Civciv</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ördek</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>At</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Öküz</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Manda</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Koç</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Eşek</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Tavşan</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>İnek yüzü</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Domuz yüzü</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>At yüzü</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Kaz</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Orman hayvanları</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Tilki</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ayı</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Geyik</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Sincap</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Kirpi</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Porsuk</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Kurt</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Rakun</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Kunduz</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Yaban domuzu</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Kokarca</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Sığın</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Yarasa</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Kurbağa</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Salyangoz</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Tırtıl</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Kelebek</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Arı</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Uğur böceği</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Kartal</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Kuş</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Karınca</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Örümcek</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Cırcır böceği</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Deniz hayvanları</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Su fışkırtan balina</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Balina</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Yunus</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Balık</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Tropik balık</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Balon balığı</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Köpek balığı</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Ahtapot</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Kalamar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Yengeç</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Istakoz</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Karides</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Deniz kabuğu</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Fok</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Kaplumbağa</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Denizanası</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Penguen</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Su samuru</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Mercan</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>İstiridye</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Tropik hayvanlar</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Maymun</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Goril</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangutan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Aslan</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Kaplan yüzü</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Kaplan</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopar</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Zürafa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Su aygırı</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Gergedan</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Timsah</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Yılan</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papağan</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Tembel hayvan</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Deve</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Çift hörgüçlü deve</translation>
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
        <translation>Kertenkele</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Tavus kuşu</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Maymun yüzü</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Evcil hayvanlar</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Kedi</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Köpek</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Kaniş</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Yavru köpek</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Yavru kedi</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Fare yüzü</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Tavşancık</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Rehber köpek</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Pati izleri</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Kemik</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Civciv</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Yumurtadaki civciv</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Yumurtalı yuva</translation>
    </message>
    <message>
        <source>People</source>
        <translation>İnsanlar</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebek</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Çocuk</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Erkek çocuk</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Kız çocuk</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Kişi</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Adam</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Kadın</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Yaşlı</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Dede</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Nine</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Sarışın</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Sakallı adam</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Aile</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>El ele</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>İki arkadaş</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Yürüyen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Koşan</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Dansçı</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Dans eden adam</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Ayakta duran</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>El sallama</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Kalkık el</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Mutlu yüz</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Havalı yüz</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Sarılan yüz</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Meslekler ve aletler</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Polis</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>İnşaatçı</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Muhafız</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Dedektif</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Gelin</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Takım elbiseli</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Steteskop</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>İngiliz anahtarı</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Çekiç</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Testere</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Boya paleti</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Boya fırçası</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Posta kutusu</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Mektup</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Yangın söndürücü</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Süpürge</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Kurtarma kaskı</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Mezuniyet kepi</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Kitaplar</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Kurşun kalem</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Pastel boya</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Cetvel</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Deney tüpü</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Evrak çantası</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Alet kutusu</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Merdiven</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Kova</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Mıknatıs</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Ampul</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Taşıtlar</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Araba</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taksi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Cip</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Otobüs</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Troleybüs</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Yarış arabası</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Polis arabası</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulans</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>İtfaiye aracı</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibüs</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Kamyonet</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Kamyon</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Tır</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Traktör</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Mobilet</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Motosiklet</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bisiklet</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Scooter</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Buharlı tren</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tren</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramvay</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monoray</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Uçak</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Küçük uçak</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Sürat teknesi</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Motorlu tekne</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Gemi</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Feribot</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Teleferik</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Dağ treni</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Çekçek</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Binalar</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Ev</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Bahçeli ev</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Evler</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Ofis binası</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Postane</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hastane</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banka</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Otel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Dükkân</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Okul</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Büyük mağaza</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrika</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Japon şatosu</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Şato</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Düğün kilisesi</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Kule</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Heykel</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kilise</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Cami</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Tapınak</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagog</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Mabet</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Müze</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Vinç</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Kulübe</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Çadır</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Eski ev</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Sirk çadırı</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stadyum</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Taş kafa</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Bitkiler ve ağaçlar</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Ağaç</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Köknar</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmiye</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Fide</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Ot</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Yonca</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Dört yapraklı yonca</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Düşen yapraklar</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Rüzgârda yapraklar</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Pirinç demeti</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Lale</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Gül</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Solmuş çiçek</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Kiraz çiçeği</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Çiçek</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Ayçiçeği</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Saksı bitkisi</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Mantar</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Kütük</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Nilüfer</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Sümbül</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kestane</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Dilek ağacı</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Çam süsü</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Boş yuva</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Kaya</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Meyve ve sebze</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Yeşil elma</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Armut</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Portakal</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limon</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Muz</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Karpuz</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Üzüm</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Çilek</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Yaban mersini</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Kavun</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kiraz</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Şeftali</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Hindistan cevizi</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kivi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Domates</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Patlıcan</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avokado</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Havuç</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Mısır</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Acı biber</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Salatalık</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Marul</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Sarımsak</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Soğan</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Patates</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Dolmalık biber</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Yiyecekler</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Ekmek</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Kruvasan</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baget</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Peynir</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Yumurta</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Sahanda yumurta</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Pankek</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Waffle</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patates kızartması</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Sosisli</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandviç</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Tako</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spagetti</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Dondurma</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Kurabiye</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Doğum günü pastası</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Pasta dilimi</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Kek</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Çikolata</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Şeker</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Lolipop</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Bal kavanozu</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Bir bardak süt</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Meyve suyu</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Sıcak içecek</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Turta</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Oyuncaklar ve spor</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Futbol topu</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Beyzbol topu</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basketbol topu</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Voleybol topu</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Amerikan futbolu</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Ragbi topu</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Tenis topu</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frizbi</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Kriket sopası</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Hokey sopası</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Masa tenisi</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Boks eldiveni</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Kale</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Golf bayrağı</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Buz pateni</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Olta</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Kaykay</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Paten</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Kızak</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Curling taşı</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Kayak</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Uçurtma</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yoyo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Oyuncak ayı</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Matruşka</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zar</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Yapboz parçası</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Oyun kolu</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Kupa</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Altın madalya</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Dart tahtası</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Kaydırak</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitar</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Davul</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saksafon</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Keman</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Org</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akordeon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Uzun davul</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Marakas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flüt</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kulaklık</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Çan</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Uzay</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Uçan daire</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Dünya</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Dünya (Asya)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Halkalı gezegen</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Yeni ay</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Ay yüzü</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Gülen ay</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Gülen güneş</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Yıldız</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Parlayan yıldız</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Dönen yıldız</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Kuyruklu yıldız</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Kayan yıldız</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Uzaylı</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Uzay canavarı</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Dünya (Amerika)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Azalan ay</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Yarım ay</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Şişkin ay</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Hava</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Bulut</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Güneş ve bulut</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Fırtına bulutu</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Az bulutlu</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bulutlu</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Güneş ve yağmur</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Yağmur bulutu</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Kar bulutu</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Şimşekli bulut</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Hortum</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Sis</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Rüzgâr</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Kasırga</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Gökkuşağı</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Şemsiye</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Yağmurda şemsiye</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Şimşek</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Kar tanesi</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Karda kardan adam</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Ateş</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Yağmur damlası</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Dalga</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termometre</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Buz küpü</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Masal dünyası</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Büyücü</translation>
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
        <translation>Deniz kızı</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elf</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Cin</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trol</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Tek boynuzlu at</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Ejderha</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Ejderha yüzü</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Dinozor</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Hayalet</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Dev</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Taç</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Sihirli küre</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Sihirli değnek</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prens</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prenses</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Süper kahraman</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Kötü adam</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Mücevher</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Eski anahtar</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Melek</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Kalkan</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Hançer</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Ok ve yay</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Mevsimler ve bayramlar</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Balkabağı feneri</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Yılbaşı ağacı</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Noel Baba</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Noel Anne</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Hediye</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Konfeti patlatıcı</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Konfeti topu</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Havai fişek</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Kurdele</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Rüzgâr çanı</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Sazan flaması</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Bayram bebekleri</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Kırmızı fener</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Kandil</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menora</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Kırmızı zarf</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Disko topu</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Atkı</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Eldiven</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Palto</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Çizme</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Güneş şapkası</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Güneş gözlüğü</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Beyaz bayrak</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Damalı bayrak</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Şehir ve köy</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Trafik lambası</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Yatay trafik lambası</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Dur işareti</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Yol çalışması</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Benzin pompası</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Otobüs durağı</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Tekerlek</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Çöp kutusu</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Sandalye</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Alışveriş arabası</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Sepet</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Kapı</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Yatak</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Kanepe</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Mektup kutusu</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Çalar saat</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Tuğlalar</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Balta</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Pusula</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Kazma</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Harita</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Okul çantası</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valiz</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>El feneri</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Çapa</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Can simidi</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fıskiye</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Dönme dolap</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Hız treni</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Atlıkarınca</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Eski postane</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Dağ treni</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Mevsimler</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>İlkbahar ve yaz günleri</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>İlkbahar sabahı</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Çiçekli esinti</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Ilık akşam</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Bahar çayırı</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Yaz tarlaları</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Çiçekli bahçe</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Yeşil vadi</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Gelincik tepesi</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Sonbahar ve kış günleri</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Güz ikindisi</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Kış güneşi</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Kar yağışı</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Ayazlı akşam</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Güz ormanı</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Hasat tepeleri</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Çıplak ağaçlar</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Karlı tarlalar</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Donmuş gölet</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Yağmur, fırtına, rüzgâr ve sis</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Yağmur bulutları</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Şimşekli fırtına</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Rüzgârlı gün</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Sisli gün</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Islak çayır</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Yeşil tepeler</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Rüzgârlı fundalık</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Sisli tepeler</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Gece</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Ay, yıldızlar ve karanlık</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Karanlık tepeler</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Gece kasabası</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Ay ışığında göl</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Sessiz köy</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Geç akşamlar ve derin geceler</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Mor akşam</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Ay doğuşu</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Gece mavisi</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Kayan yıldızlar</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Fenerli gece</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Şato tepesi</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Uykulu çiftlik</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Gece limanı</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Sessiz kar</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Şehir ışıkları</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Güneş, kum ve deniz</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Plaj günü</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Tropik güneş</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Deniz meltemi</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Denizde gün batımı</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Bulutlu kıyı</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Sakin deniz</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Kayalık sahil</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Liman</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Palmiye adası</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Kayalıklar, dalgalar ve deniz fenerleri</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Parlak sabah</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Martılar ve bulutlar</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Altın saat</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Gri deniz günü</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Pembe gün doğumu</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Beyaz kayalıklar</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Büyük dalgalar</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Fener burnu</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Kabuklu plaj</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagün</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Çöl</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Kum tepeleri, kanyonlar ve kaktüsler</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Çöl güneşi</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Sıcak öğle</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Tozlu gökyüzü</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Çölde gün batımı</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Çöl gecesi</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Kaktüs ovası</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Vaha</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Taş kuleler</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Kar</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Buz, kar ve yüksek dağlar</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Buz mavisi</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Kutup gecesi</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Dağda gün doğumu</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Tipi</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Karlı zirveler</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Buz kütleleri</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Kayak pisti</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>İglo kampı</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Sokaklar, parklar ve çatılar</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Şehirde sabah</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Kalabalık ikindi</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Yağmurlu şehir</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Şehirde gün batımı</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Dumanlı gök</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Çatılar</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Ana cadde</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Gökdelenler</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Eski şehir</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Kırsal</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Çiftlikler, tarlalar ve köyler</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Çiftlikte sabah</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Ot biçme günü</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Kır bulutları</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Bahçede akşam</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Renk renk tarlalar</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Köy çayırı</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Meyve bahçesi</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Rüzgârlı çiftlik</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Gezegenler, aylar ve yıldızlar</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Derin uzay</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Dünya doğuşu</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>İki ay</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Bulutsu</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Ay kraterleri</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Kızıl gezegen</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Buz dünyası</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Uzaylı ormanı</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Uzay üssü</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Daha çok kopya</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Daha az kopya</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Sürüm 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor geliştiricileri.
Özgürce kullanabilir ve paylaşabilirsin.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>BMP olarak dışa aktar</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP ne büyüklükte olsun?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (gerilmiş)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Bitmap dosyaları (*.bmp);;PNG resmi (*.png);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>BMP olarak dışa aktar (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>BMP olarak dışa aktar (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Manzara: resim paketi seç</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Manzara</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Gökyüzü</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Nesne</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Özel efektler</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>BMP olarak dışa aktar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yeniden çiz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Yeni bir dosya oluştur</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Var olan bir dosyayı aç</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı kaydet...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Dosyayı yeni bir adla kaydet</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Ya&amp;zdır...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Yazıcı &amp;seç</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>&amp;BMP olarak dışa aktar...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Programı kapat</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Düz&amp;en</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Son değişikliği geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Geri alınan değişikliği yinele</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Panoya kopyala</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Hepsini sil</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Hepsini geri &amp;getir</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Hepsini &amp;öne getir</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Hepsini &amp;toprağın arkasına koy</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Manzara</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Gökyüzü</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Nesneler</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>Özel &amp;efektler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Yardımı göster</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Program bilgilerini göster</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Yazıcı &amp;seç...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Zemin</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Kalsın</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Öne getir</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Boyutunu değiştir</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Toprağın arkasına koy</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Manzaranın önüne getir</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Nesneyi sil</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efektler</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Hepsini sil</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Hepsini geri getir</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Hepsini öne getir</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Hepsini toprağın arkasına koy</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Geri al: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Yinele: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor dosyaları [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor dosyası (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Resim paketi kuruluyor...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: nesne seç. Oklar ve Enter: koy, taşı, boyut değiştir. Esc: vazgeç.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Bir nesne seç, sonra dikdörtgenini resmin üstünde sürükle ya da ok tuşlarını ve Enter&apos;ı kullan</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>%1, %2 noktasında, %3 x %4 boyutunda</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter ile değiştirilir.</translation>
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
        <translation>Vazgeçildi: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>önce nesneyi koy (sürükle ya da oklar ve Enter) veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>önce Yeni nesne penceresini yanıtla veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>önce Nesneyi değiştir penceresini yanıtla veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>önce nesneyi bırak (tıkla ya da Enter) veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>önce Nesneyi taşı penceresini yanıtla veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>önce yeni boyutu çiz (sürükle ya da oklar ve Enter) veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>önce Boyut değiştir penceresini yanıtla veya Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 beklemeli: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: resmin üstünde sürükle ya da orada bir ok tuşuna bas.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Resim: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Daha fazla nesne</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Bir ad yaz, örneğin kedi ya da otobüs</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Bir nesneyi adıyla bul</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Nesneler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Diğer nesneler</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Paketler klasöründe nesneli resim paketi yok.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>“%1” adında bir nesne yok.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 nesne</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 nesne</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Nesneler: resim paketi seç</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Bir nesne seç</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Daha fazla nesne...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Başka bir yazıcı seçmek için &apos;Yazıcı seç&apos; düğmesine bas</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Veldor&apos;un yazdıracağı kopya sayısı:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Yazıcı seç...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Kopya sayısı</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Dosyaya yazdır</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF dosyaları (*.pdf);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Gökyüzü: resim paketi seç</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Bekle, çiziyorum...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Özel efektler</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efektler biraz zaman alabilir.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Dikkat: resmi yeniden çizince efektler kaybolur.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Özel efektleri manzaran bitince kullan, böylece</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>efektler ekrandayken resmini kaydedebilir ya da yazdırabilirsin.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Kullanılacak efektler:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Yumuşak kenarlar</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Ters renkler (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Ters renk seçenekleri</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Renklendir</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Renk seçenekleri...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Koyulaştır</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Açıklaştır</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Efektleri uygula</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Efektler uygulanıyor...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor yardımı</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Yardım metni</translation>
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
        <translation>Hızlı başlangıç
-=-=-=-=-=-=-=-

Bu kısa rehber, Veldor ile ilk resmini yapmana yardım eder.

Birinci adım: gökyüzünü seç

Araç çubuğunda soldan ikinci düğme olan gökyüzü simgesine tıkla. Gökyüzü penceresi açılır. Gökyüzlerinden birine tıkla; başlamak için &apos;Kara bulutlar&apos; iyi bir seçim. Resim yeni gökyüzüyle yeniden çizilir. Bitince gökyüzü penceresini kapat.

İkinci adım: manzarayı seç

Araç çubuğundaki ilk düğme olan manzara simgesine tıkla ve bir manzara seç. &apos;Issız ada&apos;yı dene. Manzara gökyüzünün üstüne çizilir ve gökyüzünün ışığı onu boyar.

Üçüncü adım: nesne ekleme ve değiştirme

Soldan üçüncü düğme olan nesne simgesine tıkla ve &apos;Sıcak hava balonu&apos;nu seç. Pencere kapanır.

Şimdi balonun olmasını istediğin yerde fare düğmesine bas ve basılı tutarak aşağı ve sağa sürükle. Sürüklediğin dikdörtgen balonun büyüklüğü olur.

Bırakınca balon çizilir ve küçük bir pencere onu tutmak isteyip istemediğini sorar:
   &apos;Boyutunu değiştir&apos; resmi yeniden çizer, böylece balonun dikdörtgenini önceki gibi bir daha sürükleyebilirsin.
   &apos;Kalmasın&apos; yeni nesneyi kaldırır.
   &apos;Kalsın&apos; onu resminde bırakır.

Sonra bir nesneyi taşımak, boyutunu değiştirmek, silmek ya da toprağın arkasına koymak için ona tıkla.

Klavyeyle:
   Resmin çevresinde noktalı bir çerçeve görünene kadar Tab tuşuna bas. Bir nesne seçtikten sonra bir ok tuşuna bas: bir dikdörtgen nesnenin nereye gideceğini gösterir. Ok tuşları onu taşır (Shift ile onar adım), Ctrl ve ok tuşları onu büyütür ya da küçültür, Enter nesneyi oraya koyar, Esc ise ondan vazgeçer.
   Hiçbir şey seçili değilken Tab ve Shift+Tab resimdeki bir nesneden sonrakine geçer; Enter, üstüne tıklamak gibi, onun penceresini açar.
   &apos;Taşı&apos; ya da &apos;Boyutunu değiştir&apos; düğmesinden sonra ok tuşları çerçeveyi taşır ya da boyutunu değiştirir, Enter ise bitirir. Esc, İptal gibi, her değişikliği durdurur.

Dördüncü adım: resmini bitir

   Yumuşak kenarlar:
   Yumuşak kenarlar, nesnelerin ve manzaraların pürüzlü kenarlarını düzeltir. Soldan dördüncü olan efekt simgesine tıkla. Yalnızca &apos;Yumuşak kenarlar&apos; kutusunu işaretli bırak ve &apos;Efektleri uygula&apos;ya tıkla.

   BMP olarak kaydetme:
   Sağdan ikinci düğme olan dışa aktarma simgesine tıkla. Resmin büyüklüğünü seçtiğin bir pencere açılır; sonra her zamanki kaydetme penceresi bir dosya adı sorar.

Düğmeler
-=-=-=-=

(Simgeler soldan sağa.)

Manzara: bir manzara seç.
Gökyüzü: bir gökyüzü seç.
Nesne: bir nesne ekle.
Efektler: resmine efekt uygula.
------------------------------
Yeni: yeni bir resme başla.
Yazdır: resmini yazdır (başka seçenekler de var).
Kaydet: resmini .VDR dosyası olarak kaydet.
Aç: bir .VDR dosyası aç.
BMP kaydet: resmi .BMP dosyası olarak kaydet.
------------------------------
Yeniden çiz: resmini yeniden çizer.

Tüm komutların olduğu bir menü için resme sağ tıkla.
Araçlar menüsü tüm nesneleri bir kerede siler, geri getirir ya da taşır.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Bir manzara seç</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Manzara yok</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Nesneyi taşı</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Bir nesneyi taşıdın. Ne yapmak istersin?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Böyle kalsın</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Yeniden taşı</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Taşımayı iptal et</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Yeni resim</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Yeni bir resme başlansın mı?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Bu bir Veldor dosyası değil</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Nesneyi değiştir</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Seçtiğin nesne:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Onunla ne yapmak istersin?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Boyutunu değiştir</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Öne getir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Toprağın arkasına koy</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Yeni nesne</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Yeni bir nesne seçtin. Onunla ne yapmak istersin?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Kalsın</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Boyutunu değiştir</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Kalmasın</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Nesneyi değiştir</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Manzaranın arkasındaki bir nesneyi seçtin.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Bu nesneyle ne yapmak istersin:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Nesneyi manzaranın önüne getir</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Nesneyi sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Boyut değiştir</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Bir nesnenin boyutunu değiştirdin. Ne yapmak istersin?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Böyle kalsın</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Yeniden değiştir</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Boyut değişikliğini iptal et</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Bir gökyüzü seç</translation>
    </message>
</context>
</TS>
