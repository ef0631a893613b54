// The gig business screens inside the real in-game screen, opened through their real
// entry points: the booking window as the control panel opens it, the cancelled gig and
// the rival gig through the daily option that the player picks, and the record company's
// offer (its path runs through the gig window, so the test opens it directly). Every way
// out ends the day exactly once, or never, as each screen promises.
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_SongElement.h"
#include "career/SIM_Venue.h"
#include "engine/gfx/D3DEngine.h"
#include "harness/GameHarness.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_SIM.h"
#include "windows/GUI_BookGig.h"
#include "windows/GUI_BusinessDiscount.h"
#include "windows/GUI_CancelledGig.h"
#include "windows/GUI_OtherGig.h"
#include "windows/GUI_RecordCompanyOffer.h"

#include <filesystem>
#include <functional>

namespace {

class GigBusinessTest : public GameHarness {
protected:
    // Fades finish, then the screen's once-only hint is closed by its own button, as a
    // player would close it before using the screen.
    void WaitFade()
    {
        GameHarness::WaitFade();
        for (int i = 0; i < 4 && !GUI_HintHelp::AllWindows.empty(); ++i) {
            ClickCentre(GUI_HintHelp::AllWindows.back()->GetCloseButton());
            GameHarness::WaitFade();
        }
        ASSERT_TRUE(GUI_HintHelp::AllWindows.empty());
    }
    static int Turns() { return SIM_GetSim()->GetTurnCount(); }
    // The daily benefit the end of a day pays a band of this many members.
    static float Benefit(size_t members)
    {
        return float(members + 1) * SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT");
    }
    static void SetCash(float cash) { SIM_GetFinances()->SetCash(cash); }
    static void SetFame(float fame)
    {
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(fame, 1.0f, "test");
        SIM_GetFame()->CalculateValue();
    }
    // A musician from the audition rows (name and portrait included), with these
    // personalities added.
    static SIM_Musician* Hire(INSTRUMENT instrument, std::initializer_list<const char*> personalities = {})
    {
        SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(instrument);
        for (const char* p : personalities)
            if (!m->HasPersonality(p))
                m->AddPersonality(SIM_Personality::GetByName(p));
        SIM_GetBand()->AddMusician(m);
        return m;
    }
    // Portraits are drawn per person from art/portraits.txt, not named in the content
    // list: the pictures of the band are added to a copy of it.
    void ListBandPortraits()
    {
        std::string text = ReadWholeFile(contentList.string());
        for (const SIM_Musician* m : SIM_GetBand()->GetMembers())
            text += "texture " + m->GetPortraitTexture() + "\n";
        contentList = work.Write("content_with_band.txt", text);
    }
    // The card showing this venue on the open booking window.
    static GUI_PotentialGig* Card(const std::string& venue)
    {
        for (GUI_WindowBase* child : GUI_BookGig::PTheWindow->Children())
            if (auto* card = dynamic_cast<GUI_PotentialGig*>(child); card && card->GetVenueName() == venue)
                return card;
        return nullptr;
    }
    static int Cards()
    {
        int n = 0;
        for (GUI_WindowBase* child : GUI_BookGig::PTheWindow->Children())
            n += dynamic_cast<GUI_PotentialGig*>(child) != nullptr;
        return n;
    }
    // Tonight's rival gig offered as a daily option, picked by the player.
    void PickRivalGig(const char* bandName)
    {
        SIM_OtherBand* band = SIM_GetOtherBands()->GetByName(bandName);
        ASSERT_NE(band, nullptr);
        SIM_OtherGig* gig = SIM_OtherGig::Create(band);
        SIM_DailyOption::Create(SIM_DailyOption::OTHERGIG, gig, "rival", "tonight", "", true)->Activate();
        ASSERT_NE(GUI_OtherGig::PTheWindow, nullptr);
        WaitFade();
    }
    // Tonight's gig picked from the daily options with every member too stressed to come.
    void PickGigNobodyComesTo()
    {
        SIM_GetGlobalVariables()->Set("RS_STRESS_CRISIS", -1.0f);
        auto* gig = new SIM_Gig(SIM_Venue::GetByName("backroom"), SIM_Gig::NORMAL);
        gig->Book();
        SIM_DailyOption::Create(SIM_DailyOption::GIG, gig, "gig", "tonight", "", true)->Activate();
        ASSERT_NE(GUI_CancelledGig::PTheWindow, nullptr);
    }
    // Nothing of the screens is left: no window, no key holder, no day waiting to end.
    void ExpectNoScreens()
    {
        EXPECT_EQ(GUI_BookGig::PTheWindow, nullptr);
        EXPECT_EQ(GUI_CancelledGig::PTheWindow, nullptr);
        EXPECT_EQ(GUI_OtherGig::PTheWindow, nullptr);
        EXPECT_EQ(GUI_RecordCompanyOffer::PTheWindow, nullptr);
        // What the day's end may have opened (a career-stage screen) is not one of these.
        for (const GUI_WindowManager::List* list : {&GUI_GetWindowManager()->Fullscreens(), &GUI_GetWindowManager()->Windows()})
            for (GUI_WindowBase* w : *list)
                EXPECT_TRUE(!dynamic_cast<GUI_BookGig*>(w) && !dynamic_cast<GUI_CancelledGig*>(w) &&
                            !dynamic_cast<GUI_OtherGig*>(w) && !dynamic_cast<GUI_RecordCompanyOffer*>(w));
        GUI_WindowBase* keys = GUI_GetGUI()->GetInputHandler();
        EXPECT_TRUE(keys == nullptr || GUI_GetWindowManager()->IsRegistered(keys));
        EXPECT_FALSE(GUI_DayEnd::IsPending());
    }
};

TEST_F(GigBusinessTest, BookingAGigPaysOnceEndsTheDayOnceAndEntersTheCalendar)
{
    SetCash(100.0f);
    const int turns = Turns();
    GUI_BookGig::Create();
    GameHarness::WaitFade();
    // The screen's hint, once.
    EXPECT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
    EXPECT_TRUE(GUI_HintHelp::Find("book gig")->shown);
    WaitFade();
    GUI_BookGig* window = GUI_BookGig::PTheWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), window);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), window);
    EXPECT_EQ(window->GetCashLine(), "Cash : $ 100");
    // A new band without fame is offered the smallest room only.
    ASSERT_EQ(Cards(), 1);
    GUI_PotentialGig* card = Card("The Anchor back room");
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->IsBookable());
    EXPECT_EQ(card->GetCapacity(), "40");
    EXPECT_EQ(card->GetPrice(), "$3.00");
    EXPECT_EQ(card->GetRental(), "$20");
    EXPECT_EQ(card->GetPicture().GetTextureName(), "venue_backroom.jpg");
    EXPECT_FALSE(window->GetPrevButton()->GetEnabled());
    EXPECT_FALSE(window->GetNextButton()->GetEnabled());
    SaveArtifact("book_gig.png");

    ClickCentre(card->GetButton());
    EXPECT_EQ(GUI_BookGig::PTheWindow, nullptr);
    EXPECT_EQ(Turns(), turns + 1);
    EXPECT_EQ(SIM_GetFinances()->GetCash(), 80.0f + Benefit(0));
    ASSERT_EQ(SIM_Gig::BookedGigs.size(), 1u);
    EXPECT_EQ(SIM_Gig::BookedGigs[0]->GetVenue()->GetName(), "backroom");
    EXPECT_EQ(audio.Count("data/sounds/cash.ogg"), 1);
    bool inCalendar = false;
    for (const auto& entry : SIM_GetCalendar()->GetEntries())
        inCalendar |= entry->text == "Gig: The Anchor back room";
    EXPECT_TRUE(inCalendar);
    // The keys are not left with the closed window, and the next frames change nothing.
    EXPECT_NE(GUI_GetGUI()->GetInputHandler(), static_cast<GUI_WindowBase*>(window));
    Step(10);
    EXPECT_EQ(Turns(), turns + 1);
    EXPECT_EQ(SIM_GetFinances()->GetCash(), 80.0f + Benefit(0));
    ExpectNoScreens();
}

