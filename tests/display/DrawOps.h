#pragma once

#include "support/Fakes.h"

#include <vector>

// Picks the recorded operations of one kind, in the order they were drawn.
inline std::vector<DrawOp> opsOf(const RecordingSurface& surface, DrawOp::Kind kind) {
    std::vector<DrawOp> picked;
    for (const DrawOp& op : surface.ops)
        if (op.kind == kind) picked.push_back(op);
    return picked;
}

// Lines drawn in one colour.
inline std::vector<DrawOp> linesIn(const RecordingSurface& surface, Colour colour) {
    std::vector<DrawOp> picked;
    for (const DrawOp& op : opsOf(surface, DrawOp::Line))
        if (op.pen.foreColour == colour) picked.push_back(op);
    return picked;
}
