#pragma once
// Host file names as program text and back, losslessly. A name's bytes are read
// as UTF-8; every byte of an invalid sequence, the characters \, CR and LF, and
// every byte of a real character in U+F000-U+F0FF become U+F000 + the byte, so
// every name a folder holds can be listed and reached again by exactly its bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kv {

// The character that stands for a host byte in a decoded name.
constexpr bool isEscapedByte(char32_t c)
{
    return c >= 0xF000 && c <= 0xF0FF;
}

QString decodeHostName(QByteArrayView raw);
// U+F000 + b gives byte b; every other character its UTF-8.
QByteArray encodeHostName(QStringView name);

// A component of a program path that the drive table lets through: not empty,
// not "." or "..", and without U+0000, judged again on the bytes the host gets
// (no ".", "..", slash or NUL made of characters that stand for bytes).
bool isSafeComponent(QStringView component);

} // namespace kv
