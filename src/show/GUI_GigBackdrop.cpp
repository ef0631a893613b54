#include "show/GUI_GigBackdrop.h"

#include "career/SIM_Performance.h"
#include "career/SIM_Venue.h"
#include "engine/GRandom.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Particles.h"
#include "shell/GUI_Sounds.h"
#include "show/GUI_StageEffects.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_InstrumentType.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Riza.h"

#include <algorithm>
#include <cstdlib>

bool StageEquipmentPresent(const char* flag, const char* cheat)
{
    return SIM_NamedValueList::Globals().IsTrue(flag) || SIM_GetGlobalVariables()->Get(cheat) != 0.0f;
}

// ---------------------------------------------------------------------------------------
// Spotlights

std::vector<GUI_Spotlight*> GUI_Spotlight::All;

GUI_Spotlight::GUI_Spotlight(V2 position, bool rightHand) : position_(position), rightHand_(rightHand)
{
    light_.SetTexture("spotlight.dds");
    light_.width = light_.height = 256.0f;
    if (rightHand_)
        light_.MirrorLeftRight();
    switch (std::rand() % 3) {
    case 0:
        light_.SetVertexColor(255, 192, 192, 255);
        break;
    case 1:
        light_.SetVertexColor(255, 255, 255, 255);
        break;
    default:
        light_.SetVertexColor(192, 192, 255, 255);
        break;
    }
    light_.PlaceLocal(position_.x, position_.y);
    housing_.SetTexture("ceiling_spot.dds");
    housing_.width = housing_.height = 128.0f;
    if (rightHand_)
        housing_.MirrorLeftRight();
    housing_.PlaceLocal(rightHand_ ? position_.x + 106.0f : position_.x - 106.0f, position_.y - 106.0f);
    // Lights that start part-way through their second do not flicker in step.
    timer_.StartTimer();
    timer_.ForceMilliseconds(float(std::rand() % 501));
    All.push_back(this);
}

GUI_Spotlight::~GUI_Spotlight() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

void GUI_Spotlight::ClearAll()
{
    const std::vector<GUI_Spotlight*> lights = All;
    for (GUI_Spotlight* light : lights)
        delete light;
}

void GUI_Spotlight::DrawAllLight()
{
    for (GUI_Spotlight* light : All)
        light->DrawLight();
}

void GUI_Spotlight::DrawAllOutline()
{
    for (GUI_Spotlight* light : All)
        light->DrawOutline();
}

void GUI_Spotlight::DrawLight()
{
    timer_.Update();
    if (timer_.GetElapsed() > kFlickerMs) {
        timer_.StartTimer();
        lit_ = !GRandom::IsChance(0.25f);
    }
    if (!lit_)
        return;
    GetD3DEngine()->SetAdditiveBlend(true);
    light_.Draw();
    GetD3DEngine()->SetAdditiveBlend(false);
}

void GUI_Spotlight::DrawOutline() { housing_.Draw(); }

// ---------------------------------------------------------------------------------------
// The stage

GUI_GigBackdrop* GUI_GetGigBackdrop()
{
    static GUI_GigBackdrop* backdrop = new GUI_GigBackdrop;
    return backdrop;
}

void GUI_GigBackdrop::Release()
{
    GUI_ParticleManager::ClearEmmiters();
    GUI_GetComputerisedLights()->Release();
    GUI_Spotlight::ClearAll();
    GUI_PyroEvent::Clear();
    // The crowd and the band stop with the show, so nothing plays on over the next screen.
    for (AudioChannel channel : channels_)
        GUI_GetSounds()->StopSound(channel);
    channels_.clear();
}

