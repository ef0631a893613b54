// A whole career played through the screens of the real game, as a player plays it: from
// the main menu through a new game, auditions until the line-up is full, songs, a
// rehearsal, the shop, booking and playing a gig, publicity and an album, to a save, back
// to the main menu, the save loaded again and played on through a yearly review to the
// verdict. Only clicks and keys move the game; the simulation is read, never called.
// After every day no report may have been raised and the state must be sound; a frame of
// every screen passed is kept as an artifact.
#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Song.h"
#include "harness/GameHarness.h"
#include "mainscreen/GUI_Auditions.h"
#include "mainscreen/GUI_ControlPanel.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "mainscreen/GUI_Rehearsal.h"
#include "mainscreen/GUI_RehearsalPostMortem.h"
#include "mainscreen/GUI_Relax.h"
#include "menus/GUI_EndGame.h"
#include "menus/GUI_FMVScreen.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_MenuLoad.h"
#include "menus/GUI_MenuMain.h"
#include "menus/GUI_MenuNew.h"
#include "menus/GUI_MenuSave.h"
#include "menus/GUI_YearlyReview.h"
#include "player/ScriptedPlayer.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_Gig.h"
#include "show/GUI_JigSaw.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "windows/GUI_BookGig.h"
#include "windows/GUI_CDMixer.h"
#include "windows/GUI_CancelledGig.h"
#include "windows/GUI_NewAlbum.h"
#include "windows/GUI_OtherGig.h"
#include "windows/GUI_Publicity.h"
#include "windows/GUI_RecordCompanyOffer.h"
#include "windows/GUI_Shopping.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

// The career is cut short: the year's review this many days after the first morning, the
// verdict a few days after it. The balance values give the career's length in whole
// years of 365 days only, so the test moves the two dates once, before the first day.
constexpr int kDaysToReview = 30;
constexpr int kDaysToVerdict = 33;
// A full line-up: every instrument but the player's vocals.
constexpr size_t kFullBand = 5;
// Songs enough for an album (a gig needs fewer).
constexpr size_t kSongsForAlbum = 8;

class CareerThroughScreensTest : public GameHarness {
protected:
    CareerThroughScreensTest() : GameHarness(Start::MainMenu) {}

    // ---- reading the game -------------------------------------------------------------

    static int Today() { return SIM_Date::PPresentDay->DayCount(); }
    static GUI_ControlPanel* Panel() { return GUI_GetControlPanel(); }
    static GUI_DailyOptions* Page() { return GUI_GetDailyOptions(); }
    static bool InGame() { return GetGame()->GetCurrentMode() == GetGame()->GetModeObject(Game::MODE_GUI); }
    static size_t Members() { return SIM_GetBand()->GetMembers().size(); }
    static size_t Songs() { return SIM_Song::All.size(); }

    // The row of today's page that offers this kind of option, or null.
    static GUI_DailyOption* PageRow(SIM_DailyOption::DailyOptionType type)
    {
        if (!Page()->IsUp())
            return nullptr;
        for (GUI_WindowBase* child : Page()->Children())
            if (auto* row = dynamic_cast<GUI_DailyOption*>(child))
                if (row->GetType() == type && row->GetOKButton()->GetEnabled() && row->GetOKButton()->IsVisible())
                    return row;
        return nullptr;
    }
    // Whether today's options hold one of this kind not yet carried out (on the page or
    // scrolled off it).
    static bool Offered(SIM_DailyOption::DailyOptionType type)
    {
        for (const SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == type && !o->IsDone())
                return true;
        return false;
    }

    // ---- artifacts --------------------------------------------------------------------

    // The first frame of every screen passed, numbered in the order met.
    void Shot(const std::string& screen)
    {
        if (!shot_.insert(screen).second)
            return;
        char name[96];
        std::snprintf(name, sizeof name, "career_%02d_%s.png", int(shot_.size()), screen.c_str());
        SaveArtifact(name);
    }

