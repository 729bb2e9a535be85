// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

namespace aeris {

class TForm1;

// Gives the sliders, the stage button and the readings the names, descriptions, roles and live
// values that a screen reader announces. The window calls it once, when it is built.
void describeForScreenReaders(TForm1& form);

} // namespace aeris
