// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Takes in the waiting DF message: true bearing, tables, marker and labels.
void DF_IN(form_VECTRIN& f);
