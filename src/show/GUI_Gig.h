#pragma once
// The gig window: the played gig on the animated stage, seven VU meters for the aspects
// of the performance, the takings and the gig's effects on the band. Its one way out is
// the finish button: the record company's scout is heard and the day ends exactly once.
#include "shell/GUI_Dialog.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class GUI_VUMeter;
class SIM_Performance;

// The rows of the result block, built once from the performance.
struct GigResultTexts {
    std::string venueLine;
    std::string attendance, capacityLabel, capacity;
    std::string ticketSales, rental, perGigCosts, damage, merchandise, profit, albumSales;
    std::string tshirts, sweatshirts, posters;
    std::string effects;
};

class GUI_Gig : public GUI_Dialog {
public:
    static constexpr int kMeters = 7;

    explicit GUI_Gig(SIM_Performance* performance);
    ~GUI_Gig() override;

    static void Create(SIM_Performance* performance);
    // The finish button: fades out, then closes.
    static void Finish(intptr_t);
    // Closes the window, hears the record company's scout and ends the day.
    static void Close(intptr_t);

    void Draw() override;
    void HandleKey(unsigned int key) override;

    const GigResultTexts& Texts() const { return texts_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    GUI_VUMeter* GetMeter(int i) const { return i >= 0 && i < kMeters ? meters_[i] : nullptr; }
    bool IsFinishing() const { return finishing_; }

    // The effects line: motivation, inspiration, stress, fame; an effect that rounds to 0
    // is left out, label and all.
    static std::string EffectsLine(float motivation, float inspiration, float stress, float fame);
    // One effect's part of the line ("" when n is 0).
    static std::string EffectText(const char* labelKey, int n, bool percent);
    static std::string ProfitText(float profit);
    static std::string CapacityText(bool soldOut, int attendance, int capacity);
    static GigResultTexts BuildTexts(const SIM_Performance& performance);

    static GUI_WindowSlot<GUI_Gig> PTheWindow;

private:
    void DrawNormalLayout();
    void DrawCharityLayout();
    void MakeMeters();
    void LaunchHints();

    GUI_ButtonText* finish_ = nullptr; // owned through the button list
    SIM_Performance* performance_ = nullptr;
    GigResultTexts texts_;
    GUI_VUMeter* meters_[kMeters] = {};
    bool finishing_ = false;
};
