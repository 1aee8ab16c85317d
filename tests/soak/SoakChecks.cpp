#include "SoakChecks.h"

#include "chart/LineSeries.h"
#include "support/numbers/Float80.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

// x = A sin(omega t + phi) worked out here on its own: argument and product
// at extended precision, no sine for arguments of 2^63 or more.
double ExpectedElongation(double a, double omega, double phi, double t)
{
    const Float80 argument = static_cast<Float80>(omega) * t + phi;
    const Float80 sine = f80::fabs(argument) >= F80(0x1p63) ? F80(0.0) : f80::sinl(argument);
    return static_cast<double>(a * sine);
}

double ExtendedSum(double a, double b) { return static_cast<double>(static_cast<Float80>(a) + b); }

// Equal as stored values: the same double, not-a-numbers included.
bool Same(double a, double b) { return a == b || (f80::isnan(a) && f80::isnan(b)); }

std::string Describe(const char* what, int index, double got, double expected)
{
    std::ostringstream text;
    text.precision(17);
    text << what << " at point " << index << ": " << got << " instead of " << expected;
    return text.str();
}

} // namespace

bool TRunTimes::Contains(double t)
{
    if (!(t >= 0) || t > 1e6)
        return false;
    while (Times.back() < t)
        Times.push_back(Times.back() + 0.1);
    return std::binary_search(Times.begin(), Times.end(), t);
}

std::string CheckStep(const TForm1& form)
{
    const TRunState& s = form.RunState;
    const int32_t n = form.Series1->PointCount();
    if (n < 1 || form.Series2->PointCount() != n || form.Series3->PointCount() != n)
        return "a step left the three series with different or no points";
    const TLineSeries* series[3] = {form.Series1, form.Series2, form.Series3};
    const double values[3] = {s.Elongation1, s.Elongation2, s.ElongationSum};
    for (int i = 0; i < 3; ++i) {
        if (!Same(series[i]->XAt(n - 1), s.Time))
            return Describe("the last t differs from the run's time", n - 1, series[i]->XAt(n - 1), s.Time);
        if (!Same(series[i]->YAt(n - 1), values[i]))
            return Describe("the last point differs from the run's elongation", n - 1, series[i]->YAt(n - 1),
                            values[i]);
    }
    const double x1 = ExpectedElongation(s.A1, s.Omega1, s.Phi1, s.Time);
    const double x2 = ExpectedElongation(s.A2, s.Omega2, s.Phi2, s.Time);
    if (!Same(s.Elongation1, x1))
        return Describe("elongation 1 does not follow from A1, omega1, phi1", n - 1, s.Elongation1, x1);
    if (!Same(s.Elongation2, x2))
        return Describe("elongation 2 does not follow from A2, omega2, phi2", n - 1, s.Elongation2, x2);
    if (!Same(s.ElongationSum, ExtendedSum(x1, x2)))
        return Describe("the sum is not elongation 1 + elongation 2", n - 1, s.ElongationSum, ExtendedSum(x1, x2));
    return {};
}

std::string CheckAllPoints(const TForm1& form, TRunTimes& runTimes, int overflows)
{
    int skipped = 0;
    const int32_t n = form.Series1->PointCount();
    if (form.Series2->PointCount() != n || form.Series3->PointCount() != n)
        return "the three series hold different numbers of points";
    for (int32_t i = 0; i < n; ++i) {
        const double t = form.Series1->XAt(i);
        if (!Same(form.Series2->XAt(i), t) || !Same(form.Series3->XAt(i), t))
            return Describe("the series disagree on t", i, form.Series2->XAt(i), t);
        if (i == 0 && !runTimes.Contains(t))
            return Describe("the first t is not a t of a run", i, t, 0);
        if (i > 0 && !Same(t, form.Series1->XAt(i - 1) + 0.1)) {
            double next = form.Series1->XAt(i - 1) + 0.1;
            while (next < t && skipped < overflows) {
                next = next + 0.1;
                ++skipped;
            }
            if (!Same(t, next))
                return Describe("t is not the previous t plus 0.1", i, t, form.Series1->XAt(i - 1) + 0.1);
        }
        const double sum = ExtendedSum(form.Series1->YAt(i), form.Series2->YAt(i));
        if (!Same(form.Series3->YAt(i), sum))
            return Describe("Series3 is not Series1 + Series2", i, form.Series3->YAt(i), sum);
    }
    return {};
}

bool IsProgramMessage(const std::string& text, const std::vector<std::string>& typedTexts)
{
    if (text == "Floating point overflow." || text == "Axis Maximum Value must be >= Minimum.")
        return true;
    const std::string tail = "' is not a valid floating point value.";
    if (text.size() < tail.size() + 1 || text.front() != '\'' ||
        text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string quoted = text.substr(1, text.size() - tail.size() - 1);
    return std::find(typedTexts.begin(), typedTexts.end(), quoted) != typedTexts.end();
}
