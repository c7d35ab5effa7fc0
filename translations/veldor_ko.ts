<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QObject</name>
    <message>
        <source>Sky: %1.</source>
        <translation>하늘: %1.</translation>
    </message>
    <message>
        <source>No ground.</source>
        <translation>땅 없음.</translation>
    </message>
    <message>
        <source>Ground: %1.</source>
        <translation>땅: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>그리고 %n개 더</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects: %1.</source>
        <translation>물건: %1.</translation>
    </message>
    <message>
        <source>Veldor logo</source>
        <translation>Veldor 로고</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>프린터 고르기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Load Image Pack</source>
        <translation>그림 꾸러미 불러오기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Effects: %1.</source>
        <translation>효과: %1.</translation>
    </message>
    <message>
        <source>Add My Picture</source>
        <translation>내 그림 넣기</translation>
    </message>
    <message>
        <source>Add My Picture...</source>
        <translation>내 그림 넣기...</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>The scene has been changed.
Do you want to save your changes?</source>
        <translation>그림이 바뀌었어요.
저장할까요?</translation>
    </message>
    <message>
        <source>a scene that was never saved</source>
        <translation>한 번도 저장하지 않은 그림</translation>
    </message>
    <message>
        <source>Veldor ended before the changes to %1 were saved.
Do you want to restore them?</source>
        <translation>Veldor가 %1의 바뀐 내용을 저장하기 전에 꺼졌어요.
되살릴까요?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>되살리기</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
</context>
<context>
    <name>veldor::FileDialog</name>
    <message>
        <source>%1
The folder does not exist.</source>
        <translation>%1
이 폴더가 없어요.</translation>
    </message>
</context>
<context>
    <name>veldor::Language</name>
    <message>
        <source>Awaits review by native speakers</source>
        <extracomment>The state of this translation; translate as &quot;reviewed by native speakers&quot; once it has been.</extracomment>
        <translatorcomment>Written with machine assistance for children (short, plain words); awaits review by native speakers.</translatorcomment>
        <translation>원어민 검토를 기다리는 중</translation>
    </message>
</context>
<context>
    <name>veldor::Messages</name>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없어요</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>이 파일을 열 수 없어요</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>디스크가 꽉 찼어요</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>읽기 또는 쓰기 오류 %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>비트맵 그림이 올바르지 않아요</translation>
    </message>
    <message>
        <source>Cannot encode PNG</source>
        <translation>PNG를 만들 수 없어요</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>고른 프린터가 없어요</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>고른 프린터를 쓸 수 없어요</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME도 HOME도 정해지지 않았어요</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MiB</source>
        <translation>%1번째 줄이 1 MiB보다 길어요</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos;은(는) 올바른 정수가 아니에요</translation>
    </message>
    <message>
        <source>Invalid object count %1</source>
        <translation>물건 개수가 잘못됐어요: %1</translation>
    </message>
    <message>
        <source>Not enough memory for %1</source>
        <translation>%1에 쓸 메모리가 모자라요</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>그림을 인쇄할 수 없었어요: %1</translation>
    </message>
    <message>
        <source>The image pack %1 cannot be installed:
%2</source>
        <translation>그림 꾸러미 %1을(를) 설치할 수 없어요:
%2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>파일 %1을(를) 열 수 없어요: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>파일 %1을(를) 열 수 없어요</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>파일 %1을(를) 만들 수 없어요: %2</translation>
    </message>
</context>
<context>
    <name>veldor::PackBrowser</name>
    <message>
        <source>No Pack Selected</source>
        <translation>고른 꾸러미가 없어요</translation>
    </message>
    <message>
        <source>To load a Veldor Image Pack:</source>
        <translation>Veldor 그림 꾸러미를 불러오려면:</translation>
    </message>
    <message>
        <source>1. Download a zip file containing a Veldor Image Pack.</source>
        <translation>1. Veldor 그림 꾸러미가 든 zip 파일을 내려받아요.</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into the packs folder</source>
        <translation>2. 꾸러미를 열거나, 꾸러미 폴더에 풀어요</translation>
    </message>
    <message>
        <source>3. Then select it on the Pack Selector to the left.</source>
        <translation>3. 그다음 왼쪽 꾸러미 목록에서 골라요.</translation>
    </message>
    <message>
        <source>Image packs</source>
        <translation>그림 꾸러미</translation>
    </message>
    <message>
        <source>Pack Name:</source>
        <translation>꾸러미 이름:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>만든 사람:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>설명:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>2. Open the pack, or extract it into %1</source>
        <translation>2. 꾸러미를 열거나, %1에 풀어요</translation>
    </message>
