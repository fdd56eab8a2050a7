#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <utility>

#include "catalogue/instrument_catalogue.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"

namespace {

const QColor Maroon(128, 0, 0);

// Whole nm, right-aligned in at least 3 characters, from tenths of a nm.
QString WavelengthAtRest(std::int32_t tenths) {
  return QStringLiteral("Wavelength: ") + QString::asprintf("%3.0f", tenths / 10.0);
}
QString WavelengthMoving(std::int32_t tenths) {
  return QStringLiteral("Wavelength: ") + QString::asprintf("%4.1f", tenths / 10.0);
}
// Whole °C in at least 2 characters, from hundredths of a degree.
QString TemperatureAtRest(std::int32_t hundredths) {
  return QStringLiteral("DegC: ") + QString::asprintf("%2.0f", hundredths / 100.0);
}
QString TemperatureMoving(std::int32_t hundredths) {
  return QStringLiteral("DegC: ") + QString::asprintf("%3.1f", hundredths / 100.0);
}

// The edit's text as a whole number, or "Error" shown in the edit and nothing.
std::optional<int> ReadWholeNumber(QLineEdit* edit) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  if (ok) return value;
  edit->setText(QStringLiteral("Error"));
  return std::nullopt;
}

// The value held within low..high; the edit shows a replaced value.
int ClampShown(QLineEdit* edit, int value, int low, int high) {
  const int held = std::clamp(value, low, high);
  if (held != value) edit->setText(QString::number(held));
  return held;
}

template <int Size>
int CheckedPosition(const OneBased<QRadioButton*, Size>& buttons) {
  for (int i = 1; i <= Size; ++i)
    if (buttons[i]->isChecked()) return i;
  return 1;
}

template <int Size>
void CheckPosition(OneBased<QRadioButton*, Size>& buttons, int position) {
  buttons[std::clamp(position, 1, Size)]->setChecked(true);
}

}  // namespace

void TFRMTC::ClearInstrumentState() {
  ClearInstrument(instrument_);
  display_.PlotReady = false;
  ResetPeak(display_);
  display_.CursorChannel = 1;
  display_.CursorCount = 0;
}

void TFRMTC::SetInstrumentEnabled(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{
           ComboBox1,   ComboBox2,   ComboBox3,   ComboBox4,   ComboBox5,
           CheckBox1,   CheckBox2,   CheckBox3,   CheckBox4,   RadioGroup1,
           RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6,
           CheckGroup1, Edit1,       Edit2,       Edit3,       Edit5})
    control->setEnabled(enabled);
}

void TFRMTC::ResetMeasurementControls() {
  ClearInstrumentState();
  for (QPushButton* button : {Button1, Button2, Button3, Button4, Button5})
    button->setEnabled(false);
  Button2->setText(QStringLiteral("Start"));
  SetInstrumentEnabled(false);
  for (QCheckBox* box : CG1Box) {
    const QSignalBlocker quiet(box);
    box->setChecked(false);
  }
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) box->setChecked(false);
  for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
    list->setCurrentIndex(0);
  const std::initializer_list<std::pair<QLineEdit*, const char*>> editTexts{
      {Edit1, "200"}, {Edit2, "200"}, {Edit3, "1000"}, {Edit5, "20"}};
  for (const auto& [edit, text] : editTexts) edit->setText(QString::fromLatin1(text));
  const std::initializer_list<std::pair<QLabel*, const char*>> labelTexts{
      {Label02, "Wavelength: 200"},
      {Label05, "Wavelength: 200"},
      {Label09, "Min: 1   Max: 1000"},
      {Label12, "1"},
      {Label13, "1 / 0"},
      {Label17, "0"},
      {Label19, "Rate: 0"},
      {Label21, "DegC: 20"},
      {Label22, "Min: 20   Max: 20"}};
  for (const auto& [label, text] : labelTexts) {
    label->setText(QString::fromLatin1(text));
    label->adjustSize();
  }
  Rg1Button[1]->setChecked(true);
  Rg2Button[1]->setChecked(true);
  Rg3Button[1]->setChecked(true);
  Rg4Button[1]->setChecked(true);
  Rg5Button[2]->setChecked(true);
  Rg6Button[1]->setChecked(true);
  for (StatusLamp* lamp : {Shape1, Shape2, Shape3}) lamp->SetColour(Qt::green);
  UpDown1->SetPosition(1);
  UpDown1->setEnabled(false);
}

