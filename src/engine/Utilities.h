#pragma once
// Free helpers shared by the whole game: the fatal-error report, folder creation, text
// helpers, numbers with thousands separators, free file names, key codes to characters,
// opening links, and plane geometry.
#include "engine/PrivateProfile.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// Shows the "Fatal Error" alert naming the function and ends the process at once.
[[noreturn]] void WindowsError(const char* functionName);

// Creates the folder named by the path's last component when nothing exists under that
// exact (case-sensitive) name; the parent must exist. A failure is fatal.
void EnsureDirectoryExists(const std::string& path);

// Without trailing line feeds, carriage returns and spaces (tabs stay).
std::string TrimEnd(const std::string& text);
std::string LowerCase(const std::string& text);
std::string UpperCase(const std::string& text);

// Copies the text into a buffer of `size` bytes, cut to fit and always terminated; returns
// the characters copied (0 for a null or empty buffer).
size_t CopyCut(const std::string& text, char* buffer, size_t size);

// The text cut to `length` characters with "..." appended when it is longer.
std::string AddDots(const std::string& text, size_t length);
// The same into a buffer of `size` bytes, cut to fit.
void AddDots(const char* text, size_t length, char* out, size_t size);

// Splits "key = value" at the first "="; false (outputs untouched) without one.
bool SplitKeyValue(const std::string& text, std::string& key, std::string& value);
bool SplitKeyValue(const char* text, char* key, size_t keySize, char* value, size_t valueSize);

// The number in decimal with "," between groups of three digits ("-1,234,567").
std::string NumToDelimitedChar(long long number);
// The same into a buffer of `size` bytes, cut to fit; returns the buffer.
char* NumToDelimitedChar(long long number, char* buffer, size_t size);
template <size_t N>
char* NumToDelimitedChar(long long number, char (&buffer)[N])
{
    return NumToDelimitedChar(number, buffer, N);
}

// A counter, fame or amount shown as a whole number: cut toward zero; a value that is no
// number reads 0 and one beyond +-9e15 is held there, so no conversion overflows.
long long WholeNumber(double value);

// The game's one money formatter: an amount of money as WholeNumber, written with digit
// groups ("1,234,567"; "-12" for -12.9).
std::string FormatMoney(double amount);
// The same without the sign, for read-outs that show a negative amount by its colour.
std::string FormatMoneyMagnitude(double amount);

// The game's one percentage helper: a fraction as whole percent, cut toward zero the way
// the screens show it, but without float artefacts (0.29f is 29, not 28). NaN reads as 0.
int PercentOf(double fraction);
// The same written with its sign: "29%".
std::string FormatPercent(double fraction);

// Hands every line of the open file to `use`, each with its line end; the text after the
// last line end comes last (empty when the file ends with one).
void ForEachLine(FILE* file, const std::function<void(const std::string&)>& use);

// The first of "base.ext", "base(1).ext", "base(2).ext"... that does not open.
std::string GetSafeFilename(const std::string& base, const std::string& extension);

// The character of a letter, digit or punctuation key code (Mac virtual key codes),
// lower case; 0 for every other key.
char DikToChar(int keyCode);

// Opens the URL with the desktop's handler (never under IsNonInteractive()).
void LaunchWebPage(const std::string& url);
// Opens a new mail "mailto:address?subject=...&body=..." with subject and body
// percent-encoded.
void LaunchEmail(const std::string& subject, const std::string& body, const std::string& address);
// The "mailto:" link LaunchEmail opens.
std::string BuildMailtoLink(const std::string& subject, const std::string& body, const std::string& address);

float GetDist(float x1, float y1, float x2, float y2);
// atan2 of the direction from point 1 to point 2, radians.
double Angle(double x1, double y1, double x2, double y2);
// That direction as a clockwise heading in degrees in screen coordinates: right 90,
// down 180, left 270, up just below 360.
float AngleToObject(double x1, double y1, double x2, double y2);

bool IsWindowsXP();
void CheckDebugHeap(bool on);
