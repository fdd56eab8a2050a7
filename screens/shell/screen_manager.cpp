#include "screens/shell/screen_manager.h"

#include <QPoint>
#include <array>

#include "screens/shell/dialogs.h"
#include "screens/shell/screen_form.h"

namespace {

ScreenForm* Startup = nullptr;
ScreenTable Screens{};

const IndexedArray<const char*, SessionControlScreen, ExportScreen> ShowNotes{{
    "Session control activated",
    "Sample preparation activated",
    "Photon counter activated",
    "Supervisor activated",
    "Decay analysis activated",
    "Export activated",
}};

// The start-up screen first, then the others by identifier.
std::array<ScreenForm*, 7> AllScreens() {
  return {Startup, Screens[3], Screens[4], Screens[5], Screens[6], Screens[7], Screens[8]};
}

}  // namespace

void RegisterScreens(ScreenForm* startup, const ScreenTable& screens) {
  Startup = startup;
  Screens = screens;
}

void ShowScreen(int id) {
  if (!ScreenTable::Contains(id) || Screens[id] == nullptr) return;
  const auto all = AllScreens();

  QPoint place = Screens[id]->pos();  // used only if nothing is visible
  for (ScreenForm* form : all) {
    if (form != nullptr && form->isVisible()) {
      place = form->pos();
      break;
    }
  }
  for (ScreenForm* form : all)
    if (form != nullptr) form->move(place);
  for (ScreenForm* form : all)
    if (form != nullptr) form->hide();

  ScreenForm* shown = Screens[id];
  shown->show();
  shown->raise();
  shown->activateWindow();
  shown->setFocus();
  LogNote(QString::fromLatin1(ShowNotes[id]));
  RefreshScreen();
}

void RefreshScreen() {
  for (int id = SessionControlScreen; id <= ExportScreen; ++id) {
    if (Screens[id] != nullptr && Screens[id]->isVisible()) Screens[id]->Refresh();
  }
}
