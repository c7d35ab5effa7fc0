<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Ουρανός: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Χωρίς έδαφος.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Έδαφος: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>και %n ακόμη</numerusform>
            <numerusform>και %n ακόμη</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Αντικείμενα: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Λογότυπο Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Επιλογή εκτυπωτή</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Φόρτωση πακέτου</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Εφέ: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Προσθήκη δικής μου εικόνας</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Προσθήκη δικής μου εικόνας...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Η εικόνα άλλαξε.
Θέλεις να την αποθηκεύσεις;</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>μια εικόνα που δεν αποθηκεύτηκε ποτέ</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Το Veldor έκλεισε πριν αποθηκευτεί το %1.
Θέλεις να φέρεις πίσω τις αλλαγές;</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Αυτός ο φάκελος δεν υπάρχει.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Περιμένει έλεγχο από φυσικούς ομιλητές</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Το αρχείο δεν βρέθηκε</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Δεν επιτρέπεται η πρόσβαση στο αρχείο</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Ο δίσκος είναι γεμάτος</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Σφάλμα εισόδου/εξόδου %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Η εικόνα bitmap δεν είναι έγκυρη</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Δεν μπορεί να φτιαχτεί PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Δεν έχει επιλεγεί εκτυπωτής</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Ο εκτυπωτής που επιλέχθηκε δεν είναι έγκυρος</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>δεν έχει οριστεί ούτε το XDG_DATA_HOME ούτε το HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>Η γραμμή %1 είναι μεγαλύτερη από 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Άκυρο πλήθος αντικειμένων: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Δεν φτάνει η μνήμη για %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Η εικόνα δεν τυπώθηκε: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Το πακέτο εικόνων %1 δεν μπορεί να προστεθεί:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Δεν ανοίγει το αρχείο %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Δεν ανοίγει το αρχείο %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Δεν μπορεί να δημιουργηθεί το αρχείο %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Κανένα πακέτο</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Για να φορτώσεις πακέτο εικόνων Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Κατέβασε ένα αρχείο zip με πακέτο εικόνων Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Άνοιξε το πακέτο ή αποσυμπίεσέ το στον φάκελο «packs»</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Μετά διάλεξέ το στη λίστα αριστερά.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Πακέτα εικόνων</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Όνομα:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Από:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Περιγραφή:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Άνοιξε το πακέτο ή αποσυμπίεσέ το στο %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Πέτρινος γκρεμός</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Μικρά βουνά</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Λόφοι με δάση</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Ερημονήσι</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Πόλη</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Γκρίζα σύννεφα</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Σκούρα σύννεφα</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Πορτοκαλί ηλιοβασίλεμα</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Καθαρό γαλάζιο</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Συννεφιασμένη μέρα</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Βράχος δαχτυλίδι</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Μήλο</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Αερόστατο</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Αερόστατο</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Μπαλάκι του γκολφ</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Κίτρινο λουλούδι</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Η ομάδα του Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Χειμώνας και έρημος</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Χιόνι, άμμος και αστέρια για να δοκιμάσεις με τις δικές σου εικόνες.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Έναστρη νύχτα</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Μεσημέρι στην έρημο</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Βόρειο σέλας</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Ροζ αυγή</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Χιονοσύννεφα</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Χιονισμένοι λόφοι</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Αμμόλοφοι</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Παγωμένη λίμνη</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Κόκκινο φαράγγι</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Χειμωνιάτικο χωριό</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Έλατο</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Σπιτάκι</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Κάκτος</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Ιστιοφόρο</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Χιονάνθρωπος</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Φθινόπωρο</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Χρυσά δάση, χωράφια με σοδειά και ένα μεγάλο πορτοκαλί φεγγάρι.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Χρυσό απόγευμα</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Ομιχλώδες πρωί</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Φθινοπωρινή καταιγίδα</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Φεγγάρι του θερισμού</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Μπόρα με ουράνιο τόξο</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Λόφοι με σφενδάμια</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Χωράφι με κολοκύθες</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Λίμνη με σημύδες</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Φάρμα με κόκκινο αχυρώνα</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Αμπέλι</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Κολοκύθα</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Φύλλο σφενδάμου</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Μανιτάρι</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Βελανίδι</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Σκιάχτρο</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Δίπλα στη θάλασσα</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Παραλίες, βράχια και λιμάνια κάτω από καλοκαιρινούς ουρανούς.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Καλοκαιρινό μεσημέρι</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Τροπικό ηλιοβασίλεμα</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Θαλασσινή αχλή</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Φουρτουνιασμένη θάλασσα</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Παστέλ βράδυ</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Αμμουδιά</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Βράχος με φάρο</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Όρμος με φοίνικες</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Πόλη με λιμάνι</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Βραχώδης ακτή</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Φάρος</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Μπάλα θαλάσσης</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Γλάρος</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Αστερίας</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Ομπρέλα θαλάσσης</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Φεγγαρόφωτο</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Νυχτερινοί ουρανοί γεμάτοι αστέρια πάνω από κοιμισμένες χώρες.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Πανσέληνος</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Γαλαξίας</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Σούρουπο</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Πεφταστέρια</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Ασημένια σύννεφα</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Λόφοι στο φεγγαρόφωτο</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Πόλη τη νύχτα</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Φωτιά στο ξέφωτο</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Κοιμισμένο χωριό</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Πευκοδάσος</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Κουκουβάγια</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Φανάρι</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Πύραυλος</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Κερί</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Μισοφέγγαρο</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Περισσότερα αντίτυπα</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Λιγότερα αντίτυπα</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Έκδοση 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 οι δημιουργοί του Veldor.
Ελεύθερο για χρήση και διαμοιρασμό.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Εξαγωγή σε BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Πόσο μεγάλη να είναι η εικόνα BMP;</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (κανονική)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (τεντωμένη)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Αρχεία bitmap (*.bmp);;Εικόνα PNG (*.png);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Εξαγωγή σε BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Εξαγωγή σε BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Τοπίο: διάλεξε πακέτο</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Εικόνα</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Τοπίο</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ουρανός</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Αντικείμενο</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Ειδικά εφέ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Εξαγωγή σε BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Ξαναζωγράφισε</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Ξεκίνα νέα εικόνα</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Άνοιγμα...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Άνοιξε μια αποθηκευμένη εικόνα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Απο&amp;θήκευση</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Αποθήκευσε την εικόνα</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Αποθήκευση &amp;ως...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Αποθήκευσε την εικόνα με νέο όνομα</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Εκτύπωση...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Επιλογή ε&amp;κτυπωτή</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Εξαγωγή σε &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Κλείσε το Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ε&amp;πεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Αναίρεσε την τελευταία αλλαγή</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ά&amp;λλη μια φορά</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Κάνε ξανά την αλλαγή που αναιρέθηκε</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Αντίγραψε την εικόνα στο πρόχειρο</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>Ερ&amp;γαλεία</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Σβήσε όλα</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Φέρε πίσω όλα</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Όλα &amp;μπροστά</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Όλα &amp;πίσω από τη γη</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Τοπίο</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Ουρανός</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>Α&amp;ντικείμενα</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Ειδικά εφέ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Δείξε τη βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Σχετικά...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Δείξε τι είναι το Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Επιλογή ε&amp;κτυπωτή...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Έδαφος</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Κράτα το</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Φέρ’ το μπροστά</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Μετακίνηση</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Αλλαγή μεγέθους</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Σβήσ’ το</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Πίσω από τη γη</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Μπροστά από το τοπίο</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Σβήσε το αντικείμενο</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Εφέ</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Σβήσε όλα</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Φέρε πίσω όλα</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Όλα μπροστά</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Όλα πίσω από τη γη</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Αναίρεση: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Ά&amp;λλη μια φορά: %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Αρχεία Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Αρχείο Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Προσθήκη πακέτου εικόνων...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: διάλεξε αντικείμενο. Βέλη και Enter: βάλε, μετακίνησε, άλλαξε μέγεθος. Escape: άφησέ το.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Διάλεξε ένα αντικείμενο και μετά σύρε το ορθογώνιό του πάνω στην εικόνα, ή χρησιμοποίησε τα βέλη και το Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>στο %1, %2, μέγεθος %3 επί %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Με το Enter το αλλάζεις.</translation>
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
        <translation>Το άφησες: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>βάλε πρώτα το αντικείμενο (σύρε, ή βέλη και Enter), ή πάτα Escape.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>απάντησε πρώτα στο παράθυρο «Νέο αντικείμενο», ή πάτα Escape.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>απάντησε πρώτα στο παράθυρο «Αλλαγή αντικειμένου», ή πάτα Escape.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>άφησε πρώτα το αντικείμενο (κλικ, ή Enter), ή πάτα Escape.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>απάντησε πρώτα στο παράθυρο «Μετακίνηση αντικειμένου», ή πάτα Escape.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>σχεδίασε πρώτα το νέο μέγεθος (σύρε, ή βέλη και Enter), ή πάτα Escape.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>απάντησε πρώτα στο παράθυρο «Μέγεθος αντικειμένου», ή πάτα Escape.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 – πρέπει να περιμένει: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: σύρε το πάνω στην εικόνα, ή πάτα εκεί ένα βέλος.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Εικόνα: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Περισσότερα αντικείμενα</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Εύρεση:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Γράψε ένα όνομα, όπως γάτα ή λεωφορείο</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Βρες ένα αντικείμενο από το όνομά του</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Αντικείμενα</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Άλλα αντικείμενα</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Δεν υπάρχει πακέτο εικόνων με αντικείμενα στον φάκελο packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Κανένα αντικείμενο δεν λέγεται «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 αντικείμενο</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 αντικείμενα</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Αντικείμενα: διάλεξε πακέτο</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Διάλεξε αντικείμενο</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Περισσότερα αντικείμενα...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Για άλλον εκτυπωτή πάτα «Εκτυπωτής...»</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Πόσα αντίτυπα:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Εκτυπωτής...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Αριθμός αντιτύπων</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Εκτύπωση σε αρχείο</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Αρχεία PDF (*.pdf);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Ουρανός: διάλεξε πακέτο</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Περίμενε, ζωγραφίζω...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Ειδικά εφέ</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Τα εφέ θέλουν λίγο χρόνο.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Προσοχή: τα εφέ χάνονται όταν η εικόνα ξαναζωγραφιστεί.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Βάλε εφέ όταν τελειώσει το τοπίο σου. Έτσι μπορείς</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>να αποθηκεύσεις ή να τυπώσεις την εικόνα με τα εφέ.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Εφέ που θα μπουν:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Εξομάλυνση</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Αντιστροφή χρωμάτων</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Χρώμα...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Χρωμάτισμα</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Απόχρωση...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Φωτεινότητα</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Πιο σκούρο</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Πιο ανοιχτό</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Εφάρμοσε</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Μπαίνουν τα εφέ...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Βοήθεια Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Κείμενο βοήθειας</translation>
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
        <translation>Γρήγορο ξεκίνημα
