#pragma once

#include <model/circtool.h>

#include <string>
#include <string_view>

// Free text on the sheet. The text is a Rich Text Format document, edited in the text box
// editor; the sheet shows its plain text wrapped into the block's rectangle.
class TextBlock : public CircTool
{
    ZENODYNE_STREAMABLE(TextBlock, 1)

public:
    // Space between the rectangle and the text.
    static constexpr int margin = 2;

    bool editParameters(ParameterDialogs &dialogs) override;
    void paint(DrawSurface &surface) const override;
    const char *helpTopicTitle() const override { return "Text Block"; }

    const std::string &text() const { return m_text; }
    void setText(std::string_view rtf) { m_text.assign(rtf); }

private:
    std::string m_text;
};
