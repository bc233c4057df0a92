<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; rilevato come separato da virgole</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; rilevato come separato da virgole, con campi tra virgolette</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Separato da virgole, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Separato da virgole, con campi tra virgolette, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; rilevato come separato da punti e virgola</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; rilevato come separato da punti e virgola, con campi tra virgolette</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Separato da punti e virgola, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Separato da punti e virgola, con campi tra virgolette, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; rilevato come separato da tabulazioni</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; rilevato come separato da tabulazioni, con campi tra virgolette</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Separato da tabulazioni, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Separato da tabulazioni, con campi tra virgolette, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; rilevato come separato da barre verticali</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; rilevato come separato da barre verticali, con campi tra virgolette</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Separato da barre verticali, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Separato da barre verticali, con campi tra virgolette, rilevato all’inizio del file</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; nessun separatore proprio: righe intere</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>scelta</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>supposta</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>rilevata</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>miste</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> Contiene anche %Ln sequenza UTF-8 valida: potrebbe essere UTF-8 mescolato a byte di un&apos;altra codifica.</numerusform>
            <numerusform> Contiene anche %Ln sequenze UTF-8 valide: potrebbe essere UTF-8 mescolato a byte di un&apos;altra codifica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln byte non significa nulla in windows-1252 ed è mantenuto come carattere di controllo</numerusform>
            <numerusform>%Ln byte non significano nulla in windows-1252 e sono mantenuti come caratteri di controllo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln carattere non è stato letto ed è U+FFFD</numerusform>
            <numerusform>%Ln caratteri non sono stati letti e sono U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>Il file «%1» è stato letto come UTF-8, con %Ln byte non UTF-8 letto come in windows-1252, ma %2. Se è in un&apos;altra codifica, %3.%4</numerusform>
            <numerusform>Il file «%1» è stato letto come UTF-8, con %Ln byte non UTF-8 letti come in windows-1252, ma %2. Se è in un&apos;altra codifica, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>Il file «%1» è stato letto come %2, ma %3. Se è in un&apos;altra codifica, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>Il file «%1» è stato letto come UTF-8; %Ln byte non UTF-8 è stato letto come in windows-1252.</numerusform>
            <numerusform>Il file «%1» è stato letto come UTF-8; %Ln byte non UTF-8 sono stati letti come in windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>Non è stato possibile stabilire con certezza la codifica del file «%1»: è stato letto come %2. Se il testo sembra sbagliato, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>Il file «%1» è stato letto come %2. Se il testo sembra sbagliato, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Le righe del file «%1» non si dividono in modo uniforme a nessuno tra virgola, punto e virgola, tabulazione o barra verticale: restano intere, una cella ciascuna.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Il file «%1» è diviso a %2, come la maggior parte delle sue righe; %Ln delle prime %3 righe ha un altro numero di celle ed è divisa comunque.</numerusform>
            <numerusform>Il file «%1» è diviso a %2, come la maggior parte delle sue righe; %Ln delle prime %3 righe hanno un altro numero di celle e sono divise comunque.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Le righe del file «%1» si dividono altrettanto bene a %2 che a %3: sono divise a %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>Il file «%1» ha un campo tra virgolette che si apre alla riga %2 e non si chiude mai: il resto del file è in quell&apos;unica cella.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%Ln riga sopra la tabella del file «%1» è stata saltata.</numerusform>
            <numerusform>%Ln righe sopra la tabella del file «%1» sono state saltate.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; numeri con virgola decimale</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; numeri con punto decimale</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln riga</numerusform>
            <numerusform>%Ln righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>circa %Ln riga</numerusform>
            <numerusform>circa %Ln righe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; fine riga: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trovata</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>righe intere</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>virgola decimale</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>punto decimale</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>senza %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>aggiunge %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, la più larga %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln cella</numerusform>
            <numerusform>%Ln celle</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, nessun separatore proprio: righe intere</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, separato da %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, numeri con virgola decimale</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, numeri con punto decimale</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, sembra separato da %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln riga sopra la sua tabella saltata</numerusform>
            <numerusform>, %Ln righe sopra la sua tabella saltate</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Prima riga</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Ultima riga</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codifica</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Origine della codifica</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separatore</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Virgolette</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Righe saltate</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Modifiche all&apos;intestazione</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>campi tra virgolette non divisi</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>senza virgolette</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 estratti da %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: non letto: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>%Ln riga sopra la tabella del file «%1» è stata saltata: «%2».</numerusform>
            <numerusform>%Ln righe sopra la tabella del file «%1» sono state saltate, la prima: «%2».</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>L&apos;intestazione del file «%1» è un solo campo, «%2», sopra righe di %3: sembra un titolo sopra la tabella. Per saltare le righe sopra la tabella di ogni file, imposta le righe da saltare su automatico (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Le righe del file «%1» si dividono in modo irregolare, e solo a un separatore: è diviso a %2, dove si divide %Ln delle prime %3 righe.</numerusform>
            <numerusform>Le righe del file «%1» si dividono in modo irregolare, e solo a un separatore: è diviso a %2, dove si dividono %Ln delle prime %3 righe.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Una virgoletta alla riga %1 del file «%2» non ha la sua coppia: le virgolette del file sono state lette come testo, non come delimitatori di campi.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Un campo tra virgolette del file «%1» va dalla riga %2 alla riga %3, che sono un&apos;unica cella. Se dovessero essere righe, una virgoletta alla riga %2 non ha la sua coppia.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>La colonna %2 del file «%1» contiene «%3», che cambierebbe come numero: l&apos;intera colonna resta testo.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Le date della colonna %2 del file «%1» («%3») potrebbero avere prima il giorno o il mese: restano testo. Per salvarle come date, scegliete il loro ordine (--column NOME=date-dmy o date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>La colonna %2 del file «%1» contiene date con prima il giorno e con prima il mese («%3»): restano testo.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; tipi di colonna: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Tipi di colonna</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Elaborazione: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Il documento non ha un foglio alla posizione %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un documento contiene al massimo %1 fogli.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Come rilevato</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Data G/M/A</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Data M/G/A</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Data A-M-G</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Omessa</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Tipo della colonna %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Tipi scelti: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Scrive il documento in FILE invece di mostrarlo in Calc; il formato segue l&apos;estensione: .ods, .xlsx o .fods. Non richiede LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Un foglio per file (predefinito: tutti i file in un foglio).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Un foglio per file, nell&apos;ordine indicato, ciascuno col nome del suo file (2024-01.csv); implica --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon o pipe: divide lì ogni riga in celle; auto: ogni file al proprio separatore (virgola, punto e virgola, tabulazione o barra verticale), trovato dal suo inizio.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Divide ogni riga in celle a TESTO (qualsiasi testo, anche più caratteri).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Per una cartella PERCORSO: i suoi file il cui nome finisce in .EXT, percorsi come fa «Aggiungi tutti i file nella cartella» (predefinito: ogni file, come un trascinamento).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Tiene insieme il testo tra virgolette doppie, come nei file CSV: un separatore o un a capo tra virgolette appartiene alla cella, &quot;&quot; è una virgoletta.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Legge i file senza byte order mark in NOME: qualsiasi codifica letta da Qt, maiuscole o minuscole (--list-encodings elenca le solite); auto, il predefinito, trova quella di ogni file.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Elenca le codifiche comuni, col nome accettato da --encoding.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>La prima riga di un file (dopo quelle tralasciate) è la sua intestazione: in un foglio i nomi delle intestazioni sono la prima riga, una volta, e le celle di ogni file vanno sotto le colonne del loro nome.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Salva una cella come numero se tutto il suo testo lo è e nulla cambia (1234.50 mostra 1234.50; 007, 1e5, 1,234.50 e codici oltre 15 cifre restano testo), coi decimali scritti con SEGNO: auto (predefinito: quello di ogni file, come lo mostrano i suoi numeri; se non ne mostrano nessuno, virgola nei file divisi a punti e virgola, altrimenti punto), point o comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Una prima colonna col file di ogni riga: il suo percorso sotto la cartella che contiene tutti i file (relative, il predefinito), il suo nome (name) o il percorso completo (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Quando un foglio è pieno, continua col resto in un nuovo foglio dopo di esso («NOME (2)», ...), invece di tralasciarlo.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Stampa cosa farebbe l&apos;importazione: codifica, righe, riga più larga di ogni file e un separatore apparente, poi i fogli e le loro righe; non scrive né avvia nulla, e lascia lo standard input e le pipe all&apos;importazione.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Apre la finestra con i PERCORSI elencati, invece di importarli (come «Apri con» di un file manager).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Sostituisce FILE se esiste, con un nuovo file coi suoi permessi, proprietario e gruppo (i collegamenti fisici ad esso mantengono il vecchio contenuto).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Nessun avanzamento.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Percorsi:
  I PERCORSI sono presi nell&apos;ordine dato; una cartella porta i suoi file e quelli di ogni cartella
  sottostante, livello per livello (file e cartelle nascosti sono saltati); - è lo standard input.
  Senza argomenti, o con --window, si apre la finestra con i PERCORSI elencati.</translation>
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
        <translation>Fogli:
  In un foglio i file si susseguono; un file che finisce con un a capo è seguito da una riga vuota.
  Con --sheet-per-file il foglio di ogni file va davanti, quindi quello dell&apos;ultimo file viene per primo;
  un foglio prende il nome da lettere, cifre e spazi del suo file (notes.txt dà notestxt), con un numero
  aggiunto se il nome è già usato. Con --sheets-as-listed i fogli seguono l&apos;ordine dato e tengono il
  nome dei loro file (solo []:*?/\ diventano _), &quot; (2)&quot; aggiunto se già usato. In .xlsx i nomi sono
  tagliati a 31 caratteri. Un foglio contiene 1.048.576 righe; con --continue-sheets il resto prosegue
  in «NOME (2)» subito dopo.</translation>
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
        <translation>Intestazioni:
  Con --header la prima riga di un file (dopo --skip-lines) è la sua intestazione: su un foglio i
  nomi delle intestazioni sono la prima riga, una volta, nell’ordine in cui compaiono, e le celle di
  ogni file vanno sotto le colonne dei loro nomi, abbinati prima per grafia identica, poi senza
  badare a maiuscole e forma Unicode dove non c’è dubbio («ID» e «id» della stessa intestazione
  restano due colonne); le celle oltre l’intestazione di un file vanno dopo tutte le colonne con
  nome. --rename VECCHIO=NUOVO fa valere una colonna VECCHIO come NUOVO. Le differenze tra le
  intestazioni sono segnalate una volta per cambiamento, e --dry-run mostra le colonne che ne
  risultano. --file-column mette il file di ogni riga in una prima colonna.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Codifiche:
  La codifica di un file è trovata alla lettura: un byte order mark; UTF-16 o UTF-32 dai loro byte
  zero; UTF-8, dove pochi byte vaganti sono letti come in windows-1252 (e segnalati); altrimenti ciò
  che trova un rilevatore statistico (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  altrimenti windows-1252, e segnalato. --encoding NOME legge invece in NOME i file senza marcatore.
  I byte non validi nella codifica letta diventano U+FFFD e sono segnalati.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Stato di uscita:
  0      ogni file è stato importato per intero (e il documento scritto, con --output)
  1      un file non era leggibile o conteneva byte non validi nella sua codifica, delle celle non
         entravano, o il documento non poteva essere scritto; il resto è stato comunque importato
  2      un errore d&apos;uso, o nessuno schermo dove ne serve uno
  3      LibreOffice manca, o è stato perso durante l&apos;esecuzione
  128+N  il segnale N (INT, TERM, HUP) ha terminato l&apos;esecuzione; i suoi file temporanei se ne sono andati</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Segnalare i bug su %1 o a %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Uso: quillora [OPZIONE]... PERCORSO...
  o:  quillora [--window [PERCORSO]...]
  o:  quillora --dry-run [OPZIONE]... PERCORSO...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Carica file di testo in un foglio elettronico: ogni riga una riga, ogni pezzo una cella, come testo.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>File di testo e cartelle da importare; - per lo standard input.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Trovata per ogni file (predefinito)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split e --separator si escludono a vicenda.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split accetta space, comma, tab, semicolon, pipe o auto, non «%1».</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator richiede un testo a cui dividere.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator non può contenere un a capo: un a capo termina la riga, non una cella.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: il file deve finire in .ods, .xlsx o .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 esiste; --force lo sostituisce.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>codifica sconosciuta «%1»; --list-encodings elenca le solite.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers accetta auto, point o comma, non «%1».</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename accetta VECCHIO=NUOVO, due nomi, non «%1».</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines accetta un numero di righe, non «%1».</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column accetta relative, name o path, non «%1».</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>nessun PERCORSO indicato.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: impossibile scrivere lo standard output.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Usare «quillora --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: non c&apos;è uno schermo dove mostrare il documento in Calc; --output FILE lo scrive invece in un file.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice non è disponibile: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Tralascia le prime N righe di ogni file (un titolo, una riga «esportato da»); auto: le righe di ogni file sopra la sua tabella.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Con --header: una colonna chiamata VECCHIO vale come NUOVO prima del confronto dei nomi («cliente=committente»; un «=» in un nome si scrive «\=»); ripetibile.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>DOVE</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>TESTO</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>NOME</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>VECCHIO=NUOVO</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Aggiungere in fondo al documento un foglio che elenca ogni file: il foglio e le righe in cui è finito, la codifica, il separatore, il segno decimale, le righe, le colonne, le modifiche all&apos;intestazione e le note.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Scrivere la stessa lista anche in FILE, come CSV, o come JSON Lines se il nome finisce in .jsonl o .json; anche con --dry-run. Un FILE esistente viene sostituito solo con --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 è una cartella; --report richiede un file.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report e --output indicano entrambi %1: il rapporto sostituirebbe il documento.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 è un file da importare; non può anche essere scritto.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>File compressi e archivi:
  Un file compresso per intero con gzip, bzip2, xz o zstd viene letto come il testo che contiene,
  riconosciuto dai primi byte qualunque sia il nome (anche lo standard input); uno danneggiato o
  troncato viene segnalato per nome. Un archivio .zip è una cartella: i suoi membri si indicano come
  percorsi al suo interno (2024.zip/nord/gen.csv), e --extension di una cartella porta i suoi membri
  e i file compressi con quell&apos;estensione.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column accetta NOME=TIPO, TIPO uno tra %1, non «%2».</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Salvare come data una cella il cui testo intero è una data, mostrata come il file l&apos;ha scritta: ISO (2024-03-01), e giorno, mese e anno a quattro cifre separati da /, . o - nell&apos;ordine stabilito dalle date del file stesso (31/12/2024: prima il giorno); una colonna le cui date potrebbero essere in entrambi i modi resta testo.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>Il tipo di una colonna, per nome d&apos;intestazione (dopo le rinominazioni) o per numero da 1: text, number, date-dmy, date-mdy, date-ymd, o skip per ometterla; una cella che non può essere del tipo della sua colonna resta testo. Ripetibile.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>NOME=TIPO</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>lo standard input è letto per il primo «-»; un altro non ha più nulla da leggere ed è tralasciato.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 è il file di uscita; non viene importato.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>nessun file da importare.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>impossibile sostituire %1: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: impossibile scrivere in %2: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>salvataggio di %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>salvataggio righe: %1 di %2 in %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>salvataggio di %1: completamento del file</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 non è stato scritto: nessun file è stato importato.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>foglio %1: %Ln riga</numerusform>
            <numerusform>foglio %1: %Ln righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln riga tralasciata: un foglio ne contiene %1)</numerusform>
            <numerusform>(%Ln righe tralasciate: un foglio ne contiene %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln colonna)</numerusform>
            <numerusform>%1, ... (%Ln colonne)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>colonne: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: un flusso, letto solo dall&apos;importazione: non in questo piano</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: non salvato: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>L&apos;elenco non contiene più la voce %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>importarlo da solo con --encoding (--list-encodings elenca le solite)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>indicare --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] lettura di %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>scrittura righe: %1 di %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 è il file del rapporto; non viene importato.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 esiste; --force lo sostituisce.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, campi tra virgolette</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>Il documento è stato abbandonato prima di essere finito.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>La cella (%1, %2) è fuori dal foglio.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>Il documento non ha un foglio «%1».</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>L&apos;ultimo foglio di un documento non può essere rimosso.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>«%1» non è un nome di foglio valido.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>Il documento ha già un foglio «%1».</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un documento contiene al massimo %1 fogli.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Il documento non ha un foglio alla posizione %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>Lo scrittore di documenti</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>Il documento non è stato creato dallo scrittore di documenti.</translation>
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
        <translation>Europa occidentale</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa centrale</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltico</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirillico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>alla riga %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Inviare una schermata di questo messaggio a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Selezionare una cartella:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Inserire l&apos;estensione dei file da caricare:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* per tutti i file, txt per tutti i file txt, doc per tutti i file doc, ecc.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Sono stati selezionati troppi file da aggiungere.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Provare ad aggiungerli col pulsante «Aggiungi tutti».</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Letto come %1, scelto per questo file</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Diviso a «%1», scelto per questo file</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Nessun separatore proprio trovato: righe intere</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>File di testo</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Il file «%1» non è stato importato: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>L&apos;archivio «%1» contiene file i cui nomi portano fuori di esso: %2. Vengono tralasciati.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 e %Ln altro</numerusform>
            <numerusform>%1 e altri %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>solo in %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>da %1 in poi, %Ln file</numerusform>
            <numerusform>da %1 in poi, %Ln file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>solo in %Ln file, fino a %1</numerusform>
            <numerusform>solo in %Ln file, fino a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>solo in %Ln file, da %1 a %2</numerusform>
            <numerusform>solo in %Ln file, da %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>solo in %Ln file: %1</numerusform>
            <numerusform>solo in %Ln file: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>manca in %Ln file: %1</numerusform>
            <numerusform>manca in %Ln file: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>colonne in un altro ordine: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Dimentica le rinominazioni</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Colonna da rinominare</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Nome con cui conta</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Le celle della prima colonna vanno sotto la seconda, in ogni file dell’elenco.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Colonna:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>conta come:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>«%1» come «%2»</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Nessuna colonna rinominata.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Rinominate: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Scrivi il nome con cui conta la colonna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>«%1» è già il nome della colonna: scrivine un altro.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Nessun foglio elettronico disponibile.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>L&apos;elenco non contiene più la voce %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>selezionarlo nell’elenco, sceglierne la codifica in «Codifica di questo file» nell’anteprima e importarlo di nuovo</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>spuntare «Continua in un nuovo foglio quando un foglio è pieno»</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Avvia importa&amp;zione</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Ferma importa&amp;zione</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>Impossibile aggiungere il foglio «%1».</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Il documento non ha un foglio alla posizione %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nessun file aggiunto.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Rapporto di importazione</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>File letti</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copia tutto</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva come...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva il rapporto</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>File JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>interrotto da %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice non ha aperto un nuovo foglio elettronico.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: non c&apos;è uno schermo dove aprire la finestra; la riga di comando funziona senza, per esempio: quillora --output FILE PERCORSO... (vedere quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Trascinare qui i file. Doppio clic su una voce per rimuoverla. Spostare la linea | a destra, fuori dalla finestra, per vedere i nomi interi.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>File di testo da importare</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Aggiungere file, o trascinare qui file e cartelle</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Sposta gi&amp;ù</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>A&amp;ggiungi file di testo</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Aggiungi tutti i file nella &amp;cartella</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>Svuota e&amp;lenco</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>Carica file di &amp;esempio</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il tema «%1»: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere l&apos;immagine del puntatore «%1».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Aprire la cartella che contiene questi file di esempio (per vederli prima di lavorarci)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln file aggiunto</numerusform>
            <numerusform>%Ln file aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; %Ln altro file tralasciato (non %1)</numerusform>
            <numerusform>; %Ln altri file tralasciati (non %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 non ha risposto entro %2 secondi; l&apos;importazione finisce qui.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>Impossibile preparare l&apos;ambiente UNO di LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>non è un socket</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 non è di LibreOffice (%2): nessuna connessione; si usa invece una pipe privata.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora non si collega a %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>Impossibile avviare LibreOffice da %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice è terminato prima di rispondere.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Aggiungi file - Usare Ctrl e Maiusc per selezionarne più d&apos;uno</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>File di testo (*.txt)|*.txt|File di testo e CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Tutti i file (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%Ln carattere del foglio «%1» è stato tralasciato: un file %2 non può contenere caratteri di controllo diversi da tabulazione e a capo, né U+FFFE e U+FFFF (un file .xlsx li mantiene).</numerusform>
            <numerusform>%Ln caratteri del foglio «%1» sono stati tralasciati: un file %2 non può contenere caratteri di controllo diversi da tabulazione e a capo, né U+FFFE e U+FFFF (un file .xlsx li mantiene).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>Impossibile scrivere %1: una sua parte ha superato 4 GiB.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>automatico</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgola</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Non for&amp;mattare</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Dividi i dati in nuove colonne di Calc allo s&amp;pazio</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Dividi i dati in nuove colonne di Calc alla &amp;virgola</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Dividi i dati in nuove colonne di Calc alla ta&amp;bulazione</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>Dividi i dati in nuove colonne di Calc a questi ca&amp;ratteri:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>&amp;Dividi al separatore proprio di ogni file (virgola, punto e virgola, tabulazione o barra)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Importa tutti i file di testo in &amp;un foglio</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>&amp;Importa ogni file di testo in un foglio separato</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Opzioni di importazione</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opzioni di formato</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Dai a ogni foglio il nome del suo file, nell&apos;ordine dell&apos;elenco</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>&amp;Tieni insieme il testo tra virgolette doppie</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Salva come numeri solo se il valore non cambia</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Separatore decimale:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatico</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Salva le date (2024-03-01, 31/12/2024) come date</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Righe e intestazioni</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Rig&amp;he da saltare all&apos;inizio di ogni file:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Righe da saltare all&apos;inizio di ogni file</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>La prima riga &amp;è un&apos;intestazione: tienila una volta, abbina le colonne per nome</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>&amp;Aggiungi una colonna col nome del file di ogni riga</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Continua in un &amp;nuovo foglio quando un foglio è pieno</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>C&amp;odifica:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codifica</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>Il numero salvato di righe da saltare «%1» non è un numero da 0 a 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>Il separatore decimale salvato «%1» non è né Automatic, né Point, né Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Aggiungi un foglio con l&apos;elenco dei file</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il file «%1»: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>l&apos;archivio è danneggiato</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>il suo nome porta fuori dall&apos;archivio</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>l&apos;archivio non contiene quel file</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>serve una password</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>contiene un archivio di file (tar), non un testo: estrailo prima</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>si decomprime in più di %1 volte la sua dimensione, come fa una bomba di decompressione; se è un testo che si ripete così tanto, estrailo prima e importa il testo</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>con i membri che lo precedono, l&apos;archivio «%1» si decomprime in più di %2 volte la sua dimensione, come fa una bomba di decompressione; se i suoi testi si ripetono così tanto, estrailo prima e importali</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>finisce prima dei suoi dati compressi: è troncato</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>il suo checksum non corrisponde al contenuto: è danneggiato</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>è danneggiato (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>Dividi &amp;qui</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Codifica di questo file</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Codifica come nelle opzioni</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Separatore di questo file</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Come nelle opzioni</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>Codifica di questo &amp;file:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>Dividi le sue righe cos&amp;ì:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Nessun file in elenco.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Questo file sembra separato da %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Colonne dei file elencati: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 e %Ln altro</numerusform>
            <numerusform>%1 e altri %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... altri %Ln (vedere il suggerimento)</numerusform>
            <numerusform>... altri %Ln (vedere il suggerimento)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>Il tasto menu in una colonna, o un clic sul suo titolo, ne sceglie il tipo.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>Il rapporto %1 non è stato scritto: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Il file «%1» non è stato importato: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Le intestazioni differiscono: %1. Le celle di ogni file sono sotto le colonne del loro nome.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Alcuni nomi di colonna sono scritti in due modi: %1. Ognuno è una sola colonna, col nome scritto per primo.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Un nome di colonna è scritto in due modi: %1. È una sola colonna, col nome scritto per primo.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: ogni riga è una cella, mentre gli altri file ne hanno %Ln; sembra separato da %2.</numerusform>
            <numerusform>%1: ogni riga è una cella, mentre gli altri file ne hanno %Ln; sembra separato da %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: ogni riga è una cella, mentre gli altri file ne hanno diverse; sembra separato da %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: la sua intestazione è una cella, mentre gli altri file ne hanno %Ln; sembra separato da %2.</numerusform>
            <numerusform>%1: la sua intestazione è una cella, mentre gli altri file ne hanno %Ln; sembra separato da %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: la sua intestazione è una cella, mentre gli altri file ne hanno diverse; sembra separato da %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... e %Ln altro file</numerusform>
            <numerusform>... e altri %Ln file</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Nessuna intestazione ha una colonna «%1» da contare come «%2».</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Nessuna intestazione ha una colonna «%1» da rendere %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>virgole</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>punti e virgola</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto e virgola</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>tabulazioni</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>barre verticali</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Barra verticale</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>spazi</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>Impossibile salvare l&apos;impostazione «%1».</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>«%1» è scritto «%2» in %Ln file: %3</numerusform>
            <numerusform>«%1» è scritto «%2» in %Ln file: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>File %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 sono scritti %2 in %Ln file: %3</numerusform>
            <numerusform>%1 sono scritti %2 in %Ln file: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>File %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>Impossibile tenere le righe del documento in %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>Impossibile scrivere le righe del documento in %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>Impossibile rileggere le righe del documento in %1: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>La riga %1 viene dopo la riga %2: un documento scritto prende le sue righe in ordine.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>Impossibile rileggere le righe del documento: finiscono troppo presto.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Le righe dopo la riga %1 del foglio «%2» sono state tralasciate: un documento contiene al massimo %3 fogli.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln cella del foglio «%1» è stata tagliata a %2 caratteri: una cella non ne contiene di più (un file .ods mantiene intere tali celle, fino a %3 caratteri).</numerusform>
            <numerusform>%Ln celle del foglio «%1» sono state tagliate a %2 caratteri: una cella non ne contiene di più (un file .ods mantiene intere tali celle, fino a %3 caratteri).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln cella del foglio «%1» è stata tagliata a %2 caratteri: una cella non ne contiene di più.</numerusform>
            <numerusform>%Ln celle del foglio «%1» sono state tagliate a %2 caratteri: una cella non ne contiene di più.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Per mettere le righe oltre l&apos;ultima in nuovi fogli, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>Impossibile scrivere %Ln cella nel foglio «%1»: un foglio contiene al massimo %2 colonne e %3 righe.%4</numerusform>
            <numerusform>Impossibile scrivere %Ln celle nel foglio «%1»: un foglio contiene al massimo %2 colonne e %3 righe.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>L&apos;importazione è stata fermata prima di leggere alcun file.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>L&apos;importazione è stata fermata durante la lettura del file «%1» (file %2 di %3): i fogli dei file precedenti sono nel documento.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>L&apos;importazione è stata fermata durante la lettura del file «%1» (file %2 di %3): nulla è stato scritto nel documento.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>L&apos;importazione è stata fermata prima di scrivere alcuna riga.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>L&apos;importazione è stata fermata dopo la riga %1 del file «%2» (file %3 di %4): le righe fin lì sono nel documento, nessuna dopo.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice non è stato trovato.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>Impossibile preparare il ponte verso LibreOffice.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>Impossibile creare il file intermedio in %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file intermedio in %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>Impossibile svuotare il file intermedio in %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file intermedio in %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Errore 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>Questo programma richiede OpenOffice. Non è installato su questo computer.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Aprire questo sito ora?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Se questo errore sembra uno sbaglio e OpenOffice è installato, inviare una schermata di questo messaggio d&apos;errore e una della finestra «Informazioni» di OpenOffice a %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>è un collegamento a un file che non esiste</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>è un collegamento a qualcosa che non è un file</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il file «%1»: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>File non trovato (il nome non è UTF-8 valido)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>Non è un file</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>Non è un file che si possa guardare prima di importarlo</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>È cambiato mentre veniva letto</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>è un archivio .zip dentro l&apos;archivio: estrailo prima</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>La connessione a LibreOffice è stata persa: LibreOffice è stato chiuso o fermato.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice ha rifiutato la richiesta.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>una parte del file è di 4 GiB o più ed è scritta con ZIP64, come il formato consente; LibreOffice (almeno la 7.4) non apre una parte così grande, altri lettori sì.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: impossibile aggiungere il foglio «%2»: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter l&apos;ha rifiutato</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: impossibile scrivere una cella: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>Impossibile scrivere %1: impossibile tenere le righe in %2: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
</TS>
