#include "tooldialogtestsupport.h"

#include "../apptestsupport.h"

#include <QMouseEvent>
#include <QTest>

#include <stdexcept>

void showDialog(QWidget &dialog)
{
    dialog.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&dialog);
}

void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void doubleClickRow(QAbstractItemView &view, int row)
{
    const QModelIndex index = view.model()->index(row, 0);
    view.scrollTo(index);
    const QPoint at = view.visualRect(index).center();
    // The off-screen platform makes no double click of QTest's two presses: the second press
    // comes as the double click that a window system sends.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, view.viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &doubleClick);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
}

std::unique_ptr<TCircuitDocument> openExample(const char *name)
{
    auto document = std::make_unique<TCircuitDocument>();
    if (!document->open(examplePath(name)).ok())
        throw std::runtime_error(name);
    return document;
}
