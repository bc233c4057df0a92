// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/failure.h"
#include "core/text/encodingdetection.h"
#include "core/text/interruptiblefile.h"
#include "core/text/textreader.h"
#include "core/text/utf8.h"
#include "testfiles.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <thread>

#include <pthread.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

Q_DECLARE_METATYPE(quillora::TextEncoding)

namespace {
QStringList readPieces(const QString &path)
{
    TextReader reader(path);
    QStringList pieces;
    QString piece;
    while (reader.readPiece(piece)) {
        if (reader.takeStartOver())
            pieces.clear();
        pieces.append(piece);
    }
    return pieces;
}

// The whole text, checking that nothing in it was invalid.
QString readAll(const QString &path, const std::optional<ChosenEncoding> &chosen = {})
{
    TextReader reader(path, {}, chosen);
    QString whole, piece;
    while (reader.readPiece(piece))
        whole = (reader.takeStartOver() ? QString() : whole) + piece;
    if (reader.invalidCount() != 0)
        whole += u"<%1 invalid>"_s.arg(reader.invalidCount());
    return whole;
}

// An export of Western names as a shop's program writes it, rows long:
// letters past ASCII inside words, now and then (a detector took 2,000
// rows of it for IBM852).
QString westernExport(int rows)
{
    static const QString Names[] = {u"Müller GmbH"_s,         u"\"Lefèvre, Jürgen & Co.\""_s, u"\"Søren \"\"Müller\"\"\""_s,
                                    u"Acme Ltd"_s,            u"Brasserie Éloïse"_s,         u"\"Smith, John\""_s,
                                    u"O'Neil & Sons"_s,       u"Café Zoë"_s,                 u"Nordwind AG"_s,
                                    u"Peña y Asociados"_s,    u"\"Björk, Anna\""_s,          u"Garçon Rouge SARL"_s,
                                    u"Ålesund Fisk AS"_s,     u"Plain Trading"_s};
    QString text = u"order_id,order_date,customer,postcode,amount,status\n"_s;
    quint32 seed = 1;
    for (int i = 0; i < rows; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += u"%1,2024-03-%2,%3,%4,%5.%6,paid\n"_s.arg(i, 7, 10, QChar(u'0'))
                    .arg(1 + (seed >> 8) % 28, 2, 10, QChar(u'0'))
                    .arg(Names[(seed >> 12) % 14])
                    .arg((seed >> 16) % 2 ? u"80331"_s : u"01067"_s)
                    .arg((seed >> 4) % 2500)
                    .arg((seed >> 3) % 100, 2, 10, QChar(u'0'));
    }
    return text;
}

// Characters outside Latin-1 and the BMP, to catch any lossy step.
const QString Mixed = u"Grüße, 日本語; 😀 €\tend"_s;
} // namespace

class tst_TextReader : public QObject
{
    Q_OBJECT

private slots:
    void encodings_data();
    void encodings();
    void localEncodingsAreDetected_data();
    void localEncodingsAreDetected();
    void whatWasReadIsTold_data();
    void whatWasReadIsTold();
    void marksNeedTheirLength();
    void emptyFileGivesOneEmptyPiece();
    void lineBreaksStayInThePieces();
    void piecesEndAtLineBreaks();
    void aLongLineComesInPieces();
    void crLfIsNeverSplitAcrossPieces();
    void windows1252HasACharacterForEveryByte();
    void utf8Census_data();
    void utf8Census();
    void utf8IsToldWhereItIsNoChance_data();
    void utf8IsToldWhereItIsNoChance();
    void sampleAndWholeFileAgree();
    void fileCutWhileReadAgainFails();
    void missingFileFails();
    void bytesAppendedWhileReadingAreCounted();
    void utf8AppendedAfterARestartIsTold();
    void fileShorterThanItsSizeIsReadToItsEnd();
    void aSignalEndsABlockedRead();
    void folderIsNotAFile();

private:
    QTemporaryDir m_dir;
    int m_count = 0;
    QString write(const QByteArray &bytes) { return writeFile(m_dir.filePath(u"f%1.txt"_s.arg(m_count++)), bytes); }
};

