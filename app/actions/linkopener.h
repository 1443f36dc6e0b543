#pragma once

#include "app/actions/services.h"

namespace scribel {

struct Link;

// One press of a link button of the about tab: finds the document or makes the address,
// hands it to the desktop, and tells the author when that could not be done.
class LinkOpener final : public WindowAction {
public:
    using WindowAction::WindowAction;

    void open(const Link& link);
};

} // namespace scribel
