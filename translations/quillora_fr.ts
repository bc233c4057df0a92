<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quillora::AccountWords</name>
    <message>
        <source>; found separated by commas</source>
        <translation>; détecté comme séparé par des virgules</translation>
    </message>
    <message>
        <source>; found separated by commas, with quoted fields</source>
        <translation>; détecté comme séparé par des virgules, avec des champs entre guillemets</translation>
    </message>
    <message>
        <source>Separated by commas, found in its start</source>
        <translation>Séparé par des virgules, détecté au début du fichier</translation>
    </message>
    <message>
        <source>Separated by commas, with quoted fields, found in its start</source>
        <translation>Séparé par des virgules, avec des champs entre guillemets, détecté au début du fichier</translation>
    </message>
    <message>
        <source>; found separated by semicolons</source>
        <translation>; détecté comme séparé par des points-virgules</translation>
    </message>
    <message>
        <source>; found separated by semicolons, with quoted fields</source>
        <translation>; détecté comme séparé par des points-virgules, avec des champs entre guillemets</translation>
    </message>
    <message>
        <source>Separated by semicolons, found in its start</source>
        <translation>Séparé par des points-virgules, détecté au début du fichier</translation>
    </message>
    <message>
        <source>Separated by semicolons, with quoted fields, found in its start</source>
        <translation>Séparé par des points-virgules, avec des champs entre guillemets, détecté au début du fichier</translation>
    </message>
    <message>
        <source>; found separated by tabs</source>
        <translation>; détecté comme séparé par des tabulations</translation>
    </message>
    <message>
        <source>; found separated by tabs, with quoted fields</source>
        <translation>; détecté comme séparé par des tabulations, avec des champs entre guillemets</translation>
    </message>
    <message>
        <source>Separated by tabs, found in its start</source>
        <translation>Séparé par des tabulations, détecté au début du fichier</translation>
    </message>
    <message>
        <source>Separated by tabs, with quoted fields, found in its start</source>
        <translation>Séparé par des tabulations, avec des champs entre guillemets, détecté au début du fichier</translation>
    </message>
    <message>
        <source>; found separated by pipes</source>
        <translation>; détecté comme séparé par des barres verticales</translation>
    </message>
    <message>
        <source>; found separated by pipes, with quoted fields</source>
        <translation>; détecté comme séparé par des barres verticales, avec des champs entre guillemets</translation>
    </message>
    <message>
        <source>Separated by pipes, found in its start</source>
        <translation>Séparé par des barres verticales, détecté au début du fichier</translation>
    </message>
    <message>
        <source>Separated by pipes, with quoted fields, found in its start</source>
        <translation>Séparé par des barres verticales, avec des champs entre guillemets, détecté au début du fichier</translation>
    </message>
    <message>
        <source>; no separator of its own: whole lines</source>
        <translation> ; pas de séparateur propre : lignes entières</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisi</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>supposé</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>détecté</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mélangées</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message numerus="yes">
        <source> It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of another encoding mixed in.</source>
        <extracomment>Follows a sentence about the file&apos;s encoding.</extracomment>
        <translation>
            <numerusform> Il contient aussi %Ln séquence UTF-8 valide : c&apos;est peut-être de l&apos;UTF-8 mêlé d&apos;octets d&apos;un autre encodage.</numerusform>
            <numerusform> Il contient aussi %Ln séquences UTF-8 valides : c&apos;est peut-être de l&apos;UTF-8 mêlé d&apos;octets d&apos;un autre encodage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character</source>
        <translation>
            <numerusform>%Ln octet ne signifie rien en windows-1252 et est gardé comme caractère de contrôle</numerusform>
            <numerusform>%Ln octets ne signifient rien en windows-1252 et sont gardés comme caractères de contrôle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln character(s) could not be read and is U+FFFD</source>
        <translation>
            <numerusform>%Ln caractère n&apos;a pu être lu et vaut U+FFFD</numerusform>
            <numerusform>%Ln caractères n&apos;ont pu être lus et valent U+FFFD</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8, with %Ln byte(s) that are not UTF-8 read as windows-1252, but %2. If it is in another encoding, %3.%4</source>
        <extracomment>%2 what went wrong (&quot;3 characters could not be read and are U+FFFD&quot;), %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>
            <numerusform>Le fichier « %1 » a été lu en UTF-8, avec %Ln octet non UTF-8 lu comme en windows-1252, mais %2. S&apos;il est dans un autre encodage, %3.%4</numerusform>
            <numerusform>Le fichier « %1 » a été lu en UTF-8, avec %Ln octets non UTF-8 lus comme en windows-1252, mais %2. S&apos;il est dans un autre encodage, %3.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2, but %3. If it is in another encoding, %4.%5</source>
        <translation>Le fichier « %1 » a été lu en %2, mais %3. S&apos;il est dans un autre encodage, %4.%5</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 reads them.</source>
        <translation>
            <numerusform>Le fichier « %1 » a été lu en UTF-8 ; %Ln octet non UTF-8 a été lu comme en windows-1252.</numerusform>
            <numerusform>Le fichier « %1 » a été lu en UTF-8 ; %Ln octets non UTF-8 ont été lus comme en windows-1252.</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoding of the file &quot;%1&quot; could not be told for sure: it was read as %2. If the text looks wrong, %3.%4</source>
        <extracomment>%2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing</extracomment>
        <translation>L&apos;encodage du fichier « %1 » n&apos;a pu être déterminé avec certitude : il a été lu en %2. Si le texte semble faux, %3.%4</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was read as %2. If the text looks wrong, %3.%4</source>
        <translation>Le fichier « %1 » a été lu en %2. Si le texte semble faux, %3.%4</translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split evenly at none of comma, semicolon, tab or pipe: they stay whole, one cell each.</source>
        <translation>Les lignes du fichier « %1 » ne se coupent régulièrement à aucun de virgule, point-virgule, tabulation ou barre verticale : elles restent entières, une cellule chacune.</translation>
    </message>
    <message numerus="yes">
        <source>The file &quot;%1&quot; is cut at %2, as most of its rows split; %Ln of the first %3 rows have another number of cells and are cut all the same.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Le fichier « %1 » est coupé aux %2, comme la plupart de ses lignes ; %Ln des %3 premières lignes a un autre nombre de cellules et est coupée quand même.</numerusform>
            <numerusform>Le fichier « %1 » est coupé aux %2, comme la plupart de ses lignes ; %Ln des %3 premières lignes ont un autre nombre de cellules et sont coupées quand même.</numerusform>
        </translation>
    </message>
    <message>
        <source>The lines of the file &quot;%1&quot; split as well at %2 as at %3: they are cut at %2.</source>
        <translation>Les lignes du fichier « %1 » se coupent aussi bien aux %2 qu&apos;aux %3 : elles sont coupées aux %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a quoted field that opens on line %2 and is never closed: the rest of the file is in that one cell.</source>
        <translation>Le fichier « %1 » a un champ entre guillemets qui s&apos;ouvre à la ligne %2 et n&apos;est jamais fermé : le reste du fichier est dans cette seule cellule.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped.</source>
        <translation>
            <numerusform>%Ln ligne au-dessus du tableau du fichier « %1 » a été sautée.</numerusform>
            <numerusform>%Ln lignes au-dessus du tableau du fichier « %1 » ont été sautées.</numerusform>
        </translation>
    </message>
    <message>
        <source>; numbers with a decimal comma</source>
        <translation> ; nombres avec une virgule décimale</translation>
    </message>
    <message>
        <source>; numbers with a decimal point</source>
        <translation> ; nombres avec un point décimal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln ligne</numerusform>
            <numerusform>%Ln lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %Ln row(s)</source>
        <translation>
            <numerusform>environ %Ln ligne</numerusform>
            <numerusform>environ %Ln lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; line ends: %3; %4; %5%6</source>
        <extracomment>%1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size, %5 the rows, %6 how lines are cut (&quot;; found separated by commas&quot;)</extracomment>
        <translation>%1, %2 ; fins de ligne : %3 ; %4 ; %5%6</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>whole lines</source>
        <translation>lignes entières</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 the text lines were cut at, as the user typed it</extracomment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <translation>virgule décimale</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <extracomment>%1 the columns a file&apos;s header lacks, against the first header on its sheet</extracomment>
        <translation>sans %1</translation>
    </message>
    <message>
        <source>adds %1</source>
        <extracomment>%1 the columns a file&apos;s header adds, against the first header on its sheet</extracomment>
        <translation>ajoute %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4, widest %5</source>
        <extracomment>%1 the file, %2 its encoding, %3 how it was taken, %4 its rows (&quot;3 rows&quot;), %5 its widest row (&quot;2 cells&quot;)</extracomment>
        <translation>%1 : %2 (%3), %4, au plus %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s)</source>
        <translation>
            <numerusform>%Ln cellule</numerusform>
            <numerusform>%Ln cellules</numerusform>
        </translation>
    </message>
    <message>
        <source>, no separator of its own: whole lines</source>
        <translation>, pas de séparateur propre : lignes entières</translation>
    </message>
    <message>
        <source>, separated by %1</source>
        <translation>, séparé par des %1</translation>
    </message>
    <message>
        <source>, numbers with a decimal comma</source>
        <translation>, nombres avec une virgule décimale</translation>
    </message>
    <message>
        <source>, numbers with a decimal point</source>
        <translation>, nombres avec un point décimal</translation>
    </message>
    <message>
        <source>, looks separated by %1</source>
        <translation>, semble séparé par des %1</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln line(s) above its table skipped</source>
        <translation>
            <numerusform>, %Ln ligne au-dessus de son tableau sautée</numerusform>
            <numerusform>, %Ln lignes au-dessus de son tableau sautées</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Première ligne</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Dernière ligne</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encodage</translation>
    </message>
    <message>
        <source>Encoding taken</source>
        <translation>Origine de l&apos;encodage</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Quoting</source>
        <translation>Guillemets</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Lines skipped</source>
        <translation>Lignes sautées</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Header changes</source>
        <translation>Changements d&apos;en-tête</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>quoted fields whole</source>
        <translation>champs entre guillemets gardés entiers</translation>
    </message>
    <message>
        <source>none</source>
        <comment>quoting</comment>
        <translation>sans guillemets</translation>
    </message>
    <message>
        <source>%1 unpacked from %2</source>
        <extracomment>%1 the size of a file&apos;s text, %2 what it takes compressed</extracomment>
        <translation>%1 décompressés depuis %2</translation>
    </message>
    <message>
        <source>%1: not read: %2</source>
        <extracomment>%1 the file, %2 why it could not be read</extracomment>
        <translation>%1 : non lu : %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln line(s) above the table of the file &quot;%1&quot; were skipped, the first: &quot;%2&quot;.</source>
        <translation>
            <numerusform>%Ln ligne au-dessus du tableau du fichier « %1 » a été sautée : « %2 ».</numerusform>
            <numerusform>%Ln lignes au-dessus du tableau du fichier « %1 » ont été sautées, la première : « %2 ».</numerusform>
        </translation>
    </message>
    <message>
        <source>The header of the file &quot;%1&quot; is one field, &quot;%2&quot;, over rows of %3: it looks like a title above the table. To skip each file&apos;s lines above its table, set the lines to skip to automatic (--skip-lines=auto).</source>
        <translation>L&apos;en-tête du fichier « %1 » est un seul champ, « %2 », au-dessus de lignes de %3 : on dirait un titre au-dessus du tableau. Pour sauter les lignes au-dessus du tableau de chaque fichier, réglez les lignes à sauter sur automatique (--skip-lines=auto).</translation>
    </message>
    <message numerus="yes">
        <source>The rows of the file &quot;%1&quot; split unevenly, and only at one separator: it is cut at %2, where %Ln of the first %3 rows split.</source>
        <extracomment>%2 how it is cut (&quot;commas, quoted fields&quot;), %3 the rows looked at</extracomment>
        <translation>
            <numerusform>Les lignes du fichier « %1 » se coupent de façon inégale, et à un seul séparateur : il est coupé aux %2, où %Ln des %3 premières lignes se coupe.</numerusform>
            <numerusform>Les lignes du fichier « %1 » se coupent de façon inégale, et à un seul séparateur : il est coupé aux %2, où %Ln des %3 premières lignes se coupent.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote on line %1 of the file &quot;%2&quot; does not pair: the file&apos;s quotes were read as text, not around fields.</source>
        <translation>Un guillemet de la ligne %1 du fichier « %2 » n&apos;a pas de pendant : les guillemets du fichier ont été lus comme du texte, non comme l&apos;entourage de champs.</translation>
    </message>
    <message>
        <source>A quoted field of the file &quot;%1&quot; runs from line %2 to line %3, which are one cell. If they should be rows, a quote on line %2 does not pair.</source>
        <translation>Un champ entre guillemets du fichier « %1 » va de la ligne %2 à la ligne %3, qui forment une seule cellule. Si ce devaient être des lignes, un guillemet de la ligne %2 n&apos;a pas de pendant.</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds &quot;%3&quot;, which would change as a number: the whole column stays text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number (&quot;zip&quot;, 3), %3 a cell of it</extracomment>
        <translation>La colonne %2 du fichier « %1 » contient « %3 », qui changerait en nombre : toute la colonne reste du texte.</translation>
    </message>
    <message>
        <source>The dates of column %2 of the file &quot;%1&quot; (&quot;%3&quot;) could be day or month first: they stay text. To store them as dates, choose their order (--column NAME=date-dmy or date-mdy).</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>Les dates de la colonne %2 du fichier « %1 » (« %3 ») pourraient avoir le jour ou le mois en premier : elles restent du texte. Pour les enregistrer comme dates, choisissez leur ordre (--column NOM=date-dmy ou date-mdy).</translation>
    </message>
    <message>
        <source>Column %2 of the file &quot;%1&quot; holds dates day first and month first (&quot;%3&quot;): they stay text.</source>
        <extracomment>%2 a column&apos;s name in quotes or its number, %3 a date of it</extracomment>
        <translation>La colonne %2 du fichier « %1 » contient des dates jour en premier et mois en premier (« %3 ») : elles restent du texte.</translation>
    </message>
    <message>
        <source>; column kinds: %1</source>
        <extracomment>%1 each typed column and its kind (&quot;amount: number, when: date-dmy&quot;)</extracomment>
        <translation>; types de colonnes : %1</translation>
    </message>
    <message>
        <source>Column kinds</source>
        <translation>Types de colonnes</translation>
    </message>
