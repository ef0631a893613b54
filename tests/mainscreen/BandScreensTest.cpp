// The band on the main screen in the real game: members joining through the band become
// portrait icons with their possessions, the band-state panel opens attribute pop-ups,
// relationship lines colour by threshold, the musician window's tabs and firing, and the
// links between these screens and the simulation across loads and new games.
#include "harness/GameHarness.h"

#include "career/SIM_Asset.h"
#include "mainscreen/GUI_Attribute.h"
#include "mainscreen/GUI_BandIcon.h"
#include "mainscreen/GUI_Musician.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_MindState.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"

#include <filesystem>

namespace {

const INSTRUMENT kLineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                              INSTRUMENT_SAXOPHONE};

class BandScreensTest : public GameHarness {
protected:

    // Hires a member for each instrument through the band, as an audition does.
    std::vector<SIM_Musician*> HireBand(size_t count = std::size(kLineUp))
    {
        std::vector<SIM_Musician*> hired;
        for (size_t i = 0; i < count; ++i) {
            SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(kLineUp[i]);
            EXPECT_NE(m, nullptr);
            if (!m)
                continue;
            SIM_GetBand()->AddMusician(m);
            hired.push_back(m);
        }
        Step(2);
        DismissHints();
        return hired;
    }

    // The band's first appearance brings its hint, which holds every click until closed.
    void DismissHints()
    {
        for (int i = 0; i < 5 && GUI_HintHelp::IsActive(); ++i) {
            GUI_HintHelp* hint = GUI_HintHelp::AllWindows.back();
            if (!hint->GetCloseButton())
                break;
            ClickCentre(hint->GetCloseButton());
            Step(1);
        }
        EXPECT_FALSE(GUI_HintHelp::IsActive());
    }


    GUI_Musician* OpenWindowOf(SIM_Musician* m)
    {
        GUI_BandIcon* icon = GUI_BandIcon::GetIcon(m);
        if (!icon)
            return nullptr;
        ClickCentre(icon);
        Step(1);
        return GUI_Musician::Find(m);
    }
};

} // namespace

