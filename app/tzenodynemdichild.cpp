#include "tzenodynemdichild.h"

#include "shelltexts.h"
#include "tcircuitview.h"
#include "tdocmanager.h"

#include <model/tcircuitdocument.h>

#include <QCloseEvent>

TZenodyneMDIChild::TZenodyneMDIChild(TCircuitView *view, TDocManager &docManager, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_view(view)
    , m_docManager(docManager)
{
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(view, &TCircuitView::documentChanged, this, &TZenodyneMDIChild::updateCaption);
    updateCaption();
}

void TZenodyneMDIChild::updateCaption()
{
    TCircuitDocument &document = m_view->document();
    setWindowTitle(ShellTexts::editorCaption(m_docManager.title(document)));
    setWindowModified(document.isModified());
}

void TZenodyneMDIChild::closeWithoutPrompt()
{
    m_prompted = true;
    close();
}

void TZenodyneMDIChild::closeEvent(QCloseEvent *event)
{
    TCircuitDocument &document = m_view->document();
    if (!m_prompted && !m_docManager.queryClose(document)) {
        event->ignore();
        return;
    }
    m_prompted = true;
    event->accept();
    QMdiSubWindow::closeEvent(event);
    // The view goes with the window; the document after it.
    m_view->detachFromDocument();
    m_docManager.close(document);
}
