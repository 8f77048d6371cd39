// Entry point of every GL test binary: the one test window exists before the
// first test runs.

#include "tests/support/gl_window.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    gl_test::ensureWindow();
    return RUN_ALL_TESTS();
}
