#include "windows/GUI_BookGig.h"

#include "career/SIM_Gig.h"
#include "career/SIM_Venue.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/Report.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "port/sdl/PortEvent.h"
#include "sim/GAssert.h"
#include "sim/SIM_Finances.h"
#include "windows/GUI_BusinessDiscount.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_BookGig> GUI_BookGig::PTheWindow;

namespace {

bool IsPotential(const SIM_Gig* gig)
{
    const auto& gigs = SIM_Gig::PotentialGigs;
    return gig && std::find(gigs.begin(), gigs.end(), gig) != gigs.end();
}

} // namespace

void GUI_BookGig::Create()
{
    delete PTheWindow.Get();
    new GUI_BookGig;
}

GUI_BookGig::GUI_BookGig()
{
    const float W = D3DEngine::W;
    const float H = D3DEngine::H;
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();

    finish_ = new GUI_ButtonText("BOOKGIG_FINISH", &GUI_BookGig::Finish, 0);
    finish_->SetTooltip("BOOKGIG_FINISH_TOOLTIP", 0);
    finish_->SetPosition(W - 140.0f, H - 32.0f, W - 10.0f, H - 10.0f);
    AddButton(finish_);

    title_ = GTranslation::GetString("BOOKGIG_TITLE");
    info_ = GTranslation::GetString("BOOKGIG_INFO");
    page_ = 0;

    SIM_Gig::GeneratePotentialGigs();
    Populate();

    const tagRECT& r = GetRect();
    prev_ = new GUI_IconButton("left.dds", &GUI_BookGig::PrevPage, 0);
    prev_->SetHighlightTexture("left_h.dds");
    prev_->SetPosition(float(r.left + 60), float(r.bottom - 40), float(r.left + 100), float(r.bottom - 10));
    AddButton(prev_);
    next_ = new GUI_IconButton("right.dds", &GUI_BookGig::NextPage, 0);
    next_->SetHighlightTexture("right_h.dds");
    next_->SetPosition(float(r.right - 220), float(r.bottom - 40), float(r.right - 160), float(r.bottom - 10));
    AddButton(next_);

    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_GetGUI()->SetInputHandler(this);

    SetRect(&infoPanel_, int(W / 2.0f) - 420, 50, int(W / 2.0f) + 420, 185);

    if (!GUI_HintHelp::Launch("book gig") && SIM_Gig::BBoredVenues)
        GUI_HintHelp::Launch("venue_boredom");

    // The amount without its sign: negative cash shows in red instead.
    cashLine_ = std::string(GTranslation::GetString("BOOKGIG_CASH")) + " : $ " +
                FormatMoneyMagnitude(SIM_GetFinances()->GetCash());
}

GUI_BookGig::~GUI_BookGig()
{
    // A fade still on its way must not close (and so end the day of) a later window.
    GUI_GetFader()->CancelCallback(&GUI_BookGig::Close);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_BookGig::Finish(intptr_t)
{
    GUI_BookGig* window = PTheWindow;
    if (!window || window->committed_ || window->leaving_)
        return;
    window->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_BookGig::Close, 0);
}

void GUI_BookGig::Close(intptr_t) { CloseWin(PTheWindow.Get()); }

void GUI_BookGig::HandleKey(unsigned int key)
{
    if (key == kKeyEscape)
        Finish(0);
    else
        GUI_WindowBase::HandleKey(key);
}

void GUI_BookGig::NextPage(intptr_t)
{
    GUI_BookGig* window = PTheWindow;
    if (!window || window->committed_)
        return;
    if ((window->page_ + 1) * kPerPage < int(SIM_Gig::PotentialGigs.size())) {
        ++window->page_;
        window->Populate();
    }
}

void GUI_BookGig::PrevPage(intptr_t)
{
    GUI_BookGig* window = PTheWindow;
    if (!window || window->committed_)
        return;
    if (window->page_ >= 1) {
        --window->page_;
        window->Populate();
    }
}

void GUI_BookGig::Populate()
{
    const float W = D3DEngine::W;
    const float H = D3DEngine::H;
    KillChildren();
    auto* strip = new GUI_BusinessDiscount;
    strip->SetPosition(110.0f, H - 70.0f, W - 230.0f, H);
    AddChild(strip);

    const auto& gigs = SIM_Gig::PotentialGigs;
    float x = W / 2.0f - 450.0f;
    float y = 200.0f;
    const size_t first = size_t(page_) * kPerPage;
    for (size_t i = first; i < gigs.size() && i < first + kPerPage; ++i) {
        auto* card = new GUI_PotentialGig(gigs[i]);
        card->SetPosition(x, y, x + 430.0f, y + 155.0f);
        AddChild(card);
        if ((i - first) % 2 == 0) {
            x += 470.0f;
        } else {
            x = W / 2.0f - 450.0f;
            y += 170.0f;
        }
    }
}

void GUI_BookGig::Book(SIM_Gig* gig)
{
    // Looked up again: a card never books a gig the simulation no longer offers.
    if (committed_ || leaving_ || !IsPotential(gig))
        return;
    committed_ = true;
    gig->Book();
    GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
    // The day ends once the click is handled, after the window has gone.
    CloseWin(this);
    GUI_DayEnd::Request();
}

