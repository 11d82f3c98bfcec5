#pragma once

#include "tpepdialogsimple.h"

class QCheckBox;

// "Plot Line Parameters" with its "Show Line" box, for the lines that a user picks for
// plotting.
class TPEPDialog : public TPEPDialogSimple
{
    Q_OBJECT

public:
    TPEPDialog(TPEPDialogData &dialogData, GraphDialogs &dialogs, QWidget *parent = nullptr);

    QCheckBox &showLineBox() const { return *m_showLine; }

    void accept() override;

private:
    QCheckBox *m_showLine;
};
