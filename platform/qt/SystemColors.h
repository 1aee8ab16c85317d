#pragma once
// The system colours on Qt: the application palette's roles, read at every
// call so that a change of the desktop's theme shows at the next paint.

#include "support/raster/Colors.h"

class TQtSystemColors : public ISystemColors {
public:
    TColor SystemColorRGB(int index) const override;
};
