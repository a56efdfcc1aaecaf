#include "scoutel.h"

#include "configurationoperation.h"
#include "devicelist.h"
#include "devicememory.h"
#include "devicerowcontent.h"
#include "devicerows.h"
#include "devicesearch.h"
#include "dialogedit.h"
#include "dialogplan.h"
#include "fieldtags.h"
#include "historydialog.h"
#include "inventoryfile.h"
#include "memorynotes.h"
#include "networkinterfaces.h"
#include "operationline.h"
#include "operationlog.h"
#include "randomsource.h"
#include "resultsdialog.h"
#include "scoutelclient.h"
#include "settings.h"
#include "ui_scoutel.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

namespace {
const char WaitingMovie[] = ":/images/Loading1.gif";
const char NothingPicture[] = ":/images/Nothing.png";
constexpr int NothingIndex = 0;
constexpr int ColumnsShownAtStart[] = {ColumnMac,    ColumnCurrentIp, ColumnName,
                                       ColumnHwName, ColumnHwVersion, ColumnInterface};

} // namespace

Scoutel::Scoutel(QWidget *parent)
    : QDialog(parent), form(new Ui::Scoutel), settings(new Settings(this)),
      client(new ScoutelClient(this)), search(new DeviceSearch(client, SearchPeriodTicks, this)),
      operation(new ConfigurationOperation(client, TickMs, ConfigurationPhaseTicks, this)),
      memory(new DeviceMemory(search, operation, InventoryFile::defaultPath(), this))
{
    form->setupUi(this);
    rows = new DeviceRows(form->tree, this);
    connect(rows, &DeviceRows::written, this, &Scoutel::updateUi);

    settings->loadSettings();
    settings->restoreGeometry(this, QString());
    settings->applySettings();
    setWindowFlags(Qt::Window);
    RandomSource::seed(quint32(QDateTime::currentSecsSinceEpoch()));
    connectSearch();
    connectOperation();
    connectMemory();

    prepareTree();
    buildButtonMenu();
    fillLanguageMenu();

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Scoutel::tick);
    timer->start(TickMs);

    updateUi();
    if (!client->errorString().isEmpty())
        warn(tr("Error on client initialization: %1").arg(client->errorString()));
}

Scoutel::~Scoutel()
{
    delete form;
}

void Scoutel::connectSearch()
{
    const auto interfaceIndex = [this] { return settings->interfaceIndex; };
    search->setInterfaceChoice(interfaceIndex);
    operation->setInterfaceChoice(interfaceIndex);
    // The confirmations of a running operation still count.
    search->setSequencesInUse([this] { return operation->isRunning(); });
    connect(search, &DeviceSearch::started, this, &Scoutel::updateUi);
    connect(search, &DeviceSearch::answered, rows, &DeviceRows::show);
    connect(search, &DeviceSearch::finished, this, &Scoutel::endSearch);
    connect(search, &DeviceSearch::sendFailed, this, [this](const QString &errorText) {
        form->buttonRefresh->setCheckable(false);
        warn(tr("Send error: %1").arg(errorText));
    });
}

void Scoutel::connectOperation()
{
    connect(operation, &ConfigurationOperation::devicesDoubtful, this, &Scoutel::clear);
    connect(operation, &ConfigurationOperation::phaseChanged, this, [this] {
        // Once the challenges are in, the picture may tell that no device is left.
        if (operation->phase() != ConfigurationRun::Phase::Challenging)
            cleared = false;
        updateUi();
    });
    connect(operation, &ConfigurationOperation::sendFailed, this,
            [this](const QString &errorText) { warn(tr("Send error: %1").arg(errorText)); });
    connect(operation, &ConfigurationOperation::finished, this, &Scoutel::showSummary);
    connect(operation, &ConfigurationOperation::recordUpdated, this,
            [this](const OperationRecord &record) {
                lastRecord = record;
                if (results)
                    results->setRecord(record);
            });
    connect(operation, &ConfigurationOperation::receiveFailed, this,
            [](const QString &line) { qDebug().noquote() << line; });
}

void Scoutel::connectMemory()
{
    memory->setInterfaceChoice([this] { return settings->interfaceIndex; });
    connect(memory, &DeviceMemory::fileProblem, this, &Scoutel::warn);
    rows->setNotes([this](const QByteArray &mac) {
        const InventoryEntry *entry = memory->inventory().find(mac);
        return entry ? MemoryNotes::of(memory->noted(mac), entry->firstSeen) : QStringList();
    });
    // Quietly: nothing is searched yet, and the memory is read once the window shows.
    const QSignalBlocker quiet(form->actionShowMissing);
    form->actionShowMissing->setChecked(settings->showMissingDevices);
}

