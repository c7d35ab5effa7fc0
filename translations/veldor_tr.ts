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
