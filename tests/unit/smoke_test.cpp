#include <gtest/gtest.h>
#include "barsize.h"
TEST(Smoke, Links) { EXPECT_EQ(getBarCodeWidth("1", 1, 4, 7, 0, 0, 0), -3); }
