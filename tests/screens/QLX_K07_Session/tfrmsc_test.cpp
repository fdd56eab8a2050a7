#include <QApplication>
#include <QtTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "app/program.h"
#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/created_session.h"
#include "support/enabled_names.h"
#include "support/screen_bench.h"

namespace fs = std::filesystem;

namespace {

const QString Edit1Hint =
    QStringLiteral("HINT LINE ->   Input session name <Enter>.   <- HINT LINE");
const QString ResetQuestion = QStringLiteral("This will erase all data.\nAre you sure?");
const char* const SessionPath = "Sessions/ABC.qlx";

using Adjustment = std::function<void(TSessionRecord&)>;

// Writes a session file as session creation leaves it, changed by the adjustment, and leaves
// Session zeroed as at program start.
void WriteSession(const std::string& reference, const std::string& password,
                  const Adjustment& adjust = {}) {
  FillCreatedSession(reference, password);
  if (adjust) adjust(Session);
  QVERIFY(SaveSession());
  std::memset(&Session, 0, sizeof Session);
}

std::vector<char> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TypeAndEnter(QLineEdit* edit, const QString& text) {
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

QString FocusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? QString() : focus->objectName();
}

// The controls a user could work with, by name, that are enabled (the hint line is left out:
// it is always enabled).
QStringList EnabledControls(const TFRMSC& sc) {
  return EnabledNames({sc.Edit1, sc.Edit2, sc.Edit3, sc.CheckBox1, sc.CheckBox2, sc.CheckBox3,
                       sc.CheckBox4, sc.Button01, sc.Button02, sc.ComboBox1, sc.Button03,
                       sc.Button04, sc.Button05, sc.Button06, sc.Button07, sc.Button08, sc.Button09,
                       sc.Button10, sc.Button11});
}

QStringList TickedBoxes(const TFRMSC& sc) {
  return TickedNames({sc.CheckBox1, sc.CheckBox2, sc.CheckBox3, sc.CheckBox4});
}

const QStringList StateA{"Edit1", "Button11"};
const QStringList StateA2{"Edit2", "Button11"};
const QStringList StateB{"Button01", "Button11"};

// State C: "View" of step 1, the measurement box, the given step-2 buttons, and the last three.
QStringList StateC(const QStringList& step2Buttons) {
  return QStringList{"Button02", "ComboBox1"} + step2Buttons +
         QStringList{"Button09", "Button10", "Button11"};
}

}  // namespace

