// The publicity result screen, the sponsor's offer and the resignation notice inside the
// real in-game screen: publicity picked from the day's page as a player picks it, the offer
// and the notice brought by a real night's pass. The result screen ends the day exactly
// once; the offer and the notice come before the new day's page and never use a day.
#include "career/SIM_Endorsement.h"
#include "career/SIM_EndorsementManager.h"
#include "career/SIM_Publicity.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "harness/GameHarness.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "menus/GUI_GameMode.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "windows/GUI_Endorsements.h"
#include "windows/GUI_Publicity.h"
#include "windows/GUI_PublicityBackgrounds.h"
#include "windows/GUI_Resignation.h"

#include <algorithm>
#include <functional>

namespace {

class PublicityScreensTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        if (SIM_PublicityEventType::All.empty())
            SIM_PublicityEventType::Open();
    }
    static int Turns() { return SIM_GetSim()->GetTurnCount(); }
    static GUI_DailyOptions* Page() { return GUI_GetDailyOptions(); }
    static GUI_Publicity* Screen() { return GUI_GetPublicity(); }
    // Fades finish and any hint is closed by its own button, as a player would.
    void Settle()
    {
        WaitFade();
        CloseHints();
        WaitFade();
    }
    SIM_Musician* Hire(INSTRUMENT instrument, std::initializer_list<const char*> personalities = {})
    {
        SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(instrument);
        for (const char* p : personalities)
            if (!m->HasPersonality(p))
                m->AddPersonality(SIM_Personality::GetByName(p));
        SIM_GetBand()->AddMusician(m);
        // Portraits are drawn per person, not named in the content list.
        std::string text = ReadWholeFile(contentList.string());
        text += "texture " + m->GetPortraitTexture() + "\n";
        contentList = work.Write("content_with_band_" + std::to_string(++hired_) + ".txt", text);
        return m;
    }
    static SIM_PublicityEventType* Type(const std::string& name)
    {
        for (SIM_PublicityEventType* t : SIM_PublicityEventType::All)
            if (t->GetName() == name)
                return t;
        return nullptr;
    }
    static void SetFame(float fame)
    {
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(fame, 1.0f, "test");
        SIM_GetFame()->CalculateValue();
    }
    // Today's event of this type offered on the morning's page, and picked by its OK.
    void PickPublicity(SIM_PublicityEventType* type)
    {
        SIM_DailyOption::ClearAll();
        SIM_PublicityEvent::ClearEvents();
        SIM_Publicity::CreateEvent(type);
        Page()->Initialise();
        Settle();
        ASSERT_TRUE(Page()->IsUp());
        GUI_DailyOption* row = nullptr;
        for (GUI_WindowBase* child : Page()->Children())
            if (auto* r = dynamic_cast<GUI_DailyOption*>(child); r && r->GetType() == SIM_DailyOption::PUBLICITY)
                row = r;
        ASSERT_NE(row, nullptr);
        ClickCentre(row->GetOKButton());
        WaitFade();
    }
    // The night brings what it brings; the page waits for what must be seen first.
    void EndDayForResignationAndOffer()
    {
        SIM_GetGlobalVariables()->Set("RS_MUSICIAN_RESIGN_MINDAYS", 0.0f);
        SIM_GetGlobalVariables()->Set("RS_RESIGN_CONSIDER_THRESHOLD", 1.0e6f);
        SIM_NamedValueList::ForceGlobal("manager", 1.0f);
        SIM_GetEndorsements()->SetDays(20);
        SetFame(600.0f);
        SIM_GetSim()->EndDay();
        // Nobody else walks out on the following nights of the test.
        SIM_GetGlobalVariables()->Set("RS_RESIGN_CONSIDER_THRESHOLD", 0.0f);
        // News of a new career stage is read first, and any hint closed.
        WaitFade();
        if (GUI_GetGameMode()->IsUp()) {
            PressKey(kKeyReturn);
            WaitFade();
        }
        CloseHints();
        WaitFade();
    }
    // Nothing of these screens is left: none up, no key holder gone stale, no day waiting.
    void ExpectNoScreens()
    {
        EXPECT_FALSE(Screen()->IsUp());
        EXPECT_EQ(GUI_Endorsements::PTheWindow, nullptr);
        EXPECT_EQ(GUI_Resignation::PTheWindow, nullptr);
        for (GUI_WindowBase* w : GUI_GetWindowManager()->Fullscreens())
            EXPECT_TRUE(!dynamic_cast<GUI_Publicity*>(w) && !dynamic_cast<GUI_Endorsements*>(w) &&
                        !dynamic_cast<GUI_Resignation*>(w));
        GUI_WindowBase* keys = GUI_GetGUI()->GetInputHandler();
        EXPECT_TRUE(keys == nullptr || GUI_GetWindowManager()->IsRegistered(keys));
        EXPECT_FALSE(GUI_DayEnd::IsPending());
    }

    int hired_ = 0;
};

