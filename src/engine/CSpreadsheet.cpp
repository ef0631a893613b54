#include "engine/CSpreadsheet.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"
#include "engine/Utilities.h"
#include "port/MacFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

// Live sheets, so a failing row can be traced to its file.
std::vector<const CSpreadsheet*>& LiveSheets()
{
    static std::vector<const CSpreadsheet*> sheets;
    return sheets;
}

const size_t kMaxRowLength = 16384;

} // namespace

CSpreadsheet::CSpreadsheet(const std::string& path) : path_(path)
{
    LiveSheets().push_back(this);
    if (path.size() < 2)
        return;
    FILE* f = Mac_fopen(path.c_str(), "r");
    if (!f) {
        DebugOutF("Failed to find spreadsheet: %s, errno = %d", path.c_str(), errno);
        return;
    }
    read_ = true;
    int lineNumber = 1;
    ForEachLine(f, [&](const std::string& line) {
        if (!line.empty() && line[0] == '#') {
            push_back(line);
            lines_.push_back(lineNumber);
        }
        ++lineNumber;
    });
    std::fclose(f);
}

CSpreadsheet::~CSpreadsheet()
{
    auto& sheets = LiveSheets();
    sheets.erase(std::remove(sheets.begin(), sheets.end(), this), sheets.end());
}

std::unique_ptr<CSpreadsheet> CSpreadsheet::Create(const std::string& path)
{
    return std::make_unique<CSpreadsheet>(path);
}

std::string CSpreadsheet::DescribeRow(const char* rowText)
{
    if (!rowText)
        return {};
    for (const CSpreadsheet* sheet : LiveSheets())
        for (size_t i = 0; i < sheet->size(); ++i)
            if ((*sheet)[i] == rowText)
                return sheet->path_ + " line " + std::to_string(sheet->GetLineNumber(i));
    return {};
}

void CSV::Initialise(const char* text, char separator)
{
    std::string row = text ? text : "";
    if (row.size() >= kMaxRowLength) {
        DebugOutF("Table row too long in %s: %.80s...", CSpreadsheet::DescribeRow(text).c_str(), row.c_str());
        EngineAssertFailed(__FILE__, __LINE__, "BufferLen < 16384");
    }
    text_ = std::move(row);
    token_.clear();
    token_.reserve(text_.size());
    separator_ = separator;
    readPos_ = 0;
}

void CSV::Fail(const char* why) const
{
    std::string where = CSpreadsheet::DescribeRow(text_.c_str());
    DebugOutF("Bad table row (%s) in %s: %s", why, where.empty() ? "an unknown table" : where.c_str(),
              TrimEnd(text_).c_str());
    EngineAssertFailed(__FILE__, __LINE__, "Readpos <= BufferLen");
}

const char* CSV::GetNextToken()
{
    if (readPos_ > text_.size())
        Fail("fewer columns than read");
    token_.clear();
    bool inQuotes = false;
    while (readPos_ < text_.size()) {
        char c = text_[readPos_];
        if (!inQuotes && c == separator_)
            break;
        if (c == '"')
            inQuotes = !inQuotes;
        else
            token_ += c;
        ++readPos_;
    }
    if (inQuotes)
        Fail("quote left open");
    ++readPos_; // past the separator, or past the end of the row
    return token_.c_str();
}

std::string CSV::GetNextString()
{
    return TrimEnd(GetNextToken());
}

float CSV::GetNextFloat()
{
    return float(std::atof(GetNextString().c_str()));
}

int CSV::GetNextInt()
{
    return std::atoi(GetNextString().c_str());
}