TEST_F(GigBusinessTest, LeavingTheBookingWindowKeepsTheDay)
{
    SetCash(100.0f);
    struct Case {
        const char* name;
        std::function<void()> leave;
    };
    const Case cases[] = {
        {"escape", [this] { PressKey(kKeyEscape); }},
        {"finish", [this] { ASSERT_TRUE(ClickButton("BOOKGIG_FINISH")); }},
        {"escape twice", [this] { PressKey(kKeyEscape); PressKey(kKeyEscape); }},
        // A click on the card while the window fades out books nothing.
        {"escape, then book", [this] {
             GUI_PotentialGig* card = Card("The Anchor back room");
             PressKey(kKeyEscape);
             ClickCentre(card->GetButton());
         }},
    };
    const int turns = Turns();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GUI_BookGig::Create();
        WaitFade();
        c.leave();
        WaitFade();
        Step(2);
        ExpectNoScreens();
        EXPECT_EQ(Turns(), turns);
        EXPECT_TRUE(SIM_Gig::BookedGigs.empty());
        EXPECT_EQ(SIM_GetFinances()->GetCash(), 100.0f);
    }
    EXPECT_EQ(audio.Count("data/sounds/cash.ogg"), 0);
}

TEST_F(GigBusinessTest, CardsDecideTheirButtonInOrderAndPageBySix)
{
    // Every venue is in reach of this fame; the cash pays exactly the back room's rental.
    SetFame(500.0f);
    SetCash(20.0f);
    GUI_BookGig::Create();
    WaitFade();
    GUI_BookGig* window = GUI_BookGig::PTheWindow;
    ASSERT_EQ(SIM_Gig::PotentialGigs.size(), 10u);
    ASSERT_EQ(Cards(), 6);
    struct Case {
        const char* venue;
        const char* button;
        bool bookable;
    };
    for (const Case& c : {Case {"The Anchor back room", "Book it", true},  // cash equal to the rental
                          Case {"Cellar Bar", "Can't afford", false},
                          Case {"Riverside Ballroom", "Too far", false},   // distant, no van
                          Case {"The Corn Exchange", "Needs a manager", false}}) { // first test wins
        SCOPED_TRACE(c.venue);
        GUI_PotentialGig* card = Card(c.venue);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->GetButton()->GetText(), c.button);
        EXPECT_EQ(card->IsBookable(), c.bookable);
        EXPECT_EQ(card->GetButton()->GetEnabled(), c.bookable);
    }
    // Two columns and three rows from the centre.
    const float left = D3DEngine::W / 2.0f - 450.0f;
    const auto& children = window->Children();
    EXPECT_EQ(children[1]->GetRect().left, int(left));
    EXPECT_EQ(children[1]->GetRect().top, 200);
    EXPECT_EQ(children[2]->GetRect().left, int(left + 470.0f));
    EXPECT_EQ(children[6]->GetRect().top, 200 + 2 * 170);
    EXPECT_EQ(children[6]->GetRect().right - children[6]->GetRect().left, 430);
    SaveArtifact("book_gig_page1.png");

    // A disabled card books nothing when clicked.
    ClickCentre(Card("Cellar Bar")->GetButton());
    EXPECT_NE(GUI_BookGig::PTheWindow, nullptr);

    Step();
    EXPECT_FALSE(window->GetPrevButton()->GetEnabled());
    ASSERT_TRUE(window->GetNextButton()->GetEnabled());
    ClickCentre(window->GetNextButton());
    EXPECT_EQ(window->GetPage(), 1);
    EXPECT_EQ(Cards(), 4);
    EXPECT_EQ(window->Children()[1]->GetRect().left, int(left));
    EXPECT_EQ(window->Children()[1]->GetRect().top, 200);
    Step();
    EXPECT_FALSE(window->GetNextButton()->GetEnabled());
    EXPECT_TRUE(window->GetPrevButton()->GetEnabled());
    // Paging again at the last page changes nothing; back goes to the first.
    GUI_BookGig::NextPage(0);
    EXPECT_EQ(window->GetPage(), 1);
    ClickCentre(window->GetPrevButton());
    EXPECT_EQ(window->GetPage(), 0);
    EXPECT_EQ(Cards(), 6);
    PressKey(kKeyEscape);
    WaitFade();

    // In debt: the amount without its sign (drawn red instead), and nothing bookable.
    SetCash(-1234.5f);
    GUI_BookGig::Create();
    WaitFade();
    EXPECT_EQ(GUI_BookGig::PTheWindow->GetCashLine(), "Cash : $ 1,234");
    EXPECT_FALSE(Card("The Anchor back room")->IsBookable());
    SaveArtifact("book_gig_in_debt.png");
}

