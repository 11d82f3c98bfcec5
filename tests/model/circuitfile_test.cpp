#include "modeltestsupport.h"

#include <model/circuitfile.h>
#include <model/depvoltsource.h>
#include <model/modelstreamables.h>
#include <model/textblock.h>
#include <model/voltagetag.h>
#include <model/wire.h>

#include <common/filebytes.h>
#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

void beginObject(opstream &os, const char *className, std::uint32_t version)
{
    os.writeByte(StreamFormat::PointerNew);
    os.writeByte(StreamFormat::ObjectBegin);
    os.writeString(className);
    os.writeWord32(version);
}

void endObject(opstream &os)
{
    os.writeByte(StreamFormat::ObjectEnd);
}

// The settings of a document record of the given version, with non-default values.
void writeSettings(opstream &os, std::uint32_t version)
{
    os.writeWord32(version);
    os.writeInt32(3);
    os.writeInt32(2);
    os.writeInt32(4);
    os.writeWord32(0);
    if (version >= 2) {
        for (const std::int32_t word : {2, 9, 2970, 2100})
            os.writeInt32(word);
    }
    if (version >= 3) {
        os.writeWord32(0);
        os.writeWord32(7);
        os.writeWord16(5);
        os.writeWord16(20);
    }
}

Wire wireBetween(Point first, Point second)
{
    Wire wire;
    wire.place(first, second, nullptr);
    return wire;
}

// Where the tool section of the document's record starts.
std::size_t toolSectionOffset(const TCircuitDocument &document)
{
    TCircuitDocument withoutTools;
    buildEveryKind(withoutTools);
    while (!withoutTools.tools().isEmpty())
        withoutTools.takeOut(withoutTools.tools()[0]);
    EXPECT_EQ(circuitSignature(withoutTools).size(),
              circuitSignature(document).size()
                  - static_cast<std::size_t>(document.tools().count()));
    return documentBytes(withoutTools).size() - 4;
}

// A prefix of the signature list, as a failed load must leave it.
bool isPrefix(const std::vector<std::string> &part, const std::vector<std::string> &whole)
{
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

} // namespace

TEST(CircuitFile, RoundTripKeepsEveryRecordButNotTheSelection)
{
    TCircuitDocument original;
    buildEveryKind(original);
    original.components()[2]->setSelected(true);
    original.tools()[1]->setSelected(true);
    const std::vector<std::uint8_t> bytes = documentBytes(original);

    TCircuitDocument loaded;
    ASSERT_EQ(readDocumentBytes(loaded, bytes), "");
    EXPECT_EQ(circuitSignature(loaded), circuitSignature(original));
    EXPECT_EQ(loaded.selectedCount(), 0);
    for (const Component *component : loaded.components())
        EXPECT_EQ(component->document(), &loaded);
    EXPECT_EQ(documentBytes(loaded), bytes);
}

TEST(CircuitFile, SettingsRoundTrip)
{
    TCircuitDocument original;
    original.setStartPage(-2);
    original.setPageCount({4, 3});
    original.setNumbersLeftToRight(false);
    original.setPrinterSettings({2, 9, 2970, 2100});
    original.setShowsComponentNames(false);
    original.setSolverParameter(65535);
    original.setSignificandBytes(8);
    TCircuitDocument loaded;
    ASSERT_EQ(readDocumentBytes(loaded, documentBytes(original)), "");
    EXPECT_EQ(settingsSignature(loaded), "start -2 pages 4x3 top-to-bottom printer 2,9,2970,2100 "
                                         "names 0 values 1 solver 65535 bytes 8");
}

TEST(CircuitFile, VersionOneDocumentKeepsTheDefaultsOfLaterFields)
{
    const Wire wire = wireBetween({0, 0}, {20, 0});
    opstream os;
    writeSettings(os, 1);
    os.writeWord32(1);
    os.writePointer(&wire);
    os.writeWord32(0);
    TCircuitDocument document;
    ASSERT_EQ(readDocumentBytes(document, os.bytes()), "");
    EXPECT_EQ(settingsSignature(document), "start 3 pages 2x4 top-to-bottom printer 1,1,0,0 "
                                           "names 1 values 1 solver 100 bytes 50");
    EXPECT_EQ(circuitSignature(document),
              (std::vector<std::string>{"Wire '' (0,0)(20,0) side 0 label (10,-25)"}));
}

