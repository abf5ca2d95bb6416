// The fixture of every scenario test: a fresh working directory, message boxes answered and
// recorded, and dialogs driven inside their real modal loops.
#pragma once

#include "../../src/app/PortfolioDialog.h"
#include "../../src/classlib/TestDriver.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/classlib/WinApp.h"
#include "../../src/res/resource.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Answers message boxes from a script (OK boxes need none) and keeps every box shown.
class MessageBoxRecorder {
public:
    std::vector<MessageBoxCall> shown;

    void Answer(int answer) { m_answers.push_back(answer); }
    int Respond(const MessageBoxCall& call);

private:
    std::deque<int> m_answers;
};

// What each dialog does once its modal loop runs, by template id. A dialog without a handler
// is recorded and ended at once.
class ModalScript {
public:
    std::vector<UINT> opened;

    void On(UINT templateId, std::function<void(CDialog&)> handler);
    void Run(CDialog& dialog);

private:
    std::map<UINT, std::deque<std::function<void(CDialog&)>>> m_handlers;
};

// Whether the tests run on wine rather than on Windows itself: a few of wine's common controls
// lack behaviours of the Windows ones.
bool RunsUnderWine();

class ScenarioTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the main dialog modally with the script as the person in front of it.
    void RunMainDialog(const std::function<void(CPortfolioDialog&)>& script);

    static std::string ReadFile(const std::filesystem::path& path);
    static void WriteFile(const std::filesystem::path& path, const std::string& bytes);

    std::filesystem::path m_directory;
    MessageBoxRecorder m_boxes;
    ModalScript m_modal;

private:
    std::filesystem::path m_previousDirectory;
};
