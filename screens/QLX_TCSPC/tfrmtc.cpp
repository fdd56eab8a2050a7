#include "screens/QLX_TCSPC/tfrmtc.h"

TFRMTC::TFRMTC()
    : ScreenForm(QStringLiteral("Qelti - Lumidor - Decay Measurement"), QSize(620, 597), Qt::cyan) {
}
