#pragma once

#include "packetcodec.h"

// Helpers of the targets that decode answers.
namespace AnswerCheck {
// Decodes datagram as the client would, with its sequence number (bytes 4-5)
// made one the codec waits for: otherwise nearly every input stops at that check.
int decodeAsAnswer(PacketCodec &codec, QByteArray datagram, ScoutelContainer &record);
// What every decoding must leave behind, whatever the datagram held.
void checkDecoded(const PacketCodec &codec, int code, const ScoutelSharedData &r);
} // namespace AnswerCheck
