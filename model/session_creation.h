#pragma once

#include <string_view>

struct TSessionRecord;

// What session creation puts into the header of a new session, beside the supervisor's entries.

// The signature every created session file begins with.
constexpr const char* SessionSignature = "Qelti - Vostrelin Experiment";

// True when a reference can name the session file and the text record inside the Sessions
// folder: not empty, no path separator, not "." or "..", no control character. Blanks count
// as ordinary characters.
bool IsUsableReference(std::string_view reference);

// Copies the spectra of a catalogue system into the record: the solvent's absorption and the
// fluorophore's absorption and emission, 200..800 nm.
void CopySystemSpectra(TSessionRecord& record, int system);