// Every type of the publicity table has its own background, and the screen's only way out
// ends the day once, however often Continue is pressed.
TEST_F(PublicityScreensTest, EveryPublicityTypeShowsItsBackgroundAndEndsTheDayOnce)
{
    struct Case {
        const char* name;
        GUI_Publicity::BACKGROUND background;
        const char* picture;
    };
    const Case cases[] = {
        {"print interview", GUI_Publicity::BG_PRINT, ""},
        {"radio interview", GUI_Publicity::BG_RADIO, ""},
        {"web interview", GUI_Publicity::BG_WEB, ""},
        {"flyers", GUI_Publicity::BG_FLYERS, "pileofflyers.jpg"},
        {"flyposting", GUI_Publicity::BG_FLYPOSTING, "flyposters.jpg"},
        {"television interview", GUI_Publicity::BG_TELEVISION, "tvstudio.jpg"},
    };
    // The table covers the shipped types, none of them left on black.
    for (const SIM_PublicityEventType* type : SIM_PublicityEventType::All) {
        const bool listed = std::any_of(std::begin(cases), std::end(cases),
                                        [type](const Case& c) { return type->GetName() == c.name; });
        EXPECT_TRUE(listed) << type->GetName();
        EXPECT_NE(GUI_Publicity::BackgroundFor(type->GetName()), GUI_Publicity::BG_BLACK) << type->GetName();
    }
    EXPECT_EQ(GUI_Publicity::BackgroundFor("street team"), GUI_Publicity::BG_BLACK);

    SIM_GetRiza()->SetName("Sam", "Reyes");
    Hire(INSTRUMENT_DRUMS, {"charismatic"});
    Hire(INSTRUMENT_BASS);
    Hire(INSTRUMENT_GUITAR);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SIM_PublicityEventType* type = Type(c.name);
        ASSERT_NE(type, nullptr);
        SIM_GetFinances()->SetCash(1000.0f);
        const int turns = Turns();
        const int sounds = audio.Count(type->GetSound());
        PickPublicity(type);

        GUI_Publicity* screen = Screen();
        ASSERT_TRUE(screen->IsUp());
        EXPECT_FALSE(Page()->IsUp());
        EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), screen);
        EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
        EXPECT_EQ(Turns(), turns) << "picking it is not the end of the day";
        EXPECT_EQ(screen->GetBackground(), c.background);
        EXPECT_EQ(screen->GetBackgroundTexture(), c.picture);
        EXPECT_EQ(screen->GetTitle(), type->GetTitle());
        EXPECT_EQ(screen->GetDescription(), type->GetDescription());
        EXPECT_EQ(audio.Count(type->GetSound()), sounds + 1);
        // Three members and the player character, in the event's order, centred as a row.
        const std::vector<GUI_Contribution*> panels = screen->GetPanels();
        ASSERT_EQ(panels.size(), 4u);
        EXPECT_EQ(panels.front()->GetRect().left, int(D3DEngine::W / 2 - 320));
        EXPECT_EQ(panels.back()->GetRect().right, int(D3DEngine::W / 2 + 320));
        EXPECT_EQ(panels.back()->GetName(), "Sam Reyes");
        // The player character has a portrait as every person has: the desktop's avatar.
        EXPECT_FALSE(GUI_GetAvatar()->GetTexture().empty());
        EXPECT_EQ(panels.back()->GetPortrait().GetTextureName(), GUI_GetAvatar()->GetTexture());
        if (c.background == GUI_Publicity::BG_PRINT) {
            // A flash for the player character, then one per member, 400 to 700 ms apart.
            const GUI_PrintInterviewBG* shoot = GUI_GetPrintInterviewBG();
            ASSERT_EQ(shoot->GetPhotoCount(), 4u);
            EXPECT_EQ(shoot->GetPhotoTimes()[0], 800.0f);
            for (size_t i = 1; i < 4; ++i) {
                const float gap = shoot->GetPhotoTimes()[i] - shoot->GetPhotoTimes()[i - 1];
                EXPECT_GE(gap, 400.0f);
                EXPECT_LE(gap, 700.0f);
            }
            EXPECT_EQ(shoot->GetPhotoTextures()[0], GUI_GetAvatar()->GetTexture());
            EXPECT_EQ(shoot->GetTakenCount(), 0u);
            EXPECT_EQ(shoot->GetFlashLevel(), 0.0f);
            const int flashes = audio.Count("data/sounds/camera_flash.ogg");
            Step(90);
            EXPECT_EQ(shoot->GetTakenCount(), 4u);
            EXPECT_EQ(audio.Count("data/sounds/camera_flash.ogg"), flashes + 4);
        } else {
            Step(20);
        }
        SaveArtifact(std::string("publicity_") + c.name + ".png");

        // Keys do nothing; Continue twice, and once more during the fade, is one day.
        PressKey(kKeyEscape);
        PressKey(12);
        WaitFade();
        EXPECT_TRUE(screen->IsUp());
        EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
        ClickCentre(screen->GetContinueButton());
        GUI_Publicity::Continue(0);
        ClickCentre(screen->GetContinueButton());
        WaitFade();
        GUI_Publicity::Close(0);
        Step(3);
        EXPECT_EQ(Turns(), turns + 1);
        ExpectNoScreens();
        // The new day's page greets the player.
        EXPECT_TRUE(Page()->IsUp());
        EXPECT_GE(audio.Count(type->GetSound()), sounds + 1);
        PutAwayDaysPage();
    }
    EXPECT_TRUE(TakeReports().empty());
}

