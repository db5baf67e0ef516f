// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "signdisplay.h"

#include "picturebox.h"
#include "picturetempfile.h"

#include "blanks.h"
#include "jpegdecoder.h"
#include "tdm.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstring>

void SignDisplay::show(PictureBox &image, const QString &signName)
{
    image.clearPicture();
    if (trimBlanks(signName).isEmpty())
        return;

    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    TADOTable &table = *Dm->ado_biaozhi;
    table.setFiltered(false);
    table.setFilter(filterFor(signName));  // the name as stored, blanks and all
    table.setFiltered(true);
    if (table.RecordCount() > 0) {
        Dm->ado_biaozhifiles().SaveToStream(stream);
        PictureTempFile &file = PictureTempFile::instance();
        file.rewrite(stream.data());
        image.setPicture(decode(file.readAll(), QCoreApplication::translate("SignDisplay", "Sign picture \"%1\"").arg(signName)));
    }
    image.setTransparent(false);
}

QString SignDisplay::filterFor(const QString &signName)
{
    QString quoted = signName;
    quoted.replace(u'\'', QStringLiteral("''"));
    return QStringLiteral("filename='") + quoted + u'\'';
}

QImage SignDisplay::decode(const QByteArray &jpeg, const QString &what)
{
    const DecodedJpeg decoded = JpegDecoder::decode(jpeg, what);
    // The rows are packed; QImage wants each row on a four-byte boundary, so copy row by row.
    QImage picture(decoded.width, decoded.height, QImage::Format_RGB888);
    const qsizetype stride = qsizetype(decoded.width) * 3;
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(picture.scanLine(y), decoded.rgb.constData() + stride * y, size_t(stride));
    return picture;
}
