// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a window manager looks after the top-level windows: one that
// announces itself on an X display, or the compositor of a Wayland session.
// Without one (a bare X server, an offscreen platform) nobody maximizes a
// window or places it, so the window has to set its geometry itself.
bool windowManagerPresent();
