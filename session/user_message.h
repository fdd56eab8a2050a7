#pragma once

#include <functional>
#include <string>

// How the core tells the user about a failure (for example a session file that could not be
// written). The program routes it to its information box; until a handler is installed the
// message goes nowhere.
using UserMessageHandler = std::function<void(const std::string& text)>;

void SetUserMessageHandler(UserMessageHandler handler);
void ShowUserMessage(const std::string& text);
