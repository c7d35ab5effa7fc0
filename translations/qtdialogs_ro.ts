<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Written with machine assistance; awaits review by native speakers. Qt's own texts for its dialogs, which Debian's qtbase translations lack in this language. -->
<TS version="2.1" language="ro_RO">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Scade</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Crește</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectează tot</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Roșu:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Saturație:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>Lumin&amp;ozitate:</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Nuanță:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Alege culoarea</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Adaugă la culorile personalizate</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Albastr&amp;u:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Preia culoarea de pe ecran</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Cursor la %1, %2
Apăsați Esc pentru a renunța</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Verde:</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Culori de &amp;bază</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>&amp;Culori personalizate</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Canal a&amp;lfa:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>Preia culoarea de pe ecran</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>Cursor la %1, %2, culoare: %3
Apăsați Esc pentru a renunța</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Adevărat</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Fals</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Deschide lista de opțiuni a casetei combinate</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lucrare</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Sfârșit:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Pagini de copertă</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noapte (18:00 – 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>La o oră anume</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informații de facturare:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Tipărire programată:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strict secret</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Început:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Zi (06:00 – 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Tura a doua (16:00 – 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Controlul lucrării</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Sfârșit de săptămână (sâmbătă – duminică)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Clasificat</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tura a treia (00:00 – 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Reține pe termen nelimitat</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Tipărește imediat</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidențial</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritatea lucrării:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Neclasificat</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonează</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilește valorile implicite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoră</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Închide fără a salva</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvează tot</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Aruncă</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nu salva</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Arată </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Doriți totuși să îl ștergeți?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista locurilor și a semnelor de carte</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fișier:</translation>
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
        <translation>Dosar de fișiere</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul părinte</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Caută în:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creează un dosar nou</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fișier %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Găsește dosarul</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arată fișierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvează ca</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu a fost găsit.
Verificați dacă numele dosarului este corect.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bară laterală</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vizualizare listă</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alege</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ș&amp;terge</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumește</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 există deja.
Doriți să îl înlocuiți?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mergi înainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul părinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mergi înapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Treci la vizualizarea detaliată</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creează dosar nou</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtătură</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vizualizare detaliată</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verificați dacă numele fișierului este corect.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Treci la vizualizarea listă</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>Mac OS X Finder</comment>
        <translation>Alias</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
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
        <translation>&lt;b&gt;Numele „%1” nu poate fi folosit.&lt;/b&gt;&lt;p&gt;Încercați alt nume, cu mai puține caractere sau fără semne de punctuație.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octeți</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nume de fișier nevalid</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 octet(i)</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Numele „%1” nu poate fi folosit.&lt;/b&gt;&lt;p&gt;Încercați alt nume, cu mai puține caractere sau fără semne de punctuație.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează tot</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Arată detaliile...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Cu Qt, același cod sursă rulează pe toate sistemele de operare desktop importante. Qt este disponibil și pentru Linux încorporat și alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub trei opțiuni de licențiere diferite, gândite pentru nevoile diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat sub acordul nostru de licență comercială este potrivit pentru dezvoltarea de programe proprietare/comerciale atunci când nu doriți să împărtășiți codul sursă cu terți sau nu puteți respecta termenii GNU LGPL versiunea 3.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 3 este potrivit pentru dezvoltarea de aplicații&amp;nbsp;Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 3.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; pentru o prezentare a licențierii Qt.&lt;/p&gt;&lt;p&gt;Drepturi de autor (C) %1 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs The Qt Company Ltd dezvoltat ca proiect cu sursă deschisă. Consultați &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Despre Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program folosește Qt versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Cu Qt, același cod sursă rulează pe toate sistemele de operare desktop importante. Qt este disponibil și pentru Linux încorporat și alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub mai multe opțiuni de licențiere, gândite pentru nevoile diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat sub acordul nostru de licență comercială este potrivit pentru dezvoltarea de programe proprietare/comerciale atunci când nu doriți să împărtășiți codul sursă cu terți sau nu puteți respecta termenii GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU (L)GPL este potrivit pentru dezvoltarea de aplicații&amp;nbsp;Qt, cu condiția să respectați termenii și condițiile licențelor respective.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; pentru o prezentare a licențierii Qt.&lt;/p&gt;&lt;p&gt;Drepturi de autor (C) %1 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs The Qt Company Ltd dezvoltat ca proiect cu sursă deschisă. Consultați &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 2.1 or GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU General Public License version 3.0 is appropriate for the development of Qt applications where you wish to use such applications in combination with software subject to the terms of the GNU GPL version 3.0 or where you are otherwise willing to comply with the terms of the GNU GPL version 3.0.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) 2015 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is developed as an open source project on &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt is a Digia product. See &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Cu Qt, același cod sursă rulează pe toate sistemele de operare desktop importante. Qt este disponibil și pentru Linux încorporat și alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub trei opțiuni de licențiere diferite, gândite pentru nevoile diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat sub acordul nostru de licență comercială este potrivit pentru dezvoltarea de programe proprietare/comerciale atunci când nu doriți să împărtășiți codul sursă cu terți sau nu puteți respecta termenii GNU LGPL versiunea 2.1 sau GNU GPL versiunea 3.0.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 2.1 este potrivit pentru dezvoltarea de aplicații Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU General Public License versiunea 3.0 este potrivit pentru dezvoltarea de aplicații Qt pe care doriți să le folosiți împreună cu programe supuse termenilor GNU GPL versiunea 3.0 sau atunci când sunteți dispus să respectați termenii GNU GPL versiunea 3.0.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://qt.io/licensing/&quot;&gt;qt.io/licensing&lt;/a&gt; pentru o prezentare a licențierii Qt.&lt;/p&gt;&lt;p&gt;Drepturi de autor (C) 2015 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale Digia Plc și/sau filialele sale.&lt;/p&gt;&lt;p&gt;Qt este dezvoltat ca proiect cu sursă deschisă pe &lt;a href=&quot;http://qt-project.org/&quot;&gt;qt-project.org&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Qt este un produs Digia. Consultați &lt;a href=&quot;http://qt.io/&quot;&gt;qt.io&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Cu Qt, același cod sursă rulează pe toate sistemele de operare desktop importante. Qt este disponibil și pentru Linux încorporat și alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub trei opțiuni de licențiere diferite, gândite pentru nevoile diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat sub acordul nostru de licență comercială este potrivit pentru dezvoltarea de programe proprietare/comerciale atunci când nu doriți să împărtășiți codul sursă cu terți sau nu puteți respecta termenii GNU LGPL versiunea 3 sau GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 3 este potrivit pentru dezvoltarea de aplicații&amp;nbsp;Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 3.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 2.1 este potrivit pentru dezvoltarea de aplicații&amp;nbsp;Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; pentru o prezentare a licențierii Qt.&lt;/p&gt;&lt;p&gt;Drepturi de autor (C) %1 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs The Qt Company Ltd dezvoltat ca proiect cu sursă deschisă. Consultați &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 Digia Plc and/or its subsidiary(-ies) and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of Digia Plc and/or its subsidiary(-ies).&lt;/p&gt;&lt;p&gt;Qt is a Digia product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Cu Qt, același cod sursă rulează pe toate sistemele de operare desktop importante. Qt este disponibil și pentru Linux încorporat și alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub trei opțiuni de licențiere diferite, gândite pentru nevoile diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat sub acordul nostru de licență comercială este potrivit pentru dezvoltarea de programe proprietare/comerciale atunci când nu doriți să împărtășiți codul sursă cu terți sau nu puteți respecta termenii GNU LGPL versiunea 3 sau GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 3 este potrivit pentru dezvoltarea de aplicații Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 3.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU LGPL versiunea 2.1 este potrivit pentru dezvoltarea de aplicații Qt, cu condiția să respectați termenii și condițiile GNU LGPL versiunea 2.1.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; pentru o prezentare a licențierii Qt.&lt;/p&gt;&lt;p&gt;Drepturi de autor (C) %1 Digia Plc și/sau filialele sale și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale Digia Plc și/sau filialele sale.&lt;/p&gt;&lt;p&gt;Qt este un produs Digia dezvoltat ca proiect cu sursă deschisă. Consultați &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
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
        <translation>in</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Hârtie</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursa hârtiei:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Aranjarea paginii</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lățime:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stânga</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Dimensiunea paginii:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Portret inversat</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inchi (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Peisaj inversat</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Înălțime:</translation>
    </message>
    <message>
        <source>Centimeters (cm)</source>
        <translation>Centimetri (cm)</translation>
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
        <translation>Plic Monarch</translation>
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
        <translation>Letter mic</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Plic You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Plic US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Plic US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Plic US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Plic US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Plic PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Plic PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Plic PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Plic PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Plic PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Plic PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Plic PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Plic PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Plic PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Plic C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Plic DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Plic B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Plic B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Plic B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Plic C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Plic C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Plic C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Plic C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Plic C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Plic C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Plic C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Plic C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 in)</translation>
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
        <translation>Personalizat</translation>
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
        <translation>PRC 32K mare</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 mic</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 in)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Carte poștală</translation>
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
        <translation>Plic invitație</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Plic Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Plic Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Hârtie continuă germană (8,5 × 12 in)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Plic PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Plic Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Plic Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Plic US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 in</translation>
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
        <translation>Hârtie continuă SUA (14,875 × 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Hârtie continuă germană Legal (8,5 × 13 in)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Personalizat (%1in × %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Personalizat (%1mm × %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Personalizat (%1CC × %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Personalizat (%1DD × %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Personalizat (%1pc × %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Personalizat (%1pt × %2pt)</translation>
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
        <translation>Plic italian</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Carte poștală dublă</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 × 13 in)</translation>
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
        <translation>Plic personal</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonează</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilește valorile implicite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoră</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvează tot</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Aruncă</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Pagini pare</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opțiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opțiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>De la stânga la dreapta, de sus în jos</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De la dreapta la stânga, de jos în sus</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scrie fișier PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tipărește</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opțiunile „Pagini pe foaie” și „Set de pagini” nu pot fi folosite împreună.
Dezactivați una dintre ele.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 există deja.
Doriți să îl suprascrieți?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De la stânga la dreapta, de jos în sus</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Pagini impare</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fișier local</translation>
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
        <translation>Tipărește în fișier (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Tipărește în fișier...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De la dreapta la stânga, de sus în jos</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De jos în sus, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Valoarea „De la” nu poate fi mai mare decât valoarea „Până la”.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un dosar.
Alegeți alt nume de fișier.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Fișierul %1 nu poate fi scris.
Alegeți alt nume de fișier.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De jos în sus, de la dreapta la stânga</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De sus în jos, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De sus în jos, de la dreapta la stânga</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Există conflicte în setările duplex. Doriți să le corectați?</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definiție de pagini nevalidă</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nu respectă sintaxa corectă. Folosiți „,” pentru a separa intervalele și paginile, „-” pentru a defini intervale și asigurați-vă că intervalele nu se suprapun.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflicte în setările duplex</translation>
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
        <translation>Personalizat</translation>
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
        <translation>Plic US Common nr. 10</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Opțiunile lucrării</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietățile imprimantei</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflicte în opțiunile avansate</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflicte în configurarea paginii</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Există conflicte în unele opțiuni avansate. Doriți să le corectați?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Există conflicte în opțiunile de configurare a paginii. Doriți să le corectați?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagină</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Există conflicte în unele opțiuni. Corectați-le.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>până la</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Tipărește tot</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curentă</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selecția</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Latura lungă</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copii</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Interval de tipărire</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mod de culoare</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Setări de ieșire</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Ordine inversă</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Latura scurtă</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Asamblează</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copii:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set de pagini:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Tipărire duplex</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagini</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Legare pe latura scurtă</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indicați pagini sau intervale separate prin virgulă. Un interval se scrie cu două numere separate prin cratimă. De exemplu: 3,5-7,9 tipărește paginile 3, 5, 6, 7 și 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tipărire pe ambele fețe</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Legare pe latura lungă</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fișier de ieșire:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietăți</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimantă</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locație:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Sus</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Derulează în jos</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Derulează aici</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Derulează la stânga</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>O pagină în sus</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>O pagină la dreapta</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Derulează în sus</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Derulează la dreapta</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Marginea din stânga</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>O pagină în jos</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>O pagină la stânga</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Marginea din dreapta</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Început de încorporare dreapta-la-stânga</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spațiu de lățime zero</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolare stânga-la-dreapta</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Inserează caracter de control Unicode</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Început de suprascriere stânga-la-dreapta</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Început de încorporare stânga-la-dreapta</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolare dreapta-la-stânga</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marcaj dreapta-la-stânga</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Sfârșit de formatare direcțională</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Disjunctor de lățime zero</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Început de suprascriere dreapta-la-stânga</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Sfârșit de izolare direcțională</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Joncțiune de lățime zero</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marcaj stânga-la-dreapta</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolare după primul caracter puternic</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează tot</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiază adresa &amp;legăturii</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Închide fără a salva</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosar de fișiere</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtătură</translation>
    </message>
</context>
</TS>
