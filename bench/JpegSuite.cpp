// The JPEG decoder on hostile files: the slowest of them against decoding the largest picture
// the decoder accepts, a 1024 x 1024 colour photograph of noise at full quality.
#include "JpegImage.h"
#include "JpegMaker.h"
#include "Report.h"
#include "Suites.h"
#include "Timed.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

double decodeMs(const QByteArray &bytes)
{
    return timed([&] {
        const QImage image = decodeJpeg(bytes);
        Q_UNUSED(image);
    });
}

// A file grown by repeating one scan until it is just under the size limit.
QByteArray repeatedToTheLimit(const QByteArray &jpeg, bool first)
{
    QByteArray grown = jpeg;
    for (int times = 1; times < 1000; ++times) {
        const QByteArray next = JpegMaker::withScanRepeated(jpeg, times, first);
        if (next.size() > JpegLimits::MaximumBytes)
            break;
        grown = next;
    }
    return grown;
}

} // namespace

void runJpegSuite(const BenchConfig &config, Report &report)
{
    using namespace JpegMaker;
    const int side = int(JpegLimits::MaximumSide);
    const QByteArray largest = make(side, side, 3, 0, 100, true);
    const QByteArray hostile[] = {
        withClaimedSize(make(16, 16), 8192, 8192),
        withScanRepeated(withClaimedSize(make(16, 16, 3, 10), 8192, 8192), 200),
        withScanRepeated(withClaimedSize(make(16, 16, 3, 10), side, side), 200),
        make(side, side, 3, 190),
        withScanRepeated(make(side, side, 3, 10), 200),
        repeatedToTheLimit(make(side, side, 3, 4, 100, true), true),
        repeatedToTheLimit(make(side, side, 1, 2, 100, true), false),
    };
    std::vector<double> worst, floors;
    for (int round = 0; round < config.rounds; ++round) {
        double slowest = 0;
        for (const QByteArray &file : hostile)
            slowest = std::max(slowest, decodeMs(file));
        worst.push_back(slowest);
        floors.push_back(decodeMs(largest));
    }
    report.add("jpeg: slowest hostile file", "ms", worst, "largest valid picture", floors, 0);
}
