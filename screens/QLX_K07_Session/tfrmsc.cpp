// The session control screen's controls, their places, tab order and focus hints.
#include "screens/QLX_K07_Session/tfrmsc.h"

#include <QEvent>
#include <QPalette>
#include <algorithm>
#include <iterator>

#include "screens/shell/latin1_entry.h"
#include "session/record_types.h"
#include "session/session_record.h"

namespace {

const QSize ButtonSize(75, 25);
constexpr int EditWidth = 192;
constexpr int EditHeight = 21;

QLabel* CreateLabel(const QString& text, QPoint place, QWidget* form) {
  auto* label = new QLabel(text, form);
  label->move(place);
  label->adjustSize();
  return label;
}

QLabel* CreateHeading(const QString& text, QPoint place, QWidget* form) {
  QLabel* heading = CreateLabel(text, place, form);
  QPalette palette = heading->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  heading->setPalette(palette);
  return heading;
}

QFrame* CreateBevel(QRect area, QWidget* form) {
  auto* bevel = new QFrame(form);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(area);
  return bevel;
}

QLineEdit* CreateEdit(const QString& name, QRect area, QWidget* form) {
  auto* edit = new QLineEdit(form);
  edit->setObjectName(name);
  edit->setGeometry(area);
  return edit;
}

// A login field: 8-bit text of at most the 32 characters the session record keeps, so that a
// reference or password cut to 32 characters when the session was created can still be typed.
QLineEdit* CreateLoginEdit(const QString& name, QPoint place, Latin1Entry::Case letterCase,
                           QWidget* form) {
  QLineEdit* edit = CreateEdit(name, QRect(place, QSize(EditWidth, EditHeight)), form);
  edit->setMaxLength(String32::Capacity);
  edit->setValidator(new Latin1Entry(letterCase, edit));
  return edit;
}

// Shows state only: never enabled, so the user can never change it.
QCheckBox* CreateCheckBox(const QString& name, const QString& caption, QPoint place,
                          QWidget* form) {
  auto* box = new QCheckBox(caption, form);
  box->setObjectName(name);
  box->move(place);
  box->adjustSize();
  box->setEnabled(false);
  return box;
}

QPushButton* CreateButton(const QString& name, const QString& caption, QPoint place,
                          QWidget* form) {
  auto* button = new QPushButton(caption, form);
  button->setObjectName(name);
  button->setGeometry(QRect(place, ButtonSize));
  return button;
}

}  // namespace

TFRMSC::TFRMSC()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Session Control"), QSize(620, 600),
                 Qt::cyan) {
  CreateControls();
  SetTabOrder();
  ConnectHandlers();
}

