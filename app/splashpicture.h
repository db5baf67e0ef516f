#pragma once

#include <QImage>

// The splash picture, 400 x 300, painted at start: the trainer's title card.
[[nodiscard]] QImage splashPicture();
