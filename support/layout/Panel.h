#pragma once
// What a panel is described by on every platform: how its caption lines up
// and how its frame is cut (BevelFrame). The panel controls themselves are
// the platform's (platform/<name>/Panel.h).

#include "support/layout/BevelFrame.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
