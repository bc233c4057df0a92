<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quillora::CommandLineImport</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s)</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %n row(s)</source>
        <translation>
            <numerusform>sheet %1: %n row</numerusform>
            <numerusform>sheet %1: %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%n row left out: a sheet holds %1)</numerusform>
            <numerusform>(%n rows left out: a sheet holds %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%n columns)</source>
        <translation>
            <numerusform>%1, ... (%n column)</numerusform>
            <numerusform>%1, ... (%n columns)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n line(s) above its table skipped</source>
        <translation>
            <numerusform>, %n line above its table skipped</numerusform>
            <numerusform>, %n lines above its table skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message numerus="yes">
        <source> It also holds %n valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> It also holds %n valid UTF-8 sequence: it may be UTF-8 with bytes of another encoding mixed in.</numerusform>
            <numerusform> It also holds %n valid UTF-8 sequences: it may be UTF-8 with bytes of another encoding mixed in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%n byte means nothing in windows-1252 and is kept as a control character</numerusform>
            <numerusform>%n bytes mean nothing in windows-1252 and are kept as control characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%n character could not be read and is U+FFFD</numerusform>
            <numerusform>%n characters could not be read and are U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %n byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>The file &quot;%1&quot; was read as UTF-8, with %n byte that is not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</numerusform>
            <numerusform>The file &quot;%1&quot; was read as UTF-8, with %n bytes that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %n byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>The file &quot;%1&quot; was read as UTF-8; %n byte that is not UTF-8 was read as windows-1252 reads them.</numerusform>
            <numerusform>The file &quot;%1&quot; was read as UTF-8; %n bytes that are not UTF-8 were read as windows-1252 reads them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %n of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>The file &quot;%1&quot; is cut at %2, as most of its rows split; %n of the first %3 rows has another number of cells and is cut all the same.</numerusform>
            <numerusform>The file &quot;%1&quot; is cut at %2, as most of its rows split; %n of the first %3 rows have another number of cells and are cut all the same.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%n line above the table of the file &quot;%1&quot; was skipped.</numerusform>
            <numerusform>%n lines above the table of the file &quot;%1&quot; were skipped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %n file(s)</source>
        <translation>
            <numerusform>from %1 on, %n file</numerusform>
            <numerusform>from %1 on, %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s), up to %1</source>
        <translation>
            <numerusform>only in %n file, up to %1</numerusform>
            <numerusform>only in %n files, up to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s), %1 to %2</source>
        <translation>
            <numerusform>only in %n file, %1 to %2</numerusform>
            <numerusform>only in %n files, %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %n file(s): %1</source>
        <translation>
            <numerusform>only in %n file: %1</numerusform>
            <numerusform>only in %n files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %n file(s): %1</source>
        <translation>
            <numerusform>missing from %n file: %1</numerusform>
            <numerusform>missing from %n files: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message numerus="yes">
        <source>... and %n more files like these.</source>
        <translation>
            <numerusform>... and %n more file like these.</numerusform>
            <numerusform>... and %n more files like these.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %n; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: every row is one cell, where the other files have %n; it looks separated by %2.</numerusform>
            <numerusform>%1: every row is one cell, where the other files have %n; it looks separated by %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %n; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: its header is one cell, where the other files have %n; it looks separated by %2.</numerusform>
            <numerusform>%1: its header is one cell, where the other files have %n; it looks separated by %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%n character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%n character of the sheet &quot;%1&quot; was left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</numerusform>
            <numerusform>%n characters of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %n more (see the tool tip)</source>
        <translation>
            <numerusform>... %n more (see the tool tip)</numerusform>
            <numerusform>... %n more (see the tool tip)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %n file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot; is spelt &quot;%2&quot; in %n file: %3</numerusform>
            <numerusform>&quot;%1&quot; is spelt &quot;%2&quot; in %n files: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %n file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 are spelt %2 in %n file: %3</numerusform>
            <numerusform>%1 are spelt %2 in %n files: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message numerus="yes">
        <source>%n cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%n cell of the sheet &quot;%1&quot; was cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</numerusform>
            <numerusform>%n cells of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%n cell of the sheet &quot;%1&quot; was cut to %2 characters: a cell holds no more.</numerusform>
            <numerusform>%n cells of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%n cell could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</numerusform>
            <numerusform>%n cells could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</numerusform>
        </translation>
    </message>
</context>
</TS>
