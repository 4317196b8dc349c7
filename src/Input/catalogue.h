#pragma once

#include <QStringList>

class QWidget;

namespace Automata {
class Automaton;
}

namespace Input {

// Builds one catalogue entry's model: runs its loader once and returns the
// result (null when cancelled or the input was unusable).
using BuildFunction = Automata::Automaton* (*)(QWidget* parent);

struct CatalogueEntry {
    const char* label;
    BuildFunction build; // null while the entry's family is not part of the program
};

// The catalogue, in the order of the main window's model list: the list
// position is the index. This table is the one source of the labels.
class Catalogue {
public:
    static int size();
    // Null for an index outside 0 .. size() - 1.
    static const CatalogueEntry* entry(int index);
    static QStringList labels();
    // The index of an exact label, or -1.
    static int indexOf(const QString& label);
};

// The usual build: construct the loader with the parent, load once, destroy it.
template <typename L>
Automata::Automaton* buildWith(QWidget* parent)
{
    L loader(parent);
    return loader.load();
}

// The same for loaders that take a variant argument.
template <typename L, int Variant>
Automata::Automaton* buildVariant(QWidget* parent)
{
    L loader(parent, Variant);
    return loader.load();
}

// Builds the model of a catalogue index; null for an index outside the
// catalogue (no dialog), a cancelled or failed load, or an entry not available.
Automata::Automaton* AutomatonFactory(int index, QWidget* parent);

} // namespace Input
