// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace jet4 {

// A property list as the LvProp column of MSysObjects holds it (Jet 4):
//   "MR2\0"
//   name chunk:  4 bytes chunk length, 2 bytes type 0x0080, per name 2 bytes length + UCS-2
//   value chunk: 4 bytes chunk length, 2 bytes type 0x0000,
//                4 bytes block-header length (6), 2 bytes object-name length (0),
//                per property 2 bytes entry length, 1 byte DDL flag, 1 byte data type,
//                2 bytes name index, 2 bytes value length, value
class PropertyBlock {
public:
    void addText(const QString &name, const QString &value);
    void addLong(const QString &name, std::int32_t value);
    [[nodiscard]] QByteArray bytes() const;

private:
    struct Property {
        QString name;
        std::uint8_t type;
        QByteArray value;
    };
    std::vector<Property> m_properties;
};

} // namespace jet4