void TFRMSC::CreateControls() {
  // Bevels first, so that they lie beneath the controls they frame.
  Bevel1 = CreateBevel(QRect(16, 8, 376, 115), this);
  Bevel2 = CreateBevel(QRect(16, 136, 376, 80), this);
  Bevel3 = CreateBevel(QRect(16, 232, 376, 256), this);
  Label5 = CreateHeading(QStringLiteral("Step 1 - Sample Preparation"), {128, 152}, this);
  Label6 =
      CreateHeading(QStringLiteral("Step 2 - Lifetime measurement and analysis (10 measurements)"),
                    {52, 250}, this);

  Label1 = CreateLabel(QStringLiteral("Session reference:"), {48, 31}, this);
  Edit1 = CreateLoginEdit(QStringLiteral("Edit1"), {184, 24}, Latin1Entry::Case::Upper, this);
  Label2 = CreateLabel(QStringLiteral("Password:"), {48, 64}, this);
  Edit2 = CreateLoginEdit(QStringLiteral("Edit2"), {184, 56}, Latin1Entry::Case::AsTyped, this);
  Edit2->setEchoMode(QLineEdit::Password);
  Label3 = CreateLabel(QStringLiteral("Student name:"), {48, 96}, this);
  Edit3 = CreateEdit(QStringLiteral("Edit3"), QRect(184, 89, EditWidth, EditHeight), this);

  Edit4 = CreateEdit(QStringLiteral("Edit4"), QRect(16, 505, 376, 21), this);
  Edit4->setReadOnly(true);
  Edit4->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  Edit4->setAlignment(Qt::AlignCenter);
  QPalette hintColours = Edit4->palette();
  hintColours.setColor(QPalette::Text, Qt::red);
  Edit4->setPalette(hintColours);

  CheckBox1 = CreateCheckBox(QStringLiteral("CheckBox1"), QStringLiteral("Sample preparation"),
                             {48, 184}, this);
  CheckBox2 = CreateCheckBox(QStringLiteral("CheckBox2"), QStringLiteral("Prompt measurement"),
                             {48, 342}, this);
  CheckBox3 = CreateCheckBox(QStringLiteral("CheckBox3"), QStringLiteral("Decay measurement"),
                             {48, 392}, this);
  CheckBox4 =
      CreateCheckBox(QStringLiteral("CheckBox4"), QStringLiteral("Data analysis"), {48, 442}, this);

  const QString go = QStringLiteral("Go");
  const QString view = QStringLiteral("View");
  Button01 = CreateButton(QStringLiteral("Button01"), go, {192, 176}, this);
  Button02 = CreateButton(QStringLiteral("Button02"), view, {296, 176}, this);

  Label4 = CreateLabel(QStringLiteral("Measurement number"), {52, 292}, this);
  ComboBox1 = new QComboBox(this);  // pick-only: not editable
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(192, 285, 75, 21);
  for (int m = 1; m <= MeasurementCount; ++m)
    ComboBox1->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')), m);

  Button03 = CreateButton(QStringLiteral("Button03"), go, {192, 334}, this);
  Button04 = CreateButton(QStringLiteral("Button04"), view, {296, 334}, this);
  Button05 = CreateButton(QStringLiteral("Button05"), go, {192, 384}, this);
  Button06 = CreateButton(QStringLiteral("Button06"), view, {296, 384}, this);
  Button07 = CreateButton(QStringLiteral("Button07"), go, {192, 434}, this);
  Button08 = CreateButton(QStringLiteral("Button08"), view, {296, 434}, this);
  Button09 = CreateButton(QStringLiteral("Button09"), QStringLiteral("Export"), {16, 544}, this);
  Button10 = CreateButton(QStringLiteral("Button10"), QStringLiteral("Reset"), {104, 544}, this);
  Button11 = CreateButton(QStringLiteral("Button11"), QStringLiteral("Exit"), {528, 544}, this);
}

