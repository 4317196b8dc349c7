#include "simplefilmdeposition3dloader.h"

#include <algorithm>

#include "../Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "../Ui/simplefilmdeposition3doptionsform.h"
#include "imageinput.h"
#include "Interaction/interaction.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;

SimpleFilmDeposition3DLoader::SimpleFilmDeposition3DLoader(QWidget* parent, int mode)
    : parent(parent), mode(mode)
{
    const QImage image =
        ImageInput::read(ImageInput::askImageName(parent, ImageInput::examplesFolder()));
    if (image.isNull()) {
        Interaction::interaction().warning(nullptr, QString(), QStringLiteral("Could not open input file!"));
        return;
    }
    // Three copies of the volume live at once (this one and the model's two
    // buffers); a height map that asks for more than the machine can hold is
    // refused instead of failing to allocate.
    const long long voxels =
        static_cast<long long>(image.width()) * image.height() * heightMapDepth(image);
    if (voxels > maxVoxels) {
        Interaction::interaction().warning(nullptr, QString(),
                              QStringLiteral("The height map asks for a volume of %1 voxels; "
                                             "at most %2 can be built.")
                                  .arg(voxels)
                                  .arg(maxVoxels));
        return;
    }
    width = image.width();
    height = image.height();
    cells = heightMapVolume(image, depth);
}

SimpleFilmDeposition3DLoader::~SimpleFilmDeposition3DLoader()
{
    delete[] cells;
}

int SimpleFilmDeposition3DLoader::heightMapDepth(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    int tallest = 1;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            tallest = std::max(tallest, qRed(line[x]));
    }
    return 2 * tallest;
}

FilmCell* SimpleFilmDeposition3DLoader::heightMapVolume(const QImage& image, int& depth)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    depth = heightMapDepth(rgb);
    FilmCell* volume = new FilmCell[static_cast<std::size_t>(w) * h * depth];
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int columnHeight = qRed(line[x]);
            FilmCell* column = volume + (static_cast<std::size_t>(x) * h + y) * depth;
            for (int z = 0; z < depth; ++z)
                column[z].type = z < columnHeight ? Automata::FilmDeposition::Substrate
                                                  : Automata::FilmDeposition::Empty;
        }
    }
    return volume;
}

Automata::Automaton* SimpleFilmDeposition3DLoader::load()
{
    if (!cells || mode != 1)
        return nullptr;
    auto* model =
        new Automata::FilmDeposition::SimpleFilmDeposition3D(width, height, depth, cells);
    Interaction::interaction().showForm(new Ui::SimpleFilmDeposition3DOptionsForm(model, parent));
    return model;
}

} // namespace Input
