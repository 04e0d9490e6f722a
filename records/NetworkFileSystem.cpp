#include "records/NetworkFileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <sys/vfs.h>

namespace NetworkFileSystem {
namespace {

// The file system types statfs reports for network file systems (linux/magic.h).
QString NameOf(unsigned long type)
{
    switch (type) {
    case 0x6969: return QStringLiteral("NFS");
    case 0x517B:
    case 0xFF534D42:
    case 0xFE534D42: return QStringLiteral("SMB/CIFS");
    case 0x564C: return QStringLiteral("NCP");
    case 0x5346414F: return QStringLiteral("AFS");
    default: return {};
    }
}

QString Statfs(const QString& path)
{
    struct statfs info {};
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (statfs(folder.constData(), &info) != 0)
        return {};
    return NameOf(static_cast<unsigned long>(info.f_type));
}

std::function<QString(const QString&)>& Probe()
{
    static std::function<QString(const QString&)> probe = Statfs;
    return probe;
}

}  // namespace

QString Of(const QString& path)
{
    return Probe()(path);
}

ScopedProbe::ScopedProbe(std::function<QString(const QString& path)> probe) : previous_(std::move(Probe()))
{
    Probe() = std::move(probe);
}

ScopedProbe::~ScopedProbe()
{
    Probe() = std::move(previous_);
}

}  // namespace NetworkFileSystem
