#include <gtest/gtest.h>
#include "tidewiredata.h"
TEST(DatasetSmoke, Builds) { SUCCEED(); }
