#include "screens/QLX_K07_Splash/tfrmsp.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

#include "screens/QLX_K07_Splash/startup_picture.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"

TFRMSP::TFRMSP(QString firstArgument)
    : ScreenForm(QStringLiteral("Qelti Limited - Vostrelin Temperature Behaviour Experiment"),
                 QSize(620, 600), Qt::white),
      firstArgument_(std::move(firstArgument)) {
  Image1 = new QLabel(this);
  Image1->setGeometry(120, 40, 384, 256);
  Image1->setPixmap(StartupPicture());

  Label1 =
      new QLabel(QStringLiteral("Qelti Limited\nVostrelin Temperature Behaviour Experiment"), this);
  Label1->move(200, 352);
  Label1->adjustSize();

  Label2 = new QLabel(QStringLiteral("Loading :"), this);
  Label2->move(72, 428);
  Label2->adjustSize();

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setGeometry(120, 424, 384, 20);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  Label3 = new QLabel(QStringLiteral("Vostrelin Temperature Behaviour"), this);
  Label3->setFont(FormFont(27));
  Label3->setStyleSheet(QStringLiteral("color: blue"));
  Label3->move(112, 512);
  Label3->adjustSize();

  Timer1 = new QTimer(this);
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, &TFRMSP::Timer1Timer);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  FormCreate();
}

void TFRMSP::FormCreate() {
  counter_ = 0;
  SupervisorMode = false;
  LoggedIn = false;
  PromptMode = false;
  Timer1->stop();
  Timer1->start();
}

void TFRMSP::Timer1Timer() {
  Timer1->stop();
  if (counter_ <= LastTick) {
    ++counter_;
    ProgressBar1->setValue(2 * counter_);
  }
  if (counter_ == ModeTick) SupervisorMode = firstArgument_ == SupervisorSwitch;
  if (counter_ == LastTick)
    ShowScreen(SupervisorMode ? SessionCreationScreen : SessionControlScreen);
  if (counter_ < LastTick) Timer1->start();
}