void TFRMTC::RefreshMeasurementScreen() {
  ResetMeasurementControls();
  TInstrumentSettings& s = instrument_.Settings;
  s.ExcitationWavelength = s.ExcitationTarget = Session.ExcitationWavelength;
  s.ExcitationFilter = Session.ExcitationFilter;
  ShowMonochromator(s.ExcitationWavelength, Session.ExcitationBandpass, s.ExcitationFilter,
                    Session.ExcitationShutterOpen, Label02, Edit1, Rg1Button, ComboBox1, CheckBox1);
  s.EmissionWavelength = s.EmissionTarget = Session.EmissionWavelength;
  s.EmissionFilter = Session.EmissionFilter;
  ShowMonochromator(s.EmissionWavelength, Session.EmissionBandpass, s.EmissionFilter,
                    Session.EmissionShutterOpen, Label05, Edit2, Rg2Button, ComboBox2, CheckBox2);

  s.SampleTemperature = s.TemperatureTarget = Session.SampleTemperature;
  Label21->setText(TemperatureAtRest(s.SampleTemperature));
  Edit5->setText(QString::asprintf("%.0f", s.SampleTemperature / 100.0));
  s.TemperatureLow = static_cast<std::int32_t>(Session.MinTemperature);
  s.TemperatureHigh = static_cast<std::int32_t>(Session.MaxTemperature);
  Label22->setText(QString::asprintf("Min:%3d   Max:%3d", s.TemperatureLow, s.TemperatureHigh));

  CheckPosition(Rg3Button, Session.TacRange);
  CheckPosition(Rg4Button, Session.RangeMultiplier);
  CheckPosition(Rg5Button, Session.DelaySide);
  for (int i = 1; i <= 6; ++i) {
    const QSignalBlocker quiet(CG1Box[i]);
    CG1Box[i]->setChecked(Session.DelayLines[i]);
  }

  s.DetectorIndex = Session.DetectorIndex;
  ComboBox3->setCurrentIndex(s.DetectorIndex - 1);
  CheckBox3->setChecked(Session.DetectorOn);
  s.LampIndex = Session.LampIndex;
  ComboBox4->setCurrentIndex(s.LampIndex - 1);
  CheckBox4->setChecked(Session.LampOn);
  s.LampFrequency = Session.LampFrequency;
  Edit3->setText(QString::number(s.LampFrequency));
  ShowLampLimits();
  s.RateMeterSource = Session.RateMeterSource;
  ComboBox5->setCurrentIndex(s.RateMeterSource - 1);

  const int m = Session.CurrentMeasurement;
  const bool stored = PromptMode ? Session.PromptRecorded[m] : Session.DecayRecorded[m];
  if (stored) {
    instrument_.Acquisition.McaCounts =
        PromptMode ? Session.PromptCounts[m] : Session.DecayCounts[m];
    s.RateMeterSource = 1;
    ComboBox5->setCurrentIndex(0);
  } else {
    Button1->setEnabled(true);
  }
  for (QLabel* label : {Label02, Label05, Label21, Label22}) label->adjustSize();
  UpDown1->setEnabled(true);
  Button4->setEnabled(true);
  Button4->setFocus();
}

void TFRMTC::ShowMonochromator(std::int32_t wavelength, std::int32_t bandpass, std::int32_t filter,
                               bool shutterOpen, QLabel* label, QLineEdit* edit,
                               OneBased<QRadioButton*, 6>& buttons, QComboBox* list,
                               QCheckBox* shutter) {
  label->setText(WavelengthAtRest(wavelength));
  edit->setText(QString::asprintf("%.0f", wavelength / 10.0));
  CheckPosition(buttons, bandpass);
  list->setCurrentIndex(filter - 1);
  shutter->setChecked(shutterOpen);
}

void TFRMTC::ShowLampLimits() {
  const int lamp = instrument_.Settings.LampIndex;
  Label09->setText(
      QStringLiteral("Min: %1   Max: %2").arg(LampMinFrequency(lamp)).arg(LampMaxFrequency(lamp)));
  Label09->adjustSize();
}

