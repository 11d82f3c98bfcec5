#include "apptestsupport.h"

#include <compilecircuitdialog.h>
#include <messageview.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>

#include <compile/documentcompile.h>
#include <filepaths.h>
#include <support/circuitsketch.h>
#include <tools/toolcircuits.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int sections = 40;

// An RC ladder of 40 sections driven by V1, with the tag Vout at its far end, saved to a file
// and opened in the program.
class CompileDialogTest : public testing::Test
{
protected:
    CompileDialogTest()
    {
        CircuitSketch sketch;
        ToolCircuits::rcLadder(sketch, sections);
        const std::filesystem::path file = fixture.folder().file("ladder.crc");
        sketch.document.setPath(file);
        EXPECT_TRUE(sketch.document.commit(true).ok());
        document = fixture.app().docManager().open(FilePaths::toQString(file));
    }

    CompileCircuitDialog &dialog() { return fixture.app().frame().compileDialog(); }

    AppFixture fixture;
    TCircuitDocument *document = nullptr;
};

TEST_F(CompileDialogTest, CountsAndBarsReachTheirEndsOnALadder)
{
    ASSERT_NE(document, nullptr);
    int reports = 0;
    QObject::connect(&dialog(), &CompileCircuitDialog::refreshed, [&] { ++reports; });
    compileCircuit(*document);

    EXPECT_GT(reports, sections);
    EXPECT_NE(matrixLid(*document), nullptr);
    EXPECT_EQ(dialog().netlistBar().value(), 100);
    EXPECT_EQ(dialog().formulationBar().value(), 100);
    EXPECT_EQ(dialog().solutionBar().value(), 100);
    // The nodes behind the 40 resistors are solved for.
    EXPECT_EQ(dialog().nodesText().text(), QString::number(sections));
    EXPECT_EQ(dialog().independentText().text(), "1");
    EXPECT_EQ(dialog().dependentText().text(), "0");
    EXPECT_EQ(dialog().errorsText().text(), "0");
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(fixture.app().frame().messageViewFor(*document), nullptr);
}

TEST_F(CompileDialogTest, CancelDuringTheSolveLeavesOneInterruptInTheMessageView)
{
    ASSERT_NE(document, nullptr);
    bool cancelled = false;
    QObject::connect(&dialog(), &CompileCircuitDialog::refreshed, [&] {
        if (!cancelled && dialog().solutionBar().value() > 0) {
            cancelled = true;
            dialog().cancelButton().click();
        }
    });
    compileCircuit(*document);

    ASSERT_TRUE(cancelled);
    EXPECT_LT(dialog().solutionBar().value(), 100);
    ASSERT_EQ(document->messages().count(), 1);
    EXPECT_STREQ(document->messages()[0]->text().text(), "User Interrupt");
    EXPECT_EQ(matrixLid(*document), nullptr);
    EXPECT_EQ(circuitSolution(*document), nullptr);
    const MessageView *view = fixture.app().frame().messageViewFor(*document);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->count(), 1);
    EXPECT_EQ(view->item(0)->text(), "User Interrupt");
}

TEST_F(CompileDialogTest, InputToOtherWindowsIsBlockedWhileTheCompileRuns)
{
    ASSERT_NE(document, nullptr);
    TCircuitView *view = fixture.activeView();
    document->selectAll(true);
    const int things = document->thingCount();
    bool tried = false;
    QObject::connect(&dialog(), &CompileCircuitDialog::refreshed, [&] {
        if (tried)
            return;
        tried = true;
        QTest::keyClick(view, Qt::Key_Delete);
        clickMouse(view->viewport(), QPoint(5, 5));
    });
    compileCircuit(*document);
    ASSERT_TRUE(tried);
    EXPECT_EQ(document->thingCount(), things);
    EXPECT_EQ(document->selectedCount(), things);

    // Afterwards the same key reaches the view again.
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(document->thingCount(), 0);
}

TEST_F(CompileDialogTest, AShownDialogGivesTheCircuitWindowBackWhenItEnds)
{
    dialog().started();
    QTest::qWait(CompileCircuitDialog::showDelayMs + 50);
    dialog().refresh(CompileProgress{});
    ASSERT_TRUE(dialog().isVisible());
    dialog().finished();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &fixture.app().frame());
    EXPECT_NE(fixture.activeView(), nullptr);
}

TEST(CompileDialog, QuickCompileShowsNoDialog)
{
    AppFixture fixture;
    TCircuitDocument *document = fixture.app().docManager().open(exampleFile("rc-lowpass.crc"));
    ASSERT_NE(document, nullptr);
    compileCircuit(*document);
    EXPECT_NE(matrixLid(*document), nullptr);
    EXPECT_FALSE(fixture.app().frame().compileDialog().wasShown());
}

} // namespace
