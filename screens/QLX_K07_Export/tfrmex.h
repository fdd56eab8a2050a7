#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/session_report.h"
#include "screens/shell/screen_form.h"
#include "session/indexed_array.h"
#include "session/session_record.h"

// The export screen: the student ticks the sections that hold saved data (the sample spectra,
// and each measurement's prompt, decay and analysis) and writes them to a text report.
class TFRMEX : public ScreenForm {
  Q_OBJECT

 public:
  using MeasurementBoxes = OneBased<QCheckBox*, MeasurementCount>;

  TFRMEX();

  void Refresh() override { RefreshExportScreen(); }

  // Every box disabled and unticked.
  void ClearExportScreen();
  // Every box unticked; only the boxes of sections with saved data enabled.
  void RefreshExportScreen();

  QLabel* Label1;
  QFrame* Bevel1;
  QCheckBox* CheckBoxS;
  QPushButton* ButtonA;
  QPushButton* ButtonC;
  QCheckBox *CheckBox01P, *CheckBox02P, *CheckBox03P, *CheckBox04P, *CheckBox05P, *CheckBox06P,
      *CheckBox07P, *CheckBox08P, *CheckBox09P, *CheckBox10P;
  QCheckBox *CheckBox01D, *CheckBox02D, *CheckBox03D, *CheckBox04D, *CheckBox05D, *CheckBox06D,
      *CheckBox07D, *CheckBox08D, *CheckBox09D, *CheckBox10D;
  QCheckBox *CheckBox01A, *CheckBox02A, *CheckBox03A, *CheckBox04A, *CheckBox05A, *CheckBox06A,
      *CheckBox07A, *CheckBox08A, *CheckBox09A, *CheckBox10A;
  QPushButton* Button1;
  QPushButton* Button2;

  // The same boxes by measurement number.
  MeasurementBoxes PromptBoxes;
  MeasurementBoxes DecayBoxes;
  MeasurementBoxes AnalysisBoxes;

  // The sections now ticked.
  ReportSelection TickedSections() const;

 public slots:
  void ButtonAClick();  // Select all
  void ButtonCClick();  // Clear all
  void Button1Click();  // Export
  void Button2Click();  // Return

 private:
  void CreateControls();
  void CreateMeasurementBoxes();
  // All 31 boxes, the sample box first.
  QList<QCheckBox*> AllBoxes() const;
};
