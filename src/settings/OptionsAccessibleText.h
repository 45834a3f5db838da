// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/AccessibleText.h"

// The options dialog's controls; a colour swatch is named with its colour.
AccessibleText optionsDialogText(const Control& control);
