#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

namespace Persistence {

// The fixed values of a 1D interpolation ring as a CSV text holds them: the
// ring's size and the number of fixed values ("N,F"), then one record
// "index,value" per fixed value. Numbers may have white space before them; a
// separator is the next character after any white space, normally a comma.
// Reading is a pure function of the bytes: the whole table, or the error that
// stopped it and its line, never half a table.
class InterpolationCsv {
public:
    struct FixedValue {
        int index = 0;
        double value = 0.0;
    };

    struct Table {
        int size = 0;
        std::vector<FixedValue> fixedValues; // in the order of the records
    };

    struct Result {
        Table table;
        // The text the "Parse Error" box shows; empty when everything was read.
        QString error;
        // The line of the text (from 1) where reading stopped on an error.
        int line = 0;

        bool ok() const { return error.isEmpty(); }
    };

    static Result read(const QByteArray& bytes);

    // A ring holds 1 to maxSize values, as many as the dialog's table can show.
    static constexpr int maxSize = 9999;
    // Values are at most this large in magnitude: far enough below the
    // largest double that a step's sum of squared changes stays finite on the
    // largest ring, whatever the rule makes of the values.
    static constexpr double maxMagnitude = 1e100;
};

} // namespace Persistence
