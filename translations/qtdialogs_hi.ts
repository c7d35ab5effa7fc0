<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs, which Debian's qtbase translations lack in this language. -->
<TS version="2.1" language="hi_IN">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>घटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>बढ़ाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>सब चुनें (&amp;S)</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>लाल (&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>संतृप्ति (&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>चमक (&amp;V):</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>रंगत (&amp;E):</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>रंग चुनें</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>अपने रंगों में जोड़ें (&amp;A)</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>नीला (&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>स्क्रीन से रंग लें (&amp;P)</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>कर्सर %1, %2 पर
रद्द करने के लिए Esc दबाएँ</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>हरा (&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>मूल रंग (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>अपने रंग (&amp;C)</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>अल्फ़ा चैनल (&amp;L):</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>स्क्रीन से रंग लें</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>कर्सर %1, %2 पर, रंग: %3
रद्द करने के लिए Esc दबाएँ</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>सही</translation>
    </message>
    <message>
        <source>False</source>
        <translation>गलत</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>कॉम्बो बॉक्स की चुनाव सूची खोलें</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>प्रिंट कार्य</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>अंत:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>बैनर पेज</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>रात (18:00 से 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>तय समय पर</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>बिलिंग जानकारी:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>निर्धारित प्रिंटिंग:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>गुप्त</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>अति गुप्त</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>शुरुआत:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>दिन (06:00 से 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>दूसरी पाली (16:00 से 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>कार्य नियंत्रण</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>सप्ताहांत (शनिवार से रविवार)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>मानक</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>वर्गीकृत</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>तीसरी पाली (00:00 से 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>अनिश्चित काल तक रोकें</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>तुरंत प्रिंट करें</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>गोपनीय</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>कार्य प्राथमिकता:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>अवर्गीकृत</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदद</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर कोशिश करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट बहाल करें</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी को नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सब सहेजें</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी को हाँ (&amp;A)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>न सहेजें</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; लेखन से सुरक्षित है।
क्या फिर भी इसे मिटाना है?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>क्या आप सच में &apos;%1&apos; को मिटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल नाम (&amp;N):</translation>
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
        <translation>फ़ाइल फ़ोल्डर</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपरी फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>इसमें देखें:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 फ़ाइल</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
जाँचें कि फ़ोल्डर का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>मिटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर मिटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या इसे बदलना है?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपरी फ़ोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
जाँचें कि फ़ाइल का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>उपनाम</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>किस्म</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
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
        <translation>&lt;b&gt;नाम &quot;%1&quot; इस्तेमाल नहीं हो सकता।&lt;/b&gt;&lt;p&gt;कम अक्षरों वाला या बिना विराम चिह्नों वाला कोई दूसरा नाम आज़माएँ।</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 बाइट</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>अमान्य फ़ाइल नाम</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 बाइट</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलने की तारीख</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;नाम &quot;%1&quot; इस्तेमाल नहीं हो सकता।&lt;/b&gt;&lt;p&gt;कम अक्षरों वाला या बिना विराम चिह्नों वाला कोई दूसरा नाम आज़माएँ।</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt कई प्लैटफ़ॉर्म के लिए ऐप्लिकेशन बनाने का C++ टूलकिट है।&lt;/p&gt;&lt;p&gt;Qt से एक ही सोर्स कोड सभी प्रमुख डेस्कटॉप ऑपरेटिंग सिस्टम पर चलता है। यह एम्बेडेड Linux और दूसरे एम्बेडेड व मोबाइल ऑपरेटिंग सिस्टम के लिए भी उपलब्ध है।&lt;/p&gt;&lt;p&gt;Qt तीन अलग-अलग लाइसेंस विकल्पों में उपलब्ध है, जो हमारे अलग-अलग उपयोगकर्ताओं की ज़रूरतों के लिए बने हैं।&lt;/p&gt;&lt;p&gt;हमारे व्यावसायिक लाइसेंस समझौते के तहत Qt मालिकाना/व्यावसायिक सॉफ़्टवेयर के विकास के लिए उपयुक्त है, जब आप अपना सोर्स कोड किसी तीसरे पक्ष के साथ साझा नहीं करना चाहते या GNU LGPL संस्करण 3 की शर्तों का पालन नहीं कर सकते।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 3 के तहत Qt, Qt&amp;nbsp;ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 3 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;Qt के लाइसेंसों के बारे में जानने के लिए &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; देखें।&lt;/p&gt;&lt;p&gt;कॉपीराइट (C) %1 The Qt Company Ltd और अन्य योगदानकर्ता।&lt;/p&gt;&lt;p&gt;Qt और Qt लोगो The Qt Company Ltd के ट्रेडमार्क हैं।&lt;/p&gt;&lt;p&gt;Qt, The Qt Company Ltd का उत्पाद है जो ओपन सोर्स परियोजना के रूप में विकसित होता है। अधिक जानकारी के लिए &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; देखें।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt के बारे में</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Qt के बारे में&lt;/h3&gt;&lt;p&gt;यह प्रोग्राम Qt संस्करण %1 का उपयोग करता है।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt कई प्लैटफ़ॉर्म के लिए ऐप्लिकेशन बनाने का C++ टूलकिट है।&lt;/p&gt;&lt;p&gt;Qt से एक ही सोर्स कोड सभी प्रमुख डेस्कटॉप ऑपरेटिंग सिस्टम पर चलता है। यह एम्बेडेड Linux और दूसरे एम्बेडेड व मोबाइल ऑपरेटिंग सिस्टम के लिए भी उपलब्ध है।&lt;/p&gt;&lt;p&gt;Qt कई लाइसेंस विकल्पों में उपलब्ध है, जो हमारे अलग-अलग उपयोगकर्ताओं की ज़रूरतों के लिए बने हैं।&lt;/p&gt;&lt;p&gt;हमारे व्यावसायिक लाइसेंस समझौते के तहत Qt मालिकाना/व्यावसायिक सॉफ़्टवेयर के विकास के लिए उपयुक्त है, जब आप अपना सोर्स कोड किसी तीसरे पक्ष के साथ साझा नहीं करना चाहते या GNU (L)GPL की शर्तों का पालन नहीं कर सकते।&lt;/p&gt;&lt;p&gt;GNU (L)GPL के तहत Qt, Qt&amp;nbsp;ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप संबंधित लाइसेंसों के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;Qt के लाइसेंसों के बारे में जानने के लिए &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; देखें।&lt;/p&gt;&lt;p&gt;कॉपीराइट (C) %1 The Qt Company Ltd और अन्य योगदानकर्ता।&lt;/p&gt;&lt;p&gt;Qt और Qt लोगो The Qt Company Ltd के ट्रेडमार्क हैं।&lt;/p&gt;&lt;p&gt;Qt, The Qt Company Ltd का उत्पाद है जो ओपन सोर्स परियोजना के रूप में विकसित होता है। अधिक जानकारी के लिए &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; देखें।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदद</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt कई प्लैटफ़ॉर्म के लिए ऐप्लिकेशन बनाने का C++ टूलकिट है।&lt;/p&gt;&lt;p&gt;Qt से एक ही सोर्स कोड सभी प्रमुख डेस्कटॉप ऑपरेटिंग सिस्टम पर चलता है। यह एम्बेडेड Linux और दूसरे एम्बेडेड व मोबाइल ऑपरेटिंग सिस्टम के लिए भी उपलब्ध है।&lt;/p&gt;&lt;p&gt;Qt तीन अलग-अलग लाइसेंस विकल्पों में उपलब्ध है, जो हमारे अलग-अलग उपयोगकर्ताओं की ज़रूरतों के लिए बने हैं।&lt;/p&gt;&lt;p&gt;हमारे व्यावसायिक लाइसेंस समझौते के तहत Qt मालिकाना/व्यावसायिक सॉफ़्टवेयर के विकास के लिए उपयुक्त है, जब आप अपना सोर्स कोड किसी तीसरे पक्ष के साथ साझा नहीं करना चाहते या GNU LGPL संस्करण 2.1 या GNU GPL संस्करण 3.0 की शर्तों का पालन नहीं कर सकते।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 2.1 के तहत Qt, Qt ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 2.1 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;GNU General Public License संस्करण 3.0 के तहत Qt उन Qt ऐप्लिकेशन के विकास के लिए उपयुक्त है जिन्हें आप GNU GPL संस्करण 3.0 की शर्तों वाले सॉफ़्टवेयर के साथ इस्तेमाल करना चाहते हैं, या जब आप GNU GPL संस्करण 3.0 की शर्तों का पालन करने को तैयार हैं।&lt;/p&gt;&lt;p&gt;Qt के लाइसेंसों के बारे में जानने के लिए &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; देखें।&lt;/p&gt;&lt;p&gt;कॉपीराइट (C) 2015 The Qt Company Ltd और अन्य योगदानकर्ता।&lt;/p&gt;&lt;p&gt;Qt और Qt लोगो Digia Plc और/या उसकी सहायक कंपनियों के ट्रेडमार्क हैं।&lt;/p&gt;&lt;p&gt;Qt, &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt; पर ओपन सोर्स परियोजना के रूप में विकसित होता है।&lt;/p&gt;&lt;p&gt;Qt, Digia का उत्पाद है। अधिक जानकारी के लिए &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; देखें।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt कई प्लैटफ़ॉर्म के लिए ऐप्लिकेशन बनाने का C++ टूलकिट है।&lt;/p&gt;&lt;p&gt;Qt से एक ही सोर्स कोड सभी प्रमुख डेस्कटॉप ऑपरेटिंग सिस्टम पर चलता है। यह एम्बेडेड Linux और दूसरे एम्बेडेड व मोबाइल ऑपरेटिंग सिस्टम के लिए भी उपलब्ध है।&lt;/p&gt;&lt;p&gt;Qt तीन अलग-अलग लाइसेंस विकल्पों में उपलब्ध है, जो हमारे अलग-अलग उपयोगकर्ताओं की ज़रूरतों के लिए बने हैं।&lt;/p&gt;&lt;p&gt;हमारे व्यावसायिक लाइसेंस समझौते के तहत Qt मालिकाना/व्यावसायिक सॉफ़्टवेयर के विकास के लिए उपयुक्त है, जब आप अपना सोर्स कोड किसी तीसरे पक्ष के साथ साझा नहीं करना चाहते या GNU LGPL संस्करण 3 या GNU LGPL संस्करण 2.1 की शर्तों का पालन नहीं कर सकते।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 3 के तहत Qt, Qt&amp;nbsp;ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 3 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 2.1 के तहत Qt, Qt&amp;nbsp;ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 2.1 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;Qt के लाइसेंसों के बारे में जानने के लिए &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; देखें।&lt;/p&gt;&lt;p&gt;कॉपीराइट (C) %1 The Qt Company Ltd और अन्य योगदानकर्ता।&lt;/p&gt;&lt;p&gt;Qt और Qt लोगो The Qt Company Ltd के ट्रेडमार्क हैं।&lt;/p&gt;&lt;p&gt;Qt, The Qt Company Ltd का उत्पाद है जो ओपन सोर्स परियोजना के रूप में विकसित होता है। अधिक जानकारी के लिए &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; देखें।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt कई प्लैटफ़ॉर्म के लिए ऐप्लिकेशन बनाने का C++ टूलकिट है।&lt;/p&gt;&lt;p&gt;Qt से एक ही सोर्स कोड सभी प्रमुख डेस्कटॉप ऑपरेटिंग सिस्टम पर चलता है। यह एम्बेडेड Linux और दूसरे एम्बेडेड व मोबाइल ऑपरेटिंग सिस्टम के लिए भी उपलब्ध है।&lt;/p&gt;&lt;p&gt;Qt तीन अलग-अलग लाइसेंस विकल्पों में उपलब्ध है, जो हमारे अलग-अलग उपयोगकर्ताओं की ज़रूरतों के लिए बने हैं।&lt;/p&gt;&lt;p&gt;हमारे व्यावसायिक लाइसेंस समझौते के तहत Qt मालिकाना/व्यावसायिक सॉफ़्टवेयर के विकास के लिए उपयुक्त है, जब आप अपना सोर्स कोड किसी तीसरे पक्ष के साथ साझा नहीं करना चाहते या GNU LGPL संस्करण 3 या GNU LGPL संस्करण 2.1 की शर्तों का पालन नहीं कर सकते।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 3 के तहत Qt, Qt ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 3 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;GNU LGPL संस्करण 2.1 के तहत Qt, Qt ऐप्लिकेशन के विकास के लिए उपयुक्त है, बशर्ते आप GNU LGPL संस्करण 2.1 के नियमों और शर्तों का पालन कर सकें।&lt;/p&gt;&lt;p&gt;Qt के लाइसेंसों के बारे में जानने के लिए &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; देखें।&lt;/p&gt;&lt;p&gt;कॉपीराइट (C) %1 Digia Plc और/या उसकी सहायक कंपनियों और अन्य योगदानकर्ता।&lt;/p&gt;&lt;p&gt;Qt और Qt लोगो Digia Plc और/या उसकी सहायक कंपनियों के ट्रेडमार्क हैं।&lt;/p&gt;&lt;p&gt;Qt, Digia का उत्पाद है जो ओपन सोर्स परियोजना के रूप में विकसित होता है। अधिक जानकारी के लिए &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; देखें।&lt;/p&gt;</translation>
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
        <translation>इंच</translation>
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
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>नीचे का हाशिया</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>कागज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>कागज़ का स्रोत:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दाहिना हाशिया</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पेज का लेआउट</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पेजों का क्रम:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपर का हाशिया</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पेज का आकार:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उल्टा खड़ा</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पेज:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उल्टा आड़ा</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
    <message>
        <source>Centimeters (cm)</source>
        <translation>सेंटीमीटर (cm)</translation>
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
        <translation>लिफ़ाफ़ा Monarch</translation>
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
        <translation>Letter छोटा</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>लिफ़ाफ़ा You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>लिफ़ाफ़ा US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>लिफ़ाफ़ा US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>लिफ़ाफ़ा US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>लिफ़ाफ़ा US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>लिफ़ाफ़ा PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>लिफ़ाफ़ा PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>लिफ़ाफ़ा PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>लिफ़ाफ़ा PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>लिफ़ाफ़ा PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>लिफ़ाफ़ा PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>लिफ़ाफ़ा PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>लिफ़ाफ़ा PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>लिफ़ाफ़ा PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>लिफ़ाफ़ा C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>लिफ़ाफ़ा DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>लिफ़ाफ़ा B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>लिफ़ाफ़ा B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>लिफ़ाफ़ा B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>लिफ़ाफ़ा C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>लिफ़ाफ़ा C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>लिफ़ाफ़ा C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>लिफ़ाफ़ा C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>लिफ़ाफ़ा C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>लिफ़ाफ़ा C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>लिफ़ाफ़ा C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>लिफ़ाफ़ा C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 × 10 इंच)</translation>
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
        <translation>कस्टम</translation>
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
        <translation>PRC 32K बड़ा</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 छोटा</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 × 10.5 इंच)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>पोस्टकार्ड</translation>
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
        <translation>निमंत्रण लिफ़ाफ़ा</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>लिफ़ाफ़ा Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>लिफ़ाफ़ा Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>जर्मन फ़ैन-फ़ोल्ड (8.5 × 12 इंच)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>लिफ़ाफ़ा PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>लिफ़ाफ़ा Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>लिफ़ाफ़ा Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>लिफ़ाफ़ा US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 इंच</translation>
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
        <translation>अमेरिकी फ़ैन-फ़ोल्ड (14.875 × 11 इंच)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>जर्मन फ़ैन-फ़ोल्ड Legal (8.5 × 13 इंच)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>कस्टम (%1in × %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>कस्टम (%1mm × %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>कस्टम (%1CC × %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>कस्टम (%1DD × %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>कस्टम (%1pc × %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>कस्टम (%1pt × %2pt)</translation>
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
        <translation>इतालवी लिफ़ाफ़ा</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>दोहरा पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 × 13 इंच)</translation>
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
        <translation>निजी लिफ़ाफ़ा</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदद</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर कोशिश करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट बहाल करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी को नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सब सहेजें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी को हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पेज</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;प्रति शीट पेज&apos; और &apos;पेज समूह&apos; विकल्प एक साथ इस्तेमाल नहीं हो सकते।
इनमें से एक को बंद करें।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या इसे अधिलेखित करना है?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पेज</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
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
        <translation>फ़ाइल में प्रिंट करें (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में प्रिंट करें...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;से&apos; का मान &apos;तक&apos; के मान से बड़ा नहीं हो सकता।</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पेज</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों तरफ़ प्रिंट की सेटिंग आपस में टकराती हैं। क्या इन्हें ठीक करना है?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>अमान्य पेज परिभाषा</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही रूप में नहीं है। दायरों और पेजों को अलग करने के लिए &apos;,&apos; और दायरा बताने के लिए &apos;-&apos; का इस्तेमाल करें, और ध्यान रखें कि दायरे एक-दूसरे पर न चढ़ें।</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों तरफ़ प्रिंट की सेटिंग में टकराव</translation>
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
        <translation>कस्टम</translation>
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
        <translation>US Common #10 लिफ़ाफ़ा</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>कार्य के विकल्प</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पेज सेटअप में टकराव</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्प आपस में टकराते हैं। क्या इन्हें ठीक करना है?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पेज सेटअप के विकल्प आपस में टकराते हैं। क्या इन्हें ठीक करना है?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पेज</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्प आपस में टकराते हैं। कृपया इन्हें ठीक करें।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>तक</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब प्रिंट करें</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>मौजूदा पेज</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयन</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>लंबी तरफ़</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>प्रिंट दायरा</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग मोड</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उल्टा क्रम</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ग्रेस्केल</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>छोटी तरफ़</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>क्रम से लगाएँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पेज से</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पेज समूह:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>दोनों तरफ़ प्रिंट</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पेज</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी तरफ़ से जिल्द</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पेज या दायरे अल्पविराम से अलग करके लिखें। दायरा हाइफ़न से जुड़ी दो संख्याओं से बनता है। जैसे: 3,5-7,9 पेज 3, 5, 6, 7 और 9 प्रिंट करता है।</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों तरफ़ प्रिंट</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी तरफ़ से जिल्द</translation>
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
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>सबसे ऊपर</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>नीचे स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>यहाँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>सबसे नीचे</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>एक पेज ऊपर</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>एक पेज दाएँ</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>ऊपर स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>बायाँ किनारा</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>एक पेज नीचे</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>एक पेज बाएँ</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>दायाँ किनारा</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE दाएँ-से-बाएँ एम्बेडिंग की शुरुआत</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP शून्य चौड़ाई वाली जगह</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI बाएँ-से-दाएँ अलगाव</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>यूनिकोड नियंत्रण वर्ण डालें</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO बाएँ-से-दाएँ ओवरराइड की शुरुआत</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE बाएँ-से-दाएँ एम्बेडिंग की शुरुआत</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI दाएँ-से-बाएँ अलगाव</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM दाएँ-से-बाएँ चिह्न</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF दिशा फ़ॉर्मैटिंग का अंत</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ शून्य चौड़ाई वाला अ-जोड़क</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO दाएँ-से-बाएँ ओवरराइड की शुरुआत</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI दिशा अलगाव का अंत</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ शून्य चौड़ाई वाला जोड़क</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM बाएँ-से-दाएँ चिह्न</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI पहले प्रबल वर्ण से अलगाव</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>फ़ाइल फ़ोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
</context>
</TS>