    // ---- the checks after every day ---------------------------------------------------

    // When a day (or more) has passed since the last look: nothing was reported and the
    // state is sound. Exactly one day passes at a time.
    void CheckDay()
    {
        if (!InGame() || !GetGame()->GetGameInProgress())
            return;
        const int today = Today();
        if (today == lastDay_)
            return;
        EXPECT_EQ(today, lastDay_ + 1) << "the days moved from " << lastDay_ << " to " << today;
        lastDay_ = today;
        ++daysPlayed_;
        for (const AlertRequest& a : TakeReports())
            ADD_FAILURE() << "day " << today << ": report \"" << a.title << "\": " << a.message;
        for (const std::string& broken : CheckInvariants())
            if (!loaded_ || broken != kPlayedGigsBreak)
                ADD_FAILURE() << "day " << today << ": " << broken;
        // A save keeps the booked gigs only: after a load the counter also holds the gigs
        // played before it.
        if (loaded_) {
            EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED),
                      playedBeforeLoad_ + int(SIM_Gig::PlayedGigs.size()))
                << "day " << today;
        }
    }

    // ---- whatever comes up between the activities -------------------------------------

    // The newest hint that waits for its close button (a hint that closes when its
    // button of the panel is used lets the panel be used meanwhile).
    static GUI_HintHelp* ClosableHint()
    {
        for (auto it = GUI_HintHelp::AllWindows.rbegin(); it != GUI_HintHelp::AllWindows.rend(); ++it)
            if ((*it)->GetCloseButton())
                return *it;
        return nullptr;
    }
    // Puts away every hint that has a close button.
    void CloseClosableHints()
    {
        for (int i = 0; i < 8; ++i) {
            GUI_HintHelp* hint = ClosableHint();
            if (!hint)
                return;
            ClickCentre(hint->GetCloseButton());
            Step();
        }
        ADD_FAILURE() << "hints kept coming";
    }

    // The player deals with what the game puts in front of the main screen (hints, a new
    // career stage, captions, offers, the review and the verdict, and any other screen by
    // its own button) until nothing waits. True when something was dealt with.
    bool Settle()
    {
        bool any = false;
        for (int round = 0; round < 40; ++round) {
            WaitFade();
            CheckDay();
            if (!HandleOne())
                return any;
            any = true;
        }
        ADD_FAILURE() << "the screens never settled";
        return any;
    }

    bool HandleOne()
    {
        if (!InGame())
            return false;
        if (GUI_HintHelp* hint = ClosableHint()) {
            Shot("hint");
            ClickCentre(hint->GetCloseButton());
            return true;
        }
        if (GUI_GetGameMode()->IsUp()) {
            Step(100); // the story types out and its button shows
            Shot("career_stage");
            PressKey(kKeyReturn);
            return true;
        }
        if (GUI_GetFMV()->IsUp()) {
            GUI_FMVScreen* caption = GUI_GetFMV();
            for (int i = 0; i < 150 && !caption->GetContinueButton()->IsVisible(); ++i)
                Step();
            Shot("caption");
            ClickCentre(caption->GetContinueButton());
            return true;
        }
        if (GUI_GetYearlyReview()->IsActive()) {
            GUI_YearlyReview* review = GUI_GetYearlyReview();
            Step(180); // the summary and the year's figures typed out
            Shot("yearly_review");
            ++reviews_;
            ClickCentre(review->GetContinueButton());
            return true;
        }
        if (GUI_GetEndGame()->IsActive()) {
            GUI_EndGame* verdict = GUI_GetEndGame();
            for (int i = 0; i < 200 && !verdict->GetMainMenuButton()->IsVisible(); ++i)
                Step();
            Step(10);
            Shot("verdict");
            ++verdicts_;
            // The career is over: back to the main menu.
            ClickCentre(verdict->GetMainMenuButton());
            return true;
        }
        if (GUI_RecordCompanyOffer* offer = GUI_RecordCompanyOffer::PTheWindow) {
            Shot("record_company_offer");
            // Staying unsigned keeps the studio cards of the album step.
            ClickCentre(offer->GetRejectButton());
            return true;
        }
        if (GUI_CancelledGig* cancelled = GUI_CancelledGig::PTheWindow) {
            Shot("cancelled_gig");
            ClickCentre(cancelled->GetContinueButton());
            return true;
        }
        if (GUI_WindowBase* other = OtherScreen())
            return CloseByItsButton(other);
        return false;
    }

    // A screen this player does not know by name (the publicity result, an endorsement
    // offer, a resignation notice and whatever comes later): the topmost screen that is
    // not the main screen's own.
    GUI_WindowBase* OtherScreen() const
    {
        auto known = [](GUI_WindowBase* w) {
            return w == Page() || dynamic_cast<GUI_HintHelp*>(w) || w == GUI_GetGameMode() || w == GUI_GetFMV() ||
                   w == GUI_GetYearlyReview() || w == GUI_GetEndGame() || !w->IsVisible();
        };
        GUI_WindowManager* wm = GUI_GetWindowManager();
        for (const GUI_WindowManager::List* list : {&wm->Modals(), &wm->Fullscreens()})
            for (auto it = list->rbegin(); it != list->rend(); ++it)
                if (!known(*it))
                    return *it;
        const std::vector<GUI_WindowBase*> screens = ScreenWindows();
        for (auto it = screens.rbegin(); it != screens.rend(); ++it)
            if (!known(*it))
                return *it;
        return nullptr;
    }

    // The visible, enabled text buttons of a window and its children.
    static void TextButtons(GUI_WindowBase* w, std::vector<GUI_ButtonText*>& out)
    {
        if (!w->IsVisible())
            return;
        for (GUI_ButtonBase* b : w->Buttons())
            if (auto* t = dynamic_cast<GUI_ButtonText*>(b); t && t->IsVisible() && t->GetEnabled())
                out.push_back(t);
        for (GUI_WindowBase* child : w->Children())
            TextButtons(child, out);
    }

    // Closes a screen the way its player would: the button that goes on (continue,
    // finish, close, OK, decline), waiting a few seconds for one to show.
    bool CloseByItsButton(GUI_WindowBase* screen)
    {
        const std::string type = typeid(*screen).name();
        Shot("screen_" + type);
        for (int wait = 0; wait < 10; ++wait) {
            std::vector<GUI_ButtonText*> buttons;
            TextButtons(screen, buttons);
            GUI_ButtonText* chosen = nullptr;
            for (const char* word : {"CONTINUE", "FINISH", "CLOSE", "DONE", "OK", "REJECT", "DECLINE", "CANCEL"}) {
                for (GUI_ButtonText* b : buttons)
                    if (!chosen && b->GetKey().find(word) != std::string::npos)
                        chosen = b;
            }
            if (!chosen && !buttons.empty())
                chosen = buttons.back();
            if (chosen) {
                otherScreens_.push_back(type + " by " + chosen->GetKey());
                ClickCentre(chosen);
                WaitFade();
                return true;
            }
            auto* dialog = dynamic_cast<GUI_Dialog*>(screen);
            if (GUI_ButtonBase* close = dialog ? dialog->GetCloseButton() : nullptr; close && close->IsVisible()) {
                otherScreens_.push_back(type + " by its close button");
                ClickCentre(close);
                WaitFade();
                return true;
            }
            Step(30);
        }
        ADD_FAILURE() << "a screen of type " << type << " shows no button to leave it by";
        return false;
    }

    // ---- the morning ------------------------------------------------------------------

    // The day's page goes away so that the panel can be used.
    void ToMainScreen()
    {
        Settle();
        if (Page()->IsUp()) {
            Shot("daily_options");
            ClickCentre(Page()->GetContinueButton());
            Settle();
        }
        ASSERT_FALSE(Page()->IsUp());
    }

    // Opens today's page again (from the panel's Today) when it was put away.
    void ToPage()
    {
        Settle();
        if (!Page()->IsUp() && Panel()->today->GetEnabled()) {
            ClickCentre(Panel()->today);
            WaitFade();
        }
    }

    // Clicks a panel activity and waits for its screen, putting away its first hint.
    void OpenActivity(GUI_CPButton* button)
    {
        ToMainScreen();
        ASSERT_TRUE(button->IsVisible() && button->GetEnabled());
        ClickCentre(button);
        WaitFade();
        CloseClosableHints();
    }

    // Plays a day's activity and checks that exactly one day passed.
    template <class Activity>
    void PlayDay(const char* what, Activity activity)
    {
        SCOPED_TRACE(what);
        const int before = Today();
        activity();
        Settle();
        EXPECT_EQ(Today(), before + 1) << what;
        CheckDay();
    }

    // ---- the activities -----------------------------------------------------------------

    void Audition()
    {
        OpenActivity(Panel()->auditions);
        GUI_Auditions* dialog = GUI_Auditions::PTheWindow;
        ASSERT_NE(dialog, nullptr);
        Shot("auditions");
        int instrument = -1;
        for (int i = 0; i < 6 && instrument < 0; ++i)
            if (dialog->GetButton(i) && dialog->GetButton(i)->GetCallback())
                instrument = i;
        ASSERT_GE(instrument, 0) << "no instrument offered to a band of " << Members();
        ClickCentre(dialog->GetButton(instrument));
        WaitFade();
        CloseClosableHints();
        GUI_AuditionPicker* picker = GUI_AuditionPicker::PTheWindow;
        ASSERT_NE(picker, nullptr);
        Step(5);
        Shot("audition_picker");
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (picker->GetCard(k)->GetRelativeAbility() > picker->GetCard(best)->GetRelativeAbility())
                best = k;
        const size_t members = Members();
        ClickCentre(picker->GetCard(best)->GetHireButton());
        WaitFade();
        EXPECT_EQ(Members(), members + 1);
    }

    void WriteSong()
    {
        OpenActivity(Panel()->writeSong);
        GUI_JigSaw* jigsaw = GUI_JigSaw::PTheWindow;
        ASSERT_NE(jigsaw, nullptr);
        PressKey(kKeyForwardDelete);
        TypeText("Song " + std::to_string(Songs()));
        Step(5);
        Shot("song_writing");
        const size_t songs = Songs();
        ASSERT_TRUE(jigsaw->GetFinishButton()->GetEnabled());
        ClickCentre(jigsaw->GetFinishButton());
        WaitFade();
        EXPECT_EQ(Songs(), songs);
        EXPECT_EQ(SIM_Song::All.back()->GetName(), "Song " + std::to_string(songs));
    }

    void Rehearse()
    {
        OpenActivity(Panel()->rehearsal);
        GUI_Rehearsal* rooms = GUI_Rehearsal::PTheWindow;
        ASSERT_NE(rooms, nullptr);
        Shot("rehearsal_rooms");
        ClickCentre(rooms->GetCards().front()->GetUseButton()); // the free one
        WaitFade();
        CloseClosableHints();
        ASSERT_NE(GUI_RehearsalPostMortem::PTheWindow.Get(), nullptr);
        Step(5);
        Shot("rehearsal_result");
        ASSERT_TRUE(ClickButton("REHEARSAL_FINISH"));
        ++rehearsals_;
    }

    void Shop()
    {
        OpenActivity(Panel()->shopping);
        GUI_Shopping* shop = GUI_Shopping::PTheWindow;
        ASSERT_NE(shop, nullptr);
        ClickCentre(shop->GetTabButton(GUI_Shopping::MERCHANDISE));
        Step();
        Shot("shop");
        // The cheapest thing the kitty can pay for.
        GUI_AssetWindow* cheapest = nullptr;
        for (GUI_AssetWindow* cell : shop->CurrentStore()->Cells())
            if (cell->GetBuyButton()->GetEnabled() &&
                (!cheapest || cell->GetAsset()->GetPurchaseCost() < cheapest->GetAsset()->GetPurchaseCost()))
                cheapest = cell;
        ASSERT_NE(cheapest, nullptr) << "nothing affordable with " << SIM_GetFinances()->GetCash();
        const float cash = SIM_GetFinances()->GetCash();
        ClickCentre(cheapest->GetBuyButton());
        Step();
        EXPECT_LT(SIM_GetFinances()->GetCash(), cash);
        EXPECT_TRUE(shop->HasBought());
        ClickCentre(shop->GetFinishButton());
        ++purchases_;
    }

    // Books the first venue on offer; false (the window left, the day kept) when none is,
    // as when the only room the band's fame reaches is bored of it.
    bool BookGig()
    {
        OpenActivity(Panel()->bookGig);
        GUI_BookGig* booking = GUI_BookGig::PTheWindow;
        EXPECT_NE(booking, nullptr);
        if (!booking)
            return false;
        Shot("book_gig");
        GUI_PotentialGig* card = nullptr;
        for (GUI_WindowBase* child : booking->Children())
            if (auto* c = dynamic_cast<GUI_PotentialGig*>(child); c && c->IsBookable() && !card)
                card = c;
        if (!card) {
            EXPECT_TRUE(ClickButton("BOOKGIG_FINISH"));
            WaitFade();
            return false;
        }
        const size_t booked = SIM_Gig::BookedGigs.size();
        ClickCentre(card->GetButton());
        WaitFade();
        EXPECT_EQ(SIM_Gig::BookedGigs.size(), booked + 1);
        return true;
    }

    // Tonight's gig from its row on the page: the show runs a while and is finished.
    void PlayGig(GUI_DailyOption* row)
    {
        Shot("daily_options_gig");
        ClickCentre(row->GetOKButton());
        WaitFade();
        if (GUI_CancelledGig::PTheWindow)
            return; // the band did not turn up: Settle reads the notice
        GUI_Gig* show = GUI_Gig::PTheWindow;
        ASSERT_NE(show, nullptr);
        CloseClosableHints();
        Step(90); // three seconds of the show
        Shot("gig_show");
        ClickCentre(show->GetFinishButton());
        WaitFade();
        ++gigs_;
    }

    // A publicity event from its row on the page: its result screen comes up and its
    // Continue ends the day.
    void Publicise(GUI_DailyOption* row)
    {
        Shot("daily_options_publicity");
        ClickCentre(row->GetOKButton());
        WaitFade();
        GUI_Publicity* result = GUI_GetPublicity();
        ASSERT_TRUE(result != nullptr && result->IsUp()) << "no publicity result";
        Step(30); // let the interview scene play a moment before its picture is kept
        Shot("publicity_result");
        ClickCentre(result->GetContinueButton());
        WaitFade();
        ++publicity_;
    }

    void RecordAlbum()
    {
        OpenActivity(Panel()->studio);
        GUI_NewAlbum* screen = GUI_NewAlbum::PTheWindow;
        ASSERT_NE(screen, nullptr);
        PressKey(kKeyForwardDelete);
        TypeText("First Light");
        // Eight tracks from the free songs, the first shown each time.
        for (int i = 0; i < 8; ++i) {
            GUI_AlbumTrack* free = nullptr;
            for (GUI_AlbumTrack* track : GUI_AlbumTrack::All)
                if (!track->IsInAlbum() && track->IsVisible() && !free)
                    free = track;
            ASSERT_NE(free, nullptr) << "track " << i;
            ClickCentre(free);
        }
        SIM_Album* album = GUI_NewAlbum::GetAlbum();
        ASSERT_NE(album, nullptr);
        EXPECT_TRUE(album->IsValid());
        EXPECT_EQ(album->GetTitle(), "First Light");
        // The cheapest studio the band can pay for.
        GUI_StudioButton* studio = nullptr;
        for (GUI_StudioButton* card : screen->GetSelector()->GetStudioButtons())
            if (card->IsAffordable() && !studio)
                studio = card;
        ASSERT_NE(studio, nullptr) << "no studio affordable with " << SIM_GetFinances()->GetCash();
        ClickCentre(studio);
        Step();
        Shot("new_album");
        ASSERT_TRUE(screen->GetFinishButton()->GetEnabled());
        ClickCentre(screen->GetFinishButton());
        WaitFade();
        CloseClosableHints();
        GUI_CDMixer* mixer = GUI_CDMixer::PTheWindow;
        ASSERT_NE(mixer, nullptr);
        Step(5);
        Shot("cd_mixer");
        ClickCentre(mixer->GetFinishButton());
        WaitFade();
        EXPECT_EQ(album->GetMode(), 1) << "released";
        ++albums_;
    }

    // A day off: the relax outing from the page, at the free place.
    void RelaxAtHome()
    {
        ToPage();
        GUI_DailyOption* row = PageRow(SIM_DailyOption::RELAX);
        ASSERT_NE(row, nullptr) << "the relax outing is offered every day";
        ClickCentre(row->GetOKButton());
        WaitFade();
        CloseClosableHints();
        GUI_RelaxChooser* chooser = GUI_RelaxChooser::PTheWindow;
        ASSERT_NE(chooser, nullptr);
        Shot("relax_places");
        auto* home = dynamic_cast<GUI_RelaxOption*>(chooser->Children().front());
        ASSERT_NE(home, nullptr);
        ClickCentre(home->GetUseButton());
        WaitFade();
        CloseClosableHints();
        ASSERT_NE(GUI_Relax::PTheWindow.Get(), nullptr);
        Shot("relax_result");
        ASSERT_TRUE(ClickButton("RELAX_CONTINUE"));
        WaitFade();
    }

    // A day used for nothing in particular: a rehearsal when the band can, else rest.
    void Rest()
    {
        Settle();
        if (!InGame())
            return;
        if (Panel()->rehearsal->GetEnabled() && Today() % 2 == 0)
            Rehearse();
        else
            RelaxAtHome();
        Settle();
    }

    // One morning of the first half: tonight's gig and publicity come first; then the
    // band is filled, songs written, a rehearsal, the shop, a gig booked, an album made.
    void PlayMorning()
    {
        Settle();
        ToPage();
        if (GUI_DailyOption* gig = PageRow(SIM_DailyOption::GIG))
            return PlayDay("gig", [&] { PlayGig(gig); });
        if (publicity_ == 0)
            if (GUI_DailyOption* pr = PageRow(SIM_DailyOption::PUBLICITY))
                return PlayDay("publicity", [&] { Publicise(pr); });
        if (Members() < kFullBand)
            return PlayDay("auditions", [&] { Audition(); });
        if (Songs() < kSongsForAlbum)
            return PlayDay("song writing", [&] { WriteSong(); });
        if (rehearsals_ == 0)
            return PlayDay("rehearsal", [&] { Rehearse(); });
        if (purchases_ == 0)
            return PlayDay("shopping", [&] { Shop(); });
        if (gigs_ == 0 && SIM_Gig::BookedGigs.empty())
            return PlayDay("booking", [&] { EXPECT_TRUE(BookGig()) << "no venue to book"; });
        if (albums_ == 0 && Panel()->studio->GetEnabled())
            return PlayDay("album", [&] { RecordAlbum(); });
        PlayDay("rest", [&] { Rest(); });
    }
    // One morning of the second half: gigs booked and played, the other days rested.
    void PlayOn()
    {
        ToPage();
        if (GUI_DailyOption* gig = PageRow(SIM_DailyOption::GIG))
            return PlayDay("gig", [&] { PlayGig(gig); });
        if (SIM_Gig::BookedGigs.empty() && Panel()->bookGig->GetEnabled() && !noVenue_)
            return PlayDay("booking", [&] {
                // Leaving the booking window without a gig keeps the day: rest it away.
                noVenue_ = !BookGig();
                if (noVenue_)
                    Rest();
            });
        PlayDay("rest", [&] { Rest(); });
    }
    bool FirstHalfDone() const
    {
        return Members() >= kFullBand && Songs() >= kSongsForAlbum && rehearsals_ > 0 && purchases_ > 0 &&
               gigs_ > 0 && publicity_ > 0 && albums_ > 0;
    }

    // ---- the menus ----------------------------------------------------------------------

    void NewGame()
    {
        WaitFade();
        Shot("main_menu");
        ASSERT_TRUE(ClickButton("MENU_STARTGAME"));
        WaitFade();
        GUI_MenuNew* menu = GUI_GetMenuNewGame();
        ASSERT_EQ(GetGame()->GetCurrentMode(), menu);
        for (int i = 0; i < 5 && GUI_HintHelp::IsActive(); ++i)
            ClickCentre(GUI_HintHelp::AllWindows.back()->GetCloseButton());
        // The player's name, the band's name, a face and a look.
        Click((menu->GetPlayerField().left + menu->GetPlayerField().right) / 2.0f,
              (menu->GetPlayerField().top + menu->GetPlayerField().bottom) / 2.0f);
        PressKey(kKeyForwardDelete);
        TypeText("Robin Vale");
        Click((menu->GetBandField().left + menu->GetBandField().right) / 2.0f,
              (menu->GetBandField().top + menu->GetBandField().bottom) / 2.0f);
        PressKey(kKeyForwardDelete);
        TypeText("The Night Owls");
        ClickCentre(menu->GetChooser()->GetNextAvatarButton());
        ClickCentre(menu->GetChooser()->GetNextAvatarButton());
        ClickCentre(menu->GetNextSkinButton());
        Step(5);
        Shot("new_game");
        ASSERT_TRUE(menu->GetStartButton()->GetEnabled());
        ClickCentre(menu->GetStartButton());
        Step();
        ASSERT_TRUE(InGame());
        ASSERT_TRUE(GetGame()->GetGameInProgress());
        EXPECT_EQ(SIM_GetBand()->GetName(), "The Night Owls");
        // The short career, set before the first day.
        SIM_Date::EndYearDate = *SIM_Date::PPresentDay;
        SIM_Date::EndYearDate.IncrementDays(kDaysToReview);
        SIM_Date::EndGameDate = *SIM_Date::PPresentDay;
        SIM_Date::EndGameDate.IncrementDays(kDaysToVerdict);
        lastDay_ = Today();
        Settle();
        Shot("main_screen");
    }

    // From the game to the main menu by the panel's quit, answering yes.
    void QuitToMainMenu()
    {
        ToMainScreen();
        ClickCentre(Panel()->quit);
        Step();
        Shot("quit_question");
        ASSERT_TRUE(ClickButton("CONFIRM_OK"));
        WaitFade();
        ASSERT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
        EXPECT_TRUE(GetGame()->GetGameInProgress());
        Shot("main_menu_game_in_progress");
    }

    void SaveAs(const std::string& name)
    {
        ASSERT_TRUE(ClickButton("MENU_SAVEGAME"));
        WaitFade();
        GUI_MenuSave* menu = GUI_GetMenuSave();
        ASSERT_EQ(GetGame()->GetCurrentMode(), menu);
        PressKey(kKeyForwardDelete);
        TypeText(name);
        Step(5);
        Shot("save_menu");
        ClickCentre(menu->GetSaveButton());
        Step();
        if (GUI_ConfirmDialog::PTheWindow) {
            ASSERT_TRUE(ClickButton("CONFIRM_OK"));
        }
        WaitFade();
        ASSERT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    }

    void Load(const std::string& name)
    {
        ASSERT_TRUE(ClickButton("MENU_LOADGAME"));
        WaitFade();
        GUI_MenuLoad* menu = GUI_GetMenuLoad();
        ASSERT_EQ(GetGame()->GetCurrentMode(), menu);
        Step(5);
        Shot("load_menu");
        const GUI_LoadGameSlot* slot = nullptr;
        for (const auto& s : menu->GetSlots())
            if (s->GetSaveName() == name)
                slot = s.get();
        ASSERT_NE(slot, nullptr) << "the save is not listed";
        ClickCentre(slot);
        Step();
        ASSERT_TRUE(InGame());
        lastDay_ = Today();
        loaded_ = true;
        playedBeforeLoad_ = SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED);
        Settle();
    }

    static constexpr const char* kPlayedGigsBreak = "gigs played counter differs from the played gigs";
    int lastDay_ = 0;
    bool loaded_ = false;
    bool noVenue_ = false; // no room would have the band: booking is not tried again
    int playedBeforeLoad_ = 0;
    int daysPlayed_ = 0;
    int rehearsals_ = 0, purchases_ = 0, gigs_ = 0, publicity_ = 0, albums_ = 0;
    int reviews_ = 0, verdicts_ = 0;
    std::set<std::string> shot_;
    std::vector<std::string> otherScreens_;
};

