// The form of the oracle prose as a whole: how its sentences are built and how often the same
// words and phrases come back across the 512 texts. The figures are printed on every run so a
// change to the texts can quote them.
#include "QuivarDATA.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstProse = 64;
constexpr int FirstLine = 192;
constexpr int Entries = 576;
// A content word may come back in this many texts; more and the corpus starts to sound like a list.
constexpr int WordLimit = 20;

int hexagramOf(int entry)
{
    return entry < FirstLine ? (entry - FirstProse) % 64 + 1 : (entry - FirstLine) / 6 + 1;
}

QStringList wordsOf(QStringView text)
{
    static const QRegularExpression word(u"[a-zèéëï]+(?:'[a-z]+)?(?:-[a-zèéëï]+)*"_s);
    QStringList words;
    for (const auto &m : word.globalMatch(text.toString().toLower()))
        words << m.captured();
    return words;
}

// Function words and auxiliaries; every other word carries content.
bool isStopWord(const QString &w)
{
    static const QSet<QString> stop = [] {
        QSet<QString> s;
        for (QStringView v : QStringView(
                 u"de het een en of maar want dus je jij jou jouw jezelf je zelf zich "
                 "ik we wij ons onze hij zij ze hem haar hun hen men dit dat die deze "
                 "wat wie waar wanneer hoe als dan toen zo al ook wel niet geen nog nu "
                 "er te in op aan van voor met door om uit naar bij tot over onder na "
                 "zonder tegen tussen langs achter boven binnen buiten mee heen toe af "
                 "is ben bent zijn was waren wordt word worden werd heeft hebt heb "
                 "hebben had kan kun kunt kunnen kon zal zult zullen moet moeten mag "
                 "mogen wil wilt willen zou zouden elkaar iets niets alles iemand "
                 "niemand ieder iedereen elk elke alle ander andere anderen veel meer minder weer toch pas "
                 "eerst even omdat zodat terwijl voordat zolang zodra daar hier daarna "
                 "eens dit erin eruit ervan erop eraan erom erbij erdoor")
                                 .split(u' ', Qt::SkipEmptyParts))
            s.insert(v.toString());
        return s;
    }();
    return w.size() < 2 || stop.contains(w); // the "s" of "'s avonds" is no word
}

// Inflections of one word, and words a reader hears as the same note, count as one.
QString familyOf(const QString &w)
{
    static const QList<std::pair<QString, QRegularExpression>> families = {
        { u"blijven"_s, QRegularExpression(u"^(blijf|blijft|blijven|bleef)$"_s) },
        { u"laten"_s, QRegularExpression(u"^(laat|laten|liet)$"_s) },
        { u"rust"_s, QRegularExpression(u"^(rust|rustig|rustige|rusten|rustt)$"_s) },
        { u"oprecht/eerlijk/zuiver"_s, QRegularExpression(u"^(oprecht|eerlijk|zuiver|waarachtig)\\w*$"_s) },
        { u"trouw/vertrouwen"_s, QRegularExpression(u"^(ver)?trouw\\w*$"_s) },
        { u"houden"_s, QRegularExpression(u"^(houd|houdt|houden|hield)$"_s) },
        { u"kracht"_s, QRegularExpression(u"^kracht\\w*$"_s) },
        { u"zoeken"_s, QRegularExpression(u"^(zoek|zoekt|zoeken|zocht)$"_s) },
        { u"wachten"_s, QRegularExpression(u"^(wacht|wachten|wachtte)$"_s) },
        { u"gaan"_s, QRegularExpression(u"^(ga|gaat|gaan|ging)$"_s) },
        { u"komen"_s, QRegularExpression(u"^(kom|komt|komen|kwam)$"_s) },
        { u"stap"_s, QRegularExpression(u"^(stap|stappen|stapt)$"_s) },
        { u"geduld"_s, QRegularExpression(u"^geduld\\w*$"_s) },
        { u"bescheiden/nederig"_s, QRegularExpression(u"^(bescheiden|nederig|ingetogen)\\w*$"_s) },
        { u"verbinden"_s, QRegularExpression(u"^(verbind|verbond)\\w*$"_s) },
        { u"goed"_s, QRegularExpression(u"^(goed|goede)$"_s) },
        { u"groot"_s, QRegularExpression(u"^(groot|grote|groter|grotere)$"_s) },
        { u"klein"_s, QRegularExpression(u"^(klein|kleine|kleiner)$"_s) },
        { u"nieuw"_s, QRegularExpression(u"^(nieuw|nieuwe)$"_s) },
        { u"tijd"_s, QRegularExpression(u"^(tijd|tijden)$"_s) },
        { u"weg"_s, QRegularExpression(u"^(weg|wegen)$"_s) },
        { u"doen"_s, QRegularExpression(u"^(doe|doet|doen|deed)$"_s) },
        { u"geven"_s, QRegularExpression(u"^(geef|geeft|geven|gaf)$"_s) },
        { u"zien"_s, QRegularExpression(u"^(zie|ziet|zien|zag)$"_s) },
    };
    for (const auto &[name, forms] : families)
        if (forms.match(w).hasMatch())
            return name;
    return w;
}

