#include "apptestsupport.h"

#include <circuiteditormenus.h>
#include <messageview.h>
#include <tcircuitview.h>
#include <tdocmanager.h>
#include <tzenodynedecmdiframe.h>
#include <tzenodynemdichild.h>
#include <tzenodynemdiclient.h>

#include <model/tcircuitdocument.h>

#include <QAction>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList linesOf(const MessageView &view)
{
    QStringList lines;
    for (int row = 0; row < view.count(); ++row)
        lines.append(view.item(row)->text());
    return lines;
}

class MessageViewTest : public testing::Test
{
protected:
    MessageViewTest()
        : document(*fixture.app().docManager().open(exampleFile("rc-lowpass.crc")))
    {
    }

    TZenodyneDecMDIFrame &frame() { return fixture.app().frame(); }
    MessageView *shownView() { return frame().messageViewFor(document); }

    AppFixture fixture;
    TCircuitDocument &document;
};

TEST_F(MessageViewTest, ListsTheMessagesInOrderInOneViewBroughtToTheTop)
{
    document.addMessage("first");
    document.addMessage("second");
    EXPECT_EQ(shownView(), nullptr);
    document.showMessageView();
    MessageView *view = shownView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(linesOf(*view), (QStringList{"first", "second"}));
    EXPECT_EQ(view->parentWidget()->windowTitle(), "Messages : rc-lowpass.crc");
    // It opens under the circuit view, which gives it the lower third of the area.
    const QRect circuit = frame().childFor(document)->geometry();
    EXPECT_EQ(view->parentWidget()->geometry().top(), circuit.bottom() + 1);
    EXPECT_EQ(circuit.height(), frame().client().viewport()->height() * 2 / 3);

    // Adding does not refresh; showing again refreshes the same view, on top.
    document.addMessage("third");
    EXPECT_EQ(view->count(), 2);
    frame().client().setActiveSubWindow(frame().childFor(document));
    document.showMessageView();
    EXPECT_EQ(shownView(), view);
    EXPECT_EQ(frame().client().activeSubWindow()->widget(), view);
    EXPECT_EQ(linesOf(*view), (QStringList{"first", "second", "third"}));
    document.clearMessages();
    EXPECT_EQ(view->count(), 0);
}

TEST_F(MessageViewTest, MessagesMenuReopensAClosedView)
{
    document.addMessage("only");
    frame().editorMenus().messagesAction()->trigger();
    ASSERT_NE(shownView(), nullptr);
    delete shownView()->parentWidget();
    EXPECT_EQ(shownView(), nullptr);

    frame().client().setActiveSubWindow(frame().childFor(document));
    frame().editorMenus().messagesAction()->trigger();
    ASSERT_NE(shownView(), nullptr);
    EXPECT_EQ(linesOf(*shownView()), QStringList{"only"});
}

TEST_F(MessageViewTest, DoubleClickSelectsTheNamedThingInTheCircuitView)
{
    document.addMessage("Capacitor C1 has null value");
    document.showMessageView();
    MessageView &view = *shownView();
    const QRect line = view.visualItemRect(view.item(0));
    // The second press of a double click, as the window system sends it.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, line.center());
    QMouseEvent second(QEvent::MouseButtonDblClick, line.center(),
                       view.viewport()->mapToGlobal(line.center()), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &second);

    EXPECT_EQ(document.selectedCount(), 1);
    bool capacitorSelected = false;
    for (const Component *component : document.components())
        capacitorSelected
            = capacitorSelected || (component->isSelected() && component->name() == "C1");
    EXPECT_TRUE(capacitorSelected);
    EXPECT_EQ(frame().activeView(), &frame().childFor(document)->view());
}

TEST_F(MessageViewTest, ClosingTheCircuitViewClosesTheDocumentWithItsMessageView)
{
    document.addMessage("only");
    document.showMessageView();
    frame().childFor(document)->close();
    EXPECT_TRUE(fixture.app().docManager().documents().empty());
    EXPECT_TRUE(frame().client().subWindowList().isEmpty());
}

} // namespace
