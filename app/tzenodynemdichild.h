#pragma once

#include <QMdiSubWindow>

class TCircuitView;
class TDocManager;

// The subwindow of one circuit view. Its caption is "Circuit Editor : " with the document's
// title and the modified mark; closing it closes the document, after asking to save a changed
// one.
class TZenodyneMDIChild : public QMdiSubWindow
{
    Q_OBJECT

public:
    TZenodyneMDIChild(TCircuitView *view, TDocManager &docManager, QWidget *parent = nullptr);

    TCircuitView &view() const { return *m_view; }
    void updateCaption();
    // Closes without asking, when the document has already been dealt with.
    void closeWithoutPrompt();
    bool isClosing() const { return m_prompted; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TCircuitView *m_view;
    TDocManager &m_docManager;
    bool m_prompted = false;
};
