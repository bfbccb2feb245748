#include <gtest/gtest.h>

#include "ledger/ledger.h"

TEST(Placeholder, Builds) { EXPECT_EQ(bodyLineCountFor(32), 438); }
