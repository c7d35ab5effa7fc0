<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Cer: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Fără teren.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Teren: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Obiecte: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Sigla Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Alege imprimanta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Încarcă un pachet de imagini</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efecte: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Adaugă o poză a mea</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Adaugă o poză a mea...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Desenul s-a schimbat.
Vrei să-l salvezi?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un desen care n-a fost salvat niciodată</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor s-a închis înainte să salveze schimbările din %1.
Vrei să le iei înapoi?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ia înapoi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Aruncă</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Dosarul acesta nu există.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Așteaptă verificarea unor vorbitori nativi</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Fișierul nu a fost găsit</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Nu ai voie să deschizi fișierul</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Discul e plin</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Eroare la citire sau scriere %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Imaginea bitmap nu e bună</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Nu pot face fișierul PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nu e aleasă nicio imprimantă</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Imprimanta aleasă nu e bună</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nici XDG_DATA_HOME, nici HOME nu sunt setate</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Rândul %1 e mai lung de 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nu e un număr întreg bun</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Număr greșit de obiecte: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Nu e destulă memorie pentru %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Desenul nu a putut fi tipărit: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Pachetul de imagini %1 nu poate fi instalat:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nu pot deschide fișierul %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nu pot deschide fișierul %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nu pot crea fișierul %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Niciun pachet ales</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Ca să încarci un pachet de imagini Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Descarcă un fișier zip cu un pachet de imagini Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Deschide pachetul sau pune-l în dosarul de pachete</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Apoi alege-l din lista de pachete din stânga.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Pachete de imagini</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Numele pachetului:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Făcut de:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descriere:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Deschide pachetul sau pune-l în %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Stâncă de piatră</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Munți mici</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Dealuri cu păduri</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Insulă pustie</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Oraș</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nori cenușii</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nori întunecați</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Apus portocaliu</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Albastru senin</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Zi înnorată</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Stâncă cu gaură</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Măr</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Balon cu aer cald</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Balon cu aer cald</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Minge de golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Floare galbenă</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Echipa Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Iarnă și deșert</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Peisaje cu zăpadă, nisip și stele de încercat cu desenele tale.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Noapte cu stele</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Amiază în deșert</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreală</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Zori roz</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nori de zăpadă</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Dealuri cu zăpadă</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dune de nisip</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lac înghețat</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Canion roșu</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Sat iarna</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Brad</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Căsuță</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Barcă cu pânze</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Om de zăpadă</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Toamnă</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Păduri aurii, câmpuri de recoltă și o lună mare, portocalie.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>După-amiază aurie</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Dimineață cu ceață</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Furtună de toamnă</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna recoltei</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Ploaie cu curcubeu</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Dealuri cu arțari</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Câmp cu dovleci</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lacul mestecenilor</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Ferma cu hambar roșu</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Rânduri de vie</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Dovleac</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Frunză de arțar</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Ciupercă</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Ghindă</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Sperietoare</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>La mare</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Plaje, stânci și porturi sub cer de vară.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Amiază de vară</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Apus tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Ceață pe mare</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mare furtunoasă</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Seară în culori blânde</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Plajă cu nisip</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Stâncă cu far</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Golf cu palmieri</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Oraș cu port</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Coastă stâncoasă</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Far</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Minge de plajă</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Pescăruș</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Stea de mare</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Umbrelă de plajă</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Lumina lunii</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Ceruri de noapte pline de stele peste ținuturi care dorm.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lună plină</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Calea Lactee</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Amurg</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Ploaie de stele căzătoare</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nori argintii</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Dealuri în lumina lunii</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Oraș noaptea</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Poiană cu foc de tabără</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Sat adormit</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Pădure de brazi</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Bufniță</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Felinar</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Rachetă</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Lumânare</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Semilună</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Mai multe copii</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Mai puține copii</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versiunea 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 creatorii Veldor.
Poți să-l folosești și să-l dai mai departe.</translation>
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
        <translation>Exportă ca BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Cât de mare să fie BMP-ul?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (întins)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Fișiere bitmap (*.bmp);;Imagine PNG (*.png);;Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exportă ca BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exportă ca BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Peisaj: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Desen</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Obiect</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efecte speciale</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exportă ca BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Redesenează</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Fă un fișier nou</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Deschide...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Deschide un fișier care există deja</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salvează fișierul</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvează c&amp;a...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salvează fișierul cu alt nume</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tipărește...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Alege &amp;imprimanta</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportă &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>I&amp;eșire</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Închide programul</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Anulează ultima schimbare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Refă schimbarea anulată</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiază în clipboard</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Unelte</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>Șterge &amp;tot</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Ia înapoi tot</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Adu tot în &amp;față</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Pune tot în spatele pământului</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Peisaj</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Cer</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Obiecte</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efecte speciale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Arată ajutorul</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Arată informații despre program</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Alege &amp;imprimanta...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Teren</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Păstrează-l</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Adu-l în față</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mută</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Șterge-l</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pune-l în spatele pământului</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Pune-l în fața peisajului</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Șterge obiectul</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efecte</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Șterge tot</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Ia înapoi tot</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Adu tot în față</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Pune tot în spatele pământului</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Anulează %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refă %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Fișiere Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Fișier Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Se instalează pachetul de imagini...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: alege un obiect. Săgeți și Enter: pune, mută, schimbă mărimea. Esc: renunță.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Alege un obiect, apoi trage dreptunghiul lui pe desen sau folosește săgețile și Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>la %1, %2, mărime %3 pe %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter îl schimbă.</translation>
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
        <translation>Ai renunțat: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>întâi pune obiectul (trage, sau săgeți și Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Obiect nou ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Schimbă obiectul ori apasă Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>întâi lasă obiectul jos (clic, sau Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Mută obiectul ori apasă Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>întâi desenează mărimea nouă (trage, sau săgeți și Enter) ori apasă Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>întâi răspunde în fereastra Schimbă mărimea ori apasă Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 trebuie să aștepte: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: trage-l pe desen sau apasă acolo o săgeată.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Desen: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Mai multe obiecte</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Caută:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Scrie un nume, de exemplu pisică sau autobuz</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Caută un obiect după nume</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorii</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Obiecte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Alte obiecte</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>În dosarul cu pachete nu e niciun pachet de imagini cu obiecte.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Niciun obiect nu se numește „%1”.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 obiect</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>Obiecte: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Obiecte: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Alege un obiect</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Mai multe obiecte...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Ca să alegi altă imprimantă, apasă &apos;Alege imprimanta&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Câte copii tipărește Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Alege imprimanta...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Număr de copii</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Tipărește în fișier</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fișiere PDF (*.pdf);;Toate fișierele (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Cer: alege un pachet de imagini</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Așteaptă, desenez...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efecte speciale</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Efectele pot dura puțin.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Atenție: efectele dispar când desenezi din nou imaginea.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Folosește efectele speciale după ce ai terminat peisajul, ca să</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>poți salva sau tipări imaginea cu efectele pe ecran.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efecte de folosit:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Margini netede</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Culori inversate (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opțiuni pentru culori inversate</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Colorează</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opțiuni de culoare...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lumină</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Mai întunecat</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Mai luminos</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Folosește efectele</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Se pun efectele...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Ajutor Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text de ajutor</translation>
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
        <translation>Primii pași
-=-=-=-=-=-

Acest mic ghid te ajută să faci primul tău desen cu Veldor.

Pasul unu: alege cerul

Apasă pe iconița cerului, al doilea buton din stânga din bară. Se deschide fereastra cerului. Apasă pe unul dintre ceruri; &apos;Nori întunecați&apos; e bun pentru început. Desenul se face din nou cu cerul nou. Când e gata, închide fereastra cerului.

Pasul doi: alege peisajul

Apasă pe iconița peisajului, primul buton din bară, și alege un peisaj. Încearcă &apos;Insulă pustie&apos;. Peisajul se desenează peste cer, iar lumina cerului îl colorează.

Pasul trei: pune și schimbă obiecte

Apasă pe iconița obiectelor, al treilea buton din stânga, și alege &apos;Balon cu aer cald&apos;. Fereastra se închide.

Acum apasă butonul mouse-ului unde vrei balonul și, ținându-l apăsat, trage în jos și la dreapta. Dreptunghiul pe care îl tragi e mărimea balonului.

Când îi dai drumul, balonul se desenează și o fereastră mică te întreabă dacă îl păstrezi:
   &apos;Schimbă mărimea&apos; desenează din nou, ca să tragi încă o dată dreptunghiul balonului, ca înainte.
   &apos;Nu-l păstra&apos; scoate obiectul nou.
   &apos;Păstrează-l&apos; îl lasă în desenul tău.

Mai târziu, apasă pe un obiect ca să-l muți, să-i schimbi mărimea, să-l ștergi sau să-l pui în spatele pământului.

Cu tastatura:
   Apasă Tab până când desenul are o ramă punctată. După ce ai ales un obiect, apasă o săgeată: un dreptunghi arată unde va sta. Săgețile îl mută (cu Shift, câte zece pași), Ctrl și săgețile îl fac mai mare sau mai mic, Enter pune obiectul acolo, iar Esc renunță la el.
   Când nu e nimic ales, Tab și Shift+Tab trec de la un obiect din desen la următorul; Enter îi deschide fereastra, ca un clic pe el.
   După &apos;Mută-l&apos; sau &apos;Schimbă mărimea&apos;, săgețile mută conturul sau îi schimbă mărimea, iar Enter termină. Esc oprește orice schimbare, ca Renunță.

Pasul patru: termină desenul

   Margini netede:
   Marginile netede fac mai moi marginile aspre ale obiectelor și peisajelor. Apasă pe iconița efectelor, a patra din stânga. Lasă bifată doar căsuța &apos;Margini netede&apos; și apasă &apos;Folosește efectele&apos;.

   Salvare ca BMP:
   Apasă pe iconița de export, al doilea buton din dreapta. Se deschide o fereastră în care alegi mărimea imaginii; apoi fereastra obișnuită de salvare îți cere un nume de fișier.

Ajutor pentru butoane
-=-=-=-=-=-=-=-=-=-=-

(Iconițele de la stânga la dreapta.)

Peisaj: alege un peisaj.
Cer: alege un cer.
Obiect: pune un obiect.
Efecte: pune efecte pe desen.
------------------------------
Nou: începe un desen nou.
Tipărește: tipărește desenul (cu mai multe opțiuni).
Salvează: salvează desenul ca fișier .VDR.
Deschide: deschide un fișier .VDR.
Salvează BMP: salvează imaginea ca fișier .BMP.
------------------------------
Redesenează: desenează din nou imaginea.

Apasă clic dreapta pe desen pentru un meniu cu toate comenzile.
Meniul Unelte șterge, ia înapoi sau mută toate obiectele deodată.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Alege un peisaj</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Fără peisaj</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Mută obiectul</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Tocmai ai mutat un obiect. Ce vrei să faci?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>E bine așa</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Mută din nou</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Anulează mutarea</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Desen nou</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Începi un desen nou?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Acesta nu e un fișier Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuă</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Schimbă obiectul</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Ai ales obiectul:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Ce vrei să faci cu el?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Șterge-l</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Mută-l</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Adu-l în față</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pune-l în spatele pământului</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Obiect nou</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Ai ales un obiect nou. Ce vrei să faci cu el?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Păstrează-l</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Nu-l păstra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Schimbă obiectul</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Ai ales un obiect care e în spatele peisajului.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Ce vrei să faci cu obiectul:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Pune obiectul în fața peisajului</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Șterge obiectul</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Schimbă mărimea</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Tocmai ai schimbat mărimea unui obiect. Ce vrei să faci?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>E bine așa</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Schimbă din nou</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Anulează schimbarea mărimii</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Alege un cer</translation>
    </message>
</context>
</TS>
