// The in-game screen's furniture in the real game: the skinned backdrop, the avatar in its
// frame, the player panel's indicators, switching skins, the avatar chooser, and the
// indicators' lifetime against the day pass and new games.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "mainscreen/GUI_BandIcon.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_MindState.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"

#include <cstdlib>
#include <filesystem>

namespace {

const char* const kPlayerAttributes[] = {"inspiration", "attrib_vocals", "live_experience"};

int Channel(uint32_t pixel, int shift) { return int((pixel >> shift) & 0xFF); }

// Two colours that differ by no more than the renderer's rounding.
bool Near(uint32_t a, uint32_t b, int tolerance = 6)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance)
            return false;
    return true;
}

// The texel of a loaded texture at (x, y), packed like a frame's pixel.
uint32_t Texel(const std::string& texture, int x, int y)
{
    int w = 0, h = 0;
    const uint8_t* pixels = nullptr;
    if (!GetD3DEngine()->GetTextureData(texture.c_str(), &w, &h, &pixels) || !pixels || x >= w || y >= h)
        return 0;
    const uint8_t* p = pixels + 4 * (size_t(y) * size_t(w) + size_t(x));
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | 0xFF000000u;
}

class PanelTest : public GameHarness {
protected:
    void BeforeStart() override
    {
        SIM_GetGameConfig()->SetAvatarTexture("f_spark_happy.jpg");
        SIM_GetGameConfig()->SetAvatarName("Robin");
    }


    // Points of the backdrop that nothing of this game draws over.
    static constexpr int kOpenPoints[][2] = {{520, 420}, {300, 100}, {820, 640}, {1000, 700}};
};

} // namespace

TEST_F(PanelTest, NewGameShowsTheSkinnedBackdropThePanelAndTheAvatar)
{
    Step(3);
    RgbaImage frame = CaptureFrame();
    ASSERT_EQ(frame.width, 1024);
    SaveArtifact(frame, "in_game.png");

    GUI_Backdrop* backdrop = GUI_GetBackdrop();
    EXPECT_EQ(backdrop->GetSkins(), (std::vector<std::string> {"backstage", "garage", "neon"}));
    EXPECT_EQ(backdrop->GetCurrentSkin(), "backstage");
    for (const auto& p : kOpenPoints)
        EXPECT_TRUE(Near(frame.At(p[0], p[1]), Texel("skin_backstage_backdrop.bmp", p[0], p[1])))
            << p[0] << "," << p[1];

    // The player panel at the right edge, its three indicators bound to the player's own
    // attributes, 39 pixels apart.
    GUI_MindState* panel = GUI_GetMindState();
    EXPECT_TRUE(panel->IsInGUI());
    EXPECT_EQ(panel->GetTitle(), "You");
    EXPECT_EQ(panel->GetRect().left, 850);
    EXPECT_EQ(panel->GetRect().top, 95);
    ASSERT_EQ(panel->Indicators().size(), 3u);
    int top = 154;
    for (const char* name : kPlayerAttributes) {
        GUI_Indicator* indicator = panel->GetIndicator(name);
        ASSERT_NE(indicator, nullptr) << name;
        EXPECT_EQ(indicator->GetOwner(), SIM_GetRiza()->GetAttribute(name));
        EXPECT_EQ(indicator->GetRect().top, top);
        EXPECT_EQ(indicator->GetWidth(), 174);
        top += GUI_MindState::CHUNKHEIGHT;
    }
    EXPECT_EQ(panel->GetIndicator("songwriting"), nullptr);

    // The first LED of each row is lit: a green LED where the backdrop has none.
    for (GUI_Indicator* indicator : panel->Indicators()) {
        const uint32_t led = frame.At(indicator->GetRect().left + 11, indicator->GetRect().top + 25);
        EXPECT_GT(Channel(led, 8), 150);
        EXPECT_LT(Channel(led, 0), 120);
    }

    // The avatar chosen for the game, in its frame at the bottom left.
    EXPECT_EQ(GUI_GetAvatar()->GetTexture(), "f_spark_happy.jpg");
    EXPECT_EQ(SIM_GetRiza()->GetGender(), SIM_GENDER_FEMALE);
    EXPECT_FLOAT_EQ(GUI_GetAvatar()->GetFrame().GetCenterX(), 128.0f);
    EXPECT_FLOAT_EQ(GUI_GetAvatar()->GetFrame().GetCenterY(), 640.0f);
    EXPECT_FALSE(Near(frame.At(128, 600), Texel("skin_backstage_backdrop.bmp", 128, 600), 2));
}

