// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <mdbtools.h>

// A Jet database file held whole in memory and opened read-only by libmdb over that buffer.
// Owns both the bytes and the libmdb handle; libmdb reads the bytes for as long as it lives.
// Internal to the bank library: it exposes libmdb's types.
class MdbImage {
public:
    // Throws BankError (naming `fileName`) when libmdb does not take the bytes as a Jet database.
    MdbImage(QByteArray bytes, const QString &fileName);
    ~MdbImage();
    MdbImage(const MdbImage &) = delete;
    MdbImage &operator=(const MdbImage &) = delete;

    [[nodiscard]] MdbHandle *handle() const { return m_handle; }
    [[nodiscard]] const QString &fileName() const { return m_fileName; }
    [[nodiscard]] bool isJet3() const;
    [[nodiscard]] int pageSize() const;
    [[nodiscard]] quint32 pageCount() const;
    // Offset of the 2-byte row count on a data page; the row offset table follows it.
    [[nodiscard]] int rowCountOffset() const;

    // One whole page as libmdb sees it (decoded when the file is page-encoded); empty when
    // the page lies beyond the end of the file. Valid until the next call and until the
    // next libmdb call that reads a spare page.
    [[nodiscard]] QByteArrayView page(quint32 number) const;

    // The data page `number` read into libmdb's page buffer, where mdb_crack_row works;
    // false when it lies beyond the end of the file.
    [[nodiscard]] bool loadPage(quint32 number) const;

private:
    QByteArray m_bytes;
    QString m_fileName;
    MdbHandle *m_handle = nullptr;
};

// libmdb reports what it finds odd in a file on the standard error stream and goes on. The
// bank layer checks what matters itself and turns it into a BankError; while one of these
// lives, the library's own remarks are dropped, so that none reaches the trainee's terminal.
// Nested guards share the outermost one. Set DRVQ_LIBRARY_OUTPUT=1 to see the remarks.
class QuietLibrary {
public:
    QuietLibrary();
    ~QuietLibrary();
    QuietLibrary(const QuietLibrary &) = delete;
    QuietLibrary &operator=(const QuietLibrary &) = delete;

private:
    int m_savedStderr = -1;
};
