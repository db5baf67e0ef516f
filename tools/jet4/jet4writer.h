// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

// Writes Jet 4 (Access 2000) database files from tables held in memory.
namespace jet4 {

// Column type codes as stored in the table definition.
enum class ColumnType : std::uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,      // 16-bit
    LongInteger = 0x04,  // 32-bit
    Double = 0x07,
    DateTime = 0x08,     // double, days since 1899-12-30
    Binary = 0x09,       // up to 255 bytes
    Text = 0x0A,         // up to 255 characters
    OleObject = 0x0B,    // long binary
    Memo = 0x0C,         // long text
};

struct Column {
    QString name;
    ColumnType type = ColumnType::Text;
    int textLength = 255;  // characters for Text, bytes for Binary
};

// A cell: null, or the value that fits the column's type
// (bool: Boolean; int32: Byte, Integer, LongInteger; double: Double, DateTime;
//  QString: Text, Memo; QByteArray: Binary, OleObject).
using Value = std::variant<std::monostate, bool, std::int32_t, double, QString, QByteArray>;
using Row = std::vector<Value>;

struct Table {
    QString name;
    std::vector<Column> columns;
    std::vector<Row> rows;
    bool system = false;  // listed as a system table (MSys…)
};

struct Database {
    std::vector<Table> tables;
    QString password;          // database password; empty for none (at most 20 characters)
    double creationDate = 0;   // days since 1899-12-30; also masks the password
    bool workgroup = false;    // signed "Jet System DB", as Access signs its workgroup files
};

// The whole file image. Throws std::invalid_argument for a table the format cannot hold
// (a value of the wrong type, a text longer than its column, a name over 64 characters).
[[nodiscard]] QByteArray writeDatabase(const Database &database);

} // namespace jet4
