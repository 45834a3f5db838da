// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Receive handler of the serial port: frames a DF message and starts a cycle.
void MSComm1_OnComm(form_VECTRIN& f);
// Tick of the 50 ms timer: ends the DF lock-out and runs one cycle.
void Timer1_Timer(form_VECTRIN& f);
// One processing and drawing cycle.
void EXECUTIVE(form_VECTRIN& f);
