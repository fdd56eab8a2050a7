#include <QtTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_record.h"
#include "support/scratch_folder.h"
#include "support/shell_recorder.h"
#include "support/system1_text_record.h"

namespace {

using Bytes = std::vector<char>;

Bytes FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

template <typename T>
T At(const Bytes& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

std::string TextAt(const Bytes& bytes, std::size_t offset) {
  return std::string(bytes.data() + offset + 1, static_cast<unsigned char>(bytes[offset]));
}

std::filesystem::path SessionFile(const std::string& reference) {
  return std::filesystem::path("Sessions") / (reference + ".qlx");
}

void Type(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->clear();
  QTest::keyClicks(field, text);
}

}  // namespace

class SessionCreationTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ShellRecorder> recorder_;
  std::unique_ptr<ScratchFolder> folder_;
  std::unique_ptr<TFRMSU> form_;

  // Shows a fresh screen as the screen manager does, over a session left dirty by earlier work.
  void OpenScreen(bool withSessionsFolder = true) {
    cleanup();
    recorder_ = std::make_unique<ShellRecorder>();
    folder_ = std::make_unique<ScratchFolder>(withSessionsFolder);
    form_ = std::make_unique<TFRMSU>();
    Session.CurrentMeasurement = 7;
    Session.PromptRecorded[3] = true;
    Session.PromptCounts[2][100] = 55;
    Session.LampFrequency = 20;
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->Refresh();
  }

  void Generate() { QTest::mouseClick(form_->Button1, Qt::LeftButton); }

  // The one message shown, with the focus on the field it names; no file was written.
  void ExpectRefused(const QString& message, QWidget* focused) {
    QCOMPARE(recorder_->infos, QStringList{message});
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(std::filesystem::is_empty("Sessions"));
  }

 private slots:
  void initTestCase() {
    UseFormFont();  // the captions are measured in the font the program uses
    ConnectCoreMessages();
  }
  void init() { OpenScreen(); }
  void cleanup() {
    form_.reset();
    folder_.reset();
    recorder_.reset();
  }

  void controlsStandAtTheirPlacesInTabOrder() {
    const struct {
      QWidget* control;
      QRect area;
    } expected[] = {
        {form_->EditT1, {236, 89, 280, 21}},   {form_->EditT2, {236, 121, 280, 21}},
        {form_->EditT3, {236, 153, 280, 21}},  {form_->ComboBox1, {332, 185, 184, 21}},
        {form_->EditP1, {441, 230, 75, 21}},   {form_->EditP2, {441, 256, 75, 21}},
        {form_->EditP3, {441, 282, 75, 21}},   {form_->EditP4, {441, 308, 75, 21}},
        {form_->EditP5, {441, 334, 75, 21}},   {form_->EditP6, {441, 361, 75, 21}},
        {form_->EditP7, {441, 386, 75, 21}},   {form_->EditP8, {441, 412, 75, 21}},
        {form_->Button1, {100, 449, 168, 25}}, {form_->CheckBox1, {276, 457, -1, -1}},
        {form_->Button2, {441, 449, 75, 25}},
    };
    form_->EditT1->setFocus();
    for (const auto& e : expected) {
      if (e.area.width() > 0) {
        QCOMPARE(e.control->geometry(), e.area);
      } else {
        QCOMPARE(e.control->pos(), e.area.topLeft());
      }
      QCOMPARE(QApplication::focusWidget(), e.control);
      QTest::keyClick(e.control, Qt::Key_Tab);
    }
    QCOMPARE(form_->Button1->text(), QStringLiteral("Generate session file"));
    QCOMPARE(form_->CheckBox1->text(), QStringLiteral("Save Text Record"));
    QCOMPARE(form_->Button2->text(), QStringLiteral("Exit"));
    QVERIFY(!form_->CheckBox1->isChecked());
    QCOMPARE(form_->EditT2->echoMode(), QLineEdit::Normal);  // the password is shown in clear
  }

  void everyLabelSitsLeftOfItsField() {
    const struct {
      QLabel* label;
      QWidget* field;
      const char* text;
    } expected[] = {
        {form_->Label1, form_->EditT1, "Session reference"},
        {form_->Label2, form_->EditT2, "Password"},
        {form_->Label3, form_->EditT3, "Student name"},
        {form_->Label4, form_->ComboBox1, "System"},
        {form_->Label5, form_->EditP1, "Molecular weight of fluorophore (50.0 - 500.0)"},
        {form_->Label6, form_->EditP2,
         "Percentage by weight of fluorophore in polymer (0.2 - 2.0)"},
        {form_->Label7, form_->EditP3, "Absorption scaling factor (0.2 - 2.0)"},
        {form_->Label8, form_->EditP4, "Fluorescence quantum yield (0.1 - 1.0)"},
        {form_->Label9, form_->EditP5,
         "Fluorescence lifetime at min. temp. in nanoseconds  (0.5 - 50.0)"},
        {form_->Label10, form_->EditP6, "Minimum temperature in degC (-100.0 - 100.0)"},
        {form_->Label11, form_->EditP7, "Maximum temperature in degC (-100.0 - 100.0)"},
        {form_->Label12, form_->EditP8, "Activation energy in kilojoules / mole (1.0 - 10.0)"},
    };
    for (const auto& e : expected) {
      QCOMPARE(e.label->text(), QString::fromLatin1(e.text));
      QVERIFY2(e.label->geometry().right() < e.field->x(), e.text);
      QVERIFY2(e.label->y() >= e.field->y() &&
                   e.label->geometry().bottom() <= e.field->geometry().bottom(),
               e.text);
    }
  }

