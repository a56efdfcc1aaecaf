#include "requestcipher.h"

namespace {
constexpr int KeySize = 12;
constexpr int HalfSize = 6;
constexpr int KeySteps = 46;

quint8 rotateRight(quint8 v)
{
    return quint8((v >> 1) | (v << 7));
}

quint8 rotateLeft(quint8 v)
{
    return quint8((v << 1) | (v >> 7));
}
} // namespace

quint8 RequestCipher::passwordChecksum(const QByteArray &bytes)
{
    quint8 reg = 0x15;
    for (const char c : bytes) {
        reg ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            const bool out = reg & 1;
            reg >>= 1;
            if (out)
                reg ^= 0x8C;
        }
    }
    return reg;
}

QByteArray RequestCipher::keyFromPassword(const QByteArray &password)
{
    if (password.size() >= KeySize)
        return password.left(KeySize);
    QByteArray key = password;
    key.append(KeySize - 1 - password.size(), '\0');
    key.append(char(passwordChecksum(password)));
    return key;
}

void RequestCipher::mixTriple(quint8 &p, quint8 &q, quint8 &r)
{
    const quint8 t = (q & r) ^ p;
    const quint8 u = (t & r) ^ q;
    const quint8 w = (t | u) ^ r;
    p = rotateRight(t);
    q = u;
    r = rotateLeft(w);
}

void RequestCipher::cipherStep(quint8 *a, const quint8 *b, const quint8 *k, bool encrypt)
{
    if (encrypt) {
        const quint8 last = a[5];
        for (int i = HalfSize - 1; i > 0; --i)
            a[i] = a[i - 1];
        a[0] = last;
    }
    quint8 x[HalfSize];
    for (int i = 0; i < HalfSize; ++i)
        x[i] = quint8(b[i] + k[i]);
    mixTriple(x[0], x[1], x[2]);
    mixTriple(x[3], x[4], x[5]);
    for (int i = 0; i < HalfSize; ++i)
        a[i] ^= x[i];
    if (!encrypt) {
        const quint8 first = a[0];
        for (int i = 0; i < HalfSize - 1; ++i)
            a[i] = a[i + 1];
        a[5] = first;
    }
}

void RequestCipher::keyStep(quint8 *d, const quint8 *s, int step)
{
    quint8 y[HalfSize];
    y[1] = quint8(s[0] + step);
    y[2] = s[1];
    y[3] = s[2];
    mixTriple(y[1], y[2], y[3]);
    y[4] = s[3];
    y[5] = s[4];
    y[0] = s[5];
    mixTriple(y[4], y[5], y[0]);
    for (int i = 0; i < HalfSize; ++i)
        d[i] ^= y[i];
}

void RequestCipher::cipherBlock(quint8 *block, const quint8 *key, bool encrypt)
{
    quint8 *left = block;
    quint8 *right = block + HalfSize;
    quint8 k1[HalfSize];
    quint8 k2[HalfSize];
    for (int i = 0; i < HalfSize; ++i) {
        k1[i] = key[i];
        k2[i] = key[HalfSize + i];
    }

    cipherStep(right, left, k1, encrypt);
    for (int i = 1; i < KeySteps; i += 2) {
        keyStep(k2, k1, i);
        cipherStep(left, right, k2, encrypt);
        keyStep(k1, k2, i + 1);
        cipherStep(right, left, k1, encrypt);
    }
    for (int i = KeySteps; i >= 2; i -= 2) {
        keyStep(k1, k2, i);
        cipherStep(left, right, k2, encrypt);
        keyStep(k2, k1, i - 1);
        cipherStep(right, left, k1, encrypt);
    }
}

void RequestCipher::encryptPayload(char *data, int length, const QByteArray &key, bool encrypt)
{
    Q_ASSERT(key.size() == KeySize);
    const auto *keyBytes = reinterpret_cast<const quint8 *>(key.constData());
    for (int offset = 0; offset + KeySize <= length; offset += KeySize)
        cipherBlock(reinterpret_cast<quint8 *>(data + offset), keyBytes, encrypt);
}
