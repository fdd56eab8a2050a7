#include "screens/QLX_TCSPC_Analysis/tfrmda.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <initializer_list>
#include <utility>

#include "screens/shell/form_controls.h"
#include "session/session_record.h"

namespace {

VerticalUpDown* NewSpinner(const char* name, int left, int top, QWidget* parent) {
  auto* spinner = Named(new VerticalUpDown(1, ChannelCount, parent), QString::fromLatin1(name));
  spinner->setGeometry(left, top, 17, 44);
  return spinner;
}

}  // namespace

TFRMDA::TFRMDA()
    : ScreenForm(QStringLiteral("Qelti - Lumidor - Decay Analysis"), QSize(528, 516), Qt::cyan),
      analysis_(std::make_unique<TDecayAnalysis>()),
      plots_(std::make_unique<TDecayAnalysisPlots>()) {
  // The boxes first, so that every control lies above them.
  for (const QRect& place :
       {QRect(8, 272, 168, 116), QRect(192, 272, 168, 116), QRect(376, 272, 146, 116),
        QRect(8, 399, 168, 89), QRect(192, 399, 168, 89)})
    NewBevel(place, this);

  PaintBox1 = Named(new RasterView(plots_->Data, this), QStringLiteral("PaintBox1"));
  PaintBox1->move(8, 8);
  PaintBox1->setCursor(Qt::CrossCursor);
  PaintBox2 = Named(new RasterView(plots_->Residuals, this), QStringLiteral("PaintBox2"));
  PaintBox2->move(8, 216);

  CreateRangeBoxes();
  CreateValueBoxes();
  Button1 = NewButton("Button1", QStringLiteral("Return"), {455, 427, 67, 25}, this);
  Button2 = NewButton("Button2", QStringLiteral("Save and Return"), {369, 463, 154, 25}, this);

  ClearAnalysis(*analysis_);
  DrawDecayAnalysisPlots(*plots_, *analysis_);
  ConnectHandlers();
  SetTabOrder();
}

TFRMDA::~TFRMDA() {
  for (const EditHandlers& handlers : Edits()) handlers.Edit->removeEventFilter(this);
}

void TFRMDA::CreateRangeBoxes() {
  Label1 = NewLabel("Label1", QStringLiteral("Background range"), 16, 280, this);
  Label2 = NewLabel("Label2", QStringLiteral("Low"), 16, 302, this);
  Label3 = NewLabel("Label3", QStringLiteral("High"), 96, 302, this);
  Edit1 = NewEdit("Edit1", {16, 320, 40, 21}, this);
  Edit2 = NewEdit("Edit2", {96, 320, 40, 21}, this);
  UpDown1 = NewSpinner("UpDown1", 64, 300, this);
  UpDown2 = NewSpinner("UpDown2", 144, 300, this);
  LabelA = NewLabel("LabelA", QStringLiteral("Prompt counts = 0"), 17, 352, this);
  LabelB = NewLabel("LabelB", QStringLiteral("Decay counts = 0"), 18, 368, this);

  Label4 = NewLabel("Label4", QStringLiteral("Decay range"), 200, 280, this);
  Label5 = NewLabel("Label5", QStringLiteral("Low"), 200, 302, this);
  Label6 = NewLabel("Label6", QStringLiteral("High"), 280, 302, this);
  Edit4 = NewEdit("Edit4", {200, 320, 40, 21}, this);
  Edit5 = NewEdit("Edit5", {280, 320, 40, 21}, this);
  UpDown3 = NewSpinner("UpDown3", 248, 300, this);
  UpDown4 = NewSpinner("UpDown4", 328, 300, this);
  LabelC = NewLabel("LabelC", QStringLiteral("Prompt counts = 0"), 200, 352, this);
  LabelD = NewLabel("LabelD", QStringLiteral("Decay counts = 0"), 200, 368, this);
}

void TFRMDA::CreateValueBoxes() {
  Button3 = NewButton("Button3", QStringLiteral("Analyse"), {408, 280, 67, 25}, this);
  Label11 = NewLabel("Label11", QStringLiteral("Lifetime = 0.00"), 384, 313, this);
  Label12 = NewLabel("Label12", QStringLiteral("Chi-squared = 0.0000"), 384, 336, this);

  Label7 = NewLabel("Label7", QStringLiteral("Time calibration (ns/ch)"), 17, 409, this);
  Edit3 = NewEdit("Edit3", {17, 431, 64, 21}, this);
  Edit3->setText(QStringLiteral("0.0"));
  Label8 = NewLabel("Label8", QStringLiteral("Range 0.01 to 5.00"), 17, 462, this);

  Label9 = NewLabel("Label9", QStringLiteral("Lifetime estimate (ns)"), 198, 409, this);
  Edit6 = NewEdit("Edit6", {198, 431, 64, 21}, this);
  Edit6->setText(QStringLiteral("0.0"));
  Button4 = NewButton("Button4", QStringLiteral("Auto"), {272, 431, 67, 21}, this);
  Label10 = NewLabel("Label10", QStringLiteral("Range 0.1 to 100.0"), 198, 462, this);
}