TEST_F(BandScreensTest, MembersJoiningBecomeIconsInARowWithTheirPossessions)
{
    std::vector<SIM_Musician*> band = HireBand();
    ASSERT_EQ(band.size(), 5u);
    ASSERT_NE(GUI_HintHelp::Find("band icon"), nullptr);
    EXPECT_TRUE(GUI_HintHelp::Find("band icon")->shown);
    ASSERT_EQ(GUI_BandIcon::All.size(), 5u);
    for (size_t i = 0; i < band.size(); ++i) {
        GUI_BandIcon* icon = GUI_BandIcon::All[i];
        EXPECT_EQ(icon->GetMusician(), band[i]);
        EXPECT_EQ(band[i]->GetIcon(), static_cast<SIM_BandIconView*>(icon));
        EXPECT_EQ(icon->GetRect().left, 152 + 140 * int(i));
        EXPECT_EQ(icon->GetRect().top, 78);
        EXPECT_EQ(icon->GetWidth(), 130);
        EXPECT_EQ(icon->GetName(), band[i]->GetFullName());
        EXPECT_EQ(icon->GetInstrumentName(), GetInstrumentName(band[i]->GetInstrument()));
        EXPECT_EQ(icon->GetPortrait().GetTextureName(), band[i]->GetPortraitTexture());
        EXPECT_FALSE(icon->IsDraggable());
    }

    // Seven possessions: five down the left edge, the rest down the right, 22 apart.
    SIM_Musician* guitarist = band[2];
    const std::vector<SIM_Asset*> own = guitarist->GetPossesions();
    for (SIM_Asset* asset : own)
        guitarist->RemovePossesion(asset);
    const char* gear[] = {"starter guitar", "semi acoustic guitar", "starter bass", "vintage bass",
                          "starter keyboard", "stage piano", "starter drum kit"};
    for (const char* name : gear)
        guitarist->AddPossesion(SIM_Asset::GetByName(name));
    GUI_BandIcon* icon = GUI_BandIcon::GetIcon(guitarist);
    ASSERT_EQ(icon->Children().size(), 7u);
    const tagRECT r = icon->GetRect();
    for (size_t i = 0; i < 7; ++i) {
        const tagRECT p = icon->Children()[i]->GetRect();
        const bool left = i < 5;
        EXPECT_EQ(p.left, left ? r.left - 6 : r.right + 6 - 20) << i;
        EXPECT_EQ(p.top, r.top + 10 + 22 * int(left ? i : i - 5)) << i;
        EXPECT_EQ(p.right - p.left, 20);
        auto* possession = dynamic_cast<GUI_PossesionIcon*>(icon->Children()[i]);
        ASSERT_NE(possession, nullptr);
        EXPECT_EQ(possession->GetAsset(), SIM_Asset::GetByName(gear[i]));
        EXPECT_EQ(possession->GetTooltip()->GetText(), SIM_Asset::GetByName(gear[i])->GetGUIName());
    }

    // The pointer over an icon selects it and draws the highlight.
    Hover(icon->GetCenterX(), icon->GetCenterY(), 3);
    EXPECT_EQ(GUI_BandIcon::PSelected, icon);
    Step(2);
    SaveArtifact("band_on_desktop.png");

    // A member who leaves takes the icon; the others keep their places until the next layout.
    SIM_Musician* bassist = band[1];
    bassist->Resign();
    TakeReports();
    EXPECT_EQ(bassist->GetIcon(), nullptr);
    ASSERT_EQ(GUI_BandIcon::All.size(), 4u);
    EXPECT_EQ(GUI_BandIcon::All[1]->GetRect().left, 432);
    GUI_BandIcon::PositionBandIcons();
    EXPECT_EQ(GUI_BandIcon::All[1]->GetRect().left, 292);

    // A musician with no icon is an error for GetIcon, and no second icon for a member.
    EXPECT_EQ(GUI_BandIcon::GetIcon(bassist), nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    SIM_GetScreens()->AddBandIcon(guitarist);
    EXPECT_EQ(GUI_BandIcon::All.size(), 4u);
}

TEST_F(BandScreensTest, BandIndicatorsOpenTheAttributePopUp)
{
    HireBand(3);
    GUI_BandState* panel = GUI_GetBandState();
    EXPECT_TRUE(panel->IsInGUI());
    EXPECT_EQ(panel->GetTitle(), "Band");
    EXPECT_EQ(panel->GetRect().left, 1024 - 174);
    EXPECT_EQ(panel->GetRect().top, 322);
    EXPECT_EQ(panel->GetHeight(), 74 + 6 * 39);
    ASSERT_EQ(panel->Indicators().size(), 6u);
    EXPECT_EQ(panel->CountIndicators(), 7);
    EXPECT_EQ(panel->Indicators()[0]->GetRect().top, 322 + 103);
    EXPECT_EQ(panel->GetIndicator("band_live_experience"), nullptr); // not always shown

    // A click on a bar opens the pop-up beside it, joined to it by the pointer bar.
    GUI_Indicator* stress = panel->GetIndicator("band_stress");
    ASSERT_NE(stress, nullptr);
    ClickCentre(stress);
    Step(2);
    GUI_Attribute* popup = GUI_Attribute::PTheWindow;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetAttribute(), stress->GetOwner());
    EXPECT_TRUE(popup->IsSized());
    const tagRECT bar = stress->GetRect();
    const int cy = (bar.top + bar.bottom) / 2 + 5;
    EXPECT_EQ(popup->GetRect().left, bar.left - 280);
    EXPECT_EQ(popup->GetWidth(), 250);
    EXPECT_EQ(popup->GetPointerRect().left, popup->GetRect().right - 4);
    EXPECT_EQ(popup->GetPointerRect().right, bar.left - 2);
    EXPECT_EQ(popup->GetPointerRect().top, cy - 2);
    char heading[128];
    std::snprintf(heading, sizeof(heading), "Stress (%.0f%%)", double(100.0f * stress->GetOwner()->GetValue()));
    EXPECT_EQ(popup->GetHeading(), heading);
    SaveArtifact("attribute_popup.png");

    // Another bar replaces it; the player's own bar anchors to the player panel.
    GUI_Indicator* inspiration = GUI_GetMindState()->GetIndicator("inspiration");
    ASSERT_NE(inspiration, nullptr);
    ClickCentre(inspiration);
    Step(1);
    ASSERT_NE(GUI_Attribute::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Attribute::PTheWindow->GetAttribute(), inspiration->GetOwner());
    EXPECT_EQ(GUI_Attribute::PTheWindow->GetRect().left, inspiration->GetRect().left - 280);

    // An attribute on neither panel opens centred, 230 wide, with no pointer bar; its
    // close button closes it.
    SIM_GetScreens()->OpenAttributeWindow(SIM_GetBand()->GetMembers()[0]->GetStress());
    Step(1);
    popup = GUI_Attribute::PTheWindow;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetWidth(), 230);
    EXPECT_EQ(popup->GetCenterX(), 512.0f);
    EXPECT_EQ(popup->GetPointerRect().right, 1);
    ClickCentre(popup->GetCloseButton());
    EXPECT_EQ(GUI_Attribute::PTheWindow, nullptr);

    // A null attribute is reported and opens nothing.
    GUI_Attribute::Create(nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_EQ(GUI_Attribute::PTheWindow, nullptr);
}

