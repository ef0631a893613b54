#include "engine/GProfileStore.h"
#include "engine/StringManager.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

class StringManagerTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        resources.Write("data/lists.ini",
                        "[General]\n0 = general zero\n"
                        "[gap]\n0 = a\n1 = b\n3 = d\n"
                        "[vary]\n0 = plain\n1 = -2\n1-0 = first\n1-1 = second\n"
                        "[emptyvar]\n0 = -0\n"
                        "[shortvar]\n0 = -3\n0-0 = a\n0-1 = b\n"
                        "[dash]\n0 = x\n1 = -\n2 = y\n"
                        "[absurd]\n0 = -2000000000\n0-0 = never read\n1 = after\n2 = -99999999999999999999\n"
                        "3 = -1000\n3-999 = last\n");
        manager.SetDBFilename("data/lists.ini");
    }
    StringManager manager;
};

TEST_F(StringManagerTest, ListsStopAtTheFirstGap)
{
    EXPECT_STREQ(manager.GetString("gap", 0), "a");
    EXPECT_STREQ(manager.GetString("gap", 1), "b");
    EXPECT_EQ(manager.GetString("gap", 2), nullptr);
    EXPECT_EQ(manager.GetString("gap", 3), nullptr);
    EXPECT_EQ(manager.GetString("gap", -1), nullptr);
    EXPECT_STREQ(manager.GetGenString(0), "general zero");
    EXPECT_EQ(manager.GetString("dash", 1), nullptr); // a lone "-" ends the list
}

TEST_F(StringManagerTest, VariationsPickAtRandomEachFetch)
{
    std::srand(3);
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(manager.GetString("vary", 1));
    EXPECT_EQ(seen, (std::set<std::string> {"first", "second"}));
    EXPECT_STREQ(manager.GetString("vary", 0), "plain");

    // A variation keeps its missing texts as empty ones.
    seen.clear();
    for (int i = 0; i < 60; ++i)
        seen.insert(manager.GetString("shortvar", 0));
    EXPECT_EQ(seen, (std::set<std::string> {"a", "b", ""}));
}

TEST_F(StringManagerTest, EmptyListsGiveEmptyTexts)
{
    EXPECT_STREQ(manager.GetRndString("absent"), "");
    EXPECT_STREQ(manager.GetString("emptyvar", 0), "");
    EXPECT_STREQ(manager.GetVariant("-var999999"), "");
}

// The numbers of the loaded variations "-var<n>" (among the first few hundred).
std::vector<int> LoadedVariations(StringManager& manager)
{
    std::vector<int> numbers;
    for (int n = 0; n < 300; ++n)
        if (*manager.GetVariant("-var" + std::to_string(n)))
            numbers.push_back(n);
    return numbers;
}

TEST_F(StringManagerTest, ReleaseAndReloadGetNewVariationNames)
{
    manager.GetString("vary", 0);
    const std::vector<int> first = LoadedVariations(manager);
    ASSERT_EQ(first.size(), 1u);
    const std::string name = "-var" + std::to_string(first[0]);
    const std::set<std::string> texts {"first", "second"};
    EXPECT_EQ(texts.count(manager.GetVariant(name)), 1u);

    // After a release the counter goes on: the same entry becomes the next variation.
    manager.Release();
    EXPECT_STREQ(manager.GetVariant(name), "");
    EXPECT_STREQ(manager.GetString("vary", 0), "plain");
    EXPECT_EQ(LoadedVariations(manager), std::vector<int> {first[0] + 1});
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(manager.GetString("vary", 1));
    EXPECT_EQ(seen, texts);

    // Loading the section again without a release adds one more.
    manager.GetUncached("vary", 1);
    EXPECT_EQ(LoadedVariations(manager), (std::vector<int> {first[0] + 1, first[0] + 2}));
}

TEST_F(StringManagerTest, AbsurdVariationCountsAreRefusedWithAWarning)
{
    // Two billion reads of the file would hang the game; such a variation stays empty and
    // the list goes on after it. The largest accepted count still reads all its texts.
    OpenSandboxDebugLog();
    EXPECT_STREQ(manager.GetString("absurd", 0), "");
    EXPECT_STREQ(manager.GetString("absurd", 1), "after");
    EXPECT_STREQ(manager.GetString("absurd", 2), "");
    std::srand(1);
    std::set<std::string> seen;
    for (int i = 0; i < 20000 && seen.size() < 2; ++i)
        seen.insert(manager.GetString("absurd", 3));
    EXPECT_EQ(seen, (std::set<std::string> {"", "last"}));
    EXPECT_NE(SandboxDebugLog().find("claims 2000000000 texts"), std::string::npos);
}