</context>
<context>
    <name>quillora::BarProgress</name>
    <message>
        <source>Processing: %1</source>
        <translation>Traitement : %1</translation>
    </message>
</context>
<context>
    <name>quillora::CalcDocument</name>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Le document n&apos;a pas de feuille à la position %1.</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un document contient au plus %1 feuilles.</translation>
    </message>
</context>
<context>
    <name>quillora::ColumnKindChoices</name>
    <message>
        <source>As found</source>
        <translation>Comme détecté</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date D/M/Y</source>
        <translation>Date J/M/A</translation>
    </message>
    <message>
        <source>Date M/D/Y</source>
        <translation>Date M/J/A</translation>
    </message>
    <message>
        <source>Date Y-M-D</source>
        <translation>Date A-M-J</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Omise</translation>
    </message>
    <message>
        <source>Kind of column %1</source>
        <extracomment>%1 a column&apos;s header name or its number</extracomment>
        <translation>Type de la colonne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <extracomment>a column of files without a header, by its number</extracomment>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>Kinds chosen: %1</source>
        <translation>Types choisis : %1</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLine</name>
    <message>
        <source>Write the document into FILE instead of showing it in Calc; the format follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice.</source>
        <translation>Écrire le document dans FICHIER au lieu de l&apos;afficher dans Calc ; le format suit l&apos;extension : .ods, .xlsx ou .fods. Ne nécessite pas LibreOffice.</translation>
    </message>
    <message>
        <source>A sheet per file (default: all files on one sheet).</source>
        <translation>Une feuille par fichier (par défaut : tous les fichiers sur une feuille).</translation>
    </message>
    <message>
        <source>A sheet per file, in the order the files are given, each named as its file is (2024-01.csv); implies --sheet-per-file.</source>
        <translation>Une feuille par fichier, dans l&apos;ordre donné, chacune nommée comme son fichier (2024-01.csv) ; implique --sheet-per-file.</translation>
    </message>
    <message>
        <source>space, comma, tab, semicolon or pipe: cut each line into cells there; auto: each file at its own separator (comma, semicolon, tab or pipe), found from its start.</source>
        <translation>space, comma, tab, semicolon ou pipe : couper chaque ligne en cellules à cet endroit ; auto : chaque fichier à son propre séparateur (virgule, point-virgule, tabulation ou barre verticale), trouvé d&apos;après son début.</translation>
    </message>
    <message>
        <source>Cut each line into cells at TEXT (any text, several characters allowed).</source>
        <translation>Couper chaque ligne en cellules à TEXTE (n&apos;importe quel texte, plusieurs caractères permis).</translation>
    </message>
    <message>
        <source>For a folder PATH: its files whose names end in .EXT, walked as &quot;Add All File(s) In Folder&quot; walks (default: every file, as a drop).</source>
        <translation>Pour un dossier CHEMIN : ses fichiers dont le nom se termine par .EXT, parcourus comme le fait « Ajouter tous les fichiers du dossier » (par défaut : tous les fichiers, comme un dépôt).</translation>
    </message>
    <message>
        <source>Keep text in double quotes together, as in CSV files: a separator or a line break inside quotes belongs to the cell, &quot;&quot; is one quote.</source>
        <translation>Garder ensemble le texte entre guillemets doubles, comme dans les fichiers CSV : un séparateur ou un saut de ligne entre guillemets appartient à la cellule, &quot;&quot; est un guillemet.</translation>
    </message>
    <message>
        <source>Read files without a byte-order mark in NAME: any encoding Qt reads, in any case (--list-encodings lists the usual ones); auto, the default, finds each file&apos;s.</source>
        <translation>Lire les fichiers sans indicateur d&apos;ordre des octets en NOM : tout encodage que Qt lit, en majuscules ou minuscules (--list-encodings liste les plus courants) ; auto, la valeur par défaut, trouve celui de chaque fichier.</translation>
    </message>
    <message>
        <source>List the encodings people meet, by the name --encoding takes.</source>
        <translation>Lister les encodages courants, sous le nom que prend --encoding.</translation>
    </message>
    <message>
        <source>A file&apos;s first row (after those skipped) is its header: on one sheet the headers&apos; names are the first row, once, and each file&apos;s cells go under the columns of their names.</source>
        <translation>La première ligne d&apos;un fichier (après celles omises) est son en-tête : sur une feuille, les noms des en-têtes forment la première ligne, une seule fois, et les cellules de chaque fichier vont sous les colonnes de leur nom.</translation>
    </message>
    <message>
        <source>Store a cell as a number where its whole text is one and nothing changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 digits stay text), its decimals written with SIGN: auto (the default: each file&apos;s own, as its numbers show it; where they show none, a comma in files cut at semicolons, a point otherwise), point or comma.</source>
        <translation>Enregistrer une cellule comme nombre si tout son texte en est un et que rien ne change (1234.50 affiche 1234.50 ; 007, 1e5, 1,234.50 et les identifiants de plus de 15 chiffres restent du texte), ses décimales écrites avec SIGNE : auto (par défaut : celui de chaque fichier, tel que ses nombres le montrent ; s&apos;ils n&apos;en montrent aucun, une virgule dans les fichiers coupés aux points-virgules, un point sinon), point ou comma.</translation>
    </message>
    <message>
        <source>A first column with each row&apos;s file: its path below the folder that holds all the files (relative, the default), its name, or its whole path.</source>
        <translation>Une première colonne avec le fichier de chaque ligne : son chemin sous le dossier qui contient tous les fichiers (relative, par défaut), son nom (name) ou son chemin complet (path).</translation>
    </message>
    <message>
        <source>When a sheet is full, go on with the rest on a new sheet after it (&quot;NAME (2)&quot;, ...), instead of leaving the rest out.</source>
        <translation>Quand une feuille est pleine, continuer le reste sur une nouvelle feuille après elle (« NOM (2) », ...), au lieu d&apos;omettre le reste.</translation>
    </message>
    <message>
        <source>Print what the import would do: each file&apos;s encoding, rows, widest row and a separator it looks cut at, then the sheets and their rows; write and start nothing, and leave standard input and pipes to the import.</source>
        <translation>Afficher ce que ferait l&apos;importation : l&apos;encodage, les lignes, la ligne la plus large de chaque fichier et un séparateur apparent, puis les feuilles et leurs lignes ; ne rien écrire ni démarrer, et laisser l&apos;entrée standard et les tubes à l&apos;importation.</translation>
    </message>
    <message>
        <source>Open the window with the PATHs listed, instead of importing them (as a file manager&apos;s &quot;Open With&quot; does).</source>
        <translation>Ouvrir la fenêtre avec les CHEMINs listés au lieu de les importer (comme « Ouvrir avec » d&apos;un gestionnaire de fichiers).</translation>
    </message>
    <message>
        <source>Replace FILE when it exists, by a new file with its permissions, owner and group (hard links to it keep the old content).</source>
        <translation>Remplacer FICHIER s&apos;il existe, par un nouveau fichier avec ses permissions, propriétaire et groupe (les liens physiques vers lui gardent l&apos;ancien contenu).</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Pas de progression.</translation>
    </message>
    <message>
        <source>Paths:
  PATHs are taken in the order given; a folder brings its files and those of every folder below
  it, level by level (hidden files and folders are passed over); - is standard input. Without
  arguments, or with --window, the window opens, with the PATHs listed.</source>
        <translation>Chemins :
  Les CHEMINs sont pris dans l&apos;ordre donné ; un dossier apporte ses fichiers et ceux de chaque dossier
  en dessous, niveau par niveau (fichiers et dossiers cachés ignorés) ; - est l&apos;entrée standard. Sans
  argument, ou avec --window, la fenêtre s&apos;ouvre avec les CHEMINs listés.</translation>
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
        <translation>Feuilles :
  Sur une feuille, les fichiers se suivent ; un fichier qui finit par un saut de ligne est suivi d&apos;une
  ligne vide. Avec --sheet-per-file, la feuille de chaque fichier passe devant, donc celle du dernier
  fichier vient en premier ; une feuille est nommée d&apos;après les lettres, chiffres et espaces de son
  fichier (notes.txt donne notestxt), avec un numéro ajouté si le nom est pris. Avec --sheets-as-listed,
  les feuilles sont dans l&apos;ordre donné et gardent le nom de leur fichier (seuls []:*?/\ deviennent _),
  &quot; (2)&quot; ajouté si pris. Les noms sont coupés à 31 caractères en .xlsx. Une feuille contient 1 048 576
  lignes ; avec --continue-sheets, le reste continue sur « NOM (2) » juste après.</translation>
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
        <translation>En-têtes :
  Avec --header, la première ligne d&apos;un fichier (après --skip-lines) est son en-tête : sur une
  feuille, les noms des en-têtes forment la première ligne, une fois, dans l&apos;ordre de leur première
  apparition, et les cellules de chaque fichier vont sous les colonnes de leurs noms, rapprochés
  d&apos;abord par leur graphie exacte, puis sans tenir compte de la casse ni de la forme Unicode quand
  cela ne laisse aucun doute (« ID » et « id » d&apos;un même en-tête restent deux colonnes) ; les
  cellules au-delà de l&apos;en-tête d&apos;un fichier viennent après toutes les colonnes nommées. --rename
  ANCIEN=NOUVEAU fait compter une colonne ANCIEN comme NOUVEAU. Les différences entre en-têtes sont
  signalées une fois par changement, et --dry-run montre les colonnes qu&apos;ils donnent. --file-column
  met le fichier de chaque ligne dans une première colonne.</translation>
    </message>
    <message>
        <source>Encodings:
  A file&apos;s encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero
  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what
  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);
  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes
  that are not valid in the encoding read become U+FFFD and are reported.</source>
        <translation>Encodages :
  L&apos;encodage d&apos;un fichier est trouvé à la lecture : un indicateur d&apos;ordre des octets ; UTF-16 ou UTF-32
  par leurs octets nuls ; UTF-8, où quelques octets égarés sont lus comme windows-1252 (et signalés) ;
  sinon ce que trouve un détecteur statistique (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R,
  ...) ; sinon windows-1252, et signalé. --encoding NOM lit plutôt en NOM les fichiers sans indicateur.
  Les octets non valides dans l&apos;encodage lu deviennent U+FFFD et sont signalés.</translation>
    </message>
    <message>
        <source>Exit status:
  0      every file was imported whole (and the document written, with --output)
  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,
         or the document could not be written; the rest was still imported
  2      a usage error, or no display where one is needed
  3      LibreOffice is missing, or was lost during the run
  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it</source>
        <translation>Code de sortie :
  0      chaque fichier a été importé en entier (et le document écrit, avec --output)
  1      un fichier n&apos;a pu être lu ou contenait des octets non valides dans son encodage, des cellules
         ne tenaient pas, ou le document n&apos;a pu être écrit ; le reste a quand même été importé
  2      une erreur d&apos;utilisation, ou pas d&apos;affichage là où il en faut un
  3      LibreOffice est absent, ou a été perdu pendant l&apos;exécution
  128+N  le signal N (INT, TERM, HUP) a terminé l&apos;exécution ; ses fichiers temporaires sont partis avec</translation>
    </message>
    <message>
        <source>Report bugs at %1 or to %2.</source>
        <translation>Signalez les bogues sur %1 ou à %2.</translation>
    </message>
    <message>
        <source>Usage: quillora [OPTION]... PATH...
  or:  quillora [--window [PATH]...]
  or:  quillora --dry-run [OPTION]... PATH...</source>
        <translation>Usage : quillora [OPTION]... CHEMIN...
  ou :  quillora [--window [CHEMIN]...]
  ou :  quillora --dry-run [OPTION]... CHEMIN...</translation>
    </message>
    <message>
        <source>Load text files into a spreadsheet: each line a row, each piece a cell, as text.</source>
        <translation>Charger des fichiers texte dans un classeur : chaque ligne une ligne, chaque morceau une cellule, en texte.</translation>
    </message>
    <message>
        <source>Text files and folders to import; - for standard input.</source>
        <translation>Fichiers texte et dossiers à importer ; - pour l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>Found for each file (the default)</source>
        <translation>Trouvé pour chaque fichier (par défaut)</translation>
    </message>
    <message>
        <source>--split and --separator exclude each other.</source>
        <translation>--split et --separator s&apos;excluent mutuellement.</translation>
    </message>
    <message>
        <source>--split takes space, comma, tab, semicolon, pipe or auto, not &quot;%1&quot;.</source>
        <translation>--split prend space, comma, tab, semicolon, pipe ou auto, pas « %1 ».</translation>
    </message>
    <message>
        <source>--separator needs a text to cut at.</source>
        <translation>--separator demande un texte où couper.</translation>
    </message>
    <message>
        <source>--separator cannot hold a line break: a line break ends the line, not a cell.</source>
        <translation>--separator ne peut contenir de saut de ligne : un saut de ligne termine la ligne, pas une cellule.</translation>
    </message>
    <message>
        <source>%1: the file must end in .ods, .xlsx or .fods.</source>
        <translation>%1 : le fichier doit se terminer par .ods, .xlsx ou .fods.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe ; --force le remplace.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; --list-encodings lists the usual ones.</source>
        <translation>encodage inconnu « %1 » ; --list-encodings liste les plus courants.</translation>
    </message>
    <message>
        <source>--numbers takes auto, point or comma, not &quot;%1&quot;.</source>
        <translation>--numbers prend auto, point ou comma, pas « %1 ».</translation>
    </message>
    <message>
        <source>--rename takes OLD=NEW, two names, not &quot;%1&quot;.</source>
        <translation>--rename prend ANCIEN=NOUVEAU, deux noms, pas « %1 ».</translation>
    </message>
    <message>
        <source>--skip-lines takes a number of lines, not &quot;%1&quot;.</source>
        <translation>--skip-lines prend un nombre de lignes, pas « %1 ».</translation>
    </message>
    <message>
        <source>--file-column takes relative, name or path, not &quot;%1&quot;.</source>
        <translation>--file-column prend relative, name ou path, pas « %1 ».</translation>
    </message>
    <message>
        <source>no PATH given.</source>
        <translation>aucun CHEMIN donné.</translation>
    </message>
    <message>
        <source>quillora: standard output cannot be written.</source>
        <translation>quillora : la sortie standard ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>Try &apos;quillora --help&apos; for more information.</source>
        <translation>Essayez « quillora --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>quillora: there is no display to show the document in Calc on; --output FILE writes it into a file instead.
