// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertyblock.h"

#include "jetformat.h"

namespace jet4 {
namespace {
constexpr std::uint8_t kLongType = 0x04;
constexpr std::uint8_t kTextType = 0x0A;
constexpr std::uint16_t kNameChunk = 0x0080;
constexpr std::uint16_t kValueChunk = 0x0000;
} // namespace

void PropertyBlock::addText(const QString &name, const QString &value)
{
    QByteArray data;
    jet::appendUcs2(data, value);
    m_properties.push_back({name, kTextType, data});
}

void PropertyBlock::addLong(const QString &name, std::int32_t value)
{
    QByteArray data;
    jet::append32(data, std::uint32_t(value));
    m_properties.push_back({name, kLongType, data});
}

QByteArray PropertyBlock::bytes() const
{
    QByteArray out("MR2", 4);

    QByteArray names;
    for (const Property &property : m_properties) {
        jet::append16(names, std::uint16_t(property.name.size() * 2));
        jet::appendUcs2(names, property.name);
    }
    jet::append32(out, std::uint32_t(6 + names.size()));
    jet::append16(out, kNameChunk);
    out.append(names);

    QByteArray values;
    jet::append32(values, 6);
    jet::append16(values, 0);
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        const Property &property = m_properties[i];
        jet::append16(values, std::uint16_t(8 + property.value.size()));
        values.append('\0');
        values.append(char(property.type));
        jet::append16(values, std::uint16_t(i));
        jet::append16(values, std::uint16_t(property.value.size()));
        values.append(property.value);
    }
    jet::append32(out, std::uint32_t(6 + values.size()));
    jet::append16(out, kValueChunk);
    out.append(values);
    return out;
}

} // namespace jet4
