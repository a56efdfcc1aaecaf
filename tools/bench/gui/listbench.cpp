#include "listbench.h"

#include "devicerowcontent.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {
// From one device's name, MAC or address to many of them and back to all.
const char *const Typed[] = {"Safe 1999", "02:53:43:00:07:CF", "127.0.", "1", ""};
constexpr int SortedColumns[] = {ColumnName, ColumnCurrentIp};

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}
} // namespace

bool benchList(BenchWindow &window)
{
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("tree"));
    const int rows = tree->topLevelItemCount();
    QTemporaryDir folder;
    bool written = true;
    for (const char *format : {"csv", "json"}) {
        window.exportFile = folder.filePath(QStringLiteral("list.") + QLatin1String(format));
        const double ms = millisecondsOf(
            [&] { window.findChild<QAction *>(QStringLiteral("actionExportList"))->trigger(); });
        const qint64 bytes = QFileInfo(window.exportFile).size();
        written = written && bytes > 0;
        std::printf("export of %d rows as %-4s: %6.1f ms, %lld bytes\n", rows, format, ms, bytes);
    }

    // Every row selected: a filter also unselects what it hides.
    tree->selectAll();
    auto *find = window.findChild<QLineEdit *>(QStringLiteral("editFind"));
    for (const char *text : Typed) {
        const double ms = millisecondsOf([&] {
            find->setText(QLatin1String(text));
            tree->viewport()->repaint();
        });
        int shown = 0;
        for (int i = 0; i < rows; ++i)
            shown += tree->topLevelItem(i)->isHidden() ? 0 : 1;
        std::printf("find \"%s\" over %d rows: %6.1f ms, %d shown\n", text, rows, ms, shown);
    }

    QHeaderView *header = tree->header();
    for (const int column : SortedColumns) {
        const double ms = millisecondsOf([&] {
            header->setSortIndicator(column, Qt::AscendingOrder);
            Q_EMIT header->sectionClicked(column);
            tree->viewport()->repaint();
        });
        std::printf("sort of %d rows by %s: %6.1f ms\n", rows,
                    qPrintable(tree->headerItem()->text(column)), ms);
    }
    std::fflush(stdout);
    return written;
}
