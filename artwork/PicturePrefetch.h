// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace aeris {

// Decodes built-in pictures on a worker thread, in the order given, while the caller's thread
// does other set-up work. Only the decoding runs there; pixmaps are made on the caller's thread.
class PicturePrefetch {
public:
    PicturePrefetch(const QStringList& paths, qreal devicePixelRatio);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The picture as loadPicture gives it, waiting for its decode if that has not finished yet.
    // Each listed path can be taken once; a path that was not listed (or is taken again) is loaded
    // here and now.
    QPixmap take(const QString& path);

private:
    struct Entry {
        QString path;
        QImage image;
        bool decoded{false};
        bool taken{false};
    };

    void decodeAll();

    const qreal m_ratio;
    std::vector<Entry> m_entries;
    std::mutex m_mutex;
    std::condition_variable m_progress;
    std::thread m_worker;
};

} // namespace aeris
