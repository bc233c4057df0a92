<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;); may be given again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store a cell whose whole text is an ISO date (2024-03-01) as a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headers:
  With --header a file&apos;s first row (after --skip-lines) is its header: on one sheet the headers&apos;
  names are the first row, once, in order of first appearance, and each file&apos;s cells go under
  the columns of their names (cells past its header after all named columns); a file whose
  header is not the first one&apos;s is told of. --file-column puts each row&apos;s file in a first column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %n row(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n row(s) left out: a sheet holds %1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%n columns)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give it with --encoding (--list-encodings lists the usual ones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Encodings</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separated by %1, found in its start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> It also holds %n valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) could not be read and is U+FFFD</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %n byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %n byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as windows-1252. If the text looks wrong, %2.%3</source>
        <extracomment>%2 how to choose an encoding, %3 a sentence more or nothing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s), up to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s), %1 to %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s): %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %n file(s): %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose its encoding under &quot;Encoding&quot; and import it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more files like these.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %n; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %n; it looks separated by %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%n character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store ISO dates (2024-03-01) as dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut &amp;There</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; separated by %1, its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; separated by commas, its own&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %n more (see the tool tip)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pipes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %n file(s): %3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing was stopped after row %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: an .xlsx cell holds %3, each of the characters U+FDD0 to U+FDD3 counting seven (an .ods file keeps such cells whole, up to %4 characters).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