void tst_TextReader::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTF-8 with mark") << (QByteArray("\xEF\xBB\xBF") + Mixed.toUtf8()) << TextEncoding::Utf8 << Mixed;
    QTest::newRow("UTF-8 without mark") << Mixed.toUtf8() << TextEncoding::Utf8 << Mixed;
    QTest::newRow("plain ASCII") << QByteArray("a,b\r\nc") << TextEncoding::Utf8 << u"a,b\r\nc"_s;
    QTest::newRow("UTF-16LE") << utf16(Mixed, false) << TextEncoding::Utf16LE << Mixed;
    QTest::newRow("UTF-16BE") << utf16(Mixed, true) << TextEncoding::Utf16BE << Mixed;
    QTest::newRow("UTF-32LE") << utf32(Mixed, false) << TextEncoding::Utf32LE << Mixed;
    QTest::newRow("UTF-32BE") << utf32(Mixed, true) << TextEncoding::Utf32BE << Mixed;
    QTest::newRow("Windows-1252") << QByteArray("Gr\xFC\xDF" "e \x80 \x93q\x94")
                                  << TextEncoding::Windows1252 << u"Grüße € “q”"_s;
    QTest::newRow("UTF-8 broken late") << (QByteArray(300000, 'a') + "\xC3(") << TextEncoding::Windows1252
                                       << (QString(300000, u'a') + u"Ã("_s);
    // Without a mark: told by where the zero bytes stand, in Latin text and
    // in Japanese and Chinese text, whose only zero bytes are those of
    // their commas, digits and line breaks.
    const QString japanese = u"山田太郎,東京都新宿区西新宿2-8-1\r\n佐藤花子,大阪府大阪市北区梅田1-3-1\r\n"_s;
    const QString chinese = u"张伟,北京市朝阳区建国路88号\n王芳,上海市浦东新区世纪大道100号\n"_s;
    const QString latin = u"name,city\nJürgen,München\n"_s;
    QTest::newRow("UTF-16LE without mark, Latin") << utf16(latin, false, false) << TextEncoding::Utf16LE << latin;
    QTest::newRow("UTF-16BE without mark, Latin") << utf16(latin, true, false) << TextEncoding::Utf16BE << latin;
    QTest::newRow("UTF-16LE without mark, Japanese") << utf16(japanese, false, false) << TextEncoding::Utf16LE
                                                    << japanese;
    QTest::newRow("UTF-16BE without mark, Chinese") << utf16(chinese, true, false) << TextEncoding::Utf16BE
                                                   << chinese;
    // Without a line break, an overwhelming zero-byte pattern decides alone.
    QTest::newRow("UTF-16LE without mark, one line") << utf16(u"name,age,city"_s, false, false)
                                                    << TextEncoding::Utf16LE << u"name,age,city"_s;
    // Line break bytes that make no UTF-16 line break: text with zero bytes.
    QTest::newRow("UTF-8 with a zero after every letter") << QByteArray("a\0b\0c\0\nd", 8) << TextEncoding::Utf8
                                                           << QString::fromUtf8("a\0b\0c\0\nd", 8);
    QTest::newRow("UTF-32LE without mark") << utf32(japanese, false, false) << TextEncoding::Utf32LE << japanese;
    QTest::newRow("UTF-32BE without mark") << utf32(latin, true, false) << TextEncoding::Utf32BE << latin;
    // Zero bytes in other text make no pattern.
    QTest::newRow("UTF-8 with a zero byte") << QByteArray("a,b\0\nd\n", 7) << TextEncoding::Utf8
                                           << QString::fromUtf8("a,b\0\nd\n", 7);
    QTest::newRow("UTF-8 with zero bytes") << QByteArray("a,b\0\ncd,e\0\nf\n", 13) << TextEncoding::Utf8
                                          << QString::fromUtf8("a,b\0\ncd,e\0\nf\n", 13);
    // A second mark after the first is text, and stays.
    QTest::newRow("UTF-16LE twice marked") << utf16(u"\uFEFFx"_s, false) << TextEncoding::Utf16LE << u"\uFEFFx"_s;

    // Whatever makes no character becomes U+FFFD, at the end as in the middle.
    const QString bad = QString(QChar::ReplacementCharacter);
    QTest::newRow("UTF-16LE unpaired high surrogate") << QByteArray("\xFF\xFE" "a\0\0\xD8" "b\0", 8)
                                                     << TextEncoding::Utf16LE << u"a"_s + bad + u"b"_s;
    QTest::newRow("UTF-16BE unpaired low surrogate") << QByteArray("\xFE\xFF\0a\xDC\0\0b", 8)
                                                    << TextEncoding::Utf16BE << u"a"_s + bad + u"b"_s;
    QTest::newRow("UTF-16LE high surrogate at the end") << QByteArray("\xFF\xFE" "a\0\x3D\xD8", 6)
                                                       << TextEncoding::Utf16LE << u"a"_s + bad;
    QTest::newRow("UTF-16LE odd byte at the end") << QByteArray("\xFF\xFE" "a\0b", 5) << TextEncoding::Utf16LE
                                                 << u"a"_s + bad;
    QTest::newRow("UTF-32LE past U+10FFFF") << QByteArray("\xFF\xFE\0\0" "a\0\0\0" "\0\0\x11\0" "b\0\0\0", 16)
                                           << TextEncoding::Utf32LE << u"a"_s + bad + u"b"_s;
    QTest::newRow("UTF-32BE surrogate value") << QByteArray("\0\0\xFE\xFF" "\0\0\xD8\0" "\0\0\0b", 12)
                                             << TextEncoding::Utf32BE << bad + u"b"_s;
    QTest::newRow("UTF-32LE two stray bytes") << QByteArray("\xFF\xFE\0\0" "a\0\0\0" "b\0", 10)
                                             << TextEncoding::Utf32LE << u"a"_s + bad;
    // A cut sequence is one error, as Unicode counts them.
    QTest::newRow("UTF-8 marked, cut at the end") << QByteArray("\xEF\xBB\xBF" "a\xE2\x82")
                                                 << TextEncoding::Utf8 << u"a"_s + bad;
    QTest::newRow("UTF-8 marked, cut in the middle") << QByteArray("\xEF\xBB\xBF" "a\xE2\x82" "b\xC0")
                                                    << TextEncoding::Utf8 << u"a"_s + bad + u"b"_s + bad;
}