TEST_F(CareerThroughScreensTest, ACareerFromTheMainMenuThroughASaveAndALoadToTheVerdict)
{
    const auto started = std::chrono::steady_clock::now();
    NewGame();
    ASSERT_FALSE(HasFatalFailure());

    // The first half: everything a band does, until each has been done once.
    for (int day = 0; day < 30 && !FirstHalfDone() && !HasFatalFailure(); ++day)
        PlayMorning();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(FirstHalfDone()) << "members " << Members() << ", songs " << Songs() << ", rehearsals "
                                 << rehearsals_ << ", purchases " << purchases_ << ", gigs " << gigs_
                                 << ", publicity " << publicity_ << ", albums " << albums_;
    EXPECT_EQ(reviews_, 0) << "the review came before the save";

    // Saved from the main menu, played on a day, and quit to the main menu.
    QuitToMainMenu();
    ASSERT_FALSE(HasFatalFailure());
    const int savedDay = Today();
    const int firstHalfDays = daysPlayed_;
    const std::string band = SIM_GetBand()->GetName();
    const size_t members = Members(), songs = Songs();
    const float cash = SIM_GetFinances()->GetCash();
    SaveAs("night owls");
    ASSERT_FALSE(HasFatalFailure());
    ClickCentre(GUI_GetMenuMain()->GetResumeButton());
    WaitFade();
    ASSERT_TRUE(InGame());
    PlayDay("after the save", [&] { Rest(); });
    ASSERT_EQ(Today(), savedDay + 1);
    QuitToMainMenu();
    ASSERT_FALSE(HasFatalFailure());

    // Loaded: the game is the one saved, and goes on to the review and the verdict.
    Load("night owls");
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(Today(), savedDay);
    EXPECT_EQ(SIM_GetBand()->GetName(), band);
    EXPECT_EQ(Members(), members);
    EXPECT_EQ(Songs(), songs);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash);
    Shot("loaded_game");
    for (int day = 0; day < 20 && verdicts_ == 0 && !HasFatalFailure(); ++day)
        PlayOn();
    Settle();
    EXPECT_EQ(reviews_, 1);
    EXPECT_EQ(verdicts_, 1);
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    EXPECT_FALSE(GetGame()->GetGameInProgress());
    Step(5);
    Shot("main_menu_after_the_career");

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // The whole test program's peak: the game, the harness and the frames it kept.
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("career through the screens: %d days (%d to the save) in %.1f s; screens met: %zu; "
                "peak resident memory %.0f MB\n",
                daysPlayed_, firstHalfDays, seconds, shot_.size(), double(usage.ru_maxrss) / 1024.0);
    for (const std::string& other : otherScreens_)
        std::printf("  closed by its button: %s\n", other.c_str());
}

} // namespace
