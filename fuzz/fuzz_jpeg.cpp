// Arbitrary bytes as the About window's picture. Beyond not crashing or leaking: a picture the
// decoder accepts is within its limits, and no file may take long or allocate much (scripts/fuzz
// runs this target with a time-out and an allocation limit).
#include "JpegImage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage image = decodeJpeg(QByteArrayView(data, qsizetype(size)));
    if (image.isNull())
        return 0;
    if (image.width() < 1 || image.height() < 1 || image.width() > int(JpegLimits::MaximumSide)
        || image.height() > int(JpegLimits::MaximumSide) || image.format() != QImage::Format_RGB888)
        std::abort();
    return 0;
}
