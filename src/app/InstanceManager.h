#pragma once
// Keeps the program to one running copy. A copy started while another runs
// hands its command line and working folder to the running copy and ends;
// the running copy appends the file named by parameter 1, ticked, and comes
// to the front through OnHandOver.

#include <functional>

namespace InstanceManager {

// Set by the main window to bring itself to the front; called after every hand-over.
extern std::function<void()> OnHandOver;

// Runs before the application object exists. Returns false when this copy
// handed its command line to a running copy, or found the start of copies
// held up for five seconds; the program then ends with exit code 0 and shows
// nothing. Otherwise this copy runs, listening for hand-overs unless the
// meeting folder cannot be used or a running copy failed to answer.
bool Startup(int argc, char** argv);
// Once the application object exists: takes hand-overs inside its event loop.
void Listen();
// At program end: stops listening and removes this copy's socket.
void Finish();

}  // namespace InstanceManager
