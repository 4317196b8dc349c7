#include "automaton.h"

namespace Automata {

Automaton::~Automaton() = default;

double Automaton::getTime()
{
    return 0.0;
}

std::string Automaton::getTimeInfo()
{
    return std::string();
}

long long Automaton::getSiteCount() const
{
    return 0;
}

bool Automaton::getAtomCounts(AtomCounts& counts) const
{
    (void)counts;
    return false;
}

} // namespace Automata
