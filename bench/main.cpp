// La Scribel's benchmark: start-up until mapped and idle against a plain Qt Widgets
// window drawing the same frame, peak memory, and a load, a save and a print of a full
// sheet through the window. Run it from a release-like build:
//   bench/run.sh                      (builds build/release, then runs)
//   build/release/bench/scribel_bench [--runs 20] [--iterations 20]
// It starts itself again, in a fresh process, for each measure:
//   --startup real | --startup empty              one start-up, until mapped and idle
//   --work N FILE                                 N loads, saves and prints of FILE
// and starts scribel_bench_floor, beside it, for the floor.

#include "childreport.h"
#include "driver.h"
#include "sheetwork.h"
#include "startupchildren.h"

#include <QString>
#include <cstdlib>
#include <cstring>

namespace {

bool isArgument(int argc, char* argv[], int index, const char* text) {
    return index < argc && std::strcmp(argv[index], text) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    scribel::bench::ChildReport report;
    report.mark("main");
    if (isArgument(argc, argv, 1, "--startup") && isArgument(argc, argv, 2, "real")) {
        return scribel::bench::runRealStartup(argc, argv, report);
    }
    if (isArgument(argc, argv, 1, "--startup") && isArgument(argc, argv, 2, "empty")) {
        return scribel::bench::runEmptyStartup(argc, argv, report);
    }
    if (isArgument(argc, argv, 1, "--work") && argc == 4) {
        return scribel::bench::runSheetWork(argc, argv, QString::fromLocal8Bit(argv[3]),
                                            std::atoi(argv[2]));
    }
    return scribel::bench::runBenchmark(argc, argv);
}
