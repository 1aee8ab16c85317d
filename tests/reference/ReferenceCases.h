#pragma once
// The drawing cases shared with the platform reference program: reading the
// case file and drawing one case with the raster device.

#include "support/raster/Image.h"

#include <string>
#include <vector>

constexpr int kReferenceSide = 48;

struct TReferenceCase {
    std::string Name;
    // Pixels allowed to differ from the reference: 0 for the exact cases.
    int Allowed = 0;
    std::vector<std::string> Lines;
};

// Every case of the file in order; throws std::runtime_error when the file
// cannot be read.
std::vector<TReferenceCase> LoadReferenceCases(const std::string& path);

// The case drawn by the raster device on a fresh white image, from the same
// defaults as a new memory device context. Throws std::runtime_error on a
// line it does not understand.
TImage DrawWithDevice(const TReferenceCase& drawing);
