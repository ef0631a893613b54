#include "engine/Utilities.h"

#include "engine/GDebugEngine.h"
#include "port/MacFile.h"
#include "port/Report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kSupportAddress = "support@amplivance.invalid";

bool IsTrimmed(char c)
{
    return c == '\n' || c == '\r' || c == ' ';
}

std::string PercentEncode(const std::string& text)
{
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// A URL worth handing to the desktop: a scheme, then printable ASCII without spaces.
bool LooksLikeUrl(const std::string& url)
{
    size_t colon = url.find(':');
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(url[0])))
        return false;
    for (size_t i = 0; i < colon; ++i) {
        unsigned char c = static_cast<unsigned char>(url[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    for (unsigned char c : url)
        if (c <= ' ' || c >= 127)
            return false;
    return colon + 1 < url.size();
}

// The program's full path from PATH, found before forking so the child only calls exec.
std::string FindInPath(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string candidate = dirs.substr(start, end - start);
        candidate = (candidate.empty() ? "." : candidate) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

} // namespace

void WindowsError(const char* functionName)
{
    AlertRequest alert;
    alert.title = "Fatal Error";
    alert.message = std::string("Sorry, a fatal error occurred in the function '") +
                    (functionName ? functionName : "") + "'.  Please report the problem to " +
                    kSupportAddress + ".  Thanks.";
    alert.buttons = {"OK"};
    DebugOutF("%s", alert.message.c_str());
    ShowAlert(alert);
    std::_Exit(EXIT_FAILURE);
}

void EnsureDirectoryExists(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    // symlink_status compares the name exactly as the file system stores it.
    if (fs::exists(fs::symlink_status(fs::path(path), ec)))
        return;
    if (!fs::create_directory(fs::path(path), ec) || ec)
        WindowsError("EnsureDirectoryExists");
}

std::string TrimEnd(const std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string LowerCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string UpperCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

size_t CopyCut(const std::string& text, char* buffer, size_t size)
{
    if (!buffer || size == 0)
        return 0;
    size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

std::string AddDots(const std::string& text, size_t length)
{
    if (text.size() <= length)
        return text;
    return text.substr(0, length) + "...";
}

void AddDots(const char* text, size_t length, char* out, size_t size)
{
    CopyCut(AddDots(std::string(text ? text : ""), length), out, size);
}

bool SplitKeyValue(const std::string& text, std::string& key, std::string& value)
{
    size_t eq = text.find('=');
    if (eq == std::string::npos)
        return false;
    size_t start = eq + 1;
    while (start < text.size() && text[start] == ' ')
        ++start;
    key = TrimEnd(text.substr(0, eq));
    value = TrimEnd(text.substr(start));
    return true;
}

bool SplitKeyValue(const char* text, char* key, size_t keySize, char* value, size_t valueSize)
{
    std::string k, v;
    if (!text || !SplitKeyValue(std::string(text), k, v))
        return false;
    CopyCut(k, key, keySize);
    CopyCut(v, value, valueSize);
    return true;
}

std::string NumToDelimitedChar(long long number)
{
    // Unsigned magnitude, so the most negative number has a magnitude too.
    unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                              : static_cast<unsigned long long>(number);
    std::string digits = std::to_string(magnitude);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return number < 0 ? "-" + out : out;
}

char* NumToDelimitedChar(long long number, char* buffer, size_t size)
{
    CopyCut(NumToDelimitedChar(number), buffer, size);
    return buffer;
}

long long WholeNumber(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double top = 9.0e15;
    if (value >= top)
        return static_cast<long long>(top);
    if (value <= -top)
        return -static_cast<long long>(top);
    return static_cast<long long>(value);
}

std::string FormatMoney(double amount) { return NumToDelimitedChar(WholeNumber(amount)); }

std::string FormatMoneyMagnitude(double amount)
{
    return NumToDelimitedChar(WholeNumber(std::fabs(amount)));
}

int PercentOf(double fraction)
{
    if (std::isnan(fraction))
        return 0;
    // A fraction read from a float is off by a few ulps; a small allowance keeps 0.29f
    // at 29 while 0.289 still reads 28.
    const double percent = std::clamp(fraction * 100.0, -1e9, 1e9);
    const double whole = std::trunc(std::fabs(percent) + 1e-4);
    return static_cast<int>(percent < 0 ? -whole : whole);
}

std::string FormatPercent(double fraction) { return std::to_string(PercentOf(fraction)) + "%"; }

void ForEachLine(FILE* file, const std::function<void(const std::string&)>& use)
{
    std::string line;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        line += char(c);
        if (c == '\n') {
            use(line);
            line.clear();
        }
    }
    use(line);
}

std::string GetSafeFilename(const std::string& base, const std::string& extension)
{
    std::string name = base + "." + extension;
    for (int n = 1;; ++n) {
        FILE* f = Mac_fopen(name.c_str(), "r");
        if (!f)
            return name;
        std::fclose(f);
        name = base + "(" + std::to_string(n) + ")." + extension;
    }
}

char DikToChar(int keyCode)
{
    // Index = Mac virtual key code; 0 for keys without a character.
    static const char table[] = {
        'a', 's', 'd', 'f', 'h', 'g', 'z', 'x', 'c', 'v', 0,   'b', 'q', 'w', 'e', 'r', // 0-15
        'y', 't', '1', '2', '3', '4', '6', '5', 0,   '9', '7', '-', '8', '0', 0,   'o', // 16-31
        'u', 0,   'i', 'p', 0,   'l', 'j', '\'', 'k', 0,  0,   ',', 0,   'n', 'm', '.', // 32-47
        0,   ' ',                                                                        // 48-49
    };
    if (keyCode < 0 || keyCode >= int(sizeof table))
        return 0;
    return table[keyCode];
}

void LaunchWebPage(const std::string& url)
{
    if (IsNonInteractive() || !LooksLikeUrl(url))
        return;
    std::string opener = FindInPath("xdg-open");
    if (opener.empty()) {
        DebugOutF("No xdg-open to open %s", url.c_str());
        return;
    }
    // Two forks: the opener is adopted by init, so no child is left unreaped.
    pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            char* const argv[] = {const_cast<char*>(opener.c_str()), const_cast<char*>(url.c_str()), nullptr};
            execv(argv[0], argv);
            _exit(127);
        }
        _exit(0);
    }
    if (child > 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
}

std::string BuildMailtoLink(const std::string& subject, const std::string& body, const std::string& address)
{
    return "mailto:" + address + "?subject=" + PercentEncode(subject) + "&body=" + PercentEncode(body);
}

void LaunchEmail(const std::string& subject, const std::string& body, const std::string& address)
{
    LaunchWebPage(BuildMailtoLink(subject, body, address));
}

float GetDist(float x1, float y1, float x2, float y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

double Angle(double x1, double y1, double x2, double y2)
{
    return std::atan2(y2 - y1, x2 - x1);
}

float AngleToObject(double x1, double y1, double x2, double y2)
{
    // The 32-bit float values of 3.14159 and 57.295826, widened: headings shipped with
    // the game's data carry their small offsets.
    const double pi = double(3.14159f);
    const double toDegrees = double(57.295826f);
    float heading = float((pi + Angle(x1, y1, x2, y2)) * toDegrees - 90.0);
    if (heading < 0.0f)
        heading += 360.0f;
    return heading;
}

bool IsWindowsXP()
{
    return false;
}

void CheckDebugHeap(bool) {}
