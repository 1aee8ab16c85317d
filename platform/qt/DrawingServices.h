#pragma once
// What the chart engine's drawing takes from Qt: the text renderer and the
// system colours. The program installs them once at start-up, before the
// first chart measures or paints; every program on Qt (the tests and
// benchmarks too) does the same.

class TQtTextRenderer;

// Idempotent; the services live until the process ends.
void InstallDrawingServices();

// The installed renderer (tests read its font count).
TQtTextRenderer& QtTextRenderer();
