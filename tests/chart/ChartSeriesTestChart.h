#pragma once
// A chart that counts its repaint requests, for the series tests.

#include "chart/Chart.h"

class RepaintCountingChart : public TChart {
public:
    void RequestRepaint() override
    {
        ++Repaints;
        TChart::RequestRepaint();
    }
    int Repaints = 0;
};
