#include <gtest/gtest.h>

#include "freeform_line.h"

TEST(FreeformLine, TextThenIntegerGetsSeparatorAndElevenWideField) {
  EXPECT_EQ((freeform_line() << "Error: IO STATUS " << 2).text(),
            " Error: IO STATUS            2");
}
