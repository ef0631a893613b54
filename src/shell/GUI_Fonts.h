#pragma once
// The system-font faces the GUI draws its titles and buttons with.
inline constexpr const char* kBoldFontName = "Verdana bold";
inline constexpr const char* kLCDFontName = "LCD Bold";
