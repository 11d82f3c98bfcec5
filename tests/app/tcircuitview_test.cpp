#include "apptestsupport.h"

#include <circuiteditormenus.h>
#include <palettetoolbar.h>
#include <passcompdialog.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>

#include <common/opstream.h>
#include <editor/palette.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Window points of a new view (zoom 1, sheet origin at the window's corner) and the grid
// points they snap to.
const QPoint top(31, 51);     // (30, 50)
const QPoint bottom(33, 108); // (30, 110)
const QPoint middle(30, 80);  // on the resistor between them
const QPoint right(92, 80);   // three grid cells to the right

// The thing's record as the file and the clipboard write it.
std::vector<std::uint8_t> recordOf(const CircThing &thing)
{
    opstream os;
    os.writePointer(&thing);
    return os.takeBytes();
}

std::vector<Point> pointsOf(const CircThing &thing)
{
    return {thing.firstPoint(), thing.secondPoint()};
}

class CircuitViewTest : public testing::Test
{
protected:
    CircuitViewTest()
    {
        fixture.app().docManager().createNew();
        view = fixture.activeView();
        viewport = view->viewport();
    }

    void keyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(view, key, modifiers);
    }

    void insertResistorByDrag()
    {
        QAction *resistor
            = fixture.app().frame().paletteToolBar().actionFor(PaletteEntry::Resistor);
        resistor->trigger();
        dragMouse(viewport, top, bottom);
    }

    AppFixture fixture;
    TCircuitView *view = nullptr;
    QWidget *viewport = nullptr;
};

TEST_F(CircuitViewTest, DragInsertsAResistorBetweenTheSnappedPoints)
{
    insertResistorByDrag();

    const TCircuitDocument &document = view->document();
    ASSERT_EQ(document.components().count(), 1);
    const Component &placed = *document.components()[0];
    EXPECT_NE(dynamic_cast<const Resistor *>(&placed), nullptr);
    EXPECT_EQ(pointsOf(placed), (std::vector<Point>{{30, 50}, {30, 110}}));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(fixture.app().frame().editorMenus().action(EditCommand::Undo)->text(),
              QStringLiteral("Undo Insert\tCtrl+Z"));
}

TEST_F(CircuitViewTest, ClickWithoutDragInsertsNothing)
{
    fixture.app().frame().paletteToolBar().actionFor(PaletteEntry::Resistor)->trigger();
    clickMouse(viewport, top);

    EXPECT_EQ(view->document().thingCount(), 0);
    EXPECT_FALSE(view->document().isModified());
}

TEST_F(CircuitViewTest, MoveThenUndoAndRedoThroughTheShortcuts)
{
    insertResistorByDrag();
    keyClick(Qt::Key_Escape);
    EXPECT_EQ(fixture.app().palette().mode(), CursorMode::Select);

    dragMouse(viewport, middle, right);
    const Component &resistor = *view->document().components()[0];
    EXPECT_EQ(pointsOf(resistor), (std::vector<Point>{{90, 50}, {90, 110}}));
    EXPECT_EQ(view->document().undoName(), std::optional<std::string_view>("Move"));

    keyClick(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pointsOf(resistor), (std::vector<Point>{{30, 50}, {30, 110}}));
    keyClick(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pointsOf(resistor), (std::vector<Point>{{90, 50}, {90, 110}}));

    // Both undone: the new document is unchanged again and shows so in its caption.
    keyClick(Qt::Key_Z, Qt::ControlModifier);
    keyClick(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->document().thingCount(), 0);
    EXPECT_FALSE(view->document().isModified());
    EXPECT_FALSE(view->parentWidget()->isWindowModified());
}

