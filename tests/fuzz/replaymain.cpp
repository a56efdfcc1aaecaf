// Replays every file under the directory named: plain builds keep the regressions.
#include "fuzzcheck.h"

#include <QDirIterator>
#include <QFile>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    int replayed = 0;
    for (QDirIterator files(QFile::decodeName(argv[1]), QDir::Files, QDirIterator::Subdirectories);
         files.hasNext(); ++replayed) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                               size_t(input.size()));
    }
    std::printf("%d inputs replayed\n", replayed);
    // A directory without inputs would pass without testing anything.
    return replayed > 0 ? 0 : 1;
}
