#pragma once

#include <QString>

// The image export without a window: reads a circuit file and writes the picture of all its
// things as PNG, SVG or PDF (by the suffix of the output), in the font and colours of the
// settings file. Answers the problem, empty when the image was written.
QString exportCircuitImage(const QString &circuitFile, const QString &imageFile,
                           const QString &iniPath);