TEST_F(CircuitViewTest, CopyAndPasteBetweenTwoDocuments)
{
    insertResistorByDrag();
    keyClick(Qt::Key_Escape);
    clickMouse(viewport, middle);
    ASSERT_EQ(view->document().selectedCount(), 1);
    keyClick(Qt::Key_C, Qt::ControlModifier);

    fixture.app().docManager().createNew();
    TCircuitView *second = fixture.activeView();
    ASSERT_NE(second, view);
    QTest::mouseMove(second->viewport(), QPoint(150, 150));
    QTest::keyClick(second, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(second->editor().isFloating());
    QTest::mouseMove(second->viewport(), QPoint(212, 171));
    clickMouse(second->viewport(), QPoint(212, 171));

    const TCircuitDocument &target = second->document();
    ASSERT_EQ(target.components().count(), 1);
    EXPECT_NE(dynamic_cast<const Resistor *>(target.components()[0]), nullptr);
    // The pasted things' top-left corner lands on the drop point (210, 170).
    EXPECT_EQ(pointsOf(*target.components()[0]), (std::vector<Point>{{210, 170}, {210, 230}}));
    EXPECT_EQ(view->document().components().count(), 1);
}

TEST_F(CircuitViewTest, PasteWithoutCircuitObjectsDoesNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("plain text"));
    keyClick(Qt::Key_V, Qt::ControlModifier);

    EXPECT_FALSE(view->editor().isFloating());
    EXPECT_FALSE(fixture.app().frame().editorMenus().action(EditCommand::Paste)->isEnabled());
}

TEST_F(CircuitViewTest, CtrlWheelZoomKeepsTheSheetPointUnderThePointer)
{
    const QPointF pointer(123, 77);
    const double sheetX = view->editor().transform().sheetX(pointer.x());
    const double sheetY = view->editor().transform().sheetY(pointer.y());

    QWheelEvent wheel(pointer, viewport->mapToGlobal(pointer), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);

    const ViewTransform &transform = view->editor().transform();
    EXPECT_DOUBLE_EQ(transform.zoom(), ViewTransform::zoomStep * ViewTransform::zoomStep);
    EXPECT_NEAR(transform.sheetX(pointer.x()), sheetX, 1e-9);
    EXPECT_NEAR(transform.sheetY(pointer.y()), sheetY, 1e-9);
}

TEST_F(CircuitViewTest, MiddleButtonPansTheSheetWithThePointer)
{
    QTest::mousePress(viewport, Qt::MiddleButton, {}, QPoint(200, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 170), viewport->mapToGlobal(QPointF(150, 170)),
                     Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::MiddleButton, {}, QPoint(150, 170));

    EXPECT_DOUBLE_EQ(view->editor().transform().originX(), 50);
    EXPECT_DOUBLE_EQ(view->editor().transform().originY(), 30);
}

TEST_F(CircuitViewTest, StatusBarShowsTheSheetPointUnderThePointer)
{
    QTest::mouseMove(viewport, QPoint(45, 67));
    const auto labels = fixture.app().frame().findChildren<QLabel *>();
    const bool shown = std::any_of(labels.begin(), labels.end(), [](const QLabel *label) {
        return label->text() == QStringLiteral("45, 67");
    });
    EXPECT_TRUE(shown);
}

TEST_F(CircuitViewTest, DoubleClickModifiesThroughTheDialogAndUndoRestoresTheRecord)
{
    insertResistorByDrag();
    keyClick(Qt::Key_Escape);
    const TCircuitDocument &document = view->document();
    const std::vector<std::uint8_t> before = recordOf(*document.components()[0]);

    whenModal<PassCompDialog>([](PassCompDialog &dialog) {
        EXPECT_EQ(dialog.valueEdit().text(), "0");
        QTest::keyClicks(&dialog.nameEdit(), QStringLiteral("R5"));
        QTest::keyClicks(&dialog.valueEdit(), QStringLiteral("4.7"));
        dialog.unitBox().setCurrentIndex(1);
        dialog.accept();
    });
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, middle);
    ASSERT_EQ(document.components().count(), 1);
    const auto &modified = dynamic_cast<const Resistor &>(*document.components()[0]);
    EXPECT_EQ(modified.name(), "R5");
    EXPECT_EQ(modified.value(), "4.7");
    EXPECT_EQ(modified.unitIndex(), 1);
    EXPECT_EQ(document.undoName(), std::optional<std::string_view>("Modification"));
    const std::vector<std::uint8_t> after = recordOf(modified);
    EXPECT_NE(after, before);

    view->run(EditCommand::Undo);
    EXPECT_EQ(recordOf(*document.components()[0]), before);
    view->run(EditCommand::Redo);
    EXPECT_EQ(recordOf(*document.components()[0]), after);
}

} // namespace
