#include "app/build_stamp.h"

#include <gtest/gtest.h>

namespace {

struct StampCase {
    const char* date;
    const char* time;
    int buildDate;
    int buildTime;
};

class BuildStampCases : public ::testing::TestWithParam<StampCase> { };

TEST_P(BuildStampCases, ReadsTheCompilerTexts)
{
    const StampCase& c = GetParam();
    const BuildStamp s = buildStampOf(c.date, c.time);
    EXPECT_EQ(s.date, c.buildDate) << c.date;
    EXPECT_EQ(s.time, c.buildTime) << c.time;
}

INSTANTIATE_TEST_SUITE_P(
    Months, BuildStampCases,
    ::testing::Values(
        StampCase{"Jun  1 2024", "07:05:09", 20240601, 25509}, StampCase{"Jan 31 2025", "00:00:00", 20250131, 0},
        StampCase{"Feb 10 2025", "23:59:59", 20250210, 86399}, StampCase{"Mar  3 2025", "12:00:00", 20250303, 43200},
        StampCase{"Apr 15 2025", "00:00:01", 20250415, 1}, StampCase{"May  5 2025", "00:01:00", 20250505, 60},
        StampCase{"Jul  7 2025", "01:00:00", 20250707, 3600}, StampCase{"Aug  8 2025", "10:00:00", 20250808, 36000},
        StampCase{"Sep  9 2025", "00:10:00", 20250909, 600}, StampCase{"Oct 10 2025", "00:00:10", 20251010, 10},
        StampCase{"Nov 11 2025", "11:11:11", 20251111, 40271}, StampCase{"Dec 11 2026", "11:44:24", 20261211, 42264},
        StampCase{"??? ?? ????", "??:??:??", 19000101, 0}));

TEST(BuildStamp, CurrentStampFollowsTheTextsGiven)
{
    setBuildStampTexts("Jun  1 2024", "07:05:09");
    EXPECT_EQ(currentBuildStamp().date, 20240601);
    EXPECT_EQ(currentBuildStamp().time, 25509);
}

}   // namespace
