// Careers saved and reloaded at the start of every in-game month play on to their end
// with no report, and every reload gives back the game that was saved.
#include "savegame/SaveGameFixture.h"

namespace {
// The load menu's summary fame is the sum of the fame effects, each of which the file
// keeps to three decimals: read back it may differ in the last digit (ExpectSums checks
// the sum itself).
std::string WithoutSummaryFame(const std::string& text)
{
    static const std::regex fame("(<load_data>[^]*?<fame>)[^<]*(</fame>)");
    return std::regex_replace(text, fame, "$1-$2", std::regex_constants::format_first_only);
}
} // namespace

TEST_F(SaveGameTest, CareersThatReloadEveryMonthPlayToTheirEnd)
{
    for (unsigned seed : {3u, 17u}) {
        SCOPED_TRACE(seed);
        NewGame(1);
        SIM_GetHeadlessScreens();
        screens.StartNewGame();
        BuildCareer(seed);
        screens.Clear();
        int reloads = 0;
        for (int day = 0; day < 3 * SIM_Date::DaysPerYear && !screens.IsEndGameActive(); ++day) {
            EndDays(1);
            if (SIM_Date::PPresentDay->GetDay() != 0 || screens.IsEndGameActive())
                continue;
            const std::string w1 = Compose();
            const std::string digest = Digest();
            const auto sums = Sums();
            ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(w1));
            ++reloads;
            ASSERT_EQ(WithoutSummaryFame(Masked(Compose())), WithoutSummaryFame(Masked(w1)))
                << "reload " << reloads;
            ASSERT_EQ(Digest(), digest);
            ExpectSums(sums);
        }
        EXPECT_TRUE(screens.IsEndGameActive());
        EXPECT_GE(reloads, 10);
        EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    }
}