void tst_TextReader::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);
    const QString path = write(bytes);
    // Known for sure once the text is read: one pass decodes and tells.
    TextReader reader(path);
    for (QString piece; reader.readPiece(piece);) {
    }
    QCOMPARE(reader.encoding(), encoding);
    QCOMPARE(readPieces(path).join(QString()), text);
    // Read a byte at a time, every character is cut across reads.
    QByteArray copy = bytes;
    QBuffer device(&copy);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader bytewise(device, u"bytes"_s, {1, 7});
    QString whole, piece;
    while (bytewise.readPiece(piece))
        whole = (bytewise.takeStartOver() ? QString() : whole) + piece;
    QCOMPARE(whole, text);
}

void tst_TextReader::localEncodingsAreDetected_data()
{
    // Exports saved in a local code page, as users bring them: read exactly
    // without being told (Latin, Cyrillic, Greek, Hebrew, Arabic, Thai,
    // Japanese, Korean and both Chinese scripts).
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("text");
    const QString japanese = u"山田太郎,東京都新宿区西新宿二丁目8番1号,03-5321-1111\n"
                             u"佐藤花子,大阪府大阪市北区梅田一丁目3番1号,06-6345-2222\n"
                             u"鈴木一郎,愛知県名古屋市中区三の丸三丁目1番2号,052-961-3333\n"
                             u"高橋美咲,北海道札幌市中央区北一条西二丁目,011-211-4444\n"_s;
    const QString chinese = u"张伟,北京市朝阳区建国路88号,销售部经理\n王芳,上海市浦东新区世纪大道100号,财务部主管\n"
                            u"李娜,广州市天河区天河路385号,人力资源专员\n刘洋,深圳市南山区科技园南区,技术部工程师\n"_s;
    const QString traditional = u"陳志明,臺北市信義區市府路一號,業務部經理\n林美玲,高雄市苓雅區四維三路二號,財務部主管\n"
                                u"黃建國,臺中市西屯區臺灣大道三段,人力資源專員\n張雅婷,臺南市安平區永華路二段,技術部工程師\n"_s;
    const QString korean = u"김민수,서울특별시 강남구 테헤란로 152,영업부 과장\n이지은,부산광역시 해운대구 센텀중앙로 97,재무팀 대리\n"
                           u"박준호,대구광역시 중구 동성로 2길,인사팀 사원\n최수진,인천광역시 연수구 송도과학로 32,기술연구소 연구원\n"_s;
    const QString russian = u"Иванов Иван Петрович,Москва,ул. Тверская д. 7,отдел продаж\n"
                            u"Петрова Мария Сергеевна,Санкт-Петербург,Невский проспект д. 28,бухгалтерия\n"
                            u"Сидоров Алексей Николаевич,Новосибирск,Красный проспект д. 50,отдел кадров\n"
                            u"Кузнецова Ольга Викторовна,Екатеринбург,ул. Ленина д. 24,технический отдел\n"_s;
    const QString greek = u"Παπαδόπουλος Γιώργος,Αθήνα,Οδός Σταδίου 10,τμήμα πωλήσεων\n"
                          u"Νικολάου Μαρία,Θεσσαλονίκη,Λεωφόρος Νίκης 5,λογιστήριο\n"
                          u"Γεωργίου Κώστας,Πάτρα,Οδός Μαιζώνος 22,τμήμα προσωπικού\n"
                          u"Ιωάννου Ελένη,Ηράκλειο,Λεωφόρος Καλοκαιρινού 40,τεχνικό τμήμα\n"_s;
    const QString hebrew = u"כהן משה,תל אביב,רחוב דיזנגוף 50,מחלקת מכירות\nלוי שרה,ירושלים,רחוב יפו 97,הנהלת חשבונות\n"
                           u"מזרחי דוד,חיפה,שדרות הנשיא 112,משאבי אנוש\nפרץ רחל,באר שבע,רחוב הרצל 30,מחלקה טכנית\n"_s;
    const QString arabic = u"محمد أحمد,القاهرة,شارع التحرير 15,قسم المبيعات\nفاطمة علي,الإسكندرية,طريق الكورنيش 42,قسم المحاسبة\n"
                           u"أحمد حسن,الرياض,طريق الملك فهد 200,الموارد البشرية\nمريم خالد,جدة,شارع التحلية 18,القسم الفني\n"_s;
    const QString polish = u"Kowalski Jan,Warszawa,ul. Marszałkowska 104,dział sprzedaży\n"
                           u"Nowak Małgorzata,Kraków,ul. Floriańska 22,księgowość\n"
                           u"Wiśniewski Piotr,Łódź,ul. Piotrkowska 180,dział kadr\n"
                           u"Wójcik Agnieszka,Wrocław,ul. Świdnicka 38,dział techniczny\n"_s;
    const QString thai = u"สมชาย ใจดี,กรุงเทพมหานคร,ถนนสุขุมวิท 21,ฝ่ายขาย\nสมหญิง รักไทย,เชียงใหม่,ถนนนิมมานเหมินท์ 5,ฝ่ายบัญชี\n"
                         u"ประเสริฐ มั่นคง,ขอนแก่น,ถนนมิตรภาพ 120,ฝ่ายบุคคล\nวันดี ศรีสุข,ภูเก็ต,ถนนเทพกระษัตรี 44,ฝ่ายเทคนิค\n"_s;
    const QString turkish = u"Yılmaz Ayşe,İstanbul,Büyükdere Caddesi 185,satış bölümü\n"
                            u"Öztürk Mehmet,Ankara,Atatürk Bulvarı 42,muhasebe\n"
                            u"Çelik Gülşen,İzmir,Kıbrıs Şehitleri Caddesi 9,insan kaynakları\n"
                            u"Şahin Oğuz,Bursa,Uludağ Yolu 17,teknik bölüm\n"_s;
    const QString french = u"Lefèvre Hélène,Paris,12 rue de la Paix,service des ventes\n"
                           u"Müller Jürgen,Zürich,Bahnhofstraße 5,Buchhaltung\n"
                           u"Garçon François,Besançon,3 place du Marché,ressources humaines\n"
                           u"Peña Íñigo,Málaga,calle Larios 8,departamento técnico\n"_s;
    const QString czech = u"Dvořák Jiří,Praha,Václavské náměstí 21,obchodní oddělení\n"
                          u"Nováková Růžena,Brno,Masarykova 14,účetnictví\n"
                          u"Černý Přemysl,Ostrava,Nádražní 112,personální oddělení\n"
                          u"Šťastná Žaneta,Plzeň,Americká třída 9,technické oddělení\n"_s;
    // Code pages that read most bytes alike are told by the bytes that are
    // letters or signs in one and controls or box drawing in the other
    // (KOI8-U's Ukrainian letters, windows-1257's quotes).
    const QString ukrainian = u"Шевченко Тарас,Київ,вулиця Хрещатик 22,відділ продажу\n"
                              u"Коваленко Ірина,Львів,площа Ринок 1,бухгалтерія\n"
                              u"Бондаренко Євген,Одеса,Дерибасівська 12,відділ кадрів\n"
                              u"Ткаченко Ганна,Харків,майдан Свободи 5,технічний відділ ґанок\n"_s;
    const QString lithuanian = u"Kazlauskas Jonas,Vilnius,Gedimino pr. 9,„pardavimų skyrius“\n"
                               u"Petrauskienė Ona,Kaunas,Laisvės al. 53,„buhalterija“\n"
                               u"Jankauskas Žydrūnas,Klaipėda,Tiltų g. 12,„personalo skyrius“\n"
                               u"Šimkutė Rūta,Šiauliai,Vilniaus g. 88,„techninis skyrius“\n"_s;
    const std::initializer_list<std::pair<const char *, QString>> rows{
        {"KOI8-U Ukrainian", ukrainian}, {"windows-1257 Lithuanian", lithuanian},
        {"windows-1254", turkish}, {"ISO-8859-9", turkish},
        {"windows-1252", french}, {"windows-1250 Czech", czech}, {"ISO-8859-7", greek}, {"IBM866", russian},
        {"KOI8-U", russian}, {"ISO-8859-5", russian}, {"ISO-2022-JP told", japanese},
        {"Shift_JIS", japanese}, {"EUC-JP", japanese},       {"GB18030", chinese},    {"Big5", traditional},
        {"EUC-KR", korean},      {"windows-1251", russian},  {"KOI8-R", russian},     {"windows-1253", greek},
        {"windows-1255", hebrew}, {"windows-1256", arabic},  {"windows-1250", polish}, {"ISO-8859-2", polish},
        {"TIS-620", thai}, {"windows-1252 Western export", westernExport(2000)},
    };
    for (const auto &[encoding, text] : rows)
        QTest::newRow(encoding) << QByteArray(encoding) << text;
}

