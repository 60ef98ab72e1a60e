#include "boundedpicture.h"
#include "fuzzing.h"

#include <QCoreApplication>

// A picture from outside or from storage: a decode never passes its box, only a header the bounds
// accept decodes at all, and telling whether the data runs to the picture's end reads nothing past it.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image plugins (JPEG, WebP) are found through the application.
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const QImage inside = BoundedPicture::decode(input, QSize(64, 48));
    FUZZ_ASSERT(inside.width() <= 64 && inside.height() <= 48);
    const QImage cover = BoundedPicture::decode(input, QSize(64, 48), BoundedPicture::Fit::Cover);
    FUZZ_ASSERT((inside.isNull() && cover.isNull()) || !BoundedPicture::inspect(input).isEmpty());
    // Walks the whole of the data, every scan of a JPEG.
    (void)BoundedPicture::isWhole(input);
    return 0;
}
