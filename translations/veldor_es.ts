<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Cielo: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Sin suelo.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Suelo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Objetos: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo de Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Elegir impresora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Cargar un paquete de imágenes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efectos: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Añadir mi imagen</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Añadir mi imagen...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>El dibujo ha cambiado.
¿Quieres guardarlo?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>un dibujo que nunca se guardó</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor se cerró antes de guardar los cambios de %1.
¿Quieres recuperarlos?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Tirar</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Esta carpeta no existe.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Pendiente de revisión por hablantes nativos</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>No puedes abrir este archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error al leer o escribir %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>No se puede crear el PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora elegida</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora elegida no sirve</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no están puestas ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>La línea %1 mide más de 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Número de objetos incorrecto: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>No hay memoria suficiente para %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>No se pudo imprimir el dibujo: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>No se puede instalar el paquete de imágenes %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Ningún paquete elegido</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Para cargar un paquete de imágenes de Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Descarga un archivo zip con un paquete de imágenes de Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Abre el paquete, o ponlo en la carpeta de paquetes</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Luego elígelo en la lista de paquetes de la izquierda.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Paquetes de imágenes</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nombre del paquete:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Hecho por:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Abre el paquete, o ponlo en %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Acantilado de piedra</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Montañas pequeñas</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Colinas con bosques</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Isla desierta</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nubes grises</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nubes oscuras</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Atardecer naranja</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Día nublado</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Roca con agujero</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Globo aerostático</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Globo aerostático</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Pelota de golf</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Flor amarilla</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>El equipo de Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Invierno y desierto</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Paisajes de nieve, de arena y de estrellas para probar con tus dibujos.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Noche estrellada</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Mediodía en el desierto</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreal</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Amanecer rosa</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nubes de nieve</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Colinas nevadas</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dunas de arena</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lago helado</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Cañón rojo</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Pueblo en invierno</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Pino</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Casita</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Barco de vela</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Muñeco de nieve</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Otoño</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Bosques dorados, campos de cosecha y una gran luna naranja.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Tarde dorada</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Mañana de niebla</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Tormenta de otoño</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna de la cosecha</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Lluvia con arcoíris</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Colinas de arces</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Campo de calabazas</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lago de los abedules</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Granja del granero rojo</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Filas de viñas</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Calabaza</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Hoja de arce</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Bellota</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Espantapájaros</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Junto al mar</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Playas, acantilados y puertos bajo cielos de verano.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Mediodía de verano</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Atardecer tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Bruma en el mar</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mar con tormenta</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Tarde de colores suaves</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Playa de arena</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Acantilado con faro</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Cala de palmeras</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Pueblo con puerto</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Costa de rocas</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Faro</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Pelota de playa</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Gaviota</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Estrella de mar</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Sombrilla</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Luz de luna</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Cielos de noche llenos de estrellas sobre tierras dormidas.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Vía Láctea</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Anochecer</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Lluvia de estrellas</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nubes de plata</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Colinas a la luz de la luna</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Ciudad de noche</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Claro con hoguera</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Pueblo dormido</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Bosque de pinos</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Farol</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Cohete</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji de Google (SIL Open Font License), hecho plano para Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Los desarrolladores de Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animales de granja</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Oveja</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Gallina</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Pollito</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Buey</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Búfalo de agua</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Pavo</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Carnero</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Burro</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Cara de vaca</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Cara de cerdo</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Cara de caballo</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Ganso</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animales del bosque</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Zorro</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Oso</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Ciervo</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Ardilla listada</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Erizo</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Tejón</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Mapache</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Jabalí</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Mofeta</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Alce</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Murciélago</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Oruga</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abeja</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Mariquita</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Pájaro</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Hormiga</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Araña</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grillo</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animales del mar</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Ballena con chorro</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Ballena</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Pez tropical</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Pez globo</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Tiburón</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Pulpo</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Calamar</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Langosta</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Gamba</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Concha</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Foca</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Medusa</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Nutria</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>Ostra</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>Animales de la selva</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorila</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangután</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>León</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>Cara de tigre</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>Leopardo</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>Hipopótamo</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>Rinoceronte</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Cocodrilo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Loro</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamenco</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Perezoso</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedario</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Camello</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguro</translation>
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
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavo real</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Cara de mono</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Caniche</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Gatito</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hámster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Cara de ratón</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Conejito</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Perro guía</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Huellas</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Hueso</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pollito</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pollito naciendo</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Nido con huevos</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebé</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Chico</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Chica</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Persona mayor</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Abuelo</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Abuela</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Persona rubia</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Hombre con barba</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>De la mano</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dos amigos</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Caminar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Correr</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Bailarina</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Hombre bailando</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Persona de pie</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mano que saluda</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Mano arriba</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Cara feliz</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Cara genial</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Cara con abrazo</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Oficios y herramientas</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policía</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Obrero</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Guardia</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detective</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Novia</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Persona de traje</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Estetoscopio</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Llave inglesa</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martillo</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Sierra</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>Paleta de pintura</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>Buzón</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>Extintor</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>Escoba</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Casco de rescate</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Birrete</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Cera de colores</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Tubo de ensayo</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Maletín</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Caja de herramientas</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Imán</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Vehículos</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Todoterreno</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Autobús</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Trolebús</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Coche de carreras</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Coche de policía</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulancia</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Camión de bomberos</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Microbús</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Camioneta</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Furgoneta</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Camión grande</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Ciclomotor</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>Patinete</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>Tren de vapor</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Tren</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Tranvía</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monorraíl</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Avioneta</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Lancha rápida</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Barca a motor</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Ferri</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>Teleférico</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>Tren de montaña</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Mototaxi</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edificios</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Casa con jardín</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Oficinas</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Correos</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escuela</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Grandes almacenes</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fábrica</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Castillo japonés</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castillo</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Capilla de bodas</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Estatua</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mezquita</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>Templo</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>Sinagoga</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>Santuario</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museo</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Grúa</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Cabaña</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tienda de campaña</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Casa antigua</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Carpa de circo</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estadio</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Cabeza de piedra</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Plantas y árboles</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmera</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Brote</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Hierba aromática</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Trébol de 4 hojas</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Hojas caídas</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Hojas al viento</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Espiga de arroz</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Flor marchita</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibisco</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Flor de cerezo</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Girasol</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Ramo de flores</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Planta en maceta</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Seta roja</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Jacinto</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castaña</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Árbol de deseos</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Adorno de pino</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Nido vacío</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Roca</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frutas y verduras</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Manzana verde</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Plátano</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Sandía</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Fresa</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Arándanos</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melón</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerezas</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Mango</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Piña</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>Coco</translation>
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
        <translation>Berenjena</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Aguacate</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brócoli</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Zanahoria</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Maíz</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Pimiento picante</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Pepino</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Lechuga</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Ajo</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cebolla</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Patata</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Pimiento</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Cruasán</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Barra de pan</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Queso</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Huevo</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Huevo frito</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Tortitas</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Gofre</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hamburguesa</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patatas fritas</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Perrito caliente</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sándwich</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Espaguetis</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Dónut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Galleta</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Tarta de cumpleaños</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Magdalena</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Caramelo</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Piruleta</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Tarro de miel</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Vaso de leche</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Brick de zumo</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Bebida caliente</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarta</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Juguetes y deportes</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Balón de fútbol</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Béisbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Baloncesto</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Voleibol</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Fútbol americano</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Balón de rugby</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Pelota de tenis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Disco volador</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Bolos</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Bate de críquet</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Palo de hockey</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Ping-pong</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Bádminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Guante de boxeo</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Portería</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Bandera de golf</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Patín de hielo</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Caña de pescar</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Monopatín</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Patín</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Trineo</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Piedra de curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Esquís</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Yoyó</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Osito de peluche</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Muñecas rusas</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Pieza de puzle</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Mando de juegos</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medalla de oro</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerán</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Tobogán</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofón</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Tambor largo</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Auriculares</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota musical</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Platillo volante</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Tierra desde Asia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planeta con anillos</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Cara de luna</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Luna sonriente</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Sol sonriente</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Estrella brillante</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Estrella mareada</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Estrella fugaz</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Extraterrestre</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Monstruo de píxeles</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Tierra desde América</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Media luna</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Luna casi llena</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol tras una nube</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Nube de tormenta</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol y nubes</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sol y lluvia</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nube de lluvia</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Nube de nieve</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Nube con rayo</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Niebla</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Remolino</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Paraguas</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Paraguas con lluvia</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Copo de nieve</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Muñeco en la nieve</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Gota de lluvia</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Cubito de hielo</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasía</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Mago</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Hada</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampiro</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elfo</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Trol</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicornio</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Cara de dragón</translation>
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
        <translation>Fantasma</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>Ogro</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Bola de cristal</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Varita mágica</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Príncipe</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Princesa</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>Superhéroe</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Villano</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Gema</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Llave antigua</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zombi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ángel</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Daga</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arco y flecha</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Fiestas y estaciones</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Calabaza de Halloween</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Árbol de Navidad</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Papá Noel</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mamá Noel</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Lanzaconfeti</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Bola de confeti</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Petardo</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Lazo</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Campanillas</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Carpa voladora</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Muñecas de fiesta</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Farolillo rojo</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lámpara de aceite</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menorá</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Sobre rojo</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Bola de discoteca</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Bufanda</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Guantes</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Abrigo</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Bota</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Gorro de sol</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Gafas de sol</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Bañador</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Biquini</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bandera blanca</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Bandera de cuadros</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Ciudad y campo</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semáforo</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Semáforo tumbado</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Señal de stop</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Obras</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Gasolinera</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Parada de autobús</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Cartel</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Silla</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Carrito de compra</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Cama</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>Sofá</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Buzón</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Ladrillos</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Hacha</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>Mochila</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Linterna</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancla</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Salvavidas</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Noria</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Montaña rusa</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Caballito de tiovivo</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Correos antiguo</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Tren de montaña</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Días de primavera y verano</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Mañana de primavera</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Brisa de flores</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Tarde cálida</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Prado de primavera</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Campos de verano</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Huerto en flor</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Valle verde</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Colina de amapolas</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Días de otoño e invierno</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Tarde de otoño</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Sol de invierno</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Nevada</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Anochecer helado</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Bosque de otoño</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Colinas de cosecha</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Árboles desnudos</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Campos nevados</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Estanque helado</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Lluvia, tormentas, viento y niebla</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Nubes de lluvia</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Día de viento</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Día de niebla</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Prado mojado</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Colinas verdes</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Páramo con viento</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Colinas con niebla</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Luna, estrellas y oscuridad</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Colinas oscuras</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Ciudad de noche</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Lago con luna</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Pueblo tranquilo</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Anocheceres y noches profundas</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Crepúsculo morado</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la luna</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Azul medianoche</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Estrellas fugaces</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noche de farolillos</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Colina del castillo</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Granja dormida</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Puerto de noche</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Nieve silenciosa</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Luces de la ciudad</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, arena y mar</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Día de playa</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Sol tropical</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Brisa marina</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Atardecer en el mar</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Costa nublada</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mar en calma</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Orilla de rocas</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Isla de palmeras</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Acantilados, olas y faros</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Mañana luminosa</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Gaviotas y nubes</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Hora dorada</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Día de mar gris</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Amanecer rosa</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Acantilados blancos</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Olas grandes</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Punta del faro</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Playa de conchas</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Laguna</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Desierto</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dunas, cañones y cactus</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Sol del desierto</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Mediodía caluroso</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Cielo polvoriento</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Ocaso del desierto</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noche del desierto</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Llanura de cactus</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasis</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Torres de piedra</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Hielo, nieve y altas montañas</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Azul helado</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Noche polar</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Amanecer alpino</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Ventisca</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Picos nevados</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Témpanos de hielo</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Pista de esquí</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Campamento de iglús</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Calles, parques y tejados</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Mañana en la ciudad</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Tarde animada</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Ciudad con lluvia</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Ocaso en la ciudad</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Cielo de humo</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Tejados</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parque</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Calle mayor</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Rascacielos</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Casco antiguo</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Granjas, campos y pueblos</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Mañana en la granja</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Día de siega</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Nubes del campo</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Tarde en el huerto</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Campos de colores</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Plaza del pueblo</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Huerto</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Granja con viento</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planetas, lunas y estrellas</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Espacio profundo</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Salida de la Tierra</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Dos lunas</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Cráteres lunares</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planeta rojo</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Mundo de hielo</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Selva extraterrestre</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>Base espacial</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Más copias</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Menos copias</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versión 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 los creadores de Veldor.
