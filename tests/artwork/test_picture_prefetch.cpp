// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "artwork/ArtworkFiles.h"
#include "artwork/PicturePrefetch.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

// The window takes its pictures from a prefetch that decodes them on a worker thread. Whatever
// order the pictures are taken in, each must be exactly what loading it directly gives.

using aeris::PicturePrefetch;

namespace {

void expectSamePicture(const QPixmap& got, const QString& path, qreal ratio) {
    const QPixmap expected = aeris::loadPicture(path, ratio);
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(got.devicePixelRatio(), expected.devicePixelRatio());
    EXPECT_EQ(got.toImage(), expected.toImage());
}

} // namespace

TEST(PicturePrefetch, gives_each_picture_as_loading_it_directly_does_in_any_order_of_taking) {
    const QString background = aeris::kBackgroundPath;
    const QString frame0 = aeris::fanFramePath(true, 0);
    const QString frame5 = aeris::fanFramePath(false, 5);
    const QString unlisted = aeris::fanFramePath(true, 3);
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        PicturePrefetch prefetch({background, frame0, frame5}, ratio);
        // The last listed first (waits for the whole list), then one that was never listed, one
        // taken a second time, and the rest.
        for (const QString& path : {frame5, unlisted, frame5, background, frame0}) {
            SCOPED_TRACE(path.toStdString());
            expectSamePicture(prefetch.take(path), path, ratio);
        }
    }
}

TEST(PicturePrefetch, can_be_dropped_with_pictures_untaken_or_still_decoding) {
    { PicturePrefetch untouched({aeris::kBackgroundPath, aeris::fanFramePath(true, 1)}, 1.0); }
    PicturePrefetch partly({aeris::fanFramePath(true, 1), aeris::kBackgroundPath}, 1.0);
    expectSamePicture(partly.take(aeris::fanFramePath(true, 1)), aeris::fanFramePath(true, 1), 1.0);
}

TEST(PicturePrefetch, a_missing_picture_comes_out_empty_like_a_direct_load) {
    PicturePrefetch prefetch({QStringLiteral(":/artwork/missing.jpg")}, 1.0);
    EXPECT_TRUE(prefetch.take(QStringLiteral(":/artwork/missing.jpg")).isNull());
}
