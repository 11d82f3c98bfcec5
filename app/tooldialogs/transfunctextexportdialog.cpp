#include "transfunctextexportdialog.h"

#include <tools/transfunctextexportdata.h>

#include <QButtonGroup>
#include <QFormLayout>
#include <QRadioButton>

TransFuncTextExportDialog::TransFuncTextExportDialog(TransFuncTextExportData &dialogData,
                                                     ExportPrompts &prompts, QWidget *parent)
    : TextExportDialog(QStringLiteral("Export Text from Transfer Function"), QStringLiteral("Text"),
                       prompts, parent)
    , m_data(dialogData)
    , m_syntax(new QButtonGroup(this))
{
    for (std::size_t i = 0; i < TransFuncTextExportData::syntaxNames.size(); ++i) {
        const std::string_view name = TransFuncTextExportData::syntaxNames[i];
        auto *button = new QRadioButton(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), this);
        m_syntax->addButton(button, static_cast<int>(i));
        fields().addRow(button);
    }
    m_syntax->button(static_cast<int>(dialogData.syntax))->setChecked(true);
    connect(m_syntax, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_data.syntax = static_cast<TransFunc::TextSyntax>(id);
    });
}

std::string TransFuncTextExportDialog::exportText()
{
    return m_data.text();
}
