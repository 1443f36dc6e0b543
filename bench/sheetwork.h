#pragma once

class QString;

namespace scribel::bench {

class ChildReport;

// The work child: the real window, shown, with Pixelor chosen and scripted dialogs,
// loads the full sheet at sheetArgument, saves it and prints it into a PDF file, each
// `iterations` times, timing every run. Reports the runs and the peak memory; returns 1
// when an operation did not do its work.
int runSheetWork(int& argc, char* argv[], const QString& sheetArgument, int iterations);

} // namespace scribel::bench
