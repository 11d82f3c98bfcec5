#include "compndsigdialog.h"

#include "dialogfields.h"
#include "signalpicture.h"

#include <tools/signal.h>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CompndSigDialog::CompndSigDialog(CompndSigDialogData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_preview(dialogData)
    , m_update(new QPushButton(QStringLiteral("Update Graph"), this))
    , m_picture(new SignalPicture(
          [this](const Rect &frame) { return m_preview.previewSignal(frame); }, this))
{
    setWindowTitle(QStringLiteral("Compound Signal Element Parameters"));
    auto *fields = new QFormLayout;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = DialogFields::lineEdit(dialogData.fields[i], this);
        const std::string_view name = CompndSigDialogData::fieldNames[i];
        fields->addRow(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                       m_fields[i]);
    }
    fields->addRow(m_update);
    auto *top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(m_picture, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(DialogFields::okCancel(this));
    connect(m_update, &QPushButton::clicked, this, [this] {
        readFields(m_preview);
        m_picture->update();
    });
}

void CompndSigDialog::readFields(CompndSigDialogData &into) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        into.fields[i] = DialogFields::toStd(m_fields[i]->text());
}

void CompndSigDialog::accept()
{
    readFields(m_data);
    QDialog::accept();
}
