#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "model/session_report.h"
#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_record.h"
#include "support/created_session.h"
#include "support/screen_bench.h"

namespace {

const QString ExportFailed = QStringLiteral("Export failed.");

void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton);
}

// Session ABC with data in every section: sample, and prompt, decay and analysis of all ten
// measurements, negative values included.
void FillEverySection() {
  Session.SamplePrepared = true;
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    Session.SolventAbsorption[wavelength] = 0.001f * static_cast<float>(wavelength);
    Session.SoluteAbsorption[wavelength] = -1.5f * static_cast<float>(wavelength);
    Session.FluorescenceSpectrum[wavelength] = 1.0f / static_cast<float>(wavelength);
  }
  for (int m = 1; m <= MeasurementCount; ++m) {
    Session.PromptRecorded[m] = true;
    Session.DecayRecorded[m] = true;
    Session.AnalysisSaved[m] = true;
    Session.AnaDecayLow[m] = 100 * m;
    Session.AnaDecayHigh[m] = 100 * m + 250;
    for (int channel = 1; channel <= ChannelCount; ++channel) {
      Session.PromptCounts[m][channel] = channel * m;
      Session.DecayCounts[m][channel] = channel - m * 7;
      Session.AnaFittedCurve[m][channel] = static_cast<float>(channel) / 3.0f;
      Session.AnaResiduals[m][channel] = static_cast<float>(m - 5) / 7.0f;
    }
  }
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench;
  TFRMEX* ex = nullptr;

  // Shows the screen as session control's "Export" does.
  void Open() { ArriveAt(ExportScreen, ex); }

  QString Scratch(const QString& name) const {
    return QDir(QString::fromStdString(bench->folder.Path().string())).filePath(name);
  }

  // Sorted names of the check boxes for which the test holds.
  template <typename Test>
  QStringList BoxesWhere(Test test) const {
    QStringList names;
    for (QCheckBox* box : ex->findChildren<QCheckBox*>())
      if (test(box)) names << box->objectName();
    names.sort();
    return names;
  }
  QStringList EnabledBoxes() const {
    return BoxesWhere([](const QCheckBox* box) { return box->isEnabled(); });
  }
  QStringList TickedBoxes() const {
    return BoxesWhere([](const QCheckBox* box) { return box->isChecked(); });
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  void init() {
    bench = std::make_unique<ScreenBench>();
    FillCreatedSession("ABC");
    bench->CreateAllScreens();
    ex = bench->screens->Export.get();
  }

  void cleanup() { bench.reset(); }

  void controlsStandAtTheirPlacesWithTheirCaptions() {
    Open();
    QCOMPARE(ex->windowTitle(), QStringLiteral("Qelti - Vostrelin Experiment - Export"));
    QCOMPARE(ex->size(), QSize(620, 600));
    QCOMPARE(ex->Label1->pos(), QPoint(88, 8));
    QVERIFY(ex->Label1->width() >= ex->Label1->sizeHint().width());  // nothing cut off
    QCOMPARE(ex->Label1->text(),
             QStringLiteral("The export button allows information about the various measurement "
                            "sections\n to be output to a text file. Check the boxes to select "
                            "sections then press <Export>."));
    QCOMPARE(ex->Bevel1->geometry(), QRect(16, 48, 587, 464));
    const struct {
      QPushButton* button;
      QRect place;
      const char* caption;
    } buttons[] = {{ex->ButtonA, {248, 70, 52, 20}, "Select all"},
                   {ex->ButtonC, {432, 70, 52, 20}, "Clear all"},
                   {ex->Button1, {16, 536, 75, 25}, "Export"},
                   {ex->Button2, {528, 536, 75, 25}, "Return"}};
    for (const auto& b : buttons) {
      QCOMPARE(b.button->geometry(), b.place);
      QCOMPARE(b.button->text(), QString::fromLatin1(b.caption));
    }
    QCOMPARE(ex->CheckBoxS->pos(), QPoint(76, 70));
    QCOMPARE(ex->CheckBoxS->text(), QStringLiteral("Sample preparation"));

    const struct {
      QCheckBox* box;
      const char* name;
      QPoint place;
      const char* caption;
    } boxes[] = {{ex->CheckBox01P, "CheckBox01P", {76, 110}, "Prompt 1"},
                 {ex->CheckBox01D, "CheckBox01D", {248, 110}, "Decay 1"},
                 {ex->CheckBox01A, "CheckBox01A", {432, 110}, "Analysis 1"},
                 {ex->CheckBox05D, "CheckBox05D", {248, 270}, "Decay 5"},
                 {ex->CheckBox10P, "CheckBox10P", {76, 470}, "Prompt 10"},
                 {ex->CheckBox10A, "CheckBox10A", {432, 470}, "Analysis 10"}};
    for (const auto& b : boxes) {
      QCOMPARE(ex->findChild<QCheckBox*>(QString::fromLatin1(b.name)), b.box);
      QCOMPARE(b.box->pos(), b.place);
      QCOMPARE(b.box->text(), QString::fromLatin1(b.caption));
    }
    QCOMPARE(ex->findChildren<QCheckBox*>().size(), 31);
    QCOMPARE(ex->PromptBoxes[7], ex->CheckBox07P);
    QCOMPARE(ex->AnalysisBoxes[10], ex->CheckBox10A);
  }

  void tabGoesRowByRow() {
    QWidget* const expected[] = {ex->CheckBoxS,   ex->ButtonA,     ex->ButtonC,    ex->CheckBox01P,
                                 ex->CheckBox01D, ex->CheckBox01A, ex->CheckBox02P};
    for (std::size_t i = 1; i < std::size(expected); ++i)
      QCOMPARE(expected[i - 1]->nextInFocusChain(), expected[i]);
    QCOMPARE(ex->CheckBox10A->nextInFocusChain(), ex->Button1);
    QCOMPARE(ex->Button1->nextInFocusChain(), ex->Button2);
  }

  void onlyBoxesWithDataAreEnabled() {
    Session.SamplePrepared = true;
    Session.PromptRecorded[1] = true;
    Session.DecayRecorded[1] = true;
    Session.AnalysisSaved[1] = true;
    Session.PromptRecorded[10] = true;
    Session.DecayRecorded[4] = true;
    Open();
    QCOMPARE(EnabledBoxes(), (QStringList{"CheckBox01A", "CheckBox01D", "CheckBox01P",
                                          "CheckBox04D", "CheckBox10P", "CheckBoxS"}));
    QVERIFY(TickedBoxes().isEmpty());
  }

  void selectAllOnAPreparedSampleTicksOnlyTheSample() {
    Session.SamplePrepared = true;
    Open();
    Click(ex->ButtonA);
    QCOMPARE(TickedBoxes(), QStringList{"CheckBoxS"});
  }

  void clearAllUnticksTheEnabledBoxesAndLeavesTheOthers() {
    Session.DecayRecorded[2] = true;
    Session.AnalysisSaved[3] = true;
    Open();
    Click(ex->CheckBox02D);
    Click(ex->CheckBox05P);  // disabled: the click does nothing
    QCOMPARE(TickedBoxes(), QStringList{"CheckBox02D"});
    Click(ex->ButtonA);
    QCOMPARE(TickedBoxes(), (QStringList{"CheckBox02D", "CheckBox03A"}));
    Click(ex->ButtonC);
    QVERIFY(TickedBoxes().isEmpty());
    QCOMPARE(EnabledBoxes(), (QStringList{"CheckBox02D", "CheckBox03A"}));
  }

  void cancellingTheDialogWritesNothing() {
    FillEverySection();
    Open();
    Click(ex->ButtonA);
    Click(ex->Button1);
    QCOMPARE(bench->recorder.saveRequests.size(), 1);
    const SaveFileRequest& request = bench->recorder.saveRequests.first();
    QCOMPARE(request.DefaultExtension, QStringLiteral("txt"));
    QCOMPARE(request.InitialName, QStringLiteral("export"));
    QCOMPARE(request.Filter, QStringLiteral("Text file (*.txt)"));
    QCOMPARE(QDir(Scratch(".")).entryList(QDir::Files), QStringList());
    QVERIFY(bench->recorder.infos.isEmpty());
  }

  void aTargetThatCannotBeWrittenSaysExportFailedAndLeavesNoFile() {
    FillEverySection();
    Open();
    Click(ex->ButtonA);
    bench->recorder.saveFileAnswer = Scratch("missing/export.txt");
    Click(ex->Button1);
    QCOMPARE(bench->recorder.infos, QStringList{ExportFailed});
    QVERIFY(!QFile::exists(bench->recorder.saveFileAnswer));
    QCOMPARE(QDir(Scratch(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Sessions"});
  }

  void exportWritesTheTickedSectionsAsTheReportWriterDoes() {
    FillEverySection();
    Open();
    Click(ex->ButtonA);
    Click(ex->CheckBox04D);  // one section left out
    bench->recorder.saveFileAnswer = Scratch("export.txt");
    Click(ex->Button1);
    QVERIFY(bench->recorder.infos.isEmpty());  // success is silent

    const QByteArray written = FileBytes(bench->recorder.saveFileAnswer);
    const QByteArray dateLabel = "\r\nReport  : ";
    const qsizetype dateStart = written.indexOf(dateLabel) + dateLabel.size();
    const qsizetype dateEnd = written.indexOf(".\r\n", dateStart);
    QVERIFY(dateStart > dateLabel.size() && dateEnd > dateStart);
    const QByteArray dateTime = written.mid(dateStart, dateEnd - dateStart);
    QVERIFY(dateTime.contains(' '));  // short date, a blank, long time

    ReportSelection selection;
    selection.Sample = true;
    for (int m = 1; m <= MeasurementCount; ++m)
      selection.Prompt[m] = selection.Decay[m] = selection.Analysis[m] = true;
    selection.Decay[4] = false;
    const std::string expected = SessionReportText(Session, selection, dateTime.toStdString());
    QCOMPARE(written.size(), qsizetype(expected.size()));
    QVERIFY(written == QByteArray::fromStdString(expected));
  }

  void eachShowingStartsUnticked() {
    FillEverySection();
    Open();
    Click(ex->ButtonA);
    QCOMPARE(TickedBoxes().size(), 31);
    Click(ex->Button2);
    QVERIFY(bench->screens->SessionControl->isVisible() && !ex->isVisible());
    Open();
    QVERIFY(TickedBoxes().isEmpty());
    QCOMPARE(EnabledBoxes().size(), 31);
  }

  void closingTheWindowEndsTheProgram() {
    Open();
    QVERIFY(!ex->close());
    QCOMPARE(bench->recorder.exitCode, std::optional<int>(0));
  }
};

QTEST_MAIN(ExportTest)
#include "tfrmex_test.moc"