// The radio studio is quiet: the music pauses for the interview and comes back after it.
TEST_F(PublicityScreensTest, TheMusicPausesForARadioInterview)
{
    Hire(INSTRUMENT_VOCALS);
    GUI_Sounds* sounds = GUI_GetSounds();
    ASSERT_TRUE(bool(sounds->GetMusicChannel()));
    PickPublicity(Type("radio interview"));
    bool paused = false;
    audio.GetPaused(sounds->GetMusicChannel(), &paused);
    EXPECT_TRUE(paused);
    ClickCentre(Screen()->GetContinueButton());
    WaitFade();
    audio.GetPaused(sounds->GetMusicChannel(), &paused);
    EXPECT_FALSE(paused);

    // Another kind of event leaves the music alone.
    PutAwayDaysPage();
    PickPublicity(Type("flyers"));
    audio.GetPaused(sounds->GetMusicChannel(), &paused);
    EXPECT_FALSE(paused);
}

// A member's panel: the contribution signed as a whole percent, the traits that counted,
// or, for one too stressed to help, a cross over the portrait and no traits.
TEST_F(PublicityScreensTest, PanelsShowEachPersonsPartAndTheLinesFollowTheEvent)
{
    SIM_Musician* calm = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* tense = Hire(INSTRUMENT_BASS);
    SIM_PublicityEvent& event = *SIM_Publicity::CreateEvent(Type("web interview"));
    event.AddContribution({calm, calm, -0.25f, {"Charismatic", "Shy"}, false});
    event.AddContribution({tense, tense, 0.4f, {"Moody"}, true});
    event.AddContribution({SIM_GetRiza(), nullptr, 0.0f, {}, false});
    Screen()->Initialise(&event);
    WaitFade();
    const std::vector<GUI_Contribution*> panels = Screen()->GetPanels();
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0]->GetText(), "Effort -25");
    EXPECT_EQ(panels[0]->GetReasons(), (std::vector<std::string> {"Charismatic", "Shy"}));
    EXPECT_FALSE(panels[0]->IsTooStressed());
    EXPECT_EQ(panels[0]->GetName(), calm->GetFullName());
    EXPECT_EQ(panels[1]->GetText(), "Too stressed");
    EXPECT_TRUE(panels[1]->IsTooStressed());
    EXPECT_TRUE(panels[1]->GetReasons().empty());
    EXPECT_EQ(panels[1]->GetPortrait().GetTextureName(), tense->GetPortraitTexture());
    // The player character is drawn as the person it is, never as a member.
    EXPECT_EQ(panels[2]->GetText(), "Effort +0");
    EXPECT_EQ(panels[2]->GetName(), SIM_GetRiza()->GetFullName());
    EXPECT_EQ(panels[0]->GetRect().left, int(D3DEngine::W / 2 - 240));
    EXPECT_EQ(panels[2]->GetRect().right, int(D3DEngine::W / 2 + 240));
    EXPECT_EQ(Screen()->GetReachLine(), "The word reached 0% of the people who might come to your gigs.");
    Step(10);
    SaveArtifact("publicity_panels.png");

    struct Line {
        float effect, effectiveness;
        const char* text;
    };
    for (const Line& l : {Line {0.125f, 0.5f, "Hype gained: +12%"}, Line {0.0f, 0.0f, "Hype gained: +0%"},
                          Line {0.05f, -0.2f, "Hype gained: -5%"}})
        EXPECT_EQ(GUI_Publicity::EffectLine(l.effect, l.effectiveness), l.text);
    EXPECT_EQ(GUI_Contribution::ContributionText(0.5f), "Effort +50");
    // Motivation and stress are listed; anything else the type changes is not.
    EXPECT_EQ(GUI_Publicity::EffectsLine(Type("flyers")), "Stress +2%  ");
    EXPECT_EQ(GUI_Publicity::EffectsLine(Type("web interview")), "");
    EXPECT_EQ(GUI_Publicity::EffectsLine(nullptr), "");
    EXPECT_EQ(Screen()->GetEffectsLine(), "");
    GUI_Publicity::Continue(0);
    WaitFade();
    EXPECT_FALSE(Screen()->IsUp());
}