void tst_TextReader::localEncodingsAreDetected()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QString, text);
    const QByteArray name = encoding.split(' ').first();
    QStringEncoder encoder(name.constData());
    QVERIFY(encoder.isValid());
    const QString path = write(encoder.encode(text));
    // ISO-2022-JP has no byte past 0x7F: it reads as UTF-8 unless told.
    if (!encoding.endsWith(" told")) {
        QVERIFY(!TextReader(path).encodingGuessed());
        QCOMPARE(readAll(path), text);
    }
    // Told, and read a byte at a time: every character, and every shift of
    // ISO-2022-JP, is cut across reads.
    QByteArray bytes = encoder.encode(text);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader bytewise(device, u"bytes"_s, {1, 7}, encodingNamed(name));
    QString whole, piece;
    while (bytewise.readPiece(piece))
        whole = (bytewise.takeStartOver() ? QString() : whole) + piece;
    QCOMPARE(whole, text);
    QCOMPARE(bytewise.invalidCount(), 0);
    // A name alone is too short for any detector: read exactly when told.
    const QString name1 = text.left(text.indexOf(u','));
    QCOMPARE(readAll(write(encoder.encode(name1)), encodingNamed(name)), name1);
}

void tst_TextReader::whatWasReadIsTold_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("guessed");
    QTest::addColumn<int>("strays");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<QString>("text");
    const QByteArray lines = u"café,naïve,Zürich\n"_s.toUtf8().repeated(2000);
    const QString text = u"café,naïve,Zürich\n"_s.repeated(2000);
    // A lone é from an older program stays é, and the rest stays UTF-8.
    QTest::newRow("UTF-8 with stray bytes") << lines + "d\xE9j\xE0 vu" << QByteArray() << QByteArray("UTF-8") << false
                                            << 2 << 0 << text + u"déjà vu"_s;
    QTest::newRow("UTF-8 with an undefined stray") << lines + "\x81" << QByteArray() << QByteArray("UTF-8") << false
                                                   << 1 << 1 << text + u"\u0081"_s;
    // A short UTF-8 file with a stray byte: three sequences are no chance.
    QTest::newRow("short UTF-8 with a stray") << QByteArray("M\xC3\xBCller, Gr\xC3\xB6\xC3\x9F" "e\ncaf\xE9\n")
                                              << QByteArray() << QByteArray("UTF-8") << false << 1 << 0
                                              << u"Müller, Größe\ncafé\n"_s;
    // Text that starts late: the detector is fed where the text stops being
    // UTF-8, not the English of its first chunks.
    const QByteArray preamble = QByteArray(QByteArray("abcdefghij,").repeated(100) + '\n').repeated(1000);
    const QString russian = QString(u"Привет, мир; "_s.repeated(40) + u'\n').repeated(50);
    QTest::newRow("text that starts late") << preamble + QByteArray(QStringEncoder("windows-1251").encode(russian))
                                           << QByteArray() << QByteArray("windows-1251") << false << 0 << 0
                                           << QString::fromLatin1(preamble) + russian;
    // Too few letters to tell a code page by ("Naïve" passes for IBM852).
    QTest::newRow("too few to tell") << QByteArray("Na\xEFve") << QByteArray() << QByteArray("windows-1252") << true
                                     << 0 << 0 << u"Naïve"_s;
    QTest::newRow("undefined in windows-1252") << QByteArray("Caf\xE9 \x81\x9D") << QByteArray()
                                               << QByteArray("windows-1252") << true << 0 << 2 << u"Café \u0081\u009D"_s;
    QTest::newRow("invalid where chosen") << QByteArray("\x82\xA0\xFF\x82\xA2") << QByteArray("shift_jis")
                                          << QByteArray("Shift_JIS") << false << 0 << 1 << u"あ\uFFFDい"_s;
    // Where ICU stands U+001A for what it cannot read, it becomes U+FFFD.
    QTest::newRow("a character cut by the end") << QByteArray("\x1B$B$\"$") << QByteArray("ISO-2022-JP")
                                                << QByteArray("ISO-2022-JP") << false << 0 << 1 << u"あ\uFFFD"_s;
    // ICU's UTF-7 leaves a surrogate without its pair where a run is cut.
    QTest::newRow("a lone surrogate from Qt's decoder") << QByteArray("+ZeVnLutf32be") << QByteArray("UTF-7")
                                                        << QByteArray("UTF-7") << false << 0 << 2
                                                        << u"日朮\uEB5F\uFFFD\uFFFD"_s;
    QTest::newRow("UTF-7 run ending with bits that make no character")
        << QByteArray("a+AGEA\nb+AGE-") << QByteArray("UTF-7") << QByteArray("UTF-7") << false << 0 << 1
        << u"aa\uFFFD\nba"_s;
    QTest::newRow("a SUB byte is text") << QByteArray("\xB0\xA1\x1A\xFF") << QByteArray("EUC-KR")
                                        << QByteArray("windows-949") << false << 0 << 1 << u"가\u001A\uFFFD"_s;
    // Korean with Microsoft's table, as the web reads EUC-KR: a backslash
    // stays one, and bytes that mean nothing there are counted.
    QTest::newRow("Korean, Microsoft's table") << QByteArray("C:\\dir \xA1\xA4\xA1\xAD \x80") << QByteArray("CP949")
                                               << QByteArray("windows-949") << false << 0 << 1
                                               << u"C:\\dir ·∼ \uFFFD"_s;
    // The web's rule: ISO-8859-9 is read as windows-1254, whose quotes and
    // dashes ISO-8859-9 has as C1 controls.
    QTest::newRow("ISO-8859-9 as windows-1254") << QByteArray("\x93\xDDstanbul\x94 \x96 \xFE") << QByteArray("ISO-8859-9")
                                                << QByteArray("windows-1254") << false << 0 << 0
                                                << u"“İstanbul” – ş"_s;
    // Below 0x80 the DOS code pages are ASCII: a DEL and the end-of-file mark.
    QTest::newRow("DOS code page, DEL and Ctrl-Z") << QByteArray("a\x7F\x1A\x80") << QByteArray("IBM437")
                                                   << QByteArray("IBM437") << false << 0 << 0
                                                   << u"a\u007F\u001AÇ"_s;
    // ICU's Shift_JIS swaps DEL and two controls as the DOS tables do.
    QTest::newRow("Shift_JIS, DEL and the controls") << QByteArray("a\x7F\x1A\x1C\x82\xA0") << QByteArray("shift_jis")
                                                   << QByteArray("Shift_JIS") << false << 0 << 0
                                                   << u"a\u007F\u001A\u001Cあ"_s;
    // Seven bits that switch character sets are told by their escapes.
    QTest::newRow("ISO-2022-JP found") << QByteArray("\x1B$B$\"$$\x1B(B,a\n") << QByteArray()
                                       << QByteArray("ISO-2022-JP") << false << 0 << 0 << u"あい,a\n"_s;
    QTest::newRow("ISO-2022-KR found") << QByteArray("\x1B$)C\x0E\x30\x21\x21\x24\x0F a\n") << QByteArray()
                                       << QByteArray("ISO-2022-KR") << false << 0 << 0 << u"가· a\n"_s;
    // The decoder's errors are counted, not the U+FFFD of its output; bytes
    // a code page leaves undefined are counted in every one.
    QTest::newRow("a U+FFFD of the text is no error") << QByteArray("a\x84\x31\xA4\x37") << QByteArray("GB18030")
                                                      << QByteArray("GB18030") << false << 0 << 0 << u"a\uFFFD"_s;
    QTest::newRow("undefined in windows-1253") << QByteArray("\x81\xD2\xE1\xAA") << QByteArray("windows-1253")
                                               << QByteArray("windows-1253") << false << 0 << 3
                                               << u"\uFFFD\uFFFDα\uFFFD"_s;
    QTest::newRow("undefined in windows-874") << QByteArray("\xA1\xDB") << QByteArray("TIS-620")
                                              << QByteArray("windows-874") << false << 0 << 1 << u"ก\uFFFD"_s;
    QTest::newRow("invalid UTF-8 where chosen") << QByteArray("caf\xE9") << QByteArray("utf8") << QByteArray("UTF-8")
                                                << false << 0 << 1 << u"caf\uFFFD"_s;
    QTest::newRow("a mark wins over the choice") << QByteArray("\xEF\xBB\xBF\xD0\x96") << QByteArray("cp1251")
                                                 << QByteArray("UTF-8") << false << 0 << 0 << u"Ж"_s;
    QTest::newRow("UTF-16 in the order its zeros tell") << QByteArray("\0a\0\n", 4) << QByteArray("UTF-16")
                                                        << QByteArray("UTF-16BE") << false << 0 << 0 << u"a\n"_s;
}

