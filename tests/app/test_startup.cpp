// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include <gtest/gtest.h>

namespace {

TEST(TaskBarTitle, IsTheProgramFileNameCutAtTheFirstDotWithTheRestLowerCased) {
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"aeris400", "aeris400"},
        {"/usr/bin/aeris400", "aeris400"},
        {"./build/app/AERIS400", "Aeris400"},
        {"C:/Tools/DEMO.EXE", "Demo"},
        {"/opt/x.y/Prog.Name.bin", "Prog"},
        {"/opt/demo/.hidden", ""},
        {"A", "A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(aeris::taskBarTitleFor(QString::fromUtf8(c.path)).toStdString(), c.title) << c.path;
}

} // namespace
