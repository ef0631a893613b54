#include "windows/GUI_BusinessDiscount.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Fonts.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Musician.h"

GUI_BusinessDiscount::GUI_BusinessDiscount()
{
    portrait_.width = 64.0f;
    portrait_.height = 64.0f;
    ChooseBusinessman();
    text_ = GTranslation::GetString("BUSINESS_DISCOUNT");
    GTranslation::ReplaceToken(text_, "<DISCOUNT>", FormatPercent(SIM_Finances::GetDiscount()));
}

GUI_BusinessDiscount::~GUI_BusinessDiscount() = default;

void GUI_BusinessDiscount::ChooseBusinessman()
{
    const SIM_Musician* chosen = nullptr;
    for (const SIM_Musician* member : SIM_GetBand()->GetMembers())
        if (member && member->HasPersonality("businessman"))
            chosen = member;
    hasBusinessman_ = chosen != nullptr;
    if (chosen)
        portrait_.SetTexture(chosen->GetPortraitTexture());
}

void GUI_BusinessDiscount::Draw()
{
    if (!hasBusinessman_)
        return;
    const tagRECT& r = GetRect();
    portrait_.PlaceLocal(float(r.left + 32), float(r.top + 32));
    portrait_.Draw();
    portrait_.Frame(-1);
    GDIText::AddChunk(portrait_.Right() + 10.0f, float(r.top + 30), text_, kBoldFontName, 18,
                      float(r.right) - portrait_.Right() - 10.0f, 0, 255, 255, 255);
}