void Scoutel::prepareTree()
{
    SkTreeWidget *tree = form->tree;
    tree->headerItem()->setText(ColumnLabel, QString());
    for (int column = 0; column < DeviceColumnCount; ++column)
        tree->hideColumn(column);
    for (const int column : ColumnsShownAtStart)
        tree->showColumn(column);
    // Columns fit the rows in view: measuring thousands of rows after every
    // batch of answers would stall the window. Scrolling measures again.
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setResizeContentsPrecision(0);
    connect(tree->verticalScrollBar(), SIGNAL(valueChanged(int)), tree->header(),
            SLOT(resizeSections()));
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    // A click on a column's title sorts by it, a second reverses; until the
    // first, rows keep the order they came in.
    QHeaderView *header = tree->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, [this, header] {
        rows->sortBy(header->sortIndicatorSection(), header->sortIndicatorOrder());
    });
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Scoutel::updateUi);
    connect(tree, &QTreeView::expanded, this, &Scoutel::updateColumn);
    connect(tree, &QTreeView::collapsed, this, &Scoutel::updateColumn);
    // Expand All and Collapse All change rows without a signal per row.
    connect(form->actionExpandAll, &QAction::triggered, this, &Scoutel::updateColumn);
    connect(form->actionCollapseAll, &QAction::triggered, this, &Scoutel::updateColumn);
    tree->setMovie(QLatin1String(WaitingMovie));
    tree->addImage(QLatin1String(NothingPicture), NothingIndex);
}

void Scoutel::buildButtonMenu()
{
    auto *menu = new QMenu(this);
    languageMenu = menu->addMenu(form->actionLanguage->text());
    interfaceMenu = menu->addMenu(form->actionInterface->text());
    menu->addAction(form->actionShowMissing);
    menu->addAction(form->actionExportList);
    menu->addAction(form->actionOperationHistory);
    menu->addAction(form->actionImportPlan);
    menu->addAction(form->actionAbout);
    menu->addSeparator();
    menu->addAction(form->actionExit);
    form->buttonMenu->setMenu(menu);
    connect(interfaceMenu, &QMenu::aboutToShow, this, &Scoutel::menuInterface_aboutToShow);
}

void Scoutel::fillLanguageMenu()
{
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    const QStringList codes = MlSettings::availableLanguages();
    for (const QString &code : codes) {
        QAction *entry = languageMenu->addAction(
            QIcon(QStringLiteral("%1/%2.png").arg(MlSettings::languagesPath(), code)),
            QLocale::languageToString(QLocale(code).language()));
        entry->setCheckable(true);
        entry->setChecked(code == settings->currentLanguage());
        entry->setData(code);
        languageGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, &Scoutel::languageChanged);
    }
}

bool Scoutel::isBusy() const
{
    return search->isSearching() || operation->phase() == ConfigurationRun::Phase::Challenging;
}

void Scoutel::updateUi()
{
    SkTreeWidget *tree = form->tree;
    const bool empty = tree->topLevelItemCount() == 0;
    const bool busy = isBusy();
    form->buttonRefresh->setEnabled(form->buttonRefresh->isChecked() || !busy);
    // A new edit would drop the running operation before its summary.
    const bool running = operation->isRunning();
    form->buttonEdit->setEnabled(!running);
    form->actionEdit->setEnabled(!running);
    form->actionImportPlan->setEnabled(!running);
    form->actionExportList->setEnabled(!empty);
    form->buttonEdit->setToolTip(
        running ? tr("Edit waits until the running configuration has its summary.") : QString());
    showBackground(!cleared && !busy && empty, busy);
    if (tree->isHeaderHidden() != empty)
        tree->setHeaderHidden(empty);
    form->labelCount->setText(empty ? QString() : countText());
}

QString Scoutel::countText() const
{
    const int missing = rows->missingCount();
    const int total = form->tree->topLevelItemCount() - missing;
    const int shown = rows->shownCount();
    QString devices =
        shown == total ? tr("%Ln device(s)", nullptr, total)
                       : tr("%1 of %Ln device(s)", nullptr, total).arg(QLocale().toString(shown));
    if (missing > 0)
        devices = tr("%1, %Ln missing", nullptr, missing).arg(devices);
    const int selected = int(form->tree->selectionModel()->selectedRows().size());
    return tr("%1, %Ln selected", nullptr, selected).arg(devices);
}

