<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; wykryto podział przecinkami</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; wykryto podział przecinkami, z polami w cudzysłowach</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Rozdzielony przecinkami, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Rozdzielony przecinkami, z polami w cudzysłowach, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; wykryto podział średnikami</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; wykryto podział średnikami, z polami w cudzysłowach</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Rozdzielony średnikami, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Rozdzielony średnikami, z polami w cudzysłowach, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; wykryto podział tabulatorami</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; wykryto podział tabulatorami, z polami w cudzysłowach</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Rozdzielony tabulatorami, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Rozdzielony tabulatorami, z polami w cudzysłowach, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; wykryto podział pionowymi kreskami</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; wykryto podział pionowymi kreskami, z polami w cudzysłowach</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Rozdzielony pionowymi kreskami, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Rozdzielony pionowymi kreskami, z polami w cudzysłowach, wykryto na początku pliku</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; brak własnego separatora: całe wiersze</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>wybrane</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>zgadnięte</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>wykryte</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mieszane</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> Zawiera też %Ln prawidłową sekwencję UTF-8: może to być UTF-8 z domieszką bajtów innego kodowania.</numerusform>
            <numerusform> Zawiera też %Ln prawidłowe sekwencje UTF-8: może to być UTF-8 z domieszką bajtów innego kodowania.</numerusform>
            <numerusform> Zawiera też %Ln prawidłowych sekwencji UTF-8: może to być UTF-8 z domieszką bajtów innego kodowania.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln bajt nic nie znaczy w windows-1252 i zostaje jako znak sterujący</numerusform>
            <numerusform>%Ln bajty nic nie znaczą w windows-1252 i zostają jako znaki sterujące</numerusform>
            <numerusform>%Ln bajtów nic nie znaczy w windows-1252 i zostaje jako znaki sterujące</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln znaku nie udało się odczytać i jest U+FFFD</numerusform>
            <numerusform>%Ln znaków nie udało się odczytać i są U+FFFD</numerusform>
            <numerusform>%Ln znaków nie udało się odczytać i są U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>Plik „%1” przeczytano jako UTF-8, z %Ln bajtem spoza UTF-8 czytanym jak w windows-1252, ale %2. Jeśli ma inne kodowanie, %3.%4</numerusform>
            <numerusform>Plik „%1” przeczytano jako UTF-8, z %Ln bajtami spoza UTF-8 czytanymi jak w windows-1252, ale %2. Jeśli ma inne kodowanie, %3.%4</numerusform>
            <numerusform>Plik „%1” przeczytano jako UTF-8, z %Ln bajtami spoza UTF-8 czytanymi jak w windows-1252, ale %2. Jeśli ma inne kodowanie, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>Plik „%1” przeczytano jako %2, ale %3. Jeśli ma inne kodowanie, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>Plik „%1” przeczytano jako UTF-8; %Ln bajt spoza UTF-8 przeczytano jak w windows-1252.</numerusform>
            <numerusform>Plik „%1” przeczytano jako UTF-8; %Ln bajty spoza UTF-8 przeczytano jak w windows-1252.</numerusform>
            <numerusform>Plik „%1” przeczytano jako UTF-8; %Ln bajtów spoza UTF-8 przeczytano jak w windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>Nie udało się pewnie ustalić kodowania pliku „%1”: przeczytano go jako %2. Jeśli tekst wygląda źle, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>Plik „%1” przeczytano jako %2. Jeśli tekst wygląda źle, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Wiersze pliku „%1” nie dzielą się równo przy żadnym z: przecinek, średnik, tabulator, kreska pionowa; zostają całe, po jednej komórce.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Plik „%1” jest dzielony przy %2, jak większość jego wierszy; %Ln z pierwszych %3 wierszy ma inną liczbę komórek i mimo to jest dzielony.</numerusform>
            <numerusform>Plik „%1” jest dzielony przy %2, jak większość jego wierszy; %Ln z pierwszych %3 wierszy mają inną liczbę komórek i mimo to są dzielone.</numerusform>
            <numerusform>Plik „%1” jest dzielony przy %2, jak większość jego wierszy; %Ln z pierwszych %3 wierszy ma inną liczbę komórek i mimo to jest dzielonych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Wiersze pliku „%1” dzielą się równie dobrze przy %2, jak przy %3: są dzielone przy %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>Plik „%1” ma pole w cudzysłowie, które zaczyna się w wierszu %2 i nigdy nie kończy: reszta pliku jest w tej jednej komórce.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>Pominięto %Ln wiersz nad tabelą pliku „%1”.</numerusform>
            <numerusform>Pominięto %Ln wiersze nad tabelą pliku „%1”.</numerusform>
            <numerusform>Pominięto %Ln wierszy nad tabelą pliku „%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; liczby z przecinkiem dziesiętnym</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; liczby z kropką dziesiętną</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>wiersze: %Ln</numerusform>
            <numerusform>wiersze: %Ln</numerusform>
            <numerusform>wiersze: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>wiersze: ok. %Ln</numerusform>
            <numerusform>wiersze: ok. %Ln</numerusform>
            <numerusform>wiersze: ok. %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; końce wierszy: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>ustalone</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>całe wiersze</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>przecinek dziesiętny</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>kropka dziesiętna</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>bez %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>dodaje %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, najszerszy %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln komórka</numerusform>
            <numerusform>%Ln komórki</numerusform>
            <numerusform>%Ln komórek</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, brak własnego separatora: całe wiersze</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, rozdzielany: %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, liczby z przecinkiem dziesiętnym</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, liczby z kropką dziesiętną</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, wygląda na rozdzielany: %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, pominięto %Ln wiersz nad tabelą</numerusform>
            <numerusform>, pominięto %Ln wiersze nad tabelą</numerusform>
            <numerusform>, pominięto %Ln wierszy nad tabelą</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Arkusz</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Pierwszy wiersz</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Ostatni wiersz</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodowanie</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Sposób ustalenia kodowania</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Cudzysłowy</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Znak dziesiętny</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Pominięte wiersze</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Wiersze</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Zmiany nagłówka</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>pola w cudzysłowach w całości</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>bez cudzysłowów</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 po rozpakowaniu z %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: nie wczytano: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>Pominięto %Ln wiersz nad tabelą pliku „%1”: „%2”.</numerusform>
            <numerusform>Pominięto %Ln wiersze nad tabelą pliku „%1”, pierwszy: „%2”.</numerusform>
            <numerusform>Pominięto %Ln wierszy nad tabelą pliku „%1”, pierwszy: „%2”.</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>Nagłówek pliku „%1” to jedno pole, „%2”, nad wierszami po %3: wygląda jak tytuł nad tabelą. Aby pominąć wiersze nad tabelą każdego pliku, ustaw wiersze do pominięcia na automatycznie (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Wiersze pliku „%1” dzielą się nierówno i tylko przy jednym separatorze: plik jest dzielony przy %2, gdzie dzieli się %Ln z pierwszych %3 wierszy.</numerusform>
            <numerusform>Wiersze pliku „%1” dzielą się nierówno i tylko przy jednym separatorze: plik jest dzielony przy %2, gdzie dzielą się %Ln z pierwszych %3 wierszy.</numerusform>
            <numerusform>Wiersze pliku „%1” dzielą się nierówno i tylko przy jednym separatorze: plik jest dzielony przy %2, gdzie dzieli się %Ln z pierwszych %3 wierszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Cudzysłów w wierszu %1 pliku „%2” nie ma pary: cudzysłowy pliku odczytano jako tekst, a nie jako granice pól.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Pole w cudzysłowie pliku „%1” biegnie od wiersza %2 do wiersza %3, które tworzą jedną komórkę. Jeśli miały to być wiersze, cudzysłów w wierszu %2 nie ma pary.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>Kolumna %2 pliku „%1” zawiera „%3”, co zmieniłoby się jako liczba: cała kolumna pozostaje tekstem.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Daty w kolumnie %2 pliku „%1” („%3”) mogą mieć najpierw dzień albo miesiąc: pozostają tekstem. Aby zapisać je jako daty, wybierz ich kolejność (--column NAZWA=date-dmy lub date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Kolumna %2 pliku „%1” zawiera daty z dniem na początku i z miesiącem na początku („%3”): pozostają tekstem.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; rodzaje kolumn: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Rodzaje kolumn</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Przetwarzanie: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Dokument nie ma arkusza na pozycji %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Dokument mieści najwyżej %1 arkuszy.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Jak wykryto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Data D/M/R</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Data M/D/R</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Data R-M-D</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Pominięta</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Rodzaj kolumny %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Wybrane rodzaje: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Zapisz dokument do PLIKU zamiast pokazywać go w Calc; format wynika z rozszerzenia: .ods, .xlsx lub .fods. Nie wymaga LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Arkusz na każdy plik (domyślnie: wszystkie pliki w jednym arkuszu).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Arkusz na każdy plik, w podanej kolejności, każdy nazwany jak jego plik (2024-01.csv); oznacza --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon lub pipe: tam dziel każdy wiersz na komórki; auto: każdy plik według własnego separatora (przecinek, średnik, tabulator lub kreska pionowa), ustalonego z jego początku.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Dziel każdy wiersz na komórki przy TEKŚCIE (dowolny tekst, także kilka znaków).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Dla folderu ŚCIEŻKA: jego pliki, których nazwy kończą się na .EXT, przeglądane jak w „Dodaj wszystkie pliki z folderu” (domyślnie: każdy plik, jak przy upuszczeniu).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Trzymaj razem tekst w cudzysłowach, jak w plikach CSV: separator lub koniec wiersza w cudzysłowie należy do komórki, &quot;&quot; to jeden cudzysłów.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Czytaj pliki bez znacznika kolejności bajtów w kodowaniu NAZWA: dowolnym, które czyta Qt, wielkość liter bez znaczenia (--list-encodings wymienia typowe); auto, domyślne, ustala je dla każdego pliku.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Wymień typowe kodowania, pod nazwą przyjmowaną przez --encoding.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>Pierwszy wiersz pliku (po pominiętych) jest jego nagłówkiem: w jednym arkuszu nazwy z nagłówków tworzą raz pierwszy wiersz, a komórki każdego pliku trafiają pod kolumny o ich nazwach.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Zapisz komórkę jako liczbę, gdy cały jej tekst nią jest i nic się nie zmienia (1234.50 pokazuje 1234.50; 007, 1e5, 1,234.50 i identyfikatory dłuższe niż 15 cyfr pozostają tekstem), z częścią dziesiętną zapisaną ZNAKIEM: auto (domyślnie: znak każdego pliku, jak pokazują go jego liczby; gdy nie pokazują żadnego, przecinek w plikach dzielonych średnikami, w innych kropka), point lub comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Pierwsza kolumna z plikiem każdego wiersza: jego ścieżka poniżej folderu zawierającego wszystkie pliki (relative, domyślnie), nazwa (name) lub pełna ścieżka (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Gdy arkusz jest pełny, kontynuuj resztę w nowym arkuszu za nim („NAZWA (2)”, ...), zamiast pomijać resztę.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Pokaż, co zrobiłby import: kodowanie, wiersze, najszerszy wiersz każdego pliku i separator, którym wydaje się dzielony, potem arkusze i ich wiersze; niczego nie zapisuj ani nie uruchamiaj, a standardowe wejście i potoki zostaw importowi.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Otwórz okno z wymienionymi ŚCIEŻKAMI zamiast je importować (jak „Otwórz za pomocą” menedżera plików).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Zastąp PLIK, jeśli istnieje, nowym plikiem z jego uprawnieniami, właścicielem i grupą (dowiązania twarde zachowują starą treść).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Bez postępu.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Ścieżki:
  ŚCIEŻKI są brane w podanej kolejności; folder wnosi swoje pliki i pliki każdego folderu pod nim,
  poziom po poziomie (ukryte pliki i foldery są pomijane); - to standardowe wejście. Bez argumentów
  lub z --window otwiera się okno z wymienionymi ŚCIEŻKAMI.</translation>
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
        <translation>Arkusze:
  W jednym arkuszu pliki następują po sobie; po pliku kończącym się znakiem końca wiersza następuje
  pusty wiersz. Z --sheet-per-file arkusz każdego pliku idzie na początek, więc arkusz ostatniego pliku
  jest pierwszy; arkusz nazywa się od liter, cyfr i spacji swojego pliku (notes.txt daje notestxt), z
  numerem dodanym, gdy nazwa jest zajęta. Z --sheets-as-listed arkusze stoją w podanej kolejności i
  zachowują nazwy plików (tylko []:*?/\ stają się _), &quot; (2)&quot; dodane, gdy zajęta. W .xlsx nazwy są
  skracane do 31 znaków. Arkusz mieści 1 048 576 wierszy; z --continue-sheets reszta idzie do
  „NAZWA (2)” zaraz za nim.</translation>
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
        <translation>Nagłówki:
  Z --header pierwszy wiersz pliku (po --skip-lines) jest jego nagłówkiem: na jednym arkuszu nazwy
  z nagłówków tworzą pierwszy wiersz, raz, w kolejności pierwszego wystąpienia, a komórki każdego
  pliku trafiają pod kolumny swoich nazw, dopasowanych najpierw po dokładnej pisowni, potem bez
  względu na wielkość liter i postać Unicode, gdy nie budzi to wątpliwości („ID” i „id” z jednego
  nagłówka pozostają dwiema kolumnami); komórki poza nagłówkiem pliku trafiają za wszystkie
  nazwane kolumny. --rename STARA=NOWA sprawia, że kolumna STARA liczy się jako NOWA. Różnice
  między nagłówkami są zgłaszane raz na zmianę, a --dry-run pokazuje kolumny, które z nich
  powstają. --file-column wstawia plik każdego wiersza do pierwszej kolumny.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Kodowania:
  Kodowanie pliku jest ustalane przy czytaniu: znacznik kolejności bajtów; UTF-16 lub UTF-32 po
  zerowych bajtach; UTF-8, gdzie kilka zbłąkanych bajtów czyta się jak w windows-1252 (i zgłasza);
  w przeciwnym razie to, co znajdzie detektor statystyczny (Shift_JIS, GB18030, Big5, EUC-KR,
  windows-1251, KOI8-R, ...); w przeciwnym razie windows-1252, i zgłasza. --encoding NAZWA czyta pliki
  bez znacznika w NAZWIE. Bajty nieprawidłowe w czytanym kodowaniu stają się U+FFFD i są zgłaszane.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Status wyjścia:
  0      każdy plik zaimportowano w całości (i zapisano dokument, z --output)
  1      pliku nie dało się przeczytać lub zawierał bajty nieprawidłowe w swoim kodowaniu, komórki
         się nie zmieściły lub dokumentu nie dało się zapisać; resztę mimo to zaimportowano
  2      błąd użycia lub brak ekranu tam, gdzie jest potrzebny
  3      brak LibreOffice lub utracono je w trakcie działania
  128+N  sygnał N (INT, TERM, HUP) zakończył działanie; jego pliki tymczasowe zniknęły razem z nim</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Błędy prosimy zgłaszać na %1 lub do %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Użycie: quillora [OPCJA]... ŚCIEŻKA...
  lub:  quillora [--window [ŚCIEŻKA]...]
  lub:  quillora --dry-run [OPCJA]... ŚCIEŻKA...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Wczytaj pliki tekstowe do arkusza kalkulacyjnego: każdy wiersz wierszem, każdy kawałek komórką, jako tekst.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Pliki tekstowe i foldery do zaimportowania; - dla standardowego wejścia.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Ustalane dla każdego pliku (domyślnie)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split i --separator wykluczają się.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split przyjmuje space, comma, tab, semicolon, pipe lub auto, nie „%1”.</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator wymaga tekstu, przy którym dzielić.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator nie może zawierać końca wiersza: koniec wiersza kończy wiersz, nie komórkę.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: plik musi kończyć się na .ods, .xlsx lub .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 istnieje; --force go zastępuje.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>nieznane kodowanie „%1”; --list-encodings wymienia typowe.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers przyjmuje auto, point lub comma, nie „%1”.</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename przyjmuje STARA=NOWA, dwie nazwy, nie „%1”.</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines przyjmuje liczbę wierszy, nie „%1”.</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column przyjmuje relative, name lub path, nie „%1”.</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>nie podano ŚCIEŻKI.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: nie można pisać na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Więcej informacji: „quillora --help”.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: nie ma ekranu, na którym pokazać dokument w Calc; --output PLIK zapisuje go zamiast tego do pliku.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice nie jest dostępne: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Pomiń pierwsze N wierszy każdego pliku (tytuł, wiersz „wyeksportowane przez”); auto: wiersze każdego pliku nad jego tabelą.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Z --header: kolumna o nazwie STARA liczy się jako NOWA przed dopasowaniem nazw („klient=nabywca”; „=” w nazwie zapisuje się jako „\=”); można podać wielokrotnie.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>GDZIE</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>TEKST</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>STARA=NOWA</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Dodaj na końcu dokumentu arkusz z listą plików: arkusz i wiersze, w których się znalazł, kodowanie, separator, znak dziesiętny, wiersze, kolumny, zmiany nagłówka i uwagi.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Zapisz tę samą listę także do PLIKU, jako CSV albo jako JSON Lines, gdy nazwa kończy się na .jsonl lub .json; także z --dry-run. Istniejący PLIK jest zastępowany tylko z --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 to folder; --report wymaga pliku.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report i --output wskazują oba %1: raport zastąpiłby dokument.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 to plik do zaimportowania; nie może być też zapisany.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Pliki skompresowane i archiwa:
  Plik skompresowany w całości przez gzip, bzip2, xz lub zstd jest czytany jako tekst, który zawiera,
  rozpoznany po pierwszych bajtach bez względu na nazwę (również standardowe wejście); uszkodzony lub
  ucięty jest zgłaszany z nazwy. Archiwum .zip jest folderem: jego pliki nazywa się ścieżkami pod nim
  (2024.zip/polnoc/sty.csv), a --extension folderu obejmuje jego pliki w archiwach i pliki
  skompresowane z tym rozszerzeniem.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column przyjmuje NAZWA=TYP, TYP jeden z %1, nie „%2”.</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Zapisz jako datę komórkę, której cały tekst jest datą, wyświetlaną tak, jak zapisał ją plik: ISO (2024-03-01) oraz dzień, miesiąc i czterocyfrowy rok rozdzielone /, . lub - w kolejności, którą ustalają własne daty pliku (31/12/2024: najpierw dzień); kolumna, której daty mogą być w obu kolejnościach, pozostaje tekstem.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>Rodzaj kolumny, według nazwy w nagłówku (po zmianach nazw) lub numeru od 1: text, number, date-dmy, date-mdy, date-ymd albo skip, aby ją pominąć; komórka, która nie może być rodzaju swojej kolumny, pozostaje tekstem. Można podać wielokrotnie.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>NAZWA=TYP</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>standardowe wejście jest czytane dla pierwszego „-”; kolejne nie ma już nic do czytania i jest pomijane.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 jest plikiem wyjściowym; nie jest importowany.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>brak plików do zaimportowania.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>nie można zastąpić %1: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: nie można pisać w %2: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>zapisywanie %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>zapisywanie wierszy: %1 z %2 do %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>zapisywanie %1: kończenie pliku</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 nie został zapisany: nie zaimportowano żadnego pliku.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>arkusz %1: %Ln wiersz</numerusform>
            <numerusform>arkusz %1: %Ln wiersze</numerusform>
            <numerusform>arkusz %1: %Ln wierszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(pominięto %Ln wiersz: arkusz mieści %1)</numerusform>
            <numerusform>(pominięto %Ln wiersze: arkusz mieści %1)</numerusform>
            <numerusform>(pominięto %Ln wierszy: arkusz mieści %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln kolumna)</numerusform>
            <numerusform>%1, ... (%Ln kolumny)</numerusform>
            <numerusform>%1, ... (%Ln kolumn)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>kolumny: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: strumień, czytany tylko przez import: poza tym planem</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: nie zapisano: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>Lista nie zawiera już pozycji %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>zaimportuj go osobno z --encoding (--list-encodings wymienia typowe)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>podaj --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] czytanie %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>zapisywanie wierszy: %1 z %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 to plik raportu; nie jest importowany.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 istnieje; --force go zastępuje.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, pola w cudzysłowach</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>Dokument porzucono przed ukończeniem.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>Komórka (%1, %2) leży poza arkuszem.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>Dokument nie ma arkusza „%1”.</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>Nie można usunąć ostatniego arkusza dokumentu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>„%1” nie jest prawidłową nazwą arkusza.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>Dokument ma już arkusz „%1”.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Dokument mieści najwyżej %1 arkuszy.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Dokument nie ma arkusza na pozycji %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>Zapis dokumentów</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>Dokument nie został utworzony przez zapis dokumentów.</translation>
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
        <translation>Europa Zachodnia</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa Środkowa</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Bałtyckie</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greckie</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Tureckie</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajskie</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabskie</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajskie</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamskie</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japońskie</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chińskie uproszczone</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chińskie tradycyjne</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreańskie</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>w wierszu %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Prosimy wysłać zrzut ekranu tego komunikatu na %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Wybierz folder:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Podaj rozszerzenie plików do wczytania:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* dla wszystkich plików, txt dla wszystkich plików txt, doc dla wszystkich plików doc itd.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Wybrano zbyt wiele plików do dodania.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Spróbuj dodać je przyciskiem „Dodaj wszystkie”.</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Czytany jako %1, wybrane dla tego pliku</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Dzielony przy „%1”, wybrane dla tego pliku</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Nie znaleziono własnego separatora: całe wiersze</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Pliki tekstowe</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Nie zaimportowano pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>Archiwum „%1” zawiera pliki, których nazwy prowadzą poza nie: %2. Zostają pominięte.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 i %Ln inny</numerusform>
            <numerusform>%1 i %Ln inne</numerusform>
            <numerusform>%1 i %Ln innych</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>tylko w %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>od %1, %Ln plik</numerusform>
            <numerusform>od %1, %Ln pliki</numerusform>
            <numerusform>od %1, %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>tylko w %Ln pliku, do %1</numerusform>
            <numerusform>tylko w %Ln plikach, do %1</numerusform>
            <numerusform>tylko w %Ln plikach, do %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>tylko w %Ln pliku, od %1 do %2</numerusform>
            <numerusform>tylko w %Ln plikach, od %1 do %2</numerusform>
            <numerusform>tylko w %Ln plikach, od %1 do %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>tylko w %Ln pliku: %1</numerusform>
            <numerusform>tylko w %Ln plikach: %1</numerusform>
            <numerusform>tylko w %Ln plikach: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>brak w %Ln pliku: %1</numerusform>
            <numerusform>brak w %Ln plikach: %1</numerusform>
            <numerusform>brak w %Ln plikach: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>kolumny w innej kolejności: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Zapomnij zmiany nazw</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Kolumna do zmiany nazwy</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Nazwa, pod którą się liczy</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Komórki pierwszej kolumny trafiają pod drugą, w każdym pliku z listy.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Kolumna:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>liczy się jako:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>„%1” jako „%2”</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Nie zmieniono nazwy żadnej kolumny.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Zmienione nazwy: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Wpisz nazwę, pod którą ma się liczyć kolumna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>„%1” to już nazwa tej kolumny: wpisz inną.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Żaden arkusz kalkulacyjny nie jest dostępny.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>Lista nie zawiera już pozycji %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>zaznacz go na liście, wybierz jego kodowanie w „Kodowanie tego pliku” w podglądzie i zaimportuj go ponownie</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>zaznacz „Kontynuuj w nowym arkuszu, gdy arkusz jest pełny”</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Rozpocznij &amp;import</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Zatrzymaj &amp;import</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>Nie można dodać arkusza „%1”.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Dokument nie ma arkusza na pozycji %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nie dodano plików.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Raport importu</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Odczytane pliki</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Kopiuj wszystko</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Zapisz jako...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>Pliki JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>przerwane przez %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice nie otworzyło nowego arkusza kalkulacyjnego.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: nie ma ekranu, na którym otworzyć okno; wiersz poleceń działa bez niego, na przykład: quillora --output PLIK ŚCIEŻKA... (zob. quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Przeciągnij i upuść tu pliki. Dwukrotne kliknięcie pozycji usuwa ją. Przesuń linię | w prawo, poza okno, aby zobaczyć pełne nazwy.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Pliki tekstowe do zaimportowania</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Dodaj pliki lub upuść tu pliki i foldery</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Przes&amp;uń w górę</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Przesu&amp;ń w dół</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>Dodaj p&amp;liki tekstowe</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Dodaj wszystkie pliki z &amp;folderu</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>Wyczy&amp;ść listę</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>Wczytaj pliki przyk&amp;ładowe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać motywu „%1”: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać obrazu wskaźnika „%1”.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Czy otworzyć folder, w którym są te pliki przykładowe (aby je obejrzeć przed pracą z nimi)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>Dodano %Ln plik</numerusform>
            <numerusform>Dodano %Ln pliki</numerusform>
            <numerusform>Dodano %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; pominięto %Ln inny plik (nie %1)</numerusform>
            <numerusform>; pominięto %Ln inne pliki (nie %1)</numerusform>
            <numerusform>; pominięto %Ln innych plików (nie %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 nie odpowiedział w ciągu %2 sekund; import kończy się tutaj.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>Nie udało się przygotować środowiska UNO LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice nie odpowiedziało w ciągu %1 sekund.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>to nie jest gniazdo</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>należy do innego użytkownika</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 nie należy do LibreOffice (%2): bez połączenia; zamiast tego używany jest prywatny potok.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora nie łączy się z %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>Nie udało się uruchomić LibreOffice z %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice zakończyło działanie przed odpowiedzią.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Dodaj pliki - Ctrl i Shift zaznaczają wiele plików</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Pliki tekstowe (*.txt)|*.txt|Pliki tekstowe i CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Wszystkie pliki (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>Pominięto %Ln znak arkusza „%1”: plik %2 nie może zawierać znaków sterujących innych niż tabulator i koniec wiersza ani U+FFFE i U+FFFF (plik .xlsx je zachowuje).</numerusform>
            <numerusform>Pominięto %Ln znaki arkusza „%1”: plik %2 nie może zawierać znaków sterujących innych niż tabulator i koniec wiersza ani U+FFFE i U+FFFF (plik .xlsx je zachowuje).</numerusform>
            <numerusform>Pominięto %Ln znaków arkusza „%1”: plik %2 nie może zawierać znaków sterujących innych niż tabulator i koniec wiersza ani U+FFFE i U+FFFF (plik .xlsx je zachowuje).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>Nie można zapisać %1: jego część przekroczyła 4 GiB.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>point</source>
        <translation>kropka</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>przecinek</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Nie for&amp;matuj</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Dziel dane &amp;na nowe kolumny Calc przy spacji</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Dziel dane na nowe kolumny Calc przy p&amp;rzecinku</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Dziel dane na nowe kolumny Calc przy &amp;tabulatorze</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>Dziel dane na nowe kolumny &amp;Calc przy tych znakach:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Dziel dane przy własnym &amp;separatorze każdego pliku (przecinek, średnik, tabulator, kreska)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Importuj wszystkie pliki tekstowe do &amp;jednego arkusza</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>Importuj każdy plik tekstowy do osobnego &amp;arkusza</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Opcje importu</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opcje formatu</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Nazwij każdy arkusz jak jego plik, w kolejności listy</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Trz&amp;ymaj razem tekst w cudzysłowach</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Zapisuj jako liczby tylko wtedy, gdy wartość się nie zmienia</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Znak dziesiętny:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Znak dziesiętny</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Zapisuj daty (2024-03-01, 31/12/2024) jako daty</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Wiersze i nagłówki</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Wiersze do pominięcia na początku &amp;każdego pliku:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Wiersze do pominięcia na początku każdego pliku</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>Pierwszy &amp;wiersz to nagłówek: zachowaj go raz, dopasuj kolumny wg nazw</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>Dodaj kolumnę &amp;z nazwą pliku każdego wiersza</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Kontynuuj w nowym arkuszu, &amp;gdy arkusz jest pełny</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>Kodowani&amp;e:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodowanie</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>Zapisana liczba wierszy do pominięcia „%1” nie jest liczbą od 0 do 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>Zapisany znak dziesiętny „%1” nie jest żadnym z Automatic, Point i Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Dodaj arkusz z listą plików</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>archiwum jest uszkodzone</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>jego nazwa prowadzi poza archiwum</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>archiwum nie zawiera takiego pliku</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>wymaga hasła</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>zawiera archiwum plików (tar), a nie tekst: najpierw je rozpakuj</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>rozpakowuje się do ponad %1-krotności swojego rozmiaru, jak bomba dekompresyjna; jeśli to tekst, który tak bardzo się powtarza, najpierw go rozpakuj i zaimportuj tekst</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>razem z poprzednimi plikami archiwum „%1” rozpakowuje się do ponad %2-krotności swojego rozmiaru, jak bomba dekompresyjna; jeśli jego teksty tak bardzo się powtarzają, najpierw je rozpakuj i zaimportuj</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>kończy się przed końcem skompresowanych danych: jest ucięty</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>jego suma kontrolna nie zgadza się z zawartością: jest uszkodzony</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>jest uszkodzony (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>&amp;Podziel tu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Kodowanie tego pliku</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Kodowanie jak w opcjach</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Separator tego pliku</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Jak w opcjach</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>K&amp;odowanie tego pliku:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>&amp;Dziel jego wiersze przy:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Brak plików na liście.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Ten plik wygląda na rozdzielany: %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Kolumny wymienionych plików: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 i %Ln inna</numerusform>
            <numerusform>%1 i %Ln inne</numerusform>
            <numerusform>%1 i %Ln innych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... jeszcze %Ln (zob. podpowiedź)</numerusform>
            <numerusform>... jeszcze %Ln (zob. podpowiedź)</numerusform>
            <numerusform>... jeszcze %Ln (zob. podpowiedź)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>Klawisz menu w kolumnie lub kliknięcie jej tytułu wybiera jej rodzaj.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>Raport %1 nie został zapisany: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Nie zaimportowano pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Nagłówki się różnią: %1. Komórki każdego pliku są pod kolumnami o ich nazwach.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Nazwy kolumn są pisane na dwa sposoby: %1. Każda to jedna kolumna, nazwana jak za pierwszym razem.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Nazwa kolumny jest pisana na dwa sposoby: %1. To jedna kolumna, nazwana jak za pierwszym razem.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: każdy wiersz to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
            <numerusform>%1: każdy wiersz to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
            <numerusform>%1: każdy wiersz to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: każdy wiersz to jedna komórka, a inne pliki mają kilka; wygląda na rozdzielany: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: jego nagłówek to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
            <numerusform>%1: jego nagłówek to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
            <numerusform>%1: jego nagłówek to jedna komórka, a inne pliki mają %Ln; wygląda na rozdzielany: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: jego nagłówek to jedna komórka, a inne pliki mają kilka; wygląda na rozdzielany: %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... i jeszcze %Ln plik</numerusform>
            <numerusform>... i jeszcze %Ln pliki</numerusform>
            <numerusform>... i jeszcze %Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Żaden nagłówek nie ma kolumny „%1”, która liczyłaby się jako „%2”.</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Żaden nagłówek nie ma kolumny „%1”, która ma być %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>przecinki</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Przecinek</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>średniki</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Średnik</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>tabulatory</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>kreski pionowe</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Kreska pionowa</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>spacje</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>Nie udało się zapisać ustawienia „%1”.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>„%1” jest pisane „%2” w %Ln pliku: %3</numerusform>
            <numerusform>„%1” jest pisane „%2” w %Ln plikach: %3</numerusform>
            <numerusform>„%1” jest pisane „%2” w %Ln plikach: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Plik %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 są pisane %2 w %Ln pliku: %3</numerusform>
            <numerusform>%1 są pisane %2 w %Ln plikach: %3</numerusform>
            <numerusform>%1 są pisane %2 w %Ln plikach: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Plik %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>Nie można przechować wierszy dokumentu w %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>Nie można zapisać wierszy dokumentu w %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>Nie można ponownie odczytać wierszy dokumentu w %1: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>Wiersz %1 następuje po wierszu %2: zapisywany dokument przyjmuje wiersze po kolei.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>Nie można ponownie odczytać wierszy dokumentu: kończą się za wcześnie.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Pominięto wiersze za wierszem %1 arkusza „%2”: dokument mieści najwyżej %3 arkuszy.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln komórkę arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści (plik .ods zachowuje takie komórki w całości, do %3 znaków).</numerusform>
            <numerusform>%Ln komórki arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści (plik .ods zachowuje takie komórki w całości, do %3 znaków).</numerusform>
            <numerusform>%Ln komórek arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści (plik .ods zachowuje takie komórki w całości, do %3 znaków).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln komórkę arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści.</numerusform>
            <numerusform>%Ln komórki arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści.</numerusform>
            <numerusform>%Ln komórek arkusza „%1” skrócono do %2 znaków: więcej komórka nie mieści.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Aby umieścić wiersze za ostatnim w nowych arkuszach, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>Nie udało się zapisać %Ln komórki w arkuszu „%1”: arkusz mieści najwyżej %2 kolumn i %3 wierszy.%4</numerusform>
            <numerusform>Nie udało się zapisać %Ln komórek w arkuszu „%1”: arkusz mieści najwyżej %2 kolumn i %3 wierszy.%4</numerusform>
            <numerusform>Nie udało się zapisać %Ln komórek w arkuszu „%1”: arkusz mieści najwyżej %2 kolumn i %3 wierszy.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>Import zatrzymano przed przeczytaniem jakiegokolwiek pliku.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>Import zatrzymano podczas czytania pliku „%1” (plik %2 z %3): arkusze wcześniejszych plików są w dokumencie.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>Import zatrzymano podczas czytania pliku „%1” (plik %2 z %3): nic nie zapisano do dokumentu.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>Import zatrzymano przed zapisaniem jakiegokolwiek wiersza.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>Import zatrzymano po wierszu %1 pliku „%2” (plik %3 z %4): wiersze do tego miejsca są w dokumencie, żadne dalsze.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>Nie znaleziono LibreOffice.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>Nie udało się przygotować mostu do LibreOffice.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>Nie można utworzyć pliku pośredniego w %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku pośredniego w %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>Nie można opróżnić pliku pośredniego w %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku pośredniego w %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Błąd 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>Ten program wymaga OpenOffice. Nie jest on zainstalowany na tym komputerze.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Czy otworzyć teraz tę stronę?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Jeśli uważasz, że ten błąd to pomyłka i masz zainstalowany OpenOffice, wyślij zrzut ekranu tego komunikatu i zrzut okna „O programie” OpenOffice na %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>to dowiązanie do pliku, którego nie ma</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>to dowiązanie do czegoś, co nie jest plikiem</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Nie znaleziono pliku (nazwa nie jest prawidłowym UTF-8)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>To nie jest plik</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>To nie jest plik, który można obejrzeć przed importem</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Zmienił się podczas odczytu</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>to archiwum .zip wewnątrz archiwum: najpierw je rozpakuj</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>Utracono połączenie z LibreOffice: LibreOffice zamknięto lub zatrzymano.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice odrzuciło żądanie.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>część pliku ma 4 GiB lub więcej i jest zapisywana w ZIP64, na co format pozwala; LibreOffice (co najmniej 7.4) nie otwiera tak dużej części, inne programy tak.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: nie można dodać arkusza „%2”: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter go odrzucił</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: nie można zapisać komórki: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>Nie można zapisać %1: nie można przechować wierszy w %2: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
</TS>
