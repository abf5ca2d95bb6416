#include "../../src/classlib/WinApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window system.
    if (!GTEST_FLAG_GET(list_tests)) {
        if (const int failure = AfxWinInit(argc, argv)) {
            return failure;
        }
    }
    return RUN_ALL_TESTS();
}
