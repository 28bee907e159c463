#pragma once
// The pixels of a kept canvas packed small and fast. A drawing is mostly
// paper with thin lines, so each row is a handful of runs of one colour:
// runs are written as (count, colour) pairs at memory speed. Images that do
// not pack that way (a pasted photograph) go through zlib instead.

#include <QByteArray>
#include <QImage>

// The bits of an image in Format_RGB32.
QByteArray packPixels(const QImage& image);

// Writes packed bits back into an image of the size and format they were
// taken from; false when they do not fit it (the image is left as it was).
bool unpackPixels(const QByteArray& packed, QImage& image);