void tst_TextReader::whatWasReadIsTold()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, name);
    QFETCH(bool, guessed);
    QFETCH(int, strays);
    QFETCH(int, invalid);
    QFETCH(QString, text);
    const auto encoding = chosen.isEmpty() ? std::nullopt : encodingNamed(chosen);
    // Read whole, and a byte at a time (a long text in odd sizes): every
    // character cut across reads.
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader whole(write(bytes), {}, encoding);
    TextReader bytewise(device, u"bytes"_s, bytes.size() < 65536 ? TextReader::Sizes{1, 7} : TextReader::Sizes{4099, 1021}, encoding);
    for (TextReader *reader : {&whole, &bytewise}) {
        QString all, piece;
        while (reader->readPiece(piece))
            all = (reader->takeStartOver() ? QString() : all) + piece;
        QCOMPARE(all, text);
        QCOMPARE(reader->encodingName(), name);
        QCOMPARE(reader->encodingGuessed(), guessed);
        QCOMPARE(reader->strayCount(), strays);
        QCOMPARE(reader->invalidCount(), invalid);
    }
}

void tst_TextReader::marksNeedTheirLength()
{
    // FF FE 00 00 is UTF-32 only in a file of four bytes or more; the two
    // bytes FF FE alone are an empty UTF-16 file.
    QCOMPARE(DetectUnicode(QByteArrayView("\xFF\xFE\x00\x00", 4), 4)->encoding, TextEncoding::Utf32LE);
    QCOMPARE(DetectUnicode(QByteArrayView("\xFF\xFE\x00", 3), 3)->encoding, TextEncoding::Utf16LE);
    QCOMPARE(DetectUnicode("\xFF\xFE", 2)->length, 2);
    QVERIFY(!DetectUnicode("\xEF\xBB", 2));
    QVERIFY(!DetectUnicode("abcd", 4));
    const QString path = write("\xFF\xFE");
    QCOMPARE(TextReader(path).encoding(), TextEncoding::Utf16LE);
    QCOMPARE(readPieces(path), QStringList{QString()});
}

