#include "screenshot_road.h"

#include <QFile>
#include <QTest>
#include <cstdint>
#include <memory>
#include <utility>

#include "app/program.h"
#include "model/random.h"
#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "support/user_input.h"

namespace {

// The same pictures on every run.
constexpr std::uint32_t RoadSeed = 20261211;

const QString Reference = QStringLiteral("ABC");
const QString Password = QStringLiteral("secret");
const QString Student = QStringLiteral("A. Student");

// The LED at 360 nm, near the strongest absorption of system 1; its fluorescence is taken at
// 400 nm, its peak. The 100 ns TAC range gives channels of 2 x 0.01132 ns.
constexpr int ExcitationNm = 360;
constexpr int EmissionNm = 400;
const QString TimeCalibration = QStringLiteral("0.02264");

// Channel ranges on the analysis screen: the background well before the prompt, which starts
// near channel 1237 (the detector's 28 ns transit time), the decay from just before the rise
// to where the counts have died away.
const QString BackgroundLow = QStringLiteral("100");
const QString BackgroundHigh = QStringLiteral("1100");
const QString DecayLow = QStringLiteral("1230");
const QString DecayHigh = QStringLiteral("3500");

class Road {
 public:
  explicit Road(TakePicture take) : take_(std::move(take)) {}

  QString Run() {
    const bool walked = CreateSession() && LogIn() && PrepareSample() && RecordPrompt() &&
                        RecordDecay() && ShowSessionControl() && Analyse() && Export();
    return walked ? QString() : failure_;
  }

 private:
  // Notes the first thing that was not as a user would see it; false from then on.
  bool Expect(bool seen, const QString& what) {
    if (!seen && failure_.isEmpty()) failure_ = what;
    return failure_.isEmpty();
  }

  // Starts the program as its entry does and gives it its five seconds of start-up ticks.
  bool Start(const QString& firstArgument, bool pictureStartup) {
    program_.reset();
    SeedRandom(RoadSeed);
    program_ = std::make_unique<ProgramScreens>(CreateScreens(firstArgument));
    TFRMSP& startup = *program_->Startup;
    startup.Timer1->stop();  // the ticks are given below, none by the clock
    startup.show();
    if (!Expect(QTest::qWaitForWindowActive(&startup), QStringLiteral("start-up not shown")))
      return false;
    for (int tick = 1; tick <= TFRMSP::LastTick; ++tick) {
      startup.Timer1Timer();
      if (pictureStartup && tick == TFRMSP::ModeTick) take_(startup, QStringLiteral("startup"));
    }
    return true;
  }

  // The screen a click or the start-up has just shown, active as for a user. Only the
  // ticks given here move the measurement screen, never its clock.
  bool Arrive(ScreenForm& screen, const QString& what) {
    program_->DecayMeasurement->Timer1->stop();
    return Expect(screen.isVisible() && QTest::qWaitForWindowActive(&screen),
                  what + QStringLiteral(" not shown"));
  }

  bool CreateSession() {
    if (!Start(QStringLiteral("S"), true)) return false;
    TFRMSU& su = *program_->SessionCreation;
    if (!Arrive(su, QStringLiteral("session file creation"))) return false;
    TypeAndEnter(su.EditT1, Reference.toLower());
    TypeAndEnter(su.EditT2, Password);
    TypeAndEnter(su.EditT3, Student);
    if (!Expect(SetTicked(su.CheckBox1, true), QStringLiteral("text record box not ticked")))
      return false;
    take_(su, QStringLiteral("session_creation"));
    Click(su.Button1);
    return Expect(QFile::exists(QStringLiteral("Sessions/%1.qlx").arg(Reference)),
                  QStringLiteral("no session file created"));
  }

  bool LogIn() {
    if (!Start(QString(), false)) return false;
    TFRMSC& sc = *program_->SessionControl;
    if (!Arrive(sc, QStringLiteral("session control"))) return false;
    QTest::keyClicks(sc.Edit1, Reference.toLower());
    QTest::keyClick(sc.Edit1, Qt::Key_Return);
    if (!Expect(sc.Edit2->hasFocus(), QStringLiteral("session reference refused"))) return false;
    QTest::keyClicks(sc.Edit2, Password);
    take_(sc, QStringLiteral("session_login"));
    QTest::keyClick(sc.Edit2, Qt::Key_Return);
    return Expect(sc.Edit3->text() == Student, QStringLiteral("password refused"));
  }

