#include "opstream.h"

#include <common/streamformat.h>

#include <bit>
#include <cstring>

opstream::opstream()
{
    writeBytes(StreamFormat::magic, sizeof StreamFormat::magic);
    writeWord32(StreamFormat::version);
}

void opstream::writeByte(std::uint8_t value)
{
    m_bytes.push_back(value);
}

void opstream::writeWord16(std::uint16_t value)
{
    writeByte(static_cast<std::uint8_t>(value));
    writeByte(static_cast<std::uint8_t>(value >> 8));
}

void opstream::writeWord32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        writeByte(static_cast<std::uint8_t>(value >> shift));
}

void opstream::writeInt32(std::int32_t value)
{
    writeWord32(static_cast<std::uint32_t>(value));
}

void opstream::writeDouble(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8)
        writeByte(static_cast<std::uint8_t>(bits >> shift));
}

void opstream::writeBytes(const void *data, std::size_t size)
{
    const auto *first = static_cast<const std::uint8_t *>(data);
    m_bytes.insert(m_bytes.end(), first, first + size);
}

void opstream::writeString(std::string_view text)
{
    writeWord32(static_cast<std::uint32_t>(text.size()));
    writeBytes(text.data(), text.size());
}

void opstream::writeObject(const TStreamableBase &object)
{
    writeByte(StreamFormat::ObjectBegin);
    writeString(object.streamableName());
    writeWord32(object.streamableVersion());
    object.write(*this);
    writeByte(StreamFormat::ObjectEnd);
}

void opstream::writePointer(const TStreamableBase *object)
{
    if (!object) {
        writeByte(StreamFormat::PointerNull);
        return;
    }
    if (const auto it = m_written.find(object); it != m_written.end()) {
        writeByte(StreamFormat::PointerReference);
        writeWord32(it->second);
        return;
    }
    m_written.emplace(object, static_cast<std::uint32_t>(m_written.size()));
    writeByte(StreamFormat::PointerNew);
    writeObject(*object);
}
