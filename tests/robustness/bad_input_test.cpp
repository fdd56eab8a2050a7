// Bad input in every edit a user types into: empty text, letters, numbers far too large,
// overflowing exponents, negative zero, "nan", "inf", 300 characters and non-Latin letters,
// typed and committed through the real widgets. Each row states what the user must then see
// (the message, the edit's text) and what the session keeps; whatever is saved afterwards
// must load back unchanged, that is with every value in range.
//
// To cover another screen's edits, add a test function with its own _data table in the same
// form: field name, input, commit, and the answer the user must see.

#include <QApplication>
#include <QtTest>
#include <cstring>
#include <filesystem>
#include <memory>

#include "app/program.h"
#include "model/session_creation.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "session/session_repair.h"
#include "support/created_session.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"

namespace {

const char* const GoodReference = "GOOD";
const char* const GoodPassword = "secret";

struct BadInput {
  const char* Name;
  QString Text;
};

// Every kind of bad input, with a row name for the tables.
const QList<BadInput>& BadInputs() {
  static const QList<BadInput> inputs = {
      {"empty", QString()},
      {"letters", QStringLiteral("abc")},
      {"huge", QStringLiteral("99999999999999999999")},
      {"overflowing exponent", QStringLiteral("1e999")},
      {"negative zero", QStringLiteral("-0")},
      {"nan", QStringLiteral("nan")},
      {"inf", QStringLiteral("inf")},
      {"300 digits", QString(300, QLatin1Char('7'))},
      {"non-Latin", QString::fromUtf8("Ωж中")},
  };
  return inputs;
}

bool IsNonLatin(const QString& text) {
  return text == QString::fromUtf8("Ωж中");
}

// Replaces the edit's text by typing, as a user does: select all, delete, type. Characters
// beyond ASCII arrive as key events that carry only their text, as from a keyboard layout.
void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(edit, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

enum class Commit { Enter, Leave };

void CommitEdit(QLineEdit* edit, Commit commit) {
  QTest::keyClick(edit, commit == Commit::Enter ? Qt::Key_Return : Qt::Key_Tab);
}

// The saved file is one whole record whose every value is already in range: repairing it as
// the loader does changes no byte.
std::unique_ptr<TSessionRecord> SavedRecordInRange(const QString& reference) {
  const auto path = SessionFilePath(reference.toStdString());
  if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != SessionRecordSize) {
    return nullptr;
  }
  auto saved = ReadSavedSession(reference.toStdString());
  auto repaired = std::make_unique<TSessionRecord>(*saved);
  BringIntoRange(*repaired);
  if (std::memcmp(saved.get(), repaired.get(), SessionRecordSize) != 0) return nullptr;
  return saved;
}

}  // namespace

Q_DECLARE_METATYPE(Commit)

class BadInputTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench_;

  QLineEdit* Edit(QWidget* form, const QString& name) { return form->findChild<QLineEdit*>(name); }

  // Columns shared by the tables.
  static void AddColumns() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Commit>("commit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
  }

  static void AddRow(const QString& field, const BadInput& input, Commit commit,
                     const QString& shown, const QString& message = QString()) {
    const char* how = commit == Commit::Enter ? "Enter" : "leave";
    QTest::addRow("%s %s %s", qPrintable(field), input.Name, how)
        << field << input.Text << commit << shown << message;
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  // A created session GOOD with a prepared sample, measurement 1 recorded but not analysed,
  // measurement 2 still to record, saved; all screens created, none shown yet.
  void init() {
    bench_ = std::make_unique<ScreenBench>();
    FillCreatedSession(GoodReference, GoodPassword);
    CopySystemSpectra(Session, 1);
    Session.SamplePrepared = true;
    Session.SampleConcentration = 1.0e-5f;
    for (int c = 1; c <= ChannelCount; ++c) {
      Session.PromptCounts[1][c] = c > 100 && c < 110 ? 5000 : 3;
      Session.DecayCounts[1][c] = c > 100 ? 4000 / (1 + (c - 100) / 50) : 3;
    }
    Session.PromptRecorded[1] = Session.DecayRecorded[1] = true;
    Session.LastBackgroundLow = 10;
    Session.LastBackgroundHigh = 100;
    Session.LastDecayLow = 200;
    Session.LastDecayHigh = 3000;
    Session.LastTimeCalibration = 0.05f;
    QVERIFY(SaveSession());
    QVERIFY(SavedRecordInRange(GoodReference));
    bench_->CreateAllScreens();
  }

  void cleanup() { bench_.reset(); }

  // Session creation: a parameter that is no number or out of range is named in its message
  // and the field keeps what was typed; a text field takes any Latin-1 text, cut to 32
  // characters in the record.
  void sessionCreation_data() {
    AddColumns();
    const struct {
      const char* field;
      const char* message;
    } parameters[] = {
        {"EditP1", "Invalid molecular weight."}, {"EditP2", "Invalid percentage."},
        {"EditP3", "Invalid absorption."},       {"EditP4", "Invalid quantum yield."},
        {"EditP5", "Invalid lifetime."},         {"EditP6", "Invalid temperature."},
        {"EditP7", "Invalid temperature."},      {"EditP8", "Invalid activation energy."}};
    const QString created = QStringLiteral("Session file created.");
    for (const auto& p : parameters) {
      for (const BadInput& input : BadInputs()) {
        // Only the minimum temperature's range holds zero; it is shown without a sign.
        const bool valid = input.Text == QStringLiteral("-0") && QString(p.field) == "EditP6";
        AddRow(p.field, input, Commit::Leave, valid ? QStringLiteral("  0.00") : input.Text,
               valid ? created : QString(p.message));
      }
    }
    for (const BadInput& input : BadInputs()) {
      const QString latin1 = IsNonLatin(input.Text) ? QString() : input.Text;
      const QString reference = latin1.toUpper();
      AddRow("EditT1", input, Commit::Leave, reference,
             reference.isEmpty() ? QStringLiteral("Invalid filename.") : created);
      AddRow("EditT2", input, Commit::Leave, latin1, created);
      AddRow("EditT3", input, Commit::Leave, latin1, created);
    }
  }

  void sessionCreation() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    TFRMSU* su = bench_->screens->SessionCreation.get();
    ArriveAt(SessionCreationScreen, su);
    if (field != "EditT1") TypeInto(su->EditT1, QStringLiteral("BADINPUT"));
    QLineEdit* edit = Edit(su, field);
    QVERIFY(edit);
    TypeInto(edit, input);
    QTest::mouseClick(su->Button1, Qt::LeftButton);

    QCOMPARE(bench_->recorder.infos, QStringList{message});
    QCOMPARE(edit->text(), shown);
    if (message != QStringLiteral("Session file created.")) {
      QCOMPARE(QApplication::focusWidget(), edit);
      return;
    }
    const QString reference = su->EditT1->text().left(String32::Capacity);
    const auto saved = SavedRecordInRange(reference);
    QVERIFY2(saved, "the created file is missing or holds values out of range");
    QCOMPARE(QString::fromStdString(saved->SessionReference.Text()), reference);
    QCOMPARE(QString::fromLatin1(saved->Password.Text()), su->EditT2->text().left(32));
    QCOMPARE(QString::fromLatin1(saved->StudentNames.Text()), su->EditT3->text().left(32));
  }

  // Session control: no bad reference logs in and no bad password passes; the fields hold at
  // most 32 characters, the reference in capitals.
  void sessionControl_data() {
    AddColumns();
    for (const BadInput& input : BadInputs()) {
      const QString latin1 = IsNonLatin(input.Text) ? QString() : input.Text.left(32);
      AddRow("Edit1", input, Commit::Enter, latin1.toUpper(), QStringLiteral("Invalid session."));
      AddRow("Edit2", input, Commit::Enter, latin1, QStringLiteral("Invalid password."));
    }
  }

  void sessionControl() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    TFRMSC* sc = bench_->screens->SessionControl.get();
    ArriveAt(SessionControlScreen, sc);
    if (field == "Edit2") {
      TypeInto(sc->Edit1, GoodReference);
      CommitEdit(sc->Edit1, Commit::Enter);
      QVERIFY(bench_->recorder.infos.isEmpty());
    }
    QLineEdit* edit = Edit(sc, field);
    TypeInto(edit, input);
    CommitEdit(edit, Commit::Enter);

    QCOMPARE(bench_->recorder.infos, QStringList{message});
    QCOMPARE(edit->text(), shown);
    QVERIFY(!LoggedIn);
    QVERIFY(edit->isEnabled());
    QVERIFY(!sc->Button01->isEnabled());
  }

  // Measurement: text that is no whole number within int range shows "Error" and changes
  // nothing; a number is held to its limits (200 nm, 1 kHz, the session's 20 °C).
  void measurement_data() {
    AddColumns();
    const struct {
      const char* field;
      const char* lowest;
    } edits[] = {{"Edit1", "200"}, {"Edit2", "200"}, {"Edit3", "1"}, {"Edit5", "20"}};
    for (const auto& e : edits) {
      for (const Commit commit : {Commit::Enter, Commit::Leave}) {
        for (const BadInput& input : BadInputs()) {
          const bool number = input.Text == QStringLiteral("-0");
          AddRow(e.field, input, commit, number ? QString(e.lowest) : QStringLiteral("Error"));
        }
      }
    }
  }

  void measurement() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(Commit, commit);
    QFETCH(QString, shown);
    TFRMTC* tc = bench_->screens->DecayMeasurement.get();
    LoggedIn = true;
    Session.CurrentMeasurement = 2;
    PromptMode = true;
    ArriveAt(DecayMeasurementScreen, tc);
    QTest::mouseClick(tc->Button1, Qt::LeftButton);  // "Load Sample"
    QLineEdit* edit = Edit(tc, field);
    TypeInto(edit, input);
    CommitEdit(edit, commit);
    QCOMPARE(edit->text(), shown);

    const TInstrumentSettings& s = tc->Instrument().Settings;
    const int lampFrequency = field == "Edit3" && shown == "1" ? 1 : 1000;
    QCOMPARE(s.ExcitationTarget, 2000);
    QCOMPARE(s.EmissionTarget, 2000);
    QCOMPARE(s.TemperatureTarget, 2000);
    QCOMPARE(s.LampFrequency, lampFrequency);

    QTest::mouseClick(tc->Button5, Qt::LeftButton);  // "Save and Return"
    QVERIFY(bench_->recorder.infos.isEmpty());
    const auto saved = SavedRecordInRange(GoodReference);
    QVERIFY2(saved, "the saved file is missing or holds values out of range");
    QVERIFY(saved->PromptRecorded[2]);
    QCOMPARE(saved->LampFrequency, lampFrequency);
    QCOMPARE(saved->ExcitationWavelength, 2000);
    QCOMPARE(saved->SampleTemperature, 2000);
  }

  // Decay analysis, starting from the last-used ranges 10, 100, 200, 3000: a range edit whose
  // text is no whole number falls back to just above the bound before it; a number, however
  // large, is held within 1..4096 and the order. Calibration and estimate are clamped, text that is
  // no number becomes the lower limit. No message.
  void analysis_data() {
    AddColumns();
    const struct {
      const char* field;
      const char* fallback;  // no number
      const char* zero;      // "-0"
      const char* huge;      // a number beyond every range
    } edits[] = {{"Edit1", "1", "1", "4093"},
                 {"Edit2", "11", "2", "4094"},
                 {"Edit4", "101", "3", "4095"},
                 {"Edit5", "201", "4", "4096"},
                 {"Edit3", "0.01000", "0.01000", "5.00000"},
                 {"Edit6", "0.1000", "0.1000", "100.0000"}};
    for (const auto& e : edits) {
      const bool real = QString(e.field) == "Edit3" || QString(e.field) == "Edit6";
      for (const Commit commit : {Commit::Enter, Commit::Leave}) {
        for (const BadInput& input : BadInputs()) {
          const QString& t = input.Text;
          const bool zero = t == QStringLiteral("-0");
          // A number beyond every range is held at the top (pushing the bounds below it down);
          // an exponent is no whole number, so only the real-valued edits read "1e999".
          const bool huge = t.startsWith(QLatin1String("9")) || t.startsWith(QLatin1String("7")) ||
                            (real && t == QStringLiteral("1e999"));
          AddRow(e.field, input, commit, zero ? e.zero : huge ? e.huge : e.fallback);
        }
      }
    }
  }

  void analysis() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(Commit, commit);
    QFETCH(QString, shown);
    TFRMDA* da = bench_->screens->DecayAnalysis.get();
    QLineEdit* edit = Edit(da, field);
    QVERIFY(edit);
    LoggedIn = true;
    Session.CurrentMeasurement = 1;
    ArriveAt(DecayAnalysisScreen, da);
    TypeInto(edit, input);
    CommitEdit(edit, commit);
    QCOMPARE(edit->text(), shown);
    QVERIFY(bench_->recorder.infos.isEmpty());

    QTest::mouseClick(da->Button1, Qt::LeftButton);  // "Return" keeps the last-used settings
    const auto saved = SavedRecordInRange(GoodReference);
    QVERIFY2(saved, "the saved file holds values out of range");
    QCOMPARE(saved->LastBackgroundLow, da->Edit1->text().toInt());
    QCOMPARE(saved->LastBackgroundHigh, da->Edit2->text().toInt());
    QCOMPARE(saved->LastDecayLow, da->Edit4->text().toInt());
    QCOMPARE(saved->LastDecayHigh, da->Edit5->text().toInt());
    QCOMPARE(QString::asprintf("%.5f", saved->LastTimeCalibration), da->Edit3->text());
  }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
