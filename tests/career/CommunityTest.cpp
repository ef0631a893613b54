// The community page's form variables: their order, their encoding and the guards.
#include "career/CareerFixture.h"

#include "career/SIM_Community.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_PlayerOptions.h"

namespace {
class CommunityTest : public CareerTest {
protected:
    void TearDown() override
    {
        screens.SetGameInProgress(false);
        SIM_GetPlayerOptions()->SetUniqueID("");
        CareerTest::TearDown();
    }
};
}

TEST_F(CommunityTest, ThePageCarriesThePlayersFiguresInOrderAndOpensNothingWithoutAHost)
{
    screens.SetGameInProgress(true);
    screens.SetAvatarTexture("f03.png");
    SIM_GetPlayerOptions()->SetUniqueID("abc123");
    SIM_GetRiza()->SetForename("Jo Smith");
    SIM_GetFinances()->SetCash(1234567.89f);
    SIM_GetFame()->AddEffect(42.5f, 1.0f, "test");
    SIM_GetFame()->CalculateValue();

    std::string vars = "left over";
    SIM_Community::GeneratePage(&vars);
    char fame[32];
    std::snprintf(fame, sizeof fame, "%.2f", SIM_GetFame()->GetFame());
    char points[32];
    std::snprintf(points, sizeof points, "%.2f", SIM_GetRiza()->CountSkillPoints());
    const std::string expected = "&file=user_abc123.html&ava=f03&nam=Jo+Smith&age=" +
                                 std::to_string(SIM_Date::PPresentDay->GetYear() - 1986) +
                                 "&cas=%24+1%2C234%2C567&fam=" + fame + "&job=none&emp=none&sal=%24+0&nsk=" +
                                 std::to_string(SIM_GetRiza()->CountSkills()) + "&skp=" + points;
    EXPECT_EQ(vars, expected);
    EXPECT_TRUE(SIM_Community::GetHost().empty()) << "no host unless one is configured";
    EXPECT_EQ(SIM_Community::GetPageAddress(), "/zelva/community/user_abc123.html");
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(CommunityTest, VariablesAreEncodedShortAvatarNamesAreSafeAndNoGameGivesNoPage)
{
    std::string vars;
    SIM_Community::AddVariable(&vars, "a b", "x&y=z%\x96");
    EXPECT_EQ(vars, "&a+b=x%26y%3Dz%25%96");
    SIM_Community::AddVariable(nullptr, "a", "b");
    SIM_Community::AddVariable(&vars, "n", nullptr);
    EXPECT_EQ(vars, "&a+b=x%26y%3Dz%25%96");

    vars = "kept";
    SIM_Community::GeneratePage(&vars);
    EXPECT_EQ(vars, "kept") << "no game in progress";

    screens.SetGameInProgress(true);
    for (const char* avatar : {"", "a", "abcd"}) {
        screens.SetAvatarTexture(avatar);
        SIM_Community::GeneratePage(&vars);
        EXPECT_NE(vars.find("&ava=&nam="), std::string::npos) << avatar;
    }
    SIM_Community::GeneratePage(nullptr);
    EXPECT_TRUE(screens.reports.empty());
}
