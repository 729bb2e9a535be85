// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace aeris {

// Loads the system's font configuration on a second thread while the main thread connects to
// the display. Reading that configuration and the font cache is the largest single piece of
// work before the first paint, and it needs nothing from the window system. The text renderer
// later finds it done; fontconfig makes its first load safe from any thread.
class FontSetupInBackground {
public:
    FontSetupInBackground();
    ~FontSetupInBackground();
    FontSetupInBackground(const FontSetupInBackground&) = delete;
    FontSetupInBackground& operator=(const FontSetupInBackground&) = delete;

    // Returns once the configuration is loaded (at once if it already is).
    void wait();

private:
    std::thread m_thread;
};

} // namespace aeris