void TFRMTC::StoreInstrumentSettings() {
  ReadSettingsFromControls();
  const TInstrumentSettings& s = instrument_.Settings;
  Session.ExcitationWavelength = s.ExcitationWavelength;
  Session.ExcitationBandpass = s.ExcitationBandpass;
  Session.ExcitationFilter = s.ExcitationFilter;
  Session.ExcitationShutterOpen = s.ExcitationShutterOpen;
  Session.EmissionWavelength = s.EmissionWavelength;
  Session.EmissionBandpass = s.EmissionBandpass;
  Session.EmissionFilter = s.EmissionFilter;
  Session.EmissionShutterOpen = s.EmissionShutterOpen;
  Session.SampleTemperature = s.SampleTemperature;
  Session.TacRange = s.TacRange;
  Session.RangeMultiplier = s.RangeMultiplier;
  Session.DelaySide = s.DelaySide;
  for (int i = 1; i <= 6; ++i) Session.DelayLines[i] = s.DelayLines[i];
  Session.DetectorIndex = s.DetectorIndex;
  Session.DetectorOn = s.DetectorOn;
  Session.LampIndex = s.LampIndex;
  Session.LampFrequency = s.LampFrequency;
  Session.LampOn = s.LampOn;
  Session.RateMeterSource = s.RateMeterSource;
  SaveSession();  // a failure is reported by the save
}

// The buttons and boxes without handlers are the settings themselves.
void TFRMTC::ReadSettingsFromControls() {
  TInstrumentSettings& s = instrument_.Settings;
  s.ExcitationBandpass = CheckedPosition(Rg1Button);
  s.EmissionBandpass = CheckedPosition(Rg2Button);
  s.TacRange = CheckedPosition(Rg3Button);
  s.RangeMultiplier = CheckedPosition(Rg4Button);
  s.DelaySide = CheckedPosition(Rg5Button);
  for (int i = 1; i <= 6; ++i) s.DelayLines[i] = CG1Box[i]->isChecked();
  s.ExcitationShutterOpen = CheckBox1->isChecked();
  s.EmissionShutterOpen = CheckBox2->isChecked();
  s.DetectorOn = CheckBox3->isChecked();
  s.LampOn = CheckBox4->isChecked();
}

void TFRMTC::Button1Click() {
  PrepareSample(Session, PromptMode, instrument_.Sample);
  ResetPeak(display_);
  Button1->setEnabled(false);
  for (QPushButton* button : {Button2, Button3, Button4, Button5}) button->setEnabled(true);
  SetInstrumentEnabled(true);
  UpDown1->setEnabled(true);
  display_.PlotReady = false;
}

void TFRMTC::Button2Click() {
  const bool counting = ToggleAcquisition(instrument_.Acquisition);
  Button2->setText(counting ? QStringLiteral("Stop") : QStringLiteral("Start"));
  display_.PlotReady = false;
}

void TFRMTC::Button3Click() {
  ClearCounts(instrument_.Acquisition);
  ResetPeak(display_);
  display_.PlotReady = false;
}

void TFRMTC::Button4Click() {
  instrument_.Acquisition.Acquiring = false;
  if (Button2->isEnabled()) StoreInstrumentSettings();
  ShowScreen(SessionControlScreen);
}

void TFRMTC::Button5Click() {
  instrument_.Acquisition.Acquiring = false;
  const int m = Session.CurrentMeasurement;
  if (PromptMode) {
    Session.PromptRecorded[m] = true;
    Session.PromptCounts[m] = instrument_.Acquisition.McaCounts;
  } else {
    Session.DecayRecorded[m] = true;
    Session.DecayCounts[m] = instrument_.Acquisition.McaCounts;
  }
  StoreInstrumentSettings();
  ShowScreen(SessionControlScreen);
}

void TFRMTC::EnterWavelength(QLineEdit* edit, std::int32_t current, std::int32_t& target,
                             bool& moving) {
  const std::optional<int> typed = ReadWholeNumber(edit);
  if (!typed) return;
  target = ClampShown(edit, *typed, FirstWavelength, LastWavelength) * 10;
  if (target != current) moving = true;
}

void TFRMTC::Edit1Exit() {
  TInstrumentSettings& s = instrument_.Settings;
  EnterWavelength(Edit1, s.ExcitationWavelength, s.ExcitationTarget, s.ExcitationMoving);
}

void TFRMTC::Edit2Exit() {
  TInstrumentSettings& s = instrument_.Settings;
  EnterWavelength(Edit2, s.EmissionWavelength, s.EmissionTarget, s.EmissionMoving);
}

void TFRMTC::Edit3Exit() {
  const std::optional<int> typed = ReadWholeNumber(Edit3);
  if (!typed) return;
  const int lamp = instrument_.Settings.LampIndex;
  instrument_.Settings.LampFrequency =
      ClampShown(Edit3, *typed, LampMinFrequency(lamp), LampMaxFrequency(lamp));
}

void TFRMTC::Edit5Exit() {
  const std::optional<int> typed = ReadWholeNumber(Edit5);
  if (!typed) return;
  TInstrumentSettings& s = instrument_.Settings;
  s.TemperatureTarget = ClampShown(Edit5, *typed, s.TemperatureLow, s.TemperatureHigh) * 100;
  if (s.TemperatureTarget != s.SampleTemperature) s.TemperatureMoving = true;
}

