<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; se detectó separado por comas</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; se detectó separado por comas, con campos entre comillas</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Separado por comas, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Separado por comas, con campos entre comillas, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; se detectó separado por puntos y coma</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; se detectó separado por puntos y coma, con campos entre comillas</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Separado por puntos y coma, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Separado por puntos y coma, con campos entre comillas, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; se detectó separado por tabuladores</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; se detectó separado por tabuladores, con campos entre comillas</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Separado por tabuladores, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Separado por tabuladores, con campos entre comillas, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; se detectó separado por barras verticales</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; se detectó separado por barras verticales, con campos entre comillas</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Separado por barras verticales, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Separado por barras verticales, con campos entre comillas, detectado al comienzo del archivo</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; sin separador propio: líneas enteras</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegida</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>supuesta</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>detectada</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mezclados</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> También contiene %Ln secuencia UTF-8 válida: puede ser UTF-8 mezclado con bytes de otra codificación.</numerusform>
            <numerusform> También contiene %Ln secuencias UTF-8 válidas: puede ser UTF-8 mezclado con bytes de otra codificación.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln byte no significa nada en windows-1252 y se conserva como carácter de control</numerusform>
            <numerusform>%Ln bytes no significan nada en windows-1252 y se conservan como caracteres de control</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln carácter no se pudo leer y es U+FFFD</numerusform>
            <numerusform>%Ln caracteres no se pudieron leer y son U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>El archivo «%1» se leyó como UTF-8, con %Ln byte que no es UTF-8 leído como en windows-1252, pero %2. Si está en otra codificación, %3.%4</numerusform>
            <numerusform>El archivo «%1» se leyó como UTF-8, con %Ln bytes que no son UTF-8 leídos como en windows-1252, pero %2. Si está en otra codificación, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>El archivo «%1» se leyó como %2, pero %3. Si está en otra codificación, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>El archivo «%1» se leyó como UTF-8; %Ln byte que no es UTF-8 se leyó como en windows-1252.</numerusform>
            <numerusform>El archivo «%1» se leyó como UTF-8; %Ln bytes que no son UTF-8 se leyeron como en windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>No se pudo determinar con certeza la codificación del archivo «%1»: se leyó como %2. Si el texto se ve mal, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>El archivo «%1» se leyó como %2. Si el texto se ve mal, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Las líneas del archivo «%1» no se dividen por igual en ninguno de coma, punto y coma, tabulación o barra vertical: quedan enteras, una celda cada una.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>El archivo «%1» se divide en %2, como la mayoría de sus líneas; %Ln de las primeras %3 líneas tiene otro número de celdas y se divide igualmente.</numerusform>
            <numerusform>El archivo «%1» se divide en %2, como la mayoría de sus líneas; %Ln de las primeras %3 líneas tienen otro número de celdas y se dividen igualmente.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Las líneas del archivo «%1» se dividen igual de bien en %2 que en %3: se dividen en %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>El archivo «%1» tiene un campo entre comillas que se abre en la línea %2 y nunca se cierra: el resto del archivo está en esa única celda.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>Se omitió %Ln línea por encima de la tabla del archivo «%1».</numerusform>
            <numerusform>Se omitieron %Ln líneas por encima de la tabla del archivo «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; números con coma decimal</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; números con punto decimal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln fila</numerusform>
            <numerusform>%Ln filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>aprox. %Ln fila</numerusform>
            <numerusform>aprox. %Ln filas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; finales de línea: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>hallada</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>líneas enteras</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>coma decimal</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>punto decimal</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>sin %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>añade %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, la más ancha %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln celda</numerusform>
            <numerusform>%Ln celdas</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, sin separador propio: líneas enteras</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, separado por %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, números con coma decimal</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, números con punto decimal</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, parece separado por %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln línea por encima de su tabla omitida</numerusform>
            <numerusform>, %Ln líneas por encima de su tabla omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última fila</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificación</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Origen de la codificación</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Comillas</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Signo decimal</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Líneas omitidas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Cambios de encabezado</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>campos entre comillas sin dividir</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>sin comillas</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 descomprimidos de %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: no leído: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>Se omitió %Ln línea por encima de la tabla del archivo «%1»: «%2».</numerusform>
            <numerusform>Se omitieron %Ln líneas por encima de la tabla del archivo «%1», la primera: «%2».</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>El encabezado del archivo «%1» es un solo campo, «%2», sobre filas de %3: parece un título encima de la tabla. Para omitir las líneas por encima de la tabla de cada archivo, ponga las líneas que omitir en automático (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Las filas del archivo «%1» se dividen de forma desigual, y solo en un separador: se divide en %2, donde se divide %Ln de las %3 primeras filas.</numerusform>
            <numerusform>Las filas del archivo «%1» se dividen de forma desigual, y solo en un separador: se divide en %2, donde se dividen %Ln de las %3 primeras filas.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Unas comillas de la línea %1 del archivo «%2» no tienen pareja: las comillas del archivo se leyeron como texto, no como delimitadores de campos.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Un campo entre comillas del archivo «%1» va de la línea %2 a la %3, que forman una sola celda. Si debieran ser filas, unas comillas de la línea %2 no tienen pareja.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>La columna %2 del archivo «%1» contiene «%3», que cambiaría como número: toda la columna queda como texto.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Las fechas de la columna %2 del archivo «%1» («%3») podrían llevar primero el día o el mes: quedan como texto. Para guardarlas como fechas, elija su orden (--column NOMBRE=date-dmy o date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>La columna %2 del archivo «%1» contiene fechas con el día primero y con el mes primero («%3»): quedan como texto.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; tipos de columna: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Tipos de columna</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Procesando: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>El documento no tiene ninguna hoja en la posición %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un documento admite como máximo %1 hojas.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Según se detecte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Fecha D/M/A</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Fecha M/D/A</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Fecha A-M-D</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Tipo de la columna %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Tipos elegidos: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Escribir el documento en ARCHIVO en lugar de mostrarlo en Calc; el formato sigue la extensión: .ods, .xlsx o .fods. No necesita LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Una hoja por archivo (predeterminado: todos los archivos en una hoja).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Una hoja por archivo, en el orden dado, cada una con el nombre de su archivo (2024-01.csv); implica --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon o pipe: dividir cada línea en celdas ahí; auto: cada archivo por su propio separador (coma, punto y coma, tabulación o barra vertical), hallado en su comienzo.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Dividir cada línea en celdas en TEXTO (cualquier texto, se admiten varios caracteres).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Para una carpeta RUTA: sus archivos cuyo nombre termina en .EXT, recorridos como «Añadir todos los archivos de la carpeta» (predeterminado: todos los archivos, como al soltarlos).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Mantener juntos los textos entre comillas dobles, como en los archivos CSV: un separador o salto de línea entre comillas pertenece a la celda, &quot;&quot; es una comilla.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Leer los archivos sin marca de orden de bytes en NOMBRE: cualquier codificación que Qt lea, en mayúsculas o minúsculas (--list-encodings lista las habituales); auto, lo predeterminado, halla la de cada archivo.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Listar las codificaciones habituales, con el nombre que acepta --encoding.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>La primera fila de un archivo (tras las omitidas) es su encabezado: en una hoja, los nombres de los encabezados forman la primera fila, una vez, y las celdas de cada archivo van bajo las columnas de su nombre.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Guardar una celda como número si todo su texto lo es y nada cambia (1234.50 muestra 1234.50; 007, 1e5, 1,234.50 e identificadores de más de 15 dígitos siguen como texto), con sus decimales escritos con SIGNO: auto (predeterminado: el de cada archivo, como lo muestran sus números; si no muestran ninguno, coma en archivos divididos por punto y coma, punto en los demás), point o comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Una primera columna con el archivo de cada fila: su ruta bajo la carpeta que contiene todos los archivos (relative, lo predeterminado), su nombre (name) o su ruta completa (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Cuando una hoja está llena, seguir con el resto en una hoja nueva tras ella («NOMBRE (2)», ...), en lugar de omitir el resto.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Mostrar lo que haría la importación: codificación, filas, fila más ancha de cada archivo y un separador aparente, luego las hojas y sus filas; no escribe ni inicia nada, y deja la entrada estándar y las tuberías para la importación.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Abrir la ventana con las RUTAs listadas, en lugar de importarlas (como «Abrir con» de un gestor de archivos).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Reemplazar ARCHIVO si existe, por un archivo nuevo con sus permisos, propietario y grupo (los enlaces duros a él conservan el contenido anterior).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Sin progreso.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Rutas:
  Las RUTAs se toman en el orden dado; una carpeta aporta sus archivos y los de cada carpeta
  inferior, nivel por nivel (se omiten archivos y carpetas ocultos); - es la entrada estándar. Sin
  argumentos, o con --window, se abre la ventana con las RUTAs listadas.</translation>
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
        <translation>Hojas:
  En una hoja los archivos se suceden; a un archivo que termina en salto de línea le sigue una fila
  vacía. Con --sheet-per-file la hoja de cada archivo va delante, así que la del último archivo va
  primero; una hoja se nombra según las letras, dígitos y espacios de su archivo (notes.txt da
  notestxt), con un número añadido si el nombre está ocupado. Con --sheets-as-listed las hojas siguen
  el orden dado y conservan el nombre de su archivo (solo []:*?/\ pasan a _), &quot; (2)&quot; añadido si está
  ocupado. En .xlsx los nombres se cortan a 31 caracteres. Una hoja admite 1.048.576 filas; con
  --continue-sheets el resto sigue en «NOMBRE (2)» justo después.</translation>
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
        <translation>Encabezados:
  Con --header, la primera fila de un archivo (tras --skip-lines) es su encabezado: en una hoja, los
  nombres de los encabezados forman la primera fila, una vez, en orden de primera aparición, y las
  celdas de cada archivo van bajo las columnas de sus nombres, emparejados primero por su grafía
  exacta y luego sin distinguir mayúsculas ni forma Unicode cuando no hay duda («ID» e «id» de un
  mismo encabezado siguen siendo dos columnas); las celdas más allá del encabezado de un archivo van
  tras todas las columnas con nombre. --rename VIEJO=NUEVO hace que una columna VIEJO cuente como
  NUEVO. Las diferencias entre encabezados se indican una vez por cambio, y --dry-run muestra las
  columnas que forman. --file-column pone el archivo de cada fila en una primera columna.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Codificaciones:
  La codificación de un archivo se halla al leerlo: una marca de orden de bytes; UTF-16 o UTF-32 por
  sus bytes nulos; UTF-8, donde unos pocos bytes sueltos se leen como en windows-1252 (y se avisa);
  si no, lo que halle un detector estadístico (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R,
  ...); si no, windows-1252, y se avisa. --encoding NOMBRE lee en NOMBRE los archivos sin marca. Los
  bytes no válidos en la codificación leída se convierten en U+FFFD y se informa de ellos.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Estado de salida:
  0      todos los archivos se importaron enteros (y se escribió el documento, con --output)
  1      un archivo no se pudo leer o tenía bytes no válidos en su codificación, unas celdas no
         cupieron, o no se pudo escribir el documento; el resto se importó igualmente
  2      un error de uso, o no hay pantalla donde hace falta una
  3      falta LibreOffice, o se perdió durante la ejecución
  128+N  la señal N (INT, TERM, HUP) terminó la ejecución; sus archivos temporales se fueron con ella</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Informe de errores en %1 o a %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Uso: quillora [OPCIÓN]... RUTA...
  o:  quillora [--window [RUTA]...]
  o:  quillora --dry-run [OPCIÓN]... RUTA...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Cargar archivos de texto en una hoja de cálculo: cada línea una fila, cada trozo una celda, como texto.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Archivos de texto y carpetas que importar; - para la entrada estándar.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Hallada para cada archivo (predeterminado)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split y --separator se excluyen mutuamente.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split acepta space, comma, tab, semicolon, pipe o auto, no «%1».</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator necesita un texto por el que dividir.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator no puede contener un salto de línea: un salto de línea termina la línea, no una celda.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: el archivo debe terminar en .ods, .xlsx o .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe; --force lo reemplaza.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>codificación desconocida «%1»; --list-encodings lista las habituales.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers acepta auto, point o comma, no «%1».</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename acepta VIEJO=NUEVO, dos nombres, no «%1».</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines acepta un número de líneas, no «%1».</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column acepta relative, name o path, no «%1».</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>no se ha dado ninguna RUTA.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: no se puede escribir en la salida estándar.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Pruebe «quillora --help» para más información.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: no hay pantalla donde mostrar el documento en Calc; --output ARCHIVO lo escribe en un archivo.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice no está disponible: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Omitir las primeras N filas de cada archivo (un título, una línea «exportado por»); auto: las líneas de cada archivo por encima de su tabla.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Con --header: una columna llamada VIEJO cuenta como NUEVO antes de comparar nombres («cliente=comprador»; un «=» de un nombre se escribe «\=»); puede repetirse.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>DÓNDE</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>VIEJO=NUEVO</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Añadir al final del documento una hoja que enumera cada archivo: la hoja y las filas donde quedó, su codificación, separador, signo decimal, filas, columnas, cambios de encabezado y notas.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Escribir también la misma lista en ARCHIVO, como CSV, o como JSON Lines si su nombre termina en .jsonl o .json; también con --dry-run. Un ARCHIVO existente solo se reemplaza con --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 es una carpeta; --report necesita un archivo.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report y --output nombran ambos %1: el informe reemplazaría el documento.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 es un archivo que se importa; no se puede escribir también.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Archivos comprimidos y archivos .zip:
  Un archivo comprimido entero con gzip, bzip2, xz o zstd se lee como el texto que contiene,
  reconocido por sus primeros bytes sea cual sea su nombre (también la entrada estándar); uno dañado
  o cortado se indica por su nombre. Un archivo .zip es una carpeta: sus miembros se nombran como
  rutas bajo él (2024.zip/norte/ene.csv), y --extension de una carpeta trae sus miembros y sus
  archivos comprimidos de esa extensión.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column admite NOMBRE=TIPO, TIPO uno de %1, no «%2».</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Guardar como fecha una celda cuyo texto entero es una fecha, mostrada como la escribió el archivo: ISO (2024-03-01), y día, mes y año de cuatro cifras separados por /, . o - en el orden que fijan las propias fechas del archivo (31/12/2024: día primero); una columna cuyas fechas podrían ser de ambos modos queda como texto.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>El tipo de una columna, por su nombre de encabezado (tras los cambios de nombre) o su número desde 1: text, number, date-dmy, date-mdy, date-ymd, o skip para omitirla; una celda que no puede ser del tipo de su columna queda como texto. Puede repetirse.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>NOMBRE=TIPO</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>la entrada estándar se lee para el primer «-»; otro ya no tiene nada que leer y se omite.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 es el archivo de salida; no se importa.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>no hay archivos que importar.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 no se puede reemplazar: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: no se puede escribir en %2: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>guardando %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>guardando filas: %1 de %2 en %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>guardando %1: terminando el archivo</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 no se escribió: no se pudo importar ningún archivo.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>hoja %1: %Ln fila</numerusform>
            <numerusform>hoja %1: %Ln filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln fila omitida: una hoja admite %1)</numerusform>
            <numerusform>(%Ln filas omitidas: una hoja admite %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln columna)</numerusform>
            <numerusform>%1, ... (%Ln columnas)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>columnas: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: un flujo, leído solo por la importación: no está en este plan</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: no guardado: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>La lista ya no contiene la entrada %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>impórtelo por separado con --encoding (--list-encodings lista las habituales)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>indique --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] leyendo %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>escribiendo filas: %1 de %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 es el archivo del informe; no se importa.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe; --force lo reemplaza.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, campos entre comillas</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>El documento se abandonó antes de terminarlo.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>La celda (%1, %2) está fuera de la hoja.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>El documento no tiene ninguna hoja «%1».</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>No se puede quitar la última hoja de un documento.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>«%1» no es un nombre de hoja válido.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>El documento ya tiene una hoja «%1».</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un documento admite como máximo %1 hojas.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>El documento no tiene ninguna hoja en la posición %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>El escritor de documentos</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>El documento no lo creó el escritor de documentos.</translation>
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
        <translation>Europa occidental</translation>
    </message>
    <message>
        <source>US</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa central</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chino tradicional</translation>
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
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Escriba la extensión de los archivos que cargar:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* para todos los archivos, txt para todos los archivos txt, doc para todos los archivos doc, etc.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Ha seleccionado demasiados archivos para añadir.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Pruebe a añadirlos con el botón «Añadir todos».</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Leído como %1, elegido para este archivo</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Dividido en «%1», elegido para este archivo</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>No se halló separador propio: líneas enteras</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Archivo(s) de texto</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>El archivo «%1» no se importó: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>El archivo comprimido «%1» contiene archivos cuyos nombres llevan fuera de él: %2. Se omiten.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 y %Ln más</numerusform>
            <numerusform>%1 y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>solo en %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>desde %1, %Ln archivo</numerusform>
            <numerusform>desde %1, %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>solo en %Ln archivo, hasta %1</numerusform>
            <numerusform>solo en %Ln archivos, hasta %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>solo en %Ln archivo, de %1 a %2</numerusform>
            <numerusform>solo en %Ln archivos, de %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>solo en %Ln archivo: %1</numerusform>
            <numerusform>solo en %Ln archivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>falta en %Ln archivo: %1</numerusform>
            <numerusform>falta en %Ln archivos: %1</numerusform>
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
        <translation>columnas en otro orden: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Olvidar los cambios de nombre</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Columna que renombrar</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Nombre con el que cuenta</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Las celdas de la primera columna van bajo la segunda, en cada archivo de la lista.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Columna:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>cuenta como:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>«%1» como «%2»</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Ninguna columna renombrada.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Renombradas: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Escriba el nombre con el que cuenta la columna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>«%1» ya es el nombre de la columna: escriba otro.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>No hay ninguna hoja de cálculo disponible.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>La lista ya no contiene la entrada %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>selecciónelo en la lista, elija su codificación en «Codificación de este archivo» en la vista previa e impórtelo de nuevo</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>marque «Continuar en una hoja nueva cuando una hoja esté llena»</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>&amp;Iniciar importación</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Detener &amp;importación</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>No se puede añadir la hoja «%1».</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>El documento no tiene ninguna hoja en la posición %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>No se añadieron archivos.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Informe de importación</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Archivos leídos</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copiar todo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar el informe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>Archivos JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>interrumpido por %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice no abrió una hoja de cálculo nueva.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: no hay pantalla donde abrir la ventana; la línea de órdenes funciona sin ella, por ejemplo: quillora --output ARCHIVO RUTA... (vea quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre y suelte archivos aquí. Doble clic en un elemento para quitarlo. Mueva la línea | a la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Archivos de texto que importar</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Añada archivos, o suelte aquí archivos y carpetas</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>&amp;Añadir archivo(s) de texto</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Añadir &amp;todos los archivos de la carpeta</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>Ca&amp;rgar archivos de ejemplo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la apariencia «%1»: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la imagen de puntero «%1».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere que este programa abra la carpeta donde están estos archivos de ejemplo (para verlos antes de trabajar con ellos)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln archivo añadido</numerusform>
            <numerusform>%Ln archivos añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; se omitió %Ln archivo de otro tipo (no %1)</numerusform>
            <numerusform>; se omitieron %Ln archivos de otro tipo (no %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 no respondió en %2 segundos; la importación termina aquí.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>No se pudo preparar el entorno UNO de LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>no es un socket</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 no es de LibreOffice (%2): no se conecta con él; se usa en su lugar una tubería privada.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora no se conecta a %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>No se pudo iniciar LibreOffice desde %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice terminó antes de responder.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Añadir archivo(s) - Use Ctrl y Mayús para seleccionar varios</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Archivos de texto (*.txt)|*.txt|Archivos de texto y CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Todos los archivos (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>Se omitió %Ln carácter de la hoja «%1»: un archivo %2 no admite caracteres de control distintos de tabulación y salto de línea, ni U+FFFE y U+FFFF (un archivo .xlsx los conserva).</numerusform>
            <numerusform>Se omitieron %Ln caracteres de la hoja «%1»: un archivo %2 no admite caracteres de control distintos de tabulación y salto de línea, ni U+FFFE y U+FFFF (un archivo .xlsx los conserva).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>No se puede escribir %1: una parte superó 4 GiB.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>No dar &amp;formato</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Dividir datos en nuevas columnas de Calc por e&amp;spacio</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Dividir datos &amp;en nuevas columnas de Calc por coma</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Dividir datos en nuevas columnas de Calc por tabulaci&amp;ón</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>Dividir datos en nuevas colu&amp;mnas de Calc por estos caracteres:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Dividir por el separador propio de cada archivo (coma, punto &amp;y coma, tabulación o barra)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Importar todos los archivos de texto en u&amp;na hoja</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>Importar cada archivo de texto en una &amp;hoja aparte</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Opciones de importación</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opciones de formato</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Nombrar cada hoja como su archivo, en el orden de la lista</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Mantener juntos los te&amp;xtos entre comillas dobles</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Guardar como números solo si el valor no cambia</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Signo decimal:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Signo decimal</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Guardar fechas (2024-03-01, 31/12/2024) como fechas</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Líneas y encabezados</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>&amp;Líneas que omitir al comienzo de cada archivo:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Líneas que omitir al comienzo de cada archivo</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>La &amp;primera línea es encabezado: conservarla una vez, emparejar columnas por nombre</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>A&amp;ñadir una columna con el nombre de archivo de cada línea</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Continuar en &amp;una hoja nueva cuando una hoja esté llena</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>C&amp;odificación:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificación</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>El número guardado de líneas que omitir «%1» no es un número de 0 a 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>El signo decimal guardado «%1» no es ninguno de Automatic, Point y Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Añadir una hoja con la lista de archivos</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>el archivo comprimido está dañado</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>su nombre lleva fuera del archivo comprimido</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>el archivo comprimido no contiene ese archivo</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>necesita una contraseña</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>contiene un paquete de archivos (tar), no un texto: descomprímalo primero</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>se descomprime a más de %1 veces su tamaño, como hace una bomba de descompresión; si es un texto que se repite tanto, descomprímalo primero e importe el texto</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>con los miembros anteriores, el archivo «%1» se descomprime a más de %2 veces su tamaño, como hace una bomba de descompresión; si sus textos se repiten tanto, descomprímalo primero e impórtelos</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>termina antes que sus datos comprimidos: está cortado</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>su suma de comprobación no coincide con su contenido: está dañado</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>Dividir a&amp;quí</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Codificación de este archivo</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Codificación como en las opciones</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Separador de este archivo</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Como en las opciones</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>&amp;Codificación de este archivo:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>&amp;Dividir sus líneas en:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>No hay ningún archivo en la lista.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Este archivo parece separado por %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Columnas de los archivos listados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 y %Ln más</numerusform>
            <numerusform>%1 y %Ln más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... %Ln más (vea la información emergente)</numerusform>
            <numerusform>... %Ln más (vea la información emergente)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>La tecla de menú en una columna, o un clic en su título, elige su tipo.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>El informe %1 no se escribió: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>El archivo «%1» no se importó: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Los encabezados difieren: %1. Las celdas de cada archivo están bajo las columnas de su nombre.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Unos nombres de columna se escriben de dos formas: %1. Cada uno es una sola columna, con el nombre escrito primero.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Un nombre de columna se escribe de dos formas: %1. Es una sola columna, con el nombre escrito primero.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: cada fila es una celda, mientras los demás archivos tienen %Ln; parece separado por %2.</numerusform>
            <numerusform>%1: cada fila es una celda, mientras los demás archivos tienen %Ln; parece separado por %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: cada fila es una celda, mientras los demás archivos tienen varias; parece separado por %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: su encabezado es una celda, mientras los demás archivos tienen %Ln; parece separado por %2.</numerusform>
            <numerusform>%1: su encabezado es una celda, mientras los demás archivos tienen %Ln; parece separado por %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: su encabezado es una celda, mientras los demás archivos tienen varias; parece separado por %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... y %Ln archivo más</numerusform>
            <numerusform>... y %Ln archivos más</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Ningún encabezado tiene una columna «%1» que cuente como «%2».</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Ningún encabezado tiene una columna «%1» para ser %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>comas</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>puntos y comas</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>tabulaciones</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulación</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>barras verticales</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Barra vertical</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>espacios</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>No se pudo guardar el ajuste «%1».</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatibles</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>«%1» se escribe «%2» en %Ln archivo: %3</numerusform>
            <numerusform>«%1» se escribe «%2» en %Ln archivos: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Archivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 se escriben %2 en %Ln archivo: %3</numerusform>
            <numerusform>%1 se escriben %2 en %Ln archivos: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Archivo %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>No se pueden guardar las filas del documento en %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>No se pueden escribir las filas del documento en %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>No se pueden releer las filas del documento en %1: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>La fila %1 viene tras la fila %2: un documento escrito toma sus filas en orden.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>No se pueden releer las filas del documento: terminan demasiado pronto.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Se omitieron las filas después de la fila %1 de la hoja «%2»: un documento admite como máximo %3 hojas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln celda de la hoja «%1» se cortó a %2 caracteres: una celda no admite más (un archivo .ods conserva enteras esas celdas, hasta %3 caracteres).</numerusform>
            <numerusform>%Ln celdas de la hoja «%1» se cortaron a %2 caracteres: una celda no admite más (un archivo .ods conserva enteras esas celdas, hasta %3 caracteres).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln celda de la hoja «%1» se cortó a %2 caracteres: una celda no admite más.</numerusform>
            <numerusform>%Ln celdas de la hoja «%1» se cortaron a %2 caracteres: una celda no admite más.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Para poner las filas tras la última en hojas nuevas, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>No se pudo escribir %Ln celda en la hoja «%1»: una hoja admite como máximo %2 columnas y %3 filas.%4</numerusform>
            <numerusform>No se pudieron escribir %Ln celdas en la hoja «%1»: una hoja admite como máximo %2 columnas y %3 filas.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>La importación se detuvo antes de leer ningún archivo.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>La importación se detuvo mientras se leía el archivo «%1» (archivo %2 de %3): las hojas de los archivos anteriores están en el documento.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>La importación se detuvo mientras se leía el archivo «%1» (archivo %2 de %3): no se escribió nada en el documento.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>La importación se detuvo antes de escribir ninguna fila.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>La importación se detuvo tras la línea %1 del archivo «%2» (archivo %3 de %4): las filas hasta ahí están en el documento, y ninguna después.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>No se encontró LibreOffice.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>No se pudo preparar el puente con LibreOffice.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>No se puede crear el archivo intermedio en %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo intermedio en %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>No se puede vaciar el archivo intermedio en %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo intermedio en %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Error 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>Este programa necesita OpenOffice. No está instalado en este equipo.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>¿Quiere abrir este sitio ahora?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Si cree que este error es una equivocación y tiene OpenOffice instalado, envíe una captura de este mensaje de error y una captura de la ventana «Acerca de» de OpenOffice a %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>es un enlace a algo que no es un archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Archivo no encontrado (el nombre no es UTF-8 válido)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>No es un archivo</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>No es un archivo que se pueda ver antes de importarlo</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Cambió mientras se leía</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>es un archivo .zip dentro del archivo: descomprímalo primero</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>Se perdió la conexión con LibreOffice: LibreOffice se cerró o se detuvo.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice rechazó la petición.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>una parte del archivo ocupa 4 GiB o más y se escribe con ZIP64, como permite el formato; LibreOffice (al menos 7.4) no abre una parte tan grande, otros lectores sí.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: no se puede añadir la hoja «%2»: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter la rechazó</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: no se puede escribir una celda: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>No se puede escribir %1: no se pueden guardar las filas en %2: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
</TS>
