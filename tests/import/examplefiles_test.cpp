// Every example in examples/ is checked on every run: each circuit sheet loads, saves to exactly
// the bytes it was read from, compiles, and evaluates every transfer-function tool on it
// without a message; each netlist imports to exactly the sheet stored beside it.
// scripts/update-examples.sh writes the sheets anew after a deliberate change of the file format,
// the import or an example.
#include <compile/documentcompile.h>
#include <import/spiceimport.h>
#include <tools/evaluationclock.h>
#include <tools/persistentclasses.h>
#include <tools/toolevaluation.h>
#include <tools/transfunc.h>

#include <common/filebytes.h>
#include <model/tcircuitdocument.h>

#include <support/tempfolder.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path examplesFolder(ZENODYNE_EXAMPLES_DIR);

std::vector<std::string> examplesWithExtension(const std::string &extension)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(examplesFolder)) {
        if (entry.path().extension() == extension)
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path &path)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readFileBytes(path, bytes), "") << path;
    return bytes;
}

// The bytes the document saves, written through its own save to a file of this test process.
std::vector<std::uint8_t> savedBytes(TCircuitDocument &document, const std::string &name)
{
    static const TempFolder folder;
    const std::filesystem::path path = folder.file(name.c_str());
    document.setPath(path);
    EXPECT_TRUE(document.commit(true).ok()) << path;
    return fileBytes(path);
}

// The evaluations are dated with the moment stored in the sheet, so that evaluating anew
// writes the same bytes.
std::int64_t storedMoment = 0;

std::int64_t storedClock()
{
    return storedMoment;
}

std::int64_t evaluationMomentOf(const TCircuitDocument &document)
{
    for (const CircTool *tool : document.tools()) {
        if (const auto *transferFunction = dynamic_cast<const TransFunc *>(tool))
            return transferFunction->lastEvaluation();
    }
    return 0;
}

// Evaluates every tool as the command line's eval does, at the given moment; answers the
// messages the evaluations left.
std::vector<std::string> evaluateAt(TCircuitDocument &document, std::int64_t moment)
{
    storedMoment = moment;
    EvaluationClock::setSource(storedClock);
    std::vector<std::string> messages;
    for (CircTool *tool : evaluationOrder(document)) {
        evaluateTool(*tool);
        for (const Message *message : document.messages())
            messages.emplace_back(message->text().view());
    }
    EvaluationClock::setSource(nullptr);
    return messages;
}

std::string testName(const ::testing::TestParamInfo<std::string> &info)
{
    std::string name = info.param;
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) == 0; }, '_');
    return name;
}

// The sheets hold tools, which the stream knows once every folder's classes are registered.
class ExampleFile : public ::testing::TestWithParam<std::string>
{
protected:
    static void SetUpTestSuite() { registerPersistentClasses(); }
};

class ExampleSheet : public ExampleFile
{
};

class ExampleNetlist : public ExampleFile
{
};

} // namespace

TEST_P(ExampleSheet, LoadsSavesTheSameBytesAndEvaluates)
{
    const std::filesystem::path path = examplesFolder / GetParam();
    TCircuitDocument document;
    const FileResult opened = document.open(path);
    ASSERT_TRUE(opened.ok()) << opened.reason;
    const std::vector<std::uint8_t> stored = fileBytes(path);
    EXPECT_EQ(savedBytes(document, GetParam()), stored);

    compileCircuit(document);
    EXPECT_NE(circuitSolution(document), nullptr);
    EXPECT_EQ(evaluateAt(document, evaluationMomentOf(document)), std::vector<std::string>());
    EXPECT_EQ(savedBytes(document, GetParam()), stored);
}

TEST_P(ExampleNetlist, ImportsToTheSheetBesideIt)
{
    const std::filesystem::path netlist = examplesFolder / GetParam();
    const std::filesystem::path sheet = std::filesystem::path(netlist).replace_extension(".crc");
    ASSERT_TRUE(std::filesystem::exists(sheet)) << "no sheet " << sheet.filename();
    const std::vector<std::uint8_t> text = fileBytes(netlist);
    TCircuitDocument document;
    document.openNew();
    const SpiceImportResult result = importSpiceNetlist(
        std::string_view(reinterpret_cast<const char *>(text.data()), text.size()), document);
    ASSERT_TRUE(result.ok()) << result.error;

    TCircuitDocument stored;
    ASSERT_TRUE(stored.open(sheet).ok());
    EXPECT_EQ(evaluateAt(document, evaluationMomentOf(stored)), std::vector<std::string>());
    EXPECT_EQ(savedBytes(document, sheet.filename().string()), fileBytes(sheet));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSheet, ::testing::ValuesIn(examplesWithExtension(".crc")),
                         testName);
INSTANTIATE_TEST_SUITE_P(Examples, ExampleNetlist,
                         ::testing::ValuesIn(examplesWithExtension(".cir")), testName);

TEST(Examples, FolderHoldsSheetsAndNetlists)
{
    EXPECT_GE(examplesWithExtension(".crc").size(), 5u);
    EXPECT_GE(examplesWithExtension(".cir").size(), 4u);
}
