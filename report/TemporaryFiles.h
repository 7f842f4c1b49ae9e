#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace rokal {

// A save writes into a temporary file of its own beside the target, named
// "<target name>.rokal-<16 lowercase hex digits>.part", and renames it over the
// target once it is complete.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target, std::uint64_t token);

// A fresh random token for a temporary file's name.
std::uint64_t RandomToken();

// True when name is that of a temporary file of a save of targetName.
bool IsTemporaryNameOf(const std::filesystem::path& name, const std::filesystem::path& targetName);

// A temporary file left unchanged this long belongs to a save that was killed:
// a save in progress keeps writing to its file, and none takes minutes.
inline constexpr std::chrono::minutes kStaleTemporaryAge{10};

// Removes the temporary files of earlier saves of target that were killed: plain
// files named as its temporaries and unchanged for kStaleTemporaryAge. Nothing
// else is touched; a leftover that cannot be removed stays.
void RemoveStaleTemporaries(const std::filesystem::path& target);

}  // namespace rokal
