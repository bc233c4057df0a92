<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; 감지된 구분 기호: 쉼표</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; 감지된 구분 기호: 쉼표(따옴표로 묶인 필드 있음)</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>쉼표로 구분, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>쉼표로 구분, 따옴표로 묶인 필드 있음, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; 감지된 구분 기호: 세미콜론</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; 감지된 구분 기호: 세미콜론(따옴표로 묶인 필드 있음)</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>세미콜론으로 구분, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>세미콜론으로 구분, 따옴표로 묶인 필드 있음, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; 감지된 구분 기호: 탭</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; 감지된 구분 기호: 탭(따옴표로 묶인 필드 있음)</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>탭으로 구분, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>탭으로 구분, 따옴표로 묶인 필드 있음, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; 감지된 구분 기호: 세로 막대</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; 감지된 구분 기호: 세로 막대(따옴표로 묶인 필드 있음)</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>세로 막대로 구분, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>세로 막대로 구분, 따옴표로 묶인 필드 있음, 파일 시작 부분에서 찾음</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; 고유 구분 기호 없음: 줄 전체</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>선택함</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>추정</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>감지함</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>혼합</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> 올바른 UTF-8 시퀀스도 %Ln개 있습니다: 다른 인코딩의 바이트가 섞인 UTF-8일 수 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln바이트는 windows-1252에서 의미가 없어 제어 문자로 남겼습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln문자를 읽을 수 없어 U+FFFD가 되었습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>파일 &quot;%1&quot;을(를) UTF-8로 읽었고 UTF-8이 아닌 %Ln바이트는 windows-1252로 읽었지만, %2. 다른 인코딩이라면 %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>파일 &quot;%1&quot;을(를) %2(으)로 읽었지만, %3. 다른 인코딩이라면 %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>파일 &quot;%1&quot;을(를) UTF-8로 읽었습니다. UTF-8이 아닌 %Ln바이트는 windows-1252로 읽었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>파일 &quot;%1&quot;의 인코딩을 확실히 알 수 없어 %2로 읽었습니다. 텍스트가 이상하면 %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>파일 &quot;%1&quot;을(를) %2(으)로 읽었습니다. 텍스트가 이상하면 %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>파일 &quot;%1&quot;의 줄은 쉼표, 세미콜론, 탭, 세로 막대 중 어느 것으로도 고르게 나뉘지 않습니다: 줄 전체가 각각 한 셀이 됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>파일 &quot;%1&quot;은(는) 대부분의 줄에 맞춰 %2(으)로 나뉩니다: 처음 %3개 줄 중 %Ln개 줄은 셀 수가 다르지만 그대로 나뉩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>파일 &quot;%1&quot;의 줄은 %2(으)로도 %3(으)로도 똑같이 잘 나뉩니다: %2(으)로 나뉩니다.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>파일 &quot;%1&quot;에 %2번째 줄에서 열리고 닫히지 않는 따옴표 필드가 있습니다: 파일의 나머지는 그 한 셀에 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>파일 &quot;%1&quot;의 표 위에 있는 %Ln개 줄을 건너뛰었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; 소수점은 쉼표</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; 소수점은 마침표</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln행</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>약 %Ln행</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; 줄 끝: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>찾음</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>줄 전체</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>소수점 쉼표</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>소수점 마침표</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>%1 없음</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>%1 추가</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2(%3), %4, 가장 넓은 행 %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln셀</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, 고유 구분 기호 없음: 줄 전체</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, %1(으)로 구분</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, 소수점은 쉼표</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, 소수점은 마침표</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, %1(으)로 구분된 것 같음</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, 표 위의 %Ln개 줄 건너뜀</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>시트</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>첫 행</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>마지막 행</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>인코딩</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>인코딩 결정 방식</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>구분 기호</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>따옴표</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>건너뛴 줄</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>행 수</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>열 수</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>머리글 변경</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1부터 %2까지</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>따옴표 안의 필드는 하나로</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>따옴표 없음</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 (압축 시 %2)</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: 읽지 못함: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>파일 &quot;%1&quot;의 표 위에 있는 %Ln개 줄을 건너뛰었습니다. 첫 줄: “%2”.</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>파일 &quot;%1&quot;의 머리글은 필드 하나(“%2”)뿐인데 그 아래 행은 %3개입니다. 표 위의 제목으로 보입니다. 각 파일의 표 위 줄을 건너뛰려면 건너뛸 줄을 자동으로 설정하십시오(--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>파일 &quot;%1&quot;의 행은 고르지 않게, 한 구분 기호에서만 나뉩니다. 처음 %3개 행 중 %Ln개 행이 나뉘는 %2에서 나눕니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>파일 &quot;%2&quot;의 %1번째 줄에 있는 따옴표는 짝이 없습니다. 이 파일의 따옴표는 필드를 감싸는 것이 아니라 텍스트로 읽었습니다.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>파일 &quot;%1&quot;에서 따옴표로 묶인 필드가 %2번째 줄부터 %3번째 줄까지 이어져 한 셀이 되었습니다. 여러 행이어야 한다면 %2번째 줄의 따옴표에 짝이 없는 것입니다.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>파일 &quot;%1&quot;의 열 %2에는 숫자로 바꾸면 달라지는 &quot;%3&quot;이(가) 있어 열 전체를 텍스트로 둡니다.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>파일 &quot;%1&quot;의 열 %2의 날짜(&quot;%3&quot;)는 일과 월 중 무엇이 먼저인지 알 수 없어 텍스트로 둡니다. 날짜로 저장하려면 순서를 선택하십시오(--column 이름=date-dmy 또는 date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>파일 &quot;%1&quot;의 열 %2에는 일이 먼저인 날짜와 월이 먼저인 날짜(&quot;%3&quot;)가 있어 텍스트로 둡니다.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; 열 종류: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>열 종류</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>처리 중: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>문서의 %1 위치에 시트가 없습니다.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>문서에는 시트를 최대 %1개까지 넣을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>감지된 대로</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>날짜 일/월/년</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>날짜 월/일/년</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>날짜 년-월-일</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>열 %1의 종류</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>열 %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>선택한 종류: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>문서를 Calc에 표시하지 않고 FILE에 씁니다. 형식은 확장자(.ods, .xlsx, .fods)를 따릅니다. LibreOffice가 필요 없습니다.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>파일마다 시트 하나(기본값: 모든 파일을 한 시트에).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>파일마다 시트 하나, 지정한 순서대로, 각각 파일 이름을 붙입니다(2024-01.csv). --sheet-per-file을 포함합니다.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon, pipe: 각 줄을 그 위치에서 셀로 나눕니다. auto: 각 파일을 그 시작 부분에서 찾은 고유 구분 기호(쉼표, 세미콜론, 탭, 세로 막대)로 나눕니다.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>각 줄을 TEXT에서 셀로 나눕니다(아무 텍스트, 여러 문자 가능).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>폴더 PATH의 경우: 이름이 .EXT로 끝나는 파일을 &quot;폴더의 모든 파일 추가&quot;와 같은 방식으로 찾습니다(기본값: 끌어다 놓기처럼 모든 파일).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>CSV 파일처럼 큰따옴표 안의 텍스트를 함께 유지합니다: 따옴표 안의 구분 기호나 줄 바꿈은 셀에 속하며, &quot;&quot;는 따옴표 하나입니다.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>바이트 순서 표시가 없는 파일을 NAME으로 읽습니다: Qt가 읽는 모든 인코딩, 대소문자 무관(--list-encodings로 일반적인 것을 나열). 기본값 auto는 파일마다 찾습니다.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>--encoding이 받는 이름으로 일반적인 인코딩을 나열합니다.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>파일의 첫 줄(제외한 줄 다음)이 머리글입니다: 한 시트에서는 머리글의 이름이 한 번만 첫 행이 되고, 각 파일의 셀은 이름이 같은 열 아래에 들어갑니다.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>텍스트 전체가 숫자이고 아무것도 바뀌지 않는 셀을 숫자로 저장합니다(1234.50은 1234.50으로 표시, 007, 1e5, 1,234.50과 15자리를 넘는 ID는 텍스트로 유지). 소수점은 SIGN으로 씁니다: auto(기본값: 각 파일의 숫자가 보여 주는 기호, 보여 주지 않으면 세미콜론으로 나눈 파일은 쉼표, 그 밖에는 마침표), point, comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>각 행의 파일을 담은 첫 열: 모든 파일이 들어 있는 폴더 아래의 경로(relative, 기본값), 이름(name), 또는 전체 경로(path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>시트가 가득 차면 나머지를 버리지 않고 바로 뒤의 새 시트(&quot;NAME (2)&quot; 등)에 이어서 넣습니다.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>가져오기가 할 일을 출력합니다: 각 파일의 인코딩, 행 수, 가장 넓은 행, 구분 기호로 보이는 문자, 그리고 시트와 행 수. 아무것도 쓰거나 시작하지 않으며, 표준 입력과 파이프는 가져오기에 남겨 둡니다.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>PATH를 가져오지 않고 목록에 넣은 채 창을 엽니다(파일 관리자의 &quot;다음으로 열기&quot;처럼).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>FILE이 있으면 같은 권한, 소유자, 그룹을 가진 새 파일로 바꿉니다(하드 링크는 이전 내용을 유지합니다).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>진행 상황을 표시하지 않습니다.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>경로:
  PATH는 지정한 순서대로 처리됩니다. 폴더는 자신의 파일과 그 아래 모든 폴더의 파일을 단계별로 가져옵니다
  (숨김 파일과 폴더는 건너뜀). -는 표준 입력입니다. 인수가 없거나 --window를 주면 PATH가 목록에 든
  창이 열립니다.</translation>
    </message>
    <message>
        <source>Sheets:
  On one sheet the files follow each other; a file that ends with a line break is followed by an
  empty row. With --sheet-per-file each file&apos;s sheet goes in front, so the last file&apos;s sheet comes
  first; a sheet is named after its file&apos;s letters, digits and spaces (notes.txt gives notestxt),
  with a number added when the name is taken. With --sheets-as-listed the sheets stand in the
  order given and keep their files&apos; names (only []:*?/\ become _), &quot; (2)&quot; added when taken.
  Names are cut to 31 characters in .xlsx. A sheet holds 1,048,576 rows; with --continue-sheets
  the rest goes on &quot;NAME (2)&quot; right after it.</source>
        <translation>시트:
  한 시트에서는 파일이 차례로 이어집니다. 줄 바꿈으로 끝나는 파일 뒤에는 빈 행이 옵니다. --sheet-per-file
  을 쓰면 각 파일의 시트가 맨 앞에 놓이므로 마지막 파일의 시트가 처음에 옵니다. 시트 이름은 파일 이름의
  영문자, 숫자, 공백으로 짓고(notes.txt는 notestxt), 이름이 이미 있으면 번호를 붙입니다.
  --sheets-as-listed를 쓰면 시트가 지정한 순서대로 놓이고 파일 이름을 그대로 씁니다([]:*?/\만 _로 바뀜).
  이미 있으면 &quot; (2)&quot;를 붙입니다. .xlsx에서는 이름을 31자로 자릅니다. 시트 하나에는 1,048,576행이
  들어가며, --continue-sheets를 쓰면 나머지는 바로 뒤의 &quot;NAME (2)&quot;에 이어집니다.</translation>
    </message>
    <message>
        <source>Headers:
  With --header a file&apos;s first row (after --skip-lines) is its header: on one sheet the headers&apos;
  names are the first row, once, in order of first appearance, and each file&apos;s cells go under
  the columns of their names, matched by their spelling first, then without regard to letter
  case and Unicode form where that leaves no doubt (&quot;ID&quot; and &quot;id&quot; of one header stay two
  columns); cells past a file&apos;s header go after all named columns. --rename OLD=NEW makes a
  column OLD count as NEW. How the headers differ is told once per change, and --dry-run shows
  the columns they make. --file-column puts each row&apos;s file in a first column.</source>
        <translation>머리글:
  --header를 쓰면 파일의 첫 행(--skip-lines 뒤)이 머리글입니다: 한 시트에서는 머리글의 이름이 처음 나온
  순서대로 한 번 첫 행이 되고, 각 파일의 셀은 이름이 맞는 열 아래에 들어갑니다. 이름은 먼저 철자가
  같은 열과, 그다음 모호하지 않을 때만 대소문자와 유니코드 정규화 형식을 무시하고 맞춥니다(한
  머리글의 &quot;ID&quot;와 &quot;id&quot;는 두 열로 남음). 머리글을 넘는 셀은 이름 있는 모든 열 뒤에 들어갑니다.
  --rename OLD=NEW는 OLD 열을 NEW로 칩니다. 머리글의 차이는 변경마다 한 번 알리며, --dry-run은
  머리글이 만드는 열을 보여 줍니다. --file-column은 각 행의 파일을 첫 열에 넣습니다.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>인코딩:
  파일의 인코딩은 읽을 때 찾습니다: 바이트 순서 표시, 0 바이트로 알아보는 UTF-16 또는 UTF-32, UTF-8(몇몇
  떠돌이 바이트는 windows-1252로 읽고 알려 줌), 그 밖에는 통계적 감지기가 찾은 것(Shift_JIS, GB18030,
  Big5, EUC-KR, windows-1251, KOI8-R 등), 그것도 아니면 windows-1252(알려 줌). --encoding NAME은 표시가
  없는 파일을 NAME으로 읽습니다. 읽은 인코딩에서 잘못된 바이트는 U+FFFD가 되며 알려 줍니다.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>종료 상태:
  0      모든 파일을 온전히 가져왔음(--output이면 문서도 썼음)
  1      파일을 읽을 수 없었거나 인코딩에 맞지 않는 바이트가 있었거나, 셀이 들어가지 않았거나,
         문서를 쓸 수 없었음. 나머지는 그래도 가져왔음
  2      사용법 오류, 또는 필요한 화면이 없음
  3      LibreOffice가 없거나 실행 중에 끊겼음
  128+N  신호 N(INT, TERM, HUP)이 실행을 끝냈음. 임시 파일은 함께 지워졌음</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>버그는 %1 또는 %2(으)로 알려 주십시오.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>사용법: quillora [옵션]... PATH...
  또는:  quillora [--window [PATH]...]
  또는:  quillora --dry-run [옵션]... PATH...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>텍스트 파일을 스프레드시트로 불러옵니다: 각 줄은 한 행, 각 조각은 한 셀, 텍스트로.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>가져올 텍스트 파일과 폴더. -는 표준 입력.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>파일마다 찾음(기본값)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split과 --separator는 함께 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split은 space, comma, tab, semicolon, pipe, auto를 받습니다. &quot;%1&quot;은(는) 받지 않습니다.</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator에는 나눌 텍스트가 필요합니다.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator에는 줄 바꿈을 넣을 수 없습니다: 줄 바꿈은 셀이 아니라 줄을 끝냅니다.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: 파일 이름은 .ods, .xlsx, .fods 중 하나로 끝나야 합니다.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1이(가) 있습니다. --force를 주면 바꿉니다.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>알 수 없는 인코딩 &quot;%1&quot;. --list-encodings로 일반적인 것을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers는 auto, point, comma를 받습니다. &quot;%1&quot;은(는) 받지 않습니다.</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename은 OLD=NEW 두 이름을 받습니다. &quot;%1&quot;은(는) 받지 않습니다.</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines는 줄 수를 받습니다. &quot;%1&quot;은(는) 받지 않습니다.</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column은 relative, name, path를 받습니다. &quot;%1&quot;은(는) 받지 않습니다.</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>PATH가 없습니다.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: 표준 출력에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>자세한 내용은 &apos;quillora --help&apos;를 실행하십시오.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: Calc에 문서를 보여 줄 화면이 없습니다. --output FILE로 파일에 쓸 수 있습니다.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice를 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>각 파일의 처음 N줄을 제외합니다(제목, &quot;내보낸 곳&quot; 줄 등); auto: 각 파일의 표 위에 있는 줄.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>--header와 함께: 이름을 맞추기 전에 OLD라는 열을 NEW로 봅니다(&quot;client=customer&quot;; 이름의 &quot;=&quot;는 &quot;\=&quot;로 씁니다). 여러 번 지정할 수 있습니다.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>WHERE</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>OLD=NEW</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>문서 끝에 파일마다 한 행씩 나열한 시트를 추가합니다: 들어간 시트와 행, 인코딩, 구분 기호, 소수점 기호, 행 수, 열 수, 머리글 변경, 참고.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>같은 목록을 FILE에도 씁니다. 이름이 .jsonl 또는 .json으로 끝나면 JSON Lines, 아니면 CSV입니다. --dry-run과도 함께 쓸 수 있습니다. 이미 있는 FILE은 --force를 줄 때만 바꿉니다.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1은(는) 폴더입니다. --report에는 파일이 필요합니다.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report와 --output이 모두 %1을(를) 가리킵니다. 보고서가 문서를 대체하게 됩니다.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1은(는) 가져올 파일이므로 동시에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>압축 파일과 아카이브:
  gzip, bzip2, xz, zstd로 통째로 압축한 파일은 이름과 관계없이 첫 바이트로 알아보고 그 안의 텍스트로 읽습니다
  (표준 입력도 마찬가지). 손상되었거나 잘린 파일은 이름을 들어 알립니다. .zip 아카이브는 폴더처럼 다루며,
  그 안의 파일은 아래 경로(2024.zip/north/jan.csv)로 지정합니다. 폴더의 --extension은 그 확장자의 아카이브
  구성원과 압축 파일도 가져옵니다.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column에는 이름=종류를 지정합니다(종류는 %1 중 하나). &quot;%2&quot;은(는) 안 됩니다.</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>텍스트 전체가 날짜인 셀을 날짜로 저장하고 파일에 쓰인 대로 표시합니다: ISO(2024-03-01), 그리고 /, . 또는 -로 구분한 일, 월, 네 자리 연도(순서는 파일 자체의 날짜가 정함. 31/12/2024는 일이 먼저). 어느 순서로도 읽히는 날짜의 열은 텍스트로 둡니다.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>열의 종류. 머리글 이름(이름 바꾸기 후) 또는 1부터 시작하는 번호로 지정: text, number, date-dmy, date-mdy, date-ymd, 또는 빼려면 skip. 열의 종류가 될 수 없는 셀은 텍스트로 둡니다. 여러 번 지정할 수 있습니다.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>이름=종류</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>표준 입력은 첫 번째 &quot;-&quot;에서 읽습니다. 다른 &quot;-&quot;에는 읽을 것이 남지 않아 제외합니다.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1은(는) 출력 파일입니다. 가져오지 않습니다.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>가져올 파일이 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1을(를) 바꿀 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: %2에 쓸 수 없습니다: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>%1 저장 중</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>행 저장 중: %2 중 %1, %3에</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>%1 저장 중: 파일 마무리 중</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1을(를) 쓰지 않았습니다: 가져올 수 있는 파일이 없었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>시트 %1: %Ln행</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln행 제외: 시트 하나는 %1행까지)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln열)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>열: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: 스트림이며 가져오기만 읽습니다: 이 계획에 없음</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: 저장하지 않음: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>목록에 항목 %1이(가) 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>그 파일만 --encoding으로 따로 가져오십시오(--list-encodings로 일반적인 것을 볼 수 있습니다)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>--continue-sheets를 지정하십시오</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] %3 읽는 중</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>행 쓰는 중: %2 중 %1</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1은(는) 보고서 파일이므로 가져오지 않습니다.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1이(가) 있습니다. --force를 주면 바꿉니다.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, 따옴표로 묶은 필드</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>문서가 완성되기 전에 포기되었습니다.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>셀 (%1, %2)은(는) 시트 밖에 있습니다.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>문서에 &quot;%1&quot; 시트가 없습니다.</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>문서의 마지막 시트는 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>&quot;%1&quot;은(는) 올바른 시트 이름이 아닙니다.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>문서에 이미 &quot;%1&quot; 시트가 있습니다.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>문서에는 시트를 최대 %1개까지 넣을 수 있습니다.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>문서의 %1 위치에 시트가 없습니다.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>문서 작성기</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>이 문서는 문서 작성기로 만든 것이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>quillora::Encodings</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>유니코드</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>서유럽어</translation>
    </message>
    <message>
        <source>US</source>
        <translation>미국</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>중앙 유럽어</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>발트어</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>키릴 문자</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>히브리어</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>중국어 간체</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>중국어 번체</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>%1번째 줄</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>이 메시지의 스크린샷을 %1(으)로 보내 주십시오</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>응용 프로그램 오류</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>불러올 파일 확장자를 입력하십시오:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* 은 모든 파일, txt는 모든 txt 파일, doc는 모든 doc 파일 등)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>추가할 파일을 너무 많이 선택했습니다.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>&quot;모두 추가&quot; 단추로 추가해 보십시오.</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>%1(으)로 읽음, 이 파일에 선택함</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>&quot;%1&quot;에서 나눔, 이 파일에 선택함</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>고유 구분 기호를 찾지 못함: 줄 전체</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>텍스트 파일</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 가져오지 않았습니다: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>아카이브 &quot;%1&quot;에 이름이 아카이브 밖을 가리키는 파일이 있습니다: %2. 이 파일들은 제외합니다.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 외 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>%1에만 있음</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>%1부터, 파일 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>파일 %Ln개에만 있음, %1까지</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>파일 %Ln개에만 있음, %1부터 %2까지</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>파일 %Ln개에만 있음: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>파일 %Ln개에 없음: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>열 순서가 다름: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>이름 바꾸기 모두 취소</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>이름을 바꿀 열</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>같은 열로 볼 이름</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>목록의 모든 파일에서 첫 번째 열의 셀을 두 번째 열 아래에 넣습니다.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>열:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>같은 열:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>“%1” → “%2”</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>이름을 바꾼 열이 없습니다.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>이름 바꿈: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>열을 어떤 이름으로 볼지 입력하십시오.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>“%1”은(는) 이미 이 열의 이름입니다. 다른 이름을 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>사용할 수 있는 스프레드시트 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>목록에 항목 %1이(가) 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>목록에서 파일을 선택하고 미리 보기의 &quot;이 파일의 인코딩&quot;에서 인코딩을 고른 다음 다시 가져오십시오</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>&quot;시트가 가득 차면 새 시트에서 계속&quot;을 선택하십시오</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>가져오기 시작(&amp;I)</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>가져오기 중지(&amp;I)</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>&quot;%1&quot; 시트를 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>문서의 %1 위치에 시트가 없습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>추가된 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>완료.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>가져오기 보고서</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>읽은 파일</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>모두 복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>다른 이름으로 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>보고서 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>JSON Lines 파일 (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>%1에 의해 중단되었습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice가 새 스프레드시트 문서를 열지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: 창을 열 화면이 없습니다. 명령줄은 화면 없이도 쓸 수 있습니다. 예: quillora --output FILE PATH... (quillora --help 참조).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>진행률 표시줄</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>여기에 파일을 끌어다 놓으십시오. 항목을 두 번 누르면 제거합니다. | 선을 창 밖 오른쪽으로 옮기면 전체 이름이 보입니다.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>가져올 텍스트 파일</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>파일을 추가하거나 여기에 파일과 폴더를 놓으십시오</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>위로 이동(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>아래로 이동(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>텍스트 파일 추가(&amp;A)</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>폴더의 모든 파일 추가(&amp;F)</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>목록 지우기(&amp;L)</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>예제 파일 불러오기(&amp;X)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>스킨 &quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>포인터 이미지 &quot;%1&quot;을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>이 예제 파일이 있는 폴더를 열까요(작업하기 전에 살펴볼 수 있도록)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>파일 %Ln개 추가됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; 다른 파일 %Ln개는 건너뜀(%1 아님)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1이(가) %2초 안에 응답하지 않았습니다. 가져오기를 여기서 끝냅니다.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>LibreOffice의 UNO 런타임을 준비할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice가 %1초 안에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>소켓이 아닙니다</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>다른 사용자의 것입니다</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1은(는) LibreOffice의 것이 아닙니다(%2). 연결하지 않고 대신 전용 파이프를 씁니다.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora는 %1에 연결하지 않습니다: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>%1에서 LibreOffice를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice가 응답하기 전에 끝났습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>파일 추가 - Ctrl과 Shift로 여러 파일 선택</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>텍스트 파일 (*.txt)|*.txt|텍스트 및 CSV 파일 (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|모든 파일 (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>시트 &quot;%1&quot;의 %Ln문자를 제외했습니다: %2 파일은 탭과 줄 바꿈 이외의 제어 문자와 U+FFFE, U+FFFF를 담을 수 없습니다(.xlsx 파일은 유지합니다).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>%1을(를) 쓸 수 없습니다: 일부가 4 GiB를 넘었습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>point</source>
        <translation>마침표</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>쉼표</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>서식 지정 안 함(&amp;M)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>공백으로 데이터를 새 Calc 열로 나누기(&amp;S)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>쉼표로 데이터를 새 Calc 열로 나누기(&amp;C)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>탭으로 데이터를 새 Calc 열로 나누기(&amp;B)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>다음 문자로 데이터를 새 Calc 열로 나누기(&amp;H):</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>각 파일의 고유 구분 기호로 나누기(쉼표, 세미콜론, 탭, 세로 막대)(&amp;R)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>모든 텍스트 파일을 한 시트로 가져오기(&amp;O)</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>각 텍스트 파일을 별도 시트로 가져오기(&amp;P)</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>가져오기 옵션</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>서식 옵션</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>각 시트에 파일 이름을 붙이고 목록 순서대로 두기</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>큰따옴표 안의 텍스트를 함께 유지(&amp;Q)</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>값이 바뀌지 않을 때만 숫자로 저장</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>소수점:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>날짜(2024-03-01, 31/12/2024)를 날짜로 저장</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>줄과 머리글</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>각 파일 시작 부분에서 건너뛸 줄 수(&amp;K):</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>각 파일 시작 부분에서 건너뛸 줄 수</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>첫 줄은 머리글: 한 번만 유지하고 이름으로 열 맞추기(&amp;Y)</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>각 줄의 파일 이름 열 추가(&amp;N)</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>시트가 가득 차면 새 시트에서 계속(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>인코딩(&amp;E):</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>인코딩</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>저장된 건너뛸 줄 수 &quot;%1&quot;은(는) 0부터 1000까지의 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>저장된 소수점 &quot;%1&quot;은(는) Automatic, Point, Comma 중 어느 것도 아닙니다.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>파일 목록 시트 추가</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>아카이브가 손상되었습니다</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>이름이 아카이브 밖을 가리킵니다</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>아카이브에 그런 파일이 없습니다</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>암호가 필요합니다</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>텍스트가 아니라 파일 묶음(tar)입니다: 먼저 압축을 푸십시오</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>압축을 풀면 크기의 %1배를 넘습니다. 압축 폭탄과 같은 모습입니다. 이렇게 반복이 많은 텍스트라면 먼저 압축을 푼 뒤 텍스트를 가져오십시오</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>앞의 구성원과 합쳐 아카이브 “%1”은(는) 압축을 풀면 크기의 %2배를 넘습니다. 압축 폭탄과 같은 모습입니다. 텍스트의 반복이 이렇게 많다면 먼저 압축을 푼 뒤 가져오십시오</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>압축 데이터가 끝나기 전에 끝납니다. 잘린 파일입니다</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>체크섬이 내용과 맞지 않습니다. 손상된 파일입니다</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>손상된 파일입니다(%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>여기서 나누기(&amp;T)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>이 파일의 인코딩</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>옵션과 같은 인코딩</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>이 파일의 구분 기호</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>옵션과 같음</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>이 파일의 인코딩(&amp;G):</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>줄을 나눌 위치(&amp;V):</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>목록에 파일이 없습니다.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>이 파일은 %1(으)로 구분된 것 같습니다.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>목록에 있는 파일의 열: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 외 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... %Ln개 더(도구 설명 참조)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>열에서 메뉴 키를 누르거나 열 제목을 클릭하면 종류를 선택합니다.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>보고서 %1을(를) 쓰지 못했습니다: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 가져오지 않았습니다: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>머리글이 다릅니다: %1. 각 파일의 셀은 이름이 같은 열 아래에 있습니다.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>열 이름들이 두 가지로 쓰였습니다: %1. 각각 처음 쓴 이름으로 한 열입니다.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>열 이름이 두 가지로 쓰였습니다: %1. 처음 쓴 이름으로 한 열입니다.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: 다른 파일은 %Ln셀인데 모든 행이 한 셀입니다. %2(으)로 구분된 것 같습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: 다른 파일은 여러 셀인데 모든 행이 한 셀입니다. %2(으)로 구분된 것 같습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: 다른 파일은 %Ln셀인데 머리글이 한 셀입니다. %2(으)로 구분된 것 같습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: 다른 파일은 여러 셀인데 머리글이 한 셀입니다. %2(으)로 구분된 것 같습니다.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... 외 파일 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>&quot;%2&quot;(으)로 볼 열 &quot;%1&quot;이(가) 어느 머리글에도 없습니다.</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>%2(으)로 할 열 &quot;%1&quot;이(가) 있는 머리글이 없습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>쉼표</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>쉼표</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>세미콜론</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>세미콜론</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>세로 막대</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>세로 막대</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>공백</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>공백</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>설정 &quot;%1&quot;을(를) 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 맞지 않음</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot;이(가) 파일 %Ln개에서 &quot;%2&quot;(으)로 쓰였습니다: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>파일 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1이(가) 파일 %Ln개에서 %2(으)로 쓰였습니다: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>파일 %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>%1에 문서의 행을 보관할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>%1에 문서의 행을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>%1에서 문서의 행을 다시 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>%1행이 %2행 다음에 옵니다: 쓰는 문서는 행을 차례로 받습니다.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>문서의 행을 다시 읽을 수 없습니다: 너무 일찍 끝납니다.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>시트 &quot;%2&quot;의 %1행 뒤의 행을 제외했습니다: 문서에는 시트를 최대 %3개까지 넣을 수 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>시트 &quot;%1&quot;의 %Ln셀을 %2자로 잘랐습니다: 셀에는 그 이상 들어가지 않습니다(.ods 파일은 이런 셀을 %3자까지 온전히 유지합니다).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>시트 &quot;%1&quot;의 %Ln셀을 %2자로 잘랐습니다: 셀에는 그 이상 들어가지 않습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> 마지막 행 뒤의 행을 새 시트에 넣으려면 %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>시트 &quot;%1&quot;에 %Ln셀을 쓸 수 없습니다: 시트에는 최대 %2열, %3행이 들어갑니다.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>파일을 읽기 전에 가져오기를 멈췄습니다.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>파일 &quot;%1&quot;(%3개 중 %2번째)을(를) 읽는 중에 가져오기를 멈췄습니다: 앞 파일들의 시트는 문서에 있습니다.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>파일 &quot;%1&quot;(%3개 중 %2번째)을(를) 읽는 중에 가져오기를 멈췄습니다: 문서에 쓴 것이 없습니다.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>행을 쓰기 전에 가져오기를 멈췄습니다.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>파일 &quot;%2&quot;(%4개 중 %3번째)의 %1번째 줄 뒤에서 가져오기를 멈췄습니다: 거기까지의 행은 문서에 있고, 그 뒤는 없습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>LibreOffice 브리지를 준비할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>%1에 중간 파일을 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>%1의 중간 파일에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>%1의 중간 파일을 비울 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>%1의 중간 파일을 읽을 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>오류 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>이 소프트웨어를 실행하려면 OpenOffice가 필요합니다. 이 컴퓨터에 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>지금 이 사이트를 열까요?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(이 오류가 잘못되었고 OpenOffice가 설치되어 있다고 생각하면, 이 오류 메시지의 스크린샷과 OpenOffice &apos;정보&apos; 창의 스크린샷을 %1(으)로 보내 주십시오)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>없는 파일을 가리키는 링크입니다</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>파일이 아닌 것을 가리키는 링크입니다</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>파일이 아닙니다</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>파일을 찾을 수 없습니다(이름이 올바른 UTF-8이 아님)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>파일이 아닙니다</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>가져오기 전에 살펴볼 수 있는 파일이 아닙니다</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>읽는 동안 파일이 바뀌었습니다</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>아카이브 안의 .zip 아카이브입니다. 먼저 압축을 푸십시오</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>LibreOffice와의 연결이 끊겼습니다: LibreOffice가 닫혔거나 멈췄습니다.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice가 요청을 거부했습니다.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>파일의 일부가 4 GiB 이상이어서 형식이 허용하는 ZIP64로 씁니다. LibreOffice(적어도 7.4)는 이렇게 큰 부분을 열지 못하지만 다른 프로그램은 엽니다.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1을(를) 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: 시트 &quot;%2&quot;을(를) 추가할 수 없습니다: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter가 거부했습니다</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: 셀을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>%1을(를) 쓸 수 없습니다: %2에 행을 보관할 수 없습니다: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1을(를) 쓸 수 없습니다: %2</translation>
    </message>
</context>
</TS>
