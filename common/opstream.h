#pragma once

#include <common/tstreamablebase.h>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

// Output object stream into memory. The bytes are handed to a file or to the clipboard by the
// caller once the whole record has been written.
class opstream
{
public:
    opstream();

    void writeByte(std::uint8_t value);
    void writeWord16(std::uint16_t value);
    void writeWord32(std::uint32_t value);
    void writeInt32(std::int32_t value);
    void writeBool32(bool value) { writeWord32(value ? 1 : 0); }
    void writeDouble(double value);
    void writeBytes(const void *data, std::size_t size);
    void writeString(std::string_view text);

    // The base-class part of a record: the base's version word, then the base's own record.
    // Call as os.writeBase(Base::classVersion, [&] { Base::write(os); }) or through writeBaseOf.
    template<typename Base, typename Derived>
    void writeBaseOf(const Derived &object)
    {
        writeWord32(Base::classVersion);
        object.Base::write(*this);
    }

    // A framed object: class name, class version, record.
    void writeObject(const TStreamableBase &object);
    // Null, a new object in full, or a reference to an object written earlier as a pointer.
    void writePointer(const TStreamableBase *object);

    const std::vector<std::uint8_t> &bytes() const { return m_bytes; }
    std::vector<std::uint8_t> takeBytes() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
    std::unordered_map<const TStreamableBase *, std::uint32_t> m_written;
};
