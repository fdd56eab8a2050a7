#include <QApplication>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "catalogue/fluorophore_catalogue.h"
#include "model/random.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/created_session.h"
#include "support/enabled_names.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"

namespace {

const QString NeedMoreSolute = QStringLiteral("You need more than 1.0 mg.");
const QString NeedMoreSolvent = QStringLiteral("You need more than 1.0 ml.");

// Session ABC as created with system 1, its spectra copied from the catalogue.
void CreateSession() {
  FillCreatedSession("ABC");
  const int fluorophore = SystemFluorophore(1);
  const int solvent = SystemSolvent(1);
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    Session.SolventAbsorption[wavelength] = SolventSpectrum(solvent, wavelength);
    Session.SoluteAbsorption[wavelength] = FluorophoreAbsorption(fluorophore, wavelength);
    Session.FluorescenceSpectrum[wavelength] = FluorophoreEmission(fluorophore, wavelength);
  }
}

QStringList EnabledControls(const TFRMMS& ms) {
  return EnabledNames({ms.Button1a, ms.Button1b, ms.Button1, ms.ComboBox2a, ms.Button2a,
                       ms.Button2b, ms.Button2, ms.ComboBox3a, ms.ComboBox3b, ms.Button3a,
                       ms.Button3b, ms.Button3, ms.RadioGroup4, ms.UpDown4, ms.PaintBox1,
                       ms.ButtonM1, ms.ButtonM2, ms.ButtonM3, ms.ButtonM4});
}

QStringList Readouts(const TFRMMS& ms) {
  return {ms.Label4b->text(), ms.Label4c->text(), ms.Label4d->text(), ms.Label4e->text()};
}

void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton);
}

void ClickTimes(QWidget* control, int times) {
  for (int i = 0; i < times; ++i) Click(control);
}

// Picks a list entry as a user does, through the list's keyboard.
void Pick(QComboBox* list, int index) {
  list->setFocus();
  while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
}

// The plot as the user sees it.
QImage PlotOnScreen(TFRMMS& ms) {
  return ms.PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool OnlyTheFrame(const QImage& plot) {
  for (int y = 0; y < plot.height(); ++y) {
    for (int x = 0; x < plot.width(); ++x) {
      const bool frame = x == 0 || y == 0 || x == plot.width() - 1 || y == plot.height() - 1;
      if (plot.pixel(x, y) != (frame ? qRgb(0, 0, 0) : qRgb(255, 255, 255))) return false;
    }
  }
  return true;
}

}  // namespace

class SamplePreparationTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench;
  TFRMMS* ms = nullptr;

  // Shows the screen as session control's "Go" does.
  void Open() { ArriveAt(SamplePreparationScreen, ms); }

  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) ms->Timer1Timer();
  }

  // Fills a step generously (1.6 per tick, at least 3.2) and accepts it.
  void Fill(QPushButton* add, QPushButton* ok) {
    ClickTimes(add, 5);
    Tick(2);
    Click(ok);
  }
  void Weigh() { Fill(ms->Button1a, ms->Button1); }
  void MakeStockSolution() { Fill(ms->Button2a, ms->Button2); }

  // Steps 1 to 3; ends in step 4.
  void PrepareSolution() {
    Weigh();
    MakeStockSolution();
    Fill(ms->Button3a, ms->Button3);
    QCOMPARE(ms->Preparation().PrepStep, 4);
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  void init() {
    bench = std::make_unique<ScreenBench>();
    CreateSession();
    QVERIFY(SaveSession());
    SeedRandom(2024);
    bench->CreateAllScreens();
    ms = bench->screens->SamplePreparation.get();
    Open();
  }

  void cleanup() { bench.reset(); }

  void controlsStandAtTheirPlacesWithTheirCaptions() {
    const struct {
      QWidget* control;
      QRect place;
    } buttons[] = {{ms->Button1a, {16, 72, 75, 25}},    {ms->Button1b, {104, 72, 75, 25}},
                   {ms->Button1, {16, 171, 163, 25}},   {ms->Button2a, {231, 72, 75, 25}},
                   {ms->Button2b, {321, 72, 75, 25}},   {ms->Button2, {231, 171, 163, 25}},
                   {ms->Button3a, {440, 111, 75, 25}},  {ms->Button3b, {528, 111, 75, 25}},
                   {ms->Button3, {440, 171, 163, 25}},  {ms->ButtonM1, {488, 225, 107, 25}},
                   {ms->ButtonM2, {488, 257, 107, 25}}, {ms->ButtonM3, {488, 289, 107, 25}},
                   {ms->ButtonM4, {488, 320, 107, 25}}, {ms->RadioGroup4, {360, 225, 90, 129}},
                   {ms->UpDown4, {16, 323, 123, 22}},   {ms->PaintBox1, {8, 371, 603, 202}}};
    for (const auto& b : buttons) QCOMPARE(b.control->geometry(), b.place);
    QCOMPARE(ms->ComboBox2a->geometry().topLeft(), QPoint(296, 40));
    QCOMPARE(ms->ComboBox3a->geometry().topLeft(), QPoint(503, 40));
    QCOMPARE(ms->ComboBox3b->geometry().topLeft(), QPoint(503, 76));

    const struct {
      QLabel* label;
      QPoint place;
      const char* text;
    } labels[] = {{ms->Label1, {16, 16}, "Step 1 - Weigh the solute (mg)"},
                  {ms->Label1a, {64, 149}, "Weight = 0.0"},
                  {ms->Label2, {231, 16}, "Step 2 - Prepare stock solution"},
                  {ms->Label2a, {232, 47}, "Flask size"},
                  {ms->Label2b, {265, 149}, "Volume = 0.0"},
                  {ms->Label3, {440, 16}, "Step 3 - Dilution"},
                  {ms->Label3a, {440, 47}, "Volume"},
                  {ms->Label3b, {440, 83}, "Flask"},
                  {ms->Label3c, {480, 149}, "Volume = 0.0"},
                  {ms->Label4, {17, 225}, "Step 4 - Measure absorption and fluorescence spectra"},
                  {ms->Label4b, {16, 297}, "Wavelength (nm) : 200"},
                  {ms->Label4c, {168, 297}, "Solvent absorption : 0.00"},
                  {ms->Label4d, {168, 314}, "Solute absorption : 0.00"},
                  {ms->Label4e, {168, 331}, "Fluorescence : 0.00"}};
    for (const auto& l : labels) {
      QCOMPARE(l.label->pos(), l.place);
      QCOMPARE(l.label->text(), QString::fromLatin1(l.text));
      QVERIFY(l.label->width() >= l.label->sizeHint().width());  // nothing cut off
    }
    QCOMPARE(ms->Label4a->pos(), QPoint(16, 249));
    QVERIFY(ms->Label4a->width() >= 256 && ms->Label4a->width() >= ms->Label4a->sizeHint().width());
    QVERIFY(ms->Label4a->height() >= ms->Label4a->sizeHint().height());
    QCOMPARE(ms->Label4a->text(),
             QStringLiteral("Solvent absorption (green). Solute absorption (blue).\n"
                            "Fluorescence (red) - full scale for quantum yield of 1.\n"
                            "Click spectra or use arrows to choose wavelength."));

    const QStringList flasks{"5 ml", "10 ml", "25 ml", "50 ml", "100 ml"};
    const QStringList aliquots{QStringLiteral("25 \u00B5l"),  QStringLiteral("50 \u00B5l"),
                               QStringLiteral("75 \u00B5l"),  QStringLiteral("100 \u00B5l"),
                               QStringLiteral("125 \u00B5l"), QStringLiteral("150 \u00B5l"),
                               QStringLiteral("175 \u00B5l"), QStringLiteral("200 \u00B5l")};
    for (const auto& [list, items] :
         {std::pair{ms->ComboBox2a, flasks}, std::pair{ms->ComboBox3a, aliquots},
          std::pair{ms->ComboBox3b, flasks}}) {
      QStringList shown;
      for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
      QCOMPARE(shown, items);
      QCOMPARE(list->currentIndex(), 0);
      QVERIFY(!list->isEditable());
    }
    QCOMPARE(ms->RadioGroup4->title(), QStringLiteral("Range"));
    QCOMPARE(ms->RadioButton1->text(), QStringLiteral("  0 - 2.0"));
    QCOMPARE(ms->RadioButton2->text(), QStringLiteral("  0 - 0.5"));
    QCOMPARE(ms->RadioButton3->text(), QStringLiteral("  0 - 0.1"));
    QCOMPARE(ms->Timer1->interval(), 500);
  }

  void editModeStartsAtStep1WithAnEmptyPlot() {
    QCOMPARE(EnabledControls(*ms), (QStringList{"Button1a", "Button1b", "Button1", "PaintBox1",
                                                "ButtonM1", "ButtonM2", "ButtonM3"}));
    QCOMPARE(QApplication::focusWidget(), ms->Button1b);
    QVERIFY(ms->RadioButton1->isChecked());
    QCOMPARE(ms->UpDown4->Position(), 200);
    QVERIFY(!ms->Timer1->isActive());
    QVERIFY(OnlyTheFrame(PlotOnScreen(*ms)));

    // Tab follows the steps; only enabled controls take part.
    QTest::keyClick(ms, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ms->Button1);
    QTest::keyClick(ms, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ms->ButtonM1);
  }

  void addSpeedsTheFlowAndStopResetsIt() {
    ClickTimes(ms->Button1a, 3);
    QVERIFY(ms->Timer1->isActive());
    QCOMPARE(ms->Preparation().WeightRate, 0.4f);
    for (int tick = 0; tick < 5; ++tick) {
      const float before = ms->Preparation().CurrentWeight;
      Tick();
      const float added = ms->Preparation().CurrentWeight - before;
      QVERIFY2(added >= 0.4f && added <= 0.6f, qPrintable(QString::number(added)));
      QVERIFY(ms->Timer1->isActive());  // back on after the tick
    }
    QCOMPARE(ms->Label1a->text(),
             QStringLiteral("Weight = %1").arg(ms->Preparation().CurrentWeight, 0, 'f', 1));

    Click(ms->Button1b);
    QVERIFY(!ms->Timer1->isActive());
    QCOMPARE(ms->Preparation().WeightRate, 0.0f);
    Click(ms->Button1a);
    QCOMPARE(ms->Preparation().WeightRate, 0.1f);
  }

  void tooLittleSoluteIsRefusedAndTheWeighingGoesOn() {
    Click(ms->Button1a);
    while (ms->Preparation().CurrentWeight < 0.85f) Tick();
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 0.9"));  // this seed lands on 0.9
    Click(ms->Button1);
    QCOMPARE(bench->recorder.infos, QStringList{NeedMoreSolute});
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 0.9"));
    QVERIFY(!ms->Timer1->isActive());
    QCOMPARE(ms->Preparation().WeightRate, 0.0f);
    QVERIFY(ms->Button1->isEnabled() && !ms->ComboBox2a->isEnabled());

    const float held = ms->Preparation().CurrentWeight;
    Click(ms->Button1a);
    Tick();
    QVERIFY(ms->Preparation().CurrentWeight >= held + 0.1f);
    while (ms->Preparation().CurrentWeight < 1.0f) Tick();
    Click(ms->Button1);
    QCOMPARE(bench->recorder.infos.size(), 1);
    QCOMPARE(EnabledControls(*ms), (QStringList{"ComboBox2a", "Button2a", "Button2b", "Button2",
                                                "PaintBox1", "ButtonM1", "ButtonM2", "ButtonM3"}));
  }

  void tooLittleSolventIsRefusedInSteps2And3() {
    Weigh();
    Click(ms->Button2);  // nothing filled
    QCOMPARE(bench->recorder.infos, QStringList{NeedMoreSolvent});
    QCOMPARE(ms->Preparation().PrepStep, 2);
    MakeStockSolution();
    Click(ms->Button3);
    QCOMPARE(bench->recorder.infos, (QStringList{NeedMoreSolvent, NeedMoreSolvent}));
    QCOMPARE(ms->Preparation().PrepStep, 3);
    QCOMPARE(Session.SampleConcentration, 0.0f);
  }

  void theBalanceStopsAt1000Mg() {
    ClickTimes(ms->Button1a, 12);  // 204.8 mg per tick
    Tick(8);
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 1000.0"));
    Click(ms->Button1);  // more than enough
    QCOMPARE(ms->Preparation().PrepStep, 2);
  }

  void choosingASmallerFlaskCutsTheVolumeBackOnTheNextTick() {
    Weigh();
    Pick(ms->ComboBox2a, 4);      // 100 ml
    ClickTimes(ms->Button2a, 9);  // 25.6 ml per tick
    Tick(2);
    QVERIFY(ms->Preparation().CurrentStockVolume > 50.0f);
    Pick(ms->ComboBox2a, 0);  // 5 ml
    Tick();
    QCOMPARE(ms->Label2b->text(), QStringLiteral("Volume = 6.0"));
    Tick(3);
    QCOMPARE(ms->Label2b->text(), QStringLiteral("Volume = 6.0"));
  }

  void acceptingTheDilutionStoresThePreparationAndShowsTheSpectra() {
    PrepareSolution();
    const TSamplePreparation& prep = ms->Preparation();
    QCOMPARE(Session.SampleWeight, prep.CurrentWeight);
    QCOMPARE(Session.StockVolume, prep.CurrentStockVolume);
    QCOMPARE(Session.DilutionVolume, prep.CurrentDilutionVolume);
    QCOMPARE(Session.StockFlaskIndex, 0);
    QCOMPARE(Session.AliquotIndex, 0);
    QVERIFY(Session.SampleConcentration > 0.0f);
    QVERIFY(!Session.SamplePrepared);
    QCOMPARE(EnabledControls(*ms), (QStringList{"RadioGroup4", "UpDown4", "PaintBox1", "ButtonM1",
                                                "ButtonM2", "ButtonM3", "ButtonM4"}));
    QVERIFY(!ms->Timer1->isActive());
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 200"));
    QCOMPARE(
        ms->Label4c->text(),
        QStringLiteral("Solvent absorption : %1").arg(Session.SolventAbsorption[200], 0, 'f', 2));
    QVERIFY(!OnlyTheFrame(PlotOnScreen(*ms)));
  }

  void repeatStartsTheStepAfreshWithoutStoppingTheFlow() {
    Weigh();
    MakeStockSolution();
    const QString stock = ms->Label2b->text();
    Pick(ms->ComboBox3a, 5);
    Pick(ms->ComboBox3b, 2);
    ClickTimes(ms->Button3a, 3);
    Tick(2);
    QVERIFY(ms->Label3c->text() != QStringLiteral("Volume = 0.0"));

    Click(ms->ButtonM2);
    QCOMPARE(ms->ComboBox3a->currentIndex(), 0);
    QCOMPARE(ms->ComboBox3b->currentIndex(), 0);
    QCOMPARE(ms->Label3c->text(), QStringLiteral("Volume = 0.0"));
    QCOMPARE(ms->Label2b->text(), stock);
    QVERIFY(ms->Timer1->isActive());
    Tick(3);  // the rate is 0 now
    QCOMPARE(ms->Label3c->text(), QStringLiteral("Volume = 0.0"));
    QCOMPARE(ms->Preparation().PrepStep, 3);
  }

  void restartGoesBackToStep1AndDropsTheConcentration() {
    PrepareSolution();
    Click(ms->ButtonM1);
    QCOMPARE(Session.SampleConcentration, 0.0f);
    QCOMPARE(ms->Preparation().PrepStep, 1);
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 0.0"));
    QCOMPARE(EnabledControls(*ms), (QStringList{"Button1a", "Button1b", "Button1", "PaintBox1",
                                                "ButtonM1", "ButtonM2", "ButtonM3"}));
    QVERIFY(OnlyTheFrame(PlotOnScreen(*ms)));
  }

  void returnWithoutSavingDiscardsThePreparation() {
    PrepareSolution();
    Click(ms->PaintBox1);  // somewhere in the middle of the plot
    Click(ms->ButtonM3);
    QVERIFY(bench->screens->SessionControl->isVisible() && !ms->isVisible());
    QCOMPARE(Session.SampleConcentration, 0.0f);
    QVERIFY(!Session.SamplePrepared);
    QCOMPARE(ReadSavedSession("ABC")->SampleConcentration, 0.0f);  // nothing written

    Open();
    QCOMPARE(ms->Preparation().PrepStep, 1);
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 0.0"));
    QCOMPARE(ms->Label2b->text(), QStringLiteral("Volume = 0.0"));
    QCOMPARE(ms->UpDown4->Position(), 200);
    QCOMPARE(Readouts(*ms), (QStringList{"Wavelength (nm) : 200", "Solvent absorption : 0.00",
                                         "Solute absorption : 0.00", "Fluorescence : 0.00"}));
    QVERIFY(OnlyTheFrame(PlotOnScreen(*ms)));
  }

  void saveAndReturnStoresThePreparationAndShowsItViewOnly() {
    Pick(ms->ComboBox2a, 0);
    PrepareSolution();
    const TSamplePreparation prep = ms->Preparation();
    const float concentration = Session.SampleConcentration;
    Click(ms->ButtonM4);
    QVERIFY(bench->screens->SessionControl->isVisible());
    QVERIFY(Session.SamplePrepared);

    QCOMPARE(FileBytes(SessionFilePath("ABC")).size(), std::size_t{663188});
    const auto file = ReadSavedSession("ABC");
    QVERIFY(file->SamplePrepared);
    QCOMPARE(file->SampleWeight, prep.CurrentWeight);
    QCOMPARE(file->StockVolume, prep.CurrentStockVolume);
    QCOMPARE(file->DilutionVolume, prep.CurrentDilutionVolume);
    QCOMPARE(file->SampleConcentration, concentration);

    Open();
    QCOMPARE(EnabledControls(*ms),
             (QStringList{"RadioGroup4", "UpDown4", "PaintBox1", "ButtonM3"}));
    QCOMPARE(QApplication::focusWidget(), ms->ButtonM3);
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = %1").arg(prep.CurrentWeight, 0, 'f', 1));
    QCOMPARE(ms->Label2b->text(),
             QStringLiteral("Volume = %1").arg(prep.CurrentStockVolume, 0, 'f', 1));
    QCOMPARE(ms->Label3c->text(),
             QStringLiteral("Volume = %1").arg(prep.CurrentDilutionVolume, 0, 'f', 1));
    QVERIFY(!OnlyTheFrame(PlotOnScreen(*ms)));
    QCOMPARE(Session.SampleConcentration, concentration);

    Click(ms->ButtonM3);  // Return keeps a saved preparation
    QCOMPARE(Session.SampleConcentration, concentration);
  }

  void viewOnlyShowsTheStoredFlasks() {
    Session.SamplePrepared = true;
    Session.SampleWeight = 12.34f;
    Session.StockFlaskIndex = 3;
    Session.StockVolume = 55.55f;
    Session.AliquotIndex = 7;
    Session.DilutionFlaskIndex = 4;
    Session.DilutionVolume = 101.0f;
    Session.SampleConcentration = 2e-6f;
    RefreshScreen();
    QCOMPARE(ms->Label1a->text(), QStringLiteral("Weight = 12.3"));
    QCOMPARE(ms->ComboBox2a->currentText(), QStringLiteral("50 ml"));
    QCOMPARE(ms->Label2b->text(), QStringLiteral("Volume = 55.5"));
    QCOMPARE(ms->ComboBox3a->currentText(), QStringLiteral("200 \u00B5l"));
    QCOMPARE(ms->ComboBox3b->currentText(), QStringLiteral("100 ml"));
    QCOMPARE(ms->Label3c->text(), QStringLiteral("Volume = 101.0"));
    QVERIFY(!OnlyTheFrame(PlotOnScreen(*ms)));

    // The plot and the arrows still choose the wavelength.
    QTest::mouseClick(ms->PaintBox1, Qt::LeftButton, {}, QPoint(150, 100));
    Click(ms->UpDown4->RightArrow);
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 351"));
    QCOMPARE(
        ms->Label4c->text(),
        QStringLiteral("Solvent absorption : %1").arg(Session.SolventAbsorption[351], 0, 'f', 2));
  }

  void aFailedSaveIsReportedAndTheScreenStillReturns() {
    PrepareSolution();
    std::filesystem::remove_all("Sessions");
    Click(ms->ButtonM4);
    QCOMPARE(bench->recorder.infos, QStringList{QStringLiteral("File creation failed.")});
    QVERIFY(Session.SamplePrepared);
    QVERIFY(bench->screens->SessionControl->isVisible());
  }

  void thePlotChoosesTheWavelengthWhereItIsClicked() {
    PrepareSolution();
    const struct {
      int x;
      int wavelength;
    } cases[] = {{0, 200}, {1, 201}, {300, 500}, {600, 800}, {602, 800}};
    for (const auto& c : cases) {
      QTest::mouseClick(ms->PaintBox1, Qt::LeftButton, {}, QPoint(c.x, 100));
      QCOMPARE(ms->UpDown4->Position(), c.wavelength);
      QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : %1").arg(c.wavelength));
      // The cursor line stands in the wavelength's column.
      QCOMPARE(PlotOnScreen(*ms).pixel(c.wavelength - 199, 150), qRgb(0, 0, 0));
    }
    QTest::mouseClick(ms->PaintBox1, Qt::RightButton, {}, QPoint(100, 100));
    QCOMPARE(ms->UpDown4->Position(), 800);
  }

  void theArrowsMoveTheCursorByOneNanometre() {
    PrepareSolution();
    Click(ms->UpDown4->RightArrow);
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 201"));
    Click(ms->UpDown4->LeftArrow);
    Click(ms->UpDown4->LeftArrow);  // held at 200
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 200"));
    QTest::mouseClick(ms->PaintBox1, Qt::LeftButton, {}, QPoint(602, 100));
    Click(ms->UpDown4->RightArrow);  // held at 800
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 800"));
    Click(ms->UpDown4->LeftArrow);
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 799"));
  }

  void theRangeChangesTheTracesButNotTheReadouts() {
    PrepareSolution();
    QTest::mouseClick(ms->PaintBox1, Qt::LeftButton, {}, QPoint(150, 100));
    const QStringList readouts = Readouts(*ms);
    const QImage widest = PlotOnScreen(*ms);
    Click(ms->RadioButton3);
    QVERIFY(ms->RadioButton3->isChecked());
    QCOMPARE(Readouts(*ms), readouts);
    QVERIFY(PlotOnScreen(*ms) != widest);
    Click(ms->RadioButton1);
    QCOMPARE(PlotOnScreen(*ms), widest);
  }

  void clicksBeforeStep4MoveOnlyTheArrows() {
    QTest::mouseClick(ms->PaintBox1, Qt::LeftButton, {}, QPoint(250, 100));
    QCOMPARE(ms->UpDown4->Position(), 450);
    QCOMPARE(ms->Label4b->text(), QStringLiteral("Wavelength (nm) : 200"));
    QVERIFY(OnlyTheFrame(PlotOnScreen(*ms)));
  }

  void closingTheWindowEndsTheProgram() {
    QVERIFY(!ms->close());
    QCOMPARE(bench->recorder.exitCode, std::optional<int>(0));
  }
};

QTEST_MAIN(SamplePreparationTest)
#include "tfrmms_test.moc"