TEST_F(BandScreensTest, RelationshipLinesColourByThreshold)
{
    std::vector<SIM_Musician*> band = HireBand(3);
    ASSERT_EQ(SIM_Relationship::All.size(), 3u);
    ASSERT_EQ(GUI_Relationship::All.size(), 3u);
    const float low = SIM_GetGlobalVariables()->Get("RS_RELATE_DRAW_LOW");
    const float high = SIM_GetGlobalVariables()->Get("RS_RELATE_DRAW_HIGH");
    ASSERT_LT(low, high);

    struct Case {
        float value;
        GUI_Relationship::LineState state;
    } cases[] = {
        {low, GUI_Relationship::LINE_BAD},
        {low - 0.05f, GUI_Relationship::LINE_BAD},
        {(low + high) / 2.0f, GUI_Relationship::LINE_NONE},
        {high, GUI_Relationship::LINE_GOOD},
        {1.0f, GUI_Relationship::LINE_GOOD},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GUI_Relationship::StateFor(c.value, low, high), c.state) << c.value;

    // Drawn on the desktop between the two portraits' centres.
    SIM_Relationship* bad = SIM_Relationship::GetRelationship(band[0], band[1]);
    SIM_Relationship* good = SIM_Relationship::GetRelationship(band[1], band[2]);
    SIM_Relationship* neutral = SIM_Relationship::GetRelationship(band[0], band[2]);
    bad->SetValue(low);
    good->SetValue(high);
    neutral->SetValue((low + high) / 2.0f);
    Step(2);
    auto* badLine = dynamic_cast<GUI_Relationship*>(bad->GetLine());
    ASSERT_NE(badLine, nullptr);
    EXPECT_EQ(badLine->GetState(), GUI_Relationship::LINE_BAD);
    EXPECT_FLOAT_EQ(badLine->GetSprite().height, 140.0f);
    EXPECT_EQ(dynamic_cast<GUI_Relationship*>(good->GetLine())->GetState(), GUI_Relationship::LINE_GOOD);
    EXPECT_EQ(dynamic_cast<GUI_Relationship*>(neutral->GetLine())->GetState(), GUI_Relationship::LINE_NONE);
    SaveArtifact("relationship_lines.png");

    // A member who leaves drops the lines to the others.
    band[1]->Resign();
    TakeReports();
    EXPECT_EQ(GUI_Relationship::All.size(), 1u);
    Step(1);
}

