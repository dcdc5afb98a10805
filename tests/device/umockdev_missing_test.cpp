#include <gtest/gtest.h>

// Built in place of the udev tests of the hidraw backend when umockdev is not installed.
TEST(HidrawUmockdev, NeedsUmockdev) {
    GTEST_SKIP() << "umockdev is not installed (Debian: umockdev libumockdev-dev): the hidraw "
                    "backend's udev tests did not run";
}