  void refreshClearsTheFieldsAndResetsTheSession() {
    QCOMPARE(Session.CurrentMeasurement, 1);
    QVERIFY(!Session.PromptRecorded[3]);
    QCOMPARE(Session.PromptCounts[2][100], 0);
    QCOMPARE(Session.LampFrequency, 1000);

    Type(form_->EditT1, QStringLiteral("abc"));
    QCOMPARE(form_->EditT1->text(), QStringLiteral("ABC"));  // typed in capitals
    Type(form_->EditT2, QStringLiteral("Secret"));
    Type(form_->EditT3, QStringLiteral("A. Student"));
    Type(form_->EditP1, QStringLiteral("99"));
    form_->ComboBox1->setCurrentIndex(1);
    form_->CheckBox1->setChecked(true);
    form_->Refresh();
    QCOMPARE(form_->EditT1->text(), QString());
    QCOMPARE(form_->EditT2->text(), QString());
    QCOMPARE(form_->EditT3->text(), QString());
    QCOMPARE(form_->ComboBox1->currentIndex(), 0);
    QCOMPARE(form_->EditP1->text(), QStringLiteral("276.33"));
    QVERIFY(form_->CheckBox1->isChecked());  // kept between creations
  }

  void systemListOffersTheCatalogueAndItsDefaults() {
    QCOMPARE(form_->ComboBox1->count(), 2);
    QCOMPARE(form_->ComboBox1->itemText(0), QStringLiteral("AMMA/PMMA in Toluene"));
    QCOMPARE(form_->ComboBox1->itemText(1), QStringLiteral("ACE/PMMA in Toluene"));
    const QStringList system1 = {"276.33", "  1.00", "  1.00", "  1.00",
                                 "  5.77", " 20.00", " 60.00", "  6.21"};
    const QStringList system2 = {"152.19", "  1.00", "  1.00", "  1.00",
                                 " 17.10", " 20.00", " 60.00", "  5.25"};
    const auto shown = [this] {
      QStringList texts;
      for (QLineEdit* field : {form_->EditP1, form_->EditP2, form_->EditP3, form_->EditP4,
                               form_->EditP5, form_->EditP6, form_->EditP7, form_->EditP8})
        texts << field->text();
      return texts;
    };
    QCOMPARE(shown(), system1);
    form_->ComboBox1->setFocus();
    QTest::keyClick(form_->ComboBox1, Qt::Key_Down);  // the supervisor picks system 2
    QCOMPARE(form_->ComboBox1->currentIndex(), 1);
    QCOMPARE(shown(), system2);
    QTest::keyClick(form_->ComboBox1, Qt::Key_Up);
    QCOMPARE(shown(), system1);
  }

