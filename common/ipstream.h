#pragma once

#include <common/tstreamablebase.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Input object stream over a block of bytes. Every read is checked against what the stream
// still holds; the first problem (truncation, an unknown class name, a bad reference, a record
// that does not end where its frame says) puts the stream into its failure state, which keeps
// the reason and the byte offset. After a failure every read answers zero or empty and
// atEnd() is true, so readers can finish their loops without extra checks.
class ipstream
{
public:
    explicit ipstream(std::vector<std::uint8_t> bytes);
    explicit ipstream(std::span<const std::uint8_t> bytes);

    bool good() const { return m_error.empty(); }
    bool failed() const { return !good(); }
    // True when every byte has been read, or after a failure.
    bool atEnd() const { return failed() || m_position >= m_bytes.size(); }
    const std::string &errorText() const { return m_error; }
    std::size_t errorOffset() const { return m_errorOffset; }
    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return failed() ? 0 : m_bytes.size() - m_position; }
    // The format version found in the stream's header.
    std::uint32_t formatVersion() const { return m_formatVersion; }

    // Enters the failure state (the first reason is kept).
    void fail(std::string reason);

    std::uint8_t readByte();
    std::uint16_t readWord16();
    std::uint32_t readWord32();
    std::int32_t readInt32();
    bool readBool32() { return readWord32() != 0; }
    double readDouble();
    // Reads exactly size bytes, or fails and answers an empty block.
    std::vector<std::uint8_t> readBytes(std::size_t size);
    std::string readString();

    // A count of items that follow, each taking at least minBytesPerItem bytes; a count that the
    // rest of the stream cannot hold is a failure (answered as 0).
    std::uint32_t readCount(std::size_t minBytesPerItem);

    // The version word of a base-class part (0 for a stream of format version 0).
    std::uint32_t readBaseVersion();
    template<typename Base, typename Derived>
    void readBaseOf(Derived &object)
    {
        const std::uint32_t version = readBaseVersion();
        object.Base::read(*this, version);
    }

    // Reads a framed object into an existing instance; the class name in the stream must be the
    // instance's own. Answers false (and fails the stream) otherwise.
    bool readObject(TStreamableBase &object);

    // Reads an object pointer whose object the caller is to own: null, or a new object of a
    // registered class that is a T. A reference to an object read earlier, an unknown class or
    // a class of another kind fails the stream.
    template<typename T>
    std::unique_ptr<T> readOwnedPointer()
    {
        std::unique_ptr<TStreamableBase> object = readOwnedPointerBase();
        if (!object)
            return nullptr;
        if (auto *typed = dynamic_cast<T *>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        fail("unexpected object of class \"" + std::string(object->streamableName()) + "\"");
        return nullptr;
    }

private:
    bool require(std::size_t size);
    std::unique_ptr<TStreamableBase> readOwnedPointerBase();
    // Reads the frame of an object and its record into the given instance.
    bool readFramedRecord(TStreamableBase &object, std::uint32_t version);
    std::string readClassName();

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    std::uint32_t m_formatVersion = 0;
    std::uint32_t m_pointersRead = 0;
    int m_depth = 0;
    std::string m_error;
    std::size_t m_errorOffset = 0;
};
