#include "screens/QLX_K07_Export/tfrmex.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <algorithm>

#include "screens/shell/dialogs.h"
#include "screens/shell/form_controls.h"
#include "screens/shell/screen_manager.h"

namespace {

constexpr int PromptLeft = 76;
constexpr int DecayLeft = 248;
constexpr int AnalysisLeft = 432;
constexpr int FirstRowTop = 110;
constexpr int RowStep = 40;
const QSize SmallButton(52, 20);
const QSize ButtonSize(75, 25);

QCheckBox* NewCheckBox(const QString& name, const QString& caption, QPoint place, QWidget* form) {
  auto* box = Named(new QCheckBox(caption, form), name);
  box->move(place);
  box->adjustSize();
  return box;
}

// The column of one kind of section: "Prompt 1" .. "Prompt 10", named CheckBox01P ...
TFRMEX::MeasurementBoxes NewColumn(const QString& title, QChar kind, int left, QWidget* form) {
  TFRMEX::MeasurementBoxes boxes;
  for (int m = 1; m <= MeasurementCount; ++m) {
    const QString name = QStringLiteral("CheckBox%1%2").arg(m, 2, 10, QLatin1Char('0')).arg(kind);
    boxes[m] = NewCheckBox(name, QStringLiteral("%1 %2").arg(title).arg(m),
                           {left, FirstRowTop + RowStep * (m - 1)}, form);
  }
  return boxes;
}

// The local date and time as the user's system writes it: short date, a blank, long time.
std::string ReportDateTime() {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(now.time(), QLocale::LongFormat);
  return text.toLatin1().toStdString();
}

}  // namespace

TFRMEX::TFRMEX()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Export"), QSize(620, 600),
                 Qt::cyan) {
  CreateControls();
  connect(ButtonA, &QPushButton::clicked, this, &TFRMEX::ButtonAClick);
  connect(ButtonC, &QPushButton::clicked, this, &TFRMEX::ButtonCClick);
  connect(Button1, &QPushButton::clicked, this, &TFRMEX::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TFRMEX::Button2Click);
}

// Tab order: the sample row, each measurement row left to right, then the two buttons.
void TFRMEX::CreateControls() {
  Label1 = Named(new QLabel(QStringLiteral("The export button allows information about the "
                                           "various measurement sections\n to be output to a "
                                           "text file. Check the boxes to select sections then "
                                           "press <Export>."),
                            this),
                 QStringLiteral("Label1"));
  const QSize labelText = Label1->sizeHint();
  Label1->setGeometry(88, 8, std::max(408, labelText.width()), std::max(27, labelText.height()));

  Bevel1 = Named(NewBevel({16, 48, 587, 464}, this), QStringLiteral("Bevel1"));

  CheckBoxS = NewCheckBox(QStringLiteral("CheckBoxS"), QStringLiteral("Sample preparation"),
                          {PromptLeft, 70}, this);
  ButtonA =
      NewButton("ButtonA", QStringLiteral("Select all"), {{DecayLeft, 70}, SmallButton}, this);
  ButtonC =
      NewButton("ButtonC", QStringLiteral("Clear all"), {{AnalysisLeft, 70}, SmallButton}, this);
  CreateMeasurementBoxes();
  Button1 = NewButton("Button1", QStringLiteral("Export"), {{16, 536}, ButtonSize}, this);
  Button2 = NewButton("Button2", QStringLiteral("Return"), {{528, 536}, ButtonSize}, this);
  setTabOrder(AnalysisBoxes[MeasurementCount], Button1);
  setTabOrder(Button1, Button2);
}