TEST_F(GigBusinessTest, TheDiscountStripShowsTheLastBusinessmanAndTheDiscount)
{
    SIM_GetGlobalVariables()->Set("RS_BUSINESS_DISCOUNT", 7.5f);
    Hire(INSTRUMENT_DRUMS, {"businessman"});
    SIM_Musician* later = Hire(INSTRUMENT_BASS, {"businessman"});
    SIM_Musician* guitar = Hire(INSTRUMENT_GUITAR);
    if (guitar->HasPersonality("businessman"))
        SIM_GetBand()->RemoveMusician(guitar);
    ListBandPortraits();
    SetCash(100.0f);
    GUI_BookGig::Create();
    WaitFade();
    GUI_BusinessDiscount* strip = nullptr;
    for (GUI_WindowBase* child : GUI_BookGig::PTheWindow->Children())
        if (auto* s = dynamic_cast<GUI_BusinessDiscount*>(child))
            strip = s;
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->GetRect().left, 110);
    EXPECT_EQ(strip->GetRect().top, int(D3DEngine::H) - 70);
    EXPECT_TRUE(strip->HasBusinessman());
    EXPECT_EQ(strip->GetPortrait().GetTextureName(), later->GetPortraitTexture());
    EXPECT_EQ(strip->GetText(), "A sharp negotiator in the band gets you 15% off.");
    SaveArtifact("book_gig_discount.png");

    // Booking pays the discounted rental; the cash test took the full one.
    const size_t members = SIM_GetBand()->GetMembers().size();
    ClickCentre(Card("The Anchor back room")->GetButton());
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 100.0f - 20.0f * 0.85f + Benefit(members));

    // Without a businessman the strip draws nothing, though its text is made.
    for (SIM_Musician* m : std::vector<SIM_Musician*>(SIM_GetBand()->GetMembers()))
        SIM_GetBand()->RemoveMusician(m);
    GUI_BusinessDiscount bare;
    EXPECT_FALSE(bare.HasBusinessman());
    EXPECT_EQ(bare.GetText(), "A sharp negotiator in the band gets you 0% off.");
}

