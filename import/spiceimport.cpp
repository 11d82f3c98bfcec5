#include "spiceimport.h"

#include "analysistools.h"
#include "netlisterror.h"
#include "sheetbuilder.h"
#include "spiceparser.h"

SpiceImportResult importSpiceNetlist(std::string_view text, TCircuitDocument &document)
{
    SpiceImportResult result;
    try {
        const SpiceNetlist netlist = SpiceParser::parse(text);
        result.notes = netlist.notes;
        SheetBuilder sheet(netlist, document);
        sheet.build();
        result.names = sheet.nameMap();
        AnalysisTools(netlist, sheet, document, result.notes).place();
    } catch (const NetlistError &error) {
        result.error = error.what();
        result.notes.clear();
        result.names = {};
    }
    return result;
}
