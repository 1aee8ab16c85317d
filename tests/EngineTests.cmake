# The engine's tests that need no platform: number text, the extended type,
# the raster device's drawing and the chart engine, with text of fixed
# metrics (FixedTextRenderer). They make kmity_engine_tests, which links no
# toolkit, on Linux and on Windows alike; every other test (real fonts,
# widgets, the window) is in the platform's own test program.
set(KMITY_ENGINE_TEST_SOURCES
  support/numbers/ExtendedMathTest.cpp
  support/numbers/FormatNumberMaskTest.cpp
  support/numbers/NumberTextDigitsTest.cpp
  support/numbers/NumberTextRoundTripTest.cpp
  support/numbers/ParseFloatTextTest.cpp
  support/numbers/SoftFloat80DifferentialTest.cpp
  support/numbers/SoftSineAccuracyTest.cpp
  support/raster/RasterDeviceFigureTest.cpp
  support/raster/RasterDeviceLineTest.cpp
  support/raster/RasterDevicePenTest.cpp
  support/raster/FixedTextRenderer.cpp
  chart/AxisFuzzFindingsTest.cpp
  chart/AxisLabelStepTest.cpp
  chart/AxisScalingTest.cpp
  chart/ChartPaintTest.cpp
  chart/ChartSeriesChartTest.cpp
  chart/ChartSeriesDataTest.cpp
  chart/DrawingSurfaceTest.cpp
  chart/LineSeriesDrawTest.cpp
  chart/LineSeriesHitTest.cpp
  chart/LineSeriesRangeTest.cpp
  chart/LineSeriesSettingsTest.cpp
  chart/ValueListTest.cpp)
list(TRANSFORM KMITY_ENGINE_TEST_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