-=-=-=-=-=-=-=-=

Αυτός ο μικρός οδηγός σε βοηθά να φτιάξεις την πρώτη σου εικόνα με το Veldor.

Βήμα 1: διάλεξε ουρανό

Πάτα την εικόνα του ουρανού, το δεύτερο κουμπί από αριστερά στη γραμμή. Ανοίγει το παράθυρο με τους ουρανούς. Πάτα έναν ουρανό· τα «Σκούρα σύννεφα» είναι καλά για αρχή. Η εικόνα ζωγραφίζεται με τον νέο ουρανό. Όταν τελειώσει, κλείσε το παράθυρο.

Βήμα 2: διάλεξε τοπίο

Πάτα την εικόνα του τοπίου, το πρώτο κουμπί στη γραμμή, και διάλεξε τοπίο. Δοκίμασε το «Ερημονήσι». Το τοπίο ζωγραφίζεται πάνω στον ουρανό και το φως του ουρανού του δίνει χρώμα.

Βήμα 3: βάλε και άλλαξε αντικείμενα

Πάτα την εικόνα των αντικειμένων, το τρίτο κουμπί από αριστερά, και διάλεξε το «Αερόστατο». Το παράθυρο κλείνει.

Τώρα πάτα το κουμπί του ποντικιού εκεί που θέλεις το αερόστατο, κράτα το πατημένο και σύρε προς τα κάτω δεξιά. Το ορθογώνιο που σέρνεις είναι το μέγεθος του αερόστατου.

