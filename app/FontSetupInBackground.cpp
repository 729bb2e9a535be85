// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "app/FontSetupInBackground.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace aeris {

FontSetupInBackground::FontSetupInBackground() {
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the text renderer loads the configuration itself when it needs it.
    }
}

FontSetupInBackground::~FontSetupInBackground() {
    wait();
}

void FontSetupInBackground::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace aeris