void tst_TextReader::emptyFileGivesOneEmptyPiece()
{
    QCOMPARE(readPieces(write(QByteArray())), QStringList{QString()});
    QCOMPARE(readPieces(write("\xEF\xBB\xBF")), QStringList{QString()});
}

void tst_TextReader::lineBreaksStayInThePieces()
{
    QCOMPARE(readPieces(write("a\r\nb\nc\rd\r\n")), QStringList{u"a\r\nb\nc\rd\r\n"_s});
}

void tst_TextReader::piecesEndAtLineBreaks()
{
    // 65,537 characters in lines of 100: pieces hold whole lines only.
    QByteArray bytes;
    const QByteArray line = QByteArray(99, 'x') + '\n';
    while (bytes.size() < 65537)
        bytes += line;
    bytes.truncate(65537);
    const QStringList pieces = readPieces(write(bytes));
    QCOMPARE(pieces.size(), 2);
    QCOMPARE(pieces.at(0).size(), 65500);
    QVERIFY(pieces.at(0).endsWith(u'\n'));
    QCOMPARE(pieces.join(QString()).toLatin1(), bytes);
}

void tst_TextReader::aLongLineComesInPieces()
{
    // Memory holds a piece, however long the line: a line longer than a
    // piece comes in pieces of at most PieceSize, never cutting a character
    // outside the BMP in two.
    const QString longLine = u"L"_s + u"😀"_s.repeated(100000);
    const QByteArray bytes = "short\r\n" + longLine.toUtf8() + "\r\nafter";
    const QStringList pieces = readPieces(write(bytes));
    QCOMPARE(pieces.join(QString()).toUtf8(), bytes);
    QVERIFY(pieces.size() >= 4);
    for (const QString &piece : pieces) {
        QVERIFY(piece.size() <= TextReader::PieceSize + 1);
        QVERIFY(!piece.back().isHighSurrogate());
    }
}

