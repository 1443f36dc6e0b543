#pragma once

#include "childrun.h"

#include <QList>
#include <QString>

namespace scribel::bench {

// Everything one benchmark run measured.
struct Results {
    QString platform;
    QString loadAverage; // the machine's, when the benchmark began
    QString sheet;
    int iterations = 0;
    QList<ChildResult> floor;     // the empty window, in a program of Qt Widgets alone
    QList<ChildResult> emptyHere; // the empty window, in the benchmark's own program
    QList<ChildResult> real;      // La Scribel's window
    ChildResult work;             // the real window loading, saving and printing
};

// The figures as Markdown tables, with the ratios to the floor and the goals.
QString formatResults(const Results& results);

} // namespace scribel::bench
