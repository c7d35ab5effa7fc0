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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji par Google (SIL Open Font License), dessiné à plat pour Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Les développeurs de Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animaux de la ferme</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vache</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Mouton</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Chèvre</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Coq</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Poussin</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Canard</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bœuf</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Buffle</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Dinde</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Âne</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Lapin</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Tête de vache</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Tête de cochon</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Tête de cheval</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Oie</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animaux de la forêt</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Renard</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ours</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cerf</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Tamia</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Hérisson</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Blaireau</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Loup</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Raton laveur</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Sanglier</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Moufette</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Élan</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Chauve-souris</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Escargot</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Chenille</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abeille</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Aigle</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Oiseau</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Fourmi</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araignée</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grillon</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animaux de la mer</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Baleine qui souffle</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Baleine</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dauphin</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Poisson tropical</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Poisson-globe</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Requin</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pieuvre</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Calmar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Homard</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Crevette</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Coquillage</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Phoque</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Méduse</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingouin</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Loutre</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Huître</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Animaux de la jungle</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorille</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orang-outan</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Tête de tigre</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Léopard</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zèbre</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafe</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hippopotame</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Rhinocéros</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Crocodile</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Perroquet</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamant rose</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Paresseux</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromadaire</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Chameau</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kangourou</translation>
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
        <translation>Lézard</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Paon</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Tête de singe</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux de compagnie</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Caniche</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Chiot</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Chaton</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Tête de souris</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Petit lapin</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Chien guide</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Traces de pattes</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Poussin</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Poussin qui éclot</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Nid avec des œufs</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bébé</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Garçon</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Fille</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Personne âgée</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Papi</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Mamie</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Personne blonde</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Homme barbu</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>Main dans la main</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Deux amis</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Marcher</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Courir</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Danseuse</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Homme qui danse</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Personne debout</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Main qui salue</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Main levée</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Visage joyeux</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Visage cool</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Visage câlin</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Métiers et outils</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policier</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Ouvrier</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Garde</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Détective</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Mariée</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Personne en costume</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Stéthoscope</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Clé à molette</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Marteau</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Scie</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Palette de peinture</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Boîte aux lettres</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Extincteur</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Balai</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Casque de secours</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Chapeau de diplômé</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Crayon de cire</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Éprouvette</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Mallette</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Boîte à outils</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Seau</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Aimant</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Ampoule</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Véhicules</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jeep</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolleybus</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Voiture de course</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Voiture de police</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Camion de pompiers</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Minibus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Camionnette</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Gros camion</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tracteur</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Mobylette</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Trottinette</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Train à vapeur</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Métro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tramway</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorail</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Petit avion</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Hors-bord</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Bateau à moteur</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferry</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoë</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Téléphérique</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Train de montagne</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Pousse-pousse</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Bâtiments</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Maison avec jardin</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Maisons</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Bureaux</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hôpital</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hôtel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>School</source>
        <translation>École</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Grand magasin</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Usine</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Château japonais</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Château</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Chapelle de mariage</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Statue</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Église</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mosquée</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Temple</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Synagogue</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Sanctuaire</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Musée</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grue</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Cabane</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tente</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Vieille maison</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Chapiteau</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Stade</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Tête de pierre</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Plantes et arbres</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmier</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Pousse</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Plante aromatique</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Trèfle à 4 feuilles</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Feuilles mortes</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Feuilles au vent</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Gerbe de riz</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipe</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Fleur fanée</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Fleur de cerisier</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Fleur</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Tournesol</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Plante en pot</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Bûche</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Jacinthe</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Châtaigne</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Arbre à vœux</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Décoration de pin</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Nid vide</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rocher</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Fruits et légumes</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Pomme verte</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Poire</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Pastèque</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fraise</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Myrtilles</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melon</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mangue</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Noix de coco</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Avocat</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brocoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Carotte</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Maïs</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Piment</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Concombre</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salade</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Ail</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Oignon</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Pomme de terre</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Poivron</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Nourriture</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pain</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baguette</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Bretzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Fromage</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Œuf</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Œuf au plat</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Crêpes</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gaufre</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Frites</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Hot-dog</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghettis</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Beignet</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Gâteau d’anniversaire</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Gâteau</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Sucette</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Pot de miel</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Verre de lait</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Brique de jus</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Boisson chaude</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarte</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Jouets et sports</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Ballon de foot</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basket</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Volley</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Football américain</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Ballon de rugby</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Balle de tennis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Batte de cricket</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Crosse de hockey</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Ping-pong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Gant de boxe</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Drapeau de golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Patin à glace</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Canne à pêche</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Patin à roulettes</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Luge</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Pierre de curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Skis</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Ours en peluche</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Poupées russes</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Pièce de puzzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Médaille d’or</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Boomerang</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Toboggan</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambour</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxophone</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Long tambour</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flûte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Casque</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Note de musique</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Soucoupe volante</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Terre côté Asie</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planète à anneaux</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Visage de lune</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lune souriante</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Soleil souriant</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Étoile brillante</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Étoile qui tourne</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Comète</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Étoile filante</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Extraterrestre</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Monstre pixel</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Terre côté Amérique</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lune décroissante</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Demi-lune</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Lune presque pleine</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Soleil et nuage</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Nuage d’orage</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Éclaircies</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageux</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Soleil et pluie</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nuage de pluie</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Nuage de neige</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Nuage et éclair</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornade</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Brouillard</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Parapluie</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Parapluie mouillé</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Éclair</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Bonhomme enneigé</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Glaçon</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantastique</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Magicien</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fée</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampire</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elfe</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Licorne</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Tête de dragon</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Diplodocus</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantôme</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Ogre</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Boule de cristal</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Baguette magique</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prince</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Princesse</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Super-héros</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Méchant</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Pierre précieuse</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Vieille clé</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombie</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Bouclier</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Poignard</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arc et flèche</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Fêtes et saisons</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Citrouille d’Halloween</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Sapin de Noël</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Père Noël</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mère Noël</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Canon à confettis</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Boule de confettis</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Pétard</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Carillon à vent</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Carpe volante</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Poupées de fête</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Lanterne rouge</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lampe à huile</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Ménorah</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Enveloppe rouge</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Boule à facettes</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Écharpe</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Gants</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Manteau</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Botte</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Chapeau de soleil</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Lunettes de soleil</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Maillot de bain</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Bikini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Drapeau blanc</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Drapeau à damier</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Ville et campagne</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Feu tricolore</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Feu horizontal</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Panneau stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Travaux</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Pompe à essence</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Arrêt de bus</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Poubelle</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Chaise</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Panier</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porte</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Lit</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Canapé</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Boîte à lettres</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Briques</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Hache</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Cartable</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Valise</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Lampe de poche</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancre</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Bouée</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fontaine</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Grande roue</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Montagnes russes</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Cheval de manège</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Vieille poste</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Train de montagne</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Jours de printemps et d’été</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Matin de printemps</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Brise fleurie</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Soirée douce</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Prairie au printemps</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Champs d’été</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Verger en fleurs</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Vallée verte</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Coquelicots</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Jours d’automne et d’hiver</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Après-midi d’automne</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Soleil d’hiver</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Chute de neige</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Soir de gel</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Bois d’automne</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Collines des moissons</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Arbres nus</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Champs enneigés</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Mare gelée</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Pluie, orages, vent et brouillard</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Nuages de pluie</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Orage</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Jour de vent</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Jour de brouillard</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Prairie mouillée</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Collines vertes</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Lande venteuse</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Collines brumeuses</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>La lune, les étoiles et le noir</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Collines sombres</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Ville la nuit</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Lac sous la lune</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Village tranquille</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Soirs tardifs et nuits profondes</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Soir violet</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de lune</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Bleu de minuit</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Étoiles filantes</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Nuit des lanternes</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Colline du château</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Ferme endormie</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Port la nuit</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Neige silencieuse</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Lumières de la ville</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Soleil, sable et mer</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Jour de plage</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Soleil tropical</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Brise de mer</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Soleil couchant</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Côte nuageuse</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mer calme</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Rivage rocheux</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Île aux palmiers</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Falaises, vagues et phares</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Matin lumineux</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Mouettes et nuages</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Heure dorée</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Jour de mer grise</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Aurore rose</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Falaises blanches</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Grosses vagues</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Pointe du phare</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Plage aux coquillages</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagon</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Désert</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dunes, canyons et cactus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Soleil du désert</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Midi brûlant</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Ciel de poussière</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Soir au désert</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Nuit au désert</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Plaine aux cactus</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasis</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Tours de pierre</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Glace, neige et hautes montagnes</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Bleu glacé</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Nuit polaire</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Aube en montagne</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Tempête de neige</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Sommets enneigés</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Banquise</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Piste de ski</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Camp d’igloos</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Rues, parcs et toits</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Matin en ville</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Après-midi animé</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Ville sous la pluie</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Soir en ville</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Ciel enfumé</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Toits</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parc</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Grand-rue</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Gratte-ciel</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Vieille ville</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Fermes, champs et villages</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Matin à la ferme</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Jour des foins</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Nuages des champs</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Soir au verger</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Champs en damier</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Place du village</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Verger</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Ferme dans le vent</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planètes, lunes et étoiles</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Espace lointain</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Lever de Terre</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Deux lunes</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nébuleuse</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Cratères de lune</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planète rouge</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Monde de glace</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Jungle extraterrestre</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Base spatiale</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
