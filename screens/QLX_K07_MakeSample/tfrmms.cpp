#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/shell/form_controls.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "session/session_record.h"

namespace {

const QStringList FlaskSizes{"5 ml", "10 ml", "25 ml", "50 ml", "100 ml"};
const QStringList AliquotSizes{QStringLiteral("25 \u00B5l"),  QStringLiteral("50 \u00B5l"),
                               QStringLiteral("75 \u00B5l"),  QStringLiteral("100 \u00B5l"),
                               QStringLiteral("125 \u00B5l"), QStringLiteral("150 \u00B5l"),
                               QStringLiteral("175 \u00B5l"), QStringLiteral("200 \u00B5l")};

// A pick-only list; the first entry selected.
QComboBox* NewList(const char* name, const QStringList& items, int left, int top, QWidget* parent) {
  auto* list = Named(new QComboBox(parent), QString::fromLatin1(name));
  list->addItems(items);
  list->setGeometry(left, top, 100, 21);
  return list;
}

}  // namespace

TFRMMS::TFRMMS()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Sample Preparation"),
                 QSize(620, 600), Qt::cyan) {
  // The frames first, so that every control lies above them.
  Bevel1 = NewBevel({8, 8, 186, 196}, this);
  Bevel2 = NewBevel({216, 8, 186, 196}, this);
  Bevel3 = NewBevel({425, 8, 186, 196}, this);
  Bevel4 = NewBevel({9, 211, 456, 150}, this);
  Bevel5 = NewBevel({478, 211, 133, 150}, this);
  CreateStepControls();
  CreateSpectraControls();
  CreateMenuButtons();

  Timer1 = new QTimer(this);
  Timer1->setInterval(500);

  ConnectHandlers();
  SetTabOrder();
  ResetSampleScreen();
}

void TFRMMS::CreateStepControls() {
  Label1 = NewHeading("Label1", QStringLiteral("Step 1 - Weigh the solute (mg)"), 16, 16, this);
  Button1a = NewButton("Button1a", QStringLiteral("Add solute"), {16, 72, 75, 25}, this);
  Button1b = NewButton("Button1b", QStringLiteral("Stop"), {104, 72, 75, 25}, this);
  Label1a = NewLabel("Label1a", QString(), 64, 149, this);
  Button1 = NewButton("Button1", QStringLiteral("OK"), {16, 171, 163, 25}, this);

  Label2 = NewHeading("Label2", QStringLiteral("Step 2 - Prepare stock solution"), 231, 16, this);
  Label2a = NewLabel("Label2a", QStringLiteral("Flask size"), 232, 47, this);
  ComboBox2a = NewList("ComboBox2a", FlaskSizes, 296, 40, this);
  Button2a = NewButton("Button2a", QStringLiteral("Add solvent"), {231, 72, 75, 25}, this);
  Button2b = NewButton("Button2b", QStringLiteral("Stop"), {321, 72, 75, 25}, this);
  Label2b = NewLabel("Label2b", QString(), 265, 149, this);
  Button2 = NewButton("Button2", QStringLiteral("OK"), {231, 171, 163, 25}, this);

  Label3 = NewHeading("Label3", QStringLiteral("Step 3 - Dilution"), 440, 16, this);
  Label3a = NewLabel("Label3a", QStringLiteral("Volume"), 440, 47, this);
  ComboBox3a = NewList("ComboBox3a", AliquotSizes, 503, 40, this);
  Label3b = NewLabel("Label3b", QStringLiteral("Flask"), 440, 83, this);
  ComboBox3b = NewList("ComboBox3b", FlaskSizes, 503, 76, this);
  Button3a = NewButton("Button3a", QStringLiteral("Add solvent"), {440, 111, 75, 25}, this);
  Button3b = NewButton("Button3b", QStringLiteral("Stop"), {528, 111, 75, 25}, this);
  Label3c = NewLabel("Label3c", QString(), 480, 149, this);
  Button3 = NewButton("Button3", QStringLiteral("OK"), {440, 171, 163, 25}, this);
}

