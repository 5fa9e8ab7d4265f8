#pragma once

#include "ui/OutputCopies.h"

#include <optional>
#include <vector>

// The Wayland part of the screen access: what the compositor says about its
// outputs, and its own copy of each, asked for on a connection of this
// module's own, so that nothing here depends on the toolkit's.

struct RWaylandDesktop
{
    // Every output, with its logical place and its mode; empty where the
    // compositor cannot be reached or does not describe them.
    std::vector<ROutput> Outputs;
    // Whether the compositor copies an output for a client (wlroots'
    // screen copy): no permission asked, each output at its own resolution.
    bool OffersOutputCopies = false;
};

// The outputs and what the compositor offers; one round trip.
RWaylandDesktop DescribeWaylandDesktop();

// A copy of every output as it shows now, each at its own resolution. None
// where the compositor offers no such copies, refuses one, answers in a
// pixel format this does not read, or takes longer than timeoutMs.
std::optional<std::vector<ROutputCopy>> CopyEveryOutput(int timeoutMs);
