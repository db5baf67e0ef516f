// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

class SignPainter;

// One sign picture: its id (the file is <id>.jpg), its name, how to paint it and the
// picture's size in pixels.
struct SignEntry {
    QStringView id;
    QStringView name;
    void (*paint)(SignPainter &painter);
    QSize size;
};

// Every sign picture of the question bank.
class SignCatalog {
public:
    [[nodiscard]] static std::span<const SignEntry> entries();
    // nullptr when no sign has that id.
    [[nodiscard]] static const SignEntry *find(QStringView id);
    [[nodiscard]] static QString fileName(const SignEntry &entry);
    // What keeps the painted files and the given list of file names from being the same
    // set, one message per file; empty when they match.
    [[nodiscard]] static QStringList differences(const QStringList &fileNames);
    // The painted picture, RGB on white. Throws SignError naming the sign on failure.
    [[nodiscard]] static QImage render(const SignEntry &entry);
};
