#include "e2e/road_steps.h"

#include <QtTest>

#include "e2e/program_run.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"

namespace {

// The measurement screen's controls at the wanted values, as the user dials them in; the
// movements start with the typed targets.
void SetUpSource(TFRMTC& tc) {
  Pick(tc.ComboBox4, QStringLiteral("LED-%1").arg(ExcitationNm));
  QCOMPARE(tc.ComboBox4->currentText(), QStringLiteral("LED-%1").arg(ExcitationNm));
  QVERIFY(SetTicked(tc.CheckBox4, true));  // lamp on
  QVERIFY(SetTicked(tc.CheckBox3, true));  // detector on
  QVERIFY(SetTicked(tc.CheckBox1, true));  // shutters open
  QVERIFY(SetTicked(tc.CheckBox2, true));
  QVERIFY(SetTicked(tc.Rg3Button[2], true));  // 100 ns
  Pick(tc.ComboBox5, QStringLiteral("TAC-out"));
  TypeAndEnter(tc.Edit1, QString::number(ExcitationNm));
}

bool AtRest(const TFRMTC& tc) {
  const QColor rest(Qt::green);
  return tc.Shape1->Colour() == rest && tc.Shape2->Colour() == rest && tc.Shape3->Colour() == rest;
}

// Ticks until both monochromators and the temperature stand still. A typed target starts its
// movement (and turns its lamp from green) only with the next tick, so there is always one.
void Settle(TFRMTC& tc) {
  constexpr int Enough = 20000;  // beyond the widest movement: 200 degrees at 0.01 a tick
  int ticks = 0;
  do {
    Tick(tc, 1);
  } while (!AtRest(tc) && ++ticks < Enough);
  QVERIFY(AtRest(tc));
}

}  // namespace

void CreateRoadSession(TFRMSU& su) {
  Arrive(&su);
  TypeAndEnter(su.EditT1, RoadReference.toLower());
  QCOMPARE(su.EditT1->text(), RoadReference);
  TypeAndEnter(su.EditT2, RoadPassword);
  TypeAndEnter(su.EditT3, RoadStudent);
  QCOMPARE(su.ComboBox1->currentIndex(), 0);
  QVERIFY(SetTicked(su.CheckBox1, true));
  Click(su.Button1);
}

void LogIn(TFRMSC& sc) {
  Arrive(&sc);
  QVERIFY(sc.Edit1->hasFocus());
  QTest::keyClicks(sc.Edit1, RoadReference.toLower());
  QCOMPARE(sc.Edit1->text(), RoadReference);
  QTest::keyClick(sc.Edit1, Qt::Key_Return);
  QVERIFY(sc.Edit2->hasFocus());
  QTest::keyClicks(sc.Edit2, RoadPassword);
  QTest::keyClick(sc.Edit2, Qt::Key_Return);
  QCOMPARE(sc.Edit3->text(), RoadStudent);
}

void ChooseMeasurement(TFRMSC& sc, int m) {
  Arrive(&sc);
  Pick(sc.ComboBox1, QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
  QCOMPARE(sc.ComboBox1->currentIndex(), m - 1);
}

void MakeSolution(TFRMMS& ms) {
  Arrive(&ms);
  const auto fill = [&ms](QPushButton* add, int presses, int ticks, QPushButton* ok) {
    for (int press = 0; press < presses; ++press) Click(add);
    for (int tick = 0; tick < ticks; ++tick) ms.Timer1Timer();
    Click(ok);
  };
  fill(ms.Button1a, 7, 2, ms.Button1);  // 6.4 mg a tick: some 13 to 19 mg
  fill(ms.Button2a, 5, 1, ms.Button2);  // the 5 ml flask, 1.6 to 2.4 ml
  Pick(ms.ComboBox3a, QStringLiteral("200 µl"));
  QCOMPARE(ms.ComboBox3a->currentIndex(), 7);
  fill(ms.Button3a, 5, 1, ms.Button3);
  QVERIFY(ms.ButtonM4->isEnabled());
  QTest::mouseClick(ms.PaintBox1, Qt::LeftButton, {}, QPoint(ExcitationNm - 200, 100));
  QCOMPARE(ms.Label4b->text(), QStringLiteral("Wavelength (nm) : %1").arg(ExcitationNm));
  QVERIFY(ms.Label4d->text() != QStringLiteral("Solute absorption : 0.00"));
}

void PrepareSample(TFRMMS& ms) {
  MakeSolution(ms);
  if (QTest::currentTestFailed()) return;
  Click(ms.ButtonM4);
}

void SetUpPrompt(TFRMTC& tc) {
  Arrive(&tc);
  Click(tc.Button1);  // "Load Sample"
  SetUpSource(tc);
  Pick(tc.ComboBox2, QStringLiteral("ND 1.0"));
  QVERIFY(SetTicked(tc.Rg1Button[1], true));  // 1 nm on both sides
  QVERIFY(SetTicked(tc.Rg2Button[1], true));
  TypeAndEnter(tc.Edit2, QString::number(ExcitationNm));
  Settle(tc);
  QCOMPARE(tc.Label02->text(), QStringLiteral("Wavelength: %1").arg(ExcitationNm));
  QCOMPARE(tc.Label05->text(), QStringLiteral("Wavelength: %1").arg(ExcitationNm));
}

void SetUpDecay(TFRMTC& tc, int temperature) {
  Arrive(&tc);
  Click(tc.Button1);
  SetUpSource(tc);
  Pick(tc.ComboBox2, QStringLiteral("None"));
  QVERIFY(SetTicked(tc.Rg1Button[2], true));  // 2 nm for the excitation, 4 nm for the emission
  QVERIFY(SetTicked(tc.Rg2Button[3], true));
  TypeAndEnter(tc.Edit2, QString::number(EmissionNm));
  TypeAndEnter(tc.Edit5, QString::number(temperature));
  QCOMPARE(tc.Edit5->text(), QString::number(temperature));
  Settle(tc);
  QCOMPARE(tc.Label05->text(), QStringLiteral("Wavelength: %1").arg(EmissionNm));
  QCOMPARE(tc.Label21->text(), QStringLiteral("DegC: %1").arg(temperature));
}

void Count(TFRMTC& tc, int ticks) {
  Click(tc.Button2);
  QCOMPARE(tc.Button2->text(), QStringLiteral("Stop"));
  Tick(tc, ticks);
  Click(tc.Button2);
  QCOMPARE(tc.Button2->text(), QStringLiteral("Start"));
}

void Tick(TFRMTC& tc, int ticks) {
  for (int tick = 0; tick < ticks; ++tick) tc.Timer1Timer();
}