void Scoutel::showBackground(bool picture, bool animated)
{
    // Both calls ask for a repaint; what they show depends only on these two.
    const int shown = int(picture) | int(animated) << 1;
    if (shown == backgroundShown)
        return;
    backgroundShown = shown;
    form->tree->showImage(picture, NothingIndex);
    form->tree->setAnimated(animated, true);
}

void Scoutel::on_buttonRefresh_clicked()
{
    QToolButton *button = form->buttonRefresh;
    button->setCheckable(false);
    if (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) {
        button->setCheckable(true);
        button->setChecked(true);
    }
    search->setContinuous(button->isChecked());
    refresh();
}

void Scoutel::refresh()
{
    cleared = false;
    search->start();
}

void Scoutel::tick()
{
    // The period waits while the operator edits or the targets are asked.
    if (!editing && operation->phase() != ConfigurationRun::Phase::Challenging)
        search->tick();
}

void Scoutel::endSearch(const QList<QByteArray> &stale)
{
    rows->flush();
    rows->removeStale(stale);
    showMissing();
}

void Scoutel::showMissing()
{
    rows->showMissing(form->actionShowMissing->isChecked() ? memory->inventory().missing()
                                                           : QList<InventoryEntry>());
    updateUi();
}

void Scoutel::on_actionShowMissing_toggled(bool on)
{
    settings->showMissingDevices = on;
    showMissing();
}

void Scoutel::on_actionForget_triggered()
{
    const QByteArray mac = form->actionForget->data().toByteArray();
    if (!memory->forget(mac))
        return;
    rows->removeMissing(mac);
    // The row loses what the memory said of it.
    const auto record = search->devices().constFind(mac);
    if (record != search->devices().constEnd() && record.value()->result != -1)
        rows->show(record.value());
    updateUi();
}

void Scoutel::clear()
{
    cleared = true;
    rows->clear();
    updateUi();
}

void Scoutel::on_actionClear_triggered()
{
    clear();
}

void Scoutel::updateColumn()
{
    form->tree->setColumnHidden(ColumnLabel, !rows->anyExpanded());
}

void Scoutel::on_buttonEdit_clicked()
{
    startEdit();
}

void Scoutel::on_actionEdit_triggered()
{
    startEdit();
}

void Scoutel::startEdit()
{
    // An edit ends continuous search.
    form->buttonRefresh->setCheckable(false);
    search->setContinuous(false);
    editSelected();
}

void Scoutel::editSelected()
{
    // Edit is disabled then; a shortcut must not drop the operation either.
    if (operation->isRunning())
        return;
    SkTreeWidget *tree = form->tree;
    QList<QTreeWidgetItem *> selected = tree->selectedItems();
    if (selected.isEmpty()) {
        if (tree->topLevelItemCount() != 1)
            return;
        QTreeWidgetItem *only = tree->topLevelItem(0);
        only->setSelected(true);
        selected = {only};
    }
    QList<ScoutelContainer> targets;
    const QHash<QByteArray, ScoutelContainer> &devices = search->devices();
    for (const QTreeWidgetItem *row : std::as_const(selected)) {
        const auto record = devices.constFind(DeviceRows::key(row));
        if (record != devices.constEnd() && !rows->isMissing(row))
            targets.append(record.value());
    }
    if (targets.isEmpty())
        return;
    editing = true;
    DialogEdit dialog(targets, settings, this);
    dialog.setHeldAddresses(addressesBeyond(targets));
    dialog.prepare();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    editing = false;
    if (!accepted)
        return;
    startOperation(dialog.configuredTargets());
}

void Scoutel::startOperation(const QList<ScoutelContainer> &targets)
{
    searchAfterSummary = true;
    operation->start(targets, ConfigurationRun::Challenges::AskEachTarget, search->devices());
}

QSet<quint32> Scoutel::addressesBeyond(const QList<ScoutelContainer> &targets) const
{
    // Every device seen, also one that missed the last search: it may be back.
    QSet<QByteArray> targetMacs;
    for (const ScoutelContainer &target : targets)
        targetMacs.insert(target->mac);
    QSet<quint32> held;
    for (const ScoutelContainer &device : search->devices()) {
        if (!targetMacs.contains(device->mac))
            held.unite(AddressPlan::addressesOf(*device.constData()));
    }
    return held;
}

