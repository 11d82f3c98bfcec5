#include "apptestsupport.h"

#include <filepaths.h>
#include <tdocmanager.h>

#include <model/tcircuitdocument.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(DocManager, UntitledDocumentsAreNumberedFromTheSecond)
{
    AppFixture fixture;
    TDocManager &documents = fixture.app().docManager();
    const TCircuitDocument *first = documents.createNew();
    const TCircuitDocument *second = documents.createNew();
    EXPECT_EQ(documents.title(*first), QStringLiteral("Untitled"));
    EXPECT_EQ(documents.title(*second), QStringLiteral("Untitled2"));
}

TEST(DocManager, SaveAsAddsTheSuffixAndNamesTheDocumentAfterItsFile)
{
    AppFixture fixture;
    TDocManager &documents = fixture.app().docManager();
    TCircuitDocument *document = documents.createNew();
    fixture.prompts().fileName = FilePaths::toQString(fixture.folder().file("drawn"));

    EXPECT_TRUE(documents.save(*document));
    EXPECT_TRUE(std::filesystem::exists(fixture.folder().file("drawn.crc")));
    EXPECT_EQ(documents.title(*document), QStringLiteral("drawn.crc"));
    EXPECT_FALSE(document->isModified());

    // Save As suggests the untitled document's title, then the whole path of its file.
    documents.saveAs(*document);
    EXPECT_EQ(fixture.prompts().suggestedFileNames,
              (QStringList{"Untitled", FilePaths::toQString(fixture.folder().file("drawn.crc"))}));
}

TEST(DocManager, FailedWriteSaysSoAndKeepsThePath)
{
    AppFixture fixture;
    TDocManager &documents = fixture.app().docManager();
    TCircuitDocument *document = documents.createNew();
    fixture.prompts().fileName
        = FilePaths::toQString(fixture.folder().file("missing-folder") / "drawn.crc");

    EXPECT_FALSE(documents.saveAs(*document));
    ASSERT_EQ(fixture.prompts().errors.size(), 1);
    EXPECT_TRUE(fixture.prompts().errors.at(0).startsWith("Document write error."));
    EXPECT_TRUE(document->path().empty());
    EXPECT_EQ(documents.title(*document), QStringLiteral("Untitled"));
}

TEST(DocManager, NetlistImportDrawsANewDocument)
{
    AppFixture fixture;
    TCircuitDocument *document
        = fixture.app().docManager().importNetlist(exampleFile("rc-lowpass-bode.cir"));
    ASSERT_NE(document, nullptr);
    EXPECT_GT(document->components().count(), 0);
    EXPECT_TRUE(document->path().empty());

    const std::filesystem::path broken = fixture.folder().file("broken.cir");
    std::ofstream(broken) << "* title\nR1 1 0\n.end\n";
    EXPECT_EQ(fixture.app().docManager().importNetlist(FilePaths::toQString(broken)), nullptr);
    ASSERT_EQ(fixture.prompts().errors.size(), 1);
    EXPECT_TRUE(
        fixture.prompts().errors.at(0).startsWith("The netlist cannot be imported.\n\nline 2"));
}

} // namespace
