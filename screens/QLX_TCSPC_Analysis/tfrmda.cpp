#include "screens/QLX_TCSPC_Analysis/tfrmda.h"

TFRMDA::TFRMDA()
    : ScreenForm(QStringLiteral("Qelti - Lumidor - Decay Analysis"), QSize(528, 516), Qt::cyan) {}
