// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The bank sources' text format: records separated by blank lines, each line
// "field: value"; a line starting with two blanks continues the value on a new line (CR LF);
// a value in double quotes carries C-style escapes; '#' starts a comment line.
struct RecordField {
    QString name;   // as written
    QString value;
    int line = 0;
    bool quoted = false;  // written in double quotes: taken exactly as it stands
};

struct Record {
    std::vector<RecordField> fields;
    int line = 0;  // of the first field

    // The field with this name, ignoring case; nullptr when absent.
    [[nodiscard]] const RecordField *find(const QString &name) const;
};

class RecordFile {
public:
    // Parses `text`; throws SourceError naming `fileName` and the line for malformed input.
    [[nodiscard]] static std::vector<Record> parse(const QString &text, const QString &fileName);

    // Writes one "field: value" entry, quoting the value when the plain form would not
    // read back the same.
    // `quoted` forces the quoted form, which is read back exactly as it stands.
    [[nodiscard]] static QString formatField(const QString &name, const QString &value, bool quoted = false);
};
