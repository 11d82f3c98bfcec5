#include "modelstreamables.h"

#include <model/capacitor.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/message.h>
#include <model/resistor.h>
#include <model/tagdepcy.h>
#include <model/textblock.h>
#include <model/textdouble.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/vstring.h>
#include <model/wire.h>

#include <common/tstreamableclass.h>

#include <mutex>

void registerModelStreamables()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        TStreamableClass::add<labelUnit>();
        TStreamableClass::add<textDouble>();
        TStreamableClass::add<VString>();
        TStreamableClass::add<TagDepcy>();
        TStreamableClass::add<Wire>();
        TStreamableClass::add<Grounder>();
        TStreamableClass::add<Resistor>();
        TStreamableClass::add<Capacitor>();
        TStreamableClass::add<Inductor>();
        TStreamableClass::add<VoltSource>();
        TStreamableClass::add<CurrSource>();
        TStreamableClass::add<DepVoltSource>();
        TStreamableClass::add<DepCurrSource>();
        TStreamableClass::add<VoltageTag>();
        TStreamableClass::add<CurrentTag>();
        TStreamableClass::add<CircTool>();
        TStreamableClass::add<TextBlock>();
        TStreamableClass::add<Message>();
    });
}
