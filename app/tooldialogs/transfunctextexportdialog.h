#pragma once

#include "textexportdialog.h"

struct TransFuncTextExportData;
class QButtonGroup;

// "Export Text from Transfer Function": the formula in the syntax of the checked button
// ("Cn*s^n" each time it opens).
class TransFuncTextExportDialog : public TextExportDialog
{
    Q_OBJECT

public:
    TransFuncTextExportDialog(TransFuncTextExportData &dialogData, ExportPrompts &prompts,
                              QWidget *parent = nullptr);

    // Ids are the syntaxes in the order of their buttons.
    QButtonGroup &syntaxButtons() const { return *m_syntax; }
    std::string exportText() override;

private:
    TransFuncTextExportData &m_data;
    QButtonGroup *m_syntax;
};
