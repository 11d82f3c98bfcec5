#pragma once

#include <cstdint>

class ipstream;
class opstream;

// Base of every class that is written to an object stream. A class writes its own fields in
// write(); a base class part is written first as its version word followed by the base's record
// (opstream::writeBase / ipstream::readBase). read() receives the class version found in the
// stream and must accept every older version of the record.
class TStreamableBase
{
public:
    virtual ~TStreamableBase() = default;

    // The name under which the class is registered with TStreamableClass.
    virtual const char *streamableName() const = 0;
    // The version of the record that write() produces.
    virtual std::uint32_t streamableVersion() const = 0;

    virtual void write(opstream &os) const = 0;
    virtual void read(ipstream &is, std::uint32_t version) = 0;

protected:
    TStreamableBase() = default;
    TStreamableBase(const TStreamableBase &) = default;
    TStreamableBase &operator=(const TStreamableBase &) = default;
};

// Declares the stream identity of a persistent class: its registered name, its record version
// and the two record functions, which the class defines in its source file.
#define ZENODYNE_STREAMABLE(ClassName, Version)                                                    \
public:                                                                                            \
    static constexpr const char *className = #ClassName;                                           \
    static constexpr std::uint32_t classVersion = Version;                                         \
    const char *streamableName() const override                                                    \
    {                                                                                              \
        return className;                                                                          \
    }                                                                                              \
    std::uint32_t streamableVersion() const override                                               \
    {                                                                                              \
        return classVersion;                                                                       \
    }                                                                                              \
    void write(opstream &os) const override;                                                       \
    void read(ipstream &is, std::uint32_t version) override;

// Defines the record functions of a class whose record is only its base part (the source file
// includes <common/ipstream.h> and <common/opstream.h>).
// clang-format off
#define ZENODYNE_BASE_RECORD(ClassName, BaseName)                                                  \
    void ClassName::write(opstream &os) const { os.writeBaseOf<BaseName>(*this); }                 \
    void ClassName::read(ipstream &is, std::uint32_t) { is.readBaseOf<BaseName>(*this); }
// clang-format on