QList<TFRMDA::EditHandlers> TFRMDA::Edits() const {
  return {{Edit1, &TFRMDA::Edit1Exit, &TFRMDA::Edit1KeyPress},
          {Edit2, &TFRMDA::Edit2Exit, &TFRMDA::Edit2KeyPress},
          {Edit3, &TFRMDA::Edit3Exit, &TFRMDA::Edit3KeyPress},
          {Edit4, &TFRMDA::Edit4Exit, &TFRMDA::Edit4KeyPress},
          {Edit5, &TFRMDA::Edit5Exit, &TFRMDA::Edit5KeyPress},
          {Edit6, &TFRMDA::Edit6Exit, &TFRMDA::Edit6KeyPress}};
}

QList<TFRMDA::RangeControl> TFRMDA::RangeControls() const {
  return {{Edit1, UpDown1, TRangeBound::BackgroundLow},
          {Edit2, UpDown2, TRangeBound::BackgroundHigh},
          {Edit4, UpDown3, TRangeBound::DecayLow},
          {Edit5, UpDown4, TRangeBound::DecayHigh}};
}

// The fourteen controls that are enabled and disabled together.
QList<QWidget*> TFRMDA::GroupControls() const {
  return {Button1, Button2, Button3, Button4, Edit1,   Edit2,   Edit3,
          Edit4,   Edit5,   Edit6,   UpDown1, UpDown2, UpDown3, UpDown4};
}

void TFRMDA::ConnectHandlers() {
  const std::initializer_list<std::pair<QPushButton*, void (TFRMDA::*)()>> clicks{
      {Button1, &TFRMDA::Button1Click},
      {Button2, &TFRMDA::Button2Click},
      {Button3, &TFRMDA::Button3Click},
      {Button4, &TFRMDA::Button4Click}};
  for (const auto& [button, handler] : clicks)
    connect(button, &QPushButton::clicked, this, handler);

  const std::initializer_list<std::pair<VerticalUpDown*, void (TFRMDA::*)()>> spinners{
      {UpDown1, &TFRMDA::UpDown1Click},
      {UpDown2, &TFRMDA::UpDown2Click},
      {UpDown3, &TFRMDA::UpDown3Click},
      {UpDown4, &TFRMDA::UpDown4Click}};
  for (const auto& [spinner, handler] : spinners)
    connect(spinner, &VerticalUpDown::Clicked, this, handler);

  for (const EditHandlers& handlers : Edits()) handlers.Edit->installEventFilter(this);
  connect(PaintBox1, &RasterView::Clicked, this, &TFRMDA::PaintBox1Click);
  PaintBox1->BeforePaint = [this] { PaintBox1Paint(); };
  PaintBox2->BeforePaint = [this] { PaintBox2Paint(); };
}

// In the order of the form's controls.
void TFRMDA::SetTabOrder() {
  const QList<QWidget*> order{Edit1,
                              Edit2,
                              UpDown1->UpArrow,
                              UpDown1->DownArrow,
                              UpDown2->UpArrow,
                              UpDown2->DownArrow,
                              Edit4,
                              Edit5,
                              UpDown3->UpArrow,
                              UpDown3->DownArrow,
                              UpDown4->UpArrow,
                              UpDown4->DownArrow,
                              Button3,
                              Edit3,
                              Edit6,
                              Button4,
                              Button1,
                              Button2};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Leaving an edit runs its exit handler, as the student leaves it: a window that loses the
// focus to a message box or another program keeps the edit as it is.
bool TFRMDA::eventFilter(QObject* watched, QEvent* event) {
  for (const EditHandlers& handlers : Edits()) {
    if (watched != handlers.Edit) continue;
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        (this->*handlers.Exit)();
    } else if (event->type() == QEvent::KeyPress) {
      const QString text = static_cast<QKeyEvent*>(event)->text();
      if (!text.isEmpty()) (this->*handlers.KeyPress)(text.at(0).toLatin1());
    }
  }
  return ScreenForm::eventFilter(watched, event);
}
