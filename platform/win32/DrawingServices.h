#pragma once
// What the chart engine's drawing takes from Windows: the GDI text renderer
// and the system colours. The program installs them once at start-up,
// before the first chart measures or paints; the tests do the same.

class TWin32TextRenderer;

// Idempotent; the services live until the process ends.
void InstallDrawingServices();

// The installed renderer (tests read its font count).
TWin32TextRenderer& Win32TextRenderer();
