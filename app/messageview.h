#pragma once

#include <model/documentlistener.h>

#include <QListWidget>

class TCircuitDocument;

// The message view of a circuit document: one line per message of the document's message
// list, in list order, filled anew whenever the document tells that the list changed. A
// double click on a line reports its text, so that the frame can show the thing it names.
class MessageView : public QListWidget, public DocumentListener
{
    Q_OBJECT

public:
    explicit MessageView(TCircuitDocument &document, QWidget *parent = nullptr);
    ~MessageView() override;

    TCircuitDocument &document() const { return m_document; }
    void notify(DocumentNotification code, int argument) override;

signals:
    void messageChosen(const QString &text);

private:
    void showMessages();

    TCircuitDocument &m_document;
};
