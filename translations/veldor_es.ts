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