</context>
<context>
    <name>veldor::PictureNames</name>
    <message>
        <source>Stoney Cliff</source>
        <translation>돌 절벽</translation>
    </message>
    <message>
        <source>Small Mountain Range</source>
        <translation>작은 산들</translation>
    </message>
    <message>
        <source>Hill Forests</source>
        <translation>숲이 있는 언덕</translation>
    </message>
    <message>
        <source>Deserted Island</source>
        <translation>무인도</translation>
    </message>
    <message>
        <source>City Scape</source>
        <translation>도시</translation>
    </message>
    <message>
        <source>Dull Grey Clouds</source>
        <translation>잿빛 구름</translation>
    </message>
    <message>
        <source>Dark Clouds</source>
        <translation>먹구름</translation>
    </message>
    <message>
        <source>Orange Sunset</source>
        <translation>주황색 노을</translation>
    </message>
    <message>
        <source>Clear Blue</source>
        <translation>맑은 파란 하늘</translation>
    </message>
    <message>
        <source>Cloudy Day</source>
        <translation>흐린 날</translation>
    </message>
    <message>
        <source>Torus Rock</source>
        <translation>구멍 난 바위</translation>
    </message>
    <message>
        <source>Apple</source>
        <translation>사과</translation>
    </message>
    <message>
        <source>Hot Air Baloon</source>
        <translation>열기구</translation>
    </message>
    <message>
        <source>Hot Air Balloon</source>
        <translation>열기구</translation>
    </message>
    <message>
        <source>Golf Ball</source>
        <translation>골프공</translation>
    </message>
    <message>
        <source>Yellow Flower</source>
        <translation>노란 꽃</translation>
    </message>
    <message>
        <source>The Veldor Team</source>
        <translation>Veldor 팀</translation>
    </message>
    <message>
        <source>Winter and Desert</source>
        <translation>겨울과 사막</translation>
    </message>
    <message>
        <source>Snowy, sandy and starlit scenes to try with your own pictures.</source>
        <translation>내 그림과 함께 써 볼 눈, 모래, 별 풍경이에요.</translation>
    </message>
    <message>
        <source>Starry Night</source>
        <translation>별이 빛나는 밤</translation>
    </message>
    <message>
        <source>Desert Noon</source>
        <translation>사막의 한낮</translation>
    </message>
    <message>
        <source>Northern Lights</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Pink Dawn</source>
        <translation>분홍빛 새벽</translation>
    </message>
    <message>
        <source>Snow Clouds</source>
        <translation>눈구름</translation>
    </message>
    <message>
        <source>Snowy Hills</source>
        <translation>눈 덮인 언덕</translation>
    </message>
    <message>
        <source>Sand Dunes</source>
        <translation>모래 언덕</translation>
    </message>
    <message>
        <source>Frozen Lake</source>
        <translation>얼어붙은 호수</translation>
    </message>
    <message>
        <source>Red Canyon</source>
        <translation>붉은 협곡</translation>
    </message>
    <message>
        <source>Winter Village</source>
        <translation>겨울 마을</translation>
    </message>
    <message>
        <source>Pine Tree</source>
        <translation>소나무</translation>
    </message>
    <message>
        <source>Cottage</source>
        <translation>오두막</translation>
    </message>
    <message>
        <source>Cactus</source>
        <translation>선인장</translation>
    </message>
    <message>
        <source>Sailing Boat</source>
        <translation>돛단배</translation>
    </message>
    <message>
        <source>Snowman</source>
        <translation>눈사람</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>가을</translation>
    </message>
    <message>
        <source>Golden woods, harvest fields and a big orange moon.</source>
        <translation>황금빛 숲, 추수하는 들판, 커다란 주황색 달.</translation>
    </message>
    <message>
        <source>Golden Afternoon</source>
        <translation>황금빛 오후</translation>
    </message>
    <message>
        <source>Misty Morning</source>
        <translation>안개 낀 아침</translation>
    </message>
    <message>
        <source>Autumn Storm</source>
        <translation>가을 폭풍</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>추수 달</translation>
    </message>
    <message>
        <source>Rainbow Shower</source>
        <translation>무지개 소나기</translation>
    </message>
    <message>
        <source>Maple Hills</source>
        <translation>단풍나무 언덕</translation>
    </message>
    <message>
        <source>Pumpkin Field</source>
        <translation>호박밭</translation>
    </message>
    <message>
        <source>Birch Lake</source>
        <translation>자작나무 호수</translation>
    </message>
    <message>
        <source>Red Barn Farm</source>
        <translation>빨간 헛간 농장</translation>
    </message>
    <message>
        <source>Vineyard Rows</source>
        <translation>포도밭 줄</translation>
    </message>
    <message>
        <source>Pumpkin</source>
        <translation>호박</translation>
    </message>
    <message>
        <source>Maple Leaf</source>
        <translation>단풍잎</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <translation>버섯</translation>
    </message>
    <message>
        <source>Acorn</source>
        <translation>도토리</translation>
    </message>
    <message>
        <source>Scarecrow</source>
        <translation>허수아비</translation>
    </message>
    <message>
        <source>Seaside</source>
        <translation>바닷가</translation>
    </message>
    <message>
        <source>Beaches, cliffs and harbours under summer skies.</source>
        <translation>여름 하늘 아래 해변, 절벽, 항구.</translation>
    </message>
    <message>
        <source>Summer Noon</source>
        <translation>여름 한낮</translation>
    </message>
    <message>
        <source>Tropical Sunset</source>
        <translation>열대의 노을</translation>
    </message>
    <message>
        <source>Sea Haze</source>
        <translation>바다 안개</translation>
    </message>
    <message>
        <source>Stormy Sea</source>
        <translation>폭풍 치는 바다</translation>
    </message>
    <message>
        <source>Pastel Evening</source>
        <translation>파스텔 저녁</translation>
    </message>
    <message>
        <source>Sandy Beach</source>
        <translation>모래 해변</translation>
    </message>
    <message>
        <source>Lighthouse Cliff</source>
        <translation>등대 절벽</translation>
    </message>
    <message>
        <source>Palm Cove</source>
        <translation>야자수 만</translation>
    </message>
    <message>
        <source>Harbour Town</source>
        <translation>항구 마을</translation>
    </message>
    <message>
        <source>Rocky Coast</source>
        <translation>바위 해안</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>등대</translation>
    </message>
    <message>
        <source>Beach Ball</source>
        <translation>비치볼</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>갈매기</translation>
    </message>
    <message>
        <source>Starfish</source>
        <translation>불가사리</translation>
    </message>
    <message>
        <source>Beach Umbrella</source>
        <translation>파라솔</translation>
    </message>
    <message>
        <source>Moonlight</source>
        <translation>달빛</translation>
    </message>
    <message>
        <source>Night skies full of stars over sleeping lands.</source>
        <translation>잠든 땅 위로 별이 가득한 밤하늘.</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>보름달</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>은하수</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>해 질 녘</translation>
    </message>
    <message>
        <source>Meteor Shower</source>
        <translation>별똥별 비</translation>
    </message>
    <message>
        <source>Silver Clouds</source>
        <translation>은빛 구름</translation>
    </message>
    <message>
        <source>Moonlit Hills</source>
        <translation>달빛 언덕</translation>
    </message>
    <message>
        <source>Night City</source>
        <translation>밤의 도시</translation>
    </message>
    <message>
        <source>Campfire Clearing</source>
        <translation>모닥불 빈터</translation>
    </message>
    <message>
        <source>Sleeping Village</source>
        <translation>잠든 마을</translation>
    </message>
    <message>
        <source>Pine Forest</source>
        <translation>소나무 숲</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>부엉이</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>등불</translation>
    </message>
    <message>
        <source>Rocket</source>
        <translation>로켓</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>양초</translation>
    </message>
    <message>
        <source>Crescent Moon</source>
        <translation>초승달</translation>
    </message>
    <message>
        <source>Noto Emoji by Google (SIL Open Font License), made flat for Veldor</source>
        <translation>Google의 Noto Emoji(SIL Open Font License)를 Veldor에 맞게 평평하게 만든 것</translation>
    </message>
    <message>
        <source>The Veldor developers</source>
        <translation>Veldor 개발자들</translation>
    </message>
    <message>
        <source>Farm Animals</source>
        <translation>농장 동물</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>소</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>돼지</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>양</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>염소</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>수탉</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>암탉</translation>
    </message>
    <message>
        <source>Baby Chick</source>
        <translation>아기 병아리</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>오리</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>말</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>황소</translation>
    </message>
    <message>
        <source>Water Buffalo</source>
        <translation>물소</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>칠면조</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>숫양</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>당나귀</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>토끼</translation>
    </message>
    <message>
        <source>Cow Face</source>
        <translation>소 얼굴</translation>
    </message>
    <message>
        <source>Pig Face</source>
        <translation>돼지 얼굴</translation>
    </message>
    <message>
        <source>Horse Face</source>
        <translation>말 얼굴</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>거위</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>라마</translation>
    </message>
    <message>
        <source>Forest Animals</source>
        <translation>숲속 동물</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>여우</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>곰</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>사슴</translation>
    </message>
    <message>
        <source>Chipmunk</source>
        <translation>다람쥐</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>고슴도치</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>오소리</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>늑대</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>너구리</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>비버</translation>
    </message>
    <message>
        <source>Wild Boar</source>
        <translation>멧돼지</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>스컹크</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>무스</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>박쥐</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>개구리</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>달팽이</translation>
    </message>
    <message>
        <source>Caterpillar</source>
        <translation>애벌레</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>나비</translation>
    </message>
    <message>
        <source>Bee</source>
        <translation>꿀벌</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <translation>무당벌레</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>독수리</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>새</translation>
    </message>
    <message>
        <source>Ant</source>
        <translation>개미</translation>
    </message>
    <message>
        <source>Spider</source>
        <translation>거미</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>귀뚜라미</translation>
    </message>
    <message>
        <source>Sea Animals</source>
        <translation>바다 동물</translation>
    </message>
    <message>
        <source>Spouting Whale</source>
        <translation>물 뿜는 고래</translation>
    </message>
    <message>
        <source>Whale</source>
        <translation>고래</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>돌고래</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>물고기</translation>
    </message>
    <message>
        <source>Tropical Fish</source>
        <translation>열대어</translation>
    </message>
    <message>
        <source>Pufferfish</source>
        <translation>복어</translation>
    </message>
    <message>
        <source>Shark</source>
        <translation>상어</translation>
    </message>
    <message>
        <source>Octopus</source>
        <translation>문어</translation>
    </message>
    <message>
        <source>Squid</source>
        <translation>오징어</translation>
    </message>
    <message>
        <source>Crab</source>
        <translation>게</translation>
    </message>
    <message>
        <source>Lobster</source>
        <translation>바닷가재</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>새우</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>조개껍데기</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>물범</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>바다거북</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>해파리</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>펭귄</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>수달</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>산호</translation>
    </message>
    <message>
        <source>Oyster</source>
        <translation>굴</translation>
    </message>
    <message>
        <source>Jungle Animals</source>
        <translation>정글 동물</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>원숭이</translation>
    </message>
    <message>
        <source>Gorilla</source>
        <translation>고릴라</translation>
    </message>
    <message>
        <source>Orangutan</source>
        <translation>오랑우탄</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>코끼리</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>사자</translation>
    </message>
    <message>
        <source>Tiger Face</source>
        <translation>호랑이 얼굴</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>호랑이</translation>
    </message>
    <message>
        <source>Leopard</source>
        <translation>표범</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>얼룩말</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>기린</translation>
    </message>
    <message>
        <source>Hippo</source>
        <translation>하마</translation>
    </message>
    <message>
        <source>Rhino</source>
        <translation>코뿔소</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>악어</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>뱀</translation>
    </message>
    <message>
        <source>Parrot</source>
        <translation>앵무새</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <translation>홍학</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>나무늘보</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>낙타</translation>
    </message>
    <message>
        <source>Two-Hump Camel</source>
        <translation>쌍봉낙타</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>캥거루</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>코알라</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>판다</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>도마뱀</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>공작</translation>
    </message>
    <message>
        <source>Monkey Face</source>
        <translation>원숭이 얼굴</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>반려동물</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>고양이</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>개</translation>
    </message>
    <message>
        <source>Poodle</source>
        <translation>푸들</translation>
    </message>
    <message>
        <source>Puppy</source>
        <translation>강아지</translation>
    </message>
    <message>
        <source>Kitten</source>
        <translation>아기 고양이</translation>
    </message>
    <message>
        <source>Hamster</source>
        <translation>햄스터</translation>
    </message>
    <message>
        <source>Mouse Face</source>
        <translation>생쥐 얼굴</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>생쥐</translation>
    </message>
    <message>
        <source>Bunny</source>
        <translation>아기 토끼</translation>
    </message>
    <message>
        <source>Guide Dog</source>
        <translation>안내견</translation>
    </message>
    <message>
        <source>Paw Prints</source>
        <translation>발자국</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>뼈다귀</translation>
    </message>
    <message>
        <source>Chick</source>
        <translation>병아리</translation>
    </message>
    <message>
        <source>Hatching Chick</source>
        <translation>깨어나는 병아리</translation>
    </message>
    <message>
        <source>Nest With Eggs</source>
        <translation>알이 있는 둥지</translation>
    </message>
    <message>
        <source>People</source>
        <translation>사람들</translation>
    </message>
    <message>
        <source>Baby</source>
        <translation>아기</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>어린이</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>남자아이</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>여자아이</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>사람</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>남자</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>여자</translation>
    </message>
    <message>
        <source>Older Person</source>
        <translation>노인</translation>
    </message>
    <message>
        <source>Grandpa</source>
        <translation>할아버지</translation>
    </message>
    <message>
        <source>Grandma</source>
        <translation>할머니</translation>
    </message>
    <message>
        <source>Fair-Haired Person</source>
        <translation>금발인 사람</translation>
    </message>
    <message>
        <source>Man With Beard</source>
        <translation>수염 난 남자</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>가족</translation>
    </message>
    <message>
        <source>Holding Hands</source>
        <translation>손잡기</translation>
    </message>
    <message>
        <source>Two Friends</source>
        <translation>두 친구</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>걷기</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>달리기</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>춤추는 사람</translation>
    </message>
    <message>
        <source>Dancing Man</source>
        <translation>춤추는 남자</translation>
    </message>
    <message>
        <source>Standing Person</source>
        <translation>서 있는 사람</translation>
    </message>
    <message>
        <source>Waving Hand</source>
        <translation>손 흔들기</translation>
    </message>
    <message>
        <source>Hand Up</source>
        <translation>손 들기</translation>
    </message>
    <message>
        <source>Happy Face</source>
        <translation>웃는 얼굴</translation>
    </message>
    <message>
        <source>Cool Face</source>
        <translation>멋진 얼굴</translation>
    </message>
    <message>
        <source>Hugging Face</source>
        <translation>안아 주는 얼굴</translation>
    </message>
    <message>
        <source>Jobs and Tools</source>
        <translation>직업과 도구</translation>
    </message>
    <message>
        <source>Police Officer</source>
        <translation>경찰관</translation>
    </message>
    <message>
        <source>Builder</source>
        <translation>건설 노동자</translation>
    </message>
    <message>
        <source>Guard</source>
        <translation>근위병</translation>
    </message>
    <message>
        <source>Detective</source>
        <translation>탐정</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>신부</translation>
    </message>
    <message>
        <source>Person In Suit</source>
        <translation>정장 입은 사람</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <translation>청진기</translation>
    </message>
    <message>
        <source>Spanner</source>
        <translation>스패너</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>망치</translation>
    </message>
    <message>
        <source>Saw</source>
        <translation>톱</translation>
    </message>
    <message>
        <source>Paint Palette</source>
        <translation>팔레트</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>붓</translation>
    </message>
    <message>
        <source>Postbox</source>
        <translation>우체통</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>편지</translation>
    </message>
    <message>
        <source>Fire Extinguisher</source>
        <translation>소화기</translation>
    </message>
    <message>
        <source>Broom</source>
        <translation>빗자루</translation>
    </message>
    <message>
        <source>Rescue Helmet</source>
        <translation>구조 헬멧</translation>
    </message>
    <message>
        <source>Graduation Cap</source>
        <translation>졸업 모자</translation>
    </message>
    <message>
        <source>Microscope</source>
        <translation>현미경</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>책</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>연필</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>크레파스</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>자</translation>
    </message>
    <message>
        <source>Test Tube</source>
        <translation>시험관</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>서류 가방</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>공구 상자</translation>
    </message>
    <message>
        <source>Ladder</source>
        <translation>사다리</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>양동이</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>자석</translation>
    </message>
    <message>
        <source>Light Bulb</source>
        <translation>전구</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <translation>탈것</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>자동차</translation>
    </message>
    <message>
        <source>Taxi</source>
        <translation>택시</translation>
    </message>
    <message>
        <source>Jeep</source>
        <translation>지프</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>버스</translation>
    </message>
    <message>
        <source>Trolleybus</source>
        <translation>트롤리버스</translation>
    </message>
    <message>
        <source>Racing Car</source>
        <translation>경주용 자동차</translation>
    </message>
    <message>
        <source>Police Car</source>
        <translation>경찰차</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>구급차</translation>
    </message>
    <message>
        <source>Fire Engine</source>
        <translation>소방차</translation>
    </message>
    <message>
        <source>Minibus</source>
        <translation>미니버스</translation>
    </message>
    <message>
        <source>Pickup Truck</source>
        <translation>픽업트럭</translation>
    </message>
    <message>
        <source>Delivery Lorry</source>
        <translation>배달 트럭</translation>
    </message>
    <message>
        <source>Big Lorry</source>
        <translation>큰 트럭</translation>
    </message>
    <message>
        <source>Tractor</source>
        <translation>트랙터</translation>
    </message>
    <message>
        <source>Moped</source>
        <translation>스쿠터</translation>
    </message>
    <message>
        <source>Motorbike</source>
        <translation>오토바이</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>자전거</translation>
    </message>
    <message>
        <source>Kick Scooter</source>
        <translation>킥보드</translation>
    </message>
    <message>
        <source>Steam Train</source>
        <translation>증기 기관차</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>기차</translation>
    </message>
    <message>
        <source>Underground Train</source>
        <translation>지하철</translation>
    </message>
    <message>
        <source>Tram</source>
        <translation>노면 전차</translation>
    </message>
    <message>
        <source>Monorail</source>
        <translation>모노레일</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>헬리콥터</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <translation>비행기</translation>
    </message>
    <message>
        <source>Small Plane</source>
        <translation>작은 비행기</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <translation>쾌속정</translation>
    </message>
    <message>
        <source>Motor Boat</source>
        <translation>모터보트</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>큰 배</translation>
    </message>
    <message>
        <source>Ferry</source>
        <translation>페리</translation>
    </message>
    <message>
        <source>Canoe</source>
        <translation>카누</translation>
    </message>
    <message>
        <source>Cable Car</source>
        <translation>케이블카</translation>
    </message>
    <message>
        <source>Mountain Railway</source>
        <translation>산악 케이블카</translation>
    </message>
    <message>
        <source>Rickshaw</source>
        <translation>오토릭샤</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>건물</translation>
    </message>
    <message>
        <source>House</source>
        <translation>집</translation>
    </message>
    <message>
        <source>House With Garden</source>
        <translation>정원 있는 집</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>집들</translation>
    </message>
    <message>
        <source>Office Block</source>
        <translation>빌딩</translation>
    </message>
    <message>
        <source>Post Office</source>
        <translation>우체국</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>병원</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>은행</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>호텔</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>편의점</translation>
    </message>
    <message>
        <source>School</source>
        <translation>학교</translation>
    </message>
    <message>
        <source>Department Store</source>
        <translation>백화점</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>공장</translation>
    </message>
    <message>
        <source>Japanese Castle</source>
        <translation>일본 성</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>성</translation>
    </message>
    <message>
        <source>Wedding Chapel</source>
        <translation>결혼식장</translation>
    </message>
    <message>
        <source>Tower</source>
        <translation>탑</translation>
    </message>
    <message>
        <source>Statue</source>
        <translation>자유의 여신상</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>교회</translation>
    </message>
    <message>
        <source>Mosque</source>
        <translation>모스크</translation>
    </message>
    <message>
        <source>Temple</source>
        <translation>힌두 사원</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <translation>유대교 회당</translation>
    </message>
    <message>
        <source>Shrine</source>
        <translation>일본 신사</translation>
    </message>
    <message>
        <source>Museum</source>
        <translation>박물관</translation>
    </message>
    <message>
        <source>Crane</source>
        <translation>크레인</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>움막</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>텐트</translation>
    </message>
    <message>
        <source>Old House</source>
        <translation>낡은 집</translation>
    </message>
    <message>
        <source>Circus Tent</source>
        <translation>서커스 천막</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>경기장</translation>
    </message>
    <message>
        <source>Stone Head</source>
        <translation>모아이</translation>
    </message>
    <message>
        <source>Plants and Trees</source>
        <translation>식물과 나무</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>나무</translation>
    </message>
    <message>
        <source>Fir Tree</source>
        <translation>전나무</translation>
    </message>
    <message>
        <source>Palm Tree</source>
        <translation>야자나무</translation>
    </message>
    <message>
        <source>Seedling</source>
        <translation>새싹</translation>
    </message>
    <message>
        <source>Herb</source>
        <translation>허브</translation>
    </message>
    <message>
        <source>Shamrock</source>
        <translation>세잎클로버</translation>
    </message>
    <message>
        <source>Four-Leaf Clover</source>
        <translation>네잎클로버</translation>
    </message>
    <message>
        <source>Fallen Leaves</source>
        <translation>낙엽</translation>
    </message>
    <message>
        <source>Leaves In The Wind</source>
        <translation>바람에 날리는 잎</translation>
    </message>
    <message>
        <source>Sheaf Of Rice</source>
        <translation>벼 이삭</translation>
    </message>
    <message>
        <source>Tulip</source>
        <translation>튤립</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>장미</translation>
    </message>
    <message>
        <source>Wilted Flower</source>
        <translation>시든 꽃</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <translation>히비스커스</translation>
    </message>
    <message>
        <source>Cherry Blossom</source>
        <translation>벚꽃</translation>
    </message>
    <message>
        <source>Blossom</source>
        <translation>꽃</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <translation>해바라기</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>꽃다발</translation>
    </message>
    <message>
        <source>Pot Plant</source>
        <translation>화분</translation>
    </message>
    <message>
        <source>Toadstool</source>
        <translation>빨간 버섯</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>통나무</translation>
    </message>
    <message>
        <source>Lotus</source>
        <translation>연꽃</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <translation>히아신스</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>밤톨</translation>
    </message>
    <message>
        <source>Wishing Tree</source>
        <translation>소원 대나무</translation>
    </message>
    <message>
        <source>Pine Decoration</source>
        <translation>소나무 장식</translation>
    </message>
    <message>
        <source>Empty Nest</source>
        <translation>빈 둥지</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>바위</translation>
    </message>
    <message>
        <source>Fruit and Vegetables</source>
        <translation>과일과 채소</translation>
    </message>
    <message>
        <source>Green Apple</source>
        <translation>초록 사과</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>배</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>오렌지</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>레몬</translation>
    </message>
    <message>
        <source>Banana</source>
        <translation>바나나</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <translation>수박</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>포도</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <translation>딸기</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>블루베리</translation>
    </message>
    <message>
        <source>Melon</source>
        <translation>멜론</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>체리</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>복숭아</translation>
    </message>
    <message>
        <source>Mango</source>
        <translation>망고</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <translation>파인애플</translation>
    </message>
    <message>
        <source>Coconut</source>
        <translation>코코넛</translation>
    </message>
    <message>
        <source>Kiwi Fruit</source>
        <translation>키위</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>토마토</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <translation>가지</translation>
    </message>
    <message>
        <source>Avocado</source>
        <translation>아보카도</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>브로콜리</translation>
    </message>
    <message>
        <source>Carrot</source>
        <translation>당근</translation>
    </message>
    <message>
        <source>Sweetcorn</source>
        <translation>옥수수</translation>
    </message>
    <message>
        <source>Chilli</source>
        <translation>고추</translation>
    </message>
    <message>
        <source>Cucumber</source>
        <translation>오이</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>상추</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>마늘</translation>
    </message>
    <message>
        <source>Onion</source>
        <translation>양파</translation>
    </message>
    <message>
        <source>Potato</source>
        <translation>감자</translation>
    </message>
    <message>
        <source>Pepper</source>
        <translation>피망</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>음식</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>빵</translation>
    </message>
    <message>
        <source>Croissant</source>
        <translation>크루아상</translation>
    </message>
    <message>
        <source>Baguette</source>
        <translation>바게트</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <translation>프레첼</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>치즈</translation>
    </message>
    <message>
        <source>Egg</source>
        <translation>달걀</translation>
    </message>
    <message>
        <source>Fried Egg</source>
        <translation>달걀프라이</translation>
    </message>
    <message>
        <source>Pancakes</source>
        <translation>팬케이크</translation>
    </message>
    <message>
        <source>Waffle</source>
        <translation>와플</translation>
    </message>
    <message>
        <source>Burger</source>
        <translation>햄버거</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>감자튀김</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>피자</translation>
    </message>
    <message>
        <source>Hot Dog</source>
        <translation>핫도그</translation>
    </message>
    <message>
        <source>Sandwich</source>
        <translation>샌드위치</translation>
    </message>
    <message>
        <source>Taco</source>
        <translation>타코</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>스파게티</translation>
    </message>
    <message>
        <source>Ice Cream</source>
        <translation>아이스크림</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <translation>도넛</translation>
    </message>
    <message>
        <source>Cookie</source>
        <translation>쿠키</translation>
    </message>
    <message>
        <source>Birthday Cake</source>
        <translation>생일 케이크</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>케이크</translation>
    </message>
    <message>
        <source>Cupcake</source>
        <translation>컵케이크</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>초콜릿</translation>
    </message>
    <message>
        <source>Sweet</source>
        <translation>사탕</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <translation>막대사탕</translation>
    </message>
    <message>
        <source>Honey Pot</source>
        <translation>꿀단지</translation>
    </message>
    <message>
        <source>Glass Of Milk</source>
        <translation>우유 한 잔</translation>
    </message>
    <message>
        <source>Juice Box</source>
        <translation>주스 팩</translation>
    </message>
    <message>
        <source>Hot Drink</source>
        <translation>따뜻한 음료</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>파이</translation>
    </message>
    <message>
        <source>Toys and Sports</source>
        <translation>장난감과 운동</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>축구공</translation>
    </message>
    <message>
        <source>Baseball</source>
        <translation>야구공</translation>
    </message>
    <message>
        <source>Basketball</source>
        <translation>농구공</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <translation>배구공</translation>
    </message>
    <message>
        <source>American Football</source>
        <translation>미식축구공</translation>
    </message>
    <message>
        <source>Rugby Ball</source>
        <translation>럭비공</translation>
    </message>
    <message>
        <source>Tennis Ball</source>
        <translation>테니스공</translation>
    </message>
    <message>
        <source>Flying Disc</source>
        <translation>원반</translation>
    </message>
    <message>
        <source>Bowling</source>
        <translation>볼링</translation>
    </message>
    <message>
        <source>Cricket Bat</source>
        <translation>크리켓 방망이</translation>
    </message>
    <message>
        <source>Hockey Stick</source>
        <translation>하키 스틱</translation>
    </message>
    <message>
        <source>Table Tennis</source>
        <translation>탁구</translation>
    </message>
    <message>
        <source>Badminton</source>
        <translation>배드민턴</translation>
    </message>
    <message>
        <source>Boxing Glove</source>
        <translation>권투 장갑</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>골대</translation>
    </message>
    <message>
        <source>Golf Flag</source>
        <translation>골프 깃발</translation>
    </message>
    <message>
        <source>Ice Skate</source>
        <translation>스케이트</translation>
    </message>
    <message>
        <source>Fishing Rod</source>
        <translation>낚싯대</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <translation>스케이트보드</translation>
    </message>
    <message>
        <source>Roller Skate</source>
        <translation>롤러스케이트</translation>
    </message>
    <message>
        <source>Sledge</source>
        <translation>썰매</translation>
    </message>
    <message>
        <source>Curling Stone</source>
        <translation>컬링 스톤</translation>
    </message>
    <message>
        <source>Skis</source>
        <translation>스키</translation>
    </message>
    <message>
        <source>Kite</source>
        <translation>연</translation>
    </message>
    <message>
        <source>Yo-Yo</source>
        <translation>요요</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>곰 인형</translation>
    </message>
    <message>
        <source>Nesting Dolls</source>
        <translation>마트료시카</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>주사위</translation>
    </message>
    <message>
        <source>Jigsaw Piece</source>
        <translation>퍼즐 조각</translation>
    </message>
    <message>
        <source>Game Controller</source>
        <translation>게임 패드</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>트로피</translation>
    </message>
    <message>
        <source>Gold Medal</source>
        <translation>금메달</translation>
    </message>
    <message>
        <source>Dartboard</source>
        <translation>과녁</translation>
    </message>
    <message>
        <source>Boomerang</source>
        <translation>부메랑</translation>
    </message>
    <message>
        <source>Playground Slide</source>
        <translation>미끄럼틀</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Drum</source>
        <translation>드럼</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>트럼펫</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <translation>색소폰</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>바이올린</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>피아노</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>아코디언</translation>
    </message>
    <message>
        <source>Long Drum</source>
        <translation>긴 북</translation>
    </message>
    <message>
        <source>Maracas</source>
        <translation>마라카스</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>피리</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>헤드폰</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>라디오</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>종</translation>
    </message>
    <message>
        <source>Musical Note</source>
        <translation>음표</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>우주</translation>
    </message>
    <message>
        <source>Flying Saucer</source>
        <translation>비행접시</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>인공위성</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>지구</translation>
    </message>
    <message>
        <source>Earth From Asia</source>
        <translation>지구(아시아)</translation>
    </message>
    <message>
        <source>Ringed Planet</source>
        <translation>고리 있는 행성</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>까만 달</translation>
    </message>
    <message>
        <source>Moon Face</source>
        <translation>달 얼굴</translation>
    </message>
    <message>
        <source>Smiling Moon</source>
        <translation>웃는 보름달</translation>
    </message>
    <message>
        <source>Smiling Sun</source>
        <translation>웃는 해</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>해</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>별</translation>
    </message>
    <message>
        <source>Glowing Star</source>
        <translation>빛나는 별</translation>
    </message>
    <message>
        <source>Dizzy Star</source>
        <translation>빙빙 도는 별</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>혜성</translation>
    </message>
    <message>
        <source>Shooting Star</source>
        <translation>별똥별</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>망원경</translation>
    </message>
    <message>
        <source>Alien</source>
        <translation>외계인</translation>
    </message>
    <message>
        <source>Space Invader</source>
        <translation>픽셀 괴물</translation>
    </message>
    <message>
        <source>Earth From America</source>
        <translation>지구(아메리카)</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>그믐달</translation>
    </message>
    <message>
        <source>Half Moon</source>
        <translation>반달</translation>
    </message>
    <message>
        <source>Gibbous Moon</source>
        <translation>볼록한 달</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>날씨</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>구름</translation>
    </message>
    <message>
        <source>Sun Behind Cloud</source>
        <translation>구름 뒤의 해</translation>
    </message>
    <message>
        <source>Storm Cloud</source>
        <translation>폭풍 구름</translation>
    </message>
    <message>
        <source>Sunny Spells</source>
        <translation>해와 작은 구름</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>흐림</translation>
    </message>
    <message>
        <source>Sun And Rain</source>
        <translation>해와 비</translation>
    </message>
    <message>
        <source>Rain Cloud</source>
        <translation>비 오는 구름</translation>
    </message>
    <message>
        <source>Snow Cloud</source>
        <translation>눈 오는 구름</translation>
    </message>
    <message>
        <source>Lightning Cloud</source>
        <translation>번개 구름</translation>
    </message>
    <message>
        <source>Tornado</source>
        <translation>토네이도</translation>
    </message>
    <message>
        <source>Fog</source>
        <translation>안개</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>바람</translation>
    </message>
    <message>
        <source>Whirlwind</source>
        <translation>소용돌이</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>무지개</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <translation>우산</translation>
    </message>
    <message>
        <source>Umbrella In Rain</source>
        <translation>비 오는 날 우산</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>번개</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <translation>눈송이</translation>
    </message>
    <message>
        <source>Snowman In Snow</source>
        <translation>눈 속의 눈사람</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>불</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>물방울</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>파도</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>온도계</translation>
    </message>
    <message>
        <source>Ice Cube</source>
        <translation>얼음</translation>
    </message>
    <message>
        <source>Fantasy</source>
        <translation>판타지</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>마법사</translation>
    </message>
    <message>
        <source>Fairy</source>
        <translation>요정</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>흡혈귀</translation>
    </message>
    <message>
        <source>Mermaid</source>
        <translation>인어</translation>
    </message>
    <message>
        <source>Elf</source>
        <translation>엘프</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>지니</translation>
    </message>
    <message>
        <source>Troll</source>
        <translation>트롤</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>유니콘</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>용</translation>
    </message>
    <message>
        <source>Dragon Face</source>
        <translation>용 얼굴</translation>
    </message>
    <message>
        <source>Long-Neck Dinosaur</source>
        <translation>목 긴 공룡</translation>
    </message>
    <message>
        <source>T-Rex</source>
        <translation>티라노사우루스</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>유령</translation>
    </message>
    <message>
        <source>Ogre</source>
        <translation>도깨비</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>로봇</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>왕관</translation>
    </message>
    <message>
        <source>Crystal Ball</source>
        <translation>수정 구슬</translation>
    </message>
    <message>
        <source>Magic Wand</source>
        <translation>요술 지팡이</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>왕자</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>공주</translation>
    </message>
    <message>
        <source>Ninja</source>
        <translation>닌자</translation>
    </message>
    <message>
        <source>Superhero</source>
        <translation>슈퍼히어로</translation>
    </message>
    <message>
        <source>Villain</source>
        <translation>악당</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>보석</translation>
    </message>
    <message>
        <source>Old Key</source>
        <translation>옛날 열쇠</translation>
    </message>
    <message>
        <source>Zombie</source>
        <translation>좀비</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>천사</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>방패</translation>
    </message>
    <message>
        <source>Dagger</source>
        <translation>단검</translation>
    </message>
    <message>
        <source>Bow And Arrow</source>
        <translation>활과 화살</translation>
    </message>
    <message>
        <source>Seasons and Holidays</source>
        <translation>계절과 명절</translation>
    </message>
    <message>
        <source>Pumpkin Lantern</source>
        <translation>호박 등불</translation>
    </message>
    <message>
        <source>Christmas Tree</source>
        <translation>크리스마스트리</translation>
    </message>
    <message>
        <source>Father Christmas</source>
        <translation>산타 할아버지</translation>
    </message>
    <message>
        <source>Mother Christmas</source>
        <translation>산타 할머니</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>선물</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>풍선</translation>
    </message>
    <message>
        <source>Party Popper</source>
        <translation>파티 크래커</translation>
    </message>
    <message>
        <source>Confetti Ball</source>
        <translation>색종이 공</translation>
    </message>
    <message>
        <source>Firecracker</source>
        <translation>폭죽</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>리본</translation>
    </message>
    <message>
        <source>Wind Chime</source>
        <translation>풍경</translation>
    </message>
    <message>
        <source>Carp Streamer</source>
        <translation>잉어 깃발</translation>
    </message>
    <message>
        <source>Festival Dolls</source>
        <translation>축제 인형</translation>
    </message>
    <message>
        <source>Red Lantern</source>
        <translation>빨간 등</translation>
    </message>
    <message>
        <source>Oil Lamp</source>
        <translation>기름 등잔</translation>
    </message>
    <message>
        <source>Menorah</source>
        <translation>메노라</translation>
    </message>
    <message>
        <source>Red Envelope</source>
        <translation>빨간 봉투</translation>
    </message>
    <message>
        <source>Mirror Ball</source>
        <translation>미러볼</translation>
    </message>
    <message>
        <source>Scarf</source>
        <translation>목도리</translation>
    </message>
    <message>
        <source>Gloves</source>
        <translation>장갑</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>코트</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>부츠</translation>
    </message>
    <message>
        <source>Sun Hat</source>
        <translation>밀짚모자</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>선글라스</translation>
    </message>
    <message>
        <source>Swimsuit</source>
        <translation>수영복</translation>
    </message>
    <message>
        <source>Bikini</source>
        <translation>비키니</translation>
    </message>
    <message>
        <source>White Flag</source>
        <translation>흰 깃발</translation>
    </message>
    <message>
        <source>Chequered Flag</source>
        <translation>체크무늬 깃발</translation>
    </message>
    <message>
        <source>Town and Country</source>
        <translation>도시와 시골</translation>
    </message>
    <message>
        <source>Traffic Light</source>
        <translation>신호등</translation>
    </message>
    <message>
        <source>Side Traffic Light</source>
        <translation>옆으로 된 신호등</translation>
    </message>
    <message>
        <source>Stop Sign</source>
        <translation>정지 표지판</translation>
    </message>
    <message>
        <source>Roadworks</source>
        <translation>공사 중</translation>
    </message>
    <message>
        <source>Petrol Pump</source>
        <translation>주유기</translation>
    </message>
    <message>
        <source>Bus Stop</source>
        <translation>버스 정류장</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>팻말</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>바퀴</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>쓰레기통</translation>
    </message>
    <message>
        <source>Chair</source>
        <translation>의자</translation>
    </message>
    <message>
        <source>Shopping Trolley</source>
        <translation>쇼핑 카트</translation>
    </message>
    <message>
        <source>Basket</source>
        <translation>바구니</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>문</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창문</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>침대</translation>
    </message>
    <message>
        <source>Sofa</source>
        <translation>소파</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>우편함</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>탁상시계</translation>
    </message>
    <message>
        <source>Alarm Clock</source>
        <translation>알람 시계</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>벽돌</translation>
    </message>
    <message>
        <source>Axe</source>
        <translation>도끼</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>나침반</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>곡괭이</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>School Bag</source>
        <translation>책가방</translation>
    </message>
    <message>
        <source>Suitcase</source>
        <translation>여행 가방</translation>
    </message>
    <message>
        <source>Torch</source>
        <translation>손전등</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>닻</translation>
    </message>
    <message>
        <source>Life Ring</source>
        <translation>구명 튜브</translation>
    </message>
    <message>
        <source>Fountain</source>
        <translation>분수</translation>
    </message>
    <message>
        <source>Big Wheel</source>
        <translation>대관람차</translation>
    </message>
    <message>
        <source>Roller Coaster</source>
        <translation>롤러코스터</translation>
    </message>
    <message>
        <source>Carousel Horse</source>
        <translation>회전목마</translation>
    </message>
    <message>
        <source>Old Post Office</source>
        <translation>옛 우체국</translation>
    </message>
    <message>
        <source>Mountain Train</source>
        <translation>산악 열차</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>계절</translation>
    </message>
    <message>
        <source>Spring and summer days</source>
        <translation>봄날과 여름날</translation>
    </message>
    <message>
        <source>Spring Morning</source>
        <translation>봄 아침</translation>
    </message>
    <message>
        <source>Blossom Breeze</source>
        <translation>꽃바람</translation>
    </message>
    <message>
        <source>Warm Evening</source>
        <translation>따뜻한 저녁</translation>
    </message>
    <message>
        <source>Spring Meadow</source>
        <translation>봄 들판</translation>
    </message>
    <message>
        <source>Summer Fields</source>
        <translation>여름 밭</translation>
    </message>
    <message>
        <source>Blossom Orchard</source>
        <translation>꽃 핀 과수원</translation>
    </message>
    <message>
        <source>Green Valley</source>
        <translation>초록 골짜기</translation>
    </message>
    <message>
        <source>Poppy Hill</source>
        <translation>양귀비 언덕</translation>
    </message>
    <message>
        <source>Autumn and winter days</source>
        <translation>가을날과 겨울날</translation>
    </message>
    <message>
        <source>Autumn Afternoon</source>
        <translation>가을 오후</translation>
    </message>
    <message>
        <source>Winter Sun</source>
        <translation>겨울 해</translation>
    </message>
    <message>
        <source>Snowfall</source>
        <translation>눈 내리는 날</translation>
    </message>
    <message>
        <source>Frosty Evening</source>
        <translation>서리 내린 저녁</translation>
    </message>
    <message>
        <source>Autumn Woods</source>
        <translation>가을 숲</translation>
    </message>
    <message>
        <source>Harvest Hills</source>
        <translation>추수 언덕</translation>
    </message>
    <message>
        <source>Bare Trees</source>
        <translation>앙상한 나무</translation>
    </message>
    <message>
        <source>Snowy Fields</source>
        <translation>눈 덮인 들판</translation>
    </message>
    <message>
        <source>Frozen Pond</source>
        <translation>얼어붙은 연못</translation>
    </message>
    <message>
        <source>Rain, storms, wind and fog</source>
        <translation>비, 폭풍, 바람, 안개</translation>
    </message>
    <message>
        <source>Rain Clouds</source>
        <translation>비구름</translation>
    </message>
    <message>
        <source>Thunderstorm</source>
        <translation>천둥 번개</translation>
    </message>
    <message>
        <source>Windy Day</source>
        <translation>바람 부는 날</translation>
    </message>
    <message>
        <source>Foggy Day</source>
        <translation>안개 낀 날</translation>
    </message>
    <message>
        <source>Wet Meadow</source>
        <translation>젖은 풀밭</translation>
    </message>
    <message>
        <source>Green Hills</source>
        <translation>초록 언덕</translation>
    </message>
    <message>
        <source>Windy Heath</source>
        <translation>바람 부는 들판</translation>
    </message>
    <message>
        <source>Foggy Hills</source>
        <translation>안개 낀 언덕</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>밤</translation>
    </message>
    <message>
        <source>Moon, stars and the dark</source>
        <translation>달, 별, 그리고 어둠</translation>
    </message>
    <message>
        <source>Dark Hills</source>
        <translation>어두운 언덕</translation>
    </message>
    <message>
        <source>Night Town</source>
        <translation>밤거리</translation>
    </message>
    <message>
        <source>Moonlit Lake</source>
        <translation>달빛 호수</translation>
    </message>
    <message>
        <source>Quiet Village</source>
        <translation>조용한 마을</translation>
    </message>
    <message>
        <source>Late evenings and deep nights</source>
        <translation>늦은 저녁과 깊은 밤</translation>
    </message>
    <message>
        <source>Purple Dusk</source>
        <translation>보랏빛 노을</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>떠오르는 달</translation>
    </message>
    <message>
        <source>Midnight Blue</source>
        <translation>한밤의 파랑</translation>
    </message>
    <message>
        <source>Shooting Stars</source>
        <translation>별똥별 가득</translation>
    </message>
    <message>
        <source>Lantern Night</source>
        <translation>등불이 켜진 밤</translation>
    </message>
    <message>
        <source>Castle Hill</source>
        <translation>성이 있는 언덕</translation>
    </message>
    <message>
        <source>Sleepy Farm</source>
        <translation>잠든 농장</translation>
    </message>
    <message>
        <source>Night Harbour</source>
        <translation>밤 항구</translation>
    </message>
    <message>
        <source>Silent Snow</source>
        <translation>고요한 눈</translation>
    </message>
    <message>
        <source>City Lights</source>
        <translation>도시 불빛</translation>
    </message>
    <message>
        <source>Sun, sand and sea</source>
        <translation>해, 모래, 바다</translation>
    </message>
    <message>
        <source>Beach Day</source>
        <translation>해변의 하루</translation>
    </message>
    <message>
        <source>Tropical Sun</source>
        <translation>열대의 해</translation>
    </message>
    <message>
        <source>Sea Breeze</source>
        <translation>바닷바람</translation>
    </message>
    <message>
        <source>Sunset Over The Sea</source>
        <translation>바다 위 노을</translation>
    </message>
    <message>
        <source>Cloudy Coast</source>
        <translation>흐린 해안</translation>
    </message>
    <message>
        <source>Calm Sea</source>
        <translation>잔잔한 바다</translation>
    </message>
    <message>
        <source>Rocky Shore</source>
        <translation>바위 바닷가</translation>
    </message>
    <message>
        <source>Harbour</source>
        <translation>항구</translation>
    </message>
    <message>
        <source>Palm Island</source>
        <translation>야자 섬</translation>
    </message>
    <message>
        <source>Cliffs, waves and lighthouses</source>
        <translation>절벽, 파도, 등대</translation>
    </message>
    <message>
        <source>Bright Morning</source>
        <translation>밝은 아침</translation>
    </message>
    <message>
        <source>Gulls And Clouds</source>
        <translation>갈매기와 구름</translation>
    </message>
    <message>
        <source>Golden Hour</source>
        <translation>황금빛 시간</translation>
    </message>
    <message>
        <source>Grey Sea Day</source>
        <translation>회색 바다</translation>
    </message>
    <message>
        <source>Pink Sunrise</source>
        <translation>분홍 해돋이</translation>
    </message>
    <message>
        <source>White Cliffs</source>
        <translation>하얀 절벽</translation>
    </message>
    <message>
        <source>Big Waves</source>
        <translation>큰 파도</translation>
    </message>
    <message>
        <source>Lighthouse Point</source>
        <translation>등대 곶</translation>
    </message>
    <message>
        <source>Shell Beach</source>
        <translation>조개 해변</translation>
    </message>
    <message>
        <source>Lagoon</source>
        <translation>잔잔한 만</translation>
    </message>
    <message>
        <source>Desert</source>
        <translation>사막</translation>
    </message>
    <message>
        <source>Dunes, canyons and cactus</source>
        <translation>모래 언덕, 협곡, 선인장</translation>
    </message>
    <message>
        <source>Desert Sun</source>
        <translation>사막의 해</translation>
    </message>
    <message>
        <source>Hot Noon</source>
        <translation>뜨거운 한낮</translation>
    </message>
    <message>
        <source>Dusty Sky</source>
        <translation>먼지 낀 하늘</translation>
    </message>
    <message>
        <source>Desert Sunset</source>
        <translation>사막의 노을</translation>
    </message>
    <message>
        <source>Desert Night</source>
        <translation>사막의 밤</translation>
    </message>
    <message>
        <source>Cactus Plain</source>
        <translation>선인장 벌판</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>오아시스</translation>
    </message>
    <message>
        <source>Stone Towers</source>
        <translation>돌기둥</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>눈과 얼음</translation>
    </message>
    <message>
        <source>Ice, snow and high mountains</source>
        <translation>얼음, 눈, 높은 산</translation>
    </message>
    <message>
        <source>Crisp Blue</source>
        <translation>차가운 파란 하늘</translation>
    </message>
    <message>
        <source>Polar Night</source>
        <translation>극지방의 밤</translation>
    </message>
    <message>
        <source>Alpine Sunrise</source>
        <translation>산 위의 해돋이</translation>
    </message>
    <message>
        <source>Blizzard</source>
        <translation>눈보라</translation>
    </message>
    <message>
        <source>Snowy Peaks</source>
        <translation>눈 덮인 봉우리</translation>
    </message>
    <message>
        <source>Ice Floes</source>
        <translation>떠다니는 얼음</translation>
    </message>
    <message>
        <source>Ski Slope</source>
        <translation>스키장</translation>
    </message>
    <message>
        <source>Igloo Camp</source>
        <translation>이글루 캠프</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>도시</translation>
    </message>
    <message>
        <source>Streets, parks and rooftops</source>
        <translation>거리, 공원, 지붕</translation>
    </message>
    <message>
        <source>Town Morning</source>
        <translation>도시의 아침</translation>
    </message>
    <message>
        <source>Busy Afternoon</source>
        <translation>바쁜 오후</translation>
    </message>
    <message>
        <source>Rainy Town</source>
        <translation>비 오는 도시</translation>
    </message>
    <message>
        <source>Town Sunset</source>
        <translation>도시의 노을</translation>
    </message>
    <message>
        <source>Smoky Sky</source>
        <translation>뿌연 하늘</translation>
    </message>
    <message>
        <source>Rooftops</source>
        <translation>지붕들</translation>
    </message>
    <message>
        <source>Park</source>
        <translation>공원</translation>
    </message>
    <message>
        <source>High Street</source>
        <translation>번화가</translation>
    </message>
    <message>
        <source>Skyscrapers</source>
        <translation>고층 빌딩</translation>
    </message>
    <message>
        <source>Old Town</source>
        <translation>구시가지</translation>
    </message>
    <message>
        <source>Countryside</source>
        <translation>시골</translation>
    </message>
    <message>
        <source>Farms, fields and villages</source>
        <translation>농장, 밭, 마을</translation>
    </message>
    <message>
        <source>Farm Morning</source>
        <translation>농장의 아침</translation>
    </message>
    <message>
        <source>Haymaking Day</source>
        <translation>건초 만드는 날</translation>
    </message>
    <message>
        <source>Country Clouds</source>
        <translation>시골 구름</translation>
    </message>
    <message>
        <source>Orchard Evening</source>
        <translation>과수원의 저녁</translation>
    </message>
    <message>
        <source>Patchwork Fields</source>
        <translation>조각보 밭</translation>
    </message>
    <message>
        <source>Village Green</source>
        <translation>마을 잔디밭</translation>
    </message>
    <message>
        <source>Orchard</source>
        <translation>과수원</translation>
    </message>
    <message>
        <source>Windy Farm</source>
        <translation>바람 부는 농장</translation>
    </message>
    <message>
        <source>Planets, moons and stars</source>
        <translation>행성, 위성, 별</translation>
    </message>
    <message>
        <source>Deep Space</source>
        <translation>깊은 우주</translation>
    </message>
    <message>
        <source>Earthrise</source>
        <translation>떠오르는 지구</translation>
    </message>
    <message>
        <source>Two Moons</source>
        <translation>두 개의 달</translation>
    </message>
    <message>
        <source>Nebula</source>
        <translation>성운</translation>
    </message>
    <message>
        <source>Moon Craters</source>
        <translation>달 크레이터</translation>
    </message>
    <message>
        <source>Red Planet</source>
        <translation>붉은 행성</translation>
    </message>
    <message>
        <source>Ice World</source>
        <translation>얼음 세계</translation>
    </message>
    <message>
        <source>Alien Jungle</source>
        <translation>외계 정글</translation>
    </message>
    <message>
        <source>Space Base</source>
        <translation>우주 기지</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>veldor::SpinButton</name>
    <message>
        <source>More copies</source>
        <translation>더 많이</translation>
    </message>
    <message>
        <source>Fewer copies</source>
        <translation>더 적게</translation>
    </message>
