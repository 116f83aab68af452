#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The moments of a save a test may look in on: the temporary file has just
// been created (still empty), or it holds everything and is about to replace
// the target.
enum class SaveStep { Created, Written };
using SaveStepHook = std::function<void(SaveStep step, const std::string& temporaryPath)>;

// Temporary files are named prefix + random letters and digits + suffix: short
// enough beside any legal target name, and recognisable when a killed save
// left one behind.
inline constexpr std::string_view kSaveTemporaryPrefix = ".prevora-";
inline constexpr std::size_t kSaveTemporaryRandomLength = 12;
inline constexpr std::string_view kSaveTemporarySuffix = ".tmp";

// Replaces the file at `path` by `contents`; at every moment the path holds the
// old file or the whole new one, also after a power loss once this returned.
// - Refuses a name with control characters, a target that exists and is not a
//   regular file, and a link that leads nowhere or round in a loop.
// - A link to a regular file stays a link; the file it leads to is replaced.
//   A file with several hard links is replaced under the name saved to only.
// - The new file carries the old one's permissions (plus the owner's write
//   permission) from the moment it exists and, where the process may set them,
//   the old owner and group; a new file gets the user's default permissions.
// - On failure the target, its content and its mode are as before and no
//   temporary file is left.
// - Temporaries of this naming left in the folder by a save killed part way,
//   older than a minute, are removed.
// Returns an empty text on success, otherwise the reason, ready to show.
std::string SaveFileContents(const std::string& path, std::string_view contents, const SaveStepHook& hook = {});
