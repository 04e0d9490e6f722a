#pragma once

#include <QString>
#include <functional>

// Whether a records file lies on a network file system, where SQLite's locking cannot be
// trusted with several writers.
namespace NetworkFileSystem {

// "NFS", "SMB/CIFS" and the like for a file on a network file system; empty otherwise.
QString Of(const QString& path);

// Makes Of() answer as given while it lives (tests: no network file system to mount).
class ScopedProbe {
public:
    explicit ScopedProbe(std::function<QString(const QString& path)> probe);
    ~ScopedProbe();
    ScopedProbe(const ScopedProbe&) = delete;
    ScopedProbe& operator=(const ScopedProbe&) = delete;

private:
    std::function<QString(const QString&)> previous_;
};

}  // namespace NetworkFileSystem
