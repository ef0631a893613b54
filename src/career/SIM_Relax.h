#pragma once
// The two restful day activities besides a relax place's own modifiers: the relax outing's
// daily option and the stress it takes off once its result has been seen, and a night out
// socialising. Each Process is the activity's finish call: the result screen calls it from
// its leave path (never from a destructor), so the end-of-day pass a step may start never
// runs while a window is being deleted.
#include <string>

class SIM_Relax {
public:
    // Offers the day's relax option (type 4, "relax.jpg"), whatever the cash.
    static void CreateOption();
    // The band's stress falls by "RS_RELAX_STRESS". The day itself was ended when the
    // place was used.
    static void Process();

private:
    static std::string OptionTitle;
    static std::string OptionText;
    static bool TextsFetched;
};

class SIM_Socialise {
public:
    // Stress down, hype up, "RS_SOCIALISE_COST_PER_MUSICIAN" per member paid, and the
    // day's activity counted.
    static void Process();
    // Fetches the option's texts; true when the night out costs more than the cash.
    static bool CreateOption();
    // The cost of a night out for the current line-up.
    static float GetCost();

    static const std::string& GetOptionTitle() { return OptionTitle; }
    static const std::string& GetOptionText() { return OptionText; }

private:
    static std::string OptionTitle;
    static std::string OptionText;
    static bool TextsFetched;
};
