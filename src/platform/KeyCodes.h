// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// The virtual-key code of a key: letters 65..90 with or without Shift; the
// digits of the main row 48..57, told by their physical key so that Shift
// does not change them; keypad digits 96..105; Shift, Ctrl and Alt 16, 17, 18;
// cursor keys 37..40; function keys 112..123. Other keys give their Latin-1
// code or 0, none of which the key map uses.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode);
int virtualKeyCode(const QKeyEvent& event);

// The modifier mask: Shift 1, Ctrl 2, Alt 4.
int modifierMask(Qt::KeyboardModifiers modifiers);