</source>
        <translation>quillora : il n&apos;y a pas d&apos;affichage où montrer le document dans Calc ; --output FICHIER l&apos;écrit plutôt dans un fichier.
</translation>
    </message>
    <message>
        <source>quillora: LibreOffice is not available: %1</source>
        <translation>quillora : LibreOffice n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>Leave out the first N rows of each file (a title, an &quot;exported by&quot; line); auto: each file&apos;s rows above its table.</source>
        <translation>Omettre les N premières lignes de chaque fichier (un titre, une ligne « exporté par ») ; auto : les lignes de chaque fichier au-dessus de son tableau.</translation>
    </message>
    <message>
        <source>With --header: a column named OLD counts as NEW before names are matched (&quot;client=customer&quot;; an &quot;=&quot; of a name is written &quot;\=&quot;); may be given again.</source>
        <translation>Avec --header : une colonne nommée ANCIEN compte comme NOUVEAU avant la mise en correspondance des noms (« client=acheteur » ; un « = » dans un nom s&apos;écrit « \= ») ; peut être répété.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>the placeholder of --help for a file, as the option&apos;s text names it</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>WHERE</source>
        <extracomment>the placeholder of --help for where lines are cut, as the option&apos;s text names it</extracomment>
        <translation>OÙ</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the placeholder of --help for a separator text, as the option&apos;s text names it</extracomment>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>EXT</source>
        <extracomment>the placeholder of --help for a file name&apos;s ending, as the option&apos;s text names it</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>the placeholder of --help for an encoding&apos;s name, as the option&apos;s text names it</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>the placeholder of --help for a number of lines, as the option&apos;s text names it</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>OLD=NEW</source>
        <extracomment>the placeholder of --help for two header names, as the option&apos;s text names it</extracomment>
        <translation>ANCIEN=NOUVEAU</translation>
    </message>
    <message>
        <source>Add a sheet listing each file, last in the document: the sheet and rows it landed on, its encoding, separator, decimal sign, rows, columns, header changes and notes.</source>
        <translation>Ajouter en dernier dans le document une feuille listant chaque fichier : la feuille et les lignes où il a atterri, son encodage, son séparateur, son signe décimal, ses lignes, ses colonnes, les changements d&apos;en-tête et les remarques.</translation>
    </message>
    <message>
        <source>Write the same list into FILE as well, as CSV, or as JSON Lines where its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with --force.</source>
        <translation>Écrire aussi la même liste dans FICHIER, en CSV, ou en JSON Lines si son nom finit par .jsonl ou .json ; aussi avec --dry-run. Un FICHIER existant n&apos;est remplacé qu&apos;avec --force.</translation>
    </message>
    <message>
        <source>%1 is a folder; --report needs a file.</source>
        <translation>%1 est un dossier ; --report demande un fichier.</translation>
    </message>
    <message>
        <source>--report and --output both name %1: the report would replace the document.</source>
        <translation>--report et --output désignent tous deux %1 : le rapport remplacerait le document.</translation>
    </message>
    <message>
        <source>%1 is a file to import; it cannot also be written.</source>
        <translation>%1 est un fichier à importer ; il ne peut pas aussi être écrit.</translation>
    </message>
    <message>
        <source>Compressed files and archives:
  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its
  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.
  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),
  and a folder&apos;s --extension brings its members and compressed files of that extension.</source>
        <translation>Fichiers compressés et archives :
  Un fichier compressé en entier avec gzip, bzip2, xz ou zstd est lu comme le texte qu&apos;il contient,
  reconnu à ses premiers octets quel que soit son nom (l&apos;entrée standard aussi) ; un fichier
  endommagé ou tronqué est signalé par son nom. Une archive .zip est un dossier : ses membres sont
  désignés comme des chemins sous elle (2024.zip/nord/jan.csv), et --extension d&apos;un dossier apporte
  ses membres et ses fichiers compressés de cette extension.</translation>
    </message>
    <message>
        <source>--column takes NAME=TYPE, TYPE one of %1, not &quot;%2&quot;.</source>
        <translation>--column prend NOM=TYPE, TYPE parmi %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>Store a cell whose whole text is a date as a date, shown as the file wrote it: ISO (2024-03-01), and day, month and four-digit year parted by /, . or - in the order the file&apos;s own dates settle (31/12/2024: day first); a column whose dates could be either stays text.</source>
        <translation>Enregistrer comme date une cellule dont tout le texte est une date, affichée comme le fichier l&apos;a écrite : ISO (2024-03-01), et jour, mois et année à quatre chiffres séparés par /, . ou - dans l&apos;ordre que fixent les dates du fichier (31/12/2024 : jour en premier) ; une colonne dont les dates pourraient être l&apos;un ou l&apos;autre reste du texte.</translation>
    </message>
    <message>
        <source>The kind of a column, by its header name (after renames) or its number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to leave it out; a cell that cannot be its column&apos;s kind stays text. May be given again.</source>
        <translation>Le type d&apos;une colonne, par son nom d&apos;en-tête (après renommage) ou son numéro à partir de 1 : text, number, date-dmy, date-mdy, date-ymd, ou skip pour l&apos;omettre ; une cellule qui ne peut pas être du type de sa colonne reste du texte. Peut être répété.</translation>
    </message>
    <message>
        <source>NAME=TYPE</source>
        <extracomment>the placeholder of --help for a column and its kind, as the option&apos;s text names it</extracomment>
        <translation>NOM=TYPE</translation>
    </message>