TEST_F(GigBusinessTest, ACancelledGigNamesTheAbsentAndOnlyContinueEndsTheDayOnce)
{
    std::vector<std::string> names;
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
        names.push_back(Hire(i)->GetFullName());
    const int turns = Turns();
    PickGigNobodyComesTo();
    WaitFade();
    GUI_CancelledGig* screen = GUI_CancelledGig::PTheWindow;
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
    EXPECT_GE(audio.Count("data/sounds/ahh.ogg"), 1);
    EXPECT_EQ(screen->GetMissedNames(), names);
    EXPECT_EQ(GUI_CancelledGig::NameY(2), 340.0f);
    EXPECT_EQ(GUI_CancelledGig::FooterY(3), 420.0f);
    SaveArtifact("cancelled_gig.png");

    // Escape and other keys do nothing, and never reach the quit question beneath.
    PressKey(kKeyEscape);
    PressKey(12);
    WaitFade();
    EXPECT_EQ(GUI_CancelledGig::PTheWindow, screen);
    EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
    EXPECT_EQ(Turns(), turns);

    // Continue, and again while it fades: one day.
    GUI_ButtonBase* button = screen->GetContinueButton();
    ClickCentre(button);
    GUI_CancelledGig::Finish(0);
    WaitFade();
    Step(2);
    EXPECT_EQ(Turns(), turns + 1);
    ExpectNoScreens();
}

