// Writers in other processes: killed in the middle of a save, or saving at the same time.
#include "platform/profile/profile_store.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zantor::profile {
namespace {

constexpr int kKeysPerSave = 60;

// Saves generation after generation, each one setting every key to the generation number;
// tells the parent through `ready` once the first save is done.
[[noreturn]] void saveForever(const std::string& path, int ready) {
    ProfileStore store;
    for (int generation = 1;; ++generation) {
        auto batch = store.batch(path);
        for (int k = 0; k < kKeysPerSave; ++k)
            batch.write("Config1", "KEY" + std::to_string(k), std::to_string(generation));
        if (!batch.commit())
            ::_exit(3);
        if (generation == 1 && ::write(ready, "x", 1) != 1)
            ::_exit(4);
    }
}

TEST(ProfileCrash, AWriterKilledAtAnyMomentLeavesAWholeFile) {
    test::TempDir dir;
    const auto path = dir.file("config.ini");
    test::writeFile(path, "[Init]\nCurConfig=1\n");
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delayUs(0, 4000);

    for (int round = 0; round < 150; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(path, ready[1]);
        char byte;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the writer never saved";
        ::close(ready[0]);
        ::close(ready[1]);
        // Somewhere within the next saves; one save takes well under a millisecond.
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own in round " << round;

        ProfileStore reader;
        ASSERT_EQ(reader.read(path, "Init", "CurConfig", 5), "1") << "round " << round;
        const std::string first = reader.read(path, "Config1", "KEY0", 20);
        ASSERT_NE(first, "");
        for (int k = 1; k < kKeysPerSave; ++k)
            ASSERT_EQ(reader.read(path, "Config1", "KEY" + std::to_string(k), 20), first)
                << "a torn save in round " << round;
    }

    // What killed writers left half done is cleared by the next save.
    ASSERT_TRUE(ProfileStore().write(path, "Init", "CurConfig", "2"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "config.ini");
}

TEST(ProfileCrash, TwoProcessesSavingAtOnceLoseNoKey) {
    test::TempDir dir;
    const auto path = dir.file("config.ini");
    constexpr int kWriters = 2, kKeys = 150;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ProfileStore store;
            for (int k = 0; k < kKeys; ++k)
                if (!store.write(path, "Config1", "W" + std::to_string(w) + "_" + std::to_string(k),
                                 std::to_string(k)))
                    ::_exit(3);
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ProfileStore reader;
    for (int w = 0; w < kWriters; ++w)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(
                reader.read(path, "Config1", "W" + std::to_string(w) + "_" + std::to_string(k), 10),
                std::to_string(k));
}

} // namespace
} // namespace zantor::profile
