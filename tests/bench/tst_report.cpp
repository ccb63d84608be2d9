// The benchmark's report: medians, ratios and verdicts, read back from the lines it prints.
#include "Report.h"

#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Everything a report printed, header included.
struct Printed
{
    std::FILE *file = std::tmpfile();
    ~Printed() { std::fclose(file); }
    QStringList lines() const
    {
        std::rewind(file);
        QStringList result;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, file))
            result.append(QString::fromUtf8(buffer).trimmed());
        return result;
    }
};

QStringList fields(const QString &line)
{
    return line.split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void medianOfSamples_data();
    void medianOfSamples();
    void figureLine_data();
    void figureLine();
    void unmeasuredFigureFails();
};

void TestReport::medianOfSamples_data()
{
    QTest::addColumn<std::vector<double>>("samples");
    QTest::addColumn<double>("expected");
    QTest::newRow("odd count, unsorted") << std::vector<double> { 9, 1, 5 } << 5.0;
    QTest::newRow("even count: mean of the middle two") << std::vector<double> { 4, 1, 3, 2 } << 2.5;
    QTest::newRow("one outlier does not move it") << std::vector<double> { 10, 11, 500 } << 11.0;
    QTest::newRow("none") << std::vector<double> {} << 0.0;
}

void TestReport::medianOfSamples()
{
    QFETCH(std::vector<double>, samples);
    QFETCH(double, expected);
    QCOMPARE(median(samples), expected);
}

void TestReport::figureLine_data()
{
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<std::vector<double>>("floors");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("within") << std::vector<double> { 20, 21, 90 } << std::vector<double> { 20, 20, 20 }
                            << 1.05 << u"1.050"_s << u"ok"_s;
    QTest::newRow("just over") << std::vector<double> { 21.1 } << std::vector<double> { 20.0 } << 1.05
                               << u"1.055"_s << u"MISSED"_s;
    QTest::newRow("no target") << std::vector<double> { 3 } << std::vector<double> { 2 } << 0.0 << u"1.500"_s
                               << u"info"_s;
}

// A line: name, value, floor, ratio, target, verdict, the ratio of the two medians.
void TestReport::figureLine()
{
    QFETCH(std::vector<double>, values);
    QFETCH(std::vector<double>, floors);
    QFETCH(double, limit);
    QFETCH(QString, ratio);
    QFETCH(QString, verdict);
    Printed out;
    Report report(out.file);
    report.add("start-up", "ms", values, "text window", floors, limit);
    const QStringList lines = out.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(fields(lines.at(0)),
        (QStringList { u"figure"_s, u"value"_s, u"floor"_s, u"ratio"_s, u"target"_s, u"verdict"_s }));
    const QStringList f = fields(lines.at(1));
    QCOMPARE(f.first(), u"start-up"_s);
    QVERIFY(f.contains(ratio));
    QCOMPARE(f.last(), verdict);
    QCOMPARE(report.missed(), verdict == u"MISSED"_s ? 1 : 0);
}

void TestReport::unmeasuredFigureFails()
{
    Printed out;
    Report report(out.file);
    report.add("answer", "ms", {}, "full repaint", { 1.0 }, 1.5);
    report.fail("start-up", "no X display");
    const QStringList lines = out.lines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(1).endsWith(u"FAILED"_s));
    QVERIFY(lines.at(2).contains(u"no X display"_s));
    QCOMPARE(report.missed(), 2);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
