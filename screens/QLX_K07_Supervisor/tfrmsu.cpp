// The session file creation screen's controls, their places and tab order.
#include "screens/QLX_K07_Supervisor/tfrmsu.h"

#include <QKeyEvent>
#include <iterator>

#include "catalogue/fluorophore_catalogue.h"
#include "screens/shell/latin1_entry.h"

namespace {

constexpr int LabelLeft = 104;
constexpr int LabelDrop = 4;  // a label's text stands level with its field's text
constexpr int EditHeight = 21;
const QSize TextFieldSize(280, EditHeight);
const QSize ParameterFieldSize(75, EditHeight);
constexpr int ParameterLeft = 441;

QLabel* CreateLabel(const QString& text, const QWidget* field, QWidget* form) {
  auto* label = new QLabel(text, form);
  label->move(LabelLeft, field->y() + LabelDrop);
  label->adjustSize();
  return label;
}

// A text field of the session record's 8-bit text, as typed or in capitals.
QLineEdit* CreateTextField(const QString& name, int top, Latin1Entry::Case letterCase,
                           QWidget* form) {
  auto* edit = new QLineEdit(form);
  edit->setObjectName(name);
  edit->setGeometry(QRect(QPoint(236, top), TextFieldSize));
  edit->setValidator(new Latin1Entry(letterCase, edit));
  return edit;
}

QLineEdit* CreateParameterField(const QString& name, int top, QWidget* form) {
  auto* edit = new QLineEdit(form);
  edit->setObjectName(name);
  edit->setGeometry(QRect(QPoint(ParameterLeft, top), ParameterFieldSize));
  return edit;
}

QPushButton* CreateButton(const QString& name, const QString& caption, QRect area, QWidget* form) {
  auto* button = new QPushButton(caption, form);
  button->setObjectName(name);
  button->setGeometry(area);
  button->setAutoDefault(true);  // Enter presses the button that has the focus
  return button;
}

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TFRMSU::TFRMSU()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Session File Creation"),
                 QSize(620, 600), Qt::cyan) {
  CreateControls();
  SetTabOrder();
  ConnectHandlers();
  FormCreate();
}

