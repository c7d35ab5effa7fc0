<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Ciel : %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Pas de sol.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Sol : %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Objets : %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo de Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Choisir l’imprimante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Charger un pack</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Effets : %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Ajouter mon image</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Ajouter mon image...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>Le dessin a changé.
Veux-tu l’enregistrer ?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un dessin jamais enregistré</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor s’est arrêté avant d’enregistrer %1.
Veux-tu retrouver les changements ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Retrouver</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Oublier</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Ce dossier n’existe pas.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>En attente de relecture par des locuteurs natifs</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d’entrée/sortie %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L’image bitmap n’est pas valide</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Impossible de créer le PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante n’est choisie</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L’imprimante choisie n’est pas valide</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>ni XDG_DATA_HOME ni HOME n’est défini</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>La ligne %1 dépasse 1 Mio</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Nombre d’objets non valide : %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Pas assez de mémoire pour %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Le dessin n’a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Le pack d’images %1 ne peut pas être ajouté :
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Aucun pack choisi</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Pour charger un pack d’images Veldor :</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Télécharge un fichier zip avec un pack d’images Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Ouvre le pack, ou extrais-le dans le dossier « packs »</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Puis choisis-le dans la liste à gauche.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Packs d’images</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nom du pack :</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Créé par :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Ouvre le pack, ou extrais-le dans %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Falaise de pierre</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Petites montagnes</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Collines boisées</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Île déserte</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nuages gris</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nuages sombres</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Coucher de soleil orange</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Jour nuageux</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Rocher en anneau</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Montgolfière</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Montgolfière</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Balle de golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Fleur jaune</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>L’équipe Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Hiver et désert</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>De la neige, du sable et des étoiles à essayer avec tes propres images.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Nuit étoilée</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Midi au désert</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurore boréale</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Aube rose</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nuages de neige</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Collines enneigées</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dunes de sable</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lac gelé</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Canyon rouge</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Village d’hiver</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Maisonnette</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Bonhomme de neige</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Des bois dorés, des champs de récolte et une grosse lune orange.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Après-midi doré</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Matin brumeux</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Tempête d’automne</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lune des moissons</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Averse et arc-en-ciel</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Collines d’érables</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Champ de citrouilles</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lac des bouleaux</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Ferme à la grange rouge</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Vignes</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Citrouille</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Feuille d’érable</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Gland</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Épouvantail</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Bord de mer</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Des plages, des falaises et des ports sous le ciel d’été.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Midi d’été</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Coucher de soleil tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Brume de mer</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mer agitée</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Soirée pastel</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Plage de sable</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Falaise du phare</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Crique aux palmiers</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Ville portuaire</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Côte rocheuse</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Phare</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Ballon de plage</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Mouette</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Étoile de mer</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Parasol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Clair de lune</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Des ciels de nuit pleins d’étoiles sur des terres endormies.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Voie lactée</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Pluie d’étoiles filantes</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nuages d’argent</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Collines sous la lune</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Ville la nuit</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Feu de camp</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Village endormi</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Forêt de pins</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Chouette</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lanterne</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Bougie</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Croissant de lune</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Plus de copies</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Moins de copies</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 les développeurs de Veldor.
Libre d’utiliser et de partager.</translation>
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
        <translation>Exporter en BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>Quelle taille veux-tu pour l’image BMP ?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (étiré)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Fichiers bitmap (*.bmp);;Image PNG (*.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exporter en BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exporter en BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Paysage : choisir un pack</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Effets spéciaux</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exporter en BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Redessiner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Commencer un nouveau dessin</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Ouvrir un dessin enregistré</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Enregistrer le dessin</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Enregistrer le dessin sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Choisir l’imp&amp;rimante</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exporter en &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Quitter Veldor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annuler le dernier changement</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Refaire le changement annulé</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copier le dessin dans le presse-papiers</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Tout supprimer</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>Tout &amp;remettre</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>Tout mettre &amp;devant</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>Tout mettre derrière le &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Ciel</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objets</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Effets spéciaux</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Afficher l’aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Dire ce qu’est Veldor</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Choisir l’imp&amp;rimante...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Mettre devant</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Changer la taille</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Le supprimer</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Derrière le sol</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Devant le paysage</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Supprimer l’objet</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Tout remettre</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Tout mettre devant</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Tout mettre derrière le sol</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refaire : %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Fichiers Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Fichier Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Ajout du pack d’images...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab : choisir un objet. Flèches et Entrée : placer, déplacer, changer la taille. Échap : abandonner.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Choisis un objet, puis trace son rectangle sur l’image, ou utilise les flèches et Entrée</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>à %1, %2, %3 sur %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Entrée pour le changer.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>Given up: %1</source>
        <translation>Abandonné : %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>place d’abord l’objet (fais glisser, ou flèches et Entrée), ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>réponds d’abord à la fenêtre « Nouvel objet », ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>réponds d’abord à la fenêtre « Changer l’objet », ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>pose d’abord l’objet (clic, ou Entrée), ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>réponds d’abord à la fenêtre « Déplacer l’objet », ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>dessine d’abord la nouvelle taille (fais glisser, ou flèches et Entrée), ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>réponds d’abord à la fenêtre « Taille de l’objet », ou appuie sur Échap.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 doit attendre : %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1 : fais-le glisser sur l’image, ou appuie là sur une flèche.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Plus d’objets</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Tape un nom, comme chat ou bus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Trouve un objet par son nom</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Autres objets</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Aucun paquet d’images avec des objets n’est dans le dossier packs.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Aucun objet ne s’appelle « %1 ».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 objet</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 objets</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Objets : choisir un pack</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Choisis un objet</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Plus d’objets...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Pour une autre imprimante, clique sur « Imprimante »</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Nombre de copies à imprimer :</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Imprimante...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre de copies</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Ciel : choisir un pack</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Patiente, je dessine...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Effets spéciaux</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Les effets prennent un peu de temps.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Les effets disparaissent quand le dessin est redessiné.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Mets les effets quand ton paysage est fini. Comme ça, tu peux</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>enregistrer ou imprimer ton dessin avec les effets.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Effets à mettre :</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Lisser</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Teinter</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Teinte...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Plus sombre</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Plus clair</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Effets en cours...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Aide de Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
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
        <translation>Petit guide pour commencer
-=-=-=-=-=-=-=-=-=-=-=-=-=-

Ce petit guide t’aide à faire ton premier dessin avec Veldor.

Étape 1 : choisir le ciel

Clique sur l’image du ciel, le deuxième bouton en partant de la gauche dans la barre. La fenêtre des ciels s’ouvre. Clique sur un ciel ; « Nuages sombres » est bien pour commencer. Le dessin se refait avec le nouveau ciel. Quand c’est fini, ferme la fenêtre des ciels.

Étape 2 : choisir le paysage

Clique sur l’image du paysage, le premier bouton de la barre, et choisis un paysage. Essaie « Île déserte ». Le paysage est dessiné sur le ciel, et la lumière du ciel lui donne sa couleur.

Étape 3 : ajouter et changer des objets

Clique sur l’image des objets, le troisième bouton en partant de la gauche, et choisis la « Montgolfière ». La fenêtre se ferme.

Appuie sur le bouton de la souris là où tu veux la montgolfière, garde-le appuyé et tire vers le bas et vers la droite. Le rectangle que tu tires donne la taille de la montgolfière.

Quand tu lâches, la montgolfière est dessinée et une petite fenêtre te demande si tu veux la garder :
   « Changer la taille » refait le dessin pour que tu tires encore le rectangle, comme avant.
   « Ne pas le garder » enlève le nouvel objet.
   « Le garder » le laisse dans ton dessin.

Plus tard, clique sur un objet pour le déplacer, changer sa taille, le supprimer ou le mettre derrière le sol.

Avec le clavier :
   Appuie sur Tab jusqu’à ce que l’image montre un cadre en pointillés. Quand tu as choisi un objet, appuie sur une flèche : un rectangle montre où il va. Les flèches le déplacent (avec Maj, dix pas à la fois), Ctrl et les flèches le rendent plus grand ou plus petit, Entrée pose l’objet là, et Échap l’abandonne.
   Quand rien n’est choisi, Tab et Maj+Tab vont d’un objet de l’image au suivant ; Entrée ouvre sa fenêtre, comme un clic dessus.
   Après « Déplacer » ou « Changer la taille », les flèches déplacent le contour ou changent sa taille, et Entrée termine. Échap arrête tout changement, comme Annuler.

Étape 4 : finir ton dessin

   Lisser :
   Lisser adoucit les bords des objets et des paysages. Clique sur l’image des effets, le quatrième bouton en partant de la gauche. Laisse seulement la case « Lisser » cochée et clique sur « Appliquer ».

   Enregistrer en BMP :
   Clique sur l’image de l’export, le deuxième bouton en partant de la droite. Une fenêtre s’ouvre pour choisir la taille de l’image ; puis la fenêtre d’enregistrement demande un nom de fichier.

Les boutons
-=-=-=-=-=-

(De gauche à droite.)

Paysage : choisir un paysage.
Ciel : choisir un ciel.
Objet : ajouter un objet.
Effets : mettre des effets sur ton dessin.
------------------------------
Nouveau : commencer un nouveau dessin.
Imprimer : imprimer ton dessin (avec plus de choix).
Enregistrer : enregistrer ton dessin dans un fichier .VDR.
Ouvrir : ouvrir un fichier .VDR.
Enregistrer en BMP : enregistrer le dessin dans un fichier .BMP.
------------------------------
Redessiner : refait ton dessin.

Clique avec le bouton droit sur le dessin : un menu montre toutes les commandes.
Le menu Outils supprime, remet ou déplace tous les objets en une fois.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Choisis un paysage</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Pas de paysage</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Déplacer l’objet</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Tu as déplacé un objet. Que veux-tu faire ?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>C’est bon</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Nouveau dessin</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Commencer un nouveau dessin ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Ce n’est pas un fichier Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Changer l’objet</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Tu as choisi l’objet :</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>Que veux-tu en faire ?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Le supprimer</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Changer la taille</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Mettre devant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Derrière le sol</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Nouvel objet</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Tu as un nouvel objet. Que veux-tu en faire ?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Changer la taille</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Ne pas le garder</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Changer l’objet</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Tu as choisi un objet derrière le paysage.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>Que faire avec l’objet :</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Le mettre devant le paysage</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Supprimer l’objet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Taille de l’objet</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Tu as changé la taille d’un objet. Que veux-tu faire ?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>C’est bon</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Choisis un ciel</translation>
    </message>
</context>
</TS>