</context>
<context>
    <name>quillora::CommandLineImport</name>
    <message>
        <source>standard input is read for the first &quot;-&quot;; another one has nothing left and is left out.</source>
        <translation>l&apos;entrée standard est lue pour le premier « - » ; un autre n&apos;a plus rien à lire et est omis.</translation>
    </message>
    <message>
        <source>%1 is the output file; it is not imported.</source>
        <translation>%1 est le fichier de sortie ; il n&apos;est pas importé.</translation>
    </message>
    <message>
        <source>no files to import.</source>
        <translation>aucun fichier à importer.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 ne peut pas être remplacé : %2.</translation>
    </message>
    <message>
        <source>%1: cannot write in %2: %3</source>
        <translation>%1 : impossible d&apos;écrire dans %2 : %3</translation>
    </message>
    <message>
        <source>storing %1</source>
        <translation>enregistrement de %1</translation>
    </message>
    <message>
        <source>storing rows: %1 of %2 into %3</source>
        <translation>enregistrement des lignes : %1 sur %2 dans %3</translation>
    </message>
    <message>
        <source>storing %1: finishing the file</source>
        <translation>enregistrement de %1 : finalisation du fichier</translation>
    </message>
    <message>
        <source>%1 was not written: no file could be imported.</source>
        <translation>%1 n&apos;a pas été écrit : aucun fichier n&apos;a pu être importé.</translation>
    </message>
    <message numerus="yes">
        <source>sheet %1: %Ln row(s)</source>
        <translation>
            <numerusform>feuille %1 : %Ln ligne</numerusform>
            <numerusform>feuille %1 : %Ln lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln row(s) left out: a sheet holds %1)</source>
        <translation>
            <numerusform>(%Ln ligne omise : une feuille en contient %1)</numerusform>
            <numerusform>(%Ln lignes omises : une feuille en contient %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, ... (%Ln columns)</source>
        <translation>
            <numerusform>%1, ... (%Ln colonne)</numerusform>
            <numerusform>%1, ... (%Ln colonnes)</numerusform>
        </translation>
    </message>
    <message>
        <source>columns: %1</source>
        <translation>colonnes : %1</translation>
    </message>
    <message>
        <source>: a stream, read by the import alone: not in this plan</source>
        <translation> : un flux, lu par l&apos;importation seule : pas dans ce plan</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1 : non enregistré : %2</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>La liste ne contient plus l&apos;entrée %1.</translation>
    </message>
    <message>
        <source>import it on its own with --encoding (--list-encodings lists the usual ones)</source>
        <translation>importez-le seul avec --encoding (--list-encodings liste les plus courants)</translation>
    </message>
    <message>
        <source>give --continue-sheets</source>
        <translation>indiquez --continue-sheets</translation>
    </message>
    <message>
        <source>[%1/%2] reading %3</source>
        <translation>[%1/%2] lecture de %3</translation>
    </message>
    <message>
        <source>writing rows: %1 of %2</source>
        <translation>écriture des lignes : %1 sur %2</translation>
    </message>
    <message>
        <source>%1 is the report&apos;s file; it is not imported.</source>
        <translation>%1 est le fichier du rapport ; il n&apos;est pas importé.</translation>
    </message>
    <message>
        <source>%1 exists; --force replaces it.</source>
        <translation>%1 existe ; --force le remplace.</translation>
    </message>
</context>
<context>
    <name>quillora::Dialect</name>
    <message>
        <source>%1, quoted fields</source>
        <extracomment>%1 a separator&apos;s name (&quot;commas&quot;)</extracomment>
        <translation>%1, champs entre guillemets</translation>
    </message>
</context>
<context>
    <name>quillora::DocumentWriter</name>
    <message>
        <source>The document was given up before it was finished.</source>
        <translation>Le document a été abandonné avant d&apos;être terminé.</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies outside the sheet.</source>
        <translation>La cellule (%1, %2) est hors de la feuille.</translation>
    </message>
    <message>
        <source>The document has no sheet &quot;%1&quot;.</source>
        <translation>Le document n&apos;a pas de feuille « %1 ».</translation>
    </message>
    <message>
        <source>The last sheet of a document cannot be removed.</source>
        <translation>La dernière feuille d&apos;un document ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid sheet name.</source>
        <translation>« %1 » n&apos;est pas un nom de feuille valide.</translation>
    </message>
    <message>
        <source>The document already has a sheet &quot;%1&quot;.</source>
        <translation>Le document a déjà une feuille « %1 ».</translation>
    </message>
    <message>
        <source>A document holds at most %1 sheets.</source>
        <translation>Un document contient au plus %1 feuilles.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Le document n&apos;a pas de feuille à la position %1.</translation>
    </message>
    <message>
        <source>The document writer</source>
        <translation>Le rédacteur de documents</translation>
    </message>
    <message>
        <source>The document was not made by the document writer.</source>
        <translation>Le document n&apos;a pas été créé par le rédacteur de documents.</translation>
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
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>US</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
</context>
<context>
    <name>quillora::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>quillora::Failure</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>quillora::FileListController</name>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <translation>Saisissez l&apos;extension des fichiers à charger :</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Vous avez sélectionné trop de fichiers à ajouter.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Essayez d&apos;ajouter avec le bouton « Ajouter tous ».</translation>
    </message>
</context>
<context>
    <name>quillora::FileListModel</name>
    <message>
        <source>Read as %1, chosen for this file</source>
        <translation>Lu en %1, choisi pour ce fichier</translation>
    </message>
    <message>
        <source>Cut at &quot;%1&quot;, chosen for this file</source>
        <translation>Coupé à « %1 », choisi pour ce fichier</translation>
    </message>
    <message>
        <source>No separator of its own found: whole lines</source>
        <translation>Aucun séparateur propre trouvé : lignes entières</translation>
    </message>
    <message>
        <source>Text File(s)</source>
        <translation>Fichier(s) texte</translation>
    </message>
</context>
<context>
    <name>quillora::FileStager</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas été importé : %2</translation>
    </message>
</context>
<context>
    <name>quillora::FolderWalk</name>
    <message>
        <source>The archive &quot;%1&quot; holds files whose names lead out of it: %2. They are left out.</source>
        <translation>L&apos;archive « %1 » contient des fichiers dont le nom mène hors d&apos;elle : %2. Ils sont laissés de côté.</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderPlan</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 et %Ln autre</numerusform>
            <numerusform>%1 et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>seulement dans %1</translation>
    </message>
    <message numerus="yes">
        <source>from %1 on, %Ln file(s)</source>
        <translation>
            <numerusform>à partir de %1, %Ln fichier</numerusform>
            <numerusform>à partir de %1, %Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), up to %1</source>
        <translation>
            <numerusform>seulement dans %Ln fichier, jusqu&apos;à %1</numerusform>
            <numerusform>seulement dans %Ln fichiers, jusqu&apos;à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s), %1 to %2</source>
        <translation>
            <numerusform>seulement dans %Ln fichier, de %1 à %2</numerusform>
            <numerusform>seulement dans %Ln fichiers, de %1 à %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only in %Ln file(s): %1</source>
        <translation>
            <numerusform>seulement dans %Ln fichier : %1</numerusform>
            <numerusform>seulement dans %Ln fichiers : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>missing from %Ln file(s): %1</source>
        <translation>
            <numerusform>absent de %Ln fichier : %1</numerusform>
            <numerusform>absent de %Ln fichiers : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the columns, %2 where they are (&quot;only in 2024-03.csv&quot;)</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>columns in another order: %1</source>
        <translation>colonnes dans un autre ordre : %1</translation>
    </message>
