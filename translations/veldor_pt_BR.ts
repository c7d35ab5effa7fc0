<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>Céu: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>Sem chão.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>Chão: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>Objetos: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Logo do Veldor</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Escolher impressora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>Carregar um pacote de imagens</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>Efeitos: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>Adicionar minha imagem</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>Adicionar minha imagem...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>O desenho mudou.
Você quer salvar?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>um desenho que nunca foi salvo</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>O Veldor fechou antes de salvar as mudanças em %1.
Você quer recuperá-las?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Jogar fora</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
Esta pasta não existe.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>Aguardando revisão por falantes nativos</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Você não pode abrir este arquivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>O disco está cheio</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erro ao ler ou gravar %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>Não dá para criar o PNG</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nenhuma impressora foi escolhida</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora escolhida não serve</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nem XDG_DATA_HOME nem HOME estão definidos</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>A linha %1 tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>Número de objetos errado: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>Não há memória suficiente para %1</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Não deu para imprimir o desenho: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>Não dá para instalar o pacote de imagens %1:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não dá para abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não dá para abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Não dá para criar o arquivo %1: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>Nenhum pacote escolhido</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Para carregar um pacote de imagens do Veldor:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Baixe um arquivo zip com um pacote de imagens do Veldor.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. Abra o pacote, ou coloque-o na pasta de pacotes</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. Depois escolha-o na lista de pacotes à esquerda.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>Pacotes de imagens</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>Nome do pacote:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Feito por:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. Abra o pacote, ou coloque-o em %1</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>Penhasco de pedra</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>Montanhas pequenas</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>Morros com florestas</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>Ilha deserta</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>Nuvens cinzentas</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>Nuvens escuras</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>Pôr do sol laranja</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>Azul limpo</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>Dia nublado</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>Pedra com furo</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>Maçã</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>Balão de ar quente</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>Balão de ar quente</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>Bola de golfe</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>Flor amarela</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>A equipe do Veldor</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>Inverno e deserto</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>Paisagens de neve, de areia e de estrelas para testar com seus desenhos.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>Noite estrelada</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>Meio-dia no deserto</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>Aurora boreal</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>Amanhecer rosa</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>Nuvens de neve</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>Morros com neve</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>Dunas de areia</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>Lago congelado</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>Cânion vermelho</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>Vila no inverno</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>Pinheiro</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>Casinha</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>Cacto</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>Barco a vela</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>Boneco de neve</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Outono</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>Bosques dourados, campos de colheita e uma grande lua laranja.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>Tarde dourada</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>Manhã de neblina</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>Tempestade de outono</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lua da colheita</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>Chuva com arco-íris</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>Morros de bordos</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>Campo de abóboras</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>Lago das bétulas</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>Fazenda do celeiro vermelho</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>Fileiras de uvas</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>Abóbora</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>Folha de bordo</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>Cogumelo</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>Bolota</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>Espantalho</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>Na praia</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>Praias, penhascos e portos sob céus de verão.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>Meio-dia de verão</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>Pôr do sol tropical</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>Névoa no mar</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>Mar com tempestade</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>Noite de cores suaves</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>Praia de areia</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>Penhasco com farol</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>Enseada das palmeiras</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>Cidade com porto</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>Costa de pedras</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Farol</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>Bola de praia</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Gaivota</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>Estrela-do-mar</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>Guarda-sol</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>Luar</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>Céus de noite cheios de estrelas sobre terras que dormem.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Via Láctea</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>Chuva de estrelas cadentes</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>Nuvens prateadas</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>Morros ao luar</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>Cidade à noite</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>Clareira com fogueira</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>Vila dormindo</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>Floresta de pinheiros</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Coruja</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Lanterna</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>Foguete</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>Lua crescente</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>Mais cópias</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>Menos cópias</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versão 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 os criadores do Veldor.
Livre para usar e compartilhar.</translation>
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
        <translation>Exportar como BMP</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>De que tamanho você quer o BMP?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (normal)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (esticado)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>Arquivos bitmap (*.bmp);;Imagem PNG (*.png);;Todos os arquivos (*)</translation>
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
        <translation>Paisagem: escolha um pacote de imagens</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Céu</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Efeitos especiais</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Redesenhar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Criar um arquivo novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abrir um arquivo que já existe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salvar o arquivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salvar o arquivo com outro nome</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>&amp;Escolher impressora</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>Exportar &amp;BMP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfazer a última mudança</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Refazer a mudança desfeita</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>&amp;Apagar tudo</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>&amp;Recuperar tudo</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>&amp;Trazer tudo para a frente</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>&amp;Pôr tudo atrás da terra</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>&amp;Veldor</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisagem</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>&amp;Céu</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>&amp;Efeitos especiais</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Mostrar a ajuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Mostrar informações do programa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Escolher impressora...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>C&amp;hão</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Ficar com ele</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Trazer para a frente</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>Mudar tamanho</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pôr atrás da terra</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>Pôr na frente da paisagem</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Apagar o objeto</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>Recuperar tudo</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>Trazer tudo para a frente</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>Pôr tudo atrás da terra</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Arquivos do Veldor [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Arquivo do Veldor (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>Instalando o pacote de imagens...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: escolha um objeto. Setas e Enter: colocar, mover, mudar o tamanho. Esc: desistir.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>Escolha um objeto e arraste o retângulo dele no desenho, ou use as setas e Enter</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>em %1, %2, tamanho %3 por %4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter muda o objeto.</translation>
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
        <translation>primeiro coloque o objeto (arraste, ou setas e Enter) ou aperte Esc.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>primeiro responda à janela Objeto novo ou aperte Esc.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>primeiro responda à janela Mudar objeto ou aperte Esc.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>primeiro solte o objeto (clique, ou Enter) ou aperte Esc.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>primeiro responda à janela Mover objeto ou aperte Esc.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>primeiro desenhe o novo tamanho (arraste, ou setas e Enter) ou aperte Esc.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>primeiro responda à janela Mudar tamanho ou aperte Esc.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>%1 precisa esperar: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: arraste no desenho, ou aperte uma seta lá.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Desenho: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>Mais objetos</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>Digite um nome, como gato ou ônibus</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>Procurar um objeto pelo nome</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>Outros objetos</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>Não há nenhum pacote de imagens com objetos na pasta de pacotes.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>Nenhum objeto se chama “%1”.</translation>
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
        <translation>Objetos: escolha um pacote de imagens</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>Escolha um objeto</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>Mais objetos...</translation>
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
        <translation>Para escolher outra impressora, clique em &apos;Escolher impressora&apos;</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Cópias que o Veldor vai imprimir:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>Escolher impressora...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de cópias</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimir em arquivo</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Arquivos PDF (*.pdf);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>Céu: escolha um pacote de imagens</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>Espere, estou desenhando...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>Efeitos especiais</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>Os efeitos podem demorar um pouco.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>Atenção: os efeitos somem quando você desenha a imagem de novo.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>Use os efeitos especiais quando a paisagem estiver pronta, assim</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>você pode salvar ou imprimir a imagem com os efeitos na tela.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>Efeitos a usar:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>Bordas suaves</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>Cores invertidas (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>Opções de cores invertidas</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>Colorir</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>Opções de cor...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Mais escuro</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Mais claro</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>Usar efeitos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>Colocando os efeitos...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Ajuda do Veldor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
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
        <translation>Para começar
-=-=-=-=-=-=

Este pequeno guia ajuda você a fazer seu primeiro desenho com o Veldor.

Passo um: escolha o céu

Clique no ícone do céu, o segundo botão da esquerda na barra. A janela do céu abre. Clique em um dos céus; &apos;Nuvens escuras&apos; é bom para começar. O desenho é feito de novo com o céu novo. Quando estiver pronto, feche a janela do céu.

Passo dois: escolha a paisagem

Clique no ícone da paisagem, o primeiro botão da barra, e escolha uma paisagem. Experimente &apos;Ilha deserta&apos;. A paisagem é desenhada por cima do céu, e a luz do céu dá cor a ela.

Passo três: coloque e mude objetos

Clique no ícone dos objetos, o terceiro botão da esquerda, e escolha o &apos;Balão de ar quente&apos;. A janela fecha.

Agora aperte o botão do mouse onde você quer o balão e, sem soltar, arraste para baixo e para a direita. O retângulo que você arrasta é o tamanho que o balão vai ter.

Quando você solta, o balão é desenhado e uma janelinha pergunta se você quer ficar com ele:
   &apos;Mudar tamanho&apos; desenha de novo para você arrastar outra vez o retângulo do balão, como antes.
   &apos;Não quero&apos; tira o objeto novo.
   &apos;Ficar com ele&apos; deixa o objeto no seu desenho.

Depois, clique em um objeto para mover, mudar o tamanho, apagar ou pôr atrás da terra.

Usando o teclado:
   Aperte Tab até o desenho mostrar uma moldura pontilhada. Depois de escolher um objeto, aperte uma seta: um retângulo mostra onde ele vai ficar. As setas movem o objeto (com Shift, dez passos de cada vez), Ctrl e as setas deixam ele maior ou menor, Enter coloca o objeto ali e Esc desiste dele.
   Sem nada escolhido, Tab e Shift+Tab vão de um objeto do desenho para o próximo; Enter abre a janela dele, como um clique nele faria.
   Depois de &apos;Mover&apos; ou &apos;Mudar tamanho&apos;, as setas movem o contorno ou mudam o tamanho dele, e Enter termina. Esc para qualquer mudança, como Cancelar faz.

Passo quatro: termine seu desenho

   Bordas suaves:
   As bordas suaves deixam macias as bordas ásperas de objetos e paisagens. Clique no ícone dos efeitos, o quarto da esquerda. Deixe marcada só a caixa &apos;Bordas suaves&apos; e clique em &apos;Usar efeitos&apos;.

   Salvar como BMP:
   Clique no ícone de exportar, o segundo botão da direita. Abre uma janela onde você escolhe o tamanho da imagem; depois a janela de salvar de sempre pede um nome de arquivo.

Ajuda dos botões
-=-=-=-=-=-=-=-=

(Os ícones da esquerda para a direita.)

Paisagem: escolha uma paisagem.
Céu: escolha um céu.
Objeto: coloque um objeto.
Efeitos: coloque efeitos no seu desenho.
------------------------------
Novo: comece um desenho novo.
Imprimir: imprima seu desenho (com mais opções).
Salvar: salve seu desenho como arquivo .VDR.
Abrir: abra um arquivo .VDR.
Salvar BMP: salve a imagem como arquivo .BMP.
------------------------------
Redesenhar: desenha sua imagem de novo.

Clique com o botão direito no desenho para ver um menu com todos os comandos.
O menu Ferramentas apaga, recupera ou move todos os objetos de uma vez.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>Escolha uma paisagem</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>Sem paisagem</translation>
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
        <translation>Você acabou de mover um objeto. O que quer fazer?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>Deixar assim</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>Mover de novo</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>Cancelar a mudança</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>Desenho novo</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>Começar um desenho novo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Este não é um arquivo do Veldor</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>Mudar objeto</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>Você escolheu o objeto:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>O que quer fazer com ele?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Mudar tamanho</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>Trazer para a frente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>Pôr atrás da terra</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>Objeto novo</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>Você escolheu um objeto novo. O que quer fazer com ele?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>Ficar com ele</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>Mudar tamanho</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>Não quero</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>Mudar objeto</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>Você escolheu um objeto que está atrás da paisagem.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>O que quer fazer com o objeto?</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>Pôr o objeto na frente da paisagem</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>Apagar o objeto</translation>
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
        <translation>Mudar tamanho</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>Você acabou de mudar o tamanho de um objeto. O que quer fazer?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>Deixar assim</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>Mudar de novo</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>Cancelar a mudança de tamanho</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>Escolha um céu</translation>
    </message>
</context>
</TS>
