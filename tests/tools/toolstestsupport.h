#pragma once

#include <tools/tooldialogs.h>

#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/tstreamablebase.h>

#include <algebra/factpolynom.h>
#include <algebra/polynom.h>

#include <functional>
#include <memory>
#include <string>

// Registers every persistent class once for the test program.
void registerClassesForTests();

// Writes the object through a pointer and reads it back as a new object.
template<typename T>
std::unique_ptr<T> roundTrip(const T &object)
{
    registerClassesForTests();
    opstream os;
    os.writePointer(&object);
    ipstream is(os.takeBytes());
    std::unique_ptr<T> copy = is.readOwnedPointer<T>();
    return is.good() && is.atEnd() ? std::move(copy) : nullptr;
}

// A record as an older program wrote it: the given class name and version, the given fields.
class OldRecord : public TStreamableBase
{
public:
    OldRecord(const char *name, std::uint32_t version, std::function<void(opstream &)> fields)
        : m_name(name)
        , m_version(version)
        , m_fields(std::move(fields))
    {
    }
    const char *streamableName() const override { return m_name; }
    std::uint32_t streamableVersion() const override { return m_version; }
    void write(opstream &os) const override { m_fields(os); }
    void read(ipstream &, std::uint32_t) override {}

private:
    const char *m_name;
    std::uint32_t m_version;
    std::function<void(opstream &)> m_fields;
};

// Reads an old record into a fresh T; answers whether the whole record was read.
template<typename T>
bool readOldRecord(const OldRecord &record, T &into)
{
    registerClassesForTests();
    opstream os;
    os.writeObject(record);
    ipstream is(os.takeBytes());
    return is.readObject(into) && is.good() && is.atEnd();
}

// A transfer function given as a real numerator (constant term first) over poles.
struct TransferFunction
{
    Polynom numerator;
    FactPolynom poles;
};

// Tool dialogs whose answers a test scripts; unscripted dialogs cancel.
class ScriptedToolDialogs : public ToolDialogs, public ParameterDialogs
{
public:
    std::function<bool(SignalDialogData &)> signal;
    std::function<void(SignalExportData &)> signalExport;
    std::function<bool(ImpulseDialogData &)> impulse;
    std::function<bool(CompndSigDialogData &)> compndSig;
    std::function<bool(TPEPDialogData &)> plotLine;
    std::function<bool(GraphMarkerDialogData &)> marker;
    std::function<bool(TGraphParamDialogData &)> graphParam;
    std::function<bool(TranFuncDialogData &)> tranFunc;
    std::function<void(TransFuncTextExportData &)> transFuncExport;
    std::function<void(const TransFuncExtendedViewData &)> transFuncExtendedView;
    std::function<bool(BodePlotDialogData &)> bodePlot;
    std::function<bool(BPEPDialogData &)> bpep;
    std::function<void(BodePlotExportData &)> bodePlotExport;
    std::function<bool(TimePlotDialogData &)> timePlot;
    std::function<void(TimePlotExportData &)> timePlotExport;
    int opened = 0;

    bool signalDialog(SignalDialogData &data) override { return run(signal, data); }
    void signalExportDialog(SignalExportData &data) override { show(signalExport, data); }
    bool impulseDialog(ImpulseDialogData &data) override { return run(impulse, data); }
    bool compndSigDialog(CompndSigDialogData &data) override { return run(compndSig, data); }
    bool plotLineDialog(TPEPDialogData &data) override { return run(plotLine, data); }
    bool graphMarkerDialog(GraphMarkerDialogData &data) override { return run(marker, data); }
    bool graphParamDialog(TGraphParamDialogData &data) override { return run(graphParam, data); }
    bool tranFuncDialog(TranFuncDialogData &data) override { return run(tranFunc, data); }
    void transFuncTextExportDialog(TransFuncTextExportData &data) override
    {
        show(transFuncExport, data);
    }
    void transFuncExtendedViewDialog(const TransFuncExtendedViewData &data) override
    {
        show(transFuncExtendedView, data);
    }
    bool bodePlotDialog(BodePlotDialogData &data) override { return run(bodePlot, data); }
    bool bpepDialog(BPEPDialogData &data) override { return run(bpep, data); }
    void bodePlotDataExportDialog(BodePlotExportData &data) override { show(bodePlotExport, data); }
    bool timePlotDialog(TimePlotDialogData &data) override { return run(timePlot, data); }
    void timePlotDataExportDialog(TimePlotExportData &data) override { show(timePlotExport, data); }

    bool passCompDialog(PassCompDialogData &) override { return false; }
    bool indepSrcDialog(NameSideDialogData &) override { return false; }
    bool depSrcDialog(DepSrcDialogData &) override { return false; }
    bool circTagDialog(NameSideDialogData &) override { return false; }
    bool textBoxEditor(TextBoxEditorData &) override { return false; }
    ToolDialogs *toolDialogs() override { return this; }

private:
    template<typename Data>
    void show(const std::function<void(Data &)> &script, Data &data)
    {
        ++opened;
        if (script)
            script(data);
    }
    template<typename Data>
    bool run(const std::function<bool(Data &)> &script, Data &data)
    {
        ++opened;
        return script ? script(data) : false;
    }
};
