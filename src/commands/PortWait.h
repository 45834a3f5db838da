// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// DF acquisition that start-up could not begin because its port could not be
// opened (the adapter not plugged in yet). Acquisition is off and Label_COMM
// says why; the serial port is asked to report its device, and when it
// appears acquisition starts as the ACQUIRE command starts it. A device that
// is there but still cannot be opened is waited for again.
void awaitDfPort(form_VECTRIN& f);

// The operator chose the source (ACQUIRE, TEST, a recalled memory): the wait
// ends and nothing starts by itself.
void stopAwaitingDfPort(form_VECTRIN& f);
