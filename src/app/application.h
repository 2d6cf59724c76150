#pragma once

namespace lexorama::app {

/// Starts the program: the windows in start-up order, then the event loop.
int runApplication(int argc, char **argv);

} // namespace lexorama::app