TEST_F(BandScreensTest, TheMusicianWindowOpensOncePerMusicianAndItsTabsWork)
{
    std::vector<SIM_Musician*> band = HireBand(2);
    SIM_Musician* m = band[0];
    m->AddPossesion(SIM_Asset::GetByName("rock drum kit"));
    Step(1);
    GUI_Musician* window = OpenWindowOf(m);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWidth(), GUI_Musician::kWidth);
    EXPECT_EQ(window->GetTitle(), m->GetFullName() + " (" + GetInstrumentName(m->GetInstrument()) + ")");
    EXPECT_TRUE(window->GetTab(0)->IsVisible());
    Step(2);
    SaveArtifact("musician_window.png");

    // The same icon again raises the open window; the other member's opens a second one.
    ClickCentre(GUI_BandIcon::GetIcon(m));
    EXPECT_EQ(GUI_Musician::OpenWindows.size(), 1u);
    EXPECT_EQ(GUI_GetWindowManager()->Windows().back(), window);
    ASSERT_NE(OpenWindowOf(band[1]), nullptr);
    EXPECT_EQ(GUI_Musician::OpenWindows.size(), 2u);
    GUI_Musician::Close(band[1]);
    EXPECT_EQ(GUI_Musician::OpenWindows.size(), 1u);
    GUI_GetWindowManager()->MakeTopmost(window);
    Step(1);

    // The personality tab: one strip per trait, its description addressed to the musician.
    ClickCentre(window->GetTabButton(1));
    Step(1);
    EXPECT_TRUE(window->GetTab(1)->IsVisible());
    EXPECT_FALSE(window->GetTab(0)->IsVisible());
    auto* personality = dynamic_cast<GUI_MusicianPersonalityTab*>(window->GetTab(1));
    ASSERT_NE(personality, nullptr);
    ASSERT_EQ(personality->Strips().size(), m->GetPersonalities().size());
    for (size_t i = 0; i < personality->Strips().size(); ++i) {
        GUI_PersonalityStrip* strip = personality->Strips()[i];
        EXPECT_EQ(strip->GetDisplayName(), m->GetPersonalities()[i]->GetGUIName());
        EXPECT_EQ(strip->GetTooltip()->GetText().find("<NAME>"), std::string::npos);
        EXPECT_EQ(strip->GetRect().top, window->GetTab(1)->GetRect().top + 15 + 25 * int(i));
    }
    Step(1);
    SaveArtifact("musician_personality.png");

    // The possessions tab, then back to the summary.
    ClickCentre(window->GetTabButton(2));
    Step(1);
    EXPECT_TRUE(window->GetTab(2)->IsVisible());
    ClickCentre(window->GetTabButton(0));
    EXPECT_TRUE(window->GetTab(0)->IsVisible());

    // The close button closes it.
    ClickCentre(window->GetCloseButton());
    EXPECT_EQ(GUI_Musician::OpenWindows.size(), 0u);
}

TEST_F(BandScreensTest, StripTextsNameTheMusicianWithTheRightPronoun)
{
    EXPECT_EQ(GUI_PersonalityStrip::Personalise("No tokens at all.", "Jo", true), "No tokens at all.");
    EXPECT_EQ(GUI_PersonalityStrip::Personalise("<NAME> says <HE_SHE> will.", "Jo", false), "Jo says he will.");
    EXPECT_EQ(GUI_PersonalityStrip::Personalise("<NAME> says <HE_SHE> will.", "Jo", true), "Jo says she will.");
}

TEST_F(BandScreensTest, FiringAsksFirstThenChangesTheBandOnce)
{
    std::vector<SIM_Musician*> band = HireBand();
    SIM_Musician* m = band[3];
    SIM_GetFame()->AddEffect(0.5f, 1.0f, "test fame");
    SIM_GetFame()->CalculateValue();
    const float fame = SIM_GetFame()->GetFame();
    ASSERT_GT(fame, 0.0f);
    SIM_Message::AddMessage("I want a bigger amp", m);
    SIM_Message::AddMessage("Fine by me", band[0]);
    const int turn = SIM_GetSim()->GetTurnCount();

    GUI_Musician* window = OpenWindowOf(m);
    ASSERT_NE(window, nullptr);
    auto* summary = dynamic_cast<GUI_MusicianSummaryTab*>(window->GetTab(0));
    ASSERT_NE(summary, nullptr);
    Step(1);

    // Cancelling the question leaves everything as it was.
    ClickCentre(summary->GetFireButton());
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Musician::PPendingDeletion, m);
    Step(1);
    SaveArtifact("fire_question.png");
    ClickCentre(GUI_ConfirmDialog::PTheWindow->GetCancelButton());
    EXPECT_TRUE(SIM_GetBand()->IsMember(m));
    EXPECT_EQ(GUI_Musician::Find(m), window);

    // Confirmed: out of the band, icon, messages and window gone, fame down by the share.
    const size_t effects = SIM_GetFame()->GetEffects().size();
    ClickCentre(summary->GetFireButton());
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    ClickCentre(GUI_ConfirmDialog::PTheWindow->GetOKButton());
    EXPECT_FALSE(SIM_GetBand()->IsMember(m));
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 4u);
    EXPECT_EQ(m->GetIcon(), nullptr);
    EXPECT_EQ(GUI_BandIcon::All.size(), 4u);
    EXPECT_EQ(GUI_Musician::Find(m), nullptr);
    EXPECT_EQ(GUI_Musician::PPendingDeletion, nullptr);
    ASSERT_EQ(SIM_Message::All.size(), 1u);
    EXPECT_EQ(SIM_Message::All[0]->GetMusician(), band[0]);
    ASSERT_EQ(SIM_GetFame()->GetEffects().size(), effects + 1);
    const SIM_Effect* hit = SIM_GetFame()->GetEffects().back();
    EXPECT_EQ(hit->GetDebugName(), "Resignation");
    EXPECT_FLOAT_EQ(hit->GetEffect(),
                    -fame * SIM_GetGlobalVariables()->Get("RS_RESIGN_FAME_REDUCTION_PERCENTAGE"));
    EXPECT_FLOAT_EQ(hit->GetDegrade(), SIM_GetGlobalVariables()->Get("RS_RESIGN_FAME_DEGRADE"));
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn);

    // A second answer to the same question changes nothing.
    GUI_Musician::PPendingDeletion = m;
    GUI_MusicianSummaryTab::ReallyFire(0);
    EXPECT_EQ(SIM_GetFame()->GetEffects().size(), effects + 1);
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 4u);
    Step(2);
}