void GUI_GigBackdrop::Initialise(SIM_Performance* performance, float personHeight)
{
    Release();
    const float w = D3DEngine::W, h = D3DEngine::H;
    stage_ = {0, 110, int(w), int(110.0f + h / 2.0f)};
    performance_ = performance;
    personHeight_ = personHeight;
    backdrop_ = kToolBackdrop;
    if (performance_ && performance_->GetVenue()) {
        personHeight_ = performance_->GetVenue()->GetPersonHeight();
        backdrop_ = performance_->GetVenue()->GetBackdrop();
    }
    lightmaps_ = {"gig_lightmap_0.jpg", "gig_lightmap_1.jpg", "gig_lightmap_2.jpg"};
    GAssert(!lightmaps_.empty(), "GUI_GigBackdrop", __LINE__);
    lightmapTimer_.StartTimer();
    lightmapIndex_ = 0;
    currentLightmap_ = lightmaps_.front();

    PlayOpeningSounds();
    GUI_GetPyro()->Initialise();
    GUI_GetLasers()->Initialise();
    GUI_GetGigProp()->Initialise();
    if (StageEquipmentPresent("smokemachine", "CHEAT_SMOKEMACHINE"))
        GUI_GetDryIce()->Initialise();
    GUI_GetComputerisedLights()->Initialise();
    GUI_GetVideoScreen()->Initialise(personHeight_);
    MakeSpotlights();
}

std::string GUI_GigBackdrop::CrowdSound(const SIM_Performance* performance)
{
    if (!performance)
        return "data/sounds/crowd_small_clap2.ogg";
    if (performance->GetEffect(SIM_Performance::FAME) > 0.0f) {
        if (performance->GetAttendence() < 301)
            return std::rand() % 2 ? "data/sounds/crowd_small_cheer2.ogg" : "data/sounds/crowd_small_cheer.ogg";
        return "data/sounds/crowd_large_cheers.ogg";
    }
    return performance->GetQuality() < 0.33f ? "data/sounds/crowd_small_boo2.ogg"
                                             : "data/sounds/crowd_small_clap2.ogg";
}

std::vector<std::string> GUI_GigBackdrop::BandSounds()
{
    std::vector<std::string> sounds = {"data/sounds/EOG_BASE.ogg"};
    SIM_Band* band = SIM_GetBand();
    if (band->HasInstrument(INSTRUMENT_GUITAR))
        sounds.push_back("data/sounds/EOG_GTR.ogg");
    if (band->HasInstrument(INSTRUMENT_SAXOPHONE))
        sounds.push_back("data/sounds/EOG_SAX.ogg");
    if (band->HasInstrument(INSTRUMENT_KEYBOARD))
        sounds.push_back("data/sounds/EOG_SYNTH.ogg");
    sounds.push_back(SIM_GetRiza()->GetGender() == 1 ? "data/sounds/EOG_WOMAN.ogg" : "data/sounds/EOG_MAN.ogg");
    return sounds;
}

void GUI_GigBackdrop::PlayOpeningSounds()
{
    std::vector<std::string> sounds = {CrowdSound(performance_)};
    for (const std::string& s : BandSounds())
        sounds.push_back(s);
    for (const std::string& s : sounds)
        if (AudioChannel channel = GUI_GetSounds()->PlaySound(s.c_str(), false))
            channels_.push_back(channel);
}

int GUI_GigBackdrop::SpotlightCount()
{
    const SIM_NamedValueList& flags = SIM_NamedValueList::Globals();
    int count = 0;
    if (flags.IsTrue("2spotlightrig"))
        count = 2;
    if (flags.IsTrue("4spotlightrig"))
        count = 4;
    if (flags.IsTrue("8spotlightrig"))
        count = 8;
    if (SIM_GetGlobalVariables()->Get("CHEAT_MAXLIGHTS") != 0.0f)
        count = 8;
    return count;
}

void GUI_GigBackdrop::MakeSpotlights()
{
    const int count = SpotlightCount();
    if (count == 0)
        return;
    const float w = D3DEngine::W;
    const float s = w / float(count);
    const float y = float(stage_.top) + 128.0f;
    for (int i = 0; i < count / 2; ++i) {
        new GUI_Spotlight(V2(s / 2.0f + float(i) * s, y), false);
        new GUI_Spotlight(V2(w - float(i) * s - s / 2.0f, y), true);
    }
}

void GUI_GigBackdrop::StepLightmap()
{
    lightmapTimer_.Update();
    if (lightmapTimer_.GetElapsed() <= kLightmapMs || lightmaps_.empty())
        return;
    lightmapTimer_.StartTimer();
    lightmapIndex_ = (lightmapIndex_ + 1) % lightmaps_.size();
    currentLightmap_ = lightmaps_[lightmapIndex_];
}