// A missing event is reported and shows nothing; a missing musician or sponsor likewise.
TEST_F(PublicityScreensTest, NothingToShowIsReportedAndShowsNothing)
{
    const int turns = Turns();
    Screen()->Initialise(nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_FALSE(Screen()->IsUp());
    GUI_Publicity::Continue(0);
    GUI_Publicity::Close(0);
    GUI_Resignation::Create(nullptr, 10.0f);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_EQ(GUI_Resignation::PTheWindow, nullptr);
    GUI_Endorsements::Create(nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_EQ(GUI_Endorsements::PTheWindow, nullptr);
    Step(5);
    EXPECT_EQ(Turns(), turns);
    ExpectNoScreens();
}

// A resignation and a sponsor's offer in the same night: both are seen before the morning's
// page, which is built only once the last of them has gone; taking the money twice pays once.
TEST_F(PublicityScreensTest, AnOfferAndAResignationComeBeforeTheDaysPage)
{
    SIM_GetBand()->SetName("The Lamplighters");
    SIM_Musician* leaver = Hire(INSTRUMENT_DRUMS);
    PutAwayDaysPage();
    const int turns = Turns();
    EndDayForResignationAndOffer();
    EXPECT_EQ(Turns(), turns + 1);
    EXPECT_TRUE(TakeReports().empty());
    GUI_Resignation* notice = GUI_Resignation::PTheWindow;
    GUI_Endorsements* offer = GUI_Endorsements::PTheWindow;
    ASSERT_NE(notice, nullptr);
    ASSERT_NE(offer, nullptr);
    EXPECT_FALSE(SIM_GetBand()->IsMember(leaver));
    EXPECT_TRUE(Page()->IsPostponed());
    WaitFade();
    EXPECT_FALSE(Page()->IsUp());
    // The offer came later in the night: it is on top and has the keys.
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), offer);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), offer);
    EXPECT_EQ(audio.Count("data/sounds/ahh.ogg"), 1);
    EXPECT_FALSE(offer->GetFinishButton()->IsVisible());
    SIM_Endorsement* sponsor = nullptr;
    for (SIM_Endorsement* e : SIM_Endorsement::All)
        if (offer->GetOfferText() == e->GetText())
            sponsor = e;
    ASSERT_NE(sponsor, nullptr);
    EXPECT_EQ(offer->GetAmount(), "$ " + FormatMoney(sponsor->GetAmount()));
    EXPECT_NE(offer->GetAdvice().find("wants its name on The Lamplighters."), std::string::npos);
    SaveArtifact("endorsement_offer.png");

    // Accept, again by click and by call, and reject after: paid once, signed once.
    const float cash = SIM_GetFinances()->GetCash();
    PressKey(kKeyEscape);
    ASSERT_TRUE(ClickButton("ENDORSEMENT_ACCEPT"));
    EXPECT_FALSE(ClickButton("ENDORSEMENT_ACCEPT"));
    GUI_Endorsements::Accept(0);
    GUI_Endorsements::Reject(0);
    Step(2);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash + sponsor->GetAmount());
    EXPECT_EQ(audio.Count("data/sounds/cash.ogg"), 1);
    EXPECT_TRUE(offer->IsAccepted());
    EXPECT_TRUE(sponsor->IsAnswered());
    EXPECT_TRUE(offer->GetFinishButton()->IsVisible());
    EXPECT_FALSE(offer->GetAcceptButton()->IsVisible());
    EXPECT_FALSE(offer->GetRejectButton()->IsVisible());
    EXPECT_FALSE(offer->GetResult().empty());
    EXPECT_EQ(GUI_Endorsements::PTheWindow, offer);
    SaveArtifact("endorsement_accepted.png");

    ASSERT_TRUE(ClickButton("ENDORSEMENT_FINISH"));
    GUI_Endorsements::Finish(0);
    WaitFade();
    GUI_Endorsements::Close(0);
    EXPECT_EQ(GUI_Endorsements::PTheWindow, nullptr);
    // The notice still holds the page back, and now has the keys.
    EXPECT_FALSE(Page()->IsUp());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), notice);
    EXPECT_EQ(notice->GetTitle(), leaver->GetFullName() + " has quit the band");
    EXPECT_EQ(notice->GetPortrait().GetTextureName(), leaver->GetPortraitTexture());
    EXPECT_EQ(notice->GetEffectLine().rfind("Fame lost: -", 0), 0u);
    Step(5);
    SaveArtifact("resignation_notice.png");

    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GUI_Resignation::PTheWindow, notice);
    ClickCentre(notice->GetContinueButton());
    GUI_Resignation::OK(0);
    WaitFade();
    GUI_Resignation::Close(0);
    EXPECT_EQ(GUI_Resignation::PTheWindow, nullptr);
    WaitFade();
    EXPECT_TRUE(Page()->IsUp()) << "built as soon as the last of them went";
    EXPECT_FALSE(Page()->IsPostponed());
    EXPECT_EQ(Turns(), turns + 1) << "neither uses a day";
    ExpectNoScreens();
}

