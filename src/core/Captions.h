// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The on/off captions that hold the acquisition, test, decay and variation
// states. Every step compares against these exact texts.
inline constexpr const char* ACQUIRE_ON = "A:ACQUIRE    ( ON )";
inline constexpr const char* ACQUIRE_OFF = "A:ACQUIRE  ( OFF )";
inline constexpr const char* TEST_ON = "T:TEST             ( ON )";
inline constexpr const char* TEST_OFF = "T:TEST             ( OFF )";
inline constexpr const char* DECAY_ON = "D:DECAY         ( ON )";
inline constexpr const char* DECAY_OFF = "D:DECAY        ( OFF )";
inline constexpr const char* VAR_ON = "V:VAR           ON";
inline constexpr const char* VAR_OFF = "V:VAR          OFF";
