#pragma once

#include <functional>

// Calls onRequest on the event loop when the system asks the program to end
// (SIGTERM, or the terminal going away), so that it can close as the user
// would. Call once, after the application object exists.
void WatchTerminationRequests(std::function<void()> onRequest);
