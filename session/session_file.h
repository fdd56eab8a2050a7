#pragma once

#include <optional>
#include <string>
#include <string_view>

// The session file: Sessions/<reference>.qlx under the current working directory, holding
// the session record as one 663,188-byte block. The folder must exist; it is never created.

constexpr const char* SessionFolder = "Sessions";
constexpr const char* SessionFileFailedMessage = "File creation failed.";

// The path of a reference's session file, cut to 255 characters; none for a reference that
// would leave the session folder (a path separator, "." or "..", or a NUL character).
std::optional<std::string> SessionFileName(std::string_view reference);

// Reads the reference's session file over Session. A file that is missing, unreadable or not
// exactly one record long leaves Session exactly as it was; nothing is reported. Values that a
// damaged file holds outside their ranges are brought into range.
void LoadSession(std::string_view reference);

// Writes Session to the file named by its SessionReference. The previous file is replaced only
// once the new one has been written completely. On failure the user is told
// "File creation failed." and false is returned; Session is never changed.
bool SaveSession();

// Puts every field from SamplePrepared onwards back to its reset value; the header and the
// padding bytes stay. Writes nothing to disk.
void ResetSession();
