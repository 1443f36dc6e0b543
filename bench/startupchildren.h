#pragma once

namespace scribel::bench {

class ChildReport;

// Start-up children of the benchmark's own program: each builds its window, shows it,
// reports once it is mapped and idle, and quits.

// The real window, started the way the program's main() starts it.
int runRealStartup(int& argc, char* argv[], ChildReport& report);

// The same frame drawn plainly, in this program: it pays for the same libraries as the real one.
int runEmptyStartup(int& argc, char* argv[], ChildReport& report);

} // namespace scribel::bench