Όταν το αφήσεις, το αερόστατο ζωγραφίζεται και ένα μικρό παράθυρο ρωτά αν θα το κρατήσεις:
   Το «Άλλαξε μέγεθος» ζωγραφίζει ξανά για να σύρεις το ορθογώνιο άλλη μια φορά.
   Το «Μην το κρατήσεις» βγάζει το νέο αντικείμενο.
   Το «Κράτα το» το αφήνει στην εικόνα σου.

Αργότερα πάτα ένα αντικείμενο για να το μετακινήσεις, να αλλάξεις το μέγεθός του, να το σβήσεις ή να το βάλεις πίσω από τη γη.

Με το πληκτρολόγιο:
   Πάτα Tab μέχρι η εικόνα να δείξει ένα πλαίσιο από τελείες. Αφού διαλέξεις ένα αντικείμενο, πάτα ένα βέλος: ένα ορθογώνιο δείχνει πού θα πάει. Τα βέλη το μετακινούν (με το Shift, δέκα βήματα τη φορά), το Ctrl μαζί με τα βέλη το κάνουν μεγαλύτερο ή μικρότερο, το Enter βάζει το αντικείμενο εκεί και το Escape το αφήνει.
   Όταν δεν έχεις διαλέξει τίποτα, το Tab και το Shift+Tab πηγαίνουν από ένα αντικείμενο της εικόνας στο επόμενο· το Enter ανοίγει το παράθυρό του, όπως ένα κλικ πάνω του.
   Μετά το «Μετακίνησέ το» ή το «Άλλαξε μέγεθος», τα βέλη μετακινούν το περίγραμμα ή αλλάζουν το μέγεθός του, και το Enter τελειώνει. Το Escape σταματά κάθε αλλαγή, όπως η Ακύρωση.