</context>
<context>
    <name>veldor::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>버전 1.00</translation>
    </message>
    <message>
        <source>(c) 2026 the Veldor developers.
Free to use and share.</source>
        <translation>(c) 2026 Veldor 개발자들.
마음껏 쓰고 나눌 수 있어요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>veldor::TBMPSave</name>
    <message>
        <source>Export as BMP</source>
        <translation>BMP로 내보내기</translation>
    </message>
    <message>
        <source>What resolution would you like to export the BMP as?</source>
        <translation>BMP를 어떤 크기로 내보낼까요?</translation>
    </message>
    <message>
        <source>630 x 340 (Standard)</source>
        <translation>630 x 340 (보통)</translation>
    </message>
    <message>
        <source>640 x 480 (Stretched)</source>
        <translation>640 x 480 (늘림)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)</source>
        <translation>비트맵 파일 (*.bmp);;PNG 그림 (*.png);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Export as BMP (630 x 340)</source>
        <translation>BMP로 내보내기 (630 x 340)</translation>
    </message>
    <message>
        <source>Export as BMP (640 x 480)</source>
        <translation>BMP로 내보내기 (640 x 480)</translation>
    </message>
</context>
<context>
    <name>veldor::TLandPack</name>
    <message>
        <source>Landscape: Select Image Pack</source>
        <translation>풍경: 그림 꾸러미 고르기</translation>
    </message>
