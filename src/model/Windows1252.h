#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The single-byte code page of the project and settings files. Bytes 0x81, 0x8D, 0x8F, 0x90
// and 0x9D have no character of their own and stand for the control codes of the same value,
// so every byte string decodes and encodes back to itself.
namespace Windows1252 {

QString decode(const QByteArray &bytes);
QString decode(const char *data, qsizetype size);

// nullopt when some character has no Windows-1252 byte; `badIndex` then holds its position.
std::optional<QByteArray> encode(const QString &text, qsizetype *badIndex = nullptr);
bool canEncode(const QString &text);

} // namespace Windows1252
