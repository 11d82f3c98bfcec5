#include "realpartbodeline.h"

#include <common/ipstream.h>
#include <common/opstream.h>

ZENODYNE_BASE_RECORD(RealPartBodeLine, BodeLine)
