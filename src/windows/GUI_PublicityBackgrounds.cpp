#include "windows/GUI_PublicityBackgrounds.h"

#include "engine/GRandom.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_Sounds.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "windows/GUI_Publicity.h"

#include <algorithm>

namespace {

// The pile of photos: the player character's first, then the members'; a seventh (a band
// with every instrument) goes on the far corner.
const V2 kPlaces[] = {{310.0f, 500.0f}, {450.0f, 450.0f}, {825.0f, 470.0f}, {560.0f, 560.0f},
                      {690.0f, 540.0f}, {180.0f, 580.0f}, {880.0f, 610.0f}};

} // namespace

GUI_PrintInterviewBG* GUI_GetPrintInterviewBG()
{
    static GUI_PrintInterviewBG* scene = new GUI_PrintInterviewBG;
    return scene;
}

GUI_RadioInterviewBG* GUI_GetRadioInterviewBG()
{
    static GUI_RadioInterviewBG* scene = new GUI_RadioInterviewBG;
    return scene;
}

GUI_WebInterviewBG* GUI_GetWebInterviewBG()
{
    static GUI_WebInterviewBG* scene = new GUI_WebInterviewBG;
    return scene;
}

// ---- the photo shoot ----

GUI_PrintPhoto::GUI_PrintPhoto(const std::string& texture, V2 centre) : centre_(centre)
{
    SetCloseOnRestart(false);
    angle_ = 352.0f + GRandom::RandReal(0.0f, 16.0f);
    if (angle_ >= 360.0f)
        angle_ -= 360.0f;
    picture_.width = picture_.height = PHOTOSIZE;
    frame_.width = frame_.height = PHOTOSIZE * 13.0f / 12.0f;
    if (!texture.empty())
        picture_.SetTexture(texture);
    for (BaseSprite* s : {static_cast<BaseSprite*>(&picture_), &frame_}) {
        s->angle = angle_;
        s->PlaceLocal(centre_.x, centre_.y);
        s->SetVertexColor(64, 64, 64, 255);
    }
}

void GUI_PrintPhoto::Draw()
{
    GetD3DEngine()->SetTexture(0, 0);
    frame_.DrawNoChecks();
    if (!picture_.GetTextureName().empty())
        picture_.Draw();
}

V2 GUI_PrintInterviewBG::PhotoPlace(size_t index)
{
    const size_t n = std::size(kPlaces);
    return kPlaces[std::min(index, n - 1)];
}

void GUI_PrintInterviewBG::Initialise()
{
    taken_ = 0;
    clock_.StartTimer();
    times_.assign(1, kFirstPhotoMs);
    textures_.assign(1, GUI_GetAvatar()->GetTexture());
    for (const SIM_Musician* member : SIM_GetBand()->GetMembers()) {
        if (!member)
            continue;
        times_.push_back(times_.back() + GRandom::RandReal(400.0f, 700.0f));
        textures_.push_back(member->GetPortraitTexture());
    }
    takenFlags_.assign(times_.size(), false);
    KillChildren();
    flash_ = 0.0f;
}

void GUI_PrintInterviewBG::TriggerPhoto(size_t index)
{
    if (index >= times_.size())
        return;
    GUI_GetSounds()->PlaySound("data/sounds/camera_flash.ogg", false);
    takenFlags_[index] = true;
    AddChild(new GUI_PrintPhoto(textures_[index], PhotoPlace(index)));
    flashClock_.StartTimer();
    flash_ = 1.0f;
    ++taken_;
}

void GUI_PrintInterviewBG::Draw()
{
    // Each flash shows as white fading to black: the grey is taken before the update.
    const int g = int(flash_ * 255.0f);
    if (g > 0) {
        flashClock_.Update();
        flash_ = std::clamp(1.0f - float(flashClock_.GetElapsed()) / kFlashMs, 0.0f, 1.0f);
    }
    GetD3DEngine()->ClearScreen(PackColor(uint32_t(g), uint32_t(g), uint32_t(g), 255));
    clock_.Update();
    for (size_t i = 0; i < times_.size(); ++i)
        if (!takenFlags_[i] && clock_.GetElapsed() > double(times_[i]))
            TriggerPhoto(i);
    DrawChildren();
    // Panel i comes with photo i.
    const std::vector<GUI_WindowBase*> panels = GUI_GetPublicity()->Children();
    for (size_t i = 0; i < panels.size() && i < taken_; ++i)
        panels[i]->Draw();
}

// ---- the radio studio ----

GUI_RadioInterviewBG::GUI_RadioInterviewBG()
{
    SetCloseOnRestart(false);
    sign_.width = 349.0f;
    sign_.height = 119.0f;
    sign_.SetTexture("onair.jpg");
}

void GUI_RadioInterviewBG::Draw()
{
    GetD3DEngine()->ClearScreen(PackColor(0, 0, 0, 255));
    sign_.PlaceLocal(D3DEngine::W / 2.0f, 535.0f);
    sign_.Draw();
}

// ---- the web scene ----

GUI_WebCodepage::GUI_WebCodepage() { ReSpawn(); }

void GUI_WebCodepage::ReSpawn()
{
    lifetime_ = GRandom::RandReal(2000.0f, 8000.0f);
    clock_.StartTimer();
    position_ = V2(GRandom::RandReal(0.0f, D3DEngine::W), GRandom::RandReal(0.0f, D3DEngine::H));
    if (sprite_.GetTextureName().empty())
        sprite_.SetTexture("webcode.dds");
    size_ = GRandom::RandReal(128.0f, 512.0f);
    sprite_.width = sprite_.height = size_;
    opacity_ = GRandom::RandReal(0.1f, 0.5f);
}

void GUI_WebCodepage::Initialise() { clock_.ForceMilliseconds(GRandom::RandReal(0.0f, lifetime_)); }

float GUI_WebCodepage::FadeAt(double e, float lifetime)
{
    const double fadeMs = 250.0;
    if (e < fadeMs)
        return float(std::max(0.0, e / fadeMs));
    if (e <= double(lifetime) - fadeMs)
        return 1.0f;
    return float(std::clamp(1.0 - (e - (double(lifetime) - fadeMs)) / fadeMs, 0.0, 1.0));
}

bool GUI_WebCodepage::Draw(float throttle)
{
    clock_.Update();
    const double e = clock_.GetElapsed();
    if (e > double(lifetime_)) {
        ReSpawn();
        return false;
    }
    const float fade = FadeAt(e, lifetime_);
    sprite_.SetVertexColor(64, 255, 64, uint32_t(64.0f * fade * opacity_));
    // Larger pages are nearer, so they drift faster.
    position_.y += size_ / 2000.0f * throttle;
    sprite_.PlaceLocal(position_.x, position_.y);
    sprite_.Draw();
    return true;
}

GUI_WebInterviewBG::GUI_WebInterviewBG()
{
    SetCloseOnRestart(false);
    for (int i = 0; i < kPages; ++i) {
        pages_.push_back(std::make_unique<GUI_WebCodepage>());
        pages_.back()->Initialise();
    }
}

void GUI_WebInterviewBG::Draw()
{
    GetD3DEngine()->ClearScreen(PackColor(0, 0, 0, 255));
    // The texture's green glyphs are tinted by the page colour: plain modulation.
    const float throttle = GUI_GetGUI()->GetRenderThrottle();
    for (const auto& page : pages_)
        page->Draw(throttle);
}
