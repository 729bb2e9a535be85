// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "app/Startup.h"

int main(int argc, char** argv) {
    return aeris::runProgram(argc, argv);
}
