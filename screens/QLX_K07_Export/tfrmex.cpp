#include "screens/QLX_K07_Export/tfrmex.h"

TFRMEX::TFRMEX()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Export"), QSize(620, 600),
                 Qt::cyan) {}
