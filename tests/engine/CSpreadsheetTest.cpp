#include "engine/CSpreadsheet.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

class CSpreadsheetTest : public SandboxTest {};

TEST_F(CSpreadsheetTest, RowsAreTheLinesThatBeginWithHash)
{
    resources.Write("data/simulation/t.csv",
                    "Heading,Name,Value\n#,Alpha,100\n  #,indented,1\nnote # not a row\n\n#,\"Beta, the second\",2");
    auto sheet = CSpreadsheet::Create("data\\simulation\\t.csv");
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->WasRead());
    ASSERT_EQ(sheet->size(), 2u);
    EXPECT_EQ((*sheet)[0], "#,Alpha,100\n"); // whole, line end included
    EXPECT_EQ((*sheet)[1], "#,\"Beta, the second\",2");
    EXPECT_EQ(sheet->GetLineNumber(0), 2);
    EXPECT_EQ(sheet->GetLineNumber(1), 6);
}

TEST_F(CSpreadsheetTest, LongRowsAreReadWhole)
{
    std::string longCell(5000, 'x');
    resources.Write("data/long.csv", "#," + longCell + ",1\n#,short,2\n");
    CSpreadsheet sheet("data/long.csv");
    ASSERT_EQ(sheet.size(), 2u);
    EXPECT_EQ(sheet[0].size(), longCell.size() + 5);
}

TEST_F(CSpreadsheetTest, MissingFileGivesEmptySheetAndLogs)
{
    OpenSandboxDebugLog();
    auto sheet = CSpreadsheet::Create("data/nothing.csv");
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->empty());
    EXPECT_FALSE(sheet->WasRead());
    EXPECT_NE(SandboxDebugLog().find("Failed to find spreadsheet: data/nothing.csv, errno = 2"), std::string::npos);
    EXPECT_TRUE(CSpreadsheet::Create("x")->empty()); // too short to be a path
}

TEST(CSVTest, HeadingRowAndTypedGetters)
{
    CSV csv;
    csv.Initialise("#,word,100\n", ',');
    EXPECT_STREQ(csv.GetNextToken(), "#");
    EXPECT_STREQ(csv.GetNextToken(), "word");
    EXPECT_FALSE(csv.Finished());
    EXPECT_STREQ(csv.GetNextToken(), "100\n");
    EXPECT_TRUE(csv.Finished());

    csv.Initialise("#,word,100\n", ',');
    csv.GetNextToken();
    EXPECT_EQ(csv.GetNextString(), "word");
    EXPECT_EQ(csv.GetNextInt(), 100);
}

struct TokenCase {
    const char* row;
    std::vector<std::string> tokens;
};

void PrintTo(const TokenCase& c, std::ostream* os)
{
    *os << ::testing::PrintToString(std::string(c.row));
}


class CSVTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(CSVTokenTest, Tokens)
{
    CSV csv;
    csv.Initialise(GetParam().row, ',');
    std::vector<std::string> got;
    do
        got.push_back(csv.GetNextToken());
    while (!csv.Finished());
    EXPECT_EQ(got, GetParam().tokens) << GetParam().row;
}

INSTANTIATE_TEST_SUITE_P(Rows, CSVTokenTest, ::testing::Values(
    TokenCase {"#,a,b", {"#", "a", "b"}},
    TokenCase {"#,\"a, b\",c", {"#", "a, b", "c"}},
    TokenCase {"#,,c", {"#", "", "c"}},
    TokenCase {"#,  lead,trail  ", {"#", "  lead", "trail  "}},
    TokenCase {"#,x\"y\"z,w", {"#", "xyz", "w"}},
    TokenCase {"#,a,", {"#", "a"}},     // Finished before the empty last cell
    TokenCase {"#,a,\r\n", {"#", "a", "\r\n"}},
    TokenCase {"#,\"\",x", {"#", "", "x"}},
    TokenCase {"#,\"a,\"\"b\",c", {"#", "a,b", "c"}},
    TokenCase {"#,\"x,y\"z,w", {"#", "x,yz", "w"}},
    TokenCase {",", {""}},
    TokenCase {"", {""}}
));

TEST(CSVTest, EmptyCellsConvertToZeroAndTrailingCellCanStillBeRead)
{
    CSV csv;
    csv.Initialise("#,,2.5,", ',');
    csv.GetNextToken();
    EXPECT_FLOAT_EQ(csv.GetNextFloat(), 0.0f);
    EXPECT_FLOAT_EQ(csv.GetNextFloat(), 2.5f);
    EXPECT_TRUE(csv.Finished());
    EXPECT_STREQ(csv.GetNextToken(), ""); // the empty last cell
}

TEST(CSVTest, OtherSeparator)
{
    CSV csv;
    csv.Initialise("a;b,c", ';');
    EXPECT_STREQ(csv.GetNextToken(), "a");
    EXPECT_STREQ(csv.GetNextToken(), "b,c");
}

class CSVDeathTest : public SandboxTest {};

TEST_F(CSVDeathTest, ShortRowNamesFileAndLineBeforeStopping)
{
    OpenSandboxDebugLog();
    resources.Write("data/short.csv", "heading\n#,one\n");
    EXPECT_DEATH(
        {
            CSpreadsheet sheet("data/short.csv");
            CSV csv;
            csv.Initialise(sheet[0], ',');
            csv.GetNextToken();
            csv.GetNextString();
            csv.GetNextInt();
        },
        "Readpos <= BufferLen");
    EXPECT_NE(SandboxDebugLog().find("data/short.csv line 2: #,one"), std::string::npos);
}

TEST(CSVStopTest, OpenQuoteAndOverlongRowsStop)
{
    CSV csv;
    EXPECT_DEATH(
        {
            csv.Initialise("#,\"open", ',');
            csv.GetNextToken();
            csv.GetNextToken();
        },
        "Readpos <= BufferLen");
    EXPECT_DEATH(csv.Initialise(std::string(16384, 'x'), ','), "BufferLen < 16384");
    csv.Initialise(std::string(16383, 'x'), ',');
    EXPECT_EQ(std::string(csv.GetNextToken()).size(), 16383u);
}
