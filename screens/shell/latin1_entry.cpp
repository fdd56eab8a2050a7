#include "screens/shell/latin1_entry.h"

namespace {

constexpr char16_t LastLatin1 = 0xFF;

}  // namespace

Latin1Entry::Latin1Entry(Case letterCase, QObject* parent)
    : QValidator(parent), letterCase_(letterCase) {}

QValidator::State Latin1Entry::validate(QString& input, int& /*position*/) const {
  for (QChar& character : input) {
    if (character.unicode() > LastLatin1) return Invalid;
    if (letterCase_ == Case::Upper) {
      const QChar capital = character.toUpper();
      if (capital.unicode() <= LastLatin1) character = capital;
    }
  }
  return Acceptable;  // also when empty: Enter in an empty field is a valid entry
}
