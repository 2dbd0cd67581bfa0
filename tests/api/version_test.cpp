#include "api/version.h"

#include <gtest/gtest.h>

TEST(Version, NumberAndTextAgree)
{
    EXPECT_EQ(LanterncrestVersionNumber, 1.0);
    EXPECT_STREQ(reinterpret_cast<const char*>(LanterncrestVersionString), "1.0");
}
