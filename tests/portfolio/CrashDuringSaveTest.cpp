// A real run of the program killed at random moments while it saves a large portfolio:
// afterwards share.dat always reads as the old portfolio or as the new one.
#include "PortfolioTest.h"

#include "../../src/classlib/TextFile.h"
#include "../../src/portfolio/ShareFile.h"
#include "support/ChildProcess.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 3000;
constexpr int kKills = 30;

class CrashDuringSaveTest : public PortfolioTest {
protected:
    static std::string LargePortfolio() {
        std::vector<ShareEntry> records(kRecords);
        for (int index = 0; index < kRecords; ++index) {
            ShareEntry& record = records[static_cast<std::size_t>(index)];
            record.TICKER = "T" + std::to_string(index);
            record.NUMBEROFSHARES = std::to_string(index * 7);
            record.PURCHASEPRICE = "3.20";
            record.PURCHASEDATE = "2007-01-08";
            record.NOTES = std::string(60, static_cast<char>('a' + index % 26));
        }
        return EncodeTextMode(WriteShareRecords(records));
    }

    // The leftovers of killed saves: their temporary files, hidden beside share.dat.
    int RemoveTemporaryFiles() {
        int removed = 0;
        for (const std::string& name : DirectoryListing()) {
            if (name != "share.dat") {
                fs::remove(m_directory / name);
                ++removed;
            }
        }
        return removed;
    }
};

TEST_F(CrashDuringSaveTest, KilledSaveLeavesTheOldPortfolioOrTheNew) {
    const std::string oldFile = LargePortfolio();
    const std::string session = QUILLFOLIO_SCRIPTED_SESSION;

    // One run to its end: what it saves, and how long that takes.
    WriteFile("share.dat", oldFile);
    Clock::duration saveTime{};
    {
        ChildProcess run({session, "add-and-quit"});
        ASSERT_EQ(run.ReadLine(), "dialog 102");
        ASSERT_EQ(run.ReadLine(), "closing");
        const Clock::time_point closing = Clock::now();
        EXPECT_EQ(run.Wait(), 0);
        saveTime = Clock::now() - closing;
    }
    const std::string newFile = ReadFile("share.dat");
    std::vector<ShareEntry> expected = ReadShareRecords(DecodeTextMode(oldFile)).entries;
    ShareEntry added;
    added.TICKER = "ADDED";
    added.NOTES = "added by the scripted session";
    expected.push_back(added);
    ASSERT_EQ(ReadShareRecords(DecodeTextMode(newFile)).entries, expected);

    // Kill moments spread evenly over the save and a little beyond, each at random within its
    // share of that time.
    std::mt19937 random(std::random_device{}());
    std::uniform_real_distribution<double> withinShare(0.0, 1.0);
    int oldKept = 0;
    int newSaved = 0;
    int leftovers = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        WriteFile("share.dat", oldFile);
        ChildProcess run({session, "add-and-quit"});
        ASSERT_EQ(run.ReadLine(), "dialog 102");
        ASSERT_EQ(run.ReadLine(), "closing");
        const double share = (kill + withinShare(random)) / kKills;
        std::this_thread::sleep_for(
            std::chrono::duration_cast<Clock::duration>(saveTime * 1.25 * share));
        run.Kill();
        run.Wait();

        const std::string file = ReadFile("share.dat");
        EXPECT_TRUE(file == oldFile || file == newFile) << file.size() << " bytes";
        oldKept += file == oldFile ? 1 : 0;
        newSaved += file == newFile ? 1 : 0;
        leftovers += RemoveTemporaryFiles();
    }
    std::printf("crash during save: %d entries, save %.0f ms, %d kills: old file %d, new file %d, "
                "anything else %d, temporary files left by killed saves %d\n",
                kRecords, std::chrono::duration<double, std::milli>(saveTime).count(), kKills,
                oldKept, newSaved, kKills - oldKept - newSaved, leftovers);
    EXPECT_GT(oldKept, 0);
    EXPECT_GT(newSaved, 0);
}

} // namespace
