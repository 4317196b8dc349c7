#include "materialcode.h"

namespace Automata {
namespace MixedAutomata {

const float* materialFaceColor(MaterialCode code)
{
    static const float silicon[4] = {0.7f, 0.7f, 0.7f, 1.0f};
    static const float outside[4] = {1.0f, 1.0f, 0.1f, 1.0f};
    static const float film01[4] = {0.4f, 0.5f, 0.1f, 1.0f};
    static const float film02[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    static const float laterFilms[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    switch (code) {
    case emptyCode:
        return nullptr;
    case siliconCode:
        return silicon;
    case outsideCode:
        return outside;
    case firstFilmCode:
        return film01;
    case firstFilmCode + 1:
        return film02;
    default:
        return laterFilms;
    }
}

} // namespace MixedAutomata
} // namespace Automata
