#pragma once

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/raster.h"
#include "model/sample_plot.h"
#include "model/sample_preparation.h"
#include "screens/shell/horizontal_up_down.h"
#include "screens/shell/raster_view.h"
#include "screens/shell/screen_form.h"

// The sample preparation screen: weigh the solute (step 1), dissolve it to a stock solution
// (step 2), dilute an aliquot (step 3) and inspect the spectra of the result (step 4). Steps 1 to
// 3 fill on a 500 ms tick. Once saved, the preparation is only shown.
class TFRMMS : public ScreenForm {
  Q_OBJECT

 public:
  TFRMMS();

  void Refresh() override { RefreshSampleScreen(); }

  // Edit mode at step 1 when no preparation is saved; otherwise the saved one, view-only.
  void RefreshSampleScreen();
  // Working state and every control back to their initial state; the timer off.
  void ResetSampleScreen();
  void BeginWeighing();
  void BeginStockSolution();
  void BeginDilution();
  void BeginSpectra();
  // Redraws the plot from the session and the cursor, and shows the readouts.
  void DrawSpectra();

  // The working state, for reading.
  const TSamplePreparation& Preparation() const { return prep_; }

  QFrame* Bevel1;
  QFrame* Bevel2;
  QFrame* Bevel3;
  QFrame* Bevel4;
  QFrame* Bevel5;

  QLabel* Label1;
  QPushButton* Button1a;
  QPushButton* Button1b;
  QLabel* Label1a;
  QPushButton* Button1;

  QLabel* Label2;
  QLabel* Label2a;
  QComboBox* ComboBox2a;
  QPushButton* Button2a;
  QPushButton* Button2b;
  QLabel* Label2b;
  QPushButton* Button2;

  QLabel* Label3;
  QLabel* Label3a;
  QComboBox* ComboBox3a;
  QLabel* Label3b;
  QComboBox* ComboBox3b;
  QPushButton* Button3a;
  QPushButton* Button3b;
  QLabel* Label3c;
  QPushButton* Button3;

  QLabel* Label4;
  QLabel* Label4a;
  QLabel* Label4b;
  QLabel* Label4c;
  QLabel* Label4d;
  QLabel* Label4e;
  QGroupBox* RadioGroup4;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QRadioButton* RadioButton3;
  HorizontalUpDown* UpDown4;
  RasterView* PaintBox1;

  QPushButton* ButtonM1;
  QPushButton* ButtonM2;
  QPushButton* ButtonM3;
  QPushButton* ButtonM4;

  QTimer* Timer1;

 public slots:
  void Button1aClick();
  void Button1bClick();
  void Button1Click();
  void Button2aClick();
  void Button2bClick();
  void Button2Click();
  void Button3aClick();
  void Button3bClick();
  void Button3Click();
  void ButtonM1Click();
  void ButtonM2Click();
  void ButtonM3Click();
  void ButtonM4Click();
  void Timer1Timer();

  // A click at a position inside the plot chooses the wavelength 200 + x, held to 200..800.
  void PaintBox1Click(QPoint position);
  void PaintBox1Paint();
  void UpDown4Click();
  void RadioButton1Change();
  void RadioButton2Change();
  void RadioButton3Change();

 private:
  void CreateStepControls();
  void CreateSpectraControls();
  void CreateMenuButtons();
  void ConnectHandlers();
  void SetTabOrder();

  void SwitchTimerOn();
  // "Add", "Stop" and "OK" of a step, given its rate.
  void SpeedUpFlow(float& rate);
  void StopFlow(float& rate);
  // Stops the flow; true if the quantity is enough, else the user is told the message.
  bool AcceptQuantity(float quantity, float& rate, const QString& shortMessage);
  void SelectWidestRange();
  void PutCursorAt(int wavelength);
  // Draws into the plot's raster and shows the readouts if they were set.
  void RenderSpectra();
  void ShowReadouts();
  AbsorbanceRange SelectedRange() const;

  TSamplePreparation prep_;
  Raster plot_{SpectraPlotWidth, SpectraPlotHeight};
};
