#pragma once
// The editor with its window: the Qt application around the main window.

namespace rw {

// Runs the editor until its main window closes; the exit code of the program.
int run_editor(int argc, char** argv);

}  // namespace rw
