#include "framesource.h"

namespace Interaction {

namespace {
FrameSource* installed = nullptr;
}

FrameSource::~FrameSource()
{
    // A view that goes away leaves no dangling view behind.
    if (installed == this)
        installed = nullptr;
}

FrameSource* FrameSource::current()
{
    return installed;
}

void FrameSource::install(FrameSource* view)
{
    installed = view;
}

} // namespace Interaction
