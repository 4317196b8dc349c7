#include "interaction.h"

#include "qtinteraction.h"

namespace Interaction {

namespace {
Interaction* installed = nullptr;
}

Interaction::~Interaction() = default;

Interaction& Interaction::current()
{
    if (installed)
        return *installed;
    static QtInteraction qtInteraction;
    return qtInteraction;
}

void Interaction::install(Interaction* interaction)
{
    installed = interaction;
}

} // namespace Interaction
