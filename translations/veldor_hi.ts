<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>आसमान: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>ज़मीन नहीं।</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>ज़मीन: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>और %n</numerusform>
            <numerusform>और %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>चीज़ें: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>वेल्डोर का लोगो</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>प्रिंटर चुनें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>पैक लाएँ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>इफ़ेक्ट: %1।</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>मेरी तस्वीर जोड़ें</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>मेरी तस्वीर जोड़ें...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>तस्वीर बदल गई है।
क्या इसे सहेजना है?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>एक तस्वीर जो कभी सहेजी नहीं गई</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>%1 सहेजने से पहले वेल्डोर बंद हो गया।
क्या बदलाव वापस लाने हैं?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>वापस लाएँ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
यह फ़ोल्डर नहीं है।</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>मातृभाषी लोगों की जाँच बाकी है</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>फ़ाइल नहीं मिली</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>फ़ाइल खोलने की अनुमति नहीं</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>डिस्क भर गई है</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>पढ़ने-लिखने में गड़बड़ी %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>बिटमैप तस्वीर सही नहीं है</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG नहीं बन सका</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>कोई प्रिंटर चुना नहीं गया है</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>चुना गया प्रिंटर सही नहीं है</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>न XDG_DATA_HOME सेट है न HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>पंक्ति %1 1 MiB से लंबी है</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ सही पूर्ण संख्या नहीं है</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>चीज़ों की गिनती गलत है: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>%1 के लिए मेमोरी कम है</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>तस्वीर छप नहीं सकी: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>तस्वीर पैक %1 जोड़ा नहीं जा सकता:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>फ़ाइल %1 नहीं खुल सकी: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>फ़ाइल %1 नहीं खुल सकी</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>फ़ाइल %1 नहीं बन सकी: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>कोई पैक नहीं</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>वेल्डोर तस्वीर पैक ऐसे लाएँ:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. वेल्डोर तस्वीर पैक वाली zip फ़ाइल डाउनलोड करें।</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. पैक खोलें, या उसे “packs” फ़ोल्डर में निकालें</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. फिर बाईं ओर की सूची में उसे चुनें।</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>तस्वीर पैक</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>बनाने वाले:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>जानकारी:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. पैक खोलें, या उसे %1 में निकालें</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>पथरीली चट्टान</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>छोटे पहाड़</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>जंगल वाली पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>सुनसान द्वीप</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>धूसर बादल</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>काले बादल</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>नारंगी सूर्यास्त</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>साफ़ नीला</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>बादलों वाला दिन</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>छल्ले जैसी चट्टान</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>सेब</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>गर्म हवा का गुब्बारा</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>गर्म हवा का गुब्बारा</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>गोल्फ़ की गेंद</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>पीला फूल</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>वेल्डोर टीम</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>सर्दी और रेगिस्तान</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>बर्फ़, रेत और तारे, अपनी तस्वीरों के साथ आज़माने के लिए।</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>तारों भरी रात</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>रेगिस्तान की दोपहर</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>उत्तरी रोशनी</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>गुलाबी सुबह</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>बर्फ़ के बादल</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>बर्फ़ीली पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>रेत के टीले</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>जमी हुई झील</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>लाल घाटी</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>सर्दी का गाँव</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>चीड़ का पेड़</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>झोपड़ी</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>कैक्टस</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>पाल वाली नाव</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>बर्फ़ का पुतला</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>पतझड़</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>सुनहरे जंगल, फ़सल के खेत और बड़ा नारंगी चाँद।</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>सुनहरी दोपहर</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>कोहरे वाली सुबह</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>पतझड़ का तूफ़ान</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>फ़सल का चाँद</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>बारिश और इंद्रधनुष</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>मेपल की पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>कद्दू का खेत</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>भोजपत्र झील</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>लाल खलिहान वाला खेत</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>अंगूर का बाग</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>कद्दू</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>मेपल का पत्ता</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>कुकुरमुत्ता</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>बलूत का फल</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>बिजूका</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>समुद्र किनारे</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>गर्मी के आसमान के नीचे तट, चट्टानें और बंदरगाह।</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>गर्मी की दोपहर</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>उष्णकटिबंधीय सूर्यास्त</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>समुद्री धुंध</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>तूफ़ानी समुद्र</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>हल्के रंगों की शाम</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>रेतीला तट</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>प्रकाशस्तंभ की चट्टान</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>ताड़ की खाड़ी</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>बंदरगाह का शहर</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>पथरीला किनारा</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>प्रकाशस्तंभ</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>समुद्र तट की गेंद</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>समुद्री चिड़िया</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>तारामछली</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>समुद्र तट की छतरी</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>चाँदनी</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>सोती धरती के ऊपर तारों भरा रात का आसमान।</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>पूरा चाँद</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>आकाशगंगा</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>गोधूलि</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>टूटते तारे</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>चाँदी जैसे बादल</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>चाँदनी में पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>रात का शहर</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>अलाव</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>सोता हुआ गाँव</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>चीड़ का जंगल</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>उल्लू</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>लालटेन</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>रॉकेट</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>मोमबत्ती</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>अर्धचंद्र</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>ज़्यादा कॉपी</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>कम कॉपी</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>जानकारी</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>संस्करण 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 वेल्डोर के डेवलपर।
इस्तेमाल करने और बाँटने के लिए मुफ़्त।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>BMP में सहेजें</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP तस्वीर कितनी बड़ी हो?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (सामान्य)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (खिंची हुई)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>बिटमैप फ़ाइलें (*.bmp);;PNG तस्वीर (*.png);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>BMP में सहेजें (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>BMP में सहेजें (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>नज़ारा: पैक चुनें</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>तस्वीर</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>नज़ारा</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>आसमान</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>चीज़</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>खास असर</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>BMP में सहेजें</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>फिर से बनाएँ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>नई तस्वीर शुरू करें</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>सहेजी गई तस्वीर खोलें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>तस्वीर सहेजें</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>इस नाम से सहेजें(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>तस्वीर नए नाम से सहेजें</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापें(&amp;P)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>प्रिंटर चुनें(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>BMP में सहेजें(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>वेल्डोर बंद करें</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>बदलें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>वापस लें(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>आखिरी बदलाव वापस लें</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर करें(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>वापस लिया बदलाव फिर करें</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>तस्वीर क्लिपबोर्ड पर कॉपी करें</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>औज़ार(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>सब मिटाएँ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>सब वापस लाएँ(&amp;U)</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>सब आगे(&amp;F)</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>सब ज़मीन के पीछे(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>वेल्डोर(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>नज़ारा(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>आसमान(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>चीज़ें(&amp;O)</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>खास असर(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदद(&amp;H)</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>मदद दिखाएँ</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>जानकारी(&amp;A)...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>दिखाएँ कि वेल्डोर क्या है</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>प्रिंटर चुनें(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>ज़मीन(&amp;G)</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>रखें</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>आगे लाएँ</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>खिसकाएँ</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>आकार बदलें</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>ज़मीन के पीछे</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>नज़ारे के आगे</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>चीज़ मिटाएँ</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>असर</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>सब मिटाएँ</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>सब वापस लाएँ</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>सब आगे</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>सब ज़मीन के पीछे</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>वापस लें(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>फिर करें(&amp;R): %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>वेल्डोर फ़ाइलें [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>वेल्डोर फ़ाइल (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>तस्वीर पैक जोड़ा जा रहा है...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: चीज़ चुनें। तीर और Enter: रखें, खिसकाएँ, आकार बदलें। Escape: छोड़ दें।</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>कोई चीज़ चुनें, फिर तस्वीर पर उसका आयत खींचें, या तीर वाली कुंजियाँ और Enter इस्तेमाल करें</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>जगह %1, %2, आकार %3 × %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2। Enter से इसे बदलें।</translation>
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
        <translation>छोड़ दिया: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>पहले चीज़ रखें (खींचें, या तीर और Enter), या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>पहले ‘नई चीज़’ खिड़की का जवाब दें, या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>पहले ‘चीज़ बदलें’ खिड़की का जवाब दें, या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>पहले चीज़ छोड़ें (क्लिक, या Enter), या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>पहले ‘चीज़ खिसकाएँ’ खिड़की का जवाब दें, या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>पहले नया आकार बनाएँ (खींचें, या तीर और Enter), या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>पहले ‘चीज़ का आकार’ खिड़की का जवाब दें, या Escape दबाएँ।</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 को रुकना होगा: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: इसे तस्वीर पर खींचें, या वहाँ कोई तीर वाली कुंजी दबाएँ।</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>तस्वीर: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>और चीज़ें</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>खोजें(&amp;F):</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>कोई नाम लिखें, जैसे बिल्ली या बस</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>नाम से चीज़ खोजें</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>श्रेणियाँ</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>चीज़ें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>दूसरी चीज़ें</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>packs फ़ोल्डर में चीज़ों वाला कोई तस्वीर पैक नहीं है।</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>‘%1’ नाम की कोई चीज़ नहीं है।</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 चीज़</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 चीज़ें</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>चीज़ें: पैक चुनें</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>एक चीज़ चुनें</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>और चीज़ें...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>दूसरा प्रिंटर चुनने के लिए ‘प्रिंटर...’ दबाएँ</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>कितनी कॉपी छापें:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>प्रिंटर...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>कॉपी की गिनती</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>फ़ाइल में छापें</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF फ़ाइलें (*.pdf);;सभी फ़ाइलें (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>आसमान: पैक चुनें</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>रुकिए, तस्वीर बन रही है...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>खास असर</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>असर लगाने में थोड़ा समय लगता है।</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>ध्यान दें: तस्वीर फिर से बनने पर असर हट जाते हैं।</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>नज़ारा पूरा होने के बाद असर लगाएँ। तब आप</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>असर वाली तस्वीर सहेज या छाप सकते हैं।</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>ये असर लगाएँ:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>चिकना करें</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>रंग उलटें</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>रंग...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>रंग चढ़ाएँ</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>रंगत...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>चमक</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>गहरा</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>लगाएँ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>असर लग रहे हैं...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>वेल्डोर मदद</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>मदद का पाठ</translation>
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
        <translation>जल्दी शुरुआत
-=-=-=-=-=-=

यह छोटी गाइड वेल्डोर में आपकी पहली तस्वीर बनाने में मदद करती है।

कदम 1: आसमान चुनें

आसमान वाली तस्वीर पर क्लिक करें, यह पट्टी में बाएँ से दूसरा बटन है। आसमान की खिड़की खुलती है। किसी आसमान पर क्लिक करें; ‘काले बादल’ शुरुआत के लिए अच्छा है। तस्वीर नए आसमान के साथ बनती है। जब बन जाए, आसमान की खिड़की बंद करें।

कदम 2: नज़ारा चुनें

नज़ारे वाली तस्वीर पर क्लिक करें, यह पट्टी का पहला बटन है, और एक नज़ारा चुनें। ‘सुनसान द्वीप’ आज़माएँ। नज़ारा आसमान के ऊपर बनता है, और आसमान की रोशनी उसे रंग देती है।

कदम 3: चीज़ें जोड़ें और बदलें

चीज़ों वाली तस्वीर पर क्लिक करें, यह बाएँ से तीसरा बटन है, और ‘गर्म हवा का गुब्बारा’ चुनें। खिड़की बंद हो जाती है।

अब जहाँ गुब्बारा चाहिए वहाँ माउस का बटन दबाएँ, दबाए रखें और नीचे दाईं ओर खींचें। जो आयत आप खींचते हैं, गुब्बारा उतना बड़ा होगा।

बटन छोड़ने पर गुब्बारा बनता है और एक छोटी खिड़की पूछती है कि क्या इसे रखना है:
   ‘आकार बदलें’ फिर से बनाता है ताकि आप गुब्बारे का आयत दोबारा खींच सकें।
   ‘न रखें’ नई चीज़ हटा देता है।
   ‘रखें’ उसे आपकी तस्वीर में रहने देता है।

बाद में किसी चीज़ पर क्लिक करके उसे खिसका सकते हैं, उसका आकार बदल सकते हैं, मिटा सकते हैं या ज़मीन के पीछे रख सकते हैं।

कीबोर्ड से:
   Tab तब तक दबाएँ जब तक तस्वीर पर बिंदुओं वाला फ़्रेम न दिखे। कोई चीज़ चुनने के बाद, कोई तीर वाली कुंजी दबाएँ: एक आयत दिखाता है कि वह कहाँ जाएगी। तीर वाली कुंजियाँ उसे खिसकाती हैं (Shift के साथ, एक बार में दस कदम), Ctrl और तीर वाली कुंजियाँ उसे बड़ा या छोटा करती हैं, Enter चीज़ को वहाँ रख देता है, और Escape उसे छोड़ देता है।
   जब कुछ भी चुना न हो, तो Tab और Shift+Tab तस्वीर की एक चीज़ से अगली चीज़ पर जाते हैं; Enter उसकी खिड़की खोलता है, जैसे उस पर क्लिक करने से खुलती है।
   ‘खिसकाएँ’ या ‘आकार बदलें’ के बाद, तीर वाली कुंजियाँ रूपरेखा को खिसकाती हैं या उसका आकार बदलती हैं, और Enter काम पूरा करता है। Escape हर बदलाव रोक देता है, जैसे रद्द करें करता है।

कदम 4: तस्वीर पूरी करें

   चिकना करें:
   चिकना करने से चीज़ों और नज़ारों के खुरदरे किनारे मुलायम हो जाते हैं। असर वाली तस्वीर पर क्लिक करें, यह बाएँ से चौथा बटन है। सिर्फ़ ‘चिकना करें’ पर निशान रहने दें और ‘लगाएँ’ दबाएँ।

   BMP में सहेजें:
   सहेजने वाली तस्वीर पर क्लिक करें, यह दाएँ से दूसरा बटन है। एक खिड़की खुलती है जिसमें आप तस्वीर का आकार चुनते हैं; फिर सहेजने की खिड़की फ़ाइल का नाम पूछती है।

बटन
-=-=

(बाएँ से दाएँ।)

नज़ारा: नज़ारा चुनें।
आसमान: आसमान चुनें।
चीज़: एक चीज़ जोड़ें।
असर: तस्वीर पर असर लगाएँ।
------------------------------
नया: नई तस्वीर शुरू करें।
छापें: तस्वीर छापें (और विकल्पों के साथ)।
सहेजें: तस्वीर .VDR फ़ाइल में सहेजें।
खोलें: .VDR फ़ाइल खोलें।
BMP में सहेजें: तस्वीर .BMP फ़ाइल में सहेजें।
------------------------------
फिर से बनाएँ: तस्वीर दोबारा बनाता है।

सभी आदेशों वाले मेन्यू के लिए तस्वीर पर दायाँ क्लिक करें।
औज़ार मेन्यू सभी चीज़ों को एक साथ मिटाता, वापस लाता या खिसकाता है।
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>नज़ारा चुनें</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>कोई नज़ारा नहीं</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>चीज़ खिसकाएँ</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>आपने एक चीज़ खिसकाई। अब क्या करें?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>फिर से</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>नई तस्वीर</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>नई तस्वीर शुरू करें?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>यह वेल्डोर फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>आगे बढ़ें</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>चीज़ बदलें</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>आपने यह चीज़ चुनी:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>इसका क्या करें?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>खिसकाएँ</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>आकार बदलें</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>आगे लाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>ज़मीन के पीछे</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>नई चीज़</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>आपके पास नई चीज़ है। इसका क्या करें?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>रखें</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>आकार बदलें</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>न रखें</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>चीज़ बदलें</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>आपने नज़ारे के पीछे वाली चीज़ चुनी है।</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>इस चीज़ का क्या करें:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>नज़ारे के आगे रखें</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>चीज़ मिटाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>चीज़ का आकार</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>आपने एक चीज़ का आकार बदला। अब क्या करें?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>फिर से</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>आसमान चुनें</translation>
    </message>
</context>
</TS>
