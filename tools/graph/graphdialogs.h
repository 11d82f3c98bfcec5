#pragma once

struct GraphMarkerDialogData;
struct TGraphParamDialogData;
struct TPEPDialogData;

// The dialogs of the graph model (line, marker and graph parameters), as the front end
// provides them. Each shows the data it is given, lets the user change it and answers true
// for OK (the data then holds what the user entered) or false for Cancel.
class GraphDialogs
{
public:
    virtual ~GraphDialogs() = default;

    // "Plot Line Parameters", with or without its "Show Line" box.
    virtual bool plotLineDialog(TPEPDialogData &data) = 0;
    // "Plot Marker Parameters".
    virtual bool graphMarkerDialog(GraphMarkerDialogData &data) = 0;
    // "Graph Parameters".
    virtual bool graphParamDialog(TGraphParamDialogData &data) = 0;

protected:
    GraphDialogs() = default;
};
