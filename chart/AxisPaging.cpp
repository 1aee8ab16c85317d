// Paging of points: while a chart shows at most MaxPointsPerPage points a
// page, the automatic range of the axis along which the points are ordered
// comes from one page of the first series that uses that axis.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "support/numbers/Float80.h"

#include <algorithm>
#include <cstdint>

// Every series of this program plots its Y values against its ordered X
// values, so the paged axis is a horizontal one.
bool TCustomChartAxis::IsPaged() const { return Chart && Chart->MaxPointsPerPage() > 0 && IsHorizontal && !IsDepth; }

// The first active series that uses the axis, or the first one of any kind
// when no active series uses it; nullptr when none does.
const TChartSeries* TCustomChartAxis::PagedSeries() const
{
    const TChartSeries* inactive = nullptr;
    for (const TChartSeries* series : Chart->SeriesList()) {
        if (!series->UsesAxis(this))
            continue;
        if (series->Active())
            return series;
        if (!inactive)
            inactive = series;
    }
    return inactive;
}

// 10 points x = 0..9 at 3 a page: page 2 gives 3..5, page 4 the short page
// 9..9 and a page past the end the last full page, 6..8. With x = 0..10 and
// ScaleLastPage off, page 4 holds 9 and 10 and spans 9..10.5, the width of
// three points.
double TCustomChartAxis::PageExtreme(bool lowest) const
{
    const TChartSeries* series = PagedSeries();
    const int64_t n = series ? series->PointCount() : 0;
    if (n == 0)
        return 0;
    const int64_t perPage = Chart->MaxPointsPerPage();
    int64_t first = (int64_t{Chart->Page()} - 1) * perPage;
    if (first >= n)
        first = std::max<int64_t>(0, n / perPage - 1) * perPage;
    // A page before the first would start at a point that does not exist:
    // it shows the first page.
    first = std::max<int64_t>(first, 0);
    int64_t last = first + perPage - 1;
    if (last >= n)
        last = first + n % perPage - 1;
    const double low = series->XAt(static_cast<int32_t>(first));
    if (lowest)
        return low;
    const double high = series->XAt(static_cast<int32_t>(last));
    const int64_t count = last - first + 1;
    if (Chart->ScaleLastPage() || count >= perPage)
        return high;
    // A short last page is drawn at the scale of a full one.
    return static_cast<double>(low + (static_cast<Float80>(high) - low) * perPage / count);
}