Βήμα 4: τελείωσε την εικόνα σου

   Εξομάλυνση:
   Η εξομάλυνση κάνει απαλές τις τραχιές άκρες των αντικειμένων και των τοπίων. Πάτα την εικόνα των εφέ, το τέταρτο κουμπί από αριστερά. Άφησε τσεκαρισμένο μόνο το «Εξομάλυνση» και πάτα «Εφάρμοσε».

   Αποθήκευση σε BMP:
   Πάτα την εικόνα της εξαγωγής, το δεύτερο κουμπί από δεξιά. Ανοίγει ένα παράθυρο όπου διαλέγεις το μέγεθος· μετά το παράθυρο αποθήκευσης ζητά όνομα αρχείου.

Τα κουμπιά
-=-=-=-=-=

(Από αριστερά προς τα δεξιά.)

Τοπίο: διάλεξε τοπίο.
Ουρανός: διάλεξε ουρανό.
Αντικείμενο: βάλε αντικείμενο.
Εφέ: βάλε εφέ στην εικόνα σου.
------------------------------
Νέο: ξεκίνα νέα εικόνα.
Εκτύπωση: τύπωσε την εικόνα σου (με περισσότερες επιλογές).
Αποθήκευση: αποθήκευσε την εικόνα σου σε αρχείο .VDR.
Άνοιγμα: άνοιξε ένα αρχείο .VDR.
Εξαγωγή BMP: αποθήκευσε την εικόνα σε αρχείο .BMP.
------------------------------
Ξαναζωγράφισε: ζωγραφίζει ξανά την εικόνα σου.

Πάτα με το δεξί κουμπί στην εικόνα για ένα μενού με όλες τις εντολές.
Το μενού Εργαλεία σβήνει, φέρνει πίσω ή μετακινεί όλα τα αντικείμενα μαζί.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Διάλεξε τοπίο</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Χωρίς τοπίο</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Μετακίνηση αντικειμένου</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Μετακίνησες ένα αντικείμενο. Τι θέλεις να κάνεις;</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Καλό είναι</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Ξανά</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Νέα εικόνα</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Να ξεκινήσει νέα εικόνα;</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Αυτό δεν είναι αρχείο Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Αλλαγή αντικειμένου</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Διάλεξες το αντικείμενο:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Τι θέλεις να κάνεις με αυτό;</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Σβήσ’ το</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Μετακίνησέ το</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Άλλαξε μέγεθος</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Φέρ’ το μπροστά</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Πίσω από τη γη</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Νέο αντικείμενο</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Έχεις ένα νέο αντικείμενο. Τι θέλεις να κάνεις με αυτό;</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Κράτα το</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Άλλαξε μέγεθος</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Μην το κρατήσεις</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Αλλαγή αντικειμένου</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Διάλεξες ένα αντικείμενο πίσω από το τοπίο.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Τι θέλεις να κάνεις με:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Βάλ’ το μπροστά από το τοπίο</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Σβήσε το αντικείμενο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Μέγεθος αντικειμένου</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Άλλαξες το μέγεθος ενός αντικειμένου. Τι θέλεις να κάνεις;</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Καλό είναι</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Ξανά</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Ακύρωση</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Διάλεξε ουρανό</translation>
    </message>
</context>
</TS>
