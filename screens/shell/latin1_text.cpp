#include "screens/shell/latin1_text.h"

#include <string>

QString TextOf(const String32& text) {
  const std::string stored = text.Text();
  return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}

void AssignText(String32& target, const QString& text) {
  const QByteArray latin1 = text.toLatin1();
  target.Assign(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size())));
}
