#include <QApplication>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/program.h"
#include "model/random.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"
#include "support/user_input.h"

namespace {

// Picks a list entry as a user does, through the list's keyboard.
void Pick(QComboBox* list, int index) {
  list->setFocus();
  while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
}

QColor LampColour(const StatusLamp* lamp) {
  return lamp->Colour();
}

}  // namespace

class DecayMeasurementTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench;
  TFRMTC* tc = nullptr;

  // Enters the screen as session control's buttons do.
  void Open(bool promptMode) {
    PromptMode = promptMode;
    ArriveAt(DecayMeasurementScreen, tc);
  }

  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) tc->Timer1Timer();
  }

  void LoadSample() { QTest::mouseClick(tc->Button1, Qt::LeftButton); }

 private slots:
  void initTestCase() { UseFormFont(); }

  void init() {
    bench = std::make_unique<ScreenBench>();
    FillPreparedSession();
    QVERIFY(SaveSession());
    SeedRandom(2024);
    bench->CreateAllScreens();
    LoggedIn = true;  // as session control leaves it for a prepared sample
    tc = bench->screens->DecayMeasurement.get();
  }

  void cleanup() { bench.reset(); }

  void controlsStandAtTheirPlacesWithTheirCaptions() {
    Open(false);
    const struct {
      QWidget* control;
      QRect place;
    } places[] = {{tc->Button1, {8, 8, 80, 28}},         {tc->Button2, {156, 8, 80, 28}},
                  {tc->Button3, {248, 8, 80, 28}},       {tc->Button4, {404, 8, 80, 28}},
                  {tc->Button5, {491, 8, 120, 28}},      {tc->PaintBox1, {8, 48, 514, 200}},
                  {tc->RadioGroup6, {536, 48, 75, 200}}, {tc->Edit1, {25, 313, 40, 21}},
                  {tc->RadioGroup1, {25, 344, 88, 146}}, {tc->CheckBox1, {24, 547, 89, 17}},
                  {tc->RadioGroup3, {272, 272, 72, 97}}, {tc->RadioGroup4, {352, 272, 56, 97}},
                  {tc->RadioGroup5, {416, 272, 60, 97}}, {tc->CheckGroup1, {264, 384, 220, 51}},
                  {tc->UpDown1, {547, 307, 41, 20}}};
    for (const auto& p : places) QCOMPARE(p.control->geometry(), p.place);
    QCOMPARE(tc->Shape1->geometry(), QRect(75, 317, 12, 12));
    QCOMPARE(tc->Edit2->pos(), QPoint(153, 313));
    QCOMPARE(tc->Button1->text(), QStringLiteral("Load Sample"));
    QCOMPARE(tc->Button5->text(), QStringLiteral("Save and Return"));
    QCOMPARE(tc->Label01->styleSheet(), QStringLiteral("color: blue"));
    QCOMPARE(tc->Label13->text(), QStringLiteral("1 / 0"));
    QCOMPARE(tc->ComboBox5->itemText(3), QStringLiteral("TAC-out"));
    QCOMPARE(tc->ComboBox4->findText(QStringLiteral("LD-400")) >= 0, true);
    QCOMPARE(tc->Rg6Button[6]->text(), QStringLiteral("1M"));
    QVERIFY(tc->Rg6Button[1]->isChecked());
  }

  void recordingModeOffersOnlyLoadSampleAndReturn() {
    Open(true);
    QVERIFY(tc->Button1->isEnabled());
    QVERIFY(tc->Button4->isEnabled());
    QVERIFY(tc->Button4->hasFocus());
    for (QWidget* off : std::initializer_list<QWidget*>{tc->Button2, tc->Button3, tc->Button5,
                                                        tc->Edit1, tc->ComboBox4, tc->RadioGroup6})
      QVERIFY(!off->isEnabled());
    LoadSample();
    QVERIFY(!tc->Button1->isEnabled());
    QVERIFY(tc->Button2->isEnabled() && tc->Edit1->isEnabled() && tc->RadioGroup6->isEnabled());
  }

  void excitationMovesOneNanometrePerTickToTheClampedTarget() {
    Open(false);
    LoadSample();
    TypeAndEnter(tc->Edit1, QStringLiteral("850"));
    QCOMPARE(tc->Edit1->text(), QStringLiteral("800"));
    Tick();
    QCOMPARE(tc->Label02->text(), QStringLiteral("Wavelength: 201.0"));
    QCOMPARE(LampColour(tc->Shape1), QColor(Qt::red));
    Tick();
    QCOMPARE(LampColour(tc->Shape1), QColor(128, 0, 0));
    Tick(597);
    QCOMPARE(tc->Label02->text(), QStringLiteral("Wavelength: 799.0"));
    Tick();
    QCOMPARE(tc->Label02->text(), QStringLiteral("Wavelength: 800"));
    QCOMPARE(LampColour(tc->Shape1), QColor(Qt::green));
    QCOMPARE(tc->Edit1->text(), QStringLiteral("800"));
  }

  void lettersInTheFrequencyEditKeepTheFrequency() {
    Open(false);
    LoadSample();
    TypeAndEnter(tc->Edit3, QStringLiteral("abc"));
    QCOMPARE(tc->Edit3->text(), QStringLiteral("Error"));
    QCOMPARE(tc->Instrument().Settings.LampFrequency, 1000);
  }

  void aSlowerLampLowersTheFrequency() {
    Open(false);
    LoadSample();
    const int laser = tc->ComboBox4->findText(QStringLiteral("LD-400"));
    Pick(tc->ComboBox4, laser);
    QCOMPARE(tc->Label09->text(), QStringLiteral("Min: 1   Max: 5000"));
    TypeAndEnter(tc->Edit3, QStringLiteral("5000"));
    QCOMPARE(tc->Instrument().Settings.LampFrequency, 5000);
    Pick(tc->ComboBox4, tc->ComboBox4->findText(QStringLiteral("LED-310")));
    QCOMPARE(tc->Instrument().Settings.LampFrequency, 1000);
    QCOMPARE(tc->Edit3->text(), QStringLiteral("1000"));
  }

  void temperatureIsHeldToTheSessionsRange() {
    Session.MinTemperature = 20;
    Session.MaxTemperature = 60;
    Open(false);
    QCOMPARE(tc->Label22->text(), QStringLiteral("Min: 20   Max: 60"));
    LoadSample();
    const struct {
      const char* typed;
      const char* shown;
      int target;
    } cases[] = {{"60", "60", 6000}, {"70", "60", 6000}, {"10", "20", 2000}, {"x1", "Error", 2000}};
    for (const auto& c : cases) {
      TypeAndEnter(tc->Edit5, QString::fromLatin1(c.typed));
      QCOMPARE(tc->Edit5->text(), QString::fromLatin1(c.shown));
      QCOMPARE(tc->Instrument().Settings.TemperatureTarget, c.target);
    }
  }

  void aStoredDecayOpensReadOnlyWhileTheMissingPromptCanBeRecorded() {
    Session.DecayRecorded[1] = true;
    Session.DecayCounts[1][1] = 10;
    Open(false);
    QVERIFY(!tc->Button1->isEnabled());
    QVERIFY(!tc->RadioGroup6->isEnabled());
    QVERIFY(tc->Button4->isEnabled() && tc->UpDown1->isEnabled());
    Tick();
    QCOMPARE(tc->Display().Plot.Pixel(1, 155), Colours::Red);
    QCOMPARE(tc->Label13->text(), QStringLiteral("1 / 10"));
    QTest::mouseClick(tc->Button4, Qt::LeftButton);
    Open(true);
    QVERIFY(tc->Button1->isEnabled());
  }

  void returnRightAfterEnteringWritesNothing() {
    std::filesystem::remove(SessionFilePath("ABC"));
    Open(false);
    QTest::mouseClick(tc->Button4, Qt::LeftButton);
    QVERIFY(!std::filesystem::exists(SessionFilePath("ABC")));
    QVERIFY(bench->screens->SessionControl->isVisible());
  }

  void recordedPromptAndDecayLandInTheFileAndOfferTheAnalysis() {
    for (const bool prompt : {true, false}) {
      Open(prompt);
      LoadSample();
      tc->CheckBox1->setChecked(true);
      tc->CheckBox2->setChecked(true);
      tc->CheckBox3->setChecked(true);
      tc->CheckBox4->setChecked(true);
      QTest::mouseClick(tc->Button2, Qt::LeftButton);
      QCOMPARE(tc->Button2->text(), QStringLiteral("Stop"));
      Tick(5);
      QTest::mouseClick(tc->Button5, Qt::LeftButton);
    }
    const auto file = ReadSavedSession("ABC");
    QVERIFY(file->PromptRecorded[1] && file->DecayRecorded[1]);
    QVERIFY(file->LampOn && file->DetectorOn);
    QCOMPARE(file->DecayCounts[1][1], Session.DecayCounts[1][1]);
    QVERIFY(bench->screens->SessionControl->isVisible());
    QVERIFY(bench->screens->SessionControl->Button07->isEnabled());
  }

  void clickAndSpinnerMoveTheCursor() {
    Open(false);
    QTest::mouseClick(tc->PaintBox1, Qt::LeftButton, {}, QPoint(0, 100));
    QCOMPARE(tc->Label12->text(), QStringLiteral("8"));
    QTest::mouseClick(tc->UpDown1->RightArrow, Qt::LeftButton);
    QCOMPARE(tc->Label12->text(), QStringLiteral("9"));
    QTest::mouseClick(tc->PaintBox1, Qt::LeftButton, {}, QPoint(513, 100));
    QCOMPARE(tc->Label12->text(), QStringLiteral("4096"));
  }

  void hiddenScreenDoesNotTick() {
    Open(false);
    LoadSample();
    TypeAndEnter(tc->Edit1, QStringLiteral("300"));
    QTest::mouseClick(tc->Button4, Qt::LeftButton);
    Tick();
    QCOMPARE(tc->Instrument().Settings.ExcitationWavelength, 2000);
  }
};

QTEST_MAIN(DecayMeasurementTest)
#include "tfrmtc_test.moc"
