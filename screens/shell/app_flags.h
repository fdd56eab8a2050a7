#pragma once

// Program-wide flags beside the session record; never saved. All false at start-up.
inline bool SupervisorMode = false;  // started with the supervisor switch
inline bool LoggedIn = false;        // a student passed the password test in this run
inline bool PromptMode = false;      // the measurement screen works on the prompt, not the decay
