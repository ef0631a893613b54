#pragma once
// Every user file (saves, options, hints, icon positions, the profile store) is written
// whole to a temporary file, flushed, and renamed over the old one: a crash mid-write
// never leaves a half-written file.
#include <cstddef>
#include <string>
#include <sys/types.h>

// Creates missing parent folders. False (and the old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
// The same; on failure `why` (when given) says what went wrong. The temporary file is
// created exclusively beside the target and never through a symbolic link, every write is
// checked, the data is synced before the rename, and a failed attempt leaves no temporary
// file behind.
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* why);

// The system call that writes the temporary file's bytes (write(2) by default). Tests
// replace it to simulate a full disk; nullptr restores the default.
using AtomicWriteCall = ssize_t (*)(int fd, const void* data, size_t size);
void SetAtomicWriteCall(AtomicWriteCall call);

// Moves a user file the game cannot use out of the way, under the first free name of
// "<path>.bad", "<path>.bad2", "<path>.bad3"... so the game can start afresh and nothing
// is lost or overwritten. The new name, or empty when the file could not be moved.
std::string SetAsideFile(const std::string& path);
