#include "iniparser/dictionary.h"
#include "iniparser/iniparser.h"
#include "iniparser/strlib.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using Dict = std::unique_ptr<dictionary, void (*)(dictionary*)>;

Dict Parse(const std::string& text)
{
    return Dict(iniparser_load_text(text), iniparser_freedict);
}

const char* Get(const Dict& d, const char* key)
{
    return iniparser_getstring(d.get(), key, "<missing>");
}

} // namespace

struct SyntaxCase {
    const char* text;
    const char* key;
    const char* expected;
};

void PrintTo(const SyntaxCase& c, std::ostream* os)
{
    *os << ::testing::PrintToString(std::string(c.text));
}


class IniSyntaxTest : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(IniSyntaxTest, ValueAsRead)
{
    const SyntaxCase& c = GetParam();
    Dict d = Parse(c.text);
    EXPECT_STREQ(Get(d, c.key), c.expected) << "text: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Lines, IniSyntaxTest, ::testing::Values(
    SyntaxCase {"[s]\nkey = value ; note\n", "s:key", "value"},
    SyntaxCase {"[s]\nkey = value # note\n", "s:key", "value"},
    SyntaxCase {"[s]\nkey=value\n", "s:key", "value"},
    SyntaxCase {"[s]\n   key   =   spaced out value   \r\n", "s:key", "spaced out value"},
    SyntaxCase {"[s]\nkey = \"a;b#c\" trailing\n", "s:key", "a;b#c"},
    SyntaxCase {"[s]\nkey = 'single; quoted'\n", "s:key", "single; quoted"},
    SyntaxCase {"[s]\nkey = \"  padded  \"\n", "s:key", "  padded"},
    SyntaxCase {"[s]\nkey = \"never closed\n", "s:key", "never closed"},
    SyntaxCase {"[s]\nkey = a=b\n", "s:key", "a=b"},
    SyntaxCase {"[s]\nkey =\n", "s:key", "<missing>"},              // nothing after "="
    SyntaxCase {"[s]\nkey = ; only a note\n", "s:key", "<missing>"},
    SyntaxCase {"[s]\nno equals sign\n", "s:no equals sign", "<missing>"},
    SyntaxCase {"[s]\n= value\n", "s:", "<missing>"},
    SyntaxCase {"[s]\nkey = ''\n", "s:key", "''"},                   // two quotes and a line end
    SyntaxCase {"[s]\nkey = ''", "s:key", ""},                       // last line without line end
    SyntaxCase {"[s]\nkey = \"\"", "s:key", ""},
    SyntaxCase {"[s]\nkey = \"\"\n", "s:key", "\"\""},              // two quotes and a line end
    SyntaxCase {"[s]\nkey = ''\r\n", "s:key", "''"},
    SyntaxCase {"[s]\nkey=\"it's\"\n", "s:key", "it's"},
    SyntaxCase {"[s]\nkey = 'say \"hi\"'\n", "s:key", "say \"hi\""},
    SyntaxCase {"[s]\nkey = v\t; note\n", "s:key", "v"},
    SyntaxCase {"[s]\nkey = a # b ; c\n", "s:key", "a"},
    SyntaxCase {"[s]\nmy key\t= v\n", "s:my key", "v"},            // inner spaces stay, tab cut
    SyntaxCase {"[s]\na;b = v\n", "s:a;b", "v"},                    // ";" inside a key is no comment
    SyntaxCase {"[s] ; note\nk = v\n", "s:k", "v"},
    SyntaxCase {"[s]\nk = 1\n[t]\n[s]\nk = 2\n", "s:k", "2"},      // a section opened again
    SyntaxCase {"[s]\nk = 1\n[t]\nk = 2\n", "s:k", "1"},
    SyntaxCase {"[s]\r\nk = v\r\n", "s:k", "v"},
    SyntaxCase {"[s]\n; key = commented\n", "s:key", "<missing>"},
    SyntaxCase {"[s]\n# key = commented\n", "s:key", "<missing>"},
    SyntaxCase {"[s]\n  \t ; indented comment\nkey = v\n", "s:key", "v"},
    SyntaxCase {"[s]\nkey = first\nkey = second\n", "s:key", "second"},
    SyntaxCase {"[s]\nKey = upper\n", "s:key", "<missing>"},
    SyntaxCase {"[S]\nkey = upper section\n", "s:key", "<missing>"},
    SyntaxCase {"[S]\nkey = upper section\n", "S:key", "upper section"},
    SyntaxCase {"top = before sections\n[s]\n", "top", "before sections"},
    SyntaxCase {"top = before sections\n[s]\n", ":top", "<missing>"},
    SyntaxCase {"[ spaced ]\nk = v\n", " spaced :k", "v"},           // names are not trimmed
    SyntaxCase {"[open\nk = v\n", "open\n:k", "v"}                  // no "]": to the line end
));

