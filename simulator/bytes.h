#pragma once

#include <QByteArray>
#include <QtEndian>

// Appending fixed-width integers to binary formats (PNG, BMP).
namespace Bytes {
template <typename T>
inline void appendLittle(QByteArray *out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out->append(bytes, sizeof(T));
}

template <typename T>
inline void appendBig(QByteArray *out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out->append(bytes, sizeof(T));
}
} // namespace Bytes
