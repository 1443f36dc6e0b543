#pragma once

namespace scribel::bench {

// The benchmark itself: starts every child, then prints the tables on standard output.
// Options: --runs N (start-up processes per row), --iterations N (runs of each
// operation), --sheet FILE (the full sheet to load).
int runBenchmark(int& argc, char* argv[]);

} // namespace scribel::bench
