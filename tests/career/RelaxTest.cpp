// Relax places, the relax outing's option and stress step, and socialising.
#include "career/CareerFixture.h"

#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Finances.h"

#include <filesystem>

namespace {
class RelaxTest : public CareerTest {
protected:
    void UsePlaces(const std::string& rows)
    {
        resources.Write(SIM_RelaxVenue::File, "Columns: marker, name, ...\n" + rows);
        SIM_RelaxVenue::Open();
    }
    static SIM_RelaxVenue* Place(size_t i) { return SIM_RelaxVenue::All.at(i); }
    // The effects of that debug name on the musician's stress.
    static std::vector<float> StressEffects(SIM_Musician* m, const std::string& name)
    {
        std::vector<float> out;
        for (const SIM_Effect* e : m->GetStress()->GetEffects())
            if (e->GetDebugName() == name)
                out.push_back(e->GetEffect());
        return out;
    }
    static float Hype() { return SIM_GetBand()->GetValue("band_hype"); }
};
}

TEST_F(RelaxTest, PlaceRowsReadEveryColumnAndCutLongModifiers)
{
    const std::string longName(140, 'x');
    UsePlaces("#,spa,Spa day,\"Warm, wet\",12.5,spa.jpg,spa_icon.jpg,\"band_stress,-0.2,0.9\",\"band_hype,0.1,0.8\"\n"
              "#,donothing,Stay in,Nothing,0,home.jpg,home_icon.jpg\n"
              "#,long,Long,x,1,l.jpg,l_icon.jpg," + longName + ",0.1,0.9\n");
    ASSERT_EQ(SIM_RelaxVenue::All.size(), 3u);
    const SIM_RelaxVenue* spa = Place(0);
    EXPECT_EQ(spa->GetName(), "spa");
    EXPECT_EQ(spa->GetGUIName(), "Spa day");
    EXPECT_EQ(spa->GetDescription(), "Warm, wet");
    EXPECT_FLOAT_EQ(spa->GetCostPerMember(), 12.5f);
    EXPECT_EQ(spa->GetTexture(), "spa.jpg");
    EXPECT_EQ(spa->GetIcon(), "spa_icon.jpg");
    ASSERT_EQ(spa->GetModifiers().size(), 2u);
    EXPECT_EQ(spa->GetModifiers()[1].GetName(), "band_hype");
    EXPECT_EQ(spa->GetModifiers()[1].GetDebugName(), "spa");
    EXPECT_TRUE(Place(1)->GetModifiers().empty());
    // An unquoted modifier spreads over three cells; its first is cut to 127 characters.
    ASSERT_FALSE(Place(2)->GetModifiers().empty());
    EXPECT_EQ(Place(2)->GetModifiers()[0].GetName(), longName.substr(0, 127));

    std::filesystem::remove(resources.Path() / SIM_RelaxVenue::File);
    SIM_RelaxVenue::Open();
    EXPECT_TRUE(SIM_RelaxVenue::All.empty());
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(RelaxTest, UsingAPlacePaysPerMusicianAppliesItsModifiersAndEndsTheDay)
{
    UsePlaces("#,spa,Spa,x,25,spa.jpg,spa_icon.jpg,\"band_stress,-0.2,0.9\",\"band_hype,0.1,0.8\"\n");
    std::vector<SIM_Musician*> band;
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD})
        band.push_back(Hire(i));
    SIM_GetFinances()->SetCash(100.0f);
    Set("GV_UNEMPLOYMENT_BENEFIT", 0.0f);
    const int turn = SIM_GetSim()->GetTurnCount();
    const float hype = Hype();

    Place(0)->Use();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 0.0f);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 1) << "the day ends before the result is shown";
    for (SIM_Musician* m : band)
        EXPECT_EQ(StressEffects(m, "spa").size(), 1u);
    EXPECT_GT(Hype(), hype);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(RelaxTest, WithNobodyInTheBandRelaxingAndSocialisingCostNothing)
{
    UsePlaces("#,spa,Spa,x,25,spa.jpg,spa_icon.jpg\n");
    SIM_GetFinances()->SetCash(-10.0f);
    const float benefit = SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT");
    Place(0)->Use();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), -10.0f + benefit);
    SIM_Socialise::Process();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), -10.0f + 2 * benefit);
    EXPECT_FALSE(SIM_Socialise::CreateOption());
}

TEST_F(RelaxTest, TheRelaxResultTakesStressOffWithoutEndingAnotherDay)
{
    Set("RS_RELAX_STRESS", -0.15f);
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    m->ChangeStress(0.5f, 1.0f, "test");
    const int turn = SIM_GetSim()->GetTurnCount();
    SIM_Relax::Process();
    EXPECT_EQ(StressEffects(m, "relax"), (std::vector<float> {-0.15f}));
    const SIM_Effect* effect = m->GetStress()->GetEffects().back();
    EXPECT_FLOAT_EQ(effect->GetDegrade(), SIM_GetGlobalVariables()->Get("RS_STRESS_DEGRADE"));
    EXPECT_NEAR(m->GetStress()->GetValue(), 0.35f, 1e-6f);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn);
}

TEST_F(RelaxTest, SocialisingEasesStressRaisesHypePaysAndEndsTheDay)
{
    Set("RS_SOCIALISE_STRESS", -0.1f);
    Set("RS_SOCIALISE_HYPE", 0.05f);
    Set("RS_SOCIALISE_COST_PER_MUSICIAN", 20.0f);
    Set("GV_UNEMPLOYMENT_BENEFIT", 0.0f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    const size_t options = SIM_DailyOption::All.size();
    SIM_GetFinances()->SetCash(60.0f);
    EXPECT_FALSE(SIM_Socialise::CreateOption()) << "exactly affordable";
    SIM_GetFinances()->SetCash(59.0f);
    EXPECT_TRUE(SIM_Socialise::CreateOption());
    EXPECT_EQ(SIM_Socialise::GetOptionTitle(), "Night out");
    EXPECT_FALSE(SIM_Socialise::GetOptionText().empty());
    EXPECT_EQ(SIM_DailyOption::All.size(), options) << "socialising makes no daily option";

    const float hype = Hype();
    const int turn = SIM_GetSim()->GetTurnCount();
    SIM_Socialise::Process();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), -1.0f) << "not refused here";
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 1);
    for (SIM_Musician* m : {a, b, c})
        EXPECT_EQ(StressEffects(m, "relax").size(), 1u);
    EXPECT_GT(Hype(), hype);
}

TEST_F(RelaxTest, TheRelaxOptionIsOfferedEveryDayWhateverTheCash)
{
    SIM_GetFinances()->SetCash(-5000.0f);
    for (int day = 0; day < 3; ++day) {
        EndDays(1);
        int relax = 0;
        for (const SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == SIM_DailyOption::RELAX) {
                ++relax;
                EXPECT_EQ(o->GetTitle(), "Take it easy");
                EXPECT_FALSE(o->GetText().empty());
                EXPECT_EQ(o->GetTexture(), "relax.jpg");
                EXPECT_TRUE(o->IsDoable());
            }
        EXPECT_EQ(relax, 1) << day;
    }
}
