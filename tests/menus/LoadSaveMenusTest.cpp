// The load and save menus through the real game: saving a game in progress, the listing,
// loading back, deleting and replacing with confirmation, refused names, damaged saves and
// paging.
#include "harness/GameHarness.h"
#include "menus/GUI_MenuLoad.h"
#include "menus/GUI_MenuMain.h"
#include "menus/GUI_MenuSave.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_SaveGame.h"
#include "savegame/SaveMask.h"
#include "savegame/SaveFormat.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_GUI.h"
#include "sim/SIM_Band.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kA = 0;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Composed() { return MaskedSave(SIM_GetSaveGame()->Compose()); }

// Two saves line by line: the first line that differs, not two whole files.
void ExpectSameSave(const std::string& actual, const std::string& expected)
{
    std::istringstream a(actual), e(expected);
    std::string la, le;
    for (int line = 1;; ++line) {
        const bool moreA = bool(std::getline(a, la)), moreE = bool(std::getline(e, le));
        if (!moreA && !moreE)
            return;
        if (moreA != moreE || la != le) {
            ADD_FAILURE() << "line " << line << ": \"" << la << "\" instead of \"" << le << '"';
            return;
        }
    }
}

class LoadSaveMenusTest : public GameHarness {
protected:
    // From the game in progress to the main menu, then into one of its menus.
    void OpenFromMainMenu(const char* button, GUI_GameModeBase* menu)
    {
        GetGame()->SetGameMode(Game::MODE_MAINMENU);
        WaitFade();
        ASSERT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
        ASSERT_TRUE(ClickButton(button));
        WaitFade();
        ASSERT_EQ(GetGame()->GetCurrentMode(), menu);
        Step();
    }
    GUI_MenuSave* OpenSave()
    {
        OpenFromMainMenu("MENU_SAVEGAME", GUI_GetMenuSave());
        return GUI_GetMenuSave();
    }
    GUI_MenuLoad* OpenLoad()
    {
        OpenFromMainMenu("MENU_LOADGAME", GUI_GetMenuLoad());
        return GUI_GetMenuLoad();
    }
    void TypeName(const std::string& name)
    {
        PressKey(kKeyForwardDelete);
        TypeText(name);
        Step();
    }
    static void WriteSave(const std::string& fileName, const std::string& text)
    {
        fs::create_directories(SaveFormat::SaveGamesDir());
        std::ofstream(fs::path(SaveFormat::SaveGamesDir()) / fileName, std::ios::binary) << text;
    }
    static bool Exists(const std::string& fileName)
    {
        return fs::exists(fs::path(SaveFormat::SaveGamesDir()) / fileName);
    }
    void Answer(bool yes)
    {
        ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
        ASSERT_TRUE(ClickButton(yes ? "CONFIRM_OK" : "CONFIRM_CANCEL"));
        Step(2);
        EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    }
    static std::vector<std::string> Shown(const GUI_MenuLoad* menu)
    {
        std::vector<std::string> names;
        for (const auto& slot : menu->GetSlots())
            names.push_back(slot->GetSaveName());
        return names;
    }
};

