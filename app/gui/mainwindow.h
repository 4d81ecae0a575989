#pragma once
// Start-up of the desktop program: application title, main window, About box, message loop.

namespace varnova {

// Runs the main window until it is closed; needs a QApplication. Returns the exit code.
int RunMainWindow();

} // namespace varnova