void GUI_GigBackdrop::FlashLightmap()
{
    lightmapTimer_.StartTimer();
    lightmapTimer_.ForceMilliseconds(kLightmapMs - kFlashMs);
    currentLightmap_ = "gig_lightmap_flash.jpg";
}

std::vector<StageFigure> GUI_GigBackdrop::BandFigures() const
{
    const float w = D3DEngine::W;
    const float p = personHeight_;
    const float d = p > 120.0f ? p / 1.6f : p;
    const float feet = float(stage_.bottom);
    std::vector<StageFigure> figures;
    auto add = [&](const char* texture, float x) { figures.push_back({texture, x, feet - p / 2.0f, p}); };
    SIM_Band* band = SIM_GetBand();
    if (band->GetFirstMember(INSTRUMENT_GUITAR))
        add("vector_guitar.dds", w / 2.0f + 2.0f * d);
    if (band->GetFirstMember(INSTRUMENT_SAXOPHONE))
        add("vector_sax.dds", w / 2.0f + 1.5f * d);
    if (band->GetFirstMember(INSTRUMENT_KEYBOARD))
        add("vector_keyboard.dds", w / 2.0f - 2.0f * d);
    add("vector_vocals.dds", w / 2.0f + d);
    add("vector_bass.dds", w / 2.0f - d);
    figures.push_back({"vector_drummer.dds", w / 2.0f, feet - 0.6f * p, 1.2f * p});
    return figures;
}

void GUI_GigBackdrop::Draw()
{
    DrawLitStage();
    DrawShow();
}

void GUI_GigBackdrop::DrawLitStage()
{
    const float w = D3DEngine::W;
    D3DEngine* engine = GetD3DEngine();
    // The black bands above and below the stage: the screen starts black and nothing is
    // drawn outside the stage but the light housings, so a clear makes them for far less
    // than two filled rectangles would cost.
    engine->ClearScreen(PackColor(0, 0, 0, 255));

    // The lit stage and its spotlights change only when the lightmap steps or a light
    // flickers: kept as one picture, drawn again only then, and copied in every frame.
    engine->BeginCachedLayer(kStageLayer, stage_);

    // The lit stage: the venue's backdrop is made current and the lightmap, the whole
    // stage picture, replaces it. Drawn untinted and opaque, it is copied rather than
    // shaded when the renderer can.
    engine->SetTexture(backdrop_);
    StepLightmap();
    stageSprite_.width = 1024.0f;
    stageSprite_.height = 384.0f;
    stageSprite_.PlaceLocal(w / 2.0f, float(stage_.top) + 192.0f);
    const tagRECT picture {int(w / 2.0f) - 512, stage_.top, int(w / 2.0f) + 512, stage_.top + 384};
    if (!engine->CopyOpaqueTexture(currentLightmap_, picture)) {
        stageSprite_.SetTexture(currentLightmap_);
        stageSprite_.Draw();
    }

    GUI_Spotlight::DrawAllLight();
    engine->EndCachedLayer();
}

void GUI_GigBackdrop::DrawShow()
{
    D3DEngine* engine = GetD3DEngine();

    // Everything else on the stage is seen only inside it: the black bands cover the
    // rest, so none of it is shaded there.
    engine->SetClipRect(&stage_);
    // The video screen is opaque and drawn over the beams and the prop: they are left out
    // where it will cover them.
    const bool screen = StageEquipmentPresent("videoscreen", "CHEAT_VIDEOSCREEN");
    if (screen)
        GUI_GetVideoScreen()->HideWhatIsBehind();
    if (StageEquipmentPresent("laser", "CHEAT_LASERS"))
        GUI_GetLasers()->Draw();
    GUI_GetGigProp()->Draw();
    GUI_GetComputerisedLights()->Draw();
    engine->ClearOccluder();
    if (screen)
        GUI_GetVideoScreen()->Draw();
    GUI_GetPyro()->Draw();

    static CTexturedSprite figure;
    for (const StageFigure& f : BandFigures()) {
        figure.width = figure.height = f.size;
        figure.SetTexture(f.texture);
        figure.PlaceLocal(f.x, f.y);
        figure.Draw();
    }

    engine->SetClipRect(nullptr);
    GUI_Spotlight::DrawAllOutline();
    engine->FrameRect(stage_, PackColor(255, 255, 255, 255));
}