TEST(IniParserTest, SectionsInFileOrderWithoutValues)
{
    Dict d = Parse("[b]\nx = 1\n[a]\ny = 2\n");
    EXPECT_EQ(iniparser_getnsec(d.get()), 2);
    EXPECT_STREQ(iniparser_getsecname(d.get(), 0), "b");
    EXPECT_STREQ(iniparser_getsecname(d.get(), 1), "a");
    EXPECT_EQ(iniparser_getsecname(d.get(), 2), nullptr);
    EXPECT_EQ(iniparser_getstring(d.get(), "b", "def"), nullptr); // a section has no value
    EXPECT_TRUE(iniparser_find_entry(d.get(), "a:y"));
    EXPECT_FALSE(iniparser_find_entry(d.get(), "A:y"));
}

TEST(IniParserTest, LongLinesAreReadWhole)
{
    std::string value(5000, 'v');
    Dict d = Parse("[s]\nkey = " + value + "\nnext = 1\n");
    EXPECT_EQ(std::string(Get(d, "s:key")), value);
    EXPECT_STREQ(Get(d, "s:next"), "1");
    EXPECT_EQ(d->n, 3);
}

TEST(IniParserTest, MissingFileIsNull)
{
    EXPECT_EQ(iniparser_load("/nonexistent/amplivance/file.ini"), nullptr);
}

TEST(IniParserTest, TypedGetters)
{
    Dict d = Parse("[s]\ni = 42\nf = 2.5\nyes = Yes\nno = false\nodd = maybe\n");
    EXPECT_EQ(iniparser_getint(d.get(), "s:i", -1), 42);
    EXPECT_EQ(iniparser_getint(d.get(), "s:none", -1), -1);
    EXPECT_DOUBLE_EQ(iniparser_getdouble(d.get(), "s:f", 0), 2.5);
    EXPECT_EQ(iniparser_getboolean(d.get(), "s:yes", -1), 1);
    EXPECT_EQ(iniparser_getboolean(d.get(), "s:no", -1), 0);
    EXPECT_EQ(iniparser_getboolean(d.get(), "s:odd", -1), -1);
}

TEST(DictionaryTest, OneAtATimeHash)
{
    EXPECT_EQ(dictionary_hash(""), 0u);
    EXPECT_EQ(dictionary_hash("a"), 0xca2e9442u);
    // Bytes above 127 count as negative numbers.
    EXPECT_NE(dictionary_hash("\xe9"), dictionary_hash("\x69"));
}

TEST(DictionaryTest, GrowsKeepsOrderAndReusesFreedSlots)
{
    dictionary* d = dictionary_new(0);
    EXPECT_EQ(d->size, 128);
    for (int i = 0; i < 300; ++i)
        dictionary_setint(d, ("k" + std::to_string(i)).c_str(), i);
    EXPECT_EQ(d->n, 300);
    EXPECT_EQ(d->size, 512);
    EXPECT_STREQ(d->key[0], "k0");
    EXPECT_STREQ(d->key[299], "k299");
    EXPECT_EQ(dictionary_getint(d, "k150", -1), 150);

    dictionary_unset(d, "k5");
    dictionary_unset(d, "absent");
    EXPECT_EQ(d->n, 299);
    EXPECT_EQ(dictionary_get(d, "k5", "gone"), std::string("gone"));
    dictionary_set(d, "new", "x");
    EXPECT_STREQ(d->key[5], "new"); // first free slot from the start

    dictionary_set(d, "k7", "replaced");
    EXPECT_EQ(d->n, 300);
    EXPECT_STREQ(dictionary_get(d, "k7", nullptr), "replaced");
    dictionary_set(nullptr, "x", "y"); // no table: nothing happens
    dictionary_set(d, nullptr, "y");
    dictionary_del(d);
}

TEST(StrlibTest, Routines)
{
    EXPECT_EQ(strlwc("MiXeD 1"), "mixed 1");
    EXPECT_EQ(strupc("MiXeD 1"), "MIXED 1");
    EXPECT_EQ(strskp(" \t\n\v\f\rword "), "word ");
    EXPECT_EQ(strcrop(" word \t\r\n"), " word");
    EXPECT_EQ(strstrip("  a b  "), "a b");
    EXPECT_EQ(strstrip("   "), "");
}
