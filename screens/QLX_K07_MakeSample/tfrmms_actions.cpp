// The routines and event handlers of the sample preparation screen.
#include "screens/QLX_K07_MakeSample/tfrmms.h"

#include <QSignalBlocker>
#include <algorithm>
#include <initializer_list>
#include <string>

#include "screens/shell/dialogs.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"

namespace {

const QString NeedMoreSolute = QStringLiteral("You need more than 1.0 mg.");
const QString NeedMoreSolvent = QStringLiteral("You need more than 1.0 ml.");

void Enable(std::initializer_list<QWidget*> controls, bool enabled = true) {
  for (QWidget* control : controls) control->setEnabled(enabled);
}

// Labels stand free, so each new text gets the size it needs.
void Show(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
  label->adjustSize();
}

}  // namespace

void TFRMMS::ResetSampleScreen() {
  prep_ = TSamplePreparation{};
  Enable({Button1, Button1a, Button1b, Button2, Button2a, Button2b, Button3, Button3a, Button3b,
          ComboBox2a, ComboBox3a, ComboBox3b, UpDown4, RadioGroup4, ButtonM1, ButtonM2, ButtonM3,
          ButtonM4},
         false);
  for (QComboBox* list : {ComboBox2a, ComboBox3a, ComboBox3b}) list->setCurrentIndex(0);
  Show(Label1a, WeightText(0.0f));
  Show(Label2b, VolumeText(0.0f));
  Show(Label3c, VolumeText(0.0f));
  ShowReadouts();
  UpDown4->SetPosition(prep_.CursorWavelength);
  SelectWidestRange();
  Timer1->stop();
}

void TFRMMS::RefreshSampleScreen() {
  ResetSampleScreen();
  if (!Session.SamplePrepared) {
    Enable({Button1, Button1a, Button1b, ButtonM1, ButtonM2, ButtonM3});
    Button1b->setFocus();
    return;
  }
  Show(Label1a, WeightText(Session.SampleWeight));
  ComboBox2a->setCurrentIndex(Session.StockFlaskIndex);
  Show(Label2b, VolumeText(Session.StockVolume));
  ComboBox3a->setCurrentIndex(Session.AliquotIndex);
  ComboBox3b->setCurrentIndex(Session.DilutionFlaskIndex);
  Show(Label3c, VolumeText(Session.DilutionVolume));
  Enable({UpDown4, RadioGroup4, ButtonM3});
  ButtonM3->setFocus();
  DrawSpectra();
}

void TFRMMS::BeginWeighing() {
  ResetSampleScreen();
  Session.SampleConcentration = 0.0f;
  Enable({Button1, Button1a, Button1b, ButtonM1, ButtonM2, ButtonM3});
  DrawSpectra();
}

void TFRMMS::BeginStockSolution() {
  prep_.PrepStep = 2;
  Enable({Button2, Button2a, Button2b, ComboBox2a});
  ComboBox2a->setCurrentIndex(0);
  prep_.CurrentStockVolume = 0.0f;
  prep_.StockRate = 0.0f;
  Show(Label2b, VolumeText(0.0f));
}

void TFRMMS::BeginDilution() {
  prep_.PrepStep = 3;
  Enable({Button3, Button3a, Button3b, ComboBox3a, ComboBox3b});
  ComboBox3a->setCurrentIndex(0);
  ComboBox3b->setCurrentIndex(0);
  prep_.CurrentDilutionVolume = 0.0f;
  prep_.DilutionRate = 0.0f;
  Show(Label3c, VolumeText(0.0f));
}

void TFRMMS::BeginSpectra() {
  prep_.PrepStep = 4;
  Enable({RadioGroup4, UpDown4, ButtonM4});
  SelectWidestRange();
  PutCursorAt(FirstWavelength);
  prep_.SolventReadout = 0.0f;
  prep_.SoluteReadout = 0.0f;
  prep_.FluorescenceReadout = 0.0f;
  ShowReadouts();
  DrawSpectra();
}

void TFRMMS::DrawSpectra() {
  RenderSpectra();
  PaintBox1->update();
}

void TFRMMS::RenderSpectra() {
  if (::DrawSpectra(plot_, Session, SelectedRange(), prep_)) ShowReadouts();
}

void TFRMMS::ShowReadouts() {
  const SpectraReadoutTexts texts = ReadoutTexts(prep_);
  Show(Label4b, texts.Wavelength);
  Show(Label4c, texts.Solvent);
  Show(Label4d, texts.Solute);
  Show(Label4e, texts.Fluorescence);
}

AbsorbanceRange TFRMMS::SelectedRange() const {
  if (RadioButton2->isChecked()) return AbsorbanceRange::UpToHalf;
  if (RadioButton3->isChecked()) return AbsorbanceRange::UpToTenth;
  return AbsorbanceRange::UpTo2;
}

// Selecting the range here is part of a reset, not the student's choice: it draws nothing.
void TFRMMS::SelectWidestRange() {
  const QSignalBlocker quiet(RadioButton1);
  RadioButton1->setChecked(true);
}

