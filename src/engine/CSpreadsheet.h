#pragma once
// Data tables: a sheet keeps the lines of a text file that begin with "#" (its rows,
// each whole with its line end); CSV splits one row into columns.
#include <memory>
#include <string>
#include <vector>

// The data rows of one table file, in file order.
class CSpreadsheet : public std::vector<std::string> {
public:
    // Reads the file through Mac_fopen. A missing file logs
    // "Failed to find spreadsheet: %s, errno = %d" and leaves the sheet empty.
    explicit CSpreadsheet(const std::string& path);
    CSpreadsheet(const CSpreadsheet&) = delete;
    CSpreadsheet& operator=(const CSpreadsheet&) = delete;
    virtual ~CSpreadsheet();

    // A new sheet, never null (empty when the file cannot be read).
    static std::unique_ptr<CSpreadsheet> Create(const std::string& path);

    // Whether the file could be opened (an empty sheet may still be a found file).
    bool WasRead() const { return read_; }
    const std::string& GetPath() const { return path_; }
    // The file's line number (from 1) of a row.
    int GetLineNumber(size_t row) const { return row < lines_.size() ? lines_[row] : 0; }

    // Names the file and line of a row text held by a live sheet, for error reports;
    // empty when no sheet holds it.
    static std::string DescribeRow(const char* rowText);

private:
    std::string path_;
    std::vector<int> lines_;
    bool read_ = false;
};

// Splits one row into columns at a separator; double quotes group (and are dropped).
class CSV {
public:
    CSV() = default;
    CSV(const CSV&) = delete;
    CSV& operator=(const CSV&) = delete;
    virtual ~CSV() = default;

    // Copies the row; rows of 16,384 characters or more stop the program.
    void Initialise(const char* text, char separator);
    void Initialise(const std::string& text, char separator) { Initialise(text.c_str(), separator); }

    // The next column as raw text (valid until the next call). Reading past the end of
    // the row, or a row that ends inside quotes, stops the program after the debug log
    // has named the table and row.
    const char* GetNextToken();
    // The next column without trailing line feeds, carriage returns and spaces.
    std::string GetNextString();
    float GetNextFloat();
    int GetNextInt();
    // True once the read position has reached the end of the row.
    bool Finished() const { return readPos_ >= text_.size(); }

private:
    [[noreturn]] void Fail(const char* why) const;

    size_t readPos_ = 0;
    std::string text_;
    std::string token_;
    char separator_ = ',';
};
