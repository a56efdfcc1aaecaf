#pragma once

#include "netguard.h"

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

// One plain Refresh of a main window; true once its search period ended.
// For a test that means to let a period pass: rows of devices that did not
// answer are gone then.
inline bool searchPeriodPasses(QWidget *window, int timeoutMs)
{
    auto *refresh = window->findChild<QToolButton *>(QStringLiteral("buttonRefresh"));
    QTest::mouseClick(refresh, Qt::LeftButton);
    return !refresh->isEnabled() &&
           QTest::qWaitFor([&] { return refresh->isEnabled(); }, timeoutMs);
}

// One plain Refresh; true once its period ended and the tree holds rows
// devices. A starved device may answer after the period: the window still
// takes the answer, and the test waits for it.
inline bool searchFinds(QWidget *window, int rows, int timeoutMs)
{
    const auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("tree"));
    return searchPeriodPasses(window, timeoutMs) &&
           QTest::qWaitFor([&] { return tree->topLevelItemCount() == rows; }, timeoutMs);
}

// The entries of the menu the tree offers at pos ("|" for a separator), empty
// when none opens; the one whose text is chosen is triggered, if enabled.
inline QStringList contextMenuAt(QTreeWidget *tree, const QPoint &pos, const QString &chosen = {})
{
    QStringList entries;
    QTimer::singleShot(0, tree, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *entry : menu->actions()) {
                entries << (entry->isSeparator() ? QStringLiteral("|") : entry->text());
                if (!chosen.isEmpty() && entry->text() == chosen)
                    entry->trigger();
            }
            menu->close();
        }
    });
    Q_EMIT tree->customContextMenuRequested(pos);
    QCoreApplication::processEvents();
    return entries;
}

// main() of a window test inside a private network: English texts (or the locale
// SCOUTEL_TEST_LOCALE names), settings and device memory in a folder of its
// own, never the user's.
#define SCOUTEL_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        NetGuard::requirePrivateNetwork(argv[0]);                                                  \
        QTemporaryDir store;                                                                       \
        if (!store.isValid())                                                                      \
            return 1;                                                                              \
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})            \
            qputenv(name, store.path().toUtf8());                                                  \
        qputenv("LC_ALL", qEnvironmentVariable("SCOUTEL_TEST_LOCALE", "en_US.UTF-8").toUtf8());    \
        QApplication app(argc, argv);                                                              \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());           \
        QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));                          \
        QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
