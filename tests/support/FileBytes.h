#pragma once

#include <QFile>
#include <QTest>

// A file's bytes, or "<none>" when there is no file to read.
inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// The file holds these bytes and no others; the test fails when it cannot be written.
inline void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