// For every content word (or family), the number of prose texts it occurs in.
QHash<QString, int> textsPerWord()
{
    QHash<QString, int> count;
    for (int i = FirstProse; i < Entries; ++i) {
        QSet<QString> seen;
        for (const QString &w : wordsOf(OracleTexts[std::size_t(i)]))
            if (!isStopWord(w))
                seen.insert(familyOf(w));
        for (const QString &w : seen)
            ++count[w];
    }
    return count;
}

} // namespace

class TestTextForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sentences_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maxSentences");
        QTest::addColumn<double>("maxSemicolonShare");
        QTest::addColumn<double>("maxColonShare");
        QTest::newRow("process texts") << FirstProse << 64 << 2 << 0.5 << 0.3;
        QTest::newRow("advice") << 128 << 64 << 1 << 0.1 << 0.1;
        QTest::newRow("line texts") << FirstLine << 384 << 1 << 0.5 << 0.15;
    }

    // A line text is one sentence; joining two clauses with a semicolon is allowed, but when it is
    // the only shape the texts have, they read as one long list. The same holds for the colon,
    // which too easily becomes the recipe "image: do this".
    void sentences()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, maxSentences);
        QFETCH(double, maxSemicolonShare);
        QFETCH(double, maxColonShare);
        static const QRegularExpression inner(u"[.?!] "_s);
        static const QRegularExpression end(u"[a-zèéëï)'][.?!]$"_s);
        int joined = 0;
        int colons = 0;
        for (int i = first; i < first + count; ++i) {
            const QString text = OracleTexts[std::size_t(i)].toString();
            const QByteArray where = "entry " + QByteArray::number(i) + ": " + text.toUtf8();
            QVERIFY2(end.match(text).hasMatch(), where.constData());
            QVERIFY2(int(text.count(inner)) + 1 <= maxSentences, where.constData());
            QVERIFY2(!text.contains(u"  "_s) && !text.contains(u" ,"_s), where.constData());
            joined += text.contains(u';') ? 1 : 0;
            colons += text.contains(u':') ? 1 : 0;
        }
        const double share = double(joined) / count;
        qInfo("%s: %d of %d joined by a semicolon (%.0f %%)", QTest::currentDataTag(), joined, count,
            100 * share);
        QVERIFY2(share <= maxSemicolonShare, QByteArray::number(share));
        const double colonShare = double(colons) / count;
        qInfo(
            "%s: %d of %d with a colon (%.0f %%)", QTest::currentDataTag(), colons, count, 100 * colonShare);
        QVERIFY2(colonShare <= maxColonShare, QByteArray::number(colonShare));
    }

    // Each line text is said to the reader. An imperative may do without "je", but a bare image or a
    // maxim that opens with "Wie" talks past the reader; and when too many lines open with "Je", the
    // address itself turns into a refrain.
    void lineTextsSpeakToTheReader()
    {
        static const QRegularExpression second(
            u"\\b(je|jij|jou|jouw|jezelf|jullie)\\b"_s, QRegularExpression::CaseInsensitiveOption);
        int withoutYou = 0;
        int openingJe = 0;
        for (int i = FirstLine; i < Entries; ++i) {
            const QString text = OracleTexts[std::size_t(i)].toString();
            QVERIFY2(!text.startsWith(u"Wie "_s), qPrintable(text));
            withoutYou += text.contains(second) ? 0 : 1;
            openingJe += text.startsWith(u"Je "_s) ? 1 : 0;
        }
        qInfo("line texts without je/jij/jou: %d of 384; opening with \"Je\": %d", withoutYou, openingJe);
        QVERIFY2(withoutYou <= 384 / 12, QByteArray::number(withoutYou));
        QVERIFY2(openingJe <= 384 / 5, QByteArray::number(openingJe));
    }

    void fewTextsOfAShape_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("limit");
        QTest::newRow("advice tied to a time span")
            << 128 << 64
            << u"\\b(vandaag|vanavond|vannacht|vanochtend|vanmiddag|morgen|straks|minuut|minuten|kwartier|"
               u"uur|uren|dag|dagen|week|weken|maand|maanden|jaar|jaren|avond|avonds|ochtends|nacht)\\b"_s
            << 5;
        // 77 characters is the cap of a line text.
        QTest::newRow("line texts just under the cap")
            << FirstLine << 384 << u"^.{75,77}$"_s << 384 * 15 / 100;
    }

    // A few advice texts may name a time span, but a column of them reads like a page of daily tips.
    // Line texts that all stop just short of the longest allowed length look padded to fit.
    void fewTextsOfAShape()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(QString, shape);
        QFETCH(int, limit);
        const QRegularExpression pattern(shape, QRegularExpression::CaseInsensitiveOption);
        QStringList found;
        for (int i = first; i < first + count; ++i)
            if (pattern.match(OracleTexts[std::size_t(i)]).hasMatch())
                found << QString::number(i);
        qInfo("%s: %d of %d", QTest::currentDataTag(), int(found.size()), count);
        QVERIFY2(found.size() <= limit, qPrintable(u"entries "_s + found.join(u' ')));
    }

    void contentWordsAreSpread()
    {
        const QHash<QString, int> count = textsPerWord();
        QList<std::pair<int, QString>> ranked;
        for (auto it = count.begin(); it != count.end(); ++it)
            ranked.append({ it.value(), it.key() });
        std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        QStringList top;
        for (qsizetype i = 0; i < std::min<qsizetype>(10, ranked.size()); ++i)
            top << u"%1 %2"_s.arg(ranked[i].second).arg(ranked[i].first);
        qInfo("most frequent content words (texts): %s", qPrintable(top.join(u", "_s)));
        QStringList over;
        for (const auto &[n, w] : ranked)
            if (n > WordLimit)
                over << u"%1 %2"_s.arg(w).arg(n);
        QVERIFY2(over.isEmpty(), qPrintable(over.join(u", "_s)));
    }

    // The same run of three or four words in two hexagrams is a reused phrase, unless it has fewer
    // than two content words. Three words are enough for a stock formula such as "je spijt verdwijnt".
    void noPhraseInTwoHexagrams()
    {
        QHash<QString, QSet<int>> where;
        for (int i = FirstProse; i < Entries; ++i) {
            const QStringList w = wordsOf(OracleTexts[std::size_t(i)]);
            for (qsizetype n : { 3, 4 }) {
                for (qsizetype k = 0; k + n <= w.size(); ++k) {
                    const QStringList run = w.mid(k, n);
                    if (std::count_if(run.begin(), run.end(), [](const QString &s) { return !isStopWord(s); })
                        >= 2)
                        where[run.join(u' ')].insert(hexagramOf(i));
                }
            }
        }
        QStringList shared;
        for (auto it = where.begin(); it != where.end(); ++it)
            if (it.value().size() > 1)
                shared << it.key();
        shared.sort();
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u" | "_s)));
    }
};

QTEST_GUILESS_MAIN(TestTextForm)
#include "tst_textform.moc"
