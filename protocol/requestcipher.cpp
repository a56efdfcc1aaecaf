#include "requestcipher.h"

#include <array>

// Blocks do not depend on each other, so four of them are ciphered side by side
// in 64-bit words, one byte lane per triple of each block.
namespace {
using Word = quint64;

constexpr int KeySize = 12;
constexpr int HalfSize = 6;
constexpr int KeySteps = 46;
constexpr int CipherSteps = 2 * KeySteps + 1;
constexpr int Lanes = 4;
constexpr Word HighBits = 0x8080808080808080ull;
constexpr Word FirstTriples = 0x00FF00FF00FF00FFull;
constexpr Word EveryBlock = 0x0001000100010001ull;

// One 6-byte half of up to four blocks, split by place within its triple:
// p holds bytes 0 and 3, q bytes 1 and 4, r bytes 2 and 5. Byte 3t + i of
// block b sits in lane 2b + t of its word.
struct Planes
{
    Word p;
    Word q;
    Word r;
};

Q_ALWAYS_INLINE Word addBytes(Word x, Word y)
{
    return ((x & ~HighBits) + (y & ~HighBits)) ^ ((x ^ y) & HighBits);
}

Q_ALWAYS_INLINE Word rotateBytesRight(Word x)
{
    return ((x >> 1) & ~HighBits) | ((x << 7) & HighBits);
}

Q_ALWAYS_INLINE Word rotateBytesLeft(Word x)
{
    return ((x << 1) & ~(HighBits >> 7)) | ((x >> 7) & (HighBits >> 7));
}

Q_ALWAYS_INLINE Word swapTriples(Word x)
{
    return ((x & FirstTriples) << 8) | ((x >> 8) & FirstTriples);
}

Q_ALWAYS_INLINE Planes operator+(Planes a, Planes b)
{
    return {addBytes(a.p, b.p), addBytes(a.q, b.q), addBytes(a.r, b.r)};
}

Q_ALWAYS_INLINE Planes operator^(Planes a, Planes b)
{
    return {a.p ^ b.p, a.q ^ b.q, a.r ^ b.r};
}

// mixTriple on every triple at once.
Q_ALWAYS_INLINE Planes mix(Planes x)
{
    const Word t = (x.q & x.r) ^ x.p;
    const Word u = (t & x.r) ^ x.q;
    const Word w = (t | u) ^ x.r;
    return {rotateBytesRight(t), u, rotateBytesLeft(w)};
}

// a0..a5 becomes a5 a0 a1 a2 a3 a4.
Q_ALWAYS_INLINE Planes rotateForward(Planes a)
{
    return {swapTriples(a.r), a.p, a.q};
}

// a0..a5 becomes a1 a2 a3 a4 a5 a0.
Q_ALWAYS_INLINE Planes rotateBack(Planes a)
{
    return {a.q, a.r, swapTriples(a.p)};
}

template <bool Encrypt> Q_ALWAYS_INLINE Planes cipherStepPlanes(Planes a, Planes b, Planes k)
{
    if (Encrypt)
        return rotateForward(a) ^ mix(b + k);
    return rotateBack(a ^ mix(b + k));
}

// The first triple lands in d1-d3, the second in d4, d5 and d0.
Q_ALWAYS_INLINE Planes keyStepPlanes(Planes d, Planes s, int step)
{
    const Planes stepped{addBytes(s.p, Word(quint8(step)) * EveryBlock), s.q, s.r};
    return d ^ rotateForward(mix(stepped));
}

// The half at offset `half` of `count` consecutive 12-byte blocks.
Planes load(const quint8 *blocks, int count, int half)
{
    Planes h{0, 0, 0};
    for (int b = 0; b < count; ++b) {
        for (int t = 0; t < 2; ++t) {
            const quint8 *bytes = blocks + b * KeySize + half + 3 * t;
            const int shift = 8 * (2 * b + t);
            h.p |= Word(bytes[0]) << shift;
            h.q |= Word(bytes[1]) << shift;
            h.r |= Word(bytes[2]) << shift;
        }
    }
    return h;
}

void store(Planes h, quint8 *blocks, int count, int half)
{
    for (int b = 0; b < count; ++b) {
        for (int t = 0; t < 2; ++t) {
            quint8 *bytes = blocks + b * KeySize + half + 3 * t;
            const int shift = 8 * (2 * b + t);
            bytes[0] = quint8(h.p >> shift);
            bytes[1] = quint8(h.q >> shift);
            bytes[2] = quint8(h.r >> shift);
        }
    }
}

// A key half, the same in every block's lanes.
Planes keyHalf(const quint8 *bytes)
{
    const Planes h = load(bytes, 1, 0);
    return {h.p * EveryBlock, h.q * EveryBlock, h.r * EveryBlock};
}

// The key half used by each of the 93 cipher steps; the same for every block.
using Schedule = std::array<Planes, CipherSteps>;

Schedule schedule(const quint8 *key)
{
    Schedule keys;
    Planes k1 = keyHalf(key);
    Planes k2 = keyHalf(key + HalfSize);
    int n = 0;
    keys[n++] = k1;
    for (int i = 1; i < KeySteps; i += 2) {
        k2 = keyStepPlanes(k2, k1, i);
        keys[n++] = k2;
        k1 = keyStepPlanes(k1, k2, i + 1);
        keys[n++] = k1;
    }
    for (int i = KeySteps; i >= 2; i -= 2) {
        k1 = keyStepPlanes(k1, k2, i);
        keys[n++] = k2;
        k2 = keyStepPlanes(k2, k1, i - 1);
        keys[n++] = k1;
    }
    return keys;
}

// Up to four blocks; the steps alternate between the right and the left half.
template <bool Encrypt> void runBlocks(quint8 *blocks, int count, const Schedule &keys)
{
    Planes left = load(blocks, count, 0);
    Planes right = load(blocks, count, HalfSize);
    for (int n = 0; n + 1 < CipherSteps; n += 2) {
        right = cipherStepPlanes<Encrypt>(right, left, keys[n]);
        left = cipherStepPlanes<Encrypt>(left, right, keys[n + 1]);
    }
    right = cipherStepPlanes<Encrypt>(right, left, keys[CipherSteps - 1]);
    store(left, blocks, count, 0);
    store(right, blocks, count, HalfSize);
}

void runPayload(quint8 *data, int blocks, const Schedule &keys, bool encrypt)
{
    for (int done = 0; done < blocks; done += Lanes) {
        const int count = qMin(Lanes, blocks - done);
        if (encrypt)
            runBlocks<true>(data + done * KeySize, count, keys);
        else
            runBlocks<false>(data + done * KeySize, count, keys);
    }
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
    const Planes mixed = mix({p, q, r});
    p = quint8(mixed.p);
    q = quint8(mixed.q);
    r = quint8(mixed.r);
}

void RequestCipher::cipherStep(quint8 *a, const quint8 *b, const quint8 *k, bool encrypt)
{
    const Planes half = load(a, 1, 0);
    const Planes other = load(b, 1, 0);
    const Planes key = load(k, 1, 0);
    store(encrypt ? cipherStepPlanes<true>(half, other, key)
                  : cipherStepPlanes<false>(half, other, key),
          a, 1, 0);
}

void RequestCipher::keyStep(quint8 *d, const quint8 *s, int step)
{
    store(keyStepPlanes(load(d, 1, 0), load(s, 1, 0), step), d, 1, 0);
}

void RequestCipher::cipherBlock(quint8 *block, const quint8 *key, bool encrypt)
{
    runPayload(block, 1, schedule(key), encrypt);
}

void RequestCipher::encryptPayload(char *data, int length, const QByteArray &key, bool encrypt)
{
    Q_ASSERT(key.size() == KeySize);
    runPayload(reinterpret_cast<quint8 *>(data), length / KeySize,
               schedule(reinterpret_cast<const quint8 *>(key.constData())), encrypt);
}