// An offer alone in the night holds the page back by itself, and turning it down lets the
// morning's page through without another day.
TEST_F(PublicityScreensTest, AnOfferAloneHoldsTheDaysPageUntilItIsAnswered)
{
    Hire(INSTRUMENT_DRUMS);
    PutAwayDaysPage();
    SIM_NamedValueList::ForceGlobal("manager", 1.0f);
    SIM_GetEndorsements()->SetDays(20);
    SetFame(600.0f);
    const int turns = Turns();
    SIM_GetSim()->EndDay();
    Settle();
    if (GUI_GetGameMode()->IsUp()) {
        PressKey(kKeyReturn);
        Settle();
    }
    ASSERT_NE(GUI_Endorsements::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Resignation::PTheWindow, nullptr);
    EXPECT_TRUE(Page()->IsPostponed());
    EXPECT_FALSE(Page()->IsUp());
    ASSERT_TRUE(ClickButton("ENDORSEMENT_REJECT"));
    WaitFade();
    EXPECT_EQ(GUI_Endorsements::PTheWindow, nullptr);
    EXPECT_TRUE(Page()->IsUp());
    EXPECT_EQ(Turns(), turns + 1);
    ExpectNoScreens();
}

// Rejecting closes the offer after its fade, with nothing paid, and cannot be taken back.
TEST_F(PublicityScreensTest, RejectingTwiceIsRejectingOnce)
{
    ASSERT_FALSE(SIM_Endorsement::All.empty());
    SIM_Endorsement* sponsor = SIM_Endorsement::All.front();
    const float cash = SIM_GetFinances()->GetCash();
    const std::string name = SIM_GetBand()->GetName();
    const int turns = Turns();
    GUI_Endorsements::Create(sponsor);
    WaitFade();
    ASSERT_TRUE(ClickButton("ENDORSEMENT_REJECT"));
    GUI_Endorsements::Reject(0);
    GUI_Endorsements::Accept(0);
    GUI_Endorsements::Finish(0);
    WaitFade();
    EXPECT_EQ(GUI_Endorsements::PTheWindow, nullptr);
    EXPECT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_EQ(SIM_GetBand()->GetName(), name);
    EXPECT_EQ(audio.Count("data/sounds/cash.ogg"), 0);
    EXPECT_TRUE(sponsor->IsAnswered());
    EXPECT_EQ(std::count(SIM_Endorsement::Offered.begin(), SIM_Endorsement::Offered.end(), sponsor), 1);
    EXPECT_EQ(Turns(), turns);
    ExpectNoScreens();

    struct Share {
        float share;
        const char* text;
    };
    for (const Share& s : {Share {0.0f, "The fans did not seem to mind."},
                           Share {0.125f, "Some fans think you have sold out: you lost 12% of your fame."},
                           Share {0.32f, "Some fans think you have sold out: you lost 32% of your fame."}})
        EXPECT_EQ(GUI_Endorsements::ResultText(s.share), s.text) << s.share;
    EXPECT_EQ(GUI_Resignation::EffectLine(12.4f), "Fame lost: -12");
}

