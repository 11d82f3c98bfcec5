#include "messageview.h"

#include <model/tcircuitdocument.h>

MessageView::MessageView(TCircuitDocument &document, QWidget *parent)
    : QListWidget(parent)
    , m_document(document)
{
    m_document.addListener(*this);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem *item) { emit messageChosen(item->text()); });
    showMessages();
}

MessageView::~MessageView()
{
    m_document.removeListener(*this);
}

void MessageView::notify(DocumentNotification code, int)
{
    if (code == DocumentNotification::MessagesChanged)
        showMessages();
}

void MessageView::showMessages()
{
    clear();
    for (const Message *message : m_document.messages())
        addItem(QString::fromUtf8(message->text().text()));
}
