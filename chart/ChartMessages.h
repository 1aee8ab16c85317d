#pragma once
// Message texts and resource strings of the chart engine, and its two error
// classes. The texts are shown to the user exactly as they stand here.

#include "support/runtime/Exceptions.h"

namespace LynConst {
inline constexpr const char* DefaultFontName = "Arial";
inline constexpr const char* DefaultFontSize = "8";
inline constexpr const char* DefaultValueFormat = "#,##0.###";
inline constexpr const char* DefaultPercentFormat = "##0.## %";
inline constexpr const char* XValuesName = "X";
inline constexpr const char* YValuesName = "Y";

inline constexpr const char* AxisMinMax = "Axis Minimum Value must be <= Maximum";
inline constexpr const char* AxisMaxMin = "Axis Maximum Value must be >= Minimum";
inline constexpr const char* AxisIncrementNegative = "Axis increment must be >= 0";
inline constexpr const char* AxisLabelSeparation = "Labels Separation % must be greater than 0";
inline constexpr const char* AxisLogBase = "Axis Logarithmic Base should be >= 2";
inline constexpr const char* AngleRange = "%s Angle must be between 0 and 359 degrees";
inline constexpr const char* AxisLabelsName = "Axis Labels";
inline constexpr const char* AxisTitleName = "Axis Title";
inline constexpr const char* Chart3DPercentRange = "3D effect percent must be between %d and %d";
inline constexpr const char* PointerSize = "Pointer size must be greater than zero";
inline constexpr const char* ListIndexError = "List index out of bounds (%d)";
inline constexpr const char* ListCapacityError = "List capacity out of bounds (%d)";
} // namespace LynConst

// Axis ranges, increments, separations and angles that an axis refuses.
class AxisException : public Exception {
public:
    using Exception::Exception;
};

// Every other refused chart setting.
class ChartException : public Exception {
public:
    using Exception::Exception;
};
