#include "store/FileWalk.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/foundation/FileManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace kelvora {

namespace {

using Outcome = FileWalkStep::Outcome;
using Names = std::vector<std::string>;

constexpr const char* kFrom = "/var/mobile/Kelvora/Setup/Work/";
constexpr const char* kTo = "/var/jb/vmo/Library/Preferences/";

class FileWalkTest : public testing::Test {
  protected:
    void TearDown() override { foundation::FileManager::defaultManager().setFaultHook({}); }

    void from(const std::string& name, const std::string& contents = "new") const {
        root.write(kFrom + name, contents);
    }
    void to(const std::string& name, const std::string& contents = "old") const {
        root.write(kTo + name, contents);
    }
    std::string at(const std::string& name) const { return root.read(kTo + name); }
    Names entries() const {
        Names names;
        for (const auto& entry : std::filesystem::directory_iterator(root.host(kTo))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static void failOn(foundation::FaultKind kind, const std::string& path, int error) {
        foundation::FileManager::defaultManager().setFaultHook(
            [=](foundation::FaultKind fault, std::string_view device) -> std::optional<int> {
                if (fault == kind && device == path) {
                    return error;
                }
                return std::nullopt;
            });
    }
    std::vector<Outcome> run(const FileWalk& walk) {
        std::vector<Outcome> outcomes;
        summary = walk.run([&](const FileWalkStep& step) { outcomes.push_back(step.outcome); });
        return outcomes;
    }

    testsupport::DeviceRoot root;
    FileWalkSummary summary;
};

TEST_F(FileWalkTest, ACopyReplacesEachTargetAndLogsEveryStep) {
    from("a.plist");
    from("b.plist");
    to("a.plist");
    testsupport::LogCapture log;
    EXPECT_EQ(run(FileWalk::restore(kFrom, kTo, {"a.plist", "b.plist"}, "Setup Work")),
              (std::vector{Outcome::done, Outcome::done}));

    EXPECT_EQ(at("a.plist"), "new");
    EXPECT_EQ(at("b.plist"), "new");
    EXPECT_EQ(summary.changed, 2u);
    EXPECT_TRUE(summary.lastSucceeded());
    EXPECT_EQ(log.lines(), (Names{std::string("last file ") + kTo + "b.plist",
                                  std::string("successfully copy all files ") + kTo + "a.plist",
                                  std::string("successfully copy all files ") + kTo + "b.plist",
                                  "yay saved the fucking last file"}));
}

// A full disk, a source that vanished and a target that cannot be written each fail their own
// name only: the file at the target stays as it was, nothing half-written is left, and the
// walk goes on with the next name.
TEST_F(FileWalkTest, EachFailureKeepsItsTargetAndTheWalkGoesOn) {
    struct Case {
        const char* what;
        foundation::FaultKind kind;
        int error;
        bool sourceGone;
    };
    for (const Case& fault :
         {Case{"full disk", foundation::FaultKind::write, ENOSPC, false},
          Case{"source gone", foundation::FaultKind::copy, 0, true},
          Case{"target unwritable", foundation::FaultKind::copy, EACCES, false}}) {
        SCOPED_TRACE(fault.what);
        if (!fault.sourceGone) {
            from("a.plist");
            failOn(fault.kind, std::string(kTo) + "a.plist", fault.error);
        }
        from("b.plist");
        to("a.plist");
        testsupport::LogCapture log;
        EXPECT_EQ(run(FileWalk::copy(kFrom, kTo, {"a.plist", "b.plist"})),
                  (std::vector{Outcome::failed, Outcome::done}));

        EXPECT_EQ(at("a.plist"), "old");
        EXPECT_EQ(at("b.plist"), "new");
        EXPECT_EQ(entries(), (Names{"a.plist", "b.plist"})) << "no temporary file is left";
        ASSERT_EQ(summary.failures.size(), 1u);
        EXPECT_EQ(summary.failures[0].target, std::string(kTo) + "a.plist");
        EXPECT_NE(summary.failures[0].error.find("a.plist"), std::string::npos);
        EXPECT_EQ(log.count("failed copy all files"), 1u);
        EXPECT_TRUE(summary.lastSucceeded());
        std::filesystem::remove_all(root.host("/var"));
        foundation::FileManager::defaultManager().setFaultHook({});
    }
}

TEST_F(FileWalkTest, AFailedLastEntryIsTheSummarysLast) {
    root.makeFolder(kTo);
    from("a.plist");
    failOn(foundation::FaultKind::write, std::string(kTo) + "b.plist", ENOSPC);
    from("b.plist");
    testsupport::LogCapture log;
    run(FileWalk::copy(kFrom, kTo, {"a.plist", "b.plist"}));

    EXPECT_FALSE(summary.lastSucceeded());
    EXPECT_EQ(summary.changed, 1u);
    EXPECT_EQ(log.count("yay saved the fucking last file"), 0u);
}

TEST_F(FileWalkTest, ADeleteSkipsWhatIsAlreadyGoneAndReportsWhatItCannotRemove) {
    to("a.plist");
    to("c.plist");
    failOn(foundation::FaultKind::remove, std::string(kTo) + "c.plist", EACCES);
    testsupport::LogCapture log;
    EXPECT_EQ(run(FileWalk::remove(kTo, {"a.plist", "b.plist", "c.plist"})),
              (std::vector{Outcome::done, Outcome::alreadyGone, Outcome::failed}));

    EXPECT_EQ(entries(), Names{"c.plist"});
    EXPECT_EQ(summary.changed, 1u);
    EXPECT_FALSE(summary.lastSucceeded());
    EXPECT_EQ(log.count(std::string("successfully delete all files ") + kTo + "a.plist"), 1u);
    EXPECT_EQ(log.count("failed delete all files"), 1u);
}

// A kill during a copy leaves hidden temporary siblings behind; copying them would spread
// them, and restoring the app's own list or settings file would rewind its state.
TEST_F(FileWalkTest, LeftoversAndTheAppsOwnFilesAreNeverRestored) {
    for (const char* name : {"a.plist", ".a.plist.kelvora-Q3xZ9a", "com.zerovin.KelvoraList.plist",
                             "com.zerovin.KelvoraPrefs.plist"}) {
        from(name);
    }
    to("com.zerovin.KelvoraList.plist", "today's list");
    testsupport::LogCapture log;
    run(FileWalk::restore(kFrom, kTo,
                          {".a.plist.kelvora-Q3xZ9a", "a.plist", "com.zerovin.KelvoraList.plist",
                           "com.zerovin.KelvoraPrefs.plist"},
                          "Setup Work"));

    EXPECT_EQ(entries(), (Names{"a.plist", "com.zerovin.KelvoraList.plist"}));
    EXPECT_EQ(at("com.zerovin.KelvoraList.plist"), "today's list");
    EXPECT_EQ(log.count(std::string("left out Kelvora's own file ") + kTo +
                        "com.zerovin.KelvoraPrefs.plist"),
              1u);
    EXPECT_EQ(log.count(std::string("last file ") + kTo + "a.plist"), 1u);
    run(FileWalk::copy(kFrom, kTo, {".a.plist.kelvora-Q3xZ9a"}));
    EXPECT_FALSE(summary.last.has_value());
}

TEST_F(FileWalkTest, NothingToWalkWritesNothing) {
    testsupport::LogCapture log;
    EXPECT_TRUE(run(FileWalk::restore(kFrom, kTo, {}, "Setup Work")).empty());
    EXPECT_FALSE(summary.last.has_value());
    EXPECT_TRUE(log.lines().empty());
}

}  // namespace

}  // namespace kelvora
