#pragma once

#include <QByteArray>
#include <QString>

namespace Fuzz {

// One input of a fuzz target, named for the failure messages.
struct Sample {
    enum Kind { Seed, Truncation, BitFlip, NumericExtreme, HeaderSize, KindCount };

    QString name;
    QByteArray bytes;
    Kind kind = Seed;
};

} // namespace Fuzz
