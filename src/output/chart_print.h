#pragma once

class QPrinter;

namespace lt {

class ChartScene;

// Prints the chart alone on one landscape page within 5% margins, laid out at the
// page's proportions, then puts the printer's orientation back. False when the printer
// could not be used.
bool printChartPage(ChartScene& chart, QPrinter& printer);

}  // namespace lt
