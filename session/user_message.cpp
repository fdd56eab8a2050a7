#include "session/user_message.h"

#include <utility>

namespace {
UserMessageHandler& Handler() {
  static UserMessageHandler handler;
  return handler;
}
}  // namespace

void SetUserMessageHandler(UserMessageHandler handler) {
  Handler() = std::move(handler);
}

void ShowUserMessage(const std::string& text) {
  if (Handler()) Handler()(text);
}