// Each test runs the real screens in a scratch working directory, from a zeroed Session and
// cleared flags, with every dialog answered by a recorder.
class SessionControlTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench_;

  // Shows session control as the start-up sequence does, without waiting for it.
  TFRMSC* ShowSessionControl() {
    bench_->CreateAllScreens();
    bench_->screens->Startup->show();
    ShowScreen(SessionControlScreen);
    return bench_->screens->SessionControl.get();
  }

  // Logs in to a session written with the given adjustment.
  TFRMSC* LoggedInTo(const Adjustment& adjust) {
    WriteSession("ABC", "secret", adjust);
    TFRMSC* sc = ShowSessionControl();
    TypeAndEnter(sc->Edit1, QStringLiteral("ABC"));
    TypeAndEnter(sc->Edit2, QStringLiteral("secret"));
    return sc;
  }

  QList<ScreenForm*> VisibleScreens() const {
    QList<ScreenForm*> visible;
    for (ScreenForm* form : bench_->screens->InCreationOrder())
      if (form->isVisible()) visible << form;
    return visible;
  }

 private slots:
  void initTestCase() { UseFormFont(); }  // captions are measured in the program's font

  void init() { bench_ = std::make_unique<ScreenBench>(); }

  void cleanup() { bench_.reset(); }

  void controlsStandAtTheirPlacesWithTheirCaptions() {
    TFRMSC* sc = ShowSessionControl();
    const struct {
      const QWidget* control;
      QRect place;
    } places[] = {
        {sc->Edit1, {184, 24, 192, 21}},     {sc->Edit2, {184, 56, 192, 21}},
        {sc->Edit3, {184, 89, 192, 21}},     {sc->Edit4, {16, 505, 376, 21}},
        {sc->ComboBox1, {192, 285, 75, 21}}, {sc->Button01, {192, 176, 75, 25}},
        {sc->Button02, {296, 176, 75, 25}},  {sc->Button03, {192, 334, 75, 25}},
        {sc->Button04, {296, 334, 75, 25}},  {sc->Button05, {192, 384, 75, 25}},
        {sc->Button06, {296, 384, 75, 25}},  {sc->Button07, {192, 434, 75, 25}},
        {sc->Button08, {296, 434, 75, 25}},  {sc->Button09, {16, 544, 75, 25}},
        {sc->Button10, {104, 544, 75, 25}},  {sc->Button11, {528, 544, 75, 25}},
        {sc->Bevel1, {16, 8, 376, 115}},     {sc->Bevel2, {16, 136, 376, 80}},
        {sc->Bevel3, {16, 232, 376, 256}},
    };
    for (const auto& [control, place] : places) QCOMPARE(control->geometry(), place);

    const struct {
      const QWidget* control;
      QPoint place;
      const char* caption;
    } captions[] = {
        {sc->Label1, {48, 31}, "Session reference:"},
        {sc->Label2, {48, 64}, "Password:"},
        {sc->Label3, {48, 96}, "Student name:"},
        {sc->Label4, {52, 292}, "Measurement number"},
        {sc->Label5, {128, 152}, "Step 1 - Sample Preparation"},
        {sc->Label6, {52, 250}, "Step 2 - Lifetime measurement and analysis (10 measurements)"},
        {sc->CheckBox1, {48, 184}, "Sample preparation"},
        {sc->CheckBox2, {48, 342}, "Prompt measurement"},
        {sc->CheckBox3, {48, 392}, "Decay measurement"},
        {sc->CheckBox4, {48, 442}, "Data analysis"},
        {sc->Button01, {192, 176}, "Go"},
        {sc->Button02, {296, 176}, "View"},
        {sc->Button07, {192, 434}, "Go"},
        {sc->Button08, {296, 434}, "View"},
        {sc->Button09, {16, 544}, "Export"},
        {sc->Button10, {104, 544}, "Reset"},
        {sc->Button11, {528, 544}, "Exit"},
    };
    for (const auto& [control, place, caption] : captions) {
      QCOMPARE(control->pos(), place);
      QCOMPARE(control->property("text").toString(), QString::fromLatin1(caption));
      QVERIFY(sc->rect().contains(control->geometry()));
    }

    // Every caption fits its place: headings inside their bevels, nothing under the buttons
    // and fields beside it.
    QVERIFY(sc->Bevel2->geometry().contains(sc->Label5->geometry()));
    QVERIFY(sc->Bevel3->geometry().contains(sc->Label6->geometry()));
    for (const QLabel* label : {sc->Label1, sc->Label2, sc->Label3})
      QVERIFY(label->geometry().right() < sc->Edit1->x());
    QVERIFY(sc->Label4->geometry().right() < sc->ComboBox1->x());
    for (const QCheckBox* box : {sc->CheckBox1, sc->CheckBox2, sc->CheckBox3, sc->CheckBox4})
      QVERIFY(box->geometry().right() < sc->Button01->x());

    QCOMPARE(sc->Label5->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(sc->Edit2->echoMode(), QLineEdit::Password);
    QVERIFY(sc->Edit4->isReadOnly());
    QCOMPARE(sc->Edit4->alignment(), Qt::AlignCenter);
    QCOMPARE(sc->Edit4->palette().color(QPalette::Text), QColor(Qt::red));
    QVERIFY(!sc->ComboBox1->isEditable());
    QCOMPARE(sc->ComboBox1->count(), 10);
    QCOMPARE(sc->ComboBox1->itemText(0), QStringLiteral("01"));
    QCOMPARE(sc->ComboBox1->itemText(9), QStringLiteral("10"));
  }

  // Tab walks the controls in their order and each shows its hint; the hint line, the student
  // name and the check boxes are never reached by tabbing.
  void tabbingShowsEachHintInTabOrder() {
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    for (QWidget* control : std::initializer_list<QWidget*>{
             sc->Edit2, sc->Button01, sc->Button02, sc->ComboBox1, sc->Button03, sc->Button04,
             sc->Button05, sc->Button06, sc->Button07, sc->Button08, sc->Button09, sc->Button10})
      control->setEnabled(true);
    const struct {
      const char* control;
      const char* hint;
    } walk[] = {
        {"Edit2", "Input your password <Enter>."},
        {"Button01", "Prepare a sample."},
        {"Button02", "View the prepared sample."},
        {"ComboBox1", "Select measurement number."},
        {"Button03", "Measure an instrumental profile."},
        {"Button04", "View the instrumental response."},
        {"Button05", "Measure a fluorescence decay."},
        {"Button06", "View the fluorescence decay."},
        {"Button07", "Analyse the measured data."},
        {"Button08", "View the data analysis."},
        {"Button09", "Export the session to a text file."},
        {"Button10", "Clear all data and start again."},
        {"Button11", "End session?"},
        {"Edit1", "HINT LINE ->   Input session name <Enter>.   <- HINT LINE"},
    };
    QCOMPARE(FocusName(), QStringLiteral("Edit1"));
    for (const auto& [control, hint] : walk) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(FocusName(), QString::fromLatin1(control));
      QCOMPARE(sc->Edit4->text(), QString::fromLatin1(hint));
    }
  }

  void firstShowingIsLoggedOut() {
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    QCOMPARE(EnabledControls(*sc), StateA);
    QVERIFY(sc->Edit4->isEnabled());
    QCOMPARE(FocusName(), QStringLiteral("Edit1"));
    QCOMPARE(sc->Edit4->text(), Edit1Hint);
    QVERIFY(TickedBoxes(*sc).isEmpty());
    QCOMPARE(sc->ComboBox1->currentText(), QStringLiteral("01"));
    for (const QLineEdit* edit : {sc->Edit1, sc->Edit2, sc->Edit3}) QVERIFY(edit->text().isEmpty());
  }

  void aReferenceTypedInLowerCaseLogsIn() {
    WriteSession("ABC", "secret");
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    bench_->recorder.notes.clear();

    QTest::keyClicks(sc->Edit1, QStringLiteral("abc"));
    QCOMPARE(sc->Edit1->text(), QStringLiteral("ABC"));
    QVERIFY(bench_->recorder.notes.isEmpty());  // keys other than Enter only edit the field
    QTest::keyClick(sc->Edit1, Qt::Key_Return);
    QCOMPARE(EnabledControls(*sc), StateA2);
    QCOMPARE(FocusName(), QStringLiteral("Edit2"));
    QCOMPARE(sc->Edit4->text(), QStringLiteral("Input your password <Enter>."));

    QTest::keyClicks(sc->Edit2, QStringLiteral("secret"));
    QVERIFY(!LoggedIn);
    QTest::keyClick(sc->Edit2, Qt::Key_Return);
    QVERIFY(LoggedIn);
    QCOMPARE(sc->Edit3->text(), QStringLiteral("A. Student"));
    QCOMPARE(EnabledControls(*sc), StateB);
    QCOMPARE(FocusName(), QStringLiteral("Button01"));
    QCOMPARE(sc->Edit4->text(), QStringLiteral("Prepare a sample."));
    QVERIFY(bench_->recorder.infos.isEmpty());
    QCOMPARE(bench_->recorder.notes, (QStringList{"Session reference = ABC", "Password test passed",
                                                  "Student = A. Student"}));
  }

  void referenceEntryKeepsLatin1_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters become capitals") << "abc xyz"
                                             << "ABC XYZ";
    QTest::newRow("accented letters too") << QString::fromUtf8("éàñ") << QString::fromUtf8("ÉÀÑ");
    QTest::newRow("no Latin-1 capital: as typed")
        << QString::fromUtf8("ßÿµ") << QString::fromUtf8("ßÿµ");
    QTest::newRow("outside Latin-1: refused") << QString::fromUtf8("a€b") << "AB";
    QTest::newRow("digits and signs") << "1-_. "
                                      << "1-_. ";
  }
  void referenceEntryKeepsLatin1() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TFRMSC* sc = ShowSessionControl();
    for (const QChar character : typed)  // keyClicks takes ASCII only
      QTest::sendKeyEvent(QTest::Click, sc->Edit1, Qt::Key_unknown, QString(character),
                          Qt::NoModifier);
    QCOMPARE(sc->Edit1->text(), shown);
  }

  void invalidReferences_data() {
    QTest::addColumn<QString>("storedReference");  // of the one session file; null: none
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty, no files") << QString() << QString() << "";
    QTest::newRow("empty, a file .qlx holding an empty reference") << ""
                                                                   << ".qlx"
                                                                   << "";
    QTest::newRow("no such file") << "ABC"
                                  << "ABC.qlx"
                                  << "XYZ";
    QTest::newRow("the file holds another reference") << "ABC"
                                                      << "XYZ.qlx"
                                                      << "XYZ";
  }
  void invalidReferences() {
    QFETCH(QString, storedReference);
    QFETCH(QString, fileName);
    QFETCH(QString, typed);
    if (!storedReference.isNull()) {
      WriteSession(storedReference.toStdString(), "");
      fs::rename(fs::path("Sessions") / (storedReference.toStdString() + ".qlx"),
                 fs::path("Sessions") / fileName.toStdString());
    }
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    TypeAndEnter(sc->Edit1, typed);

    QCOMPARE(bench_->recorder.infos, QStringList{"Invalid session."});
    QVERIFY(bench_->recorder.notes.contains("Invalid session reference"));
    QCOMPARE(EnabledControls(*sc), StateA);
    QCOMPARE(FocusName(), QStringLiteral("Edit1"));
    QCOMPARE(sc->Edit1->text(), typed);
    QVERIFY(!LoggedIn);
  }

  // A session file whose stored reference differs from its name is refused; the reference it
  // left in memory must not then match when its own file does not exist.
  void aFailedLoadNeverMatchesAnEarlierLoad() {
    WriteSession("ABC", "secret");
    fs::rename(SessionPath, "Sessions/XYZ.qlx");
    TFRMSC* sc = ShowSessionControl();
    TypeAndEnter(sc->Edit1, QStringLiteral("XYZ"));
    sc->Edit1->clear();
    TypeAndEnter(sc->Edit1, QStringLiteral("ABC"));
    QCOMPARE(bench_->recorder.infos, (QStringList{"Invalid session.", "Invalid session."}));
    QCOMPARE(EnabledControls(*sc), StateA);
  }

  void aWrongPasswordMayBeRetriedWithoutLimit() {
    WriteSession("ABC", "secret");
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    TypeAndEnter(sc->Edit1, QStringLiteral("ABC"));
    TypeAndEnter(sc->Edit2, QStringLiteral("SECRET"));  // compared case-sensitively
    for (int retry = 0; retry < 4; ++retry) QTest::keyClick(sc->Edit2, Qt::Key_Return);

    QCOMPARE(bench_->recorder.infos, QStringList(5, QStringLiteral("Invalid password.")));
    QCOMPARE(bench_->recorder.notes.count(QStringLiteral("Password test failed")), 5);
    QCOMPARE(sc->Edit2->text(), QStringLiteral("SECRET"));
    QCOMPARE(FocusName(), QStringLiteral("Edit2"));
    QCOMPARE(EnabledControls(*sc), StateA2);
    QVERIFY(!LoggedIn);

    sc->Edit2->clear();
    TypeAndEnter(sc->Edit2, QStringLiteral("secret"));
    QVERIFY(LoggedIn);
    QCOMPARE(EnabledControls(*sc), StateB);
  }

  void anEmptyPasswordIsEnteredWithEnter() {
    WriteSession("ABC", "");
    TFRMSC* sc = ShowSessionControl();
    TypeAndEnter(sc->Edit1, QStringLiteral("ABC"));
    QTest::keyClick(sc->Edit2, Qt::Key_Return);
    QVERIFY(LoggedIn);
    QVERIFY(bench_->recorder.infos.isEmpty());
    QCOMPARE(EnabledControls(*sc), StateB);
  }

  // The record keeps 32 characters of each; what the supervisor typed beyond them is cut off
  // when the session is created, and so it is when the student types it.
  void overlongEntriesAreCutAsWhenTheSessionWasCreated() {
    const QString reference = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    const QString password = QStringLiteral("a password of forty characters, exactly!");
    WriteSession(reference.toStdString(), password.toStdString());
    TFRMSC* sc = ShowSessionControl();
    TypeAndEnter(sc->Edit1, reference);
    QCOMPARE(sc->Edit1->text(), reference.left(32));
    TypeAndEnter(sc->Edit2, password);
    QVERIFY(bench_->recorder.infos.isEmpty());
    QVERIFY(LoggedIn);
  }

  void loggedInStates_data() {
    QTest::addColumn<bool>("samplePrepared");
    QTest::addColumn<int>("m");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<bool>("decay");
    QTest::addColumn<bool>("analysis");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("focus");
    QTest::newRow("B: no sample, measurements saved")
        << false << 2 << true << true << false << StateB << QStringList() << "Button01";
    QTest::newRow("C: nothing measured")
        << true << 1 << false << false << false << StateC({"Button03", "Button05"})
        << QStringList{"CheckBox1"} << "Button02";
    QTest::newRow("C: measurement 3 with a prompt, no decay")
        << true << 3 << true << false << false << StateC({"Button04", "Button05"})
        << QStringList{"CheckBox1", "CheckBox2"} << "Button02";
    QTest::newRow("C: a decay, no prompt")
        << true << 5 << false << true << false << StateC({"Button03", "Button06"})
        << QStringList{"CheckBox1", "CheckBox3"} << "Button02";
    QTest::newRow("C: both measured, not analysed")
        << true << 7 << true << true << false << StateC({"Button04", "Button06", "Button07"})
        << QStringList{"CheckBox1", "CheckBox2", "CheckBox3"} << "Button02";
    QTest::newRow("C: measurement 10 analysed")
        << true << 10 << true << true << true << StateC({"Button04", "Button06", "Button08"})
        << QStringList{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"} << "Button02";
  }
  void loggedInStates() {
    QFETCH(bool, samplePrepared);
    QFETCH(int, m);
    QFETCH(bool, prompt);
    QFETCH(bool, decay);
    QFETCH(bool, analysis);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, ticked);
    QFETCH(QString, focus);
    TFRMSC* sc = LoggedInTo([&](TSessionRecord& record) {
      record.SamplePrepared = samplePrepared;
      record.CurrentMeasurement = m;
      record.PromptRecorded[m] = prompt;
      record.DecayRecorded[m] = decay;
      record.AnalysisSaved[m] = analysis;
    });
    QVERIFY(QTest::qWaitForWindowActive(sc));
    QCOMPARE(EnabledControls(*sc), enabled);
    QCOMPARE(TickedBoxes(*sc), ticked);
    QCOMPARE(FocusName(), focus);
    QCOMPARE(sc->ComboBox1->currentText(),
             QStringLiteral("%1").arg(samplePrepared ? m : 1, 2, 10, QLatin1Char('0')));
  }

  // Each pick sets every row anew, whatever the previous measurement showed.
  void theMeasurementBoxShowsThePickedMeasurement() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) {
      record.SamplePrepared = true;
      record.PromptRecorded[1] = record.DecayRecorded[1] = record.AnalysisSaved[1] = true;
      record.PromptRecorded[3] = true;
      record.PromptRecorded[4] = record.DecayRecorded[4] = true;
    });
    const struct {
      QStringList enabled;
      QStringList ticked;
    } rows[] = {
        {StateC({"Button03", "Button05"}), {"CheckBox1"}},
        {StateC({"Button04", "Button05"}), {"CheckBox1", "CheckBox2"}},
        {StateC({"Button04", "Button06", "Button07"}), {"CheckBox1", "CheckBox2", "CheckBox3"}},
        {StateC({"Button03", "Button05"}), {"CheckBox1"}},
    };
    for (int m = 2; m <= 5; ++m) {
      QTest::keyClick(sc->ComboBox1, Qt::Key_Down);
      QCOMPARE(Session.CurrentMeasurement, m);
      QCOMPARE(sc->ComboBox1->currentText(), QStringLiteral("0%1").arg(m));
      QCOMPARE(EnabledControls(*sc), rows[m - 2].enabled);
      QCOMPARE(TickedBoxes(*sc), rows[m - 2].ticked);
    }
    QTest::keyClick(sc->ComboBox1, Qt::Key_Home);
    QCOMPARE(Session.CurrentMeasurement, 1);
    QCOMPARE(TickedBoxes(*sc), (QStringList{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}));
  }

  // The measurement screen works on the picked measurement, and coming back shows it again.
  void thePickedMeasurementHoldsAcrossAVisit() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) {
      record.SamplePrepared = true;
      record.PromptRecorded[3] = true;
    });
    QTest::keyClick(sc->ComboBox1, Qt::Key_Down);
    QTest::keyClick(sc->ComboBox1, Qt::Key_Down);
    QTest::mouseClick(sc->Button05, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<ScreenForm*>{bench_->screens->DecayMeasurement.get()});
    QCOMPARE(Session.CurrentMeasurement, 3);
    QVERIFY(!PromptMode);

    ShowScreen(SessionControlScreen);
    QCOMPARE(Session.CurrentMeasurement, 3);
    QCOMPARE(sc->ComboBox1->currentText(), QStringLiteral("03"));
    QCOMPARE(EnabledControls(*sc), StateC({"Button04", "Button05"}));
  }

  void buttonsLeadToTheirScreens_data() {
    QTest::addColumn<bool>("samplePrepared");
    QTest::addColumn<bool>("measured");  // prompt and decay of measurement 1
    QTest::addColumn<bool>("analysed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("promptMode");  // -1: left alone
    QTest::newRow("Go: sample") << false << false << false << "Button01" << 4 << -1;
    QTest::newRow("View: sample") << true << false << false << "Button02" << 4 << -1;
    QTest::newRow("Go: prompt") << true << false << false << "Button03" << 5 << 1;
    QTest::newRow("View: prompt") << true << true << false << "Button04" << 5 << 1;
    QTest::newRow("Go: decay") << true << false << false << "Button05" << 5 << 0;
    QTest::newRow("View: decay") << true << true << false << "Button06" << 5 << 0;
    QTest::newRow("Go: analysis") << true << true << false << "Button07" << 7 << -1;
    QTest::newRow("View: analysis") << true << true << true << "Button08" << 7 << -1;
    QTest::newRow("Export") << true << false << false << "Button09" << 8 << -1;
  }
  void buttonsLeadToTheirScreens() {
    QFETCH(bool, samplePrepared);
    QFETCH(bool, measured);
    QFETCH(bool, analysed);
    QFETCH(QString, button);
    QFETCH(int, screen);
    QFETCH(int, promptMode);
    TFRMSC* sc = LoggedInTo([&](TSessionRecord& record) {
      record.SamplePrepared = samplePrepared;
      record.PromptRecorded[1] = record.DecayRecorded[1] = measured;
      record.AnalysisSaved[1] = analysed;
    });
    auto* pressed = sc->findChild<QPushButton*>(button);
    QVERIFY(pressed->isEnabled());
    const bool before = promptMode != 1;  // the opposite of what the button must set
    PromptMode = before;
    QTest::mouseClick(pressed, Qt::LeftButton);

    ScreenForm* target = nullptr;
    if (screen == SamplePreparationScreen) target = bench_->screens->SamplePreparation.get();
    if (screen == DecayMeasurementScreen) target = bench_->screens->DecayMeasurement.get();
    if (screen == DecayAnalysisScreen) target = bench_->screens->DecayAnalysis.get();
    if (screen == ExportScreen) target = bench_->screens->Export.get();
    QCOMPARE(VisibleScreens(), QList<ScreenForm*>{target});
    QCOMPARE(PromptMode, promptMode == -1 ? before : promptMode == 1);
  }

  void exitAfterPickingMeasurement10LeavesTheFileAlone() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) { record.SamplePrepared = true; });
    const std::vector<char> saved = FileBytes(SessionPath);
    QTest::keyClick(sc->ComboBox1, Qt::Key_End);
    QCOMPARE(Session.CurrentMeasurement, 10);
    QTest::mouseClick(sc->Button11, Qt::LeftButton);
    QCOMPARE(bench_->recorder.exitCode, std::optional<int>(0));
    QCOMPARE(bench_->recorder.notes.last(), QStringLiteral("Program terminated"));
    QVERIFY(bench_->recorder.questions.isEmpty());
    QVERIFY(FileBytes(SessionPath) == saved);
  }

  void resetAnsweredYesRewritesTheFileKeepingTheHeader() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) {
      record.SamplePrepared = true;
      record.CurrentMeasurement = 4;
      record.SampleConcentration = 2.5e-6f;
      record.PromptRecorded[4] = record.DecayRecorded[4] = record.AnalysisSaved[4] = true;
      record.DecayCounts[4][100] = 777;
      record.LampOn = true;
    });
    QVERIFY(QTest::qWaitForWindowActive(sc));
    const std::vector<char> before = FileBytes(SessionPath);
    bench_->recorder.confirmAnswer = true;
    QTest::mouseClick(sc->Button10, Qt::LeftButton);

    QCOMPARE(bench_->recorder.questions, QStringList{ResetQuestion});
    QVERIFY(bench_->recorder.infos.isEmpty());
    const std::vector<char> after = FileBytes(SessionPath);
    QCOMPARE(after.size(), SessionRecordSize);
    QVERIFY(std::equal(before.begin(), before.begin() + FirstProgressOffset, after.begin()));
    auto onDisk = std::make_unique<TSessionRecord>();
    std::memcpy(onDisk.get(), after.data(), SessionRecordSize);
    QVERIFY(!onDisk->SamplePrepared);
    QCOMPARE(onDisk->CurrentMeasurement, 1);
    QVERIFY(!onDisk->PromptRecorded[4] && !onDisk->DecayRecorded[4] && !onDisk->AnalysisSaved[4]);
    QCOMPARE(onDisk->DecayCounts[4][100], 0);
    QCOMPARE(onDisk->SampleConcentration, 0.0f);
    QVERIFY(!onDisk->LampOn);

    QCOMPARE(VisibleScreens(), QList<ScreenForm*>{sc});
    QCOMPARE(EnabledControls(*sc), StateB);
    QVERIFY(TickedBoxes(*sc).isEmpty());
    // Shown anew: the offscreen platform does not activate it again, but its focus is set.
    QCOMPARE(sc->focusWidget(), sc->Button01);
  }

  void resetAnsweredNoChangesNothing() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) {
      record.SamplePrepared = true;
      record.PromptRecorded[1] = true;
    });
    const std::vector<char> file = FileBytes(SessionPath);
    auto memory = std::make_unique<TSessionRecord>(Session);
    const QStringList enabled = EnabledControls(*sc);
    QTest::mouseClick(sc->Button10, Qt::LeftButton);

    QCOMPARE(bench_->recorder.questions, QStringList{ResetQuestion});
    QVERIFY(FileBytes(SessionPath) == file);
    QVERIFY(std::memcmp(memory.get(), &Session, sizeof Session) == 0);
    QCOMPARE(EnabledControls(*sc), enabled);
    QCOMPARE(TickedBoxes(*sc), (QStringList{"CheckBox1", "CheckBox2"}));
  }

  void resetThatCannotBeSavedStaysInMemory() {
    TFRMSC* sc = LoggedInTo([](TSessionRecord& record) { record.SamplePrepared = true; });
    const std::vector<char> file = FileBytes(SessionPath);
    fs::permissions(SessionPath,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    bench_->recorder.confirmAnswer = true;
    QTest::mouseClick(sc->Button10, Qt::LeftButton);

    QCOMPARE(bench_->recorder.infos, QStringList{"File creation failed."});
    QVERIFY(FileBytes(SessionPath) == file);
    QVERIFY(!Session.SamplePrepared);
    QCOMPARE(EnabledControls(*sc), StateB);
  }

  void clickingTheHintLinePassesTheFocusOn_data() {
    QTest::addColumn<int>("loginSteps");  // 0: none, 1: reference, 2: both
    QTest::addColumn<bool>("samplePrepared");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("hint");
    QTest::newRow("A: the reference field") << 0 << false << "Edit1" << Edit1Hint;
    QTest::newRow("A2: the password field") << 1 << false << "Edit2"
                                            << "Input your password <Enter>.";
    QTest::newRow("B: the next tab stop") << 2 << false << "Button01"
                                          << "Prepare a sample.";
    QTest::newRow("C: the next enabled tab stop") << 2 << true << "Button02"
                                                  << "View the prepared sample.";
  }
  void clickingTheHintLinePassesTheFocusOn() {
    QFETCH(int, loginSteps);
    QFETCH(bool, samplePrepared);
    QFETCH(QString, focus);
    QFETCH(QString, hint);
    WriteSession("ABC", "secret",
                 [&](TSessionRecord& record) { record.SamplePrepared = samplePrepared; });
    TFRMSC* sc = ShowSessionControl();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    if (loginSteps >= 1) TypeAndEnter(sc->Edit1, QStringLiteral("ABC"));
    if (loginSteps >= 2) TypeAndEnter(sc->Edit2, QStringLiteral("secret"));
    sc->Button11->setFocus();

    QTest::mouseClick(sc->Edit4, Qt::LeftButton);
    QCOMPARE(FocusName(), focus);
    QCOMPARE(sc->Edit4->text(), hint);
  }
};

QTEST_MAIN(SessionControlTest)
#include "tfrmsc_test.moc"
