#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/analyser_display.h"
#include "model/instrument_engine.h"
#include "screens/shell/horizontal_up_down.h"
#include "screens/shell/raster_view.h"
#include "screens/shell/screen_form.h"
#include "session/indexed_array.h"

// A filled circle showing whether a monochromator or the temperature is at rest (green) or
// moving (blinking red and maroon).
class StatusLamp : public QWidget {
  Q_OBJECT

 public:
  explicit StatusLamp(QWidget* parent);
  QColor Colour() const { return colour_; }
  void SetColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

// The decay measurement screen: the photon-counting spectrometer on which the prompt or the
// decay of the current measurement is recorded, or a stored one is viewed.
class TFRMTC : public ScreenForm {
  Q_OBJECT

 public:
  TFRMTC();
  // Leaving an edit reports its value; that must not reach a screen being destroyed.
  ~TFRMTC() override;

  void Refresh() override { RefreshMeasurementScreen(); }

  // Every control and the instrument back to their start, then the session's settings; in
  // recording mode "Load Sample" is offered, in view-only mode the stored histogram is shown.
  void RefreshMeasurementScreen();
  void ClearInstrumentState();
  void ResetMeasurementControls();
  // Copies the current settings into the session and saves it.
  void StoreInstrumentSettings();

  // The working state, for reading.
  const TInstrument& Instrument() const { return instrument_; }
  const TAnalyserDisplay& Display() const { return display_; }

  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  RasterView* PaintBox1;
  QGroupBox* RadioGroup6;
  OneBased<QRadioButton*, 6> Rg6Button;

  QLabel* Label01;
  QLabel* Label02;
  QLineEdit* Edit1;
  StatusLamp* Shape1;
  QGroupBox* RadioGroup1;
  OneBased<QRadioButton*, 6> Rg1Button;
  QLabel* Label03;
  QComboBox* ComboBox1;
  QCheckBox* CheckBox1;

  QLabel* Label04;
  QLabel* Label05;
  QLineEdit* Edit2;
  StatusLamp* Shape2;
  QGroupBox* RadioGroup2;
  OneBased<QRadioButton*, 6> Rg2Button;
  QLabel* Label06;
  QComboBox* ComboBox2;
  QCheckBox* CheckBox2;

  QGroupBox* RadioGroup3;
  OneBased<QRadioButton*, 3> Rg3Button;
  QGroupBox* RadioGroup4;
  OneBased<QRadioButton*, 3> Rg4Button;
  QGroupBox* RadioGroup5;
  OneBased<QRadioButton*, 2> Rg5Button;
  QGroupBox* CheckGroup1;
  OneBased<QCheckBox*, 6> CG1Box;

  QLabel* Label07;
  QComboBox* ComboBox3;
  QCheckBox* CheckBox3;
  QLabel* Label08;
  QComboBox* ComboBox4;
  QCheckBox* CheckBox4;
  QLineEdit* Edit3;
  QLabel* Label10;
  QLabel* Label09;

  QLabel* Label11;
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label15;
  QLabel* Label12;
  QLabel* Label16;
  QLabel* Label17;
  HorizontalUpDown* UpDown1;

  QLabel* Label18;
  QComboBox* ComboBox5;
  QLabel* Label19;

  QLabel* Label20;
  QLabel* Label21;
  QLineEdit* Edit5;
  StatusLamp* Shape3;
  QLabel* Label22;

  QTimer* Timer1;

 public slots:
  void FormCreate();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Edit1Exit();
  void Edit2Exit();
  void Edit3Exit();
  void Edit5Exit();
  void ComboBox1Change();
  void ComboBox2Change();
  void ComboBox3Change();
  void ComboBox4Change();
  void ComboBox5Change();
  void CGBoxChange();
  void PaintBox1Click(QPoint position);
  void PaintBox1Paint();
  void RgScaleChange();
  void UpDown1Click();
  // The 100 ms tick: movement, count model, counting, drawing and the rate meter.
  void Timer1Timer();

 private:
  // The names and the members of one monochromator's column of controls.
  struct MonochromatorNames {
    const char* Title;
    const char* Caption;
    const char* Wavelength;
    const char* Edit;
    const char* Lamp;
    const char* Bandpass;
    const char* BandpassButton;
    const char* FilterTitle;
    const char* Filter;
    const char* Shutter;
  };
  struct MonochromatorControls {
    QLabel*& Title;
    QLabel*& Wavelength;
    QLineEdit*& Edit;
    StatusLamp*& Lamp;
    QGroupBox*& Bandpass;
    OneBased<QRadioButton*, 6>& BandpassButtons;
    QLabel*& FilterTitle;
    QComboBox*& Filter;
    QCheckBox*& Shutter;
  };
  void CreateMonochromator(int left, const MonochromatorNames& names,
                           MonochromatorControls controls);
  // A monochromator's controls from its settings in the session.
  void ShowMonochromator(std::int32_t wavelength, std::int32_t bandpass, std::int32_t filter,
                         bool shutterOpen, QLabel* label, QLineEdit* edit,
                         OneBased<QRadioButton*, 6>& buttons, QComboBox* list, QCheckBox* shutter);
  void CreateTimingControls();
  void CreateSourceControls();
  void CreateReadouts();
  void ConnectHandlers();
  void SetTabOrder();

  void MeasurementTick();
  void ReadSettingsFromControls();
  void ShowMovement(const TMovement& movement, StatusLamp* lamp, QLabel* label,
                    const QString& text);
  void ShowLampLimits();
  void ShowCursor();
  void SetInstrumentEnabled(bool enabled);
  // A wavelength edit: clamps to 200..800 nm and starts the movement.
  void EnterWavelength(QLineEdit* edit, std::int32_t current, std::int32_t& target, bool& moving);

  TInstrument instrument_;
  TAnalyserDisplay display_;
  bool ticking_ = false;
};
