// The journal file on disk: entries by position, the four encodings written back byte for byte,
// the move to UTF-8 for characters the code page lacks, line ends, and failures that change
// nothing.
#include "FileBytes.h"
#include "JournalStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Big enough to be read by two threads.
constexpr qsizetype BigFile = 32 * 1024 * 1024;

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray { &high, 1 } + QByteArray { &low, 1 }
                           : QByteArray { &low, 1 } + QByteArray { &high, 1 };
    }
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(JournalEncoding)

class TestJournalFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void parsedByPosition_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("digits");
        QTest::newRow("commas in the question")
            << u"24-12-25 09:05:07,Nu, of later, of nooit?,43,44,977777"_s << u"24-12-25 09:05:07"_s
            << u"Nu, of later, of nooit?"_s << u"977777"_s;
        QTest::newRow("31 characters: no question")
            << u"24-12-25 09:05:07,,01,00,777777"_s << u"24-12-25 09:05:07"_s << QString() << u"777777"_s;
        QTest::newRow("10 characters") << u"0123456789"_s << u"0123456789"_s << QString() << u"456789"_s;
        QTest::newRow("blank line") << QString() << QString() << QString() << QString();
    }

    void parsedByPosition()
    {
        QFETCH(QString, entry);
        const JournalEntry fields = parseJournalEntry(entry);
        QFETCH(QString, date);
        QCOMPARE(fields.dateText, date);
        QFETCH(QString, question);
        QCOMPARE(fields.question, question);
        QFETCH(QString, digits);
        QCOMPARE(fields.lineDigits, digits);
    }

    // Each file is loaded, checked, saved elsewhere and compared with what was read.
    void writtenBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<JournalEncoding>("encoding");
        QTest::addColumn<QStringList>("lines");

        QByteArray ascii, high, latin;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                (b < 0x80 ? ascii : b < 0xA0 ? high : latin) += char(b);
        }
        // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are not in windows-1252; they stand for themselves.
        const QString highText = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s;
        QTest::newRow("8-bit, every byte")
            << ascii + "\r\n" + high + "\r\n" + latin + "\r\n"
            << JournalEncoding::Ansi
            << QStringList { QString::fromLatin1(ascii), highText, QString::fromLatin1(latin) };
        QTest::newRow("8-bit accents")
            << QByteArray("Caf\xE9 \x80 na\xEFve\r\n\r\nb\r\n") << JournalEncoding::Ansi
            << QStringList { u"Café € naïve"_s, QString(), u"b"_s };
        const QStringList unicode { u"易經 zegt 🙂"_s, u"Ωmega"_s };
        const QString unicodeText = unicode.join(u"\r\n"_s) + u"\r\n"_s;
        QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + unicodeText.toUtf8() << JournalEncoding::Utf8 << unicode;
        QTest::newRow("UTF-16LE") << "\xFF\xFE" + utf16(unicodeText, false) << JournalEncoding::Utf16LE
                                  << unicode;
        QTest::newRow("UTF-16BE") << "\xFE\xFF" + utf16(unicodeText, true) << JournalEncoding::Utf16BE
                                  << unicode;
        QTest::newRow("UTF-8 without a mark")
            << unicodeText.toUtf8() << JournalEncoding::Utf8Unmarked << unicode;
        QTest::newRow("UTF-8 mark only")
            << QByteArray("\xEF\xBB\xBF") << JournalEncoding::Utf8 << QStringList();
        QTest::newRow("UTF-8 mark over broken text")
            << QByteArray("\xEF\xBB\xBFz\xFF\r\n") << JournalEncoding::Ansi << QStringList { u"ï»¿zÿ"_s };
        QTest::newRow("UTF-16 of odd length") << QByteArray("\xFF\xFE"
                                                            "a\0b\r\n",
            7) << JournalEncoding::Ansi << QStringList { u"ÿþa\u0000b"_s };
        QTest::newRow("empty file") << QByteArray() << JournalEncoding::Ansi << QStringList();
        QTest::newRow("lone CR stays in its line")
            << QByteArray("a\rb\r\n") << JournalEncoding::Ansi << QStringList { u"a\rb"_s };
    }

    void writtenBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        putBytes(path(u"in.txt"_s), bytes);
        JournalLines list;
        QCOMPARE(loadJournalList(path(u"in.txt"_s), list), FileProblem());
        QFETCH(JournalEncoding, encoding);
        QCOMPARE(list.encoding(), encoding);
        QFETCH(QStringList, lines);
        QCOMPARE(list.toStringList(), lines);
        QCOMPARE(saveJournalList(path(u"out.txt"_s), list), FileProblem());
        QCOMPARE(bytesOf(path(u"out.txt"_s)), bytes);
        // The store finds the same lines one at a time.
        putBytes(path(JournalFileName), bytes);
        JournalStore store(m_dir.path());
        for (qsizetype n = 1; n <= list.size() + 1; ++n) {
            JournalStore::Entry read;
            QVERIFY(store.entry(n, read).done());
            QCOMPARE(read.count, list.size());
            QCOMPARE(read.line, n <= list.size() ? std::optional(list.at(n - 1)) : std::nullopt);
        }
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("last line without a break") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF alone") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("one blank line") << QByteArray("\r\n") << QByteArray("\r\n");
        // Found by fuzzing: 8-bit text that only looks like UTF-16 reads as UTF-16 once its line
        // end is whole; it settles from then on.
        QTest::newRow("odd UTF-16 made even")
            << QByteArray("\xFE\xFF\0A\n", 5) << QByteArray("\xFE\xFF\0A\r\n", 6);
        // A big file is read, and its lines found, a quarter megabyte at a time.
        const QByteArray piece(256 * 1024, 'a');
        QTest::newRow("CR and LF in two pieces") << piece.first(piece.size() - 1) + "\r\nb\r\n"
                                                 << piece.first(piece.size() - 1) + "\r\nb\r\n";
        QTest::newRow("LF alone opens a piece") << piece + "\nb" << piece + "\r\nb\r\n";
        QTest::newRow("UTF-8 mark over pieces") << "\xEF\xBB\xBF" + piece + "\r\n\xC3\xA9\n"
                                                << "\xEF\xBB\xBF" + piece + "\r\n\xC3\xA9\r\n";
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        putBytes(path(u"in.txt"_s), bytes);
        JournalLines list;
        QCOMPARE(loadJournalList(path(u"in.txt"_s), list), FileProblem());
        QCOMPARE(saveJournalList(path(u"out.txt"_s), list), FileProblem());
        QFETCH(QByteArray, written);
        QCOMPARE(bytesOf(path(u"out.txt"_s)), written);
        QByteArray previous;
        for (int round = 0; round < 2; ++round) {
            previous = bytesOf(path(u"out.txt"_s));
            QCOMPARE(loadJournalList(path(u"out.txt"_s), list), FileProblem());
            QCOMPARE(saveJournalList(path(u"out.txt"_s), list), FileProblem());
        }
        QCOMPARE(bytesOf(path(u"out.txt"_s)), previous);
    }

    // A big file is read by two threads at once, a piece each; its lines come out as from one
    // search of its bytes, whatever lies where two pieces meet.
    void bigFileReadInPieces_data()
    {
        QTest::addColumn<QByteArray>("middle"); // the bytes from two before the middle on, where pieces meet
        QTest::newRow("CR LF across the middle") << QByteArray("a\r\nb");
        QTest::newRow("CR LF just after it") << QByteArray("ab\r\n");
        QTest::newRow("a blank line after it") << QByteArray("\r\n\r\n");
        QTest::newRow("LF alone on the middle") << QByteArray("\r\n\nb");
        QTest::newRow("no break after the middle") << QByteArray(BigFile / 2 + 2, 'b');
    }

    void bigFileReadInPieces()
    {
        QByteArray line = QByteArray(98, 'a') + "\r\n";
        QByteArray bytes(BigFile, Qt::Uninitialized);
        for (qsizetype at = 0; at < BigFile; at += line.size())
            std::memcpy(bytes.data() + at, line.constData(), std::size_t(qMin(line.size(), BigFile - at)));
        bytes.replace(BigFile - 2, 2, "\r\n");
        QFETCH(QByteArray, middle);
        bytes.replace(bytes.size() / 2 - 2, middle.size(), middle);
        putBytes(path(u"big.txt"_s), bytes);
        JournalLines list;
        QCOMPARE(loadJournalList(path(u"big.txt"_s), list), FileProblem());
        const JournalLines once(JournalEncoding::Ansi, bytes);
        QCOMPARE(list.lineStarts(), once.lineStarts());
        QCOMPARE(list.isWhole(), once.isWhole());
    }

    // windows-1252 would write "?" for these without a word; the file turns UTF-8 instead.
    void charactersOutsideTheCodePageMakeItUtf8()
    {
        JournalLines list(QStringList { u"Café"_s, u"Wat zegt 易經? 🙂"_s });
        QCOMPARE(saveJournalList(path(u"j.txt"_s), list), FileProblem());
        QCOMPARE(list.encoding(), JournalEncoding::Utf8);
        QCOMPARE(
            bytesOf(path(u"j.txt"_s)), "\xEF\xBB\xBF" + u"Café\r\nWat zegt 易經? 🙂\r\n"_s.toUtf8());
        JournalLines again;
        QCOMPARE(loadJournalList(path(u"j.txt"_s), again), FileProblem());
        QCOMPARE(again.toStringList(), list.toStringList());
        QCOMPARE(again.encoding(), JournalEncoding::Utf8);
    }

    // A directory where the file should be: the message names the file and says why, and the
    // directory is left as it was.
    void failuresNameTheFileAndChangeNothing()
    {
        const QString folder = path(u"fault"_s);
        const QString journal = folder + u"/QuivarLijst.txt"_s;
        QVERIFY(QDir().mkpath(journal));
        JournalLines list(QStringList { u"x"_s });
        for (const FileProblem &problem :
            { loadJournalList(journal, list), saveJournalList(journal, list) }) {
            QVERIFY(problem);
            QVERIFY2(problem->contains(QDir::toNativeSeparators(journal)), qPrintable(*problem));
            QVERIFY2(problem->contains(u"er staat een map met die naam"_s), qPrintable(*problem));
        }
        QCOMPARE(list.toStringList(), QStringList { u"x"_s });
        QVERIFY(QFileInfo(journal).isDir());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestJournalFile)
#include "tst_journalfile.moc"