TEST(CircuitFile, VersionTwoHasPrinterWordsAndNewerVersionsReadAsThree)
{
    for (const std::uint32_t version : {2u, 3u, 9u}) {
        opstream os;
        writeSettings(os, version == 9 ? 3 : version);
        os.writeWord32(0);
        os.writeWord32(0);
        std::vector<std::uint8_t> bytes = os.takeBytes();
        bytes[8] = static_cast<std::uint8_t>(version);
        TCircuitDocument document;
        ASSERT_EQ(readDocumentBytes(document, bytes), "") << version;
        EXPECT_EQ(document.printerSettings(), (PrinterSettings{2, 9, 2970, 2100})) << version;
        EXPECT_EQ(document.showsComponentNames(), version == 2) << version;
        EXPECT_EQ(document.significandBytes(), version == 2 ? 50 : 20) << version;
    }
}

TEST(CircuitFile, FileEndingAfterTheTagsLoadsWithoutTools)
{
    TCircuitDocument original;
    buildEveryKind(original);
    std::vector<std::uint8_t> bytes = documentBytes(original);
    bytes.resize(toolSectionOffset(original));
    TCircuitDocument loaded;
    EXPECT_EQ(readDocumentBytes(loaded, bytes), "");
    EXPECT_TRUE(loaded.tools().isEmpty());
    EXPECT_EQ(loaded.tags().count(), original.tags().count());
}

TEST(CircuitFile, SameplaceComponentsInAFileKeepTheLaterOne)
{
    const Wire first = wireBetween({0, 0}, {20, 0});
    Wire second = wireBetween({20, 0}, {0, 0});
    second.setName(labelUnit("later"));
    opstream os;
    writeSettings(os, 3);
    os.writeWord32(2);
    os.writePointer(&first);
    os.writePointer(&second);
    os.writeWord32(0);
    TCircuitDocument document;
    ASSERT_EQ(readDocumentBytes(document, os.bytes()), "");
    ASSERT_EQ(document.components().count(), 1);
    EXPECT_EQ(document.components()[0]->name(), "later");
}

TEST(CircuitFile, OldThingRecordWithoutLabelSideTakesTheDefaultSide)
{
    opstream os;
    writeSettings(os, 3);
    os.writeWord32(1);
    beginObject(os, "Wire", 1);
    os.writeWord32(1); // the thing part in its first version
    for (const std::int32_t coordinate : {0, 0, 40, 0, 20, 30})
        os.writeInt32(coordinate);
    os.writeObject(labelUnit("W1"));
    endObject(os);
    os.writeWord32(0);
    TCircuitDocument document;
    ASSERT_EQ(readDocumentBytes(document, os.bytes()), "");
    EXPECT_EQ(circuitSignature(document),
              (std::vector<std::string>{"Wire 'W1' (0,0)(40,0) side 0 label (20,30)"}));
}

// Dependent source records before version 3: a single tag name (version 1), or a list
// without the voltage-dependent word (version 2).
TEST(CircuitFile, OlderDependentSourceRecordsKeepTheirDependencies)
{
    DepVoltSource source;
    source.place({0, 0}, {0, 40}, nullptr);
    source.setName(labelUnit("E1"));
    for (const std::uint32_t version : {1u, 2u}) {
        opstream os;
        writeSettings(os, 3);
        os.writeWord32(1);
        beginObject(os, "DepVoltSource", 1);
        os.writeWord32(version);
        os.writeBaseOf<Component>(source);
        if (version == 1) {
            os.writeObject(labelUnit("Vx"));
        } else {
            os.writeWord32(2);
            os.writeObject(TagDepcy(labelUnit("Vx"), true));
            os.writeObject(TagDepcy(labelUnit("Vy"), false));
        }
        os.writeObject(textDouble("2"));
        os.writeObject(textDouble("4"));
        endObject(os);
        os.writeWord32(0);
        TCircuitDocument document;
        ASSERT_EQ(readDocumentBytes(document, os.bytes()), "") << version;
        const std::string dependencies = version == 1 ? " [1 'Vx']" : " [1 'Vx'] [0 'Vy']";
        EXPECT_EQ(circuitSignature(document),
                  (std::vector<std::string>{"DepVoltSource 'E1' (0,0)(0,40) side 0 label (25,20) "
                                            "voltage"
                                            + dependencies + " gain '2'/'4'"}))
            << version;
    }
}

TEST(CircuitFile, EmptyTextBlockWritesALengthOfZeroAndNoText)
{
    TextBlock block;
    opstream withText;
    block.setText("ab");
    withText.writeObject(block);
    block.setText("");
    opstream empty;
    empty.writeObject(block);
    ASSERT_EQ(withText.bytes().size(), empty.bytes().size() + 2);
    const std::vector<std::uint8_t> tail(empty.bytes().end() - 5, empty.bytes().end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0, 0, 0, 0, StreamFormat::ObjectEnd}));
}

