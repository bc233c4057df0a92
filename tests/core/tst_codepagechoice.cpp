// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/codepagechoice.h"
#include "core/text/textreader.h"
#include "testfiles.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

namespace {
// A national register of towns: Italian names that end in an accented
// letter now and then (a detector took it for ISO-8859-10, whose č, ā and ų
// stand where windows-1252 has è, à and ù).
QString italianTowns(int rows)
{
    static const QString Accented[] = {u"Agliè"_s, u"Ciriè"_s, u"Cuorgnè"_s, u"Forlì"_s, u"Cantù"_s, u"Cefalù"_s, u"Paternò"_s};
    static const QString Plain[] = {u"Balme"_s, u"Bibiana"_s, u"Bruino"_s, u"Caluso"_s, u"Ceres"_s, u"Chieri"_s, u"Corio"_s};
    QString text = u"Codice;\"Unità territoriale\";Progressivo;Denominazione;Ripartizione;Flag città metropolitana;Sigla\n"_s;
    for (int i = 1; i < rows; ++i) {
        const QString town = i % 23 == 0 ? Accented[(i / 23) % 7] : Plain[i % 7];
        text += u"01;201; %1 ;%2;Nord-ovest;0;TO\n"_s.arg(i, 3, 10, QChar(u'0')).arg(town);
    }
    return text;
}
} // namespace

class tst_CodePageChoice : public QObject
{
    Q_OBJECT

private slots:
    void codePagesAreToldByTheirWords_data();
    void codePagesAreToldByTheirWords();
    void latinTextPairedUpIsNoChinese();

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

void tst_CodePageChoice::codePagesAreToldByTheirWords_data()
{
    // Text written in a code page, the page it is read in, and whether that
    // was found or only guessed. A text read in the page it was written in
    // must read exactly; one read otherwise must at least say it guessed.
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<bool>("guessed");
    const auto rows = [](const QString &line, int count) { return line.repeated(count); };
    struct Row
    {
        const char *name;
        QByteArray written;
        QString text;
        QByteArray read;
        bool guessed;
    };
    const Row table[] = {
        // A few letters tell no code page for sure, whatever a detector says.
        {"KOI8-R, a few letters", "KOI8-R", u"Привет мир"_s, "KOI8-R", true},
        {"ISO-8859-5, a few letters", "ISO-8859-5", u"Привет мир"_s, "ISO-8859-5", true},
        {"IBM850, German from DOS", "IBM850", u"Name;Stadt;Betrag\nJürgen Müller;München;12,50\nÄnne Größe;Köln;7,00\n"_s,
         "IBM850", true},
        // Turkish by its words: ı amid ASCII letters, beside ç; Icelandic's
        // ý and ð are not ı and ğ.
        {"Turkish with ı alone", "windows-1254",
         rows(u"film altyazısı, dizi altyazısı ve çeviri altyazısı için açık kaynak yazılım\n"_s, 3), "windows-1254", false},
        {"Icelandic ý and ð", "windows-1252", rows(u"Skýrsla, Guðrún, Ýmir, fræðsla, ýmsar\n"_s, 3), "windows-1252", false},
        // A capital inside a small-letter word reads wrong ("danezÇ").
        {"Romanian from DOS", "IBM852", rows(u"Cuvântul este folosit în daneză şi în alte limbi, cu această formă.\n"_s, 3),
         "IBM852", false},
        {"Russian from a Mac", "x-mac-cyrillic",
         rows(u"Это слово используется в русском языке «часто» и везде используется\n"_s, 3), "x-mac-cyrillic", false},
        // Western text from DOS and Mac programs, and the Latin pages of
        // French with €, Welsh, Sami and Polish.
        {"German from DOS, long", "IBM850", rows(u"Jürgen Müller;München;12,50\nÄnne Größe;Köln;7,00\n"_s, 150), "IBM850", false},
        {"Spanish from a Mac", "macintosh", rows(u"José Muñoz;Málaga;Señora Peña;12,50\n"_s, 300), "macintosh", false},
        {"French with € and Œ", "ISO-8859-15", rows(u"Ÿves Œuvre;3,20 €;cœur de bœuf, crème brûlée\n"_s, 300),
         "ISO-8859-15", false},
        {"Welsh", "ISO-8859-14", rows(u"Mae'r dŵr yn oer ym mhob tŷ yng Nghymru; Ŵyl Dewi Sant, gŵr a gwraig, Llŷn\n"_s, 300),
         "ISO-8859-14", false},
        {"Sami", "ISO-8859-10",
         rows(u"Áilu Ánde Čáhppes, Máhtte Niillas, Sámi giella, Kárášjohka, Ŋuorra, Đakti\n"_s, 300), "ISO-8859-10", false},
        {"Polish", "windows-1250", rows(u"Wiśniewski Piotr;Łódź;ul. Piotrkowska 180;dział kadr\n"_s, 300), "windows-1250",
         false},
        // French apostrophes are no evidence against windows-1252.
        {"French apostrophes", "windows-1252", rows(u"l´été à Besançon, l´hôtel de Noël, crème brûlée\n"_s, 300),
         "windows-1252", false},
        // windows-1252 over a page a detector named without evidence: a guess.
        {"Italian register", "windows-1252", italianTowns(1200), "windows-1252", true},
    };
    for (const Row &row : table)
        QTest::newRow(row.name) << row.written << row.text << row.read << row.guessed;
}

void tst_CodePageChoice::codePagesAreToldByTheirWords()
{
    QFETCH(QByteArray, written);
    QFETCH(QString, text);
    QFETCH(QByteArray, read);
    QFETCH(bool, guessed);
    QStringEncoder encoder(written.constData());
    QVERIFY(encoder.isValid());
    const QString path = writeFile(m_dir.filePath(u"f%1.txt"_s.arg(m_count++)), encoder.encode(text));
    TextReader reader(path);
    QString all, piece;
    while (reader.readPiece(piece))
        all = (reader.takeStartOver() ? QString() : all) + piece;
    QCOMPARE(reader.encodingName(), read);
    QCOMPARE(reader.encodingGuessed(), guessed);
    QCOMPARE(all, text);
}

// Latin text whose accented capitals pair up with the letter after them
// reads as Big5 without an error ("縯lu" for "Áilu"); Chinese beside a
// Latin name or code now and then is still Chinese.
void tst_CodePageChoice::latinTextPairedUpIsNoChinese()
{
    QStringEncoder big5("Big5");
    const QByteArray sami = QStringEncoder("ISO-8859-10").encode(u"Áilu Ándde Ásllat Ávjovárri\n"_s.repeated(20));
    QVERIFY(ideographsAmidLatinWords(sami, "Big5"));
    const QByteArray chinese = big5.encode(u"陳志明,臺北市信義區市府路一號,ID a17,業務部經理\n"_s.repeated(20));
    QVERIFY(!ideographsAmidLatinWords(chinese, "Big5"));
}

QTEST_GUILESS_MAIN(tst_CodePageChoice)
#include "tst_codepagechoice.moc"
