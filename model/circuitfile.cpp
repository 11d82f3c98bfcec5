#include "circuitfile.h"

#include "lastonplace.h"

#include <model/modelstreamables.h>
#include <model/tcircuitdocument.h>
#include <model/thingrecords.h>

#include <common/filebytes.h>

namespace CircuitFile {

namespace {

using ThingRecords::readList;
using ThingRecords::writeList;

FileResult streamResult(const ipstream &is)
{
    if (is.good())
        return {};
    return {FileResult::Status::Damaged, is.errorText(), is.errorOffset()};
}

} // namespace

void write(const TCircuitDocument &document, opstream &os)
{
    os.writeWord32(documentVersion);
    os.writeInt32(document.startPage());
    os.writeInt32(document.pageCount().width);
    os.writeInt32(document.pageCount().height);
    os.writeBool32(document.numbersLeftToRight());
    const PrinterSettings &printer = document.printerSettings();
    os.writeInt32(printer.orientation);
    os.writeInt32(printer.paperSize);
    os.writeInt32(printer.paperLength);
    os.writeInt32(printer.paperWidth);
    os.writeBool32(document.showsComponentNames());
    os.writeBool32(document.showsComponentValues());
    os.writeWord16(document.solverParameter());
    os.writeWord16(document.significandBytes());
    writeList(os, document.components());
    writeList(os, document.tags());
    writeList(os, document.tools());
}

// Each group of settings is applied only when it was read whole, so that a file cut short
// keeps the defaults for what it lacks.
void read(TCircuitDocument &document, ipstream &is)
{
    registerModelStreamables();
    const std::uint32_t version = is.readWord32();
    const std::int32_t startPage = is.readInt32();
    const Size pageCount{is.readInt32(), is.readInt32()};
    const bool leftToRight = is.readBool32();
    if (!is.good())
        return;
    document.setStartPage(startPage);
    document.setPageCount(pageCount);
    document.setNumbersLeftToRight(leftToRight);
    if (version >= 2) {
        const PrinterSettings printer{is.readInt32(), is.readInt32(), is.readInt32(),
                                      is.readInt32()};
        if (!is.good())
            return;
        document.setPrinterSettings(printer);
    }
    if (version >= 3) {
        const bool showNames = is.readBool32();
        const bool showValues = is.readBool32();
        const std::uint16_t solverParameter = is.readWord16();
        const std::uint16_t significandBytes = is.readWord16();
        if (!is.good())
            return;
        document.setShowsComponentNames(showNames);
        document.setShowsComponentValues(showValues);
        document.setSolverParameter(solverParameter);
        document.setSignificandBytes(significandBytes);
    }
    LastOnPlace<Component> components(true);
    readList<Component>(is, "component", [&](std::unique_ptr<Component> component) {
        components.add(std::move(component));
    });
    for (std::unique_ptr<Component> &component : components.take())
        document.appendComponent(std::move(component));
    LastOnPlace<CircTag> tags(false);
    readList<CircTag>(is, "tag", [&](std::unique_ptr<CircTag> tag) { tags.add(std::move(tag)); });
    for (std::unique_ptr<CircTag> &tag : tags.take())
        document.appendTag(std::move(tag));
    // Files that end after the tags have no tools.
    if (!is.atEnd()) {
        readList<CircTool>(is, "tool", [&](std::unique_ptr<CircTool> tool) {
            document.addLoadedTool(std::move(tool));
        });
    }
}

FileResult save(const TCircuitDocument &document, const std::filesystem::path &path)
{
    if (path.empty())
        return {FileResult::Status::Unwritable, "the document has no file name", 0};
    opstream os;
    write(document, os);
    std::string failure = writeFileAtomically(path, os.bytes());
    if (!failure.empty())
        return {FileResult::Status::Unwritable, std::move(failure), 0};
    return {};
}

FileResult load(TCircuitDocument &document, const std::filesystem::path &path)
{
    std::vector<std::uint8_t> bytes;
    std::string failure = readFileBytes(path, bytes);
    if (!failure.empty())
        return {FileResult::Status::Unreadable, std::move(failure), 0};
    ipstream is(std::move(bytes));
    read(document, is);
    return streamResult(is);
}

} // namespace CircuitFile
