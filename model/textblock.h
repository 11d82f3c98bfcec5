#pragma once

#include <model/circtool.h>

#include <string>
#include <string_view>

// Free text on the sheet. The text is a Rich Text Format document, edited in the text box
// editor; the sheet shows it in the block's rectangle, as rich text where the surface can draw
// it, otherwise as its plain text wrapped into the rectangle.
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
    // Word-wrapped to the block's width, line by line while a whole line fits.
    void paintPlainText(DrawSurface &surface, const std::string &plain) const;

    std::string m_text;
};
