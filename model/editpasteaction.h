#pragma once

#include <model/editinsertaction.h>

#include <cstdint>
#include <memory>
#include <span>

// Drops things read from a clipboard block: they follow the mouse from their top-left corner
// and go into the document where the drag ends, taking out the components and tags they land
// on exactly.
class EditPasteAction : public EditInsertAction
{
public:
    // The things belong to the document, are selected and stay owned by the action until they
    // are pasted; the start and end points lie at their top-left corner.
    EditPasteAction(TCircuitDocument &document, ThingLists things);
    // Null when the block is damaged or no clipboard record; the document is left alone.
    static std::unique_ptr<EditPasteAction> fromClipboard(TCircuitDocument &document,
                                                          std::span<const std::uint8_t> block);

    // The end point follows the mouse; the start stays at the things' corner.
    void track(DrawSurface &surface, Point start, Point end) override;
    bool hasEffect() const override { return !m_added.isEmpty(); }
    const char *name() const override { return "Paste"; }

protected:
    // Shifts the things by the drag.
    void arrange() override;
};
