#include "screens/QLX_K07_Supervisor/tfrmsu.h"

TFRMSU::TFRMSU()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Session File Creation"),
                 QSize(620, 600), Qt::cyan) {}
