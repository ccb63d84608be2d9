#pragma once

#include <QByteArrayView>
#include <QImage>

// What one file may cost. The program decodes only its own small picture, but the decoder takes
// any bytes: with these no file costs more than about 100 ms or 32 MB, whatever its header
// claims or however many scans it repeats.
namespace JpegLimits {
inline constexpr unsigned MaximumSide = 1024;
// A progressive file has about ten scans; libjpeg reads a repeated one again each time.
inline constexpr int MaximumScans = 32;
// A 1024 x 1024 photograph at the highest quality takes about 2 MB.
inline constexpr qsizetype MaximumBytes = 4 * 1024 * 1024;
// libjpeg's own buffers (a progressive file keeps all its coefficients: 6 MB at the largest).
inline constexpr long MaximumDecoderMemory = 16L * 1024 * 1024;
} // namespace JpegLimits

// Decodes a JPEG file held in memory with libjpeg. Anything libjpeg cannot read completely and
// cleanly (not a JPEG, truncated, corrupt data, an unsupported colour space) or that passes a
// limit above gives a null image; the decoder never ends the process as libjpeg's default
// error handler would.
QImage decodeJpeg(QByteArrayView data);
