// Renders the screens of the program in their typical states into PNG pictures for the user
// guides. Runs headless; the sessions it creates go to a temporary folder.
//
// Usage: render_screens OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include "screens/shell/dialogs.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_form.h"
#include "screenshot_road.h"
#include "session/session_file.h"

namespace {

QTextStream& Errors() {
  static QTextStream stream(stderr);
  return stream;
}

// No dialog may wait for a user: messages are printed, the file-save dialog names a file in
// the working folder, the process is never ended from inside a screen.
void ReplaceDialogs() {
  Seams().Info = [](const QString& text) { Errors() << "message: " << text << Qt::endl; };
  Seams().Confirm = [](const QString&) { return false; };
  Seams().SaveFileName = [](const SaveFileRequest& request) {
    return QDir::current().absoluteFilePath(request.InitialName + QLatin1Char('.') +
                                            request.DefaultExtension);
  };
  Seams().EndProcess = [](int) {};
  Seams().Note = [](const QString&) {};
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    Errors() << "usage: render_screens OUTPUT_FOLDER" << Qt::endl;
    return 2;
  }
  const QDir output(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
  if (!output.exists() && !QDir().mkpath(output.path())) {
    Errors() << "cannot create " << output.path() << Qt::endl;
    return 1;
  }

  UseFormFont();
  ConnectCoreMessages();
  ReplaceDialogs();

  QTemporaryDir work;
  if (!work.isValid() || !QDir::setCurrent(work.path()) ||
      !QDir().mkdir(QString::fromLatin1(SessionFolder))) {
    Errors() << "cannot prepare a temporary working folder" << Qt::endl;
    return 1;
  }

  bool saved = true;
  const QString failure = RunScreenshotRoad([&](ScreenForm& screen, const QString& name) {
    const QString path = output.filePath(name + QStringLiteral(".png"));
    if (screen.grab().save(path, "PNG")) {
      Errors() << "wrote " << path << Qt::endl;
    } else {
      Errors() << "cannot write " << path << Qt::endl;
      saved = false;
    }
  });
  if (!failure.isEmpty()) {
    Errors() << "stopped: " << failure << Qt::endl;
    return 1;
  }
  return saved ? 0 : 1;
}
