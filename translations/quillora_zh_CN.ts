<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>；检测到以逗号分隔</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>；检测到以逗号分隔，含带引号的字段</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>以逗号分隔，从文件开头识别</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>以逗号分隔，含带引号的字段，从文件开头识别</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>；检测到以分号分隔</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>；检测到以分号分隔，含带引号的字段</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>以分号分隔，从文件开头识别</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>以分号分隔，含带引号的字段，从文件开头识别</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>；检测到以制表符分隔</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>；检测到以制表符分隔，含带引号的字段</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>以制表符分隔，从文件开头识别</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>以制表符分隔，含带引号的字段，从文件开头识别</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>；检测到以竖线分隔</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>；检测到以竖线分隔，含带引号的字段</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>以竖线分隔，从文件开头识别</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>以竖线分隔，含带引号的字段，从文件开头识别</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>；无自身分隔符：整行</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>已选择</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>推测</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>已识别</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> 它还包含 %Ln 个有效的 UTF-8 序列：可能是混入了其他编码字节的 UTF-8。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln 个字节在 windows-1252 中无意义，已作为控制字符保留</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln 个字符无法读取，已变为 U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>文件“%1”按 UTF-8 读取，其中 %Ln 个非 UTF-8 字节按 windows-1252 读取，但%2。如果它使用其他编码，%3。%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>文件“%1”按 %2 读取，但%3。如果它使用其他编码，%4。%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>文件“%1”按 UTF-8 读取；%Ln 个非 UTF-8 字节按 windows-1252 读取。</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>无法确定文件“%1”的编码：已按 %2 读取。如果文本看起来不对，%3。%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>文件“%1”按 %2 读取。如果文本看起来不对，%3。%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>文件“%1”的各行在逗号、分号、制表符或竖线处都不能均匀拆分：它们保持整行，每行一个单元格。</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>文件“%1”按其大多数行的方式在%2处拆分；前 %3 行中有 %Ln 行的单元格数不同，仍照此拆分。</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>文件“%1”的各行在%2处和在%3处拆分得一样好：它们在%2处拆分。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>文件“%1”有一个从第 %2 行开始且从未结束的带引号字段：文件的其余部分都在这一个单元格中。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>已跳过文件“%1”表格上方的 %Ln 行。</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>；数字使用小数逗号</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>；数字使用小数点</translation>
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
            <numerusform>约 %Ln 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1，%2；行尾：%3；%4；%5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>已识别</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>整行</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>小数逗号</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>新增 %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1：%2（%3），%4，最宽 %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln 个单元格</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>，无自身分隔符：整行</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>，以%1分隔</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>，数字使用小数逗号</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>，数字使用小数点</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>，看起来以%1分隔</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>，已跳过表格上方的 %Ln 行</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>工作表</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>首行</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>末行</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>编码来源</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>引号</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>跳过的行</translation>
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
        <translation>标题行变化</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>引号内字段视为整体</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>不处理引号</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1（压缩前为 %2）</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1：未读取：%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>已跳过文件“%1”表格上方的 %Ln 行，第一行：“%2”。</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>文件“%1”的标题行只有一个字段“%2”，其下各行有 %3 个字段：它看起来像表格上方的标题。要跳过每个文件表格上方的行，请将要跳过的行设为自动（--skip-lines=auto）。</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>文件“%1”的行拆分不均匀，且只在一种分隔符处拆分：按%2拆分，前 %3 行中有 %Ln 行在此拆分。</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>文件“%2”第 %1 行的引号没有配对：该文件的引号按文本读取，而不是作为字段的界定符。</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>文件“%1”中一个带引号的字段从第 %2 行延续到第 %3 行，这些行成了一个单元格。如果它们应是多行，则第 %2 行的引号没有配对。</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>文件“%1”的第 %2 列含有“%3”，作为数字会改变：整列保留为文本。</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>文件“%1”第 %2 列的日期（“%3”）可能日在前也可能月在前：保留为文本。要将其存为日期，请选择顺序（--column 名称=date-dmy 或 date-mdy）。</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>文件“%1”的第 %2 列既有日在前的日期也有月在前的日期（“%3”）：保留为文本。</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>；列类型：%1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>列类型</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>正在处理：%1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>文档在位置 %1 没有工作表。</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>一个文档最多容纳 %1 个工作表。</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>按检测</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>日期 日/月/年</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>日期 月/日/年</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>日期 年-月-日</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>省略</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>列 %1 的类型</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>所选类型：%1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>将文档写入 FILE，而不在 Calc 中显示；格式取决于扩展名：.ods、.xlsx 或 .fods。无需 LibreOffice。</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>每个文件一个工作表（默认：所有文件在一个工作表中）。</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>每个文件一个工作表，按给出的顺序排列，各以其文件命名（2024-01.csv）；隐含 --sheet-per-file。</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space、comma、tab、semicolon 或 pipe：在该处把每行拆分为单元格；auto：每个文件按从其开头找到的自身分隔符（逗号、分号、制表符或竖线）拆分。</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>在 TEXT 处把每行拆分为单元格（任意文本，可为多个字符）。</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>对于文件夹 PATH：其名称以 .EXT 结尾的文件，按“添加文件夹中的所有文件”的方式遍历（默认：所有文件，与拖放相同）。</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>将双引号内的文本视为一个整体，与 CSV 文件相同：引号内的分隔符或换行属于单元格，&quot;&quot; 表示一个引号。</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>以 NAME 读取没有字节顺序标记的文件：Qt 能读取的任何编码，不区分大小写（--list-encodings 列出常用编码）；默认值 auto 会为每个文件识别编码。</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>按 --encoding 接受的名称列出常用编码。</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>文件的第一行（在忽略的行之后）是其标题行：在一个工作表中，标题中的名称只作为第一行出现一次，每个文件的单元格放在同名列下。</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>当单元格的全部文本是数字且不会改变时，将其存储为数字（1234.50 显示为 1234.50；007、1e5、1,234.50 和超过 15 位的编号仍为文本），小数以 SIGN 书写：auto（默认：按每个文件中数字所示的符号；若数字未显示，则以分号拆分的文件用逗号，其他用句点）、point 或 comma。</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>第一列为每行所属的文件：其在包含所有文件的文件夹下的路径（relative，默认）、其名称（name）或其完整路径（path）。</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>工作表已满时，在其后的新工作表（&quot;NAME (2)&quot; 等）中继续其余部分，而不是忽略其余部分。</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>输出导入将要做的事：每个文件的编码、行数、最宽的行和看似使用的分隔符，然后是工作表及其行数；不写入也不启动任何东西，并把标准输入和管道留给导入。</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>打开窗口并列出 PATH，而不是导入它们（如同文件管理器的“打开方式”）。</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>如果 FILE 已存在，用具有相同权限、所有者和组的新文件替换它（指向它的硬链接保留旧内容）。</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>不显示进度。</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>路径：
  PATH 按给出的顺序处理；文件夹会逐层带入其文件及其下所有文件夹的文件（跳过隐藏的文件和文件夹）；
  - 表示标准输入。不带参数或使用 --window 时，打开窗口并列出 PATH。</translation>
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
        <translation>工作表：
  在一个工作表中，文件依次排列；以换行结尾的文件之后跟一个空行。使用 --sheet-per-file 时，每个文件的
  工作表放在最前面，因此最后一个文件的工作表排在第一；工作表以其文件名中的字母、数字和空格命名
  （notes.txt 得到 notestxt），名称已被占用时加上编号。使用 --sheets-as-listed 时，工作表按给出的顺序
  排列并保留文件名（仅 []:*?/\ 变为 _），名称已被占用时加上 &quot; (2)&quot;。在 .xlsx 中名称截断为 31 个字符。
  一个工作表最多 1,048,576 行；使用 --continue-sheets 时，其余部分紧接着放入 &quot;NAME (2)&quot;。</translation>
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
        <translation>标题:
  使用 --header 时，文件的第一行（在 --skip-lines 之后）是其标题：在一个工作表中，各标题的名称按首次出现
  的顺序作为第一行出现一次，每个文件的单元格放在与其名称对应的列下。名称先按完全相同的拼写匹配，
  在不会产生歧义时再忽略大小写和 Unicode 规范化形式匹配（同一标题中的“ID”和“id”仍为两列）；
  超出文件标题的单元格放在所有具名列之后。--rename OLD=NEW 使列 OLD 视作 NEW。标题之间的差异
  每处变化只报告一次，--dry-run 会显示它们构成的列。--file-column 把每行的文件放入第一列。</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>编码：
  文件的编码在读取时识别：字节顺序标记；根据零字节识别 UTF-16 或 UTF-32；UTF-8，其中少量游离字节按
  windows-1252 读取（并报告）；否则采用统计检测器的结果（Shift_JIS、GB18030、Big5、EUC-KR、
  windows-1251、KOI8-R 等）；否则使用 windows-1252，并报告。--encoding NAME 改为以 NAME 读取没有标记的
  文件。在所读编码中无效的字节变为 U+FFFD 并被报告。</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>退出状态：
  0      所有文件都已完整导入（使用 --output 时文档也已写入）
  1      有文件无法读取或含有其编码中无效的字节、有单元格放不下，或文档无法写入；其余部分仍已导入
  2      用法错误，或需要屏幕时没有屏幕
  3      缺少 LibreOffice，或运行中失去了它
  128+N  信号 N（INT、TERM、HUP）结束了运行；其临时文件已一并删除</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>请在 %1 报告错误，或发送至 %2。</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>用法：quillora [选项]... PATH...
  或：  quillora [--window [PATH]...]
  或：  quillora --dry-run [选项]... PATH...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>把文本文件载入电子表格：每行一行，每段一个单元格，均为文本。</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>要导入的文本文件和文件夹；- 表示标准输入。</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>为每个文件识别（默认）</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split 和 --separator 不能同时使用。</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split 接受 space、comma、tab、semicolon、pipe 或 auto，而不是“%1”。</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator 需要一个用于拆分的文本。</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator 不能包含换行：换行结束的是行，而不是单元格。</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1：文件名必须以 .ods、.xlsx 或 .fods 结尾。</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 已存在；--force 会替换它。</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>未知编码“%1”；--list-encodings 列出常用编码。</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers 接受 auto、point 或 comma，而不是“%1”。</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename 接受 OLD=NEW 两个名称，而不是“%1”。</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines 接受行数，而不是“%1”。</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column 接受 relative、name 或 path，而不是“%1”。</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>未给出 PATH。</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora：无法写入标准输出。</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>运行“quillora --help”了解更多信息。</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora：没有可在 Calc 中显示文档的屏幕；--output FILE 会将其写入文件。
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora：LibreOffice 不可用：%1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>忽略每个文件的前 N 行（标题、“导出者”行等）；auto：每个文件表格上方的行。</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>与 --header 一起使用：在匹配名称前，将名为 OLD 的列视为 NEW（&quot;client=customer&quot;；名称中的“=”写作“\=”）；可多次指定。</translation>
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
        <translation>在文档末尾添加一个列出每个文件的工作表：所在的工作表和行、编码、分隔符、小数点符号、行数、列数、标题行变化和说明。</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>同时把同一列表写入 FILE：名称以 .jsonl 或 .json 结尾时为 JSON Lines，否则为 CSV；--dry-run 时也可用。已有的 FILE 仅在使用 --force 时才会被替换。</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 是文件夹；--report 需要一个文件。</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report 和 --output 都指向 %1：报告会替换文档。</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 是要导入的文件；不能同时写入它。</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>压缩文件和压缩包：
  用 gzip、bzip2、xz 或 zstd 整体压缩的文件，无论名称如何，都按其开头字节识别，并作为其中的文本读取（标准输入
  也是如此）；损坏或被截断的文件会报告其名称。.zip 压缩包视作文件夹：其中的文件以其下的路径命名
  （2024.zip/north/jan.csv），文件夹的 --extension 也会带上其中该扩展名的压缩包成员和压缩文件。</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column 接受 名称=类型，类型为 %1 之一，而不是“%2”。</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>将整个文本为日期的单元格存为日期，按文件的写法显示：ISO（2024-03-01），以及用 /、. 或 - 分隔的日、月和四位年份，顺序由文件自身的日期确定（31/12/2024：日在前）；日期两种顺序都可能的列保留为文本。</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>列的类型，按表头名称（重命名之后）或从 1 开始的列号指定：text、number、date-dmy、date-mdy、date-ymd，或用 skip 省略该列；不能成为该列类型的单元格保留为文本。可多次指定。</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>名称=类型</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>标准输入只为第一个“-”读取；其他的已无内容可读，将被忽略。</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 是输出文件；不会导入它。</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>没有要导入的文件。</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>无法替换 %1：%2。</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1：无法在 %2 中写入：%3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>正在存储 %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>正在存储行：%1 / %2，写入 %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>正在存储 %1：正在完成文件</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>未写入 %1：没有文件能够导入。</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>工作表 %1：%Ln 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>（忽略了 %Ln 行：一个工作表最多 %1 行）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1，...（%Ln 列）</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>列：%1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>：这是流，仅由导入读取：不在此计划中</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1：未保存：%2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>列表中已没有第 %1 项。</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>请单独用 --encoding 导入该文件（--list-encodings 列出常用编码）</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>请指定 --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] 正在读取 %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>正在写入行：%1 / %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 是报告文件，不导入。</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 已存在；--force 会替换它。</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1，带引号的字段</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>文档在完成之前被放弃。</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>单元格 (%1, %2) 位于工作表之外。</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>文档没有工作表“%1”。</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>不能删除文档的最后一个工作表。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>“%1”不是有效的工作表名称。</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>文档已有工作表“%1”。</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>一个文档最多容纳 %1 个工作表。</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>文档在位置 %1 没有工作表。</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>文档写入器</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>该文档不是由文档写入器创建的。</translation>
    </message>
