#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/shell/form_controls.h"

#include <QPainter>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <utility>

#include "catalogue/instrument_catalogue.h"

namespace {

const QStringList BandpassItems{"1", "2", "4", "8", "16", "32"};
const QStringList RateMeterItems{"Off", "Lamp/Start", "PMT/Stop", "TAC-out"};

QComboBox* NewList(const char* name, int left, int top, int width, QWidget* parent) {
  auto* list = Named(new QComboBox(parent), QString::fromLatin1(name));
  list->setGeometry(left, top, width, 21);
  return list;
}

QCheckBox* NewCheck(const char* name, const QString& caption, QRect place, QWidget* parent) {
  auto* box = Named(new QCheckBox(caption, parent), QString::fromLatin1(name));
  box->setGeometry(place);
  return box;
}

// A titled group of radio buttons in one column, named prefix1, prefix2, ...
template <int Size>
QGroupBox* NewRadioGroup(const char* name, const QString& title, QRect place,
                         const QStringList& items, const QString& prefix,
                         OneBased<QRadioButton*, Size>& buttons, QWidget* parent) {
  auto* group = Named(new QGroupBox(title, parent), QString::fromLatin1(name));
  group->setGeometry(place);
  const int rowHeight = (place.height() - 20) / Size;
  for (int i = 1; i <= Size; ++i) {
    buttons[i] = Named(new QRadioButton(items[i - 1], group), prefix + QString::number(i));
    buttons[i]->setGeometry(8, 16 + (i - 1) * rowHeight, place.width() - 12, rowHeight);
  }
  return group;
}

}  // namespace

StatusLamp::StatusLamp(QWidget* parent) : QWidget(parent), colour_(Qt::green) {
  resize(12, 12);
}

void StatusLamp::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void StatusLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  painter.setBrush(colour_);
  painter.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

TFRMTC::TFRMTC()
    : ScreenForm(QStringLiteral("Qelti - Lumidor - Decay Measurement"), QSize(620, 597), Qt::cyan) {
  // The frames first, so that every control lies above them.
  for (const QRect& place :
       {QRect(8, 262, 120, 306), QRect(136, 262, 117, 306), QRect(264, 262, 220, 114),
        QRect(264, 444, 220, 38), QRect(264, 488, 220, 80), QRect(491, 262, 120, 115),
        QRect(491, 384, 120, 80), QRect(491, 472, 120, 96)})
    NewBevel(place, this);

  Button1 = NewButton("Button1", QStringLiteral("Load Sample"), {8, 8, 80, 28}, this);
  Button2 = NewButton("Button2", QStringLiteral("Start"), {156, 8, 80, 28}, this);
  Button3 = NewButton("Button3", QStringLiteral("Clear"), {248, 8, 80, 28}, this);
  Button4 = NewButton("Button4", QStringLiteral("Return"), {404, 8, 80, 28}, this);
  Button5 = NewButton("Button5", QStringLiteral("Save and Return"), {491, 8, 120, 28}, this);

  PaintBox1 = Named(new RasterView(display_.Plot, this), QStringLiteral("PaintBox1"));
  PaintBox1->move(8, 48);
  PaintBox1->setCursor(Qt::CrossCursor);
  RadioGroup6 = NewRadioGroup("RadioGroup6", QStringLiteral("MCA Display"), {536, 48, 75, 200},
                              {"Log", "100", "1k", "10k", "100k", "1M"},
                              QStringLiteral("Rg6Button"), Rg6Button, this);

  CreateMonochromator(
      24,
      {"Label01", "Excitation Mono.", "Label02", "Edit1", "Shape1", "RadioGroup1", "Rg1Button",
       "Label03", "ComboBox1", "CheckBox1"},
      {Label01, Label02, Edit1, Shape1, RadioGroup1, Rg1Button, Label03, ComboBox1, CheckBox1});
  CreateMonochromator(
      152,
      {"Label04", "Emission Mono.", "Label05", "Edit2", "Shape2", "RadioGroup2", "Rg2Button",
       "Label06", "ComboBox2", "CheckBox2"},
      {Label04, Label05, Edit2, Shape2, RadioGroup2, Rg2Button, Label06, ComboBox2, CheckBox2});
  CreateTimingControls();
  CreateSourceControls();
  CreateReadouts();

  Timer1 = new QTimer(this);
  Timer1->setInterval(100);

  ConnectHandlers();
  SetTabOrder();
  FormCreate();
  ResetMeasurementControls();
  Timer1->start();
}

TFRMTC::~TFRMTC() {
  for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit5}) edit->disconnect(this);
}

