#pragma once

#include <QPixmap>

// The start-up picture, 384 x 256: a stylised fluorescence decay over its instrument pulse.
QPixmap StartupPicture();