void Scoutel::showSummary(const OperationRecord &record)
{
    const QString problem =
        OperationLog().append(OperationLine::of(record, QStringLiteral("window")));
    lastRecord = record;
    if (results)
        results->setRecord(record);
    auto *box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box->addButton(tr("Show Results"), QMessageBox::ActionRole), &QAbstractButton::clicked,
            this, &Scoutel::showResults);
    box->setDefaultButton(box->addButton(QMessageBox::Ok));
    box->setIcon(record.succeeded() ? QMessageBox::Information : QMessageBox::Warning);
    box->setText(record.headline());
    QString details = record.report() + record.strays;
    if (!problem.isEmpty())
        details += tr("The operation was not recorded in the log: %1\n").arg(problem);
    box->setInformativeText(details);
    // The rows then show what the devices report after the change; a
    // continuous search already asks again. Only once per operation: a device
    // answering the search with a late confirmation would bring one more
    // summary, and each would search again.
    if (std::exchange(searchAfterSummary, false)) {
        connect(box, &QMessageBox::finished, this, [this] {
            if (!search->isContinuous() && !operation->isRunning())
                refresh();
        });
    }
    box->open();
}

void Scoutel::showResults()
{
    if (!results) {
        results = new ResultsDialog(lastRecord, this);
        connect(results, &ResultsDialog::retryRequested, this, &Scoutel::retry);
    }
    results->show();
    results->raise();
}

void Scoutel::retry(const QList<ScoutelContainer> &targets, bool askPassword)
{
    if (operation->isRunning())
        return;
    if (!askPassword)
        return startOperation(targets);
    auto *dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Retry Failed"));
    dialog->setLabelText(tr("A device refused the password. Current password:"));
    dialog->setTextEchoMode(QLineEdit::Password);
    connect(dialog, &QInputDialog::textValueSelected, this,
            [this, targets](const QString &password) {
                QList<ScoutelContainer> again = targets;
                for (ScoutelContainer &target : again)
                    target->password = password;
                if (!operation->isRunning())
                    startOperation(again);
            });
    dialog->open();
}

void Scoutel::on_actionOperationHistory_triggered()
{
    auto *history = new HistoryDialog(OperationLog::defaultFolder(), this);
    history->show();
}

void Scoutel::warn(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QString(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Scoutel::on_tree_customContextMenuRequested(const QPoint &pos)
{
    SkTreeWidget *tree = form->tree;
    if (tree->topLevelItemCount() == 0)
        return;
    QMenu menu(tree);
    if (const QTreeWidgetItem *item = tree->itemAt(pos)) {
        const QTreeWidgetItem *device = item->parent() ? item->parent() : item;
        const QUrl page = DeviceRowContent::webPage(
            *search->devices().value(DeviceRows::key(device)).constData());
        form->actionOpenWebPage->setData(page);
        form->actionOpenWebPage->setEnabled(!page.isEmpty());
        const QByteArray mac = DeviceRows::key(device);
        form->actionForget->setData(mac);
        form->actionForget->setEnabled(memory->inventory().find(mac) != nullptr);
        menu.addActions(
            {form->actionEdit, form->actionCopy, form->actionOpenWebPage, form->actionForget});
        menu.addSeparator();
    }
    menu.addActions({form->actionSelectAll, form->actionDeselectAll});
    menu.addSeparator();
    menu.addActions({form->actionExpandAll, form->actionCollapseAll});
    menu.addSeparator();
    menu.addActions({form->actionExportList, form->actionImportPlan, form->actionClear});
    menu.exec(tree->viewport()->mapToGlobal(pos));
}

void Scoutel::on_actionOpenWebPage_triggered()
{
    const QUrl page = form->actionOpenWebPage->data().toUrl();
    if (!page.isEmpty())
        openWebPage(page);
}

void Scoutel::openWebPage(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        warn(tr("No browser could open %1.").arg(url.toString()));
}

void Scoutel::on_actionExportList_triggered()
{
    const QString fileName = askExportFileName();
    if (fileName.isEmpty())
        return;
    rows->flush();
    const SkTreeWidget *tree = form->tree;
    const QHash<QByteArray, ScoutelContainer> &devices = search->devices();
    QList<ScoutelContainer> records;
    records.reserve(tree->topLevelItemCount());
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const auto record = devices.constFind(DeviceRows::key(tree->topLevelItem(i)));
        if (record != devices.constEnd() && !rows->isMissing(tree->topLevelItem(i)))
            records.append(record.value());
    }
    QStringList titles;
    for (int column = 0; column < DeviceColumnCount; ++column)
        titles << tree->headerItem()->text(column);
    const QString problem = DeviceList::save(fileName, records, titles);
    if (!problem.isEmpty())
        warn(tr("The list was not saved to %1: %2")
                 .arg(QDir::toNativeSeparators(fileName), problem));
}

QString Scoutel::askExportFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Export List"), QString(),
                                        tr("CSV files (*.csv);;JSON files (*.json)"));
}

