// The shell's requests, recorded instead of opened, and how the program makes them.
#pragma once

#include "../../src/classlib/TestHooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Keeps the shell's requests instead of opening anything.
class ShellRequests {
public:
    ShellRequests() {
        SetShellExecuteHook([this](const ShellExecuteCall& call) { calls.push_back(call); });
    }
    ~ShellRequests() { SetShellExecuteHook({}); }
    ShellRequests(const ShellRequests&) = delete;
    ShellRequests& operator=(const ShellRequests&) = delete;

    std::vector<ShellExecuteCall> calls;
};

// How the program asks for every page and file it opens: verb "open", nothing else but the
// target, and the show command SW_HIDE.
inline void ExpectOpenRequests(const std::vector<ShellExecuteCall>& calls,
                               const std::vector<std::string>& targets) {
    ASSERT_EQ(calls.size(), targets.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(targets[i]);
        EXPECT_EQ(calls[i].owner, nullptr);
        EXPECT_EQ(calls[i].operation, "open");
        EXPECT_EQ(calls[i].file, targets[i]);
        EXPECT_EQ(calls[i].parameters, std::nullopt);
        EXPECT_EQ(calls[i].directory, std::nullopt);
        EXPECT_EQ(calls[i].showCommand, 0);
    }
}
