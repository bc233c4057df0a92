<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>quillora::AccountWords</name>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> It also holds %Ln valid UTF-8 sequence: it may be UTF-8 with bytes of another encoding mixed in.</numerusform>
            <numerusform> It also holds %Ln valid UTF-8 sequences: it may be UTF-8 with bytes of another encoding mixed in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln byte means nothing in windows-1252 and is kept as a control character</numerusform>
            <numerusform>%Ln bytes mean nothing in windows-1252 and are kept as control characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln character could not be read and is U+FFFD</numerusform>
            <numerusform>%Ln characters could not be read and are U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>The file &quot;%1&quot; was read as UTF-8, with %Ln byte that is not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</numerusform>
            <numerusform>The file &quot;%1&quot; was read as UTF-8, with %Ln bytes that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>The file &quot;%1&quot; was read as UTF-8; %Ln byte that is not UTF-8 was read as windows-1252 reads them.</numerusform>
            <numerusform>The file &quot;%1&quot; was read as UTF-8; %Ln bytes that are not UTF-8 were read as windows-1252 reads them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows has another number of cells and is cut all the same.</numerusform>
            <numerusform>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%Ln line above the table of the file &quot;%1&quot; was skipped.</numerusform>
            <numerusform>%Ln lines above the table of the file &quot;%1&quot; were skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln row</numerusform>
            <numerusform>%Ln rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>about %Ln row</numerusform>
            <numerusform>about %Ln rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln cell</numerusform>
            <numerusform>%Ln cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln line above its table skipped</numerusform>
            <numerusform>, %Ln lines above its table skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>%Ln line above the table of the file &quot;%1&quot; was skipped: &quot;%2&quot;.</numerusform>
            <numerusform>%Ln lines above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows splits.</numerusform>
            <numerusform>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>sheet %1: %Ln row</numerusform>
            <numerusform>sheet %1: %Ln rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln row left out: a sheet holds %1)</numerusform>
            <numerusform>(%Ln rows left out: a sheet holds %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln column)</numerusform>
            <numerusform>%1, ... (%Ln columns)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 and %Ln more</numerusform>
            <numerusform>%1 and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>from %1 on, %Ln file</numerusform>
            <numerusform>from %1 on, %Ln files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>only in %Ln file, up to %1</numerusform>
            <numerusform>only in %Ln files, up to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>only in %Ln file, %1 to %2</numerusform>
            <numerusform>only in %Ln files, %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>only in %Ln file: %1</numerusform>
            <numerusform>only in %Ln files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>missing from %Ln file: %1</numerusform>
            <numerusform>missing from %Ln files: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln file added</numerusform>
            <numerusform>%Ln files added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; %Ln other file passed over (not %1)</numerusform>
            <numerusform>; %Ln other files passed over (not %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%Ln character of the sheet &quot;%1&quot; was left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</numerusform>
            <numerusform>%Ln characters of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 and %Ln more</numerusform>
            <numerusform>%1 and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... %Ln more (see the tool tip)</numerusform>
            <numerusform>... %Ln more (see the tool tip)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</numerusform>
            <numerusform>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</numerusform>
            <numerusform>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... and %Ln more file</numerusform>
            <numerusform>... and %Ln more files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file: %3</numerusform>
            <numerusform>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln files: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 are spelt %2 in %Ln file: %3</numerusform>
            <numerusform>%1 are spelt %2 in %Ln files: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln cell of the sheet &quot;%1&quot; was cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</numerusform>
            <numerusform>%Ln cells of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln cell of the sheet &quot;%1&quot; was cut to %2 characters: a cell holds no more.</numerusform>
            <numerusform>%Ln cells of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln cell could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</numerusform>
            <numerusform>%Ln cells could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</numerusform>
        </translation>
    </message>
</context>
</TS>