</context>
<context>
    <name>quillora::Encodings</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>US</source>
        <translation>美国</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的海语</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩文</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>请将此消息的截图发送至 %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>请选择文件夹：</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>输入要载入的文件扩展名：</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>（* 表示所有文件，txt 表示所有 txt 文件，doc 表示所有 doc 文件，等等）</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>您选择了太多要添加的文件。</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>请尝试使用“全部添加”按钮添加。</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>按 %1 读取，为此文件选择</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>在“%1”处拆分，为此文件选择</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>未找到自身分隔符：整行</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>文本文件</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>文件“%1”未导入：%2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>压缩包“%1”中有名称指向包外的文件：%2。已将其略去。</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 等另外 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>仅在 %1 中</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>从 %1 起，%Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>仅在 %Ln 个文件中，直到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>仅在 %Ln 个文件中，从 %1 到 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>仅在 %Ln 个文件中：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>%Ln 个文件中缺少：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>列的顺序不同：%1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>撤销所有重命名</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>要重命名的列</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>视作的列名</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>在列出的每个文件中，第一列的单元格都放到第二列下。</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>列：</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>视作：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>“%1”视作“%2”</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>没有重命名的列。</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>已重命名：%1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>请输入该列要视作的名称。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>“%1”已是该列的名称：请输入其他名称。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>没有可用的电子表格应用程序。</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>列表中已没有第 %1 项。</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>请在列表中选中它，在预览的“此文件的编码”下选择其编码并重新导入</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>请勾选“工作表已满时在新工作表中继续”</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>开始导入(&amp;I)</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>停止导入(&amp;I)</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>无法添加工作表“%1”。</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>文档在位置 %1 没有工作表。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>未添加文件。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>导入报告</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>已读取的文件</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>全部复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>JSON Lines 文件 (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>被 %1 中断。</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice 没有打开新的电子表格文档。</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora：没有可打开窗口的屏幕；命令行无需屏幕即可使用，例如：quillora --output FILE PATH...（参见 quillora --help）。</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>将文件拖放到这里。双击项目可将其移除。将 | 线向右拖出窗口可显示完整名称。</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>要导入的文本文件</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>添加文件，或将文件和文件夹拖放到这里</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>添加文本文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>添加文件夹中的所有文件(&amp;F)</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>清空列表(&amp;L)</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>载入示例文件(&amp;X)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取外观“%1”：%2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>无法读取指针图像“%1”。</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>是否打开存放这些示例文件的文件夹（以便在使用前查看它们）？</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>已添加 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>；跳过了 %Ln 个其他文件（不是 %1）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 在 %2 秒内没有响应；导入到此结束。</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>无法设置 LibreOffice 的 UNO 运行环境：%1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice 在 %1 秒内没有响应。</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>它不是套接字</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>它属于其他用户</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 不属于 LibreOffice（%2）：不连接它；改用私有管道。</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora 不连接 %1：%2。</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>无法从 %1 启动 LibreOffice。</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice 在响应之前结束了。</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>添加文件 - 使用 Ctrl 和 Shift 选择多个文件</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>文本文件 (*.txt)|*.txt|文本和 CSV 文件 (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|所有文件 (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>工作表“%1”中的 %Ln 个字符已被忽略：%2 文件不能包含制表符和换行以外的控制字符，也不能包含 U+FFFE 和 U+FFFF（.xlsx 文件会保留它们）。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>无法写入 %1：其中一部分超过了 4 GiB。</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>point</source>
        <translation>句点</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>逗号</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>不设置格式(&amp;M)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>按空格将数据拆分到新的 Calc 列(&amp;S)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>按逗号将数据拆分到新的 Calc 列(&amp;C)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>按制表符将数据拆分到新的 Calc 列(&amp;B)</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>按这些字符将数据拆分到新的 Calc 列(&amp;H)：</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>按每个文件自身的分隔符拆分数据（逗号、分号、制表符或竖线）(&amp;R)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>将所有文本文件导入到一个工作表(&amp;O)</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>将每个文本文件导入到单独的工作表(&amp;P)</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>导入选项</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>格式选项</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>以文件名命名每个工作表，按列表顺序</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>将双引号内的文本视为一个整体(&amp;Q)</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>仅在值不变时将数字存为数值</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>小数点：</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>将日期（2024-03-01、31/12/2024）存储为日期</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>行与标题</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>每个文件开头要跳过的行数(&amp;K)：</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>每个文件开头要跳过的行数</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>第一行是标题：只保留一次，按名称匹配列(&amp;Y)</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>添加一列，写入每行的文件名(&amp;N)</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>工作表已满时在新工作表中继续(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>编码(&amp;E)：</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>保存的跳过行数“%1”不是 0 到 1000 之间的数字。</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>保存的小数点“%1”不是 Automatic、Point 或 Comma。</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>添加列出每个文件的工作表</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>压缩包已损坏</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>其名称指向压缩包之外</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>压缩包中没有该文件</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>需要密码</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>其中是文件归档（tar），不是文本：请先解压</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>它解压后超过自身大小的 %1 倍，这是解压炸弹的特征；如果它是重复如此之多的文本，请先解压再导入文本</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>连同之前的成员，压缩包“%1”解压后超过自身大小的 %2 倍，这是解压炸弹的特征；如果其中的文本重复如此之多，请先解压再导入</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>它在压缩数据结束之前就结束了：它被截断了</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>它的校验和与内容不符：它已损坏</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>它已损坏（%1）</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>在此拆分(&amp;T)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>此文件的编码</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>与选项中的编码相同</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>此文件的分隔符</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>与选项中相同</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>此文件的编码(&amp;G)：</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>此文件各行的拆分位置(&amp;V)：</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>列表中没有文件。</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>此文件看起来以%1分隔。</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>所列文件的列：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 等另外 %Ln 项</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... 另外 %Ln 项（见工具提示）</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>在列中按菜单键，或单击列标题，可选择其类型。</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>报告 %1 未写入：%2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>文件“%1”未导入：%2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>标题行不同：%1。每个文件的单元格都在同名列下。</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>一些列名有两种写法：%1。每个都是同一列，以最先出现的写法命名。</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>一个列名有两种写法：%1。它们是同一列，以最先出现的写法命名。</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1：每行都是一个单元格，而其他文件有 %Ln 个；它看起来以%2分隔。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1：每行都是一个单元格，而其他文件有多个；它看起来以%2分隔。</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1：其标题行只有一个单元格，而其他文件有 %Ln 个；它看起来以%2分隔。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1：其标题行只有一个单元格，而其他文件有多个；它看起来以%2分隔。</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... 以及另外 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>没有任何标题行含有可计为“%2”的列“%1”。</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>没有表头含有要设为 %2 的列“%1”。</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>逗号</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>逗号</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>分号</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>分号</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>制表符</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>制表符</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>竖线</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>竖线</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>无法保存设置“%1”。</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>“%1”在 %Ln 个文件中写作“%2”：%3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>文件 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1在 %Ln 个文件中写作%2：%3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>文件 %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>无法在 %1 中保存文档的行：%2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>无法在 %1 中写入文档的行：%2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>无法在 %1 中读回文档的行：%2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>第 %1 行在第 %2 行之后到来：写入的文档按顺序接收各行。</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>无法读回文档的行：它们过早结束。</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>工作表“%2”中第 %1 行之后的行已被忽略：一个文档最多容纳 %3 个工作表。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>工作表“%1”中的 %Ln 个单元格被截断为 %2 个字符：单元格容纳不了更多（.ods 文件可完整保留此类单元格，最多 %3 个字符）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>工作表“%1”中的 %Ln 个单元格被截断为 %2 个字符：单元格容纳不了更多。</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> 要将最后一行之后的行放到新工作表中，%1。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln 个单元格无法写入工作表“%1”：一个工作表最多 %2 列、%3 行。%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>导入在读取任何文件之前已停止。</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>导入在读取文件“%1”（第 %2 个，共 %3 个）时停止：之前文件的工作表已在文档中。</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>导入在读取文件“%1”（第 %2 个，共 %3 个）时停止：文档中未写入任何内容。</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>导入在写入任何行之前已停止。</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>导入在文件“%2”（第 %3 个，共 %4 个）的第 %1 行之后停止：到此为止的行已在文档中，之后的没有。</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>未找到 LibreOffice。</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>无法设置到 LibreOffice 的桥接。</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>无法在 %1 中创建中间文件：%2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>无法写入 %1 中的中间文件：%2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>无法清空 %1 中的中间文件：%2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>无法读取 %1 中的中间文件：%2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>错误 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>运行本软件需要 OpenOffice。此计算机上未安装它。</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>是否立即打开此网站？</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>（如果您认为此错误有误且已安装 OpenOffice，请将此错误消息的截图和 OpenOffice“关于”窗口的截图发送至 %1）</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>它是指向不存在文件的链接</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>它是指向非文件对象的链接</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是文件夹</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>它不是文件</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>找不到文件（名称不是有效的 UTF-8）</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>这不是文件</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>这不是可在导入前查看的文件</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>读取期间文件已更改</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>它是压缩包中的 .zip 压缩包：请先解压</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>与 LibreOffice 的连接已丢失：LibreOffice 已关闭或停止。</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice 拒绝了请求。</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>文件的一部分达到 4 GiB 或更大，按格式允许的方式以 ZIP64 写入；LibreOffice（至少 7.4）无法打开这么大的部分，其他读取程序可以。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1：无法添加工作表“%2”：%3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter 拒绝了它</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1：无法写入单元格：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>无法写入 %1：无法在 %2 中保存行：%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
</TS>
