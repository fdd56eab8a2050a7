#include "screens/shell/form_font.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

namespace {

constexpr int FormPixelSize = 11;

// Debian's fonts-wine ships a Tahoma-metric font outside fontconfig's path.
const char* const TahomaFile = "/usr/share/wine/fonts/tahoma.ttf";

QString& Family() {
  static QString family = QStringLiteral("DejaVu Sans");
  return family;
}

}  // namespace

void UseFormFont() {
  int pixelSize = FormPixelSize - 1;  // the fallback is wider than Tahoma
  if (QFile::exists(QString::fromLatin1(TahomaFile))) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(TahomaFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) {
      Family() = families.first();
      pixelSize = FormPixelSize;
    }
  }
  QApplication::setFont(FormFont(pixelSize));
}

QFont FormFont(int pixelSize) {
  QFont font(Family());
  font.setPixelSize(pixelSize);
  return font;
}