void TFRMTC::ComboBox1Change() {
  instrument_.Settings.ExcitationFilter = ComboBox1->currentIndex() + 1;
}
void TFRMTC::ComboBox2Change() {
  instrument_.Settings.EmissionFilter = ComboBox2->currentIndex() + 1;
}
void TFRMTC::ComboBox3Change() {
  instrument_.Settings.DetectorIndex = ComboBox3->currentIndex() + 1;
}
void TFRMTC::ComboBox5Change() {
  instrument_.Settings.RateMeterSource = ComboBox5->currentIndex() + 1;
}

void TFRMTC::ComboBox4Change() {
  TInstrumentSettings& s = instrument_.Settings;
  s.LampIndex = ComboBox4->currentIndex() + 1;
  ShowLampLimits();
  if (s.LampFrequency > LampMaxFrequency(s.LampIndex)) {
    s.LampFrequency = LampMaxFrequency(s.LampIndex);
    Edit3->setText(QString::number(s.LampFrequency));
  }
}

void TFRMTC::CGBoxChange() {
  ReadSettingsFromControls();
  UpdateCountModel(instrument_.Settings, instrument_.Sample, PromptMode, instrument_.Model,
                   instrument_.Acquisition.Carries);
}

void TFRMTC::ShowCursor() {
  UpDown1->SetPosition(display_.CursorChannel);
  Label12->setText(QString::fromStdString(CursorChannelReadout(display_)));
  Label17->setText(QString::fromStdString(CursorCountReadout(display_)));
  Label12->adjustSize();
  Label17->adjustSize();
}

void TFRMTC::PaintBox1Click(QPoint position) {
  PlaceCursorAtColumn(display_, position.x(), instrument_.Acquisition.McaCounts);
  ShowCursor();
}

void TFRMTC::UpDown1Click() {
  PlaceCursorAtChannel(display_, UpDown1->Position(), instrument_.Acquisition.McaCounts);
  ShowCursor();
}

void TFRMTC::PaintBox1Paint() {}

void TFRMTC::RgScaleChange() {
  display_.Scale = static_cast<TMcaScale>(CheckedPosition(Rg6Button) - 1);
  display_.PlotReady = false;
}

void TFRMTC::ShowMovement(const TMovement& movement, StatusLamp* lamp, QLabel* label,
                          const QString& text) {
  if (!movement.Moved) return;
  lamp->SetColour(movement.Arrived                    ? QColor(Qt::green)
                  : lamp->Colour() == QColor(Qt::red) ? Maroon
                                                      : QColor(Qt::red));
  label->setText(text);
  label->adjustSize();
}

void TFRMTC::Timer1Timer() {
  // A tick that is still running (a nested event loop) or a hidden screen does nothing.
  if (ticking_ || !isVisible()) return;
  ticking_ = true;
  Timer1->stop();
  MeasurementTick();
  Timer1->start();
  ticking_ = false;
}

void TFRMTC::MeasurementTick() {
  if (!display_.PlotReady) ClearPlot(display_);
  ReadSettingsFromControls();
  const TSettingsProgress progress = EngineTick(instrument_, PromptMode);
  const TInstrumentSettings& s = instrument_.Settings;
  ShowMovement(progress.Excitation, Shape1, Label02,
               progress.Excitation.Arrived ? WavelengthAtRest(s.ExcitationWavelength)
                                           : WavelengthMoving(s.ExcitationWavelength));
  ShowMovement(progress.Emission, Shape2, Label05,
               progress.Emission.Arrived ? WavelengthAtRest(s.EmissionWavelength)
                                         : WavelengthMoving(s.EmissionWavelength));
  ShowMovement(progress.Temperature, Shape3, Label21,
               progress.Temperature.Arrived ? TemperatureAtRest(s.SampleTemperature)
                                            : TemperatureMoving(s.SampleTemperature));
  DrawHistogram(display_, instrument_.Acquisition.McaCounts, PromptMode);
  Label13->setText(QString::fromStdString(PeakReadout(display_)));
  Label13->adjustSize();
  Label17->setText(QString::fromStdString(CursorCountReadout(display_)));
  Label17->adjustSize();
  if (Button2->isEnabled())
    Label19->setText(QStringLiteral("Rate: %1").arg(ReadRateMeter(s, instrument_.Model)));
  Label19->adjustSize();
  PaintBox1->update();
}
