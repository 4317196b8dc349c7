#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QMessageBox>
#include <QRgb>

#include "Automata/sizecheck.h"
#include "Input/imageloader.h"
#include "Persistence/grid.h"
#include "Persistence/imagefiles.h"
#include "testsupport.h"

namespace Batch {
class OptionParser;
}

// What every fuzz target shares. A target is one file of this folder in the
// libFuzzer form: it reads the bytes it is given as one reader of the program
// does, and holds the result to the reader's promise (a result, or a clean
// refusal with a message), calling require() where the promise could break.
namespace Fuzz {

// The memory budget of the size check during every input: small, so that
// inputs asking for a larger model are refused, and any one allocation above
// it is a finding.
constexpr long long budget = 128LL << 20;

// How one input ended.
enum class Outcome { None, Result, Refusal };

// Notes how the input being read ended; the driver asks after every input.
void record(Outcome outcome);
Outcome lastOutcome();
void resetOutcome();

// A broken promise. By default it is printed and the process aborts, which is
// how libFuzzer learns of it; the test driver reports it against the input.
void require(bool holds, const char* what);
void onFailure(std::function<void(const std::string&)> handler);

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Decodes the bytes as a loader reads a picture file, asking `accept` with the
// size from the header, and hands the picture to read(image), which returns
// the cells of the model to build or none. A picture refused before it is
// decoded gives at most one message, a warning; a decoded picture gives cells
// of its own width and height, or none with one warning (the size warning); a
// picture that does not decode gives none.
template <typename Read>
int readPicture(const uint8_t* data, size_t size, const Persistence::ImageFiles::SizeFilter& accept,
                Read read)
{
    TestSupport::ScriptedScope script;
    TestSupport::BudgetScope smallBudget(budget);
    const QImage image = Persistence::ImageFiles::decode(bytes(data, size), nullptr, accept);
    const auto& messages = script->messages();
    require(messages.isEmpty() ||
                (messages.size() == 1 && messages.front().icon == QMessageBox::Warning),
            "a picture refused with other than one warning while decoding");
    script->clearMessages();
    const auto cells = read(image);
    if (image.isNull()) {
        require(cells.isEmpty(), "cells from a picture that did not decode");
        require(messages.isEmpty(), "a message for a picture that did not decode");
        record(Outcome::Refusal);
        return 0;
    }
    if (cells.isEmpty()) {
        require(messages.size() == 1 && messages.front().icon == QMessageBox::Warning,
                "a picture refused without the size warning");
        record(Outcome::Refusal);
        return 0;
    }
    require(cells.width() == image.width() && cells.height() == image.height(),
            "cells of another size than the picture");
    require(cells.depth() >= 1 && cells.size() == static_cast<std::size_t>(cells.width()) *
                                                      cells.height() * cells.depth(),
            "cells whose count is not their extent");
    require(messages.isEmpty(), "a message while reading a picture that was used");
    record(Outcome::Result);
    return 0;
}

// The plain loaders' reading: a picture whose model check(width, height)
// does not fit in the budget is refused from its header; otherwise pixel
// (x, y) becomes cell (x, y) through the family's colour table.
template <typename Convert>
int readLattice(const uint8_t* data, size_t size, Convert convert,
                Automata::SizeCheck (*check)(int width, int height))
{
    using Cell = decltype(convert(QRgb()));
    return readPicture(data, size, Input::Loader<Cell>::sizeFilter(check),
                       [&](const QImage& image) {
                           return Input::ImageLoader<Cell>::cellsFrom(
                               image, check(image.width(), image.height()), convert);
                       });
}

// Holds the batch runner's parser to its promise once it has read its input:
// a refusal says why; options that were read name a catalogue entry (unless
// they only list or help), keep every count in its range and every file
// name absolute.
int parsedOptions(const Batch::OptionParser& parser, bool parsed);

} // namespace Fuzz