void TFRMMS::PutCursorAt(int wavelength) {
  prep_.CursorWavelength = wavelength;
  UpDown4->SetPosition(wavelength);
}

// A running timer keeps its rhythm when "Add" is pressed again.
void TFRMMS::SwitchTimerOn() {
  if (!Timer1->isActive()) Timer1->start();
}

void TFRMMS::SpeedUpFlow(float& rate) {
  SwitchTimerOn();
  rate = SpedUpRate(rate);
}

void TFRMMS::StopFlow(float& rate) {
  Timer1->stop();
  rate = 0.0f;
}

bool TFRMMS::AcceptQuantity(float quantity, float& rate, const QString& shortMessage) {
  StopFlow(rate);
  if (IsEnough(quantity)) return true;
  InfoDialog(shortMessage);
  return false;
}

void TFRMMS::Button1aClick() {
  if (prep_.PrepStep != 1) BeginWeighing();
  SpeedUpFlow(prep_.WeightRate);
}

void TFRMMS::Button1bClick() {
  if (prep_.PrepStep != 1) BeginWeighing();
  StopFlow(prep_.WeightRate);
}

void TFRMMS::Button1Click() {
  if (prep_.PrepStep != 1) BeginWeighing();
  if (!AcceptQuantity(prep_.CurrentWeight, prep_.WeightRate, NeedMoreSolute)) return;
  Enable({Button1, Button1a, Button1b}, false);
  BeginStockSolution();
}

void TFRMMS::Button2aClick() {
  SpeedUpFlow(prep_.StockRate);
}

void TFRMMS::Button2bClick() {
  StopFlow(prep_.StockRate);
}

void TFRMMS::Button2Click() {
  if (!AcceptQuantity(prep_.CurrentStockVolume, prep_.StockRate, NeedMoreSolvent)) return;
  Enable({Button2, Button2a, Button2b, ComboBox2a}, false);
  BeginDilution();
}

void TFRMMS::Button3aClick() {
  SpeedUpFlow(prep_.DilutionRate);
}

void TFRMMS::Button3bClick() {
  StopFlow(prep_.DilutionRate);
}

void TFRMMS::Button3Click() {
  if (!AcceptQuantity(prep_.CurrentDilutionVolume, prep_.DilutionRate, NeedMoreSolvent)) return;
  Enable({Button3, Button3a, Button3b, ComboBox3a, ComboBox3b}, false);
  StorePreparation(Session, prep_, ComboBox2a->currentIndex(), ComboBox3a->currentIndex(),
                   ComboBox3b->currentIndex());
  BeginSpectra();
}

void TFRMMS::ButtonM1Click() {
  BeginWeighing();
}

// The step starts afresh; a running timer keeps running, but with the rate at 0 it adds nothing
// until "Add" is pressed.
void TFRMMS::ButtonM2Click() {
  switch (prep_.PrepStep) {
    case 1:
      BeginWeighing();
      break;
    case 2:
      BeginStockSolution();
      break;
    case 3:
      BeginDilution();
      break;
    default:
      BeginSpectra();
      break;
  }
}

void TFRMMS::ButtonM3Click() {
  if (!Session.SamplePrepared) Session.SampleConcentration = 0.0f;  // not saved: discarded
  PutCursorAt(FirstWavelength);
  ShowScreen(SessionControlScreen);
}

// SaveSession tells the user itself when the file could not be written; the preparation stays
// stored in memory and the screen returns all the same.
void TFRMMS::ButtonM4Click() {
  Session.SamplePrepared = true;
  SaveSession();
  PutCursorAt(FirstWavelength);
  ShowScreen(SessionControlScreen);
}

void TFRMMS::Timer1Timer() {
  Timer1->stop();
  AddTick(prep_, ComboBox2a->currentIndex(), ComboBox3b->currentIndex());
  switch (prep_.PrepStep) {
    case 1:
      Show(Label1a, WeightText(prep_.CurrentWeight));
      break;
    case 2:
      Show(Label2b, VolumeText(prep_.CurrentStockVolume));
      break;
    case 3:
      Show(Label3c, VolumeText(prep_.CurrentDilutionVolume));
      break;
    default:
      break;
  }
  Timer1->start();
}

void TFRMMS::PaintBox1Click(QPoint position) {
  PutCursorAt(std::clamp(FirstWavelength + position.x(), FirstWavelength, LastWavelength));
  DrawSpectra();
}

void TFRMMS::PaintBox1Paint() {
  RenderSpectra();
}

void TFRMMS::UpDown4Click() {
  prep_.CursorWavelength = UpDown4->Position();
  DrawSpectra();
}

void TFRMMS::RadioButton1Change() {
  if (RadioButton1->isChecked()) DrawSpectra();
}

void TFRMMS::RadioButton2Change() {
  if (RadioButton2->isChecked()) DrawSpectra();
}

void TFRMMS::RadioButton3Change() {
  if (RadioButton3->isChecked()) DrawSpectra();
}
