#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The clipboard as the editor sees it: the bytes of a "Circuit Objects" block
// (`ClipboardRecord`), or nothing. The front end keeps them on the system clipboard under a
// type of its own.
class EditorClipboard
{
public:
    virtual ~EditorClipboard() = default;

    // Whether the clipboard holds a "Circuit Objects" block (whatever its state).
    virtual bool hasCircuitObjects() const = 0;
    // The block's bytes; empty when there is none.
    virtual std::vector<std::uint8_t> circuitObjects() const = 0;
    // Replaces the clipboard's content with a block.
    virtual void setCircuitObjects(std::span<const std::uint8_t> block) = 0;

protected:
    EditorClipboard() = default;
};