TEST_F(GigBusinessTest, ARivalGigIsTheVisitAndEveryWayOutEndsTheDayOnce)
{
    struct Case {
        const char* name;
        std::function<void()> leave;
    };
    const Case cases[] = {
        {"finish", [this] { ASSERT_TRUE(ClickButton("OTHERGIG_FINISH")); }},
        {"close button", [this] { ClickCentre(GUI_OtherGig::PTheWindow->GetCloseIcon()); }},
        {"escape", [this] { PressKey(kKeyEscape); }},
        {"escape twice", [this] { PressKey(kKeyEscape); PressKey(kKeyEscape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCash(100.0f);
        const int turns = Turns();
        PickRivalGig("rustyhinges");
        GUI_OtherGig* screen = GUI_OtherGig::PTheWindow;
        EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
        EXPECT_EQ(SIM_GetFinances()->GetCash(), 92.0f); // the ticket, paid on opening
        EXPECT_EQ(Turns(), turns);
        Step(80); // the buttons show after two seconds
        c.leave();
        Step(2);
        EXPECT_EQ(Turns(), turns + 1);
        ExpectNoScreens();
    }
}

TEST_F(GigBusinessTest, ARivalGigUnlocksItsElementOnceAndTypesItsTextAfterTheLogo)
{
    SIM_SongElement* element = SIM_GetOtherBands()->GetByName("rustyhinges")->GetUnlock();
    ASSERT_NE(element, nullptr);
    ASSERT_FALSE(element->IsAvailable());
    SetCash(100.0f);
    PickRivalGig("rustyhinges");
    GUI_OtherGig* screen = GUI_OtherGig::PTheWindow;
    EXPECT_TRUE(element->IsAvailable());
    EXPECT_EQ(screen->GetTitle(), "The Rusty Hinges");
    EXPECT_EQ(screen->GetUnlockedText(), "Something in that set stuck with you:");
    EXPECT_EQ(screen->GetElementName(), element->GetGUIName());
    EXPECT_EQ(screen->GetInspirationLine(), "Inspiration  +6");
    EXPECT_EQ(screen->InspirationY(), 530.0f);
    EXPECT_EQ(audio.Count("data/sounds/music/rival_rustyhinges.ogg"), 1);

    struct Timing {
        double t;
        float fade;
        float scale;
        int characters;
    };
    for (const Timing& c : {Timing {0.0, 0.0f, 0.75f, 0}, Timing {1500.0, 0.5f, 0.875f, 0},
                            Timing {2500.0, 2500.0f / 3000.0f, 0.75f + 0.25f * 2500.0f / 3000.0f, 50},
                            Timing {6000.0, 1.0f, 1.0f, 400}}) {
        SCOPED_TRACE(c.t);
        EXPECT_FLOAT_EQ(GUI_OtherGig::LogoFade(c.t), c.fade);
        EXPECT_FLOAT_EQ(GUI_OtherGig::LogoScale(c.t), c.scale);
        EXPECT_EQ(GUI_OtherGig::TextLimit(c.t), c.characters);
    }
    Step(45); // 1.5 s: the logo alone
    SaveArtifact("other_gig_logo.png");
    Step(80);
    SaveArtifact("other_gig.png");
    ASSERT_TRUE(ClickButton("OTHERGIG_FINISH"));

    // A second visit: the element is already the player's, so no notice and no post-it.
    PickRivalGig("rustyhinges");
    EXPECT_TRUE(GUI_OtherGig::PTheWindow->GetUnlockedText().empty());
    EXPECT_TRUE(GUI_OtherGig::PTheWindow->GetElementName().empty());
    EXPECT_EQ(GUI_OtherGig::PTheWindow->InspirationY(), 480.0f);
    Step(110);
    SaveArtifact("other_gig_again.png");
}

TEST_F(GigBusinessTest, TheRecordOfferSignsOnlyWhenAcceptedAndNeverEndsTheDay)
{
    EXPECT_EQ(GUI_RecordCompanyOffer::RoyaltyText(0.2f), "20%");
    EXPECT_EQ(GUI_RecordCompanyOffer::RoyaltyText(0.125f), "12%");
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    SIM_GetBand()->SetName("The Lamplighters");
    const int turns = Turns();

    // Reject: nothing recorded; Escape before the answer does nothing.
    company->Restore("Blue Anchor Records", false, 0.2f, 0.0f);
    GUI_RecordCompanyOffer::Create();
    WaitFade();
    GUI_RecordCompanyOffer* offer = GUI_RecordCompanyOffer::PTheWindow;
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), offer);
    EXPECT_NE(offer->GetOfferText().find("Blue Anchor Records"), std::string::npos);
    EXPECT_NE(offer->GetOfferText().find("The Lamplighters"), std::string::npos);
    EXPECT_EQ(offer->GetRoyaltyValue(), "20%");
    EXPECT_EQ(offer->GetMarketingValue(), "A flyer in the post");
    SaveArtifact("record_offer.png");
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GUI_RecordCompanyOffer::PTheWindow, offer);
    EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
    ASSERT_TRUE(ClickButton("OFFER_REJECT"));
    WaitFade();
    EXPECT_FALSE(company->IsSigned());
    ExpectNoScreens();

    // Accept, twice during the fade: signed once, the day untouched.
    company->Restore("Blue Anchor Records", false, 0.2f, 0.5f);
    GUI_RecordCompanyOffer::Create();
    WaitFade();
    EXPECT_EQ(GUI_RecordCompanyOffer::PTheWindow->GetMarketingValue(), "All-out");
    ASSERT_TRUE(ClickButton("OFFER_ACCEPT"));
    GUI_RecordCompanyOffer::Accept(0);
    GUI_RecordCompanyOffer::Reject(0);
    WaitFade();
    EXPECT_TRUE(company->IsSigned());
    EXPECT_EQ(Turns(), turns);
    ExpectNoScreens();
}