  // "Add" pressed the given times, the flow watched until it passes the amount, "Stop", "OK".
  static void Fill(TFRMMS& ms, QPushButton* add, int presses, const float& quantity, float amount,
                   QPushButton* stop, QPushButton* ok) {
    constexpr int Enough = 1000;  // half-second ticks; a flow that does not run stops here
    for (int press = 0; press < presses; ++press) Click(add);
    for (int tick = 0; quantity < amount && tick < Enough; ++tick) ms.Timer1Timer();
    Click(stop);
    Click(ok);
  }

  bool PrepareSample() {
    TFRMMS& ms = *program_->SamplePreparation;
    Click(program_->SessionControl->Button01);
    if (!Arrive(ms, QStringLiteral("sample preparation"))) return false;
    const TSamplePreparation& prep = ms.Preparation();
    Fill(ms, ms.Button1a, 7, prep.CurrentWeight, 95.0f, ms.Button1b, ms.Button1);
    Fill(ms, ms.Button2a, 4, prep.CurrentStockVolume, 4.6f, ms.Button2b, ms.Button2);
    Pick(ms.ComboBox3a, QStringLiteral("200 µl"));
    Fill(ms, ms.Button3a, 4, prep.CurrentDilutionVolume, 4.6f, ms.Button3b, ms.Button3);
    if (!Expect(ms.ButtonM4->isEnabled(), QStringLiteral("sample not prepared"))) return false;
    QTest::mouseClick(ms.PaintBox1, Qt::LeftButton, {}, QPoint(ExcitationNm - 200, 100));
    take_(ms, QStringLiteral("sample_preparation"));
    Click(ms.ButtonM4);
    return Arrive(*program_->SessionControl, QStringLiteral("session control after sample"));
  }

  static void Tick(TFRMTC& tc, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) tc.Timer1Timer();
  }

  static bool AtRest(const TFRMTC& tc) {
    const QColor rest(Qt::green);
    return tc.Shape1->Colour() == rest && tc.Shape2->Colour() == rest &&
           tc.Shape3->Colour() == rest;
  }

  // Ticks until both monochromators and the temperature stand still; a movement typed in
  // starts with the next tick.
  bool Settle(TFRMTC& tc) {
    constexpr int Enough = 10000;  // far beyond the slowest movement of the road
    int ticks = 0;
    do {
      Tick(tc, 1);
    } while (!AtRest(tc) && ++ticks < Enough);
    return Expect(AtRest(tc), QStringLiteral("the instrument does not settle"));
  }

  // "Load Sample", then the LED on the excitation side, lamp and detector on, shutters open.
  bool SetUpSource(TFRMTC& tc) {
    Click(tc.Button1);
    Pick(tc.ComboBox4, QStringLiteral("LED-%1").arg(ExcitationNm));
    const bool ticked = SetTicked(tc.CheckBox4, true) && SetTicked(tc.CheckBox3, true) &&
                        SetTicked(tc.CheckBox1, true) && SetTicked(tc.CheckBox2, true) &&
                        SetTicked(tc.Rg3Button[2], true);  // 100 ns
    Pick(tc.ComboBox5, QStringLiteral("TAC-out"));
    TypeAndEnter(tc.Edit1, QString::number(ExcitationNm));
    return Expect(ticked, QStringLiteral("lamp, detector, shutters or TAC range not set"));
  }

  bool RecordPrompt() {
    TFRMTC& tc = *program_->DecayMeasurement;
    Click(program_->SessionControl->Button03);
    if (!Arrive(tc, QStringLiteral("prompt measurement"))) return false;
    if (!SetUpSource(tc)) return false;
    Pick(tc.ComboBox2, QStringLiteral("ND 1.0"));  // the scatterer is bright
    TypeAndEnter(tc.Edit2, QString::number(ExcitationNm));
    if (!Settle(tc)) return false;
    Click(tc.Button2);
    Tick(tc, 50);
    Click(tc.Button2);
    Tick(tc, 1);
    take_(tc, QStringLiteral("prompt_measurement"));
    Click(tc.Button5);
    return Arrive(*program_->SessionControl, QStringLiteral("session control after prompt"));
  }

