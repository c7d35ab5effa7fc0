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
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Noto Emoji do Google (SIL Open Font License), desenhado plano para o Veldor</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Os desenvolvedores do Veldor</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>Animais da fazenda</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porco</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ovelha</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Galo</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Galinha</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>Pintinho</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Boi</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>Búfalo</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Carneiro</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Burro</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Coelho</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>Cara de vaca</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>Cara de porco</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>Cara de cavalo</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Ganso</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lhama</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>Animais da floresta</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Raposa</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Urso</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Veado</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>Esquilo</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Ouriço</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Texugo</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Guaxinim</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>Javali</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Gambá</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Alce</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Morcego</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>Lagarta</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>Abelha</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>Joaninha</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águia</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Passarinho</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>Formiga</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>Aranha</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Grilo</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>Animais do mar</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>Baleia soltando água</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>Baleia</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Golfinho</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>Peixe tropical</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>Baiacu</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>Tubarão</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>Polvo</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>Lula</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>Lagosta</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Camarão</translation>
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
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Água-viva</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguim</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Lontra</translation>
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
        <translation>Animais da selva</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>Gorila</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>Orangotango</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leão</translation>
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
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafa</translation>
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
        <translation>Crocodilo</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Cobra</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>Papagaio</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Preguiça</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Dromedário</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>Camelo</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguru</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Coala</translation>
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
        <translation>Pavão</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>Cara de macaco</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animais de estimação</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>Poodle</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>Cachorrinho</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>Gatinho</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>Cara de rato</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>Coelhinho</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>Cão-guia</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>Pegadas</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Osso</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>Pintinho</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>Pintinho nascendo</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>Ninho com ovos</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>Bebê</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Menino</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Menina</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homem</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mulher</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>Pessoa idosa</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>Vovô</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>Vovó</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>Pessoa loira</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>Homem de barba</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Família</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>De mãos dadas</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>Dois amigos</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Andar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Correr</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Dançarina</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>Homem dançando</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>Pessoa em pé</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>Mão acenando</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>Mão levantada</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>Carinha feliz</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>Carinha legal</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>Carinha abraçando</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>Profissões e ferramentas</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>Policial</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>Pedreiro</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>Detetive</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>Noiva</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>Pessoa de terno</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>Estetoscópio</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>Chave inglesa</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Martelo</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>Serrote</translation>
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
        <translation>Caixa de correio</translation>
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
        <translation>Vassoura</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>Capacete de resgate</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>Chapéu de formatura</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>Microscópio</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Livros</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Giz de cera</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Régua</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>Tubo de ensaio</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Caixa de ferramentas</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>Escada</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Balde</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Ímã</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>Veículos</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>Táxi</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>Jipe</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Ônibus</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>Ônibus elétrico</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>Carro de corrida</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>Carro de polícia</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Ambulância</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>Caminhão de bombeiros</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>Micro-ônibus</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>Picape</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>Caminhão de entrega</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>Caminhão grande</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>Trator</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>Mobilete</translation>
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
        <translation>Trem a vapor</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>Trem</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>Metrô</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>Bonde</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>Monotrilho</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>Avião</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>Avião pequeno</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>Lancha</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>Barco a motor</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Navio</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>Balsa</translation>
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
        <translation>Trem de montanha</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>Riquixá</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Prédios</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>Casa com jardim</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>Escritórios</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>Correios</translation>
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
        <translation>Loja</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escola</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>Loja de departamentos</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fábrica</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>Castelo japonês</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castelo</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>Capela de casamento</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>Estátua</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>Mesquita</translation>
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
        <translation>Santuário</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>Museu</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>Guindaste</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Cabana</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Barraca</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>Casa antiga</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>Tenda de circo</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estádio</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>Cabeça de pedra</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>Plantas e árvores</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Árvore</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>Palmeira</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>Broto</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>Erva</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>Trevo</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>Trevo de 4 folhas</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>Folhas caídas</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>Folhas ao vento</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>Feixe de arroz</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>Tulipa</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>Flor murcha</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>Hibisco</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>Flor de cerejeira</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>Girassol</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buquê</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>Planta no vaso</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>Cogumelo vermelho</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>Lótus</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>Jacinto</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castanha</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>Árvore dos desejos</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>Enfeite de pinheiro</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>Ninho vazio</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>Frutas e legumes</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>Maçã verde</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limão</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>Melancia</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>Morango</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Mirtilos</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>Melão</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerejas</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêssego</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>Manga</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>Abacaxi</translation>
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
        <translation>Berinjela</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>Abacate</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brócolis</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>Cenoura</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>Milho</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>Pimenta</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>Pepino</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Alface</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Alho</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>Cebola</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>Batata</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>Pimentão</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pão</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>Baguete</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Queijo</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>Ovo</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>Ovo frito</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>Panquecas</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>Waffle</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>Hambúrguer</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Batata frita</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>Cachorro-quente</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>Sanduíche</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Espaguete</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>Sorvete</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>Rosquinha</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>Biscoito</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>Bolo de aniversário</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Fatia de bolo</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>Bala</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>Pirulito</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>Pote de mel</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>Copo de leite</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>Caixinha de suco</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>Bebida quente</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Torta</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>Brinquedos e esportes</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Bola de futebol</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>Beisebol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>Basquete</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>Vôlei</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>Futebol americano</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>Bola de rúgbi</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>Bola de tênis</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>Boliche</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>Taco de críquete</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>Taco de hóquei</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>Pingue-pongue</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>Luva de boxe</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>Bandeira de golfe</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>Patim de gelo</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>Vara de pescar</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>Skate</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>Patins</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>Trenó</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>Pedra de curling</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>Esquis</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>Pipa</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>Ioiô</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Ursinho de pelúcia</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>Bonecas russas</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>Peça de quebra-cabeça</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>Controle de jogo</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Troféu</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>Medalha de ouro</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>Bumerangue</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>Escorregador</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Violão</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>Saxofone</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Sanfona</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>Tambor comprido</translation>
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
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Fones de ouvido</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>Nota musical</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>Disco voador</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>Terra com a Ásia</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>Planeta com anéis</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>Cara de lua</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>Lua sorridente</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>Sol sorridente</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>Estrela brilhante</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>Estrela tonta</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>Estrela cadente</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescópio</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>Alienígena</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>Monstro de pixel</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>Terra com a América</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lua minguante</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>Meia-lua</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>Lua quase cheia</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>Sol atrás da nuvem</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>Nuvem de tempestade</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>Sol e nuvens</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>Sol e chuva</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>Nuvem de chuva</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>Nuvem de neve</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>Nuvem com raio</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>Neblina</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>Redemoinho</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arco-íris</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>Guarda-chuva</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>Guarda-chuva na chuva</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>Floco de neve</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>Boneco na neve</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Gota de chuva</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termômetro</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>Cubo de gelo</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>Fantasia</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Mago</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>Fada</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampiro</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>Sereia</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>Elfo</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Gênio</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicórnio</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>Cara de dragão</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>Diplódoco</translation>
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
        <translation>Robô</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Coroa</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>Bola de cristal</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>Varinha mágica</translation>
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
        <translation>Super-herói</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>Vilão</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>Pedra preciosa</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>Chave antiga</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>Zumbi</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anjo</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>Punhal</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>Arco e flecha</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>Festas e estações</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>Abóbora de Halloween</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>Árvore de Natal</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>Papai Noel</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>Mamãe Noel</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balão</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>Lança-confete</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>Bola de confete</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>Bombinha</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Laço</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>Sino de vento</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>Carpa voadora</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>Bonecas de festa</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>Lanterna vermelha</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>Lamparina</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>Menorá</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>Envelope vermelho</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>Globo de discoteca</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>Cachecol</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>Luvas</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>Casaco</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>Bota</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>Chapéu de sol</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Óculos de sol</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>Maiô</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>Biquíni</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>Bandeira branca</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>Bandeira quadriculada</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>Cidade e campo</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>Semáforo</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>Semáforo deitado</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>Placa de pare</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>Obras</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>Bomba de gasolina</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>Ponto de ônibus</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Placa</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>Cadeira</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>Carrinho de compras</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
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
        <translation>Caixa de correio</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Tijolos</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>Machado</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Bússola</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Picareta</translation>
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
        <translation>Mala</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>Lanterna</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Âncora</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>Boia salva-vidas</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>Chafariz</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>Roda-gigante</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>Montanha-russa</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>Cavalo de carrossel</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>Correio antigo</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>Trem de montanha</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estações</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>Dias de primavera e verão</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>Manhã de primavera</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>Brisa de flores</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>Fim de tarde quente</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>Prado de primavera</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>Campos de verão</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>Pomar florido</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>Vale verde</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>Morro das papoulas</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>Dias de outono e inverno</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>Tarde de outono</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>Sol de inverno</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>Neve caindo</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>Anoitecer gelado</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>Bosque de outono</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>Morros da colheita</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>Árvores peladas</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>Campos com neve</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>Lagoa congelada</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>Chuva, tempestades, vento e neblina</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>Nuvens de chuva</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>Trovoada</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>Dia de vento</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>Dia de neblina</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>Campo molhado</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>Morros verdes</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>Charneca com vento</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>Morros com neblina</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>Lua, estrelas e escuro</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>Morros escuros</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>Cidade à noite</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>Lago ao luar</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>Vila tranquila</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>Fim de tarde e noite alta</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>Anoitecer roxo</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Nascer da lua</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>Azul meia-noite</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>Estrelas cadentes</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>Noite das lanternas</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>Morro do castelo</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>Fazenda dormindo</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>Porto à noite</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>Neve silenciosa</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>Luzes da cidade</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>Sol, areia e mar</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>Dia de praia</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>Sol tropical</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>Brisa do mar</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>Pôr do sol no mar</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>Costa nublada</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>Mar calmo</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>Praia de pedras</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>Porto</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>Ilha das palmeiras</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>Penhascos, ondas e faróis</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>Manhã clara</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>Gaivotas e nuvens</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>Hora dourada</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>Dia de mar cinza</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>Aurora cor-de-rosa</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>Penhascos brancos</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>Ondas grandes</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>Ponta do farol</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>Praia de conchas</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>Lagoa</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>Deserto</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>Dunas, cânions e cactos</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>Sol do deserto</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>Meio-dia quente</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>Céu de poeira</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>Pôr do sol no deserto</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>Noite no deserto</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>Planície de cactos</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oásis</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>Torres de pedra</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>Gelo, neve e montanhas altas</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>Azul gelado</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>Noite polar</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>Amanhecer alpino</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>Nevasca</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>Picos nevados</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>Blocos de gelo</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>Pista de esqui</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>Acampamento de iglus</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>Ruas, parques e telhados</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>Manhã na cidade</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>Tarde movimentada</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>Cidade com chuva</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>Pôr do sol na cidade</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>Céu de fumaça</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>Telhados</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>Parque</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>Rua principal</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>Arranha-céus</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>Centro histórico</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>No campo</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>Fazendas, campos e vilas</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>Manhã na fazenda</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>Dia do feno</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>Nuvens do campo</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>Tarde no pomar</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>Campos coloridos</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>Praça da vila</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>Pomar</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>Fazenda com vento</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>Planetas, luas e estrelas</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>Espaço profundo</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>Nascer da Terra</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>Duas luas</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>Nebulosa</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>Crateras da lua</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>Planeta vermelho</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>Mundo de gelo</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>Selva alienígena</translation>
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
        <translation>%1 e %2</translation>
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