TEST_F(BandScreensTest, LoadsAndNewGamesCloseTheBandsWindowsFirst)
{
    std::vector<SIM_Musician*> band = HireBand();
    const std::string save = SIM_GetSaveGame()->Compose();
    ASSERT_NE(OpenWindowOf(band[0]), nullptr);
    ClickCentre(GUI_GetBandState()->GetIndicator("band_motivation"));
    ASSERT_NE(GUI_Attribute::PTheWindow, nullptr);

    // A load: the last game's windows close, the loaded band has its icons and the panel
    // shows the loaded band's attributes.
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(save));
    WaitFade();
    Step(2);
    EXPECT_TRUE(GUI_Musician::OpenWindows.empty());
    EXPECT_EQ(GUI_Attribute::PTheWindow, nullptr);
    ASSERT_EQ(GUI_BandIcon::All.size(), 5u);
    for (GUI_BandIcon* icon : GUI_BandIcon::All)
        EXPECT_TRUE(SIM_GetBand()->IsMember(icon->GetMusician()));
    GUI_Indicator* motivation = GUI_GetBandState()->GetIndicator("band_motivation");
    ASSERT_NE(motivation, nullptr);
    EXPECT_EQ(motivation->GetOwner(), SIM_GetBand()->GetAttributes().GetNamedValue("band_motivation"));

    // A new game with a window open: no icon, window or pending firing survives.
    band = SIM_GetBand()->GetMembers();
    ASSERT_NE(OpenWindowOf(band[1]), nullptr);
    ClickCentre(dynamic_cast<GUI_MusicianSummaryTab*>(GUI_Musician::Find(band[1])->GetTab(0))->GetFireButton());
    ASSERT_NE(GUI_Musician::PPendingDeletion, nullptr);
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_TRUE(GUI_BandIcon::All.empty());
    EXPECT_TRUE(GUI_Musician::OpenWindows.empty());
    EXPECT_EQ(GUI_Musician::PPendingDeletion, nullptr);

    // A full band again, fired from with the window open.
    band = HireBand();
    ASSERT_EQ(GUI_BandIcon::All.size(), 5u);
    GUI_Musician* window = OpenWindowOf(band[4]);
    ASSERT_NE(window, nullptr);
    ClickCentre(dynamic_cast<GUI_MusicianSummaryTab*>(window->GetTab(0))->GetFireButton());
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    ClickCentre(GUI_ConfirmDialog::PTheWindow->GetOKButton());
    EXPECT_TRUE(GUI_Musician::OpenWindows.empty());
    EXPECT_EQ(GUI_BandIcon::All.size(), 4u);
    Step(3);

    // A musician deleted outright takes its icon and lines with it.
    SIM_Musician* gone = band[0];
    SIM_GetBand()->RemoveMusician(gone);
    delete gone;
    EXPECT_EQ(GUI_BandIcon::All.size(), 3u);
    Step(2);
}