TEST_F(PanelTest, SkinsSwitchTheBackdrop)
{
    GUI_Backdrop* backdrop = GUI_GetBackdrop();
    const auto& p = kOpenPoints[0];
    for (const char* skin : {"garage", "neon"}) {
        backdrop->NextSkin();
        Step(2);
        EXPECT_EQ(backdrop->GetCurrentSkin(), skin);
        RgbaImage frame = CaptureFrame();
        const std::string texture = std::string("skin_") + skin + "_backdrop.bmp";
        EXPECT_TRUE(Near(frame.At(p[0], p[1]), Texel(texture, p[0], p[1]))) << skin;
        if (std::string(skin) == "neon")
            SaveArtifact(frame, "in_game_neon.png");
    }
    EXPECT_TRUE(backdrop->IsLastSkin());

    // A new game keeps the skin chosen; a saved game's skin shows without moving the choice.
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_EQ(backdrop->GetCurrentSkin(), "neon");
    SIM_GetScreens()->SetCurrentSkin("garage");
    Step(2);
    EXPECT_EQ(SIM_GetScreens()->GetCurrentSkin(), "garage");
    EXPECT_TRUE(Near(CaptureFrame().At(p[0], p[1]), Texel("skin_garage_backdrop.bmp", p[0], p[1])));
    EXPECT_TRUE(backdrop->IsLastSkin());
}

TEST_F(PanelTest, AvatarChooserStepsThroughAvatarsAndVariants)
{
    auto* chooser = new GUI_AvatarChooser;
    chooser->AddToGUI();
    const std::vector<std::string>& folders = GUI_AvatarChooser::AvatarDirectories;
    ASSERT_EQ(folders.size(), 5u);
    EXPECT_EQ(folders.front(), "data/bitmaps/avatars/f_spark");

    // From the first avatar back to the last: the one with a single picture, grey and
    // without variant arrows.
    while (GUI_AvatarChooser::CurrentDirectory != 0)
        GUI_AvatarChooser::NextAvatar(0);
    Click(chooser->GetPrevAvatarButton()->GetCenterX(), chooser->GetPrevAvatarButton()->GetCenterY());
    EXPECT_EQ(GUI_AvatarChooser::CurrentDirectory, 4);
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "m_loner_neutral.jpg");
    Step(1);
    EXPECT_FALSE(chooser->HasVariants());
    EXPECT_FALSE(chooser->GetNextVariantButton()->IsVisible());
    EXPECT_EQ(chooser->Children().size(), 1u);

    // On to the first again: two variants, arrows back, thumbnails 70 apart and centred.
    Click(chooser->GetNextAvatarButton()->GetCenterX(), chooser->GetNextAvatarButton()->GetCenterY());
    EXPECT_EQ(GUI_AvatarChooser::CurrentDirectory, 0);
    Step(1);
    EXPECT_TRUE(chooser->HasVariants());
    EXPECT_TRUE(chooser->GetNextVariantButton()->IsVisible());
    ASSERT_EQ(chooser->Children().size(), 2u);
    const tagRECT first = chooser->Children()[0]->GetRect();
    const tagRECT second = chooser->Children()[1]->GetRect();
    EXPECT_EQ(first.left, 512 - 70 + 5);
    EXPECT_EQ(second.left - first.left, 70);
    EXPECT_EQ(first.right - first.left, 60);
    EXPECT_EQ(first.top, int(chooser->GetBacking().Bottom()) + 20);

    // Variants wrap; a thumbnail click shows its picture; a click beside them changes nothing.
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "f_spark_happy.jpg");
    GUI_AvatarChooser::NextVariant(0);
    GUI_AvatarChooser::NextVariant(0);
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "f_spark_happy.jpg");
    Click(float(second.left + 30), float(second.top + 37));
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "f_spark_neutral.jpg");
    EXPECT_EQ(chooser->GetPicture().GetTextureName(), "f_spark_neutral.jpg");
    Click(float(second.right + 40), float(second.top + 37));
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "f_spark_neutral.jpg");
    Step(2);
    SaveArtifact(CaptureFrame(), "avatar_chooser.png");

    delete chooser;
    EXPECT_EQ(GUI_AvatarChooser::PTheWindow, nullptr);
    EXPECT_EQ(GUI_AvatarChooser::GetCurrentVariant(), "f_spark_neutral.jpg");
}

