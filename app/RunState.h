#pragma once
// The run state: one record shared by every run, nested ones included.
// Each field is a double (or flag) because that is what a run stores; the
// arithmetic in between is carried at extended precision.

#include <cstdint>
#include <functional>

struct TRunState {
    double A1 = 0;
    double Omega1 = 0; // radians per unit of t, as typed
    double A2 = 0;
    double Omega2 = 0;
    double Phi1 = 0; // radians; typed in degrees
    double Phi2 = 0;
    double Time = 0;
    double TimeStep = 0; // 0.1, set by every Start
    double Elongation1 = 0;
    double Elongation2 = 0;
    double ElongationSum = 0;
    bool StopRequested = false;
    int32_t StepDelayMs = 0; // 0 or 50

    // Called in every step right after its three points were appended and
    // before pending messages are handled. Unassigned in the program; tests
    // use it to count steps and to stop a run after an exact number of them.
    std::function<void(TRunState&)> OnPointsAdded;
};

// The pause of a slowed-down run, per step.
constexpr int32_t SlowStepDelayMs = 50;
// Start fixes the bottom axes to this maximum until t passes it.
constexpr double FixedTimeMaximum = 50.0;
