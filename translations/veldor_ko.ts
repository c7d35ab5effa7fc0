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
