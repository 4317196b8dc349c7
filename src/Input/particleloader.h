#pragma once

#include <type_traits>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "Automata/NanoTubes/particleparameters.h"
#include "Automata/NanoTubes/particleresults.h"
#include "imagerequest.h"
#include "loader2d.h"

namespace Input {

// The loaders of the titanium particle models: an "Open Input" dialog takes
// an image, mapped by the phase colours and followed by the model's option
// dialog D, or a ".txt" result file of the model A, which continues its run.
// Species is 2 for the model with a fluorine density.
template <typename A, typename D, int Species>
class ParticleLoader : public Loader2D<int, A> {
public:
    explicit ParticleLoader(QWidget* parent) : Loader2D<int, A>(parent, false)
    {
        const QString name = Interaction::interaction().openFileName(
            parent, QStringLiteral("Open Input"), this->rememberedFolder().absolutePath(),
            QStringLiteral("Image Files (*.png *.jpg *.bmp);;Save Files(*.txt)"));
        if (name.isEmpty())
            return;
        if (name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
            restore(name);
            return;
        }
        if (!this->readImage(ImageRequest::readRemembering(parent, name, this->rememberedFolder(),
                                                           Loader<int>::sizeFilter(&modelCheck))))
            return;
        D dialog(parent);
        if (!this->runOptionDialog(dialog))
            return;
        parameters = dialog.parameters();
        const auto problem = parameters.problem(Species);
        if (!problem.text.isEmpty()) {
            Interaction::interaction().warning(parent, QStringLiteral("Invalid parameters"), problem.text);
            this->cells = Persistence::Grid<int>();
        }
    }

    Automata::Automaton* load() override
    {
        if (restored.ok() && restored.width > 0)
            return new A(restored);
        if (this->cells.isEmpty())
            return nullptr;
        return new A(this->cells.width(), this->cells.height(), this->cells.data(), parameters);
    }

    // What the model of a width x height lattice holds at once: the loader's
    // cells or file grids, both lattice buffers and a saved picture's planes.
    static Automata::SizeCheck modelCheck(int width, int height)
    {
        return Automata::SizeCheck({width, height})
            .perSite<unsigned char>(3)
            .template perSite<std::uint32_t>(5)
            .template perSite<std::remove_pointer_t<decltype(std::declval<A&>().getCells())>>(2);
    }

private:
    void restore(const QString& name)
    {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            Interaction::interaction().warning(this->parent, QStringLiteral("Loader error"),
                                               QStringLiteral("The save file could not be opened!"));
            return;
        }
        Automata::NanoTubes::ParticleResults::Data data = A::readResults(file.readAll());
        if (!data.ok()) {
            Interaction::interaction().warning(
                this->parent, QStringLiteral("Loader error"),
                QStringLiteral("The save file could not be read (line %1)!").arg(data.badLine));
            return;
        }
        if (!Loader<int>::fits(modelCheck(data.width, data.height)))
            return;
        this->rememberedFolder() = QFileInfo(name).absoluteDir();
        restored = std::move(data);
    }

    Automata::NanoTubes::ParticleParameters parameters;
    Automata::NanoTubes::ParticleResults::Data restored;
};

} // namespace Input
