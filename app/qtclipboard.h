#pragma once

#include <editor/editorclipboard.h>

#include <QString>

// The system clipboard as the editor's clipboard: a "Circuit Objects" block travels under a
// MIME type of the program's own, so that it passes between documents and between running
// programs.
class QtClipboard : public EditorClipboard
{
public:
    static QString mimeType();

    bool hasCircuitObjects() const override;
    std::vector<std::uint8_t> circuitObjects() const override;
    void setCircuitObjects(std::span<const std::uint8_t> block) override;
};
