#pragma once
// The strip at the foot of the screens where money is spent: the band's businessman (the
// last member with that personality) and the discount the band gets on purchases.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <string>

class GUI_BusinessDiscount : public GUI_WindowBase {
public:
    // Made once: a strip that stays open does not follow later changes to the band.
    GUI_BusinessDiscount();
    ~GUI_BusinessDiscount() override;

    void Draw() override;

    const std::string& GetText() const { return text_; }
    bool HasBusinessman() const { return hasBusinessman_; }
    const CTexturedSprite& GetPortrait() const { return portrait_; }

private:
    void ChooseBusinessman();

    std::string text_;
    CTexturedSprite portrait_;
    // A copy of what is shown of the member, never a pointer into the band.
    bool hasBusinessman_ = false;
};
