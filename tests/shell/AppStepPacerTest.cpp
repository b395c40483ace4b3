// The step period on a wrapping millisecond counter: when it ends and how long to sleep.
#include "AppStepPacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

struct PeriodCase {
    const char* name;
    std::uint32_t previous;
    std::uint32_t now;
    std::int32_t speed;
    bool over;
    std::uint32_t sleep;
};

void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.name;
}

class AppStepPacerPeriod : public testing::TestWithParam<PeriodCase> {};

TEST_P(AppStepPacerPeriod, EndsAfterSpeedMillisecondsAndSleepsNoLongerThanTheRest) {
    const PeriodCase& c = GetParam();
    AppStepPacer pacer;
    pacer.EndPeriod(c.previous);
    EXPECT_EQ(pacer.PeriodOver(c.now, c.speed), c.over);
    EXPECT_EQ(pacer.SleepFor(c.now, c.speed), c.sleep);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppStepPacerPeriod,
    testing::Values(PeriodCase{"FirstPassAfterStartEndsAtOnce", 0, 5000, 160, true, 0},
                    PeriodCase{"CounterStillBelowSpeedWaits", 0, 100, 160, false, 10},
                    PeriodCase{"CounterAboveTwoToThe31EndsAtOnce", 0, 0x80000010u, 160, true, 0},
                    PeriodCase{"ExactlySpeedEnds", 1000, 1160, 160, true, 0},
                    PeriodCase{"OneBeforeSpeedSleepsOne", 1000, 1159, 160, false, 1},
                    PeriodCase{"FourLeftSleepsFour", 1000, 1156, 160, false, 4},
                    PeriodCase{"FarFromTheEndSleepsTen", 1000, 1001, 160, false, 10},
                    PeriodCase{"AcrossTheWrapStillWaits", 0xFFFFFFF0u, 0x00000010u, 160, false, 10},
                    PeriodCase{"AcrossTheWrapEndsAfterSpeed", 0xFFFFFFF0u, 0x00000090u, 160, true,
                               0},
                    PeriodCase{"SpeedZeroIsAlwaysReached", 1000, 1000, 0, true, 0},
                    PeriodCase{"NegativeSpeedIsAlwaysReached", 1000, 1000, -5, true, 0},
                    PeriodCase{"SlowStepAtSpeedTenPostsWithoutSleeping", 1000, 1012, 10, true, 0}),
    [](const testing::TestParamInfo<PeriodCase>& info) { return std::string(info.param.name); });

TEST(AppStepPacer, EndPeriodStartsTheNextPeriodFromThatMoment) {
    AppStepPacer pacer;
    pacer.EndPeriod(500);
    EXPECT_EQ(pacer.Previous(), 500u);
    EXPECT_FALSE(pacer.PeriodOver(600, 160));
    EXPECT_TRUE(pacer.PeriodOver(660, 160));
}

} // namespace