void tst_TextReader::crLfIsNeverSplitAcrossPieces()
{
    // A CR right at the piece size, its LF just after it.
    QByteArray bytes(TextReader::PieceSize - 1, 'a');
    bytes += "\r\nnext\r\n";
    const QStringList pieces = readPieces(write(bytes));
    for (const QString &piece : pieces)
        QVERIFY(!piece.startsWith(u'\n'));
    QCOMPARE(pieces.join(QString()).toLatin1(), bytes);
}

void tst_TextReader::windows1252HasACharacterForEveryByte()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    QString decoded;
    appendWindows1252(decoded, all);
    QCOMPARE(decoded.size(), 255);
    QCOMPARE(decoded.at(0x80 - 1), QChar(0x20AC));
    QCOMPARE(decoded.at(0x81 - 1), QChar(0x81));
    QCOMPARE(decoded.at(0xFF - 1), QChar(0xFF));
    QVERIFY(!decoded.contains(QChar::ReplacementCharacter));
}

void tst_TextReader::utf8Census_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sequences");
    QTest::addColumn<int>("strays");
    QTest::newRow("ascii") << QByteArray("abc") << 0 << 0;
    QTest::newRow("two, three, four bytes") << QByteArray("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80") << 3 << 0;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << 0 << 2;
    QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF") << 0 << 3;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << 0 << 3;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << 0 << 4;
    QTest::newRow("cut short at the end") << QByteArray("\xE2\x82") << 0 << 2;
    QTest::newRow("cut short by a letter") << QByteArray("\xE2\x82z\xC3\xA9") << 1 << 2;
    QTest::newRow("stray continuation") << QByteArray("a\x80") << 0 << 1;
    QTest::newRow("latin-1 among utf-8") << QByteArray("caf\xC3\xA9 caf\xE9 na\xC3\xAFve") << 2 << 1;
}

void tst_TextReader::utf8Census()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, sequences);
    QFETCH(int, strays);
    Utf8Census whole;
    whole.feed(bytes);
    whole.finish();
    // Fed a byte at a time, the count is the same.
    Utf8Census bytewise;
    for (char b : bytes)
        bytewise.feed(QByteArrayView(&b, 1));
    bytewise.finish();
    for (const Utf8Census &census : {whole, bytewise}) {
        QCOMPARE(census.sequences(), sequences);
        QCOMPARE(census.strays(), strays);
        QCOMPARE(census.valid(), strays == 0);
    }
}

// Valid UTF-8 sequences in text read in a code page of one byte are told
// where they are too many to be chance: not the pairs that Cyrillic letters
// make now and then, but UTF-8 mixed in, or UTF-8 read in a code page chosen.
void tst_TextReader::utf8IsToldWhereItIsNoChance_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<int>("told");
    // Legacy text of two bytes a character pairs up as UTF-8 more often;
    // Thai letters of one byte do so too.
    const QByteArray thai = QStringEncoder("windows-874").encode(
        u"สมชาย ใจดี,กรุงเทพมหานคร,ถนนสุขุมวิท 21,ฝ่ายขาย\nวันดี ศรีสุข,ภูเก็ต,ถนนเทพกระษัตรี 44,ฝ่ายเทคนิค\n"_s.repeated(30));
    QTest::newRow("Thai letters paired by chance") << thai << QByteArray() << 0;
    QTest::newRow("Thai chosen") << thai << QByteArray("windows-874") << 0;
    QTest::newRow("UTF-8 mixed into windows-1252")
        << QByteArray("d\xC3\xA9j\xE0 ") + QByteArray("\xE9t\xE9 \xE0 c\xF4t\xE9 ").repeated(40) << QByteArray() << 1;
    QTest::newRow("UTF-8 read in a code page chosen") << u"Zoë, Müller\n"_s.toUtf8() << QByteArray("windows-1251")
                                                      << 2;
}

