#pragma once
// Small text routines of the INI parser. White space is what isspace() accepts.
#include <string>

std::string strlwc(const std::string& s);   // lower case
std::string strupc(const std::string& s);   // upper case
std::string strskp(const std::string& s);   // without leading white space
std::string strcrop(const std::string& s);  // without trailing white space
std::string strstrip(const std::string& s); // without leading and trailing white space