</context>
<context>
    <name>quillora::HeaderRenames</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Forget Renames</source>
        <translation>Oublier les renommages</translation>
    </message>
    <message>
        <source>Column to rename</source>
        <translation>Colonne à renommer</translation>
    </message>
    <message>
        <source>Name it counts as</source>
        <translation>Nom sous lequel elle compte</translation>
    </message>
    <message>
        <source>Cells of the first column go under the second, in every file listed.</source>
        <translation>Les cellules de la première colonne vont sous la seconde, dans chaque fichier de la liste.</translation>
    </message>
    <message>
        <source>Column:</source>
        <translation>Colonne :</translation>
    </message>
    <message>
        <source>counts as:</source>
        <translation>compte comme :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; as &quot;%2&quot;</source>
        <extracomment>a rename in force: &quot;client&quot; counts as &quot;customer&quot;</extracomment>
        <translation>« %1 » comme « %2 »</translation>
    </message>
    <message>
        <source>No column renamed.</source>
        <translation>Aucune colonne renommée.</translation>
    </message>
    <message>
        <source>Renamed: %1</source>
        <translation>Renommées : %1</translation>
    </message>
    <message>
        <source>Type the name the column counts as.</source>
        <translation>Tapez le nom sous lequel la colonne compte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the column&apos;s own name: type another.</source>
        <translation>« %1 » est déjà le nom de la colonne : tapez-en un autre.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportController</name>
    <message>
        <source>No spreadsheet application is available.</source>
        <translation>Aucun tableur n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The list no longer holds entry %1.</source>
        <translation>La liste ne contient plus l&apos;entrée %1.</translation>
    </message>
    <message>
        <source>select it in the list, choose its encoding under &quot;Encoding of this file&quot; in the preview and import it again</source>
        <translation>sélectionnez-le dans la liste, choisissez son encodage sous « Encodage de ce fichier » dans l&apos;aperçu et importez-le de nouveau</translation>
    </message>
    <message>
        <source>check &quot;Continue on a new sheet when a sheet is full&quot;</source>
        <translation>cochez « Continuer sur une nouvelle feuille quand une feuille est pleine »</translation>
    </message>
    <message>
        <source>Start &amp;Importing</source>
        <translation>Dé&amp;marrer l&apos;importation</translation>
    </message>
    <message>
        <source>Stop &amp;Importing</source>
        <translation>Arrêter l&apos;i&amp;mportation</translation>
    </message>
