<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; 検出された区切り: カンマ</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; 検出された区切り: カンマ (引用符で囲まれたフィールドあり)</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>カンマ区切り (先頭から判定)</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>カンマ区切り、引用符で囲まれたフィールドあり (先頭から判定)</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; 検出された区切り: セミコロン</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; 検出された区切り: セミコロン (引用符で囲まれたフィールドあり)</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>セミコロン区切り (先頭から判定)</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>セミコロン区切り、引用符で囲まれたフィールドあり (先頭から判定)</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; 検出された区切り: タブ</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; 検出された区切り: タブ (引用符で囲まれたフィールドあり)</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>タブ区切り (先頭から判定)</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>タブ区切り、引用符で囲まれたフィールドあり (先頭から判定)</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; 検出された区切り: 縦棒</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; 検出された区切り: 縦棒 (引用符で囲まれたフィールドあり)</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>縦棒区切り (先頭から判定)</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>縦棒区切り、引用符で囲まれたフィールドあり (先頭から判定)</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; 固有の区切り文字なし: 行全体</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>推定</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>混在</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> また、有効な UTF-8 シーケンスが %Ln 個あります: 別のエンコーディングのバイトが混じった UTF-8 かもしれません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln バイトは windows-1252 で意味を持たないため、制御文字として残しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln 文字を読めず、U+FFFD になりました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>ファイル &quot;%1&quot; は UTF-8 として読み込み、UTF-8 でない %Ln バイトは windows-1252 として読みましたが、%2。別のエンコーディングの場合は、%3。%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>ファイル &quot;%1&quot; は %2 として読み込みましたが、%3。別のエンコーディングの場合は、%4。%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>ファイル &quot;%1&quot; は UTF-8 として読み込みました。UTF-8 でない %Ln バイトは windows-1252 として読みました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>ファイル &quot;%1&quot; のエンコーディングを確定できなかったため、%2 として読み込みました。テキストがおかしい場合は、%3。%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>ファイル &quot;%1&quot; は %2 として読み込みました。テキストがおかしい場合は、%3。%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>ファイル &quot;%1&quot; の行はカンマ、セミコロン、タブ、縦棒のどれでも均等に分割できません: 各行はそのまま 1 セルになります。</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>ファイル &quot;%1&quot; は大部分の行に合わせて%2で分割されます。最初の %3 行のうち %Ln 行はセル数が異なりますが、同じように分割されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>ファイル &quot;%1&quot; の行は%2でも%3でも同じように分割できます: %2で分割されます。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>ファイル &quot;%1&quot; には %2 行目で始まり閉じられない引用符付きフィールドがあります: ファイルの残りはその 1 セルに入っています。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>ファイル &quot;%1&quot; の表より上の %Ln 行を飛ばしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; 小数点はカンマ</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; 小数点はピリオド</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>約 %Ln 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1、%2; 改行: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>行全体</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>小数点はカンマ</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点はピリオド</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>%1 がない</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>%1 が追加</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3)、%4、最大 %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln セル</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>、固有の区切り文字なし: 行全体</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>、%1区切り</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>、小数点はカンマ</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>、小数点はピリオド</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>、%1区切りと思われます</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>、表より上の %Ln 行を飛ばしました</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>シート</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>最初の行</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>最後の行</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>エンコーディング</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>エンコーディングの決め方</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>区切り文字</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>引用符</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>スキップした行</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>見出しの違い</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>引用符内のフィールドはひとまとまり</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>引用符なし</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 (圧縮時 %2)</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: 読み込めません: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>ファイル &quot;%1&quot; の表より上の %Ln 行を飛ばしました。最初の行:「%2」</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>ファイル &quot;%1&quot; の見出しは 1 つのフィールド「%2」だけで、その下の行は %3 列あります。表の上のタイトルのようです。各ファイルの表より上の行を飛ばすには、飛ばす行数を自動にしてください (--skip-lines=auto)。</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>ファイル &quot;%1&quot; の行は不揃いに、1 つの区切り文字でだけ分割されます。最初の %3 行のうち %Ln 行が分割される%2で分割します。</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>ファイル &quot;%2&quot; の %1 行目の引用符には対になる引用符がありません。このファイルの引用符はフィールドの囲みではなく文字として読み込みました。</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>ファイル &quot;%1&quot; の引用符で囲まれたフィールドが %2 行目から %3 行目まで続き、1 つのセルになっています。行に分けるべきなら、%2 行目の引用符に対になるものがありません。</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>ファイル &quot;%1&quot; の列 %2 には数値にすると変わってしまう &quot;%3&quot; があるため、列全体を文字列のままにします。</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>ファイル &quot;%1&quot; の列 %2 の日付 (&quot;%3&quot;) は日と月のどちらが先か決まらないため、文字列のままにします。日付として格納するには、順序を選んでください (--column 名前=date-dmy または date-mdy)。</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>ファイル &quot;%1&quot; の列 %2 には日が先の日付と月が先の日付 (&quot;%3&quot;) があるため、文字列のままにします。</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>、列の種類: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>列の種類</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>処理中: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>ドキュメントの位置 %1 にシートがありません。</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>ドキュメントに入るシートは最大 %1 枚です。</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>検出どおり</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>日付 日/月/年</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>日付 月/日/年</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>日付 年-月-日</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>省く</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>列 %1 の種類</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>選んだ種類: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>ドキュメントを Calc で表示せず FILE に書き込みます。形式は拡張子 (.ods、.xlsx、.fods) に従います。LibreOffice は不要です。</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>ファイルごとに 1 シート (既定: すべてのファイルを 1 シートに)。</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>ファイルごとに 1 シート。指定した順に並べ、それぞれファイル名を付けます (2024-01.csv)。--sheet-per-file を含みます。</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space、comma、tab、semicolon、pipe: 各行をそこでセルに分割します。auto: 各ファイルをその先頭から見つけた固有の区切り文字 (カンマ、セミコロン、タブ、縦棒) で分割します。</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>各行を TEXT でセルに分割します (任意のテキスト、複数文字も可)。</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>フォルダー PATH の場合: 名前が .EXT で終わるファイルを、「フォルダー内のすべてのファイルを追加」と同じ方法で辿ります (既定: ドロップと同じくすべてのファイル)。</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>CSV ファイルと同様に、二重引用符で囲まれたテキストをまとめます: 引用符内の区切り文字や改行はセルの一部、&quot;&quot; は引用符 1 つです。</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>バイト順マークのないファイルを NAME で読みます: Qt が読める任意のエンコーディング、大文字小文字は不問 (--list-encodings で一般的なものを一覧)。既定の auto はファイルごとに判定します。</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>よく使われるエンコーディングを --encoding が受け付ける名前で一覧表示します。</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>ファイルの最初の行 (除外した行の後) を見出しとします: 1 シートでは見出しの名前が 1 度だけ 1 行目になり、各ファイルのセルは名前の一致する列の下に入ります。</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>テキスト全体が数値で何も変わらないセルを数値として保存します (1234.50 は 1234.50 と表示。007、1e5、1,234.50、15 桁を超える ID はテキストのまま)。小数点は SIGN で表します: auto (既定: 各ファイルの数値が示す記号。示さない場合は、セミコロン区切りのファイルではカンマ、それ以外はピリオド)、point、comma。</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>各行のファイルを示す先頭列: すべてのファイルを含むフォルダーからのパス (relative、既定)、名前 (name)、またはフルパス (path)。</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>シートがいっぱいになったら、残りを省かずに直後の新しいシート (&quot;NAME (2)&quot; など) に続けます。</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>インポートの内容を表示します: 各ファイルのエンコーディング、行数、最も広い行、区切りと思われる文字、そしてシートと行数。何も書き込まず起動もせず、標準入力とパイプはインポートに残します。</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>PATH をインポートせず、一覧にしてウィンドウを開きます (ファイルマネージャーの「アプリケーションで開く」と同様)。</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>FILE が存在する場合、同じ権限・所有者・グループを持つ新しいファイルで置き換えます (ハードリンクは古い内容を保ちます)。</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>進行状況を表示しません。</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>パス:
  PATH は指定順に処理されます。フォルダーはそのファイルと配下の全フォルダーのファイルを階層順に
  取り込みます (隠しファイルと隠しフォルダーは除外)。- は標準入力です。引数なし、または --window
  を付けると、PATH を一覧にしたウィンドウが開きます。</translation>
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
        <translation>シート:
  1 シートではファイルが順に続きます。改行で終わるファイルの後には空の行が入ります。--sheet-per-file
  では各ファイルのシートが先頭に置かれるため、最後のファイルのシートが最初になります。シート名はファイル名
  の英字・数字・空白から付けられ (notes.txt は notestxt)、名前が使用済みなら番号が付きます。
  --sheets-as-listed ではシートは指定順に並び、ファイル名をそのまま使います ([]:*?/\ のみ _ に置換)。
  使用済みなら &quot; (2)&quot; が付きます。.xlsx では名前は 31 文字までに切り詰められます。1 シートは 1,048,576
  行までです。--continue-sheets では残りは直後の &quot;NAME (2)&quot; に続きます。</translation>
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
        <translation>見出し:
  --header では、ファイルの最初の行 (--skip-lines の後) が見出しです: 1 シートでは見出しの名前が初出順に
  1 度だけ 1 行目になり、各ファイルのセルは名前の一致する列の下に入ります。名前はまず綴りが同じ列と、
  次に曖昧さがない場合に限り大文字小文字と Unicode の正規化形式を区別せずに照合されます (1 つの見出しの
  &quot;ID&quot; と &quot;id&quot; は 2 つの列のまま)。見出しを超えるセルは名前付きの列すべての後に入ります。
  --rename OLD=NEW は列 OLD を NEW として扱います。見出しの違いは変更ごとに 1 度報告され、--dry-run
  でできる列を確認できます。--file-column は各行のファイルを先頭列に入れます。</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>エンコーディング:
  ファイルのエンコーディングは読み込み時に判定されます: バイト順マーク、ゼロバイトによる UTF-16 または
  UTF-32、UTF-8 (少数の迷子バイトは windows-1252 として読んで報告)、それ以外は統計的な判定器の結果
  (Shift_JIS、GB18030、Big5、EUC-KR、windows-1251、KOI8-R など)、それでもだめなら windows-1252 (報告
  あり)。--encoding NAME はマークのないファイルを NAME で読みます。読んだエンコーディングで無効なバイトは
  U+FFFD になり、報告されます。</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>終了ステータス:
  0      すべてのファイルが完全にインポートされた (--output ではドキュメントも書き込まれた)
  1      ファイルを読めなかった、エンコーディングで無効なバイトがあった、セルが収まらなかった、
         またはドキュメントを書き込めなかった。残りはインポートされた
  2      使い方の誤り、または必要な画面がない
  3      LibreOffice がない、または実行中に失われた
  128+N  シグナル N (INT、TERM、HUP) で終了した。一時ファイルは削除された</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>バグは %1 または %2 へ報告してください。</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>使い方: quillora [OPTION]... PATH...
  または:  quillora [--window [PATH]...]
  または:  quillora --dry-run [OPTION]... PATH...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>テキストファイルを表計算に読み込みます: 各行を 1 行に、各部分を 1 セルに、テキストとして。</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>インポートするテキストファイルとフォルダー。- は標準入力。</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>ファイルごとに判定 (既定)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split と --separator は同時に使えません。</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split に使えるのは space、comma、tab、semicolon、pipe、auto です。&quot;%1&quot; は使えません。</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator には分割に使うテキストが必要です。</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator に改行は使えません: 改行はセルではなく行を終わらせます。</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: ファイル名は .ods、.xlsx、.fods のいずれかで終わる必要があります。</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 は存在します。--force で置き換えます。</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>不明なエンコーディング &quot;%1&quot;。--list-encodings で一般的なものを一覧できます。</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers に使えるのは auto、point、comma です。&quot;%1&quot; は使えません。</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename には OLD=NEW の 2 つの名前を指定します。&quot;%1&quot; は使えません。</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines には行数を指定します。&quot;%1&quot; は使えません。</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column に使えるのは relative、name、path です。&quot;%1&quot; は使えません。</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>PATH が指定されていません。</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: 標準出力に書き込めません。</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>詳しくは &apos;quillora --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: Calc でドキュメントを表示する画面がありません。--output FILE でファイルに書き込めます。
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice を使用できません: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>各ファイルの最初の N 行を除外します (タイトル、「エクスポート元」の行など)。auto: 各ファイルの表より上の行。</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>--header と共に: 名前の照合前に OLD という列を NEW として扱います (&quot;client=customer&quot;、名前の中の &quot;=&quot; は &quot;\=&quot; と書きます)。複数回指定できます。</translation>
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
        <translation>ドキュメントの最後に各ファイルの一覧シートを追加します: 入ったシートと行、エンコーディング、区切り文字、小数点記号、行数、列数、見出しの違い、注記。</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>同じ一覧を FILE にも書き出します。名前が .jsonl か .json で終わるなら JSON Lines、それ以外は CSV です。--dry-run でも使えます。既存の FILE は --force を付けたときだけ置き換えます。</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 はフォルダーです。--report にはファイルが必要です。</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report と --output がどちらも %1 を指しています。レポートがドキュメントを置き換えてしまいます。</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 はインポートするファイルです。同時に書き込むことはできません。</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>圧縮ファイルとアーカイブ:
  gzip、bzip2、xz、zstd で全体を圧縮したファイルは、名前に関係なく先頭のバイトで判別し、中のテキストとして読み込みます
  (標準入力も同様)。破損したものや途中で切れたものは、その名前を挙げて知らせます。.zip アーカイブはフォルダーとして扱い、
  中のファイルはその下のパス (2024.zip/north/jan.csv) で指定します。フォルダーの --extension は、その拡張子の
  アーカイブ内ファイルと圧縮ファイルも対象にします。</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column には 名前=種類 を指定します (種類は %1 のいずれか)。&quot;%2&quot; は指定できません。</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>テキスト全体が日付のセルを日付として格納し、ファイルの書き方のまま表示します: ISO (2024-03-01) と、日・月・4 桁の年を /、. または - で区切ったもの (順序はファイル自身の日付で決まります。31/12/2024 なら日が先)。どちらの順序とも取れる日付の列は文字列のままです。</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>列の種類。見出しの名前 (名前の変更後) または 1 から始まる番号で指定します: text、number、date-dmy、date-mdy、date-ymd、または省く場合は skip。列の種類にできないセルは文字列のままです。複数回指定できます。</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>名前=種類</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>標準入力は最初の &quot;-&quot; で読み込まれます。2 つ目以降は読むものがないため除外されます。</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 は出力ファイルです。インポートされません。</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>インポートするファイルがありません。</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 を置き換えられません: %2。</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: %2 に書き込めません: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>%1 を保存中</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>行を保存中: %1 / %2 を %3 へ</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>%1 を保存中: ファイルを仕上げています</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 は書き込まれませんでした: インポートできたファイルがありません。</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>シート %1: %Ln 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln 行を除外: 1 シートは %1 行まで)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1、... (%Ln 列)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>列: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: ストリームです。インポートのみが読みます。この計画には含まれません</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: 保存されませんでした: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>一覧に項目 %1 はもうありません。</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>そのファイルだけを --encoding を付けてインポートしてください (--list-encodings で一般的なものを一覧できます)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>--continue-sheets を指定してください</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] %3 を読み込み中</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>行を書き込み中: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 はレポートのファイルなので、インポートしません。</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 は存在します。--force で置き換えます。</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1、引用符で囲まれたフィールド</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>ドキュメントは完成前に破棄されました。</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>セル (%1, %2) はシートの外にあります。</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>ドキュメントにシート &quot;%1&quot; がありません。</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>ドキュメントの最後のシートは削除できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>&quot;%1&quot; は有効なシート名ではありません。</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>ドキュメントには既にシート &quot;%1&quot; があります。</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>ドキュメントに入るシートは最大 %1 枚です。</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>ドキュメントの位置 %1 にシートがありません。</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>ドキュメントライター</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>このドキュメントはドキュメントライターで作成されたものではありません。</translation>
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
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西ヨーロッパ</translation>
    </message>
    <message>
        <source>US</source>
        <translation>米国</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中央ヨーロッパ</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>バルト</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>キリル</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>このメッセージのスクリーンショットを %1 へ送ってください</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>読み込むファイルの拡張子を入力してください:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* はすべてのファイル、txt はすべての txt ファイル、doc はすべての doc ファイル、など)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>追加するファイルを選びすぎています。</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>「すべて追加」ボタンで追加してみてください。</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>%1 として読み込み (このファイル用に選択)</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>&quot;%1&quot; で分割 (このファイル用に選択)</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>固有の区切り文字は見つかりません: 行全体</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>テキストファイル</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>ファイル &quot;%1&quot; はインポートされませんでした: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>アーカイブ &quot;%1&quot; には、名前がアーカイブの外を指すファイルがあります: %2。これらは除外します。</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 ほか %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>%1 のみ</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>%1 以降、%Ln ファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>%Ln ファイルのみ、%1 まで</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>%Ln ファイルのみ、%1 から %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>%Ln ファイルのみ: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>%Ln ファイルにない: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>列の順序が異なる: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>名前の変更をすべて取り消す</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>名前を変える列</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>見なす列名</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>一覧のすべてのファイルで、1 つ目の列のセルを 2 つ目の列の下に入れます。</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>列:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>見なす列:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>「%1」を「%2」に</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>名前を変えた列はありません。</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>名前の変更: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>列をどの名前として扱うかを入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>「%1」はすでにこの列の名前です。別の名前を入力してください。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>使用できる表計算アプリケーションがありません。</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>一覧に項目 %1 はもうありません。</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>一覧でファイルを選び、プレビューの「このファイルのエンコーディング」でエンコーディングを選んでもう一度インポートしてください</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>「シートがいっぱいになったら新しいシートに続ける」をオンにしてください</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>インポート開始(&amp;I)</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>インポート停止(&amp;I)</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>シート &quot;%1&quot; を追加できません。</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>ドキュメントの位置 %1 にシートがありません。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>ファイルが追加されていません。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>インポートのレポート</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>読み込んだファイル</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>すべてコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートを保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>JSON Lines ファイル (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>%1 により中断されました。</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice は新しい表計算ドキュメントを開きませんでした。</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: ウィンドウを開く画面がありません。コマンドラインは画面なしで使えます。例: quillora --output FILE PATH... (quillora --help を参照)。</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>ここにファイルをドラッグ&amp;ドロップしてください。項目をダブルクリックすると削除します。| の線を右へウィンドウの外まで動かすと名前全体が見えます。</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>インポートするテキストファイル</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>ファイルを追加するか、ファイルやフォルダーをここにドロップしてください</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>テキストファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>フォルダー内のすべてのファイルを追加(&amp;F)</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>一覧を消去(&amp;L)</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>サンプル ファイルを読み込む(&amp;X)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>スキン &quot;%1&quot; を読み込めません: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>ポインター画像 &quot;%1&quot; を読み込めません。</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>これらのサンプルファイルがあるフォルダーを開きますか? (作業前に内容を確認できます)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln 個のファイルを追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>、%1 以外のファイル %Ln 個は対象外です</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 が %2 秒以内に応答しませんでした。インポートはここで終了します。</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>LibreOffice の UNO ランタイムを準備できませんでした: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice が %1 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>ソケットではありません</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>別のユーザーのものです</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 は LibreOffice のものではありません (%2)。接続せず、代わりに専用のパイプを使います。</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora は %1 に接続しません: %2。</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>%1 から LibreOffice を起動できませんでした。</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice は応答する前に終了しました。</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>ファイルを追加 - Ctrl と Shift で複数のファイルを選択</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>テキストファイル (*.txt)|*.txt|テキストと CSV ファイル (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|すべてのファイル (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>シート &quot;%1&quot; の %Ln 文字を除外しました: %2 ファイルはタブと改行以外の制御文字、U+FFFE、U+FFFF を保持できません (.xlsx ファイルは保持します)。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>%1 を書き込めません: 一部が 4 GiB を超えました。</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>point</source>
        <translation>ピリオド</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>カンマ</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>書式設定しない(&amp;M)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>スペースで Calc の新しい列に分割(&amp;S)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>カンマで Calc の新しい列に分割(&amp;C)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>タブで Calc の新しい列に分割(&amp;B)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>次の文字で Calc の新しい列に分割(&amp;H):</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>各ファイル固有の区切り文字で分割 (カンマ、セミコロン、タブ、縦棒)(&amp;R)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>すべてのテキストファイルを 1 つのシートにインポート(&amp;O)</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>各テキストファイルを別々のシートにインポート(&amp;P)</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>インポートのオプション</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>書式のオプション</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>各シートにファイル名を付け、一覧の順に並べる</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>二重引用符内のテキストをまとめる(&amp;Q)</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>値が変わらない場合のみ数値として保存</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>小数点:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>日付 (2024-03-01, 31/12/2024) を日付として保存</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>行と見出し</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>各ファイルの先頭で飛ばす行数(&amp;K):</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>各ファイルの先頭で飛ばす行数</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>1 行目は見出し: 1 度だけ残し、名前で列を対応付ける(&amp;Y)</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>各行のファイル名の列を追加(&amp;N)</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>シートがいっぱいになったら新しいシートに続ける(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>エンコーディング(&amp;E):</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>エンコーディング</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>保存されている飛ばす行数 &quot;%1&quot; は 0 から 1000 の数値ではありません。</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>保存されている小数点 &quot;%1&quot; は Automatic、Point、Comma のいずれでもありません。</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>各ファイルの一覧シートを追加</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>ファイル &quot;%1&quot; を読み込めません: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>アーカイブが壊れています</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>名前がアーカイブの外を指しています</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>アーカイブにそのファイルはありません</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>パスワードが必要です</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>テキストではなくファイルのアーカイブ (tar) です: 先に展開してください</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>展開するとサイズの %1 倍を超えます。解凍爆弾と同じ振る舞いです。これほど繰り返しの多いテキストなら、先に展開してからテキストをインポートしてください</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>それより前のファイルと合わせて、アーカイブ「%1」は展開するとサイズの %2 倍を超えます。解凍爆弾と同じ振る舞いです。中のテキストがこれほど繰り返しの多いものなら、先に展開してからインポートしてください</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>圧縮データの途中で終わっています。途中で切れています</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>チェックサムが内容と一致しません。破損しています</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>破損しています (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>ここで分割(&amp;T)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>このファイルのエンコーディング</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>オプションと同じエンコーディング</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>このファイルの区切り文字</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>オプションと同じ</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>このファイルのエンコーディング(&amp;G):</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>行の分割位置(&amp;V):</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>ファイルが一覧にありません。</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>このファイルは%1区切りのようです。</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>一覧のファイルの列: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 ほか %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... ほか %Ln 件 (ツールチップを参照)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>列の中でメニュー キーを押すか、列の見出しをクリックすると種類を選べます。</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>レポート %1 は書き込まれませんでした: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>ファイル &quot;%1&quot; はインポートされませんでした: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>見出しが異なります: %1。各ファイルのセルは名前の一致する列の下に入ります。</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>列名の表記が 2 通りあります: %1。それぞれ最初の表記の名前で 1 つの列にしました。</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>列名の表記が 2 通りあります: %1。最初の表記の名前で 1 つの列にしました。</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: 他のファイルは %Ln セルあるのに、各行が 1 セルです。%2区切りと思われます。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: 他のファイルは複数セルあるのに、各行が 1 セルです。%2区切りと思われます。</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: 他のファイルは %Ln セルあるのに、見出しが 1 セルです。%2区切りと思われます。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: 他のファイルは複数セルあるのに、見出しが 1 セルです。%2区切りと思われます。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... ほか %Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>&quot;%2&quot; として扱う列 &quot;%1&quot; はどの見出しにもありません。</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>%2 にする列 &quot;%1&quot; を持つ見出しがありません。</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>カンマ</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>カンマ</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>縦棒</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>縦棒</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>設定 &quot;%1&quot; を保存できませんでした。</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot; は %Ln ファイルで &quot;%2&quot; と表記されています: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>ファイル %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 は %Ln ファイルで %2 と表記されています: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>ファイル %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>ドキュメントの行を %1 に保持できません: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>ドキュメントの行を %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>ドキュメントの行を %1 から読み戻せません: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>行 %1 が行 %2 の後に来ています: 書き込むドキュメントは行を順番に受け取ります。</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>ドキュメントの行を読み戻せません: 途中で終わっています。</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>シート &quot;%2&quot; の %1 行目より後の行は除外されました: ドキュメントに入るシートは最大 %3 枚です。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>シート &quot;%1&quot; の %Ln セルを %2 文字に切り詰めました: セルにはそれ以上入りません (.ods ファイルなら %3 文字までそのまま保持します)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>シート &quot;%1&quot; の %Ln セルを %2 文字に切り詰めました: セルにはそれ以上入りません。</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> 最後の行より後の行を新しいシートに入れるには、%1。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>シート &quot;%1&quot; に %Ln セルを書き込めませんでした: 1 シートは最大 %2 列、%3 行です。%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>ファイルを読み込む前にインポートが停止されました。</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>ファイル &quot;%1&quot; (%3 件中 %2 件目) の読み込み中にインポートが停止されました: それより前のファイルのシートはドキュメントにあります。</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>ファイル &quot;%1&quot; (%3 件中 %2 件目) の読み込み中にインポートが停止されました: ドキュメントには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>行を書き込む前にインポートが停止されました。</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>ファイル &quot;%2&quot; (%4 件中 %3 件目) の %1 行目の後でインポートが停止されました: そこまでの行はドキュメントにあり、それ以降はありません。</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice が見つかりません。</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>LibreOffice へのブリッジを準備できませんでした。</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>%1 に作業ファイルを作成できません: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>%1 の作業ファイルに書き込めません: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>%1 の作業ファイルを空にできません: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>%1 の作業ファイルを読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>エラー 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>このソフトウェアの実行には OpenOffice が必要です。このコンピューターにはインストールされていません。</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>今すぐこのサイトを開きますか?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(このエラーが誤りで OpenOffice がインストールされている場合は、このエラーメッセージのスクリーンショットと OpenOffice の「バージョン情報」ウィンドウのスクリーンショットを %1 へ送ってください)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>存在しないファイルへのリンクです</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>ファイルではないものへのリンクです</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>ファイル &quot;%1&quot; を読み込めません: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>ファイルが見つかりません (名前が有効な UTF-8 ではありません)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>インポート前に内容を確認できるファイルではありません</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>アーカイブ内の .zip アーカイブです。先に展開してください</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>LibreOffice との接続が失われました: LibreOffice が閉じられたか停止しました。</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice が要求を拒否しました。</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>ファイルの一部が 4 GiB 以上あり、形式の許す ZIP64 で書き込まれます。LibreOffice (少なくとも 7.4) はこれほど大きな部分を開けませんが、他のソフトウェアは開けます。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: シート &quot;%2&quot; を追加できません: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter が拒否しました</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: セルを書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>%1 を書き込めません: %2 に行を保持できません: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
</context>
</TS>
