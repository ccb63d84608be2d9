#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes a JPEG file held in memory with libjpeg. Anything libjpeg cannot read completely and
// cleanly (not a JPEG, truncated, corrupt data, an unsupported colour space) gives a null
// image; the decoder never ends the process as libjpeg's default error handler would.
QImage decodeJpeg(QByteArrayView data);