void GUI_BookGig::Draw()
{
    const float W = D3DEngine::W;
    prev_->SetEnabled(page_ >= 1);
    next_->SetEnabled((page_ + 1) * kPerPage < int(SIM_Gig::PotentialGigs.size()));

    GetD3DEngine()->FillScreen("leather.jpg");
    GUI_WindowBackground::DrawTiled(infoPanel_, TEX_WINDOW_CLIENT, 20.0f, 1.0f);
    GDIText::AddChunk(0.0f, 65.0f, title_, kBoldFontName, 32, W, 1, 255, 255, 255);
    const bool inDebt = SIM_GetFinances()->GetCash() < 0.0f;
    GDIText::AddChunk(0.0f, 102.0f, cashLine_, kBoldFontName, 20, W, 1, 255, inDebt ? 0 : 255,
                      inDebt ? 0 : 255);
    GDIText::AddChunk(W / 2.0f - 400.0f, 130.0f, info_, kBoldFontName, 16, 800.0f, 0, 255, 255, 255);
    DrawButtons();
    DrawChildren();
    GDIText::RenderChunks(-1);
}

GUI_PotentialGig::GUI_PotentialGig(SIM_Gig* gig) : gig_(gig)
{
    GAssert(gig != nullptr && gig->GetVenue() != nullptr, __FILE__, __LINE__);
    capacityLabel_ = GTranslation::GetString("BOOKGIG_CAPACITY");
    priceLabel_ = GTranslation::GetString("BOOKGIG_PRICE");
    rentalLabel_ = GTranslation::GetString("BOOKGIG_RENTAL");
    const SIM_Venue* venue = gig ? gig->GetVenue() : nullptr;
    picture_.width = 128.0f;
    picture_.height = 128.0f;
    if (!venue) {
        button_ = new GUI_ButtonText("BOOKGIG_NOCASH", nullptr, 0);
        button_->SetEnabled(false);
        AddButton(button_);
        return;
    }
    venueName_ = venue->GetGUIName();
    description_ = venue->GetDescription();
    capacity_ = NumToDelimitedChar(venue->GetCapacity());
    char price[32];
    std::snprintf(price, sizeof price, "$%.2f", double(venue->GetTicketPrice()));
    price_ = price;
    rental_ = "$" + FormatMoney(venue->GetRental());
    picture_.SetTexture(venue->GetSprite());

    // The first test that fails decides; the cash test takes the full rental, although
    // a businessman may make the booking cheaper.
    if (!venue->Bookable()) {
        button_ = new GUI_ButtonText("BOOKGIG_NOMANAGER", nullptr, 0);
        button_->SetTooltip("BOOKGIG_NOMANAGER_TOOLTIP", 0);
    } else if (!venue->Reachable()) {
        button_ = new GUI_ButtonText("BOOKGIG_TOOFAR", nullptr, 0);
        button_->SetTooltip("BOOKGIG_TOOFAR_TOOLTIP", 0);
    } else if (SIM_GetFinances()->GetCash() >= venue->GetRental()) {
        button_ = new GUI_ButtonText("BOOKGIG_BOOK", &GUI_PotentialGig::Book, intptr_t(this));
        button_->SetTooltip("BOOKGIG_BOOK_TOOLTIP", 0);
        bookable_ = true;
    } else {
        button_ = new GUI_ButtonText("BOOKGIG_NOCASH", nullptr, 0);
    }
    button_->SetEnabled(bookable_);
    AddButton(button_);
}

GUI_PotentialGig::~GUI_PotentialGig() = default;

void GUI_PotentialGig::Book(intptr_t card)
{
    auto* self = reinterpret_cast<GUI_PotentialGig*>(card);
    if (GUI_BookGig* window = GUI_BookGig::PTheWindow; window && self && self->bookable_)
        window->Book(self->gig_); // deletes this card with the window
}

void GUI_PotentialGig::Draw()
{
    const tagRECT& r = GetRect();
    button_->SetPosition(float(r.right - 200), float(r.bottom - 30), float(r.right - 10), float(r.bottom - 10));
    GUI_WindowBackground::DrawTiled(r, MouseInside() ? TEX_WINDOW_CLIENT : TEX_WINDOW, 20.0f, 1.0f);
    picture_.PlaceLocal(float(r.left + 75), float(r.top + r.bottom) / 2.0f);
    picture_.Draw();

    const int grey = bookable_ ? 255 : 101;
    const float x = picture_.Right() + 10.0f;
    const float width = float(r.right - 10) - x;
    float y = float(r.top + 4);
    GDIText::AddChunk(x, y, venueName_, kBoldFontName, 20, width, 1, grey, grey, grey);
    const auto row = [&](const std::string& label, const std::string& value) {
        GDIText::AddChunk(x, y, label, kBoldFontName, 14, width, 0, grey, grey, grey);
        GDIText::AddChunk(float(r.right - 110), y, value, kBoldFontName, 14, 100.0f, 2, grey, grey, grey);
    };
    y += 23.0f;
    row(capacityLabel_, capacity_);
    y += 16.0f;
    row(priceLabel_, price_);
    y += 16.0f;
    row(rentalLabel_, rental_);
    y += 16.0f;
    GDIText::AddChunk(x, y, description_, kBoldFontName, 14, width, 0, grey, grey, grey);
    DrawButtons();
}
