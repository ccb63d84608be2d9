#pragma once

// What the journal fuzz targets share: a scratch folder on a memory file system where there is
// one (every save syncs to disk), and a file written there.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>

inline const QString &scratchFolder()
{
    static const QString folder = [] {
        const QString base
            = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path
            = base + QStringLiteral("/wendarix-fuzz-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

inline QString scratchFile(const QString &name, const QByteArray &bytes)
{
    const QString path = scratchFolder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

// Stops the target when a property does not hold, so the fuzzer keeps the input.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}
