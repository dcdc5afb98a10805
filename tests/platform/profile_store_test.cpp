#include "platform/profile/profile_store.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>
#include <vector>

namespace zantor::profile {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(ProfileStore, ReadCutsToBufferSizeAndFallsBackToTheDefault) {
    TempDir dir;
    const auto path = dir.file("a.ini");
    writeFile(path, "[S]\nlong=123456789012\nkorean=가나다라\n");
    ProfileStore store;
    struct Case {
        const char* name;
        std::string file, section, key;
        std::size_t buffer;
        std::string expected;
    } cases[] = {
        {"cut to 4", path, "S", "long", 5, "1234"},
        {"cut to 9", path, "s", "LONG", 10, "123456789"},
        {"whole", path, "S", "long", 100, "123456789012"},
        {"cut counts characters", path, "S", "korean", 3, "가나"},
        {"zero buffer", path, "S", "long", 0, ""},
        {"missing key", path, "S", "nope", 5, "def"},
        {"missing section", path, "T", "long", 5, "def"},
        {"missing file", dir.file("none.ini"), "S", "long", 5, "def"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(store.read(c.file, c.section, c.key, c.buffer, "def"), c.expected);
    }
}

TEST(ProfileStore, WriteCreatesFileSectionAndKeyAndReplacesValues) {
    TempDir dir;
    const auto path = dir.file("new.ini");
    ProfileStore store;
    ASSERT_TRUE(store.write(path, "Init", "CurConfig", "1"));
    ASSERT_TRUE(store.write(path, "Config1", "K0", "1"));
    ASSERT_TRUE(store.write(path, "init", "curconfig", "4"));
    ASSERT_TRUE(store.write(path, "Init", "VER_SEL", "1"));
    EXPECT_EQ(readFile(path), "[Init]\nCurConfig=4\nVER_SEL=1\n[Config1]\nK0=1\n");
}

TEST(ProfileStore, WriteIntoAMissingFolderFailsWithTheReason) {
    TempDir dir;
    ProfileStore store;
    const Status status = store.write(dir.file("no/such/folder/x.ini"), "S", "k", "v");
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().code, ENOENT);
    EXPECT_NE(status.error().message.find("x.ini"), std::string::npos);
}

TEST(ProfileStore, RefusesAValueThatWouldInjectLines) {
    TempDir dir;
    const auto path = dir.file("a.ini");
    writeFile(path, "[Init]\nCurConfig=1\n");
    ProfileStore store;
    EXPECT_FALSE(store.write(path, "Init", "CurConfig", "1\n[Evil]\nx=1"));
    EXPECT_EQ(readFile(path), "[Init]\nCurConfig=1\n");
}

TEST(ProfileStore, BatchAppliesWritesInOrderInOneRewrite) {
    TempDir dir;
    const auto path = dir.file("a.ini");
    writeFile(path, "[S]\na=0\n");
    ProfileStore store;
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    auto batch = store.batch(path);
    batch.write("S", "b", "1");
    batch.write("S", "a", "2");
    batch.write("S", "b", "3");
    batch.write("T", "c", "4");
    EXPECT_EQ(readFile(path), "[S]\na=0\n") << "nothing is written before commit";
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(readFile(path), "[S]\na=2\nb=3\n[T]\nc=4\n");
}

TEST(ProfileStore, SeesChangesMadeBehindItsBackAndKeepsPermissionsAndLinks) {
    TempDir dir;
    const auto target = dir.file("real.ini");
    const auto link = dir.file("link.ini");
    writeFile(target, "[S]\nk=1\n");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ProfileStore store;
    EXPECT_EQ(store.read(link, "S", "k", 5), "1");
    writeFile(target, "[S]\nk=22\n"); // another program edits the file
    EXPECT_EQ(store.read(link, "S", "k", 5), "22");

    ASSERT_TRUE(store.write(link, "S", "k", "3"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(readFile(target), "[S]\nk=3\n");
}

TEST(ProfileStore, ThreadsWritingAtOnceLoseNoKey) {
    TempDir dir;
    const auto path = dir.file("a.ini");
    ProfileStore store;
    constexpr int kThreads = 4, kKeys = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int k = 0; k < kKeys; ++k)
                ASSERT_TRUE(store.write(path, "S",
                                        "t" + std::to_string(t) + "k" + std::to_string(k),
                                        std::to_string(k)));
        });
    }
    for (auto& t : threads)
        t.join();
    ProfileStore fresh;
    for (int t = 0; t < kThreads; ++t)
        for (int k = 0; k < kKeys; ++k)
            EXPECT_EQ(fresh.read(path, "S", "t" + std::to_string(t) + "k" + std::to_string(k), 10),
                      std::to_string(k));
}

} // namespace
} // namespace zantor::profile
