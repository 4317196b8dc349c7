#pragma once

namespace Persistence {

// Where pictures of a model's state go. The planes are width x height bytes
// each in lattice element order (x * height + y); they are read during the call only.
class Archiver {
public:
    virtual ~Archiver() = default;
    virtual void save(const unsigned char* red, const unsigned char* green,
                      const unsigned char* blue, int width, int height) = 0;
    virtual void saveStep(const unsigned char* red, const unsigned char* green,
                          const unsigned char* blue, int width, int height) = 0;
};

} // namespace Persistence
