#pragma once

#include <QByteArray>
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
    // The picture of one example folder as PNG and in each of `formats` (by
    // default the others the file dialogs offer, BMP and JPEG), with every
    // other example picture read as it is.
    static Corpus picture(const QString& example,
                          const QList<QByteArray>& formats = {"BMP", "JPG"});
    // Every example recipe with its entry's label on a first line of its own.
    static Corpus recipes();
    // Command lines, one argument a line: every entry with an example run by
    // --example and by --recipe, the listing, the help, and one line giving
    // every option.
    static Corpus commandLines();
    // The examples' value tables.
    static Corpus tables();
    // The examples' DAT files of scattered points.
    static Corpus points();
    // The examples' result tables of the particle models.
    static Corpus resultTables();
};

} // namespace Fuzz