// A second resignation while a notice is up replaces it; the page waits for the new one only.
TEST_F(PublicityScreensTest, ASecondResignationReplacesTheNotice)
{
    SIM_Musician* first = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* second = Hire(INSTRUMENT_BASS);
    PutAwayDaysPage();
    first->Resign();
    GUI_Resignation* firstNotice = GUI_Resignation::PTheWindow;
    ASSERT_NE(firstNotice, nullptr);
    second->Resign();
    ASSERT_NE(GUI_Resignation::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Resignation::PTheWindow->GetTitle(), second->GetFullName() + " has quit the band");
    WaitFade();
    EXPECT_EQ(std::count(GUI_GetWindowManager()->Fullscreens().begin(), GUI_GetWindowManager()->Fullscreens().end(),
                         static_cast<GUI_WindowBase*>(GUI_Resignation::PTheWindow)),
              1);
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().size(), 1u);
    EXPECT_TRUE(Page()->IsPostponed());
    ClickCentre(GUI_Resignation::PTheWindow->GetContinueButton());
    WaitFade();
    EXPECT_FALSE(Page()->IsPostponed());
    EXPECT_TRUE(Page()->IsUp());
    ExpectNoScreens();
    TakeReports();
}

// A new game or a load closes each of these screens, also on its way out, without ending
// a day of either game, gives the music back, and the screens open again afterwards.
TEST_F(PublicityScreensTest, ANewGameOrALoadClosesEveryScreenWithoutEndingADay)
{
    struct Case {
        const char* name;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"publicity", [this] { PickPublicity(Type("radio interview")); }},
        {"publicity leaving", [this] { PickPublicity(Type("radio interview")); GUI_Publicity::Continue(0); }},
        {"offer", [] { GUI_Endorsements::Create(SIM_Endorsement::All.front()); }},
        {"offer accepted", [] { GUI_Endorsements::Create(SIM_Endorsement::All.front()); GUI_Endorsements::Accept(0); }},
        {"offer rejected", [] { GUI_Endorsements::Create(SIM_Endorsement::All.front()); GUI_Endorsements::Reject(0); }},
        {"notice", [] { SIM_GetBand()->GetMembers().front()->Resign(); }},
        {"notice leaving", [] { SIM_GetBand()->GetMembers().front()->Resign(); GUI_Resignation::OK(0); }},
    };
    for (bool load : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (load ? " / load" : " / new game"));
            if (SIM_GetBand()->GetMembers().empty())
                Hire(INSTRUMENT_DRUMS);
            PutAwayDaysPage();
            const std::string save = SIM_GetSaveGame()->Compose();
            const int turns = Turns();
            c.open();
            Step();
            if (load)
                ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(save));
            else
                GetGame()->StartNewGame();
            ExpectNoScreens();
            WaitFade();
            Step(3);
            EXPECT_EQ(Turns(), load ? turns : 0);
            ExpectNoScreens();
            bool paused = true;
            audio.GetPaused(GUI_GetSounds()->GetMusicChannel(), &paused);
            EXPECT_FALSE(paused);
            TakeReports();
        }
    }
    // The result screen serves the next game's publicity.
    if (SIM_GetBand()->GetMembers().empty())
        Hire(INSTRUMENT_DRUMS);
    PutAwayDaysPage();
    const int turns = Turns();
    PickPublicity(Type("flyers"));
    ASSERT_TRUE(Screen()->IsUp());
    ClickCentre(Screen()->GetContinueButton());
    WaitFade();
    EXPECT_EQ(Turns(), turns + 1);
}

} // namespace
