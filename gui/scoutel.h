#pragma once

#include "configurationrun.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>

class ConfigurationOperation;
class DeviceMemory;
class DeviceRows;
class DeviceSearch;
class QActionGroup;
class ResultsDialog;
class QMenu;
class ScoutelClient;
class Settings;

namespace Ui {
class Scoutel;
}

// The window of the graphical mode: searches on request, lists every device
// that answers, configures the selected ones, and keeps its settings and
// geometry across restarts. The search and the operation do the work; the
// window shows what they do.
class Scoutel : public QDialog
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;
    static constexpr int SearchPeriodTicks = 2;
    // Each phase of a configuration waits this long for its answers.
    static constexpr int ConfigurationPhaseTicks = 5;

    explicit Scoutel(QWidget *parent = nullptr);
    ~Scoutel() override;

public Q_SLOTS:
    void clear();
    void updateUi();
    void updateColumn();
    void tick();
    void languageChanged();
    void interfaceChanged();
    void menuInterface_aboutToShow();

private Q_SLOTS:
    void on_buttonRefresh_clicked();
    void on_buttonEdit_clicked();
    void on_actionEdit_triggered();
    void on_actionClear_triggered();
    void on_actionAbout_triggered();
    void on_actionCopy_triggered();
    void on_actionExportList_triggered();
    void on_actionOperationHistory_triggered();
    void on_actionImportPlan_triggered();
    void on_actionOpenWebPage_triggered();
    void on_actionShowMissing_toggled(bool on);
    void on_actionForget_triggered();
    void on_editFind_textChanged(const QString &text);
    void on_tree_customContextMenuRequested(const QPoint &pos);

protected:
    // Seams that tests replace: the save dialog of Export List, which returns
    // an empty name when cancelled, and the browser of Open Web Page.
    virtual QString askExportFileName();
    // The open dialog of Import Plan, empty when cancelled.
    virtual QString askPlanFileName();
    virtual void openWebPage(const QUrl &url);

    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void prepareTree();
    void buildButtonMenu();
    void fillLanguageMenu();
    void connectSearch();
    void connectOperation();
    void connectMemory();
    void showMissing();
    void refresh();
    void endSearch(const QList<QByteArray> &stale);
    void startEdit();
    void editSelected();
    // What the devices that are not targets hold: a plan of addresses skips it.
    QSet<quint32> addressesBeyond(const QList<ScoutelContainer> &targets) const;
    void showSummary(const OperationRecord &record);
    void showResults();
    // Sends the same configuration again to targets, under a password asked
    // for anew when askPassword.
    void retry(const QList<ScoutelContainer> &targets, bool askPassword);
    void startOperation(const QList<ScoutelContainer> &targets);
    // A box that does not block the slot that opens it: answers keep being read.
    void warn(const QString &text);
    // Searching, or waiting for the targets' challenges.
    bool isBusy() const;
    // "120 devices, 3 missing, 2 selected", or "12 of 120 devices, ..." while a
    // find hides rows.
    QString countText() const;
    void showBackground(bool picture, bool animated);

    Ui::Scoutel *form;
    Settings *settings;
    QMenu *languageMenu = nullptr;
    QMenu *interfaceMenu = nullptr;
    ScoutelClient *client;
    DeviceSearch *search;
    ConfigurationOperation *operation;
    DeviceRows *rows = nullptr;
    // The latest operation's record, and its results when shown.
    OperationRecord lastRecord;
    QPointer<ResultsDialog> results;
    DeviceMemory *memory;
    // The summary of the running operation is followed by a search.
    bool searchAfterSummary = false;
    // Nothing searched since the start or the last Clear: no picture for an empty tree.
    bool cleared = true;
    // The edit dialog is open: the search period waits.
    bool editing = false;
    QActionGroup *languageGroup = nullptr;
    // What the tree's background last showed: repainting it for every answer
    // would stall the window when thousands of devices answer at once.
    int backgroundShown = -1;
    bool memoryAsked = false;
};
