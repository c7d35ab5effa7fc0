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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google का Noto Emoji (SIL Open Font License), Veldor के लिए सपाट बनाया गया</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor के डेवलपर</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>खेत के जानवर</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>गाय</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>सूअर</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>भेड़</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>बकरी</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>मुर्गा</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>मुर्गी</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>चूज़ा</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>बत्तख</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>घोड़ा</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>बैल</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>भैंस</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>टर्की</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>गधा</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>खरगोश</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>गाय का चेहरा</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>सूअर का चेहरा</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>घोड़े का चेहरा</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>हंस</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>लामा</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>वन के जानवर</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>लोमड़ी</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>भालू</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>हिरन</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>धारीदार गिलहरी</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>हेजहॉग</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>बिज्जू</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>भेड़िया</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>रैकून</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>बीवर</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>जंगली सूअर</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>स्कंक</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>मूस</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>चमगादड़</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>मेंढक</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>घोंघा</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>इल्ली</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>तितली</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>मधुमक्खी</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>लेडीबग</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>चील</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>चिड़िया</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>चींटी</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>मकड़ी</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>झींगुर</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>समुद्री जीव</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>फुहार छोड़ती व्हेल</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>व्हेल</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>डॉल्फ़िन</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>मछली</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>रंगीन मछली</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>पफ़र मछली</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>शार्क</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>ऑक्टोपस</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>स्क्विड</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>केकड़ा</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>लॉबस्टर</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>झींगा</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>सीप का खोल</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>सील</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>कछुआ</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>जेलीफ़िश</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>पेंगुइन</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>ऊदबिलाव</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>मूँगा</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>सीप</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>जंगली जानवर</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>बंदर</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>गोरिल्ला</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>ओरंगुटान</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>हाथी</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>शेर</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>बाघ का चेहरा</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>बाघ</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>तेंदुआ</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>ज़ेबरा</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>जिराफ़</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>दरियाई घोड़ा</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>गैंडा</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>मगरमच्छ</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>साँप</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>तोता</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>फ़्लेमिंगो</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>स्लॉथ</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>ऊँट</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>दो कूबड़ वाला ऊँट</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>कंगारू</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>कोआला</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>पांडा</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>छिपकली</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>मोर</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>बंदर का चेहरा</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>पालतू जानवर</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>बिल्ली</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>कुत्ता</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>पूडल</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>पिल्ला</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>बिल्ली का बच्चा</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>हैम्स्टर</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>चूहे का चेहरा</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>चूहा</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>नन्हा खरगोश</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>गाइड कुत्ता</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>पंजों के निशान</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>हड्डी</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>नन्हा चूज़ा</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>अंडे से निकलता चूज़ा</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>अंडों वाला घोंसला</translation>
    </message>
    <message>
        <source>People</source>
        <translation>लोग</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>शिशु</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>बच्चा</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>लड़का</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>लड़की</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>व्यक्ति</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>आदमी</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>औरत</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>बुज़ुर्ग</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>दादा</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>दादी</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>सुनहरे बालों वाला</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>दाढ़ी वाला आदमी</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>परिवार</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>हाथ पकड़े</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>दो दोस्त</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>चलता व्यक्ति</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>दौड़ता व्यक्ति</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>नर्तकी</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>नाचता आदमी</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>खड़ा व्यक्ति</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>हिलता हाथ</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>उठा हाथ</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>खुश चेहरा</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>चश्मे वाला चेहरा</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>गले लगाता चेहरा</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>काम और औज़ार</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>पुलिस वाला</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>मिस्त्री</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>पहरेदार</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>जासूस</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>दुल्हन</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>सूट वाला व्यक्ति</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>स्टेथोस्कोप</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>पाना</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>हथौड़ा</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>आरी</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>रंगों की पट्टी</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>ब्रश</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>लाल डाक पेटी</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>चिट्ठी</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>आग बुझाने का यंत्र</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>झाड़ू</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>बचाव हेलमेट</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>दीक्षांत टोपी</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>सूक्ष्मदर्शी</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>किताबें</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>पेंसिल</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>मोम रंग</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>रूलर</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>परखनली</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>ब्रीफ़केस</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>औज़ार बक्सा</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>सीढ़ी</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>बाल्टी</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>चुंबक</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>बल्ब</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>गाड़ियाँ</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>कार</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>टैक्सी</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>जीप</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>बस</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>ट्रॉली बस</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>रेसिंग कार</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>पुलिस कार</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>एम्बुलेंस</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>दमकल</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>मिनी बस</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>पिकअप ट्रक</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>डिलीवरी ट्रक</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>बड़ा ट्रक</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>ट्रैक्टर</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>मोपेड</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>मोटरसाइकिल</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>साइकिल</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>स्कूटर</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>भाप इंजन</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>रेलगाड़ी</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>मेट्रो</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>ट्राम</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>मोनोरेल</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>हेलिकॉप्टर</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>हवाई जहाज़</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>छोटा विमान</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>स्पीडबोट</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>मोटर बोट</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>जहाज़</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>फ़ेरी</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>डोंगी</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>केबल कार</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>पहाड़ी रेल</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>रिक्शा</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>इमारतें</translation>
    </message>
    <message>
        <source>House</source>
        <translation>घर</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>बगीचे वाला घर</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>कई घर</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>दफ़्तर की इमारत</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>डाकघर</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>अस्पताल</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>बैंक</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>होटल</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>दुकान</translation>
    </message>
    <message>
        <source>School</source>
        <translation>स्कूल</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>बड़ी दुकान</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>कारख़ाना</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>जापानी किला</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>किला</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>शादी का गिरजा</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>मीनार</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>मूर्ति</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>गिरजाघर</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>मस्जिद</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>मंदिर</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>यहूदी प्रार्थनाघर</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>पूजा स्थल</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>संग्रहालय</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>क्रेन</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>झोपड़ी</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>तंबू</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>पुराना घर</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>सर्कस का तंबू</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>स्टेडियम</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>पत्थर का सिर</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>पेड़-पौधे</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>पेड़</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>देवदार</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>ताड़ का पेड़</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>अंकुर</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>जड़ी-बूटी</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>तिपतिया</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>चार पत्ती तिपतिया</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>गिरे पत्ते</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>हवा में पत्ते</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>धान की बाली</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>ट्यूलिप</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>गुलाब</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>मुरझाया फूल</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>गुड़हल</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>चेरी के फूल</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>फूल</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>सूरजमुखी</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>गुलदस्ता</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>गमले का पौधा</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>कुकुरमुत्ता</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>लकड़ी का लट्ठा</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>कमल</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>हायसिंथ</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>शाहबलूत</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>मन्नत का पेड़</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>चीड़ की सजावट</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>खाली घोंसला</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>चट्टान</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>फल और सब्ज़ियाँ</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>हरा सेब</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>नाशपाती</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>संतरा</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>नींबू</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>केला</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>तरबूज़</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>अंगूर</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>स्ट्रॉबेरी</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>ब्लूबेरी</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>ख़रबूज़ा</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>चेरी</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>आड़ू</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>आम</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>अनानास</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>नारियल</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>कीवी</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>टमाटर</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>बैंगन</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>एवोकाडो</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>ब्रोकली</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>गाजर</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>मक्का</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>हरी मिर्च</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>खीरा</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>सलाद पत्ता</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>लहसुन</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>प्याज़</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>आलू</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>शिमला मिर्च</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>खाना</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>ब्रेड</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>क्रोसॉं</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>लंबी ब्रेड</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>प्रेट्ज़ेल</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>चीज़</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>अंडा</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>तला अंडा</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>पैनकेक</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>वॉफ़ल</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>बर्गर</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>फ़्रेंच फ़्राइज़</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>पिज़्ज़ा</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>हॉट डॉग</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>सैंडविच</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>टाको</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>स्पघेटी</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>आइसक्रीम</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>डोनट</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>बिस्कुट</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>जन्मदिन का केक</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>केक का टुकड़ा</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>कपकेक</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>चॉकलेट</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>टॉफ़ी</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>लॉलीपॉप</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>शहद का मटका</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>दूध का गिलास</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>जूस का डिब्बा</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>गरम पेय</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>पाई</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>खिलौने और खेल</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>फ़ुटबॉल</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>बेसबॉल</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>बास्केटबॉल</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>वॉलीबॉल</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>अमेरिकी फ़ुटबॉल</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>रग्बी बॉल</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>टेनिस बॉल</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>फ़्रिस्बी</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>बॉलिंग</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>क्रिकेट बैट</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>हॉकी स्टिक</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>टेबल टेनिस</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>बैडमिंटन</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>मुक्केबाज़ी दस्ताना</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>गोल</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>गोल्फ़ का झंडा</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>आइस स्केट</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>मछली पकड़ने की छड़</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>स्केटबोर्ड</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>रोलर स्केट</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>स्लेज</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>कर्लिंग पत्थर</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>स्की</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>पतंग</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>यो-यो</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>टेडी बियर</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>रूसी गुड़ियाँ</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>पासा</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>पहेली का टुकड़ा</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>गेम कंट्रोलर</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>ट्रॉफ़ी</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>स्वर्ण पदक</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>डार्ट बोर्ड</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>बूमरैंग</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>फिसलपट्टी</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>संगीत</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>गिटार</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>ढोल</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>तुरही</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>सैक्सोफ़ोन</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>वायलिन</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>कीबोर्ड</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>अकॉर्डियन</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>लंबा ढोल</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>मराकास</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>बाँसुरी</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>माइक</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>हेडफ़ोन</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>रेडियो</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>घंटी</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>संगीत का सुर</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>अंतरिक्ष</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>उड़न तश्तरी</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>उपग्रह</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>पृथ्वी</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>पृथ्वी (एशिया)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>छल्लों वाला ग्रह</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>अमावस का चाँद</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>चाँद का चेहरा</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>मुस्कुराता चाँद</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>मुस्कुराता सूरज</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूरज</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>तारा</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>चमकता तारा</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>घूमता तारा</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>धूमकेतु</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>टूटता तारा</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>दूरबीन</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>एलियन</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>अंतरिक्ष दानव</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>पृथ्वी (अमेरिका)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>घटता चाँद</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>आधा चाँद</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>लगभग पूरा चाँद</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>मौसम</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>बादल</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>बादल के पीछे सूरज</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>तूफ़ानी बादल</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>धूप और बादल</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>बादल छाए</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>धूप और बारिश</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>बारिश का बादल</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>बर्फ़ का बादल</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>बिजली वाला बादल</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>बवंडर</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>कोहरा</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>हवा</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>चक्रवात</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>इंद्रधनुष</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>छाता</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>बारिश में छाता</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>बिजली</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>हिमकण</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>बर्फ़ में पुतला</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>आग</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>बारिश की बूँद</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>लहर</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>थर्मामीटर</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>बर्फ़ का टुकड़ा</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>कल्पना लोक</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>जादूगर</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>परी</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>पिशाच</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>जलपरी</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>एल्फ़</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>जिन्न</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>दैत्य</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>एकसिंगा घोड़ा</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>ड्रैगन</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>ड्रैगन का चेहरा</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>लंबी गर्दन डायनासोर</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>टी-रेक्स</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>भूत</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>राक्षस</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>रोबोट</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>मुकुट</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>जादुई गोला</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>जादू की छड़ी</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>राजकुमार</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>राजकुमारी</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>निंजा</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>सुपरहीरो</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>खलनायक</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>रत्न</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>पुरानी चाबी</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>ज़ॉम्बी</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>फ़रिश्ता</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>ढाल</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>खंजर</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>तीर-कमान</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>ऋतुएँ और त्योहार</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>कद्दू लालटेन</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>क्रिसमस ट्री</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>सांता क्लॉज़</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>सांता की पत्नी</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>तोहफ़ा</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>गुब्बारा</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>पार्टी पॉपर</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>रंगीन कागज़ गेंद</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>पटाखा</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>रिबन</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>हवा की घंटियाँ</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>मछली पताका</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>त्योहार की गुड़ियाँ</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>लाल लालटेन</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>दीया</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>मेनोरा</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>लाल लिफ़ाफ़ा</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>डिस्को बॉल</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>मफ़लर</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>दस्ताने</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>कोट</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>बूट</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>धूप की टोपी</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>धूप का चश्मा</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>तैराकी पोशाक</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>बिकिनी</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>सफ़ेद झंडा</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>चेक वाला झंडा</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>शहर और गाँव</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>ट्रैफ़िक लाइट</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>आड़ी ट्रैफ़िक लाइट</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>रुको का निशान</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>सड़क का काम</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>पेट्रोल पंप</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>बस स्टॉप</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>साइनबोर्ड</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>पहिया</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>कूड़ेदान</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>कुर्सी</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>शॉपिंग ट्रॉली</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>टोकरी</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>दरवाज़ा</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>खिड़की</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>बिस्तर</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>सोफ़ा</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>डाक बक्सा</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>घड़ी</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>अलार्म घड़ी</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>ईंटें</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>कुल्हाड़ी</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>कम्पास</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>गैंती</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>नक्शा</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>स्कूल बैग</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>सूटकेस</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>टॉर्च</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>लंगर</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>जीवन रक्षक रिंग</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>फव्वारा</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>बड़ा झूला</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>रोलर कोस्टर</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>हिंडोले का घोड़ा</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>पुराना डाकघर</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>पहाड़ी ट्रेन</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>ऋतुएँ</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>वसंत और गर्मी के दिन</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>वसंत की सुबह</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>फूलों की हवा</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>सुहानी शाम</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>वसंत का मैदान</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>गर्मी के खेत</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>फूलों का बाग</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>हरी घाटी</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>पोस्ता पहाड़ी</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>पतझड़ और सर्दी के दिन</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>पतझड़ की दोपहर</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>सर्दी की धूप</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>बर्फ़बारी</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>ठंडी शाम</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>पतझड़ का जंगल</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>फ़सल की पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>सूखे पेड़</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>बर्फ़ीले खेत</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>जमा तालाब</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>बारिश, तूफ़ान, हवा और कोहरा</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>बारिश के बादल</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>आँधी-तूफ़ान</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>हवा वाला दिन</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>कोहरे वाला दिन</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>भीगा मैदान</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>हरी पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>हवादार झाड़ी मैदान</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>कोहरे में पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>रात</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>चाँद, तारे और अँधेरा</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>अँधेरी पहाड़ियाँ</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>रात का शहर</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>चाँदनी में झील</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>शांत गाँव</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>देर शाम और गहरी रातें</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>बैंगनी साँझ</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>चाँद का उगना</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>आधी रात का नीला</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>टूटते तारे</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>लालटेनों की रात</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>किले वाली पहाड़ी</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>सोता हुआ खेत</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>रात का बंदरगाह</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>चुपचाप बर्फ़</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>शहर की रोशनी</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>धूप, रेत और समुद्र</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>तट पर एक दिन</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>तेज़ धूप</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>समुद्री हवा</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>समुद्र पर सूर्यास्त</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>बादलों वाला तट</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>शांत समुद्र</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>चट्टानी तट</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>बंदरगाह</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>ताड़ का टापू</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>चट्टानें, लहरें और प्रकाशस्तंभ</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>उजली सुबह</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>सीगल और बादल</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>सुनहरा समय</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>धूसर समुद्र</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>गुलाबी सूर्योदय</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>सफ़ेद चट्टानें</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>ऊँची लहरें</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>प्रकाशस्तंभ वाला छोर</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>सीपियों वाला तट</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>लैगून</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>रेगिस्तान</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>टीले, घाटियाँ और कैक्टस</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>रेगिस्तान का सूरज</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>तपती दोपहर</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>धूल भरा आसमान</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>रेगिस्तानी सूर्यास्त</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>रेगिस्तान की रात</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>कैक्टस का मैदान</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>नखलिस्तान</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>पत्थर की मीनारें</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>बर्फ़</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>बर्फ़, हिम और ऊँचे पहाड़</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>ठंडा नीला</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>ध्रुवीय रात</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>पहाड़ों पर सूर्योदय</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>बर्फ़ीला तूफ़ान</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>बर्फ़ीली चोटियाँ</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>तैरती बर्फ़</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>स्की ढलान</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>इग्लू शिविर</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>गलियाँ, पार्क और छतें</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>शहर की सुबह</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>चहल-पहल वाली दोपहर</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>बारिश में शहर</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>शहर में सूर्यास्त</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>धुएँ वाला आसमान</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>छतें</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>पार्क</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>मुख्य बाज़ार</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>गगनचुंबी इमारतें</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>पुराना शहर</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>गाँव-देहात</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>खेत, मैदान और गाँव</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>खेत की सुबह</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>घास कटाई का दिन</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>गाँव के बादल</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>बाग में शाम</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>रंग-बिरंगे खेत</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>गाँव का मैदान</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>फलों का बाग</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>हवादार खेत</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>ग्रह, चाँद और तारे</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>गहरा अंतरिक्ष</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>पृथ्वी का उदय</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>दो चाँद</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>नीहारिका</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>चाँद के गड्ढे</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>लाल ग्रह</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>बर्फ़ की दुनिया</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>एलियन जंगल</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>अंतरिक्ष अड्डा</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
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
