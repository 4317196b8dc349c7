#include <gtest/gtest.h>

#include <cstdio>

#include <QtGlobal>

#include "allocationwatch.h"
#include "mutations.h"
#include "seeds.h"
#include "fuzzing.h"

namespace {

using Target = int (*)(const uint8_t* data, size_t size);

// Image and parsing libraries report every broken input on the way; across
// thousands of broken inputs that says nothing.
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Runs a target over its seeds, every mutation of them and the other inputs
// of its corpus. Each input must end in a result or a clean refusal without
// breaking the target's promise and without any one allocation above the
// memory budget; each seed, an example that runs, must give a result.
void runTarget(const char* name, Target target, const Fuzz::Corpus& corpus)
{
    ASSERT_FALSE(corpus.seeds.isEmpty());
    const QList<Fuzz::Sample> inputs = Fuzz::Mutations::of(corpus.seeds) + corpus.others;
    int counts[Fuzz::Sample::KindCount] = {};
    int results = 0;
    int failures = 0;
    QString current;
    const auto fail = [&](const std::string& what) {
        ++failures;
        ADD_FAILURE() << current.toStdString() << ": " << what;
    };
    Fuzz::onFailure(fail);
    const QtMessageHandler previousHandler = qInstallMessageHandler(dropMessage);
    // A reader that fails everywhere needs a few examples, not thousands.
    for (int i = 0; i < inputs.size() && failures < 20; ++i) {
        const Fuzz::Sample& input = inputs.at(i);
        current = input.name;
        ++counts[input.kind];
        Fuzz::resetOutcome();
        std::size_t largest = 0;
        {
            Fuzz::AllocationWatch watch;
            target(reinterpret_cast<const uint8_t*>(input.bytes.constData()),
                   static_cast<size_t>(input.bytes.size()));
            largest = watch.largest();
        }
        const Fuzz::Outcome outcome = Fuzz::lastOutcome();
        if (largest > static_cast<std::size_t>(Fuzz::budget))
            fail("one allocation of " + std::to_string(largest) + " bytes, above the budget");
        if (outcome == Fuzz::Outcome::None)
            fail("neither a result nor a refusal");
        if (i < corpus.seeds.size() && outcome != Fuzz::Outcome::Result)
            fail("the example was refused");
        results += outcome == Fuzz::Outcome::Result;
    }
    qInstallMessageHandler(previousHandler);
    Fuzz::onFailure(nullptr);
    std::printf("%s: %d inputs (%d seeds and examples, %d truncations, %d bit flips, "
                "%d numeric extremes, %d header sizes): %d results, %d refusals\n",
                name, static_cast<int>(inputs.size()), counts[Fuzz::Sample::Seed],
                counts[Fuzz::Sample::Truncation], counts[Fuzz::Sample::BitFlip],
                counts[Fuzz::Sample::NumericExtreme], counts[Fuzz::Sample::HeaderSize], results,
                static_cast<int>(inputs.size()) - results);
}

} // namespace

// A target is one file in fuzz/ defining LLVMFuzzerTestOneInput, which
// this program links under the name lithoscopeFuzz_<file>; each is
// registered here by one line naming the file and the corpus it reads.
#define FUZZ_TARGET(name, corpus)                                                                  \
    extern "C" int lithoscopeFuzz_##name(const uint8_t* data, size_t size);                        \
    TEST(FuzzTargets, name)                                                                        \
    {                                                                                              \
        runTarget(#name, lithoscopeFuzz_##name, corpus);                                           \
    }

FUZZ_TARGET(sandimage, Fuzz::Seeds::picture(QStringLiteral("sand-automaton")))
FUZZ_TARGET(diffusionimage, Fuzz::Seeds::picture(QStringLiteral("1d-diffusion")))
FUZZ_TARGET(fhpimage, Fuzz::Seeds::picture(QStringLiteral("fhp")))
FUZZ_TARGET(fhpdepositionimage, Fuzz::Seeds::picture(QStringLiteral("fhp-deposition")))
FUZZ_TARGET(filmimage, Fuzz::Seeds::picture(QStringLiteral("2d-film-deposition")))
// Every height map read fills a volume of a million voxels: its other formats
// are left to the targets above, which decode them alike.
FUZZ_TARGET(heightmapimage, Fuzz::Seeds::picture(QStringLiteral("3d-film-deposition"), {}))
FUZZ_TARGET(cvdimage, Fuzz::Seeds::picture(QStringLiteral("cvd-binary-2d-automaton")))
FUZZ_TARGET(isotropicgaimage, Fuzz::Seeds::picture(QStringLiteral("isotropic-ga")))
FUZZ_TARGET(oxidationimage, Fuzz::Seeds::picture(QStringLiteral("2d-oxidation")))
FUZZ_TARGET(annealingimage, Fuzz::Seeds::picture(QStringLiteral("annealing-rule")))
FUZZ_TARGET(batchoptions, Fuzz::Seeds::commandLines())
FUZZ_TARGET(batchrecipe, Fuzz::Seeds::recipes())
FUZZ_TARGET(interpolationtable, Fuzz::Seeds::tables())