TEST_F(LoadSaveMenusTest, SaveTheGameInProgressListItAndLoadItBack)
{
    GUI_MenuSave* save = OpenSave();
    TypeName("career one");
    EXPECT_EQ(save->NameField().GetText(), "career one");
    ClickCentre(save->GetSaveButton());
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    ASSERT_TRUE(Exists("career one.xml"));
    const std::string saved = Composed();
    const std::string band = SIM_GetBand()->GetName();
    const std::string text = ReadAll(SaveFormat::SavePath("career one"));

    // Other saves beside it, and what the listing leaves out.
    WriteSave("Another career.xml", text);
    WriteSave("zebra stripes.xml", text);
    WriteSave("bare.xml", "<xml>\n</xml>\n"); // no summary
    WriteSave(".hidden.xml", text);
    WriteSave("career one.xml.tmp42_0", text);
    WriteSave("notes.txt", text);
    fs::create_directories(fs::path(SaveFormat::SaveGamesDir()) / "folder.xml");
    fs::create_symlink(SaveFormat::SavePath("career one"), fs::path(SaveFormat::SaveGamesDir()) / "link.xml");

    SIM_GetBand()->SetName("Changed since");
    GUI_MenuLoad* load = OpenLoad();
    const std::vector<std::string> expected = {"Another career", "bare", "career one", "zebra stripes", ""};
    EXPECT_EQ(Shown(load), expected);
    EXPECT_EQ(load->GetDeleteButtons().size(), 4u);
    const GUI_LoadGameSlot* one = load->GetSlots()[2].get();
    EXPECT_EQ(one->GetBandLine(), "Band: " + band);
    EXPECT_EQ(one->GetFameLine().rfind("Fame: ", 0), 0u);
    EXPECT_EQ(one->GetCashLine().rfind("Cash: $", 0), 0u);
    EXPECT_TRUE(load->GetSlots()[1]->GetBandLine().empty()); // the bare save: just its name
    EXPECT_TRUE(load->GetSlots()[4]->IsEmpty());
    EXPECT_FALSE(load->GetScrollUpButton()->GetEnabled());
    EXPECT_FALSE(load->GetScrollDownButton()->GetEnabled());
    Step(5); // drawing again reads no summary twice
    MoveMouse(load->GetSlots()[2]->GetCenterX(), load->GetSlots()[2]->GetCenterY());
    Step(3);
    SaveArtifact("load_menu.png");

    // A click on the strip loads that save: the game is the one saved.
    ClickCentre(load->GetSlots()[2].get());
    Step();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    EXPECT_TRUE(GetGame()->GetGameInProgress());
    EXPECT_EQ(SIM_GetBand()->GetName(), band);
    // The harness's game has no pictures chosen; loading fills them with defaults.
    static const std::regex look("<avatar_texture>[^<]*</avatar_texture>");
    ExpectSameSave(std::regex_replace(Composed(), look, "-"), std::regex_replace(saved, look, "-"));

    // The save menu lists the same saves, shortened names kept whole behind the rows.
    save = OpenSave();
    ASSERT_GE(save->GetSlots().size(), 5u);
    EXPECT_EQ(save->GetSlots()[0]->GetShownName(), "Another career");
    EXPECT_EQ(save->GetSlots()[3]->GetShownName(), "zebra stripes");
    EXPECT_EQ(save->GetSlots()[4]->GetShownName(), "Empty");
    TypeName("autosave");
    EXPECT_FALSE(save->StatusLine().empty()) << "saving over the autosave warns";
    Step(10);
    SaveArtifact("save_menu.png");
}

TEST_F(LoadSaveMenusTest, DeletingAndReplacingAskFirst)
{
    const std::string text = SIM_GetSaveGame()->Compose();
    WriteSave("first.xml", text);
    WriteSave("second.xml", text);
    GUI_MenuLoad* load = OpenLoad();
    ASSERT_EQ(load->GetDeleteButtons().size(), 2u);

    // Cancelled by the dialog's button, and by Escape: nothing is removed.
    ClickCentre(load->GetDeleteButtons()[0]);
    Step();
    Answer(false);
    ClickCentre(load->GetDeleteButtons()[0]);
    Step();
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    // While the question is up the strips take no clicks.
    ClickCentre(load->GetSlots()[0].get());
    EXPECT_EQ(GetGame()->GetCurrentMode(), load);
    PressKey(kKeyEscape);
    Step();
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(GetGame()->GetCurrentMode(), load);
    EXPECT_TRUE(Exists("first.xml"));

    ClickCentre(load->GetDeleteButtons()[0]);
    Step();
    Answer(true);
    EXPECT_FALSE(Exists("first.xml"));
    EXPECT_TRUE(Exists("second.xml"));
    EXPECT_EQ(load->GetFiles(), std::vector<std::string> {"second.xml"});
    EXPECT_EQ(load->GetDeleteButtons().size(), 1u);

    // Replacing a save: a row copies its whole name, saving asks, no keeps the old file.
    GUI_MenuSave* save = OpenSave();
    WriteSave("second.xml", "old");
    ClickCentre(save->GetSlots()[0].get());
    EXPECT_EQ(save->NameField().GetText(), "second");
    ClickCentre(save->GetSlots()[5].get()); // an empty row copies nothing
    EXPECT_EQ(save->NameField().GetText(), "second");
    ClickCentre(save->GetSaveButton());
    Step();
    Answer(false);
    EXPECT_EQ(GetGame()->GetCurrentMode(), save);
    EXPECT_EQ(ReadAll(SaveFormat::SavePath("second")), "old");
    ClickCentre(save->GetSaveButton());
    Step();
    Answer(true);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    ExpectSameSave(MaskedSave(ReadAll(SaveFormat::SavePath("second"))), Composed());
}

