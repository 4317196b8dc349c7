#pragma once

#include <QList>
#include <QString>

#include "sample.h"

namespace Fuzz {

// What a target reads: seeds, which are also mutated, and other inputs read
// only as they are.
struct Corpus {
    QList<Sample> seeds;
    QList<Sample> others;
};

// The seed corpus: the inputs of the bundled examples, named by their place
// in examples/.
class Seeds {
public:
    // The picture of one example folder as PNG, BMP and JPEG (the formats the
    // file dialogs offer), with every other example picture read as it is.
    static Corpus picture(const QString& example);
    // The examples' value tables.
    static Corpus tables();
};

} // namespace Fuzz
