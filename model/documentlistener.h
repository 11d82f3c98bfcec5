#pragma once

// What a document tells its views.
enum class DocumentNotification : int {
    // A component was appended; the argument is the highest index of the component list.
    ComponentAppended = 100,
    // The circuit changed; views redraw.
    CircuitChanged = 102,
    // The message list changed; message views list it anew.
    MessagesChanged = 103,
};

// A view of a document. The view attaches itself to the document and detaches before it
// goes; the document does not own it.
class DocumentListener
{
public:
    virtual ~DocumentListener() = default;
    virtual void notify(DocumentNotification code, int argument) = 0;

protected:
    DocumentListener() = default;
};