TEST(CircuitFile, TruncationAtEveryByteFailsAndKeepsWhatCameBefore)
{
    TCircuitDocument original;
    buildEveryKind(original);
    const std::vector<std::uint8_t> whole = documentBytes(original);
    const std::vector<std::string> signature = circuitSignature(original);
    const std::size_t toolsStart = toolSectionOffset(original);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::uint8_t> part(whole.begin(),
                                             whole.begin() + static_cast<std::ptrdiff_t>(size));
        TCircuitDocument loaded;
        const std::string error = readDocumentBytes(loaded, part);
        EXPECT_EQ(error.empty(), size == toolsStart) << "size " << size;
        EXPECT_TRUE(isPrefix(circuitSignature(loaded), signature)) << "size " << size;
    }
}

struct HostileCase
{
    const char *name;
    std::function<void(opstream &)> content;
    const char *error;
};

class CircuitFileHostile : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(CircuitFileHostile, FailsWithAReason)
{
    registerModelStreamables();
    opstream os;
    writeSettings(os, 3);
    GetParam().content(os);
    TCircuitDocument document;
    EXPECT_EQ(readDocumentBytes(document, os.bytes()), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CircuitFileHostile,
    ::testing::Values(HostileCase{"HugeComponentCount",
                                  [](opstream &os) { os.writeWord32(0xFFFFFFFF); },
                                  "count of 4294967295 items exceeds the data that follows"},
                      HostileCase{"EmptyComponentEntry",
                                  [](opstream &os) {
                                      os.writeWord32(1);
                                      os.writePointer(nullptr);
                                      for (int word = 0; word < 4; ++word)
                                          os.writeWord32(0);
                                  },
                                  "empty component entry"},
                      HostileCase{"TagInTheComponentList",
                                  [](opstream &os) {
                                      VoltageTag tag;
                                      os.writeWord32(1);
                                      os.writePointer(&tag);
                                      os.writeWord32(0);
                                  },
                                  "unexpected object of class \"VoltageTag\""},
                      HostileCase{"HugeDependencyCount",
                                  [](opstream &os) {
                                      const DepVoltSource source;
                                      os.writeWord32(1);
                                      beginObject(os, "DepVoltSource", 1);
                                      os.writeWord32(3);
                                      os.writeBaseOf<Component>(source);
                                      os.writeWord32(100000);
                                      os.writeWord32(0);
                                  },
                                  "count of 100000 items exceeds the data that follows"},
                      HostileCase{"HugeTextLength",
                                  [](opstream &os) {
                                      const CircTool tool;
                                      os.writeWord32(0);
                                      os.writeWord32(0);
                                      os.writeWord32(1);
                                      beginObject(os, "TextBlock", 1);
                                      os.writeBaseOf<CircTool>(tool);
                                      os.writeWord32(0x7FFFFFFF);
                                  },
                                  "unexpected end of data"},
                      HostileCase{"UnknownClass",
                                  [](opstream &os) {
                                      os.writeWord32(1);
                                      beginObject(os, "Transistor", 1);
                                      os.writeWord32(0);
                                      endObject(os);
                                  },
                                  "unknown class name \"Transistor\""}),
    [](const ::testing::TestParamInfo<HostileCase> &param) { return param.param.name; });

// Random damage to a valid file: every outcome is either a clean load or a reported failure
// with a prefix of the circuit, and whatever loads saves and loads again to the same bytes.
TEST(CircuitFile, RandomDamageNeverBreaksTheLoader)
{
    TCircuitDocument original;
    buildEveryKind(original);
    const std::vector<std::uint8_t> whole = documentBytes(original);
    std::mt19937 random(20240611);
    auto below = [&](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes = whole;
        const int edits = 1 + static_cast<int>(below(4));
        for (int edit = 0; edit < edits; ++edit) {
            const std::size_t at = 8 + below(bytes.size() - 12);
            switch (below(4)) {
            case 0:
                bytes[at] ^= static_cast<std::uint8_t>(1u << below(8));
                break;
            case 1:
                for (std::size_t i = 0; i < 4; ++i)
                    bytes[at + i] = below(2) ? 0xFF : static_cast<std::uint8_t>(below(256));
                break;
            case 2:
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin() + static_cast<std::ptrdiff_t>(at + 1 + below(3)));
                break;
            default:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             static_cast<std::uint8_t>(below(256)));
                break;
            }
        }
        TCircuitDocument loaded;
        if (readDocumentBytes(loaded, bytes).empty()) {
            const std::vector<std::uint8_t> saved = documentBytes(loaded);
            TCircuitDocument again;
            ASSERT_EQ(readDocumentBytes(again, saved), "") << "round " << round;
            EXPECT_EQ(documentBytes(again), saved) << "round " << round;
        }
    }
}

class CircuitFileOnDisk : public ::testing::Test
{
protected:
    TempFolder folder;
};

