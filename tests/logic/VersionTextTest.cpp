#include <gtest/gtest.h>

#include "search/ModuleVersionTexts.h"

TEST(VersionText, LeavesOutAZeroThirdNumber)
{
    EXPECT_EQ(VersionText(std::nullopt), L"---");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 0, 2600}), L"5.1.2600");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 3, 2600}), L"5.1.3.2600");
    EXPECT_EQ(VersionText(ModuleVersion{10, 0, 19041, 0}), L"10.0.19041.0");
}