void tst_TextReader::utf8IsToldWhereItIsNoChance()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, chosen);
    QFETCH(int, told);
    TextReader reader(write(bytes), {}, chosen.isEmpty() ? std::nullopt : encodingNamed(chosen));
    QString piece;
    while (reader.readPiece(piece)) {
    }
    QCOMPARE(reader.utf8SequencesReadOtherwise(), told);
}

// A look at a file's first 64 KiB names the encoding the import names: the
// detector reads the same bytes of the file for both.
void tst_TextReader::sampleAndWholeFileAgree()
{
    const QString path = write(QStringEncoder("windows-1252").encode(westernExport(20000)));
    const TextReader sample(TextReader::Sample{64 * 1024}, path);
    TextReader whole(path);
    QString piece;
    while (whole.readPiece(piece)) {
    }
    QCOMPARE(sample.encodingName(), QByteArray("windows-1252"));
    QCOMPARE(whole.encodingName(), sample.encodingName());
}

// A file cut while it is read again in the encoding found would end short
// of what the first pass saw: the reading fails rather than lose its end.
void tst_TextReader::fileCutWhileReadAgainFails()
{
    QByteArray bytes = QByteArray("plain ascii line\n").repeated(64);
    bytes += QByteArray(QStringEncoder("windows-1251").encode(u"Иванов Иван, Москва\n"_s.repeated(400)));
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader reader(device, u"shrinking"_s, {512, 256});
    QString piece;
    bool cut = false;
    QVERIFY_THROWS_EXCEPTION(Failure, {
        while (reader.readPiece(piece)) {
            if (reader.takeStartOver() && !cut) {
                bytes.truncate(1024);
                cut = true;
            }
        }
    });
    QVERIFY(cut);
}

void tst_TextReader::missingFileFails()
{
    QVERIFY_THROWS_EXCEPTION(Failure, TextReader(m_dir.filePath(u"missing.txt"_s)));
}

void tst_TextReader::folderIsNotAFile()
{
    QVERIFY_THROWS_EXCEPTION(Failure, TextReader(m_dir.path()));
}

// A log still being written: what comes after the reading began is decoded
// on the same pass that tells the encoding, never replaced in silence.
void tst_TextReader::bytesAppendedWhileReadingAreCounted()
{
    QByteArray bytes = QByteArray("plain ascii line\n").repeated(64);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader reader(device, u"growing"_s, {16, 64});
    QString whole, piece;
    QVERIFY(reader.readPiece(piece));
    whole = piece;
    bytes.append("tail caf\xE9 \xFF\xFE end\n");
    while (reader.readPiece(piece))
        whole = (reader.takeStartOver() ? QString() : whole) + piece;
    QVERIFY(!whole.contains(QChar(QChar::ReplacementCharacter)) || reader.invalidCount() > 0);
    QVERIFY(whole.endsWith(u"tail café ÿþ end\n"_s));
    QVERIFY(whole.startsWith(u"plain ascii line\nplain"_s));
    QCOMPARE(reader.encodingName(), QByteArray("windows-1252"));
}

// A file in a code page, still being written: what is appended in UTF-8
// while it is read again from its start is told, as a first pass tells it.
void tst_TextReader::utf8AppendedAfterARestartIsTold()
{
    QByteArray bytes = QStringEncoder("windows-1251").encode(u"Привет, мир;\n"_s.repeated(400));
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    TextReader reader(device, u"growing"_s, {64, 256});
    QString whole, piece;
    bool appended = false;
    while (reader.readPiece(piece)) {
        whole = (reader.takeStartOver() ? QString() : whole) + piece;
        if (!appended && reader.encodingName() == "windows-1251") {
            bytes.append(u"Grüße aus München, café;\n"_s.repeated(20).toUtf8());
            appended = true;
        }
    }
    QVERIFY(appended);
    QCOMPARE(reader.utf8SequencesReadOtherwise(), 80);
}

// sysfs says 4096 bytes of every file: it is read to where its text ends.
void tst_TextReader::fileShorterThanItsSizeIsReadToItsEnd()
{
    const QString path = u"/sys/kernel/mm/transparent_hugepage/enabled"_s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no sysfs file to read here");
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(readPieces(path).join(QString()), text);
}

// A read that blocks (a hung network file) ends with the first signal
// once a stop is asked: the text ends there.
void tst_TextReader::aSignalEndsABlockedRead()
{
    int ends[2];
    QCOMPARE(::pipe(ends), 0);
    struct sigaction action{};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    struct sigaction before{};
    ::sigaction(SIGUSR1, &action, &before);
    std::atomic<bool> stop = false;
    std::atomic<bool> done = false;
    InterruptibleFile file(ends[0], [&] { return stop.load(); });
    const pthread_t reader = pthread_self();
    std::thread signaller([&] {
        stop = true;
        while (!done) {
            ::pthread_kill(reader, SIGUSR1);
            std::this_thread::yield();
        }
    });
    const QByteArray got = file.read(16);
    done = true;
    signaller.join();
    ::sigaction(SIGUSR1, &before, nullptr);
    ::close(ends[1]);
    QCOMPARE(got, QByteArray());
    QVERIFY(!file.failed());
}

QTEST_GUILESS_MAIN(tst_TextReader)
#include "tst_textreader.moc"
