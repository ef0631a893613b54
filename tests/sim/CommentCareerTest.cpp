// A whole career with the shipped data: every member speaks.
#include "sim/BandFixture.h"

#include "sim/SIM_Date.h"
#include "sim/SIM_Message.h"

#include <map>
#include <cstdio>

TEST_F(BandTest, EveryMemberSpeaksEveryDayOfACareer)
{
    SIM_GetSim()->Close();
    SIM_GetSim()->Open();
    const float years = SIM_GetGlobalVariables()->Get("GAME_DURATION_YEARS");
    SIM_GetSim()->Reset();
    const INSTRUMENT lineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR,
                                 INSTRUMENT_KEYBOARD, INSTRUMENT_SAXOPHONE};
    for (INSTRUMENT i : lineUp) {
        SIM_Musician* m = Make(i, 0.6f);
        m->AddPersonality(SIM_Personality::GetRandom());
        SIM_GetBand()->AddMusician(m);
    }
    screens.Clear();
    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    int silent = 0, total = 0;
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day) {
        SIM_GetSim()->EndDay();
        std::map<SIM_Musician*, int> said;
        for (SIM_Message* msg : SIM_Message::All) {
            ++said[msg->GetMusician()];
            if (true) std::printf("%d %s: %s\n", day, msg->GetMusician()->GetForeName().c_str(), msg->GetMessageText().c_str());
        }
        for (SIM_Musician* m : SIM_GetBand()->GetMembers()) {
            ++total;
            if (said[m] == 0) { ++silent; if (false) std::printf("%d silent %s mot %.2f st %.2f bor %.2f\n", day, m->GetForeName().c_str(), m->GetMotivation(), m->GetStress()->GetValue(), m->GetBoredom()); }
        }
    }
    std::printf("silent %d of %d members %zu all %zu\n", silent, total, SIM_GetBand()->GetMembers().size(), SIM_Musician::All.size());
    EXPECT_TRUE(screens.Alerts().empty());
}
