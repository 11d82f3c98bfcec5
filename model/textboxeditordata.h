#pragma once

#include <model/fwd.h>

#include <string>

// "Text Box Editor": the Rich Text Format document of a text block.
struct TextBoxEditorData
{
    std::string rtf;

    static TextBoxEditorData from(const TextBlock &block);
    void applyTo(TextBlock &block) const;
};
