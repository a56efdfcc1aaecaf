#pragma once

#include <QByteArray>
#include <QtGlobal>

// The block cipher of configuration requests: 12-byte blocks, a 12-byte key made
// from the device's password. Devices decrypt with the same function.
namespace RequestCipher {
quint8 passwordChecksum(const QByteArray &bytes);
// The 12-byte key of a password given as its Latin-1 bytes.
QByteArray keyFromPassword(const QByteArray &password);

void mixTriple(quint8 &p, quint8 &q, quint8 &r);
void cipherStep(quint8 *a, const quint8 *b, const quint8 *k, bool encrypt);
void keyStep(quint8 *d, const quint8 *s, int step);
// Transforms one 12-byte block in place; the key bytes are left as they were.
void cipherBlock(quint8 *block, const quint8 *key, bool encrypt);
// Every whole 12-byte block of data, in place.
void encryptPayload(char *data, int length, const QByteArray &key, bool encrypt = true);
} // namespace RequestCipher
