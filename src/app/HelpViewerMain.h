#pragma once

// The program started as its own help viewer: "tintwell --help-viewer ENGINE".
// Shows each topic the program sends on standard input; ends when its window
// is closed or the program's requests end. Returns the process's exit code.
int RunHelpViewer(int& argc, char** argv);
