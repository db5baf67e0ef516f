// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class PictureBox;

// The road-sign picture of a question, looked up by name in the bank's sign table and
// shown in a picture control. Nothing is cached: every showing filters the table, writes
// the temporary picture file and decodes the picture again.
class SignDisplay {
public:
    // Shows the picture named `signName` (the question's SignName as stored) in `image`:
    // cleared first; a blank name ends there and leaves the control's transparency alone;
    // otherwise the first row of the sign table whose file name equals the name (blanks
    // included) is shown, none when there is no such row, and the control becomes opaque.
    // A failure (unreadable table, unwritable file, a blob that is not a JPEG image) throws,
    // leaving the picture cleared.
    static void show(PictureBox &image, const QString &signName);

    // The sign table's filter for a name: filename='name', each quote inside doubled.
    [[nodiscard]] static QString filterFor(const QString &signName);

    // A JPEG file's bytes as an image. Throws naming `what` when they are not a JPEG image.
    [[nodiscard]] static QImage decode(const QByteArray &jpeg, const QString &what);
};
