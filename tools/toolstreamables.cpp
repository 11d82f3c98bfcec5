#include "toolstreamables.h"

#include <tools/bodeline.h>
#include <tools/bodeplot.h>
#include <tools/bpelemparam.h>
#include <tools/compndsig.h>
#include <tools/filtsigterm.h>
#include <tools/graph/graphmarker.h>
#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>
#include <tools/impulse.h>
#include <tools/nonperiodicsigsolu.h>
#include <tools/periodicsigsolu.h>
#include <tools/sigelement.h>
#include <tools/signal.h>
#include <tools/sigsolution.h>
#include <tools/supersigsolution.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <common/tstreamableclass.h>

void registerToolStreamables()
{
    TStreamableClass::add<GraphMarker>();
    TStreamableClass::add<TPElemParam>();
    TStreamableClass::add<TGraphParam>();
    TStreamableClass::add<SigElement>();
    TStreamableClass::add<Impulse>();
    TStreamableClass::add<CompndSig>();
    TStreamableClass::add<Signal>();
    TStreamableClass::add<FiltSigTerm>();
    TStreamableClass::add<SigSolution>();
    TStreamableClass::add<NonPeriodicSigSolu>();
    TStreamableClass::add<PeriodicSigSolu>();
    TStreamableClass::add<SuperSigSolution>();
    TStreamableClass::add<TransFunc>();
    TStreamableClass::add<BodeLine>();
    TStreamableClass::add<MagnitudeBodeLine>();
    TStreamableClass::add<PhaseBodeLine>();
    TStreamableClass::add<RealPartBodeLine>();
    TStreamableClass::add<ImaginaryPartBodeLine>();
    TStreamableClass::add<BPElemParam>();
    TStreamableClass::add<BodePlot>();
    TStreamableClass::add<TimePlot>();
}
