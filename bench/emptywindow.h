#pragma once

#include <QSize>
#include <memory>
#include <optional>

class QWidget;

namespace scribel::bench {

// The floor of the start-up benchmark: a bare window holding a tab control with seven
// empty tabs, of the given size (the real window's, so that both paint as many pixels).
std::unique_ptr<QWidget> makeEmptyWindow(std::optional<QSize> size);

// The "--size WIDTHxHEIGHT" argument, when there is one.
std::optional<QSize> sizeArgument(int argc, char* argv[]);

} // namespace scribel::bench