  void defaultsOfSystem1WriteTheSessionFile() {
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(form_->EditT2, QStringLiteral("secret"));
    Type(form_->EditT3, QStringLiteral("A. Student"));
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    QVERIFY(!std::filesystem::exists("Sessions/ABC.txt"));  // not asked for

    const Bytes file = FileBytes(SessionFile("ABC"));
    QCOMPARE(file.size(), std::size_t{663188});
    QCOMPARE(TextAt(file, 0), std::string("Qelti - Vostrelin Experiment"));
    QCOMPARE(TextAt(file, 33), std::string("ABC"));
    QCOMPARE(TextAt(file, 66), std::string("secret"));
    QCOMPARE(TextAt(file, 99), std::string("A. Student"));
    QCOMPARE(At<std::int32_t>(file, 132), 1);
    const float parameters[] = {276.33f, 1.0f, 1.0f, 1.0f, 5.77f, 20.0f, 60.0f, 6.21f};
    for (std::size_t k = 0; k < std::size(parameters); ++k)
      QCOMPARE(At<float>(file, 136 + 4 * k), parameters[k]);
    QCOMPARE(At<float>(file, 168), 2.0f);                         // solvent at 200 nm
    QCOMPARE(At<float>(file, 2572 + (359 - 200) * 4), 32240.0f);  // solute maximum
    QCOMPARE(At<float>(file, 4976 + (400 - 200) * 4), Session.FluorescenceSpectrum[400]);
    QVERIFY(Session.FluorescenceSpectrum[400] > 0.02f);

    // The reset tail: no sample, measurement 1, no data.
    QCOMPARE(At<std::uint8_t>(file, 7380), std::uint8_t{0});
    QCOMPARE(At<std::int32_t>(file, 7384), 1);
    for (std::size_t flag = 7388; flag < 7418; ++flag) QCOMPARE(file[flag], '\0');
    QCOMPARE(At<std::int32_t>(file, 7448 + (4096 + 99) * 4), 0);  // prompt 2, channel 100
    QCOMPARE(At<std::int32_t>(file, 335128), 2000);
    QCOMPARE(At<std::int32_t>(file, 335196), 1000);
    for (std::size_t m = 0; m < 10; ++m) {
      QCOMPARE(At<std::int32_t>(file, 335208 + 4 * m), 1);
      QCOMPARE(At<std::int32_t>(file, 335248 + 4 * m), 2);
      QCOMPARE(At<std::int32_t>(file, 335288 + 4 * m), 3);
      QCOMPARE(At<std::int32_t>(file, 335328 + 4 * m), 4);
    }
    QCOMPARE(At<std::int32_t>(file, 663180), 4);
  }

  void textRecordWhenAskedFor() {
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(form_->EditT2, QStringLiteral("secret"));
    Type(form_->EditT3, QStringLiteral("A. Student"));
    form_->CheckBox1->setChecked(true);
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    const Bytes text = FileBytes("Sessions/ABC.txt");
    QCOMPARE(std::string(text.begin(), text.end()), std::string(System1TextRecord));
    QVERIFY(form_->CheckBox1->isChecked());
  }

  void longReferenceNamesTheFilesDifferently() {
    const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789WXYZ");
    Type(form_->EditT1, forty);
    form_->CheckBox1->setChecked(true);
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    QCOMPARE(TextOfSessionReference(), forty.left(32));
    QVERIFY(std::filesystem::exists(SessionFile(forty.left(32).toStdString())));
    QVERIFY(std::filesystem::exists("Sessions/" + forty.toStdString() + ".txt"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator("Sessions"),
                           std::filesystem::directory_iterator()),
             2);
  }

  void typedParametersAreReshownAndStored() {
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(form_->EditP1, QStringLiteral("50"));
    Type(form_->EditP4, QStringLiteral("  0.1"));  // a bound typed exactly, leading blanks
    Type(form_->EditP8, QStringLiteral("5"));
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    QCOMPARE(form_->EditP1->text(), QStringLiteral(" 50.00"));
    QCOMPARE(form_->EditP4->text(), QStringLiteral("  0.10"));
    QCOMPARE(form_->EditP8->text(), QStringLiteral("  5.00"));
    QCOMPARE(Session.MolecularWeight, 50.0f);
    QCOMPARE(Session.QuantumYield, 0.1f);
    QCOMPARE(Session.ActivationEnergy, 5.0f);
  }

