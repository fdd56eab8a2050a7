#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <memory>

#include "model/decay_analysis.h"
#include "model/decay_analysis_plot.h"
#include "model/range_entry.h"
#include "screens/shell/raster_view.h"
#include "screens/shell/screen_form.h"
#include "screens/shell/up_down.h"

// The decay analysis screen: the lifetime fit of the current measurement, or its saved
// analysis shown again.
class TFRMDA : public ScreenForm {
  Q_OBJECT

 public:
  TFRMDA();
  // Leaving an edit runs its handler; that must not reach a screen being destroyed.
  ~TFRMDA() override;

  void Refresh() override { RefreshDecayAnalysis(); }

  // Loads the current measurement and rebuilds every control: a viewer with only Return for a
  // saved analysis, else an editor from the last-used settings with Save and Return disabled.
  void RefreshDecayAnalysis();
  // Both plots, the range and estimate edits, the spinners and the count labels from the
  // working set.
  void DrawDecayAnalysis();

  // The working set and the plots, for reading.
  const TDecayAnalysis& Analysis() const { return *analysis_; }
  const TDecayAnalysisPlots& Plots() const { return *plots_; }

  RasterView* PaintBox1;
  RasterView* PaintBox2;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  VerticalUpDown* UpDown1;
  VerticalUpDown* UpDown2;
  QLabel* LabelA;
  QLabel* LabelB;

  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  VerticalUpDown* UpDown3;
  VerticalUpDown* UpDown4;
  QLabel* LabelC;
  QLabel* LabelD;

  QPushButton* Button3;
  QLabel* Label11;
  QLabel* Label12;

  QLabel* Label7;
  QLineEdit* Edit3;
  QLabel* Label8;

  QLabel* Label9;
  QLineEdit* Edit6;
  QPushButton* Button4;
  QLabel* Label10;

  QPushButton* Button1;
  QPushButton* Button2;

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Edit1Exit();
  void Edit2Exit();
  void Edit3Exit();
  void Edit4Exit();
  void Edit5Exit();
  void Edit6Exit();
  // A key typed into an edit: Enter (character 13) runs the edit's exit handler. The key is
  // not consumed.
  void Edit1KeyPress(char key);
  void Edit2KeyPress(char key);
  void Edit3KeyPress(char key);
  void Edit4KeyPress(char key);
  void Edit5KeyPress(char key);
  void Edit6KeyPress(char key);
  void UpDown1Click();
  void UpDown2Click();
  void UpDown3Click();
  void UpDown4Click();
  // A click at a position inside the data plot (pixels of the plot).
  void PaintBox1Click(QPoint position);
  void PaintBox1Paint();
  void PaintBox2Paint();

 protected:
  // Routes the edits' focus-out and key events to their handlers.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One range bound's edit, spinner and setter.
  struct RangeControl {
    QLineEdit* Edit;
    VerticalUpDown* Spinner;
    TRangeBound Bound;
  };
  // One edit's handlers.
  struct EditHandlers {
    QLineEdit* Edit;
    void (TFRMDA::*Exit)();
    void (TFRMDA::*KeyPress)(char);
  };

  void CreateRangeBoxes();
  void CreateValueBoxes();
  void ConnectHandlers();
  void SetTabOrder();
  QList<EditHandlers> Edits() const;
  QList<RangeControl> RangeControls() const;
  QList<QWidget*> GroupControls() const;

  void ShowRanges();
  void ShowCounts();
  void ShowResults();
  void EnterRange(const RangeControl& range);
  void SpinRange(const RangeControl& range);

  std::unique_ptr<TDecayAnalysis> analysis_;
  std::unique_ptr<TDecayAnalysisPlots> plots_;
};
