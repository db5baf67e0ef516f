#include "propertyblock.h"

#include "bytes.h"

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
    bytes::appendUcs2(data, value);
    m_properties.push_back({name, kTextType, data});
}

void PropertyBlock::addLong(const QString &name, std::int32_t value)
{
    QByteArray data;
    bytes::append32(data, std::uint32_t(value));
    m_properties.push_back({name, kLongType, data});
}

QByteArray PropertyBlock::bytes() const
{
    QByteArray out("MR2", 4);

    QByteArray names;
    for (const Property &property : m_properties) {
        bytes::append16(names, std::uint16_t(property.name.size() * 2));
        bytes::appendUcs2(names, property.name);
    }
    bytes::append32(out, std::uint32_t(6 + names.size()));
    bytes::append16(out, kNameChunk);
    out.append(names);

    QByteArray values;
    bytes::append32(values, 6);
    bytes::append16(values, 0);
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        const Property &property = m_properties[i];
        bytes::append16(values, std::uint16_t(8 + property.value.size()));
        values.append('\0');
        values.append(char(property.type));
        bytes::append16(values, std::uint16_t(i));
        bytes::append16(values, std::uint16_t(property.value.size()));
        values.append(property.value);
    }
    bytes::append32(out, std::uint32_t(6 + values.size()));
    bytes::append16(out, kValueChunk);
    out.append(values);
    return out;
}

} // namespace jet4
