#include "textboxeditordata.h"

#include <model/textblock.h>

TextBoxEditorData TextBoxEditorData::from(const TextBlock &block)
{
    return {block.text()};
}

void TextBoxEditorData::applyTo(TextBlock &block) const
{
    block.setText(rtf);
}