  bool RecordDecay() {
    TFRMTC& tc = *program_->DecayMeasurement;
    Click(program_->SessionControl->Button05);
    if (!Arrive(tc, QStringLiteral("decay measurement"))) return false;
    if (!SetUpSource(tc)) return false;
    Pick(tc.ComboBox2, QStringLiteral("None"));
    if (!Expect(SetTicked(tc.Rg1Button[4], true) && SetTicked(tc.Rg2Button[3], true),
                QStringLiteral("bandpasses not set")))  // 8 nm and 4 nm
      return false;
    TypeAndEnter(tc.Edit2, QString::number(EmissionNm));
    if (!Settle(tc)) return false;
    Click(tc.Button2);
    Tick(tc, 40);
    QTest::mouseClick(tc.PaintBox1, Qt::LeftButton, {}, QPoint(160, 100));  // cursor on the peak
    Tick(tc, 1);
    take_(tc, QStringLiteral("decay_measurement"));
    Tick(tc, 260);
    Click(tc.Button2);
    Click(tc.Button5);
    return Arrive(*program_->SessionControl, QStringLiteral("session control after decay"));
  }

  bool ShowSessionControl() {
    TFRMSC& sc = *program_->SessionControl;
    if (!Expect(sc.Button07->isEnabled(), QStringLiteral("analysis not offered"))) return false;
    sc.Button07->setFocus();
    take_(sc, QStringLiteral("session_control"));
    return true;
  }

  bool Analyse() {
    TFRMDA& da = *program_->DecayAnalysis;
    Click(program_->SessionControl->Button07);
    if (!Arrive(da, QStringLiteral("decay analysis"))) return false;
    // The decay range first: the background range then finds room before it.
    TypeAndEnter(da.Edit5, DecayHigh);
    TypeAndEnter(da.Edit4, DecayLow);
    TypeAndEnter(da.Edit2, BackgroundHigh);
    TypeAndEnter(da.Edit1, BackgroundLow);
    TypeAndEnter(da.Edit3, TimeCalibration);
    Click(da.Button4);  // Auto
    if (!FindBestLifetime(da)) return false;
    take_(da, QStringLiteral("decay_analysis"));
    Click(da.Button2);
    return Arrive(*program_->SessionControl, QStringLiteral("session control after analysis"));
  }

  // Analyses with estimates in steps of 0.01 ns around the automatic one, as a student does
  // by hand, and ends with the one of the lowest chi-squared.
  bool FindBestLifetime(TFRMDA& da) {
    const double automatic = da.Analysis().LifetimeEstimate;
    double best = automatic;
    double lowest = -1;
    for (int step = -30; step <= 30; ++step) {
      const double estimate = automatic + step * 0.01;
      TypeAndEnter(da.Edit6, QString::number(estimate, 'f', 2));
      Click(da.Button3);  // Analyse
      if (!Expect(da.Button2->isEnabled(), QStringLiteral("analysis failed"))) return false;
      if (lowest < 0 || da.Analysis().ChiSquared < lowest) {
        lowest = da.Analysis().ChiSquared;
        best = estimate;
      }
    }
    TypeAndEnter(da.Edit6, QString::number(best, 'f', 2));
    Click(da.Button3);
    return true;
  }

  bool Export() {
    TFRMEX& ex = *program_->Export;
    Click(program_->SessionControl->Button09);
    if (!Arrive(ex, QStringLiteral("export"))) return false;
    Click(ex.ButtonA);  // Select all
    take_(ex, QStringLiteral("export"));
    Click(ex.Button1);
    return Expect(QFile::exists(QStringLiteral("export.txt")), QStringLiteral("no report"));
  }

  TakePicture take_;
  std::unique_ptr<ProgramScreens> program_;
  QString failure_;
};

}  // namespace

QString RunScreenshotRoad(const TakePicture& take) {
  return Road(take).Run();
}
