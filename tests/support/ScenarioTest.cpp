#include "ScenarioTest.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

int MessageBoxRecorder::Respond(const MessageBoxCall& call) {
    shown.push_back(call);
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if ((call.type & MB_TYPEMASK) != MB_OK) {
        ADD_FAILURE() << "unanswered question: " << call.text;
        return IDNO;
    }
    return IDOK;
}

void ModalScript::On(UINT templateId, std::function<void(CDialog&)> handler) {
    m_handlers[templateId].push_back(std::move(handler));
}

void ModalScript::Run(CDialog& dialog) {
    opened.push_back(dialog.GetTemplateId());
    auto& queue = m_handlers[dialog.GetTemplateId()];
    if (queue.empty()) {
        dialog.EndDialog(IDCANCEL);
        return;
    }
    const std::function<void(CDialog&)> handler = std::move(queue.front());
    queue.pop_front();
    handler(dialog);
}

namespace {

// A new, empty directory of its own under the temporary directory; empty when none could be made.
std::filesystem::path MakeFreshDirectory() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            std::filesystem::temp_directory_path() /
            ("quillfolio-test-" + std::to_string(random()) + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

} // namespace

bool RunsUnderWine() {
#ifdef _WIN32
    const HMODULE system = GetModuleHandleA("ntdll.dll");
    return system != nullptr && GetProcAddress(system, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

void ScenarioTest::SetUp() {
    m_previousDirectory = std::filesystem::current_path();
    m_directory = MakeFreshDirectory();
    ASSERT_FALSE(m_directory.empty());
    std::filesystem::current_path(m_directory);
    SetMessageBoxHook([this](const MessageBoxCall& call) { return m_boxes.Respond(call); });
    SetModalHook([this](CDialog& dialog) { m_modal.Run(dialog); });
}

void ScenarioTest::TearDown() {
    SetMessageBoxHook({});
    SetModalHook({});
    SetShellExecuteHook({});
    SetSocketStartupFailsForTest(false);
    std::filesystem::current_path(m_previousDirectory);
    std::error_code ignored;
    std::filesystem::permissions(m_directory, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_directory, ignored);
}

void ScenarioTest::RunMainDialog(const std::function<void(CPortfolioDialog&)>& script) {
    CPortfolioDialog dialog;
    m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog&) { script(dialog); });
    dialog.DoModal();
}

std::string ScenarioTest::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScenarioTest::WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
