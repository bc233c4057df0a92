<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; обнаружено разделение запятыми</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; обнаружено разделение запятыми, с полями в кавычках</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Разделён запятыми, определено по началу файла</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Разделён запятыми, с полями в кавычках, определено по началу файла</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; обнаружено разделение точками с запятой</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; обнаружено разделение точками с запятой, с полями в кавычках</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Разделён точками с запятой, определено по началу файла</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Разделён точками с запятой, с полями в кавычках, определено по началу файла</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; обнаружено разделение табуляциями</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; обнаружено разделение табуляциями, с полями в кавычках</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Разделён табуляциями, определено по началу файла</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Разделён табуляциями, с полями в кавычках, определено по началу файла</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; обнаружено разделение вертикальными чертами</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; обнаружено разделение вертикальными чертами, с полями в кавычках</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Разделён вертикальными чертами, определено по началу файла</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Разделён вертикальными чертами, с полями в кавычках, определено по началу файла</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; своего разделителя нет: целые строки</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>выбрана</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>предположена</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>определена</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>смешанные</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> В нём также есть %Ln допустимая последовательность UTF-8: возможно, это UTF-8 с примесью байтов другой кодировки.</numerusform>
            <numerusform> В нём также есть %Ln допустимые последовательности UTF-8: возможно, это UTF-8 с примесью байтов другой кодировки.</numerusform>
            <numerusform> В нём также есть %Ln допустимых последовательностей UTF-8: возможно, это UTF-8 с примесью байтов другой кодировки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln байт ничего не значит в windows-1252 и сохранён как управляющий символ</numerusform>
            <numerusform>%Ln байта ничего не значат в windows-1252 и сохранены как управляющие символы</numerusform>
            <numerusform>%Ln байтов ничего не значат в windows-1252 и сохранены как управляющие символы</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln символ не удалось прочитать, он стал U+FFFD</numerusform>
            <numerusform>%Ln символа не удалось прочитать, они стали U+FFFD</numerusform>
            <numerusform>%Ln символов не удалось прочитать, они стали U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>Файл «%1» прочитан как UTF-8, с %Ln байтом не из UTF-8, прочитанным как в windows-1252, но %2. Если у него другая кодировка, %3.%4</numerusform>
            <numerusform>Файл «%1» прочитан как UTF-8, с %Ln байтами не из UTF-8, прочитанными как в windows-1252, но %2. Если у него другая кодировка, %3.%4</numerusform>
            <numerusform>Файл «%1» прочитан как UTF-8, с %Ln байтами не из UTF-8, прочитанными как в windows-1252, но %2. Если у него другая кодировка, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>Файл «%1» прочитан как %2, но %3. Если у него другая кодировка, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>Файл «%1» прочитан как UTF-8; %Ln байт не из UTF-8 прочитан как в windows-1252.</numerusform>
            <numerusform>Файл «%1» прочитан как UTF-8; %Ln байта не из UTF-8 прочитаны как в windows-1252.</numerusform>
            <numerusform>Файл «%1» прочитан как UTF-8; %Ln байтов не из UTF-8 прочитаны как в windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>Кодировку файла «%1» не удалось определить наверняка: он прочитан как %2. Если текст выглядит неверно, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>Файл «%1» прочитан как %2. Если текст выглядит неверно, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Строки файла «%1» не делятся равномерно ни по запятой, ни по точке с запятой, ни по табуляции, ни по вертикальной черте: они остаются целыми, по одной ячейке.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Файл «%1» разделён по %2, как большинство его строк; у %Ln из первых %3 строк другое число ячеек, но они разделены так же.</numerusform>
            <numerusform>Файл «%1» разделён по %2, как большинство его строк; у %Ln из первых %3 строк другое число ячеек, но они разделены так же.</numerusform>
            <numerusform>Файл «%1» разделён по %2, как большинство его строк; у %Ln из первых %3 строк другое число ячеек, но они разделены так же.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Строки файла «%1» делятся по %2 так же хорошо, как по %3: они разделены по %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>В файле «%1» поле в кавычках открывается в строке %2 и нигде не закрывается: остаток файла находится в этой одной ячейке.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>Пропущена %Ln строка над таблицей файла «%1».</numerusform>
            <numerusform>Пропущены %Ln строки над таблицей файла «%1».</numerusform>
            <numerusform>Пропущено %Ln строк над таблицей файла «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; числа с десятичной запятой</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; числа с десятичной точкой</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>строк: %Ln</numerusform>
            <numerusform>строк: %Ln</numerusform>
            <numerusform>строк: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>строк: около %Ln</numerusform>
            <numerusform>строк: около %Ln</numerusform>
            <numerusform>строк: около %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; концы строк: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>определена</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>целые строки</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>десятичная запятая</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десятичная точка</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>нет %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>добавлено %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, самая широкая %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln ячейка</numerusform>
            <numerusform>%Ln ячейки</numerusform>
            <numerusform>%Ln ячеек</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, своего разделителя нет: целые строки</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, разделители: %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, числа с десятичной запятой</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, числа с десятичной точкой</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, похоже, разделители: %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, пропущена %Ln строка над таблицей</numerusform>
            <numerusform>, пропущены %Ln строки над таблицей</numerusform>
            <numerusform>, пропущено %Ln строк над таблицей</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Первая строка</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Последняя строка</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Как определена кодировка</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Кавычки</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Десятичный знак</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Пропущено строк</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Изменения заголовка</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>поля в кавычках целиком</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>без кавычек</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 после распаковки из %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: не прочитан: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>Пропущена %Ln строка над таблицей файла «%1»: «%2».</numerusform>
            <numerusform>Пропущены %Ln строки над таблицей файла «%1», первая: «%2».</numerusform>
            <numerusform>Пропущено %Ln строк над таблицей файла «%1», первая: «%2».</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>Заголовок файла «%1» — одно поле, «%2», над строками из %3: это похоже на название над таблицей. Чтобы пропускать строки над таблицей каждого файла, задайте пропуск строк «автоматически» (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Строки файла «%1» делятся неравномерно и только по одному разделителю: он разделён по %2, где делится %Ln из первых %3 строк.</numerusform>
            <numerusform>Строки файла «%1» делятся неравномерно и только по одному разделителю: он разделён по %2, где делятся %Ln из первых %3 строк.</numerusform>
            <numerusform>Строки файла «%1» делятся неравномерно и только по одному разделителю: он разделён по %2, где делятся %Ln из первых %3 строк.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Кавычка в строке %1 файла «%2» не имеет пары: кавычки файла прочитаны как текст, а не как границы полей.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Поле в кавычках файла «%1» идёт со строки %2 по строку %3, которые стали одной ячейкой. Если это должны быть строки, кавычка в строке %2 не имеет пары.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>Столбец %2 файла «%1» содержит «%3», что изменилось бы как число: весь столбец остаётся текстом.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Даты столбца %2 файла «%1» («%3») могут начинаться и с дня, и с месяца: они остаются текстом. Чтобы сохранить их как даты, выберите порядок (--column ИМЯ=date-dmy или date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Столбец %2 файла «%1» содержит даты, начинающиеся и с дня, и с месяца («%3»): они остаются текстом.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; типы столбцов: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Типы столбцов</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Обработка: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>В документе нет листа на позиции %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Документ вмещает не более %1 листов.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Как найдено</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Дата Д/М/Г</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Дата М/Д/Г</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Дата Г-М-Д</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Пропущен</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Тип столбца %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>столбец %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Выбранные типы: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Записать документ в ФАЙЛ, а не показывать его в Calc; формат следует расширению: .ods, .xlsx или .fods. LibreOffice не нужен.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>По листу на файл (по умолчанию: все файлы на одном листе).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>По листу на файл, в заданном порядке, каждый назван как его файл (2024-01.csv); включает --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon или pipe: делить там каждую строку на ячейки; auto: каждый файл по его собственному разделителю (запятая, точка с запятой, табуляция или вертикальная черта), найденному по его началу.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Делить каждую строку на ячейки по ТЕКСТУ (любой текст, можно несколько символов).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Для папки ПУТЬ: её файлы, имена которых оканчиваются на .EXT, обходятся так же, как в «Добавить все файлы из папки» (по умолчанию: все файлы, как при перетаскивании).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Не разделять текст в двойных кавычках, как в файлах CSV: разделитель или перевод строки в кавычках принадлежит ячейке, &quot;&quot; — одна кавычка.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Читать файлы без метки порядка байтов в кодировке ИМЯ: любой, которую читает Qt, в любом регистре (--list-encodings перечисляет обычные); auto, по умолчанию, определяет кодировку каждого файла.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Перечислить распространённые кодировки по имени, которое принимает --encoding.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>Первая строка файла (после пропущенных) — его заголовок: на одном листе имена из заголовков один раз образуют первую строку, а ячейки каждого файла идут под столбцы своих имён.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Сохранять ячейку как число, если весь её текст — число и ничего не меняется (1234.50 показывается как 1234.50; 007, 1e5, 1,234.50 и коды длиннее 15 цифр остаются текстом), с дробной частью через ЗНАК: auto (по умолчанию: знак каждого файла, как его показывают его числа; если они не показывают никакого, запятая в файлах, разделённых точкой с запятой, иначе точка), point или comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Первый столбец с файлом каждой строки: его путь ниже папки, содержащей все файлы (relative, по умолчанию), его имя (name) или полный путь (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Когда лист заполнен, продолжать остаток на новом листе после него («ИМЯ (2)», ...), а не пропускать остаток.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Вывести, что сделал бы импорт: кодировку, строки, самую широкую строку каждого файла и видимый разделитель, затем листы и их строки; ничего не записывать и не запускать, а стандартный ввод и каналы оставить импорту.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Открыть окно с перечисленными ПУТЯМИ вместо их импорта (как «Открыть с помощью» файлового менеджера).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Заменить ФАЙЛ, если он есть, новым файлом с его правами, владельцем и группой (жёсткие ссылки на него сохраняют старое содержимое).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Без индикации хода.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Пути:
  ПУТИ берутся в заданном порядке; папка приносит свои файлы и файлы всех папок под ней, уровень за
  уровнем (скрытые файлы и папки пропускаются); - — стандартный ввод. Без аргументов или с --window
  открывается окно с перечисленными ПУТЯМИ.</translation>
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
        <translation>Листы:
  На одном листе файлы следуют друг за другом; за файлом, который кончается переводом строки, идёт
  пустая строка. С --sheet-per-file лист каждого файла ставится вперёд, поэтому лист последнего файла
  идёт первым; лист называется по буквам, цифрам и пробелам своего файла (notes.txt даёт notestxt), с
  номером, если имя занято. С --sheets-as-listed листы стоят в заданном порядке и сохраняют имена своих
  файлов (только []:*?/\ становятся _), &quot; (2)&quot; добавляется, если имя занято. В .xlsx имена обрезаются
  до 31 символа. Лист вмещает 1 048 576 строк; с --continue-sheets остаток идёт на «ИМЯ (2)» сразу за
  ним.</translation>
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
        <translation>Заголовки:
  С --header первая строка файла (после --skip-lines) — его заголовок: на одном листе имена из
  заголовков образуют первую строку, один раз, в порядке первого появления, а ячейки каждого файла
  попадают под столбцы своих имён, сопоставленных сначала по точному написанию, затем без учёта
  регистра и формы Unicode, где это не оставляет сомнений («ID» и «id» одного заголовка остаются
  двумя столбцами); ячейки за пределами заголовка файла идут после всех именованных столбцов.
  --rename СТАРОЕ=НОВОЕ засчитывает столбец СТАРОЕ как НОВОЕ. О различиях заголовков сообщается
  один раз на каждое изменение, а --dry-run показывает получающиеся столбцы. --file-column
  помещает файл каждой строки в первый столбец.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Кодировки:
  Кодировка файла определяется при чтении: метка порядка байтов; UTF-16 или UTF-32 по нулевым байтам;
  UTF-8, где несколько случайных байтов читаются как в windows-1252 (с сообщением); иначе то, что находит
  статистический детектор (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...); иначе
  windows-1252, с сообщением. --encoding ИМЯ читает файлы без метки в кодировке ИМЯ. Байты, недопустимые
  в прочитанной кодировке, становятся U+FFFD, о них сообщается.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Код выхода:
  0      каждый файл импортирован целиком (и документ записан, с --output)
  1      файл не удалось прочитать или в нём были байты, недопустимые в его кодировке, ячейки не
         поместились, или документ не удалось записать; остальное всё равно импортировано
  2      ошибка использования или нет экрана там, где он нужен
  3      LibreOffice нет или он был потерян во время работы
  128+N  сигнал N (INT, TERM, HUP) прервал работу; её временные файлы удалены вместе с ней</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Об ошибках сообщайте на %1 или по адресу %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Использование: quillora [ПАРАМЕТР]... ПУТЬ...
  или:  quillora [--window [ПУТЬ]...]
  или:  quillora --dry-run [ПАРАМЕТР]... ПУТЬ...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Загрузить текстовые файлы в электронную таблицу: каждая строка — строка, каждый кусок — ячейка, как текст.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Текстовые файлы и папки для импорта; - для стандартного ввода.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Определяется для каждого файла (по умолчанию)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split и --separator исключают друг друга.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split принимает space, comma, tab, semicolon, pipe или auto, а не «%1».</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator нужен текст, по которому делить.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator не может содержать перевод строки: перевод строки завершает строку, а не ячейку.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: файл должен оканчиваться на .ods, .xlsx или .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 существует; --force заменяет его.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>неизвестная кодировка «%1»; --list-encodings перечисляет обычные.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers принимает auto, point или comma, а не «%1».</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename принимает СТАРОЕ=НОВОЕ, два имени, а не «%1».</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines принимает число строк, а не «%1».</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column принимает relative, name или path, а не «%1».</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>не задан ПУТЬ.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: невозможно писать в стандартный вывод.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Подробнее: «quillora --help».</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: нет экрана, чтобы показать документ в Calc; --output ФАЙЛ записывает его в файл.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: LibreOffice недоступен: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Пропустить первые N строк каждого файла (заголовок, строка «экспортировано из»); auto: строки каждого файла над его таблицей.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>С --header: столбец с именем СТАРОЕ считается НОВЫМ до сопоставления имён («клиент=заказчик»; «=» в имени записывается как «\=»); можно указать несколько раз.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>ГДЕ</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>СТАРОЕ=НОВОЕ</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Добавить в конец документа лист со списком файлов: лист и строки, куда попал файл, его кодировка, разделитель, десятичный знак, строки, столбцы, изменения заголовка и примечания.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Записать тот же список ещё и в ФАЙЛ: как CSV или, если имя оканчивается на .jsonl или .json, как JSON Lines; также с --dry-run. Существующий ФАЙЛ заменяется только с --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 — папка; --report нужен файл.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report и --output оба указывают %1: отчёт заменил бы документ.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 — импортируемый файл; его нельзя одновременно записывать.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Сжатые файлы и архивы:
  Файл, целиком сжатый gzip, bzip2, xz или zstd, читается как содержащийся в нём текст; это
  определяется по первым байтам, как бы файл ни назывался (и для стандартного ввода); о повреждённом
  или обрезанном файле сообщается с его именем. Архив .zip — это папка: его файлы называются путями
  внутри него (2024.zip/sever/jan.csv), а --extension для папки берёт его файлы и сжатые файлы с
  этим расширением.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column принимает ИМЯ=ТИП, ТИП — одно из %1, а не «%2».</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Сохранять ячейку, весь текст которой — дата, как дату, показанную так, как её записал файл: ISO (2024-03-01), а также день, месяц и год из четырёх цифр через /, . или - в порядке, который задают собственные даты файла (31/12/2024: сначала день); столбец, даты которого допускают оба порядка, остаётся текстом.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>Тип столбца по имени в заголовке (после переименований) или по номеру с 1: text, number, date-dmy, date-mdy, date-ymd или skip, чтобы пропустить его; ячейка, которая не может иметь тип своего столбца, остаётся текстом. Можно указать несколько раз.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>ИМЯ=ТИП</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>стандартный ввод читается для первого «-»; следующему читать уже нечего, и он пропускается.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 — выходной файл; он не импортируется.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>нет файлов для импорта.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>невозможно заменить %1: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: невозможно писать в %2: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>сохранение %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>сохранение строк: %1 из %2 в %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>сохранение %1: завершение файла</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 не записан: ни один файл не удалось импортировать.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>лист %1: %Ln строка</numerusform>
            <numerusform>лист %1: %Ln строки</numerusform>
            <numerusform>лист %1: %Ln строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(пропущена %Ln строка: лист вмещает %1)</numerusform>
            <numerusform>(пропущено %Ln строки: лист вмещает %1)</numerusform>
            <numerusform>(пропущено %Ln строк: лист вмещает %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln столбец)</numerusform>
            <numerusform>%1, ... (%Ln столбца)</numerusform>
            <numerusform>%1, ... (%Ln столбцов)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>столбцы: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: поток, читается только импортом: не входит в этот план</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: не сохранено: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>В списке больше нет элемента %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>импортируйте его отдельно с --encoding (--list-encodings перечисляет обычные)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>укажите --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] чтение %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>запись строк: %1 из %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 — файл отчёта; он не импортируется.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 существует; --force заменяет его.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, поля в кавычках</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>Документ был брошен до завершения.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>Ячейка (%1, %2) лежит за пределами листа.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>В документе нет листа «%1».</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>Последний лист документа нельзя удалить.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>«%1» — недопустимое имя листа.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>В документе уже есть лист «%1».</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Документ вмещает не более %1 листов.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>В документе нет листа на позиции %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>Запись документов</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>Документ создан не записью документов.</translation>
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
        <translation>Юникод</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>US</source>
        <translation>США</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Китайская упрощённая</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Китайская традиционная</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Пожалуйста, отправьте снимок экрана с этим сообщением на %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Выберите папку:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Введите расширение загружаемых файлов:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* — все файлы, txt — все файлы txt, doc — все файлы doc и т. д.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Выбрано слишком много файлов для добавления.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Попробуйте добавить их кнопкой «Добавить все».</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Читается как %1, выбрано для этого файла</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Делится по «%1», выбрано для этого файла</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Своего разделителя не найдено: целые строки</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Текстовые файлы</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Файл «%1» не импортирован: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>Архив «%1» содержит файлы, имена которых ведут за его пределы: %2. Они пропущены.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 и ещё %Ln</numerusform>
            <numerusform>%1 и ещё %Ln</numerusform>
            <numerusform>%1 и ещё %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>только в %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>с %1 и далее, %Ln файл</numerusform>
            <numerusform>с %1 и далее, %Ln файла</numerusform>
            <numerusform>с %1 и далее, %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>только в %Ln файле, до %1</numerusform>
            <numerusform>только в %Ln файлах, до %1</numerusform>
            <numerusform>только в %Ln файлах, до %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>только в %Ln файле, с %1 по %2</numerusform>
            <numerusform>только в %Ln файлах, с %1 по %2</numerusform>
            <numerusform>только в %Ln файлах, с %1 по %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>только в %Ln файле: %1</numerusform>
            <numerusform>только в %Ln файлах: %1</numerusform>
            <numerusform>только в %Ln файлах: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>нет в %Ln файле: %1</numerusform>
            <numerusform>нет в %Ln файлах: %1</numerusform>
            <numerusform>нет в %Ln файлах: %1</numerusform>
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
        <translation>столбцы в другом порядке: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Отменить переименования</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Столбец для переименования</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Имя, под которым он считается</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Ячейки первого столбца попадают под второй во всех файлах списка.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Столбец:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>считается как:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>«%1» как «%2»</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Ни один столбец не переименован.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Переименованы: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Введите имя, под которым будет считаться столбец.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>«%1» — уже имя этого столбца: введите другое.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Нет доступной программы электронных таблиц.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>В списке больше нет элемента %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>выделите его в списке, выберите его кодировку в поле «Кодировка этого файла» в просмотре и импортируйте снова</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>отметьте «Продолжать на новом листе, когда лист заполнен»</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Начать и&amp;мпорт</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Остановить и&amp;мпорт</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>Невозможно добавить лист «%1».</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>В документе нет листа на позиции %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Файлы не добавлены.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Отчёт об импорте</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Прочитанные файлы</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Копировать всё</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>Файлы JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>прервано сигналом %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice не открыл новую электронную таблицу.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: нет экрана, чтобы открыть окно; командная строка работает без него, например: quillora --output ФАЙЛ ПУТЬ... (см. quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Индикатор выполнения</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Перетащите сюда файлы. Двойной щелчок по элементу удаляет его. Сдвиньте линию | вправо за пределы окна, чтобы увидеть полные имена.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Текстовые файлы для импорта</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Добавьте файлы или перетащите сюда файлы и папки</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Ввер&amp;х</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Вниз</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>Добавить &amp;текстовые файлы</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>До&amp;бавить все файлы из папки</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>О&amp;чистить список</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>За&amp;грузить файлы-примеры</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>Невозможно прочитать оформление «%1»: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>Невозможно прочитать изображение указателя «%1».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Открыть папку, где лежат эти файлы-примеры (чтобы посмотреть их перед работой)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>Добавлен %Ln файл</numerusform>
            <numerusform>Добавлено %Ln файла</numerusform>
            <numerusform>Добавлено %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; пропущен %Ln другой файл (не %1)</numerusform>
            <numerusform>; пропущено %Ln других файла (не %1)</numerusform>
            <numerusform>; пропущено %Ln других файлов (не %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 не ответил за %2 с; импорт на этом завершается.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>Не удалось подготовить среду UNO LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice не ответил за %1 с.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>это не сокет</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>он принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 не принадлежит LibreOffice (%2): подключения нет; вместо него используется частный канал.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora не подключается к %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>Не удалось запустить LibreOffice из %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice завершился, не ответив.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Добавить файлы — Ctrl и Shift выбирают несколько файлов</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Текстовые файлы (*.txt)|*.txt|Текстовые файлы и CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Все файлы (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>Пропущен %Ln символ листа «%1»: файл %2 не может содержать управляющие символы, кроме табуляции и перевода строки, а также U+FFFE и U+FFFF (файл .xlsx их сохраняет).</numerusform>
            <numerusform>Пропущено %Ln символа листа «%1»: файл %2 не может содержать управляющие символы, кроме табуляции и перевода строки, а также U+FFFE и U+FFFF (файл .xlsx их сохраняет).</numerusform>
            <numerusform>Пропущено %Ln символов листа «%1»: файл %2 не может содержать управляющие символы, кроме табуляции и перевода строки, а также U+FFFE и U+FFFF (файл .xlsx их сохраняет).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>Невозможно записать %1: его часть превысила 4 ГиБ.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>автоматически</translation>
    </message>
    <message>
        <source>point</source>
        <translation>точка</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>запятая</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Не &amp;форматировать</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Д&amp;елить данные на новые столбцы Calc по пробелу</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Де&amp;лить данные на новые столбцы Calc по запятой</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Делить данные &amp;на новые столбцы Calc по табуляции</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>&amp;Делить данные на новые столбцы Calc по этим символам:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Делить по собственному &amp;разделителю каждого файла (запятая, точка с запятой, табуляция, черта)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Импортировать все текстовые файлы на &amp;один лист</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>Импортировать &amp;каждый текстовый файл на отдельный лист</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Параметры импорта</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Параметры формата</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Называть каждый лист по его файлу, в порядке списка</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Не раздел&amp;ять текст в двойных кавычках</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Сохранять как числа, только если значение не меняется</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Десятичный знак:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Десятичный знак</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>автоматически</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Сохранять даты (2024-03-01, 31/12/2024) как даты</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Строки и заголовки</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Сколько &amp;строк пропустить в начале каждого файла:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Сколько строк пропустить в начале каждого файла</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>Первая строка — заголовок: оставить один раз, сопоставлять столбцы по &amp;имени</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>Добавить столбе&amp;ц с именем файла каждой строки</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Продол&amp;жать на новом листе, когда лист заполнен</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>Кодировк&amp;а:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>Сохранённое число пропускаемых строк «%1» — не число от 0 до 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>Сохранённый десятичный знак «%1» — ни Automatic, ни Point, ни Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Добавить лист со списком файлов</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Невозможно прочитать файл «%1»: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>архив повреждён</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>его имя ведёт за пределы архива</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>в архиве нет такого файла</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>нужен пароль</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>в нём архив файлов (tar), а не текст: сначала распакуйте его</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>он распаковывается более чем в %1 раз больше своего размера, как бомба распаковки; если это текст, который так сильно повторяется, сначала распакуйте его и импортируйте текст</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>вместе с предыдущими файлами архив «%1» распаковывается более чем в %2 раз больше своего размера, как бомба распаковки; если его тексты так сильно повторяются, сначала распакуйте его и импортируйте их</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>он заканчивается раньше своих сжатых данных: он обрезан</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>его контрольная сумма не совпадает с содержимым: он повреждён</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>он повреждён (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>Разделить &amp;здесь</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Кодировка этого файла</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Кодировка как в параметрах</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Разделитель этого файла</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Как в параметрах</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>Кодировка &amp;этого файла:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>Делить его строки &amp;по:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Файлов в списке нет.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Похоже, этот файл разделён так: %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Столбцы перечисленных файлов: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 и ещё %Ln</numerusform>
            <numerusform>%1 и ещё %Ln</numerusform>
            <numerusform>%1 и ещё %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... ещё %Ln (см. подсказку)</numerusform>
            <numerusform>... ещё %Ln (см. подсказку)</numerusform>
            <numerusform>... ещё %Ln (см. подсказку)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>Клавиша меню в столбце или щелчок по его заголовку выбирает его тип.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>Отчёт %1 не записан: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Файл «%1» не импортирован: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Заголовки различаются: %1. Ячейки каждого файла стоят под столбцами своих имён.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Имена столбцов пишутся двумя способами: %1. Каждое — один столбец, названный так, как написан впервые.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Имя столбца пишется двумя способами: %1. Это один столбец, названный так, как написан впервые.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: каждая строка — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
            <numerusform>%1: каждая строка — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
            <numerusform>%1: каждая строка — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: каждая строка — одна ячейка, а у других файлов их несколько; похоже, разделители: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: его заголовок — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
            <numerusform>%1: его заголовок — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
            <numerusform>%1: его заголовок — одна ячейка, а у других файлов %Ln; похоже, разделители: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: его заголовок — одна ячейка, а у других файлов их несколько; похоже, разделители: %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... и ещё %Ln файл</numerusform>
            <numerusform>... и ещё %Ln файла</numerusform>
            <numerusform>... и ещё %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Ни в одном заголовке нет столбца «%1», который считался бы «%2».</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Ни в одном заголовке нет столбца «%1», который должен быть %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>запятые</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Запятая</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>точки с запятой</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Точка с запятой</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>табуляции</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Табуляция</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>вертикальные черты</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Вертикальная черта</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>пробелы</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>Не удалось сохранить параметр «%1».</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несовпадение типов</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>«%1» пишется как «%2» в %Ln файле: %3</numerusform>
            <numerusform>«%1» пишется как «%2» в %Ln файлах: %3</numerusform>
            <numerusform>«%1» пишется как «%2» в %Ln файлах: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Файл %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 пишутся как %2 в %Ln файле: %3</numerusform>
            <numerusform>%1 пишутся как %2 в %Ln файлах: %3</numerusform>
            <numerusform>%1 пишутся как %2 в %Ln файлах: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Файл %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>Невозможно хранить строки документа в %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>Невозможно записать строки документа в %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>Невозможно перечитать строки документа в %1: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>Строка %1 идёт после строки %2: записываемый документ принимает строки по порядку.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>Невозможно перечитать строки документа: они кончаются слишком рано.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Строки после строки %1 листа «%2» пропущены: документ вмещает не более %3 листов.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln ячейка листа «%1» обрезана до %2 символов: больше ячейка не вмещает (файл .ods хранит такие ячейки целиком, до %3 символов).</numerusform>
            <numerusform>%Ln ячейки листа «%1» обрезаны до %2 символов: больше ячейка не вмещает (файл .ods хранит такие ячейки целиком, до %3 символов).</numerusform>
            <numerusform>%Ln ячеек листа «%1» обрезаны до %2 символов: больше ячейка не вмещает (файл .ods хранит такие ячейки целиком, до %3 символов).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln ячейка листа «%1» обрезана до %2 символов: больше ячейка не вмещает.</numerusform>
            <numerusform>%Ln ячейки листа «%1» обрезаны до %2 символов: больше ячейка не вмещает.</numerusform>
            <numerusform>%Ln ячеек листа «%1» обрезаны до %2 символов: больше ячейка не вмещает.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Чтобы поместить строки после последней на новые листы, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln ячейку не удалось записать на лист «%1»: лист вмещает не более %2 столбцов и %3 строк.%4</numerusform>
            <numerusform>%Ln ячейки не удалось записать на лист «%1»: лист вмещает не более %2 столбцов и %3 строк.%4</numerusform>
            <numerusform>%Ln ячеек не удалось записать на лист «%1»: лист вмещает не более %2 столбцов и %3 строк.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>Импорт остановлен до чтения какого-либо файла.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>Импорт остановлен во время чтения файла «%1» (файл %2 из %3): листы предыдущих файлов есть в документе.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>Импорт остановлен во время чтения файла «%1» (файл %2 из %3): в документ ничего не записано.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>Импорт остановлен до записи какой-либо строки.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>Импорт остановлен после строки %1 файла «%2» (файл %3 из %4): строки до этого места есть в документе, после — нет.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice не найден.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>Не удалось подготовить мост к LibreOffice.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>Невозможно создать промежуточный файл в %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>Невозможно записать промежуточный файл в %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>Невозможно очистить промежуточный файл в %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>Невозможно прочитать промежуточный файл в %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Ошибка 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>Для работы этой программы нужен OpenOffice. Он не установлен на этом компьютере.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Открыть этот сайт сейчас?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Если вы считаете, что это ошибка и OpenOffice установлен, пожалуйста, отправьте снимок этого сообщения об ошибке и снимок окна «О программе» OpenOffice на %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>это ссылка на несуществующий файл</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>это ссылка на то, что не является файлом</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Невозможно прочитать файл «%1»: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Файл не найден (имя — недопустимый UTF-8)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>Это не файл</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>Это не файл, который можно просмотреть до импорта</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Он изменился во время чтения</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>это архив .zip внутри архива: сначала распакуйте его</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>Связь с LibreOffice потеряна: LibreOffice закрыт или остановлен.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice отклонил запрос.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>часть файла занимает 4 ГиБ или больше и записана в ZIP64, как допускает формат; LibreOffice (по крайней мере 7.4) не открывает такую большую часть, другие программы открывают.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Невозможно записать %1: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: невозможно добавить лист «%2»: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter отказался его принять</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: невозможно записать ячейку: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>Невозможно записать %1: невозможно хранить строки в %2: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Невозможно записать %1: %2</translation>
    </message>
</context>
</TS>