Puedes usarlo y compartirlo libremente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>Exportar como BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>¿De qué tamaño quieres el BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (estirado)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Archivos de mapa de bits (*.bmp);;Imagen PNG (*.png);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>Exportar como BMP (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>Exportar como BMP (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>Paisaje: elige un paquete de imágenes</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efectos especiales</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>Exportar como BMP</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Redibujar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crear un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abrir un archivo que ya existe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Guardar el archivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Guardar el archivo con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Elegir impresora</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportar &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Rehacer el cambio que se deshizo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Recuperar todo</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>&amp;Traer todo al frente</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Poner todo detrás de la tierra</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisaje</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Cielo</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efectos especiales</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Mostrar información del programa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Elegir impresora...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Suelo</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Quedármelo</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Borrarlo</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Poner detrás de la tierra</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Poner delante del paisaje</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Borrar el objeto</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Recuperar todo</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Traer todo al frente</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Poner todo detrás de la tierra</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Archivos de Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Archivo de Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Instalando el paquete de imágenes...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: elige un objeto. Flechas e Intro: poner, mover, cambiar tamaño. Esc: dejarlo.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Elige un objeto y arrastra su rectángulo en el dibujo, o usa las flechas e Intro</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>en %1, %2, tamaño %3 por %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Intro lo cambia.</translation>
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
        <translation>Cancelado: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>primero pon el objeto (arrastra, o flechas e Intro) o pulsa Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>primero responde a la ventana Objeto nuevo o pulsa Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>primero responde a la ventana Cambiar objeto o pulsa Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>primero suelta el objeto (clic, o Intro) o pulsa Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>primero responde a la ventana Mover objeto o pulsa Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>primero dibuja el tamaño nuevo (arrastra, o flechas e Intro) o pulsa Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>primero responde a la ventana Cambiar tamaño o pulsa Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 tiene que esperar: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: arrástralo en el dibujo o pulsa ahí una flecha.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Dibujo: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Más objetos</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Escribe un nombre, como gato o autobús</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Busca un objeto por su nombre</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Otros objetos</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>No hay ningún paquete de imágenes con objetos en la carpeta de paquetes.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Ningún objeto se llama «%1».</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>1 objeto</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 objetos</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>Objetos: elige un paquete de imágenes</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Elige un objeto</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Más objetos...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>Para elegir otra impresora, pulsa &apos;Elegir impresora&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Copias que imprimirá Veldor:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Elegir impresora...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de copias</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimir en un archivo</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Cielo: elige un paquete de imágenes</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Espera, estoy dibujando...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efectos especiales</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Los efectos pueden tardar un poco.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Cuidado: los efectos se van cuando vuelves a dibujar la imagen.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Usa los efectos especiales cuando el paisaje esté terminado, así</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>puedes guardar o imprimir la imagen con los efectos en la pantalla.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efectos que se usarán:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Bordes suaves</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Colores al revés (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opciones de colores al revés</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Teñir</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opciones de color...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Más oscuro</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Más claro</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Usar efectos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Poniendo los efectos...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Ayuda de Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
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
        <translation>Para empezar
-=-=-=-=-=-=

Esta pequeña guía te ayuda a hacer tu primer dibujo con Veldor.

Paso uno: elige el cielo

Haz clic en el icono del cielo, el segundo botón desde la izquierda en la barra. Se abre la ventana del cielo. Haz clic en uno de los cielos; &apos;Nubes oscuras&apos; es bueno para empezar. El dibujo se hace otra vez con el cielo nuevo. Cuando esté listo, cierra la ventana del cielo.

Paso dos: elige el paisaje

Haz clic en el icono del paisaje, el primer botón de la barra, y elige un paisaje. Prueba &apos;Isla desierta&apos;. El paisaje se dibuja encima del cielo, y la luz del cielo le da color.

Paso tres: pon y cambia objetos

Haz clic en el icono de los objetos, el tercer botón desde la izquierda, y elige el &apos;Globo aerostático&apos;. La ventana se cierra.

Ahora pulsa el botón del ratón donde quieras el globo y, sin soltarlo, arrastra hacia abajo y a la derecha. El rectángulo que arrastras es el tamaño que tendrá el globo.

Cuando sueltas, el globo se dibuja y una ventana pequeña te pregunta si te lo quedas:
   &apos;Cambiar tamaño&apos; vuelve a dibujar para que arrastres otra vez el rectángulo del globo, igual que antes.
   &apos;No lo quiero&apos; quita el objeto nuevo.
   &apos;Quedármelo&apos; lo deja en tu dibujo.

Más tarde, haz clic en un objeto para moverlo, cambiar su tamaño, borrarlo o ponerlo detrás de la tierra.

Con el teclado:
   Pulsa Tab hasta que el dibujo tenga un marco de puntos. Cuando hayas elegido un objeto, pulsa una flecha: un rectángulo muestra dónde va. Las flechas lo mueven (con Mayús, de diez en diez pasos), Ctrl y las flechas lo hacen más grande o más pequeño, Intro pone el objeto ahí y Esc lo deja.
   Sin nada elegido, Tab y Mayús+Tab pasan de un objeto del dibujo al siguiente; Intro abre su ventana, igual que un clic en él.
   Después de &apos;Moverlo&apos; o &apos;Cambiar tamaño&apos;, las flechas mueven el contorno o cambian su tamaño, e Intro termina. Esc para cualquier cambio, igual que Cancelar.

Paso cuatro: termina tu dibujo

   Bordes suaves:
   Los bordes suaves quitan los picos de los bordes de objetos y paisajes. Haz clic en el icono de efectos, el cuarto desde la izquierda. Deja marcada solo la casilla &apos;Bordes suaves&apos; y haz clic en &apos;Usar efectos&apos;.

   Guardar como BMP:
   Haz clic en el icono de exportar, el segundo botón desde la derecha. Se abre una ventana donde eliges el tamaño de la imagen; luego la ventana de guardar de siempre te pide un nombre de archivo.

Ayuda de los botones
-=-=-=-=-=-=-=-=-=-=

(Los iconos de izquierda a derecha.)

Paisaje: elige un paisaje.
Cielo: elige un cielo.
Objeto: pon un objeto.
Efectos: pon efectos en tu dibujo.
------------------------------
Nuevo: empieza un dibujo nuevo.
Imprimir: imprime tu dibujo (con más opciones).
Guardar: guarda tu dibujo como archivo .VDR.
Abrir: abre un archivo .VDR.
Guardar BMP: guarda la imagen como archivo .BMP.
------------------------------
Redibujar: vuelve a dibujar tu imagen.

Haz clic derecho en el dibujo para ver un menú con todas las órdenes.
El menú Herramientas borra, recupera o mueve todos los objetos a la vez.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Elige un paisaje</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Sin paisaje</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>Mover objeto</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>Acabas de mover un objeto. ¿Qué quieres hacer?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Dejarlo así</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Mover otra vez</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Cancelar el movimiento</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Dibujo nuevo</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>¿Empezar un dibujo nuevo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Esto no es un archivo de Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Seguir</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Cambiar objeto</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Has elegido el objeto:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>¿Qué quieres hacer con él?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Borrarlo</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Moverlo</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Poner detrás de la tierra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Objeto nuevo</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Has elegido un objeto nuevo. ¿Qué quieres hacer con él?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Quedármelo</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>No lo quiero</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Cambiar objeto</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Has elegido un objeto que está detrás del paisaje.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>¿Qué quieres hacer con el objeto?</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Poner el objeto delante del paisaje</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Borrar el objeto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Acabas de cambiar el tamaño de un objeto. ¿Qué quieres hacer?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Dejarlo así</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Cambiar otra vez</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Cancelar el cambio de tamaño</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Elige un cielo</translation>
    </message>
</context>
</TS>
