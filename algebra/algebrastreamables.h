#pragma once

// Registers the persistent classes of the double-precision algebra (polynomials, ratios, roots,
// partial fractions) with the object stream.
void registerAlgebraStreamables();
