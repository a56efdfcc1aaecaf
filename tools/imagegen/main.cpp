// Draws the program's images into a resources directory:
//   scoutel_imagegen <path to resources/>
// The build uses the committed output; run this only to change the artwork.
#include "branchimages.h"
#include "buttonicons.h"
#include "flagicons.h"
#include "gifwriter.h"
#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <functional>
#include <utility>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        QTextStream(stderr) << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        QTextStream(stderr) << path << ": cannot encode PNG\n";
        return false;
    }
    return writeFile(path, bytes);
}

bool writeGif(const QString &path, const QList<QImage> &frames, int frameDelayMs)
{
    GifWriter writer(frameDelayMs);
    QByteArray bytes;
    if (!writer.encode(frames, &bytes)) {
        QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return writeFile(path, bytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: scoutel_imagegen <resources directory>\n";
        return 2;
    }
    const QDir root(arguments.at(1));
    if (!root.mkpath(QStringLiteral("images")) || !root.mkpath(QStringLiteral("languages")) ||
        !root.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << root.path() << ": cannot create the output folders\n";
        return 1;
    }
    const QList<std::pair<QString, std::function<QImage()>>> pngs{
        {QStringLiteral("images/Scoutel.png"), [] { return windowIcon(); }},
        {QStringLiteral("images/Refresh.png"), refreshIcon},
        {QStringLiteral("images/Edit.png"), editIcon},
        {QStringLiteral("images/Menu.png"), menuIcon},
        {QStringLiteral("images/logo.png"), logoPicture},
        {QStringLiteral("images/Nothing.png"), nothingPicture},
        {QStringLiteral("images/vline.png"), verticalLineImage},
        {QStringLiteral("images/branch-more.png"), branchMoreImage},
        {QStringLiteral("images/branch-end.png"), branchEndImage},
        {QStringLiteral("images/branch-closed.png"), branchClosedImage},
        {QStringLiteral("images/branch-open.png"), branchOpenImage},
        {QStringLiteral("languages/it.png"), italianFlag},
        {QStringLiteral("languages/de.png"), germanFlag},
        {QStringLiteral("languages/en.png"), englishFlag},
    };
    bool ok = true;
    for (const auto &[name, draw] : pngs)
        ok = writePng(root.filePath(name), draw()) && ok;
    // The launcher icon at the sizes of the hicolor theme.
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        ok = writePng(root.filePath(QStringLiteral("icons/scoutel-%1.png").arg(side)),
                      windowIcon(side)) &&
             ok;
    ok = writeGif(root.filePath(QStringLiteral("images/Loading1.gif")), loadingFrames(), 80) && ok;
    return ok ? 0 : 1;
}