void TFRMMS::CreateSpectraControls() {
  Label4 =
      NewHeading("Label4", QStringLiteral("Step 4 - Measure absorption and fluorescence spectra"),
                 17, 225, this);
  Label4a =
      Named(new QLabel(QStringLiteral("Solvent absorption (green). Solute absorption (blue).\n"
                                      "Fluorescence (red) - full scale for quantum yield of 1.\n"
                                      "Click spectra or use arrows to choose wavelength."),
                       this),
            "Label4a");
  // 256 wide, or wider where the platform's font needs it, so that no line is cut off.
  Label4a->setGeometry(16, 249, std::max(256, Label4a->sizeHint().width()), 40);
  Label4a->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The readouts, like the running totals, get their texts from ResetSampleScreen.
  Label4b = NewLabel("Label4b", QString(), 16, 297, this);
  Label4c = NewLabel("Label4c", QString(), 168, 297, this);
  Label4d = NewLabel("Label4d", QString(), 168, 314, this);
  Label4e = NewLabel("Label4e", QString(), 168, 331, this);

  RadioGroup4 = Named(new QGroupBox(QStringLiteral("Range"), this), "RadioGroup4");
  RadioGroup4->setGeometry(360, 225, 90, 129);
  RadioButton1 = Named(new QRadioButton(QStringLiteral("  0 - 2.0"), RadioGroup4), "RadioButton1");
  RadioButton2 = Named(new QRadioButton(QStringLiteral("  0 - 0.5"), RadioGroup4), "RadioButton2");
  RadioButton3 = Named(new QRadioButton(QStringLiteral("  0 - 0.1"), RadioGroup4), "RadioButton3");
  int top = 24;
  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3}) {
    button->setGeometry(8, top, 78, 17);
    top += 34;
  }

  UpDown4 = Named(new HorizontalUpDown(FirstWavelength, LastWavelength, this), "UpDown4");
  UpDown4->setGeometry(16, 323, 123, 22);

  PaintBox1 = Named(new RasterView(plot_, this), "PaintBox1");
  PaintBox1->move(8, 371);
  PaintBox1->setCursor(Qt::CrossCursor);
}

void TFRMMS::CreateMenuButtons() {
  ButtonM1 = NewButton("ButtonM1", QStringLiteral("Restart"), {488, 225, 107, 25}, this);
  ButtonM2 = NewButton("ButtonM2", QStringLiteral("Repeat"), {488, 257, 107, 25}, this);
  ButtonM3 = NewButton("ButtonM3", QStringLiteral("Return"), {488, 289, 107, 25}, this);
  ButtonM4 = NewButton("ButtonM4", QStringLiteral("Save and Return"), {488, 320, 107, 25}, this);
}

void TFRMMS::ConnectHandlers() {
  const std::initializer_list<std::pair<QPushButton*, void (TFRMMS::*)()>> clicks{
      {Button1a, &TFRMMS::Button1aClick}, {Button1b, &TFRMMS::Button1bClick},
      {Button1, &TFRMMS::Button1Click},   {Button2a, &TFRMMS::Button2aClick},
      {Button2b, &TFRMMS::Button2bClick}, {Button2, &TFRMMS::Button2Click},
      {Button3a, &TFRMMS::Button3aClick}, {Button3b, &TFRMMS::Button3bClick},
      {Button3, &TFRMMS::Button3Click},   {ButtonM1, &TFRMMS::ButtonM1Click},
      {ButtonM2, &TFRMMS::ButtonM2Click}, {ButtonM3, &TFRMMS::ButtonM3Click},
      {ButtonM4, &TFRMMS::ButtonM4Click}};
  for (const auto& [button, handler] : clicks)
    connect(button, &QPushButton::clicked, this, handler);

  connect(Timer1, &QTimer::timeout, this, &TFRMMS::Timer1Timer);
  connect(PaintBox1, &RasterView::Clicked, this, &TFRMMS::PaintBox1Click);
  PaintBox1->BeforePaint = [this] { PaintBox1Paint(); };
  connect(UpDown4, &HorizontalUpDown::Clicked, this, &TFRMMS::UpDown4Click);
  connect(RadioButton1, &QRadioButton::toggled, this, &TFRMMS::RadioButton1Change);
  connect(RadioButton2, &QRadioButton::toggled, this, &TFRMMS::RadioButton2Change);
  connect(RadioButton3, &QRadioButton::toggled, this, &TFRMMS::RadioButton3Change);
}

// In the order of the steps, then the menu buttons.
void TFRMMS::SetTabOrder() {
  QWidget* const leftArrow = UpDown4->LeftArrow;
  QWidget* const rightArrow = UpDown4->RightArrow;
  QWidget* const order[] = {
      Button1a,     Button1b,   Button1,    ComboBox2a, Button2a, Button2b,     Button2,
      ComboBox3a,   ComboBox3b, Button3a,   Button3b,   Button3,  RadioButton1, RadioButton2,
      RadioButton3, leftArrow,  rightArrow, ButtonM1,   ButtonM2, ButtonM3,     ButtonM4};
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if (previous != nullptr) setTabOrder(previous, control);
    previous = control;
  }
}