TEST_F(CircuitFileOnDisk, SavedFileOpensToTheSameCircuit)
{
    TCircuitDocument original;
    buildEveryKind(original);
    original.setPath(folder.file("circuit.crc"));
    ASSERT_TRUE(original.commit().ok());
    EXPECT_FALSE(original.isModified());
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"circuit.crc"}));

    TCircuitDocument opened;
    const FileResult result = opened.open(folder.file("circuit.crc"));
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(circuitSignature(opened), circuitSignature(original));
    EXPECT_FALSE(opened.isModified());
    EXPECT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.historyPosition(), 0u);
}

TEST_F(CircuitFileOnDisk, CommitWritesOnlyWhenModifiedOrForced)
{
    TCircuitDocument document;
    document.openNew();
    document.setPath(folder.file("new.crc"));
    ASSERT_TRUE(document.commit().ok());
    EXPECT_TRUE(folder.entries().empty());
    ASSERT_TRUE(document.commit(true).ok());
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"new.crc"}));
}

TEST_F(CircuitFileOnDisk, FailedSaveKeepsThePreviousFileAndTheModifiedFlag)
{
    // A folder in the target's place cannot be replaced by a file.
    std::filesystem::create_directory(folder.file("busy.crc"));
    std::ofstream(folder.file("busy.crc") / "keep") << "previous";
    TCircuitDocument document;
    buildEveryKind(document);
    document.setPath(folder.file("busy.crc"));
    const FileResult result = document.commit();
    EXPECT_EQ(result.status, FileResult::Status::Unwritable);
    EXPECT_NE(result.reason.find("cannot replace"), std::string::npos) << result.reason;
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"busy.crc"}));
    EXPECT_TRUE(std::filesystem::exists(folder.file("busy.crc") / "keep"));

    document.setPath({});
    EXPECT_EQ(document.commit().reason, "the document has no file name");
}

TEST_F(CircuitFileOnDisk, SavingReplacesTheFileWithItsPermissions)
{
    const auto path = folder.file("old.crc");
    std::ofstream(path) << "old content";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read
                                           | std::filesystem::perms::owner_write
                                           | std::filesystem::perms::group_read);
    TCircuitDocument document;
    buildEveryKind(document);
    document.setPath(path);
    ASSERT_TRUE(document.commit().ok());
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(readFileBytes(path, bytes), "");
    EXPECT_EQ(bytes, documentBytes(document));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                  | std::filesystem::perms::group_read);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"old.crc"}));
}

TEST_F(CircuitFileOnDisk, DamagedFileOpensWithWhatWasReadAndSaysWhere)
{
    TCircuitDocument original;
    buildEveryKind(original);
    std::vector<std::uint8_t> bytes = documentBytes(original);
    bytes.resize(bytes.size() - 20);
    const auto path = folder.file("cut.crc");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    TCircuitDocument document;
    const FileResult result = document.open(path);
    EXPECT_EQ(result.status, FileResult::Status::Damaged);
    EXPECT_EQ(result.reason, "unexpected end of data");
    EXPECT_GT(result.offset, 0u);
    EXPECT_LE(result.offset, bytes.size());
    EXPECT_EQ(document.components().count(), original.components().count());
    EXPECT_EQ(document.tools().count(), original.tools().count() - 1);
    EXPECT_EQ(document.path(), path);
}

TEST_F(CircuitFileOnDisk, MissingFilesAndFoldersAreUnreadable)
{
    TCircuitDocument document;
    FileResult result = document.open(folder.file("none.crc"));
    EXPECT_EQ(result.status, FileResult::Status::Unreadable);
    EXPECT_NE(result.reason.find("No such file"), std::string::npos) << result.reason;
    result = document.open(folder.path());
    EXPECT_EQ(result.status, FileResult::Status::Unreadable);
    EXPECT_EQ(result.reason, "not a regular file: " + folder.path().string());
    EXPECT_TRUE(document.isOpen());
}

TEST_F(CircuitFileOnDisk, RevertReadsTheFileAgainOrClears)
{
    TCircuitDocument document;
    buildEveryKind(document);
    document.setPath(folder.file("circuit.crc"));
    ASSERT_TRUE(document.commit().ok());
    const std::vector<std::string> saved = circuitSignature(document);
    document.takeOut(document.components()[0]);
    document.setStartPage(9);
    ASSERT_TRUE(document.revert().ok());
    EXPECT_EQ(circuitSignature(document), saved);
    EXPECT_EQ(document.startPage(), 1);
    EXPECT_FALSE(document.isModified());
    ASSERT_TRUE(document.revert(true).ok());
    EXPECT_EQ(document.thingCount(), 0);
}