// A day's end asked for while a key or click is handed on runs once that input is done,
// once however often it was asked for; a new game's cleanup drops it.
TEST_F(GigBusinessTest, ADayEndAskedForDuringInputWaitsForTheInput)
{
    const int turns = Turns();
    {
        GUI_DayEnd::InputScope key;
        {
            GUI_DayEnd::InputScope nested;
            GUI_DayEnd::Request();
            GUI_DayEnd::Request();
        }
        EXPECT_EQ(Turns(), turns);
        EXPECT_TRUE(GUI_DayEnd::IsPending());
    }
    EXPECT_EQ(Turns(), turns + 1);
    EXPECT_FALSE(GUI_DayEnd::IsPending());
    {
        GUI_DayEnd::InputScope click;
        GUI_DayEnd::Request();
        GUI_GetGUI()->CloseGameScreens();
    }
    EXPECT_EQ(Turns(), turns + 1);
    // Outside input it ends the day at once.
    GUI_DayEnd::Request();
    EXPECT_EQ(Turns(), turns + 2);
}

// A new game or a load closes every one of these screens, full screens included, without
// ending a day of either game, also when the screen was already on its way out.
TEST_F(GigBusinessTest, ANewGameOrALoadClosesEveryScreenWithoutEndingADay)
{
    Hire(INSTRUMENT_DRUMS);
    struct Screen {
        const char* name;
        std::function<void()> open;
    };
    const Screen screens[] = {
        {"booking", [this] { GUI_BookGig::Create(); }},
        {"booking leaving", [this] { GUI_BookGig::Create(); GUI_BookGig::Finish(0); }},
        {"cancelled gig", [this] { PickGigNobodyComesTo(); }},
        {"cancelled gig leaving", [this] { PickGigNobodyComesTo(); GUI_CancelledGig::Finish(0); }},
        {"rival gig", [this] { PickRivalGig("velvetgulls"); }},
        {"offer", [this] { GUI_RecordCompanyOffer::Create(); }},
        {"offer accepted", [this] { GUI_RecordCompanyOffer::Create(); GUI_RecordCompanyOffer::Accept(0); }},
    };
    for (bool load : {false, true}) {
        for (const Screen& s : screens) {
            SCOPED_TRACE(std::string(s.name) + (load ? " / load" : " / new game"));
            SetCash(100.0f);
            const std::string save = SIM_GetSaveGame()->Compose();
            const int turns = Turns();
            s.open();
            Step();
            if (load) {
                ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(save));
            } else {
                GetGame()->StartNewGame();
                Hire(INSTRUMENT_DRUMS);
            }
            ExpectNoScreens();
            WaitFade();
            Step(3);
            EXPECT_EQ(Turns(), load ? turns : 0);
            ExpectNoScreens();
        }
    }
}

} // namespace