  void anInvalidParameterIsNamedAndFocused_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("below molecular weight") << 1 << "49.99"
                                            << "Invalid molecular weight.";
    QTest::newRow("percentage") << 2 << "2.01"
                                << "Invalid percentage.";
    QTest::newRow("absorption") << 3 << "0.1"
                                << "Invalid absorption.";
    QTest::newRow("quantum yield") << 4 << "1.01"
                                   << "Invalid quantum yield.";
    QTest::newRow("lifetime") << 5 << "50.5"
                              << "Invalid lifetime.";
    QTest::newRow("letters") << 6 << "twenty"
                             << "Invalid temperature.";
    QTest::newRow("trailing blank") << 6 << "20 "
                                    << "Invalid temperature.";
    QTest::newRow("max below min") << 7 << "19.99"
                                   << "Invalid temperature.";
    QTest::newRow("empty") << 8 << ""
                           << "Invalid activation energy.";
  }
  void anInvalidParameterIsNamedAndFocused() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QLineEdit* const fields[] = {form_->EditP1, form_->EditP2, form_->EditP3, form_->EditP4,
                                 form_->EditP5, form_->EditP6, form_->EditP7, form_->EditP8};
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(fields[field - 1], text);
    Generate();
    ExpectRefused(message, fields[field - 1]);
    QCOMPARE(fields[field - 1]->text(), text);                  // left as typed
    QCOMPARE(TextOfSessionReference(), QStringLiteral("ABC"));  // stored before the checks
  }

  void maximumEqualToMinimumIsAccepted() {
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(form_->EditP6, QStringLiteral("35"));
    Type(form_->EditP7, QStringLiteral("35.0"));
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    QCOMPARE(Session.MinTemperature, Session.MaxTemperature);
  }

  void onlyTheFirstInvalidFieldIsReported() {
    Type(form_->EditT1, QStringLiteral("ABC"));
    Type(form_->EditP3, QStringLiteral("x"));
    Type(form_->EditP2, QStringLiteral("7"));
    Generate();
    ExpectRefused(QStringLiteral("Invalid percentage."), form_->EditP2);
    QCOMPARE(form_->EditP1->text(), QStringLiteral("276.33"));
    QCOMPARE(form_->EditP3->text(), QStringLiteral("x"));
  }

  void unusableReferencesAreRefused_data() {
    QTest::addColumn<QString>("reference");
    QTest::newRow("empty") << QString();
    QTest::newRow("separator") << QStringLiteral("A/B");
    QTest::newRow("backslash") << QStringLiteral("A\\B");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("escape") << QStringLiteral("A\x1B");
  }
  void unusableReferencesAreRefused() {
    QFETCH(QString, reference);
    Session.SessionReference.Assign("EARLIER");
    Session.Signature.Assign("");
    form_->EditT1->setText(reference);
    form_->EditP1->setFocus();
    Generate();
    ExpectRefused(QStringLiteral("Invalid filename."), form_->EditT1);
    QCOMPARE(TextOfSessionReference(), QStringLiteral("EARLIER"));  // only the signature stored
    QCOMPARE(QString::fromStdString(Session.Signature.Text()),
             QStringLiteral("Qelti - Vostrelin Experiment"));
  }

  void aBlankReferenceIsAFileName() {
    Type(form_->EditT1, QStringLiteral(" "));
    Generate();
    QCOMPARE(recorder_->infos, QStringList{QStringLiteral("Session file created.")});
    QVERIFY(std::filesystem::exists(SessionFile(" ")));
  }

  void enterWalksTheFocusDownToGenerate() {
    QWidget* const order[] = {form_->EditT1, form_->EditT2, form_->EditT3, form_->ComboBox1,
                              form_->EditP1, form_->EditP2, form_->EditP3, form_->EditP4,
                              form_->EditP5, form_->EditP6, form_->EditP7, form_->EditP8,
                              form_->Button1};
    form_->EditT1->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
      QTest::keyClick(order[i - 1], Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget(), order[i]);
    }
    QVERIFY(recorder_->infos.isEmpty());  // Enter on the way generated nothing
    QVERIFY(std::filesystem::is_empty("Sessions"));
    QTest::keyClick(form_->Button1, Qt::Key_Return);  // and on the button presses it
    ExpectRefused(QStringLiteral("Invalid filename."), form_->EditT1);
  }

  void backspaceInTheSystemListMovesOn() {
    form_->ComboBox1->setFocus();
    QTest::keyClick(form_->ComboBox1, Qt::Key_Backspace);
    QCOMPARE(QApplication::focusWidget(), form_->EditP1);
    form_->EditP1->end(/*mark=*/false);
    QTest::keyClick(form_->EditP1, Qt::Key_Backspace);  // in a field it only edits
    QCOMPARE(QApplication::focusWidget(), form_->EditP1);
    QCOMPARE(form_->EditP1->text(), QStringLiteral("276.3"));
  }

  void withoutSessionsFolderNothingIsCreated() {
    OpenScreen(/*withSessionsFolder=*/false);
    Type(form_->EditT1, QStringLiteral("ABC"));
    form_->CheckBox1->setChecked(true);
    Generate();
    QCOMPARE(recorder_->infos, (QStringList{QStringLiteral("File creation failed."),
                                            QStringLiteral("Text record creation failed.")}));
  }

  void shownByTheScreenManagerWithTheFocusOnTheReference() {
    cleanup();
    ShellRecorder recorder;
    ScratchFolder folder;
    const ProgramScreens screens = CreateScreens(QStringLiteral("S"));
    screens.Startup->show();
    Session.CurrentMeasurement = 4;
    ShowScreen(SessionCreationScreen);
    QVERIFY(QTest::qWaitForWindowActive(screens.SessionCreation.get()));
    QCOMPARE(QApplication::focusWidget(), screens.SessionCreation->EditT1);
    QCOMPARE(Session.CurrentMeasurement, 1);  // refreshed: the session is reset
    QCOMPARE(recorder.notes, QStringList{QStringLiteral("Supervisor activated")});
  }

  void exitEndsTheProgram() {
    QTest::mouseClick(form_->Button2, Qt::LeftButton);
    QCOMPARE(recorder_->exitCode, std::optional<int>(0));
    QCOMPARE(recorder_->notes, QStringList{QStringLiteral("Program terminated")});
  }

 private:
  static QString TextOfSessionReference() {
    return QString::fromStdString(Session.SessionReference.Text());
  }
};

QTEST_MAIN(SessionCreationTest)
#include "tfrmsu_test.moc"
