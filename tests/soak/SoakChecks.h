#pragma once
// What must hold of the three series and the run state at any moment of a
// session, whatever the user did before: the checks the randomised session
// makes after every step of a run and after every action.

#include "app/MainWindow.h"

#include <string>
#include <vector>

// The t of a run's points: 0 and then repeated additions of 0.1, as many as
// asked for; grows on demand and answers whether a t is one of them.
class TRunTimes {
public:
    bool Contains(double t);

private:
    std::vector<double> Times{0.0};
};

// Every check returns an empty text when it holds, else what is wrong.

// The step just made: its three points are the last ones of the series and
// carry the run state's time and elongations; the elongations follow from
// the parameters; the sum is the extended sum of the two, rounded.
std::string CheckStep(const TForm1& form);

// All points: the three series equally long with the same t; each t the
// previous plus 0.1, the first one a t of a run; Series3 = Series1 + Series2
// point by point. A nested run that overflows ends inside the step of its
// last t, and the run it was nested in goes on from the next t: so a t may
// skip steps, but only as often as an overflow was shown (overflows).
std::string CheckAllPoints(const TForm1& form, TRunTimes& runTimes, int overflows);

// An error box text is one of the program's messages with its full stop: a
// conversion failure quoting one of the texts typed, an overflow, or the
// refused axis maximum.
bool IsProgramMessage(const std::string& text, const std::vector<std::string>& typedTexts);
