#pragma once

#include <model/depsrcdialogdata.h>
#include <model/parameterdialogs.h>
#include <model/tcircuitdocument.h>

#include <support/tempfolder.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Parameter dialogs whose answers a test scripts: each dialog runs the given edit on the data
// and answers whether it confirms. Unscripted dialogs cancel.
class ScriptedDialogs : public ParameterDialogs
{
public:
    std::function<bool(PassCompDialogData &)> passComp;
    std::function<bool(NameSideDialogData &)> indepSrc;
    std::function<bool(DepSrcDialogData &)> depSrc;
    std::function<bool(NameSideDialogData &)> circTag;
    std::function<bool(TextBoxEditorData &)> textBox;
    int opened = 0;

    bool passCompDialog(PassCompDialogData &data) override { return run(passComp, data); }
    bool indepSrcDialog(NameSideDialogData &data) override { return run(indepSrc, data); }
    bool depSrcDialog(DepSrcDialogData &data) override { return run(depSrc, data); }
    bool circTagDialog(NameSideDialogData &data) override { return run(circTag, data); }
    bool textBoxEditor(TextBoxEditorData &data) override { return run(textBox, data); }

private:
    template<typename Data>
    bool run(const std::function<bool(Data &)> &script, Data &data)
    {
        ++opened;
        return script ? script(data) : false;
    }
};

// A listener that records what it is told, as "code:argument".
class RecordingListener : public DocumentListener
{
public:
    std::vector<std::string> told;
    void notify(DocumentNotification code, int argument) override
    {
        told.push_back(std::to_string(static_cast<int>(code)) + ":" + std::to_string(argument));
    }
};

// A new thing of class T between two points, with a name, owned by no document yet.
template<typename T>
std::unique_ptr<T> placedThing(Point first, Point second, const char *name = "",
                               LabelSide side = LabelSide::Default)
{
    auto thing = std::make_unique<T>();
    thing->setLabelSide(side);
    thing->place(first, second, nullptr);
    thing->setName(labelUnit(name));
    return thing;
}

// One line per thing with everything its record stores: class, name, points, label side and
// label point, and the class's own fields.
std::string thingSignature(const CircThing &thing);
// The document's stored settings in one line.
std::string settingsSignature(const TCircuitDocument &document);
// The signatures of all things, components then tags then tools.
std::vector<std::string> circuitSignature(const TCircuitDocument &document);

// The thing's record as the object stream frames it, as a string of bytes.
std::string thingRecord(const CircThing &thing);
// The records of all things of the document, sorted: equal for two documents that hold the
// same things whatever the order of their lists.
std::vector<std::string> sortedRecords(const TCircuitDocument &document);

// A document holding one thing of every class, with values that differ from the defaults.
void buildEveryKind(TCircuitDocument &document);

std::vector<std::uint8_t> documentBytes(const TCircuitDocument &document);
// Reads the bytes into the document; answers the stream's error text (empty when good).
std::string readDocumentBytes(TCircuitDocument &document, const std::vector<std::uint8_t> &bytes);