void TFRMTC::CreateMonochromator(int left, const MonochromatorNames& names,
                                 MonochromatorControls controls) {
  const int editLeft = left + 1;
  controls.Title = NewHeading(names.Title, QString::fromLatin1(names.Caption), left, 272, this);
  controls.Wavelength =
      NewLabel(names.Wavelength, QStringLiteral("Wavelength: 200"), left, 296, this);
  controls.Edit = NewEdit(names.Edit, {editLeft, 313, 40, 21}, this);
  controls.Lamp = Named(new StatusLamp(this), QString::fromLatin1(names.Lamp));
  controls.Lamp->move(editLeft + 50, 317);
  controls.Bandpass = NewRadioGroup(
      names.Bandpass, QStringLiteral("Bandpass (nm)"), {editLeft, 344, 88, 146}, BandpassItems,
      QString::fromLatin1(names.BandpassButton), controls.BandpassButtons, this);
  controls.FilterTitle = NewLabel(names.FilterTitle, QStringLiteral("Filter"), editLeft, 500, this);
  controls.Filter = NewList(names.Filter, left, 521, 88, this);
  controls.Shutter =
      NewCheck(names.Shutter, QStringLiteral("Shutter Open  "), {left, 547, 89, 17}, this);
  controls.Shutter->setLayoutDirection(Qt::RightToLeft);  // the text on the left
  // The caption's two trailing blanks already part it from the box; the toolkit's own gap on
  // top of them would push the first letter out of the 89 pixels.
  controls.Shutter->setStyleSheet(QStringLiteral("QCheckBox { spacing: 0px; }"));
}

void TFRMTC::CreateTimingControls() {
  RadioGroup3 =
      NewRadioGroup("RadioGroup3", QStringLiteral("TAC Range"), {272, 272, 72, 97},
                    {"50ns", "100ns", "200ns"}, QStringLiteral("Rg3Button"), Rg3Button, this);
  RadioGroup4 = NewRadioGroup("RadioGroup4", QStringLiteral("Multiplier"), {352, 272, 56, 97},
                              {"1", "10", "100"}, QStringLiteral("Rg4Button"), Rg4Button, this);
  RadioGroup5 = NewRadioGroup("RadioGroup5", QStringLiteral("Delay"), {416, 272, 60, 97},
                              {"Start", "Stop"}, QStringLiteral("Rg5Button"), Rg5Button, this);
  CheckGroup1 = Named(new QGroupBox(QStringLiteral("Delay (ns)"), this), "CheckGroup1");
  CheckGroup1->setGeometry(264, 384, 220, 51);
  for (int i = 1; i <= 6; ++i) {
    CG1Box[i] = Named(new QCheckBox(BandpassItems[i - 1], CheckGroup1),
                      QStringLiteral("CG1Box") + QString::number(i));
    CG1Box[i]->setGeometry(6 + (i - 1) * 35, 22, 35, 17);
  }
}

void TFRMTC::CreateSourceControls() {
  Label07 = NewHeading("Label07", QStringLiteral("Detector"), 272, 460, this);
  ComboBox3 = NewList("ComboBox3", 328, 456, 100, this);
  CheckBox3 = NewCheck("CheckBox3", QStringLiteral("On"), {437, 460, 40, 17}, this);
  Label08 = NewHeading("Label08", QStringLiteral("Lamp"), 272, 501, this);
  ComboBox4 = NewList("ComboBox4", 328, 497, 100, this);
  CheckBox4 = NewCheck("CheckBox4", QStringLiteral("On"), {437, 501, 40, 17}, this);
  Edit3 = NewEdit("Edit3", {328, 522, 61, 21}, this);
  Label10 = NewLabel("Label10", QStringLiteral("kHz"), 397, 528, this);
  Label09 = NewLabel("Label09", QStringLiteral("Min: 1   Max: 1000"), 328, 550, this);
}

void TFRMTC::CreateReadouts() {
  Label11 = NewHeading("Label11", QStringLiteral("Peak Chn/Cnt"), 503, 272, this);
  Label13 = NewLabel("Label13", QStringLiteral("1 / 0"), 504, 288, this);
  Label14 = NewLabel("Label14", QStringLiteral("Cursor"), 503, 312, this);
  Label15 = NewLabel("Label15", QStringLiteral("Channel:"), 503, 333, this);
  Label12 = NewLabel("Label12", QStringLiteral("1"), 552, 333, this);
  Label16 = NewLabel("Label16", QStringLiteral("Counts:"), 503, 355, this);
  Label17 = NewLabel("Label17", QStringLiteral("0"), 552, 355, this);
  UpDown1 = Named(new HorizontalUpDown(1, ChannelCount, this), QStringLiteral("UpDown1"));
  UpDown1->setGeometry(547, 307, 41, 20);

  Label18 = NewHeading("Label18", QStringLiteral("Rate Meter (Hz)"), 503, 392, this);
  ComboBox5 = NewList("ComboBox5", 503, 416, 100, this);
  Label19 = NewLabel("Label19", QStringLiteral("Rate: 0"), 503, 444, this);

  Label20 = NewHeading("Label20", QStringLiteral("Temperature Control"), 503, 480, this);
  Label21 = NewLabel("Label21", QStringLiteral("DegC: 20"), 503, 500, this);
  Edit5 = NewEdit("Edit5", {503, 522, 40, 21}, this);
  Shape3 = Named(new StatusLamp(this), QStringLiteral("Shape3"));
  Shape3->move(552, 528);
  Label22 = NewLabel("Label22", QStringLiteral("Min: 20   Max: 20"), 504, 550, this);
}

