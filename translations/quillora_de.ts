<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; als durch Kommas getrennt erkannt</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; als durch Kommas getrennt erkannt, mit Feldern in Anführungszeichen</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Durch Kommas getrennt, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Durch Kommas getrennt, mit Feldern in Anführungszeichen, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; als durch Semikolons getrennt erkannt</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; als durch Semikolons getrennt erkannt, mit Feldern in Anführungszeichen</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Durch Semikolons getrennt, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Durch Semikolons getrennt, mit Feldern in Anführungszeichen, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; als durch Tabulatoren getrennt erkannt</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; als durch Tabulatoren getrennt erkannt, mit Feldern in Anführungszeichen</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Durch Tabulatoren getrennt, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Durch Tabulatoren getrennt, mit Feldern in Anführungszeichen, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; als durch senkrechte Striche getrennt erkannt</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; als durch senkrechte Striche getrennt erkannt, mit Feldern in Anführungszeichen</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Durch senkrechte Striche getrennt, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Durch senkrechte Striche getrennt, mit Feldern in Anführungszeichen, am Dateianfang erkannt</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; kein eigenes Trennzeichen: ganze Zeilen</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>geschätzt</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>erkannt</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>gemischt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> Sie enthält auch %Ln gültige UTF-8-Sequenz: vielleicht ist sie UTF-8 mit eingemischten Bytes einer anderen Kodierung.</numerusform>
            <numerusform> Sie enthält auch %Ln gültige UTF-8-Sequenzen: vielleicht ist sie UTF-8 mit eingemischten Bytes einer anderen Kodierung.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln Byte bedeutet in windows-1252 nichts und bleibt als Steuerzeichen erhalten</numerusform>
            <numerusform>%Ln Bytes bedeuten in windows-1252 nichts und bleiben als Steuerzeichen erhalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln Zeichen konnte nicht gelesen werden und ist U+FFFD</numerusform>
            <numerusform>%Ln Zeichen konnten nicht gelesen werden und sind U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>Die Datei &quot;%1&quot; wurde als UTF-8 gelesen, mit %Ln Byte, das kein UTF-8 ist und wie in windows-1252 gelesen wurde, aber %2. Wenn sie eine andere Kodierung hat, %3.%4</numerusform>
            <numerusform>Die Datei &quot;%1&quot; wurde als UTF-8 gelesen, mit %Ln Bytes, die kein UTF-8 sind und wie in windows-1252 gelesen wurden, aber %2. Wenn sie eine andere Kodierung hat, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>Die Datei &quot;%1&quot; wurde als %2 gelesen, aber %3. Wenn sie eine andere Kodierung hat, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>Die Datei &quot;%1&quot; wurde als UTF-8 gelesen; %Ln Byte, das kein UTF-8 ist, wurde wie in windows-1252 gelesen.</numerusform>
            <numerusform>Die Datei &quot;%1&quot; wurde als UTF-8 gelesen; %Ln Bytes, die kein UTF-8 sind, wurden wie in windows-1252 gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>Die Kodierung der Datei &quot;%1&quot; ließ sich nicht sicher bestimmen: sie wurde als %2 gelesen. Wenn der Text falsch aussieht, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>Die Datei &quot;%1&quot; wurde als %2 gelesen. Wenn der Text falsch aussieht, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Die Zeilen der Datei &quot;%1&quot; teilen sich an keinem von Komma, Semikolon, Tabulator oder senkrechtem Strich gleichmäßig: sie bleiben ganz, eine Zelle je Zeile.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Die Datei &quot;%1&quot; wird an %2 geteilt, wie die meisten ihrer Zeilen; %Ln der ersten %3 Zeilen hat eine andere Zahl von Zellen und wird trotzdem so geteilt.</numerusform>
            <numerusform>Die Datei &quot;%1&quot; wird an %2 geteilt, wie die meisten ihrer Zeilen; %Ln der ersten %3 Zeilen haben eine andere Zahl von Zellen und werden trotzdem so geteilt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Die Zeilen der Datei &quot;%1&quot; teilen sich an %2 ebenso gut wie an %3: sie werden an %2 aufgeteilt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>Die Datei &quot;%1&quot; hat ein Feld in Anführungszeichen, das in Zeile %2 beginnt und nie endet: der Rest der Datei steht in dieser einen Zelle.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%Ln Zeile über der Tabelle der Datei &quot;%1&quot; wurde übersprungen.</numerusform>
            <numerusform>%Ln Zeilen über der Tabelle der Datei &quot;%1&quot; wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; Zahlen mit Dezimalkomma</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; Zahlen mit Dezimalpunkt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln Zeile</numerusform>
            <numerusform>%Ln Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>etwa %Ln Zeile</numerusform>
            <numerusform>etwa %Ln Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; Zeilenenden: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>erkannt</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>ganze Zeilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>ohne %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>zusätzlich %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, breiteste %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln Zelle</numerusform>
            <numerusform>%Ln Zellen</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, kein eigenes Trennzeichen: ganze Zeilen</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, getrennt durch %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, Zahlen mit Dezimalkomma</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, Zahlen mit Dezimalpunkt</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, sieht getrennt durch %1 aus</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln Zeile über ihrer Tabelle übersprungen</numerusform>
            <numerusform>, %Ln Zeilen über ihrer Tabelle übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Letzte Zeile</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Ermittlung der Kodierung</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Überschriften-Änderungen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>Felder in Anführungszeichen zusammengehalten</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>ohne</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 entpackt aus %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: nicht gelesen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>%Ln Zeile über der Tabelle der Datei &quot;%1&quot; wurde übersprungen: „%2“.</numerusform>
            <numerusform>%Ln Zeilen über der Tabelle der Datei &quot;%1&quot; wurden übersprungen, die erste: „%2“.</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>Die Überschriftenzeile der Datei &quot;%1&quot; ist ein Feld, „%2“, über Zeilen mit %3: sie sieht aus wie ein Titel über der Tabelle. Um in jeder Datei die Zeilen über ihrer Tabelle zu überspringen, stellen Sie die zu überspringenden Zeilen auf automatisch (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Die Zeilen der Datei &quot;%1&quot; teilen sich ungleichmäßig und nur an einem Trennzeichen: sie wird an %2 geteilt, wo sich %Ln der ersten %3 Zeilen teilt.</numerusform>
            <numerusform>Die Zeilen der Datei &quot;%1&quot; teilen sich ungleichmäßig und nur an einem Trennzeichen: sie wird an %2 geteilt, wo sich %Ln der ersten %3 Zeilen teilen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Ein Anführungszeichen in Zeile %1 der Datei &quot;%2&quot; hat kein Gegenstück: die Anführungszeichen der Datei wurden als Text gelesen, nicht als Einfassung von Feldern.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Ein Feld in Anführungszeichen der Datei &quot;%1&quot; reicht von Zeile %2 bis Zeile %3, die eine Zelle sind. Sollten es Zeilen sein, hat ein Anführungszeichen in Zeile %2 kein Gegenstück.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>Die Spalte %2 der Datei &quot;%1&quot; enthält „%3“, das sich als Zahl ändern würde: die ganze Spalte bleibt Text.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Die Datumsangaben der Spalte %2 der Datei &quot;%1&quot; („%3“) könnten Tag oder Monat zuerst haben: sie bleiben Text. Um sie als Datum zu speichern, wählen Sie ihre Reihenfolge (--column NAME=date-dmy oder date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Die Spalte %2 der Datei &quot;%1&quot; enthält Datumsangaben mit Tag zuerst und mit Monat zuerst („%3“): sie bleiben Text.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; Spaltenarten: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Spaltenarten</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Verarbeite: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Das Dokument hat keine Tabelle an Position %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Ein Dokument fasst höchstens %1 Tabellen.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Wie erkannt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Datum T/M/J</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Datum M/T/J</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Datum J-M-T</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Art der Spalte %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Gewählte Arten: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Das Dokument in DATEI schreiben, statt es in Calc zu zeigen; das Format folgt der Endung: .ods, .xlsx oder .fods. Braucht kein LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Eine Tabelle je Datei (Standard: alle Dateien in einer Tabelle).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Eine Tabelle je Datei, in der Reihenfolge der Angabe, jede benannt wie ihre Datei (2024-01.csv); schließt --sheet-per-file ein.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon oder pipe: jede Zeile dort in Zellen aufteilen; auto: jede Datei an ihrem eigenen Trennzeichen (Komma, Semikolon, Tabulator oder senkrechter Strich), aus ihrem Anfang ermittelt.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Jede Zeile an TEXT in Zellen aufteilen (beliebiger Text, auch mehrere Zeichen).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Für einen Ordner PFAD: seine Dateien, deren Namen auf .EXT enden, durchsucht wie &quot;Alle Dateien im Ordner hinzufügen&quot; (Standard: jede Datei, wie beim Ablegen).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Text in doppelten Anführungszeichen zusammenhalten, wie in CSV-Dateien: ein Trennzeichen oder Zeilenumbruch in Anführungszeichen gehört zur Zelle, &quot;&quot; ist ein Anführungszeichen.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Dateien ohne Byte-Order-Mark in NAME lesen: jede Kodierung, die Qt liest, in beliebiger Schreibung (--list-encodings listet die üblichen); auto, der Standard, ermittelt sie je Datei.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Die gängigen Kodierungen auflisten, mit dem Namen, den --encoding annimmt.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>Die erste Zeile einer Datei (nach den ausgelassenen) ist ihre Überschriftenzeile: in einer Tabelle stehen die Spaltenüberschriften einmal in der ersten Zeile, und die Zellen jeder Datei kommen unter die Spalten ihrer Namen.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Eine Zelle als Zahl speichern, wenn ihr ganzer Text eine ist und sich nichts ändert (1234.50 zeigt 1234.50; 007, 1e5, 1,234.50 und Kennungen über 15 Ziffern bleiben Text), ihre Dezimalstellen mit ZEICHEN geschrieben: auto (Standard: das jeder Datei, wie ihre Zahlen es zeigen; zeigen sie keines, Komma in an Semikolons geteilten Dateien, sonst Punkt), point oder comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Eine erste Spalte mit der Datei jeder Zeile: ihr Pfad unterhalb des Ordners, der alle Dateien enthält (relative, der Standard), ihr Name (name) oder ihr ganzer Pfad (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Wenn eine Tabelle voll ist, mit dem Rest in einer neuen Tabelle dahinter weitermachen (&quot;NAME (2)&quot;, ...), statt den Rest auszulassen.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Ausgeben, was der Import täte: Kodierung, Zeilen, breiteste Zeile jeder Datei und ein Trennzeichen, an dem sie geteilt aussieht, dann die Tabellen und ihre Zeilen; nichts schreiben oder starten, Standardeingabe und Pipes bleiben dem Import.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Das Fenster mit den aufgeführten PFADen öffnen, statt sie zu importieren (wie &quot;Öffnen mit&quot; eines Dateimanagers).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>DATEI ersetzen, falls vorhanden, durch eine neue Datei mit ihren Rechten, Besitzer und Gruppe (harte Verknüpfungen behalten den alten Inhalt).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Kein Fortschritt.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Pfade:
  PFADe werden in der angegebenen Reihenfolge genommen; ein Ordner bringt seine Dateien und die
  aller Ordner darunter, Ebene für Ebene (versteckte Dateien und Ordner werden übergangen); - ist
  die Standardeingabe. Ohne Argumente oder mit --window öffnet sich das Fenster mit den PFADen.</translation>
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
        <translation>Tabellen:
  In einer Tabelle folgen die Dateien aufeinander; auf eine Datei, die mit einem Zeilenumbruch endet,
  folgt eine leere Zeile. Mit --sheet-per-file kommt die Tabelle jeder Datei nach vorn, die Tabelle der
  letzten Datei steht also zuerst; eine Tabelle heißt nach den Buchstaben, Ziffern und Leerzeichen
  ihrer Datei (notes.txt ergibt notestxt), mit einer Nummer, wenn der Name vergeben ist. Mit
  --sheets-as-listed stehen die Tabellen in der angegebenen Reihenfolge und behalten die Namen ihrer
  Dateien (nur []:*?/\ werden zu _), &quot; (2)&quot; angehängt, wenn vergeben. In .xlsx werden Namen auf 31
  Zeichen gekürzt. Eine Tabelle fasst 1.048.576 Zeilen; mit --continue-sheets geht der Rest direkt
  danach in &quot;NAME (2)&quot; weiter.</translation>
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
        <translation>Überschriften:
  Mit --header ist die erste Zeile einer Datei (nach --skip-lines) ihre Überschriftenzeile: in einer Tabelle
  stehen die Spaltenüberschriften einmal in der ersten Zeile, in der Reihenfolge ihres ersten
  Auftretens, und die Zellen jeder Datei kommen unter die Spalten ihrer Namen, zuerst nach genau
  gleicher Schreibung, dann ohne Rücksicht auf Groß- und Kleinschreibung und Unicode-Form, wo das
  eindeutig ist („ID“ und „id“ einer Überschriftenzeile bleiben zwei Spalten); Zellen jenseits der Überschriftenzeile
  einer Datei kommen nach allen benannten Spalten. --rename ALT=NEU lässt eine Spalte ALT als NEU
  gelten. Wie die Überschriften voneinander abweichen, wird einmal je Änderung gemeldet, und --dry-run
  zeigt die Spalten, die sie ergeben. --file-column setzt die Datei jeder Zeile in eine erste Spalte.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Kodierungen:
  Die Kodierung einer Datei wird beim Lesen ermittelt: ein Byte-Order-Mark; UTF-16 oder UTF-32 an
  ihren Null-Bytes; UTF-8, wobei einige verirrte Bytes wie in windows-1252 gelesen werden (und gemeldet);
  sonst, was eine statistische Erkennung findet (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251,
  KOI8-R, ...); sonst windows-1252, und gemeldet. --encoding NAME liest Dateien ohne Markierung
  stattdessen in NAME. Bytes, die in der gelesenen Kodierung ungültig sind, werden zu U+FFFD und gemeldet.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Exit-Status:
  0      jede Datei wurde ganz importiert (und das Dokument geschrieben, mit --output)
  1      eine Datei war nicht lesbar oder enthielt in ihrer Kodierung ungültige Bytes, Zellen passten
         nicht, oder das Dokument konnte nicht geschrieben werden; der Rest wurde trotzdem importiert
  2      ein Bedienfehler, oder keine Anzeige, wo eine gebraucht wird
  3      LibreOffice fehlt oder ging während des Laufs verloren
  128+N  Signal N (INT, TERM, HUP) beendete den Lauf; seine temporären Dateien gingen mit</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Fehler bitte melden unter %1 oder an %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Aufruf: quillora [OPTION]... PFAD...
  oder:  quillora [--window [PFAD]...]
  oder:  quillora --dry-run [OPTION]... PFAD...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Textdateien in eine Tabellenkalkulation laden: jede Zeile eine Zeile, jedes Stück eine Zelle, als Text.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Zu importierende Textdateien und Ordner; - für die Standardeingabe.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Für jede Datei ermittelt (der Standard)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split und --separator schließen einander aus.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split nimmt space, comma, tab, semicolon, pipe oder auto, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator braucht einen Text, an dem geteilt wird.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator darf keinen Zeilenumbruch enthalten: ein Zeilenumbruch beendet die Zeile, nicht eine Zelle.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: die Datei muss auf .ods, .xlsx oder .fods enden.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existiert; --force ersetzt sie.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>unbekannte Kodierung &quot;%1&quot;; --list-encodings listet die üblichen.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers nimmt auto, point oder comma, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename nimmt ALT=NEU, zwei Namen, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines nimmt eine Anzahl Zeilen, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column nimmt relative, name oder path, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>kein PFAD angegeben.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: die Standardausgabe kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>„quillora --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: es gibt keine Anzeige, um das Dokument in Calc zu zeigen; --output DATEI schreibt es stattdessen in eine Datei.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Die ersten N Zeilen jeder Datei auslassen (ein Titel, eine &quot;exportiert von&quot;-Zeile); auto: die Zeilen jeder Datei über ihrer Tabelle.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Mit --header: eine Spalte namens ALT gilt als NEU, bevor Namen abgeglichen werden (&quot;Kunde=Auftraggeber&quot;; ein &quot;=&quot; in einem Namen wird &quot;\=&quot; geschrieben); mehrfach angebbar.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>WO</translation>
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
        <translation>ALT=NEU</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Als letzte Tabelle des Dokuments eine Liste aller Dateien anfügen: Tabelle und Zeilen, in denen sie landeten, Kodierung, Trennzeichen, Dezimalzeichen, Zeilen, Spalten, Überschriften-Änderungen und Hinweise.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Dieselbe Liste auch in DATEI schreiben, als CSV oder, wenn der Name auf .jsonl oder .json endet, als JSON Lines; auch mit --dry-run. Eine vorhandene DATEI wird nur mit --force ersetzt.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 ist ein Ordner; --report braucht eine Datei.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report und --output nennen beide %1: der Bericht würde das Dokument ersetzen.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 ist eine zu importierende Datei; sie kann nicht zugleich geschrieben werden.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Komprimierte Dateien und Archive:
  Eine ganz mit gzip, bzip2, xz oder zstd komprimierte Datei wird als der Text gelesen, den sie
  enthält, erkannt an ihren ersten Bytes, wie immer sie heißt (auch die Standardeingabe); eine
  beschädigte oder abgeschnittene wird mit ihrem Namen gemeldet. Ein .zip-Archiv ist ein Ordner: seine
  Dateien werden als Pfade darunter benannt (2024.zip/nord/jan.csv), und --extension eines Ordners
  bringt seine Archivdateien und komprimierten Dateien dieser Endung mit.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column nimmt NAME=TYP, TYP eines von %1, nicht &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Eine Zelle, deren ganzer Text ein Datum ist, als Datum speichern, so angezeigt, wie die Datei es schrieb: ISO (2024-03-01), und Tag, Monat und vierstelliges Jahr, getrennt durch /, . oder -, in der Reihenfolge, die die eigenen Datumsangaben der Datei festlegen (31/12/2024: Tag zuerst); eine Spalte, deren Datumsangaben beides sein könnten, bleibt Text.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>Die Art einer Spalte, nach ihrem Überschriftennamen (nach Umbenennungen) oder ihrer Nummer ab 1: text, number, date-dmy, date-mdy, date-ymd oder skip, um sie auszulassen; eine Zelle, die nicht von der Art ihrer Spalte sein kann, bleibt Text. Mehrfach angebbar.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>NAME=TYP</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>die Standardeingabe wird für das erste &quot;-&quot; gelesen; ein weiteres hat nichts mehr zu lesen und wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 ist die Ausgabedatei; sie wird nicht importiert.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>keine Dateien zu importieren.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: kann nicht in %2 schreiben: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>speichere %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>speichere Zeilen: %1 von %2 in %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>speichere %1: schließe die Datei ab</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 wurde nicht geschrieben: keine Datei konnte importiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>Tabelle %1: %Ln Zeile</numerusform>
            <numerusform>Tabelle %1: %Ln Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln Zeile ausgelassen: eine Tabelle fasst %1)</numerusform>
            <numerusform>(%Ln Zeilen ausgelassen: eine Tabelle fasst %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln Spalte)</numerusform>
            <numerusform>%1, ... (%Ln Spalten)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>Spalten: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: ein Datenstrom, nur vom Import gelesen: nicht in diesem Plan</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>Die Liste enthält Eintrag %1 nicht mehr.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>importiere sie für sich allein mit --encoding (--list-encodings listet die üblichen)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>gib --continue-sheets an</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] lese %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>schreibe Zeilen: %1 von %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 ist die Datei des Berichts; sie wird nicht importiert.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existiert; --force ersetzt sie.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, Felder in Anführungszeichen</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>Das Dokument wurde aufgegeben, bevor es fertig war.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>Zelle (%1, %2) liegt außerhalb der Tabelle.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>Das Dokument hat keine Tabelle &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>Die letzte Tabelle eines Dokuments kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>&quot;%1&quot; ist kein gültiger Tabellenname.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>Das Dokument hat bereits eine Tabelle &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Ein Dokument fasst höchstens %1 Tabellen.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Das Dokument hat keine Tabelle an Position %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>Der Dokumentschreiber</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>Das Dokument wurde nicht vom Dokumentschreiber erstellt.</translation>
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
        <translation>Westeuropa</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropa</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie einen Screenshot dieser Meldung an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte Ordner wählen:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Dateiendung zum Laden eingeben:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen gewählt.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Bitte fügen Sie sie mit der Schaltfläche &quot;Alle hinzufügen&quot; hinzu.</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Gelesen als %1, für diese Datei gewählt</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Geteilt an &quot;%1&quot;, für diese Datei gewählt</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Kein eigenes Trennzeichen gefunden: ganze Zeilen</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Textdatei(en)</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht importiert: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>Das Archiv &quot;%1&quot; enthält Dateien, deren Namen aus ihm hinausführen: %2. Sie werden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 und %Ln weiterer</numerusform>
            <numerusform>%1 und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>nur in %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>ab %1, %Ln Datei</numerusform>
            <numerusform>ab %1, %Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>nur in %Ln Datei, bis %1</numerusform>
            <numerusform>nur in %Ln Dateien, bis %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>nur in %Ln Datei, %1 bis %2</numerusform>
            <numerusform>nur in %Ln Dateien, %1 bis %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>nur in %Ln Datei: %1</numerusform>
            <numerusform>nur in %Ln Dateien: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>fehlt in %Ln Datei: %1</numerusform>
            <numerusform>fehlt in %Ln Dateien: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>Spalten in anderer Reihenfolge: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Umbenennungen verwerfen</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Umzubenennende Spalte</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Name, als der sie zählt</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Die Zellen der ersten Spalte kommen in jeder aufgelisteten Datei unter die zweite.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Spalte:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>zählt als:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>„%1“ als „%2“</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Keine Spalte umbenannt.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Umbenannt: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Geben Sie den Namen ein, als der die Spalte gilt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>„%1“ ist der eigene Name der Spalte: Geben Sie einen anderen ein.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Keine Tabellenkalkulation ist verfügbar.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>Die Liste enthält Eintrag %1 nicht mehr.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>markieren Sie sie in der Liste, wählen Sie ihre Kodierung unter &quot;Kodierung dieser Datei&quot; in der Vorschau und importieren Sie sie erneut</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>aktivieren Sie &quot;Bei voller Tabelle in neuer Tabelle fortfahren&quot;</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Import &amp;starten</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Import &amp;stoppen</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>Die Tabelle &quot;%1&quot; kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Das Dokument hat keine Tabelle an Position %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Importbericht</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Gelesene Dateien</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Alles &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>JSON-Lines-Dateien (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>unterbrochen durch %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice hat kein neues Tabellendokument geöffnet.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: es gibt keine Anzeige, um das Fenster zu öffnen; die Kommandozeile kommt ohne aus, zum Beispiel: quillora --output DATEI PFAD... (siehe quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen und ablegen. Doppelklick auf einen Eintrag entfernt ihn. Die Linie | nach rechts aus dem Fenster ziehen, um ganze Namen zu sehen.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Zu importierende Textdateien</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Dateien hinzufügen oder Dateien und Ordner hier ablegen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Nach oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>Textdatei(en) hinzuf&amp;ügen</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Alle Dateien im &amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>&amp;Beispieldateien laden</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Oberfläche &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>Das Zeigerbild &quot;%1&quot; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll der Ordner mit diesen Beispieldateien geöffnet werden (damit Sie sie ansehen können, bevor Sie mit ihnen arbeiten)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln Datei hinzugefügt</numerusform>
            <numerusform>%Ln Dateien hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; %Ln andere Datei übergangen (nicht %1)</numerusform>
            <numerusform>; %Ln andere Dateien übergangen (nicht %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet; der Import endet hier.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>Die UNO-Laufzeit von LibreOffice konnte nicht eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>es ist kein Socket</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 gehört nicht zu LibreOffice (%2): keine Verbindung dorthin; stattdessen wird eine private Pipe verwendet.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora verbindet sich nicht mit %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>LibreOffice konnte nicht aus %1 gestartet werden.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice endete, bevor es antwortete.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Datei(en) hinzufügen - mit Strg und Umschalt mehrere Dateien wählen</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Textdateien (*.txt)|*.txt|Text- und CSV-Dateien (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Alle Dateien (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%Ln Zeichen der Tabelle &quot;%1&quot; wurde ausgelassen: eine %2-Datei kann keine Steuerzeichen außer Tabulator und Zeilenumbruch enthalten, auch nicht U+FFFE und U+FFFF (eine .xlsx-Datei behält sie).</numerusform>
            <numerusform>%Ln Zeichen der Tabelle &quot;%1&quot; wurden ausgelassen: eine %2-Datei kann keine Steuerzeichen außer Tabulator und Zeilenumbruch enthalten, auch nicht U+FFFE und U+FFFF (eine .xlsx-Datei behält sie).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>%1 kann nicht geschrieben werden: ein Teil davon wuchs über 4 GiB.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Nicht &amp;formatieren</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Daten in neue &amp;Calc-Spalten an Leerzeichen aufteilen</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Daten in neue Calc-Spalten an Ko&amp;mmas aufteilen</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Daten in neue Calc-S&amp;palten an Tabulatoren aufteilen</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>Daten in neue Calc-Spalten an diesen &amp;Zeichen aufteilen:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Daten am eigenen Trennzeichen &amp;jeder Datei aufteilen (Komma, Semikolon, Tabulator, senkrechter Strich)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Alle &amp;Textdateien in eine Tabelle importieren</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>Jede Te&amp;xtdatei in eine eigene Tabelle importieren</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Importoptionen</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Formatoptionen</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Jede Tabelle nach ihrer Datei benennen, in der Reihenfolge der Liste</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Text &amp;in doppelten Anführungszeichen zusammenhalten</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Als Zahlen speichern, nur wenn sich der Wert nicht ändert</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Dezimaltrennzeichen:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Datumsangaben (2024-03-01, 31/12/2024) als Datum speichern</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Zeilen und Überschriften</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Am Anfan&amp;g jeder Datei zu überspringende Zeilen:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Am Anfang jeder Datei zu überspringende Zeilen</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>&amp;Erste Zeile enthält die Überschriften: einmal behalten, Spalten nach Namen zuordnen</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>Spalte mit dem &amp;Dateinamen jeder Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Bei voller Tabelle in neuer Tabelle &amp;weitermachen</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>Kodie&amp;rung:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>Die gespeicherte Anzahl zu überspringender Zeilen &quot;%1&quot; ist keine Zahl von 0 bis 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>Das gespeicherte Dezimaltrennzeichen &quot;%1&quot; ist keines von Automatic, Point und Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Eine Tabelle mit allen Dateien anfügen</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>das Archiv ist beschädigt</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>sein Name führt aus dem Archiv hinaus</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>das Archiv enthält keine solche Datei</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>sie braucht ein Passwort</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>sie enthält ein Archiv von Dateien (tar), keinen Text: entpacken Sie sie zuerst</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>sie entpackt sich auf mehr als das %1-Fache ihrer Größe, wie es eine Dekomprimierungsbombe tut; ist sie ein Text, der sich so sehr wiederholt, entpacken Sie sie zuerst und importieren Sie den Text</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>mit den Dateien davor entpackt sich das Archiv „%1“ auf mehr als das %2-Fache seiner Größe, wie es eine Dekomprimierungsbombe tut; wiederholen sich seine Texte so sehr, entpacken Sie es zuerst und importieren Sie sie</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>sie endet vor ihren komprimierten Daten: sie wurde abgeschnitten</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>ihre Prüfsumme passt nicht zu ihrem Inhalt: sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>&amp;Hier aufteilen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Kodierung dieser Datei</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Kodierung wie in den Optionen</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Trennzeichen dieser Datei</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Wie in den Optionen</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>&amp;Kodierung dieser Datei:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>Zeilen dieser Datei aufteilen &amp;an:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Keine Datei in der Liste.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Diese Datei sieht getrennt durch %1 aus.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Spalten der aufgeführten Dateien: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 und %Ln weitere</numerusform>
            <numerusform>%1 und %Ln weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... %Ln weitere (siehe Tooltip)</numerusform>
            <numerusform>... %Ln weitere (siehe Tooltip)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>Die Menütaste in einer Spalte oder ein Klick auf ihre Überschrift wählt ihre Art.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>Der Bericht %1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Die Datei &quot;%1&quot; wurde nicht importiert: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Die Überschriften unterscheiden sich: %1. Die Zellen jeder Datei stehen unter den Spalten ihrer Namen.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Spaltennamen werden auf zwei Arten geschrieben: %1. Jeder ist eine Spalte, benannt wie zuerst geschrieben.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Ein Spaltenname wird auf zwei Arten geschrieben: %1. Es ist eine Spalte, benannt wie zuerst geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: jede Zeile ist eine Zelle, wo die anderen Dateien %Ln haben; sie sieht getrennt durch %2 aus.</numerusform>
            <numerusform>%1: jede Zeile ist eine Zelle, wo die anderen Dateien %Ln haben; sie sieht getrennt durch %2 aus.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: jede Zeile ist eine Zelle, wo die anderen Dateien mehrere haben; sie sieht getrennt durch %2 aus.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: ihre Überschriftenzeile ist eine Zelle, wo die anderen Dateien %Ln haben; sie sieht getrennt durch %2 aus.</numerusform>
            <numerusform>%1: ihre Überschriftenzeile ist eine Zelle, wo die anderen Dateien %Ln haben; sie sieht getrennt durch %2 aus.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: ihre Überschriftenzeile ist eine Zelle, wo die anderen Dateien mehrere haben; sie sieht getrennt durch %2 aus.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... und %Ln weitere Datei</numerusform>
            <numerusform>... und %Ln weitere Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Keine Überschriftenzeile hat eine Spalte &quot;%1&quot;, die als &quot;%2&quot; gelten könnte.</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Keine Überschriftenzeile hat eine Spalte &quot;%1&quot;, die %2 sein soll.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>Kommas</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>Semikolons</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>Tabulatoren</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>senkrechte Striche</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Senkrechter Strich</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>Die Einstellung &quot;%1&quot; konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot; wird in %Ln Datei &quot;%2&quot; geschrieben: %3</numerusform>
            <numerusform>&quot;%1&quot; wird in %Ln Dateien &quot;%2&quot; geschrieben: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 werden in %Ln Datei %2 geschrieben: %3</numerusform>
            <numerusform>%1 werden in %Ln Dateien %2 geschrieben: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>Die Zeilen des Dokuments können nicht in %1 gehalten werden: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>Die Zeilen des Dokuments können nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>Die Zeilen des Dokuments können in %1 nicht zurückgelesen werden: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>Zeile %1 kommt nach Zeile %2: ein geschriebenes Dokument nimmt seine Zeilen der Reihe nach.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>Die Zeilen des Dokuments können nicht zurückgelesen werden: sie enden zu früh.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Die Zeilen nach Zeile %1 der Tabelle &quot;%2&quot; wurden ausgelassen: ein Dokument fasst höchstens %3 Tabellen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln Zelle der Tabelle &quot;%1&quot; wurde auf %2 Zeichen gekürzt: mehr fasst eine Zelle nicht (eine .ods-Datei behält solche Zellen ganz, bis %3 Zeichen).</numerusform>
            <numerusform>%Ln Zellen der Tabelle &quot;%1&quot; wurden auf %2 Zeichen gekürzt: mehr fasst eine Zelle nicht (eine .ods-Datei behält solche Zellen ganz, bis %3 Zeichen).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln Zelle der Tabelle &quot;%1&quot; wurde auf %2 Zeichen gekürzt: mehr fasst eine Zelle nicht.</numerusform>
            <numerusform>%Ln Zellen der Tabelle &quot;%1&quot; wurden auf %2 Zeichen gekürzt: mehr fasst eine Zelle nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Um die Zeilen nach der letzten in neue Tabellen zu setzen, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln Zelle konnte nicht in die Tabelle &quot;%1&quot; geschrieben werden: eine Tabelle fasst höchstens %2 Spalten und %3 Zeilen.%4</numerusform>
            <numerusform>%Ln Zellen konnten nicht in die Tabelle &quot;%1&quot; geschrieben werden: eine Tabelle fasst höchstens %2 Spalten und %3 Zeilen.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>Der Import wurde angehalten, bevor eine Datei gelesen war.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>Der Import wurde angehalten, während die Datei &quot;%1&quot; (Datei %2 von %3) gelesen wurde: die Tabellen der Dateien davor sind im Dokument.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>Der Import wurde angehalten, während die Datei &quot;%1&quot; (Datei %2 von %3) gelesen wurde: nichts wurde in das Dokument geschrieben.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>Der Import wurde angehalten, bevor eine Zeile geschrieben war.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>Der Import wurde nach Zeile %1 der Datei &quot;%2&quot; (Datei %3 von %4) angehalten: die Zeilen bis dorthin sind im Dokument, danach keine.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>Die Brücke zu LibreOffice konnte nicht eingerichtet werden.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>Die Zwischendatei kann nicht in %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>Die Zwischendatei in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>Die Zwischendatei in %1 kann nicht geleert werden: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>Die Zwischendatei in %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Fehler 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>OpenOffice wird für diese Software benötigt. Es ist auf diesem Computer nicht installiert.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Möchten Sie diese Seite jetzt öffnen?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Wenn Sie meinen, dieser Fehler sei ein Irrtum und OpenOffice sei installiert, senden Sie bitte einen Screenshot dieser Fehlermeldung und einen Screenshot des OpenOffice-Fensters &quot;Info&quot; an %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>sie ist eine Verknüpfung auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>sie ist eine Verknüpfung auf etwas, das keine Datei ist</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Datei nicht gefunden (der Name ist kein gültiges UTF-8)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>Es ist keine Datei</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>Es ist keine Datei, die vor dem Import angesehen werden kann</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Sie hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>sie ist ein .zip-Archiv im Archiv: entpacken Sie sie zuerst</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>Die Verbindung zu LibreOffice ging verloren: LibreOffice wurde geschlossen oder angehalten.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice hat die Anfrage abgelehnt.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>ein Teil der Datei hat 4 GiB oder mehr und wird mit ZIP64 geschrieben, wie das Format es erlaubt; LibreOffice (mindestens 7.4) öffnet einen so großen Teil nicht, andere Programme schon.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: die Tabelle &quot;%2&quot; kann nicht hinzugefügt werden: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter hat sie abgelehnt</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: eine Zelle kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>%1 kann nicht geschrieben werden: die Zeilen können nicht in %2 gehalten werden: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
</TS>