TEST_F(LoadSaveMenusTest, NamesTheGameCannotSaveUnderAreRefusedAndAFailedSaveStays)
{
    GUI_MenuSave* save = OpenSave();
    struct Case {
        std::string typed;
        bool canSave;
    };
    const Case cases[] = {{"", false}, {".hidden", false}, {"   ", true}, {"my career, part 2", true}};
    for (const Case& c : cases) {
        TypeName(c.typed);
        EXPECT_EQ(save->CanSave(), c.canSave) << '"' << c.typed << '"';
        EXPECT_EQ(save->GetSaveButton()->GetEnabled(), c.canSave) << '"' << c.typed << '"';
        if (!c.canSave) {
            ClickCentre(save->GetSaveButton());
            Step();
            EXPECT_EQ(GetGame()->GetCurrentMode(), save);
        }
    }
    EXPECT_TRUE(fs::is_empty(SaveFormat::SaveGamesDir()) || !fs::exists(SaveFormat::SavePath("")));

    // The field stops below the service's limit, so a full name still saves.
    TypeName("");
    for (int i = 0; i < 40; ++i)
        PressKey(kA);
    Step();
    EXPECT_EQ(save->NameField().GetText(), std::string(SaveFormat::MaxNameChars - 1, 'a'));
    EXPECT_TRUE(save->CanSave());

    // A save that cannot be written says so and keeps the menu up.
    fs::create_directories(fs::path(SaveFormat::SaveGamesDir()) / "blocked.xml");
    TypeName("blocked");
    ClickCentre(save->GetSaveButton());
    Step();
    Answer(true); // the name is taken (by a folder)
    EXPECT_EQ(GetGame()->GetCurrentMode(), save);
    EXPECT_EQ(save->StatusLine(), "The game could not be saved. Try another name, or check the disk.");
    EXPECT_EQ(TakeReports().size(), 1u);
    TypeName("blocked2");
    EXPECT_TRUE(save->StatusLine().empty());
}

TEST_F(LoadSaveMenusTest, ADamagedSaveLeavesTheGameInProgressAsItWas)
{
    std::string text = SIM_GetSaveGame()->Compose();
    const size_t cut = text.find("</musicians>");
    ASSERT_NE(cut, std::string::npos);
    text.erase(cut, 12);
    WriteSave("damaged.xml", text);
    const std::string before = Composed();
    GUI_MenuLoad* load = OpenLoad();
    ASSERT_EQ(load->GetFiles(), std::vector<std::string> {"damaged.xml"});
    ClickCentre(load->GetSlots()[0].get());
    Step(3);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_EQ(GetGame()->GetCurrentMode(), load);
    EXPECT_TRUE(GetGame()->GetGameInProgress());
    ExpectSameSave(Composed(), before);
}

TEST_F(LoadSaveMenusTest, PagingStaysWithinTheSaves)
{
    const std::string text = SIM_GetSaveGame()->Compose();
    for (int i = 1; i <= 12; ++i)
        WriteSave("save " + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".xml", text);
    GUI_MenuLoad* load = OpenLoad();
    EXPECT_FALSE(load->GetScrollUpButton()->GetEnabled());
    for (int i = 0; i < 10; ++i) {
        ClickCentre(load->GetScrollDownButton());
        Step();
    }
    EXPECT_EQ(load->GetFirstShown(), 7); // the last five, no further
    EXPECT_FALSE(load->GetScrollDownButton()->GetEnabled());
    EXPECT_TRUE(load->GetScrollUpButton()->GetEnabled());
    EXPECT_EQ(Shown(load).back(), "save 12");
    // Deleting on the last page keeps a full page rather than an empty one.
    ClickCentre(load->GetDeleteButtons().back());
    Step();
    Answer(true);
    EXPECT_EQ(load->GetFirstShown(), 6);
    EXPECT_EQ(Shown(load).back(), "save 11");
    SaveArtifact("load_menu_paged.png");

    GUI_MenuSave* save = OpenSave();
    for (int i = 0; i < 5; ++i) {
        ClickCentre(save->GetScrollDownButton());
        Step();
    }
    EXPECT_EQ(save->GetFirstShown(), 1);
    EXPECT_EQ(save->GetSlots().back()->GetShownName(), "save 11");
    EXPECT_FALSE(save->GetScrollDownButton()->GetEnabled());
}

} // namespace
