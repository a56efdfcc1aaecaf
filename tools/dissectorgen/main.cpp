// scoutel-dissectorgen LOGIC OUTPUT: writes the Wireshark dissector sctl.lua,
// the protocol's numbers, the program's field table and its result codes as
// Lua tables followed
// by the hand-written logic, so that the dissector cannot drift from the table.
#include "fieldtable.h"
#include "packetcodec.h"
#include "resultcodes.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {
const char *kindName(FieldTable::Kind kind)
{
    using FieldTable::Kind;
    switch (kind) {
    case Kind::Address:
        return "address";
    case Kind::Number16:
        return "number16";
    case Kind::Switch16:
        return "switch16";
    case Kind::SignedByte:
        return "signed_byte";
    case Kind::Word32:
        return "word32";
    case Kind::Text:
        return "text";
    case Kind::Bytes:
        return "bytes";
    case Kind::Version:
        return "version";
    case Kind::Bus:
        return "bus";
    case Kind::Confirmation:
        return "confirmation";
    }
    return nullptr;
}

struct CommandName
{
    quint16 command;
    const char *name;
};

constexpr CommandName Commands[] = {
    {Sctl::SearchRequest, "Search request"},
    {Sctl::SearchAnswer, "Search answer"},
    {Sctl::ConfigureRequest, "Configuration request"},
    {Sctl::ConfigureAnswer, "Configuration answer"},
};

// One entry per tag, so that each of a bus's three tags has its own.
bool writeFields(QTextStream &out)
{
    out << "    fields = {\n";
    for (int tag = 0; tag < 256; ++tag) {
        const FieldTable::Field *field = FieldTable::forTag(quint8(tag));
        if (!field)
            continue;
        if (!field->label || !FieldTable::captureName(*field)) {
            QTextStream(stderr) << "Field " << tag << " needs a label and a name in fieldtable.h\n";
            return false;
        }
        out << "        { tag = " << tag << ", name = \"" << FieldTable::captureName(*field)
            << "\", label = \"" << field->label << "\", kind = \"" << kindName(field->kind)
            << "\", size = " << int(field->size) << " },\n";
    }
    out << "    },\n";
    return true;
}

bool writeTables(QTextStream &out)
{
    out << "local SCTL = {\n"
        << "    ports = { " << Sctl::DevicePort << ", " << Sctl::ClientPort << " },\n"
        << "    header_size = " << Sctl::HeaderSize << ",\n"
        << "    block_size = " << Sctl::BlockSize << ",\n"
        << "    fill_tag = " << Tag::Fill << ",\n"
        << "    challenge_tag = " << Tag::Challenge << ",\n"
        << "    configure_request = " << Sctl::ConfigureRequest << ",\n"
        << "    confirmation = 0x" << PacketCodec::confirmationValue().toHex() << ",\n"
        << "    commands = {\n";
    for (const CommandName &command : Commands)
        out << "        [" << command.command << "] = \"" << command.name << "\",\n";
    out << "    },\n"
        << "    results = {\n";
    for (const ResultCodes::Code &code : ResultCodes::Codes)
        out << "        [" << code.number << "] = \"" << code.name << "\",\n";
    out << "    },\n";
    if (!writeFields(out))
        return false;
    out << "}\n\n";
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        QTextStream(stderr) << "usage: scoutel-dissectorgen LOGIC.lua OUTPUT.lua\n";
        return 2;
    }
    QFile logic(QString::fromLocal8Bit(argv[1]));
    if (!logic.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << logic.fileName() << '\n';
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly)) {
        QTextStream(stderr) << "cannot write " << output.fileName() << '\n';
        return 1;
    }
    QTextStream out(&output);
    out << "-- SCTL dissector for Wireshark, written by scoutel-dissectorgen from the\n"
        << "-- program's field table (protocol/fieldtable.h), its result codes\n"
        << "-- (protocol/resultcodes.h) and dissector/sctl-logic.lua:\n"
        << "-- change those, not this file.\n\n";
    if (!writeTables(out))
        return 1;
    out << logic.readAll();
    out.flush();
    return output.commit() ? 0 : 1;
}
