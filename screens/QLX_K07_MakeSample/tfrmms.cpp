#include "screens/QLX_K07_MakeSample/tfrmms.h"

TFRMMS::TFRMMS()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Sample Preparation"),
                 QSize(620, 600), Qt::cyan) {}
