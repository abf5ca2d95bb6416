#include "../../src/classlib/WinApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window system.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (const int failure = AfxWinInit(argc, argv)) {
        return failure;
    }
    const int result = RUN_ALL_TESTS();
    AfxWinTerm();
    return result;
}
