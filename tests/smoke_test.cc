#include <gtest/gtest.h>
#include "tests/fake_platform.h"
TEST(Smoke, Builds) { resetFake(); EXPECT_TRUE(true); }
