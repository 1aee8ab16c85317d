// The engine's tests without a platform: text has the fixed metrics of the
// test renderer and system colours come from the built-in table.
#include "tests/support/raster/FixedTextRenderer.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TFixedTextRenderer text;
    SetTextRenderer(&text);
    return RUN_ALL_TESTS();
}