</context>
<context>
    <name>quillora::ImportPlan</name>
    <message>
        <source>The sheet &quot;%1&quot; cannot be added.</source>
        <translation>La feuille « %1 » ne peut pas être ajoutée.</translation>
    </message>
    <message>
        <source>The document has no sheet at position %1.</source>
        <translation>Le document n&apos;a pas de feuille à la position %1.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportRun</name>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
</context>
<context>
    <name>quillora::ImportSummary</name>
    <message>
        <source>Import Report</source>
        <translation>Rapport d&apos;importation</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Fichiers lus</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines files (*.jsonl)</source>
        <translation>Fichiers JSON Lines (*.jsonl)</translation>
    </message>
</context>
<context>
    <name>quillora::Interruption</name>
    <message>
        <source>interrupted by %1.</source>
        <translation>interrompu par %1.</translation>
    </message>
</context>
<context>
    <name>quillora::LibreOfficeProvider</name>
    <message>
        <source>LibreOffice did not open a new spreadsheet document.</source>
        <translation>LibreOffice n&apos;a pas ouvert de nouveau classeur.</translation>
    </message>
</context>
<context>
    <name>quillora::Main</name>
    <message>
        <source>quillora: there is no display to open the window on; the command line works without one, for example: quillora --output FILE PATH... (see quillora --help).</source>
        <translation>quillora : il n&apos;y a pas d&apos;affichage où ouvrir la fenêtre ; la ligne de commande s&apos;en passe, par exemple : quillora --output FICHIER CHEMIN... (voir quillora --help).</translation>
    </message>