void Scoutel::on_actionImportPlan_triggered()
{
    const QString fileName = askPlanFileName();
    if (fileName.isEmpty() || operation->isRunning())
        return;
    // Against the devices of the last search: those that missed it are gone from the tree.
    QList<ScoutelContainer> found;
    for (const ScoutelContainer &device : search->devices()) {
        if (device->result != -1)
            found << device;
    }
    auto *dialog = new DialogPlan(PlanPreview(PlanReader::readFile(fileName), found), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Like the edit dialog, the preview holds the search period.
    editing = true;
    connect(dialog, &QDialog::finished, this, [this] { editing = false; });
    connect(dialog, &DialogPlan::applyRequested, this, &Scoutel::startOperation);
    dialog->open();
}

QString Scoutel::askPlanFileName()
{
    return QFileDialog::getOpenFileName(
        this, tr("Import Plan"), QString(),
        tr("Plans (*.csv *.tsv *.txt *.jsonl *.json);;All files (*)"));
}

void Scoutel::on_editFind_textChanged(const QString &text)
{
    rows->setFilter(DeviceFilter(text));
    updateUi();
}

void Scoutel::on_actionCopy_triggered()
{
    const QTreeWidgetItem *item = form->tree->currentItem();
    if (item)
        QGuiApplication::clipboard()->setText(item->text(form->tree->currentColumn()));
}

void Scoutel::on_actionAbout_triggered()
{
    QMessageBox box(this);
    box.setText(
        QStringLiteral("<h4>%1 v%2</h4>"
                       "<p>Vantrel Security Systems<br>"
                       "Service and support: support@vantrel.example</p>")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
    box.setIconPixmap(
        QPixmap(QStringLiteral(":/images/logo.png")).scaledToWidth(200, Qt::SmoothTransformation));
    QPushButton *aboutQt = box.addButton(tr("About Qt"), QMessageBox::HelpRole);
    box.addButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == aboutQt)
        QMessageBox::aboutQt(this, QString());
}

void Scoutel::menuInterface_aboutToShow()
{
    interfaceMenu->clear();
    const auto addEntry = [this](const QString &text, int index) {
        QAction *action = interfaceMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(index == settings->interfaceIndex);
        action->setData(index);
        connect(action, &QAction::triggered, this, &Scoutel::interfaceChanged);
    };
    addEntry(tr("System Default"), NetworkInterfaces::SystemChoice);
    addEntry(tr("All network interfaces"), NetworkInterfaces::All);
    const QStringList entries = client->interfaces();
    for (const QString &entry : entries) {
        const qsizetype separator = entry.indexOf(QLatin1Char(';'));
        if (separator > 0)
            addEntry(entry.mid(separator + 1), entry.left(separator).toInt());
    }
}

void Scoutel::interfaceChanged()
{
    if (const auto *action = qobject_cast<QAction *>(sender()))
        settings->interfaceIndex = action->data().toInt();
}

void Scoutel::languageChanged()
{
    const auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    settings->language = action->data().toString();
    settings->setLanguage(settings->language);
}

void Scoutel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        form->retranslateUi(this);
        if (languageMenu) {
            languageMenu->setTitle(form->actionLanguage->text());
            interfaceMenu->setTitle(form->actionInterface->text());
            updateUi();
        }
    }
    QDialog::changeEvent(event);
}

void Scoutel::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Read once the window is painted: a large memory must not delay it. A
    // search before then reads it at once.
    if (!std::exchange(memoryAsked, true))
        QTimer::singleShot(0, memory, &DeviceMemory::load);
}

void Scoutel::closeEvent(QCloseEvent *event)
{
    event->accept();
    memory->saveIfChanged();
    settings->saveSettings();
    settings->saveGeometry(this, QString());
    QDialog::closeEvent(event);
}

void Scoutel::keyPressEvent(QKeyEvent *event)
{
    // A dialog would only hide on Escape, and the program would end without
    // saving: close like Exit does. In the find field Escape only empties it.
    if (!event->matches(QKeySequence::Cancel))
        QDialog::keyPressEvent(event);
    else if (form->editFind->hasFocus())
        form->editFind->clear();
    else
        close();
}
