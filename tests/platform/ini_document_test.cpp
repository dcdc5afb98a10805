#include "platform/profile/ini_document.h"

#include <gtest/gtest.h>

namespace zantor::profile {
namespace {

TEST(IniDocument, FindsNamesCaseInsensitivelyAndTrimsBlanks) {
    const auto doc = IniDocument::parse("[Init]\r\n  CurConfig = 3 \r\n[config1]\r\nK0=1\r\n");
    EXPECT_EQ(doc.find("init", "curconfig"), "3");
    EXPECT_EQ(doc.find("CONFIG1", "k0"), "1");
    EXPECT_FALSE(doc.find("Init", "VER_SEL"));
    EXPECT_FALSE(doc.find("Config2", "K0"));
}

TEST(IniDocument, FirstOfEqualSectionsAndKeysWins) {
    const auto doc = IniDocument::parse("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(doc.find("A", "k"), "1");
    EXPECT_FALSE(doc.find("A", "j"));
}

TEST(IniDocument, CommentsBlankLinesAndUnchangedLinesSurviveARewrite) {
    const std::string text = "\xEF\xBB\xBF; shipped file\r\n[Init]\r\nCurConfig = 1\r\n\r\n"
                             "[Config1]\r\nK0=1\r\nnot an entry\r\n";
    auto doc = IniDocument::parse(text);
    EXPECT_EQ(doc.serialize(), text);
    doc.set("Init", "curconfig", "2");
    EXPECT_EQ(doc.serialize(), "\xEF\xBB\xBF; shipped file\r\n[Init]\r\nCurConfig=2\r\n\r\n"
                               "[Config1]\r\nK0=1\r\nnot an entry\r\n");
}

TEST(IniDocument, LineEndsAreKeptAsTheyWere) {
    const std::string texts[] = {
        "[A]\r\nx=1\ny=2\r\n", // mixed
        "[A]\nx=1",            // no line end at the end
        "\n\r\r\r\n\xb3",      // stray carriage returns
        "\xEF\xBB\xBF",        // only a byte order mark
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(IniDocument::parse(text).serialize(), text);
    }
    auto doc = IniDocument::parse("[A]\r\nx=1");
    doc.set("A", "y", "2");
    EXPECT_EQ(doc.serialize(), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST(IniDocument, SetAppendsAfterTheLastEntryAndAddsMissingSectionsAtTheEnd) {
    auto doc = IniDocument::parse("[A]\nx=1\n\n[B]\ny=2\n");
    doc.set("A", "z", "3");
    doc.set("C", "w", "4");
    doc.set("C", "v", "5");
    EXPECT_EQ(doc.serialize(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n[C]\nw=4\nv=5\n");
}

TEST(IniDocument, RejectsNamesAndValuesThatWouldBreakTheFile) {
    EXPECT_FALSE(IniDocument::isValidValue("1\n[Init]"));
    EXPECT_FALSE(IniDocument::isValidValue(" padded"));
    EXPECT_FALSE(IniDocument::isValidKeyName("a=b"));
    EXPECT_FALSE(IniDocument::isValidKeyName("[x"));
    EXPECT_FALSE(IniDocument::isValidKeyName(""));
    EXPECT_FALSE(IniDocument::isValidSectionName("a]b"));
    EXPECT_TRUE(IniDocument::isValidSectionName("Config1"));
    EXPECT_TRUE(IniDocument::isValidKeyName("DPI0_R"));
    EXPECT_TRUE(IniDocument::isValidValue(""));
}

} // namespace
} // namespace zantor::profile
