#pragma once

#include <QValidator>

// Keeps what is typed into a field storable in the session record, which holds 8-bit Latin-1
// text: a character outside Latin-1 is refused as it is typed or pasted. With upper case on,
// every letter becomes its capital, as long as that capital is itself a Latin-1 character
// ("ß", "ÿ" and "µ" have none and stay as typed).
class Latin1Entry : public QValidator {
  Q_OBJECT

 public:
  enum class Case { AsTyped, Upper };

  Latin1Entry(Case letterCase, QObject* parent);

  State validate(QString& input, int& position) const override;

 private:
  Case letterCase_;
};
