<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; detectado como separado por vírgulas</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; detectado como separado por vírgulas, com campos entre aspas</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Separado por vírgulas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Separado por vírgulas, com campos entre aspas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; detectado como separado por pontos e vírgulas</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; detectado como separado por pontos e vírgulas, com campos entre aspas</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Separado por pontos e vírgulas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Separado por pontos e vírgulas, com campos entre aspas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; detectado como separado por tabulações</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; detectado como separado por tabulações, com campos entre aspas</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Separado por tabulações, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Separado por tabulações, com campos entre aspas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; detectado como separado por barras verticais</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; detectado como separado por barras verticais, com campos entre aspas</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Separado por barras verticais, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Separado por barras verticais, com campos entre aspas, detectado no início do arquivo</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation>; sem separador próprio: linhas inteiras</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>escolhida</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>suposta</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>detectada</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mistos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> Ele também contém %Ln sequência UTF-8 válida: pode ser UTF-8 misturado com bytes de outra codificação.</numerusform>
            <numerusform> Ele também contém %Ln sequências UTF-8 válidas: pode ser UTF-8 misturado com bytes de outra codificação.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln byte não significa nada no windows-1252 e é mantido como caractere de controle</numerusform>
            <numerusform>%Ln bytes não significam nada no windows-1252 e são mantidos como caracteres de controle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln caractere não pôde ser lido e é U+FFFD</numerusform>
            <numerusform>%Ln caracteres não puderam ser lidos e são U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>O arquivo &quot;%1&quot; foi lido como UTF-8, com %Ln byte que não é UTF-8 lido como no windows-1252, mas %2. Se estiver em outra codificação, %3.%4</numerusform>
            <numerusform>O arquivo &quot;%1&quot; foi lido como UTF-8, com %Ln bytes que não são UTF-8 lidos como no windows-1252, mas %2. Se estiver em outra codificação, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>O arquivo &quot;%1&quot; foi lido como %2, mas %3. Se estiver em outra codificação, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>O arquivo &quot;%1&quot; foi lido como UTF-8; %Ln byte que não é UTF-8 foi lido como no windows-1252.</numerusform>
            <numerusform>O arquivo &quot;%1&quot; foi lido como UTF-8; %Ln bytes que não são UTF-8 foram lidos como no windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>A codificação do arquivo &quot;%1&quot; não pôde ser determinada com certeza: ele foi lido como %2. Se o texto parecer errado, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>O arquivo &quot;%1&quot; foi lido como %2. Se o texto parecer errado, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>As linhas do arquivo &quot;%1&quot; não se dividem por igual em nenhum de vírgula, ponto e vírgula, tabulação ou barra vertical: ficam inteiras, uma célula cada.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>O arquivo &quot;%1&quot; é dividido em %2, como a maioria de suas linhas; %Ln das primeiras %3 linhas tem outro número de células e é dividida assim mesmo.</numerusform>
            <numerusform>O arquivo &quot;%1&quot; é dividido em %2, como a maioria de suas linhas; %Ln das primeiras %3 linhas têm outro número de células e são divididas assim mesmo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>As linhas do arquivo &quot;%1&quot; se dividem tão bem em %2 quanto em %3: são divididas em %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>O arquivo &quot;%1&quot; tem um campo entre aspas que abre na linha %2 e nunca fecha: o resto do arquivo está nessa única célula.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%Ln linha acima da tabela do arquivo &quot;%1&quot; foi pulada.</numerusform>
            <numerusform>%Ln linhas acima da tabela do arquivo &quot;%1&quot; foram puladas.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation>; números com vírgula decimal</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation>; números com ponto decimal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln linha</numerusform>
            <numerusform>%Ln linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>cerca de %Ln linha</numerusform>
            <numerusform>cerca de %Ln linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2; fins de linha: %3; %4; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrada</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>linhas inteiras</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>vírgula decimal</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>ponto decimal</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>sem %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>acrescenta %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1: %2 (%3), %4, a mais larga %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln célula</numerusform>
            <numerusform>%Ln células</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, sem separador próprio: linhas inteiras</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, separado por %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, números com vírgula decimal</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, números com ponto decimal</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, parece separado por %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln linha acima da sua tabela pulada</numerusform>
            <numerusform>, %Ln linhas acima da sua tabela puladas</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Planilha</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última linha</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificação</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Origem da codificação</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Aspas</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Sinal decimal</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Linhas ignoradas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Mudanças no cabeçalho</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>campos entre aspas sem divisão</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>sem aspas</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 descompactados de %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1: não lido: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>%Ln linha acima da tabela do arquivo &quot;%1&quot; foi pulada: “%2”.</numerusform>
            <numerusform>%Ln linhas acima da tabela do arquivo &quot;%1&quot; foram puladas, a primeira: “%2”.</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>O cabeçalho do arquivo &quot;%1&quot; é um só campo, “%2”, sobre linhas de %3: parece um título acima da tabela. Para pular as linhas acima da tabela de cada arquivo, defina as linhas a pular como automático (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>As linhas do arquivo &quot;%1&quot; se dividem de forma irregular, e só em um separador: ele é dividido em %2, onde %Ln das %3 primeiras linhas se divide.</numerusform>
            <numerusform>As linhas do arquivo &quot;%1&quot; se dividem de forma irregular, e só em um separador: ele é dividido em %2, onde %Ln das %3 primeiras linhas se dividem.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Uma aspa na linha %1 do arquivo &quot;%2&quot; não tem par: as aspas do arquivo foram lidas como texto, não como delimitadores de campos.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Um campo entre aspas do arquivo &quot;%1&quot; vai da linha %2 à linha %3, que formam uma só célula. Se deveriam ser linhas, uma aspa na linha %2 não tem par.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>A coluna %2 do arquivo &quot;%1&quot; contém &quot;%3&quot;, que mudaria como número: a coluna inteira fica como texto.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>As datas da coluna %2 do arquivo &quot;%1&quot; (&quot;%3&quot;) poderiam ter o dia ou o mês primeiro: ficam como texto. Para armazená-las como datas, escolha a ordem (--column NOME=date-dmy ou date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>A coluna %2 do arquivo &quot;%1&quot; contém datas com o dia primeiro e com o mês primeiro (&quot;%3&quot;): ficam como texto.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; tipos de coluna: %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Tipos de coluna</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Processando: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>O documento não tem planilha na posição %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Um documento comporta no máximo %1 planilhas.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Conforme detectado</translation>
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
        <translation>Data D/M/A</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Data M/D/A</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Data A-M-D</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Tipo da coluna %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Tipos escolhidos: %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Grava o documento em ARQUIVO em vez de mostrá-lo no Calc; o formato segue a extensão: .ods, .xlsx ou .fods. Não precisa do LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Uma planilha por arquivo (padrão: todos os arquivos em uma planilha).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Uma planilha por arquivo, na ordem dada, cada uma com o nome do seu arquivo (2024-01.csv); implica --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon ou pipe: divide ali cada linha em células; auto: cada arquivo no seu próprio separador (vírgula, ponto e vírgula, tabulação ou barra vertical), encontrado pelo seu início.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Divide cada linha em células em TEXTO (qualquer texto, vários caracteres permitidos).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Para uma pasta CAMINHO: seus arquivos cujo nome termina em .EXT, percorridos como &quot;Adicionar todos os arquivos da pasta&quot; faz (padrão: todos os arquivos, como ao soltar).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Mantém junto o texto entre aspas duplas, como em arquivos CSV: um separador ou quebra de linha entre aspas pertence à célula, &quot;&quot; é uma aspa.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Lê os arquivos sem marca de ordem de bytes em NOME: qualquer codificação que o Qt lê, em maiúsculas ou minúsculas (--list-encodings lista as usuais); auto, o padrão, encontra a de cada arquivo.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Lista as codificações comuns, pelo nome que --encoding aceita.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>A primeira linha de um arquivo (após as omitidas) é o seu cabeçalho: em uma planilha, os nomes dos cabeçalhos são a primeira linha, uma vez, e as células de cada arquivo vão sob as colunas dos seus nomes.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Guarda uma célula como número quando todo o seu texto é um e nada muda (1234.50 mostra 1234.50; 007, 1e5, 1,234.50 e códigos com mais de 15 dígitos ficam texto), com as decimais escritas com SINAL: auto (padrão: o de cada arquivo, como seus números o mostram; se não mostram nenhum, vírgula em arquivos divididos em ponto e vírgula, ponto nos outros), point ou comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Uma primeira coluna com o arquivo de cada linha: seu caminho abaixo da pasta que contém todos os arquivos (relative, o padrão), seu nome (name) ou seu caminho completo (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Quando uma planilha fica cheia, continua o resto em uma nova planilha depois dela (&quot;NOME (2)&quot;, ...), em vez de omitir o resto.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Mostra o que a importação faria: codificação, linhas, linha mais larga de cada arquivo e um separador aparente, depois as planilhas e suas linhas; não grava nem inicia nada, e deixa a entrada padrão e os pipes para a importação.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Abre a janela com os CAMINHOs listados, em vez de importá-los (como o &quot;Abrir com&quot; de um gerenciador de arquivos).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Substitui ARQUIVO se existir, por um novo arquivo com suas permissões, dono e grupo (links físicos para ele mantêm o conteúdo antigo).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Sem progresso.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Caminhos:
  Os CAMINHOs são tomados na ordem dada; uma pasta traz seus arquivos e os de cada pasta abaixo
  dela, nível por nível (arquivos e pastas ocultos são ignorados); - é a entrada padrão. Sem
  argumentos, ou com --window, a janela abre com os CAMINHOs listados.</translation>
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
        <translation>Planilhas:
  Em uma planilha os arquivos se seguem; um arquivo que termina em quebra de linha é seguido de uma
  linha vazia. Com --sheet-per-file a planilha de cada arquivo vai à frente, então a do último arquivo
  vem primeiro; uma planilha recebe o nome das letras, dígitos e espaços do seu arquivo (notes.txt dá
  notestxt), com um número somado se o nome já existe. Com --sheets-as-listed as planilhas seguem a
  ordem dada e mantêm o nome dos arquivos (só []:*?/\ viram _), &quot; (2)&quot; somado se já existe. No .xlsx
  os nomes são cortados em 31 caracteres. Uma planilha comporta 1.048.576 linhas; com --continue-sheets
  o resto segue em &quot;NOME (2)&quot; logo depois.</translation>
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
        <translation>Cabeçalhos:
  Com --header, a primeira linha de um arquivo (após --skip-lines) é seu cabeçalho: numa planilha,
  os nomes dos cabeçalhos formam a primeira linha, uma vez, na ordem em que aparecem, e as células de
  cada arquivo vão sob as colunas de seus nomes, combinados primeiro pela grafia exata e depois sem
  diferenciar maiúsculas e forma Unicode quando não há dúvida (&quot;ID&quot; e &quot;id&quot; de um mesmo cabeçalho
  continuam duas colunas); as células além do cabeçalho de um arquivo vão depois de todas as colunas
  com nome. --rename ANTIGO=NOVO faz uma coluna ANTIGO contar como NOVO. As diferenças entre os
  cabeçalhos são informadas uma vez por mudança, e --dry-run mostra as colunas que eles formam.
  --file-column põe o arquivo de cada linha numa primeira coluna.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Codificações:
  A codificação de um arquivo é encontrada na leitura: uma marca de ordem de bytes; UTF-16 ou UTF-32
  pelos bytes zero; UTF-8, onde alguns bytes soltos são lidos como no windows-1252 (e informados); senão
  o que um detector estatístico encontra (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  senão windows-1252, e informado. --encoding NOME lê em NOME os arquivos sem marca. Bytes inválidos na
  codificação lida viram U+FFFD e são informados.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Status de saída:
  0      todos os arquivos foram importados inteiros (e o documento gravado, com --output)
  1      um arquivo não pôde ser lido ou tinha bytes inválidos na sua codificação, células não
         couberam, ou o documento não pôde ser gravado; o resto foi importado assim mesmo
  2      um erro de uso, ou nenhuma tela onde uma é necessária
  3      o LibreOffice não existe, ou foi perdido durante a execução
  128+N  o sinal N (INT, TERM, HUP) encerrou a execução; seus arquivos temporários foram junto</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Relate erros em %1 ou para %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Uso: quillora [OPÇÃO]... CAMINHO...
  ou:  quillora [--window [CAMINHO]...]
  ou:  quillora --dry-run [OPÇÃO]... CAMINHO...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Carrega arquivos de texto em uma planilha: cada linha uma linha, cada pedaço uma célula, como texto.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Arquivos de texto e pastas a importar; - para a entrada padrão.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Encontrada para cada arquivo (o padrão)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split e --separator se excluem.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split aceita space, comma, tab, semicolon, pipe ou auto, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator precisa de um texto onde dividir.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator não pode conter quebra de linha: uma quebra de linha termina a linha, não uma célula.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1: o arquivo deve terminar em .ods, .xlsx ou .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe; --force o substitui.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>codificação desconhecida &quot;%1&quot;; --list-encodings lista as usuais.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers aceita auto, point ou comma, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename aceita ANTIGO=NOVO, dois nomes, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines aceita um número de linhas, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column aceita relative, name ou path, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>nenhum CAMINHO dado.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora: a saída padrão não pode ser gravada.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Tente &quot;quillora --help&quot; para mais informações.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora: não há tela onde mostrar o documento no Calc; --output ARQUIVO o grava em um arquivo.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora: o LibreOffice não está disponível: %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Omite as primeiras N linhas de cada arquivo (um título, uma linha &quot;exportado por&quot;); auto: as linhas de cada arquivo acima da sua tabela.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Com --header: uma coluna chamada ANTIGO conta como NOVO antes de comparar os nomes (&quot;cliente=comprador&quot;; um &quot;=&quot; de um nome se escreve &quot;\=&quot;); pode ser repetido.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>ONDE</translation>
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
        <translation>ANTIGO=NOVO</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Adicionar ao fim do documento uma planilha que lista cada arquivo: a planilha e as linhas onde ficou, sua codificação, separador, sinal decimal, linhas, colunas, mudanças no cabeçalho e observações.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Gravar também a mesma lista em ARQUIVO, como CSV, ou como JSON Lines se o nome terminar em .jsonl ou .json; também com --dry-run. Um ARQUIVO existente só é substituído com --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 é uma pasta; --report precisa de um arquivo.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report e --output indicam ambos %1: o relatório substituiria o documento.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 é um arquivo a importar; não pode também ser gravado.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Arquivos compactados e pacotes:
  Um arquivo compactado inteiro com gzip, bzip2, xz ou zstd é lido como o texto que contém,
  reconhecido pelos primeiros bytes seja qual for o nome (a entrada padrão também); um danificado ou
  cortado é informado pelo nome. Um arquivo .zip é uma pasta: seus membros são nomeados como caminhos
  abaixo dele (2024.zip/norte/jan.csv), e --extension de uma pasta traz seus membros e arquivos
  compactados dessa extensão.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column aceita NOME=TIPO, TIPO um de %1, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Armazenar como data uma célula cujo texto inteiro é uma data, exibida como o arquivo a escreveu: ISO (2024-03-01), e dia, mês e ano de quatro dígitos separados por /, . ou - na ordem que as próprias datas do arquivo definem (31/12/2024: dia primeiro); uma coluna cujas datas poderiam ser de um jeito ou de outro fica como texto.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>O tipo de uma coluna, pelo nome no cabeçalho (após renomeações) ou pelo número a partir de 1: text, number, date-dmy, date-mdy, date-ymd, ou skip para omiti-la; uma célula que não pode ser do tipo da coluna fica como texto. Pode ser repetido.</translation>
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
        <translation>a entrada padrão é lida para o primeiro &quot;-&quot;; outro não tem mais nada e é omitido.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 é o arquivo de saída; ele não é importado.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>nenhum arquivo a importar.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 não pode ser substituído: %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1: não é possível gravar em %2: %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>guardando %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>guardando linhas: %1 de %2 em %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>guardando %1: finalizando o arquivo</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 não foi gravado: nenhum arquivo pôde ser importado.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>planilha %1: %Ln linha</numerusform>
            <numerusform>planilha %1: %Ln linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln linha omitida: uma planilha comporta %1)</numerusform>
            <numerusform>(%Ln linhas omitidas: uma planilha comporta %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln coluna)</numerusform>
            <numerusform>%1, ... (%Ln colunas)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>colunas: %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation>: um fluxo, lido apenas pela importação: fora deste plano</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: não salvo: %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>A lista não contém mais a entrada %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>importe-o sozinho com --encoding (--list-encodings lista as usuais)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>informe --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] lendo %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>gravando linhas: %1 de %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 é o arquivo do relatório; não é importado.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe; --force o substitui.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, campos entre aspas</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>O documento foi abandonado antes de ficar pronto.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>A célula (%1, %2) está fora da planilha.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>O documento não tem planilha &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>A última planilha de um documento não pode ser removida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>&quot;%1&quot; não é um nome de planilha válido.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>O documento já tem uma planilha &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Um documento comporta no máximo %1 planilhas.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>O documento não tem planilha na posição %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>O gravador de documentos</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>O documento não foi criado pelo gravador de documentos.</translation>
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
        <translation>Europa Ocidental</translation>
    </message>
    <message>
        <source>US</source>
        <translation>EUA</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa Central</translation>
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
        <translation>Grego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandês</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinês tradicional</translation>
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
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem para %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Selecione a pasta:</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Digite a extensão dos arquivos a carregar:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* para todos os arquivos, txt para todos os arquivos txt, doc para todos os arquivos doc, etc.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Você selecionou arquivos demais para adicionar.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Tente adicionar pelo botão &quot;Adicionar todos&quot;.</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Lido como %1, escolhido para este arquivo</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Dividido em &quot;%1&quot;, escolhido para este arquivo</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Nenhum separador próprio encontrado: linhas inteiras</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Arquivo(s) de texto</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>O arquivo &quot;%1&quot; não foi importado: %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>O arquivo compactado &quot;%1&quot; contém arquivos cujos nomes levam para fora dele: %2. Eles são deixados de fora.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 e mais %Ln</numerusform>
            <numerusform>%1 e mais %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>só em %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>a partir de %1, %Ln arquivo</numerusform>
            <numerusform>a partir de %1, %Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>só em %Ln arquivo, até %1</numerusform>
            <numerusform>só em %Ln arquivos, até %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>só em %Ln arquivo, de %1 a %2</numerusform>
            <numerusform>só em %Ln arquivos, de %1 a %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>só em %Ln arquivo: %1</numerusform>
            <numerusform>só em %Ln arquivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>falta em %Ln arquivo: %1</numerusform>
            <numerusform>falta em %Ln arquivos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>colunas em outra ordem: %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Esquecer as renomeações</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Coluna a renomear</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Nome com que ela conta</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>As células da primeira coluna vão para baixo da segunda, em cada arquivo da lista.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Coluna:</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>conta como:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>“%1” como “%2”</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Nenhuma coluna renomeada.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Renomeadas: %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Digite o nome com que a coluna passa a contar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>“%1” já é o nome da coluna: digite outro.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Nenhuma planilha eletrônica está disponível.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>A lista não contém mais a entrada %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>selecione-o na lista, escolha sua codificação em &quot;Codificação deste arquivo&quot; na pré-visualização e importe-o de novo</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>marque &quot;Continuar em uma nova planilha quando uma planilha estiver cheia&quot;</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Inicia&amp;r importação</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Pa&amp;rar importação</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>A planilha &quot;%1&quot; não pode ser adicionada.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>O documento não tem planilha na posição %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nenhum arquivo adicionado.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Relatório da importação</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Arquivos lidos</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copiar tudo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar o relatório</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>Arquivos JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>interrompido por %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>O LibreOffice não abriu uma nova planilha.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora: não há tela onde abrir a janela; a linha de comando funciona sem ela, por exemplo: quillora --output ARQUIVO CAMINHO... (veja quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Mova a linha | para a direita, para fora da janela, para ver os nomes completos.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Arquivos de texto a importar</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Adicione arquivos, ou solte aqui arquivos e pastas</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Mover para cima</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Mover para bai&amp;xo</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>Adicionar arquivo(&amp;s) de texto</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Adicionar &amp;todos os arquivos da pasta</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>Carre&amp;gar arquivos de exemplo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>O tema &quot;%1&quot; não pode ser lido: %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>A imagem de ponteiro &quot;%1&quot; não pode ser lida.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Deseja que este programa abra a pasta onde estão esses arquivos de exemplo (para vê-los antes de trabalhar com eles)?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln arquivo adicionado</numerusform>
            <numerusform>%Ln arquivos adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; %Ln outro arquivo deixado de lado (não %1)</numerusform>
            <numerusform>; %Ln outros arquivos deixados de lado (não %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 não respondeu em %2 segundos; a importação termina aqui.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>O ambiente UNO do LibreOffice não pôde ser preparado: %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>O LibreOffice não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>não é um socket</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 não é do LibreOffice (%2): sem conexão com ele; um pipe privado é usado no lugar.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>O Quillora não se conecta a %1: %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>O LibreOffice não pôde ser iniciado a partir de %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>O LibreOffice terminou antes de responder.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Adicionar arquivo(s) - Use Ctrl e Shift para selecionar vários</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Arquivos de texto (*.txt)|*.txt|Arquivos de texto e CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Todos os arquivos (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%Ln caractere da planilha &quot;%1&quot; foi omitido: um arquivo %2 não comporta caracteres de controle além de tabulação e quebra de linha, nem U+FFFE e U+FFFF (um arquivo .xlsx os mantém).</numerusform>
            <numerusform>%Ln caracteres da planilha &quot;%1&quot; foram omitidos: um arquivo %2 não comporta caracteres de controle além de tabulação e quebra de linha, nem U+FFFE e U+FFFF (um arquivo .xlsx os mantém).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>%1 não pode ser gravado: uma parte dele passou de 4 GiB.</translation>
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
        <translation>ponto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Não &amp;formatar</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Dividir dados &amp;em novas colunas do Calc por espaço</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>Dividir dados em novas colunas do Calc por &amp;vírgula</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Dividir dados em novas colunas do Calc por ta&amp;bulação</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>Dividir dad&amp;os em novas colunas do Calc por estes caracteres:</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Dividir no separador &amp;próprio de cada arquivo (vírgula, ponto e vírgula, tabulação ou barra)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Importar todos os arquivos de texto em &amp;uma planilha</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>&amp;Importar cada arquivo de texto em uma planilha separada</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Opções de importação</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opções de formato</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Dar a cada planilha o nome do seu arquivo, na ordem da lista</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Manter &amp;junto o texto entre aspas duplas</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Guardar como números só se o valor não mudar</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Sinal decimal:</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Sinal decimal</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Guardar datas (2024-03-01, 31/12/2024) como datas</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Linhas e cabeçalhos</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Lin&amp;has a pular no início de cada arquivo:</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Linhas a pular no início de cada arquivo</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>A primeira linha &amp;é cabeçalho: mantê-la uma vez, associar colunas pelo nome</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>&amp;Adicionar uma coluna com o nome do arquivo de cada linha</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Continuar em uma &amp;nova planilha quando uma planilha estiver cheia</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>Codifica&amp;ção:</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificação</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>O número salvo de linhas a pular &quot;%1&quot; não é um número de 0 a 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>O sinal decimal salvo &quot;%1&quot; não é Automatic, Point nem Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Adicionar uma planilha com a lista dos arquivos</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>O arquivo &quot;%1&quot; não pode ser lido: %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>o arquivo compactado está danificado</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>seu nome leva para fora do arquivo compactado</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>o arquivo compactado não contém esse arquivo</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>ele precisa de senha</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>ele contém um pacote de arquivos (tar), não um texto: descompacte-o primeiro</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>ele se descompacta em mais de %1 vezes o seu tamanho, como faz uma bomba de descompactação; se for um texto que se repete tanto, descompacte-o antes e importe o texto</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>com os membros anteriores, o arquivo “%1” se descompacta em mais de %2 vezes o seu tamanho, como faz uma bomba de descompactação; se seus textos se repetem tanto, descompacte-o antes e importe-os</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>ele termina antes de seus dados compactados: foi cortado</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>sua soma de verificação não confere com o conteúdo: está danificado</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está danificado (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>Dividir a&amp;qui</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Codificação deste arquivo</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Codificação como nas opções</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Separador deste arquivo</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Como nas opções</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>&amp;Codificação deste arquivo:</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>&amp;Dividir suas linhas em:</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Nenhum arquivo na lista.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Este arquivo parece separado por %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Colunas dos arquivos listados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 e mais %Ln</numerusform>
            <numerusform>%1 e mais %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... mais %Ln (veja a dica)</numerusform>
            <numerusform>... mais %Ln (veja a dica)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>A tecla de menu numa coluna, ou um clique no seu título, escolhe o tipo.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>O relatório %1 não foi gravado: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>O arquivo &quot;%1&quot; não foi importado: %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Os cabeçalhos diferem: %1. As células de cada arquivo estão sob as colunas dos seus nomes.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Nomes de coluna são escritos de duas formas: %1. Cada um é uma só coluna, com o nome escrito primeiro.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Um nome de coluna é escrito de duas formas: %1. É uma só coluna, com o nome escrito primeiro.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1: cada linha é uma célula, enquanto os outros arquivos têm %Ln; parece separado por %2.</numerusform>
            <numerusform>%1: cada linha é uma célula, enquanto os outros arquivos têm %Ln; parece separado por %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: cada linha é uma célula, enquanto os outros arquivos têm várias; parece separado por %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1: seu cabeçalho é uma célula, enquanto os outros arquivos têm %Ln; parece separado por %2.</numerusform>
            <numerusform>%1: seu cabeçalho é uma célula, enquanto os outros arquivos têm %Ln; parece separado por %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1: seu cabeçalho é uma célula, enquanto os outros arquivos têm várias; parece separado por %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... e mais %Ln arquivo</numerusform>
            <numerusform>... e mais %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Nenhum cabeçalho tem uma coluna &quot;%1&quot; para contar como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Nenhum cabeçalho tem uma coluna &quot;%1&quot; para ser %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>vírgulas</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Vírgula</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>pontos e vírgulas</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Ponto e vírgula</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>tabulações</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulação</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>barras verticais</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Barra vertical</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>espaços</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>A configuração &quot;%1&quot; não pôde ser salva.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>&quot;%1&quot; é escrito &quot;%2&quot; em %Ln arquivo: %3</numerusform>
            <numerusform>&quot;%1&quot; é escrito &quot;%2&quot; em %Ln arquivos: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Arquivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 são escritos %2 em %Ln arquivo: %3</numerusform>
            <numerusform>%1 são escritos %2 em %Ln arquivos: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Arquivo %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>As linhas do documento não podem ser mantidas em %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>As linhas do documento não podem ser gravadas em %1: %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>As linhas do documento não podem ser relidas em %1: %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>A linha %1 vem depois da linha %2: um documento gravado recebe as linhas em ordem.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>As linhas do documento não podem ser relidas: terminam cedo demais.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>As linhas após a linha %1 da planilha &quot;%2&quot; foram omitidas: um documento comporta no máximo %3 planilhas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln célula da planilha &quot;%1&quot; foi cortada em %2 caracteres: uma célula não comporta mais (um arquivo .ods mantém essas células inteiras, até %3 caracteres).</numerusform>
            <numerusform>%Ln células da planilha &quot;%1&quot; foram cortadas em %2 caracteres: uma célula não comporta mais (um arquivo .ods mantém essas células inteiras, até %3 caracteres).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln célula da planilha &quot;%1&quot; foi cortada em %2 caracteres: uma célula não comporta mais.</numerusform>
            <numerusform>%Ln células da planilha &quot;%1&quot; foram cortadas em %2 caracteres: uma célula não comporta mais.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Para pôr as linhas além da última em novas planilhas, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln célula não pôde ser gravada na planilha &quot;%1&quot;: uma planilha comporta no máximo %2 colunas e %3 linhas.%4</numerusform>
            <numerusform>%Ln células não puderam ser gravadas na planilha &quot;%1&quot;: uma planilha comporta no máximo %2 colunas e %3 linhas.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>A importação foi parada antes de ler qualquer arquivo.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>A importação foi parada durante a leitura do arquivo &quot;%1&quot; (arquivo %2 de %3): as planilhas dos arquivos anteriores estão no documento.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>A importação foi parada durante a leitura do arquivo &quot;%1&quot; (arquivo %2 de %3): nada foi gravado no documento.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>A importação foi parada antes de gravar qualquer linha.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>A importação foi parada após a linha %1 do arquivo &quot;%2&quot; (arquivo %3 de %4): as linhas até ali estão no documento, e nenhuma depois.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>O LibreOffice não foi encontrado.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>A ponte para o LibreOffice não pôde ser preparada.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>O arquivo intermediário não pode ser criado em %1: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>O arquivo intermediário em %1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>O arquivo intermediário em %1 não pode ser esvaziado: %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>O arquivo intermediário em %1 não pode ser lido: %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Erro 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>O OpenOffice é necessário para usar este programa. Ele não está instalado neste computador.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Deseja abrir este site agora?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Se você acha que este erro é um engano e tem o OpenOffice instalado, envie uma captura de tela desta mensagem de erro e uma captura da janela &quot;Sobre&quot; do OpenOffice para %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>é um link para um arquivo que não existe</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>é um link para algo que não é um arquivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>O arquivo &quot;%1&quot; não pode ser lido: %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Arquivo não encontrado (o nome não é UTF-8 válido)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>Não é um arquivo</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>Não é um arquivo que possa ser visto antes de ser importado</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Ele mudou enquanto era lido</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>é um arquivo .zip dentro do arquivo: descompacte-o primeiro</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>A conexão com o LibreOffice foi perdida: o LibreOffice foi fechado ou parado.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>O LibreOffice recusou o pedido.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>uma parte do arquivo tem 4 GiB ou mais e é gravada com ZIP64, como o formato permite; o LibreOffice (7.4 pelo menos) não abre uma parte tão grande, outros leitores sim.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1: a planilha &quot;%2&quot; não pode ser adicionada: %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>o libxlsxwriter a recusou</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1: uma célula não pode ser gravada: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>%1 não pode ser gravado: as linhas não podem ser mantidas em %2: %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
</context>
</TS>
