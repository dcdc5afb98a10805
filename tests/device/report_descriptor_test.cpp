#include "device_test_support.h"
#include "platform/hid/report_descriptor.h"

#include <gtest/gtest.h>

namespace zantor::hid {
namespace {

using test::bytesOf;

struct Expected {
    std::uint16_t page, usage, input, output, feature;
    std::vector<std::uint8_t> inputIds, outputIds, featureIds;
};

void expectCollections(const char* descriptor, bool numbered,
                       const std::vector<Expected>& expected) {
    auto parsed = parseReportDescriptor(bytesOf(descriptor));
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_EQ(parsed->numbered, numbered);
    ASSERT_EQ(parsed->collections.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("collection " + std::to_string(i));
        const TopLevelCollection& c = parsed->collections[i];
        const Expected& e = expected[i];
        EXPECT_EQ(c.caps, (HidCaps{e.page, e.usage, e.input, e.output, e.feature}));
        EXPECT_EQ(c.inputReportIds, e.inputIds);
        EXPECT_EQ(c.outputReportIds, e.outputIds);
        EXPECT_EQ(c.featureReportIds, e.featureIds);
    }
}

// Descriptors of real devices: the boot mouse and keyboard of the HID standard's appendix, a
// wireless receiver with mouse, consumer, system-control and two vendor collections, and the
// two vendor collections of our mouse.
TEST(ReportDescriptor, BootMouse) {
    expectCollections("05 01 09 02 A1 01 09 01 A1 00 05 09 19 01 29 03 15 00 25 01 95 03 75 01 "
                      "81 02 95 01 75 05 81 01 05 01 09 30 09 31 15 81 25 7F 75 08 95 02 81 06 "
                      "C0 C0",
                      false, {{0x0001, 0x0002, 4, 0, 0, {0}, {}, {}}});
}

TEST(ReportDescriptor, BootKeyboard) {
    expectCollections("05 01 09 06 A1 01 05 07 19 E0 29 E7 15 00 25 01 75 01 95 08 81 02 95 01 "
                      "75 08 81 01 95 05 75 01 05 08 19 01 29 05 91 02 95 01 75 03 91 01 95 06 "
                      "75 08 15 00 25 65 05 07 19 00 29 65 81 00 C0",
                      false, {{0x0001, 0x0006, 9, 2, 0, {0}, {0}, {}}});
}

TEST(ReportDescriptor, ReceiverWithSeveralCollectionsAndReportIds) {
    expectCollections(
        // mouse, id 2: 16 buttons, 12-bit X and Y, wheel, AC pan
        "05 01 09 02 A1 01 85 02 09 01 A1 00 05 09 19 01 29 10 15 00 25 01 95 10 75 01 81 02 "
        "05 01 16 01 F8 26 FF 07 75 0C 95 02 09 30 09 31 81 06 15 81 25 7F 75 08 95 01 09 38 "
        "81 06 05 0C 0A 38 02 95 01 81 06 C0 C0 "
        // consumer control, id 3
        "05 0C 09 01 A1 01 85 03 75 10 95 02 15 01 26 FF 02 19 01 2A FF 02 81 00 C0 "
        // system control, id 4: 2 bits and 6 bits of padding
        "05 01 09 80 A1 01 85 04 75 02 95 01 15 01 25 03 09 82 09 81 09 83 81 60 75 06 81 03 "
        "C0 "
        // vendor, short (id 0x10) and long (id 0x11) reports both ways
        "06 00 FF 09 01 A1 01 85 10 75 08 95 06 15 00 26 FF 00 09 01 81 00 09 01 91 00 85 11 "
        "95 13 09 02 81 00 09 02 91 00 C0",
        true,
        {{0x0001, 0x0002, 8, 0, 0, {2}, {}, {}},
         {0x000C, 0x0001, 5, 0, 0, {3}, {}, {}},
         {0x0001, 0x0080, 2, 0, 0, {4}, {}, {}},
         {0xFF00, 0x0001, 20, 20, 0, {0x10, 0x11}, {0x10, 0x11}, {}}});
}

TEST(ReportDescriptor, TheMouseVendorCollections) {
    expectCollections(
        "06 00 FF 09 01 A1 01 85 06 15 00 26 FF 00 75 08 95 07 09 02 81 02 C0 "
        "06 01 FF 09 01 A1 01 85 07 15 00 26 FF 00 75 08 95 07 09 02 B1 02 C0",
        true, {{0xFF00, 0x0001, 8, 0, 0, {6}, {}, {}}, {0xFF01, 0x0001, 0, 0, 8, {}, {}, {7}}});
}

TEST(ReportDescriptor, ItemRules) {
    struct Case {
        const char* name;
        const char* descriptor;
        bool numbered;
        std::vector<Expected> collections;
    } cases[] = {
        {"no report ids: the id byte still counts",
         "06 00 FF 09 01 A1 01 75 08 95 04 09 01 B1 02 C0",
         false,
         {{0xFF00, 0x0001, 0, 0, 5, {}, {}, {0}}}},
        {"Push and Pop restore size and count",
         "05 01 09 02 A1 01 75 08 95 02 A4 75 10 95 03 09 30 81 02 B4 09 31 81 02 C0",
         false,
         {{0x0001, 0x0002, 9, 0, 0, {0}, {}, {}}}},
        {"long items are skipped",
         "05 01 09 02 A1 01 FE 02 10 AA BB 75 08 95 01 81 02 C0",
         false,
         {{0x0001, 0x0002, 2, 0, 0, {0}, {}, {}}}},
        {"a 4-byte usage carries its own page",
         "06 00 FF 0B 06 00 01 00 A1 01 C0",
         false,
         {{0x0001, 0x0006, 0, 0, 0, {}, {}, {}}}},
        {"a usage page after the usage applies to it",
         "05 0C 09 02 05 01 A1 01 C0",
         false,
         {{0x0001, 0x0002, 0, 0, 0, {}, {}, {}}}},
        {"nested collections belong to their top-level one",
         "05 01 09 02 A1 01 09 01 A1 00 09 30 75 08 95 01 81 02 C0 C0 09 06 A1 01 C0",
         false,
         {{0x0001, 0x0002, 2, 0, 0, {0}, {}, {}}, {0x0001, 0x0006, 0, 0, 0, {}, {}, {}}}},
        {"bit fields: 3 + 5 bits make 1 byte, 12 bits round up to 2",
         "05 01 09 02 A1 01 85 01 75 01 95 03 81 02 75 05 95 01 81 01 C0 "
         "09 01 A1 01 85 02 75 0C 81 02 C0",
         true,
         {{0x0001, 0x0002, 2, 0, 0, {1}, {}, {}}, {0x0001, 0x0001, 3, 0, 0, {2}, {}, {}}}},
        {"several ids: the longest report counts",
         "06 00 FF 09 01 A1 01 75 08 85 01 95 02 B1 02 85 05 95 09 B1 02 85 03 95 01 B1 02 C0",
         true,
         {{0xFF00, 0x0001, 0, 0, 10, {}, {}, {1, 3, 5}}}},
        {"main items of zero size declare nothing",
         "06 00 FF 09 01 A1 01 75 00 95 08 81 02 75 08 95 00 B1 02 C0",
         false,
         {{0xFF00, 0x0001, 0, 0, 0, {}, {}, {}}}},
        {"globals carry into the next collection",
         "06 00 FF 09 01 A1 01 75 08 95 03 81 02 C0 09 02 A1 01 91 02 C0",
         false,
         {{0xFF00, 0x0001, 4, 0, 0, {0}, {}, {}}, {0xFF00, 0x0002, 0, 4, 0, {}, {0}, {}}}},
        {"a collection without usage",
         "A1 01 75 08 95 01 81 02 C0",
         false,
         {{0x0000, 0x0000, 2, 0, 0, {0}, {}, {}}}},
        {"main items outside any collection belong to none", "75 08 95 01 81 02", false, {}},
        {"empty", "", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectCollections(c.descriptor, c.numbered, c.collections);
    }
}

TEST(ReportDescriptor, RejectsMalformedDescriptors) {
    struct Case {
        const char* descriptor;
        const char* message;
    } cases[] = {
        {"05", "bad report descriptor at byte 0: truncated item"},
        {"05 01 07 01 00 00", "bad report descriptor at byte 2: truncated item"},
        {"FE 05 10 AA", "bad report descriptor at byte 0: truncated long item"},
        {"FE 00", "bad report descriptor at byte 0: truncated long item"},
        {"C0", "bad report descriptor at byte 0: End Collection without Collection"},
        {"A1 01", "bad report descriptor at byte 2: collection not closed at the end of the "
                  "descriptor"},
        {"B4", "bad report descriptor at byte 0: Pop without Push"},
        {"85 00", "bad report descriptor at byte 0: report id 0"},
        {"86 00 01", "bad report descriptor at byte 0: report id 256"},
        {"76 2C 01", "bad report descriptor at byte 0: report size of 300 bits"},
        {"96 01 30", "bad report descriptor at byte 0: report count of 12289"},
        {"A1 01 76 00 01 96 00 30 81 02 C0",
         "bad report descriptor at byte 8: report 0 is longer than 16383 bytes"},
        {"A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4 A4",
         "bad report descriptor at byte 16: Push nested too deep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.descriptor);
        auto parsed = parseReportDescriptor(bytesOf(c.descriptor));
        ASSERT_FALSE(parsed);
        EXPECT_EQ(parsed.error().message, c.message);
    }
}

} // namespace
} // namespace zantor::hid
