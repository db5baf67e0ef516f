// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegencoder.h"

#include "signerror.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the caller
// with the library's message instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings would go to stderr; a generator run should print only its own messages.
void onMessage(j_common_ptr) {}

// Holds only trivially destructible locals, so the longjmp out of libjpeg skips no destructor.
// On success *out is a malloc'd buffer the caller frees; on failure message holds the cause.
bool compressRgb(const unsigned char *rgb, int width, int height, int stride, int quality,
                 unsigned char **out, unsigned long *outSize, char *message)
{
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;
    errors.message[0] = '\0';
    *out = nullptr;
    *outSize = 0;

    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(*out);
        *out = nullptr;
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }

    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Signs are small with hard red and blue edges; halving the chroma would blur them.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(cinfo.next_scanline) * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

JpegEncoder::JpegEncoder(int quality)
    : m_quality(qBound(1, quality, 100))
{
}

QByteArray JpegEncoder::encode(const QImage &image) const
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw SignError(QCoreApplication::translate("JpegEncoder", "JPEG encoding: the picture is empty"));

    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX];
    if (!compressRgb(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()),
                     m_quality, &buffer, &size, message)) {
        throw SignError(QCoreApplication::translate("JpegEncoder", "JPEG encoding of a %1×%2 picture failed: %3")
                            .arg(rgb.width()).arg(rgb.height()).arg(QString::fromLocal8Bit(message)));
    }
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}