void TFRMSC::SetTabOrder() {
  QWidget* const order[] = {Edit1,     Edit2,     Edit3,     Edit4,    CheckBox1,
                            CheckBox2, CheckBox3, CheckBox4, Button01, Button02,
                            ComboBox1, Button03,  Button04,  Button05, Button06,
                            Button07,  Button08,  Button09,  Button10, Button11};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TFRMSC::ConnectHandlers() {
  enterHandlers_ = {
      {Edit1, &TFRMSC::Edit1Enter},       {Edit2, &TFRMSC::Edit2Enter},
      {Edit4, &TFRMSC::Edit4Enter},       {ComboBox1, &TFRMSC::ComboBox1Enter},
      {Button01, &TFRMSC::Button01Enter}, {Button02, &TFRMSC::Button02Enter},
      {Button03, &TFRMSC::Button03Enter}, {Button04, &TFRMSC::Button04Enter},
      {Button05, &TFRMSC::Button05Enter}, {Button06, &TFRMSC::Button06Enter},
      {Button07, &TFRMSC::Button07Enter}, {Button08, &TFRMSC::Button08Enter},
      {Button09, &TFRMSC::Button09Enter}, {Button10, &TFRMSC::Button10Enter},
      {Button11, &TFRMSC::Button11Enter},
  };
  for (const auto& [control, handler] : enterHandlers_) control->installEventFilter(this);

  connect(Edit1, &QLineEdit::returnPressed, this, &TFRMSC::Edit1KeyPress);
  connect(Edit2, &QLineEdit::returnPressed, this, &TFRMSC::Edit2KeyPress);
  // Only the student's own picks: the refresh selects entries without changing the record.
  connect(ComboBox1, &QComboBox::activated, this, &TFRMSC::ComboBox1Change);

  const std::pair<QPushButton*, void (TFRMSC::*)()> clicks[] = {
      {Button01, &TFRMSC::Button01Click}, {Button02, &TFRMSC::Button02Click},
      {Button03, &TFRMSC::Button03Click}, {Button04, &TFRMSC::Button04Click},
      {Button05, &TFRMSC::Button05Click}, {Button06, &TFRMSC::Button06Click},
      {Button07, &TFRMSC::Button07Click}, {Button08, &TFRMSC::Button08Click},
      {Button09, &TFRMSC::Button09Click}, {Button10, &TFRMSC::Button10Click},
      {Button11, &TFRMSC::Button11Click},
  };
  for (const auto& [button, handler] : clicks)
    connect(button, &QPushButton::clicked, this, handler);
}

bool TFRMSC::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) RunEnterHandler(watched);
  return ScreenForm::eventFilter(watched, event);
}

void TFRMSC::RunEnterHandler(const QObject* control) {
  const auto found = std::find_if(enterHandlers_.begin(), enterHandlers_.end(),
                                  [control](const auto& entry) { return entry.first == control; });
  if (found != enterHandlers_.end()) (this->*found->second)();
}

void TFRMSC::GiveFocus(QWidget* control) {
  control->setFocus(Qt::OtherFocusReason);
  // A control that had the focus already gets no focus event; its hint is shown all the same.
  RunEnterHandler(control);
}

void TFRMSC::Edit1Enter() {
  Edit4->setText(QStringLiteral("HINT LINE ->   Input session name <Enter>.   <- HINT LINE"));
}
void TFRMSC::Edit2Enter() {
  Edit4->setText(QStringLiteral("Input your password <Enter>."));
}
void TFRMSC::ComboBox1Enter() {
  Edit4->setText(QStringLiteral("Select measurement number."));
}
void TFRMSC::Button01Enter() {
  Edit4->setText(QStringLiteral("Prepare a sample."));
}
void TFRMSC::Button02Enter() {
  Edit4->setText(QStringLiteral("View the prepared sample."));
}
void TFRMSC::Button03Enter() {
  Edit4->setText(QStringLiteral("Measure an instrumental profile."));
}
void TFRMSC::Button04Enter() {
  Edit4->setText(QStringLiteral("View the instrumental response."));
}
void TFRMSC::Button05Enter() {
  Edit4->setText(QStringLiteral("Measure a fluorescence decay."));
}
void TFRMSC::Button06Enter() {
  Edit4->setText(QStringLiteral("View the fluorescence decay."));
}
void TFRMSC::Button07Enter() {
  Edit4->setText(QStringLiteral("Analyse the measured data."));
}
void TFRMSC::Button08Enter() {
  Edit4->setText(QStringLiteral("View the data analysis."));
}
void TFRMSC::Button09Enter() {
  Edit4->setText(QStringLiteral("Export the session to a text file."));
}
void TFRMSC::Button10Enter() {
  Edit4->setText(QStringLiteral("Clear all data and start again."));
}
void TFRMSC::Button11Enter() {
  Edit4->setText(QStringLiteral("End session?"));
}

void TFRMSC::Edit4Enter() {
  if (Edit1->isEnabled()) {
    GiveFocus(Edit1);
  } else if (Edit2->isEnabled()) {
    GiveFocus(Edit2);
  } else {
    focusNextChild();  // the next control in tab order that takes the focus by tabbing
  }
}
