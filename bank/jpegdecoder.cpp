// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegdecoder.h"

#include "bankerror.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. It jumps back
// to decodeRgb(), and decode() turns the message into an exception outside the library's frames.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// Pictures larger than this are refused before any memory is allocated for them.
constexpr JDIMENSION kMaxSide = 8192;

enum class Outcome { Decoded, Unreadable, TooLarge };

// Runs libjpeg between setjmp and a possible longjmp. Its own locals are plain C data and
// it owns no object with a destructor, so the jump skips nothing; the picture goes into the
// caller's objects, which the jump does not touch.
Outcome decodeRgb(const unsigned char *jpeg, unsigned long size, ErrorManager &errors, DecodedJpeg &result)
{
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return Outcome::Unreadable;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
        result.width = static_cast<int>(info.image_width);
        result.height = static_cast<int>(info.image_height);
        jpeg_destroy_decompress(&info);
        return Outcome::TooLarge;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.rgb.resize(qsizetype(result.width) * 3 * result.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(result.rgb.data()) + std::size_t(result.width) * 3 * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Outcome::Decoded;
}

} // namespace

DecodedJpeg JpegDecoder::decode(QByteArrayView jpeg, const QString &what)
{
    if (jpeg.isEmpty())
        throw BankError(QCoreApplication::translate("JpegDecoder", "%1: the picture is empty, not a JPEG image")
                            .arg(what));

    ErrorManager errors{};
    DecodedJpeg result;
    switch (decodeRgb(reinterpret_cast<const unsigned char *>(jpeg.data()), static_cast<unsigned long>(jpeg.size()),
                      errors, result)) {
    case Outcome::Decoded:
        return result;
    case Outcome::TooLarge:
        throw BankError(QCoreApplication::translate("JpegDecoder", "%1: picture of %2 x %3 pixels is too large")
                            .arg(what).arg(result.width).arg(result.height));
    case Outcome::Unreadable:
        break;
    }
    throw BankError(QCoreApplication::translate("JpegDecoder", "%1: not a readable JPEG image (%2)")
                        .arg(what, QString::fromLocal8Bit(errors.message)));
}
