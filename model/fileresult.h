#pragma once

#include <cstddef>
#include <string>

// The outcome of reading or writing a circuit file. A damaged file has been read up to the
// failure: the document holds what came before it, and the reason and the byte offset say
// where reading stopped.
struct FileResult
{
    enum class Status { Ok, Unreadable, Damaged, Unwritable };

    Status status = Status::Ok;
    std::string reason;
    std::size_t offset = 0;

    bool ok() const { return status == Status::Ok; }
};
