#pragma once
// Decoding PNG, JPEG and uncompressed BMP files into four bytes per pixel.
#include <cstdint>
#include <string>
#include <vector>

// Rows from the top, bytes red, green, blue, alpha. False (outputs untouched) when the
// file cannot be read or decoded.
bool DecodeImageFile(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba);

// Starts decoding these files, in order, on a thread of its own, so that DecodeImageFile
// of one of them later takes the finished picture (waiting for it while it is still being
// decoded) instead of decoding the file on the caller's thread. Each listed picture is
// handed out once; a later call for the same file decodes it again. A new call drops what
// the last one left; pictures never asked for stay in memory until then or until
// StopImagePrefetch. Paths match as written, after "." and ".." are resolved.
void PrefetchImageFiles(const std::vector<std::string>& paths);

// Stops the prefetch thread (after the picture it is decoding) and drops what is left.
void StopImagePrefetch();
