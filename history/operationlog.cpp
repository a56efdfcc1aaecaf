#include "operationlog.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Closes the descriptor on every way out.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

int openForAppend(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC,
                  S_IRUSR | S_IWUSR);
}

// A line cut short by an earlier crash is closed first, so the new one stays
// whole (read through the descriptor: it is opened for reading too).
bool endsWithLineFeed(int fd, off_t size)
{
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}
} // namespace

OperationLog::OperationLog(const QString &logFolder, qint64 rotate)
    : folder(logFolder), rotateBytes(rotate)
{}

QString OperationLog::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/scoutel");
}

QString OperationLog::filePath() const
{
    return folder + QLatin1String("/operations.jsonl");
}

QString OperationLog::olderPath() const
{
    return filePath() + QLatin1String(".1");
}

QString OperationLog::append(const QByteArray &line) const
{
    const QByteArray name = QFile::encodeName(folder);
    if (!QDir().mkpath(folder))
        return folder + QLatin1String(": cannot be created");
    if (::chmod(name.constData(), S_IRWXU) != 0)
        return folder + QLatin1String(": ") + systemError();
    Descriptor file{openForAppend(filePath())};
    struct stat status = {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        return filePath() + QLatin1String(": ") + systemError();
    if (status.st_size > 0 && status.st_size + line.size() + 1 > rotateBytes) {
        if (::rename(QFile::encodeName(filePath()).constData(),
                     QFile::encodeName(olderPath()).constData()) != 0)
            return olderPath() + QLatin1String(": ") + systemError();
        ::close(file.fd);
        file.fd = openForAppend(filePath());
        if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
            return filePath() + QLatin1String(": ") + systemError();
    }
    QByteArray whole = endsWithLineFeed(file.fd, status.st_size) ? QByteArray() : "\n";
    whole += line + '\n';
    const ssize_t written = ::write(file.fd, whole.constData(), size_t(whole.size()));
    if (written != ssize_t(whole.size()))
        return filePath() + QLatin1String(": ") +
               (written < 0 ? systemError() : QLatin1String("short write"));
    return QString();
}
