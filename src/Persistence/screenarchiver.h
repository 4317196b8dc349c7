#pragma once

#include "automatonarchiver.h"
#include "Interaction/framesource.h"

namespace Persistence {

// Saves what the view shows instead of the planes it is handed.
class ScreenArchiver : public AutomatonArchiver {
public:
    explicit ScreenArchiver(Interaction::FrameSource* view) : view(view) {}

    void save(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
              int width, int height) override;
    // The first call only asks for the series name; pictures start with the next.
    void saveStep(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
                  int width, int height) override;

private:
    void writeFrame(const QString& name, bool series);

    Interaction::FrameSource* view;
};

} // namespace Persistence
