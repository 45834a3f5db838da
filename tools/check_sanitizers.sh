#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the unit tests and the tests of the Qt adapters built with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer: any report (a bad access,
# a leak, undefined behaviour) fails the run. The other compiler also keeps
# the code free of its warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/sanitized_build.sh unit_tests platform_tests
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-asan/tests/unit_tests --gtest_brief=1
QT_QPA_PLATFORM=offscreen build-asan/tests/platform_tests --gtest_brief=1
