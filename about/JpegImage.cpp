#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; we jump back to
// the decoding step that is running. The steps that set the jump point hold no C++ objects
// with destructors, so the jump skips nothing that needs cleaning up.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// libjpeg still counts its warnings in num_warnings; they are judged after decoding, and
// nothing is printed to stderr.
void discardOutput(j_common_ptr)
{ }

// libjpeg calls this between the rows it reads; a progressive file is read whole, scan after
// scan, before the first row comes out, so this is where a file with endless scans is stopped.
void limitScans(j_common_ptr common)
{
    const auto *info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > JpegLimits::MaximumScans)
        failDecoding(common);
}

bool createDecoder(jpeg_decompress_struct &info, ErrorManager &errors)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    return true;
}

bool readHeader(
    jpeg_decompress_struct &info, ErrorManager &errors, const unsigned char *bytes, unsigned long size)
{
    if (setjmp(errors.jump))
        return false;
    // Beyond this libjpeg would need a backing store it does not have, and fails cleanly.
    info.mem->max_memory_to_use = JpegLimits::MaximumDecoderMemory;
    jpeg_mem_src(&info, bytes, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (info.image_width > JpegLimits::MaximumSide || info.image_height > JpegLimits::MaximumSide)
        return false;
    // Grey or colour only: four-channel files cannot become RGB and cost a third more.
    if (info.num_components != 1 && info.num_components != 3)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    return info.output_components == 3;
}

bool readPixels(
    jpeg_decompress_struct &info, ErrorManager &errors, unsigned char *bits, qsizetype bytesPerLine)
{
    if (setjmp(errors.jump))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + qsizetype(info.output_scanline) * bytesPerLine;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&info);
    // libjpeg only warns about a file that ends early or carries damaged data and makes up
    // the missing pixels; such a picture counts as unreadable.
    return errors.base.num_warnings == 0;
}

} // namespace

QImage decodeJpeg(QByteArrayView data)
{
    // The work of reading a scan grows with its bytes, so the size bounds the time.
    if (data.isEmpty() || data.size() > JpegLimits::MaximumBytes)
        return {};
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.output_message = discardOutput;
    jpeg_progress_mgr progress {};
    progress.progress_monitor = limitScans;

    QImage image;
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.data());
    if (createDecoder(info, errors)) {
        // Only now: creating the decoder clears every field but the error manager.
        info.progress = &progress;
        if (readHeader(info, errors, bytes, static_cast<unsigned long>(data.size()))) {
            image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
            if (image.isNull() || !readPixels(info, errors, image.bits(), image.bytesPerLine()))
                image = QImage();
        }
    }
    jpeg_destroy_decompress(&info);
    return image;
}