</context>
<context>
    <name>quillora::MainWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Tirez la ligne | vers la droite hors de la fenêtre pour voir les noms entiers.</translation>
    </message>
    <message>
        <source>Text files to import</source>
        <translation>Fichiers texte à importer</translation>
    </message>
    <message>
        <source>Add files, or drop files and folders here</source>
        <translation>Ajoutez des fichiers, ou déposez ici fichiers et dossiers</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Add Text File(s)</source>
        <translation>&amp;Ajouter des fichiers texte</translation>
    </message>
    <message>
        <source>Add All File(s) In &amp;Folder</source>
        <translation>Ajouter tous les fichiers du &amp;dossier</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/E&amp;xample Files</source>
        <translation>Charger les fichiers d&apos;e&amp;xemple</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; cannot be read: %2</source>
        <translation>Le thème « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The pointer image &quot;%1&quot; cannot be read.</source>
        <translation>L&apos;image de pointeur « %1 » ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous que ce logiciel ouvre le dossier où sont rangés ces fichiers d&apos;exemple (pour les voir avant de travailler avec) ?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) added</source>
        <translation>
            <numerusform>%Ln fichier ajouté</numerusform>
            <numerusform>%Ln fichiers ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln other file(s) passed over (not %1)</source>
        <translation>
            <numerusform>; %Ln autre fichier laissé de côté (pas %1)</numerusform>
            <numerusform>; %Ln autres fichiers laissés de côté (pas %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::OfficeCalls</name>
    <message>
        <source>%1 did not answer within %2 seconds; the import ends here.</source>
        <translation>%1 n&apos;a pas répondu dans les %2 secondes ; l&apos;importation s&apos;arrête ici.</translation>
    </message>
</context>
<context>
    <name>quillora::OfficeSession</name>
    <message>
        <source>LibreOffice&apos;s UNO runtime could not be set up: %1</source>
        <translation>L&apos;environnement UNO de LibreOffice n&apos;a pu être mis en place : %1</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>ce n&apos;est pas un socket</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 is not LibreOffice&apos;s (%2): not connecting to it; a private pipe is used instead.</source>
        <translation>%1 n&apos;appartient pas à LibreOffice (%2) : pas de connexion ; un tube privé est utilisé à la place.</translation>
    </message>
    <message>
        <source>Quillora does not connect to %1: %2.</source>
        <translation>Quillora ne se connecte pas à %1 : %2.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started from %1.</source>
        <translation>LibreOffice n&apos;a pu être démarré depuis %1.</translation>
    </message>
    <message>
        <source>LibreOffice ended before it answered.</source>
        <translation>LibreOffice s&apos;est arrêté avant de répondre.</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDialog</name>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Ajouter des fichiers - Ctrl et Maj pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|</source>
        <translation>Fichiers texte (*.txt)|*.txt|Fichiers texte et CSV (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|Tous les fichiers (*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>quillora::OpenDocument</name>
    <message numerus="yes">
        <source>%Ln character(s) of the sheet &quot;%1&quot; were left out: a %2 file cannot hold control characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps them).</source>
        <extracomment>%2 the format (.ods, .fods)</extracomment>
        <translation>
            <numerusform>%Ln caractère de la feuille « %1 » a été omis : un fichier %2 ne peut contenir de caractères de contrôle autres que la tabulation et le saut de ligne, ni U+FFFE et U+FFFF (un fichier .xlsx les garde).</numerusform>
            <numerusform>%Ln caractères de la feuille « %1 » ont été omis : un fichier %2 ne peut contenir de caractères de contrôle autres que la tabulation et le saut de ligne, ni U+FFFE et U+FFFF (un fichier .xlsx les garde).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be written: a part of it outgrew 4 GiB.</source>
        <translation>%1 ne peut pas être écrit : une partie a dépassé 4 Gio.</translation>
    </message>
</context>
<context>
    <name>quillora::OptionWords</name>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
</context>
<context>
    <name>quillora::OptionsPanel</name>
    <message>
        <source>Do not for&amp;mat</source>
        <translation>Ne pas &amp;formater</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;space</source>
        <translation>Répartir les données en colonnes Calc à chaque e&amp;space</translation>
    </message>
    <message>
        <source>Split data into new Calc column by &amp;comma</source>
        <translation>&amp;Répartir les données en colonnes Calc à chaque virgule</translation>
    </message>
    <message>
        <source>Split data into new Calc column by ta&amp;b</source>
        <translation>Répartir les données en colonnes Calc à chaque ta&amp;bulation</translation>
    </message>
    <message>
        <source>Split data into new Calc column by these c&amp;haracter(s):</source>
        <translation>R&amp;épartir les données en colonnes Calc à ces caractères :</translation>
    </message>
    <message>
        <source>Split data at each file&apos;s own sepa&amp;rator (comma, semicolon, tab or pipe)</source>
        <translation>Répartir à chaque séparateur &amp;propre au fichier (virgule, point-virgule, tabulation, barre)</translation>
    </message>
    <message>
        <source>Import all text files to &amp;one sheet</source>
        <translation>Importer tous les fichiers texte sur &amp;une feuille</translation>
    </message>
    <message>
        <source>Import each text file to a se&amp;parate sheet</source>
        <translation>&amp;Importer chaque fichier texte sur une feuille séparée</translation>
    </message>
    <message>
        <source>Import Options</source>
        <translation>Options d&apos;importation</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Options de format</translation>
    </message>
    <message>
        <source>Name each sheet after its file, in the list&apos;s order</source>
        <translation>Nommer chaque feuille d&apos;après son fichier, dans l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>Keep text in double &amp;quotes together</source>
        <translation>Garder ensemble le texte entre &amp;guillemets doubles</translation>
    </message>
    <message>
        <source>Store numbers as numbers where nothing changes</source>
        <translation>Enregistrer en nombres si la valeur reste la même</translation>
    </message>
    <message>
        <source>Decimal sign:</source>
        <translation>Séparateur décimal :</translation>
    </message>
    <message>
        <source>Decimal sign</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>Store dates (2024-03-01, 31/12/2024) as dates</source>
        <translation>Enregistrer les dates (2024-03-01, 31/12/2024) comme dates</translation>
    </message>
    <message>
        <source>Lines and Headers</source>
        <translation>Lignes et en-têtes</translation>
    </message>
    <message>
        <source>Lines to s&amp;kip at the start of each file:</source>
        <translation>Lignes &amp;à ignorer au début de chaque fichier :</translation>
    </message>
    <message>
        <source>Lines to skip at the start of each file</source>
        <translation>Lignes à ignorer au début de chaque fichier</translation>
    </message>
    <message>
        <source>First line is a header: keep it once, match columns b&amp;y name</source>
        <translation>La première ligne est un en-tête : la garder une fois, associer les colonnes par &amp;nom</translation>
    </message>
    <message>
        <source>Add a column with each line&apos;s file &amp;name</source>
        <translation>A&amp;jouter une colonne avec le nom de fichier de chaque ligne</translation>
    </message>
    <message>
        <source>Continue on a ne&amp;w sheet when a sheet is full</source>
        <translation>Continuer sur une nouvelle feuille &amp;quand une feuille est pleine</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>En&amp;codage :</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encodage</translation>
    </message>
    <message>
        <source>The stored number of lines to skip &quot;%1&quot; is no number from 0 to 1000.</source>
        <translation>Le nombre enregistré de lignes à ignorer « %1 » n&apos;est pas un nombre de 0 à 1000.</translation>
    </message>
    <message>
        <source>The stored decimal sign &quot;%1&quot; is none of Automatic, Point and Comma.</source>
        <translation>Le séparateur décimal enregistré « %1 » n&apos;est ni Automatic, ni Point, ni Comma.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Add a sheet listing each file</source>
        <translation>Ajouter une feuille listant chaque fichier</translation>
    </message>
</context>
<context>
    <name>quillora::PackedText</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Le fichier « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>l&apos;archive est endommagée</translation>
    </message>
    <message>
        <source>its name leads out of the archive</source>
        <translation>son nom mène hors de l&apos;archive</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>l&apos;archive ne contient pas ce fichier</translation>
    </message>
    <message>
        <source>it needs a password</source>
        <translation>il faut un mot de passe</translation>
    </message>
    <message>
        <source>it holds an archive of files (tar), not a text: unpack it first</source>
        <translation>il contient une archive de fichiers (tar), pas un texte : décompressez-le d&apos;abord</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 times its size, as a decompression bomb does; if it is a text that repeats itself this much, unpack it first and import the text</source>
        <translation>il se décompresse en plus de %1 fois sa taille, comme une bombe de décompression ; si c&apos;est un texte qui se répète à ce point, décompressez-le d&apos;abord et importez le texte</translation>
    </message>
    <message>
        <source>with the members before it, the archive &quot;%1&quot; unpacks to more than %2 times its size, as a decompression bomb does; if its texts repeat themselves this much, unpack it first and import them</source>
        <translation>avec les membres qui le précèdent, l&apos;archive « %1 » se décompresse en plus de %2 fois sa taille, comme une bombe de décompression ; si ses textes se répètent à ce point, décompressez-la d&apos;abord et importez-les</translation>
    </message>
    <message>
        <source>it ends before its compressed data does: it was cut short</source>
        <translation>il s&apos;arrête avant la fin de ses données compressées : il a été tronqué</translation>
    </message>
    <message>
        <source>its check sum does not match what it holds: it is damaged</source>
        <translation>sa somme de contrôle ne correspond pas à son contenu : il est endommagé</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>il est endommagé (%1)</translation>
    </message>
</context>
<context>
    <name>quillora::PreviewPanel</name>
    <message>
        <source>Cut &amp;There</source>
        <translation>C&amp;ouper ici</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Encoding of this file</source>
        <translation>Encodage de ce fichier</translation>
    </message>
    <message>
        <source>Encoding as in the options</source>
        <translation>Encodage comme dans les options</translation>
    </message>
    <message>
        <source>Separator of this file</source>
        <translation>Séparateur de ce fichier</translation>
    </message>
    <message>
        <source>As in the options</source>
        <translation>Comme dans les options</translation>
    </message>
    <message>
        <source>Encodin&amp;g of this file:</source>
        <translation>Encodage de ce fic&amp;hier :</translation>
    </message>
    <message>
        <source>Di&amp;vide its lines at:</source>
        <translation>Diviser ses &amp;lignes à :</translation>
    </message>
    <message>
        <source>No file is listed.</source>
        <translation>Aucun fichier n&apos;est listé.</translation>
    </message>
    <message>
        <source>This file looks separated by %1.</source>
        <translation>Ce fichier semble séparé par des %1.</translation>
    </message>
    <message>
        <source>Columns of the listed files: %1</source>
        <translation>Colonnes des fichiers listés : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 et %Ln autre</numerusform>
            <numerusform>%1 et %Ln autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... %Ln more (see the tool tip)</source>
        <translation>
            <numerusform>... %Ln autre (voir l&apos;infobulle)</numerusform>
            <numerusform>... %Ln autres (voir l&apos;infobulle)</numerusform>
        </translation>
    </message>
    <message>
        <source>The menu key in a column, or a click on its title, chooses its kind.</source>
        <translation>La touche menu dans une colonne, ou un clic sur son titre, choisit son type.</translation>
    </message>
</context>
<context>
    <name>quillora::ReportFile</name>
    <message>
        <source>The report %1 was not written: %2</source>
        <translation>Le rapport %1 n&apos;a pas été écrit : %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunDocument</name>
    <message>
        <source>The file &quot;%1&quot; was not imported: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas été importé : %2</translation>
    </message>
</context>
<context>
    <name>quillora::RunReport</name>
    <message>
        <source>The headers differ: %1. Each file&apos;s cells are under the columns of their names.</source>
        <translation>Les en-têtes diffèrent : %1. Les cellules de chaque fichier sont sous les colonnes de leur nom.</translation>
    </message>
    <message>
        <source>Column names are spelt two ways: %1. Each is one column, named as first spelt.</source>
        <translation>Des noms de colonne s&apos;écrivent de deux façons : %1. Chacun est une seule colonne, nommée comme la première graphie.</translation>
    </message>
    <message>
        <source>A column name is spelt two ways: %1. It is one column, named as first spelt.</source>
        <translation>Un nom de colonne s&apos;écrit de deux façons : %1. C&apos;est une seule colonne, nommée comme la première graphie.</translation>
    </message>
    <message numerus="yes">
        <source>%1: every row is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <extracomment>%1 the file, %2 the separator it looks cut at (&quot;semicolons&quot;)</extracomment>
        <translation>
            <numerusform>%1 : chaque ligne est une cellule, alors que les autres fichiers en ont %Ln ; il semble séparé par des %2.</numerusform>
            <numerusform>%1 : chaque ligne est une cellule, alors que les autres fichiers en ont %Ln ; il semble séparé par des %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every row is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1 : chaque ligne est une cellule, alors que les autres fichiers en ont plusieurs ; il semble séparé par des %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: its header is one cell, where the other files have %Ln; it looks separated by %2.</source>
        <translation>
            <numerusform>%1 : son en-tête est une cellule, alors que les autres fichiers en ont %Ln ; il semble séparé par des %2.</numerusform>
            <numerusform>%1 : son en-tête est une cellule, alors que les autres fichiers en ont %Ln ; il semble séparé par des %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: its header is one cell, where the other files have several; it looks separated by %2.</source>
        <translation>%1 : son en-tête est une cellule, alors que les autres fichiers en ont plusieurs ; il semble séparé par des %2.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more file(s)</source>
        <translation>
            <numerusform>... et %Ln autre fichier</numerusform>
            <numerusform>... et %Ln autres fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to count as &quot;%2&quot;.</source>
        <translation>Aucun en-tête n&apos;a de colonne « %1 » à compter comme « %2 ».</translation>
    </message>
    <message>
        <source>No header has a column &quot;%1&quot; to be %2.</source>
        <translation>Aucun en-tête n&apos;a de colonne « %1 » à rendre %2.</translation>
    </message>
</context>
<context>
    <name>quillora::Separators</name>
    <message>
        <source>commas</source>
        <translation>virgules</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>semicolons</source>
        <translation>points-virgules</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>tabs</source>
        <translation>tabulations</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>pipes</source>
        <translation>barres verticales</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Barre verticale</translation>
    </message>
    <message>
        <source>spaces</source>
        <translation>espaces</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
</context>
<context>
    <name>quillora::Settings</name>
    <message>
        <source>The setting &quot;%1&quot; could not be stored.</source>
        <translation>Le paramètre « %1 » n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
</context>
<context>
    <name>quillora::SheetLayout</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is spelt &quot;%2&quot; in %Ln file(s): %3</source>
        <translation>
            <numerusform>« %1 » s&apos;écrit « %2 » dans %Ln fichier : %3</numerusform>
            <numerusform>« %1 » s&apos;écrit « %2 » dans %Ln fichiers : %3</numerusform>
        </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Fichier %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 are spelt %2 in %Ln file(s): %3</source>
        <extracomment>%1 the names (&quot;&quot;amount&quot;, &quot;date&quot;&quot;), %2 as those files spell them, %3 the files</extracomment>
        <translation>
            <numerusform>%1 s&apos;écrivent %2 dans %Ln fichier : %3</numerusform>
            <numerusform>%1 s&apos;écrivent %2 dans %Ln fichiers : %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillora::SheetNames</name>
    <message>
        <source>File %1</source>
        <translation>Fichier %1</translation>
    </message>
</context>
<context>
    <name>quillora::SheetSpool</name>
    <message>
        <source>The document&apos;s rows cannot be kept in %1: %2</source>
        <translation>Les lignes du document ne peuvent pas être gardées dans %1 : %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be written in %1: %2</source>
        <translation>Les lignes du document ne peuvent pas être écrites dans %1 : %2</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back in %1: %2</source>
        <translation>Les lignes du document ne peuvent pas être relues dans %1 : %2</translation>
    </message>
    <message>
        <source>Row %1 comes after row %2: a written document takes its rows in order.</source>
        <translation>La ligne %1 vient après la ligne %2 : un document écrit prend ses lignes dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>The document&apos;s rows cannot be read back: they end too soon.</source>
        <translation>Les lignes du document ne peuvent pas être relues : elles finissent trop tôt.</translation>
    </message>
</context>
<context>
    <name>quillora::SheetWriter</name>
    <message>
        <source>The rows past row %1 of the sheet &quot;%2&quot; were left out: a document holds at most %3 sheets.</source>
        <translation>Les lignes après la ligne %1 de la feuille « %2 » ont été omises : un document contient au plus %3 feuilles.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more (an .ods file keeps such cells whole, up to %3 characters).</source>
        <translation>
            <numerusform>%Ln cellule de la feuille « %1 » a été coupée à %2 caractères : une cellule n&apos;en contient pas plus (un fichier .ods garde ces cellules entières, jusqu&apos;à %3 caractères).</numerusform>
            <numerusform>%Ln cellules de la feuille « %1 » ont été coupées à %2 caractères : une cellule n&apos;en contient pas plus (un fichier .ods garde ces cellules entières, jusqu&apos;à %3 caractères).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) of the sheet &quot;%1&quot; were cut to %2 characters: a cell holds no more.</source>
        <translation>
            <numerusform>%Ln cellule de la feuille « %1 » a été coupée à %2 caractères : une cellule n&apos;en contient pas plus.</numerusform>
            <numerusform>%Ln cellules de la feuille « %1 » ont été coupées à %2 caractères : une cellule n&apos;en contient pas plus.</numerusform>
        </translation>
    </message>
    <message>
        <source> To put the rows past the last on new sheets, %1.</source>
        <extracomment>Follows the sentence about cells left out; %1 says how to choose it.</extracomment>
        <translation> Pour mettre les lignes au-delà de la dernière sur de nouvelles feuilles, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cell(s) could not be written to the sheet &quot;%1&quot;: a sheet holds at most %2 columns and %3 rows.%4</source>
        <translation>
            <numerusform>%Ln cellule n&apos;a pu être écrite sur la feuille « %1 » : une feuille contient au plus %2 colonnes et %3 lignes.%4</numerusform>
            <numerusform>%Ln cellules n&apos;ont pu être écrites sur la feuille « %1 » : une feuille contient au plus %2 colonnes et %3 lignes.%4</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing was stopped before any file was read.</source>
        <translation>L&apos;importation a été arrêtée avant la lecture de tout fichier.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: the sheets of the files before it are in the document.</source>
        <translation>L&apos;importation a été arrêtée pendant la lecture du fichier « %1 » (fichier %2 sur %3) : les feuilles des fichiers précédents sont dans le document.</translation>
    </message>
    <message>
        <source>Importing was stopped while the file &quot;%1&quot; (file %2 of %3) was read: nothing was written to the document.</source>
        <translation>L&apos;importation a été arrêtée pendant la lecture du fichier « %1 » (fichier %2 sur %3) : rien n&apos;a été écrit dans le document.</translation>
    </message>
    <message>
        <source>Importing was stopped before any row was written.</source>
        <translation>L&apos;importation a été arrêtée avant l&apos;écriture de toute ligne.</translation>
    </message>
    <message>
        <source>Importing was stopped after line %1 of the file &quot;%2&quot; (file %3 of %4): the rows up to there are in the document, and none after.</source>
        <translation>L&apos;importation a été arrêtée après la ligne %1 du fichier « %2 » (fichier %3 sur %4) : les lignes jusque-là sont dans le document, aucune après.</translation>
    </message>
</context>
<context>
    <name>quillora::SpreadsheetModule</name>
    <message>
        <source>LibreOffice was not found.</source>
        <translation>LibreOffice est introuvable.</translation>
    </message>
    <message>
        <source>The LibreOffice bridge could not be set up.</source>
        <translation>Le pont vers LibreOffice n&apos;a pu être mis en place.</translation>
    </message>
</context>
<context>
    <name>quillora::StagingFile</name>
    <message>
        <source>The staging file cannot be created in %1: %2</source>
        <translation>Le fichier intermédiaire ne peut pas être créé dans %1 : %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be written: %2</source>
        <translation>Le fichier intermédiaire dans %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be emptied: %2</source>
        <translation>Le fichier intermédiaire dans %1 ne peut pas être vidé : %2</translation>
    </message>
    <message>
        <source>The staging file in %1 cannot be read: %2</source>
        <translation>Le fichier intermédiaire dans %1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>quillora::SuiteCheck</name>
    <message>
        <source>Error 214878392</source>
        <translation>Erreur 214878392</translation>
    </message>
    <message>
        <source>OpenOffice is required to run this software. It is not installed on this computer.</source>
        <translation>OpenOffice est nécessaire pour utiliser ce logiciel. Il n&apos;est pas installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Woud you like to open this site now?</source>
        <translation>Voulez-vous ouvrir ce site maintenant ?</translation>
    </message>
    <message>
        <source>(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot of this error message and a screenshot of the OpenOffice &apos;About&apos; window to %1)</source>
        <translation>(Si vous pensez que cette erreur est une méprise et qu&apos;OpenOffice est installé, veuillez envoyer une capture d&apos;écran de ce message d&apos;erreur et une capture d&apos;écran de la fenêtre « À propos » d&apos;OpenOffice à %1)</translation>
    </message>
</context>
<context>
    <name>quillora::TemporaryOutput</name>
    <message>
        <source>it is a link to a file that is not there</source>
        <translation>c&apos;est un lien vers un fichier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a link to something that is not a file</source>
        <translation>c&apos;est un lien vers quelque chose qui n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
</context>
<context>
    <name>quillora::TextReader</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Le fichier « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>File not found (the name is not valid UTF-8)</source>
        <translation>Fichier introuvable (le nom n&apos;est pas de l&apos;UTF-8 valide)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>It is not a file</source>
        <translation>Ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>It is not a file that can be looked at before it is imported</source>
        <translation>Ce n&apos;est pas un fichier que l&apos;on peut regarder avant de l&apos;importer</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Il a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>it is a .zip archive inside the archive: unpack it first</source>
        <translation>c&apos;est une archive .zip dans l&apos;archive : décompressez-la d&apos;abord</translation>
    </message>
</context>
<context>
    <name>quillora::UnoError</name>
    <message>
        <source>The connection to LibreOffice was lost: LibreOffice was closed or stopped.</source>
        <translation>La connexion à LibreOffice a été perdue : LibreOffice a été fermé ou arrêté.</translation>
    </message>
    <message>
        <source>LibreOffice refused the request.</source>
        <translation>LibreOffice a refusé la demande.</translation>
    </message>
</context>
<context>
    <name>quillora::Workbook</name>
    <message>
        <source>a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice (7.4 at least) does not open a part that large, other readers do.</source>
        <translation>une partie du fichier fait 4 Gio ou plus et est écrite en ZIP64, comme le format le permet ; LibreOffice (7.4 au moins) n&apos;ouvre pas une partie aussi grande, d&apos;autres lecteurs si.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>quillora::Xlsx</name>
    <message>
        <source>%1: the sheet &quot;%2&quot; cannot be added: %3</source>
        <translation>%1 : la feuille « %2 » ne peut pas être ajoutée : %3</translation>
    </message>
    <message>
        <source>libxlsxwriter refused it</source>
        <translation>libxlsxwriter l&apos;a refusée</translation>
    </message>
    <message>
        <source>%1: a cell cannot be written: %2</source>
        <translation>%1 : une cellule ne peut pas être écrite : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the rows cannot be kept in %2: %3</source>
        <translation>%1 ne peut pas être écrit : les lignes ne peuvent pas être gardées dans %2 : %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
</TS>