void TFRMTC::ConnectHandlers() {
  const std::initializer_list<std::pair<QPushButton*, void (TFRMTC::*)()>> clicks{
      {Button1, &TFRMTC::Button1Click},
      {Button2, &TFRMTC::Button2Click},
      {Button3, &TFRMTC::Button3Click},
      {Button4, &TFRMTC::Button4Click},
      {Button5, &TFRMTC::Button5Click}};
  for (const auto& [button, handler] : clicks)
    connect(button, &QPushButton::clicked, this, handler);

  // Enter and leaving the edit both take the typed value.
  const std::initializer_list<std::pair<QLineEdit*, void (TFRMTC::*)()>> edits{
      {Edit1, &TFRMTC::Edit1Exit},
      {Edit2, &TFRMTC::Edit2Exit},
      {Edit3, &TFRMTC::Edit3Exit},
      {Edit5, &TFRMTC::Edit5Exit}};
  for (const auto& [edit, handler] : edits)
    connect(edit, &QLineEdit::editingFinished, this, handler);

  const std::initializer_list<std::pair<QComboBox*, void (TFRMTC::*)()>> lists{
      {ComboBox1, &TFRMTC::ComboBox1Change},
      {ComboBox2, &TFRMTC::ComboBox2Change},
      {ComboBox3, &TFRMTC::ComboBox3Change},
      {ComboBox4, &TFRMTC::ComboBox4Change},
      {ComboBox5, &TFRMTC::ComboBox5Change}};
  for (const auto& [list, handler] : lists) connect(list, &QComboBox::activated, this, handler);

  for (QCheckBox* box : CG1Box) connect(box, &QCheckBox::toggled, this, &TFRMTC::CGBoxChange);
  for (QRadioButton* button : Rg6Button)
    connect(button, &QRadioButton::toggled, this, &TFRMTC::RgScaleChange);
  connect(PaintBox1, &RasterView::Clicked, this, &TFRMTC::PaintBox1Click);
  PaintBox1->BeforePaint = [this] { PaintBox1Paint(); };
  connect(UpDown1, &HorizontalUpDown::Clicked, this, &TFRMTC::UpDown1Click);
  connect(Timer1, &QTimer::timeout, this, &TFRMTC::Timer1Timer);
}

// In the order of the form's controls, top row first.
void TFRMTC::SetTabOrder() {
  QList<QWidget*> order{Button1, Button2, Button3, Button4, Button5};
  for (QRadioButton* button : Rg6Button) order << button;
  order << Edit1;
  for (QRadioButton* button : Rg1Button) order << button;
  order << ComboBox1 << CheckBox1 << Edit2;
  for (QRadioButton* button : Rg2Button) order << button;
  order << ComboBox2 << CheckBox2;
  for (QRadioButton* button : Rg3Button) order << button;
  for (QRadioButton* button : Rg4Button) order << button;
  for (QRadioButton* button : Rg5Button) order << button;
  for (QCheckBox* box : CG1Box) order << box;
  order << ComboBox3 << CheckBox3 << ComboBox4 << CheckBox4 << Edit3 << UpDown1->LeftArrow
        << UpDown1->RightArrow << ComboBox5 << Edit5;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TFRMTC::FormCreate() {
  QStringList filters;
  for (int i = 1; i <= FilterCount(); ++i) filters << QString::fromLatin1(FilterName(i));
  QStringList detectors;
  for (int i = 1; i <= DetectorCount(); ++i) detectors << QString::fromLatin1(DetectorName(i));
  QStringList lamps;
  for (int i = 1; i <= LampCount(); ++i) lamps << QString::fromLatin1(LampName(i));
  ComboBox1->addItems(filters);
  ComboBox2->addItems(filters);
  ComboBox3->addItems(detectors);
  ComboBox4->addItems(lamps);
  ComboBox5->addItems(RateMeterItems);
}