void TFRMSU::CreateControls() {
  EditT1 = CreateTextField(QStringLiteral("EditT1"), 89, Latin1Entry::Case::Upper, this);
  EditT2 = CreateTextField(QStringLiteral("EditT2"), 121, Latin1Entry::Case::AsTyped, this);
  EditT3 = CreateTextField(QStringLiteral("EditT3"), 153, Latin1Entry::Case::AsTyped, this);
  ComboBox1 = new QComboBox(this);  // pick-only: not editable
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(332, 185, 184, EditHeight);

  EditP1 = CreateParameterField(QStringLiteral("EditP1"), 230, this);
  EditP2 = CreateParameterField(QStringLiteral("EditP2"), 256, this);
  EditP3 = CreateParameterField(QStringLiteral("EditP3"), 282, this);
  EditP4 = CreateParameterField(QStringLiteral("EditP4"), 308, this);
  EditP5 = CreateParameterField(QStringLiteral("EditP5"), 334, this);
  EditP6 = CreateParameterField(QStringLiteral("EditP6"), 361, this);
  EditP7 = CreateParameterField(QStringLiteral("EditP7"), 386, this);
  EditP8 = CreateParameterField(QStringLiteral("EditP8"), 412, this);
  parameterFields_ = {{EditP1, EditP2, EditP3, EditP4, EditP5, EditP6, EditP7, EditP8}};

  Label1 = CreateLabel(QStringLiteral("Session reference"), EditT1, this);
  Label2 = CreateLabel(QStringLiteral("Password"), EditT2, this);
  Label3 = CreateLabel(QStringLiteral("Student name"), EditT3, this);
  Label4 = CreateLabel(QStringLiteral("System"), ComboBox1, this);
  Label5 =
      CreateLabel(QStringLiteral("Molecular weight of fluorophore (50.0 - 500.0)"), EditP1, this);
  Label6 = CreateLabel(QStringLiteral("Percentage by weight of fluorophore in polymer (0.2 - 2.0)"),
                       EditP2, this);
  Label7 = CreateLabel(QStringLiteral("Absorption scaling factor (0.2 - 2.0)"), EditP3, this);
  Label8 = CreateLabel(QStringLiteral("Fluorescence quantum yield (0.1 - 1.0)"), EditP4, this);
  Label9 = CreateLabel(
      QStringLiteral("Fluorescence lifetime at min. temp. in nanoseconds  (0.5 - 50.0)"), EditP5,
      this);
  Label10 =
      CreateLabel(QStringLiteral("Minimum temperature in degC (-100.0 - 100.0)"), EditP6, this);
  Label11 =
      CreateLabel(QStringLiteral("Maximum temperature in degC (-100.0 - 100.0)"), EditP7, this);
  Label12 = CreateLabel(QStringLiteral("Activation energy in kilojoules / mole (1.0 - 10.0)"),
                        EditP8, this);

  Button1 = CreateButton(QStringLiteral("Button1"), QStringLiteral("Generate session file"),
                         QRect(100, 449, 168, 25), this);
  CheckBox1 = new QCheckBox(QStringLiteral("Save Text Record"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->move(276, 457);
  CheckBox1->adjustSize();
  Button2 = CreateButton(QStringLiteral("Button2"), QStringLiteral("Exit"), QRect(441, 449, 75, 25),
                         this);
}

void TFRMSU::SetTabOrder() {
  QWidget* const order[] = {EditT1, EditT2, EditT3, ComboBox1, EditP1,  EditP2,    EditP3, EditP4,
                            EditP5, EditP6, EditP7, EditP8,    Button1, CheckBox1, Button2};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TFRMSU::ConnectHandlers() {
  keyPressHandlers_ = {
      {EditT1, &TFRMSU::EditT1KeyPress}, {EditT2, &TFRMSU::EditT2KeyPress},
      {EditT3, &TFRMSU::EditT3KeyPress}, {ComboBox1, &TFRMSU::ComboBox1KeyPress},
      {EditP1, &TFRMSU::EditP1KeyPress}, {EditP2, &TFRMSU::EditP2KeyPress},
      {EditP3, &TFRMSU::EditP3KeyPress}, {EditP4, &TFRMSU::EditP4KeyPress},
      {EditP5, &TFRMSU::EditP5KeyPress}, {EditP6, &TFRMSU::EditP6KeyPress},
      {EditP7, &TFRMSU::EditP7KeyPress}, {EditP8, &TFRMSU::EditP8KeyPress},
  };
  for (const auto& [control, handler] : keyPressHandlers_) control->installEventFilter(this);

  // Only the supervisor's own picks: the screen's refresh selects system 1 itself.
  connect(ComboBox1, &QComboBox::activated, this, &TFRMSU::ComboBox1Change);
  connect(Button1, &QPushButton::clicked, this, &TFRMSU::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TFRMSU::Button2Click);
}

bool TFRMSU::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (const auto& [control, handler] : keyPressHandlers_)
      if (control == watched) (this->*handler)(key);
  }
  return ScreenForm::eventFilter(watched, event);  // the key still reaches the field
}

void TFRMSU::FormCreate() {
  for (int system = 1; system <= SystemCount(); ++system)
    ComboBox1->addItem(QString::fromStdString(SystemName(system)));
  ComboBox1->setCurrentIndex(0);
}

void TFRMSU::FocusNextOnEnter(int key) {
  if (IsEnter(key)) focusNextChild();  // the next control that takes the focus by tabbing
}

void TFRMSU::EditT1KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditT2KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditT3KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP1KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP2KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP3KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP4KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP5KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP6KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP7KeyPress(int key) {
  FocusNextOnEnter(key);
}
void TFRMSU::EditP8KeyPress(int key) {
  FocusNextOnEnter(key);
}

void TFRMSU::ComboBox1KeyPress(int key) {
  if (IsEnter(key) || key == Qt::Key_Backspace) focusNextChild();
}
