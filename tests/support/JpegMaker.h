#pragma once

// Writes JPEG files with libjpeg for the decoder's tests and benchmarks: a smooth picture of any
// size, grey or colour, baseline or progressive with a chosen number of scans, so the decoder's
// limits can be tried with files that are valid in every other respect.

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace JpegMaker {

// The scans of a progressive file: one DC scan, then the 63 AC coefficients of each component
// split into as many bands as needed. Between 1 + components and 1 + 63 * components scans.
inline std::vector<jpeg_scan_info> scanScript(int components, int scans)
{
    std::vector<jpeg_scan_info> script;
    jpeg_scan_info dc {};
    dc.comps_in_scan = components;
    for (int c = 0; c < components; ++c)
        dc.component_index[c] = c;
    script.push_back(dc);
    const int acScans = scans - 1;
    for (int c = 0; c < components; ++c) {
        const int bands = acScans / components + (c < acScans % components ? 1 : 0);
        for (int b = 0; b < bands; ++b) {
            jpeg_scan_info ac {};
            ac.comps_in_scan = 1;
            ac.component_index[0] = c;
            ac.Ss = 1 + b * 63 / bands;
            ac.Se = (b + 1) * 63 / bands;
            script.push_back(ac);
        }
    }
    return script;
}

// components 1 grey, 3 colour, 4 CMYK; scans 0: a baseline file. A noisy picture gives every
// block all its coefficients, the most work per scan a decoder can meet.
inline QByteArray make(
    int width, int height, int components = 3, int scans = 0, int quality = 90, bool noisy = false)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    std::vector<jpeg_scan_info> script;
    if (scans > 0) {
        script = scanScript(components, scans);
        info.scan_info = script.data();
        info.num_scans = int(script.size());
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * std::size_t(components));
    unsigned noise = 12345;
    while (info.next_scanline < info.image_height) {
        const unsigned y = info.next_scanline;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c) {
                noise = noise * 1103515245u + 12345u;
                const unsigned value = noisy ? noise >> 24 : unsigned(x * (c + 1)) + y * unsigned(4 - c);
                row[std::size_t(x * components + c)] = static_cast<unsigned char>(value & 0xFF);
            }
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// The file with its first or last scan (from its SOS marker to the next scan or the end
// marker) written `times` more times. libjpeg accepts a repeated first-pass scan without a
// warning and decodes every copy.
inline QByteArray withScanRepeated(const QByteArray &jpeg, int times, bool first = false)
{
    const qsizetype sos = first ? jpeg.indexOf("\xFF\xDA") : jpeg.lastIndexOf("\xFF\xDA");
    if (sos < 0)
        return {};
    qsizetype end = jpeg.indexOf("\xFF\xDA", sos + 2);
    // Tables for the next scan (DHT) stand between the scans; a first scan ends there.
    const qsizetype tables = jpeg.indexOf("\xFF\xC4", sos + 2);
    if (tables >= 0 && (end < 0 || tables < end))
        end = tables;
    if (end < 0)
        end = jpeg.lastIndexOf("\xFF\xD9");
    if (end < sos)
        return {};
    const QByteArray scan = jpeg.mid(sos, end - sos);
    return jpeg.left(end) + scan.repeated(times) + jpeg.mid(end);
}

// The bytes with the frame header (SOF0 or SOF2) claiming another size.
inline QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0)
        sof = jpeg.indexOf("\xFF\xC2");
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

} // namespace JpegMaker
