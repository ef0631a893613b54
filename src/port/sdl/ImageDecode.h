#pragma once
// Decoding PNG, JPEG and uncompressed BMP files into four bytes per pixel.
#include <cstdint>
#include <string>
#include <vector>

// Rows from the top, bytes red, green, blue, alpha. False (outputs untouched) when the
// file cannot be read or decoded.
bool DecodeImageFile(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba);
