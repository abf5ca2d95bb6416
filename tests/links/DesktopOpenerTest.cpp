// The real way out to the desktop: a stand-in xdg-open first on PATH records what it was given.
#include "support/ScenarioTest.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;

class DesktopOpenerTest : public ScenarioTest {
protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        const fs::path bin = m_directory / "bin";
        fs::create_directory(bin);
        m_received = bin / "received";
        // Each argument followed by a NUL byte, written whole before it appears under its name.
        WriteFile(bin / "xdg-open", "#!/bin/sh\n"
                                    "printf '%s\\0' \"$@\" > '" +
                                        m_received.string() + ".part'\n" + "mv '" +
                                        m_received.string() + ".part' '" + m_received.string() +
                                        "'\n");
        fs::permissions(bin / "xdg-open", fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        m_previousPath = path != nullptr ? path : "";
        setenv("PATH", (bin.string() + ":" + m_previousPath).c_str(), 1);
    }

    void TearDown() override {
        setenv("PATH", m_previousPath.c_str(), 1);
        ScenarioTest::TearDown();
    }

    // What the opener was started with; the opener runs on its own, so this waits for it.
    std::string ArgumentsReceived() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!fs::exists(m_received) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return ReadFile(m_received);
    }

    fs::path m_received;
    std::string m_previousPath;
};

TEST_F(DesktopOpenerTest, ReportIsOpenedByItsAbsolutePath) {
    RunMainDialog([&](CPortfolioDialog& dialog) { drive::Click(dialog, IDC_REPORT); });
    EXPECT_EQ(ArgumentsReceived(), (fs::current_path() / "Report.htm").string() + '\0');
}

TEST_F(DesktopOpenerTest, QuotePageAddressIsOneArgumentByteForByte) {
    const std::string ticker = " a&b #c;$(x) `y` 'z' \"q\" ";
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, ticker);
        drive::Click(dialog, IDC_QUOTE);
    });
    EXPECT_EQ(ArgumentsReceived(), "http://finance.yahoo.com/q?s=" + ticker + '\0');
}

TEST_F(DesktopOpenerTest, ManualPageAddressIsOpened) {
    RunMainDialog([&](CPortfolioDialog& dialog) { drive::Click(dialog, IDC_HELPBUTTON); });
    EXPECT_EQ(ArgumentsReceived(), std::string("http://www.quillfolio.com/manual.htm") + '\0');
}

} // namespace
