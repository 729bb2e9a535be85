// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "artwork/PicturePrefetch.h"

#include "artwork/ArtworkFiles.h"

#include <algorithm>
#include <system_error>

namespace aeris {

PicturePrefetch::PicturePrefetch(const QStringList& paths, qreal devicePixelRatio)
    : m_ratio(devicePixelRatio) {
    m_entries.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        m_entries.push_back(Entry{path, {}, false, false});
    try {
        m_worker = std::thread([this] { decodeAll(); });
    } catch (const std::system_error&) {
        // No thread to spare: every picture is then decoded when it is taken.
        m_entries.clear();
    }
}

PicturePrefetch::~PicturePrefetch() {
    if (m_worker.joinable())
        m_worker.join();
}

void PicturePrefetch::decodeAll() {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        // The list itself never changes while the worker runs, so reading a path needs no lock.
        QImage image = decodePicture(m_entries[i].path, m_ratio);
        const std::lock_guard lock(m_mutex);
        m_entries[i].image = std::move(image);
        m_entries[i].decoded = true;
        m_progress.notify_all();
    }
}

QPixmap PicturePrefetch::take(const QString& path) {
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&path](const Entry& e) { return e.path == path && !e.taken; });
    if (entry == m_entries.end())
        return loadPicture(path, m_ratio);
    std::unique_lock lock(m_mutex);
    m_progress.wait(lock, [&entry] { return entry->decoded; });
    entry->taken = true;
    QImage image = std::move(entry->image);
    lock.unlock();
    // Handing the only copy over lets the pixmap take the pixels without copying them.
    return QPixmap::fromImage(std::move(image));
}

} // namespace aeris
