// Runs a fuzz target over saved inputs without libFuzzer: every file named, and
// every file under every directory named. Plain builds keep the regressions.
#include "fuzzcheck.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
bool replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        QStringList paths(path);
        if (QFileInfo(path).isDir()) {
            paths.clear();
            QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext())
                paths << files.next();
        }
        for (const QString &file : paths) {
            if (!replay(file))
                return 1;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // Inputs that were never there would make the test pass without testing.
    return replayed > 0 ? 0 : 1;
}
