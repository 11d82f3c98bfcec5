#include "ipstream.h"

#include <common/streamformat.h>
#include <common/tstreamableclass.h>

#include <bit>
#include <cstring>

ipstream::ipstream(std::vector<std::uint8_t> bytes)
    : m_bytes(std::move(bytes))
{
    if (m_bytes.size() < sizeof StreamFormat::magic + 4
        || std::memcmp(m_bytes.data(), StreamFormat::magic, sizeof StreamFormat::magic) != 0) {
        fail("not an object stream of this program");
        return;
    }
    m_position = sizeof StreamFormat::magic;
    m_formatVersion = readWord32();
    if (m_formatVersion > StreamFormat::version)
        fail("stream format version " + std::to_string(m_formatVersion)
             + " is newer than this program reads");
}

ipstream::ipstream(std::span<const std::uint8_t> bytes)
    : ipstream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
{
}

void ipstream::fail(std::string reason)
{
    if (failed())
        return;
    m_error = reason.empty() ? std::string("stream error") : std::move(reason);
    m_errorOffset = m_position;
}

bool ipstream::require(std::size_t size)
{
    if (failed())
        return false;
    if (size > m_bytes.size() - m_position) {
        fail("unexpected end of data");
        return false;
    }
    return true;
}

std::uint8_t ipstream::readByte()
{
    if (!require(1))
        return 0;
    return m_bytes[m_position++];
}

std::uint16_t ipstream::readWord16()
{
    if (!require(2))
        return 0;
    const std::uint16_t value
        = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
    m_position += 2;
    return value;
}

std::uint32_t ipstream::readWord32()
{
    if (!require(4))
        return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | m_bytes[m_position + static_cast<std::size_t>(i)];
    m_position += 4;
    return value;
}

std::int32_t ipstream::readInt32()
{
    return static_cast<std::int32_t>(readWord32());
}

double ipstream::readDouble()
{
    if (!require(8))
        return 0.0;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | m_bytes[m_position + static_cast<std::size_t>(i)];
    m_position += 8;
    return std::bit_cast<double>(bits);
}

std::vector<std::uint8_t> ipstream::readBytes(std::size_t size)
{
    if (!require(size))
        return {};
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position);
    std::vector<std::uint8_t> block(first, first + static_cast<std::ptrdiff_t>(size));
    m_position += size;
    return block;
}

std::string ipstream::readString()
{
    const std::uint32_t length = readWord32();
    if (!require(length))
        return {};
    std::string text(reinterpret_cast<const char *>(m_bytes.data() + m_position), length);
    m_position += length;
    return text;
}

std::uint32_t ipstream::readCount(std::size_t minBytesPerItem)
{
    const std::uint32_t count = readWord32();
    if (failed())
        return 0;
    const std::size_t perItem = minBytesPerItem == 0 ? 1 : minBytesPerItem;
    if (count > remaining() / perItem) {
        fail("count of " + std::to_string(count) + " items exceeds the data that follows");
        return 0;
    }
    return count;
}

std::uint32_t ipstream::readBaseVersion()
{
    return m_formatVersion > 0 ? readWord32() : 0;
}

std::string ipstream::readClassName()
{
    if (readByte() != StreamFormat::ObjectBegin) {
        fail("object frame expected");
        return {};
    }
    return readString();
}

bool ipstream::readFramedRecord(TStreamableBase &object, std::uint32_t version)
{
    if (version > object.streamableVersion()) {
        fail("record version " + std::to_string(version) + " of class \"" + object.streamableName()
             + "\" is newer than this program reads");
        return false;
    }
    if (m_depth >= StreamFormat::maxObjectDepth) {
        fail("objects nested too deeply");
        return false;
    }
    ++m_depth;
    object.read(*this, version);
    --m_depth;
    if (readByte() != StreamFormat::ObjectEnd) {
        fail("record of class \"" + std::string(object.streamableName())
             + "\" does not end where expected");
        return false;
    }
    return good();
}

bool ipstream::readObject(TStreamableBase &object)
{
    const std::string name = readClassName();
    if (failed())
        return false;
    if (name != object.streamableName()) {
        fail("object of class \"" + std::string(object.streamableName()) + "\" expected, found \""
             + name + "\"");
        return false;
    }
    const std::uint32_t version = readWord32();
    return !failed() && readFramedRecord(object, version);
}

std::unique_ptr<TStreamableBase> ipstream::readOwnedPointerBase()
{
    const std::uint8_t kind = readByte();
    if (failed() || kind == StreamFormat::PointerNull)
        return nullptr;
    if (kind == StreamFormat::PointerReference) {
        const std::uint32_t index = readWord32();
        fail(index < m_pointersRead ? "shared object reference where an own object is expected"
                                    : "bad object reference");
        return nullptr;
    }
    if (kind != StreamFormat::PointerNew) {
        fail("bad object pointer");
        return nullptr;
    }
    const std::string name = readClassName();
    if (failed())
        return nullptr;
    const TStreamableClass::Builder builder = TStreamableClass::find(name);
    if (!builder) {
        fail("unknown class name \"" + name + "\"");
        return nullptr;
    }
    const std::uint32_t version = readWord32();
    if (failed())
        return nullptr;
    ++m_pointersRead;
    std::unique_ptr<TStreamableBase> object = builder();
    if (!readFramedRecord(*object, version))
        return nullptr;
    return object;
}
