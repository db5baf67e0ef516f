// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class TDataSet;

// A column of a dataset's current record, by name.
class TField {
public:
    TField(const TDataSet *dataSet, int column) : m_dataSet(dataSet), m_column(column) {}

    [[nodiscard]] QString AsString() const;
    [[nodiscard]] qint64 AsInteger() const;
    [[nodiscard]] QByteArray AsBytes() const;
    [[nodiscard]] bool IsNull() const;
    // Copies a blob byte for byte into the stream.
    void SaveToStream(QIODevice &stream) const;

private:
    const TDataSet *m_dataSet;
    int m_column;
};
