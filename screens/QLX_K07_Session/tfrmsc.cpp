#include "screens/QLX_K07_Session/tfrmsc.h"

TFRMSC::TFRMSC()
    : ScreenForm(QStringLiteral("Qelti - Vostrelin Experiment - Session Control"), QSize(620, 600),
                 Qt::cyan) {}
