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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji από τη Google (SIL Open Font License), σε επίπεδο σχέδιο για το Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Οι δημιουργοί του Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Ζώα της φάρμας</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Αγελάδα</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Γουρούνι</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Πρόβατο</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Κατσίκα</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Κόκορας</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Κότα</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Κοτοπουλάκι</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Πάπια</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Άλογο</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Βόδι</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Νεροβούβαλος</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Γαλοπούλα</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Κριάρι</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Γάιδαρος</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Κουνέλι</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Κεφάλι αγελάδας</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Κεφάλι γουρουνιού</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Κεφάλι αλόγου</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Χήνα</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Λάμα</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Ζώα του δάσους</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Αλεπού</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Αρκούδα</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Ελάφι</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Σκιουράκι</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Σκαντζόχοιρος</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Ασβός</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Λύκος</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Ρακούν</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Κάστορας</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Αγριογούρουνο</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Βρωμοκούναβο</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Άλκη</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Νυχτερίδα</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Βάτραχος</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Σαλιγκάρι</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Κάμπια</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Πεταλούδα</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Μέλισσα</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Πασχαλίτσα</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Αετός</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Πουλί</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Μυρμήγκι</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Αράχνη</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Γρύλος</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Ζώα της θάλασσας</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Φάλαινα με πίδακα</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Φάλαινα</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Δελφίνι</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ψάρι</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Τροπικό ψάρι</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Λαγοκέφαλος</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Καρχαρίας</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Χταπόδι</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Καλαμάρι</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Καβούρι</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Αστακός</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Γαρίδα</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Κοχύλι</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Φώκια</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Χελώνα</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Μέδουσα</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Πιγκουίνος</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Βίδρα</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Κοράλλι</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Στρείδι</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Ζώα της ζούγκλας</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Μαϊμού</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Γορίλας</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Ουρακοτάγκος</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Ελέφαντας</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Λιοντάρι</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Κεφάλι τίγρης</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Τίγρη</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Λεοπάρδαλη</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Ζέβρα</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Καμηλοπάρδαλη</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Ιπποπόταμος</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Ρινόκερος</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Κροκόδειλος</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Φίδι</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Παπαγάλος</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Φλαμίνγκο</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Βραδύποδας</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Καμήλα</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Καμήλα με 2 καμπούρες</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Καγκουρό</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Κοάλα</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Πάντα</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Σαύρα</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Παγώνι</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Κεφάλι μαϊμούς</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Κατοικίδια</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Γάτα</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Σκύλος</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Κανίς</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Κουτάβι</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Γατάκι</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Χάμστερ</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Κεφάλι ποντικού</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ποντίκι</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Κουνελάκι</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Σκύλος-οδηγός</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Πατουσάκια</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Κόκαλο</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Κοτοπουλάκι</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Πουλάκι στο αυγό</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Φωλιά με αυγά</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Άνθρωποι</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Μωρό</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Παιδί</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Αγόρι</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Κορίτσι</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Άτομο</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Άντρας</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Γυναίκα</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Ηλικιωμένος</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Παππούς</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Γιαγιά</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Ξανθός</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Άντρας με γένια</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Οικογένεια</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Χέρι χέρι</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Δύο φίλοι</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Περπάτημα</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Τρέξιμο</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Χορεύτρια</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Χορευτής</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Όρθιος</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Χέρι που χαιρετά</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Χέρι ψηλά</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Χαρούμενο πρόσωπο</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Πρόσωπο με γυαλιά</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Αγκαλιά</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Δουλειές και εργαλεία</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Αστυνομικός</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Οικοδόμος</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Φρουρός</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Ντετέκτιβ</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Νύφη</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Άνθρωπος με κοστούμι</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Στηθοσκόπιο</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Γαλλικό κλειδί</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Σφυρί</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Πριόνι</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Παλέτα χρωμάτων</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Πινέλο</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Γραμματοκιβώτιο</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Γράμμα</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Πυροσβεστήρας</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Σκούπα</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Κράνος διάσωσης</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Καπέλο αποφοίτησης</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Μικροσκόπιο</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Βιβλία</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Μολύβι</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Κηρομπογιά</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Χάρακας</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Δοκιμαστικός σωλήνας</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Χαρτοφύλακας</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Εργαλειοθήκη</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Σκάλα</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Κουβάς</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Μαγνήτης</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Λάμπα</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Οχήματα</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Αυτοκίνητο</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Ταξί</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Τζιπ</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Λεωφορείο</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Τρόλεϊ</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Αγωνιστικό</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Περιπολικό</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ασθενοφόρο</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Πυροσβεστικό</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Μικρό λεωφορείο</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Αγροτικό</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Φορτηγάκι</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Νταλίκα</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Τρακτέρ</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Μοτοποδήλατο</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Ποδήλατο</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Πατίνι</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Ατμοκίνητο τρένο</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Τρένο</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Μετρό</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Τραμ</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Μονοτρόχιο</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Ελικόπτερο</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Αεροπλάνο</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Μικρό αεροπλάνο</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Ταχύπλοο</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Μηχανοκίνητη βάρκα</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Πλοίο</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Φέρι</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Κανό</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Τελεφερίκ</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Ορεινό τρένο</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Ρίκσο</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Κτίρια</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Σπίτι</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Σπίτι με κήπο</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Σπίτια</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Πολυκατοικία γραφείων</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Ταχυδρομείο</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Νοσοκομείο</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Τράπεζα</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Ξενοδοχείο</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Μαγαζί</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Σχολείο</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Πολυκατάστημα</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Εργοστάσιο</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Ιαπωνικό κάστρο</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Κάστρο</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Εκκλησάκι γάμου</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Πύργος</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Άγαλμα</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Εκκλησία</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Τζαμί</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Ναός</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Συναγωγή</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Ιερό</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Μουσείο</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Γερανός</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Καλύβα</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Σκηνή</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Παλιό σπίτι</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Τσίρκο</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Γήπεδο</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Πέτρινο κεφάλι</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Φυτά και δέντρα</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Δέντρο</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Έλατο</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Φοίνικας</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Φυντανάκι</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Βότανο</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Τριφύλλι</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Τετράφυλλο τριφύλλι</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Πεσμένα φύλλα</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Φύλλα στον αέρα</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Δεμάτι ρυζιού</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Τουλίπα</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Τριαντάφυλλο</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Μαραμένο λουλούδι</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Ιβίσκος</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Άνθος κερασιάς</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Άνθος</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Ηλιοτρόπιο</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Ανθοδέσμη</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Φυτό σε γλάστρα</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Μανιτάρι</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Κορμός</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Λωτός</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Υάκινθος</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Κάστανο</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Δέντρο των ευχών</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Στολίδι από πεύκο</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Άδεια φωλιά</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Βράχος</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Φρούτα και λαχανικά</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Πράσινο μήλο</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Αχλάδι</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Πορτοκάλι</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Λεμόνι</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Μπανάνα</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Καρπούζι</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Σταφύλι</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Φράουλα</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Μύρτιλα</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Πεπόνι</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Κεράσια</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Ροδάκινο</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Μάνγκο</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ανανάς</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Καρύδα</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Ακτινίδιο</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Ντομάτα</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Μελιτζάνα</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Αβοκάντο</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Μπρόκολο</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Καρότο</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Καλαμπόκι</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Καυτερή πιπεριά</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Αγγούρι</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Μαρούλι</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Σκόρδο</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Κρεμμύδι</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Πατάτα</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Πιπεριά</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Φαγητό</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Ψωμί</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Κρουασάν</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Μπαγκέτα</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Πρέτσελ</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Τυρί</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Αυγό</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Τηγανητό αυγό</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Τηγανίτες</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Βάφλα</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Μπέργκερ</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Πατάτες τηγανητές</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Πίτσα</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Χοτ ντογκ</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Σάντουιτς</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Τάκο</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Μακαρόνια</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Παγωτό</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Ντόνατ</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Μπισκότο</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Τούρτα γενεθλίων</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Κομμάτι κέικ</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Κεκάκι</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Σοκολάτα</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Καραμέλα</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Γλειφιτζούρι</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Βάζο με μέλι</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Ποτήρι γάλα</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Χυμός</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Ζεστό ρόφημα</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Πίτα</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Παιχνίδια και αθλήματα</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Μπάλα ποδοσφαίρου</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Μπάλα του μπέιζμπολ</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Μπάλα μπάσκετ</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Μπάλα βόλεϊ</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Αμερικάνικο φούτμπολ</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Μπάλα ράγκμπι</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Μπαλάκι του τένις</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Φρίσμπι</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Μπόουλινγκ</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Ρόπαλο του κρίκετ</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Μπαστούνι χόκεϊ</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Πινγκ πονγκ</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Μπάντμιντον</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Γάντι του μποξ</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Τέρμα</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Σημαιάκι γκολφ</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Παγοπέδιλο</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Καλάμι ψαρέματος</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Τροχοσανίδα</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Πατίνι με ρόδες</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Έλκηθρο</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Πέτρα κέρλινγκ</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Σκι</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Χαρταετός</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Γιογιό</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Αρκουδάκι</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Ματριόσκες</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Ζάρι</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Κομμάτι παζλ</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Χειριστήριο</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Κύπελλο</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Χρυσό μετάλλιο</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Στόχος βελάκια</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Μπούμερανγκ</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Τσουλήθρα</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Μουσική</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Κιθάρα</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Τύμπανο</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Τρομπέτα</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Σαξόφωνο</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Βιολί</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Αρμόνιο</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Ακορντεόν</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Μακρύ τύμπανο</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Μαράκες</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Φλογέρα</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Μικρόφωνο</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Ακουστικά</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Ραδιόφωνο</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Καμπάνα</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Νότα</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Διάστημα</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Ιπτάμενος δίσκος</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Δορυφόρος</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Γη</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Γη (Ασία)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Πλανήτης με δακτυλίους</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Νέα σελήνη</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Πρόσωπο φεγγαριού</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Χαμογελαστό φεγγάρι</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Χαμογελαστός ήλιος</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Ήλιος</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Αστέρι</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Λαμπερό αστέρι</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Στροβιλιστό αστέρι</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Κομήτης</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Πεφταστέρι</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Τηλεσκόπιο</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Εξωγήινος</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Διαστημικό τέρας</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Γη (Αμερική)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Φεγγάρι που λιγοστεύει</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Μισό φεγγάρι</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Σχεδόν γεμάτο φεγγάρι</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Καιρός</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Σύννεφο</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Ήλιος πίσω από σύννεφο</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Σύννεφο καταιγίδας</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Λιακάδα με σύννεφα</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Συννεφιά</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Ήλιος και βροχή</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Σύννεφο βροχής</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Σύννεφο χιονιού</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Σύννεφο με αστραπή</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Ανεμοστρόβιλος</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Ομίχλη</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Αέρας</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Δίνη</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Ουράνιο τόξο</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Ομπρέλα</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Ομπρέλα στη βροχή</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Αστραπή</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Νιφάδα χιονιού</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Χιονάνθρωπος στο χιόνι</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Φωτιά</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Σταγόνα βροχής</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Κύμα</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Θερμόμετρο</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Παγάκι</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Παραμύθια</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Μάγος</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Νεράιδα</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Βαμπίρ</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Γοργόνα</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Ξωτικό</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Τζίνι</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Τρολ</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Μονόκερος</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Δράκος</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Κεφάλι δράκου</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Δεινόσαυρος</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>Τυραννόσαυρος</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Φάντασμα</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Γίγαντας</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Ρομπότ</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Στέμμα</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Κρυστάλλινη σφαίρα</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Μαγικό ραβδί</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Πρίγκιπας</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Πριγκίπισσα</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Νίντζα</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Σούπερ ήρωας</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Κακός</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Πολύτιμο πετράδι</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Παλιό κλειδί</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Ζόμπι</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Άγγελος</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Ασπίδα</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Στιλέτο</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Τόξο και βέλος</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Εποχές και γιορτές</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Φανάρι κολοκύθα</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Στολισμένο έλατο</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Άγιος Βασίλης</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Κυρία Βασίλη</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Δώρο</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Μπαλόνι</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Κομφετί</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Μπάλα με κομφετί</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Βεγγαλικό</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Κορδέλα</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Καμπανάκια του αέρα</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Κυπρίνος στον αέρα</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Κούκλες γιορτής</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Κόκκινο φανάρι</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Λυχνάρι</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Μενορά</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Κόκκινος φάκελος</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Ντισκομπάλα</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Κασκόλ</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Γάντια</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Παλτό</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Μπότα</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Ψάθινο καπέλο</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Γυαλιά ηλίου</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Μαγιό</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Μπικίνι</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Λευκή σημαία</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Καρό σημαία</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Πόλη και εξοχή</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Φανάρι</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Πλάγιο φανάρι</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Πινακίδα στοπ</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Έργα στον δρόμο</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Αντλία βενζίνης</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Στάση λεωφορείου</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Πινακίδα</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Ρόδα</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Κάδος</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Καρέκλα</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Καρότσι σούπερ μάρκετ</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Καλάθι</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Πόρτα</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Παράθυρο</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Κρεβάτι</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Καναπές</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Γραμματοκιβώτιο</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Ρολόι</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Ξυπνητήρι</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Τούβλα</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Τσεκούρι</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Πυξίδα</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Κασμάς</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Χάρτης</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Σχολική τσάντα</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Βαλίτσα</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Φακός</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Άγκυρα</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Σωσίβιο</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Σιντριβάνι</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Ρόδα του λούνα παρκ</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Τρενάκι του λούνα παρκ</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Αλογάκι καρουζέλ</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Παλιό ταχυδρομείο</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Τρένο του βουνού</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Εποχές</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Μέρες της άνοιξης και του καλοκαιριού</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Ανοιξιάτικο πρωί</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Αύρα με άνθη</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Ζεστό βράδυ</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Ανοιξιάτικο λιβάδι</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Καλοκαιρινά χωράφια</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Ανθισμένος οπωρώνας</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Πράσινη κοιλάδα</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Λόφος με παπαρούνες</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Μέρες του φθινοπώρου και του χειμώνα</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Φθινοπωρινό απόγευμα</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Χειμωνιάτικος ήλιος</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Χιονόπτωση</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Παγωμένο βράδυ</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Φθινοπωρινό δάσος</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Λόφοι του θερισμού</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Γυμνά δέντρα</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Χιονισμένα χωράφια</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Παγωμένη λιμνούλα</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Βροχή, καταιγίδες, αέρας και ομίχλη</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Σύννεφα βροχής</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Καταιγίδα</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Μέρα με αέρα</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Μέρα με ομίχλη</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Βρεγμένο λιβάδι</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Πράσινοι λόφοι</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Ρείκια στον αέρα</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Λόφοι στην ομίχλη</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Νύχτα</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Φεγγάρι, αστέρια και σκοτάδι</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Σκοτεινοί λόφοι</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Πόλη τη νύχτα</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Λίμνη στο φεγγαρόφωτο</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Ήσυχο χωριό</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Αργά βράδια και βαθιές νύχτες</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Μωβ σούρουπο</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Ανατολή του φεγγαριού</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Μπλε μεσάνυχτα</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Πεφταστέρια</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Νύχτα με φανάρια</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Λόφος με κάστρο</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Φάρμα που κοιμάται</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Λιμάνι τη νύχτα</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Σιωπηλό χιόνι</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Φώτα της πόλης</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Ήλιος, άμμος και θάλασσα</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Μέρα στην παραλία</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Τροπικός ήλιος</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Θαλασσινή αύρα</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Δύση στη θάλασσα</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Συννεφιασμένη ακτή</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Ήρεμη θάλασσα</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Βραχώδης ακτή</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Λιμάνι</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Νησί με φοίνικες</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Γκρεμοί, κύματα και φάροι</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Φωτεινό πρωί</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Γλάροι και σύννεφα</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Χρυσή ώρα</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Γκρίζα θάλασσα</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Ροζ ανατολή</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Λευκοί γκρεμοί</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Μεγάλα κύματα</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Ακρωτήρι με φάρο</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Παραλία με κοχύλια</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Λιμνοθάλασσα</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Έρημος</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Αμμόλοφοι, φαράγγια και κάκτοι</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Ήλιος της ερήμου</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Καυτό μεσημέρι</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Σκονισμένος ουρανός</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Δύση στην έρημο</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Νύχτα στην έρημο</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Πεδιάδα με κάκτους</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Όαση</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Πέτρινοι πύργοι</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Χιόνι</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Πάγος, χιόνι και ψηλά βουνά</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Παγωμένο γαλάζιο</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Πολική νύχτα</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Ανατολή στις Άλπεις</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Χιονοθύελλα</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Χιονισμένες κορυφές</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Κομμάτια πάγου</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Πίστα σκι</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Κατασκήνωση με ιγκλού</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Πόλη</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Δρόμοι, πάρκα και στέγες</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Πρωί στην πόλη</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Πολύβουο απόγευμα</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Βροχερή πόλη</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Δύση στην πόλη</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Ουρανός με καπνό</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Στέγες</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Πάρκο</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Κεντρικός δρόμος</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Ουρανοξύστες</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Παλιά πόλη</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Εξοχή</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Φάρμες, χωράφια και χωριά</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Πρωί στη φάρμα</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Μέρα για σανό</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Σύννεφα στην εξοχή</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Βράδυ στον οπωρώνα</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Χωράφια μπαλώματα</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Πλατεία του χωριού</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Οπωρώνας</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Φάρμα με αέρα</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Πλανήτες, φεγγάρια και αστέρια</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Βαθύ διάστημα</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Ανατολή της Γης</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Δύο φεγγάρια</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Νεφέλωμα</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Κρατήρες του φεγγαριού</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Κόκκινος πλανήτης</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Παγωμένος κόσμος</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Εξωγήινη ζούγκλα</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Διαστημική βάση</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 και %2</translation>
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
