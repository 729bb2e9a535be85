// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace aeris {

// The title that stands for the program where the window caption does not (error boxes, the
// icon title): the program file's name after the last path separator, cut before its first
// '.', first character as it is and the rest in lower case.
QString taskBarTitleFor(const QString& programPath);

// Why the window system cannot be reached, or nothing when it can. Only the X11 platform is
// checked; other platforms report their own problems.
std::optional<std::string> displayProblem();

// The whole program: checks the display, builds the window, runs the event loop until the
// window closes or SIGINT/SIGTERM arrives, and returns the exit status.
int runProgram(int argc, char** argv);

} // namespace aeris
