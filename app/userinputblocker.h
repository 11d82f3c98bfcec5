#pragma once

#include <QObject>

class QWidget;

// While it lives, the user's input reaches one window only: mouse, wheel, keys, shortcuts,
// context menus, drops and close requests meant for any other window of the application are
// swallowed. A compile runs on the user-interface thread and lets waiting events through at
// each progress report; this keeps those events from editing (or closing) the document under
// it, also before its dialog is shown.
class UserInputBlocker : public QObject
{
public:
    explicit UserInputBlocker(QWidget &allowed);
    ~UserInputBlocker() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isAllowed(QObject *watched) const;

    QWidget &m_allowed;
};