void TFRMEX::CreateMeasurementBoxes() {
  PromptBoxes = NewColumn(QStringLiteral("Prompt"), QLatin1Char('P'), PromptLeft, this);
  DecayBoxes = NewColumn(QStringLiteral("Decay"), QLatin1Char('D'), DecayLeft, this);
  AnalysisBoxes = NewColumn(QStringLiteral("Analysis"), QLatin1Char('A'), AnalysisLeft, this);
  for (int m = 1; m <= MeasurementCount; ++m) {
    setTabOrder(m == 1 ? static_cast<QWidget*>(ButtonC) : AnalysisBoxes[m - 1], PromptBoxes[m]);
    setTabOrder(PromptBoxes[m], DecayBoxes[m]);
    setTabOrder(DecayBoxes[m], AnalysisBoxes[m]);
  }

  QCheckBox** const named[][MeasurementCount] = {
      {&CheckBox01P, &CheckBox02P, &CheckBox03P, &CheckBox04P, &CheckBox05P, &CheckBox06P,
       &CheckBox07P, &CheckBox08P, &CheckBox09P, &CheckBox10P},
      {&CheckBox01D, &CheckBox02D, &CheckBox03D, &CheckBox04D, &CheckBox05D, &CheckBox06D,
       &CheckBox07D, &CheckBox08D, &CheckBox09D, &CheckBox10D},
      {&CheckBox01A, &CheckBox02A, &CheckBox03A, &CheckBox04A, &CheckBox05A, &CheckBox06A,
       &CheckBox07A, &CheckBox08A, &CheckBox09A, &CheckBox10A}};
  const MeasurementBoxes* const columns[] = {&PromptBoxes, &DecayBoxes, &AnalysisBoxes};
  for (int column = 0; column < 3; ++column)
    for (int m = 1; m <= MeasurementCount; ++m) *named[column][m - 1] = (*columns[column])[m];
}

QList<QCheckBox*> TFRMEX::AllBoxes() const {
  QList<QCheckBox*> boxes{CheckBoxS};
  for (int m = 1; m <= MeasurementCount; ++m)
    boxes << PromptBoxes[m] << DecayBoxes[m] << AnalysisBoxes[m];
  return boxes;
}

void TFRMEX::ClearExportScreen() {
  for (QCheckBox* box : AllBoxes()) {
    box->setChecked(false);
    box->setEnabled(false);
  }
}

void TFRMEX::RefreshExportScreen() {
  ClearExportScreen();
  CheckBoxS->setEnabled(Session.SamplePrepared);
  for (int m = 1; m <= MeasurementCount; ++m) {
    PromptBoxes[m]->setEnabled(Session.PromptRecorded[m]);
    DecayBoxes[m]->setEnabled(Session.DecayRecorded[m]);
    AnalysisBoxes[m]->setEnabled(Session.AnalysisSaved[m]);
  }
}

ReportSelection TFRMEX::TickedSections() const {
  ReportSelection selection;
  selection.Sample = CheckBoxS->isChecked();
  for (int m = 1; m <= MeasurementCount; ++m) {
    selection.Prompt[m] = PromptBoxes[m]->isChecked();
    selection.Decay[m] = DecayBoxes[m]->isChecked();
    selection.Analysis[m] = AnalysisBoxes[m]->isChecked();
  }
  return selection;
}

void TFRMEX::ButtonAClick() {
  for (QCheckBox* box : AllBoxes())
    if (box->isEnabled()) box->setChecked(true);
}

void TFRMEX::ButtonCClick() {
  for (QCheckBox* box : AllBoxes())
    if (box->isEnabled()) box->setChecked(false);
}

void TFRMEX::Button1Click() {
  const QString path = SaveFileDialog(
      {QStringLiteral("txt"), QStringLiteral("export"), QStringLiteral("Text file (*.txt)")});
  if (path.isEmpty()) return;
  const std::string report = SessionReportText(Session, TickedSections(), ReportDateTime());
  if (!WriteSessionReport(QFile::encodeName(path).toStdString(), report))
    InfoDialog(QStringLiteral("Export failed."));
}

void TFRMEX::Button2Click() {
  ShowScreen(SessionControlScreen);
}
