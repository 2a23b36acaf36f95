#pragma once

// Creates one instance of every window class of the suite, in the fixed order of the start-up
// table; the login window comes first and is the main window.
void CreateStartupWindows();
// Destroys them again, last first (tests and benchmarks).
void DestroyStartupWindows();