TEST_F(PanelTest, ClosingThePanelOrANewGameLeavesTheDayPassNoIndicator)
{
    SIM_Attribute* inspiration = SIM_GetRiza()->GetAttribute("inspiration");
    ASSERT_NE(inspiration, nullptr);
    ASSERT_NE(inspiration->GetIndicator(), nullptr);

    GUI_WindowBase::CloseWin(GUI_GetMindState());
    EXPECT_EQ(inspiration->GetIndicator(), nullptr);
    // Only the band panel's indicators are left.
    EXPECT_EQ(GUI_Indicator::All.size(), GUI_GetBandState()->Indicators().size());
    for (int day = 0; day < 3; ++day)
        SIM_GetSim()->EndDay();
    inspiration->AddEffect(0.1f, 0.9f, "test");
    Step(3);

    // Two new games in a row: the panel is made again each time, bound to the new
    // attributes only.
    for (int game = 0; game < 2; ++game) {
        GetGame()->StartNewGame();
        WaitFade();
    }
    ASSERT_EQ(GUI_GetMindState()->Indicators().size(), 3u);
    EXPECT_EQ(GUI_Indicator::All.size(), 3u + GUI_GetBandState()->Indicators().size());
    SIM_Attribute* vocals = SIM_GetRiza()->GetAttribute("attrib_vocals");
    GUI_Indicator* indicator = GUI_GetMindState()->GetIndicator("attrib_vocals");
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(vocals->GetIndicator(), indicator);
    for (int day = 0; day < 3; ++day)
        SIM_GetSim()->EndDay();
    vocals->AddEffect(0.2f, 0.9f, "test");
    EXPECT_TRUE(indicator->GetNotifier().IsActive());
    EXPECT_EQ(indicator->GetNotifier().GetText(), "+20");
    Step(3);
}

TEST_F(PanelTest, DisplayRestartKeepsTheBackdropAndTheAvatar)
{
    GUI_GetBackdrop()->NextSkin();
    GetGame()->ToggleFullscreen();
    Step(3);
    RgbaImage frame = CaptureFrame();
    ASSERT_EQ(frame.width, 1024);
    for (const auto& p : kOpenPoints)
        EXPECT_TRUE(Near(frame.At(p[0], p[1]), Texel("skin_garage_backdrop.bmp", p[0], p[1])))
            << p[0] << "," << p[1];
    EXPECT_FALSE(Near(frame.At(128, 600), Texel("skin_garage_backdrop.bmp", 128, 600), 2));
    EXPECT_FLOAT_EQ(GUI_GetAvatar()->GetFrame().GetCenterY(), 640.0f);
    GetGame()->ToggleFullscreen();
    Step(2);
}

TEST_F(PanelTest, HoveringAnIndicatorShowsThePercentAndClickingPlaysTheClick)
{
    SIM_Attribute* vocals = SIM_GetRiza()->GetAttribute("attrib_vocals");
    vocals->SetBaseValue(0.456f);
    vocals->CalculateValue();
    GUI_Indicator* indicator = GUI_GetMindState()->GetIndicator("attrib_vocals");
    ASSERT_NE(indicator, nullptr);
    Hover(indicator->GetCenterX(), indicator->GetCenterY(), 40);
    EXPECT_EQ(indicator->GetTooltip()->GetText(), "(46%)");
    EXPECT_GT(indicator->GetTooltip()->GetLevel(), 0.0f);
    SaveArtifact(CaptureFrame(), "in_game_indicator_tip.png");

    const int clicks = audio.Count("data/sounds/click.ogg");
    Click(indicator->GetCenterX(), indicator->GetCenterY());
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), clicks + 1);
    // The panel's empty part (above the band panel) takes no click.
    Click(940.0f, 300.0f);
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), clicks + 1);
}