</context>
<context>
    <name>veldor::TMainForm</name>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>풍경</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>하늘</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>물건</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>특수 효과</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Export as BMP</source>
        <translation>BMP로 내보내기</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>다시 그리기</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>새 파일 만들기</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>있는 파일 열기</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>파일 저장하기</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>새 이름으로 파일 저장하기</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>프린터 고르기(&amp;R)</translation>
    </message>
    <message>
        <source>Export &amp;BMP...</source>
        <translation>BMP로 내보내기(&amp;B)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>프로그램 끝내기</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>되돌리기(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>마지막 바뀐 것 되돌리기</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 하기(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>되돌린 것 다시 하기</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>클립보드에 복사하기</translation>
    </message>
    <message>
        <source>Too&amp;ls</source>
        <translation>도구(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Delete All</source>
        <translation>모두 지우기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Un-Delete All</source>
        <translation>모두 되살리기(&amp;U)</translation>
    </message>
    <message>
        <source>Bring All To &amp;Front</source>
        <translation>모두 앞으로(&amp;F)</translation>
    </message>
    <message>
        <source>Send All &amp;Behind Land</source>
        <translation>모두 땅 뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Veldor</source>
        <translation>Veldor(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>풍경(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sky</source>
        <translation>하늘(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>물건(&amp;O)</translation>
    </message>
    <message>
        <source>Special &amp;Effects</source>
        <translation>특수 효과(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>프로그램 정보 보기</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>프린터 고르기(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>땅(&amp;G)</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>남기기</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>앞으로 가져오기</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>옮기기</translation>
    </message>
    <message>
        <source>Re-Size</source>
        <translation>크기 바꾸기</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>땅 뒤로 보내기</translation>
    </message>
    <message>
        <source>Send To Front Of Landscape</source>
        <translation>풍경 앞으로 보내기</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>물건 지우기</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>효과</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Un-Delete All</source>
        <translation>모두 되살리기</translation>
    </message>
    <message>
        <source>Bring All To Front</source>
        <translation>모두 앞으로</translation>
    </message>
    <message>
        <source>Send All Behind Land</source>
        <translation>모두 땅 뒤로</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>되돌리기(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>다시 하기(&amp;R): %1</translation>
    </message>
    <message>
        <source>Veldor Files [*.vdr] (*.vdr)</source>
        <translation>Veldor 파일 [*.vdr] (*.vdr)</translation>
    </message>
    <message>
        <source>Veldor File (*.vdr)</source>
        <translation>Veldor 파일 (*.vdr)</translation>
    </message>
    <message>
        <source>Installing Image Pack...</source>
        <translation>그림 꾸러미를 설치하는 중...</translation>
    </message>
    <message>
        <source>Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up.</source>
        <translation>Tab: 물건 고르기. 화살표와 Enter: 놓기, 옮기기, 크기 바꾸기. Esc: 그만두기.</translation>
    </message>
    <message>
        <source>Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter</source>
        <translation>물건을 고른 다음 그림 위에서 네모를 끌거나, 화살표 키와 Enter를 써요</translation>
    </message>
    <message>
        <source>at %1, %2, %3 by %4</source>
        <translation>위치 %1, %2, 크기 %3×%4</translation>
    </message>
    <message>
        <source>%1, %2. Enter edits it.</source>
        <translation>%1, %2. Enter를 누르면 바꿀 수 있어요.</translation>
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
        <translation>그만뒀어요: %1</translation>
    </message>
    <message>
        <source>place the object first (drag, or arrows and Enter), or press Escape.</source>
        <translation>먼저 물건을 놓아요(끌기, 또는 화살표와 Enter). 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>answer the New Object window first, or press Escape.</source>
        <translation>먼저 &apos;새 물건&apos; 창에 대답해요. 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>answer the Object Edit window first, or press Escape.</source>
        <translation>먼저 &apos;물건 바꾸기&apos; 창에 대답해요. 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>drop the object first (click, or Enter), or press Escape.</source>
        <translation>먼저 물건을 내려놓아요(누르기, 또는 Enter). 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>answer the Object Move window first, or press Escape.</source>
        <translation>먼저 &apos;물건 옮기기&apos; 창에 대답해요. 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>draw the new size first (drag, or arrows and Enter), or press Escape.</source>
        <translation>먼저 새 크기를 그려요(끌기, 또는 화살표와 Enter). 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>answer the Re-Size Object window first, or press Escape.</source>
        <translation>먼저 &apos;크기 바꾸기&apos; 창에 대답해요. 그만두려면 Esc를 눌러요.</translation>
    </message>
    <message>
        <source>%1 must wait: %2</source>
        <translation>지금은 %1 할 수 없어요: %2</translation>
    </message>
    <message>
        <source>%1: drag it on the picture, or press an arrow key there.</source>
        <translation>%1: 그림 위에서 끌거나, 거기서 화살표 키를 눌러요.</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>그림: %1</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectLibrary</name>
    <message>
        <source>More Objects</source>
        <translation>물건 더 보기</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>찾기(&amp;F):</translation>
    </message>
    <message>
        <source>Type a name, like cat or bus</source>
        <translation>이름을 써요. 예: 고양이, 버스</translation>
    </message>
    <message>
        <source>Find an object by its name</source>
        <translation>이름으로 물건 찾기</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>물건</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Other Objects</source>
        <translation>다른 물건</translation>
    </message>
    <message>
        <source>No image pack with objects is in the packs folder.</source>
        <translation>팩 폴더에 물건 그림 팩이 없어요.</translation>
    </message>
    <message>
        <source>No object is called “%1”.</source>
        <translation>“%1”(이)라는 물건이 없어요.</translation>
    </message>
    <message>
        <source>1 object</source>
        <translation>물건 1개</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>물건 %1개</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectPack</name>
    <message>
        <source>Objects: Select Image Pack</source>
        <translation>물건: 그림 꾸러미 고르기</translation>
    </message>
</context>
<context>
    <name>veldor::TObjectx</name>
    <message>
        <source>Please Select an Object</source>
        <translation>물건을 골라 주세요</translation>
    </message>
    <message>
        <source>More Objects...</source>
        <translation>물건 더 보기...</translation>
    </message>
</context>
<context>
    <name>veldor::TPrintForm</name>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>To select a different printer, press &apos;Printer Setup&apos;</source>
        <translation>다른 프린터를 고르려면 &apos;프린터 고르기&apos;를 눌러요</translation>
    </message>
    <message>
        <source>Number of copies Veldor will print:</source>
        <translation>Veldor가 인쇄할 장수:</translation>
    </message>
    <message>
        <source>Printer Setup...</source>
        <translation>프린터 고르기...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>장수</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>파일로 인쇄</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF 파일 (*.pdf);;모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>veldor::TSkyPack</name>
    <message>
        <source>Sky: Select Image Pack</source>
        <translation>하늘: 그림 꾸러미 고르기</translation>
    </message>
</context>
<context>
    <name>veldor::TWaitBox</name>
    <message>
        <source>Please Wait, Rendering...</source>
        <translation>잠깐만요, 그리는 중...</translation>
    </message>
</context>
<context>
    <name>veldor::Teffects</name>
    <message>
        <source>Special Effects</source>
        <translation>특수 효과</translation>
    </message>
    <message>
        <source>Applying effects may take some time.</source>
        <translation>효과를 넣는 데 시간이 좀 걸릴 수 있어요.</translation>
    </message>
    <message>
        <source>Please be aware that the effects will go away when you re-render your image.</source>
        <translation>조심하세요: 그림을 다시 그리면 효과가 사라져요.</translation>
    </message>
    <message>
        <source>Special Effects are to be used after you have created your landscape so that you</source>
        <translation>특수 효과는 풍경을 다 만든 다음에 써요. 그러면</translation>
    </message>
    <message>
        <source>can save or print your image while the effects are on screen.</source>
        <translation>효과가 화면에 있을 때 그림을 저장하거나 인쇄할 수 있어요.</translation>
    </message>
    <message>
        <source>Special Effects To Apply:</source>
        <translation>넣을 효과:</translation>
    </message>
    <message>
        <source>Anti-alias</source>
        <translation>가장자리 부드럽게</translation>
    </message>
    <message>
        <source>XOR Colours</source>
        <translation>색 뒤집기 (XOR)</translation>
    </message>
    <message>
        <source>XOR Colour Options</source>
        <translation>색 뒤집기 설정</translation>
    </message>
    <message>
        <source>Tint Colours</source>
        <translation>색 입히기</translation>
    </message>
    <message>
        <source>Tint Options...</source>
        <translation>색 설정...</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Apply Effects</source>
        <translation>효과 넣기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Applying Effects...</source>
        <translation>효과를 넣는 중...</translation>
    </message>
</context>
<context>
    <name>veldor::Thelpbox</name>
    <message>
        <source>Veldor Help</source>
        <translation>Veldor 도움말</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 내용</translation>
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
        <translation>빨리 시작하기
-=-=-=-=-=-=-

이 짧은 안내를 따라 Veldor로 첫 그림을 만들어 봐요.

1단계: 하늘 고르기

도구 막대에서 왼쪽 두 번째 버튼인 하늘 아이콘을 눌러요. 하늘 창이 열려요. 하늘 하나를 눌러요. 처음에는 &apos;먹구름&apos;이 좋아요. 새 하늘로 그림이 다시 그려져요. 다 그려지면 하늘 창을 닫아요.

2단계: 풍경 고르기

도구 막대의 첫 번째 버튼인 풍경 아이콘을 누르고 풍경을 골라요. &apos;무인도&apos;를 해 봐요. 풍경은 하늘 위에 그려지고, 하늘의 빛이 풍경에 색을 입혀요.

3단계: 물건 넣고 바꾸기

왼쪽 세 번째 버튼인 물건 아이콘을 누르고 &apos;열기구&apos;를 골라요. 창이 닫혀요.

이제 열기구를 놓고 싶은 곳에서 마우스 버튼을 누르고, 누른 채로 오른쪽 아래로 끌어요. 끌어서 만든 네모가 열기구의 크기가 돼요.

손을 떼면 열기구가 그려지고, 작은 창이 남길지 물어봐요:
   &apos;크기 바꾸기&apos;는 그림을 다시 그려서 아까처럼 열기구의 네모를 한 번 더 끌 수 있게 해요.
   &apos;남기지 않기&apos;는 새 물건을 없애요.
   &apos;남기기&apos;는 그림에 그대로 남겨요.

나중에 물건을 누르면 옮기거나, 크기를 바꾸거나, 지우거나, 땅 뒤로 보낼 수 있어요.

키보드로 하기:
   그림에 점선 테두리가 보일 때까지 Tab을 눌러요. 물건을 고른 다음 화살표 키를 누르면 네모가 물건이 갈 자리를 보여 줘요. 화살표 키로 옮기고(Shift를 같이 누르면 열 칸씩), Ctrl과 화살표 키로 크게 하거나 작게 해요. Enter를 누르면 물건이 거기에 놓이고, Esc를 누르면 그만둬요.
   아무것도 고르지 않았을 때는 Tab과 Shift+Tab으로 그림 속 물건을 하나씩 옮겨 다녀요. Enter를 누르면 물건을 눌렀을 때처럼 그 창이 열려요.
   &apos;옮기기&apos;나 &apos;크기 바꾸기&apos; 다음에는 화살표 키로 테두리를 옮기거나 크기를 바꾸고, Enter로 끝내요. Esc는 취소처럼 모든 바꾸기를 멈춰요.

4단계: 그림 마무리하기

   가장자리 부드럽게:
   물건과 풍경의 삐죽삐죽한 가장자리를 부드럽게 해 줘요. 왼쪽 네 번째인 효과 아이콘을 눌러요. &apos;가장자리 부드럽게&apos; 칸에만 표시를 남기고 &apos;효과 넣기&apos;를 눌러요.

   BMP로 저장하기:
   오른쪽 두 번째 버튼인 내보내기 아이콘을 눌러요. 그림 크기를 고르는 창이 열리고, 그다음 늘 보던 저장 창이 파일 이름을 물어봐요.

버튼 설명
-=-=-=-=-

(아이콘을 왼쪽부터 오른쪽으로.)

풍경: 풍경을 골라요.
하늘: 하늘을 골라요.
물건: 물건을 넣어요.
효과: 그림에 효과를 넣어요.
------------------------------
새로: 새 그림을 시작해요.
인쇄: 그림을 인쇄해요 (다른 설정도 있어요).
저장: 그림을 .VDR 파일로 저장해요.
열기: .VDR 파일을 열어요.
BMP 저장: 그림을 .BMP 파일로 저장해요.
------------------------------
다시 그리기: 그림을 다시 그려요.

그림을 오른쪽 버튼으로 누르면 모든 명령이 있는 메뉴가 나와요.
도구 메뉴로 모든 물건을 한꺼번에 지우고, 되살리고, 옮길 수 있어요.
</translation>
    </message>
</context>
<context>
    <name>veldor::Tlandscape</name>
    <message>
        <source>Please Select Landscape</source>
        <translation>풍경을 골라 주세요</translation>
    </message>
    <message>
        <source>No Landscape</source>
        <translation>풍경 없음</translation>
    </message>
</context>
<context>
    <name>veldor::Tmover</name>
    <message>
        <source>Object Move</source>
        <translation>물건 옮기기</translation>
    </message>
    <message>
        <source>You have just moved an object. What would you like to do?</source>
        <translation>방금 물건을 옮겼어요. 어떻게 할까요?</translation>
    </message>
    <message>
        <source>Confirm Move</source>
        <translation>이대로 두기</translation>
    </message>
    <message>
        <source>Redo Move</source>
        <translation>다시 옮기기</translation>
    </message>
    <message>
        <source>Cancel Move</source>
        <translation>옮기기 취소</translation>
    </message>
</context>
<context>
    <name>veldor::Tnewbox</name>
    <message>
        <source>Confirm New</source>
        <translation>새 그림</translation>
    </message>
    <message>
        <source>Confirm New Image?</source>
        <translation>새 그림을 시작할까요?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>veldor::Tnotvdr</name>
    <message>
        <source>This is not a Veldor File</source>
        <translation>Veldor 파일이 아니에요</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
</context>
<context>
    <name>veldor::Tobchange</name>
    <message>
        <source>Object Edit</source>
        <translation>물건 바꾸기</translation>
    </message>
    <message>
        <source>You have selected object:</source>
        <translation>고른 물건:</translation>
    </message>
    <message>
        <source>What would you like to do with it?</source>
        <translation>어떻게 할까요?</translation>
    </message>
    <message>
        <source>Delete It</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Move It</source>
        <translation>옮기기</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>크기 바꾸기</translation>
    </message>
    <message>
        <source>Bring It To Front</source>
        <translation>앞으로 가져오기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Send Behind Land</source>
        <translation>땅 뒤로 보내기</translation>
    </message>
</context>
<context>
    <name>veldor::Tobconfirm</name>
    <message>
        <source>New Object</source>
        <translation>새 물건</translation>
    </message>
    <message>
        <source>You have selected a new object. What would you like to do with it?</source>
        <translation>새 물건을 골랐어요. 어떻게 할까요?</translation>
    </message>
    <message>
        <source>Keep It</source>
        <translation>남기기</translation>
    </message>
    <message>
        <source>Re-Size It</source>
        <translation>크기 바꾸기</translation>
    </message>
    <message>
        <source>Do Not Keep It</source>
        <translation>남기지 않기</translation>
    </message>
</context>
<context>
    <name>veldor::Tobhind</name>
    <message>
        <source>Object Edit</source>
        <translation>물건 바꾸기</translation>
    </message>
    <message>
        <source>You have selected an object which is behind the landscape.</source>
        <translation>풍경 뒤에 있는 물건을 골랐어요.</translation>
    </message>
    <message>
        <source>What would you like to do with object:</source>
        <translation>이 물건을 어떻게 할까요:</translation>
    </message>
    <message>
        <source>Send Object To Front Of Landscape</source>
        <translation>물건을 풍경 앞으로 보내기</translation>
    </message>
    <message>
        <source>Delete Object</source>
        <translation>물건 지우기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>veldor::Tresizer</name>
    <message>
        <source>Re-Size Object</source>
        <translation>크기 바꾸기</translation>
    </message>
    <message>
        <source>You have justed re-sized an object. What would you like to do?</source>
        <translation>방금 물건 크기를 바꿨어요. 어떻게 할까요?</translation>
    </message>
    <message>
        <source>Keep Changes</source>
        <translation>이대로 두기</translation>
    </message>
    <message>
        <source>Redo Re-Size</source>
        <translation>다시 바꾸기</translation>
    </message>
    <message>
        <source>Cancel Re-Size</source>
        <translation>크기 바꾸기 취소</translation>
    </message>
</context>
<context>
    <name>veldor::Tsky</name>
    <message>
        <source>Please Select Sky</source>
        <translation>하늘을 골라 주세요</translation>
    </message>
</context>
</TS>
